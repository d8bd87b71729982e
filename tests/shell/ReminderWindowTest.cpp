// The reminder window and the calendar: shown after opening a budget that asks for them, the
// reminder list's lines and clicks (never past its entries), picking a day in the calendar to see
// and change its To Do items, closing the reminder window, stepping through the months, and the
// picture of each marked day.
#include "support/WindowFixture.h"

#include "files/BudgetFile.h"
#include "files/BudgetLock.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "model/RecordStore.h"
#include "platform/Pictures.h"
#include "reminders/Calendar.h"
#include "reminders/Remind.h"
#include "reminders/ToDo.h"
#include "shell/CalendarWindow.h"
#include "shell/Commands.h"
#include "shell/RemindWindow.h"
#include "shell/Windows.h"

#include <QTemporaryDir>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

void SetTestReminder(AHistory* h, const char* due, int notice, int type = kRemindMonthly)
{
    char julian[6];
    C2J(due, julian);
    SetJDate(h, julian);
    SetRemTime(h, notice);
    SetRemType(h, type);
    h->Remind = 1;
}

// A To Do item of day (month 12, year 26), as the To Do dialog adds it.
ToDo* AddTestToDo(int day, const char* text)
{
    gCalDaySelected = day;
    gCalMonthSelected = 12;
    gCalYearSelected = 26;
    EXPECT_EQ(RecordToDo(text), 1);
    gCalDaySelected = gCalMonthSelected = gCalYearSelected = 0;
    ToDo* item = gToDoAnchor;
    while (item && RecordText(item->ToDo) != text)
        item = item->ToDoFP;
    return item;
}

// The centre of day `day`'s cell in December 2026, whose 1st is a Tuesday.
QPoint DecemberCell(int day)
{
    const int cell = day - 1 + 2;
    return QPoint((cell % 7) * kCalendarCellWidth + 12, kCalendarGridY + (cell / 7) * kCalendarCellHeight + 10);
}

// The middle of list line `line`.
QPoint ListLine(int line)
{
    return QPoint(100, line * gCYChar + gCYChar / 2);
}

// A host whose open chooser picks the file given.
struct OpeningHost : ScriptedHost {
    bool ChooseOpenFile(const FileChoice&, std::string& path) override
    {
        path = OpenPath;
        return !path.empty();
    }
    std::string OpenPath;
};

class ReminderOpeningTest : public BudgetFixture {
protected:
    void TearDown() override
    {
        UnlockAllBudgetFiles();
        BudgetFixture::TearDown();
    }
    QTemporaryDir dir;
};

// The clock stands at 12/05/26: a reminder due 12/10/26 with 10 days' notice is due, one due
// 12/31/26 is not yet.
TEST_F(ReminderOpeningTest, OpeningShowsTheCalendarWhenAskedAndTheReminderWindowWhenAnyAreDue)
{
    const struct {
        bool fromSplash; int due; bool calendarAtStart; bool remindShown, calendarShown; size_t messages;
    } cases[] = {
        {false, 1, false, true, false, 0},
        {true, 0, true, false, true, 0},
        {true, 2, false, true, false, 0},
        {false, kReminderSlots + 1, true, true, true, 1},  // told that one more is due
    };
    int row = 0;
    for (const auto& c : cases) {
        ReleaseBudgetRecords();
        InitApp();
        NewBudget();
        RecordTestAccount(1, 0, "Rent");
        SetTestReminder(AddTestHistory(1, 0, 500, true, "Not yet"), "12/31/26", 10);
        for (int k = 0; k < c.due; ++k)
            SetTestReminder(AddTestHistory(1, 0, 500, true, "Landlord"), "12/10/26", 10);
        if (c.calendarAtStart)
            gBudget.Flag1 |= kBudgetCalendarAtStart;
        const std::string path = dir.filePath(QString("r%1.bgt").arg(++row)).toStdString();
        host.SavePaths.push_back(path);
        ASSERT_EQ(BudgetSaveAs(), 1);
        ASSERT_EQ(BudgetClose(), 1);
        UnlockAllBudgetFiles();

        Program program = CreateProgram();
        OpeningHost opening;
        SetHost(&opening);
        if (c.fromSplash) {
            opening.OpenPath = path;
            HandleMenu(kCmdOpen, true);
        } else {
            ASSERT_EQ(StartProgram(program, {QString::fromStdString(path)}), 1);
        }
        ASSERT_EQ(gStartUpFlag, 1) << row << opening.AllMessages();
        EXPECT_EQ(gRemindListCount, std::min(c.due, kReminderSlots)) << row;
        EXPECT_EQ(program.Others.Remind->isVisible(), c.remindShown) << row;
        EXPECT_EQ(program.Others.Calendar->isVisible(), c.calendarShown) << row;
        EXPECT_EQ(opening.Messages.size(), c.messages) << row << opening.AllMessages();
        for (QWidget* w : {static_cast<QWidget*>(program.Main.get()), static_cast<QWidget*>(program.Others.Remind.get()),
                           static_cast<QWidget*>(program.Others.Calendar.get())})
            w->hide();
        SetHost(&host);
        UnlockAllBudgetFiles();
    }
}

class ReminderWindowTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        RecordTestAccount(1, 0, "Rent");
        RecordTestAccount(2, 0, "Job");
    }

    QWidget* RemindWindow() const { return program->Others.Remind.get(); }
    ListPane* RemindList() const { return program->Others.RemindList; }
    ListPane* ToDoList() const { return program->Others.ToDoList; }
    QWidget* Calendar() const { return program->Others.Calendar.get(); }

    // The texts the To Do list shows from its first line.
    static Texts ToDoTexts()
    {
        Drawn drawn;
        Render(QSize(kRemindLineWidth, kToDoPage * gCYChar), drawn,
               [](DrawContext& dc) { PaintToDoList(dc, 0, kToDoPage); });
        Texts texts;
        for (const auto& t : drawn)
            texts.push_back(t.Text);
        return texts;
    }

    DialogScripts dialogs;
};

// Each listed line shows its record and opens the dialog that writes the next one; the lines and
// clicks stop at the count of entries, and at the end of the table.
TEST_F(ReminderWindowTest, TheReminderListShowsAndRepeatsItsEntriesAndNothingPastThem)
{
    AHistory* check = AddTestHistory(1, 0, 1200, true, "Landlord");
    SetTestReminder(check, "12/01/26", 3, kRemindQuarterly);  // passed: red
    AHistory* deposit = AddTestHistory(2, 0, 2500, false, "Employer");
    SetTestReminder(deposit, "12/10/26", 10);
    AHistory* atm = AddTestHistory(1, 0, 2000, true, "Cash");
    atm->ATM = kWithdrawalATM;
    SetTestReminder(atm, "12/09/26", 5, kRemindYearly);
    AHistory* stale = AddTestHistory(1, 0, 100, true, "Stale");
    Reminders[0] = check;
    Reminders[1] = deposit;
    Reminders[2] = atm;
    Reminders[3] = stale;  // beyond the count: not listed
    gRemindListCount = 3;
    DisplayRemind();
    ASSERT_TRUE(RemindWindow()->isVisible());

    Drawn drawn;
    Render(QSize(kRemindLineWidth, kRemindPage * gCYChar), drawn, [](DrawContext& dc) { PaintRemindList(dc, 0, kRemindPage); });
    const struct { const char *payee, *letter; COLORREF colour; const char* opens; } lines[] = {
        {"Landlord", "Q", kRed, "CHECK"},
        {"Employer", "M", kBlack, "DEPOSIT"},
        {"Cash", "Y", kBlack, nullptr},
        {nullptr, nullptr, kBlack, nullptr},
    };
    for (int line = 0; line < 4; ++line) {
        const auto& l = lines[line];
        const Texts texts = TextsAt(drawn, line * gCYChar, gCYChar);
        if (!l.payee) {
            EXPECT_TRUE(texts.empty()) << line;
        } else {
            ASSERT_EQ(texts.size(), 3u) << line;
            EXPECT_EQ(texts[0] + " " + texts[2], std::string(l.letter) + " " + l.payee) << line;
            for (const auto& t : drawn) {
                if (t.Y >= line * gCYChar && t.Y < (line + 1) * gCYChar) {
                    EXPECT_EQ(t.Colour, l.colour) << line << " " << t.Text;
                }
            }
        }
        if (l.opens) {
            dialogs.Scripts.push_back([&](ScriptedDialog& d) {
                EXPECT_EQ(d.Text(l.opens == std::string("CHECK") ? 1002 : 1001), l.payee);
                d.Click(IDCANCEL);
            });
        }
        Press(RemindList(), ListLine(line));
    }
    EXPECT_EQ(dialogs.Opened, (std::vector<std::string>{"CHECK", "DEPOSIT"}));

    // A full table scrolled to its end: the last page shows its four entries, and a line past
    // the table (as a larger pane or a stale scroll position would give) does nothing.
    for (int k = 0; k < kReminderSlots; ++k) {
        Reminders[k] = AddTestHistory(1, 0, 100, true, ("P" + std::to_string(k)).c_str());
        SetTestReminder(Reminders[k], "12/10/26", 10);
    }
    gRemindListCount = kReminderSlots;
    DisplayRemind();
    QScrollBar* bar = RemindList()->ScrollBar();
    bar->setValue(bar->maximum());
    ASSERT_EQ(bar->value(), kReminderSlots - kRemindPage);
    drawn.clear();
    Render(QSize(kRemindLineWidth, (kRemindPage + 1) * gCYChar), drawn,
           [&](DrawContext& dc) { PaintRemindList(dc, bar->value(), kRemindPage); });
    EXPECT_EQ(TextsAt(drawn, 0, (kRemindPage + 1) * gCYChar).size(), 3u * kRemindPage);
    EXPECT_EQ(TextsAt(drawn, (kRemindPage - 1) * gCYChar, gCYChar).back(), "P49");
    for (int line = 2; line <= kRemindPage; ++line)  // entries 50 to 52
        HandleRemindMouse(kReminderSlots - 2, kRemindPage + 1, POINT{100, line * gCYChar + 1});
    EXPECT_EQ(dialogs.Opened.size(), 2u);
}

// Picking a day from today on shows its To Do items, where items are deleted and added; the same
// day again hides the window; closing the window lets the day go.
TEST_F(ReminderWindowTest, ACalendarDayShowsItsToDoItemsUntilTheWindowIsClosed)
{
    AddTestToDo(5, "Buy stamps");
    AddTestToDo(24, "Wrap presents");
    HandleMenu(kCmdCalendar, false);
    ASSERT_TRUE(Calendar()->isVisible());

    Press(Calendar(), DecemberCell(3));  // a day gone by
    EXPECT_EQ(gCalDaySelected, 0);
    EXPECT_FALSE(RemindWindow()->isVisible());

    Press(Calendar(), DecemberCell(24));
    EXPECT_EQ(std::tuple(gCalDaySelected, gCalMonthSelected, gCalYearSelected), std::tuple(24, 12, 26));
    ASSERT_TRUE(RemindWindow()->isVisible());
    EXPECT_EQ(ToDoTexts(), Texts{"Wrap presents"});
    Drawn drawn;
    Render(RemindWindow()->size(), drawn, [](DrawContext& dc) { PaintRemindWindow(dc); });
    EXPECT_EQ(TextsAt(drawn, 100), Texts{"To Do items for 12/24/26"});

    // Deleting the item under a click, and adding one with the header's button.
    dialogs.Scripts.push_back([](ScriptedDialog& d) { d.Click(IDOK); });
    Press(ToDoList(), ListLine(1));  // below the last item
    Press(ToDoList(), ListLine(0));
    EXPECT_EQ(ToDoTexts(), Texts{});
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        d.Type(1251, "Ribbon");
        d.Click(IDOK);
    });
    Press(RemindWindow(), QPoint(kAddToDoArea.left + 4, kAddToDoArea.top + 4));
    EXPECT_EQ(ToDoTexts(), Texts{"Ribbon"});
    EXPECT_EQ(dialogs.Opened, (std::vector<std::string>{"DELETETODO", "TODO"}));

    Press(Calendar(), DecemberCell(24));  // the selected day again
    EXPECT_FALSE(RemindWindow()->isVisible());
    EXPECT_EQ(gCalDaySelected, 0);

    Press(Calendar(), DecemberCell(5));  // today
    ASSERT_TRUE(RemindWindow()->isVisible());
    EXPECT_EQ(ToDoTexts(), Texts{"Buy stamps"});
    RemindWindow()->close();
    EXPECT_FALSE(RemindWindow()->isVisible());
    EXPECT_EQ(std::tuple(gCalDaySelected, gCalMonthSelected, gCalYearSelected), std::tuple(0, 0, 0));

    // The Window menu shows it again, with today's items.
    HandleMenu(kCmdReminder, false);
    EXPECT_TRUE(RemindWindow()->isVisible());
    EXPECT_EQ(ToDoTexts(), Texts{"Buy stamps"});
}

TEST_F(ReminderWindowTest, TheArrowsAndTitleStepThroughTheMonthsAndTheWindowFitsEach)
{
    DisplayCalendar();
    // December 2026 fits five week rows, January 2027 needs six.
    const struct { QPoint click; const char* title; int height; } steps[] = {
        {QPoint(-1, -1), "Dec 2026", 140},
        {QPoint(160, 10), "Jan 2027", 160},
        {QPoint(160, 10), "Feb 2027", 140},
        {QPoint(8, 10), "Jan 2027", 160},
        {QPoint(88, 10), "Dec 2026", 140},
    };
    for (const auto& s : steps) {
        if (s.click.x() >= 0)
            Press(Calendar(), s.click);
        Drawn drawn;
        Render(Calendar()->size(), drawn, [](DrawContext& dc) { PaintCalendarWindow(dc); });
        EXPECT_EQ(TextsAt(drawn, 0), Texts{s.title});
        EXPECT_EQ(Calendar()->height(), s.height) << s.title;
        EXPECT_EQ(Calendar()->width(), 7 * kCalendarCellWidth);
    }
}

// The picture a day's cell is drawn with, told apart by the cell's edges (the number covers its
// middle).
int CellPicture(const QImage& image, QPoint cellCentre)
{
    const QPoint corner = cellCentre - QPoint(12, 10);
    for (int id : {kDateBox, kRedDate, kGreenDate, kYellowDate, kBlueDate, kBlueYellowDate, kBlueRedDate, kBlueGreenDate}) {
        const QImage picture = Picture(id).toImage().convertToFormat(QImage::Format_RGB32);
        bool same = true;
        for (int y = 0; y < kCalendarCellHeight && same; ++y)
            for (int x : {0, 1, 2, 3, 21, 22, 23})
                same = same && picture.pixel(x, y) == image.pixel(corner.x() + x, corner.y() + y);
        if (same)
            return id;
    }
    return 0;
}

TEST_F(ReminderWindowTest, EachMarkedDayIsDrawnWithItsPicture)
{
    AddTestToDo(5, "Today's item");
    AddTestToDo(24, "Item");
    AddTestToDo(20, "Overdue item")->OverDue = 1;
    AddTestToDo(28, "Item under a reminder");
    SetTestReminder(AddTestHistory(1, 0, 100, true, "Landlord"), "12/15/26", 3);
    SetTestReminder(AddTestHistory(1, 0, 100, true, "Garage"), "12/28/26", 0);
    MarkCalendarStale();
    Drawn drawn;
    const QImage image = Render(QSize(7 * kCalendarCellWidth, 160), drawn, [](DrawContext& dc) { PaintCalendarWindow(dc); });
    const struct { int day, picture; } cells[] = {
        {10, kDateBox}, {24, kGreenDate},  {20, kYellowDate}, {12, kYellowDate},  // the notice's first day
        {15, kRedDate}, {28, kRedDate},    {5, kBlueGreenDate},
    };
    for (const auto& c : cells)
        EXPECT_EQ(CellPicture(image, DecemberCell(c.day)), c.picture) << c.day;
}

}  // namespace
