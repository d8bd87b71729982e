// Moving accounts between grid positions, and the checks before an account may be deleted.
#include "ledger/Accounts.h"

#include "ledger/Budget.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Initialize.h"
#include "model/Messages.h"
#include "model/Money.h"
#include "model/Selection.h"

#include <utility>

namespace {

// The exchange buffer: a slot of row 0 that never holds an account.
constexpr int kBufferMi = 0;
constexpr int kBufferSi = 6;

void CountSubAccounts(int Mi)
{
    int count = 0;
    for (int Si = 1; Si < kSlots; ++Si)
        count += Accounts[Mi][Si].Valid ? 1 : 0;
    Accounts[Mi][0].NumberOfSubAccounts = static_cast<int16_t>(count);
}

void Exchange(int fm1, int fm2, int to1, int to2, int flag)
{
    SwitchAccountRecord(fm1, fm2, to1, to2, flag);
    ResetHistoryIndex(fm1, fm2);
    ResetHistoryIndex(to1, to2);
}

}  // namespace

void SwitchAccountRecord(int fm1, int fm2, int to1, int to2, int flag)
{
    ARecord& buffer = Accounts[kBufferMi][kBufferSi];
    CoreRecord& bufferCore = MemoryAccounts[kBufferMi][kBufferSi];
    ARecord& a = Accounts[fm1][fm2];
    ARecord& b = Accounts[to1][to2];
    CoreRecord& ca = MemoryAccounts[fm1][fm2];
    CoreRecord& cb = MemoryAccounts[to1][to2];
    buffer = a;
    a = b;
    b = buffer;
    bufferCore = ca;
    ca = cb;
    cb = bufferCore;
    if (flag) {
        // The category of a main position stays with the position.
        std::swap(a.NumberOfSubAccounts, b.NumberOfSubAccounts);
        std::swap(a.SubName, b.SubName);
        std::swap(ca.SubAccountWindow, cb.SubAccountWindow);
    }
    if (fm1 != 0)
        CountSubAccounts(fm1);
    if (to1 != 0)
        CountSubAccounts(to1);
    // The stored place of the last hit named a slot that now holds another account.
    ResetFindPosition();
}

void ResetHistoryIndex(int Mi, int Si)
{
    for (AHistory* h = MemoryAccounts[Mi][Si].HistoryRec; h; h = h->HistoryFP) {
        h->Mi = static_cast<int16_t>(Mi);
        h->Si = static_cast<int16_t>(Si);
    }
}

void SwitchAccounts(int fm1, int fm2, int to1, int to2)
{
    ResetSelect(-1, -1);
    // Row 0 holds "Available" and the special slots beside it, none of which moves.
    if (fm1 == 0 || to1 == 0) {
        HandleStandardError("Invalid move.", "You can not move", "the Available account.", "");
        return;
    }
    if (fm2 > 0) {
        Exchange(fm1, fm2, to1, to2, to2 == 0 ? 1 : 0);
    } else if (to2 > 0) {
        if (!Accounts[to1][to2].Valid) {
            HandleStandardError("Invalid move.", "You can not move a main account", "to a sub account position.", "");
            return;
        }
        Exchange(fm1, fm2, to1, to2, 1);
    } else {
        for (int Si = 0; Si < kSlots; ++Si)
            Exchange(fm1, Si, to1, Si, 0);
    }
    InitializeAccountRecord(kBufferMi, kBufferSi);
    gBudgetFileChanged = 1;
    InvalidateAccountRect(fm1, fm2);
    InvalidateAccountRect(to1, to2);
}

int DeleteAccount(int Mi, int Si)
{
    const ARecord& slot = Accounts[Mi][Si];
    if (!slot.Valid) {
        HandleDeleteError("");
        return 0;
    }
    if (Mi == 0 && Si == 0) {
        HandleDeleteError("You can't delete the available account.");
        return 0;
    }
    if (Mi == 0) {
        HandleDeleteError("");  // the Checkbook mirrors the bank account and always stays
        return 0;
    }
    if (Si == 0 && slot.NumberOfSubAccounts > 0) {
        HandleDeleteError("It has sub accounts.");
        return 0;
    }
    if (!slot.SavingsFlag)
        for (const AHistory* h = MemoryAccounts[Mi][Si].HistoryRec; h; h = h->HistoryFP)
            // A transfer with a savings account moved money out of or into the bank account,
            // so it waits for the statement like a check or deposit.
            if ((!h->TransferFlag || h->Savings) && !h->UnDone && !h->BalanceFlag) {
                HandleDeleteError("It has unbalanced transactions.");
                return 0;
            }
    return GetHost().RunDeleteAccountDialog(Mi, Si);
}

int32_t CloseoutAmount(int Mi, int Si)
{
    const ARecord& slot = Accounts[Mi][Si];
    return slot.SavingsFlag ? 0 : slot.Balance;
}

int HistoryRecordCount(int Mi, int Si)
{
    int count = 0;
    for (const AHistory* h = MemoryAccounts[Mi][Si].HistoryRec; h; h = h->HistoryFP)
        ++count;
    return count;
}

int DeletionFits(int Mi, int Si)
{
    // The closeout is a transfer of an amount, and what the pays leave "Available" without the
    // account's allocations must be an amount too.
    const int32_t closeout = CloseoutAmount(Mi, Si);
    const int32_t noAllocations[kPayers][kPaysPerMonth] = {};
    const bool none[kPayers] = {};
    if (closeout == INT32_MIN) {
        HandleSumRangeError(closeout);
        return 0;
    }
    return PayLeftoversFit(gBudget.PayAmount, none, Mi, Si, noAllocations) ? 1 : 0;
}

int CloseAccount(int Mi, int Si)
{
    const int32_t closeout = CloseoutAmount(Mi, Si);
    ARecord& slot = Accounts[Mi][Si];
    const std::string name = RecordText(slot.Name);
    if (closeout != 0) {
        // "Available" takes the balance, or covers an overdrawn account, so the Checkbook
        // stays the sum of the accounts left.
        char today[kDatimeSize];
        GetDatime(today);
        today[8] = 0;
        const AHistory* moved = closeout > 0 ? Transfer(Mi, Si, 0, 0, closeout, today, "Account Closeout.")
                                             : Transfer(0, 0, Mi, Si, -closeout, today, "Account Closeout.");
        if (!moved)
            return 0;  // refused and told; the account stays with its money
    }
    CheckbookLogRecord((name + (Si > 0 ? " sub account deleted" : " account deleted")).c_str());
    slot.Note[0] = 0;
    if (Si == 0) {
        slot.SubName[0] = 0;  // a new account here starts without the old category name
    } else {
        int16_t& subs = Accounts[Mi][0].NumberOfSubAccounts;
        subs = static_cast<int16_t>(subs > 0 ? subs - 1 : 0);
    }
    InitializeAccountRecord(Mi, Si);
    // The stored place of the last hit may be in the chain just dropped.
    ResetFindPosition();
    Recalculate();
    gBudgetFileChanged = 1;
    return 1;
}
