// The ledger engine: the only code that changes balances and adds history records. It keeps the
// accounts and the Checkbook in step, enforces the rules against negative balances and the
// deposit ceiling, and holds the monthly pay totals and the account lookups.
#pragma once

#include "model/Records.h"

#include <cstdint>
#include <span>
#include <string>

// Deposits may not bring the Checkbook to this many money units or more.
constexpr int32_t kCheckbookCeiling = 100000000;

// The money text of a sum, which may lie beyond what an amount holds.
std::string SumText(int64_t sum);
// The range message for a sum that an amount cannot hold.
void HandleSumRangeError(int64_t sum);

// 1 when `count` more UniqueIDs can be drawn, each a number from 1 to the largest 32-bit one;
// otherwise the range message with the first number that cannot be given, and 0.
int UniqueIDsLeft(int64_t count);

// A zeroed record at the head of the slot's chain, with RDatime, Mi, Si and the counters set.
AHistory* CreateHistoryRecord(int Mi, int Si);

// Credit and debit without the rules (the Checkbook follows unless the slot is savings).
AHistory* PutMoneyIn(int Mi, int Si, int32_t amt, const char* from, const char* datime, const char* xfor);
AHistory* TakeMoneyOut(int Mi, int Si, int32_t amt, const char* too, const char* datime, const char* xfor);

// Credit with the deposit ceiling; the record's CheckID gets a new UniqueID. Null when refused.
AHistory* CreditAccount(int Mi, int Si, int32_t amt, const char* from, const char* datime, const char* xfor);

// One credit of a bank deposit made of pieces (a pay, a multiple deposit), in the order the
// pieces are credited; Deposit counts the deposit numbers of one recording from 0.
struct PlannedCredit {
    int Mi = 0;
    int Si = 0;
    int64_t Amount = 0;
    int Deposit = 0;
};
// Whether every credit would be taken by CreditAccount, made in this order: each an amount, the
// Checkbook below the deposit ceiling before each piece is taken (the test CreditAccount makes,
// a savings piece included), every balance and each deposit's total in the checkbook within 32
// bits, and a UniqueID for each credit and for `depositNumbers` deposit numbers. Otherwise the
// range message once, for the first fault, and 0. Nothing changes either way, so a deposit is
// checked whole before any piece of it is recorded.
int DepositFits(std::span<const PlannedCredit> credits, int depositNumbers);

// Debit with the negative-balance rules, offering a transfer from "Available" for a shortfall.
// `id` goes to CheckID, `memo` to Memo. Null when refused.
AHistory* DebitAccount(int Mi, int Si, int32_t amt, int32_t id, const char* from, const char* datime,
                       const char* xfor, const char* memo);

// 1 when the Checkbook may be lowered by amt (asking the user when so configured), else 0.
int CheckCheckbookAmounts(int32_t amt);

// Moves amt from slot (fm1, fm2) to (to1, to2); returns the from-half, or null when refused.
AHistory* Transfer(int fm1, int fm2, int to1, int to2, int32_t amt, const char* datime, const char* xfor);

// "Available" gets the part of each pay that no account is given. 0 after the range message when
// a part would not fit an amount; then "Available" keeps what it had.
int Recalculate();

// Whether Recalculate can give "Available" what each pay leaves, with source p paying pay[p]
// (its allocations counted unless cleared[p]) and, when `allocations` is given, slot (Mi, Si)
// allocated those instead of its own. Otherwise the range message and 0; nothing changes.
int PayLeftoversFit(const int32_t pay[kPayers], const bool cleared[kPayers], int Mi = -1, int Si = -1,
                    const int32_t (*allocations)[kPaysPerMonth] = nullptr);

// Pay slots in a month of a pay frequency (its button id): 5, 3, 2, 1, or 0.
int GetMaxPays(int payType);
// Monthly income of all payers; 0 after the range message when it does not fit an amount.
int32_t TotalPay();
// Monthly amount pay distribution gives a slot, and its share of TotalPay in percent. Returns 1;
// 0 after the range message (and 0 in both results) when the total, the income or the share
// does not fit its number.
int TotalMonthly(int Mi, int Si, int16_t* Percent, int32_t* Monthly);
int TotalSubMonthly(int Mi, int16_t* percent, int32_t* amount);

// Finds a slot by main name (Name, or SubName with a sub name) and sub name; 1 when found.
int FindAccountName(const char* mainName, const char* subName, int* Mi, int* Si);

// 1 when the record is a plain check, withdrawal or deposit.
int CheckOrDeposit(const AHistory* theHPtr);

// Sum of the balances of the valid slots 0 to 6 of a main account.
int32_t TotalSubAccounts(int Mi);

// Number of plain check/withdrawal/deposit records of a slot (of investment Mi in investment mode).
int ValidHistoryRecord(int Mi, int Si);

// Where the account boxes are: main window position p (0 to 25), sub-account window position s.
int FindMainAccountHCoordinate(int p);
int FindMainAccountVCoordinate(int p);
int FindSubAccountHCoordinate(int s);
int FindSubAccountVCoordinate(int s);

// The box under a point: main position 0 to 25, or sub position 0 to 6, or -1. With `flag` set
// only boxes of valid accounts count.
int ValidMainAccount(POINT thePoint, int flag);
int ValidSubAccount(int Mi, POINT thePoint, int flag);
