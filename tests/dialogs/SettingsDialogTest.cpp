// The Preference and International Settings dialogs driven by scripts, and the open windows
// following what they change.
#include "cli/CliFixture.h"
#include "support/WindowFixture.h"

#include "dialogs/SettingsDialogs.h"
#include "history/HistoryList.h"
#include "history/HistoryWindow.h"
#include "model/Globals.h"
#include "platform/PlainWindow.h"
#include "shell/BalanceWindow.h"

#include <QFont>
#include <QLineEdit>

#include <cstring>

namespace {

// The clock stands at 12/05/26.
class SettingsDialogTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        AddSampleAccounts();
        windows.Messages.clear();
    }
    void TearDown() override
    {
        ReplaceFontChooser(nullptr);
        ProgramFixture::TearDown();
        gBudget.HFontSet = 0;
        MeasureHistoryLines();  // the lines of the program's font again for the tests after
    }

    // The font chooser confirms a font `pixels` high.
    static void ChooseFontOf(int pixels)
    {
        ReplaceFontChooser([pixels](QFont& font, QWidget*) {
            font.setPixelSize(pixels);
            return true;
        });
    }

    DialogScripts dialogs;
};

TEST_F(SettingsDialogTest, TheWarningFollowsAllowingAndDefaultKeepsOnlyTheCalendarBox)
{
    gBudget.Flag1 |= kBudgetCalendarAtStart;
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        EXPECT_FALSE(d.Enabled(1015));
        EXPECT_TRUE(d.Checked(1018) && d.Checked(1211));
        d.Click(1014);
        EXPECT_TRUE(d.Enabled(1015) && d.Checked(1015));
        d.Click(1015);
        d.Click(1014);
        d.Click(1014);  // allowed again: the warning is ticked again
        EXPECT_TRUE(d.Checked(1015));
        for (int id : {1016, 1017, 1210})
            d.Click(id);
        d.Click(1001);
        for (int id : {1014, 1015, 1016, 1017, 1210})
            EXPECT_FALSE(d.Checked(id)) << id;
        EXPECT_TRUE(d.Checked(1211) && d.Checked(1018));
        EXPECT_FALSE(d.Enabled(1015));
        d.Click(1014);
        d.Click(1016);
        d.Click(IDOK);
    });
    HandlePreference();
    EXPECT_EQ(gBudget.CheckbookNegativeFlag + gBudget.CheckbookWarnFlag + gBudget.UseDollar, 3);
    EXPECT_EQ(gBudget.Debit, 0);
    EXPECT_EQ(gBudget.Flag1 & (kBudgetCalendarAtStart | kBudgetSortByDate), kBudgetCalendarAtStart);
    EXPECT_EQ(gBudgetFileChanged, 1);
}

// A history font is the budget's as soon as it is chosen, whatever the dialog's end; the open
// history windows take its line height at once.
TEST_F(SettingsDialogTest, AChosenHistoryFontStaysAfterCancelAndTheHistoryWindowsFitIt)
{
    DisplayHistory(1, 0);
    auto* window = static_cast<QWidget*>(MemoryAccounts[1][0].HistoryWindow);
    auto* pane = static_cast<QWidget*>(MemoryAccounts[1][0].HistoryListWindow);
    const int lineBefore = gCYListChar;
    ChooseFontOf(40);
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        d.Click(1002);
        d.Click(1014);
        d.Click(IDCANCEL);
    });
    HandlePreference();
    EXPECT_EQ(gBudget.HFontSet, 1);
    EXPECT_EQ(gBudget.HistoryFont.lfHeight, -40);
    EXPECT_EQ(gBudget.CheckbookNegativeFlag, 0);  // the dialog was cancelled
    EXPECT_GT(gCYListChar, lineBefore);
    EXPECT_EQ(pane->height(), kHistoryPage * gCYListChar);
    EXPECT_EQ(window->height(), HistoryClientHeight());
    EXPECT_LT(pane->geometry().bottom(), window->height());
}

// Both date bits set (a file may hold them) show the order dates are shown in; Default brings
// back the dollar and month-first dates; Cancel the settings as they were.
TEST_F(SettingsDialogTest, ARefusedOKKeepsTheDialogOnTheFieldAndCancelPutsTheSettingsBack)
{
    gIntRec.Flag1 = kIntDayMonthYear | kIntYearMonthDay;
    gBudgetFileChanged = 0;
    const International before = gIntRec;
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        EXPECT_TRUE(d.Checked(1230));
        d.Type(1224, "Fr.");
        EXPECT_EQ(d.Text(1233), "Fr.1,234.56");  // the example follows as the user types
        d.Click(IDOK);
        EXPECT_FALSE(d.IsEnded());
        EXPECT_EQ(d.Focused(), 1224);
        d.Type(1220, ",");
        d.Click(IDOK);
        EXPECT_EQ(d.Focused(), 1222);  // the group symbol is now the decimal symbol
        d.Type(1222, "'");
        d.Type(1221, "x");
        d.Click(IDOK);
        EXPECT_EQ(d.Focused(), 1221);
        d.Type(1221, "3");
        d.Click(1226);
        d.Click(1227);
        d.Click(1230);
        EXPECT_EQ(d.Text(1233), "123,456 Fr.");
        EXPECT_EQ(d.Text(1232), "05/12/26");
        d.Click(1001);
        EXPECT_EQ(d.Text(1224) + " " + d.Text(1233) + " " + d.Text(1232), "$ $1,234.56 12/05/26");
        EXPECT_TRUE(d.Checked(1229) && d.Checked(1225) && !d.Checked(1227));
        d.Type(1224, "DM");
        d.Click(IDCANCEL);
    });
    HandleInternational();
    EXPECT_EQ(windows.Messages.size(), 3u) << windows.AllMessages();
    EXPECT_EQ(std::memcmp(&gIntRec, &before, sizeof before), 0);
    EXPECT_EQ(MoneyText(123456), "$1,234.56");
    EXPECT_EQ(gBudgetFileChanged, 0);
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    int Paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        Paints += event->type() == QEvent::Paint;
        return false;
    }
};

TEST_F(SettingsDialogTest, OpenWindowsAreShownAgainInTheNewForm)
{
    ASSERT_TRUE(RecordDeposit(1, 0, 123456, "Employer", "11/20/26", "", false));
    DisplayHistory(1, 0);
    gBudget.StatementBalance = 98765;
    HandleBalanceWindow();
    auto* pane = static_cast<QWidget*>(MemoryAccounts[1][0].HistoryListWindow);
    QCoreApplication::processEvents();
    PaintCounter counter;
    pane->installEventFilter(&counter);

    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        d.Type(1220, ",");
        d.Type(1222, ".");
        d.Type(1228, ".");
        d.Click(1230);
        d.Click(IDOK);
    });
    HandleInternational();
    QCoreApplication::processEvents();
    EXPECT_GT(counter.Paints, 0);

    Drawn texts;
    Render(QSize(kHistoryPaneWidth, kHistoryPage * gCYListChar), texts,
           [](DrawContext& dc) { PaintHistoryListWindow(dc, 1, 0, 0, kHistoryPage); });
    const Texts line = TextsAt(texts, 0, gCYListChar);
    EXPECT_NE(std::find(line.begin(), line.end(), "1.234,56"), line.end()) << testing::PrintToString(line);
    EXPECT_TRUE(std::any_of(line.begin(), line.end(), [](const std::string& t) { return t.rfind("20.11", 0) == 0; }))
        << testing::PrintToString(line);
    pane->removeEventFilter(&counter);

    // The statement field shows the same statement balance in the new form.
    EXPECT_EQ(static_cast<QLineEdit*>(program->Others.Statement)->text().toStdString(), "$987,65");
    EXPECT_EQ(gBudget.StatementBalance, 98765);
}

}  // namespace
