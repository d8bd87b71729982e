// The account commands of budget-cli that work on one account as a whole: its note and its
// deletion, through the same functions as the Notes and Delete Account dialogs.
#pragma once

#include "cli/Commands.h"

#include <ostream>

int RunNote(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunDeleteAccount(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
