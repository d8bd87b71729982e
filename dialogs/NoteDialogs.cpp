// Notes and Delete Account: the dialogs show and read their fields; storing the note is the
// ledger's (ledger/Recording.h), the deletion with its history file the file code's
// (files/TextExport.h).
#include "dialogs/NoteDialogs.h"
#include "dialogs/EntryHelpers.h"

#include "files/TextExport.h"
#include "ledger/Accounts.h"
#include "ledger/Recording.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "platform/Dialog.h"

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
        dialog.SetText(kNoteField, RecordText(Accounts[Mi][Si].Note));
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        switch (id) {
        case kNoteOK:
            RecordNote(Mi, Si, dialog.Text(kNoteField, kNoteChars).c_str());
            dialog.End(1);
            break;
        case kNoteDelete:
            RecordNote(Mi, Si, "");
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
    int Mi = 0;
    int Si = 0;
};

class DeleteDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        Mi = gMi;
        Si = gSi;
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
        if (id == IDOK && RecordDeleteAccount(Mi, Si))
            dialog.End(1);
        else if (id == IDCANCEL)
            dialog.End(0);
    }

private:
    int Mi = 0;
    int Si = 0;
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
    if (invest || !ValidSlot(Mi, Si))
        return;
    Accounts[Mi][Si].SelectFlag = 0;
    {
        const DialogContext context(Mi, Si, nullptr, invest);
        NotesDialog procedure;
        RunDialog("NOTES", procedure, DialogOwner());
    }
    InvalidateAccountRect(Mi, Si);
}

int DeleteAccountDialog(int Mi, int Si, int flag)
{
    if (flag || !ValidSlot(Mi, Si))
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
