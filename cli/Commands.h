// The commands of budget-cli. Each opens the budget as the program does, acts through the
// program's own functions, and returns the exit code.
#pragma once

#include "cli/ConsoleHost.h"

#include <map>
#include <ostream>
#include <string>
#include <vector>

constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;  // the program refused with a message
constexpr int kExitUsage = 2;

// Runs one command line (without the program name); output goes to `out`, messages through
// the host.
int RunBudgetCli(const std::vector<std::string>& args, std::ostream& out, ConsoleHost& host);

// A command's arguments after the command name: its operands (FILE first) and its options.
struct CommandArgs {
    std::vector<std::string> Operands;
    std::map<std::string, std::string> Options;  // "--to" -> its value; a flag maps to ""
    // Every value of an option that takes several values or may be repeated, in order.
    std::map<std::string, std::vector<std::string>> Lists;
    // The words of each occurrence of an option that takes a varying number of them.
    std::map<std::string, std::vector<std::vector<std::string>>> Groups;

    bool Has(const std::string& option) const { return Options.count(option) != 0; }
    std::string Value(const std::string& option, const std::string& fallback = "") const
    {
        const auto it = Options.find(option);
        return it == Options.end() ? fallback : it->second;
    }
    std::vector<std::string> Values(const std::string& option) const
    {
        const auto it = Lists.find(option);
        return it == Lists.end() ? std::vector<std::string>{} : it->second;
    }
};

// How a command opens its budget: to change it, holding the budget's lock (refused while
// another program has it open), or only to read it, which needs no lock (a save replaces the
// file in one step, so a reader sees one whole version).
enum class BudgetAccess { Change, Read };

// Opens FILE exactly as the program opens a budget named on its command line; true when open.
bool OpenNamedBudget(const std::string& path, ConsoleHost& host, BudgetAccess access = BudgetAccess::Change);
