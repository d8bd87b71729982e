// The balance window: the statement field, ticking lines, the indicator, ticks kept through
// closing, the panes after an undo from the history window's toolbar, and the keyboard. (The random ledger runs check that ticks
// are saved with the budget.)
#include "support/WindowFixture.h"

#include "history/HistoryList.h"
#include "history/HistoryWindow.h"
#include "ledger/Balance.h"
#include "ledger/Budget.h"
#include "model/Globals.h"
#include "platform/Pictures.h"
#include "shell/BalanceWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class BalanceWindowTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        RecordTestAccount(1, 0, "Groceries");
        // A deposit of 1,000.00 and a check of 30.00 outstanding, the Checkbook at 970.00: while
        // nothing is ticked the difference is the statement balance itself.
        RecordDeposit(1, 0, 100000, "Main Job", "11/01/26", "Pay", false);
        Check(3000, 1001);
    }

    static void Check(int32_t amount, uint32_t number, const char* date = "11/05/26", bool debit = false)
    {
        RecordCheck(1, 0, CheckEntry{amount, date, "Green Market", "", "", number, debit, false, false});
    }
    static void Checks(int count)  // numbered from 1002, 1.00 each
    {
        for (int k = 0; k < count; ++k)
            Check(100, 1002 + k);
    }

    QWidget* Window() const { return program->Others.Balance.get(); }
    QLineEdit* Statement() const { return static_cast<QLineEdit*>(program->Others.Statement); }
    ListPane* CheckPane() const { return program->Others.CheckList; }
    ListPane* DepositPane() const { return program->Others.DepositList; }

    static void PressLine(QWidget* pane, int line) { Press(pane, {100, line * gCYChar + gCYChar / 2}); }
    static void Key(QWidget* widget, int key, const QString& text = {})
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(widget, &event);
    }
    // Replaces the statement field's text key by key.
    void Type(const std::string& text)
    {
        Statement()->selectAll();
        Key(Statement(), Qt::Key_Delete);
        for (char c : text)
            Key(Statement(), 0, QString(QChar(c)));
    }

    // The texts the window shows with their top at y.
    static Texts WindowTextsAt(int y)
    {
        Drawn drawn;
        Render(QSize(400, 416), drawn, [](DrawContext& dc) { PaintBalanceWindow(dc); });
        return TextsAt(drawn, y);
    }
};

TEST_F(BalanceWindowTest, OpeningFocusesTheStatementAndTypingReadsItKeyByKey)
{
    Checks(19);
    gBudget.StatementBalance = 123456;
    gBudgetFileChanged = 0;
    HandleBalanceWindow();
    EXPECT_EQ(Statement()->selectedText(), "$1,234.56");
    EXPECT_EQ(std::pair(gBudget.StatementBalance, gBudgetFileChanged), std::pair(123456, 1));
    EXPECT_EQ(CheckPane()->ScrollBar()->maximum(), 20 - kBalancePage);
    EXPECT_EQ(DepositPane()->ScrollBar()->maximum(), 0);  // one line: the bar stays, disabled
    EXPECT_FALSE(DepositPane()->ScrollBar()->isEnabled());

    // From 50.00, every key is read at once: what is an amount so far counts, the rest (here
    // the last key) changes nothing. (Which texts are amounts: the ledger's balance tests.)
    const struct { const char* typed; int32_t statement; } cases[] = {
        {"$7", 700}, {"12a", 1200}, {"1.234", 123}, {"-12.00", 5000}, {"", 5000},
    };
    for (const auto& c : cases) {
        gBudget.StatementBalance = 5000;
        Type(c.typed);
        EXPECT_EQ(gBudget.StatementBalance, c.statement) << c.typed;
    }
    EXPECT_TRUE(windows.Messages.empty()) << windows.AllMessages();
    Type("1,234.50");
    EXPECT_EQ(WindowTextsAt(kIndicatorArea.bottom), Texts{"$1,234.50"});

    // Tab goes round the field and the panes; the page keys scroll a pane; a click on a line
    // leaves the focus where it is.
    QApplication::processEvents();
    for (QWidget* next : std::initializer_list<QWidget*>{CheckPane(), DepositPane(), Statement()}) {
        Key(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    Key(CheckPane(), Qt::Key_PageDown);
    EXPECT_EQ(CheckPane()->ScrollBar()->value(), 4);
    PressLine(CheckPane(), 0);
    EXPECT_EQ(QApplication::focusWidget(), Statement());
}

TEST_F(BalanceWindowTest, ClicksTickLinesOfTheShownPageAndTheTotalsFollow)
{
    Checks(19);
    HandleBalanceWindow();
    const int y = BalanceTotalsY();
    EXPECT_TRUE(WindowTextsAt(y).empty());

    CheckPane()->ScrollBar()->setValue(4);
    gBudgetFileChanged = 0;
    PressLine(CheckPane(), 0);  // the fifth check, 1005
    PressLine(DepositPane(), 0);
    Press(DepositPane(), {100, 2}, Qt::LeftButton, {}, QEvent::MouseButtonDblClick);  // does nothing
    PressLine(DepositPane(), 1);                                                   // no line there
    EXPECT_EQ(gBudgetFileChanged, 1);
    // The ticks stay when the window closes and opens again.
    Window()->close();
    HandleBalanceWindow();
    std::vector<int32_t> ticked;
    for (const CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
        if (c->BChecked)
            ticked.push_back(c->BIdent);
    EXPECT_EQ(ticked, std::vector<int32_t>{1005});
    EXPECT_EQ(WindowTextsAt(y), (Texts{"Total Withdrawals $1.00", "Total Deposits $1,000.00"}));
    PressLine(DepositPane(), 0);  // unticked: its total goes
    EXPECT_EQ(WindowTextsAt(y), Texts{"Total Withdrawals $1.00"});
    EXPECT_EQ(WindowTextsAt(kIndicatorArea.bottom), Texts{"$1.00"});  // the ticked check's amount

    // Unticking the check takes it back out of the totals and the difference.
    gBudgetFileChanged = 0;
    CheckPane()->ScrollBar()->setValue(4);
    PressLine(CheckPane(), 0);
    EXPECT_EQ(gBudgetFileChanged, 1);
    for (const CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
        EXPECT_EQ(c->BChecked, 0) << c->BIdent;
    EXPECT_TRUE(WindowTextsAt(y).empty());
    EXPECT_EQ(WindowTextsAt(kIndicatorArea.bottom), Texts{"$0.00"});
}

TEST_F(BalanceWindowTest, ARightClickShowsTheTransactionOrForAPayDepositItsLogEntry)
{
    AHistory* pay = CreditAccount(1, 0, 5000, "Employer", "11/20/26", "");
    pay->PayFlag = 1;
    pay->PayID = 7;
    CreateBalanceRecord(pay);
    AHistory* log = CreateHistoryRecord(0, 1);
    log->LogRecord = log->PayFlag = 1;
    log->PayID = 7;
    std::vector<AHistory*> shown;
    ScopedDialogRunner runner{[&](const std::string&, DialogProcedure&) { shown.push_back(gHPtr); return 0; }};
    HandleBalanceWindow();
    for (int line : {0, 1})
        Press(DepositPane(), {100, line * gCYChar + 2}, Qt::RightButton);
    EXPECT_EQ(shown, (std::vector<AHistory*>{gBalanceDAnchor->HistoryRec, log}));
    EXPECT_EQ(gBalanceDAnchor->BChecked, 0);
}

// A press on the indicator balances without a difference, or with Ctrl+Shift; otherwise the ledger
// refuses with its message (whose words the message tests hold) and the window stays.
TEST_F(BalanceWindowTest, TheIndicatorBalancesWithoutADifferenceOrWhenForced)
{
    const Qt::KeyboardModifiers both = Qt::ControlModifier | Qt::ShiftModifier;
    // The difference is the statement balance.
    const struct { int32_t difference; Qt::MouseButton button; Qt::KeyboardModifiers keys; int x; bool balanced;
                   int picture; } cases[] = {
        {0, Qt::LeftButton, {}, 190, true, kBlevel},
        {0, Qt::RightButton, {}, 190, true, kBlevel},
        {0, Qt::LeftButton, {}, 175, false, kBlevel},  // beside the indicator
        {500, Qt::LeftButton, {}, 190, false, kBRDown},
        {-500, Qt::LeftButton, Qt::ControlModifier, 190, false, kBLDown},
        {500, Qt::RightButton, both, 190, false, kBRDown},  // a right press is never forced
        {500, Qt::LeftButton, both, 190, true, kBRDown},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.difference << " at x " << c.x << " button " << c.button);
        TearDown();
        windows = WindowHost();
        SetUp();
        HandleBalanceWindow();
        gBudget.StatementBalance = c.difference;
        Drawn texts;
        const QImage image = Render(QSize(400, 416), texts, [](DrawContext& dc) { PaintBalanceWindow(dc); });
        EXPECT_EQ(image.copy(kIndicatorArea.left, kIndicatorArea.top, 32, 32),
                  Picture(c.picture).toImage().convertToFormat(QImage::Format_RGB32));
        const int32_t available = Accounts[0][0].Balance;

        Press(Window(), {c.x, 20}, c.button, c.keys);
        EXPECT_EQ(Window()->isVisible(), !c.balanced);
        EXPECT_EQ(windows.Messages.size(), !c.balanced && c.x == 190 ? 1u : 0u) << windows.AllMessages();
        if (c.balanced) {
            EXPECT_STREQ(gInfoBox, "Checkbook Balanced");
            EXPECT_EQ(Accounts[0][0].Balance, available + c.difference);  // the forced adjustment
        }
    }
}

TEST_F(BalanceWindowTest, AnUndoneCheckLeavesTheCheckPane)
{
    Checks(16);
    HandleBalanceWindow();
    EXPECT_EQ(CheckPane()->ScrollBar()->maximum(), 1);
    // The newest check, 1017, undone from the history window's toolbar once it is selected there.
    DisplayHistory(1, 0);
    QWidget* history = static_cast<QWidget*>(MemoryAccounts[1][0].HistoryWindow);
    const QPoint undo(kHistoryButtons[5].X + 4, kHistoryButtons[5].Y + 4);
    Press(history, undo);
    EXPECT_NE(windows.OnlyMessage().find("You must select a transaction to undo."), std::string::npos);
    Press(static_cast<QWidget*>(MemoryAccounts[1][0].HistoryListWindow), {200, gCYListChar / 2});
    Press(history, undo);
    ASSERT_TRUE(MemoryAccounts[1][0].HistoryRec->UnDone && !MemoryAccounts[1][0].HistoryRec->Selected);
    EXPECT_EQ(CheckPane()->ScrollBar()->maximum(), 0);
    Drawn texts;
    Render(QSize(400, 416), texts, [](DrawContext& dc) { PaintCheckWindow(dc, 0, kBalancePage); });
    ASSERT_EQ(texts.size(), 16u * 3);  // date, number and amount of checks 1001 to 1016
    EXPECT_EQ(texts[46].Text, "1016");
}

}  // namespace
