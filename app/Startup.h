// Starting the desktop program: the host, the model's defaults, the long-lived windows, and the
// budget named on the command line or the splash window.
#pragma once

#include <QStringList>

class MainWindow;
class SplashWindow;
class QtHost;

struct Program {
    QtHost* Host = nullptr;
    MainWindow* Main = nullptr;
    SplashWindow* Splash = nullptr;
};

// Makes the windows (hidden) and installs the host. Returns the program's windows.
Program CreateProgram();

// Opens the budget named by `arguments` (all of them, joined, as one file name) and shows the
// main window, or shows the splash window when there are none. 0 when the named budget could
// not be opened: the program then ends without showing a window.
int StartProgram(Program& program, const QStringList& arguments);
