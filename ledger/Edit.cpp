// Editing recorded transactions: amounts with everything that follows them, dates, texts and
// check numbers, and the balancing records kept in step.
#include "ledger/Edit.h"

#include "ledger/Balance.h"
#include "ledger/Budget.h"
#include "ledger/Recording.h"
#include "ledger/Undo.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Messages.h"
#include "model/Money.h"
#include "model/Selection.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr size_t kDateChars = 8;  // the date part of a Datime

void RefuseEdit()
{
    HandleSelectionError("You can not edit this Transaction", "");
}

bool IsPayPiece(const AHistory* h)
{
    return h->PayFlag || h->MultiDeposit;
}

// A deposit that is one piece of a combined deposit (a pay, or a row of a multiple deposit).
bool IsDepositPiece(const AHistory* h)
{
    return !h->TypeFlag && h->PayID > 0;
}

// An account in the checkbook: the only kind whose records change their amounts.
bool CheckbookAccount(int Mi, int Si)
{
    return Mi >= 0 && Mi < kMainAccounts && Si >= 0 && Si < kSlots && Accounts[Mi][Si].Valid &&
           !Accounts[Mi][Si].SavingsFlag;
}

bool SameDate(const char* a, const char* b)
{
    return std::strncmp(a, b, kDateChars) == 0;
}

// Only the date part: a reminder keeps its data behind it.
void SetDate(AHistory* h, const char* datime)
{
    const size_t length = strnlen(datime, kDateChars);
    std::memcpy(h->Datime, datime, length);
    if (length < kDateChars)
        h->Datime[length] = 0;
}

void SetBalanceDate(char (&out)[kDatimeSize], const char* datime)
{
    std::memset(out, 0, sizeof out);
    std::memcpy(out, datime, strnlen(datime, kDateChars));
}

// Calls f for every piece of deposit number payID, in whichever account it is (the Checkbook's
// summary entry is no piece).
template <typename F>
void ForEachPiece(int32_t payID, F f)
{
    for (auto& row : MemoryAccounts)
        for (CoreRecord& core : row)
            for (AHistory* h = core.HistoryRec; h; h = h->HistoryFP)
                if (IsDepositPiece(h) && !h->LogRecord && h->PayID == payID)
                    f(h);
}

// The Checkbook's summary entry of a pay or multiple deposit, which carries its total.
AHistory* DepositSummary(int32_t payID)
{
    for (AHistory* h = MemoryAccounts[0][1].HistoryRec; h; h = h->HistoryFP)
        if (h->LogRecord && h->PayID == payID)
            return h;
    return nullptr;
}

bool InRange(int64_t value)
{
    return value >= INT32_MIN && value <= INT32_MAX;
}

// 1 when moving h's account (and the Checkbook by checkbookDelta) by delta, together with the
// running balances from the newest record down to h, leaves numbers the budget can hold;
// otherwise the range message.
bool MoveFits(const AHistory* h, int64_t delta, int64_t checkbookDelta)
{
    bool fits = delta > -INT32_MAX && delta < INT32_MAX && InRange(Accounts[h->Mi][h->Si].Balance + delta) &&
                InRange(Accounts[0][1].Balance + checkbookDelta);
    for (const AHistory* r = MemoryAccounts[h->Mi][h->Si].HistoryRec; r && fits; r = r->HistoryFP) {
        fits = InRange(r->Balance + delta);
        if (r == h)
            break;
    }
    if (!fits) {
        char text[kAmountTextSize];
        I2S(static_cast<int32_t>(std::clamp<int64_t>(delta < 0 ? -delta : delta, 0, INT32_MAX)), text, 0);
        HandleRangeError(text);
    }
    return fits;
}

// Moves h's account (and the Checkbook with it when `book`) and the running balances of h and
// every later record of the account by delta.
void MoveBalances(AHistory* h, int64_t delta, bool book)
{
    ARecord& slot = Accounts[h->Mi][h->Si];
    slot.Balance = static_cast<int32_t>(slot.Balance + delta);
    if (book)
        Accounts[0][1].Balance = static_cast<int32_t>(Accounts[0][1].Balance + delta);
    HandleHistoryUndoUpdate(h, static_cast<int32_t>(delta < 0 ? -delta : delta), h->Mi, h->Si, delta > 0 ? 1 : 0);
}

// Both halves change together, or neither does. Money moves between the two accounts only.
int EditTransferAmt(AHistory* h, int32_t amt)
{
    AHistory* other = FindTransferPartner(h);
    if (!other) {
        RefuseEdit();
        return 0;
    }
    const int64_t delta = static_cast<int64_t>(amt) - h->Amt;
    AHistory* from = h->XferFm ? h : other;
    AHistory* to = h->XferFm ? other : h;
    if (!MoveFits(from, -delta, 0) || !MoveFits(to, delta, 0))
        return 0;
    MoveBalances(from, -delta, false);
    MoveBalances(to, delta, false);
    h->Amt = other->Amt = amt;
    gBudgetFileChanged = 1;
    return 1;
}

// Takes a record out of its chain, keeping the last-record pointer right.
template <typename T, typename Next>
void Unlink(T*& anchor, T*& last, T* node, Next next)
{
    T* pred = nullptr;
    for (T* p = anchor; p && p != node; p = next(p))
        pred = p;
    (pred ? next(pred) : anchor) = next(node);
    if (last == node)
        last = pred;
    next(node) = nullptr;
}

void MoveToItsPlace(CBalance* c)
{
    Unlink(gBalanceCAnchor, gBalanceCAnchorLast, c, [](CBalance* p) -> CBalance*& { return p->BalanceCFP; });
    if (!gBalanceCAnchor)
        gBalanceCAnchor = gBalanceCAnchorLast = c;
    else
        SortWithdrawTypes(c->HistoryRec, c);
}

void MoveToItsPlace(DBalance* d)
{
    Unlink(gBalanceDAnchor, gBalanceDAnchorLast, d, [](DBalance* p) -> DBalance*& { return p->BalanceDFP; });
    if (!gBalanceDAnchor)
        gBalanceDAnchor = gBalanceDAnchorLast = d;
    else
        SortDepositBalanceRecord(d);
}

// The record's balancing record takes the record's amount, check number and date again; when
// the number or date changed it moves to its place in its chain (keeping its tick). A combined
// deposit is reached from any of its pieces, a piece in a savings account included.
void RefreshBalanceRecord(AHistory* h)
{
    if (h->TypeFlag) {
        CBalance* c = static_cast<CBalance*>(h->BalanceRec);
        if (!c)
            return;
        c->BAmount = h->Amt;
        const bool moves = c->BIdent != h->CheckID || !SameDate(c->BDatime, h->Datime);
        c->BIdent = h->CheckID;
        SetBalanceDate(c->BDatime, h->Datime);
        if (moves)
            MoveToItsPlace(c);
        return;
    }
    DBalance* d = IsDepositPiece(h) ? FindIndicator(h->PayID) : static_cast<DBalance*>(h->BalanceRec);
    if (!d)
        return;
    if (!d->theArray)
        d->BAmount = h->Amt;
    if (SameDate(d->BDatime, h->Datime))
        return;
    SetBalanceDate(d->BDatime, h->Datime);
    MoveToItsPlace(d);
}

// A check's new number moves the next number offered past it, as writing the check would have.
// A reconciled check keeps its number.
bool ChangeCheckNumber(AHistory* h, uint32_t number)
{
    const int32_t id = static_cast<int32_t>(number);
    if (id == h->CheckID)
        return true;
    if (h->BalanceFlag)
        return false;
    AdvanceCheckNumber(number);
    h->CheckID = id;
    return true;
}

}  // namespace

int EditFields(const AHistory* theHPtr)
{
    const AHistory* h = theHPtr;
    if (h->TransferFlag)
        return kEditFor;
    const bool debit = h->TypeFlag && h->ATM == kWithdrawalDebit;
    if (!h->TypeFlag || debit || IsPayPiece(h))
        return kEditPayee | kEditFor | (h->TypeFlag ? kEditTax : 0);
    if (h->ATM == kWithdrawalATM)
        return 0;
    // A savings account's checks carry no number.
    const bool savings = Accounts[h->Mi][h->Si].SavingsFlag != 0;
    return kEditPayee | kEditFor | (savings ? 0 : kEditNumber) | kEditMemo | kEditTax;
}

int CheckEditable(const AHistory* theHPtr)
{
    const AHistory* h = theHPtr;
    if (RefuseFoundCopy(h))
        return 0;
    if (h->LogRecord || h->UnDone || h->Archived || (IsPayPiece(h) && h->BalanceFlag)) {
        RefuseEdit();
        return 0;
    }
    return 1;
}

int EditAmt(AHistory* theHPtr, int32_t amt)
{
    AHistory* h = theHPtr;
    if (h->Mi < 0 || h->Mi >= kMainAccounts || h->Si < 0 || h->Si >= kSlots || !Accounts[h->Mi][h->Si].Valid)
        return 0;
    if (RefuseFoundCopy(h))
        return 0;
    if (Accounts[h->Mi][h->Si].SavingsFlag || h->LogRecord || h->UnDone || h->Archived) {
        RefuseEdit();
        return 0;
    }
    if (amt == h->Amt)
        return 1;
    if (h->TransferFlag)
        return EditTransferAmt(h, amt);
    if (h->BalanceFlag)
        return 0;
    if (IsPayPiece(h)) {
        RefuseEdit();
        return 0;
    }
    // What the account and the Checkbook move by: a raised withdrawal or a lowered deposit
    // takes money out of the checkbook.
    const int64_t delta = static_cast<int64_t>(amt) - h->Amt;
    const int64_t move = h->TypeFlag ? -delta : delta;
    if (!MoveFits(h, move, move))
        return 0;
    if (move < 0 && !CheckCheckbookAmounts(static_cast<int32_t>(-move)))
        return 0;
    const int64_t book = Accounts[0][1].Balance + move;
    if (move > 0 && !h->TypeFlag && book >= kCheckbookCeiling) {
        char text[kAmountTextSize];
        I2S(static_cast<int32_t>(book), text, 0);
        HandleRangeError(text);
        return 0;
    }
    MoveBalances(h, move, true);
    if (h->TypeFlag) {
        if (CBalance* c = static_cast<CBalance*>(h->BalanceRec))
            c->BAmount = amt;
    } else if (DBalance* d = static_cast<DBalance*>(h->BalanceRec)) {
        if (d->theArray) {
            // A row of a multiple deposit: the bank deposit, and its summary in the Checkbook,
            // stay the sum of the pieces.
            d->BAmount = static_cast<int32_t>(d->BAmount + delta);
            if (AHistory* summary = DepositSummary(h->PayID))
                summary->Amt = static_cast<int32_t>(summary->Amt + delta);
        } else {
            d->BAmount = amt;
        }
    }
    h->Amt = amt;
    gBudgetFileChanged = 1;
    return 1;
}

AHistory* FindTransferPartner(const AHistory* theHPtr)
{
    const AHistory* h = theHPtr;
    if (!h->TransferFlag || h->Savings)
        return nullptr;
    const auto otherHalf = [h](const AHistory* r) {
        return r != h && r->TransferFlag && !r->Savings && (r->XferFm != 0) != (h->XferFm != 0) &&
               r->Memo[0] == h->Memo[0] && r->Amt == h->Amt;
    };
    std::vector<AHistory*> found;
    // Where the link says, pointing back at this record's account.
    const int Mi = static_cast<unsigned char>(h->Memo[1]);
    const int Si = static_cast<unsigned char>(h->Memo[2]);
    if (CheckbookAccount(Mi, Si))
        for (AHistory* r = MemoryAccounts[Mi][Si].HistoryRec; r; r = r->HistoryFP)
            if (otherHalf(r) && r->Memo[1] == h->Mi && r->Memo[2] == h->Si)
                found.push_back(r);
    // Moving accounts leaves the links naming where the accounts were: then the half in any
    // account whose record and account name each other's account. More than one is no answer.
    const auto names = [](const char (&accountName)[16], int m, int s) {
        return std::strncmp(accountName, Accounts[m][s].Name, sizeof accountName) == 0;
    };
    if (found.empty())
        for (int m = 0; m < kMainAccounts; ++m)
            for (int s = 0; s < kSlots; ++s)
                if (CheckbookAccount(m, s) && names(h->AccountName, m, s))
                    for (AHistory* r = MemoryAccounts[m][s].HistoryRec; r; r = r->HistoryFP)
                        if (otherHalf(r) && names(r->AccountName, h->Mi, h->Si))
                            found.push_back(r);
    return found.size() == 1 ? found.front() : nullptr;
}

int RecordEdit(AHistory* theHPtr, const EditEntry& entry)
{
    AHistory* h = theHPtr;
    if (RefuseFoundCopy(h))
        return 0;
    std::set<std::pair<int, int>> changed{{h->Mi, h->Si}};
    // One bank deposit has one date: every piece of a combined deposit takes it.
    if (IsDepositPiece(h))
        ForEachPiece(h->PayID, [&](AHistory* piece) {
            SetDate(piece, entry.Datime);
            changed.emplace(piece->Mi, piece->Si);
        });
    else
        SetDate(h, entry.Datime);

    int stored = 1;
    if (entry.Amount != h->Amt && !EditAmt(h, entry.Amount))
        stored = 0;

    const int fields = EditFields(h);
    if (h->TransferFlag) {
        CopyString(entry.For, h->For);
    } else if (IsPayPiece(h)) {
        // The pieces of a pay carry its texts together, the rows of its multiple deposit too.
        const auto give = [&](AHistory* piece) {
            CopyString(entry.PayTo, piece->PayToFm);
            CopyString(entry.For, piece->For);
            changed.emplace(piece->Mi, piece->Si);
        };
        if (h->PayID > 0)
            ForEachPiece(h->PayID, give);
        else
            give(h);
    } else if (fields & kEditPayee) {
        CopyString(entry.PayTo, h->PayToFm);
        CopyString(entry.For, h->For);
        if ((fields & kEditNumber) && !ChangeCheckNumber(h, entry.Number))
            stored = 0;
        if (fields & kEditMemo)
            CopyString(entry.Memo, h->Memo);
        if (fields & kEditTax)
            h->TaxFlag = entry.Tax ? 1 : 0;
    }
    RefreshBalanceRecord(h);
    gBudgetFileChanged = 1;
    for (const auto& [Mi, Si] : changed)
        ForceAccountImageUpdate(Mi, Si);
    return stored;
}
