// The few things the core asks of whoever runs it (the desktop program, the command line or a
// test): message boxes and questions, file choosers, repaint requests and the local clock.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct AHistory;

// Buttons of a message box, numbered as the answers the program compares against.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageIcon { Error, Question, Warning, Information };

// The local date and time as the clock gives it.
struct LocalTime {
    int Year = 2000;   // four digits
    int Month = 1;     // 1 to 12
    int Day = 1;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

struct FileFilter {
    std::string Description;  // "Budget Files (*.bgt)"
    std::string Pattern;      // "*.bgt"
};

// What a file chooser shows and how it behaves.
struct FileChoice {
    std::vector<FileFilter> Filters;
    std::string DefaultExtension;  // without the point
    std::string OfferedName;       // save choosers: the name proposed
    bool PromptCreate = false;     // open: ask before creating a missing file
    bool PromptOverwrite = false;  // save: ask before replacing a file
    std::string Title;             // the chooser's title; empty: the platform's own
};

class Host {
public:
    virtual ~Host() = default;

    // Shows a message box; text lines are separated by carriage returns. An empty title stands
    // for the platform's default error title. Returns IDOK, IDYES, IDNO or IDCANCEL.
    virtual int MessageBox(const std::string& text, const std::string& title, MessageButtons buttons,
                           MessageIcon icon) = 0;

    // Lets the user choose a file; false when cancelled. `path` receives the full path.
    virtual bool ChooseOpenFile(const FileChoice& choice, std::string& path) = 0;
    virtual bool ChooseSaveFile(const FileChoice& choice, std::string& path) = 0;

    // Asks every view of an account to be repainted (Si -1: all slots of main account Mi).
    virtual void InvalidateAccount(int Mi, int Si) { (void)Mi; (void)Si; }

    // Asks every view of investment account Ii to be repainted (0: the portfolio's figures).
    virtual void InvalidateInvestAccount(int Ii) { (void)Ii; }

    // Asks for the main window's info box to be redrawn.
    virtual void UpdateInfoBox() {}

    // Offers a transfer of `amount` from "Available" to slot (Mi, Si) for a withdrawal that lacks
    // it, as the transfer dialog does: OK records the transfer (with Transfer, For "Available
    // Transfer") and returns 1; "Cancel Available Transfer Only" returns 1 without a transfer;
    // Cancel returns 0 and the withdrawal is refused. Hosts without windows refuse.
    virtual int RunAvailableTransfer(int Mi, int Si, int32_t amount)
    {
        (void)Mi; (void)Si; (void)amount;
        return 0;
    }

    // Runs the deletion dialog of an account that may be deleted; 1 when it was deleted.
    virtual int RunDeleteAccountDialog(int Mi, int Si)
    {
        (void)Mi; (void)Si;
        return 0;
    }

    // The reminder dialog for a newly recorded check or deposit whose "Remind Me" box was ticked
    // and that has no reminder to take over; hosts without windows skip it.
    virtual void RunReminderDialog(AHistory* theHPtr) { (void)theHPtr; }

    // A reminder left the due list: the reminder window is hidden, and shown again while any
    // due reminder is left.
    virtual void RemindersChanged() {}

    // The preferences, the history font or the international settings changed: every open
    // window shows amounts, dates and lists in the new form at once.
    virtual void SettingsChanged() {}

    // Ends the program's message loop (Quit).
    virtual void QuitProgram() {}

    // The pay setup step of a new budget; hosts without windows skip it.
    virtual void RunNewBudgetPaySetup() {}

    // Prints one check page from the field texts of PItems laid out by gBudget.PrintField: on the
    // printer, or into a PDF file the user chooses where there is none. Tells the user of a
    // failure itself. 1 when the page was printed; 0 when it failed or the user cancelled.
    // A host that cannot print says "Unable to get PrintDC".
    virtual int PrintCheckPage();

    virtual LocalTime Now() = 0;
};

// The installed host; a plain one that writes messages to standard error and answers
// No/Cancel is in place until a program installs its own.
Host& GetHost();
void SetHost(Host* host);

// The local clock of the machine, for hosts that do not pin it.
LocalTime SystemLocalTime();

// The operating system's last error number (errno), read where a file operation failed.
int LastSystemError();
