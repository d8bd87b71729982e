// A bank statement read from the bank's own file (OFX, QFX, QIF or CSV): its lines and, when the
// file carries them, its closing balance and date; and the reading of dates, amounts and text
// that the readers share.
#pragma once

#include "model/Dates.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Limits against damaged or hostile files: anything beyond them is refused, not read.
constexpr int64_t kMaxStatementBytes = 8 * 1024 * 1024;
constexpr size_t kMaxStatementLines = 50000;   // transactions of one statement
constexpr size_t kMaxStatementTextLine = 8192; // characters of one line of text (QIF, CSV)
constexpr size_t kMaxStatementField = 1024;    // characters of one field (payee, memo, ...)

// One transaction as the bank lists it. Text is budget text (Windows-1252).
struct StatementLine {
    std::string Date;      // the stored date form "MM/DD/YY"
    int32_t Amount = 0;    // smallest currency unit; below 0 money out, above 0 money in
    uint32_t Number = 0;   // the check number, 0 when there is none
    std::string Payee;
    std::string Memo;
    std::string BankId;    // the bank's own id of the transaction (OFX FITID), or ""
    bool ATM = false;      // the bank calls it a cash machine transaction
    int SourceLine = 0;    // where it is in the file (QIF, CSV), for messages
};

struct Statement {
    std::vector<StatementLine> Lines;
    bool HasClosing = false;
    int32_t ClosingBalance = 0;  // the bank's balance at the statement's end
    std::string ClosingDate;     // stored form, or "" when the file gives none
};

enum class StatementFormat { Unknown, Ofx, Qif, Csv };

// Which CSV column holds what: a header name (any case) or a column number from 1; "" to find it
// among the common header names.
struct CsvColumns {
    std::string Date, Amount, Debit, Credit, Number, Payee, Memo;
};

struct StatementOptions {
    StatementFormat Format = StatementFormat::Unknown;  // Unknown: from the file's name and text
    std::optional<DateOrder> Order;                      // none: the international settings
    char Decimal = 0;                                    // 0: the budget's decimal symbol
    CsvColumns Columns;
};

// Reads the statement file `path` (a regular file of at most kMaxStatementBytes); false after a
// message saying why it was refused.
bool ReadStatementFile(const std::string& path, const StatementOptions& options, Statement& statement);

// Reads a statement from the bytes of a file; false after a message.
bool ParseStatement(const std::string& bytes, const StatementOptions& options, Statement& statement);

// The format a file's name or, failing that, its first bytes show; Unknown when neither does.
StatementFormat StatementFormatOf(const std::string& path, const std::string& bytes);

// The readers, each on the bytes of a whole file; false after a message.
bool ReadOfxStatement(const std::string& bytes, Statement& statement);
bool ReadQifStatement(const std::string& bytes, const StatementOptions& options, Statement& statement);
bool ReadCsvStatement(const std::string& bytes, const StatementOptions& options, Statement& statement);

// --- What the readers share. ---

// Refuses the statement with `why` through the program's input error message; returns false.
bool RefuseStatement(const std::string& why);
// The same for a fault on one line of the file.
bool RefuseStatementLine(int line, const std::string& why);

// A date as banks write it (12/31'05, 1/5/2026, 12/31/05, 31.12.2005, 2005-12-31, 20051231, with
// or without a time after it) in the stored form "MM/DD/YY"; false when it is no date the budget
// can hold (years 2000 to 2099). A four-digit year first is always year first; otherwise `order`
// decides when given, and without it dates with dots are day first and the others follow the
// international settings.
bool ParseStatementDate(std::string_view text, std::optional<DateOrder> order, std::string& stored);

// An amount as banks write it: a sign before or after it, or parentheses, for money out; group
// symbols; a currency symbol; `decimal` (0: the budget's) before at most the budget's decimal
// places. False when it is no amount or beyond what an amount holds.
bool ParseStatementAmount(std::string_view text, char decimal, int32_t& amount);

// Text of a file as budget text: UTF-8 when it is valid UTF-8, else taken as Windows-1252;
// control characters become spaces, and spaces at either end go.
std::string StatementText(std::string_view bytes);

// Days since 1 January 2000 of a stored date ("MM/DD/YY", more may follow).
int StatementDay(const char* stored);

// A check number as written: digits only (spaces around them allowed), 1 to 4,294,967,295; 0
// for anything else ("ATM", "DEP", empty).
uint32_t StatementNumber(std::string_view text);

// Whether `text` holds "ATM" as a word, any case.
bool MentionsATM(std::string_view text);
