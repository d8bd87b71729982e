// Transfer Funds: money moved from one account to another, by the user or as the Available
// Transfer a withdrawal asks for when its account lacks money.
#include "dialogs/EntryDialogs.h"
#include "dialogs/EntryHelpers.h"

#include "ledger/Recording.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "platform/Dialog.h"

#include <string>

namespace {

constexpr int kForField = 1004;
constexpr int kWithdrawalOnlyButton = 1031;  // "Cancel Available Transfer Only"
constexpr int kForLabel = 1032;

class TransferDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        fromMi = gMi;
        fromSi = gSi;
        toMi = gMi2;
        toSi = gSi2;
        availableTransfer = gDflag1 != 0;
        SetDialogDatimeAmt(dialog, gAmount);
        if (availableTransfer) {
            dialog.Show(kWithdrawalOnlyButton, true);
            dialog.Show(kForField, false);
            dialog.Show(kForLabel, false);
            return;
        }
        dialog.Show(kWithdrawalOnlyButton, false);
        // The last transfer in either direction is the likeliest to be repeated.
        for (const AHistory* rec = MemoryAccounts[fromMi][fromSi].HistoryRec; rec; rec = rec->HistoryFP) {
            if (!rec->TransferFlag)
                continue;
            char amount[kAmountTextSize];
            I2S(rec->Amt, amount, 0);
            dialog.SetText(kAmountField, amount);
            dialog.SetText(kForField, RecordText(rec->For));
            break;
        }
        dialog.FocusAndSelect(kAmountField);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        switch (id) {
        case IDOK:
            Record(dialog);
            break;
        case kWithdrawalOnlyButton:
            // The withdrawal goes ahead without the transfer; its account goes below zero.
            if (availableTransfer)
                dialog.End(1);
            break;
        case IDCANCEL:
            dialog.End(0);
            break;
        default:
            break;
        }
    }

    void Paint(Dialog&, int id, DrawContext& dc) override
    {
        if (id == kCheckbookFrame)
            DrawDialogAccountBox(dc, fromMi, fromSi, 1);
        else if (id == kAccountFrame)
            DrawDialogAccountBox(dc, toMi, toSi, 1);
    }

private:
    void Record(Dialog& dialog)
    {
        int32_t amount = 0;
        char datime[kDatimeSize];
        if (!GetDialogDatimeAmt(dialog, &amount, datime))
            return;
        const std::string xfor = availableTransfer ? "Available Transfer" : dialog.Text(kForField, kForChars);
        // A transfer the engine refuses has been told to the user; the dialog closes all the same.
        RecordTransfer(fromMi, fromSi, toMi, toSi, amount, datime, xfor.c_str());
        dialog.End(1);
    }

    int fromMi = 0;
    int fromSi = 0;
    int toMi = 0;
    int toSi = 0;
    bool availableTransfer = false;
};

}  // namespace

int HandleTransfer(int Mi1, int Si1, int Mi2, int Si2, int flag, int amt)
{
    if (Mi1 < 0 || Si1 < 0 || Mi2 < 0 || Si2 < 0)
        return 0;
    ResetSelect(-1, -1);
    if (!ValidSlot(Mi1, Si1) || !ValidSlot(Mi2, Si2))
        return 0;
    int result = 0;
    {
        // The Available Transfer is offered while the withdrawal's dialog is still open: its
        // context comes back afterwards.
        DialogContext context(Mi1, Si1, nullptr, flag);
        context.SetTransfer(Mi2, Si2, amt);
        TransferDialog procedure;
        result = RunDialog("TRANSFER", procedure, DialogOwner()) == 1 ? 1 : 0;
    }
    InvalidateAccountRect(Mi1, Si1);
    InvalidateAccountRect(Mi2, Si2);
    return result;
}
