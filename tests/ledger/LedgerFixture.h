// A budget for ledger tests: accounts set up as Account Setup does, money moved as the dialogs
// move it.
#pragma once

#include "support/BudgetFixture.h"
#include "support/SampleBudget.h"

#include "ledger/Balance.h"
#include "ledger/Recording.h"
#include "model/Globals.h"

#include <cstdint>
#include <string>
#include <vector>

class LedgerFixture : public BudgetFixture {
protected:
    static AHistory* Deposit(int Mi, int Si, int32_t amount, const char* date = "12/01/26")
    {
        return RecordDeposit(Mi, Si, amount, "Payer", date, "", false);
    }
    static AHistory* Check(int Mi, int Si, int32_t amount, uint32_t number, const char* date = "12/01/26")
    {
        return RecordCheck(Mi, Si, {.Amount = amount, .Datime = date, .PayTo = "Payee", .Number = number});
    }
    static AHistory* Debit(int Mi, int Si, int32_t amount, const char* date = "12/01/26")
    {
        return RecordCheck(Mi, Si, {.Amount = amount, .Datime = date, .PayTo = "Card", .Debit = true});
    }

    // Ticks every outstanding item and completes the balancing.
    static void ReconcileAll()
    {
        for (CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
            SetBalanceTick(c, true);
        for (DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
            SetBalanceTick(d, true);
        BalanceCheckbook();
    }

    // The deposit chain as "date amount" lines.
    static std::vector<std::string> Deposits()
    {
        std::vector<std::string> lines;
        for (const DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
            lines.push_back(std::string(d->BDatime) + " " + std::to_string(d->BAmount));
        return lines;
    }
};
