// The calendar's month: which days carry To Do items and reminders, its size, stepping through
// the months and what a click on it does. The calendar window paints this model and budget-cli
// prints it.
#pragma once

#include <array>

// The years the two-digit dates can hold: January 2000 to December 2099.
constexpr int kFirstCalendarYear = 0;
constexpr int kLastCalendarYear = 99;

// The mark of a day, in the order later marks are drawn over earlier ones.
enum class DayMark {
    Plain = 0,
    ToDo = 1,      // a To Do item on that day
    OverDue = 2,   // an overdue To Do item moved to that day
    Notice = 3,    // the first day of a reminder's notice
    Due = 4,       // a reminder's due date (drawn over any To Do mark)
};

// Over the whole To Do chain (deleted items included): 2 if an item of that day is OverDue, else
// 1 if there is one, else 0.
int CheckToDoDueDate(int year, int month, int day);
// Over every valid slot's history in grid and chain order, the first reminder whose due date or
// notice day is that day decides: 2 for its due date, 1 for its notice day; 0 if none.
int CheckReminderDueDate(int year, int month, int day);

// The month gCalMonth/gCalYear as the calendar shows it.
struct CalendarMonth {
    int Month = 1;
    int Year = 0;          // two digits
    int FirstWeekday = 0;  // of the 1st, 0 = Sunday
    int Days = 31;
    int Height = 188;      // of the window: 168 when five week rows hold the month, else 188
    std::array<DayMark, 32> Marks{};  // by day of the month, 1 to Days
    bool IsToday(int day) const;      // against the host's clock
};
// The shown month with its marks, built once per month shown and again after MarkCalendarStale.
const CalendarMonth& ShownCalendarMonth();
// Reminders or To Do items changed (or another budget was opened): the marks are built anew.
void MarkCalendarStale();

// The window height for a month: 168 when its days fit five week rows, else 188.
int CalendarHeight(int month, int year);

// What the calendar window does after a click.
enum class CalendarAction {
    Repaint,        // only repaint
    Resize,         // the shown month changed: resize for it and repaint
    HideReminders,  // the selected day was clicked again
    ShowReminders,  // a day was selected: repaint and show the reminder window for it
};
// A click at (x, y) in the calendar's client area, with its arrows, title and day cells: the
// selection is cleared first, the arrows step a month (never beyond January 2000 or December
// 2099), the title goes back to today, a day from today on is selected.
CalendarAction CalendarClick(int x, int y);
