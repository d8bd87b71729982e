// The long-lived windows, made hidden at start-up.
#include "shell/Windows.h"

#include "model/Globals.h"
#include "reminders/Calendar.h"
#include "shell/CalendarWindow.h"
#include "shell/RemindWindow.h"

#include <QFontMetrics>
#include <QLineEdit>

int gCXChar = 8;
int gCYChar = 16;

namespace {

const QColor kBlue(0, 0, 255);

void Hide(WindowHandle window)
{
    if (window)
        static_cast<QWidget*>(window)->hide();
}

}  // namespace

LongLivedWindows CreateLongLivedWindows(QWidget* main)
{
    const QFontMetrics metrics(main->font());
    gCXChar = metrics.averageCharWidth();
    gCYChar = metrics.height() + metrics.leading();

    LongLivedWindows w;
    w.Print = std::make_unique<PlainWindow>("Print Window", 648, 300, kBlue);
    w.Print->move(40, 40);
    w.PrintData = new PlainWindow("", 648, 280, QColor(250, 230, 200), w.Print.get());
    w.PrintData->move(0, 20);
    w.PrintData->show();

    w.Balance = std::make_unique<PlainWindow>("Balance Window", 400, 416, kBlue);
    w.Balance->move(100, 50);
    auto* statement = new QLineEdit(w.Balance.get());
    statement->setFrame(false);
    statement->setGeometry(270, 44, 104, gCYChar + 2);
    w.Statement = statement;
    w.CheckList = new ListPane(w.Balance.get(), 4, 100, 210, 16 * gCYChar, 16);
    w.DepositList = new ListPane(w.Balance.get(), 220, 100, 168, 16 * gCYChar, 16);

    w.Remind = std::make_unique<PlainWindow>("Reminder Window", 416, 232, kBlue);
    w.Remind->move(40, 40);
    w.RemindList = new ListPane(w.Remind.get(), kRemindListX, kRemindListY, kRemindPaneWidth, kRemindPage * gCYChar,
                                kRemindPage);
    w.ToDoList = new ListPane(w.Remind.get(), kRemindListX, kToDoListY, kRemindPaneWidth, kToDoPage * gCYChar,
                              kToDoPage);
    AttachRemindWindow(w);

    w.Calendar = std::make_unique<PlainWindow>("Calendar", kCalendarWidth - kCalendarFrameWidth,
                                               CalendarHeight(gCalMonth, gCalYear) - kCalendarFrameHeight,
                                               QColor(192, 192, 192));
    w.Calendar->move(40, 40);
    AttachCalendarWindow(w);
    return w;
}

void CloseAllWindows()
{
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            if (!Accounts[Mi][Si].Valid)
                continue;
            Hide(MemoryAccounts[Mi][Si].HistoryWindow);
            Hide(MemoryAccounts[Mi][Si].SubAccountWindow);
        }
    for (int Ii = 1; Ii < kInvestments; ++Ii)
        if (Invest[Ii].Valid)
            Hide(MemoryInvest[Ii].HistoryWindow);
}
