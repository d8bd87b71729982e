// Multiple Deposit: the dialog reads its rows and ticks; checking and recording them are the
// ledger's (ledger/Recording.h), and the pay boxes are the ones Pay Entry shows.
#include "dialogs/MultiDepositDialog.h"
#include "dialogs/EntryHelpers.h"
#include "dialogs/PayDialogs.h"

#include "ledger/Recording.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Selection.h"
#include "platform/Dialog.h"

namespace {

// The fields of row r = 0, 1, 2.
constexpr int AmountField(int r) { return 1031 + r; }
constexpr int FromField(int r) { return 1041 + r; }
constexpr int ForField(int r) { return 1044 + r; }
constexpr int AccountField(int r) { return 1051 + r; }
constexpr int SubAccountField(int r) { return 1054 + r; }

int FaultField(const MultiDepositFault& fault)
{
    switch (fault.Field) {
    case MultiDepositField::From: return FromField(fault.Row);
    case MultiDepositField::Account: return AccountField(fault.Row);
    case MultiDepositField::Amount: break;
    }
    return AmountField(fault.Row);
}

class MulitDialog final : public PayListDialog {
private:
    void Record(Dialog& dialog) override
    {
        MultiDepositRow rows[kMultiDepositRows];
        for (int r = 0; r < kMultiDepositRows; ++r) {
            rows[r].Amount = dialog.Text(AmountField(r), kAmountChars);
            rows[r].From = dialog.Text(FromField(r), kPayeeChars);
            rows[r].Account = dialog.Text(AccountField(r), kNameChars);
            rows[r].SubAccount = dialog.Text(SubAccountField(r), kNameChars);
            rows[r].For = dialog.Text(ForField(r), kForChars);
        }
        MultiDepositFault fault;
        if (!CDepositDialogOK(rows, ticks, &fault)) {
            dialog.FocusAndSelect(FaultField(fault));
            return;
        }
        char date[kDatimeSize];
        if (!GetDialogDatime(dialog, date, 1, kDateField))
            return;
        if (!RecordMultiDeposit(rows, ticks, date))
            return;  // over the deposit ceiling: told, nothing recorded, the dialog stays open
        dialog.End(1);
    }
};

}  // namespace

void HandleMultiDeposit()
{
    ResetSelect(-1, -1);
    MulitDialog procedure;
    RunDialog("MULTI", procedure, DialogOwner());
    InvalidateAccountRect(0, 1);
}
