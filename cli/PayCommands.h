// The pay commands of budget-cli: the pay sources, the accounts' allocations,
// pay entry and multiple deposits, through the same functions as the Pay Setup, Account Setup,
// Pay Entry and Multiple Deposit dialogs.
#pragma once

#include "cli/Commands.h"

#include <ostream>

int RunPayers(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunAllocate(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunPay(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunMultiDeposit(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
