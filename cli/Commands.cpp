// The commands of budget-cli and their help texts.
#include "cli/Commands.h"

#include "cli/Demo.h"
#include "cli/Dump.h"
#include "files/BudgetFile.h"
#include "files/BudgetLock.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/RecordStore.h"

#include <QFileInfo>

#include <cstring>

namespace {

struct Command {
    const char* Name;
    const char* Usage;
    const char* Help;
    int (*Run)(const std::vector<std::string>& args, std::ostream& out, ConsoleHost& host);
};

bool PathFits(const std::string& path, ConsoleHost& host)
{
    if (path.size() < static_cast<size_t>(kPathSize))
        return true;
    host.MessageBox("The file name is too long.", "Input Error", MessageButtons::Ok, MessageIcon::Error);
    return false;
}

// Opens FILE exactly as the program opens a budget named on its command line.
bool OpenNamedBudget(const std::string& path, ConsoleHost& host)
{
    if (!PathFits(path, host))
        return false;
    std::strcpy(gBudgetFileName, path.c_str());
    return OpenBudget(0) == 1;
}

// Saves the new budget under FILE through Save As; an existing file is never replaced.
int SaveNewBudget(const std::string& path, ConsoleHost& host)
{
    if (!PathFits(path, host))
        return kExitRefused;
    if (QFileInfo::exists(QString::fromLocal8Bit(path.c_str()))) {
        host.MessageBox("The file " + path + " already exists.", "Input Error", MessageButtons::Ok,
                        MessageIcon::Error);
        return kExitRefused;
    }
    host.ChosenPath = path;
    return BudgetSaveAs() ? kExitOk : kExitRefused;
}

int RunNew(const std::vector<std::string>& args, std::ostream&, ConsoleHost& host)
{
    NewBudget();
    return SaveNewBudget(args[0], host);
}

int RunDemo(const std::vector<std::string>& args, std::ostream&, ConsoleHost& host)
{
    NewBudget();
    BuildDemoBudget();
    return SaveNewBudget(args[0], host);
}

int RunDump(const std::vector<std::string>& args, std::ostream& out, ConsoleHost& host)
{
    if (!OpenNamedBudget(args[0], host))
        return kExitRefused;
    out << DumpBudgetJson();
    return kExitOk;
}

int RunVerify(const std::vector<std::string>& args, std::ostream& out, ConsoleHost& host)
{
    const int before = host.MessageCount;
    if (!OpenNamedBudget(args[0], host))
        return kExitRefused;
    if (host.MessageCount != before)
        return kExitRefused;
    out << args[0] << ": no problems found\n";
    return kExitOk;
}

const Command kCommands[] = {
    {"new", "new FILE", "Makes a new, empty budget and saves it as FILE (an existing file is not replaced).",
     RunNew},
    {"dump", "dump FILE", "Opens FILE as the program does and prints the whole budget as one JSON object.",
     RunDump},
    {"verify", "verify FILE",
     "Opens FILE with every check the program runs on opening and prints each message.\n"
     "Exits 0 only when the budget opened without any message.",
     RunVerify},
    {"demo", "demo FILE", "Writes a small sample budget to FILE for a new user to look at.", RunDemo},
};

void PrintHelp(std::ostream& out)
{
    out << "budget-cli: the budget engine from the command line.\n\n"
           "Usage: budget-cli COMMAND FILE.bgt ...\n\nCommands:\n";
    for (const Command& c : kCommands)
        out << "  " << c.Usage << "\n";
    out << "\nbudget-cli COMMAND --help describes one command.\n"
           "Exit codes: 0 success, 1 the program refused with a message (on standard error), 2 usage error.\n";
}

void PrintCommandHelp(const Command& c, std::ostream& out)
{
    out << "Usage: budget-cli " << c.Usage << "\n\n" << c.Help << "\n";
}

// Every command leaves no budget open and no lock held behind it.
void CloseBudgetOfCommand()
{
    UnlockAllBudgetFiles();
    ReleaseBudgetRecords();
    gStartUpFlag = 0;
}

}  // namespace

int RunBudgetCli(const std::vector<std::string>& args, std::ostream& out, ConsoleHost& host)
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
                PrintCommandHelp(c, out);
                return kExitOk;
            }
        if (rest.size() != 1 || rest[0].empty() || rest[0][0] == '-') {
            PrintCommandHelp(c, out);
            return kExitUsage;
        }
        SetHost(&host);
        InitApp();
        const int code = c.Run(rest, out, host);
        CloseBudgetOfCommand();
        SetHost(nullptr);
        return code;
    }
    out << "budget-cli: unknown command \"" << args[0] << "\"\n\n";
    PrintHelp(out);
    return kExitUsage;
}
