// A small sample budget for a new user to look at, made through the program's own operations.
#pragma once

// Fills the new, empty budget with sample accounts, pay sources, notes, log entries, To Do
// items and an investment.
void BuildDemoBudget();
