// The main window in investment mode: switching modes, what the view paints where, the gestures
// on boxes and buttons as the window system delivers them, and exchanging two accounts.
#include "support/WindowFixture.h"

#include "history/HistoryWindow.h"
#include "history/InvestHistory.h"
#include "investments/Invest.h"
#include "investments/InvestRecording.h"
#include "ledger/Budget.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "shell/Commands.h"
#include "shell/InvestView.h"
#include "shell/MainWindow.h"

#include <QPointer>

namespace {

// "Index Fund" (1) with a buy, "Bonds" (2) and "Tech Stock" (3), every price dated today.
class InvestViewTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        for (const auto& [Ii, name, shares, price] :
             {std::tuple{1, "Index Fund", 10000, 12345}, {2, "Bonds", 2000, 50000}, {3, "Tech Stock", 1000, 7000}}) {
            ASSERT_EQ(RecordInvestName(Ii, name), 1);
            ASSERT_TRUE(BuySellShares(1, Ii, shares, price, "12/05/26"));
        }
        program->Main->PlaceAndShow(false);
        BudgetSwitch(1);
        windows.Messages.clear();
    }

    QWidget* Board() const { return program->Main->Board(); }
    static QPoint Centre(int Ii) { return {FindMainAccountHCoordinate(Ii) + 60, FindMainAccountVCoordinate(Ii) + 20}; }
    void Mouse(int Ii, QEvent::Type type, Qt::KeyboardModifiers keys = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        Press(Board(), Centre(Ii), button, keys, type);
    }
    static std::vector<int> Marked()
    {
        std::vector<int> marked;
        for (int Ii = 1; Ii < kInvestments; ++Ii)
            if (Invest[Ii].SelectFlag)
                marked.push_back(Ii);
        return marked;
    }

    DialogScripts dialogs;
};

TEST_F(InvestViewTest, SwitchingModesClearsSelectionsHidesWindowsAndStoresEachModesPlace)
{
    BudgetSwitch(0);
    RecordTestAccount(1, 0, "Rent");
    DisplayHistory(1, 0);
    const QPointer<QWidget> budgetHistory = static_cast<QWidget*>(MemoryAccounts[1][0].HistoryWindow);
    SelectOne(1, 0);
    MainWindow& main = *program->Main;
    main.move(100, 90);

    HandleMenu(kCmdInvestmentMode, false);
    EXPECT_EQ(gMainInvest, 1);
    EXPECT_TRUE(windows.Messages.empty()) << windows.AllMessages();
    EXPECT_TRUE(!Accounts[1][0].SelectFlag && gFirstSelected[0] == -1);
    EXPECT_TRUE(budgetHistory->isHidden());
    main.move(150, 120);
    EXPECT_EQ(std::pair(Invest[0].IwPt.x, Invest[0].IwPt.y), std::pair(150, 120));
    EXPECT_EQ(std::pair(gBudget.MwPt.x, gBudget.MwPt.y), std::pair(100, 90));

    DisplayInvestHistory(1);
    const QPointer<QWidget> investHistory = static_cast<QWidget*>(MemoryInvest[1].HistoryWindow);
    Mouse(2, QEvent::MouseButtonPress);
    Mouse(3, QEvent::MouseButtonPress, Qt::ShiftModifier);
    ASSERT_EQ(Marked(), (std::vector<int>{2, 3}));
    HandleMenu(kCmdBudgetMode, false);
    EXPECT_EQ(gMainInvest, 0);
    EXPECT_TRUE(Marked().empty() && gFirstSelected[0] == -1 && gSecondSelected[0] == -1);
    EXPECT_TRUE(investHistory->isHidden());
    main.move(60, 70);
    EXPECT_EQ(std::pair(gBudget.MwPt.x, gBudget.MwPt.y), std::pair(60, 70));
    EXPECT_EQ(std::pair(Invest[0].IwPt.x, Invest[0].IwPt.y), std::pair(150, 120));
}

TEST_F(InvestViewTest, TheViewShowsThePortfolioItsInfoLineAndTheBoxes)
{
    Drawn texts;
    Render(QSize(kMainWidth, kMainHeight), texts, [](DrawContext& dc) { PaintInvestWindow(dc); });
    // Text, top, and the column it is centred in.
    const struct { const char* text; int y, left, right; } expected[] = {
        {"Cost Basis", 18, 170, 264}, {"$230.45", 42, 170, 264}, {"Market Value", 18, 264, 358},
        {"$230.45", 42, 264, 358}, {"0%", 42, 358, 452},
        {"Market Value Current as of 12/05/26", 76, 160, 468},
        {"Index Fund", 120, 14, 118}, {"$123.45", 143, 14, 118}, {"Tech Stock", 120, 262, 366},
    };
    for (const auto& e : expected)
        EXPECT_TRUE(DrawnInColumn(texts, e.text, e.y, e.left, e.right)) << e.text << " at " << e.y;
}

TEST_F(InvestViewTest, GesturesOnABoxOpenTheirDialogsAndTheRestSelect)
{
    // Right clicks and double clicks on Index Fund with the keys held: the dialog (and the face of
    // the share dialog), or the history window.
    const struct { QEvent::Type type; Qt::MouseButton button; Qt::KeyboardModifiers keys; const char* opened; } cases[] = {
        {QEvent::MouseButtonPress, Qt::RightButton, Qt::ControlModifier | Qt::ShiftModifier, "COSTBASIS"},
        {QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier, "NEWINVEST"},
        {QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::ControlModifier, "BUYSELL Buy"},
        {QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::ShiftModifier, "BUYSELL Sell"},
        {QEvent::MouseButtonDblClick, Qt::LeftButton, {}, "PPS"},
        {QEvent::MouseButtonPress, Qt::RightButton, Qt::ControlModifier, ""},
    };
    for (const auto& c : cases) {
        std::string opened;
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
            opened = d.Template().Name + (d.Has(1004) ? " " + d.Text(1004) : "");
            d.Click(IDCANCEL);
        });
        Mouse(1, c.type, c.keys, c.button);
        EXPECT_EQ(opened, c.opened);
        if (!*c.opened)
            dialogs.Scripts.clear();
    }
    ASSERT_NE(MemoryInvest[1].HistoryWindow, nullptr);
    EXPECT_TRUE(static_cast<QWidget*>(MemoryInvest[1].HistoryWindow)->isVisible());

    // Plain clicks select one box, Shift adds the second; a click beside every box and button
    // clears both.
    Mouse(1, QEvent::MouseButtonPress);
    Mouse(2, QEvent::MouseButtonPress);
    Mouse(3, QEvent::MouseButtonPress, Qt::ShiftModifier);
    EXPECT_EQ(Marked(), (std::vector<int>{2, 3}));
    EXPECT_EQ(std::pair(gFirstSelected[0], gSecondSelected[0]), std::pair(2, 3));
    Press(Board(), {20, 100});
    EXPECT_TRUE(Marked().empty() && gFirstSelected[0] == -1 && gSecondSelected[0] == -1);
    Mouse(3, QEvent::MouseButtonPress, Qt::ShiftModifier);  // no first selection: nothing
    EXPECT_TRUE(Marked().empty());
    EXPECT_TRUE(windows.Messages.empty()) << windows.AllMessages();
}

TEST_F(InvestViewTest, ThePriceButtonPricesEveryAccountUntilOneIsCancelledAndNewNamesAFreeSlot)
{
    dialogs.Scripts = {[](ScriptedDialog& d) { d.Type(1003, "13.000"); d.Click(IDOK); },
                       [](ScriptedDialog& d) { d.Click(IDCANCEL); }};
    const InvestButton& price = kInvestButtons[kInvestPrice];
    Press(Board(), {price.X + 4, price.Y + 4}, Qt::RightButton);
    EXPECT_EQ(dialogs.Opened, (std::vector<std::string>{"PPS", "PPS"}));
    EXPECT_EQ(Invest[1].CostPerShare, 13000);

    // A left click asks for a selected account.
    Press(Board(), {price.X + 4, price.Y + 4});
    EXPECT_EQ(windows.OnlyMessage().substr(0, 32), "An account needs to be selected.");

    // New names the first free slot.
    dialogs.Scripts.push_back([](ScriptedDialog& d) { d.Type(1011, "Cash"); d.Click(IDOK); });
    const InvestButton& add = kInvestButtons[kInvestNew];
    Press(Board(), {add.X + 4, add.Y + 4});
    EXPECT_EQ(RecordText(Invest[4].Name), "Cash");
}

TEST_F(InvestViewTest, ACtrlShiftDragFromASelectedBoxExchangesTheAccountsWithTheirHistories)
{
    DisplayInvestHistory(1);
    QWidget* window = static_cast<QWidget*>(MemoryInvest[1].HistoryWindow);
    IHistory* bought = MemoryInvest[1].HistoryRec;
    const auto drag = [&](int from, int to) {
        const Qt::KeyboardModifiers both = Qt::ControlModifier | Qt::ShiftModifier;
        Mouse(from, QEvent::MouseButtonPress, both);
        Press(Board(), Centre(from) + QPoint(8, 0), Qt::NoButton, both, QEvent::MouseMove);
        Press(Board(), Centre(to), Qt::LeftButton, both, QEvent::MouseButtonRelease);
    };
    drag(1, 2);  // not selected: nothing
    EXPECT_EQ(RecordText(Invest[1].Name), "Index Fund");

    Mouse(1, QEvent::MouseButtonPress);
    drag(1, 2);
    EXPECT_EQ(RecordText(Invest[1].Name) + ", " + RecordText(Invest[2].Name), "Bonds, Index Fund");
    EXPECT_EQ(MemoryInvest[2].HistoryRec, bought);
    EXPECT_EQ(bought->Ii, 2);
    EXPECT_EQ(MemoryInvest[2].HistoryWindow, window);  // the window goes with its account
    EXPECT_TRUE(Marked().empty());

    // Move Account exchanges the first and the second selection.
    Mouse(2, QEvent::MouseButtonPress);
    Mouse(1, QEvent::MouseButtonPress, Qt::ShiftModifier);
    HandleMenu(kCmdMoveAccount, false);
    EXPECT_EQ(RecordText(Invest[1].Name), "Index Fund");
    EXPECT_EQ(MemoryInvest[1].HistoryWindow, window);
    EXPECT_TRUE(windows.Messages.empty()) << windows.AllMessages();
}

}  // namespace
