// Starting the desktop program: the host, the model's defaults, the long-lived windows, and the
// budget named on the command line or the splash window.
#pragma once

#include "platform/QtHost.h"
#include "shell/MainWindow.h"
#include "shell/SplashWindow.h"
#include "shell/Windows.h"

#include <QStringList>

#include <memory>

// The program's host and long-lived windows; the host is taken back when they go.
struct Program {
    Program() = default;
    Program(Program&&) = default;
    ~Program();
    std::unique_ptr<QtHost> Host;
    std::unique_ptr<MainWindow> Main;
    std::unique_ptr<SplashWindow> Splash;
    LongLivedWindows Others;
};

// Makes the windows (hidden) and installs the host. Returns the program's windows.
Program CreateProgram();

// Opens the budget named by `arguments` (all of them, joined, as one file name) and shows the
// main window, or shows the splash window when there are none. 0 when the named budget could
// not be opened: the program then ends without showing a window.
int StartProgram(Program& program, const QStringList& arguments);
// The same for the program's own arguments after its name (what Qt left of argv), taken as the
// bytes given, so that a file name that is not valid text still names its file.
int StartProgram(Program& program, int argc, char** argv);
