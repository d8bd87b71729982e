// The commands of budget-cli and their help texts.
#include "cli/Commands.h"

#include "cli/AccountCommands.h"
#include "cli/ConsoleText.h"
#include "cli/Demo.h"
#include "cli/Dump.h"
#include "cli/ExportCommands.h"
#include "cli/FindCommands.h"
#include "cli/InvestCommands.h"
#include "cli/LedgerCommands.h"
#include "cli/PayCommands.h"
#include "cli/PrintCommands.h"
#include "cli/ReconcileCommands.h"
#include "cli/ReportCommands.h"
#include "cli/ReminderCommands.h"
#include "cli/SettingsCommands.h"
#include "cli/StatsCommands.h"
#include "cli/VPayCommands.h"
#include "files/BudgetFile.h"
#include "files/BudgetLock.h"
#include "files/FileAccess.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/RecordStore.h"

#include <cerrno>
#include <cstring>
#include <sstream>

namespace {

struct Command {
    const char* Name;
    const char* Usage;
    const char* Help;
    size_t Operands;      // FILE and what follows it
    const char* Options;  // "--name=" takes a value, "--name" is a flag
    int (*Run)(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
    size_t OptionalOperands = 0;  // operands that may follow the required ones
    // A command of several actions: prints the help of the one named among the arguments, or
    // returns false so that the command's own help is printed.
    bool (*ActionHelp)(const std::vector<std::string>& args, std::ostream& out) = nullptr;
};

bool PathFits(const std::string& path, ConsoleHost& host)
{
    if (path.size() < static_cast<size_t>(kPathSize))
        return true;
    host.MessageBox("The file name is too long.", "Input Error", MessageButtons::Ok, MessageIcon::Error);
    return false;
}

// Saves the new budget under FILE through Save As; an existing file is never replaced.
int SaveNewBudget(const std::string& path, ConsoleHost& host)
{
    if (!PathFits(path, host))
        return kExitRefused;
    // The name's own bytes: a name that is no valid text still names its own file.
    if (KindOfFile(path) != FileKind::Missing) {
        host.MessageLocal("Input Error", "The file " + path + " already exists.");
        return kExitRefused;
    }
    host.ChosenPath = path;
    return BudgetSaveAs() ? kExitOk : kExitRefused;
}

int RunNew(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    NewBudget();
    return SaveNewBudget(args.Operands[0], host);
}

int RunDemo(const CommandArgs& args, std::ostream&, ConsoleHost& host)
{
    NewBudget();
    BuildDemoBudget();
    return SaveNewBudget(args.Operands[0], host);
}

int RunDump(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    if (!OpenNamedBudget(args.Operands[0], host, BudgetAccess::Read))
        return kExitRefused;
    WriteBudgetJson(out);
    return kExitOk;
}

int RunVerify(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    const int before = host.MessageCount;
    if (!OpenNamedBudget(args.Operands[0], host, BudgetAccess::Read))
        return kExitRefused;
    if (host.MessageCount != before)
        return kExitRefused;
    out << args.Operands[0] << ": no problems found\n";
    return kExitOk;
}

#define ACCOUNT_HELP                                                                                  \
    "ACCOUNT, FROM and TO name an account as the deposit dialog's account fields do: a main\n"       \
    "account's name, or CATEGORY/SUB (the main account's name or its category name, then the sub\n"  \
    "account's name); or a grid position @MI,SI (MI 0 to 25, SI 0 to 6)."
#define AMOUNT_DATE_HELP                                                                              \
    "AMOUNT and DATE are read as the dialogs read them: an amount from 0.01 to 1,000,000.00 in the\n" \
    "budget's money format; a date as typed into a dialog (7, 4/1, 12/25/26, in the budget's date\n" \
    "order), completed from today. DATE defaults to today. Either is at most 15 characters, as\n"     \
    "the dialogs' fields hold."

const Command kCommands[] = {
    {"new", "new FILE", "Makes a new, empty budget and saves it as FILE (an existing file is not replaced).", 1,
     "", RunNew},
    {"dump", "dump FILE", "Opens FILE as the program does and prints the whole budget as one JSON object.", 1,
     "", RunDump},
    {"verify", "verify FILE",
     "Opens FILE with every check the program runs on opening and prints each message.\n"
     "Exits 0 only when the budget opened without any message.",
     1, "", RunVerify},
    {"demo", "demo FILE", "Writes a small sample budget to FILE for a new user to look at.", 1, "", RunDemo},
    {"find", kFindUsage, kFindHelp, 1, kFindOptions, RunFind},
    {"add-account", "add-account FILE NAME [--under MAIN] [--savings] [--at MI,SI]",
     "Sets up a new account as Account Setup does (the name is cut to 14 characters), where New\n"
     "Account puts it: in the first free main account box, or with --under MAIN in the first free\n"
     "sub-account box of main account MAIN, or with --at as with that box selected: a free box\n"
     "takes the account, an existing main account gets a new sub account. --savings makes a new\n"
     "main account a savings account; a sub account is a savings account exactly when its main\n"
     "account is. The first sub account of a main account gets the category name \"Category Name\"\n"
     "when it has none.",
     2, "--under= --savings --at=", RunAddAccount},
    {"check", "check FILE ACCOUNT AMOUNT --to PAYEE [--for TEXT] [--memo TEXT] [--number N] [--date DATE] [--tax]"
              REMIND_ME_USAGE,
     "Writes a check as the Write Check dialog does. The check number defaults to the next number\n"
     "(HighestIdent); a savings account's checks have no number. Payee is cut to 63 characters,\n"
     "For and Memo to 31. A withdrawal larger than the account's balance asks for a transfer from\n"
     "Available (see --shortfall).\n\n" REMIND_ME_HELP "\n\n" ACCOUNT_HELP "\n\n" AMOUNT_DATE_HELP,
     3, "--to= --for= --memo= --number= --date= --tax" REMIND_ME_OPTIONS, RunCheck},
    {"debit", "debit FILE ACCOUNT AMOUNT --to PAYEE [--for TEXT] [--date DATE] [--tax]" REMIND_ME_USAGE,
     "Records a debit as the Write Debit face of the check dialog does (no check number, no memo).\n\n" REMIND_ME_HELP
     "\n\n" ACCOUNT_HELP "\n\n" AMOUNT_DATE_HELP,
     3, "--to= --for= --date= --tax" REMIND_ME_OPTIONS, RunDebit},
    {"atm", "atm FILE ACCOUNT AMOUNT [--date DATE]",
     "Records an ATM cash withdrawal as the ATM Withdrawal dialog does.\n\n" ACCOUNT_HELP "\n\n" AMOUNT_DATE_HELP, 3,
     "--date=", RunATM},
    {"deposit", "deposit FILE ACCOUNT AMOUNT --from PAYER [--for TEXT] [--date DATE]" REMIND_ME_USAGE,
     "Records a deposit as the Make Deposit dialog does (payer cut to 63 characters, For to 31).\n\n" REMIND_ME_HELP
     "\n\n" ACCOUNT_HELP "\n\n" AMOUNT_DATE_HELP,
     3, "--from= --for= --date=" REMIND_ME_OPTIONS, RunDeposit},
    {"transfer", "transfer FILE FROM TO AMOUNT [--for TEXT] [--date DATE]",
     "Moves money from one account to another as the Transfer Funds dialog does.\n\n" ACCOUNT_HELP "\n\n" AMOUNT_DATE_HELP,
     4, "--for= --date=", RunTransfer},
    {"undo", "undo FILE ACCOUNT N",
     "Undoes record N of the account's history (0 = the newest) as the history window's undo button\n"
     "does: a check, withdrawal or deposit that is not yet reconciled. Exits 1 when the program\n"
     "refuses or nothing was undone.\n\n" ACCOUNT_HELP,
     3, "", RunUndo},
    {"edit", "edit FILE ACCOUNT N [--amount A] [--date D] [--to T] [--for T] [--memo T] [--number N] [--tax on|off]",
     "Edits record N of the account's history (0 = the newest) as the transaction editor does, through\n"
     "the editor's own OK: what is not given stays as it is. A new amount moves the account, the\n"
     "Checkbook and the running balances of later records (a transfer: both halves and both\n"
     "accounts); a reconciled transaction keeps its amount and check number, a pay keeps its\n"
     "amount. The options the editor does not show for the kind of transaction are refused: --to\n"
     "for deposits, debits and checks; --for for all but ATM withdrawals; --memo and --number for\n"
     "checks; --tax for debits and checks. A refused change exits 1 and nothing is saved.\n\n" ACCOUNT_HELP
     "\n\nA and D are read as the editor's amount and date fields read them: an amount from 0.01 to\n"
     "1,000,000.00 in the budget's money format, a date as typed into a dialog, completed from today.",
     3, "--amount= --date= --to= --for= --memo= --number= --tax=", RunEdit},
    {"move", "move FILE FROM TO",
     "Moves the account FROM to the grid position TO as dragging it there does, exchanging it with\n"
     "whatever is there. TO may be an empty position, given as @MI,SI.\n\n" ACCOUNT_HELP,
     3, "", RunMove},
    {"balance", "balance FILE --statement AMOUNT [--tick all|w0,d1,...] [--force]",
     "Balances the checkbook as the Balance window does: stores the statement balance, ticks the\n"
     "outstanding withdrawals wK and deposits dK (K counts from 0 in the order the window lists\n"
     "them; `all` ticks every one; ticks already stored stay), then clicks the balance indicator\n"
     "(with --force as with Ctrl+Shift: an adjusting entry in Available makes up a difference).\n"
     "An empty AMOUNT keeps the stored statement balance; one the field would not take is refused.\n"
     "A balance error exits 1 and then nothing is saved: neither the statement nor the ticks.",
     1, "--statement= --tick= --force", RunBalance},
    {"reconcile", kReconcileUsage, kReconcileHelp, 2, kReconcileOptions, RunReconcile},
    {"payers", "payers FILE [--set N NAME AMOUNT FREQUENCY] [--remove N] [--next-check NUMBER]",
     "Without options lists the pay sources and the next check number. Otherwise changes them as\n"
     "the Pay Setup dialog does: --set gives pay source N (1 to 3) a name (cut to 14 characters),\n"
     "the amount of one pay (at most 100,000.00) and its FREQUENCY (weekly, bi-weekly,\n"
     "semi-monthly or monthly); --remove empties source N and clears its allocations;\n"
     "--next-check sets the number the next check is offered (1 to 2,147,483,647). Every change of\n"
     "a source is logged in the Checkbook, and the sources left close up so that they are #1, #2,\n"
     "... in order.",
     1, "--set=4 --remove= --next-check=", RunPayers},
    {"allocate", "allocate FILE ACCOUNT --payer N --pay K AMOUNT",
     "Sets what pay K of the month (1 to 5, as the source's frequency allows) of pay source N puts\n"
     "into ACCOUNT, as Account Setup stores its allocations; Available gets what the accounts are\n"
     "not given. AMOUNT 0 clears the allocation; text that is not an amount is refused.\n\n" ACCOUNT_HELP,
     3, "--payer= --pay=", RunAllocate},
    {"pay", "pay FILE --payer N [--payer M ...] [--date DATE]",
     "Enters the pays of the given sources as the Pay Entry dialog does with their boxes ticked: the\n"
     "date decides which pay of the month each is; every account gets its allocation for that pay,\n"
     "Available the rest, and each pay gets its own deposit number and a summary entry in the\n"
     "Checkbook.\n\n" AMOUNT_DATE_HELP,
     1, "--payer=+ --date=", RunPay},
    {"multi-deposit", "multi-deposit FILE [--payer N ...] [--row AMOUNT FROM ACCOUNT [SUB] [FOR] ...] [--date DATE]",
     "Records one bank deposit as the Multiple Deposit dialog does: the pays of the given sources\n"
     "(spread as pay entry spreads them) and up to three rows, each AMOUNT (0.01 to 100,000.00)\n"
     "received FROM someone into ACCOUNT (a main account's name, or its category name with SUB, the\n"
     "sub account's name; savings accounts are refused) with an optional FOR text. A row takes the\n"
     "words up to the next option; give \"\" for an empty SUB before a FOR. All pieces share one\n"
     "deposit number, so balancing shows one deposit, and the Checkbook gets one summary entry.\n\n"
         AMOUNT_DATE_HELP,
     1, "--payer=+ --row=3..5+ --date=", RunMultiDeposit},
    {"vpay", kVPayUsage, kVPayHelp, 1, kVPayOptions, RunVPay},
    {"note", "note FILE ACCOUNT [TEXT | --delete]",
     "Without TEXT prints the account's note. With TEXT stores it as the Notes dialog does (cut to\n"
     "252 characters); --delete empties it. An account with a note shows the note mark.\n\n" ACCOUNT_HELP,
     2, "--delete", RunNote, 1},
    {"delete-account", "delete-account FILE ACCOUNT --history-file PATH",
     "Deletes the account as the Delete Account dialog does, after the same refusals (Available,\n"
     "the Checkbook, a main account with sub accounts, an account in the checkbook with unbalanced\n"
     "transactions): its history is written to the text file PATH (an existing file is not\n"
     "replaced), a positive balance of an account in the checkbook moves to Available\n"
     "(\"Account Closeout.\"), the Checkbook's history notes the deletion and the box is emptied.\n\n"
         ACCOUNT_HELP,
     2, "--history-file=", RunDeleteAccount},
    {"export", kExportUsage, kExportHelp, 2, kExportOptions, RunExport},
    {"archive", kArchiveUsage, kArchiveHelp, 1, kArchiveOptions, RunArchive},
    {"reminders", "reminders FILE [--today D]", REMINDERS_HELP, 1, "--today=", RunReminders},
    {"remind", "remind FILE ACCOUNT N (--due D [--notice DAYS] [--every PERIOD] | --delete)",
     REMIND_HELP "\n\n" ACCOUNT_HELP, 3, "--due= --notice= --every= --delete", RunRemind},
    {"todo", "todo FILE [add TEXT | delete K] [--day D]", TODO_HELP, 1, "--day=", RunToDo, 2},
    {"calendar", "calendar FILE [--month M/YY]", CALENDAR_HELP, 1, "--month=", RunCalendar},
    {"invest", kInvestUsage, kInvestHelp, 1, kInvestOptions, RunInvest, 4, PrintInvestActionHelp},
    {"stats", kStatsUsage, kStatsHelp, 1, kStatsOptions, RunStats, 1},
    {"savings", kSavingsUsage, kSavingsHelp, 1, kSavingsOptions, RunSavings, kMainAccounts * kSlots},
    {"settings", kSettingsUsage, kSettingsHelp, 1, kSettingsOptions, RunSettings},
    {"layout", kLayoutUsage, kLayoutHelp, 1, kLayoutOptions, RunLayout},
    {"print-check", kPrintCheckUsage, kPrintCheckHelp, 3, kPrintCheckOptions, RunPrintCheck},
    {"words", kWordsUsage, kWordsHelp, 1, kWordsOptions, RunWords},
    {"report", kReportUsage, kReportHelp, 2, kReportOptions, RunReport},
};

const char kAnswerHelp[] =
    "Options of every command:\n"
    "  --yes                 answer Yes when asked whether the checkbook may go negative (default No)\n"
    "  --shortfall ANSWER    when a withdrawal needs money from Available: transfer (move the\n"
    "                        shortfall first), skip (let the account go below zero) or refuse\n"
    "                        (record nothing; the default)\n";

void PrintHelp(std::ostream& out)
{
    out << "budget-cli: the budget engine from the command line.\n\n"
           "Usage: budget-cli COMMAND FILE.bgt ...\n\nCommands:\n";
    for (const Command& c : kCommands)
        out << "  " << c.Usage << "\n";
    out << "\n" << kAnswerHelp
        << "\nNames and other text are read and printed in the locale's encoding and kept in the budget as\n"
           "Windows-1252 text, one byte a character; a character that has no place there is refused.\n"
           "File names are used as given. Control characters read from a budget are printed escaped.\n"
           "\nbudget-cli COMMAND --help describes one command.\n"
           "Exit codes: 0 success, 1 the program refused with a message (on standard error), 2 usage error.\n";
}

void PrintCommandHelp(const Command& c, std::ostream& out)
{
    out << "Usage: budget-cli " << c.Usage << "\n\n" << c.Help << "\n\n" << kAnswerHelp;
}

// How an option of a command is written: "--name" is a flag, "--name=" takes a value,
// "--name=N" takes the N words after it, "--name=+" takes a value and may be repeated,
// "--name=N..M+" takes N to M words (up to the next option) and may be repeated.
struct OptionKind {
    int Values = -1;  // -1 when the command has no such option
    bool Repeated = false;
    int MaxValues = -1;  // above Values when the number of words varies
};

OptionKind FindOption(const std::string& options, const std::string& name)
{
    std::istringstream words(options);
    for (std::string word; words >> word;) {
        if (word == name)
            return {0, false};
        if (word.compare(0, name.size() + 1, name + "=") != 0)
            continue;
        const std::string count = word.substr(name.size() + 1);
        if (count.empty() || count == "+")
            return {1, count == "+", 1};
        if (const size_t dots = count.find(".."); dots != std::string::npos)
            return {std::stoi(count), count.back() == '+', std::stoi(count.substr(dots + 2))};
        return {std::stoi(count), false, std::stoi(count)};
    }
    return {};
}

// Splits the arguments after the command name into operands and the options the command
// allows; an option's value follows it or is joined by "=". Everything that does not start
// with "--" is an operand, so a negative amount reaches the program's own check.
bool ParseCommandArgs(const Command& c, const std::vector<std::string>& args, CommandArgs& parsed,
                      std::string& why)
{
    const std::string options = std::string(c.Options) + " --yes --shortfall=";
    bool optionsEnded = false;
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || a.compare(0, 2, "--") != 0) {
            parsed.Operands.push_back(a);
            continue;
        }
        const size_t equals = a.find('=');
        const std::string name = a.substr(0, equals);
        const OptionKind kind = FindOption(options, name);
        const size_t wanted = kind.Values < 0 ? 0 : static_cast<size_t>(kind.Values);
        if (kind.Values < 0)
            why = "unknown option " + name;
        else if (parsed.Has(name) && !kind.Repeated)
            why = name + " is given twice";
        else if (kind.Values == 0 && equals != std::string::npos)
            why = name + " takes no value";
        else if (kind.Values > 1 && equals != std::string::npos)
            why = name + " takes " + std::to_string(kind.Values) + " values after it";
        else if (kind.Values > 0 && equals == std::string::npos && args.size() - 1 - k < wanted)
            why = name + (kind.Values == 1 ? " needs a value" : " needs " + std::to_string(kind.Values) + " values");
        if (!why.empty())
            return false;
        std::vector<std::string>& values = parsed.Lists[name];
        std::vector<std::string> group;
        if (equals != std::string::npos)
            group.push_back(a.substr(equals + 1));
        else
            for (size_t v = 0; v < wanted; ++v)
                group.push_back(args[++k]);
        while (static_cast<int>(group.size()) < kind.MaxValues && k + 1 < args.size() &&
               args[k + 1].compare(0, 2, "--") != 0)
            group.push_back(args[++k]);
        values.insert(values.end(), group.begin(), group.end());
        parsed.Groups[name].push_back(group);
        parsed.Options[name] = values.empty() ? "" : values.front();
    }
    if (parsed.Operands.size() < c.Operands || parsed.Operands.size() > c.Operands + c.OptionalOperands)
        why = "expected " + std::to_string(c.Operands) +
              (c.OptionalOperands ? " to " + std::to_string(c.Operands + c.OptionalOperands) : std::string()) +
              " operand(s), got " + std::to_string(parsed.Operands.size());
    else if (parsed.Operands[0].empty() || parsed.Operands[0][0] == '-')
        why = "FILE must be a file name";
    return why.empty();
}

// The answers of --yes and --shortfall; false for an unknown answer.
bool SetAnswers(const CommandArgs& args, ConsoleHost& host, std::string& why)
{
    static const std::pair<const char*, ShortfallAnswer> kShortfall[] = {
        {"refuse", ShortfallAnswer::Refuse},
        {"transfer", ShortfallAnswer::Transfer},
        {"skip", ShortfallAnswer::Skip},
    };
    if (args.Has("--yes"))
        host.QuestionAnswer = IDYES;
    if (!args.Has("--shortfall"))
        return true;
    for (const auto& [name, answer] : kShortfall)
        if (args.Value("--shortfall") == name) {
            host.Shortfall = answer;
            return true;
        }
    why = "--shortfall takes transfer, skip or refuse";
    return false;
}

// Options whose values are file names: they stay the bytes they were given.
bool IsPathOption(const Command& c, const std::string& option)
{
    const std::string command = c.Name;
    return option == "--history-file" || option == "--pdf" || (command == "export" && option == "--to") ||
           (command == "archive" && option == "--dir");
}

// Every argument that is not a file name, as budget text, so that names typed here are stored and
// found as the windows store them; false after telling the user of one that cannot be.
bool ConvertArguments(const Command& c, CommandArgs& args, ConsoleHost& host)
{
    auto convert = [&host](std::string& argument) {
        std::string text, why;
        if (ArgumentToBudgetText(argument, text, why)) {
            argument = text;
            return true;
        }
        host.MessageLocal("Input Error", why);
        return false;
    };
    for (size_t k = 1; k < args.Operands.size(); ++k)
        if (!(k == 1 && std::strcmp(c.Name, "reconcile") == 0) && !convert(args.Operands[k]))  // its statement file
            return false;
    for (auto& [option, value] : args.Options)
        if (!IsPathOption(c, option) && !convert(value))
            return false;
    for (auto& [option, values] : args.Lists)
        for (std::string& value : values)
            if (!IsPathOption(c, option) && !convert(value))
                return false;
    for (auto& [option, groups] : args.Groups)
        for (std::vector<std::string>& group : groups)
            for (std::string& value : group)
                if (!IsPathOption(c, option) && !convert(value))
                    return false;
    return true;
}

// Standard output written out; false after telling the user when it could not be (a full disk,
// a closed pipe), so that a script does not take a lost listing for a success.
bool OutputWritten(std::ostream& out, ConsoleHost& host)
{
    errno = 0;
    out.flush();
    if (!out.fail())
        return true;
    const int error = errno;
    host.NoteLocal(std::string("budget-cli: the output could not be written") +
                   (error ? std::string(" (") + std::strerror(error) + ")" : std::string()) + ".");
    return false;
}

// Every command leaves no budget open and no lock held behind it.
void CloseBudgetOfCommand()
{
    UnlockAllBudgetFiles();
    ReleaseBudgetRecords();
    gStartUpFlag = 0;
}

}  // namespace

bool OpenNamedBudget(const std::string& path, ConsoleHost& host, BudgetAccess access)
{
    if (!PathFits(path, host))
        return false;
    std::strcpy(gBudgetFileName, path.c_str());
    return (access == BudgetAccess::Read ? OpenBudgetToRead() : OpenBudget(0)) == 1;
}

namespace {

int RunCommand(const std::vector<std::string>& args, std::ostream& out, ConsoleHost& host)
{
    if (args.empty()) {
        PrintHelp(out);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp(out);
        return kExitOk;
    }
    for (const Command& c : kCommands) {
        if (args[0] != c.Name)
            continue;
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        for (const std::string& a : rest)
            if (a == "--help" || a == "-h") {
                if (!c.ActionHelp || !c.ActionHelp(rest, out))
                    PrintCommandHelp(c, out);
                return kExitOk;
            }
        CommandArgs parsed;
        std::string why;
        if (!ParseCommandArgs(c, rest, parsed, why) || !SetAnswers(parsed, host, why)) {
            host.NoteLocal(std::string("budget-cli ") + c.Name + ": " + why);
            PrintCommandHelp(c, out);
            return kExitUsage;
        }
        if (!ConvertArguments(c, parsed, host))
            return kExitRefused;
        SetHost(&host);
        InitApp();
        const int code = c.Run(parsed, out, host);
        CloseBudgetOfCommand();
        SetHost(nullptr);
        return code;
    }
    out << "budget-cli: unknown command \"" << ConsoleLocalText(args[0]) << "\"\n\n";
    PrintHelp(out);
    return kExitUsage;
}

}  // namespace

int RunBudgetCli(const std::vector<std::string>& args, std::ostream& out, ConsoleHost& host)
{
    const int code = RunCommand(args, out, host);
    if (!OutputWritten(out, host))
        return code == kExitOk ? kExitRefused : code;
    return code;
}
