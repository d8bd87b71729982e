// The history window of an investment account: buy, sell and price buttons, the account's figures
// (holding, share price, cost basis, market value, performance), and the list pane with one line
// per trade or price update. One window per account, made on first use, afterwards only hidden
// and shown again at the account's stored place; it follows its account when two are exchanged.
#pragma once

#include "model/Records.h"

class DrawContext;
class QWidget;

// The buttons, in the order of their actions (buy, sell, price), each 32 x 24.
struct InvestHistoryButton {
    int Picture;
    int X, Y;
};
extern const InvestHistoryButton kInvestHistoryButtons[3];
// The panel of the figures, and the area repainted when they change.
constexpr int kInvestFiguresX = 48;
constexpr int kInvestFiguresY = 8;
constexpr RECT kInvestFiguresArea{48, 8, 544, 72};

// Opens the window of valid account Ii (made when it does not exist yet) at the account's stored
// place, a coordinate beyond the screen or below 0 becoming 40, and brings it to the front.
void DisplayInvestHistory(int Ii);
// Makes the (hidden) window of Ii with its list pane and keeps both handles in its ICoreRecord.
QWidget* CreateInvestHistoryList(int Ii);

void PaintInvestHistoryWindow(DrawContext& dc, int Ii);
// A left press in account Ii's window: a button runs its dialog, then the list's scroll range
// follows and the window comes to the front.
void InvestHistoryWindowMouse(int Ii, int theClick, int mod, POINT thePoint);

// Draws the records of account Ii from the start-th newest on, count lines from y = 0.
void PaintInvestHistoryListWindow(DrawContext& dc, int Ii, int start, int count);
// One record's line in the strip theRect: the picture of a purchase or sale, the date, the
// shares, the price, the holding after it and the value.
void DrawInvestData(DrawContext& dc, const IHistory& record, RECT theRect);

// The list's scroll bar after the account's DisplayLines, a page of 16 lines.
void SetInvestScrollRange(int Ii);
// Repaints the figures and list of account Ii's window, if it has one (Ii -1: every account);
// windows no account knows any more (a deleted account's) are put away.
void InvalidateInvestHistory(int Ii);
// Destroys every investment history window made so far (the accounts forget them).
void DestroyInvestHistoryWindows();
