// Reading a statement file: choosing the reader, and the dates, amounts and text the readers
// share.
#include "statements/Statement.h"

#include "files/FileAccess.h"
#include "model/BudgetText.h"
#include "model/Globals.h"
#include "model/Messages.h"
#include "model/Money.h"

#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string Lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool IsLeap(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysIn(int month, int year)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// A year as written: two digits (or one after an apostrophe, as Quicken writes years from 2000)
// are 2000 to 2099, four are as they are; -1 for anything else.
int FullYear(std::string_view digits)
{
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    if (digits.size() <= 2)
        return 2000 + value;
    return digits.size() == 4 ? value : -1;
}

}  // namespace

bool RefuseStatement(const std::string& why)
{
    HandleInputError("The bank statement can not be read.", why.c_str());
    return false;
}

bool RefuseStatementLine(int line, const std::string& why)
{
    return RefuseStatement("Line " + std::to_string(line) + ": " + why);
}

bool ParseStatementDate(std::string_view text, std::optional<DateOrder> given, std::string& stored)
{
    text = Trim(text);
    std::string_view runs[3];
    // The compact form YYYYMMDD.
    if (text.size() == 8 && std::all_of(text.begin(), text.end(), IsDigit))
        return ParseStatementDate(std::string(text.substr(0, 4)) + "-" + std::string(text.substr(4, 2)) + "-" +
                                      std::string(text.substr(6, 2)),
                                  given, stored);
    int count = 0;
    bool apostrophe = false, dots = false;
    size_t k = 0;
    while (k < text.size()) {
        const char c = text[k];
        if (IsDigit(c)) {
            const size_t start = k;
            while (k < text.size() && IsDigit(text[k]))
                ++k;
            if (count == 3 || k - start > 4)
                return false;
            runs[count++] = text.substr(start, k - start);
            continue;
        }
        if (count == 3 && (c == ' ' || c == 'T')) {
            // A time after the date ("2026-01-05T10:00:00", "1/5/2026 10:00") is passed over.
            if (text.find(':', k) == std::string_view::npos)
                return false;
            break;
        }
        if (c == '\'')
            apostrophe = true;
        else if (c == '.')
            dots = true;
        else if (c != '/' && c != '-' && c != ' ')
            return false;
        ++k;
    }
    if (count != 3)
        return false;

    DateOrder order = given ? *given : dots ? DateOrder::DayMonthYear : CurrentDateOrder();
    // A year of four digits first, or a year marked by an apostrophe last, shows the order.
    if (runs[0].size() == 4)
        order = DateOrder::YearMonthDay;
    else if (apostrophe && order == DateOrder::YearMonthDay)
        order = CurrentDateOrder() == DateOrder::DayMonthYear ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;

    std::string_view y = runs[2], m = runs[0], d = runs[1];
    if (order == DateOrder::DayMonthYear)
        std::swap(m, d);
    else if (order == DateOrder::YearMonthDay)
        y = runs[0], m = runs[1], d = runs[2];
    if (m.size() > 2 || d.size() > 2 || (y.size() == 1 && !apostrophe))
        return false;
    const int year = FullYear(y);
    const int month = std::stoi(std::string(m));
    const int day = std::stoi(std::string(d));
    if (year < 2000 || year > 2099 || month < 1 || month > 12 || day < 1 || day > DaysIn(month, year))
        return false;
    char out[48];
    std::snprintf(out, sizeof out, "%02d/%02d/%02d", month, day, year % 100);
    stored = out;
    return true;
}

bool ParseStatementAmount(std::string_view text, char decimal, int32_t& amount)
{
    if (!decimal)
        decimal = gIntRec.DecimalSymbol ? gIntRec.DecimalSymbol : '.';
    text = Trim(text);
    bool negative = false;
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
        negative = true;
        text = Trim(text.substr(1, text.size() - 2));
    }
    // Signs and currency symbols at either end.
    const std::string symbol(Trim(RecordText(gIntRec.DollarSymbol)));
    for (bool changed = true; changed && !text.empty();) {
        changed = false;
        for (std::string_view end : {std::string_view("-"), std::string_view("+"), std::string_view("$"),
                                     std::string_view(symbol)}) {
            if (end.empty())
                continue;
            if (text.substr(0, end.size()) == end) {
                negative = negative || end == "-";
                text = Trim(text.substr(end.size()));
                changed = true;
            } else if (text.size() >= end.size() && text.substr(text.size() - end.size()) == end) {
                negative = negative || end == "-";
                text = Trim(text.substr(0, text.size() - end.size()));
                changed = true;
            }
        }
    }
    const int places = FractionPlaces();
    int64_t whole = 0;
    int fraction = 0, fractionDigits = 0;
    bool digits = false, inFraction = false;
    for (char c : text) {
        if (IsDigit(c)) {
            digits = true;
            if (!inFraction) {
                whole = whole * 10 + (c - '0');
                if (whole > INT32_MAX)
                    return false;
            } else if (fractionDigits < places) {
                fraction = fraction * 10 + (c - '0');
                ++fractionDigits;
            } else if (c != '0') {
                return false;  // more places than the budget's money has
            }
        } else if (c == decimal && !inFraction) {
            inFraction = true;
        } else if (inFraction || (c != ',' && c != '.' && c != ' ' && c != '\'')) {
            return false;  // a group symbol only before the decimal symbol
        }
    }
    if (!digits)
        return false;
    int64_t value = whole;
    for (int p = 0; p < places; ++p)
        value *= 10;
    for (int p = fractionDigits; p < places; ++p)
        fraction *= 10;
    value += fraction;
    if (value > INT32_MAX)
        return false;
    amount = static_cast<int32_t>(negative ? -value : value);
    return true;
}

std::string StatementText(std::string_view bytes)
{
    std::string text;
    const QByteArray raw(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString unicode = decoder.decode(raw);
    if (!decoder.hasError())
        EncodeBudgetText(unicode, text);
    else
        text.assign(bytes);
    for (char& c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D)
            c = ' ';
    }
    return std::string(Trim(text));
}

int StatementDay(const char* stored)
{
    const int month = (stored[0] - '0') * 10 + (stored[1] - '0');
    const int day = (stored[3] - '0') * 10 + (stored[4] - '0');
    const int year = 2000 + (stored[6] - '0') * 10 + (stored[7] - '0');
    int days = 0;
    for (int y = 2000; y < year; ++y)
        days += IsLeap(y) ? 366 : 365;
    for (int m = 1; m < month && m <= 12; ++m)
        days += DaysIn(m, year);
    return days + day - 1;
}

uint32_t StatementNumber(std::string_view text)
{
    text = Trim(text);
    uint64_t value = 0;
    if (text.empty() || text.size() > 10)
        return 0;
    for (char c : text) {
        if (!IsDigit(c))
            return 0;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    return value <= UINT32_MAX ? static_cast<uint32_t>(value) : 0;
}

bool MentionsATM(std::string_view text)
{
    const std::string lower = Lower(text);
    for (size_t at = lower.find("atm"); at != std::string::npos; at = lower.find("atm", at + 1)) {
        const bool before = at == 0 || !std::isalnum(static_cast<unsigned char>(lower[at - 1]));
        const bool after = at + 3 == lower.size() || !std::isalnum(static_cast<unsigned char>(lower[at + 3]));
        if (before && after)
            return true;
    }
    return false;
}

StatementFormat StatementFormatOf(const std::string& path, const std::string& bytes)
{
    const std::string name = Lower(path);
    const size_t dot = name.rfind('.');
    const std::string extension = dot == std::string::npos ? "" : name.substr(dot + 1);
    if (extension == "ofx" || extension == "qfx")
        return StatementFormat::Ofx;
    if (extension == "qif")
        return StatementFormat::Qif;
    if (extension == "csv")
        return StatementFormat::Csv;
    const std::string start = Lower(std::string_view(bytes).substr(0, 512));
    if (start.find("ofxheader") != std::string::npos || start.find("<ofx>") != std::string::npos)
        return StatementFormat::Ofx;
    if (start.find("!type:") != std::string::npos || start.find("!account") != std::string::npos)
        return StatementFormat::Qif;
    // A first line that names a date column among separated names is a CSV header.
    const std::string first = start.substr(0, start.find('\n'));
    if (first.find("date") != std::string::npos && first.find_first_of(",;\t") != std::string::npos)
        return StatementFormat::Csv;
    return StatementFormat::Unknown;
}

bool ParseStatement(const std::string& bytes, const StatementOptions& options, Statement& statement)
{
    statement = Statement{};
    bool read = false;
    switch (options.Format) {
    case StatementFormat::Ofx:
        read = ReadOfxStatement(bytes, statement);
        break;
    case StatementFormat::Qif:
        read = ReadQifStatement(bytes, options, statement);
        break;
    case StatementFormat::Csv:
        read = ReadCsvStatement(bytes, options, statement);
        break;
    case StatementFormat::Unknown:
        return RefuseStatement("It is no OFX, QFX, QIF or CSV file.");
    }
    if (!read) {
        statement = Statement{};
        return false;
    }
    if (statement.Lines.empty() && !statement.HasClosing)
        return RefuseStatement("It holds no transactions.");
    return true;
}

bool ReadStatementFile(const std::string& path, const StatementOptions& options, Statement& statement)
{
    InputFile file;
    switch (file.Open(path)) {
    case InputFile::Result::Opened:
        break;
    case InputFile::Result::Failed:
        return RefuseStatement("The file " + PathText(path) + " can not be opened: " + std::strerror(errno) + ".");
    case InputFile::Result::Folder:
    case InputFile::Result::NotRegular:
        return RefuseStatement(PathText(path) + " is not a file.");
    }
    const int64_t size = file.Size();
    if (size > kMaxStatementBytes)
        return RefuseStatement("The file is larger than " + std::to_string(kMaxStatementBytes / (1024 * 1024)) +
                               " MB; no bank statement is that long.");
    std::string bytes(static_cast<size_t>(std::max<int64_t>(size, 0)), '\0');
    if (size > 0 && !file.Read(0, reinterpret_cast<uint8_t*>(bytes.data()), bytes.size()))
        return RefuseStatement("The file " + PathText(path) + " can not be read.");
    StatementOptions chosen = options;
    if (chosen.Format == StatementFormat::Unknown)
        chosen.Format = StatementFormatOf(path, bytes);
    return ParseStatement(bytes, chosen, statement);
}
