// The sub-account window of a main account: its main slot and six sub slots drawn as account
// boxes, and a row of buttons. One window per main account 1 to 25, made on first use, only
// hidden when closed, and shown again where it was last moved to (the main slot's SwPt).
#pragma once

#include "model/Records.h"
#include "shell/MainMouse.h"

class DrawContext;
class QPoint;
class QWidget;

// The client size of the window.
constexpr int kSubWindowWidth = 416;
constexpr int kSubWindowHeight = 240;

// The buttons, 32 x 24 each, with the main window's pictures.
struct SubButton {
    int Picture;
    int X, Y;
};
enum SubButtonAction { kSubCheck, kSubDeposit, kSubTransfer, kSubStats, kSubHistory, kSubInfo, kSubNew };
extern const SubButton kSubButtons[7];

// Opens the window of main account Mi (made when it does not exist yet) at the stored place, a
// coordinate beyond the screen or below 0 becoming 40, and brings it to the front.
void DisplaySubAccounts(int Mi);
// Makes the (hidden) window of Mi, captioned with the category name, and keeps it in the main
// slot's CoreRecord.
QWidget* CreateSubWindow(int Mi);

void PaintSubWindow(DrawContext& dc, int Mi);
// A press or double click in the window of Mi: the buttons, then the boxes; a click that
// neither takes clears the selection.
void SubWindowMouse(int Mi, int theClick, int mod, POINT thePoint);
// 1 when the click was taken.
int MouseDownSubButtons(int Mi, POINT thePoint);
int MouseDownSubAccounts(int Mi, int theClick, int mod, POINT thePoint);

// Repaints box Si of the open window of Mi after the engine changed the slot (Si -1: every box;
// Mi -1: every window). Windows a newly opened budget no longer knows are hidden.
void InvalidateSubWindow(int Mi, int Si);
// Destroys every sub-account window made so far (the main slots forget them).
void DestroySubWindows();

// Where a drag that started in `from` ends: the account window (main window or sub-account
// window) under the screen point `global`, with `local` turned into its client coordinates; when
// no other account window is there, `from` with `local` unchanged.
AccountWindow DropWindow(AccountWindow from, const QPoint& global, POINT& local);
