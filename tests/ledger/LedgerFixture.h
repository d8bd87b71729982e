// A budget for ledger tests: accounts set up as Account Setup does, money moved as the dialogs
// move it.
#pragma once

#include "support/BudgetFixture.h"

#include "model/Records.h"

#include <cstdint>
#include <string>
#include <vector>

class LedgerFixture : public BudgetFixture {
protected:
    // Sets up slot (Mi, Si) as a new account.
    void Account(int Mi, int Si, const char* name, bool savings = false);
    AHistory* Deposit(int Mi, int Si, int32_t amount, const char* date = "12/01/26");
    AHistory* Check(int Mi, int Si, int32_t amount, uint32_t number, const char* date = "12/01/26");
    AHistory* Debit(int Mi, int Si, int32_t amount, const char* date = "12/01/26");
    AHistory* ATM(int Mi, int Si, int32_t amount, const char* date = "12/01/26");
    // Ticks every outstanding item and completes the balancing.
    static void ReconcileAll();

    // The withdrawal chain as "kind date number" lines, and the deposit chain as "date amount".
    static std::vector<std::string> Withdrawals();
    static std::vector<std::string> Deposits();
};
