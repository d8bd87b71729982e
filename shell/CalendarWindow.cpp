// The calendar window: showing it at its place and size, painting the shown month, and clicks.
#include "shell/CalendarWindow.h"

#include "model/Dates.h"
#include "model/Globals.h"
#include "platform/AccountBox.h"
#include "platform/DrawContext.h"
#include "platform/Mouse.h"
#include "platform/Pictures.h"
#include "reminders/Calendar.h"
#include "shell/RemindWindow.h"
#include "shell/Windows.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <string>

namespace {

constexpr COLORREF kStandard = RGB(0, 0, 0);
constexpr int kWeeks = 6;
constexpr int kWeekdays = 7;
constexpr int kNumberY = 2;  // a day's number below its cell's top

QPointer<QWidget>& Window()
{
    static QPointer<QWidget> window;
    return window;
}

// The picture of a day's cell for its mark, and for today.
int CellPicture(DayMark mark, bool today)
{
    switch (mark) {
    case DayMark::ToDo:
        return today ? kBlueGreenDate : kGreenDate;
    case DayMark::OverDue:
    case DayMark::Notice:
        return today ? kBlueYellowDate : kYellowDate;
    case DayMark::Due:
        return today ? kBlueRedDate : kRedDate;
    case DayMark::Plain:
        break;
    }
    return today ? kBlueDate : kDateBox;
}

// Sizes the window for the shown month and puts it at its stored place, kept on the screen.
void PlaceForShownMonth(QWidget* window)
{
    window->setFixedSize(kCalendarWidth - kCalendarFrameWidth, CalendarClientHeight());
    // A place stored on a larger screen (or above or left of it) comes back on this one.
    POINT& at = Accounts[0][0].SwPt;
    KeepOnScreen(at, true);
    window->move(at.x, at.y);
}

class CalendarEvents : public QObject {
public:
    explicit CalendarEvents(QWidget* window) : QObject(window), window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window)
            return false;
        switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(window);
            DrawContext dc(painter);
            dc.SetTransparent(true);
            PaintCalendarWindow(dc);
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // A double click is two clicks: the arrows step two months, a day is picked and let go.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton)
                CalendarWindowMouse(PointOf(mouse));
            return true;
        }
        case QEvent::Move:
            Accounts[0][0].SwPt = POINT{window->x(), window->y()};
            return false;
        default:
            return false;  // closing hides the window
        }
    }

private:
    QWidget* const window;
};

}  // namespace

int CalendarClientHeight()
{
    return ShownCalendarMonth().Height - kCalendarFrameHeight;
}

void AttachCalendarWindow(const LongLivedWindows& windows)
{
    QWidget* window = windows.Calendar.get();
    Window() = window;
    if (!window)
        return;
    window->setWindowIcon(ProgramIcon());
    window->installEventFilter(new CalendarEvents(window));
}

void DisplayCalendar()
{
    QWidget* window = Window();
    if (!window)
        return;
    // Showing it builds the marks anew: an edit of a reminder's record may have moved it.
    MarkCalendarStale();
    PlaceForShownMonth(window);
    ShowInFront(window);
    window->update();
}

void RepaintCalendar()
{
    if (QWidget* window = Window(); window && window->isVisible())
        window->update();
}

void PaintCalendarWindow(DrawContext& dc)
{
    const CalendarMonth& month = ShownCalendarMonth();
    dc.SetTextColor(kStandard);
    char name[8] = {};
    GetWordMonth(month.Month, name);
    DisplayText(dc, std::string(name) + " " + std::to_string(2000 + month.Year), 0, 0, 0, kCalendarTitleWidth);
    dc.DrawBitmap(kLeftArrow, kCalendarLeftArrowX, kCalendarArrowY);
    dc.DrawBitmap(kRightArrow, kCalendarRightArrowX, kCalendarArrowY);

    static constexpr const char* kLetters[kWeekdays] = {"S", "M", "T", "W", "T", "F", "S"};
    for (int c = 0; c < kWeekdays; ++c) {
        const int x = c * kCalendarCellWidth;
        dc.DrawBitmap(kDateBox, x, kCalendarWeekdayY);
        DisplayText(dc, kLetters[c], kCalendarWeekdayY + kNumberY, 0, x, x + kCalendarCellWidth);
    }

    for (int cell = 0; cell < kWeeks * kWeekdays; ++cell) {
        const int x = (cell % kWeekdays) * kCalendarCellWidth;
        const int y = kCalendarGridY + (cell / kWeekdays) * kCalendarCellHeight;
        const int day = cell - month.FirstWeekday + 1;
        if (day < 1 || day > month.Days) {
            dc.DrawBitmap(kDateBox, x, y);
            continue;
        }
        dc.DrawBitmap(CellPicture(month.Marks[day], month.IsToday(day)), x, y);
        DisplayText(dc, std::to_string(day), y + kNumberY, 0, x, x + kCalendarCellWidth);
        if (day == gCalDaySelected && month.Month == gCalMonthSelected && month.Year == gCalYearSelected)
            dc.InvertRect(x, y, x + kCalendarCellWidth, y + kCalendarCellHeight);
    }
}

void CalendarWindowMouse(POINT thePoint)
{
    QWidget* window = Window();
    switch (CalendarClick(thePoint.x, thePoint.y)) {
    case CalendarAction::Resize:
        if (window)
            PlaceForShownMonth(window);
        RepaintCalendar();
        break;
    case CalendarAction::Repaint:
        RepaintCalendar();
        break;
    case CalendarAction::HideReminders:
        // The day let go of is no longer shown selected.
        RepaintCalendar();
        CloseRemindWindow();
        break;
    case CalendarAction::ShowReminders:
        RepaintCalendar();
        DisplayRemind();
        break;
    }
}
