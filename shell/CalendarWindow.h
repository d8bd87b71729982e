// The calendar window ("Calendar"): a month of day cells marking To Do items, reminders and
// today, with arrows to step through the months, the title to go back to today's month, and a
// click on a day from today on to see and add its To Do items in the reminder window. The window
// is made hidden at start-up and only shown and hidden afterwards.
#pragma once

#include "model/Records.h"

class DrawContext;
struct LongLivedWindows;

// The calendar's geometry in pixels of its client area: cells 24 x 20, weekday letters in the
// row at y 20 and the week rows from y 40.
constexpr int kCalendarCellWidth = 24;
constexpr int kCalendarCellHeight = 20;
constexpr int kCalendarWeekdayY = 20;
constexpr int kCalendarGridY = 40;
constexpr int kCalendarTitleWidth = 176;
constexpr int kCalendarLeftArrowX = 0;
constexpr int kCalendarRightArrowX = 152;
constexpr int kCalendarArrowY = 2;
// The window's width and the month's height count the window's frame and caption: the client
// area is the seven cells wide and the month's week rows high.
constexpr int kCalendarFrameWidth = 8;
constexpr int kCalendarFrameHeight = 28;
constexpr int kCalendarWidth = 176;

// The client size for the shown month: 168 x 140 with five week rows, 168 x 160 with six.
int CalendarClientHeight();

// Gives the window made at start-up its painting, clicks, moving and closing.
void AttachCalendarWindow(const LongLivedWindows& windows);

// Shows the calendar in front at its stored place, sized for the shown month.
void DisplayCalendar();
// Repaints the calendar when it is shown (its marks or selection changed).
void RepaintCalendar();

void PaintCalendarWindow(DrawContext& dc);
// A left press at a point of the client area: what the calendar's model makes of it, done.
void CalendarWindowMouse(POINT thePoint);
