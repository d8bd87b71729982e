// budget-cli find: the transactions the Find dialog's criteria select, listed from a budget that
// is only read.
#pragma once

#include "cli/Commands.h"

#include <ostream>

int RunFind(const CommandArgs& args, std::ostream& out, ConsoleHost& host);

extern const char kFindUsage[];
extern const char kFindHelp[];
extern const char kFindOptions[];
