// Starting the desktop program.
#include "app/Startup.h"

#include "dialogs/AccountDialogs.h"
#include "dialogs/EntryDialogs.h"
#include "dialogs/NoteDialogs.h"
#include "dialogs/PayDialogs.h"
#include "dialogs/ReminderDialogs.h"
#include "files/BudgetFile.h"
#include "history/HistoryWindow.h"
#include "history/InvestHistory.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Money.h"
#include "printing/CheckPrint.h"
#include "printing/PrintWindow.h"
#include "platform/QtHost.h"
#include "shell/BalanceWindow.h"
#include "shell/CalendarWindow.h"
#include "shell/MainWindow.h"
#include "shell/RemindWindow.h"
#include "shell/Shell.h"
#include "shell/SplashWindow.h"
#include "shell/SubWindow.h"

#include <QApplication>
#include <QFile>

#include <string>
#include <vector>

Program::~Program()
{
    if (!Main)
        return;  // moved from
    DestroyHistoryWindows();
    DestroyInvestHistoryWindows();
    DestroySubWindows();
    gShell = ShellWindows{};
    SetShowSubAccounts(nullptr);
    if (&GetHost() == Host.get())
        SetHost(nullptr);
}

Program CreateProgram()
{
    Program program;
    program.Host = std::make_unique<QtHost>();
    SetHost(program.Host.get());
    InitApp();
    program.Main = std::make_unique<MainWindow>();
    program.Others = CreateLongLivedWindows(program.Main.get());
    AttachPrintWindow(program.Others.Print.get(), program.Others.PrintData);
    InitPrint();
    AttachBalanceWindow(program.Others);
    program.Splash = std::make_unique<SplashWindow>();
    MainWindow* main = program.Main.get();
    SplashWindow* splash = program.Splash.get();
    program.Host->Owner = main;
    program.Host->OnInvalidateAccount = [main](int Mi, int Si) {
        main->InvalidateAccount(Mi, Si);
        InvalidateHistory(Mi, Si);
        InvalidateSubWindow(Mi, Si);
        RefreshBalanceWindow();
        RepaintCalendar();  // a check or deposit may have moved a reminder on
    };
    program.Host->OnInvalidateInvestAccount = [main](int Ii) {
        main->InvalidateInvestAccount(Ii);
        InvalidateInvestHistory(Ii);
    };
    program.Host->OnUpdateInfoBox = [main] { main->UpdateInfoBox(); };
    program.Host->OnNewBudgetPaySetup = [] { HandlePaySetup(); };
    program.Host->OnAvailableTransfer = [](int Mi, int Si, int32_t amount) {
        return HandleTransfer(0, 0, Mi, Si, 1, amount);
    };
    program.Host->OnDeleteAccount = [](int Mi, int Si) { return DeleteAccountDialog(Mi, Si, 0); };
    program.Host->OnReminderDialog = [](AHistory* theHPtr) { RemindDialog(theHPtr); };
    program.Host->OnPrintCheck = [] { return PrintCheckWithWindow(); };
    program.Host->OnRemindersChanged = [] { AfterRemindersChanged(); };
    program.Host->OnSettingsChanged = [] {
        RelayoutHistoryWindows();
        ShowStatementInCurrentForm();
    };
    SetShowSubAccounts(DisplaySubAccounts);
    gShell.ShowMainWindow = [main](bool place) {
        if (place) {
            main->PlaceAndShow(true);
        } else {
            main->show();
            main->raise();
        }
    };
    gShell.HideSplash = [splash] { splash->hide(); };
    gShell.ShowAbout = [splash] { splash->ShowAbout(); };
    gShell.DragCursor = [](bool on) {
        if (on && !QApplication::overrideCursor())
            QApplication::setOverrideCursor(Qt::UpArrowCursor);
        else if (!on)
            while (QApplication::overrideCursor())
                QApplication::restoreOverrideCursor();
    };
    gShell.RepaintMain = [main] { main->Board()->update(); };
    return program;
}

namespace {

// Opens the budget named by the arguments (the bytes of a file name, joined), or shows the splash.
int StartWithArguments(Program& program, const std::vector<std::string>& arguments)
{
    if (arguments.empty()) {
        program.Splash->show();
        return 1;
    }
    std::string name;
    for (const std::string& argument : arguments)
        name += (name.empty() ? "" : " ") + argument;
    if (name.size() >= static_cast<size_t>(kPathSize))
        return 0;
    CopyString(name.c_str(), gBudgetFileName);
    if (!OpenBudget(0))
        return 0;
    program.Main->PlaceAndShow(false);
    ShowRemindersAfterOpening();
    return 1;
}

}  // namespace

int StartProgram(Program& program, int argc, char** argv)
{
    return StartWithArguments(program, std::vector<std::string>(argv + 1, argv + argc));
}

int StartProgram(Program& program, const QStringList& arguments)
{
    std::vector<std::string> names;
    for (const QString& argument : arguments)
        names.push_back(QFile::encodeName(argument).toStdString());
    return StartWithArguments(program, names);
}
