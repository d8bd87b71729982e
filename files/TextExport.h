// An account's history as a text file: one line per record, fields separated by tabs, each line
// ended by a carriage return. The export command writes it, and deleting an account keeps the
// history of the account it takes away in such a file.
#pragma once

#include "model/Records.h"

#include <string>

// The line of one account record, carriage return included.
std::string FormatHistoryTextRecord(const AHistory& rec);

// 1 when the stored-form date lies within gExportStartDate to gExportEndDate (both included).
int CheckExportDates(const char* datime);

// The export: asks for the file (offered: the account's name with Mi and Si), then writes the
// records of slot (Mi, Si) from the newest that the export settings take. The budget keeps
// every record. 1 when written; 0 when cancelled or failed (failures are told).
int WriteHistoryToTextFile(int Mi, int Si);

// The same for the whole history of the slot, transfers included, whatever the export
// settings say; what deleting an account keeps of it.
int WriteWholeHistoryToTextFile(int Mi, int Si);

// The deletion of slot (Mi, Si) once confirmed, as the Delete Account dialog and budget-cli
// record it: the checks of the ledger, the whole history to a text file the user chooses, then
// the slot emptied by the ledger (ledger/Accounts.h). 1 when deleted; 0 when a check failed, the
// file was cancelled or failed, or the closeout was refused, with nothing deleted.
int RecordDeleteAccount(int Mi, int Si);
