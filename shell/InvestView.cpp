// The investment view of the main window: painting, clicks, selection and the exchanging drag.
#include "shell/InvestView.h"

#include "dialogs/InvestDialogs.h"
#include "dialogs/NoteDialogs.h"
#include "history/InvestHistory.h"
#include "investments/Invest.h"
#include "investments/InvestRecording.h"
#include "ledger/Budget.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "platform/AccountBox.h"
#include "platform/DrawContext.h"
#include "platform/InvestBox.h"
#include "platform/Mouse.h"
#include "shell/Commands.h"
#include "shell/Shell.h"

namespace {

constexpr COLORREF kStandardText = 0;  // the colour every painter leaves behind
constexpr int kPortfolioX = 160;
constexpr int kPortfolioY = 8;
constexpr int kInfoPanelY = 72;

int BoxX(int Ii)
{
    return FindMainAccountHCoordinate(Ii);
}
int BoxY(int Ii)
{
    return FindMainAccountVCoordinate(Ii);
}

void Mark(int Ii, bool marked)
{
    Invest[Ii].SelectFlag = marked ? 1 : 0;
    ForceInvestAccountImageUpdate(Ii);
}

// The first matching gesture on box Ii; what is left selects.
void InvestBoxClick(int Ii, int theClick, int mod)
{
    const bool valid = ValidInvestAccount(Ii);
    const bool twice = theClick == kDoubleClick;
    const bool right = theClick == kRightClick;
    if (right && mod == kModBoth)
        CostBasisDialog(Ii);
    else if (twice && mod == kModBoth)
        InvestAccountDialog(Ii);
    else if (right && mod == kModCtrl && valid)
        DisplayInvestHistory(Ii);
    else if (twice && mod == kModCtrl && valid)
        HandleShareDialog(1, Ii);
    else if (twice && mod == kModShift && valid)
        HandleShareDialog(0, Ii);
    else if (twice && valid)
        PPSDialog(Ii);
    else if (!(mod & kModShift))
        SelectOneInvest(Ii);
    else if (gFirstSelected[0] >= 1)
        SelectTwoInvest(Ii);
}

// The selected investment of a button; the selection message without one.
bool SelectedInvestment(int* Ii)
{
    int Si = 0;
    return GetSelected(Ii, &Si, 0, 1) == 3;
}

}  // namespace

void PaintInvestWindow(DrawContext& dc)
{
    dc.SetTransparent(true);
    for (const InvestButton& b : kInvestButtons)
        dc.DrawBitmap(b.Picture, b.X, b.Y);
    dc.DrawBitmap(kInvestMainHeader, kPortfolioX, kPortfolioY);
    dc.DrawBitmap(kInvestSpecial, kPortfolioX, kInfoPanelY);
    MarketValueCheck();
    for (int Ii = 1; Ii < kInvestments; ++Ii)
        DisplayInvestBox(dc, Ii, BoxX(Ii), BoxY(Ii));
    CommonInvestHeader(dc, 0, kPortfolioX, kPortfolioY);
    dc.SetTextColor(gBudget.Standard);
    DisplayText(dc, RecordText(gInvestInfoBox), kInfoLineY, kInfoLineY + 15, kPortfolioArea.left,
                kPortfolioArea.right);
    dc.SetTextColor(kStandardText);
}

int InvestAccountAt(POINT thePoint)
{
    for (int Ii = 1; Ii < kInvestments; ++Ii)
        if (OnAccountBox(thePoint, BoxX(Ii), BoxY(Ii)))
            return Ii;
    return 0;
}

int MouseDownInvestAccounts(POINT thePoint, int mod, int theClick)
{
    for (int Ii = 1; Ii < kInvestments; ++Ii) {
        const int x = BoxX(Ii);
        const int y = BoxY(Ii);
        if (OnNoteMark(thePoint, x, y) && Invest[Ii].Note[0]) {
            BudgetNote(Ii, 0, 1);
            return 1;
        }
        if (OnAccountBox(thePoint, x, y)) {
            InvestBoxClick(Ii, theClick, mod);
            return 1;
        }
    }
    return 0;
}

void PriceEveryInvestment()
{
    for (int Ii = 1; Ii < kInvestments; ++Ii)
        if (ValidInvestAccount(Ii) && !PPSDialog(Ii))
            return;
}

void InvestWindowMouse(int theClick, int mod, POINT thePoint)
{
    if (MouseDownInvestAccounts(thePoint, mod, theClick))
        return;
    int button = -1;
    for (int k = 0; k < 6; ++k) {
        const InvestButton& b = kInvestButtons[k];
        if (Inside(thePoint, b.X, b.Y, b.X + kButtonWidth, b.Y + kButtonHeight))
            button = k;
    }
    int Ii = 0;
    switch (button) {
    case kInvestBuy:
    case kInvestSell:
        if (SelectedInvestment(&Ii))
            HandleShareDialog(button == kInvestBuy ? 1 : 0, Ii);
        break;
    case kInvestPrice:
        if (theClick == kRightClick)
            PriceEveryInvestment();
        else if (SelectedInvestment(&Ii))
            PPSDialog(Ii);
        break;
    case kInvestNew:
        HandleNewAccount();
        break;
    case kInvestHistory:
        if (SelectedInvestment(&Ii))
            DisplayInvestHistory(Ii);
        break;
    case kInvestInfo:
        if (SelectedInvestment(&Ii))
            InvestAccountDialog(Ii);
        break;
    default:
        ClearInvestSelection();
        break;
    }
}

void SelectOneInvest(int Ii)
{
    const bool marked = Invest[Ii].SelectFlag != 0;
    ClearInvestSelection();
    if (marked)
        return;
    Mark(Ii, true);
    gFirstSelected[0] = Ii;
    gFirstSelected[1] = 0;
}

void SelectTwoInvest(int Ii)
{
    if (Ii == gFirstSelected[0])
        return;
    if (Ii == gSecondSelected[0]) {
        Mark(Ii, false);
        gSecondSelected[0] = gSecondSelected[1] = -1;
        return;
    }
    if (gSecondSelected[0] >= 1)
        Mark(gSecondSelected[0], false);
    Mark(Ii, true);
    gSecondSelected[0] = Ii;
    gSecondSelected[1] = 0;
}

void UnselectInvest(int Ii)
{
    Mark(Ii, false);
    gFirstSelected[0] = gFirstSelected[1] = -1;
    gSecondSelected[0] = gSecondSelected[1] = -1;
}

void ClearInvestSelection()
{
    for (int Ii = 1; Ii < kInvestments; ++Ii)
        if (Invest[Ii].SelectFlag)
            Mark(Ii, false);
    gFirstSelected[0] = gFirstSelected[1] = -1;
    gSecondSelected[0] = gSecondSelected[1] = -1;
}

void SetupInvestMouseMoved(POINT thePoint, int mod)
{
    if (!gMouse)
        return;
    if (gMoveFlag) {
        ShellCall(gShell.DragCursor, true);
        return;
    }
    const int Ii = InvestAccountAt(thePoint);
    if (Ii < 1 || !Invest[Ii].SelectFlag) {
        gMouse = gMoveFlag = 0;
        return;
    }
    ShellCall(gShell.DragCursor, true);
    gMoveMi = Ii;
    gMoveSi = 0;
    gMoveMod = mod;
    gMoveFlag = 1;
}

void HandleInvestMouseMoved(POINT thePoint)
{
    gMouse = 0;
    ShellCall(gShell.DragCursor, false);
    if (!gMoveFlag)
        return;
    gMoveFlag = 0;
    const int target = InvestAccountAt(thePoint);
    if (target < 1 || target == gMoveMi || gMoveMod != kModBoth)
        return;
    const int source = gMoveMi;
    UnselectInvest(source);
    UnselectInvest(target);
    SwitchInvest(source, target);
    InvalidateInvestAccountRect(source);
    InvalidateInvestAccountRect(target);
}
