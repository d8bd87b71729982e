// Undoing a check, withdrawal or deposit that is not yet reconciled.
#include "ledger/Undo.h"

#include "ledger/Budget.h"
#include "model/Globals.h"
#include "model/Messages.h"
#include "model/RecordStore.h"
#include "model/Selection.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace {

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
}

bool InRange(int64_t value)
{
    return value >= INT32_MIN && value <= INT32_MAX;
}

// Whether undoing `records` (a withdrawal, or the pieces of one deposit), each giving its
// amount back to (withdrawal) or taking it out of (deposit) its account and the running
// balances from the newest record down to it, with the Checkbook moving by bookDelta, leaves
// numbers the budget can hold. Otherwise the range message with the amount undone.
bool UndoFits(const std::vector<const AHistory*>& records, bool deposit, int64_t bookDelta)
{
    std::map<std::pair<int, int>, std::vector<const AHistory*>> bySlot;
    for (const AHistory* h : records)
        bySlot[{h->Mi, h->Si}].push_back(h);
    const auto delta = [deposit](const AHistory* h) { return deposit ? -static_cast<int64_t>(h->Amt) : h->Amt; };
    bool fits = InRange(Accounts[0][1].Balance + bookDelta);
    for (const auto& [at, pieces] : bySlot) {
        if (!fits)
            break;
        int64_t total = 0;
        for (const AHistory* h : pieces)
            total += delta(h);
        fits = InRange(Accounts[at.first][at.second].Balance + total);
        if (!Accounts[at.first][at.second].Valid)
            continue;  // its running balances are left as they are
        // A record moves by the pieces at or below it, that is all but those already passed.
        int64_t passed = 0;
        size_t left = pieces.size();
        for (const AHistory* r = MemoryAccounts[at.first][at.second].HistoryRec; r && left && fits;
             r = r->HistoryFP) {
            fits = InRange(r->Balance + total - passed);
            if (std::find(pieces.begin(), pieces.end(), r) != pieces.end()) {
                passed += delta(r);
                --left;
            }
        }
    }
    if (!fits)
        HandleSumRangeError(bookDelta < 0 ? -bookDelta : bookDelta);
    return fits;
}

void UndoOne(AHistory* h, int32_t amt, bool deposit)
{
    ARecord& slot = Accounts[h->Mi][h->Si];
    slot.Balance = static_cast<int32_t>(slot.Balance + (deposit ? -static_cast<int64_t>(amt) : amt));
    h->UnDone = 1;
    h->BalanceRec = nullptr;
    HandleHistoryUndoUpdate(h, amt, h->Mi, h->Si, deposit ? 0 : 1);
}

void MoveCheckbook(int64_t delta)
{
    Accounts[0][1].Balance = static_cast<int32_t>(Accounts[0][1].Balance + delta);
}

}  // namespace

namespace {

int RefuseInFoundItems()
{
    HandleSelectionError("Found Items holds copies of transactions.", "Use the transaction's own account.");
    return 1;
}

}  // namespace

int RefuseFoundCopy(const AHistory* theHPtr)
{
    return IsFoundCopy(theHPtr) ? RefuseInFoundItems() : 0;
}

int RefuseFoundItems(int Mi, int Si)
{
    return Mi == kFoundMi && Si == kFoundSi ? RefuseInFoundItems() : 0;
}

void BudgetUndo(int Mi, int Si)
{
    AHistory* h = gSelectedItem;
    if (!h || RefuseFoundCopy(h) || h->Mi != Mi || h->Si != Si)
        return;
    if (h->UnDone || h->BalanceFlag || h->TransferFlag) {
        HandleSelectionError("This transaction can not be undone.", "");
        return;
    }
    if (h->TypeFlag)
        HandleCBalanceUndo(h);
    else
        HandleDBalanceUndo(h);
    gSelectedItem = nullptr;
}

void HandleCBalanceUndo(AHistory* theHPtr)
{
    CBalance* c = static_cast<CBalance*>(theHPtr->BalanceRec);
    if (!c || c->BIdent != theHPtr->CheckID || c->BAmount != theHPtr->Amt)
        return;
    if (theHPtr->Mi == 0 && theHPtr->Si == 1)
        return;
    if (!UndoFits({theHPtr}, false, theHPtr->Amt))
        return;
    UndoOne(theHPtr, theHPtr->Amt, false);
    MoveCheckbook(theHPtr->Amt);
    Unlink(gBalanceCAnchor, gBalanceCAnchorLast, c, [](CBalance* p) -> CBalance*& { return p->BalanceCFP; });
    FreeCBalanceRecord(c);
    --gCheckDisplayLines;
    gBudgetFileChanged = 1;
}

void HandleDBalanceUndo(AHistory* theHPtr)
{
    DBalance* d = static_cast<DBalance*>(theHPtr->BalanceRec);
    if (!d)
        return;
    std::vector<const AHistory*> pieces;
    if (!d->theArray)
        pieces.push_back(d->HistoryRec);
    for (int k = 0; d->theArray && k < d->ArraySize; ++k)
        if (d->theArray[k])
            pieces.push_back(d->theArray[k]);
    if (!UndoFits(pieces, true, -static_cast<int64_t>(d->theArray ? d->BAmount : d->HistoryRec->Amt)))
        return;
    Unlink(gBalanceDAnchor, gBalanceDAnchorLast, d, [](DBalance* p) -> DBalance*& { return p->BalanceDFP; });
    HandleDBalanceMultipleUndo(d);
    FreeDBalanceRecord(d);
    --gDepositDisplayLines;
    gBudgetFileChanged = 1;
}

void HandleDBalanceMultipleUndo(DBalance* theDPtr)
{
    if (!theDPtr->theArray) {
        AHistory* h = theDPtr->HistoryRec;
        UndoOne(h, h->Amt, true);
        MoveCheckbook(-static_cast<int64_t>(h->Amt));
        return;
    }
    // A pay entry is one bank deposit: every account it reached gives its piece back, and the
    // Checkbook loses the whole deposit once.
    for (int k = 0; k < theDPtr->ArraySize; ++k)
        if (AHistory* h = theDPtr->theArray[k])
            UndoOne(h, h->Amt, true);
    MoveCheckbook(-static_cast<int64_t>(theDPtr->BAmount));
}

void HandleHistoryUndoUpdate(AHistory* theHPtr, int32_t amt, int Mi, int Si, int flag)
{
    if (!Accounts[Mi][Si].Valid)
        return;
    for (AHistory* h = MemoryAccounts[Mi][Si].HistoryRec; h; h = h->HistoryFP) {
        h->Balance = static_cast<int32_t>(h->Balance + (flag ? static_cast<int64_t>(amt) : -static_cast<int64_t>(amt)));
        if (h == theHPtr)
            break;
    }
    InvalidateAccountRect(Mi, Si);
}
