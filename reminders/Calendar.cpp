// The calendar's month: the marks of its days, its height, stepping through the months and the
// meaning of a click.
#include "reminders/Calendar.h"

#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "reminders/Remind.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kJulianSize = 6;

// Where the calendar's parts lie in its client area.
constexpr int kArrowTop = 2, kArrowBottom = 18;
constexpr int kLeftArrowLeft = 0, kLeftArrowRight = 16;
constexpr int kRightArrowLeft = 152, kRightArrowRight = 168;
constexpr int kTitleLeft = 48, kTitleRight = 128, kTitleBottom = 20;
constexpr int kGridTop = 40, kCellWidth = 24, kCellHeight = 20, kWeekRows = 6;

bool Inside(int x, int y, int left, int top, int right, int bottom)
{
    return x >= left && x < right && y >= top && y < bottom;
}

bool IsLeapYear(int year)
{
    return year % 4 == 0;
}

int MonthLength(int month, int year)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year))
        return 29;
    return kDays[month - 1];
}

// The Julian form of a day.
void DayJulian(int year, int month, int day, char* julian)
{
    char date[kDatimeSize];
    ConstructDate(day, month, year, date, 1);
    C2J(date, julian);
}

// The day, month and year of a To Do item; zeros when its date is not one.
void ToDoDate(const ToDo* rec, int* day, int* month, int* year)
{
    char date[kDatimeSize];
    std::memcpy(date, rec->Datime, 8);
    date[8] = 0;
    *day = GetDay(date);
    *month = GetMonth(date);
    *year = GetYear(date);
}

// Calls f for every record carrying a reminder, in grid and chain order.
template <typename F>
void ForEachReminder(F f)
{
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            if (!Accounts[Mi][Si].Valid)
                continue;
            for (const AHistory* h = MemoryAccounts[Mi][Si].HistoryRec; h; h = h->HistoryFP)
                if (h->Remind)
                    f(h);
        }
}

DayMark Combine(int toDo, int reminder)
{
    if (reminder == 2)
        return DayMark::Due;
    if (reminder == 1)
        return DayMark::Notice;
    if (toDo == 2)
        return DayMark::OverDue;
    return toDo == 1 ? DayMark::ToDo : DayMark::Plain;
}

// The month with its marks, from one walk over the To Do chain and one over the histories. A
// reminder's due day and notice day are found from its own dates, as CompareJDates counts them
// (a notice reaching back past New Year counts from the end of the previous year), and the first
// reminder in grid and chain order to fall on a day decides it.
CalendarMonth BuildMonth(int month, int year)
{
    CalendarMonth shown;
    shown.Month = month;
    shown.Year = year;
    shown.FirstWeekday = DayOfWeek(1, month, year);
    shown.Days = MonthLength(month, year);
    shown.Height = CalendarHeight(month, year);

    std::array<int, 32> toDo{}, reminder{};
    for (const ToDo* r = gToDoAnchor; r; r = r->ToDoFP) {
        int day = 0, m = 0, y = 0;
        ToDoDate(r, &day, &m, &y);
        if (m == month && y == year && day >= 1 && day <= shown.Days)
            toDo[day] = std::max(toDo[day], r->OverDue ? 2 : 1);
    }

    char first[kJulianSize];
    DayJulian(year, month, 1, first);
    const int firstDay = GetJDay(first);
    // Sets the mark of the day (year, day of the year) unless an earlier reminder decided it.
    auto mark = [&](long long y, long long dayOfYear, int value) {
        const long long day = dayOfYear - firstDay + 1;
        if (y == year && day >= 1 && day <= shown.Days && reminder[day] == 0)
            reminder[day] = value;
    };
    ForEachReminder([&](const AHistory* h) {
        char due[kJulianSize];
        GetJDate(h, due);
        due[5] = 0;
        const long long dueYear = GetJYear(due);
        const long long dueDay = GetJDay(due);
        mark(dueYear, dueDay, 2);
        long long noticeYear = dueYear;
        long long noticeDay = dueDay - GetRemTime(h);
        if (noticeDay < 1) {
            --noticeYear;
            noticeDay += IsLeapYear(static_cast<int>((noticeYear % 100 + 100) % 100)) ? 366 : 365;
        }
        mark(noticeYear, noticeDay, 1);
    });

    for (int day = 1; day <= shown.Days; ++day)
        shown.Marks[day] = Combine(toDo[day], reminder[day]);
    return shown;
}

struct ShownCache {
    CalendarMonth Month;
    bool Built = false;
    uint64_t Stamp = 0;
    uint64_t Shape = 0;
};

ShownCache& Cache()
{
    static ShownCache cache;
    return cache;
}

LocalTime Today()
{
    return GetHost().Now();
}

}  // namespace

int CheckToDoDueDate(int year, int month, int day)
{
    int found = 0;
    for (const ToDo* r = gToDoAnchor; r; r = r->ToDoFP) {
        int d = 0, m = 0, y = 0;
        ToDoDate(r, &d, &m, &y);
        if (d == day && m == month && y == year) {
            if (r->OverDue)
                return 2;
            found = 1;
        }
    }
    return found;
}

int CheckReminderDueDate(int year, int month, int day)
{
    char cell[kJulianSize];
    DayJulian(year, month, day, cell);
    int found = 0;
    ForEachReminder([&](const AHistory* h) {
        if (found)
            return;
        char due[kJulianSize];
        GetJDate(h, due);
        due[5] = 0;
        if (CompareJDates(cell, due, 0) == 0)
            found = 2;
        else if (CompareJDates(cell, due, GetRemTime(h)) == 0)
            found = 1;
    });
    return found;
}

bool CalendarMonth::IsToday(int day) const
{
    const LocalTime today = Today();
    return day == today.Day && Month == today.Month && Year == today.Year % 100;
}

int CalendarHeight(int month, int year)
{
    return DayOfWeek(1, month, year) + MonthLength(month, year) <= 35 ? 168 : 188;
}

// Besides the stamp, a change of the histories' shape (a record added or taken away, as by
// recording or undoing a check that carries a reminder) builds the marks anew. An edit that
// leaves the shape alone is seen when the calendar window is next shown, which builds anew.
const CalendarMonth& ShownCalendarMonth()
{
    ShownCache& cache = Cache();
    const int month = std::clamp(gCalMonth, 1, 12);
    const int year = std::clamp(gCalYear, kFirstCalendarYear, kLastCalendarYear);
    if (!cache.Built || cache.Month.Month != month || cache.Month.Year != year || cache.Stamp != gReminderStamp ||
        cache.Shape != gHistoryShape) {
        cache.Month = BuildMonth(month, year);
        cache.Built = true;
        cache.Stamp = gReminderStamp;
        cache.Shape = gHistoryShape;
    }
    return cache.Month;
}

void MarkCalendarStale()
{
    ++gReminderStamp;
}

CalendarAction CalendarClick(int x, int y)
{
    const int previous = gCalDaySelected;
    gCalDaySelected = gCalMonthSelected = gCalYearSelected = 0;
    const LocalTime now = Today();
    const int todayDay = now.Day, todayMonth = now.Month, todayYear = now.Year % 100;

    if (Inside(x, y, kLeftArrowLeft, kArrowTop, kLeftArrowRight, kArrowBottom)) {
        if (gCalMonth == 1 && gCalYear <= kFirstCalendarYear)
            return CalendarAction::Repaint;
        if (--gCalMonth < 1) {
            gCalMonth = 12;
            --gCalYear;
        }
        return CalendarAction::Resize;
    }
    if (Inside(x, y, kRightArrowLeft, kArrowTop, kRightArrowRight, kArrowBottom)) {
        if (gCalMonth == 12 && gCalYear >= kLastCalendarYear)
            return CalendarAction::Repaint;
        if (++gCalMonth > 12) {
            gCalMonth = 1;
            ++gCalYear;
        }
        return CalendarAction::Resize;
    }
    if (Inside(x, y, kTitleLeft, 0, kTitleRight, kTitleBottom)) {
        const bool moved = gCalMonth != todayMonth || gCalYear != todayYear;
        gCalDay = todayDay;
        gCalMonth = todayMonth;
        gCalYear = todayYear;
        return moved ? CalendarAction::Resize : CalendarAction::Repaint;
    }

    // Days before today are never selected.
    if (gCalYear < todayYear || (gCalYear == todayYear && gCalMonth < todayMonth))
        return CalendarAction::Repaint;
    const bool thisMonth = gCalYear == todayYear && gCalMonth == todayMonth;
    if (thisMonth && gCalDay < todayDay)
        return CalendarAction::Repaint;

    if (x < 0 || y < kGridTop || x >= 7 * kCellWidth || y >= kGridTop + kWeekRows * kCellHeight)
        return CalendarAction::Repaint;
    const CalendarMonth& shown = ShownCalendarMonth();
    const int cell = (y - kGridTop) / kCellHeight * 7 + x / kCellWidth;
    const int day = cell - shown.FirstWeekday + 1;
    if (day < 1 || day > shown.Days)
        return CalendarAction::Repaint;
    if (thisMonth && day < todayDay)
        return CalendarAction::Repaint;
    if (day == previous)
        return CalendarAction::HideReminders;
    gCalDaySelected = day;
    gCalMonthSelected = gCalMonth;
    gCalYearSelected = gCalYear;
    return CalendarAction::ShowReminders;
}
