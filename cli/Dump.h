// The whole open budget as one JSON object, fields named as the records name them.
#pragma once

#include <string>

std::string DumpBudgetJson();
