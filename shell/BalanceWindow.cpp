// The balance window: opening it, painting the window and its two panes, the statement field,
// ticking lines and completing the balancing from the indicator.
#include "shell/BalanceWindow.h"

#include "dialogs/TransactionDialogs.h"
#include "ledger/Balance.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "platform/AccountBox.h"
#include "platform/DrawContext.h"
#include "platform/ListLines.h"
#include "platform/Mouse.h"
#include "platform/Pictures.h"
#include "shell/Windows.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSignalBlocker>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr COLORREF kStandard = RGB(0, 0, 0);
constexpr COLORREF kPaneFrame = RGB(0, 0, 0);
constexpr int kDefaultTotalsY = 360;
constexpr int kWindowHeight = 416;
constexpr int kStatementLength = 15;  // characters of the statement field that are read

// Columns of a pane's line, from its left edge.
constexpr int kTickX = 0;
constexpr int kDateX = 16;
constexpr int kKindX = 80;
constexpr int kAmountWidth = 64;

// The window made at start-up and its parts; they go with the program's windows.
struct BalanceParts {
    QPointer<QWidget> Window;
    QPointer<QLineEdit> Statement;
    QPointer<ListPane> Checks;  // ListPane pointers are only read while the window is up
    QPointer<ListPane> Deposits;
};

BalanceParts& Parts()
{
    static BalanceParts parts;
    return parts;
}

int PaneHeight()
{
    return kBalancePage * gCYChar;
}

// The magnitude of a difference; the most negative amount is shown as the largest one.
int32_t Magnitude(int32_t amount)
{
    const int64_t magnitude = amount < 0 ? -static_cast<int64_t>(amount) : amount;
    return static_cast<int32_t>(std::min<int64_t>(magnitude, INT32_MAX));
}

std::string DisplayDate(const char* datime)
{
    char stored[kDatimeSize + 1] = {};
    std::memcpy(stored, datime, 8);
    char display[kDatimeSize + 1] = {};
    ConvertDateFormat(stored, display);
    display[8] = 0;
    return display;
}

// The tick and the date every line begins with.
Strip DrawLineStart(DrawContext& dc, const RECT& r, bool ticked, const char* datime)
{
    const Strip s = StripOf(dc, r);
    dc.SetTextColor(kListText);
    if (ticked)
        dc.DrawBitmap(kX, s.X + kTickX, s.PictureY);
    dc.TextOut(s.X + kDateX, s.TextY, DisplayDate(datime));
    return s;
}

std::string KindText(const CBalance& c)
{
    if (c.ATM == kWithdrawalATM)
        return "ATM";
    if (c.ATM == kWithdrawalDebit)
        return "Debit";
    return c.BIdent ? std::to_string(c.BIdent) : std::string(" ");
}

template <typename T>
using NextLink = T* T::*;

// Draws the page of a chain: pageStart records skipped, at most pageSize drawn.
template <typename T, typename Draw>
void PaintPage(DrawContext& dc, T* anchor, NextLink<T> next, int pageStart, int pageSize, int lineWidth, Draw draw)
{
    T* record = anchor;
    for (int k = 0; record && k < pageStart; ++k)
        record = record->*next;
    for (int line = 0; record && line < pageSize; ++line, record = record->*next)
        draw(dc, record, RECT{0, line * gCYChar, lineWidth, (line + 1) * gCYChar});
}

// The record of the line a press in a pane hits, and that line; null below the last record or
// below the page.
template <typename T>
T* RecordAt(T* anchor, NextLink<T> next, int pageStart, int pageSize, POINT thePoint, int& line)
{
    if (thePoint.y < 0 || gCYChar <= 0)
        return nullptr;
    line = thePoint.y / gCYChar;
    if (line >= pageSize)
        return nullptr;
    T* record = anchor;
    for (int k = 0; record && k < pageStart + line; ++k)
        record = record->*next;
    return record;
}

void RedrawLine(QWidget* pane, int line, int lineWidth)
{
    // The white frame lines are drawn on the line's top and bottom edges.
    if (pane)
        pane->update(0, line * gCYChar, lineWidth, gCYChar + 1);
}

// A combined pay deposit has no record of its own: its pay entry's log entry in the Checkbook
// stands for it.
AHistory* PayLogEntry(int32_t payID)
{
    if (payID <= 0)
        return nullptr;
    for (AHistory* h = MemoryAccounts[0][1].HistoryRec; h; h = h->HistoryFP)
        if (h->PayID == payID)
            return h;
    return nullptr;
}

void SetPaneRange(ListPane* pane, int32_t lines)
{
    if (pane)
        pane->SetLines(lines, kBalancePage);
}

bool ScrollKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

// Painting, mouse, wheel and keys of the window and its panes.
class BalanceEvents : public QObject {
public:
    BalanceEvents(QWidget* window, QWidget* checks, QWidget* deposits)
        : QObject(window), window(window), checks(checks), deposits(deposits)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A part being destroyed still gets events (focus out, children removed) after its own
        // class is gone: the parts are only compared here, and used for the events below alone.
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            if (watched == checks || watched == deposits)
                static_cast<QWidget*>(watched)->update();  // the focus frame
            return false;
        case QEvent::Paint:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
            break;
        default:
            return false;
        }
        if (watched == window)
            return WindowEvent(window, event);
        if (watched == checks || watched == deposits)
            return PaneEvent(static_cast<ListPane*>(watched), watched == checks, event);
        return false;
    }

private:
    QWidget* const window;
    const QObject* const checks;
    const QObject* const deposits;

    static bool WindowEvent(QWidget* window, QEvent* event)
    {
        switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(window);
            DrawContext dc(painter);
            dc.SetTransparent(true);
            PaintBalanceWindow(dc);
            return true;
        }
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            // A right press on the indicator is taken as a plain left one.
            if (mouse->button() == Qt::LeftButton)
                HandleBalanceWindowMouse(PointOf(mouse), SetMod(mouse->modifiers()));
            else if (mouse->button() == Qt::RightButton)
                HandleBalanceWindowMouse(PointOf(mouse), 0);
            return true;
        }
        case QEvent::MouseButtonDblClick:
            return true;  // the second press of a double click does nothing
        default:
            return false;
        }
    }

    static bool PaneEvent(ListPane* pane, bool checks, QEvent* event)
    {
        QScrollBar* bar = pane->ScrollBar();
        switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(pane);
            DrawContext dc(painter);
            dc.SetTransparent(true);
            if (checks)
                PaintCheckWindow(dc, bar->value(), bar->pageStep());
            else
                PaintDepositWindow(dc, bar->value(), bar->pageStep());
            if (pane->hasFocus()) {
                painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
                painter.drawRect(0, 0, pane->width() - bar->width() - 1, pane->height() - 1);
            }
            return true;
        }
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const int click = mouse->button() == Qt::LeftButton    ? kLeftClick
                              : mouse->button() == Qt::RightButton ? kRightClick
                                                                   : 0;
            if (checks)
                HandleCheckWindowMouse(bar->value(), bar->pageStep(), PointOf(mouse), click);
            else
                HandleDepositWindowMouse(bar->value(), bar->pageStep(), PointOf(mouse), click);
            return true;
        }
        case QEvent::MouseButtonDblClick:
            return true;  // it would untick what the first press ticked
        case QEvent::Wheel:
            QCoreApplication::sendEvent(bar, event);
            return true;
        case QEvent::KeyPress:
            if (!ScrollKey(static_cast<QKeyEvent*>(event)->key()))
                return false;
            QCoreApplication::sendEvent(bar, event);
            return true;
        default:
            return false;
        }
    }
};

}  // namespace

int BalanceTotalsY()
{
    return std::max(kDefaultTotalsY, kBalancePaneY + PaneHeight() + 4);
}

void AttachBalanceWindow(const LongLivedWindows& windows)
{
    BalanceParts& parts = Parts();
    parts.Window = windows.Balance.get();
    parts.Statement = qobject_cast<QLineEdit*>(windows.Statement);
    parts.Checks = windows.CheckList;
    parts.Deposits = windows.DepositList;
    if (!parts.Window || !parts.Statement || !parts.Checks || !parts.Deposits)
        return;

    auto* events = new BalanceEvents(parts.Window, parts.Checks, parts.Deposits);
    parts.Window->installEventFilter(events);
    parts.Window->setFixedHeight(std::max(kWindowHeight, BalanceTotalsY() + gCYChar + 8));
    parts.Statement->setMaxLength(kStatementLength);
    QObject::connect(parts.Statement, &QLineEdit::textChanged, events, [] { ReadStatementBalance(); });
    for (ListPane* pane : {parts.Checks.data(), parts.Deposits.data()}) {
        pane->installEventFilter(events);
        // Tab goes from the statement field to the panes, where the arrow and page keys scroll;
        // a click ticks a line without taking the focus from the statement field.
        pane->setFocusPolicy(Qt::TabFocus);
        pane->ScrollBar()->setFocusPolicy(Qt::NoFocus);
        QObject::connect(pane->ScrollBar(), &QScrollBar::valueChanged, pane, [pane] { pane->update(); });
    }
    SetBalanceScrollRanges();
}

void HandleBalanceWindow()
{
    const BalanceParts& parts = Parts();
    if (!parts.Window || !parts.Statement)
        return;
    SetBalanceScrollRanges();
    ShowInFront(parts.Window);
    parts.Window->update();
    parts.Statement->setText(FromBudgetText(MoneyText(gBudget.StatementBalance)));
    parts.Statement->setFocus();
    parts.Statement->selectAll();
    gBudgetFileChanged = 1;
}

void RefreshBalanceWindow()
{
    const BalanceParts& parts = Parts();
    SetBalanceScrollRanges();
    for (QWidget* w : {static_cast<QWidget*>(parts.Window), static_cast<QWidget*>(parts.Checks),
                       static_cast<QWidget*>(parts.Deposits)})
        if (w)
            w->update();
}

void ShowStatementInCurrentForm()
{
    QLineEdit* field = Parts().Statement;
    if (!field)
        return;
    const QSignalBlocker quiet(field);
    field->setText(FromBudgetText(MoneyText(gBudget.StatementBalance)));
}

QWidget* BalanceWindowWidget()
{
    return Parts().Window;
}

void TypeStatementBalance(int32_t amount)
{
    if (QLineEdit* field = Parts().Statement)
        field->setText(FromBudgetText(MoneyText(amount)));
}

void SetBalanceScrollRanges()
{
    SetPaneRange(Parts().Checks, gCheckDisplayLines);
    SetPaneRange(Parts().Deposits, gDepositDisplayLines);
}

void ReadStatementBalance()
{
    const QLineEdit* field = Parts().Statement;
    if (!field)
        return;
    const int32_t before = gBudget.StatementBalance;
    // What is no amount yet is passed over: the user is still typing.
    if (ReadStatementText(ToBudgetText(field->text().left(kStatementLength))) && gBudget.StatementBalance != before)
        UpdateCommonBalanceArea();
}

void UpdateCommonBalanceArea()
{
    QWidget* window = Parts().Window;
    if (!window)
        return;
    const RECT& d = kDifferenceArea;
    window->update(d.left, d.top, d.right - d.left, d.bottom - d.top);
    const int y = BalanceTotalsY();
    window->update(kCheckPaneX, y, kCheckPaneWidth, gCYChar);
    window->update(kDepositPaneX, y, 392 - kDepositPaneX, gCYChar);
}

void PaintBalanceWindow(DrawContext& dc)
{
    Accounts[0][1].SelectFlag = 0;
    DisplayAccountBox(dc, 0, 1, kBalanceCheckbookX, kBalanceCheckbookY, 0);
    dc.DrawBitmap(kAccount, kBankBoxX, kBankBoxY);
    // Every text of the window is in the colour of the account names, as the boxes are.
    dc.SetTextColor(gBudget.Standard);
    DisplayText(dc, "Bank Balance", kBankBoxY + 12, 0, kBankBoxX + 8, kBankBoxX + 116);

    SumBalanceData();
    const int32_t difference = gBalanceZero;
    const int indicator = difference == 0 ? kBlevel : difference < 0 ? kBLDown : kBRDown;
    dc.DrawBitmap(indicator, kIndicatorArea.left, kIndicatorArea.top);
    DisplayText(dc, MoneyText(Magnitude(difference)), kIndicatorArea.bottom, 0, 156, 236);

    DisplayText(dc, "Checks", kBalancePaneY - 20, 0, kCheckPaneX, kCheckPaneX + kCheckPaneWidth);
    DisplayText(dc, "Deposits", kBalancePaneY - 20, 0, kDepositPaneX, kDepositPaneX + kDepositPaneWidth);
    const int totalsY = BalanceTotalsY();
    if (gBXCheckTotal > 0)
        dc.TextOut(kCheckPaneX, totalsY, "Total Withdrawals " + MoneyText(gBXCheckTotal));
    if (gBXDepositTotal > 0)
        dc.TextOut(kDepositPaneX, totalsY, "Total Deposits " + MoneyText(gBXDepositTotal));
    dc.SetTextColor(kStandard);

    // The panes' borders.
    const int bottom = kBalancePaneY + PaneHeight() + 1;
    dc.FrameRect(kCheckPaneX - 1, kBalancePaneY - 1, kCheckPaneX + kCheckPaneWidth + 1, bottom, kPaneFrame);
    dc.FrameRect(kDepositPaneX - 1, kBalancePaneY - 1, kDepositPaneX + kDepositPaneWidth + 1, bottom, kPaneFrame);
}

void PaintCheckWindow(DrawContext& dc, int pageStart, int pageSize)
{
    PaintPage(dc, gBalanceCAnchor, &CBalance::BalanceCFP, pageStart, pageSize, kCheckLineWidth,
              [](DrawContext& d, const CBalance* c, RECT r) { DrawCheckData(d, c, r); });
}

void PaintDepositWindow(DrawContext& dc, int pageStart, int pageSize)
{
    PaintPage(dc, gBalanceDAnchor, &DBalance::BalanceDFP, pageStart, pageSize, kDepositLineWidth,
              [](DrawContext& d, const DBalance* r, RECT rect) { DrawDepositData(d, r, rect); });
}

void DrawCheckData(DrawContext& dc, const CBalance* theCPtr, RECT theRect)
{
    const Strip s = DrawLineStart(dc, theRect, theCPtr->BChecked != 0, theCPtr->BDatime);
    dc.TextOut(s.X + kKindX, s.TextY, KindText(*theCPtr));
    DrawAmount(dc, s, kCheckLineWidth, theCPtr->BAmount, kAmountWidth);
    DrawLineFrame(dc, theRect);
}

void DrawDepositData(DrawContext& dc, const DBalance* theDPtr, RECT theRect)
{
    const Strip s = DrawLineStart(dc, theRect, theDPtr->BChecked != 0, theDPtr->BDatime);
    DrawAmount(dc, s, kDepositLineWidth, theDPtr->BAmount, kAmountWidth);
    DrawLineFrame(dc, theRect);
}

void HandleBalanceWindowMouse(POINT thePoint, int mod)
{
    if (!Inside(thePoint, kIndicatorArea))
        return;
    if (!CompleteBalancing(mod == kModBoth ? 1 : 0))
        return;
    if (QWidget* window = Parts().Window)
        window->hide();
}

void HandleCheckWindowMouse(int pageStart, int pageSize, POINT thePoint, int theClick)
{
    int line = 0;
    CBalance* c = RecordAt(gBalanceCAnchor, &CBalance::BalanceCFP, pageStart, pageSize, thePoint, line);
    if (!c)
        return;
    if (theClick == kRightClick) {
        HandleTransactionDisplay(c->HistoryRec);
    } else if (theClick == kLeftClick) {
        SetBalanceTick(c, !c->BChecked);
        RedrawLine(Parts().Checks, line, kCheckLineWidth);
        UpdateCommonBalanceArea();
    }
}

void HandleDepositWindowMouse(int pageStart, int pageSize, POINT thePoint, int theClick)
{
    int line = 0;
    DBalance* d = RecordAt(gBalanceDAnchor, &DBalance::BalanceDFP, pageStart, pageSize, thePoint, line);
    if (!d)
        return;
    if (theClick == kRightClick) {
        HandleTransactionDisplay(d->HistoryRec ? d->HistoryRec : PayLogEntry(d->DepositID));
    } else if (theClick == kLeftClick) {
        SetBalanceTick(d, !d->BChecked);
        RedrawLine(Parts().Deposits, line, kDepositLineWidth);
        UpdateCommonBalanceArea();
    }
}
