// budget-cli stats and savings: an account's statistics or the budget's counts, and the savings
// calculator's projection, from a budget that is only read.
#pragma once

#include "cli/Commands.h"

#include <ostream>

int RunStats(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunSavings(const CommandArgs& args, std::ostream& out, ConsoleHost& host);

extern const char kStatsUsage[];
extern const char kStatsHelp[];
extern const char kStatsOptions[];
extern const char kSavingsUsage[];
extern const char kSavingsHelp[];
extern const char kSavingsOptions[];
