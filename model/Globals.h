// The global tables and chains of the open budget, and the view and dialog state around them.
// Every piece of budget state lives here and nowhere else.
#pragma once

#include "model/Records.h"

// The account grid and its in-memory companions, indexed [Mi][Si].
extern ARecord Accounts[kMainAccounts][kSlots];
extern CoreRecord MemoryAccounts[kMainAccounts][kSlots];

// The investment table and its companions; Invest[0] is "Portfolio".
extern IRecord Invest[kInvestments];
extern ICoreRecord MemoryInvest[kInvestments];

// Budget-wide settings and the international settings.
extern ABudget gBudget;
extern International gIntRec;

// Archive counters per year (entry 4: that year and all older ones).
extern Archive gArchive[kArchiveYears];
extern int gArchiveDataAvailable;

// What an export writes, set by the export dialog: the date range (stored-form dates, both
// included) when gExportFlag is set, and transfers when gExportTransfer is set.
extern int gExportFlag;
extern char gExportStartDate[16];
extern char gExportEndDate[16];
extern int gExportTransfer;

// Reminders that are due, packed from the start, and how many more were due than the table holds.
extern AHistory* Reminders[kReminderSlots];
extern int16_t gRemindListCount;
extern int gRemindSurplus;
// Changes whenever reminders or To Do items may have changed (another budget opened or made, a
// reminder set, moved or deleted, a To Do item added or deleted); the calendar keeps the marks of
// its month only while it stays the same.
extern uint64_t gReminderStamp;

// The To Do chain and the two balancing chains, each with first and last record.
extern ToDo* gToDoAnchor;
extern ToDo* gToDoAnchorLast;
extern CBalance* gBalanceCAnchor;
extern CBalance* gBalanceCAnchorLast;
extern DBalance* gBalanceDAnchor;
extern DBalance* gBalanceDAnchorLast;

// Balancing counters and totals.
extern int32_t gCheckDisplayLines;
extern int32_t gDepositDisplayLines;
extern int32_t gBalanceZero;
extern int32_t gBCheckTotal;
extern int32_t gBXCheckTotal;
extern int32_t gBDepositTotal;
extern int32_t gBXDepositTotal;

// The history record selected in a history window, or null.
extern AHistory* gSelectedItem;

// Find: where the next Find Next starts, the slot (gFMi, gFSi) from gFHPtr (null: from the
// chain's start). gFMi is the main account of the last hit. Kept for the run, not saved.
extern int gFMi;
extern int gFSi;
extern AHistory* gFHPtr;
// Find Next starts from the first account again: for when accounts move, go or are replaced.
inline void ResetFindPosition()
{
    gFMi = gFSi = 0;
    gFHPtr = nullptr;
}
// Whether the record is one of the copies "Found Items" holds rather than a transaction of an
// account.
inline bool IsFoundCopy(const AHistory* theHPtr)
{
    for (const AHistory* h = MemoryAccounts[kFoundMi][kFoundSi].HistoryRec; h; h = h->HistoryFP)
        if (h == theHPtr)
            return true;
    return false;
}

// File state.
extern char gBudgetFileName[kPathSize];
extern char gBudgetTitleName[kPathSize];
extern int gBudgetFileChanged;
extern int gNewBudgetFile;
// Set when the integrity checks reported damage in the open budget; cleared when a budget is
// read or made.
extern int gBudgetDamaged;
extern int gStartUpFlag;
extern int gAbout;

// View state of the main window.
extern int gMainInvest;
extern int gFirstSelected[2];
extern int gSecondSelected[2];
extern int32_t gSelectTotal;
extern char gInfoBox[64];
// The investment view's line saying when the market values were last all current.
extern char gInvestInfoBox[64];
extern int gBoxFlag;

// Changes whenever the lines of a history list may have moved: a record added to a chain, a
// record's second line opened or closed, chains dropped or reset. The lists keep where their
// pages begin only while it stays the same.
extern uint64_t gHistoryShape;

// Dragging in the main window.
extern int gMoveMi;
extern int gMoveSi;
extern int gMoveMod;
extern int gMouse;
extern int gMoveFlag;

// Dialog context: the account(s) or investment a dialog works on.
extern int gMi;
extern int gSi;
extern int gMi2;
extern int gSi2;
extern int gIi;
extern AHistory* gHPtr;
extern int32_t gAmount;
extern int gDflag1;

// Calendar: the day shown and the day selected (two-digit year; selected day 0 = none).
extern int gCalDay;
extern int gCalMonth;
extern int gCalYear;
extern int gCalDaySelected;
extern int gCalMonthSelected;
extern int gCalYearSelected;

// The statistics of the account last computed, for the budget statistics report: this year's
// (TY) and last year's (LY) expenses (ET) and deposits (DT), and the expenses as a whole-number
// percentage of the deposits (PT).
extern int64_t gTYET;
extern int64_t gTYDT;
extern int64_t gTYPT;
extern int64_t gLYET;
extern int64_t gLYDT;
extern int64_t gLYPT;
