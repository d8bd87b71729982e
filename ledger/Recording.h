// What the transaction and account dialogs do after reading their fields: call the engine, then
// set the flags, second line, check number, balancing record and reminder the transaction
// needs. The command line records through the same functions, so both leave the same records.
#pragma once

#include "model/Records.h"

#include <cstdint>

// The fields of a check or debit as the check dialog reads them.
struct CheckEntry {
    int32_t Amount = 0;
    const char* Datime = "";  // stored form
    const char* PayTo = "";
    const char* For = "";
    const char* Memo = "";    // checks only
    uint32_t Number = 0;      // check number; a savings account's checks and debits have none
    bool Debit = false;       // the debit face of the dialog
    bool Tax = false;
    bool Remind = false;
};

// Each returns the new record, or null when the engine refused (it has told the user).
AHistory* RecordCheck(int Mi, int Si, const CheckEntry& entry);
AHistory* RecordATM(int Mi, int Si, int32_t amount, const char* datime);
AHistory* RecordDeposit(int Mi, int Si, int32_t amount, const char* from, const char* datime, const char* xfor,
                        bool remind);
AHistory* RecordTransfer(int fm1, int fm2, int to1, int to2, int32_t amount, const char* datime,
                         const char* xfor);

// Account Setup's OK after its name check: log entry for a new or renamed account, name,
// savings flag, allocations, Valid and the sub-account count, then Recalculate.
void RecordAccountSetup(int Mi, int Si, const char* name, bool savings,
                        const int32_t payAmounts[kPayers][kPaysPerMonth]);

// Reading what the user typed as the dialogs read it, with their messages on bad input.
// An amount must be a valid amount from 1 to 100000000; a date is completed from today.
int ReadDialogAmount(const char* text, int32_t* amount);
int ReadDialogDatime(const char* text, char* theDatime);
