// The pay commands of budget-cli: the pay sources, the accounts' allocations and pay entry,
// through the same functions as the Pay Setup, Account Setup and Pay Entry dialogs.
#pragma once

#include "cli/Commands.h"

#include <ostream>

int RunPayers(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunAllocate(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunPay(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
