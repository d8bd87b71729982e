// budget-cli vpay: a pay of any amount given out to accounts as the Variable Pay window does,
// through the window's own recording.
#pragma once

#include "cli/Commands.h"

#include <ostream>

int RunVPay(const CommandArgs& args, std::ostream& out, ConsoleHost& host);

extern const char kVPayUsage[];
extern const char kVPayHelp[];
extern const char kVPayOptions[];
