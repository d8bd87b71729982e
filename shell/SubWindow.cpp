// The sub-account window: opening it, painting it, its buttons and boxes, and repainting it
// when the engine changes a slot of its row.
#include "shell/SubWindow.h"

#include "dialogs/AccountDialogs.h"
#include "dialogs/EntryDialogs.h"
#include "dialogs/NoteDialogs.h"
#include "dialogs/StatsDialogs.h"
#include "history/HistoryWindow.h"
#include "ledger/Accounts.h"
#include "ledger/Budget.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Initialize.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "platform/AccountBox.h"
#include "platform/DrawContext.h"
#include "platform/Mouse.h"
#include "platform/Pictures.h"
#include "platform/PlainWindow.h"
#include "shell/Commands.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

const SubButton kSubButtons[7] = {
    {kCheckButton, 22, 8}, {kDepositButton, 54, 8}, {kTransferButton, 86, 8}, {kStatButton, 22, 32},
    {kHistoryButton, 54, 32}, {kInfoButton, 86, 32}, {kNewButton, 362, 8},
};

namespace {

const QColor kSubBlue(0, 0, 255);

QWidget* WindowOf(int Mi)
{
    return static_cast<QWidget*>(MemoryAccounts[Mi][0].SubAccountWindow);
}

void RedrawWindow(int Mi)
{
    if (QWidget* window = WindowOf(Mi))
        window->update();
}

void ShowSelectTotal()
{
    char text[kAmountTextSize];
    I2S(gSelectTotal, text, 0);
    CopyString(text, gInfoBox);
    GetHost().UpdateInfoBox();
}

// The account setup of a slot, as the Info button and a plain right click open it; the click
// then counts as not taken, so the selection is cleared afterwards.
void AccountSetup(int Mi, int Si)
{
    Accounts[Mi][Si].SelectFlag = 0;
    RunAccountSetup(Mi, Si);
    InvalidateAccountRect(Mi, Si);
}

class SubWindow : public PlainWindow {
public:
    explicit SubWindow(const QString& title)
        : PlainWindow("", kSubWindowWidth, kSubWindowHeight, kSubBlue)
    {
        setWindowTitle(title);
        setWindowIcon(ProgramIcon());
        setMouseTracking(true);
        move(40, 40);
    }

protected:
    int Row() const { return GetSubAccountWindowRecord(const_cast<SubWindow*>(this)); }

    void paintEvent(QPaintEvent*) override
    {
        const int Mi = Row();
        if (Mi < 0)
            return;
        QPainter painter(this);
        DrawContext dc(painter);
        dc.SetTransparent(true);
        PaintSubWindow(dc, Mi);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        const int Mi = Row();
        if (Mi < 0)
            return;
        const int mod = SetMod(event->modifiers());
        if (event->button() == Qt::LeftButton) {
            gMouse = 1;
            SubWindowMouse(Mi, kLeftClick, mod, PointOf(event));
        } else if (event->button() == Qt::RightButton) {
            SubWindowMouse(Mi, kRightClick, mod, PointOf(event));
        }
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        const int Mi = Row();
        if (Mi >= 0 && event->button() == Qt::LeftButton)
            SubWindowMouse(Mi, kDoubleClick, SetMod(event->modifiers()), PointOf(event));
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        const int Mi = Row();
        if (Mi >= 0)
            SetupMouseMoved(AccountWindow{false, Mi}, PointOf(event), SetMod(event->modifiers()));
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const int Mi = Row();
        if (Mi < 0)
            return;
        POINT at = PointOf(event);
        const AccountWindow target = DropWindow(AccountWindow{false, Mi}, event->globalPosition().toPoint(), at);
        HandleMouseMoved(target, at);
    }
    void moveEvent(QMoveEvent* event) override
    {
        PlainWindow::moveEvent(event);
        const int Mi = Row();
        if (Mi >= 0)
            Accounts[Mi][0].SwPt = POINT{x(), y()};
    }
    // Closing only hides the window (the default for a window that is not deleted on close).
};

bool Known(QWidget* window)
{
    return GetSubAccountWindowRecord(window) >= 0;
}

// Every sub-account window made, whether or not a main slot still knows it.
WindowRegistry& MadeWindows()
{
    static WindowRegistry windows(Known);
    return windows;
}

// The first matching row of the box table for slot (Mi, Si); 1 when taken.
int SubBoxClick(int Mi, int Si, int theClick, int mod)
{
    const ARecord& slot = Accounts[Mi][Si];
    const bool twice = theClick == kDoubleClick;
    const bool right = theClick == kRightClick;
    const int fromMi = gFirstSelected[0];
    const int fromSi = gFirstSelected[1];
    const bool movable = fromMi >= 1 && fromMi < kMainAccounts && fromSi >= 0 && fromSi < kSlots &&
                         Accounts[fromMi][fromSi].Valid;
    if (right && mod == kModBoth && movable) {
        SwitchAccounts(fromMi, fromSi, Mi, Si);
    } else if (twice && mod == kModBoth && !slot.Valid) {
        HandleNewAccount();
    } else if (twice && mod == kModBoth) {
        return 0;
    } else if (right && mod == kModCtrl) {
        DisplayHistory(Mi, Si);
    } else if (twice && mod == kModCtrl) {
        HandleDeposit(Mi, Si, nullptr);
    } else if (twice && mod == kModShift) {
        HandleATM(Mi, Si);
    } else if (twice) {
        HandleCheck(Mi, Si, nullptr);
    } else if (right && mod == kModShift) {
        HandleTransfer(fromMi, fromSi, Mi, Si, 0, 0);
    } else if (theClick == kLeftClick && mod == kModShift) {
        SelectMultiple(Mi, Si);
        RedrawWindow(Mi);
        ShowSelectTotal();
    } else if (right) {  // no modifier, or Ctrl+Shift with nothing to move
        AccountSetup(Mi, Si);
        return 0;
    } else {
        SelectOne(Mi, Si);
        RedrawWindow(Mi);
    }
    return 1;
}

}  // namespace

QWidget* CreateSubWindow(int Mi)
{
    MadeWindows().DeleteForgotten();
    auto* window = new SubWindow(FromBudgetText(RecordText(Accounts[Mi][0].SubName) + " Window"));
    MadeWindows().Add(window);
    MemoryAccounts[Mi][0].SubAccountWindow = static_cast<QWidget*>(window);
    return window;
}

void DisplaySubAccounts(int Mi)
{
    if (Mi < 1 || Mi >= kMainAccounts)
        return;  // "Available" has no sub accounts
    QWidget* window = WindowOf(Mi);
    if (!window)
        window = CreateSubWindow(Mi);
    InvalidateAccountRect(Mi, 0);

    POINT& at = Accounts[Mi][0].SwPt;
    KeepOnScreen(at, true);
    const POINT place = at;  // moving the window stores its place again
    window->move(place.x, place.y);
    ShowInFront(window);
}

void PaintSubWindow(DrawContext& dc, int Mi)
{
    for (int Si = 0; Si < kSlots; ++Si)
        DisplayAccountBox(dc, Mi, Si, FindSubAccountHCoordinate(Si), FindSubAccountVCoordinate(Si), 1);
    for (const SubButton& b : kSubButtons)
        dc.DrawBitmap(b.Picture, b.X, b.Y);
}

void SubWindowMouse(int Mi, int theClick, int mod, POINT thePoint)
{
    if (MouseDownSubButtons(Mi, thePoint) || MouseDownSubAccounts(Mi, theClick, mod, thePoint))
        return;
    ResetSelect(-1, -1);
}

int MouseDownSubButtons(int, POINT thePoint)
{
    const auto hit = std::find_if(std::begin(kSubButtons), std::end(kSubButtons), [&](const SubButton& b) {
        return Inside(thePoint, b.X, b.Y, b.X + kButtonWidth, b.Y + kButtonHeight);
    });
    if (hit == std::end(kSubButtons))
        return 0;
    int Mi = -1, Si = -1, Mi2 = -1, Si2 = -1;
    switch (hit - std::begin(kSubButtons)) {
    case kSubCheck:
        if (GetSelected(&Mi, &Si, 0, 1) == 1)
            HandleCheck(Mi, Si, nullptr);
        return 1;
    case kSubDeposit:
        if (GetSelected(&Mi, &Si, 0, 1) == 1)
            HandleDeposit(Mi, Si, nullptr);
        return 1;
    case kSubTransfer:
        if (Get2Selected(&Mi, &Si, &Mi2, &Si2))
            HandleTransfer(Mi, Si, Mi2, Si2, 0, 0);
        return 1;
    case kSubStats:
        if (GetSelected(&Mi, &Si, 0, 1) == 1)
            HandleStats(Mi, Si);
        return 1;
    case kSubHistory:
        if (GetSelected(&Mi, &Si, 0, 1) == 1)
            DisplayHistory(Mi, Si);
        return 1;
    case kSubInfo:
        if (GetSelected(&Mi, &Si, 0, 1) == 1)
            AccountSetup(Mi, Si);
        return 0;
    default:  // New
        Mi = gFirstSelected[0];
        Si = gFirstSelected[1];
        if (Mi >= 0 && Accounts[Mi][Si].Valid)
            return 0;
        HandleNewAccount();
        return 1;
    }
}

int MouseDownSubAccounts(int Mi, int theClick, int mod, POINT thePoint)
{
    for (int Si = 0; Si < kSlots; ++Si) {
        const int x = FindSubAccountHCoordinate(Si);
        const int y = FindSubAccountVCoordinate(Si);
        if (OnNoteMark(thePoint, x, y) && Accounts[Mi][Si].Note[0]) {
            BudgetNote(Mi, Si, 0);
            InvalidateAccountRect(Mi, Si);
            return 1;
        }
        if (OnAccountBox(thePoint, x, y))
            return SubBoxClick(Mi, Si, theClick, mod);
    }
    return 0;
}

void InvalidateSubWindow(int Mi, int Si)
{
    MadeWindows().HideForgotten();
    if (Mi < 0 || Mi >= kMainAccounts) {
        for (int m = 1; m < kMainAccounts; ++m)
            RedrawWindow(m);
        return;
    }
    QWidget* window = WindowOf(Mi);
    if (!window)
        return;
    if (Si < 0 || Si >= kSlots)
        window->update();
    else
        window->update(FindSubAccountHCoordinate(Si), FindSubAccountVCoordinate(Si), kAccountBoxWidth,
                       kAccountBoxHeight);
}

void DestroySubWindows()
{
    for (auto& row : MemoryAccounts)
        row[0].SubAccountWindow = nullptr;
    MadeWindows().DeleteForgotten();
}

AccountWindow DropWindow(AccountWindow from, const QPoint& global, POINT& local)
{
    QWidget* under = QApplication::widgetAt(global);
    if (!under)
        return from;
    QWidget* top = under->window();
    AccountWindow to{false, GetSubAccountWindowRecord(top)};
    QWidget* target = top;
    if (to.Mi < 0) {
        auto* main = dynamic_cast<MainWindow*>(top);
        if (!main)
            return from;
        to = AccountWindow{true, 0};
        target = main->Board();
    }
    if (to.Main == from.Main && to.Mi == from.Mi)
        return from;
    const QPoint p = target->mapFromGlobal(global);
    local = POINT{p.x(), p.y()};
    return to;
}
