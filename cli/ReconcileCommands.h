// budget-cli reconcile: a bank statement file matched against the outstanding balancing records,
// and, when asked, the matches ticked and the balancing completed as the balance window does.
#pragma once

#include "cli/Commands.h"

#include <ostream>

extern const char kReconcileUsage[];
extern const char kReconcileHelp[];
extern const char kReconcileOptions[];

int RunReconcile(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
