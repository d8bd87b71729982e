// budget-cli invest: the investment accounts listed, and changed through the same functions as
// the investment dialogs (naming, share trades, prices, cost basis, notes, deletion, exchange).
#pragma once

#include "cli/Commands.h"

#include <ostream>
#include <string>
#include <vector>

int RunInvest(const CommandArgs& args, std::ostream& out, ConsoleHost& host);

// The investment account NAME (or @II) names, which must exist; kExitOk with Ii set, else the
// exit code after the refusal.
int FindInvestmentAccount(const std::string& ref, int& Ii, ConsoleHost& host);

// The help of the action named among the arguments of invest (add, buy, ...); false when none
// is named, so the command's own help is shown.
bool PrintInvestActionHelp(const std::vector<std::string>& args, std::ostream& out);

// The command's own help: what it does without an action, and every action's usage.
extern const char kInvestUsage[];
extern const char kInvestHelp[];
extern const char kInvestOptions[];
