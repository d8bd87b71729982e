// The reminder window: showing it, painting the window and its two lists, and the clicks on them.
#include "shell/RemindWindow.h"

#include "dialogs/EntryDialogs.h"
#include "dialogs/ReminderDialogs.h"
#include "history/HistoryList.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "platform/DrawContext.h"
#include "platform/ListLines.h"
#include "platform/Mouse.h"
#include "platform/Pictures.h"
#include "reminders/Calendar.h"
#include "reminders/Remind.h"
#include "reminders/ToDo.h"
#include "shell/CalendarWindow.h"
#include "shell/Windows.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <string>

namespace {

constexpr COLORREF kStandard = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kPaneFrame = RGB(0, 0, 0);

// Columns of a line, from its left edge.
constexpr int kPictureX = 2;
constexpr int kDueX = 20;
constexpr int kDueWidth = 56;
constexpr int kLetterX = 78;
constexpr int kPayeeX = 95;
constexpr int kTextWidth = 277;
constexpr int kToDoX = 4;

// The headers and the texts in them.
constexpr int kRemindHeaderY = 8;
constexpr int kToDoHeaderY = 100;
constexpr int kHeaderX = 8;

struct RemindParts {
    QPointer<QWidget> Window;
    QPointer<ListPane> Reminders;
    QPointer<ListPane> ToDos;
};

RemindParts& Parts()
{
    static RemindParts parts;
    return parts;
}

// Today's stored date part, as the reminder rules compare it.
std::string TodayDatePart()
{
    char today[kDatimeSize] = {};
    GetDatime(today);
    today[8] = 0;
    return today;
}

// The entries of Reminders that are listed: never past the count, nor past the table.
int ListedReminders()
{
    return std::clamp<int>(gRemindListCount, 0, kReminderSlots);
}

// The line of a list a press hits, or -1 below the page or above the list.
int LineAt(int pageSize, POINT thePoint)
{
    if (thePoint.y < 0 || gCYChar <= 0)
        return -1;
    const int line = thePoint.y / gCYChar;
    return line < pageSize ? line : -1;
}

// The index-th item the To Do list shows (counted from 0), or null.
ToDo* ShownToDo(int index)
{
    if (index < 0)
        return nullptr;
    for (ToDo* t = gToDoAnchor; t; t = t->ToDoFP)
        if (t->Display && !t->Deleted && index-- == 0)
            return t;
    return nullptr;
}

// The due date the record's reminder fields hold, in display form, shortened to month and day
// when it is too wide. A listed record keeps its line until the budget is next opened even when
// its reminder was cleared, so the fields are read whether or not Remind is set.
std::string DueDateText(const DrawContext& dc, const AHistory* theHPtr)
{
    char julian[6] = {};
    GetJDate(theHPtr, julian);
    char stored[kDatimeSize] = {};
    J2C(julian, stored);
    char display[kDatimeSize] = {};
    ConvertDateFormat(stored, display);
    char shown[kDatimeSize] = {};
    DateString(dc, display, kDueWidth, shown);
    return shown;
}

RECT LineRect(int line)
{
    return RECT{0, line * gCYChar, kRemindLineWidth, (line + 1) * gCYChar};
}

void SetListFont(DrawContext& dc)
{
    dc.SetFont(RemindListFont(*dc.Painter().device()));
}

// The To Do list changed: it is read anew, and the calendar's marks repaint.
void ToDoListChanged()
{
    DisplayRemind();
    RepaintCalendar();
}

// Painting, mouse, wheel, moving and closing of the window and its lists.
class RemindEvents : public QObject {
public:
    RemindEvents(QWidget* window, QObject* reminders, QObject* toDos)
        : QObject(window), window(window), reminders(reminders), toDos(toDos)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Paint:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::Move:
        case QEvent::Close:
            break;
        default:
            return false;
        }
        if (watched == window)
            return WindowEvent(event);
        if (watched == reminders || watched == toDos)
            return PaneEvent(static_cast<ListPane*>(watched), watched == reminders, event);
        return false;
    }

private:
    QWidget* const window;
    const QObject* const reminders;
    const QObject* const toDos;

    bool WindowEvent(QEvent* event)
    {
        switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(window);
            DrawContext dc(painter);
            dc.SetTransparent(true);
            PaintRemindWindow(dc);
            return true;
        }
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton)
                HandleAddToDoMouse(PointOf(mouse));
            return true;
        }
        case QEvent::MouseButtonDblClick:
            return true;  // the second press of a double click would open the dialog again
        case QEvent::Move:
            Accounts[0][1].SwPt = POINT{window->x(), window->y()};
            return false;
        case QEvent::Close:
            // The close goes on: a window refusing it would keep the program from quitting.
            CloseRemindWindow();
            return false;
        default:
            return false;
        }
    }

    static bool PaneEvent(ListPane* pane, bool reminderList, QEvent* event)
    {
        QScrollBar* bar = pane->ScrollBar();
        switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(pane);
            DrawContext dc(painter);
            dc.SetTransparent(true);
            if (reminderList)
                PaintRemindList(dc, bar->value(), bar->pageStep());
            else
                PaintToDoList(dc, bar->value(), bar->pageStep());
            return true;
        }
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton)
                return true;
            if (reminderList)
                HandleRemindMouse(bar->value(), bar->pageStep(), PointOf(mouse));
            else
                HandleToDoMouse(bar->value(), bar->pageStep(), PointOf(mouse));
            return true;
        }
        case QEvent::MouseButtonDblClick:
            return true;
        case QEvent::Wheel:
            QCoreApplication::sendEvent(bar, event);
            return true;
        default:
            return false;
        }
    }
};

}  // namespace

QFont RemindListFont(const QPaintDevice& device)
{
    QFont font = HistoryListFont(device);
    const int height = QFontMetrics(font, &device).height();
    if (gCYChar > 0 && height > gCYChar)
        font.setPixelSize(std::max(1, QFontInfo(font).pixelSize() * gCYChar / height));
    return font;
}

void AttachRemindWindow(const LongLivedWindows& windows)
{
    RemindParts& parts = Parts();
    parts.Window = windows.Remind.get();
    parts.Reminders = windows.RemindList;
    parts.ToDos = windows.ToDoList;
    if (!parts.Window || !parts.Reminders || !parts.ToDos)
        return;
    parts.Window->setWindowIcon(ProgramIcon());
    auto* events = new RemindEvents(parts.Window, parts.Reminders, parts.ToDos);
    parts.Window->installEventFilter(events);
    for (ListPane* pane : {parts.Reminders.data(), parts.ToDos.data()}) {
        pane->installEventFilter(events);
        QObject::connect(pane->ScrollBar(), &QScrollBar::valueChanged, pane, [pane] { pane->update(); });
    }
}

void DisplayRemind()
{
    const RemindParts& parts = Parts();
    if (!parts.Window || !parts.Reminders || !parts.ToDos)
        return;
    parts.Reminders->SetLines(ListedReminders(), kRemindPage);
    parts.ToDos->SetLines(static_cast<int>(GenerateToDoListData().size()), kToDoPage);
    // A place stored on a larger screen (or above or left of it) comes back on this one.
    POINT& at = Accounts[0][1].SwPt;
    KeepOnScreen(at, true);
    parts.Window->move(at.x, at.y);
    ShowInFront(parts.Window);
    for (QWidget* w : {static_cast<QWidget*>(parts.Window), static_cast<QWidget*>(parts.Reminders),
                       static_cast<QWidget*>(parts.ToDos)})
        w->update();
}

void AfterRemindersChanged()
{
    if (QWidget* window = Parts().Window)
        window->hide();
    if (gRemindListCount > 0)
        DisplayRemind();
}

void ShowRemindersAfterOpening()
{
    // The marks of the calendar are the budget's just opened.
    MarkCalendarStale();
    if (gBudget.Flag1 & kBudgetCalendarAtStart)
        DisplayCalendar();
    if (gRemindListCount > 0)
        DisplayRemind();
    TellRemindersBeyondList();
}

void CloseRemindWindow()
{
    gCalDaySelected = 0;
    gCalMonthSelected = 0;
    gCalYearSelected = 0;
    RepaintCalendar();
    if (QWidget* window = Parts().Window)
        window->hide();
}

void PaintRemindWindow(DrawContext& dc)
{
    dc.DrawBitmap(kRemindListHeader, kHeaderX, kRemindHeaderY);
    dc.DrawBitmap(kToDoListHeader, kHeaderX, kToDoHeaderY);
    dc.SetTextColor(kWhite);
    dc.TextOut(22, kRemindHeaderY, "Due Date");
    dc.TextOut(90, kRemindHeaderY, "f");
    dc.TextOut(106, kRemindHeaderY, "To/From");
    char day[kDatimeSize] = {};
    ConstructToDoDate(day);
    dc.TextOut(22, kToDoHeaderY, std::string("To Do items for ") + day);
    dc.SetTextColor(kStandard);
    // The lists' borders.
    for (const auto& [y, page] : {std::pair{kRemindListY, kRemindPage}, {kToDoListY, kToDoPage}})
        dc.FrameRect(kRemindListX - 1, y - 1, kRemindListX + kRemindPaneWidth + 1, y + page * gCYChar + 1, kPaneFrame);
}

void PaintRemindList(DrawContext& dc, int pageStart, int pageSize)
{
    const int listed = ListedReminders();
    if (listed == 0 || pageStart < 0)
        return;
    SetListFont(dc);
    const std::string today = TodayDatePart();
    for (int line = 0; line <= pageSize && pageStart + line < listed; ++line) {
        const AHistory* h = Reminders[pageStart + line];
        if (!h)
            break;
        DrawReminderData(dc, h, LineRect(line), today.c_str());
    }
}

void PaintToDoList(DrawContext& dc, int pageStart, int pageSize)
{
    if (pageStart < 0)
        return;
    SetListFont(dc);
    int index = 0;
    int line = 0;
    for (const ToDo* t = gToDoAnchor; t && line <= pageSize; t = t->ToDoFP) {
        if (!t->Display || t->Deleted || index++ < pageStart)
            continue;
        DrawToDoData(dc, t, LineRect(line++));
    }
}

void DrawReminderData(DrawContext& dc, const AHistory* theHPtr, RECT theRect, const char* today)
{
    const Strip s = StripOf(dc, theRect);
    const AHistory& h = *theHPtr;
    const int picture = !h.TypeFlag ? kDeposit : h.ATM == kWithdrawalATM ? kATM : kCheck;
    dc.DrawBitmap(picture, s.X + kPictureX, s.PictureY);
    dc.SetTextColor(ReminderPassed(theHPtr, today) ? kRed : kStandard);
    dc.TextOut(s.X + kLetterX, s.TextY, std::string(1, ReminderLetter(GetRemType(theHPtr))));
    dc.TextOut(s.X + kDueX, s.TextY, DueDateText(dc, theHPtr));
    DrawFitted(dc, s, kPayeeX, RecordText(h.PayToFm), kTextWidth);
    dc.SetTextColor(kStandard);
}

void DrawToDoData(DrawContext& dc, const ToDo* theToDoPtr, RECT theRect)
{
    const Strip s = StripOf(dc, theRect);
    dc.SetTextColor(kStandard);
    DrawFitted(dc, s, kToDoX, RecordText(theToDoPtr->ToDo), kTextWidth);
}

void HandleAddToDoMouse(POINT thePoint)
{
    if (Inside(thePoint, kAddToDoArea) && HandleToDo())
        ToDoListChanged();
}

void HandleRemindMouse(int pageStart, int pageSize, POINT thePoint)
{
    const int line = LineAt(pageSize, thePoint);
    if (line < 0 || pageStart < 0)
        return;
    // The scroll position and the line may point past the entries: only listed ones are taken.
    const int index = pageStart + line;
    if (index >= ListedReminders())
        return;
    AHistory* h = Reminders[index];
    if (!h)
        return;
    if (!h->TypeFlag)
        HandleDeposit(h->Mi, h->Si, h);
    else if (h->ATM != kWithdrawalATM)
        HandleCheck(h->Mi, h->Si, h);
}

void HandleToDoMouse(int pageStart, int pageSize, POINT thePoint)
{
    const int line = LineAt(pageSize, thePoint);
    if (line < 0 || pageStart < 0)
        return;
    if (ToDo* t = ShownToDo(pageStart + line); t && HandleDeleteToDo(t))
        ToDoListChanged();
}
