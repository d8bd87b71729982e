// Write Check (with its Write Debit face) and ATM Withdrawal: money leaving one account.
#include "dialogs/EntryDialogs.h"
#include "dialogs/EntryHelpers.h"

#include "ledger/Recording.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Messages.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "platform/Dialog.h"
#include "printing/CheckPrint.h"

#include <string>

namespace {

constexpr int kPayToField = 1002;
constexpr int kForField = 1004;
constexpr int kMemoField = 1005;
constexpr int kNumberField = 1006;
constexpr int kTaxBox = 1008;
constexpr int kPrintButton = 1009;
constexpr int kPayToLabel = 1013;
constexpr int kMemoLabel = 1015;
constexpr int kNumberLabel = 1016;
constexpr size_t kNumberChars = 15;

void Toggle(Dialog& dialog, int box)
{
    dialog.SetChecked(box, !dialog.Checked(box));
}

// The slot the dialog works on is taken when it opens: an Available Transfer offered while it
// is open moves gMi and gSi for its own time.
class CheckDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        Mi = gMi;
        Si = gSi;
        debit = gBudget.Debit != 0;
        savings = Accounts[Mi][Si].SavingsFlag != 0;

        SetDialogDatimeAmt(dialog, 0);
        if (debit) {
            dialog.SetTitle("Write Debit");
            dialog.SetText(kPayToLabel, "Pay to");
            for (int id : {kPrintButton, kNumberField, kNumberLabel, kMemoLabel, kMemoField})
                dialog.Show(id, false);
        } else if (savings) {
            dialog.Show(kNumberField, false);
            dialog.Show(kNumberLabel, false);
        } else {
            dialog.SetText(kNumberField, std::to_string(static_cast<uint32_t>(gBudget.HighestIdent)));
        }
        dialog.SetChecked(kTaxBox, false);
        remFlag = 0;
        if (const AHistory* rec = RecordToRepeat())
            Fill(dialog, *rec);
        dialog.FocusAndSelect(kPayToField);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        switch (id) {
        case kTaxBox:
            Toggle(dialog, kTaxBox);
            break;
        case kRemindBox:
            Toggle(dialog, kRemindBox);
            remFlag = dialog.Checked(kRemindBox) ? 1 : 0;
            break;
        case kPrintButton:
            // Record and print: a layout that cannot print a check records nothing and leaves
            // the dialog open.
            if (CheckPrintSetup())
                Record(dialog, true);
            break;
        case IDOK:
            Record(dialog, false);
            break;
        case IDCANCEL:
            dialog.End(0);
            break;
        default:
            break;
        }
    }

    void Paint(Dialog&, int id, DrawContext& dc) override { PaintEntryFrame(dc, id, Mi, Si); }

private:
    // The newest record of the account to fill the dialog from: the reminder's record, or else
    // the last check (or debit, in the debit face) that was neither a transfer nor a pay.
    const AHistory* RecordToRepeat() const
    {
        const unsigned char kind = debit ? kWithdrawalDebit : kWithdrawalCheck;
        for (const AHistory* rec = MemoryAccounts[Mi][Si].HistoryRec; rec; rec = rec->HistoryFP) {
            if (gHPtr ? rec == gHPtr : rec->TypeFlag && !rec->TransferFlag && !rec->PayFlag && rec->ATM == kind)
                return rec;
        }
        return nullptr;
    }

    // The date stays today's and the number the next one.
    void Fill(Dialog& dialog, const AHistory& rec)
    {
        dialog.SetText(kPayToField, RecordText(rec.PayToFm));
        dialog.SetText(kForField, RecordText(rec.For));
        dialog.SetText(kMemoField, RecordText(rec.Memo));
        char amount[kAmountTextSize];
        I2S(rec.Amt, amount, 0);
        dialog.SetText(kAmountField, amount);
        dialog.SetChecked(kTaxBox, rec.TaxFlag != 0);
        remFlag = rec.Remind ? 1 : 0;
        dialog.SetChecked(kRemindBox, remFlag != 0);
    }

    void Record(Dialog& dialog, bool print)
    {
        int32_t amount = 0;
        char datime[kDatimeSize];
        if (!GetDialogDatimeAmt(dialog, &amount, datime))
            return;
        const std::string payTo = dialog.Text(kPayToField, kPayeeChars);
        if (!PayToGiven(payTo))
            return;
        const std::string xfor = dialog.Text(kForField, kForChars);
        std::string memo;
        uint32_t number = 0;
        if (!debit) {
            memo = dialog.Text(kMemoField, kMemoChars);
            if (!savings) {
                if (!ReadCheckNumber(dialog.Text(kNumberField, kNumberChars), &number)) {
                    dialog.FocusAndSelect(kNumberField);
                    return;
                }
            }
        }
        CheckEntry entry;
        entry.Amount = amount;
        entry.Datime = datime;
        entry.PayTo = payTo.c_str();
        entry.For = xfor.c_str();
        entry.Memo = memo.c_str();
        entry.Number = number;
        entry.Debit = debit;
        entry.Tax = dialog.Checked(kTaxBox);
        entry.Remind = remFlag != 0;
        // A refusal (the engine has told the user) closes the dialog all the same.
        AHistory* rec = RecordCheck(Mi, Si, entry);
        if (rec && print)
            PrintCheck(rec);
        dialog.End(1);
    }

    int Mi = 0;
    int Si = 0;
    bool debit = false;
    bool savings = false;
    int remFlag = 0;  // the Remind Me box, handed to the reminder of the recorded check
};

class ATMDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        Mi = gMi;
        Si = gSi;
        SetDialogDatimeAmt(dialog, 0);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        if (id == IDOK) {
            int32_t amount = 0;
            char datime[kDatimeSize];
            if (!GetDialogDatimeAmt(dialog, &amount, datime))
                return;
            RecordATM(Mi, Si, amount, datime);
            dialog.End(1);
        } else if (id == IDCANCEL) {
            dialog.End(0);
        }
    }

    void Paint(Dialog&, int id, DrawContext& dc) override { PaintEntryFrame(dc, id, Mi, Si); }

private:
    int Mi = 0;
    int Si = 0;
};

}  // namespace

void HandleCheck(int Mi, int Si, void* theRemHPtr)
{
    if (Mi < 0 || Si < 0)
        return;
    ResetSelect(-1, -1);
    if (!ValidSlot(Mi, Si))
        return;
    {
        const DialogContext context(Mi, Si, static_cast<AHistory*>(theRemHPtr));
        CheckDialog procedure;
        RunDialog("CHECK", procedure, DialogOwner());
    }
    InvalidateAccountRect(Mi, Si);
}

void HandleATM(int Mi, int Si)
{
    if (Mi < 0 || Si < 0)
        return;
    ResetSelect(-1, -1);
    if (!ValidSlot(Mi, Si))
        return;
    {
        const DialogContext context(Mi, Si);
        ATMDialog procedure;
        RunDialog("ATM", procedure, DialogOwner());
    }
    InvalidateAccountRect(Mi, Si);
}
