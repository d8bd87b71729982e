// Transaction Details and the Editor of one history record.
#include "dialogs/TransactionDialogs.h"
#include "dialogs/EntryHelpers.h"

#include "ledger/Edit.h"
#include "ledger/Recording.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Money.h"
#include "platform/Dialog.h"

#include <cstring>
#include <string>

namespace {

// Transaction Details.
constexpr int kMainFrame = 1020;  // the account, or the main account of a sub account
constexpr int kSlotFrame = 1021;  // the sub account
constexpr int kPayeeLabel = 1003;
constexpr int kPayeeText = 1004;
constexpr int kForText = 1005;
constexpr int kMemoText = 1006;
constexpr int kIdentLabel = 1007;
constexpr int kIdentText = 1008;
constexpr int kAmountText = 1009;
constexpr int kEffectiveDate = 1010;
constexpr int kRecordedDate = 1011;
constexpr int kCheckBox = 1012;
constexpr int kDepositBox = 1013;
constexpr int kTransferBox = 1014;
constexpr int kTaxItemBox = 1015;
constexpr int kATMBox = 1016;
constexpr int kPayBox = 1017;
constexpr int kBalancedBox = 1018;
constexpr int kUndoneBox = 1019;

// Editor.
constexpr int kPayeeField = 1001;
constexpr int kForField = 1004;
constexpr int kMemoField = 1005;
constexpr int kNumberField = 1006;
constexpr int kTaxBox = 1008;
constexpr int kPayeeFieldLabel = 1013;
constexpr int kForFieldLabel = 1014;
constexpr int kMemoFieldLabel = 1015;
constexpr int kNumberFieldLabel = 1016;
constexpr size_t kNumberChars = 15;

// The date part of a record's Datime in the display form.
std::string DisplayDate(const AHistory& h)
{
    char date[kDatimeSize] = {};
    std::memcpy(date, h.Datime, 8);
    char display[kDatimeSize] = {};
    ConvertDateFormat(date, display);
    return display;
}

std::string Amount(int32_t amount, int flag)
{
    char text[kAmountTextSize];
    I2S(amount, text, flag);
    return text;
}

class TransactionDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        h = gHPtr;
        const bool deposit = !h->TypeFlag;
        dialog.SetText(kPayeeLabel, deposit ? "Rec'd From:" : "Paid To:");
        dialog.SetText(kPayeeText, h->TransferFlag ? RecordText(h->AccountName) + " Account" : RecordText(h->PayToFm));
        dialog.SetText(kForText, RecordText(h->For));
        // A transfer's memo holds the link to its other half, no text.
        dialog.SetText(kMemoText, h->TransferFlag ? "" : RecordText(h->Memo));
        dialog.SetText(kAmountText, Amount(h->Amt, 1));
        dialog.SetText(kEffectiveDate, DisplayDate(*h));
        dialog.SetText(kRecordedDate, RecordText(h->RDatime));
        dialog.SetChecked(kTaxItemBox, h->TaxFlag != 0);
        dialog.SetChecked(kUndoneBox, h->UnDone != 0);
        dialog.SetChecked(kTransferBox, h->TransferFlag != 0);
        dialog.SetChecked(kPayBox, h->PayFlag && !h->MultiDeposit);
        if (h->TransferFlag)
            return;
        dialog.SetChecked(kBalancedBox, h->BalanceFlag != 0);
        if (deposit) {
            dialog.SetChecked(kDepositBox, true);
        } else if (h->ATM == kWithdrawalATM) {
            dialog.SetChecked(kATMBox, true);
        } else {
            dialog.SetChecked(kCheckBox, true);
            dialog.SetText(kIdentLabel, "Ident:");
            dialog.SetText(kIdentText, std::to_string(static_cast<uint32_t>(h->CheckID)));
        }
    }

    // The boxes only show the record: clicks change nothing.
    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification == kClicked && (id == IDOK || id == IDCANCEL))
            dialog.End(id == IDOK ? 1 : 0);
    }

    void Paint(Dialog&, int id, DrawContext& dc) override
    {
        if (h->Si == 0) {
            if (id == kMainFrame)
                DrawDialogAccountBox(dc, h->Mi, 0, 1);
        } else if (id == kMainFrame) {
            DrawDialogAccountBox(dc, h->Mi, 0, 0);
        } else if (id == kSlotFrame) {
            DrawDialogAccountBox(dc, h->Mi, h->Si, 1);
        }
    }

private:
    const AHistory* h = nullptr;
};

class EditDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        h = gHPtr;
        dialog.SetText(kDateField, DisplayDate(*h));
        dialog.SetText(kAmountField, Amount(h->Amt, 0));
        dialog.SetText(kPayeeField, RecordText(h->PayToFm));
        dialog.SetText(kForField, RecordText(h->For));
        if (!h->TransferFlag)
            dialog.SetText(kMemoField, RecordText(h->Memo));
        dialog.SetText(kNumberField, std::to_string(static_cast<uint32_t>(h->CheckID)));
        dialog.SetChecked(kTaxBox, h->TaxFlag != 0);
        const int fields = EditFields(h);
        const struct {
            int Field;
            int Controls[2];
        } shown[] = {
            {kEditPayee, {kPayeeField, kPayeeFieldLabel}}, {kEditFor, {kForField, kForFieldLabel}},
            {kEditMemo, {kMemoField, kMemoFieldLabel}},    {kEditNumber, {kNumberField, kNumberFieldLabel}},
            {kEditTax, {kTaxBox, kTaxBox}},
        };
        for (const auto& s : shown)
            for (int id : s.Controls)
                dialog.Show(id, (fields & s.Field) != 0);
        dialog.FocusAndSelect(kDateField);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        if (id == kTaxBox)
            dialog.SetChecked(kTaxBox, !dialog.Checked(kTaxBox));
        else if (id == IDOK)
            Store(dialog);
        else if (id == IDCANCEL)
            dialog.End(0);
    }

private:
    // Everything is read and checked before anything is stored, so a fault the user is told
    // about keeps the dialog open with the record as it was.
    void Store(Dialog& dialog)
    {
        int32_t amount = 0;
        char datime[kDatimeSize];
        if (!GetDialogDatimeAmt(dialog, &amount, datime))
            return;
        const std::string payTo = dialog.Text(kPayeeField, kPayeeChars);
        const std::string xfor = dialog.Text(kForField, kForChars);
        const std::string memo = dialog.Text(kMemoField, kMemoChars);
        uint32_t number = static_cast<uint32_t>(h->CheckID);
        if ((EditFields(h) & kEditNumber) && !ReadCheckNumber(dialog.Text(kNumberField, kNumberChars), &number)) {
            dialog.FocusAndSelect(kNumberField);
            return;
        }
        EditEntry entry;
        entry.Amount = amount;
        entry.Datime = datime;
        entry.PayTo = payTo.c_str();
        entry.For = xfor.c_str();
        entry.Memo = memo.c_str();
        entry.Number = number;
        entry.Tax = dialog.Checked(kTaxBox);
        // A refused amount has been told; the date and texts are stored all the same.
        RecordEdit(h, entry);
        dialog.End(1);
    }

    AHistory* h = nullptr;
};

}  // namespace

void HandleTransactionDisplay(AHistory* theHPtr)
{
    if (!theHPtr)
        return;
    const DialogContext context(theHPtr->Mi, theHPtr->Si, theHPtr);
    TransactionDialog procedure;
    RunDialog("TRANSACTION", procedure, DialogOwner());
}

void BudgetEdit(AHistory* theHPtr, QWidget* theWindow)
{
    if (!theHPtr || !theWindow || !CheckEditable(theHPtr))
        return;
    const DialogContext context(theHPtr->Mi, theHPtr->Si, theHPtr);
    EditDialog procedure;
    RunDialog("XEDIT", procedure, theWindow);
}
