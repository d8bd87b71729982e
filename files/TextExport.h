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
