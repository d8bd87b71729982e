// The balance window, where the checkbook is balanced against a bank statement: the Checkbook's
// box, the statement balance field, the balance indicator with the difference, and the two panes
// of outstanding withdrawals ("Checks") and deposits ("Deposits"), ticked line by line. The
// window is made hidden at start-up and only shown and hidden afterwards.
#pragma once

#include "model/Records.h"

class DrawContext;
class QWidget;
struct LongLivedWindows;

// Where the window's parts are, in pixels of its client area.
constexpr int kBalanceCheckbookX = 8;
constexpr int kBalanceCheckbookY = 8;
constexpr int kBankBoxX = 260;
constexpr int kBankBoxY = 8;
constexpr RECT kIndicatorArea{181, 12, 213, 44};    // the indicator picture, and where a click hits it
constexpr RECT kDifferenceArea{149, 12, 245, 76};   // the indicator with the difference below it
constexpr int kBalancePaneY = 100;
constexpr int kCheckPaneX = 4;
constexpr int kCheckPaneWidth = 210;
constexpr int kDepositPaneX = 220;
constexpr int kDepositPaneWidth = 168;
constexpr int kBalancePage = 16;        // lines of a pane's page, and of its height
constexpr int kCheckLineWidth = 190;    // drawn width of a line of the check pane
constexpr int kDepositLineWidth = 148;  // and of the deposit pane

// The top of the ticked totals: 360, or just below the panes when their lines are taller than 16
// pixels (the window then grows to keep the totals inside it).
int BalanceTotalsY();

// Gives the window made at start-up its painting, clicks, scrolling, keyboard and statement field.
void AttachBalanceWindow(const LongLivedWindows& windows);

// Opens the window: the panes' scroll ranges, the window in front, the statement balance in the
// field with its whole text selected.
void HandleBalanceWindow();

// After the engine changed accounts or the balancing chains (a new transaction, an undo, a
// completed balancing): the panes' scroll ranges follow the line counts and the window repaints.
void RefreshBalanceWindow();
// After the money settings changed: the statement field shows the statement balance in the new
// form (without reading it back, so the amount stays as it is).
void ShowStatementInCurrentForm();
void SetBalanceScrollRanges();
// The window made at start-up, or null before it is made.
QWidget* BalanceWindowWidget();
// Puts `amount` into the statement field as if typed there (an imported statement's closing
// balance): it is read as the user's own statement balance.
void TypeStatementBalance(int32_t amount);

// The statement field's text read as an amount: a valid amount other than the stored statement
// balance is stored and the indicator and difference repaint; anything else is ignored.
void ReadStatementBalance();
// Repaints what depends on the ticks and the statement: the indicator, the difference and the
// two totals lines.
void UpdateCommonBalanceArea();

void PaintBalanceWindow(DrawContext& dc);
// A page of a pane: pageStart records skipped, at most pageSize drawn, one per line from y = 0.
void PaintCheckWindow(DrawContext& dc, int pageStart, int pageSize);
void PaintDepositWindow(DrawContext& dc, int pageStart, int pageSize);
void DrawCheckData(DrawContext& dc, const CBalance* theCPtr, RECT theRect);
void DrawDepositData(DrawContext& dc, const DBalance* theDPtr, RECT theRect);

// A press on the window outside the panes (a right press comes as mod 0): on the indicator it
// completes the balancing (forced with mod kModBoth, Ctrl+Shift) and hides the window.
void HandleBalanceWindowMouse(POINT thePoint, int mod);
// A press in a pane showing the page from pageStart: theClick kLeftClick ticks or unticks the
// line's record, kRightClick shows its transaction.
void HandleCheckWindowMouse(int pageStart, int pageSize, POINT thePoint, int theClick);
void HandleDepositWindowMouse(int pageStart, int pageSize, POINT thePoint, int theClick);
