// Make Deposit: money entering one account.
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

#include <string>

namespace {

constexpr int kFromField = 1001;
constexpr int kForField = 1004;

class DepositDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        Mi = gMi;
        Si = gSi;
        SetDialogDatimeAmt(dialog, 0);
        remFlag = 0;
        if (const AHistory* rec = RecordToRepeat()) {
            dialog.SetText(kFromField, RecordText(rec->PayToFm));
            char amount[kAmountTextSize];
            I2S(rec->Amt, amount, 0);
            dialog.SetText(kAmountField, amount);
            dialog.SetText(kForField, RecordText(rec->For));
            remFlag = rec->Remind ? 1 : 0;
            dialog.SetChecked(kRemindBox, remFlag != 0);
        }
        dialog.FocusAndSelect(kFromField);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        switch (id) {
        case kRemindBox:
            dialog.SetChecked(kRemindBox, !dialog.Checked(kRemindBox));
            remFlag = dialog.Checked(kRemindBox) ? 1 : 0;
            break;
        case IDOK:
            Record(dialog);
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
    // The reminder's record, or else the account's last deposit that was neither a transfer nor
    // a pay.
    const AHistory* RecordToRepeat() const
    {
        for (const AHistory* rec = MemoryAccounts[Mi][Si].HistoryRec; rec; rec = rec->HistoryFP) {
            if (gHPtr ? rec == gHPtr : !rec->TypeFlag && !rec->TransferFlag && !rec->PayFlag)
                return rec;
        }
        return nullptr;
    }

    void Record(Dialog& dialog)
    {
        int32_t amount = 0;
        char datime[kDatimeSize];
        if (!GetDialogDatimeAmt(dialog, &amount, datime))
            return;
        const std::string from = dialog.Text(kFromField, kPayeeChars);
        if (!FromGiven(from))
            return;
        const std::string xfor = dialog.Text(kForField, kForChars);
        // A deposit over the Checkbook's ceiling is refused by the engine, which tells the user;
        // the dialog closes all the same.
        RecordDeposit(Mi, Si, amount, from.c_str(), datime, xfor.c_str(), remFlag != 0);
        dialog.End(1);
    }

    int Mi = 0;
    int Si = 0;
    int remFlag = 0;  // the Remind Me box, handed to the reminder of the recorded deposit
};

}  // namespace

void HandleDeposit(int Mi, int Si, void* theRemHPtr)
{
    if (Mi < 0 || Si < 0)
        return;
    ResetSelect(-1, -1);
    if (!ValidSlot(Mi, Si))
        return;
    {
        const DialogContext context(Mi, Si, static_cast<AHistory*>(theRemHPtr));
        DepositDialog procedure;
        RunDialog("DEPOSIT", procedure, DialogOwner());
    }
    InvalidateAccountRect(Mi, Si);
}
