// The print window laying out the check, and checks printed into PDF files where the machine has
// no printer: from the File menu, the Write Check dialog and budget-cli.
#include "support/PdfText.h"
#include "support/WindowFixture.h"

#include "cli/Commands.h"
#include "dialogs/EntryDialogs.h"
#include "dialogs/EntryHelpers.h"
#include "dialogs/SettingsDialogs.h"
#include "files/BudgetFile.h"
#include "model/Globals.h"
#include "model/RecordStore.h"
#include "printing/CheckPrint.h"
#include "printing/PrintWindow.h"
#include "printing/Printer.h"
#include "shell/Commands.h"

#include <QCursor>
#include <QFile>
#include <QFont>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr int kPrintButton = 1009;  // of the Write Check dialog

std::string Path(const QTemporaryDir& dir, const char* name)
{
    return dir.filePath(name).toStdString();
}

class PrintTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        previousFinder = ReplacePrinterFinder([] { return QPrinterInfo(); });  // never a real printer
        RecordTestAccount(1, 0, "Rent");
        RecordDeposit(1, 0, 500000, "Employer", "12/01/26", "", false);
        windows.Messages.clear();
    }
    void TearDown() override
    {
        ReplacePrinterFinder(previousFinder);
        ProgramFixture::TearDown();
    }

    AHistory* WriteCheck()
    {
        return RecordCheck(1, 0,
                           {.Amount = 123456, .Datime = "12/03/26", .PayTo = "Landlord", .Memo = "Unit 4",
                            .Number = 1042});
    }

    QWidget* Window() const { return program->Others.Print.get(); }
    QWidget* Data() const { return program->Others.PrintData; }

    PrinterFinder previousFinder = nullptr;
    QTemporaryDir dir;
};

// The positions of the texts in the page's text, each after the one before; npos for one missing.
std::vector<size_t> InOrder(const std::string& text, const std::vector<std::string>& parts)
{
    std::vector<size_t> at;
    size_t from = 0;
    for (const std::string& part : parts) {
        from = text.find(part, from);
        at.push_back(from);
        if (from == std::string::npos)
            break;
    }
    return at;
}

TEST_F(PrintTest, PrintCheckWritesTheFieldsIntoTheChosenPdfAndMarksTheCheckPrinted)
{
    gBudget.PrintField[kPrintIdent] = RECT{520, 34, 600, 54};
    AHistory* check = WriteCheck();
    ASSERT_NE(check, nullptr);

    // No PDF chosen: nothing is printed and nothing said.
    gSelectedItem = check;
    check->Selected = 1;
    HandleMenu(kCmdPrintCheck, false);
    EXPECT_EQ(check->PrintFlag, 0);
    EXPECT_TRUE(windows.Messages.empty()) << windows.AllMessages();
    ASSERT_EQ(windows.Choices.size(), 1u);
    EXPECT_EQ(windows.Choices[0].Title, "Save as PDF");
    EXPECT_EQ(windows.Choices[0].Filters.at(0).Description, "PDF Files (*.pdf)");

    // A file that cannot be written: the job is abandoned and the check stays unprinted.
    windows.SavePaths.push_back(Path(dir, "missing/check.pdf"));
    HandleMenu(kCmdPrintCheck, false);
    EXPECT_EQ(check->PrintFlag, 0);
    EXPECT_EQ(windows.OnlyMessage(), "Error. 0 Unable to start doc");
    windows.Messages.clear();

    const std::string pdf = Path(dir, "check.pdf");
    windows.SavePaths.push_back(pdf);
    HandleMenu(kCmdPrintCheck, false);
    EXPECT_TRUE(windows.Messages.empty()) << windows.AllMessages();
    EXPECT_EQ(check->PrintFlag, 1);
    EXPECT_TRUE(Window()->isVisible());
    const std::vector<std::string> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    // Top to bottom as the boxes lie: date and number, payee and amount, words, memo.
    const std::vector<size_t> at = InOrder(pages[0], {"12/03/26", "1042", "Landlord", "1,234.56",
                                                      "ONE THOUSAND TWO HUNDRED THIRTY FOUR AND 56/100", "Unit 4"});
    EXPECT_EQ(std::count(at.begin(), at.end(), std::string::npos), 0) << pages[0];

    // The printed mark is kept with the budget.
    const std::string budget = Path(dir, "budget.bgt");
    windows.SavePaths.push_back(budget);
    ASSERT_EQ(BudgetSaveAs(), 1);
    ASSERT_EQ(BudgetClose(), 1);
    CopyString(budget.c_str(), gBudgetFileName);
    ASSERT_EQ(OpenBudget(0), 1) << windows.AllMessages();
    EXPECT_EQ(MemoryAccounts[1][0].HistoryRec->PrintFlag, 1);
}

TEST_F(PrintTest, WriteChecksPrintButtonRecordsOnlyWhatTheLayoutCanPrint)
{
    DialogScripts scripts;
    const auto fill = [](ScriptedDialog& d) {
        d.Type(kAmountField, "45.10");
        d.Type(1002, "Gas Station");
    };
    // Setup Error 1: nothing recorded, the dialog stays open until cancelled.
    gBudget.PrintField[kPrintWordAmount] = RECT{0, 0, 0, 0};
    scripts.Scripts.push_back([&](ScriptedDialog& d) {
        fill(d);
        d.Click(kPrintButton);
        EXPECT_FALSE(d.IsEnded());
        d.Click(IDCANCEL);
    });
    HandleCheck(1, 0, nullptr);
    EXPECT_EQ(windows.OnlyMessage().rfind("Setup Error 1", 0), 0u);
    EXPECT_EQ(MemoryAccounts[1][0].HistoryRec->TypeFlag, 0);  // still the deposit

    // Day and Month in place of the Date: the check is recorded, then printed.
    SetDefaultCheckLayout();
    gBudget.PrintField[kPrintDate] = RECT{0, 0, 0, 0};
    gBudget.PrintField[kPrintDay] = RECT{334, 34, 360, 54};
    gBudget.PrintField[kPrintMonth] = RECT{370, 34, 420, 54};
    windows.Messages.clear();
    const std::string pdf = Path(dir, "dialog.pdf");
    windows.SavePaths.push_back(pdf);
    scripts.Scripts.push_back([&](ScriptedDialog& d) {
        fill(d);
        d.Click(kPrintButton);
    });
    HandleCheck(1, 0, nullptr);
    EXPECT_TRUE(windows.Messages.empty()) << windows.AllMessages();
    const AHistory* rec = MemoryAccounts[1][0].HistoryRec;
    EXPECT_STREQ(rec->PayToFm, "Gas Station");
    EXPECT_EQ(rec->PrintFlag, 1);
    const std::vector<std::string> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("FORTY FIVE AND 10/100"), std::string::npos) << pages[0];
    EXPECT_NE(pages[0].find("Dec"), std::string::npos) << pages[0];
}

// Select Print Font of the preferences: the font chosen is the budget's at once, its size in
// tenths of a point, and checks print in it.
TEST_F(PrintTest, TheChosenPrintFontIsKeptAndPrinted)
{
    ReplaceFontChooser([](QFont& font, QWidget*) {
        font.setFamily("DejaVu Serif");
        font.setPointSizeF(12.5);
        return true;
    });
    DialogScripts scripts;
    scripts.Scripts.push_back([](ScriptedDialog& d) {
        d.Click(1003);
        d.Click(IDCANCEL);
    });
    HandlePreference();
    ReplaceFontChooser(nullptr);
    EXPECT_EQ(gBudget.PFontSet, 1);
    EXPECT_EQ(gBudget.PrintFontSize, 125);
    EXPECT_STREQ(gBudget.PrintFont.lfFaceName, "DejaVu Serif");

    AHistory* check = WriteCheck();
    gSelectedItem = check;
    check->Selected = 1;
    const std::string pdf = Path(dir, "font.pdf");
    windows.SavePaths.push_back(pdf);
    HandleMenu(kCmdPrintCheck, false);
    ASSERT_EQ(check->PrintFlag, 1) << windows.AllMessages();
    QProcess fonts;
    fonts.start("pdffonts", {QString::fromStdString(pdf)});
    ASSERT_TRUE(fonts.waitForFinished(30000));
    EXPECT_TRUE(fonts.readAllStandardOutput().contains("DejaVuSerif"));
}

// A key as the window system delivers it, with the mouse over `at` in the data area.
void Key(QWidget* window, QWidget* data, POINT at, int key, bool keypad, const QString& text)
{
    QCursor::setPos(data->mapToGlobal(QPoint(at.x, at.y)));
    QKeyEvent event(QEvent::KeyPress, key, keypad ? Qt::KeypadModifier : Qt::NoModifier, text);
    QCoreApplication::sendEvent(window, &event);
}

using Box = std::array<int, 4>;  // left, top, right, bottom

Box BoxOf(const RECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

TEST_F(PrintTest, BoxesAreDrawnMovedAndNudgedWithMouseAndKeys)
{
    gBudget.PwPt = POINT{-300, 100000};  // a place off the screen comes back
    HandleMenu(kCmdCheckSetup, false);
    ASSERT_TRUE(Window()->isVisible());
    EXPECT_EQ(Window()->pos(), QPoint(40, 40));
    EXPECT_EQ(gBudget.PrintWidth, 648);

    // Pressing Memo's button takes its box away; a drag draws it anew, right and down only.
    Press(Window(), {3 * 64 + 20, 10});
    EXPECT_EQ(PItems[kPrintMemo].Selected, 1);
    EXPECT_EQ(BoxOf(gBudget.PrintField[kPrintMemo]), (Box{0, 0, 0, 0}));
    Press(Data(), {100, 150});
    Press(Data(), {100, 150}, Qt::LeftButton, {}, QEvent::MouseMove);
    Press(Data(), {220, 172}, Qt::LeftButton, {}, QEvent::MouseMove);
    Press(Data(), {90, 140}, Qt::LeftButton, {}, QEvent::MouseMove);
    Press(Data(), {90, 140}, Qt::LeftButton, {}, QEvent::MouseButtonRelease);
    EXPECT_EQ(BoxOf(gBudget.PrintField[kPrintMemo]), (Box{100, 150, 220, 172}));

    // Its button let go, a drag of the box moves it.
    Press(Window(), {3 * 64 + 20, 10});
    EXPECT_EQ(PItems[kPrintMemo].Selected, 0);
    EXPECT_EQ(BoxOf(gBudget.PrintField[kPrintMemo]), (Box{100, 150, 220, 172}));
    Press(Data(), {110, 160});
    Press(Data(), {130, 165}, Qt::LeftButton, {}, QEvent::MouseMove);
    Press(Data(), {130, 165}, Qt::LeftButton, {}, QEvent::MouseButtonRelease);
    EXPECT_EQ(BoxOf(gBudget.PrintField[kPrintMemo]), (Box{120, 155, 240, 177}));

    // A press outside every box with no button pressed does nothing.
    RECT before[kPrintFields];
    std::copy(std::begin(gBudget.PrintField), std::end(gBudget.PrintField), before);
    Press(Data(), {600, 260});
    Press(Data(), {610, 270}, Qt::LeftButton, {}, QEvent::MouseMove);
    for (int field = 0; field < kPrintFields; ++field)
        EXPECT_EQ(BoxOf(gBudget.PrintField[field]), BoxOf(before[field])) << PrintFieldLabel(field);

    // Keys nudge the box under the mouse once a press, arrows and numeric pad alike.
    struct Nudge {
        int key;
        bool keypad;
        const char* text;
        Box change;
    };
    const Nudge nudges[] = {
        {Qt::Key_Left, false, "", {-1, 0, -1, 0}},   {Qt::Key_6, true, "6", {1, 0, 1, 0}},
        {Qt::Key_8, true, "8", {0, -1, 0, -1}},      {Qt::Key_2, false, "2", {0, 1, 0, 1}},
        {Qt::Key_1, true, "1", {0, -1, 0, 1}},       {Qt::Key_3, true, "3", {0, 1, 0, -1}},
        {Qt::Key_7, true, "7", {-1, 0, 1, 0}},       {Qt::Key_9, true, "9", {1, 0, -1, 0}},
        {Qt::Key_5, true, "5", {0, 0, 0, 0}},        {Qt::Key_A, false, "a", {0, 0, 0, 0}},
    };
    for (const Nudge& n : nudges) {
        const Box was = BoxOf(gBudget.PrintField[kPrintMemo]);
        Key(Window(), Data(), {150, 165}, n.key, n.keypad, n.text);
        const Box now = BoxOf(gBudget.PrintField[kPrintMemo]);
        EXPECT_EQ((Box{now[0] - was[0], now[1] - was[1], now[2] - was[2], now[3] - was[3]}), n.change)
            << n.text << " key " << n.key;
    }

    // Signature is not available: the message, and no button stays pressed.
    Press(Window(), {9 * 64 + 20, 10});
    EXPECT_NE(windows.OnlyMessage().find("This function is not avilable."), std::string::npos);
    for (const PrintRecord& item : PItems)
        EXPECT_EQ(item.Selected, 0) << item.ButtonLabel;

    // The layout is the budget's: it comes back with it.
    const Box memo = BoxOf(gBudget.PrintField[kPrintMemo]);
    const std::string budget = Path(dir, "layout.bgt");
    windows.SavePaths.push_back(budget);
    ASSERT_EQ(BudgetSaveAs(), 1);
    ASSERT_EQ(BudgetClose(), 1);
    SetDefaultCheckLayout();
    CopyString(budget.c_str(), gBudgetFileName);
    ASSERT_EQ(OpenBudget(0), 1) << windows.AllMessages();
    EXPECT_EQ(BoxOf(gBudget.PrintField[kPrintMemo]), memo);
}

// budget-cli, run as a shell runs it: the check printed, the refusals said and nothing saved.
TEST_F(PrintTest, BudgetCliPrintsACheckIntoAPdf)
{
    WriteCheck();
    const std::string budget = Path(dir, "cli.bgt");
    windows.SavePaths.push_back(budget);
    ASSERT_EQ(BudgetSaveAs(), 1);
    ASSERT_EQ(BudgetClose(), 1);
    const auto run = [&](const QStringList& arguments) {
        QProcess cli;
        cli.start(BUDGET_CLI_PATH, arguments);
        EXPECT_TRUE(cli.waitForFinished(60000));
        return std::pair{cli.exitCode(), cli.readAllStandardError().toStdString()};
    };
    const QString file = QString::fromStdString(budget);
    const std::string pdf = Path(dir, "cli.pdf");

    struct Refusal {
        QStringList arguments;
        int code;
        const char* error;
    };
    const Refusal refusals[] = {
        {{"print-check", file, "Rent", "1", "--pdf", QString::fromStdString(pdf)},
         1,
         "Selection Error: Only checks, debits and ATM withdrawals can be printed."},
        {{"print-check", file, "Rent", "0"}, 2, "--pdf OUT.pdf is required"},
        {{"layout", file, "--clear", "wrd amt"}, 0, ""},
        {{"print-check", file, "Rent", "0", "--pdf", QString::fromStdString(pdf)}, 1, "Setup Error 1"},
        {{"layout", file, "--set", "Wrd Amt", "34", "106", "420", "126"}, 0, ""},
    };
    for (const Refusal& r : refusals) {
        const auto [code, error] = run(r.arguments);
        EXPECT_EQ(code, r.code) << r.arguments.join(' ').toStdString() << "\n" << error;
        EXPECT_NE(error.find(r.error), std::string::npos) << error;
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));

    const auto [code, error] = run({"print-check", file, "Rent", "0", "--pdf", QString::fromStdString(pdf)});
    ASSERT_EQ(code, 0) << error;
    const std::vector<std::string> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<size_t> at =
        InOrder(pages[0], {"12/03/26", "Landlord", "1,234.56", "ONE THOUSAND TWO HUNDRED THIRTY FOUR AND 56/100"});
    EXPECT_EQ(std::count(at.begin(), at.end(), std::string::npos), 0) << pages[0];
    // Printed once: the file is not replaced.
    EXPECT_EQ(run({"print-check", file, "Rent", "0", "--pdf", QString::fromStdString(pdf)}).first, 1);

    CopyString(budget.c_str(), gBudgetFileName);
    ASSERT_EQ(OpenBudget(0), 1) << windows.AllMessages();
    EXPECT_EQ(MemoryAccounts[1][0].HistoryRec->PrintFlag, 1);
}

}  // namespace
