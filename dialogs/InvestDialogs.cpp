// The investment dialogs: they show and read their fields; what is recorded, and every check of
// what was typed, is the investment recording code's (investments/InvestRecording.h).
#include "dialogs/InvestDialogs.h"

#include "dialogs/EntryHelpers.h"
#include "dialogs/NoteDialogs.h"
#include "investments/Invest.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "platform/Dialog.h"
#include "platform/DrawContext.h"
#include "platform/InvestBox.h"

#include <string>

namespace {

constexpr int kInvestNameField = 1011;
constexpr int kSharesField = 1012;
constexpr int kBuySellLabel = 1004;
constexpr int kInvestBoxFrame = 1021;
constexpr size_t kSharesChars = 15;

// The account's box in the dialog's frame, never as selected.
void PaintInvestFrame(DrawContext& dc, int id, int Ii)
{
    if (id != kInvestBoxFrame)
        return;
    dc.SetTransparent(true);
    Invest[Ii].SelectFlag = 0;
    DisplayInvestBox(dc, Ii, 0, 0);
}

// Today's date in the date field and the price field at 0, as a price is written.
void ShowTodayAndNoPrice(Dialog& dialog)
{
    char today[kDatimeSize];
    GetDisplayToday(today);
    dialog.SetText(kDateField, today);
    char price[kAmountTextSize];
    Display3Digits(0, price, 1);
    dialog.SetText(kAmountField, price);
}

class NewInvestDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        Ii = gMi;
        dialog.SetText(kInvestNameField, RecordText(Invest[Ii].Name));
        dialog.FocusAndSelect(kInvestNameField);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        if (id == IDOK) {
            if (!RecordInvestName(Ii, dialog.Text(kInvestNameField, kInvestNameChars))) {
                dialog.FocusAndSelect(kInvestNameField);
                return;
            }
            dialog.End(1);
        } else if (id == IDCANCEL) {
            dialog.End(0);
        }
    }

private:
    int Ii = 0;
};

// What the three dialogs on an account's figures share: the account's box, and OK refused with
// the focus on the field at fault.
class InvestFiguresDialog : public DialogProcedure {
public:
    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        if (id == IDOK) {
            InvestField fault = InvestField::None;
            if (!Record(dialog, &fault)) {
                dialog.FocusAndSelect(InvestFieldControl(fault));
                return;
            }
            dialog.End(1);
        } else if (id == IDCANCEL) {
            dialog.End(0);
        }
    }

    void Paint(Dialog&, int id, DrawContext& dc) override { PaintInvestFrame(dc, id, Ii); }

protected:
    // Reads the fields and records them; false after the message, with the field at fault.
    virtual bool Record(Dialog& dialog, InvestField* fault) = 0;
    static std::string Amount(const Dialog& dialog) { return dialog.Text(kAmountField, kAmountChars); }
    static std::string Date(const Dialog& dialog) { return dialog.Text(kDateField, kDateChars); }

    int Ii = 0;
};

class SharePurchaseDialog final : public InvestFiguresDialog {
public:
    void Init(Dialog& dialog) override
    {
        Ii = gMi;
        buySell = gDflag1;
        ShowTodayAndNoPrice(dialog);
        dialog.SetText(kBuySellLabel, buySell ? "Buy" : "Sell");
        dialog.FocusAndSelect(kSharesField);
    }

private:
    bool Record(Dialog& dialog, InvestField* fault) override
    {
        return SharePurchaseOK(buySell, Ii, Amount(dialog).c_str(), Date(dialog).c_str(),
                               dialog.Text(kSharesField, kSharesChars).c_str(), fault) != nullptr;
    }

    int buySell = 1;
};

class PricePerShareDialog final : public InvestFiguresDialog {
public:
    void Init(Dialog& dialog) override
    {
        Ii = gMi;
        ShowTodayAndNoPrice(dialog);
        dialog.FocusAndSelect(kAmountField);
    }

private:
    bool Record(Dialog& dialog, InvestField* fault) override
    {
        return PricePerShareOK(Ii, Amount(dialog).c_str(), Date(dialog).c_str(), fault) != nullptr;
    }
};

class CBDialog final : public InvestFiguresDialog {
public:
    void Init(Dialog& dialog) override
    {
        Ii = gMi;
        SetDialogDatimeAmt(dialog, 0);  // the cost basis is money
    }

private:
    bool Record(Dialog& dialog, InvestField* fault) override
    {
        return CostBasisOK(Ii, Amount(dialog).c_str(), Date(dialog).c_str(), fault) != 0;
    }
};

// Runs one of the dialogs on account Ii (with flag in gDflag1), the box unmarked beforehand and
// the account repainted afterwards.
int RunInvestDialog(const char* name, DialogProcedure& procedure, int Ii, int flag = 0)
{
    Invest[Ii].SelectFlag = 0;
    int result = 0;
    {
        const DialogContext context(Ii, 0, nullptr, flag);
        result = RunDialog(name, procedure, DialogOwner());
    }
    InvalidateInvestAccountRect(Ii);
    return result;
}

}  // namespace

int InvestFieldControl(InvestField field)
{
    switch (field) {
    case InvestField::Name:
        return kInvestNameField;
    case InvestField::Date:
        return kDateField;
    case InvestField::Shares:
        return kSharesField;
    case InvestField::Amount:
    case InvestField::None:
        break;
    }
    return kAmountField;
}

int InvestAccountDialog(int Ii)
{
    if (Ii < 1 || Ii >= kInvestments)
        return 0;
    NewInvestDialog procedure;
    return RunInvestDialog("NEWINVEST", procedure, Ii) == 1;
}

void HandleShareDialog(int buySell, int Ii)
{
    if (!ValidInvestAccount(Ii))
        return;
    SharePurchaseDialog procedure;
    RunInvestDialog("BUYSELL", procedure, Ii, buySell);
}

int PPSDialog(int Ii)
{
    if (!ValidInvestAccount(Ii))
        return 0;
    PricePerShareDialog procedure;
    return RunInvestDialog("PPS", procedure, Ii) == 1;
}

void CostBasisDialog(int Ii)
{
    if (!ValidInvestAccount(Ii))
        return;
    CBDialog procedure;
    RunInvestDialog("COSTBASIS", procedure, Ii);
}

int DeleteInvestAccount(int Ii)
{
    if (!InvestDeletable(Ii))
        return 0;
    return DeleteAccountDialog(Ii, 0, 1);
}
