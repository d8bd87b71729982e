// The history window of an account slot: opening it, painting it, its toolbar and expand arrow,
// and repainting it when the engine changes the account.
#include "history/HistoryWindow.h"

#include "dialogs/AccountDialogs.h"
#include "dialogs/EntryDialogs.h"
#include "dialogs/ReminderDialogs.h"
#include "dialogs/StatsDialogs.h"
#include "dialogs/TransactionDialogs.h"
#include "history/HistoryList.h"
#include "history/InvestHistory.h"
#include "ledger/Undo.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Selection.h"
#include "platform/AccountBox.h"
#include "platform/DrawContext.h"
#include "platform/Mouse.h"
#include "platform/Pictures.h"
#include "platform/PlainWindow.h"
#include "printing/CheckPrint.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

const HistoryButton kHistoryButtons[8] = {
    {kCheckButton, 32, 8}, {kDepositButton, 64, 8}, {kPrintButton, 96, 8}, {kRemindButton, 128, 8},
    {kStatButton, 32, 32}, {kUndoButton, 64, 32},   {kInfoButton, 96, 32},  {kEditorButton, 128, 32},
};

namespace {

constexpr COLORREF kStandard = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kPaneFrame = RGB(0, 0, 0);
const QColor kHistoryBlue(0, 0, 255);

// A line of the list is never lower than a picture with the white lines above and below it.
constexpr int kMinimumListLine = 18;

struct ColumnTitle {
    int X;
    const char* Text;
};
constexpr int kColumnTitleY = 90;
constexpr ColumnTitle kColumnTitles[] = {
    {42, "Date/ID"}, {95, "To/From/For"}, {250, "Memo"}, {411, "Amount"}, {473, "Balance"},
};

enum ButtonAction { kCheckAction, kDepositAction, kPrintAction, kRemindAction,
                    kStatAction, kUndoAction, kInfoAction, kEditorAction };

bool ValidSlot(int Mi, int Si)
{
    return Mi >= 0 && Mi < kMainAccounts && Si >= 0 && Si < kSlots;
}

// Handles are kept as QWidget pointers, as every window of the program is.
bool SlotOf(QWidget* window, int* Mi, int* Si)
{
    return GetHistoryWindowRecord(window, Mi, Si) != 0;
}

class HistoryWindow : public PlainWindow {
public:
    HistoryWindow() : PlainWindow("History Window", kHistoryClientWidth, HistoryClientHeight(), kHistoryBlue)
    {
        setWindowIcon(ProgramIcon());
        move(60, 60);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        int Mi, Si;
        if (!SlotOf(this, &Mi, &Si))
            return;
        QPainter painter(this);
        DrawContext dc(painter);
        dc.SetTransparent(true);
        PaintHistoryWindow(dc, Mi, Si);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        int Mi, Si;
        if (event->button() != Qt::LeftButton || !SlotOf(this, &Mi, &Si))
            return;
        HistoryWindowMouse(Mi, Si, kLeftClick, SetMod(event->modifiers()), PointOf(event));
    }
    // The second press of a double click does nothing (it would run a button twice).
    void mouseDoubleClickEvent(QMouseEvent*) override {}
    void moveEvent(QMoveEvent* event) override
    {
        PlainWindow::moveEvent(event);
        int Mi, Si;
        if (SlotOf(this, &Mi, &Si))
            Accounts[Mi][Si].HwPt = POINT{x(), y()};
    }
    // Closing only hides the window (the default for a window that is not deleted on close).
};

bool Known(QWidget* window)
{
    int Mi, Si;
    return SlotOf(window, &Mi, &Si);
}

// Every history window made, whether or not a slot still knows it.
WindowRegistry& MadeWindows()
{
    static WindowRegistry windows(Known);
    return windows;
}

QWidget* WindowOf(int Mi, int Si)
{
    return static_cast<QWidget*>(MemoryAccounts[Mi][Si].HistoryWindow);
}

void RefreshSlot(int Mi, int Si)
{
    QWidget* window = WindowOf(Mi, Si);
    if (!window)
        return;
    SetHistoryScrollRange(Mi, Si);
    window->update(kHistoryBoxX, kHistoryBoxY, kAccountBoxWidth, kAccountBoxHeight);
    RedrawHistoryList(Mi, Si);
}

}  // namespace

int HistoryClientHeight()
{
    return kHistoryListY + kHistoryPage * gCYListChar + 1 + 8;
}

void MeasureHistoryLines()
{
    // One line height for every list, high enough for the history font the budget chose.
    const QFontMetrics metrics(QApplication::font());
    gCXListChar = metrics.averageCharWidth();
    int height = metrics.height() + metrics.leading();
    if (gBudget.HFontSet) {
        const QFontMetrics chosen(FontFromLogFont(gBudget.HistoryFont));
        height = std::max(height, chosen.height() + chosen.leading());
    }
    gCYListChar = std::max(height, kMinimumListLine);
}

void RelayoutHistoryWindows()
{
    const int before = gCYListChar;
    MeasureHistoryLines();
    if (gCYListChar == before)
        return;
    const int paneHeight = kHistoryPage * gCYListChar;
    auto relayout = [paneHeight](QWidget* window, QWidget* paneWidget) {
        if (!window || !paneWidget)
            return;
        auto* pane = static_cast<ListPane*>(paneWidget);
        pane->setFixedHeight(paneHeight);
        pane->ScrollBar()->resize(pane->ScrollBar()->width(), paneHeight);
        window->setFixedSize(kHistoryClientWidth, HistoryClientHeight());
    };
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            relayout(WindowOf(Mi, Si), static_cast<QWidget*>(MemoryAccounts[Mi][Si].HistoryListWindow));
            if (WindowOf(Mi, Si))
                SetHistoryScrollRange(Mi, Si);
        }
    for (int Ii = 0; Ii < kInvestments; ++Ii) {
        auto* window = static_cast<QWidget*>(MemoryInvest[Ii].HistoryWindow);
        relayout(window, static_cast<QWidget*>(MemoryInvest[Ii].HistoryListWindow));
        if (window)
            SetInvestScrollRange(Ii);
    }
}

QWidget* CreateHistoryList(int Mi, int Si)
{
    MadeWindows().DeleteForgotten();
    MeasureHistoryLines();

    auto* window = new HistoryWindow;
    auto* pane = new HistoryListPane(window, kHistoryListX, kHistoryListY);
    MadeWindows().Add(window);
    MemoryAccounts[Mi][Si].HistoryWindow = static_cast<QWidget*>(window);
    MemoryAccounts[Mi][Si].HistoryListWindow = static_cast<QWidget*>(pane);
    return window;
}

void DisplayHistory(int Mi, int Si)
{
    if (!ValidSlot(Mi, Si))
        return;
    const ARecord& slot = Accounts[Mi][Si];
    if (Mi > 0 && !slot.Valid && !slot.CheckbookRecord)
        return;
    InvalidateAccountRect(Mi, Si);
    QWidget* window = WindowOf(Mi, Si);
    if (!window)
        window = CreateHistoryList(Mi, Si);
    SetHistoryScrollRange(Mi, Si);

    // A place stored on a larger screen (or above or left of it) comes back on this one.
    POINT& at = Accounts[Mi][Si].HwPt;
    KeepOnScreen(at, true);
    window->move(at.x, at.y);
    ShowInFront(window);
}

void PaintHistoryWindow(DrawContext& dc, int Mi, int Si)
{
    for (const HistoryButton& b : kHistoryButtons)
        dc.DrawBitmap(b.Picture, b.X, b.Y);
    DisplayAccountBox(dc, Mi, Si, kHistoryBoxX, kHistoryBoxY, 1);
    dc.DrawBitmap(kListHeader, kHistoryHeaderX, kHistoryHeaderY);
    dc.DrawBitmap(Accounts[Mi][Si].HFlag ? kDownArrow : kSideArrow, kHistoryArrowX, kHistoryArrowY);
    dc.SetTextColor(kWhite);
    for (const ColumnTitle& title : kColumnTitles)
        dc.TextOut(title.X, kColumnTitleY, title.Text);
    dc.SetTextColor(kStandard);
    // The list pane's border.
    dc.FrameRect(kHistoryListX - 1, kHistoryListY - 1, kHistoryListX + kHistoryPaneWidth + 1,
                 kHistoryListY + kHistoryPage * gCYListChar + 1, kPaneFrame);
}

void HistoryWindowMouse(int Mi, int Si, int theClick, int mod, POINT thePoint)
{
    (void)mod;
    if (theClick != kLeftClick || !ValidSlot(Mi, Si))
        return;
    bool changed = MouseDownHistoryButton(Mi, Si, thePoint, WindowOf(Mi, Si)) != 0;
    // Any click outside the list ends the selection of a record (gSelectedItem stays).
    for (AHistory* h = MemoryAccounts[Mi][Si].HistoryRec; h; h = h->HistoryFP)
        if (h->Selected) {
            h->Selected = 0;
            changed = true;
        }
    if (Inside(thePoint, kHistoryArrowArea)) {
        ToggleHistoryExpansion(Mi, Si);
        changed = true;
    }
    if (changed)
        RedrawHistoryList(Mi, Si);
}

int MouseDownHistoryButton(int Mi, int Si, POINT thePoint, QWidget* theWindow)
{
    int button = -1;
    for (int k = 0; k < 8; ++k) {
        const HistoryButton& b = kHistoryButtons[k];
        if (Inside(thePoint, b.X, b.Y, b.X + kButtonWidth, b.Y + kButtonHeight))
            button = k;
    }
    // "Found Items" shows copies: nothing may be recorded into it or set up on it.
    if ((button == kCheckAction || button == kDepositAction || button == kInfoAction) && RefuseFoundItems(Mi, Si))
        return 1;
    switch (button) {
    case kCheckAction:
    case kDepositAction:
        if (button == kCheckAction)
            HandleCheck(Mi, Si, nullptr);
        else
            HandleDeposit(Mi, Si, nullptr);
        SetHistoryScrollRange(Mi, Si);
        if (theWindow)
            ShowInFront(theWindow);
        return 1;
    case kPrintAction:
        BudgetPrintCheck();
        ForceAccountImageUpdate(Mi, Si);
        return 1;
    case kRemindAction:
        if (gSelectedItem && !RefuseFoundCopy(gSelectedItem) && RemindDialog(gSelectedItem))
            InvalidateAccountRect(Mi, Si);  // the record's reminder mark, and the calendar's
        return 1;
    case kStatAction:
        HandleStats(Mi, Si);
        return 1;
    case kUndoAction:
        if (CheckItemSelected())
            BudgetUndo(Mi, Si);
        ForceAccountImageUpdate(Mi, Si);
        return 1;
    case kInfoAction:
        RunAccountSetup(Mi, Si);
        ForceAccountImageUpdate(Mi, Si);
        return 1;
    case kEditorAction:
        if (gSelectedItem)
            BudgetEdit(gSelectedItem, theWindow);
        return 1;
    default:
        return 0;
    }
}

void ToggleHistoryExpansion(int Mi, int Si)
{
    ARecord& slot = Accounts[Mi][Si];
    const bool expand = !slot.HFlag;
    int32_t lines = 0;
    for (AHistory* h = MemoryAccounts[Mi][Si].HistoryRec; h; h = h->HistoryFP) {
        h->HFlag = expand && h->Tri ? 1 : 0;
        lines += h->HFlag ? 2 : 1;
    }
    MemoryAccounts[Mi][Si].DisplayLines = lines;
    ++gHistoryShape;
    slot.HFlag = expand ? 1 : 0;
    SetHistoryScrollRange(Mi, Si);
    if (QWidget* window = WindowOf(Mi, Si))
        window->update();
    gBudgetFileChanged = 1;
}

void InvalidateHistory(int Mi, int Si)
{
    MadeWindows().HideForgotten();
    if (Mi < 0 || Mi >= kMainAccounts) {
        for (int m = 0; m < kMainAccounts; ++m)
            for (int s = 0; s < kSlots; ++s)
                RefreshSlot(m, s);
        return;
    }
    if (Si < 0 || Si >= kSlots) {
        for (int s = 0; s < kSlots; ++s)
            RefreshSlot(Mi, s);
    } else {
        RefreshSlot(Mi, Si);
    }
    RefreshSlot(0, 0);
    RefreshSlot(0, 1);
}

void DestroyHistoryWindows()
{
    for (auto& row : MemoryAccounts)
        for (CoreRecord& slot : row)
            slot.HistoryWindow = slot.HistoryListWindow = nullptr;
    MadeWindows().DeleteForgotten();
}
