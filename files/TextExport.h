// An account's or investment's history as a text file: one line per record, fields separated by
// tabs, each line ended by a carriage return. The export command writes it, and deleting an
// account or investment keeps the history of what it takes away in such a file.
#pragma once

#include "model/Records.h"

#include <string>

// The line of one account record, carriage return included.
std::string FormatHistoryTextRecord(const AHistory& rec);

// The line of one investment record: name, date, "Bought" or "Sold", shares, price (with the
// currency symbol) and the holding after it, each followed by a tab; carriage return included.
std::string FormatInvestTextRecord(const IHistory& rec);

// The slot number that stands for an investment: (Ii, kInvestmentSlot) is investment Ii.
constexpr int kInvestmentSlot = -1;

// 1 when the stored-form date lies within gExportStartDate to gExportEndDate (both included).
int CheckExportDates(const char* datime);

// The export: asks for the file (offered: the account's name with Mi and Si, an investment's
// with Ii), then writes the records of slot (Mi, Si) from the newest that the export settings
// take; an investment's price updates are left out. The budget keeps every record. 1 when written; 0 when cancelled or failed (failures are told).
int WriteHistoryToTextFile(int Mi, int Si);

// The same for the whole history of the slot, transfers included, whatever the export
// settings say; what deleting an account or investment keeps of it.
int WriteWholeHistoryToTextFile(int Mi, int Si);

// The deletion of slot (Mi, Si) once confirmed, as the Delete Account dialog and budget-cli
// record it: the checks of the ledger, the whole history to a text file the user chooses, then
// the slot emptied by the ledger (ledger/Accounts.h). 1 when deleted; 0 when a check failed, the
// file was cancelled or failed, or the closeout was refused, with nothing deleted.
int RecordDeleteAccount(int Mi, int Si);

// The deletion of investment account Ii once confirmed, as the Delete Account dialog and
// budget-cli record it: refused for no account (the delete message); its history but the price
// updates to a text file the user chooses when there is any; then the slot emptied
// (CloseInvestAccount). 1 when deleted; 0 when refused, or the file was cancelled or failed,
// with nothing deleted.
int RecordDeleteInvestAccount(int Ii);
