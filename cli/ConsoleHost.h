// The command line's host: messages go to standard error as "Title: text", questions are
// answered by the command's options, the chosen file is the one named on the command line.
// Messages and notes are budget text, shown in the locale's encoding with control characters
// escaped.
#pragma once

#include "model/Host.h"
#include "printing/Reports.h"
#include "reminders/Remind.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>

// What the command line answers when a withdrawal needs money from "Available".
enum class ShortfallAnswer {
    Refuse,    // Cancel: the withdrawal is not recorded
    Transfer,  // OK: the shortfall is transferred from "Available" first
    Skip,      // "Cancel Available Transfer Only": the withdrawal takes the account below zero
};

// The reminder dialog's fields as given on the command line (--due, --notice, --every).
struct PendingReminder {
    std::string Due;
    std::string Notice = "10";
    int Type = kRemindMonthly;
};

class ConsoleHost : public Host {
public:
    explicit ConsoleHost(std::ostream& err) : err(err) {}

    int MessageBox(const std::string& text, const std::string& title, MessageButtons buttons,
                   MessageIcon icon) override;
    bool ChooseOpenFile(const FileChoice& choice, std::string& path) override;
    bool ChooseSaveFile(const FileChoice& choice, std::string& path) override;
    int RunAvailableTransfer(int Mi, int Si, int32_t amount) override;
    // The deletion confirmed: the command was the user's OK.
    int RunDeleteAccountDialog(int Mi, int Si) override;
    LocalTime Now() override { return Clock ? *Clock : SystemLocalTime(); }
    // "Remind Me" with no reminder to take over: the reminder dialog's OK with the fields given.
    void RunReminderDialog(AHistory* theHPtr) override;
    // Through OnPrintCheck, which the program installs for its printing commands.
    int PrintCheckPage() override { return OnPrintCheck ? OnPrintCheck() : Host::PrintCheckPage(); }

    // A line of the command line's own on standard error; not counted as a message.
    void Note(const std::string& line);
    // The same for a line already in the locale's encoding (file names, arguments as given).
    void NoteLocal(const std::string& line);
    // A message whose text is already in the locale's encoding; counted as a message.
    void MessageLocal(const std::string& title, const std::string& text);

    int MessageCount = 0;        // messages shown so far
    int QuestionAnswer = IDNO;   // the answer to every Yes/No question
    ShortfallAnswer Shortfall = ShortfallAnswer::Refuse;
    std::string ChosenPath;      // what a file chooser returns; empty = cancelled
    std::optional<LocalTime> Clock;  // a pinned clock, or the machine's
    std::optional<PendingReminder> Reminder;  // what the reminder dialog is given, if anything
    // Prints the check page into the PDF file the save chooser returns (ChosenPath); the core of
    // the command line cannot draw, so budget-cli installs it from its print library.
    std::function<int()> OnPrintCheck;
    // The same for a report (budget-cli report); 1 when printed.
    std::function<int(ReportKind)> OnPrintReport;

private:
    std::ostream& err;
};
