// Stored, Julian and display dates, reminder comparisons and the reminder fields packed into a
// history record's Datime.
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/TextMeasure.h"
#include "support/BudgetFixture.h"

#include <cstring>
#include <memory>
#include <string>
#include <tuple>

namespace {

struct FixedWidthMeasure : TextMeasure {
    int TextWidth(const char*, int length) const override { return 7 * length; }
};

class DatesTest : public BudgetFixture {};

std::string Julian(const char* date)
{
    char j[6];
    C2J(date, j);
    return j;
}

}  // namespace

TEST_F(DatesTest, StoredDates)
{
    const struct { int hour, minute; const char* text; } clock[] = {
        {18, 35, "12/05/26 18:35p"}, {9, 5, "12/05/26 09:05a"}, {0, 10, "12/05/26 00:10a"}, {12, 0, "12/05/26 12:00p"},
    };
    for (const auto& c : clock) {
        host.Clock = {2026, 12, 5, c.hour, c.minute, 0};
        char text[kDatimeSize];
        GetDatime(text);
        EXPECT_STREQ(text, c.text);
    }

    // Valid, then month, day and year; a text that is not a date has no parts.
    auto parts = [](const char* t) { return std::tuple(CheckDatime(t), GetMonth(t), GetDay(t), GetYear(t)); };
    const struct { const char* text; int month, day, year; } dates[] = {
        {"1/2/03", 1, 2, 3}, {"12/5/03", 12, 5, 3}, {"12/31/01", 12, 31, 1}, {"02/29/24", 2, 29, 24},
    };
    for (const auto& c : dates)
        EXPECT_EQ(parts(c.text), std::tuple(1, c.month, c.day, c.year)) << c.text;
    for (const char* text : {"02/29/03", "04/31/01", "13/01/01", "0/10/01", "12//01", "123/1/01", "12/31/2001",
                             "12/31/01 10:00a", "1/2/3/", "/12/34", "12/1/3"})
        EXPECT_EQ(parts(text), std::tuple(0, 0, 0, 0)) << text;
    for (const auto& [text, length] : {std::pair{"12/05/26 18:35p", 8}, {"12/5/26 18:35p", 7}, {"1/5/26", 6}})
        EXPECT_EQ(GetDateLength(text), length) << text;
}

TEST_F(DatesTest, ReminderDates)
{
    // Both ways, on the days around the end of February and of the year, in common and leap years.
    const struct { const char* date; const char* julian; } cases[] = {
        {"01/01/03", "03001"}, {"02/28/03", "03059"}, {"03/01/03", "03060"}, {"12/31/03", "03365"},
        {"02/29/04", "04060"}, {"03/01/04", "04061"}, {"12/31/04", "04366"}, {"03/01/00", "00061"},
        {"01/01/05", "05001"}, {"03/01/01", "01060"},
    };
    char out[kDatimeSize];
    for (const auto& c : cases) {
        EXPECT_EQ(Julian(c.date), c.julian);
        J2C(c.julian, out);
        EXPECT_STREQ(out, c.date);
    }
    EXPECT_EQ(Julian("1/2/03"), "03002");
    EXPECT_EQ(Julian("12/31/04 10:00a"), "00000");

    // Due (0) from remTime days before the due date; before that -1, after it 1.
    const struct { const char* current; const char* due; int remTime; int result; } compares[] = {
        {"05010", "05015", 5, 0}, {"05010", "05015", 4, -1}, {"05010", "05015", 6, 1}, {"04362", "05003", 5, -1},
        {"04365", "05003", 5, 1}, {"04366", "05001", 0, -1}, {"06001", "05365", 0, 1}, {"05020", "05015", -5, 0},
    };
    for (const auto& c : compares)
        EXPECT_EQ(CompareJDates(c.current, c.due, c.remTime), c.result) << c.current << " " << c.due;
    EXPECT_EQ(CompareCDates("12/27/04", "1/1/05", 5), 0);

    // The next reminder: month and year move, the day and the rest stay.
    const struct { const char* date; int months; const char* result; } increments[] = {
        {"11/30/05 10:00a", 3, "02/30/06 10:00a"}, {"12/01/05 09:00a", 12, "12/01/06 09:00a"},
        {"06/15/05", 6, "12/15/05"}, {"12/15/99 09:00a", 1, "01/15/00 09:00a"},
        {"03/15/05", 27, "06/15/07"}, {"1/2/03", 1, "1/2/03"},
    };
    for (const auto& c : increments) {
        IncrMonth(c.date, c.months, out);
        EXPECT_STREQ(out, c.result) << c.date;
    }
}

TEST_F(DatesTest, DisplayFormsAndTheCalendar)
{
    const struct { int order; char separator; const char* in; int ok; const char* out; } cases[] = {
        {0, '/', "12/31/01", 1, "12/31/01"}, {kIntDayMonthYear, '.', "12/31/01", 1, "31.12.01"},
        {kIntYearMonthDay, '-', "12/31/01", 1, "01-12-31"}, {kIntDayMonthYear, '.', "1/2/03", 1, "02.01.03"},
        {kIntDayMonthYear, '.', "13/01/01 10:00a", 0, "13/01/01"},
    };
    char out[kDatimeSize];
    for (const auto& c : cases) {
        gIntRec.Flag1 = static_cast<signed char>(c.order);
        gIntRec.DateSeperator = c.separator;
        EXPECT_EQ(ConvertDateFormat(c.in, out), c.ok) << c.in;
        EXPECT_STREQ(out, c.out);
    }

    DateString(FixedWidthMeasure(), "31.12.01", 56, out);  // 8 characters are 56 pixels
    EXPECT_STREQ(out, "31.12.01");
    DateString(FixedWidthMeasure(), "31.12.01", 55, out);
    EXPECT_STREQ(out, "31.12");

    ConstructDate(5, 12, 126, out, 1);  // the stored form, whatever the display order
    EXPECT_STREQ(out, "12/05/26");
    ConstructToDoDate(out);  // no day selected: today from the host clock, in the display form (still D.M.Y)
    EXPECT_STREQ(out, "05.12.26");
    gCalDaySelected = 3;
    gCalMonthSelected = 4;
    gCalYearSelected = 27;
    ConstructToDoDate(out);
    EXPECT_STREQ(out, "03.04.27");

    // The day of the week (Sunday 0) and the length of the month, across the leap day of 2000.
    const struct { int day, month, year, weekday, days; } days[] = {
        {1, 1, 1, 1, 31}, {5, 12, 26, 6, 31}, {1, 1, 0, 6, 31}, {29, 2, 0, 2, 29}, {1, 3, 0, 3, 31},
        {31, 12, 99, 4, 31}, {1, 2, 24, 4, 29}, {1, 2, 25, 6, 28}, {1, 4, 25, 2, 30},
    };
    for (const auto& c : days) {
        gCalYear = c.year;
        EXPECT_EQ(DayOfWeek(c.day, c.month, c.year), c.weekday) << c.day << "/" << c.month << "/" << c.year;
        EXPECT_EQ(DaysInMonth(c.month), c.days) << c.month << "/" << c.year;
    }
    EXPECT_TRUE(DaysInMonth(0) == 0 && DaysInMonth(13) == 0);

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
    EXPECT_EQ(std::tuple(GetRemType(&rec), GetRemTime(&rec)), std::tuple(1206, -3));
    char j[5];
    GetJDate(&rec, j);
    EXPECT_EQ(std::string(j, 5), "05334");

    rec.Datime[14] = 'X';  // every byte set, none a terminator
    auto field = std::make_unique<char[]>(kDatimeSize);
    std::memcpy(field.get(), rec.Datime, kDatimeSize);
    EXPECT_EQ(CheckDatime(field.get()), 0);
    EXPECT_EQ(GetDateLength(field.get()), 8);
    EXPECT_EQ(Julian(field.get()), "00000");
    char out[kDatimeSize];
    IncrMonth(field.get(), 3, out);
    EXPECT_EQ(std::string(out, kDatimeSize), "02/30/06 05334X" + std::string(1, static_cast<char>(206)));
    EXPECT_EQ(ConvertDateFormat(field.get(), out), 0);
    EXPECT_STREQ(out, "11/30/05");
}
