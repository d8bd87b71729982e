// The menus, the command dispatcher and the rules that enable menu items.
#include "shell/Commands.h"

#include "dialogs/AccountDialogs.h"
#include "dialogs/ArchiveDialogs.h"
#include "dialogs/EntryDialogs.h"
#include "dialogs/EntryHelpers.h"
#include "dialogs/FindDialog.h"
#include "dialogs/InvestDialogs.h"
#include "dialogs/MultiDepositDialog.h"
#include "dialogs/NoteDialogs.h"
#include "dialogs/PayDialogs.h"
#include "dialogs/ReportDialog.h"
#include "dialogs/SettingsDialogs.h"
#include "dialogs/StatsDialogs.h"
#include "dialogs/TransactionDialogs.h"
#include "files/Archive.h"
#include "files/BudgetFile.h"
#include "files/TextExport.h"
#include "find/Find.h"
#include "history/HistoryWindow.h"
#include "history/InvestHistory.h"
#include "investments/InvestRecording.h"
#include "ledger/Accounts.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Selection.h"
#include "platform/InvestBox.h"
#include "printing/CheckPrint.h"
#include "printing/PrintWindow.h"
#include "shell/BalanceWindow.h"
#include "shell/CalendarWindow.h"
#include "shell/InvestView.h"
#include "shell/MainWindow.h"
#include "shell/RemindWindow.h"
#include "shell/Shell.h"
#include "shell/StatementWindow.h"
#include "shell/VPayWindow.h"
#include "shell/Windows.h"

#include <QApplication>

ShellWindows gShell;

const std::vector<Menu>& MainWindowMenu()
{
    static const std::vector<Menu> menu = {
        {"&FILE",
         {{kCmdSave, "&Save\tCtrl+S"}, {kCmdSaveAs, "Save As..."}, {kCmdArchive, "&Archive..."},
          {kCmdExport, "&Export..."}, {0, ""}, {kCmdCheckSetup, "&Check Setup..."},
          {kCmdPrintReport, "Print Report..."}, {kCmdPrintCheck, "&Print Check\tCtrl+P"}, {0, ""},
          {kCmdQuit, "&Quit\tCtrl+Q"}}},
        {"&EDIT",
         {{kCmdCut, "C&ut\tCtrl+X"}, {kCmdCopy, "&Copy\tCtrl+C"}, {kCmdPaste, "&Paste\tCtrl+V"}, {0, ""},
          {kCmdPreference, "Pre&ference..."}, {kCmdInternational, "International..."}}},
        {"&ACCOUNT",
         {{kCmdFind, "&Find...\tCtrl+F"}, {kCmdFindNext, "Find Ne&xt\tCtrl+G"}, {0, ""},
          {kCmdNewAccount, "&New Account..."}, {kCmdMoveAccount, "&Move Account"},
          {kCmdDeleteAccount, "&Delete Account..."}, {0, ""}, {kCmdBalance, "&Balance...\tCtrl+B"}, {0, ""},
          {kCmdCreateNote, "&Create Note..."}, {kCmdShowNote, "&Show Note..."}}},
        {"&TRANSACTION",
         {{kCmdCheck, "&Check...\tCtrl+K"}, {kCmdDebit, "Debit..."}, {kCmdDeposit, "&Deposit...\tCtrl+D"},
          {kCmdTransfer, "&Transfer...\tCtrl+T"}, {kCmdATM, "&ATM...\tCtrl+A"}, {0, ""},
          {kCmdEnterPay, "&Enter Pay...\tCtrl+Y"}, {kCmdVariablePay, "&Variable Pay..."}, {0, ""},
          {kCmdImportStatement, "&Import Statement..."}, {0, ""},
          {kCmdBuyShares, "&Buy Shares..."}, {kCmdSellShares, "&Sell Shares..."},
          {kCmdUpdatePPS, "&Update PPS..."}}},
        {"&DISPLAY",
         {{kCmdPayInfo, "&Pay Info..."}, {kCmdAccount, "&Account...\tCtrl+I"},
          {kCmdHistory, "&History...\tCtrl+H"}, {kCmdStatistics, "&Statistics..."},
          {kCmdSubCategory, "Sub &Category..."}, {kCmdCalculator, "Saving Calculator..."}}},
        {"&WINDOW",
         {{kCmdBudgetMode, "&Budget"}, {kCmdInvestmentMode, "&Investment"}, {0, ""},
          {kCmdReminder, "&Reminder"}, {kCmdCalendar, "&Calendar"}}},
    };
    return menu;
}

const std::vector<Menu>& SplashWindowMenu()
{
    static const std::vector<Menu> menu = {
        {"&FILE",
         {{kCmdAbout, "&About"}, {0, ""}, {kCmdNew, "&New...\tCtrl+N"}, {kCmdOpen, "&Open...\tCtrl+O"}, {0, ""},
          {kCmdQuit, "&Quit\tCtrl+Q"}}},
    };
    return menu;
}

const std::vector<Accelerator>& MainAccelerators()
{
    static const std::vector<Accelerator> keys = {
        {'S', kCmdSave},    {'E', kCmdExport},   {'P', kCmdPrintCheck}, {'Q', kCmdQuit},     {'X', kCmdCut},
        {'C', kCmdCopy},    {'V', kCmdPaste},    {'F', kCmdFind},       {'G', kCmdFindNext}, {'B', kCmdBalance},
        {'K', kCmdCheck},   {'D', kCmdDeposit},  {'T', kCmdTransfer},   {'A', kCmdATM},      {'Y', kCmdEnterPay},
        {'I', kCmdAccount}, {'H', kCmdHistory},  {'R', kCmdReminder},
    };
    return keys;
}

const std::vector<Accelerator>& SplashAccelerators()
{
    static const std::vector<Accelerator> keys = {{'N', kCmdNew}, {'O', kCmdOpen}, {'Q', kCmdQuit}};
    return keys;
}

namespace {

// Check and Debit run the check dialog with the debit preference forced, then put it back.
void CheckWithFace(int debit)
{
    int Mi, Si;
    if (GetSelected(&Mi, &Si, 0, 1) != 1)
        return;
    const char kept = gBudget.Debit;
    gBudget.Debit = static_cast<char>(debit);
    HandleCheck(Mi, Si, nullptr);
    gBudget.Debit = kept;
}

void OpenFromSplash()
{
    if (!OpenBudget(1))
        return;
    ShellCall(gShell.HideSplash);
    ShellCall(gShell.ShowMainWindow, true);
    ShowRemindersAfterOpening();
}

void NewFromSplash()
{
    ShellCall(gShell.HideSplash);
    ShellCall(gShell.ShowMainWindow, false);  // where it was made
    NewBudget();
}

// Find... (next 0) runs the Find dialog and then the search it asks for; Find Next (next 1) goes
// on from the last hit without it. A hit is shown in Transaction Details, Find All's hits in the
// "Found Items" history window; nothing found gives two beeps.
void BudgetFind(int next)
{
    if (!next && !RunFindDialog())
        return;
    if (next)
        gFAll = 0;  // Find Next after Find All steps through the hits instead of collecting them again
    FindHit hit;
    if (!FindIt(&hit)) {
        QApplication::beep();
        QApplication::beep();
        return;
    }
    if (gFAll)
        DisplayHistory(kFoundMi, kFoundSi);
    else
        HandleTransactionDisplay(hit.Record);
}

// What kind of window New Account is issued from.
FrontWindow FrontOf(QWidget* window)
{
    if (dynamic_cast<MainWindow*>(window))
        return FrontWindow{FrontWindow::Main};
    if (const int row = GetSubAccountWindowRecord(window); row > 0)
        return FrontWindow{FrontWindow::SubAccounts, row};
    return FrontWindow{window ? FrontWindow::Other : FrontWindow::None};
}

}  // namespace

void HandleNewAccount()
{
    HandleNewAccountFrom(DialogOwner());
}

void HandleNewAccountFrom(QWidget* foreground)
{
    NewAccount(FrontOf(foreground), foreground);
}

void HandleMenu(int id, bool fromSplash)
{
    int Mi = -1, Si = -1, Mi2 = -1, Si2 = -1;
    switch (id) {
    case kCmdNew:
        if (fromSplash)
            NewFromSplash();
        break;
    case kCmdOpen:
        if (fromSplash)
            OpenFromSplash();
        break;
    case kCmdSave:
        BudgetSave();
        break;
    case kCmdSaveAs:
        BudgetSaveAs();
        break;
    case kCmdArchive:
        BudgetArchive();
        break;
    case kCmdExport: {
        const int16_t kind = GetSelected(&Mi, &Si, 0, 1);
        if (kind == 3) {
            ExportInvestHistory(Mi);
            InvalidateInvestAccountRect(Mi);
        } else if (kind) {
            ExportHistory(Mi, Si);
            InvalidateAccountRect(Mi, Si);
        }
        break;
    }
    case kCmdCheckSetup:
        PrintSetup();
        break;
    case kCmdPrintReport:
        BudgetReport();
        break;
    case kCmdPrintCheck:
        BudgetPrintCheck();
        break;
    case kCmdQuit:
        BudgetQuit();
        break;
    case kCmdPreference:
        HandlePreference();
        break;
    case kCmdFind:
    case kCmdFindNext:
        BudgetFind(id == kCmdFindNext);
        break;
    case kCmdNewAccount: {
        const int16_t kind = GetSelected(&Mi, &Si, 0, 0);
        if (kind == 3)
            InvestAccountDialog(Mi);
        else if (kind == 1 && Accounts[Mi][Si].Valid)
            NewSubAccount(Mi);
        else
            HandleNewAccount();
        break;
    }
    case kCmdMoveAccount:
        if (gMainInvest) {
            if (Get2Selected(&Mi, &Si, &Mi2, &Si2)) {
                SwitchInvest(Mi, Mi2);
                InvalidateInvestAccountRect(Mi);
                InvalidateInvestAccountRect(Mi2);
            }
        } else if (Get2Selected(&Mi, &Si, &Mi2, &Si2)) {
            SwitchAccounts(Mi, Si, Mi2, Si2);
            InvalidateAccountRect(Mi, Si);
            InvalidateAccountRect(Mi2, Si2);
        }
        break;
    case kCmdDeleteAccount: {
        const int16_t kind = GetSelected(&Mi, &Si, 0, 1);
        if (kind == 3) {
            DeleteInvestAccount(Mi);
        } else if (kind) {
            DeleteAccount(Mi, Si);
            ForceAccountImageUpdate(Mi, Si);
        }
        break;
    }
    case kCmdBalance:
        HandleBalanceWindow();
        break;
    case kCmdCreateNote:
    case kCmdShowNote:
        if (const int16_t kind = GetSelected(&Mi, &Si, 0, 1))
            kind == 3 ? BudgetNote(Mi, 0, 1) : BudgetNote(Mi, Si, 0);
        break;
    case kCmdCheck:
    case kCmdDebit:
        CheckWithFace(id == kCmdDebit);
        break;
    case kCmdDeposit: {
        const int16_t kind = GetSelected(&Mi, &Si, 1, 1);
        if (kind == 1)
            HandleDeposit(Mi, Si, nullptr);
        else if (kind == 2)
            HandleMultiDeposit();
        break;
    }
    case kCmdTransfer:
        // Two selected investments are no accounts to transfer between.
        if (!gMainInvest && Get2Selected(&Mi, &Si, &Mi2, &Si2))
            HandleTransfer(Mi, Si, Mi2, Si2, 0, 0);
        break;
    case kCmdATM:
        if (GetSelected(&Mi, &Si, 0, 1) == 1)
            HandleATM(Mi, Si);
        break;
    case kCmdEnterPay:
        HandlePay();
        break;
    case kCmdVariablePay:
        HandleVPay();
        break;
    case kCmdImportStatement:
        HandleImportStatement();
        break;
    case kCmdBuyShares:
    case kCmdSellShares:
        if (GetSelected(&Mi, &Si, 0, 1) == 3)
            HandleShareDialog(id == kCmdBuyShares ? 1 : 0, Mi);
        break;
    case kCmdUpdatePPS:
        if (GetSelected(&Mi, &Si, 0, 1) == 3)
            PPSDialog(Mi);
        break;
    case kCmdInvestmentMode:
        BudgetSwitch(1);
        break;
    case kCmdPayInfo:
        HandlePaySetup();
        break;
    case kCmdAccount: {
        const int16_t kind = GetSelected(&Mi, &Si, 1, 1);
        if (kind == 3) {
            InvestAccountDialog(Mi);
        } else if (kind == 1) {
            if (Accounts[Mi][Si].Valid) {
                Accounts[Mi][Si].SelectFlag = 0;
                RunAccountSetup(Mi, Si);
            }
            InvalidateAccountRect(Mi, Si);
        } else {
            HandlePaySetup();
        }
        break;
    }
    case kCmdHistory:
        if (const int16_t kind = GetSelected(&Mi, &Si, 0, 1))
            kind == 3 ? DisplayInvestHistory(Mi) : DisplayHistory(Mi, Si);
        break;
    case kCmdStatistics:
        if (GetSelected(&Mi, &Si, 1, 0) == 1) {
            HandleStats(Mi, Si);
        } else {
            HandleMainStats();
            Accounts[0][0].SelectFlag = 0;
            ForceAccountImageUpdate(0, 1);
        }
        break;
    case kCmdSubCategory:
        if (GetSelected(&Mi, &Si, 1, 0) == 1 && Accounts[Mi][0].Valid) {
            RunSubAccountDialog(Mi);
            InvalidateAccountRect(Mi, 0);
        }
        break;
    case kCmdCalculator:
        RunSavingsCalculator();
        break;
    case kCmdBudgetMode:
        BudgetSwitch(0);
        break;
    case kCmdAbout:
        ShellCall(gShell.ShowAbout);
        break;
    case kCmdReminder:
        DisplayRemind();
        break;
    case kCmdInternational:
        HandleInternational();
        break;
    case kCmdCalendar:
        DisplayCalendar();
        break;
    default:  // Cut, Copy, Paste and unknown ids do nothing
        break;
    }
}

std::set<int> HandleMenuHilites()
{
    // Never greyed: Export, Quit, Variable Pay, Saving Calculator, International and Calendar.
    std::set<int> on = {kCmdExport, kCmdQuit, kCmdVariablePay, kCmdCalculator, kCmdInternational, kCmdCalendar,
                        kCmdAbout, kCmdNew, kCmdOpen};
    on.insert(gMainInvest ? kCmdBudgetMode : kCmdInvestmentMode);
    if (!gStartUpFlag)
        return on;
    for (int id : {kCmdSave, kCmdSaveAs, kCmdPreference, kCmdFind, kCmdFindNext, kCmdNewAccount, kCmdStatistics})
        on.insert(id);
    const bool first = gFirstSelected[0] >= 0;
    const bool second = gSecondSelected[0] >= 0;
    const auto note = [&](bool hasNote) { on.insert(hasNote ? kCmdShowNote : kCmdCreateNote); };
    if (gMainInvest) {
        on.insert(kCmdPrintReport);
        const int Ii = gFirstSelected[0];
        if (Ii >= 1 && Ii < kInvestments && !second) {
            note(Invest[Ii].Note[0] != 0);
            for (int id : {kCmdDeleteAccount, kCmdBuyShares, kCmdSellShares, kCmdUpdatePPS, kCmdHistory, kCmdAccount})
                on.insert(id);
        }
        if (Ii >= 1 && gSecondSelected[0] >= 1)
            on.insert(kCmdMoveAccount);
    } else {
        for (int id : {kCmdCheckSetup, kCmdPrintReport, kCmdBalance, kCmdImportStatement, kCmdEnterPay, kCmdPayInfo,
                       kCmdReminder})
            on.insert(id);
        if (first && !second) {
            const ARecord& a = Accounts[gFirstSelected[0]][gFirstSelected[1]];
            note(a.Note[0] != 0);
            for (int id : {kCmdDeposit, kCmdHistory, kCmdCheck, kCmdDebit, kCmdATM, kCmdAccount, kCmdDeleteAccount})
                on.insert(id);
            if (a.NumberOfSubAccounts > 0)
                on.insert(kCmdSubCategory);
        }
        if (first && second) {
            on.insert(kCmdMoveAccount);
            on.insert(kCmdTransfer);
        }
        if (gSelectedItem)
            on.insert(kCmdPrintCheck);
    }
    // Counted afresh: reconciling or undoing may have made records ready to archive.
    CountArchiveData();
    if (gArchiveDataAvailable)
        on.insert(kCmdArchive);
    return on;
}

void BudgetSwitch(int mode)
{
    if (!gStartUpFlag || gMainInvest == mode)
        return;
    if (mode == 1) {
        gMainInvest = 1;
        ResetSelect(-1, -1);
    } else {
        ClearInvestSelection();
        gMainInvest = 0;
    }
    gMoveFlag = 0;
    gMoveMi = gMoveSi = 0;
    CloseAllWindows();
    ShellCall(gShell.RepaintMain);
}
