// Pictures of the program's windows and dialogs over the sample budget, written to
// build/tests/screenshots/ for anyone to look at; each must be a whole picture of its window.
#include "support/WindowFixture.h"

#include "cli/Demo.h"
#include "dialogs/AccountDialogs.h"
#include "dialogs/FindDialog.h"
#include "dialogs/PayDialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "dialogs/StatsDialogs.h"
#include "history/HistoryList.h"
#include "history/HistoryWindow.h"
#include "find/Find.h"
#include "history/InvestHistory.h"
#include "investments/InvestRecording.h"
#include "model/Globals.h"
#include "printing/CheckPrint.h"
#include "printing/PrintWindow.h"
#include "reminders/Calendar.h"
#include "shell/BalanceWindow.h"
#include "shell/CalendarWindow.h"
#include "shell/Commands.h"
#include "shell/RemindWindow.h"
#include "shell/StatementWindow.h"
#include "shell/SubWindow.h"
#include "shell/VPayWindow.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <string>

namespace {

class ScreenshotTest : public ProgramFixture {};

TEST_F(ScreenshotTest, EveryWindowAndDialogIsPicturedWholeAtItsSize)
{
    BuildDemoBudget();
    program->Main->PlaceAndShow(false);
    program->Splash->show();

    // Groceries: a debit, an ATM withdrawal, a transfer and a pay, with their second lines and
    // the newest record selected.
    DisplayHistory(2, 0);
    ToggleHistoryExpansion(2, 0);
    Press(static_cast<QWidget*>(MemoryAccounts[2][0].HistoryListWindow), {200, gCYListChar / 2});
    DisplaySubAccounts(4);  // Car Expenses
    HandleBalanceWindow();  // this month's transactions are outstanding
    // The rent and the electric bill due again, the rent's due date passed; the calendar shows
    // them with the month's To Do items.
    for (const auto& [Mi, due] : {std::pair{1, "12/01/26"}, {3, "12/12/26"}}) {
        SetTestReminder(MemoryAccounts[Mi][0].HistoryRec, due, 10);
        CheckReminder(MemoryAccounts[Mi][0].HistoryRec);
    }
    MarkCalendarStale();
    DisplayCalendar();
    DisplayRemind();
    // Find All of the pays from Main Job: "Found Items" with its copies.
    gFindCriteria = {.Payee = "main job", .Year = 26, .IgnoreCase = true};
    BeginFind(FindStep::FindAll);
    ASSERT_EQ(FindIt(), 1);
    DisplayHistory(kFoundMi, kFoundSi);
    // A bonus in the Variable Pay window, part of it given to the first account of the list.
    HandleVPay();
    qobject_cast<QLineEdit*>(VPayWindowControl(kVPayTotal))->setText("250.00");
    qobject_cast<QLineEdit*>(VPayWindowControl(kVPayFrom))->setText("Year-end bonus");
    Press(VPayWindowControl(kVPayList), {100, gCYChar / 2});
    qobject_cast<QLineEdit*>(VPayWindowControl(kVPayAddAmount))->setText("75.00");
    // Check Setup showing the fields of the newest Groceries record, as after printing it.
    PrintCheckData(MemoryAccounts[2][0].HistoryRec);
    PrintSetup();
    QCoreApplication::processEvents();

    const std::map<std::string, QWidget*> pictures = {
        {"main-window.png", program->Main.get()},
        {"splash-window.png", program->Splash.get()},
        {"history-window.png", static_cast<QWidget*>(MemoryAccounts[2][0].HistoryWindow)},
        {"sub-account-window.png", static_cast<QWidget*>(MemoryAccounts[4][0].SubAccountWindow)},
        {"balance-window.png", program->Others.Balance.get()},
        {"reminder-window.png", program->Others.Remind.get()},
        {"calendar-window.png", program->Others.Calendar.get()},
        {"found-items-window.png", static_cast<QWidget*>(MemoryAccounts[kFoundMi][kFoundSi].HistoryWindow)},
        {"variable-pay-window.png", VPayWindow()},
        {"print-window.png", program->Others.Print.get()},
    };
    for (const auto& [name, window] : pictures) {
        ASSERT_NE(window, nullptr) << name;
        EXPECT_TRUE(SaveScreenshot(*window, name.c_str()));
    }
    CloseVPayWindow();

    // The bank's statement imported into the balance window: the first withdrawal and the first
    // deposit listed cleared, and a bank fee and an interest payment the budget does not hold.
    QTemporaryDir statementDir;
    const QString statementPath = statementDir.filePath("statement.csv");
    {
        const auto row = [](const char* datime, int32_t amount, const char* payee) {
            const int32_t cents = amount < 0 ? -amount : amount;
            char text[96];
            std::snprintf(text, sizeof text, "%.8s,%s,%s%d.%02d\n", datime, payee, amount < 0 ? "-" : "", cents / 100,
                          cents % 100);
            return QByteArray(text);
        };
        QFile file(statementPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(gBalanceCAnchor && gBalanceDAnchor);
        file.write("Date,Description,Amount\n");
        file.write(row(gBalanceCAnchor->BDatime, -gBalanceCAnchor->BAmount, "CARD PURCHASE"));
        file.write(row(gBalanceDAnchor->BDatime, gBalanceDAnchor->BAmount, "DIRECT DEPOSIT"));
        file.write(row("12/03/26", -400, "Monthly service fee"));
        file.write(row("12/04/26", 112, "Interest"));
    }
    windows.OpenPaths.push_back(statementPath.toStdString());
    HandleMenu(kCmdImportStatement, false);
    QCoreApplication::processEvents();
    ASSERT_NE(StatementLinesWindow(), nullptr);
    EXPECT_TRUE(SaveScreenshot(*program->Others.Balance, "balance-window-import.png"));
    EXPECT_TRUE(SaveScreenshot(*StatementLinesWindow(), "statement-lines-window.png"));
    CloseStatementLinesWindow();

    // Real dialogs, each pictured as it opens (Account Setup after an allocation was typed, so its
    // totals show) and cancelled.
    const std::map<std::string, std::string> dialogPictures = {
        {"NEWACCOUNT", "account-setup-dialog.png"}, {"PAYSETUP", "pay-setup-dialog.png"}, {"FIND", "find-dialog.png"},
        {"STATISTICS", "statistics-dialog.png"}, {"BSTAT", "main-statistics-dialog.png"},
        {"CALCULATOR", "savings-calculator-dialog.png"},
        {"PREFERENCE", "preference-dialog.png"}, {"INTERNATIONAL", "international-dialog.png"}};
    std::vector<std::string> opened;
    ScopedDialogRunner real{[&](const std::string& name, DialogProcedure& procedure) {
        opened.push_back(name);
        std::string error;
        QtDialog dialog(LoadDialogTemplate(name, error).value(), procedure, nullptr);
        dialog.Open();
        if (name == "NEWACCOUNT")
            dialog.Send(1004, kTextChanged);
        QCoreApplication::processEvents();
        EXPECT_TRUE(SaveScreenshot(dialog.Window(), dialogPictures.at(name).c_str()));
        dialog.Send(IDCANCEL, kClicked);
        return dialog.Result();
    }};
    EXPECT_EQ(RunAccountSetup(1, 0), 0);  // Rent
    EXPECT_EQ(HandlePaySetup(), 0);
    EXPECT_EQ(RunFindDialog(), 0);  // showing the criteria of the Find All above
    HandleStats(2, 0);              // Groceries
    HandleMainStats();
    RunSavingsCalculator();
    HandlePreference();
    HandleInternational();
    EXPECT_EQ(opened, (std::vector<std::string>{"NEWACCOUNT", "PAYSETUP", "FIND", "STATISTICS", "BSTAT", "CALCULATOR",
                                                "PREFERENCE", "INTERNATIONAL"}));

    // The investment view with three accounts (one with a note, one selected) and the history
    // window of the one that was bought, sold and priced.
    ASSERT_EQ(RecordInvestName(2, "Bonds"), 1);
    ASSERT_EQ(RecordInvestName(3, "Tech Stock"), 1);
    ASSERT_TRUE(BuySellShares(1, 1, 25000, 41250, "11/02/26"));
    ASSERT_TRUE(BuySellShares(0, 1, 5500, 44100, "11/20/26"));
    ASSERT_TRUE(RecordPriceUpdate(1, 45375, "12/05/26"));
    ASSERT_TRUE(BuySellShares(1, 2, 100000, 10125, "12/05/26"));
    RecordInvestNote(3, "Sell before the merger.");
    BudgetSwitch(1);
    DisplayInvestHistory(1);
    Invest[2].SelectFlag = 1;
    gFirstSelected[0] = 2;
    QCoreApplication::processEvents();

    EXPECT_TRUE(SaveScreenshot(*program->Main, "investment-view.png"));
    EXPECT_TRUE(SaveScreenshot(*static_cast<QWidget*>(MemoryInvest[1].HistoryWindow), "investment-history-window.png"));
    EXPECT_TRUE(windows.Messages.empty()) << windows.AllMessages();
}

}  // namespace
