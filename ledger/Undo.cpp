// Undoing a check, withdrawal or deposit that is not yet reconciled.
#include "ledger/Undo.h"

#include "model/Globals.h"
#include "model/Messages.h"
#include "model/RecordStore.h"
#include "model/Selection.h"

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

void UndoOne(AHistory* h, int32_t amt, bool deposit)
{
    ARecord& slot = Accounts[h->Mi][h->Si];
    slot.Balance += deposit ? -amt : amt;
    h->UnDone = 1;
    h->BalanceRec = nullptr;
    HandleHistoryUndoUpdate(h, amt, h->Mi, h->Si, deposit ? 0 : 1);
}

}  // namespace

void BudgetUndo(int Mi, int Si)
{
    AHistory* h = gSelectedItem;
    if (!h || h->Mi != Mi || h->Si != Si)
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
    UndoOne(theHPtr, theHPtr->Amt, false);
    Accounts[0][1].Balance += theHPtr->Amt;
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
        Accounts[0][1].Balance -= h->Amt;
        return;
    }
    // A pay entry is one bank deposit: every account it reached gives its piece back, and the
    // Checkbook loses the whole deposit once.
    for (int k = 0; k < theDPtr->ArraySize; ++k)
        if (AHistory* h = theDPtr->theArray[k])
            UndoOne(h, h->Amt, true);
    Accounts[0][1].Balance -= theDPtr->BAmount;
}

void HandleHistoryUndoUpdate(AHistory* theHPtr, int32_t amt, int Mi, int Si, int flag)
{
    if (!Accounts[Mi][Si].Valid)
        return;
    for (AHistory* h = MemoryAccounts[Mi][Si].HistoryRec; h; h = h->HistoryFP) {
        h->Balance += flag ? amt : -amt;
        if (h == theHPtr)
            break;
    }
    InvalidateAccountRect(Mi, Si);
}
