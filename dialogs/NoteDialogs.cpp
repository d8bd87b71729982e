// Notes and Delete Account, for account slots and investment accounts: the dialogs show and read
// their fields; storing the note is the ledger's (ledger/Recording.h) or the investment code's
// (investments/InvestRecording.h), the deletion with its history file the file code's
// (files/TextExport.h).
#include "dialogs/NoteDialogs.h"
#include "dialogs/EntryHelpers.h"

#include "files/TextExport.h"
#include "investments/Invest.h"
#include "investments/InvestRecording.h"
#include "ledger/Accounts.h"
#include "ledger/Recording.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "platform/Dialog.h"
#include "platform/InvestBox.h"

#include <QPointer>
#include <QWidget>

#include <string>

namespace {

// Notes
constexpr int kNoteField = 1003;
constexpr int kNoteOK = 1001;
constexpr int kNoteDelete = 1002;

// Delete Account
constexpr int kNameText = 1011;
constexpr int kCloseoutText = 1003;
constexpr int kRecordsText = 1006;

class NotesDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        Mi = gMi;
        Si = gSi;
        invest = gDflag1 != 0;
        dialog.SetText(kNoteField, invest ? RecordText(Invest[Mi].Note) : RecordText(Accounts[Mi][Si].Note));
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        switch (id) {
        case kNoteOK:
            Store(dialog.Text(kNoteField, kNoteChars).c_str());
            dialog.End(1);
            break;
        case kNoteDelete:
            Store("");
            dialog.End(1);
            break;
        case IDCANCEL:
            dialog.End(0);
            break;
        default:
            break;
        }
    }

private:
    void Store(const char* text) const
    {
        if (invest)
            RecordInvestNote(Mi, text);
        else
            RecordNote(Mi, Si, text);
    }

    int Mi = 0;
    int Si = 0;
    bool invest = false;
};

class DeleteDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        Mi = gMi;
        Si = gSi;
        invest = gDflag1 != 0;
        if (invest) {
            // An investment's value is not money of the budget: nothing goes to "Available".
            dialog.SetText(kNameText, RecordText(Invest[Mi].Name));
            dialog.SetText(kCloseoutText, MoneyText(0));
            dialog.SetText(kRecordsText, std::to_string(InvestHistoryToKeep(Mi)));
            return;
        }
        dialog.SetText(kNameText, RecordText(Accounts[Mi][Si].Name));
        dialog.SetText(kCloseoutText, MoneyText(CloseoutAmount(Mi, Si)));
        dialog.SetText(kRecordsText, std::to_string(HistoryRecordCount(Mi, Si)));
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        // A history file that was cancelled or could not be written leaves the account as it
        // was, and the user may try again or cancel.
        if (id == IDOK && (invest ? RecordDeleteInvestAccount(Mi) : RecordDeleteAccount(Mi, Si)))
            dialog.End(1);
        else if (id == IDCANCEL)
            dialog.End(0);
    }

private:
    int Mi = 0;
    int Si = 0;
    bool invest = false;
};

QWidget* SlotWindow(WindowHandle handle)
{
    return static_cast<QWidget*>(handle);
}

void HideWindow(const QPointer<QWidget>& window)
{
    if (window)
        window->hide();
}

}  // namespace

void BudgetNote(int Mi, int Si, int invest)
{
    if (invest) {
        if (!ValidInvestAccount(Mi))
            return;
        Invest[Mi].SelectFlag = 0;
        {
            const DialogContext context(Mi, 0, nullptr, invest);
            NotesDialog procedure;
            RunDialog("NOTES", procedure, DialogOwner());
        }
        InvalidateInvestAccountRect(Mi);
        return;
    }
    if (!ValidSlot(Mi, Si))
        return;
    Accounts[Mi][Si].SelectFlag = 0;
    {
        const DialogContext context(Mi, Si, nullptr, invest);
        NotesDialog procedure;
        RunDialog("NOTES", procedure, DialogOwner());
    }
    InvalidateAccountRect(Mi, Si);
}

namespace {

// The investment form: the account's history window is put away once the account is gone.
int DeleteInvestAccountDialog(int Ii)
{
    if (!ValidInvestAccount(Ii))
        return 0;
    const QPointer<QWidget> history = SlotWindow(MemoryInvest[Ii].HistoryWindow);
    {
        const DialogContext context(Ii, 0, nullptr, 1);
        DeleteDialog procedure;
        if (RunDialog("DELETE", procedure, DialogOwner()) != 1)
            return 0;
    }
    HideWindow(history);
    InvalidateInvestAccountRect(Ii);
    return 1;
}

}  // namespace

int DeleteAccountDialog(int Mi, int Si, int flag)
{
    if (flag)
        return DeleteInvestAccountDialog(Mi);
    if (!ValidSlot(Mi, Si))
        return 0;
    // Emptying the slot makes it forget its windows, so they are taken note of beforehand.
    const QPointer<QWidget> history = SlotWindow(MemoryAccounts[Mi][Si].HistoryWindow);
    const QPointer<QWidget> subWindow = SlotWindow(MemoryAccounts[Mi][0].SubAccountWindow);
    {
        const DialogContext context(Mi, Si, nullptr, flag);
        DeleteDialog procedure;
        if (RunDialog("DELETE", procedure, DialogOwner()) != 1)
            return 0;
    }
    HideWindow(history);
    if (Si == 0 || Accounts[Mi][0].NumberOfSubAccounts == 0)
        HideWindow(subWindow);
    InvalidateAccountRect(Mi, Si);
    if (Si > 0)
        ForceAccountImageUpdate(Mi, 0);  // the category's total
    return 1;
}
