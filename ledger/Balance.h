// Balancing records of the checkbook's outstanding transactions: the withdrawal and deposit
// chains, their order, combined pay deposits, and completing or forcing a balancing.
#pragma once

#include "model/Records.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Makes the balancing record of an outstanding checkbook transaction and puts it in its chain.
void CreateBalanceRecord(AHistory* theHPtr);

// Makes the balancing records of many outstanding transactions at once (opening a budget), each
// placed exactly where CreateBalanceRecord would place it, taken in the given order.
void CreateBalanceRecords(AHistory* const* records, size_t count);

// The pay-deposit branch: every record of one pay entry shares one deposit record.
void AddPayDeposit(AHistory* theHPtr);

// The deposit record whose DepositID is `indicator`, or null.
DBalance* FindIndicator(int32_t indicator);

// Insertion of a new withdrawal into a non-empty chain, by date or by type.
void SortWithdrawTypes(AHistory* theHPtr, CBalance* theCPointer);
void SortWithdrawByDate(CBalance* theCPointer);
void SortATMBalanceRecord(CBalance* theCPointer);
void SortDebitBalanceRecord(CBalance* theCPointer);
void SortCheckBalanceRecord(CBalance* theCPointer);
void SortDepositBalanceRecord(DBalance* theDPointer);

// Rebuilds the withdrawal chain in the order bit 1 of gBudget.Flag1 asks for.
void ReloadCheckBalanceChain();

// Ticks (or unticks) an outstanding withdrawal or deposit as the bank's statement shows it, as a
// click on its line in the balance window does; the tick is kept with the budget.
void SetBalanceTick(CBalance* theCPtr, bool ticked);
void SetBalanceTick(DBalance* theDPtr, bool ticked);

// The statement balance typed into the balance window: 1, stored in gBudget.StatementBalance,
// when the text is an amount of 0 or more; 0, with nothing stored, for text that is not (yet)
// one (no digit at all, letters, a negative amount), which the window passes over while the
// user types.
int ReadStatementText(const std::string& text);

// Recomputes gBCheckTotal, gBXCheckTotal, gBDepositTotal, gBXDepositTotal and gBalanceZero.
void SumBalanceData();

// Completes a balancing: ticked records become reconciled, the others stay outstanding.
void BalanceCheckbook();
void BalanceCheckbookCRecord(CBalance* theCPtr);
void BalanceCheckbookDRecord(DBalance* theDPtr);
void ResetHistoryBalanceCPointer(CBalance* theCPtr);
void ResetHistoryBalanceDPointer(DBalance* theDPtr);

// Makes the Checkbook agree with the statement by an adjusting entry in "Available"; 1, or 0
// when refused.
int ForceBalance();

// Clicking the balance indicator, without the window: with a difference of 0 (or, with `force`
// (Ctrl+Shift), after ForceBalance) the balancing is completed and the info box says
// "Checkbook Balanced"; otherwise the balance error is shown. 1 when balanced.
int CompleteBalancing(int force);

// The history records of a combined pay deposit (its pieces); the array grows past 555 when a
// pay entry reaches more accounts.
int DepositPieceCount(const DBalance* theDPtr);
