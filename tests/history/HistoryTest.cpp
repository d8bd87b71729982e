// The history window and its list: pages, expanding, pictures, line texts, selection, transfer
// marks, the window's place, the toolbar, and repainting after the engine.
#include "support/WindowFixture.h"

#include "history/HistoryList.h"
#include "history/HistoryWindow.h"
#include "history/InvestHistory.h"
#include "investments/InvestRecording.h"
#include "ledger/Budget.h"
#include "ledger/Undo.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "platform/Pictures.h"
#include "shell/SubWindow.h"

namespace {

class HistoryTest : public BudgetFixture {
protected:
    void SetUp() override
    {
        BudgetFixture::SetUp();
        AddAccounts();
        host.Messages.clear();
    }
    void TearDown() override
    {
        DestroyHistoryWindows();
        BudgetFixture::TearDown();
    }
    static void AddAccounts()
    {
        RecordTestAccount(1, 0, "Groceries");
        RecordTestAccount(2, 0, "Rent");
        RecordTestAccount(3, 0, "Savings", true);
    }

    // Transactions of "Groceries".
    static AHistory* Deposit(int32_t amount, const char* from = "Main Job", const char* date = "11/01/26")
    {
        return RecordDeposit(1, 0, amount, from, date, "Pay", false);
    }
    static AHistory* Check(int32_t amount, const char* payTo, const char* xfor = "", const char* memo = "",
                           bool debit = false)
    {
        const uint32_t number = debit ? 0u : uint32_t(gBudget.HighestIdent);
        return RecordCheck(1, 0, CheckEntry{amount, "11/05/26", payTo, xfor, memo, number, debit, false, false});
    }

    static QWidget* Window(int Mi, int Si = 0) { return static_cast<QWidget*>(MemoryAccounts[Mi][Si].HistoryWindow); }
    static QWidget* List() { return static_cast<QWidget*>(MemoryAccounts[1][0].HistoryListWindow); }
    static QScrollBar* Bar() { return static_cast<ListPane*>(List())->ScrollBar(); }

    // A press on line `line` of the Groceries list.
    static void PressLine(int line, int x = 200, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {})
    {
        Press(List(), {x, line * gCYListChar + gCYListChar / 2}, button, keys);
    }

    // Paints a page of slot (Mi, 0)'s list into an image, recording the texts.
    static QImage PaintList(int Mi, int pageStart, Drawn& texts)
    {
        const auto paint = [=](DrawContext& dc) {
            dc.SetTransparent(true);
            PaintHistoryListWindow(dc, Mi, 0, pageStart, kHistoryPage);
        };
        return Render(QSize(kHistoryPaneWidth, kHistoryPage * gCYListChar), texts, paint, QColor(240, 240, 240));
    }
    static Texts LineTexts(const Drawn& texts, int line) { return TextsAt(texts, line * gCYListChar, gCYListChar); }
    // A date as the list shows it: month and day alone when the font makes it wider than its column.
    static std::string ShownDate(const std::string& date)
    {
        QImage image(1, 1, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setFont(HistoryListFont(image));
        return painter.fontMetrics().horizontalAdvance(QString::fromStdString(date)) > 50 ? date.substr(0, 5) : date;
    }
};

TEST_F(HistoryTest, APageMayBeginWithTheSecondLineOfAnExpandedRecord)
{
    // Newest first: ATM (one line), check (two lines), deposit (two lines).
    // (Where a page begins: the long history below.)
    Deposit(50000);
    Check(1234, "Green Market", "Weekly shop", "Card 12");
    RecordATM(1, 0, 2000, "11/08/26");
    Drawn texts;
    PaintList(1, 2, texts);
    EXPECT_EQ(LineTexts(texts, 0), (Texts{"1000", "Weekly shop", "Card 12"}));
    EXPECT_EQ(LineTexts(texts, 1), (Texts{ShownDate("11/01/26"), "Main Job", "$500.00", "$500.00"}));
    EXPECT_EQ(LineTexts(texts, 2), (Texts{"Pay"}));  // a deposit has no number
    EXPECT_TRUE(LineTexts(texts, 3).empty());
}

// Where a page begins, the lines the list counts and its scroll range follow new records and the
// second lines opened and closed by a record's arrow or the account's.
TEST_F(HistoryTest, PagesDeepInALongHistoryFollowNewRecordsAndOpenedLines)
{
    const auto expectWalked = [&](const char* after) {
        std::vector<HistoryPageStart> lines;  // every line of the list, newest first
        for (AHistory* h = MemoryAccounts[1][0].HistoryRec; h; h = h->HistoryFP) {
            lines.push_back({h, false});
            if (h->HFlag)
                lines.push_back({h, true});
        }
        for (int start : {0, 1, 255, 256, 257, 511, 512, 513, 700, 899, 900, 901, 2000}) {
            const HistoryPageStart found = FindHistoryPageStart(1, 0, start);
            const HistoryPageStart walked = start < int(lines.size()) ? lines[start] : HistoryPageStart{};
            EXPECT_EQ(std::pair(found.Record, found.SecondLine), std::pair(walked.Record, walked.SecondLine))
                << after << ", line " << start;
        }
        EXPECT_EQ(MemoryAccounts[1][0].DisplayLines, int(lines.size())) << after;
        if (List()) {
            EXPECT_EQ(Bar()->maximum(), int(lines.size()) - kHistoryPage) << after;
        }
    };
    Deposit(50000000);
    for (int k = 0; k < 600; ++k)
        k % 3 ? (void)RecordATM(1, 0, 100, "11/08/26") : (void)Check(100, "Store");
    expectWalked("made");
    RecordATM(1, 0, 100, "11/09/26");
    Check(100, "Store");
    expectWalked("two more");
    DisplayHistory(1, 0);
    PressLine(0, 5);  // the newest check's second line closed by its arrow
    expectWalked("one line closed");
    gBudgetFileChanged = 0;
    Press(Window(1), {15, 98});
    EXPECT_TRUE(!Accounts[1][0].HFlag && gBudgetFileChanged);
    expectWalked("all closed");
    Press(Window(1), {15, 98});
    expectWalked("all open");
    Press(Window(1), {23, 98});  // just beside the arrow
    expectWalked("beside the arrow");
}

TEST_F(HistoryTest, ThePictureOfARecordFollowsTheLastRuleThatApplies)
{
    enum { Out = 1, Atm = 2, Debit = 4, Xfer = 8, Marked = 16, Pay = 32, Reconciled = 64, Undone = 128, Savings = 256 };
    const struct { int flags; int picture; } cases[] = {
        {Out, kCheck}, {0, kDeposit}, {Out | Atm, kATM}, {Out | Debit, kCheck}, {Atm, kDeposit},
        {Out | Xfer, kTransfer}, {Xfer | Marked, kX}, {Pay, kPay}, {Pay | Reconciled, kBalance},
        {Out | Atm | Reconciled, kBalance}, {Out | Xfer | Reconciled | Undone, kUndo},
        {Savings | Out | Undone, kSad}, {Savings | Reconciled, kSmile}, {Savings | Xfer, kSmile},
    };
    for (const auto& c : cases) {
        AHistory* h = AddTestHistory(c.flags & Savings ? 3 : 1, 0, 100, c.flags & Out, "x");
        h->ATM = (c.flags & Atm) ? kWithdrawalATM : (c.flags & Debit) ? kWithdrawalDebit : kWithdrawalCheck;
        h->TransferFlag = (c.flags & Xfer) != 0;
        h->Marked = (c.flags & Marked) != 0;
        h->PayFlag = (c.flags & Pay) != 0;
        h->BalanceFlag = (c.flags & Reconciled) != 0;
        h->UnDone = (c.flags & Undone) != 0;
        EXPECT_EQ(HistoryPicture(*h), c.picture) << "flags " << c.flags;
    }
}

TEST_F(HistoryTest, LinesOfTransfersDebitsAndNegativeBalancesAndMarkingATransferHalf)
{
    Deposit(20000);
    Check(700, "Corner Store", "Milk", "never shown", true);
    AHistory* out = RecordTransfer(1, 0, 2, 0, 2500, "11/10/26", "Moving boxes");
    AddTestHistory(1, 0, 50000, true, "Overdrawn");

    Drawn texts;
    PaintList(1, 0, texts);
    EXPECT_EQ(LineTexts(texts, 0)[3], "$-332.00");
    EXPECT_EQ(texts[3].Colour, gBudget.NegativeAmount);
    EXPECT_EQ(texts[2].Colour, RGB(0, 0, 0));  // the amount itself
    EXPECT_EQ(LineTexts(texts, 1), (Texts{ShownDate("11/10/26"), "To: Rent For: Moving boxes", "$25.00", "$168.00"}));
    EXPECT_EQ(LineTexts(texts, 3), (Texts{"Debit", "Milk"}));  // and no memo
    texts.clear();
    PaintList(2, 0, texts);
    EXPECT_EQ(LineTexts(texts, 0)[1], "From: Groceries For: Moving boxes");

    // A click marks the half clicked, also where a second line would be opened; a second unmarks it.
    DisplayHistory(1, 0);
    PressLine(1);
    EXPECT_TRUE(out->Marked && !MemoryAccounts[2][0].HistoryRec->Marked);
    PressLine(1);
    EXPECT_FALSE(out->Marked);
    PressLine(1, 5);
    EXPECT_TRUE(out->Marked);
}

TEST_F(HistoryTest, AForTextCutShortAndItsDotsStayInTheirColumn)
{
    Deposit(50000);
    Check(1234, "Corner Store", "abcdefghijklmnopqrstiiiiiiiiiii", "Card 12");
    Drawn texts;
    PaintList(1, 0, texts);
    const Texts second = LineTexts(texts, 1);
    ASSERT_EQ(second.size(), 3u);
    EXPECT_LT(second[1].size(), 31u);
    QImage image(1, 1, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setFont(HistoryListFont(image));
    const int forWidth = painter.fontMetrics().horizontalAdvance(QString::fromStdString(second[1]));
    constexpr int kForX = 86, kMemoX = 240;
    EXPECT_LE(kForX + forWidth + PictureSize(kDots).width(), kMemoX) << second[1] << " " << forWidth;
}

TEST_F(HistoryTest, AClickSelectsOneRecordAndASecondClickDeselectsIt)
{
    AHistory* deposit = Deposit(20000);
    AHistory* check = Check(1500, "Green Market", "Weekly shop");
    AHistory* atm = RecordATM(1, 0, 2000, "11/08/26");
    DisplayHistory(1, 0);
    // Lines: ATM 0, check 1-2, deposit 3-4.
    PressLine(1);
    EXPECT_TRUE(check->Selected);
    EXPECT_EQ(gSelectedItem, check);
    Press(List(), {200, gCYListChar + 2}, Qt::LeftButton, {}, QEvent::MouseButtonDblClick);  // does nothing
    EXPECT_TRUE(check->Selected);
    PressLine(4);  // the deposit's second line
    EXPECT_FALSE(check->Selected);
    EXPECT_TRUE(deposit->Selected);
    PressLine(3);
    EXPECT_FALSE(deposit->Selected);
    EXPECT_EQ(gSelectedItem, deposit);  // still the last one selected

    // Ctrl+click opens the editor, a right click the details; neither selects.
    std::vector<std::string> opened;
    {
        ScopedDialogRunner runner([&](const std::string& name, DialogProcedure&) { opened.push_back(name); return 0; });
        PressLine(0, 200, Qt::LeftButton, Qt::ControlModifier);
        PressLine(0, 200, Qt::RightButton);
    }
    EXPECT_EQ(opened, (std::vector<std::string>{"XEDIT", "TRANSACTION"}));
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
    PressLine(6);  // below the last line
    EXPECT_FALSE(atm->Selected);

    PressLine(0);
    Drawn texts;
    const QImage image = PaintList(1, 0, texts);
    EXPECT_EQ(image.pixel(300, gCYListChar / 2), qRgb(15, 15, 15));  // inverted
    EXPECT_EQ(image.pixel(300, gCYListChar + gCYListChar / 2), qRgb(240, 240, 240));

    // A click in the window outside the list ends the selection but keeps the selected item.
    Press(Window(1), {400, 80});
    EXPECT_FALSE(atm->Selected);
    EXPECT_EQ(gSelectedItem, atm);
}

TEST_F(HistoryTest, OpenWindowsFollowWhatTheEngineChanges)
{
    Program program = CreateProgram();
    SetHost(&host);
    NewBudget();
    AddAccounts();
    DisplayHistory(1, 0);
    for (int k = 0; k < 10; ++k)
        Deposit(100);
    EXPECT_EQ(Bar()->maximum(), 0);
    // What the engine asks of the program's host reaches the history window.
    program.Host->InvalidateAccount(1, 0);
    EXPECT_EQ(Bar()->maximum(), 20 - kHistoryPage);
}

// "Found Items" holds copies: its Check, Deposit and Info buttons are refused with a message and
// open no dialog, and a copy takes no reminder.
TEST_F(HistoryTest, FoundItemsTakesNoTransactionSetupOrReminder)
{
    Program program = CreateProgram();
    SetHost(&host);
    DialogScripts dialogs;  // any dialog that opens fails the test
    DisplayHistory(kFoundMi, kFoundSi);
    auto* window = static_cast<QWidget*>(MemoryAccounts[kFoundMi][kFoundSi].HistoryWindow);
    ASSERT_NE(window, nullptr);
    AHistory copy{};
    MemoryAccounts[kFoundMi][kFoundSi].HistoryRec = &copy;
    gSelectedItem = &copy;
    for (int k : {0, 1, 3, 6})
        Press(window, QPoint(kHistoryButtons[k].X + 16, kHistoryButtons[k].Y + 12));
    MemoryAccounts[kFoundMi][kFoundSi].HistoryRec = nullptr;
    gSelectedItem = nullptr;
    EXPECT_EQ(host.Messages.size(), 4u) << host.AllMessages();
    EXPECT_TRUE(dialogs.Opened.empty());
    EXPECT_EQ(copy.Remind, 0);
}

class WindowPlaceTest : public ProgramFixture {};

// A slot's window opens where it was last moved to, on this screen (a place off it comes back at 40
// on that axis), and closing it keeps the window for the next opening.
TEST_F(WindowPlaceTest, EachSlotsWindowComesBackWhereItWasLastMoved)
{
    RecordTestAccount(1, 0, "Groceries");
    RecordTestAccount(1, 1, "Bread");
    ASSERT_EQ(RecordInvestName(1, "Index Fund"), 1);
    const struct {
        const char* name; std::function<void()> open; void* const* window; POINT* stored; POINT off; QPoint back;
    } cases[] = {
        {"history", [] { DisplayHistory(1, 1); }, &MemoryAccounts[1][1].HistoryWindow, &Accounts[1][1].HwPt,
         {5000, -3}, {40, 40}},
        {"sub-account", [] { DisplaySubAccounts(1); }, &MemoryAccounts[1][0].SubAccountWindow, &Accounts[1][0].SwPt,
         {5000, 90}, {40, 90}},
        {"investment history", [] { DisplayInvestHistory(1); }, &MemoryInvest[1].HistoryWindow, &Invest[1].IwPt,
         {120, -4}, {120, 40}},
    };
    for (const auto& c : cases) {
        *c.stored = c.off;
        c.open();
        QWidget* window = static_cast<QWidget*>(*c.window);
        ASSERT_NE(window, nullptr) << c.name;
        EXPECT_EQ(window->pos(), c.back) << c.name;
        window->move(123, 77);
        QCoreApplication::processEvents();
        EXPECT_EQ(std::pair(c.stored->x, c.stored->y), std::pair(123, 77)) << c.name;
        window->close();
        c.open();
        EXPECT_TRUE(*c.window == window && window->isVisible()) << c.name;
        EXPECT_EQ(window->pos(), QPoint(123, 77)) << c.name;
    }
    DisplayHistory(9, 0);  // no account there, nor sub accounts of "Available"
    DisplaySubAccounts(0);
    EXPECT_TRUE(!MemoryAccounts[9][0].HistoryWindow && !MemoryAccounts[0][0].SubAccountWindow);
}

}  // namespace
