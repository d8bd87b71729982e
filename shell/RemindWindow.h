// The reminder window ("Reminder Window"): the reminders that were due when the budget was opened
// (writing the next check or deposit from one of them), and the To Do items of the day chosen in
// the calendar or of today (adding and deleting them). The window is made hidden at start-up and
// only shown and hidden afterwards.
#pragma once

#include "model/Records.h"

#include <QFont>

class DrawContext;
class QPaintDevice;
struct LongLivedWindows;

// Where the window's parts are, in pixels of its client area.
constexpr int kRemindListX = 8;
constexpr int kRemindListY = 26;
constexpr int kRemindPage = 4;  // lines of the reminder list's page, and of its height
constexpr int kToDoListY = 118;
constexpr int kToDoPage = 5;
constexpr int kRemindPaneWidth = 392;
constexpr int kRemindLineWidth = 372;  // drawn width of a line of either list
constexpr RECT kAddToDoArea{296, 100, 384, 116};  // the add button of the To Do header

// Gives the window made at start-up its painting, clicks, scrolling, moving and closing.
void AttachRemindWindow(const LongLivedWindows& windows);

// Shows the window in front at its stored place, with both lists read anew (the To Do list for
// the chosen day).
void DisplayRemind();
// A reminder left the due list: the window is hidden, and shown again while any is left.
void AfterRemindersChanged();
// After a budget was opened: the calendar when the budget asks for it, the reminders when any
// are due, and a word when more are due than the list holds.
void ShowRemindersAfterOpening();
// Closing the window: the calendar's selected day is cleared and the window hidden.
void CloseRemindWindow();

void PaintRemindWindow(DrawContext& dc);
// The lists' font: the history font, made smaller when it is taller than the window's fixed
// text lines, so a large history font never draws one line over the next.
QFont RemindListFont(const QPaintDevice& device);
// A page of a list: the entries from pageStart, one per line from y = 0, one line more than
// pageSize (the line cut by the list's bottom edge).
void PaintRemindList(DrawContext& dc, int pageStart, int pageSize);
void PaintToDoList(DrawContext& dc, int pageStart, int pageSize);
// One reminder's line: its picture, due date, repeat letter and payee, red once the due date
// has passed on `today` (stored date part).
void DrawReminderData(DrawContext& dc, const AHistory* theHPtr, RECT theRect, const char* today);
void DrawToDoData(DrawContext& dc, const ToDo* theToDoPtr, RECT theRect);

// A left press on the window outside the lists: the add button opens the To Do dialog.
void HandleAddToDoMouse(POINT thePoint);
// A left press in the reminder list showing the page from pageStart: the check or deposit
// dialog filled from the reminder's record (nothing for an ATM withdrawal).
void HandleRemindMouse(int pageStart, int pageSize, POINT thePoint);
// A left press in the To Do list: the delete dialog for the item under it.
void HandleToDoMouse(int pageStart, int pageSize, POINT thePoint);
