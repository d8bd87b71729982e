// budget-cli words, layout and print-check: the amount in words as a check spells it, the check
// layout, and printing a check of a history into a PDF file.
#pragma once

#include "cli/Commands.h"

#include <ostream>

int RunWords(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunLayout(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunPrintCheck(const CommandArgs& args, std::ostream& out, ConsoleHost& host);

extern const char kWordsUsage[];
extern const char kWordsHelp[];
extern const char kWordsOptions[];
extern const char kLayoutUsage[];
extern const char kLayoutHelp[];
extern const char kLayoutOptions[];
extern const char kPrintCheckUsage[];
extern const char kPrintCheckHelp[];
extern const char kPrintCheckOptions[];
