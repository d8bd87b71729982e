// CSV statements with a header line: fields as RFC 4180 writes them (quotes around fields that
// hold the separator, a quote or a line break; a quote written twice inside), separated by
// commas, semicolons or tabs, whichever the header line uses; the columns found by their
// header names.
#include "statements/Statement.h"

#include <algorithm>
#include <cctype>

namespace {

struct CsvRecord {
    std::vector<std::string> Fields;
    int Line = 0;  // the line it begins on
};

// Splits the text into records; false after a message.
bool SplitRecords(std::string_view text, char separator, std::vector<CsvRecord>& records)
{
    CsvRecord record;
    std::string field;
    int line = 1;
    record.Line = 1;
    bool quoted = false, wasQuoted = false;
    size_t lineStart = 0;
    auto endField = [&] {
        if (record.Fields.size() >= 256)
            return RefuseStatementLine(record.Line, "the line has more than 256 fields.");
        record.Fields.push_back(std::move(field));
        field.clear();
        wasQuoted = false;
        return true;
    };
    for (size_t k = 0; k <= text.size(); ++k) {
        const bool atEnd = k == text.size();
        const char c = atEnd ? '\n' : text[k];
        if (field.size() > kMaxStatementField)
            return RefuseStatementLine(record.Line, "a field is longer than " + std::to_string(kMaxStatementField) +
                                                        " characters.");
        if (k - lineStart > kMaxStatementTextLine)
            return RefuseStatementLine(line, "the line is longer than " + std::to_string(kMaxStatementTextLine) +
                                                 " characters.");
        if (quoted) {
            if (atEnd)
                return RefuseStatementLine(record.Line, "a quoted field has no closing quote.");
            if (c == '"') {
                if (k + 1 < text.size() && text[k + 1] == '"') {
                    field += '"';
                    ++k;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n')
                    ++line, lineStart = k + 1;
                field += c;
            }
            continue;
        }
        if (c == '"') {
            if (!field.empty() && field.find_first_not_of(" \t") != std::string::npos)
                return RefuseStatementLine(line, "a quote stands inside a field that is not quoted.");
            if (wasQuoted)
                return RefuseStatementLine(line, "a quote follows a quoted field.");
            field.clear();
            quoted = wasQuoted = true;
        } else if (c == separator) {
            if (!endField())
                return false;
        } else if (c == '\n') {
            if (!field.empty() && field.back() == '\r')
                field.pop_back();
            if (!endField())
                return false;
            const bool blank = std::all_of(record.Fields.begin(), record.Fields.end(),
                                           [](const std::string& f) { return f.find_first_not_of(" \t") == std::string::npos; });
            if (!blank) {
                if (records.size() > kMaxStatementLines)
                    return RefuseStatement("It holds more than " + std::to_string(kMaxStatementLines) + " transactions.");
                records.push_back(std::move(record));
            }
            record = CsvRecord{};
            ++line;
            lineStart = k + 1;
            record.Line = line;
        } else if (wasQuoted) {
            if (c != ' ' && c != '\t' && c != '\r')
                return RefuseStatementLine(line, "text follows a quoted field.");
        } else {
            field += c;
        }
    }
    return true;
}

// The header line's separator: the most frequent of comma, semicolon and tab outside quotes.
char SeparatorOf(std::string_view text)
{
    int comma = 0, semicolon = 0, tab = 0;
    bool quoted = false;
    for (char c : text) {
        if (c == '\n')
            break;
        if (c == '"')
            quoted = !quoted;
        else if (!quoted)
            comma += c == ',', semicolon += c == ';', tab += c == '\t';
    }
    if (semicolon > comma && semicolon >= tab)
        return ';';
    return tab > comma ? '\t' : ',';
}

// A header name as it is compared: lower case, every run of other characters than letters and
// digits one space, none at either end ("Check #" is "check", "Posting-Date" "posting date").
std::string Normalized(std::string_view name)
{
    std::string out;
    for (char c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isalnum(u))
            out += static_cast<char>(std::tolower(u));
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

// Which column a role is in: the name given (a header name or a column number), or the first
// header among the common names; -1 when there is none. False after a message when a given name
// is not in the header.
bool FindColumn(const std::vector<std::string>& header, const std::string& given,
                std::initializer_list<const char*> common, const char* role, int& column)
{
    column = -1;
    if (!given.empty()) {
        if (std::all_of(given.begin(), given.end(), [](char c) { return c >= '0' && c <= '9'; }) && given.size() < 4) {
            const int number = std::stoi(given);
            if (number >= 1 && number <= static_cast<int>(header.size())) {
                column = number - 1;
                return true;
            }
        }
        for (size_t k = 0; k < header.size(); ++k)
            if (Normalized(header[k]) == Normalized(given)) {
                column = static_cast<int>(k);
                return true;
            }
        return RefuseStatement("The header line has no column \"" + StatementText(given) + "\" for the " + role + ".");
    }
    for (const char* name : common)
        for (size_t k = 0; k < header.size(); ++k)
            if (Normalized(header[k]) == name) {
                column = static_cast<int>(k);
                return true;
            }
    return true;
}

struct Columns {
    int Date = -1, Amount = -1, Debit = -1, Credit = -1, Number = -1, Payee = -1, Memo = -1;
};

bool FindColumns(const std::vector<std::string>& header, const CsvColumns& given, Columns& c)
{
    const bool found =
        FindColumn(header, given.Date, {"date", "posted date", "posting date", "transaction date", "booking date", "value date"},
                   "date", c.Date) &&
        FindColumn(header, given.Amount, {"amount", "transaction amount", "amt"}, "amount", c.Amount) &&
        FindColumn(header, given.Debit, {"debit", "debits", "withdrawal", "withdrawals", "money out", "paid out"}, "debit",
                   c.Debit) &&
        FindColumn(header, given.Credit, {"credit", "credits", "deposit", "deposits", "money in", "paid in"}, "credit",
                   c.Credit) &&
        FindColumn(header, given.Number,
                   {"check number", "check no", "check", "cheque number", "cheque no", "cheque", "number", "num", "no",
                    "ref", "reference"},
                   "check number", c.Number) &&
        FindColumn(header, given.Payee, {"payee", "description", "name", "merchant", "details"}, "payee", c.Payee) &&
        FindColumn(header, given.Memo, {"memo", "note", "notes"}, "memo", c.Memo);
    if (!found)
        return false;
    if (c.Date < 0)
        return RefuseStatement("The header line names no date column (give it with the CSV columns).");
    if (c.Amount < 0 && c.Debit < 0 && c.Credit < 0)
        return RefuseStatement("The header line names no amount column, nor debit and credit columns (give them with "
                               "the CSV columns).");
    // A signed amount column given by name wins over debit and credit columns found by theirs.
    if (c.Amount >= 0 && given.Debit.empty() && given.Credit.empty())
        c.Debit = c.Credit = -1;
    return true;
}

const std::string& FieldAt(const CsvRecord& record, int column)
{
    static const std::string kEmpty;
    return column >= 0 && column < static_cast<int>(record.Fields.size()) ? record.Fields[column] : kEmpty;
}

bool Blank(const std::string& text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

bool ReadLine(const CsvRecord& record, const Columns& c, const StatementOptions& options, StatementLine& line)
{
    const int at = record.Line;
    line.SourceLine = at;
    const std::string& date = FieldAt(record, c.Date);
    if (!ParseStatementDate(date, options.Order, line.Date))
        return RefuseStatementLine(at, "\"" + StatementText(date) + "\" is no date of the years 2000 to 2099 (see the "
                                                                   "date order).");
    auto amountOf = [&](int column, int32_t& value) {
        const std::string& text = FieldAt(record, column);
        if (ParseStatementAmount(text, options.Decimal, value))
            return true;
        return RefuseStatementLine(at, "\"" + StatementText(text) + "\" is no amount the budget can hold (see the "
                                                                   "decimal symbol).");
    };
    if (c.Amount >= 0) {
        if (!amountOf(c.Amount, line.Amount))
            return false;
    } else {
        // Debit and credit columns: a debit is money out whatever its sign, a credit money in.
        int32_t debit = 0, credit = 0;
        const bool hasDebit = c.Debit >= 0 && !Blank(FieldAt(record, c.Debit));
        const bool hasCredit = c.Credit >= 0 && !Blank(FieldAt(record, c.Credit));
        if ((hasDebit && !amountOf(c.Debit, debit)) || (hasCredit && !amountOf(c.Credit, credit)))
            return false;
        if (debit != 0 && credit != 0)
            return RefuseStatementLine(at, "the line has both a debit and a credit.");
        if (!hasDebit && !hasCredit)
            return RefuseStatementLine(at, "the line has no amount.");
        line.Amount = debit != 0 ? -std::abs(debit) : std::abs(credit);
    }
    line.Number = StatementNumber(FieldAt(record, c.Number));
    line.Payee = StatementText(FieldAt(record, c.Payee));
    line.Memo = StatementText(FieldAt(record, c.Memo));
    line.ATM = MentionsATM(FieldAt(record, c.Number)) || MentionsATM(line.Payee);
    return true;
}

}  // namespace

bool ReadCsvStatement(const std::string& bytes, const StatementOptions& options, Statement& statement)
{
    if (bytes.find('\0') != std::string::npos)
        return RefuseStatement("It is no CSV file: it holds binary data.");
    std::string_view text(bytes);
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::vector<CsvRecord> records;
    if (!SplitRecords(text, SeparatorOf(text), records))
        return false;
    if (records.empty())
        return RefuseStatement("It is empty.");
    Columns columns;
    if (!FindColumns(records.front().Fields, options.Columns, columns))
        return false;
    for (size_t k = 1; k < records.size(); ++k) {
        StatementLine line;
        if (!ReadLine(records[k], columns, options, line))
            return false;
        statement.Lines.push_back(std::move(line));
    }
    return true;
}
