// The whole open budget as one JSON object, fields named as the records name them.
#pragma once

#include <iosfwd>
#include <string>

// Writes the JSON to `stream` as it goes; a failed stream is left failed for the caller to see.
void WriteBudgetJson(std::ostream& stream);
// The same JSON as one text, for callers that compare dumps.
std::string DumpBudgetJson();
