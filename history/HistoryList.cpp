// The list pane of a history window: painting a page of an account's records, and clicks on it.
#include "history/HistoryList.h"

#include "dialogs/TransactionDialogs.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Money.h"
#include "platform/DrawContext.h"
#include "platform/ListLines.h"
#include "platform/Mouse.h"
#include "platform/Pictures.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cstring>
#include <string>
#include <vector>

int gCXListChar = 8;
int gCYListChar = 18;

namespace {

// Columns of a line, from the strip's left edge.
constexpr int kArrowX = 0;
constexpr int kPictureX = 16;
constexpr int kDateX = 34;
constexpr int kDateWidth = 50;
constexpr int kPrinterX = 68;
constexpr int kTextX = 86;
constexpr int kTextWidth = 305;
constexpr int kForWidth = 150;
constexpr int kMemoX = 240;
constexpr int kMemoWidth = 150;
constexpr int kAmountRight = 452;
constexpr int kBalanceRight = 516;
constexpr int kAmountWidth = 60;

bool ValidSlot(int Mi, int Si)
{
    return Mi >= 0 && Mi < kMainAccounts && Si >= 0 && Si < kSlots;
}

bool SavingsRecord(const AHistory& h)
{
    return ValidSlot(h.Mi, h.Si) && Accounts[h.Mi][h.Si].SavingsFlag;
}

HistoryListPane* PaneOf(int Mi, int Si)
{
    // Handles are kept as QWidget pointers, as every window of the program is.
    return static_cast<HistoryListPane*>(static_cast<QWidget*>(MemoryAccounts[Mi][Si].HistoryListWindow));
}

// What the first line names: the transfer's other account and purpose, or the payee.
std::string PartnerText(const AHistory& h)
{
    if (!h.TransferFlag)
        return RecordText(h.PayToFm);
    return std::string(h.XferFm ? "To: " : "From: ") + RecordText(h.AccountName) + " For: " + RecordText(h.For);
}

void DrawFirstLine(DrawContext& dc, const AHistory& h, const Strip& s)
{
    if (!h.LogRecord) {
        if (h.Tri)
            dc.DrawBitmap(h.HFlag ? kDownArrow : kSideArrow, s.X + kArrowX, s.PictureY);
        dc.DrawBitmap(HistoryPicture(h), s.X + kPictureX, s.PictureY);
    }
    char datime[kDatimeSize + 1] = {};
    std::memcpy(datime, h.Datime, kDatimeSize);
    char display[kDatimeSize + 1] = {};
    ConvertDateFormat(datime, display);
    char date[kDatimeSize + 1] = {};
    DateString(dc, display, kDateWidth, date);
    dc.TextOut(s.X + kDateX, s.TextY, date);

    DrawFitted(dc, s, kTextX, PartnerText(h), kTextWidth);

    // Log entries carry no money, except the Checkbook's entry of a pay.
    const bool payLog = h.LogRecord && h.Mi == 0 && h.Si == 1 && h.PayID > 0;
    if (h.LogRecord && !payLog)
        return;
    DrawAmount(dc, s, kAmountRight, h.Amt, kAmountWidth);
    if (h.Balance < 0)
        dc.SetTextColor(gBudget.NegativeAmount);
    DrawAmount(dc, s, kBalanceRight, h.Balance, kAmountWidth);
    dc.SetTextColor(kListText);
}

void DrawSecondLine(DrawContext& dc, const AHistory& h, const Strip& s)
{
    if (h.TypeFlag && !h.TransferFlag && !SavingsRecord(h))
        dc.TextOut(s.X + kDateX, s.TextY, h.ATM == kWithdrawalDebit ? std::string("Debit") : std::to_string(h.CheckID));
    if (h.PrintFlag && h.TypeFlag)
        dc.DrawBitmap(kPrinter, s.X + kPrinterX, s.PictureY);
    if (h.Remind)
        dc.DrawBitmap(kRemind, s.X + kPictureX, s.PictureY);
    DrawFitted(dc, s, kTextX, RecordText(h.For), kForWidth);
    // A transfer's Memo holds the link to its other half, not text.
    if (h.ATM != kWithdrawalDebit && !h.TransferFlag)
        DrawFitted(dc, s, kMemoX, RecordText(h.Memo), kMemoWidth);
}

// Where every kMarkLines-th line of a slot's list begins, found once for each shape of its chain
// (gHistoryShape), so that a page deep in a long history is found from the nearest mark instead
// of a walk from the newest record on every paint.
constexpr int kMarkLines = 256;
struct PageMarks {
    uint64_t Shape = 0;
    const AHistory* Head = nullptr;
    std::vector<HistoryPageStart> Starts;  // Starts[k]: where line k * kMarkLines begins
};
PageMarks gPageMarks[kMainAccounts][kSlots];

// `lines` lines further down the list: a record's second line, when shown, follows its first.
HistoryPageStart Advance(HistoryPageStart at, int lines)
{
    for (; at.Record && lines > 0; --lines) {
        if (!at.SecondLine && at.Record->HFlag)
            at.SecondLine = true;
        else
            at = {at.Record->HistoryFP, false};
    }
    return at;
}

// The next strip of a page: a record's second line follows its first when it is shown.
void NextStrip(AHistory*& h, bool& second)
{
    if (!second && h->HFlag) {
        second = true;
    } else {
        h = h->HistoryFP;
        second = false;
    }
}

}  // namespace

HistoryPageStart FindHistoryPageStart(int Mi, int Si, int pageStart)
{
    if (pageStart < 0 || !ValidSlot(Mi, Si))
        return {};
    PageMarks& marks = gPageMarks[Mi][Si];
    AHistory* head = MemoryAccounts[Mi][Si].HistoryRec;
    if (marks.Shape != gHistoryShape || marks.Head != head || marks.Starts.empty())
        marks = PageMarks{gHistoryShape, head, {HistoryPageStart{head, false}}};
    const size_t mark = static_cast<size_t>(pageStart / kMarkLines);
    while (marks.Starts.size() <= mark) {
        const HistoryPageStart next = Advance(marks.Starts.back(), kMarkLines);
        if (!next.Record)
            return {};
        marks.Starts.push_back(next);
    }
    return Advance(marks.Starts[mark], pageStart % kMarkLines);
}

int HistoryPicture(const AHistory& h)
{
    // The rules in order; the last one that applies wins.
    int picture = h.TypeFlag ? kCheck : kDeposit;
    if (h.TypeFlag && h.ATM == kWithdrawalATM)
        picture = kATM;
    if (h.TransferFlag)
        picture = h.Marked ? kX : kTransfer;
    if (h.PayFlag)
        picture = kPay;
    if (h.BalanceFlag)
        picture = kBalance;
    if (h.UnDone)
        picture = kUndo;
    if (SavingsRecord(h))
        picture = h.TypeFlag ? kSad : kSmile;
    return picture;
}

QFont HistoryListFont(const QPaintDevice& device)
{
    if (gBudget.HFontSet)
        return FontFromLogFont(gBudget.HistoryFont);
    return EzCreateFont(device, "Arial", 100, 0, 0);
}

void PaintHistoryListWindow(DrawContext& dc, int Mi, int Si, int pageStart, int pageSize)
{
    dc.SetFont(HistoryListFont(*dc.Painter().device()));
    HistoryPageStart start = FindHistoryPageStart(Mi, Si, pageStart);
    AHistory* h = start.Record;
    RECT strip{0, 0, kHistoryLineWidth, gCYListChar};
    int drawn = 0;
    auto draw = [&](int line) {
        DrawHistoryData(dc, h, strip, line);
        strip.top += gCYListChar;
        strip.bottom += gCYListChar;
        ++drawn;
    };
    if (h && start.SecondLine) {
        draw(1);
        h = h->HistoryFP;
    }
    for (; h && drawn < pageSize; h = h->HistoryFP) {
        draw(0);
        if (h->HFlag)
            draw(1);
    }
}

void DrawHistoryData(DrawContext& dc, const AHistory* theHPtr, RECT theRect, int Line)
{
    const Strip s = StripOf(dc, theRect);
    dc.SetTextColor(kListText);
    if (Line == 0)
        DrawFirstLine(dc, *theHPtr, s);
    else
        DrawSecondLine(dc, *theHPtr, s);
    if (theHPtr->Selected)
        dc.InvertRect(theRect.left, theRect.top, theRect.right, theRect.bottom);
    DrawLineFrame(dc, theRect);
}

void HandleListMouse(int theClick, POINT thePoint, int Mi, int Si, int mod)
{
    const HistoryListPane* pane = PaneOf(Mi, Si);
    const int pageStart = pane ? pane->ScrollBar()->value() : 0;
    const int pageSize = pane ? pane->ScrollBar()->pageStep() : kHistoryPage;
    const HistoryPageStart start = FindHistoryPageStart(Mi, Si, pageStart);
    if (!start.Record || thePoint.x < 0 || thePoint.x >= kHistoryHitWidth || thePoint.y < 0)
        return;
    const int strip = thePoint.y / gCYListChar;
    if (strip >= pageSize)
        return;
    AHistory* h = start.Record;
    bool second = start.SecondLine;
    for (int k = 0; k < strip && h; ++k)
        NextStrip(h, second);
    if (!h)
        return;

    if (theClick == kRightClick) {
        HandleTransactionDisplay(h);
        return;
    }
    if (theClick != kLeftClick)
        return;
    if (!second) {
        if (mod == kModCtrl) {
            BudgetEdit(h, static_cast<QWidget*>(MemoryAccounts[Mi][Si].HistoryWindow));
            return;
        }
        if (thePoint.x < kHistoryArrowWidth && h->Tri) {
            h->HFlag = !h->HFlag;
            MemoryAccounts[Mi][Si].DisplayLines += h->HFlag ? 1 : -1;
            ++gHistoryShape;
            SetHistoryScrollRange(Mi, Si);
            RedrawHistoryList(Mi, Si);
            return;
        }
        if (h->TransferFlag)
            h->Marked = !h->Marked;
    }
    HandleListReset(start.Record, h, Mi, Si, pageSize);
}

void HandleListReset(AHistory* theStartHPtr, AHistory* theNewHPtr, int Mi, int Si, int pageSize)
{
    bool inPage = false;
    int counted = 0;
    bool changed = false;
    for (AHistory* h = MemoryAccounts[Mi][Si].HistoryRec; h; h = h->HistoryFP) {
        if (h == theStartHPtr)
            inPage = true;
        // Records off the page are deselected without a redraw: they are not shown.
        if (!inPage || counted > pageSize) {
            h->Selected = 0;
            continue;
        }
        ++counted;
        if (h == theNewHPtr) {
            h->Selected = !h->Selected;
            if (h->Selected)
                gSelectedItem = h;
            changed = true;
        } else if (h->Selected) {
            h->Selected = 0;
            changed = true;
        }
    }
    if (changed)
        RedrawHistoryList(Mi, Si);
}

void SetHistoryScrollRange(int Mi, int Si)
{
    HistoryListPane* pane = PaneOf(Mi, Si);
    if (!pane)
        return;
    pane->SetLines(MemoryAccounts[Mi][Si].DisplayLines, kHistoryPage);
}

void RedrawHistoryList(int Mi, int Si)
{
    if (HistoryListPane* pane = PaneOf(Mi, Si))
        pane->update();
}

HistoryListPane::HistoryListPane(QWidget* parent, int x, int y)
    : ListPane(parent, x, y, kHistoryPaneWidth, kHistoryPage * gCYListChar, kHistoryPage)
{
    QObject::connect(ScrollBar(), &QScrollBar::valueChanged, this, [this] { update(); });
}

void HistoryListPane::paintEvent(QPaintEvent*)
{
    int Mi, Si;
    if (!GetHistoryListWindowRecord(static_cast<QWidget*>(this), &Mi, &Si))
        return;
    QPainter painter(this);
    DrawContext dc(painter);
    dc.SetTransparent(true);
    PaintHistoryListWindow(dc, Mi, Si, ScrollBar()->value(), ScrollBar()->pageStep());
}

void HistoryListPane::mousePressEvent(QMouseEvent* event)
{
    int Mi, Si;
    if (gMainInvest || !GetHistoryListWindowRecord(static_cast<QWidget*>(this), &Mi, &Si))
        return;
    const int mod = SetMod(event->modifiers());
    if (event->button() == Qt::LeftButton)
        HandleListMouse(kLeftClick, PointOf(event), Mi, Si, mod);
    else if (event->button() == Qt::RightButton)
        HandleListMouse(kRightClick, PointOf(event), Mi, Si, mod);
}

void HistoryListPane::wheelEvent(QWheelEvent* event)
{
    QCoreApplication::sendEvent(ScrollBar(), event);
}
