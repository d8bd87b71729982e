// budget-cli settings: shows the preferences and international settings of a budget and changes
// them through the checks and functions the Preference and International dialogs use.
#pragma once

#include "cli/Commands.h"

#include <ostream>

int RunSettings(const CommandArgs& args, std::ostream& out, ConsoleHost& host);

extern const char kSettingsUsage[];
extern const char kSettingsHelp[];
extern const char kSettingsOptions[];
