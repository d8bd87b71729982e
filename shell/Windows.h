// The long-lived windows besides the main and splash windows: made hidden at start-up with their
// titles, sizes, places and background colours, and only shown and hidden afterwards. Their
// contents are painted by the windows' own parts.
#pragma once

#include "platform/PlainWindow.h"

#include <memory>

// Text metrics of the main window's font, measured once: average character width, and height
// with external leading. Several list windows are sized in lines of gCYChar.
extern int gCXChar;
extern int gCYChar;

struct LongLivedWindows {
    std::unique_ptr<PlainWindow> Print;
    PlainWindow* PrintData = nullptr;
    std::unique_ptr<PlainWindow> Balance;
    QWidget* Statement = nullptr;
    ListPane* CheckList = nullptr;
    ListPane* DepositList = nullptr;
    std::unique_ptr<PlainWindow> Remind;
    ListPane* RemindList = nullptr;
    ListPane* ToDoList = nullptr;
    std::unique_ptr<PlainWindow> Calendar;
};

// Measures gCXChar and gCYChar on `main` and makes the windows, all hidden.
LongLivedWindows CreateLongLivedWindows(QWidget* main);

// Hides the history and sub-account windows of every account and investment (when the main
// window changes between budget and investment mode).
void CloseAllWindows();
