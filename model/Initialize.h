// Making and resetting the model: empty slots, an empty budget, the start-up defaults, log
// entries in the Checkbook, and the lookups from a window to the slot it shows.
#pragma once

#include "model/Records.h"

void InitializeAccountRecord(int Mi, int Si);
void InitializeMemoryAccountRecord(int Mi, int Si);
void InitializeInvestRecord(int Ii);
void InitializeMemoryInvestRecord(int Ii);

// Resets the whole grid and investment table to an empty budget.
void GetAccountData();

// Frees every record of the open budget and empties the To Do and balancing chains.
void ClearBudgetPointers();

// The default international settings: "$", ".", ",", "/", 2 places, groups of 3.
void SetInternationalDefaults(International& rec);

// The start-up defaults of the model (colours, international settings, archive years, ...).
void InitApp();

// The check layout a budget starts with: boxes for Pay To, Amount, the amount in words, Memo
// and Date; the other five fields unplaced.
void SetDefaultCheckLayout();

// Makes the new, empty budget of the New command (with the default check layout).
void NewBudget();

// Adds a log entry with the text (cut to 62 characters) at the head of the Checkbook's chain.
AHistory* CheckbookLogRecord(const char* theText);

// Which slot a window belongs to: 1 and its position, or 0 / -1 when none.
int GetHistoryWindowRecord(WindowHandle theWindow, int* Mi, int* Si);
int GetHistoryListWindowRecord(WindowHandle theWindow, int* Mi, int* Si);
int GetInvestHistoryWindowRecord(WindowHandle theWindow);
int GetInvestHistoryListWindowRecord(WindowHandle theWindow);
int GetSubAccountWindowRecord(WindowHandle theWindow);
