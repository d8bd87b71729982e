// The integrity checks of record positions, pay totals and balancing links.
#include "ledger/Integrity.h"

#include "model/Globals.h"
#include "model/Messages.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace {

void ReportSevere(const char* first)
{
    gBudgetDamaged = 1;
    HandleStandardError(first, "Severe warning!.  This budget's data", " is corrupt.  You should terminate",
                        "this session without saving.");
}

}  // namespace

int IntegrityCheck2(const AHistory* theHPtr, int Mi, int Si)
{
    const ARecord& slot = Accounts[Mi][Si];
    if (!slot.Valid)
        return 1;
    if (theHPtr->Mi == Mi && theHPtr->Si == Si)
        return 1;
    gBudgetDamaged = 1;
    HandleStandardError("Integrity error 2.", "The data file may be corrupt.", "Restore the file from a backup copy.",
                        slot.Name);
    return 0;
}

int IntegrityCheck3()
{
    std::unordered_multimap<int32_t, int32_t> payDeposits;  // DepositID to BAmount
    for (const DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
        payDeposits.emplace(d->DepositID, d->BAmount);
    for (const AHistory* h = MemoryAccounts[0][1].HistoryRec; h; h = h->HistoryFP) {
        if (h->PayID <= 0)
            continue;
        const auto [first, last] = payDeposits.equal_range(h->PayID);
        for (auto it = first; it != last; ++it)
            if (it->second != h->Amt) {
                ReportSevere("Integrity error 3.");
                return 0;
            }
    }
    return 1;
}

int IntegrityCheck4()
{
    // The chains' records, gathered once so each link is looked up at once.
    std::unordered_set<const void*> deposits, withdrawals;
    std::unordered_map<const AHistory*, const DBalance*> pieceOf;  // pay pieces and their deposit
    for (const DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP) {
        deposits.insert(d);
        for (int k = 0; d->theArray && k < d->ArraySize; ++k)
            if (d->theArray[k])
                pieceOf.emplace(d->theArray[k], d);
    }
    for (const CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
        withdrawals.insert(c);
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            if (!Accounts[Mi][Si].Valid || Accounts[Mi][Si].NumberOfHistoryRecords < 1)
                continue;
            for (const AHistory* h = MemoryAccounts[Mi][Si].HistoryRec; h; h = h->HistoryFP) {
                if (!h->BalanceRec)
                    continue;
                bool ok;
                if (!h->TypeFlag) {
                    ok = deposits.count(h->BalanceRec) > 0;
                    if (ok && (h->PayFlag || h->PayID > 0))
                        ok = pieceOf.count(h) && pieceOf.at(h) == h->BalanceRec;
                } else {
                    ok = withdrawals.count(h->BalanceRec) > 0 &&
                         static_cast<const CBalance*>(h->BalanceRec)->HistoryRec == h;
                }
                if (!ok) {
                    ReportSevere("Integrity error 4.");
                    return 0;
                }
            }
        }
    return 1;
}
