// Budgets for tests: accounts and records put straight into the model, covering every record
// type and the fields the file carries.
#pragma once

#include "ledger/Pay.h"
#include "model/Records.h"
#include "reminders/Remind.h"

#include <cstdint>
#include <string>
#include <vector>

// Makes slot (Mi, Si) a valid account with the name.
void AddTestAccount(int Mi, int Si, const char* name, bool savings = false);

// Sets up slot (Mi, Si) as Account Setup records a new account, with no allocations.
void RecordTestAccount(int Mi, int Si, const char* name, bool savings = false);

// Sets pay source i as Pay Setup's fields would, keeping the others; RecordPaySetup's result.
int SetPaySource(int i, const std::string& name, const std::string& amount, int frequency = kPayMonthly);

// Puts a record at the head of the slot's chain, with its count, and returns it.
AHistory* AddTestHistory(int Mi, int Si, int32_t amount, bool out, const char* payee);

// A reminder on a history record as the reminder dialog stores it (due: "MM/DD/YY").
void SetTestReminder(AHistory* h, const char* due, int notice, int type = kRemindMonthly);

// A budget with accounts, sub accounts, a savings account, history with every kind of field
// set (a reminder and a binary transfer link among them), investments with history, To Do
// records and non-default settings.
void BuildRichTestBudget();

// Spreads `records` history records over every slot of the grid (all 25 main accounts with
// all their sub accounts made valid).
void BuildLargeTestBudget(int records);

// Reads a whole file; empty when it cannot be read.
std::vector<uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
