// Dates as fixed-position text: the stored Datime "MM/DD/YY HH:MMa", the date part alone (also
// with one-digit month or day), the Julian "YYDDD" of reminders and the display form chosen by
// gIntRec. Years are two digits meaning 2000 to 2099.
//
// Datime fields of records are 16 bytes and need not be terminated (a reminder packs binary
// data into positions 9 to 15), so nothing here reads more than 16 bytes of a date text, and a
// Julian text is read for at most its 5 characters.
#include "model/Dates.h"

#include "model/Globals.h"
#include "model/Host.h"
#include "model/Money.h"
#include "model/TextMeasure.h"

#include <cstring>
#include <utility>

namespace {

constexpr int kJulianLength = 5;

// The two-digit form of any number: 0 to 99, wrapping larger and negative values.
int TwoDigits(long long value)
{
    return static_cast<int>(((value % 100) + 100) % 100);
}

void PutTwoDigits(char* at, long long value)
{
    const int v = TwoDigits(value);
    at[0] = static_cast<char>('0' + v / 10);
    at[1] = static_cast<char>('0' + v % 10);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLeapYear(int year)
{
    return year % 4 == 0;
}

// Days of the year before the first of each month, February not yet counted.
constexpr int kDaysBeforeMonth[12] = {0, 31, 31, 62, 92, 123, 153, 184, 215, 245, 276, 306};

int DaysBefore(int month, int february)
{
    return kDaysBeforeMonth[month - 1] + (month > 2 ? february : 0);
}

// The number of the digits text[from, to); -1 when the range is empty or holds a non-digit.
int FieldValue(const char* text, size_t from, size_t to)
{
    if (from >= to)
        return -1;
    int value = 0;
    for (size_t i = from; i < to; ++i) {
        if (!IsDigit(text[i]))
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// The leading digits of the first `length` characters, as atoi would read them.
int LeadingNumber(const char* text, size_t length)
{
    int value = 0;
    for (size_t i = 0; i < length && IsDigit(text[i]); ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

struct DateFields {
    int Month;
    int Day;
    int Year;
};

// Takes a date part apart and checks it; false when it is not a valid date. The fields are the
// digits before the first "/", between the two and after the second; the year must be exactly
// two digits, so a stray "/" at either end is refused.
bool ParseDate(const char* text, DateFields& fields)
{
    if (text == nullptr)
        return false;
    const size_t length = strnlen(text, kDatimeSize);
    if (length < 6 || length > 8)
        return false;

    size_t slashes[2] = {0, 0};
    int slashCount = 0;
    int run = 0;
    for (size_t i = 0; i < length; ++i) {
        const char c = text[i];
        if (c == '/') {
            if (slashCount == 2 || (i > 0 && text[i - 1] == '/'))
                return false;
            slashes[slashCount++] = i;
            run = 0;
        } else if (IsDigit(c)) {
            if (++run > 2)
                return false;
        } else {
            return false;
        }
    }
    if (slashCount != 2 || length - slashes[1] - 1 != 2)
        return false;

    fields.Month = FieldValue(text, 0, slashes[0]);
    fields.Day = FieldValue(text, slashes[0] + 1, slashes[1]);
    fields.Year = FieldValue(text, slashes[1] + 1, length);
    if (fields.Month < 1 || fields.Month > 12 || fields.Day < 1 || fields.Year < 0)
        return false;

    int longest = 31;
    if (fields.Month == 4 || fields.Month == 6 || fields.Month == 9 || fields.Month == 11)
        longest = 30;
    else if (fields.Month == 2)
        longest = IsLeapYear(fields.Year) ? 29 : 28;
    return fields.Day <= longest;
}

// "MM/DD/YY" with "/" into out (at least 9 bytes).
void WriteStoredDate(int day, int month, int year, char* out)
{
    PutTwoDigits(out, month);
    out[2] = '/';
    PutTwoDigits(out + 3, day);
    out[5] = '/';
    PutTwoDigits(out + 6, year);
    out[8] = '\0';
}

}  // namespace

void GetDatime(char* thePassedString)
{
    const LocalTime now = GetHost().Now();
    WriteStoredDate(now.Day, now.Month, now.Year, thePassedString);
    thePassedString[8] = ' ';
    PutTwoDigits(thePassedString + 9, now.Hour);
    thePassedString[11] = ':';
    PutTwoDigits(thePassedString + 12, now.Minute);
    thePassedString[14] = now.Hour < 12 ? 'a' : 'p';
    thePassedString[15] = '\0';
}

int CheckDatime(const char* theString)
{
    DateFields fields{};
    return ParseDate(theString, fields) ? 1 : 0;
}

int GetMonth(const char* theDatime)
{
    DateFields fields{};
    return ParseDate(theDatime, fields) ? fields.Month : 0;
}

int GetDay(const char* theDatime)
{
    DateFields fields{};
    return ParseDate(theDatime, fields) ? fields.Day : 0;
}

int GetYear(const char* theDatime)
{
    DateFields fields{};
    return ParseDate(theDatime, fields) ? fields.Year : 0;
}

int GetDateLength(const char* theDatime)
{
    // A text that ends at position 6 or 7 is a short date part without its time.
    const size_t length = strnlen(theDatime, kDatimeSize);
    if (length <= 6 || theDatime[6] == ' ')
        return 6;
    if (length == 7 || theDatime[7] == ' ')
        return 7;
    return 8;
}

DateOrder CurrentDateOrder()
{
    if (gIntRec.Flag1 & kIntDayMonthYear)
        return DateOrder::DayMonthYear;
    if (gIntRec.Flag1 & kIntYearMonthDay)
        return DateOrder::YearMonthDay;
    return DateOrder::MonthDayYear;
}

int ConvertDateFormat(const char* inDatime, char* outDatime)
{
    DateFields fields{};
    if (!ParseDate(inDatime, fields)) {
        CopyString(inDatime, outDatime, 9);
        return 0;
    }

    // Rebuilt from the fields, so a date typed with one-digit month or day comes out whole.
    char separator = gIntRec.DateSeperator;
    if (separator == '\0')
        separator = '/';
    int first = fields.Month;
    int second = fields.Day;
    int third = fields.Year;
    const DateOrder order = CurrentDateOrder();
    if (order == DateOrder::DayMonthYear) {
        first = fields.Day;
        second = fields.Month;
    } else if (order == DateOrder::YearMonthDay) {
        first = fields.Year;
        second = fields.Month;
        third = fields.Day;
    }
    PutTwoDigits(outDatime, first);
    outDatime[2] = separator;
    PutTwoDigits(outDatime + 3, second);
    outDatime[5] = separator;
    PutTwoDigits(outDatime + 6, third);
    outDatime[8] = '\0';
    return 1;
}

void DateString(const TextMeasure& hdc, const char* theText, int maxWidth, char* outText)
{
    const size_t length = strnlen(theText, kDatimeSize - 1);
    if (hdc.TextWidth(theText, static_cast<int>(length)) > maxWidth)
        CopyString(theText, outText, 6);
    else
        CopyString(theText, outText, kDatimeSize);
}

void C2J(const char* theDate, char* theJDate)
{
    DateFields fields{};
    if (!ParseDate(theDate, fields)) {
        CopyString("00000", theJDate, kJulianLength + 1);
        return;
    }
    const int february = IsLeapYear(fields.Year) ? 29 : 28;
    const int dayOfYear = fields.Day + DaysBefore(fields.Month, february);
    PutTwoDigits(theJDate, fields.Year);
    theJDate[2] = static_cast<char>('0' + dayOfYear / 100);
    PutTwoDigits(theJDate + 3, dayOfYear);
    theJDate[5] = '\0';
}

void J2C(const char* theJDate, char* theCDate)
{
    const int year = GetJYear(theJDate);
    int day = GetJDay(theJDate);
    const int february = IsLeapYear(year) ? 29 : 28;
    int month = 1;
    for (int m = 12; m >= 2; --m) {
        if (day > DaysBefore(m, february)) {
            month = m;
            day -= DaysBefore(m, february);
            break;
        }
    }
    // A day count past the year's end leaves a day above 31; only its last two digits are kept.
    WriteStoredDate(day, month, year, theCDate);
}

int GetJYear(const char* JDate)
{
    return LeadingNumber(JDate, strnlen(JDate, 2));
}

int GetJDay(const char* JDate)
{
    const size_t length = strnlen(JDate, kJulianLength);
    return length > 2 ? LeadingNumber(JDate + 2, length - 2) : 0;
}

int CompareJDates(const char* cDate, const char* dDate, int remTime)
{
    const int currentYear = GetJYear(cDate);
    const int currentDay = GetJDay(cDate);
    long long dueYear = GetJYear(dDate);
    long long dueDay = static_cast<long long>(GetJDay(dDate)) - remTime;
    if (dueDay < 1) {
        // Counted back from the end of the previous year (its length judged by the current year).
        --dueYear;
        dueDay += IsLeapYear(currentYear) ? 366 : 365;
    }
    if (currentYear != dueYear)
        return currentYear > dueYear ? 1 : -1;
    if (currentDay != dueDay)
        return currentDay > dueDay ? 1 : -1;
    return 0;
}

int CompareCDates(const char* cDate, const char* dDate, int remTime)
{
    char cJulian[kJulianLength + 1];
    char dJulian[kJulianLength + 1];
    C2J(cDate, cJulian);
    C2J(dDate, dJulian);
    return CompareJDates(cJulian, dJulian, remTime);
}

void IncrMonth(const char* theDate, int numMonths, char* theFutureDate)
{
    // Everything but month and year is kept, including a reminder's packed bytes after position
    // 8; the copy ends at the terminator or after 16 bytes.
    const size_t length = strnlen(theDate, kDatimeSize);
    std::memmove(theFutureDate, theDate, length);
    if (length < kDatimeSize)
        theFutureDate[length] = '\0';

    const int month = FieldValue(theDate, 0, length >= 2 ? 2 : length);
    const int year = FieldValue(theDate, length >= 8 ? 6 : length, length >= 8 ? 8 : length);
    if (month < 0 || year < 0)
        return;  // not a full date part: left as it was

    // Steps of up to 12 months (the ones reminders use) carry at most one year. Longer or
    // negative steps carry as many years as they span, and the year wraps past 99 to 00.
    const long long months = static_cast<long long>(month) - 1 + numMonths;
    long long years = months / 12;
    long long newMonth = months % 12;
    if (newMonth < 0) {
        newMonth += 12;
        --years;
    }
    PutTwoDigits(theFutureDate, newMonth + 1);
    PutTwoDigits(theFutureDate + 6, year + years);
}

int DayOfWeek(int day, int month, int year)
{
    // 400 years are a whole number of weeks; adding them keeps the year term positive, so that
    // January and February of year 00 give the weekdays of 2000.
    const long long a = (14 - static_cast<long long>(month)) / 12;
    const long long y = static_cast<long long>(year) + 400 - a;
    const long long m = month + 12 * a - 2;
    const long long weekday = (day + y + y / 4 - y / 100 + y / 400 + (31 * m) / 12) % 7;
    return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}

int DaysInMonth(int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && IsLeapYear(gCalYear))
        return 29;
    return kDays[month - 1];
}

void GetWordMonth(int num, char* theText)
{
    static constexpr const char* kNames[12] = {"Jan", "Feb", "Mar",  "Apr", "May", "Jun",
                                               "July", "Aug", "Sept", "Oct", "Nov", "Dec"};
    if (num >= 1 && num <= 12)
        CopyString(kNames[num - 1], theText);
}

void ConstructDate(int day, int month, int year, char* theDate, int flag)
{
    // Each number keeps its last two digits: a year of 100 or more becomes year % 100.
    char stored[9];
    WriteStoredDate(day, month, year, stored);
    if (flag != 0)
        CopyString(stored, theDate, sizeof stored);
    else
        ConvertDateFormat(stored, theDate);
}

void ConstructToDoDate(char* theDate)
{
    if (gCalDaySelected == 0) {
        const LocalTime today = GetHost().Now();
        ConstructDate(today.Day, today.Month, today.Year % 100, theDate, 0);
    } else {
        ConstructDate(gCalDaySelected, gCalMonthSelected, gCalYearSelected, theDate, 0);
    }
}

void GetJDate(const AHistory* theHPtr, char* JDate)
{
    std::memcpy(JDate, theHPtr->Datime + 9, kJulianLength);
}

void SetJDate(AHistory* theHPtr, const char* JDate)
{
    // Exactly 5 bytes are stored; a shorter text is filled up with NUL.
    const size_t length = strnlen(JDate, kJulianLength);
    std::memset(theHPtr->Datime + 9, 0, kJulianLength);
    std::memcpy(theHPtr->Datime + 9, JDate, length);
}

int GetRemTime(const AHistory* theHPtr)
{
    return static_cast<signed char>(theHPtr->Datime[14]);
}

void SetRemTime(AHistory* theHPtr, int remTime)
{
    theHPtr->Datime[14] = static_cast<char>(static_cast<unsigned>(remTime) & 0xffu);
}

int GetRemType(const AHistory* theHPtr)
{
    return static_cast<unsigned char>(theHPtr->Datime[15]) + 1000;
}

void SetRemType(AHistory* theHPtr, int remType)
{
    theHPtr->Datime[15] = static_cast<char>((static_cast<unsigned>(remType) - 1000u) & 0xffu);
}

namespace {

// A one- or two-digit number as two characters, with a leading 0 for one digit.
void TwoCharacters(const char* from, size_t length, char* out)
{
    out[0] = length == 1 ? '0' : from[0];
    out[1] = length == 1 ? from[0] : from[1];
}

}  // namespace

int ConvertInputDatime(const char* theText, char* theConvertedText)
{
    char today[kDatimeSize];
    GetDatime(today);
    char month[2] = {today[0], today[1]};
    char day[2] = {today[3], today[4]};
    char year[2] = {today[6], today[7]};

    char text[kDatimeSize];
    size_t length = 0;
    for (; length < kDatimeSize - 1 && theText[length]; ++length)
        text[length] = theText[length] == gIntRec.DateSeperator ? '/' : theText[length];
    text[length] = 0;
    if (length == 0)
        return 0;

    const bool dayFirst = CurrentDateOrder() == DateOrder::DayMonthYear;
    const bool yearFirst = CurrentDateOrder() == DateOrder::YearMonthDay;
    const int slashes = CountSlash(text);
    const char* first = std::strchr(text, '/');
    if (slashes == 0) {
        TwoCharacters(text, length == 1 ? 1 : 2, day);
    } else if (slashes == 1) {
        const size_t a = static_cast<size_t>(first - text);
        const size_t b = length - a - 1;
        if (a < 1 || a > 2 || b < 1 || b > 2)
            return 0;
        TwoCharacters(text, a, month);
        TwoCharacters(first + 1, b, day);
        if (dayFirst)
            std::swap(month, day);
    } else if (slashes == 2) {
        const char* second = std::strchr(first + 1, '/');
        const size_t a = static_cast<size_t>(first - text);
        const size_t b = static_cast<size_t>(second - first - 1);
        const size_t c = length - static_cast<size_t>(second - text) - 1;
        if (a < 1 || a > 2 || b < 1 || b > 2 || c != 2)
            return 0;
        char typed[3][2];
        TwoCharacters(text, a, typed[0]);
        TwoCharacters(first + 1, b, typed[1]);
        TwoCharacters(second + 1, c, typed[2]);
        // The typed numbers in the places the date order gives them.
        const int monthAt = yearFirst ? 1 : (dayFirst ? 1 : 0);
        const int dayAt = yearFirst ? 2 : (dayFirst ? 0 : 1);
        const int yearAt = yearFirst ? 0 : 2;
        std::memcpy(month, typed[monthAt], 2);
        std::memcpy(day, typed[dayAt], 2);
        std::memcpy(year, typed[yearAt], 2);
    } else {
        return 0;
    }

    const char date[9] = {month[0], month[1], '/', day[0], day[1], '/', year[0], year[1], 0};
    if (!CheckDatime(date))
        return 0;
    std::memcpy(theConvertedText, date, 9);
    return 1;
}

void GetDisplayToday(char* theDate)
{
    char now[kDatimeSize];
    GetDatime(now);
    now[8] = 0;
    ConvertDateFormat(now, theDate);
    theDate[8] = 0;
}
