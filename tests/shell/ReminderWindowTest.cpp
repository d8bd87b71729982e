// The reminder window and the calendar: shown after opening, the reminder list's lines and clicks,
// a calendar day's To Do items until the reminder window closes, and each marked day's picture.
#include "support/WindowFixture.h"

#include "files/BudgetFile.h"
#include "files/BudgetLock.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "model/RecordStore.h"
#include "platform/DrawContext.h"
#include "platform/Pictures.h"
#include "reminders/Calendar.h"
#include "reminders/ToDo.h"
#include "shell/CalendarWindow.h"
#include "shell/Commands.h"
#include "shell/RemindWindow.h"
#include "shell/Windows.h"

#include <QTemporaryDir>

namespace {

// A To Do item of day `day` of December 2026, as the To Do dialog adds it.
void AddTestToDo(int day, const char* text, bool overDue = false)
{
    gCalDaySelected = day;
    gCalMonthSelected = 12;
    gCalYearSelected = 26;
    EXPECT_EQ(RecordToDo(text), 1);
    gCalDaySelected = gCalMonthSelected = gCalYearSelected = 0;
    for (ToDo* t = gToDoAnchor; t; t = t->ToDoFP)
        if (RecordText(t->ToDo) == text)
            t->OverDue = overDue ? 1 : 0;
}

// The centre of day `day`'s cell in December 2026, whose 1st is a Tuesday.
QPoint DecemberCell(int day)
{
    const int cell = day + 1;
    return QPoint((cell % 7) * kCalendarCellWidth + 12, kCalendarGridY + (cell / 7) * kCalendarCellHeight + 10);
}

QPoint ListLine(int line)
{
    return QPoint(100, line * gCYChar + gCYChar / 2);
}

// The picture a day's cell is drawn with, told apart by the cell's edges; 0 for none.
int CellPicture(const QImage& image, QPoint cellCentre)
{
    const QPoint corner = cellCentre - QPoint(12, 10);
    for (int id : {kDateBox, kRedDate, kGreenDate, kYellowDate, kBlueDate, kBlueYellowDate, kBlueRedDate, kBlueGreenDate}) {
        const QImage picture = Picture(id).toImage().convertToFormat(QImage::Format_RGB32);
        bool same = true;
        for (int y = 0; y < kCalendarCellHeight; ++y)
            for (int x : {0, 1, 2, 3, 21, 22, 23})
                same = same && picture.pixel(x, y) == image.pixel(corner.x() + x, corner.y() + y);
        if (same)
            return id;
    }
    return 0;
}

// A host whose open chooser picks OpenPath.
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

// Today is 12/05/26: reminders due 12/10/26 with 10 days' notice are due, one due 12/31/26 not yet.
TEST_F(ReminderOpeningTest, OpeningShowsTheCalendarWhenAskedAndTheReminderWindowWhenAnyAreDue)
{
    const struct { bool fromSplash; int due; bool calendar; size_t messages; } cases[] = {
        {false, 1, false, 0},
        {true, 0, true, 0},
        {true, 2, false, 0},
        {false, kReminderSlots + 1, true, 1},  // told that more are due than listed
    };
    for (const auto& c : cases) {
        const auto row = &c - cases;
        ReleaseBudgetRecords();
        InitApp();
        NewBudget();
        RecordTestAccount(1, 0, "Rent");
        SetTestReminder(AddTestHistory(1, 0, 500, true, "Not yet"), "12/31/26", 10);
        for (int k = 0; k < c.due; ++k)
            SetTestReminder(AddTestHistory(1, 0, 500, true, "Landlord"), "12/10/26", 10);
        if (c.calendar)
            gBudget.Flag1 |= kBudgetCalendarAtStart;
        const std::string path = dir.filePath(QString("r%1.bgt").arg(row)).toStdString();
        host.SavePaths.push_back(path);
        ASSERT_EQ(BudgetSaveAs(), 1);
        ASSERT_EQ(BudgetClose(), 1);
        UnlockAllBudgetFiles();

        Program program = CreateProgram();
        OpeningHost opening;
        SetHost(&opening);
        opening.OpenPath = path;
        if (c.fromSplash)
            HandleMenu(kCmdOpen, true);
        else
            StartProgram(program, {QString::fromStdString(path)});
        ASSERT_EQ(gStartUpFlag, 1) << row << opening.AllMessages();
        EXPECT_EQ(program.Others.Remind->isVisible(), c.due > 0) << row;
        EXPECT_EQ(program.Others.Calendar->isVisible(), c.calendar) << row;
        EXPECT_EQ(opening.Messages.size(), c.messages) << row << opening.AllMessages();
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
    QWidget* Calendar() const { return program->Others.Calendar.get(); }

    // The texts the To Do list shows from its first line.
    static Texts ToDoTexts()
    {
        Drawn drawn;
        Render(QSize(kRemindLineWidth, kToDoPage * gCYChar), drawn, [](DrawContext& dc) { PaintToDoList(dc, 0, kToDoPage); });
        return TextsAt(drawn, 0, kToDoPage * gCYChar);
    }

    DialogScripts dialogs;
};

// Each listed line shows its record (red once due) and opens the dialog that writes the next one
// (none for an ATM withdrawal); lines and clicks stop at the count of entries and the table's end.
TEST_F(ReminderWindowTest, TheReminderListShowsAndRepeatsItsEntriesAndNothingPastThem)
{
    AHistory* check = AddTestHistory(1, 0, 1200, true, "Landlord");
    SetTestReminder(check, "12/01/26", 3, kRemindQuarterly);
    AHistory* deposit = AddTestHistory(2, 0, 2500, false, "Employer");
    SetTestReminder(deposit, "12/10/26", 10);
    AHistory* atm = AddTestHistory(1, 0, 2000, true, "Cash");
    atm->ATM = kWithdrawalATM;
    SetTestReminder(atm, "12/09/26", 5, kRemindYearly);
    deposit->Remind = 0;  // cleared by a deposit without "Remind Me": listed until the next opening
    const struct { AHistory* record; const char *texts, *due, *opens; COLORREF colour; } lines[] = {
        {check, "Q Landlord", "12/01/26", "CHECK", RGB(255, 0, 0)},
        {deposit, "M Employer", "12/10/26", "DEPOSIT", RGB(0, 0, 0)},
        {atm, "Y Cash", "12/09/26", nullptr, RGB(0, 0, 0)},
        {AddTestHistory(1, 0, 100, true, "Stale"), "", "", nullptr, 0},  // beyond the count
    };
    for (int k = 0; k < 4; ++k)
        Reminders[k] = lines[k].record;
    gRemindListCount = 3;
    DisplayRemind();
    ASSERT_TRUE(RemindWindow()->isVisible());

    Drawn drawn;
    Render(QSize(kRemindLineWidth, kRemindPage * gCYChar), drawn, [](DrawContext& dc) { PaintRemindList(dc, 0, kRemindPage); });
    for (int line = 0; line < 4; ++line) {
        const auto& l = lines[line];
        std::string shown, due;
        for (const auto& t : drawn) {
            if (t.Y < line * gCYChar || t.Y >= (line + 1) * gCYChar)
                continue;
            EXPECT_EQ(t.Colour, l.colour) << line << " " << t.Text;
            if (t.Text.find('/') == std::string::npos)
                shown += (shown.empty() ? "" : " ") + t.Text;
            else
                due = t.Text;
        }
        EXPECT_EQ(shown, l.texts) << line;
        EXPECT_GE(due.size(), *l.due ? 5u : 0u) << line;
        EXPECT_EQ(std::string(l.due).substr(0, due.size()), due) << line << ": the due date, shortened when too wide";
        if (l.opens)
            dialogs.Scripts.push_back([&](ScriptedDialog& d) {
                EXPECT_EQ(d.Text(*l.opens == 'C' ? 1002 : 1001), RecordText(l.record->PayToFm));  // the payee
                d.Click(IDCANCEL);
            });
        Press(program->Others.RemindList, ListLine(line));
    }
    EXPECT_EQ(dialogs.Opened, (std::vector<std::string>{"CHECK", "DEPOSIT"}));

    // A full table scrolled to its end shows its last four entries; a line past the table does nothing.
    for (int k = 0; k < kReminderSlots; ++k)
        SetTestReminder(Reminders[k] = AddTestHistory(1, 0, 100, true, ("P" + std::to_string(k)).c_str()), "12/10/26", 10);
    gRemindListCount = kReminderSlots;
    DisplayRemind();
    QScrollBar* bar = program->Others.RemindList->ScrollBar();
    bar->setValue(bar->maximum());
    drawn.clear();
    Render(QSize(kRemindLineWidth, (kRemindPage + 1) * gCYChar), drawn,
           [&](DrawContext& dc) { PaintRemindList(dc, bar->value(), kRemindPage); });
    EXPECT_EQ(TextsAt(drawn, 0, (kRemindPage + 1) * gCYChar).size(), 3u * kRemindPage);
    EXPECT_EQ(TextsAt(drawn, (kRemindPage - 1) * gCYChar, gCYChar).back(), "P49");
    for (int line = 2; line <= kRemindPage; ++line)  // entries 50 to 52
        HandleRemindMouse(kReminderSlots - 2, kRemindPage + 1, POINT{100, line * gCYChar + 1});
    EXPECT_EQ(dialogs.Opened.size(), 2u);
}

// Each marked day has its picture. Picking a day from today on shows its To Do items, where items
// are deleted and added; the same day again hides the window; closing it lets the day go. The
// arrows step the months, the window as high as each month's weeks.
TEST_F(ReminderWindowTest, ACalendarDayShowsItsToDoItemsUntilTheWindowIsClosed)
{
    AddTestToDo(5, "Buy stamps");
    AddTestToDo(24, "Wrap presents");
    AddTestToDo(20, "Overdue item", true);
    AddTestToDo(28, "Item under a reminder");
    SetTestReminder(AddTestHistory(1, 0, 100, true, "Landlord"), "12/15/26", 3);
    SetTestReminder(AddTestHistory(1, 0, 100, true, "Garage"), "12/28/26", 0);
    HandleMenu(kCmdCalendar, false);
    ASSERT_TRUE(Calendar()->isVisible());
    Drawn drawn;
    const QImage image = Render(Calendar()->size(), drawn, [](DrawContext& dc) { PaintCalendarWindow(dc); });
    const struct { int day, picture; } cells[] = {
        {10, kDateBox}, {24, kGreenDate}, {20, kYellowDate}, {12, kYellowDate},  // the notice's first day
        {15, kRedDate}, {28, kRedDate},   {5, kBlueGreenDate},
    };
    for (const auto& c : cells)
        EXPECT_EQ(CellPicture(image, DecemberCell(c.day)), c.picture) << c.day;

    Press(Calendar(), DecemberCell(3));  // a day gone by
    EXPECT_FALSE(RemindWindow()->isVisible());
    Press(Calendar(), DecemberCell(24));
    EXPECT_EQ(std::tuple(gCalDaySelected, gCalMonthSelected, gCalYearSelected), std::tuple(24, 12, 26));
    ASSERT_TRUE(RemindWindow()->isVisible());
    EXPECT_EQ(ToDoTexts(), Texts{"Wrap presents"});
    drawn.clear();
    Render(RemindWindow()->size(), drawn, [](DrawContext& dc) { PaintRemindWindow(dc); });
    EXPECT_EQ(TextsAt(drawn, 100), Texts{"To Do items for 12/24/26"});

    dialogs.Scripts.push_back([](ScriptedDialog& d) { d.Click(IDOK); });
    Press(program->Others.ToDoList, ListLine(1));  // below the last item
    Press(program->Others.ToDoList, ListLine(0));
    EXPECT_EQ(ToDoTexts(), Texts{});
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(1250), "Enter To Do item for 12/24/26");
        d.Click(IDOK);
        EXPECT_FALSE(d.IsEnded()) << "an empty item";
        d.Type(1251, "Ribbon");
        d.Click(IDOK);
    });
    Press(RemindWindow(), QPoint(kAddToDoArea.left + 4, kAddToDoArea.top + 4));
    EXPECT_EQ(ToDoTexts(), Texts{"Ribbon"});
    EXPECT_EQ(dialogs.Opened, (std::vector<std::string>{"DELETETODO", "TODO"}));

    Press(Calendar(), DecemberCell(24));  // the selected day again
    EXPECT_FALSE(RemindWindow()->isVisible());
    Press(Calendar(), DecemberCell(5));  // today
    EXPECT_EQ(ToDoTexts(), Texts{"Buy stamps"});
    EXPECT_TRUE(RemindWindow()->close()) << "a refused close keeps the program from quitting";
    EXPECT_FALSE(RemindWindow()->isVisible());
    EXPECT_EQ(std::tuple(gCalDaySelected, gCalMonthSelected, gCalYearSelected), std::tuple(0, 0, 0));
    HandleMenu(kCmdReminder, false);
    EXPECT_TRUE(RemindWindow()->isVisible());

    Press(Calendar(), QPoint(160, 10));  // January 2027 needs six week rows
    drawn.clear();
    Render(Calendar()->size(), drawn, [](DrawContext& dc) { PaintCalendarWindow(dc); });
    EXPECT_EQ(TextsAt(drawn, 0), Texts{"Jan 2027"});
    EXPECT_EQ(Calendar()->size(), QSize(7 * kCalendarCellWidth, 160));
}

// However large the history font chosen, a reminder line stays within its fixed line height.
TEST_F(ReminderWindowTest, ALargeHistoryFontKeepsToTheLines)
{
    QImage page(400, 200, QImage::Format_RGB32);
    for (int points : {10, 48}) {
        gBudget.HistoryFont = LogFontFromFont(QFont("Sans", points));
        gBudget.HFontSet = 1;
        EXPECT_LE(QFontMetrics(RemindListFont(page), &page).height(), gCYChar) << points;
    }
}

}  // namespace
