// QIF statements: the transactions of the bank and cash sections ("!Type:Bank", "!Type:Cash");
// every other section is passed over.
#include "statements/Statement.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string_view TrimEnd(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// One transaction being read: its fields as written, and where it began.
struct QifRecord {
    std::string Date, Amount, Number, Payee, Memo;
    int FirstLine = 0;
    bool Any = false;
};

bool Finish(QifRecord& record, const StatementOptions& options, Statement& statement)
{
    if (!record.Any)
        return true;
    const int at = record.FirstLine;
    StatementLine line;
    line.SourceLine = at;
    if (record.Date.empty())
        return RefuseStatementLine(at, "the transaction has no date (D line).");
    if (!ParseStatementDate(record.Date, options.Order, line.Date))
        return RefuseStatementLine(at, "\"" + StatementText(record.Date) +
                                           "\" is no date of the years 2000 to 2099 (see the date order).");
    if (record.Amount.empty())
        return RefuseStatementLine(at, "the transaction has no amount (T line).");
    if (!ParseStatementAmount(record.Amount, options.Decimal, line.Amount))
        return RefuseStatementLine(at, "\"" + StatementText(record.Amount) + "\" is no amount the budget can hold.");
    const std::string number = StatementText(record.Number);
    line.Number = StatementNumber(number);
    line.Payee = StatementText(record.Payee);
    line.Memo = StatementText(record.Memo);
    line.ATM = MentionsATM(number) || MentionsATM(line.Payee);
    if (statement.Lines.size() >= kMaxStatementLines)
        return RefuseStatement("It holds more than " + std::to_string(kMaxStatementLines) + " transactions.");
    statement.Lines.push_back(std::move(line));
    record = QifRecord{};
    return true;
}

}  // namespace

bool ReadQifStatement(const std::string& bytes, const StatementOptions& options, Statement& statement)
{
    if (bytes.find('\0') != std::string::npos)
        return RefuseStatement("It is no QIF file: it holds binary data.");
    bool inBank = false, sawHeader = false;
    QifRecord record;
    size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    for (int number = 1; start < bytes.size(); ++number) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        if (end - start > kMaxStatementTextLine)
            return RefuseStatementLine(number, "the line is longer than " + std::to_string(kMaxStatementTextLine) +
                                                   " characters.");
        const std::string_view line = TrimEnd(std::string_view(bytes).substr(start, end - start));
        start = end + 1;
        if (line.empty())
            continue;
        if (line.front() == '!') {
            const std::string header = Lower(line);
            // Options and the clearing of autoswitch do not change the section.
            if (header.compare(0, 8, "!option:") == 0 || header.compare(0, 7, "!clear:") == 0)
                continue;
            if (record.Any)
                return RefuseStatementLine(record.FirstLine, "the transaction does not end with a ^ line.");
            sawHeader = true;
            inBank = header == "!type:bank" || header == "!type:cash";
            continue;
        }
        if (!sawHeader)
            return RefuseStatement("It is no QIF file: it does not begin with a !Type line.");
        if (!inBank)
            continue;
        if (line.front() == '^') {
            if (!Finish(record, options, statement))
                return false;
            continue;
        }
        if (!record.Any) {
            record.Any = true;
            record.FirstLine = number;
        }
        const std::string value(line.substr(1));
        if (value.size() > kMaxStatementField)
            return RefuseStatementLine(number, "the field is longer than " + std::to_string(kMaxStatementField) +
                                                   " characters.");
        switch (line.front()) {
        case 'D':
            record.Date = value;
            break;
        case 'T':
            record.Amount = value;
            break;
        case 'U':  // the same amount, written by newer programs beside T
            if (record.Amount.empty())
                record.Amount = value;
            break;
        case 'N':
            record.Number = value;
            break;
        case 'P':
            record.Payee = value;
            break;
        case 'M':
            record.Memo = value;
            break;
        default:  // categories, cleared status, addresses, splits: not part of balancing
            break;
        }
    }
    // A last transaction without its ^ still counts: some programs leave it off at the end.
    return Finish(record, options, statement);
}
