// The history window of an account slot: its toolbar, the account's box, the column header with
// the expand arrow, and the list pane of the account's records. One window per slot, made on
// first use and afterwards only hidden and shown again.
#pragma once

#include "model/Records.h"

class DrawContext;
class QWidget;

// Where the window's parts are, in pixels of its client area; an investment's history window has
// the same size and list.
constexpr int kHistoryClientWidth = 552;
constexpr int kHistoryBoxX = 218;
constexpr int kHistoryBoxY = 8;
constexpr int kHistoryHeaderX = 8;
constexpr int kHistoryHeaderY = 88;
constexpr int kHistoryListX = 8;
constexpr int kHistoryListY = 108;
// The expand arrow of the header and the area a click on it is taken in.
constexpr int kHistoryArrowX = 10;
constexpr int kHistoryArrowY = 91;
constexpr RECT kHistoryArrowArea{10, 91, 22, 106};

// The toolbar, in the order of its actions: check, deposit, print, remind on the top row;
// statistics, undo, info, editor below. Each button is 32 x 24.
struct HistoryButton {
    int Picture;
    int X, Y;
};
extern const HistoryButton kHistoryButtons[8];

// The window's height: the list pane, its border and the margin below it.
int HistoryClientHeight();
// Measures the lines of the lists (gCXListChar, gCYListChar) on the program's font and the
// budget's history font.
void MeasureHistoryLines();
// Measures the lines again after the history font changed and fits every history window made
// (accounts and investments) to the new line height.
void RelayoutHistoryWindows();

// Opens the history window of slot (Mi, Si), or brings it forward, at the slot's stored place.
// A slot of main accounts 1 to 25 opens only when it is a valid account.
void DisplayHistory(int Mi, int Si);
// Makes the slot's window and list pane (hidden) and keeps both handles in its CoreRecord.
QWidget* CreateHistoryList(int Mi, int Si);

void PaintHistoryWindow(DrawContext& dc, int Mi, int Si);
// A left press in slot (Mi, Si)'s window outside its list pane.
void HistoryWindowMouse(int Mi, int Si, int theClick, int mod, POINT thePoint);
// The toolbar: runs the button under the point; 1 when one was hit.
int MouseDownHistoryButton(int Mi, int Si, POINT thePoint, QWidget* theWindow);
// The expanded view of the whole account on or off: every record with a second line shows it,
// or none does; DisplayLines and the scroll range follow.
void ToggleHistoryExpansion(int Mi, int Si);

// Repaints what the open history windows show of slot (Mi, Si) (Si -1: every slot of Mi; Mi -1:
// every slot) after the engine changed it: the account box and the list with its scroll range.
// "Available" and the Checkbook are repainted with any slot, as their balances move with it.
void InvalidateHistory(int Mi, int Si);

// Destroys every history window made so far (the slots forget them).
void DestroyHistoryWindows();
