// The calendar's month: its rows and height, stepping through the months within 2000 to 2099,
// what a click selects, and the marks of its days, built once per month shown.
#include "support/BudgetFixture.h"
#include "support/SampleBudget.h"

#include "model/Globals.h"
#include "model/Money.h"
#include "model/RecordStore.h"
#include "reminders/Calendar.h"
#include "reminders/Remind.h"
#include "reminders/ToDo.h"

#include <string>
#include <tuple>

namespace {

class CalendarTest : public BudgetFixture {
protected:
    // Today is Saturday 12/05/26; December 2026 begins on a Tuesday.
    static void Show(int month, int year)
    {
        gCalMonth = month;
        gCalYear = year;
    }
    // The centre of the cell of `day` in the shown month.
    static std::pair<int, int> CellOf(int day)
    {
        const int cell = ShownCalendarMonth().FirstWeekday + day - 1;
        return {cell % 7 * 24 + 12, 40 + cell / 7 * 20 + 10};
    }
    static CalendarAction ClickDay(int day)
    {
        const auto [x, y] = CellOf(day);
        return CalendarClick(x, y);
    }
    static std::tuple<int, int, int> Selected()
    {
        return {gCalDaySelected, gCalMonthSelected, gCalYearSelected};
    }
    static void AddToDo(const char* date, bool overDue = false)
    {
        ToDo* t = NewToDoRecord();
        CopyString(date, t->Datime);
        CopyString("item", t->ToDo);
        AddToDoRecord(t);
        t->OverDue = overDue ? 1 : t->OverDue;
    }
    static AHistory* AddReminder(int Mi, const char* due, int notice)
    {
        AHistory* h = AddTestHistory(Mi, 0, 100, true, "Payee");
        SetTestReminder(h, due, notice);
        return h;
    }
};

// Five week rows give a window 168 high, six 188; the month's length comes from its own year.
TEST_F(CalendarTest, MonthsOfFiveAndSixWeekRows)
{
    const struct { int month, year, firstWeekday, days, height; } cases[] = {
        {2, 15, 0, 28, 168},   // Sunday the 1st, four full rows
        {2, 4, 0, 29, 168},    // leap February from a Sunday
        {2, 0, 2, 29, 168},    // 2000 is a leap year
        {1, 0, 6, 31, 188},    // Saturday the 1st, 31 days
        {1, 10, 5, 31, 188},   // Friday the 1st, 31 days
        {4, 11, 5, 30, 168},   // Friday the 1st, 30 days: exactly five rows
        {12, 26, 2, 31, 168},
    };
    for (const auto& c : cases) {
        Show(c.month, c.year);
        const CalendarMonth& m = ShownCalendarMonth();
        EXPECT_EQ(std::tuple(m.Month, m.Year, m.FirstWeekday, m.Days, m.Height),
                  std::tuple(c.month, c.year, c.firstWeekday, c.days, c.height))
            << c.month << "/" << c.year;
        EXPECT_EQ(CalendarHeight(c.month, c.year), c.height);
    }
}

// The arrows step a month, across years, and stop at January 2000 and December 2099; the title
// goes back to today. Every click clears the selection.
TEST_F(CalendarTest, ArrowsAndTitleWithinTheYearsDatesHold)
{
    enum Where { Left, Right, Title };
    const struct { int month, year; Where where; int toMonth, toYear; CalendarAction action; } cases[] = {
        {1, 5, Left, 12, 4, CalendarAction::Resize},     {12, 4, Right, 1, 5, CalendarAction::Resize},
        {6, 26, Left, 5, 26, CalendarAction::Resize},    {6, 26, Right, 7, 26, CalendarAction::Resize},
        {1, 0, Left, 1, 0, CalendarAction::Repaint},     {2, 0, Left, 1, 0, CalendarAction::Resize},
        {12, 99, Right, 12, 99, CalendarAction::Repaint}, {11, 99, Right, 12, 99, CalendarAction::Resize},
        {3, 30, Title, 12, 26, CalendarAction::Resize},  {12, 26, Title, 12, 26, CalendarAction::Repaint},
    };
    const std::pair<int, int> points[] = {{8, 10}, {160, 10}, {88, 10}};
    for (const auto& c : cases) {
        Show(c.month, c.year);
        gCalDay = 1;
        gCalDaySelected = 20, gCalMonthSelected = 12, gCalYearSelected = 26;
        const auto [x, y] = points[c.where];
        EXPECT_EQ(CalendarClick(x, y), c.action) << c.month << "/" << c.year << " at " << x;
        EXPECT_EQ(std::tuple(gCalMonth, gCalYear), std::tuple(c.toMonth, c.toYear)) << c.month << "/" << c.year;
        EXPECT_EQ(Selected(), std::tuple(0, 0, 0));
        if (c.where == Title) {
            EXPECT_EQ(gCalDay, 5);
        }
    }
}

// Today (12/05/26) and later days are selected; a past day, a blank cell, a point off the grid,
// a past month, or any day while the shown date lags behind today select nothing; the selected
// day clicked again hides the reminder window.
TEST_F(CalendarTest, ClicksSelectTodayOrALaterDay)
{
    const struct { int month, year, calDay, day; std::pair<int, int> at; CalendarAction action; int selected; } cases[] = {
        {12, 26, 5, 4, {}, CalendarAction::Repaint, 0},
        {12, 26, 5, 5, {}, CalendarAction::ShowReminders, 5},
        {12, 26, 5, 31, {}, CalendarAction::ShowReminders, 31},
        {12, 26, 5, 31, {}, CalendarAction::HideReminders, 0},
        {12, 26, 5, 0, {12, 50}, CalendarAction::Repaint, 0},  // the blank cell before the 1st
        {12, 26, 5, 0, {100, 39}, CalendarAction::Repaint, 0},
        {12, 26, 5, 0, {170, 60}, CalendarAction::Repaint, 0},
        {12, 26, 5, 0, {100, 160}, CalendarAction::Repaint, 0},
        {12, 26, 5, 0, {-1, 60}, CalendarAction::Repaint, 0},
        {1, 27, 5, 1, {}, CalendarAction::ShowReminders, 1},
        {11, 26, 5, 30, {}, CalendarAction::Repaint, 0},
        {1, 25, 5, 31, {}, CalendarAction::Repaint, 0},
        {12, 26, 3, 20, {}, CalendarAction::Repaint, 0},
    };
    for (const auto& c : cases) {
        Show(c.month, c.year);
        gCalDay = c.calDay;
        const auto [x, y] = c.day ? CellOf(c.day) : c.at;
        EXPECT_EQ(CalendarClick(x, y), c.action) << c.month << "/" << c.day << " at " << x << "," << y;
        EXPECT_EQ(Selected(), c.selected ? std::tuple(c.selected, c.month, c.year) : std::tuple(0, 0, 0)) << c.day;
    }
}

// The marks of December 2026: To Do items (overdue apart), a reminder's notice and due day (over
// any To Do mark), a notice from January, the first reminder in grid and chain order (newest
// first) deciding a day, none from an empty slot or a cleared reminder; each day agrees with the
// one-day questions.
TEST_F(CalendarTest, MarksOfTheMonth)
{
    for (int Mi = 1; Mi <= 4; ++Mi)
        AddTestAccount(Mi, 0, "Account");
    AddToDo("12/10/26");
    AddToDo("12/10/26");
    AddToDo("12/05/26", true);
    AddToDo("12/06/26");
    AddToDo("12/06/26", true);
    AddToDo("12/20/26");
    AddToDo("11/20/26");  // becomes today's, overdue
    AddToDo("01/10/27");
    AddReminder(1, "12/20/26", 5);   // notice 12/15
    AddReminder(1, "01/03/27", 5);   // notice 12/29
    AddReminder(2, "12/22/26", 0);   // due and notice 12/22: due
    AddReminder(2, "12/24/26", 1);   // notice 12/23, decided before the later due on it
    AddReminder(3, "12/23/26", 0);
    AddReminder(3, "12/27/26", 1);   // notice 12/26; its due day is decided by the newer record
    AddReminder(3, "12/28/26", 1);   // newest of its chain: due 12/28, notice 12/27
    AddReminder(4, "12/12/26", 0)->Remind = 0;
    AddTestHistory(5, 0, 100, true, "Empty slot");
    AddReminder(5, "12/13/26", 0);   // slot 5 is no account
    AddReminder(1, "12/31/26", 28);  // notice 12/03

    Show(12, 26);
    const CalendarMonth& m = ShownCalendarMonth();
    const struct { int day; DayMark mark; } marks[] = {
        {3, DayMark::Notice},  {4, DayMark::Plain},   {5, DayMark::OverDue}, {6, DayMark::OverDue},
        {10, DayMark::ToDo},   {12, DayMark::Plain},  {13, DayMark::Plain},  {15, DayMark::Notice},
        {20, DayMark::Due},    {22, DayMark::Due},    {23, DayMark::Notice}, {24, DayMark::Due},
        {25, DayMark::Plain},  {26, DayMark::Notice}, {27, DayMark::Notice}, {28, DayMark::Due},
        {29, DayMark::Notice}, {31, DayMark::Due},
    };
    for (const auto& c : marks)
        EXPECT_EQ(m.Marks[c.day], c.mark) << "12/" << c.day;
    for (int day = 1; day <= 31; ++day) {
        const int toDo = CheckToDoDueDate(26, 12, day);
        const int reminder = CheckReminderDueDate(26, 12, day);
        const DayMark expected = reminder == 2   ? DayMark::Due
                                 : reminder == 1 ? DayMark::Notice
                                 : toDo == 2     ? DayMark::OverDue
                                 : toDo == 1     ? DayMark::ToDo
                                                 : DayMark::Plain;
        EXPECT_EQ(m.Marks[day], expected) << "12/" << day;
        EXPECT_EQ(m.IsToday(day), day == 5);
    }
    Show(1, 27);
    EXPECT_EQ(ShownCalendarMonth().Marks[3], DayMark::Due);
    EXPECT_EQ(ShownCalendarMonth().Marks[10], DayMark::ToDo);
    EXPECT_FALSE(ShownCalendarMonth().IsToday(5));
}

// The marks are built once for the month shown and kept until reminders or To Do items change
// through the program's functions, or another budget is opened or made.
TEST_F(CalendarTest, MarksAreKeptUntilRemindersOrToDoItemsChange)
{
    AddTestAccount(1, 0, "Account");
    Show(12, 26);
    AHistory* h = AddReminder(1, "12/20/26", 5);
    ASSERT_EQ(ShownCalendarMonth().Marks[20], DayMark::Due);

    h->Remind = 0;  // behind the calendar's back: the marks stay
    EXPECT_EQ(ShownCalendarMonth().Marks[20], DayMark::Due);
    h->Remind = 1;
    DeleteReminder(h);
    EXPECT_EQ(ShownCalendarMonth().Marks[20], DayMark::Plain);

    EXPECT_EQ(SetReminder(h, "12/24/26", "0", kRemindMonthly), 1);
    EXPECT_EQ(ShownCalendarMonth().Marks[24], DayMark::Due);

    EXPECT_EQ(RecordToDo("Call the bank"), 1);
    EXPECT_EQ(ShownCalendarMonth().Marks[5], DayMark::ToDo);
    DeleteToDo(gToDoAnchor);
    EXPECT_EQ(ShownCalendarMonth().Marks[5], DayMark::ToDo);  // deleted items keep their mark until saved

    ReleaseBudgetRecords();
    NewBudget();
    EXPECT_EQ(ShownCalendarMonth().Marks[24], DayMark::Plain);
    EXPECT_EQ(ShownCalendarMonth().Marks[5], DayMark::Plain);
}

}  // namespace
