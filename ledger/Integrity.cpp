// The integrity checks of record positions, pay totals and balancing links.
#include "ledger/Integrity.h"

#include "model/Globals.h"
#include "model/Messages.h"

namespace {

void ReportSevere(const char* first)
{
    HandleStandardError(first, "Severe warning!.  This budget's data", " is corrupt.  You should terminate",
                        "this session without saving.");
}

bool InDepositChain(const void* rec)
{
    for (const DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
        if (d == rec)
            return true;
    return false;
}

const CBalance* FindInWithdrawalChain(const void* rec)
{
    for (const CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
        if (c == rec)
            return c;
    return nullptr;
}

bool InPayArray(const DBalance* d, const AHistory* h)
{
    if (!d->theArray)
        return false;
    for (int k = 0; k < kDepositArraySize; ++k)
        if (d->theArray[k] == h)
            return true;
    return false;
}

}  // namespace

int IntegrityCheck2(const AHistory* theHPtr, int Mi, int Si)
{
    const ARecord& slot = Accounts[Mi][Si];
    if (!slot.Valid)
        return 1;
    if (theHPtr->Mi == Mi && theHPtr->Si == Si)
        return 1;
    HandleStandardError("Integrity error 2.", "The data file may be corrupt.", "Restore the file from a backup copy.",
                        slot.Name);
    return 0;
}

int IntegrityCheck3()
{
    for (const AHistory* h = MemoryAccounts[0][1].HistoryRec; h; h = h->HistoryFP) {
        if (h->PayID <= 0)
            continue;
        for (const DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
            if (d->DepositID == h->PayID && d->BAmount != h->Amt) {
                ReportSevere("Integrity error 3.");
                return 0;
            }
    }
    return 1;
}

int IntegrityCheck4()
{
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            if (!Accounts[Mi][Si].Valid || Accounts[Mi][Si].NumberOfHistoryRecords < 1)
                continue;
            for (const AHistory* h = MemoryAccounts[Mi][Si].HistoryRec; h; h = h->HistoryFP) {
                if (!h->BalanceRec)
                    continue;
                bool ok;
                if (!h->TypeFlag) {
                    ok = InDepositChain(h->BalanceRec);
                    if (ok && (h->PayFlag || h->PayID > 0))
                        ok = InPayArray(static_cast<const DBalance*>(h->BalanceRec), h);
                } else {
                    const CBalance* c = FindInWithdrawalChain(h->BalanceRec);
                    ok = c && c->HistoryRec == h;
                }
                if (!ok) {
                    ReportSevere("Integrity error 4.");
                    return 0;
                }
            }
        }
    return 1;
}
