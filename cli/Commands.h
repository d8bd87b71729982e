// The commands of budget-cli. Each opens the budget as the program does, acts through the
// program's own functions, and returns the exit code.
#pragma once

#include "cli/ConsoleHost.h"

#include <ostream>
#include <string>
#include <vector>

constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;  // the program refused with a message
constexpr int kExitUsage = 2;

// Runs one command line (without the program name); output goes to `out`, messages through
// the host.
int RunBudgetCli(const std::vector<std::string>& args, std::ostream& out, ConsoleHost& host);
