// The list pane of a history window: an account's records newest first, one or two lines each,
// with the picture of the transaction, date, payee, amount and running balance; scrolling by
// lines, selecting one record, expanding a record's second line and marking transfer halves.
#pragma once

#include "model/Records.h"
#include "platform/PlainWindow.h"

#include <QFont>

class DrawContext;
class QPaintDevice;

constexpr int kHistoryPage = 16;        // lines of a page, and of the pane's height
constexpr int kHistoryPaneWidth = 536;  // the pane with its scroll bar
constexpr int kHistoryLineWidth = 516;  // drawn width of a line
constexpr int kHistoryHitWidth = 518;   // width a click on a line is taken in
constexpr int kHistoryArrowWidth = 18;  // a click this near the left edge expands a record

// Average character width and line height of the list panes (measured on the first history
// window made). Every line of a list is gCYListChar high.
extern int gCXListChar;
extern int gCYListChar;

// The top line of a page: the record whose first (or second) line it is; no record when the
// chain has fewer lines than the page's start.
struct HistoryPageStart {
    AHistory* Record = nullptr;
    bool SecondLine = false;
};
HistoryPageStart FindHistoryPageStart(int Mi, int Si, int pageStart);

// The picture of a record's first line (kCheck, kDeposit, kATM, kTransfer, kX, kPay, kBalance,
// kUndo, kSmile or kSad).
int HistoryPicture(const AHistory& record);

// The lists' font: the budget's history font when one is chosen, else Arial 10 points.
QFont HistoryListFont(const QPaintDevice& device);

// Draws the page of slot (Mi, Si) that begins at list line pageStart, pageSize lines from y = 0.
void PaintHistoryListWindow(DrawContext& dc, int Mi, int Si, int pageStart, int pageSize);
// Draws line `Line` (0 the first, 1 the second) of a record in the strip theRect.
void DrawHistoryData(DrawContext& dc, const AHistory* theHPtr, RECT theRect, int Line);

// A press in slot (Mi, Si)'s list pane: theClick 1 left, 3 right; mod as SetMod gives it. The
// page shown is read from the pane's scroll bar (the first page when the slot has no pane).
void HandleListMouse(int theClick, POINT thePoint, int Mi, int Si, int mod);
// After a click on theNewHPtr in the page beginning with theStartHPtr: toggles its selection
// and deselects every other record of the slot, so at most one is selected.
void HandleListReset(AHistory* theStartHPtr, AHistory* theNewHPtr, int Mi, int Si, int pageSize);

// Sets the list's scroll bar after the slot's DisplayLines: it scrolls until the last page is
// full and stays visible, disabled, while every line fits.
void SetHistoryScrollRange(int Mi, int Si);
// Repaints the slot's list pane, if it has one.
void RedrawHistoryList(int Mi, int Si);

// The list pane: finds its slot through the slot's HistoryListWindow handle, so it follows an
// account that is moved on the grid.
class HistoryListPane : public ListPane {
public:
    HistoryListPane(QWidget* parent, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The second press of a double click does nothing (it would undo the first one's toggle).
    void mouseDoubleClickEvent(QMouseEvent*) override {}
    void wheelEvent(QWheelEvent* event) override;
};
