// The menus of the main and splash windows with their command ids, the command dispatcher they
// share, and the rules that enable menu items.
#pragma once

#include <set>
#include <vector>

class QWidget;

// Command ids of the menus.
enum Command {
    kCmdNew = 40001, kCmdOpen = 40002, kCmdSave = 40004, kCmdSaveAs = 40005, kCmdArchive = 40006,
    kCmdExport = 40007, kCmdCheckSetup = 40008, kCmdPrintReport = 40009, kCmdPrintCheck = 40010,
    kCmdQuit = 40011, kCmdCut = 40013, kCmdCopy = 40014, kCmdPaste = 40015, kCmdPreference = 40016,
    kCmdFind = 40017, kCmdFindNext = 40018, kCmdNewAccount = 40019, kCmdMoveAccount = 40020,
    kCmdDeleteAccount = 40021, kCmdBalance = 40022, kCmdCreateNote = 40023, kCmdShowNote = 40024,
    kCmdCheck = 40025, kCmdDebit = 40026, kCmdDeposit = 40027, kCmdTransfer = 40028, kCmdATM = 40029,
    kCmdEnterPay = 40030, kCmdVariablePay = 40031, kCmdBuyShares = 40032, kCmdSellShares = 40033,
    kCmdUpdatePPS = 40034, kCmdPayInfo = 40035, kCmdAccount = 40036, kCmdHistory = 40037,
    kCmdStatistics = 40038, kCmdSubCategory = 40039, kCmdCalculator = 40040, kCmdBudgetMode = 40041,
    kCmdInvestmentMode = 40042, kCmdAbout = 40043, kCmdReminder = 40044, kCmdInternational = 40045,
    kCmdCalendar = 40046,
    kCmdImportStatement = 40047,  // the Transaction menu's Import Statement...
};

// One item of a menu: a command with its text ("\t" then the shortcut's text), or a separator
// (id 0).
struct MenuItem {
    int Id;
    const char* Text;
};
struct Menu {
    const char* Title;
    std::vector<MenuItem> Items;
};

const std::vector<Menu>& MainWindowMenu();
const std::vector<Menu>& SplashWindowMenu();

// Keyboard shortcuts: Ctrl + the letter gives the command.
struct Accelerator {
    char Letter;
    int Id;
};
const std::vector<Accelerator>& MainAccelerators();    // while a budget is open
const std::vector<Accelerator>& SplashAccelerators();  // while none is

// Runs a command; New and Open only act when they come from the splash window.
void HandleMenu(int id, bool fromSplash);

// The command ids whose menu items are enabled now.
std::set<int> HandleMenuHilites();

// The New Account command: the window in front (the main window or a sub-account window)
// decides where the account goes when no box is selected, and the dialogs belong to it.
void HandleNewAccount();
// The same, issued from window `foreground`; nothing happens without one.
void HandleNewAccountFrom(QWidget* foreground);

// Switches the main window between budget (0) and investment (1) mode.
void BudgetSwitch(int mode);
