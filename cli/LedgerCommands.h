// The commands of budget-cli that change a budget: account setup, the transaction dialogs, undo,
// the transaction editor, moving accounts and balancing. Each acts through the same functions as
// the program's dialogs and windows, and saves the budget only when it succeeded and the budget
// changed.
#pragma once

#include "cli/Commands.h"

#include <ostream>

int RunAddAccount(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunCheck(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunDebit(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunATM(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunDeposit(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunTransfer(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunUndo(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunMove(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunEdit(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunBalance(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
