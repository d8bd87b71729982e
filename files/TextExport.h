// An account's or investment's history as a text file: one line per record, fields separated by
// tabs, each line ended by a carriage return, or as comma-separated values for spreadsheets. The
// export command writes it, the archive writes its lines (files/Archive.h), and deleting an
// account or investment keeps the history of what it takes away in such a file.
#pragma once

#include "model/Dates.h"
#include "model/Records.h"

#include <memory>
#include <string>

// The line of one account record, carriage return included.
std::string FormatHistoryTextRecord(const AHistory& rec);

// The line of one investment record: name, date, "Bought" or "Sold", shares, price (with the
// currency symbol) and the holding after it, each followed by a tab; carriage return included.
std::string FormatInvestTextRecord(const IHistory& rec);

// A text file of records, written beside its place and put there whole when finished, so that a
// full disk or a cancelled run leaves no part of it behind. Failures are told with the given
// words and the file's path.
class RecordTextFile {
public:
    RecordTextFile();
    ~RecordTextFile();  // cancels what was not finished
    RecordTextFile(const RecordTextFile&) = delete;
    RecordTextFile& operator=(const RecordTextFile&) = delete;
    bool Open(const std::string& path, const char* createFailure, const char* writeFailure);
    bool Add(const std::string& line);
    // Writes what is left and puts the file in place; false after the message.
    bool Finish();

private:
    bool Flush();
    struct Impl;
    std::unique_ptr<Impl> impl;
};

// The slot number that stands for an investment: (Ii, kInvestmentSlot) is investment Ii.
constexpr int kInvestmentSlot = -1;

// The form an export is written in: the tab-separated lines above, or comma-separated values
// for spreadsheets. ByName takes CSV for a file whose name ends in ".csv" and text otherwise.
enum class ExportForm { ByName, Text, Csv };

// Whether the file's name ends in ".csv", in any letter case.
bool IsCsvFileName(const std::string& path);

// The CSV form: a header line naming the columns, then one line per record with the same fields
// as the text line (a check's number and memo in their own columns, empty for other kinds);
// dates in the display form, amounts, shares and prices as plain numbers with a point and no
// currency symbol or group separators. Fields holding a comma, a quote or a line break are
// quoted, quotes doubled; every line ends in a carriage return and a line feed.
std::string CsvHeaderLine(bool invest);
std::string FormatHistoryCsvRecord(const AHistory& rec);
std::string FormatInvestCsvRecord(const IHistory& rec);

// The file name offered for the history of slot (Mi, Si) (Si kInvestmentSlot: investment Mi):
// the account's name followed by Mi and Si (an investment's by Ii), without the characters that
// would make it a path into another folder.
std::string HistoryFileName(int Mi, int Si);

// What the Export dialog proposes for slot (Mi, Si): the range from the oldest record's date to
// today (stored form). 0 after the message when the account has no history to export.
int ProposeExportRange(int Mi, int Si, char (&start)[kDatimeSize], char (&end)[kDatimeSize]);

// The export as the Export dialog's OK runs it: the records from start to end (stored-form dates,
// both included), transfers only when asked, written in `form`. An investment whose history holds
// only price updates has nothing to export: nothing is asked or written, and the result is 1.
// 1 when done; 0 when the file was cancelled or failed (failures are told).
int ExportHistoryRange(int Mi, int Si, const char* start, const char* end, bool transfers,
                       ExportForm form = ExportForm::ByName);

// 1 when the stored-form date lies within gExportStartDate to gExportEndDate (both included).
// Two-digit years are read as the archive reads them (91 to 99 the 1900s), so a range from 1999
// to today holds the records of both centuries.
int CheckExportDates(const char* datime);

// The export: asks for the file (offered: HistoryFileName; the chooser offers text and CSV
// files), then writes the records of slot (Mi, Si) from the newest that the export settings
// take, in `form`; an investment's price updates are left out. The budget keeps every record.
// 1 when written; 0 when cancelled or failed (failures are told).
int WriteHistoryToTextFile(int Mi, int Si, ExportForm form = ExportForm::ByName);

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
