// The archive of old records: which records may leave the budget into an archive file, the
// counts per year the Archive dialog offers, and the archive itself, for the dialog and
// budget-cli alike.
#pragma once

#include "model/Records.h"

#include <functional>
#include <string>

// The entry of gArchive that stands for every older year too ("Remainder").
constexpr int kRemainderEntry = kArchiveYears - 1;

// The year a record is archived by: the year it was made (RDatime), 00 to 90 read as 2000 to
// 2090 and 91 to 99 as 1991 to 1999.
int GetArchiveDataYear(const AHistory* rec);
int GetInvestArchiveDataYear(const IHistory* rec);

// Nonzero when the record may be archived: it is not archived already, was made in the year of
// entry 0 or before, and has nothing left to confirm: a log entry or an undone record always; a
// record of a savings account always, of an account in the checkbook only once reconciled; a
// transfer always, unless it touched the checkbook (Savings set) and is not reconciled yet. An
// investment record when it is not archived and old enough.
int DetermineValidArchiveRecord(const AHistory* rec);
int DetermineValidInvestArchiveRecord(const IHistory* rec);

// Counts one record into gArchive when it may be archived: into the entry of its year, or the
// Remainder when older; gArchiveDataAvailable is set.
void DetermineArchiveData(const AHistory* rec);
void DetermineInvestArchiveData(const IHistory* rec);

// Every count 0 and nothing available: reading a budget counts from here.
void ResetArchiveCounts();

// Counts afresh every record of the open budget that may be archived, in the accounts and
// investments an archive walks: what reconciling, undoing or archiving changed is then told
// true.
void CountArchiveData();

// The entry `year` stands for (0 to 4); -1 for a year the archive does not offer.
int ArchiveEntryOfYear(int year);

// The text of entry `entry`'s box: "2024 - 30 records", "Remainder - No records".
std::string ArchiveEntryText(int entry);

// The file name offered for entry `entry`: "Archived data for 2024.txt", "Remaining Years.txt".
std::string ArchiveFileName(int entry);

// The archive of one year (the Remainder's year: that year and all older ones): asks for the
// file, writes the line of each record that takes part (transfers, undone records and the
// pieces of a pay leave without a line; a pay is written once, as its log entry) and puts the
// file in place; only then are the records marked archived and their accounts' counts lowered,
// and the counts made again. 1 when archived; 0 when the file was cancelled or failed (failures
// are told), with every record still in the budget.
int WriteArchiveToTextFile(int year);

// The Archive dialog's OK: each entry chosen (SetForArchive), in order from entry 0, archived
// to its file; `beforeEach` (when given) is called with the entry before its file is asked for.
// A cancelled or failed file stops the run there (the entries before it stay archived) and the
// result is 0. Otherwise the info box says "Data Archived." and the result is 1. Entries without
// records are never archived.
int ArchiveChosenEntries(const std::function<void(int entry)>& beforeEach = {});
