// Starting the desktop program.
#include "app/Startup.h"

#include "files/BudgetFile.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Money.h"
#include "platform/QtHost.h"
#include "shell/MainWindow.h"
#include "shell/Shell.h"
#include "shell/SplashWindow.h"

#include <QApplication>

Program CreateProgram()
{
    Program program;
    program.Host = new QtHost;
    SetHost(program.Host);
    InitApp();
    program.Main = new MainWindow;
    program.Splash = new SplashWindow;
    program.Host->Owner = program.Main;
    MainWindow* main = program.Main;
    SplashWindow* splash = program.Splash;
    program.Host->OnInvalidateAccount = [main](int Mi, int Si) { main->InvalidateAccount(Mi, Si); };
    program.Host->OnUpdateInfoBox = [main] { main->UpdateInfoBox(); };
    gShell.ShowMainWindow = [main] { main->PlaceAndShow(true); };
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

int StartProgram(Program& program, const QStringList& arguments)
{
    if (arguments.isEmpty()) {
        program.Splash->show();
        return 1;
    }
    const QByteArray name = arguments.join(' ').toLocal8Bit();
    if (name.size() >= kPathSize)
        return 0;
    CopyString(name.constData(), gBudgetFileName);
    if (!OpenBudget(0))
        return 0;
    program.Main->PlaceAndShow(false);
    return 1;
}
