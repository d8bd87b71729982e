// What the transaction and account dialogs do after reading their fields: call the engine, then
// set the flags, second line, check number, balancing record and reminder the transaction
// needs. The command line records through the same functions, so both leave the same records.
#pragma once

#include "model/Records.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The fields of a check or debit as the check dialog reads them.
struct CheckEntry {
    int32_t Amount = 0;
    const char* Datime = "";  // stored form
    const char* PayTo = "";
    const char* For = "";
    const char* Memo = "";    // checks only
    uint32_t Number = 0;      // check number; a savings account's checks and debits have none
    bool Debit = false;       // the debit face of the dialog
    bool Tax = false;
    bool Remind = false;
};

// The second line of a check or deposit of slot (Mi, Si), shown when the account shows second
// lines.
void SetSecondLine(AHistory* rec, int Mi, int Si);

// Each returns the new record, or null when the engine refused (it has told the user).
AHistory* RecordCheck(int Mi, int Si, const CheckEntry& entry);
AHistory* RecordATM(int Mi, int Si, int32_t amount, const char* datime);
AHistory* RecordDeposit(int Mi, int Si, int32_t amount, const char* from, const char* datime, const char* xfor,
                        bool remind);
AHistory* RecordTransfer(int fm1, int fm2, int to1, int to2, int32_t amount, const char* datime,
                         const char* xfor);

// Where New Account puts a new account. The window in front decides when no account box is
// selected: the main window offers a main account, a sub-account window a sub account of its row.
struct FrontWindow {
    enum Kind { None, Main, SubAccounts, Other };
    Kind Is = None;
    int Row = 0;  // SubAccounts: the main account whose window it is
};

// The budget view's New Account with box (m, s) the first selection (m below 1: none, or the
// row of "Available" and the Checkbook): no selection takes the first free main account (main
// window) or a new sub account of the window's row (sub-account window); a free main box is set
// up itself, an existing main account gets a new sub account; a sub-account box must be free.
// 1 with the free slot in *Mi, *Si (Si 0: a main account). 0 when no account is to be made:
// after the message ("There are no empty account boxes.", "Account already exists.", or a sub
// account of "Available"), or silently with no window or another window in front, or a
// selection outside the grid.
int ChooseNewAccountSlot(int m, int s, FrontWindow front, int* Mi, int* Si);

// A new sub account of main account Mi: its first free sub-account box, in *Si. 0 after "You
// can not create a sub account" / "to the Available account." for Mi 0, or "There are no empty
// account boxes." when all six are taken; 0 silently for an Mi outside the grid.
int ChooseSubAccountSlot(int Mi, int* Si);

// The investment view's New Account: investment account m when it is free, or with m below 1
// the first free one, in *Ii. 0 after "There are no empty account boxes." or "Account already
// exists.".
int ChooseNewInvestAccount(int m, int* Ii);

// The title main account Mi's sub accounts are shown under (its SubName), as Sub Account Setup's
// OK stores it: up to 15 characters, and not empty ("The Name field must be specified": 0).
int RecordCategoryName(int Mi, const std::string& name);
// A main account with sub accounts but no category name is titled "Category Name" until the
// user names it (a budget opened so, sub accounts made where no dialog asks); that alone is not
// a change of the budget.
void TitleUnnamedCategory(int Mi);

// Account Setup's checks before it stores: the name may not be empty ("An account must be
// specified."), and an allocation edit holds nothing (0) or an amount (the conversion message
// otherwise), so a typing slip is never taken for 0. Each 1 when fine, else 0 after the message.
int AccountNameGiven(const std::string& name);
int ReadAllocation(const std::string& text, int32_t* amount);
// Allocations are made for pay sources: 0 after "pYou can not allocate funds" / "Before you
// define your pay's" while none is set up.
int AllocationsAllowed();

// Account Setup's OK after its name check: log entry for a new or renamed account, name,
// savings flag, allocations, Valid and the sub-account count, then Recalculate. 0, with nothing
// stored, after the range message when what the pays would leave "Available" does not fit an
// amount; else 1.
int RecordAccountSetup(int Mi, int Si, const char* name, bool savings,
                       const int32_t payAmounts[kPayers][kPaysPerMonth]);

// Notes' OK (up to 252 characters) and Delete (an empty text) for slot (Mi, Si).
void RecordNote(int Mi, int Si, const char* text);

// One row of the Multiple Deposit dialog as typed; a row without an amount is left out.
struct MultiDepositRow {
    std::string Amount;
    std::string From;
    std::string Account;     // a main account's name, or its sub accounts' category name
    std::string SubAccount;  // empty: the main account itself
    std::string For;
};
constexpr int kMultiDepositRows = 3;
// A row amount may be at most this (100,000.00 with two decimal places).
constexpr int32_t kMaxMultiDepositRow = 10000000;

// The field a refused multiple deposit puts the focus on.
enum class MultiDepositField { Amount, From, Account };
struct MultiDepositFault {
    int Row = 0;
    MultiDepositField Field = MultiDepositField::Amount;
};

// Checks the rows in order, each wholly before the next; 1 when the deposit may be recorded
// (a ticked pay of a source in use, or at least one row with an amount), else 0 after telling
// the user, with the row and field to focus in *fault.
int CDepositDialogOK(const MultiDepositRow (&rows)[kMultiDepositRows], const bool ticked[kPayers],
                     MultiDepositFault* fault = nullptr);

// Records a checked multiple deposit dated theDatime: every ticked pay spread over the
// accounts, every row credited, all under one new deposit number so balancing sees one bank
// deposit, and one summary entry of the whole in the Checkbook. Returns the deposit number, or
// 0 when the deposit would not be taken whole (DepositFits: the deposit ceiling, an amount out
// of range, no deposit number left): then the user has been told once and nothing is recorded.
int32_t RecordMultiDeposit(const MultiDepositRow (&rows)[kMultiDepositRows], const bool ticked[kPayers],
                           const char* theDatime);

// Reading what the user typed as the dialogs read it, with their messages on bad input.
// The payee of a check or debit ("The To field must be specified") and the payer of a deposit
// ("The From field must be specified") may not be empty: 1 when given, else 0 after the message.
int PayToGiven(const std::string& payTo);
int FromGiven(const std::string& from);
// An amount must be a valid amount from 1 to 100000000; a date is completed from today.
int ReadDialogAmount(const char* text, int32_t* amount);
int ReadDialogDatime(const char* text, char* theDatime);

// A whole number written with the digits 0 to 9 only, of at most `largest`: the one reader of
// such numbers, for check numbers and for the counts and positions budget-cli is given.
enum class Digits { Valid, NotDigits, TooLarge };
Digits ReadDigits(std::string_view text, uint64_t largest, uint64_t* value);

// Check numbers run from 1 to the largest 32-bit number, which the budget stores them in.
constexpr uint32_t kLargestCheckNumber = INT32_MAX;
// A check number as the check dialog, the editor, Pay Setup's next check number and budget-cli
// read it: the digits 0 to 9 only, from 1 to kLargestCheckNumber. Otherwise 0 after the number
// message (empty, or not only digits) or the range message (0, or too large).
int ReadCheckNumber(const std::string& text, uint32_t* number);
// A check numbered `number` was written (or renumbered): writing the expected number or a higher
// one moves the next number offered past it, up to kLargestCheckNumber, which then stays.
void AdvanceCheckNumber(uint32_t number);
