// Clicks and drags in the main window.
#include "shell/MainMouse.h"

#include "dialogs/AccountDialogs.h"
#include "dialogs/EntryDialogs.h"
#include "dialogs/InvestDialogs.h"
#include "dialogs/MultiDepositDialog.h"
#include "dialogs/NoteDialogs.h"
#include "dialogs/PayDialogs.h"
#include "dialogs/StatsDialogs.h"
#include "files/BudgetFile.h"
#include "history/HistoryWindow.h"
#include "ledger/Accounts.h"
#include "ledger/Budget.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "platform/AccountBox.h"
#include "platform/Pictures.h"
#include "shell/BalanceWindow.h"
#include "shell/Commands.h"
#include "shell/MainPaint.h"
#include "shell/Shell.h"
#include "shell/SubWindow.h"

namespace {

void ShowSelectTotal()
{
    char text[kAmountTextSize];
    I2S(gSelectTotal, text, 0);
    CopyString(text, gInfoBox);
    GetHost().UpdateInfoBox();
}

// The first matching row of the account box table; 1 when handled.
int AccountBoxClick(int Mi, int theClick, int mod)
{
    const bool valid = Accounts[Mi][0].Valid != 0;
    const bool subs = Accounts[Mi][0].NumberOfSubAccounts != 0;
    const bool twice = theClick == kDoubleClick;
    const bool right = theClick == kRightClick;
    if (right && mod == kModBoth) {
        HandleStats(Mi, 0);
    } else if (twice && mod == kModBoth) {
        valid ? NewSubAccount(Mi) : HandleNewAccount();
    } else if (twice && mod == kModCtrl && valid && subs) {
        DisplaySubAccounts(Mi);
        InvalidateAccountRect(Mi, 0);
    } else if (twice && mod == kModCtrl && valid) {
        HandleDeposit(Mi, 0, nullptr);
    } else if (right && mod == kModCtrl && valid) {
        DisplayHistory(Mi, 0);
    } else if (twice && mod == kModShift && valid) {
        HandleATM(Mi, 0);
    } else if (twice && valid && subs) {
        DisplaySubAccounts(Mi);
        InvalidateAccountRect(Mi, 0);
    } else if (twice && valid) {
        HandleCheck(Mi, 0, nullptr);
    } else if (right && mod == kModShift) {
        HandleTransfer(gFirstSelected[0], gFirstSelected[1], Mi, 0, 0, 0);
    } else if (theClick == kLeftClick && mod == kModShift) {
        SelectMultiple(Mi, 0);
        ForceAccountImageUpdate(Mi, 0);
        ShowSelectTotal();
    } else if (right && (mod == 0 || (mod == kModCtrl && !valid))) {
        Accounts[Mi][0].SelectFlag = 0;
        RunAccountSetup(Mi, 0);
        InvalidateAccountRect(Mi, 0);
        return 0;  // the selection is cleared afterwards
    } else if (theClick == kLeftClick) {
        SelectOne(Mi, 0);
        ForceAccountImageUpdate(Mi, 0);
    } else {
        return 0;
    }
    return 1;
}

}  // namespace

int MouseDownMainAccounts(int theClick, int mod, POINT thePoint)
{
    for (int Mi = 0; Mi < kMainAccounts; ++Mi) {
        const int x = FindMainAccountHCoordinate(Mi);
        const int y = FindMainAccountVCoordinate(Mi);
        if (OnNoteMark(thePoint, x, y) && Accounts[Mi][0].Note[0]) {
            BudgetNote(Mi, 0, 0);
            InvalidateAccountRect(Mi, 0);
            return 1;
        }
        if (OnAccountBox(thePoint, x, y))
            return AccountBoxClick(Mi, theClick, mod);
    }
    return 0;
}

int MouseDownMainCheckbook(int theClick, int mod, POINT thePoint)
{
    if (OnNoteMark(thePoint, kCheckbookX, kCheckbookY) && Accounts[0][1].Note[0]) {
        BudgetNote(0, 1, 0);
        ForceAccountImageUpdate(0, 1);
        return 1;
    }
    if (!OnAccountBox(thePoint, kCheckbookX, kCheckbookY))
        return 0;
    if (theClick == kRightClick && mod == kModCtrl) {
        DisplayHistory(0, 1);
    } else if (theClick == kDoubleClick && mod == kModShift) {
        HandlePay();
        ForceAccountImageUpdate(0, 1);
    } else if (theClick == kDoubleClick && mod == kModCtrl) {
        HandleMultiDeposit();
    } else if (theClick == kRightClick) {
        HandlePaySetup();
        ForceAccountImageUpdate(0, 1);
    } else if (theClick == kLeftClick) {
        SelectOne(0, 1);
        ForceAccountImageUpdate(0, 1);
    } else {
        HandleBalanceWindow();
        ForceAccountImageUpdate(0, 1);
    }
    return 1;
}

int MouseDownMainButton(int, int, POINT thePoint)
{
    int button = -1;
    for (int k = 0; k < 10; ++k) {
        const MainButton& b = kMainButtons[k];
        if (Inside(thePoint, b.X, b.Y, b.X + kButtonWidth, b.Y + kButtonHeight))
            button = k;
    }
    int Mi = -1, Si = -1, Mi2 = -1, Si2 = -1;
    switch (button) {
    case 0:  // Check
        if (GetSelected(&Mi, &Si, 0, 1) == 1)
            HandleCheck(Mi, Si, nullptr);
        return 1;
    case 1:  // Deposit
        if (GetSelected(&Mi, &Si, 1, 0) == 1)
            HandleDeposit(Mi, Si, nullptr);
        else
            HandleMultiDeposit();
        return 1;
    case 2:  // Transfer
        if (Get2Selected(&Mi, &Si, &Mi2, &Si2))
            HandleTransfer(Mi, Si, Mi2, Si2, 0, 0);
        return 1;
    case 3:  // Balance
        HandleBalanceWindow();
        ForceAccountImageUpdate(0, 1);
        return 1;
    case 4:  // New
        if (GetSelected(&Mi, &Si, 0, 0) == 1 && Accounts[Mi][Si].Valid)
            NewSubAccount(Mi);
        else
            HandleNewAccount();
        return 1;
    case 5:  // Pay
        HandlePay();
        return 1;
    case 6:  // Statistics
        if (GetSelected(&Mi, &Si, 1, 0) == 1)
            HandleStats(Mi, Si);
        else
            HandleMainStats();
        return 1;
    case 7:  // Save
        gNewBudgetFile ? BudgetSaveAs() : BudgetSave();
        return 1;
    case 8:  // History
        if (GetSelected(&Mi, &Si, 1, 1))
            DisplayHistory(Mi, Si);
        return 1;
    case 9: {  // Info
        const int16_t kind = GetSelected(&Mi, &Si, 1, 0);
        if (kind == 3)
            InvestAccountDialog(Mi);
        else if (kind == 1 && Accounts[Mi][Si].Valid) {
            Accounts[Mi][Si].SelectFlag = 0;
            RunAccountSetup(Mi, Si);
            InvalidateAccountRect(Mi, Si);
        } else if (kind != 1) {
            HandlePaySetup();
        }
        return 0;  // the selection is cleared afterwards
    }
    default:
        return 0;
    }
}

void MainWindowMouse(int theClick, int mod, POINT thePoint)
{
    SetInfoBoxToday();
    GetHost().UpdateInfoBox();
    if (MouseDownMainAccounts(theClick, mod, thePoint) || MouseDownMainCheckbook(theClick, mod, thePoint) ||
        MouseDownMainButton(theClick, mod, thePoint))
        return;
    ResetSelect(-1, -1);
}

namespace {

// The box under a point in an account window: its slot, or Mi -1.
void BoxUnder(AccountWindow window, POINT p, int flag, int& Mi, int& Si)
{
    if (window.Main) {
        Mi = ValidMainAccount(p, flag);
        Si = 0;
    } else {
        Mi = window.Mi;
        Si = ValidSubAccount(window.Mi, p, flag);
        if (Si < 0)
            Mi = -1;
    }
}

}  // namespace

void SetupMouseMoved(AccountWindow theWindow, POINT thePoint, int mod)
{
    if (!gMouse)
        return;
    if (gMoveFlag) {
        ShellCall(gShell.DragCursor, true);
        return;
    }
    int Mi, Si;
    BoxUnder(theWindow, thePoint, 1, Mi, Si);
    if (Mi < 0) {
        gMouse = gMoveFlag = 0;
        return;
    }
    if (mod == kModBoth && theWindow.Main && Mi == 0)
        return;  // "Available" never moves
    if (!Accounts[Mi][Si].SelectFlag) {
        gMouse = gMoveFlag = 0;
        return;
    }
    ShellCall(gShell.DragCursor, true);
    gMoveMi = Mi;
    gMoveSi = Si;
    gMoveMod = mod;
    gMoveFlag = 1;
}

void HandleMouseMoved(AccountWindow theWindow, POINT thePoint)
{
    gMouse = 0;
    ShellCall(gShell.DragCursor, false);
    if (!gMoveFlag)
        return;
    gMoveFlag = 0;
    int Mi, Si;
    BoxUnder(theWindow, thePoint, 0, Mi, Si);
    if (Mi < 0)
        return;
    if (gMoveMod == kModBoth && theWindow.Main && Mi == 0)
        return;
    if (Mi == gMoveMi && Si == gMoveSi)
        return;
    if (gMoveMod != kModBoth) {
        HandleTransfer(gMoveMi, gMoveSi, Mi, Si, 0, 0);
        return;
    }
    Accounts[gMoveMi][gMoveSi].SelectFlag = 0;
    Accounts[Mi][Si].SelectFlag = 0;
    SwitchAccounts(gMoveMi, gMoveSi, Mi, Si);
}
