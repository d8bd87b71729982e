// budget-cli report: one of the three printed reports into a PDF file.
#pragma once

#include "cli/Commands.h"

#include <ostream>

int RunReport(const CommandArgs& args, std::ostream& out, ConsoleHost& host);

extern const char kReportUsage[];
extern const char kReportHelp[];
extern const char kReportOptions[];
