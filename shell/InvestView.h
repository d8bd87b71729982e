// The main window in investment mode: the 25 investment boxes on the grid of the main accounts,
// the portfolio's figures with the line saying since when the market values are current, six
// buttons, clicks on boxes and buttons, the selection of investments, and the Ctrl+Shift drag
// that exchanges two accounts.
#pragma once

#include "model/Records.h"
#include "platform/Pictures.h"

class DrawContext;

// The buttons of the investment view, in the order of their actions.
struct InvestButton {
    int Picture;
    int X, Y;
};
enum InvestButtonAction { kInvestBuy, kInvestSell, kInvestPrice, kInvestNew, kInvestHistory, kInvestInfo };
constexpr InvestButton kInvestButtons[6] = {
    {kBuy, 8, 8}, {kSell, 40, 8}, {kPPS, 72, 8}, {kNewButton, 8, 32}, {kHistoryButton, 40, 32}, {kInfoButton, 72, 32},
};
// The portfolio's panel (its figures and the info line below them), repainted when an account
// changes.
constexpr RECT kPortfolioArea{160, 8, 468, 96};
constexpr int kInfoLineY = 76;

void PaintInvestWindow(DrawContext& dc);

// The investment box whose box holds the point (1 to 25, with an account or not), else 0.
int InvestAccountAt(POINT thePoint);

// A press, double click or right click in the main window in investment mode: the boxes, then
// the buttons; a click on neither clears the selection.
void InvestWindowMouse(int theClick, int mod, POINT thePoint);
// The boxes; 1 when a box or a note mark was hit.
int MouseDownInvestAccounts(POINT thePoint, int mod, int theClick);

// A price per share for every account in turn, from the lowest number, until one is cancelled.
void PriceEveryInvestment();

// The selection of investment boxes; a box is marked exactly while it is one of the two.
// A plain click: the box alone, or nothing when it was marked.
void SelectOneInvest(int Ii);
// A Shift click with a first selection: the box becomes the second one, or stops being it. The
// first selection stays as it is.
void SelectTwoInvest(int Ii);
// The box unmarked and both selections cleared.
void UnselectInvest(int Ii);
// Every investment box unmarked, both selections cleared.
void ClearInvestSelection();

// The drag: a move with the button down starts it on a selected box; the button coming up on
// another box exchanges the two accounts when Ctrl and Shift were held.
void SetupInvestMouseMoved(POINT thePoint, int mod);
void HandleInvestMouseMoved(POINT thePoint);
