// Stored, Julian and display dates, reminder comparisons and the reminder fields packed into a
// history record's Datime.
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/TextMeasure.h"
#include "support/BudgetFixture.h"

#include <cstring>
#include <memory>
#include <string>

namespace {

class FixedWidthMeasure : public TextMeasure {
public:
    int TextWidth(const char*, int length) const override { return 7 * length; }
};

class DatesTest : public BudgetFixture {
protected:
    void UseDisplayOrder(int orderBit, char separator)
    {
        gIntRec.Flag1 = static_cast<signed char>((gIntRec.Flag1 & ~(kIntDayMonthYear | kIntYearMonthDay)) | orderBit);
        gIntRec.DateSeperator = separator;
    }
};

std::string Julian(const char* date)
{
    char j[6];
    C2J(date, j);
    return j;
}

}  // namespace

TEST_F(DatesTest, GetDatimeFromTheHostClock)
{
    const struct { int hour, minute; const char* text; } cases[] = {
        {18, 35, "12/05/26 18:35p"}, {9, 5, "12/05/26 09:05a"}, {0, 10, "12/05/26 00:10a"},
        {12, 0, "12/05/26 12:00p"},
    };
    for (const auto& c : cases) {
        host.Clock.Hour = c.hour;
        host.Clock.Minute = c.minute;
        char text[kDatimeSize];
        GetDatime(text);
        EXPECT_STREQ(text, c.text);
    }
}

TEST_F(DatesTest, ChecksAndTakesApartDateParts)
{
    const struct { const char* text; int month, day, year; } cases[] = {
        {"1/2/03", 1, 2, 3}, {"12/5/03", 12, 5, 3}, {"12/31/01", 12, 31, 1}, {"02/29/24", 2, 29, 24},
        {"2/29/04", 2, 29, 4}, {"02/29/03", 0, 0, 0}, {"04/31/01", 0, 0, 0}, {"13/01/01", 0, 0, 0},
        {"0/10/01", 0, 0, 0}, {"12//01", 0, 0, 0}, {"123/1/01", 0, 0, 0}, {"12/31/2001", 0, 0, 0},
        {"12/31/01 10:00a", 0, 0, 0}, {"1/2/3/", 0, 0, 0}, {"/12/34", 0, 0, 0}, {"12/1/3", 0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckDatime(c.text), c.month != 0 ? 1 : 0) << c.text;
        EXPECT_EQ(GetMonth(c.text), c.month) << c.text;
        EXPECT_EQ(GetDay(c.text), c.day) << c.text;
        EXPECT_EQ(GetYear(c.text), c.year) << c.text;
    }

    const struct { const char* text; int length; } lengths[] = {
        {"12/05/26 18:35p", 8}, {"12/5/26 18:35p", 7}, {"1/5/26 18:35p", 6}, {"1/5/26", 6},
    };
    for (const auto& c : lengths)
        EXPECT_EQ(GetDateLength(c.text), c.length) << c.text;
}

TEST_F(DatesTest, JulianDates)
{
    const struct { const char* date; const char* julian; } cases[] = {
        {"12/31/04", "04366"}, {"03/01/01", "01060"}, {"01/01/05", "05001"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Julian(c.date), c.julian);
        char back[kDatimeSize];
        J2C(c.julian, back);
        EXPECT_STREQ(back, c.date);
    }
    EXPECT_EQ(Julian("1/2/03"), "03002");
    EXPECT_EQ(Julian("12/31/04 10:00a"), "00000");

    // Every day of a common and of a leap year survives the way there and back, in order.
    for (int year : {3, 4}) {
        int expectedDay = 0;
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                char date[kDatimeSize];
                ConstructDate(day, month, year, date, 1);
                if (!CheckDatime(date))
                    continue;
                const std::string j = Julian(date);
                EXPECT_EQ(GetJYear(j.c_str()), year);
                EXPECT_EQ(GetJDay(j.c_str()), ++expectedDay) << date;
                char back[kDatimeSize];
                J2C(j.c_str(), back);
                EXPECT_STREQ(back, date);
            }
        }
        EXPECT_EQ(expectedDay, year == 4 ? 366 : 365);
    }
}

TEST_F(DatesTest, ComparesWithAdvanceNotice)
{
    const struct { const char* current; const char* due; int remTime; int result; } cases[] = {
        {"05010", "05015", 5, 0}, {"05010", "05015", 4, -1}, {"05010", "05015", 6, 1},
        {"04362", "05003", 5, -1}, {"04365", "05003", 5, 1}, {"04366", "05001", 0, -1},
        {"06001", "05365", 0, 1}, {"05020", "05015", -5, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompareJDates(c.current, c.due, c.remTime), c.result) << c.current << " " << c.due;

    EXPECT_EQ(CompareCDates("12/27/04", "1/1/05", 5), 0);
    EXPECT_EQ(CompareCDates("3/1/05", "02/28/05", 0), 1);
}

TEST_F(DatesTest, IncrMonthMovesMonthAndYearOnly)
{
    const struct { const char* date; int months; const char* result; } cases[] = {
        {"11/30/05 10:00a", 3, "02/30/06 10:00a"}, {"12/01/05 09:00a", 12, "12/01/06 09:00a"},
        {"06/15/05", 6, "12/15/05"}, {"12/15/99 09:00a", 1, "01/15/00 09:00a"},
        {"03/15/05", 27, "06/15/07"}, {"1/2/03", 1, "1/2/03"},
    };
    for (const auto& c : cases) {
        char out[kDatimeSize];
        IncrMonth(c.date, c.months, out);
        EXPECT_STREQ(out, c.result) << c.date;
    }
}

TEST_F(DatesTest, DisplayForms)
{
    const struct { int order; char separator; const char* in; int ok; const char* out; } cases[] = {
        {0, '/', "12/31/01", 1, "12/31/01"}, {kIntDayMonthYear, '.', "12/31/01", 1, "31.12.01"},
        {kIntYearMonthDay, '-', "12/31/01", 1, "01-12-31"}, {kIntDayMonthYear, '.', "1/2/03", 1, "02.01.03"},
        {kIntDayMonthYear, '.', "13/01/01 10:00a", 0, "13/01/01"},
    };
    for (const auto& c : cases) {
        UseDisplayOrder(c.order, c.separator);
        char out[kDatimeSize];
        EXPECT_EQ(ConvertDateFormat(c.in, out), c.ok) << c.in;
        EXPECT_STREQ(out, c.out);
    }

    UseDisplayOrder(kIntDayMonthYear, '.');
    char date[kDatimeSize];
    ConstructDate(5, 12, 26, date, 0);
    EXPECT_STREQ(date, "05.12.26");
    ConstructDate(5, 12, 126, date, 1);
    EXPECT_STREQ(date, "12/05/26");

    ConstructToDoDate(date);  // no day selected: today from the host clock
    EXPECT_STREQ(date, "05.12.26");
    gCalDaySelected = 3;
    gCalMonthSelected = 4;
    gCalYearSelected = 27;
    ConstructToDoDate(date);
    EXPECT_STREQ(date, "03.04.27");

    const FixedWidthMeasure measure;  // 8 characters are 56 pixels
    DateString(measure, "31.12.01", 56, date);
    EXPECT_STREQ(date, "31.12.01");
    DateString(measure, "31.12.01", 55, date);
    EXPECT_STREQ(date, "31.12");
}

TEST_F(DatesTest, CalendarHelpers)
{
    const struct { int day, month, year, weekday; } weekdays[] = {
        {1, 1, 1, 1}, {5, 12, 26, 6}, {1, 1, 0, 6}, {29, 2, 0, 2}, {1, 3, 0, 3}, {31, 12, 99, 4},
    };
    for (const auto& c : weekdays)
        EXPECT_EQ(DayOfWeek(c.day, c.month, c.year), c.weekday) << c.day << "/" << c.month << "/" << c.year;

    const struct { int calYear, month, days; } lengths[] = {
        {24, 2, 29}, {25, 2, 28}, {0, 2, 29}, {25, 4, 30}, {25, 0, 0}, {25, 13, 0},
    };
    for (const auto& c : lengths) {
        gCalYear = c.calYear;
        EXPECT_EQ(DaysInMonth(c.month), c.days) << c.month << "/" << c.calYear;
    }

    const struct { int num; const char* name; } names[] = {
        {1, "Jan"}, {7, "July"}, {9, "Sept"}, {12, "Dec"}, {0, "same"}, {13, "same"},
    };
    for (const auto& c : names) {
        char text[8] = "same";
        GetWordMonth(c.num, text);
        EXPECT_STREQ(text, c.name);
    }
}

// A reminder's Datime has no terminator: the date routines must stay within its 16 bytes (ASan
// watches the heap copy) and the packed fields must not disturb the date part.
TEST_F(DatesTest, ReminderFieldsInAFullDatime)
{
    AHistory rec{};
    std::memcpy(rec.Datime, "11/30/05 XXXXXXX", kDatimeSize);
    SetJDate(&rec, "05334");
    SetRemTime(&rec, -3);
    SetRemType(&rec, 1206);
    EXPECT_EQ(static_cast<unsigned char>(rec.Datime[15]), 206);
    EXPECT_EQ(GetRemType(&rec), 1206);
    EXPECT_EQ(GetRemTime(&rec), -3);
    char j[5];
    GetJDate(&rec, j);
    EXPECT_EQ(std::string(j, 5), "05334");
    EXPECT_EQ(std::string(rec.Datime, 9), "11/30/05 ");

    rec.Datime[15] = static_cast<char>(204);
    EXPECT_EQ(GetRemType(&rec), 1204);

    rec.Datime[14] = 'X';  // every byte set, none a terminator
    auto field = std::make_unique<char[]>(kDatimeSize);
    std::memcpy(field.get(), rec.Datime, kDatimeSize);
    EXPECT_EQ(CheckDatime(field.get()), 0);
    EXPECT_EQ(GetDateLength(field.get()), 8);
    EXPECT_EQ(Julian(field.get()), "00000");
    char out[kDatimeSize];
    IncrMonth(field.get(), 3, out);
    EXPECT_EQ(std::string(out, kDatimeSize), "02/30/06 05334X" + std::string(1, static_cast<char>(204)));
    EXPECT_EQ(ConvertDateFormat(field.get(), out), 0);
    EXPECT_STREQ(out, "11/30/05");
}
