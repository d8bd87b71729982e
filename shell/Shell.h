// What the main window's commands ask of the program's windows. The desktop program fills these
// in; tests leave them empty or record the calls.
#pragma once

#include <functional>

struct ShellWindows {
    // Shows the main window and brings it to the front; with `place`, first at the stored
    // position (coordinates beyond the screen or below 0 become 40), else where it is.
    std::function<void(bool place)> ShowMainWindow;
    std::function<void()> HideSplash;
    std::function<void()> ShowAbout;       // the About display over the splash window
    std::function<void(bool)> DragCursor;  // the drag cursor on or off
    std::function<void()> RepaintMain;
};

extern ShellWindows gShell;

// Calls a window action when the program has one.
template <typename F, typename... Args>
void ShellCall(const F& action, Args... args)
{
    if (action)
        action(args...);
}
