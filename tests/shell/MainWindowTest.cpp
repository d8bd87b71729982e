// The main window: what it paints where, what clicks and drags at the design's coordinates do,
// which menu items are enabled, and starting the program.
#include "support/WindowFixture.h"

#include "cli/Demo.h"
#include "files/BudgetFile.h"
#include "files/BudgetLock.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "platform/AccountBox.h"
#include "platform/QtHost.h"
#include "shell/Commands.h"
#include "shell/MainMouse.h"
#include "shell/MainPaint.h"
#include "shell/MainWindow.h"
#include "shell/SplashWindow.h"
#include "shell/Windows.h"

#include <QApplication>
#include <QMenuBar>
#include <QTemporaryDir>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

class MainWindowTest : public BudgetFixture {
protected:
    void SetUp() override
    {
        BudgetFixture::SetUp();
        for (const auto& [Mi, Si, name] : {std::tuple{1, 0, "Rent"}, {2, 0, "Car"}, {2, 1, "Gas"}, {2, 2, "Repairs"},
                                           {3, 0, "Savings"}, {4, 0, "A very wide name"}})
            RecordTestAccount(Mi, Si, name, Mi == 3);
        CopyString("Vehicle", Accounts[2][0].SubName);
        Accounts[2][1].Balance = 1000;
        Accounts[2][2].Balance = -300;
        Accounts[3][0].Balance = -500;
        Accounts[1][0].Balance = 123456;
    }

    // Paints the main window into an image and records its texts.
    static QImage Paint(Drawn& texts)
    {
        return Render(QSize(kMainWidth, kMainHeight), texts, [](DrawContext& dc) { PaintMainWindow(dc); }, Qt::blue);
    }

    static const DrawContext::DrawnText* Find(const Drawn& texts, const std::string& text)
    {
        for (const auto& t : texts)
            if (t.Text == text)
                return &t;
        return nullptr;
    }

    static void Click(int click, int mod, int x, int y) { MainWindowMouse(click, mod, POINT{x, y}); }
};

TEST_F(MainWindowTest, BoxesShowNamesAndAmountsWhereAndHowTheDesignPutsThem)
{
    Drawn texts;
    Paint(texts);
    const struct { const char* text; int boxX, boxY, lineY; COLORREF colour; } expected[] = {
        {"Available", 432, 22, 32, kWhite}, {"Checkbook", 72, 22, 32, kWhite},
        {"Rent", 4, 110, 120, kWhite},      {"$1,234.56", 4, 110, 143, kWhite},
        {"Vehicle", 128, 110, 120, RGB(0, 255, 255)}, {"$7.00", 128, 110, 143, kWhite},
        {"Savings", 252, 110, 120, RGB(0, 255, 0)},   {"$-5.00", 252, 110, 143, kRed},
    };
    for (const auto& e : expected) {
        const DrawContext::DrawnText* t = Find(texts, e.text);
        ASSERT_NE(t, nullptr) << e.text;
        EXPECT_EQ(t->Y, e.lineY) << e.text;
        EXPECT_GE(t->X, e.boxX + 10) << e.text;  // centred between h + 10 and h + 114
        EXPECT_LE(t->X, e.boxX + 62) << e.text;
        EXPECT_EQ(t->Colour, e.colour) << e.text;
    }
    EXPECT_EQ(Find(texts, "Car"), nullptr);  // the category name stands for it
    // A name too wide for the box is cut, without dots.
    const DrawContext::DrawnText* wide = nullptr;
    for (const auto& t : texts)
        if (t.Y == 120 && t.X >= 376 && t.X < 500)
            wide = &t;
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(std::string("A very wide name").rfind(wide->Text, 0), 0u);
    // Empty slots show the bare box: nothing is written in them.
    for (const auto& t : texts)
        EXPECT_FALSE(t.Y >= 174 && t.Y < 430) << t.Text;
    EXPECT_NE(Find(texts, "12/05/26"), nullptr);  // the info box shows today
}

TEST_F(MainWindowTest, ASelectedBoxIsInvertedAndFoundItemsCountHits)
{
    Drawn texts;
    const QRgb plain = Paint(texts).pixel(4 + 3, 110 + 3);
    SelectOne(5, 0);
    const QImage image = Paint(texts);
    EXPECT_EQ(image.pixel(4 + 3, 110 + 3), plain);
    EXPECT_EQ(image.pixel(4 * 124 + 4 + 3, 110 + 3), ~plain | 0xff000000u) << std::hex << plain;

    Accounts[0][5].FoundFlag = 1;
    for (int hits : {1, 2}) {
        Accounts[0][5].Balance = hits;
        Drawn box;
        Render(QSize(124, 64), box, [](DrawContext& dc) { DisplayAccountBox(dc, 0, 5, 0, 0, 1); });
        ASSERT_EQ(box.size(), 2u);
        EXPECT_EQ(box[1].Text, hits == 1 ? "1 Hit" : "2 Hits");
    }
}

TEST_F(MainWindowTest, ClicksSelectBoxesAsTheSelectionRulesSay)
{
    Click(kLeftClick, 0, 10, 120);  // Rent
    EXPECT_TRUE(Accounts[1][0].SelectFlag);
    Click(kLeftClick, 0, 10, 120);  // again: unselected
    EXPECT_FALSE(Accounts[1][0].SelectFlag);

    Click(kLeftClick, 0, 10, 120);
    Click(kLeftClick, 0, 20, 60);  // an empty part of the window clears everything
    EXPECT_FALSE(Accounts[1][0].SelectFlag);

    // Shift-clicking three boxes marks all three; commands use the first and the third.
    Click(kLeftClick, kModShift, 10, 120);
    Click(kLeftClick, kModShift, 140, 120);
    Click(kLeftClick, kModShift, 260, 120);
    int Mi1, Si1, Mi2, Si2;
    ASSERT_EQ(Get2Selected(&Mi1, &Si1, &Mi2, &Si2), 1);
    EXPECT_EQ(std::pair(Mi1, Mi2), std::pair(1, 3));
    EXPECT_TRUE(Accounts[2][0].SelectFlag);
    EXPECT_STREQ(gInfoBox, "$1,236.56");  // 1,234.56 + the category 7.00 + savings -5.00

    // Shift-clicking an account unmarks the Checkbook.
    Click(kLeftClick, 0, 80, 30);
    EXPECT_TRUE(Accounts[0][1].SelectFlag);
    Click(kLeftClick, kModShift, 10, 120);
    EXPECT_FALSE(Accounts[0][1].SelectFlag);
    EXPECT_TRUE(Accounts[1][0].SelectFlag);
}

// Only a selected box starts a drag; Ctrl+Shift moves the account, never "Available". (Drags that
// transfer, to and from the main window: the sub-account window's tests.)
TEST_F(MainWindowTest, OnlyASelectedBoxStartsADragAndCtrlShiftMovesAnAccount)
{
    gMouse = 1;
    SetupMouseMoved(AccountWindow{true, 0}, POINT{140, 130}, 0);  // Car
    EXPECT_EQ(gMoveFlag, 0);

    Click(kLeftClick, kModBoth, 10, 120);
    gMouse = 1;
    SetupMouseMoved(AccountWindow{true, 0}, POINT{20, 130}, kModBoth);
    HandleMouseMoved(AccountWindow{true, 0}, POINT{20, 250});  // position 11
    EXPECT_TRUE(std::string(Accounts[11][0].Name) == "Rent" && !Accounts[1][0].Valid);
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();

    Click(kLeftClick, kModBoth, 440, 30);
    gMouse = 1;
    SetupMouseMoved(AccountWindow{true, 0}, POINT{440, 30}, kModBoth);
    EXPECT_EQ(gMoveFlag, 0);
}

TEST_F(MainWindowTest, MenuItemsAreEnabledByTheSelection)
{
    const std::set<int> always = {kCmdExport, kCmdQuit, kCmdVariablePay, kCmdCalculator, kCmdInternational,
                                  kCmdCalendar, kCmdAbout, kCmdNew, kCmdOpen, kCmdInvestmentMode};
    gStartUpFlag = 0;
    EXPECT_EQ(HandleMenuHilites(), always);

    gStartUpFlag = 1;
    std::set<int> none = always;
    none.insert({kCmdSave, kCmdSaveAs, kCmdPreference, kCmdFind, kCmdFindNext, kCmdNewAccount, kCmdStatistics,
                 kCmdCheckSetup, kCmdPrintReport, kCmdBalance, kCmdImportStatement, kCmdEnterPay, kCmdPayInfo,
                 kCmdReminder});
    EXPECT_EQ(HandleMenuHilites(), none);

    SelectOne(2, 0);  // a category
    std::set<int> one = none;
    one.insert({kCmdCreateNote, kCmdDeposit, kCmdHistory, kCmdCheck, kCmdDebit, kCmdATM, kCmdAccount,
                kCmdDeleteAccount, kCmdSubCategory});
    EXPECT_EQ(HandleMenuHilites(), one);

    SelectMultiple(1, 0);
    std::set<int> two = none;
    two.insert({kCmdMoveAccount, kCmdTransfer});
    EXPECT_EQ(HandleMenuHilites(), two);

    ResetSelect(-1, -1);
    gMainInvest = 1;
    std::set<int> invest = always;
    invest.erase(kCmdInvestmentMode);
    invest.insert({kCmdBudgetMode, kCmdSave, kCmdSaveAs, kCmdPreference, kCmdFind, kCmdFindNext, kCmdNewAccount,
                   kCmdStatistics, kCmdPrintReport});
    EXPECT_EQ(HandleMenuHilites(), invest);
    gMainInvest = 0;
}

TEST_F(MainWindowTest, CheckAndDebitKeepThePreference)
{
    DialogScripts dialogs;
    for (const auto& [debit, command, face] :
         {std::tuple{1, kCmdCheck, "Write Check"}, {0, kCmdDebit, "Write Debit"}}) {
        dialogs.Scripts.push_back([face](ScriptedDialog& d) { EXPECT_EQ(d.Title(), face); d.Click(IDCANCEL); });
        gBudget.Debit = static_cast<char>(debit);
        SelectOne(1, 0);
        HandleMenu(command, false);
        EXPECT_EQ(gBudget.Debit, debit) << face;
    }
    EXPECT_EQ(dialogs.Opened.size(), 2u);
}

class MainWindowOnScreenTest : public ProgramFixture {};

// What the info box was given stays there through the repaint it asks for.
TEST_F(MainWindowOnScreenTest, TheInfoBoxShowsFileSavedAndTheSelectionTotalAfterRepainting)
{
    QTemporaryDir dir;
    MainWindow& main = *program->Main;
    RecordTestAccount(1, 0, "Rent");
    RecordTestAccount(2, 0, "Car");
    Accounts[1][0].Balance = 1250;
    Accounts[2][0].Balance = 500;
    windows.SavePaths.push_back(dir.filePath("saved.bgt").toStdString());
    ASSERT_EQ(BudgetSaveAs(), 1);
    main.Board()->grab();
    EXPECT_STREQ(gInfoBox, "File Saved");

    const auto boxCentre = [](int Mi) {
        return QPoint(FindMainAccountHCoordinate(Mi) + 60, FindMainAccountVCoordinate(Mi) + 30);
    };
    Press(main.Board(), boxCentre(1));
    Press(main.Board(), boxCentre(2), Qt::LeftButton, Qt::ShiftModifier);
    main.Board()->grab();
    EXPECT_STREQ(gInfoBox, "$17.50");

    // A repaint of the whole board that nothing asked the info box for shows today again.
    main.Board()->grab();
    char today[64];
    GetDisplayToday(today);
    EXPECT_STREQ(gInfoBox, today);
    UnlockAllBudgetFiles();
}

TEST_F(MainWindowOnScreenTest, ALargerWindowIsBlueBeyondTheBoardAndWindowIsTheLastMenu)
{
    MainWindow& main = *program->Main;
    main.resize(kMainWidth + 120, kMainHeight + 160);
    const QImage image = main.Board()->grab().toImage();
    EXPECT_GT(image.width(), kMainWidth);
    EXPECT_EQ(image.pixelColor(image.width() - 2, image.height() - 2), QColor(0, 0, 255));

    auto* corner = qobject_cast<QMenuBar*>(main.menuBar()->cornerWidget(Qt::TopRightCorner));
    ASSERT_NE(corner, nullptr);
    ASSERT_EQ(corner->actions().size(), 1);
    EXPECT_EQ(corner->actions().front()->text(), "&WINDOW");
    for (QAction* menu : main.menuBar()->actions())
        EXPECT_NE(menu->text(), "&WINDOW");
}

TEST_F(MainWindowOnScreenTest, AMessageBelongsToTheWindowItWasRaisedFromAndFiltersShowOnce)
{
    QWidget history;
    history.show();
    QApplication::setActiveWindow(&history);
    EXPECT_EQ(MessageOwner(program->Main.get()), &history);
    history.hide();
    QApplication::setActiveWindow(nullptr);
    EXPECT_EQ(MessageOwner(program->Main.get()), program->Main.get());

    FileChoice choice;
    choice.Filters = {{"Budget Files (*.bgt)", "*.bgt"}, {"Text Files (*.TXT)", "*.txt"}, {"Statements", "*.ofx"}};
    EXPECT_EQ(FilterText(choice).toStdString(), "Budget Files (*.bgt);;Text Files (*.TXT);;Statements (*.ofx)");
}

class StartupTest : public BudgetFixture {
protected:
    void TearDown() override
    {
        UnlockAllBudgetFiles();
        BudgetFixture::TearDown();
    }
    QTemporaryDir dir;
};

TEST_F(StartupTest, TheProgramStartsWithTheSplashWindowAloneAndNewOpensTheMainWindow)
{
    Program program = CreateProgram();
    ASSERT_EQ(StartProgram(program, {}), 1);
    EXPECT_TRUE(program.Splash->isVisible());
    for (QWidget* w : std::initializer_list<QWidget*>{program.Main.get(), program.Others.Print.get(),
                                                     program.Others.Balance.get(), program.Others.Remind.get(),
                                                     program.Others.Calendar.get()})
        EXPECT_FALSE(w->isVisible()) << w->windowTitle().toStdString();

    // New and Open act only from the splash window; New opens the new budget in the main window.
    SetHost(&host);
    gStartUpFlag = 0;
    HandleMenu(kCmdNew, false);
    EXPECT_EQ(gStartUpFlag, 0);
    HandleMenu(kCmdNew, true);
    EXPECT_EQ(gStartUpFlag, 1);
    EXPECT_TRUE(program.Main->isVisible());
    EXPECT_FALSE(program.Splash->isVisible());
    program.Main->hide();
}

// A budget named at the start opens in the main window, brought back onto the screen; one that
// cannot be opened ends the program without a window.
TEST_F(StartupTest, ABudgetNamedAtTheStartOpensOnTheScreenOrEndsTheProgram)
{
    const std::string path = dir.filePath("far.bgt").toStdString();
    BuildDemoBudget();
    gBudget.MwPt = {5000, 60};
    host.SavePaths.push_back(path);
    ASSERT_EQ(BudgetSaveAs(), 1);
    ASSERT_EQ(BudgetClose(), 1);
    for (const std::string& named : {dir.filePath("missing.bgt").toStdString(), path}) {
        Program program = CreateProgram();
        SetHost(&host);  // the message goes to the test instead of a box
        const bool opens = named == path;
        EXPECT_EQ(StartProgram(program, {QString::fromStdString(named)}), opens ? 1 : 0) << host.AllMessages();
        EXPECT_EQ(program.Main->isVisible(), opens);
        EXPECT_FALSE(program.Splash->isVisible());
        program.Main->hide();
    }
    EXPECT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(std::pair(gBudget.MwPt.x, gBudget.MwPt.y), std::pair(40, 60));
}

}  // namespace
