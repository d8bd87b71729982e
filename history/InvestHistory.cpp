// The history window of an investment account: opening it, painting it and its list, its
// buttons, and repainting it when the account changes.
#include "history/InvestHistory.h"

#include "dialogs/InvestDialogs.h"
#include "history/HistoryList.h"
#include "history/HistoryWindow.h"
#include "investments/Invest.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Money.h"
#include "platform/DrawContext.h"
#include "platform/InvestBox.h"
#include "platform/ListLines.h"
#include "platform/Mouse.h"
#include "platform/Pictures.h"
#include "platform/PlainWindow.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cstring>

const InvestHistoryButton kInvestHistoryButtons[3] = {{kBuy, 8, 8}, {kSell, 8, 32}, {kPPS, 8, 56}};

namespace {

constexpr COLORREF kStandard = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kPaneFrame = RGB(0, 0, 0);
const QColor kHistoryBlue(0, 0, 255);

enum ButtonAction { kBuyAction, kSellAction, kPriceAction };

struct ColumnTitle {
    int X;
    const char* Text;
};
constexpr int kColumnTitleY = 90;
constexpr ColumnTitle kColumnTitles[] = {
    {67, "Date"}, {137, "Bought/Sold"}, {265, "PPS"}, {330, "Total Shares"}, {450, "Cost Basis"},
};
// The two figures left of the account's cost basis, market value and performance.
constexpr int kSharesLeft = 60;
constexpr int kPriceLeft = 154;
constexpr int kPriceRight = 248;
constexpr int kCommonHeaderX = 240;

// Columns of a list line, from the strip's left edge; numbers end at their column.
constexpr int kPictureX = 16;
constexpr int kDateX = 52;
constexpr int kSharesRight = 185;
constexpr int kPriceColumnRight = 285;
constexpr int kHoldingRight = 390;
constexpr int kValueRight = 512;

bool InGrid(int Ii)
{
    return Ii >= 1 && Ii < kInvestments;
}

int AccountOfWindow(QWidget* window)
{
    return GetInvestHistoryWindowRecord(static_cast<QWidget*>(window));
}

QWidget* WindowOf(int Ii)
{
    return static_cast<QWidget*>(MemoryInvest[Ii].HistoryWindow);
}

class InvestListPane : public ListPane {
public:
    InvestListPane(QWidget* parent, int x, int y)
        : ListPane(parent, x, y, kHistoryPaneWidth, kHistoryPage * gCYListChar, kHistoryPage)
    {
        QObject::connect(ScrollBar(), &QScrollBar::valueChanged, this, [this] { update(); });
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const int Ii = GetInvestHistoryListWindowRecord(static_cast<QWidget*>(this));
        if (!InGrid(Ii))
            return;
        QPainter painter(this);
        DrawContext dc(painter);
        dc.SetTransparent(true);
        PaintInvestHistoryListWindow(dc, Ii, ScrollBar()->value(), ScrollBar()->pageStep());
    }
    // The lines of an investment take no clicks: there is nothing to select or edit in them.
    void wheelEvent(QWheelEvent* event) override { QCoreApplication::sendEvent(ScrollBar(), event); }
};

InvestListPane* PaneOf(int Ii)
{
    return static_cast<InvestListPane*>(static_cast<QWidget*>(MemoryInvest[Ii].HistoryListWindow));
}

class InvestHistoryWindow : public PlainWindow {
public:
    InvestHistoryWindow() : PlainWindow("History Window", kHistoryClientWidth, HistoryClientHeight(), kHistoryBlue)
    {
        setWindowIcon(ProgramIcon());
        move(60, 60);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const int Ii = AccountOfWindow(this);
        if (!InGrid(Ii))
            return;
        QPainter painter(this);
        DrawContext dc(painter);
        dc.SetTransparent(true);
        PaintInvestHistoryWindow(dc, Ii);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        const int Ii = AccountOfWindow(this);
        if (event->button() == Qt::LeftButton && InGrid(Ii))
            InvestHistoryWindowMouse(Ii, kLeftClick, SetMod(event->modifiers()), PointOf(event));
    }
    // The second press of a double click does nothing (it would open the dialog twice).
    void mouseDoubleClickEvent(QMouseEvent*) override {}
    void moveEvent(QMoveEvent* event) override
    {
        PlainWindow::moveEvent(event);
        const int Ii = AccountOfWindow(this);
        if (InGrid(Ii))
            Invest[Ii].IwPt = POINT{x(), y()};
    }
};

bool Known(QWidget* window)
{
    return InGrid(AccountOfWindow(window));
}

// Every investment history window made, whether or not an account still knows it.
WindowRegistry& MadeWindows()
{
    static WindowRegistry windows(Known);
    return windows;
}

void RefreshAccount(int Ii)
{
    QWidget* window = WindowOf(Ii);
    if (!window)
        return;
    SetInvestScrollRange(Ii);
    const RECT& r = kInvestFiguresArea;
    window->update(r.left, r.top, r.right - r.left, r.bottom - r.top);
    if (InvestListPane* pane = PaneOf(Ii))
        pane->update();
}

std::string ShareText(int32_t number, int dollar)
{
    char text[kAmountTextSize];
    Display3Digits(number, text, dollar);
    return text;
}

void TextEndingAt(DrawContext& dc, const Strip& s, int right, const std::string& text)
{
    dc.TextOut(s.X + right - dc.TextWidth(text), s.TextY, text);
}

}  // namespace

QWidget* CreateInvestHistoryList(int Ii)
{
    MadeWindows().DeleteForgotten();
    MeasureHistoryLines();
    auto* window = new InvestHistoryWindow;
    auto* pane = new InvestListPane(window, kHistoryListX, kHistoryListY);
    MadeWindows().Add(window);
    MemoryInvest[Ii].HistoryWindow = static_cast<QWidget*>(window);
    MemoryInvest[Ii].HistoryListWindow = static_cast<QWidget*>(pane);
    return window;
}

void DisplayInvestHistory(int Ii)
{
    if (!ValidInvestAccount(Ii))
        return;
    InvalidateInvestAccountRect(Ii);
    QWidget* window = WindowOf(Ii);
    if (!window)
        window = CreateInvestHistoryList(Ii);
    SetInvestScrollRange(Ii);
    POINT& at = Invest[Ii].IwPt;
    KeepOnScreen(at, true);
    window->move(at.x, at.y);
    ShowInFront(window);
}

void PaintInvestHistoryWindow(DrawContext& dc, int Ii)
{
    for (const InvestHistoryButton& b : kInvestHistoryButtons)
        dc.DrawBitmap(b.Picture, b.X, b.Y);
    dc.DrawBitmap(kInvestHistoryHeader, kInvestFiguresX, kInvestFiguresY);
    dc.DrawBitmap(kInvestListHeader, kHistoryHeaderX, kHistoryHeaderY);
    dc.SetTextColor(kWhite);
    for (const ColumnTitle& title : kColumnTitles)
        dc.TextOut(title.X, kColumnTitleY, title.Text);
    dc.SetTextColor(kStandard);
    const IRecord& account = Invest[Ii];
    DrawInvestFigure(dc, "Total Shares", ShareText(account.NumberOfShares, 1), kSharesLeft, kPriceLeft,
                     kInvestFiguresY);
    DrawInvestFigure(dc, "Share Price", ShareText(account.CostPerShare, 0), kPriceLeft, kPriceRight,
                     kInvestFiguresY);
    CommonInvestHeader(dc, Ii, kCommonHeaderX, kInvestFiguresY);
    dc.FrameRect(kHistoryListX - 1, kHistoryListY - 1, kHistoryListX + kHistoryPaneWidth + 1,
                 kHistoryListY + kHistoryPage * gCYListChar + 1, kPaneFrame);
}

void InvestHistoryWindowMouse(int Ii, int theClick, int mod, POINT thePoint)
{
    (void)mod;
    if (theClick != kLeftClick || !InGrid(Ii))
        return;
    int button = -1;
    for (int k = 0; k < 3; ++k) {
        const InvestHistoryButton& b = kInvestHistoryButtons[k];
        if (Inside(thePoint, b.X, b.Y, b.X + kButtonWidth, b.Y + kButtonHeight))
            button = k;
    }
    switch (button) {
    case kBuyAction:
    case kSellAction:
        HandleShareDialog(button == kBuyAction ? 1 : 0, Ii);
        break;
    case kPriceAction:
        PPSDialog(Ii);
        break;
    default:
        return;
    }
    SetInvestScrollRange(Ii);
    if (QWidget* window = WindowOf(Ii))
        ShowInFront(window);
}

void PaintInvestHistoryListWindow(DrawContext& dc, int Ii, int start, int count)
{
    dc.SetFont(EzCreateFont(*dc.Painter().device(), "Arial", 100, 0, 0));
    const IHistory* r = MemoryInvest[Ii].HistoryRec;
    for (int skipped = 0; r && skipped < start; ++skipped)
        r = r->InvestFP;
    RECT strip{0, 0, kHistoryLineWidth, gCYListChar};
    for (int drawn = 0; r && drawn < count; ++drawn, r = r->InvestFP) {
        DrawInvestData(dc, *r, strip);
        strip.top += gCYListChar;
        strip.bottom += gCYListChar;
    }
}

void DrawInvestData(DrawContext& dc, const IHistory& record, RECT theRect)
{
    const Strip s = StripOf(dc, theRect);
    dc.SetTextColor(kListText);
    dc.DrawBitmap(record.TypeFlag ? kCheck : kDeposit, s.X + kPictureX, s.PictureY);
    char datime[kDatimeSize + 1] = {};
    std::memcpy(datime, record.Datime, kDatimeSize);
    char display[kDatimeSize + 1] = {};
    ConvertDateFormat(datime, display);
    display[8] = '\0';
    dc.TextOut(s.X + kDateX, s.TextY, display);
    TextEndingAt(dc, s, kSharesRight, ShareText(record.NumberOfShares, 1));
    TextEndingAt(dc, s, kPriceColumnRight, ShareText(record.CostPerShare, 0));
    TextEndingAt(dc, s, kHoldingRight, ShareText(record.TotalShares, 1));
    // A purchase is worth what was paid; a sale is valued at the account's average price now.
    const int32_t price = record.TypeFlag ? AvgPPS(record.Ii) : record.CostPerShare;
    char value[kAmountTextSize];
    ComputeMarketValue(record.NumberOfShares, price, value);
    TextEndingAt(dc, s, kValueRight, value);
    DrawLineFrame(dc, theRect);
}

void SetInvestScrollRange(int Ii)
{
    if (!InGrid(Ii))
        return;
    if (InvestListPane* pane = PaneOf(Ii))
        pane->SetLines(MemoryInvest[Ii].DisplayLines, kHistoryPage);
}

void InvalidateInvestHistory(int Ii)
{
    MadeWindows().HideForgotten();
    if (InGrid(Ii)) {
        RefreshAccount(Ii);
        return;
    }
    if (Ii < 0)
        for (int each = 1; each < kInvestments; ++each)
            RefreshAccount(each);
}

void DestroyInvestHistoryWindows()
{
    for (ICoreRecord& account : MemoryInvest)
        account.HistoryWindow = account.HistoryListWindow = nullptr;
    MadeWindows().DeleteForgotten();
}
