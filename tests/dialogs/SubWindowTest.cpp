// The sub-account window: what its boxes show, and clicks and drags on them. (Its place: the
// history tests.)
#include "support/WindowFixture.h"

#include "ledger/Budget.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "shell/MainPaint.h"
#include "shell/MainWindow.h"
#include "shell/SubWindow.h"

#include <tuple>

namespace {

class SubWindowTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        RecordTestAccount(1, 0, "Groceries");
        // "Home": Household with Rent and Power below it.
        for (const auto& [Si, name, amount] : {std::tuple{0, "Household", 1500}, {1, "Rent", 90000}, {2, "Power", 4250}}) {
            RecordTestAccount(2, Si, name);
            RecordDeposit(2, Si, amount, "Job", "11/01/26", "", false);
        }
        CopyString("Home", Accounts[2][0].SubName);
    }

    static QWidget* Window(int Mi) { return static_cast<QWidget*>(MemoryAccounts[Mi][0].SubAccountWindow); }
    // The middle of box Si of the window.
    static QPoint Box(int Si) { return {FindSubAccountHCoordinate(Si) + 62, FindSubAccountVCoordinate(Si) + 20}; }

    // Press on `from` in `source`, move over `to` and let go there, as seen by `source`.
    static void Drag(QWidget* source, QPoint from, QPoint to, Qt::KeyboardModifiers keys = {})
    {
        Press(source, from, Qt::LeftButton, keys);
        Press(source, from + QPoint(3, 3), Qt::LeftButton, keys, QEvent::MouseMove);
        Press(source, to, Qt::LeftButton, keys, QEvent::MouseButtonRelease);
    }

    // Every dialog run, by template and the slots it works on; each is cancelled.
    std::vector<std::string> dialogs;
    ScopedDialogRunner runner{[this](const std::string& name, DialogProcedure&) {
        std::string run = name + " " + std::to_string(gMi) + "," + std::to_string(gSi);
        if (name == "TRANSFER")
            run += " to " + std::to_string(gMi2) + "," + std::to_string(gSi2);
        dialogs.push_back(run);
        return 0;
    }};
};

TEST_F(SubWindowTest, EveryBoxShowsItsOwnSlot)
{
    Drawn drawn;
    Render(QSize(kSubWindowWidth, kSubWindowHeight), drawn, [](DrawContext& dc) { PaintSubWindow(dc, 2); });
    // The main slot shows its own name and balance, not the category and the row's sum.
    const struct { int Si; const char* name; const char* amount; } boxes[] = {
        {0, "Household", "$15.00"}, {1, "Rent", "$900.00"}, {2, "Power", "$42.50"}};
    ASSERT_EQ(drawn.size(), 2 * std::size(boxes));
    for (const auto& box : boxes) {
        const int x = FindSubAccountHCoordinate(box.Si), y = FindSubAccountVCoordinate(box.Si);
        const auto at = [&](int top) {
            for (const auto& t : drawn)
                if (t.Y == top && t.X > x && t.X < x + 114)
                    return t.Text;
            return std::string();
        };
        EXPECT_EQ(at(y + 10), box.name) << box.Si;
        EXPECT_EQ(at(y + 33), box.amount) << box.Si;
    }
}

TEST_F(SubWindowTest, ClicksSelectAndReachTheirCommands)
{
    DisplaySubAccounts(2);
    QWidget* w = Window(2);
    ASSERT_TRUE(w && w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Home Window");

    const QPoint checkButton(kSubButtons[kSubCheck].X + 4, kSubButtons[kSubCheck].Y + 4);
    const QEvent::Type press = QEvent::MouseButtonPress, twice = QEvent::MouseButtonDblClick;
    // A press or double click, and the slots selected afterwards (-1 none) and the dialog opened.
    const struct { QEvent::Type type; Qt::MouseButton button; Qt::KeyboardModifiers keys; QPoint at;
                   int first, second; std::string dialog; } cases[] = {
        {press, Qt::LeftButton, {}, Box(1), 1, -1, ""},
        {press, Qt::LeftButton, Qt::ShiftModifier, Box(2), 1, 2, ""},
        {press, Qt::LeftButton, {}, QPoint(300, 30), -1, -1, ""},  // beside boxes and buttons
        {press, Qt::LeftButton, {}, Box(2), 2, -1, ""},
        {press, Qt::LeftButton, {}, checkButton, -1, -1, "CHECK 2,2"},
        {twice, Qt::LeftButton, {}, Box(1), -1, -1, "CHECK 2,1"},
        {twice, Qt::LeftButton, Qt::ControlModifier, Box(0), -1, -1, "DEPOSIT 2,0"},
        {press, Qt::LeftButton, {}, Box(1), 1, -1, ""},
        {press, Qt::RightButton, Qt::ShiftModifier, Box(2), -1, -1, "TRANSFER 2,1 to 2,2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "at " << c.at.x() << "," << c.at.y() << " expecting " << c.dialog);
        dialogs.clear();
        Press(w, c.at, c.button, c.keys, c.type);
        EXPECT_EQ(std::tuple(gFirstSelected[0], gFirstSelected[1], gSecondSelected[1]),
                  std::tuple(c.first < 0 ? -1 : 2, c.first, c.second));
        EXPECT_EQ(dialogs, c.dialog.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.dialog});
        EXPECT_EQ(Accounts[2][1].SelectFlag, c.first == 1 || c.second == 1);
    }
    EXPECT_TRUE(windows.Messages.empty()) << windows.AllMessages();
}

TEST_F(SubWindowTest, DragsTransferBetweenBoxesAndWindowsAndCtrlShiftMovesAnAccount)
{
    program->Main->move(0, 0);
    program->Main->show();
    Accounts[2][0].SwPt = POINT{380, 470};  // below the main window, on the 800 x 600 screen
    DisplaySubAccounts(2);
    QWidget* w = Window(2);
    QWidget* board = program->Main->Board();
    const QPoint groceries(FindMainAccountHCoordinate(1) + 62, FindMainAccountVCoordinate(1) + 20);

    Drag(w, Box(1), Box(2));
    Drag(board, groceries, board->mapFromGlobal(w->mapToGlobal(Box(0))));
    Drag(w, Box(2), w->mapFromGlobal(board->mapToGlobal(groceries)));
    EXPECT_EQ(dialogs, (std::vector<std::string>{"TRANSFER 2,1 to 2,2", "TRANSFER 1,0 to 2,0",
                                                 "TRANSFER 2,2 to 1,0"}));
    EXPECT_EQ(Accounts[2][1].Balance, 90000);  // cancelled

    // Ctrl+Shift: Power goes to the empty position 5 and its old place is empty.
    Drag(w, Box(2), Box(5), Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(std::string(Accounts[2][5].Name) == "Power" && !Accounts[2][2].Valid);
    EXPECT_TRUE(windows.Messages.empty()) << windows.AllMessages();
}

}  // namespace
