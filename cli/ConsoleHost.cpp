// The command line's host.
#include "cli/ConsoleHost.h"

#include "cli/ConsoleText.h"

#include "files/FileAccess.h"
#include "files/TextExport.h"

#include "ledger/Accounts.h"
#include "ledger/Budget.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Money.h"


int ConsoleHost::MessageBox(const std::string& text, const std::string& title, MessageButtons buttons,
                            MessageIcon)
{
    ++MessageCount;
    err << (title.empty() ? "Error" : ConsoleText(title)) << ": " << ConsoleText(text, LineBreaks::Message) << '\n';
    if (buttons == MessageButtons::Ok)
        return IDOK;
    if (buttons == MessageButtons::YesNo && QuestionAnswer == IDCANCEL)
        return IDNO;
    return QuestionAnswer;
}

bool ConsoleHost::ChooseOpenFile(const FileChoice&, std::string& path)
{
    if (ChosenPath.empty())
        return false;
    path = ChosenPath;
    return true;
}

// A file the chooser would ask about replacing is kept: the command line answers No.
bool ConsoleHost::ChooseSaveFile(const FileChoice& choice, std::string& path)
{
    if (choice.PromptOverwrite && !ChosenPath.empty() && KindOfFile(ChosenPath) != FileKind::Missing) {
        NoteLocal(ChosenPath + " exists; it is not replaced.");
        return false;
    }
    return ChooseOpenFile(FileChoice{}, path);
}

int ConsoleHost::RunDeleteAccountDialog(int Mi, int Si)
{
    return RecordDeleteAccount(Mi, Si);
}

// The transfer dialog's three buttons, chosen by --shortfall. The user sees what was decided,
// since no dialog shows the proposed amount.
int ConsoleHost::RunAvailableTransfer(int Mi, int Si, int32_t amount)
{
    char shown[kAmountTextSize];
    I2S(amount, shown, 0);
    const std::string name = Accounts[Mi][Si].Name;
    switch (Shortfall) {
    case ShortfallAnswer::Transfer: {
        char today[kDatimeSize];
        GetDatime(today);
        today[8] = 0;
        Note("Transfer Funds: " + std::string(shown) + " from Available to " + name + ".");
        Transfer(0, 0, Mi, Si, amount, today, "Available Transfer");
        return 1;
    }
    case ShortfallAnswer::Skip:
        Note("Transfer Funds: " + name + " lacks " + shown + "; no transfer from Available.");
        return 1;
    case ShortfallAnswer::Refuse:
        break;
    }
    Note("Transfer Funds: " + name + " lacks " + shown +
         "; nothing recorded (--shortfall transfer or skip to go on).");
    return 0;
}

// The fields were checked before the transaction was recorded, so the dialog's OK takes them.
void ConsoleHost::RunReminderDialog(AHistory* theHPtr)
{
    if (!Reminder) {
        Note("Reminder: none set (--due gives the due date).");
        return;
    }
    SetReminder(theHPtr, Reminder->Due, Reminder->Notice, Reminder->Type);
}

void ConsoleHost::Note(const std::string& line)
{
    err << ConsoleText(line) << '\n';
}

void ConsoleHost::NoteLocal(const std::string& line)
{
    err << ConsoleLocalText(line) << '\n';
}

void ConsoleHost::MessageLocal(const std::string& title, const std::string& text)
{
    ++MessageCount;
    err << title << ": " << ConsoleLocalText(text) << '\n';
}
