// Clicks and drags in the main window: the account boxes, the Checkbook and the buttons.
#pragma once

#include "model/Records.h"
#include "platform/Mouse.h"

// A press or double click in the main window.
void MainWindowMouse(int theClick, int mod, POINT thePoint);
int MouseDownMainAccounts(int theClick, int mod, POINT thePoint);
int MouseDownMainCheckbook(int theClick, int mod, POINT thePoint);
int MouseDownMainButton(int theClick, int mod, POINT thePoint);

// The window a drag starts or ends in: the main window, or the sub-account window of main
// account Mi.
struct AccountWindow {
    bool Main;
    int Mi;
};

// Dragging: a move while the button is down, and the button coming up.
void SetupMouseMoved(AccountWindow theWindow, POINT thePoint, int mod);
void HandleMouseMoved(AccountWindow theWindow, POINT thePoint);
