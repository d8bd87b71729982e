// budget-cli export and archive: an account's history written to a text or CSV file as the Export
// dialog writes it, and old years listed and archived as the Archive dialog offers them.
#pragma once

#include "cli/Commands.h"

#include <ostream>

int RunExport(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunArchive(const CommandArgs& args, std::ostream& out, ConsoleHost& host);

extern const char kExportUsage[];
extern const char kExportHelp[];
extern const char kExportOptions[];
extern const char kArchiveUsage[];
extern const char kArchiveHelp[];
extern const char kArchiveOptions[];
