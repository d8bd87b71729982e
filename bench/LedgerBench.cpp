// Opening budgets whose checkbook has many outstanding transactions. Opening makes a balancing
// record for every one of them and puts it in its place in the withdrawal or deposit chain, then
// checks every link; with tens of thousands of outstanding checks that placing is what an open
// costs beyond reading the file.
//
// Each budget is built in memory and saved once through the program's own save; the benchmarks
// then time OpenBudget(0) of that file (wall-clock, as the user waits for it).
#include "files/BudgetFile.h"
#include "ledger/Balance.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Initialize.h"
#include "model/Money.h"
#include "support/SampleBudget.h"

#include "BenchSupport.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

namespace {

constexpr int kCheckAccounts = 25;
constexpr int kOutstandingChecks = 50000;
constexpr int kMixedRecords = 100000;

// 50,000 outstanding checks over 25 accounts, account k holding numbers k, k + 25, k + 50, ...,
// so the file lists them in 25 interleaved descending runs; withdrawals ordered by type.
std::string OutstandingChecksFile(benchmark::State& state)
{
    static std::string path;
    if (!path.empty())
        return path;
    NewBudget();
    for (int k = 1; k <= kCheckAccounts; ++k) {
        char name[16];
        std::snprintf(name, sizeof name, "Account %d", k);
        AddTestAccount(k, 0, name);
    }
    int64_t book = 0;
    for (int n = 0; n < kOutstandingChecks / kCheckAccounts; ++n)
        for (int k = 1; k <= kCheckAccounts; ++k) {
            AHistory* h = AddTestHistory(k, 0, 100 + (n * 7 + k) % 5000, true, "Payee");
            h->CheckID = k + kCheckAccounts * n;
            book -= h->Amt;
        }
    Accounts[0][1].Balance = static_cast<int32_t>(book);
    path = SaveBudgetAs("outstanding-checks.bgt", state);
    return path;
}

// 100,000 records in all 175 slots (rows 21 to 25 savings): checks, debits, ATM withdrawals,
// deposits, pay entries spread over ten accounts, transfers between envelopes and to and from
// savings; about a third outstanding, some of those ticked.
std::string MixedLedgerFile(benchmark::State& state)
{
    static std::string path;
    if (!path.empty())
        return path;
    NewBudget();
    for (int Mi = 1; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            char name[16];
            std::snprintf(name, sizeof name, "Acct %d.%d", Mi, Si);
            AddTestAccount(Mi, Si, name, Mi > 20);
        }
    std::mt19937 dice(7);
    auto roll = [&](int n) { return static_cast<int>(dice() % static_cast<uint32_t>(n)); };
    auto anySlot = [&](int& Mi, int& Si) {
        Mi = 1 + roll(kMainAccounts - 1);
        Si = roll(kSlots);
    };
    auto date = [&](AHistory* h) {
        std::snprintf(h->Datime, sizeof h->Datime, "%02d/%02d/26", 1 + roll(12), 1 + roll(28));
    };
    auto settle = [&](AHistory* h, bool reconciled) {
        h->BalanceFlag = reconciled ? 1 : 0;
        h->Checked = !reconciled && roll(4) == 0;
    };
    int records = 0;
    int32_t checkNumber = 1000;
    int32_t unique = 1;
    while (records < kMixedRecords) {
        const bool reconciled = roll(3) != 0;
        const int kind = roll(20);
        int Mi, Si;
        anySlot(Mi, Si);
        if (kind < 6) {  // check
            AHistory* h = AddTestHistory(Mi, Si, 100 + roll(90000), true, "Payee");
            h->CheckID = Accounts[Mi][Si].SavingsFlag ? 0 : checkNumber++;
            date(h);
            settle(h, reconciled);
            ++records;
        } else if (kind < 9) {  // debit or ATM withdrawal
            AHistory* h = AddTestHistory(Mi, Si, 100 + roll(20000), true, kind < 8 ? "Card" : "ATM Cash");
            h->ATM = kind < 8 ? 255 : 1;
            date(h);
            settle(h, reconciled);
            ++records;
        } else if (kind < 15) {  // deposit
            AHistory* h = AddTestHistory(Mi, Si, 100 + roll(150000), false, "Payer");
            h->CheckID = ++unique;
            date(h);
            settle(h, reconciled);
            ++records;
        } else if (kind < 16) {  // a pay entry: ten pieces, one deposit, its summary
            const int32_t payID = ++unique;
            int32_t total = 0;
            char day[16];
            std::snprintf(day, sizeof day, "%02d/%02d/26", 1 + roll(12), 1 + roll(28));
            for (int k = 0; k < 10; ++k) {
                const int PMi = 1 + roll(20);
                AHistory* h = AddTestHistory(PMi, roll(kSlots), 1000 + roll(20000), false, "Employer");
                h->CheckID = h->PayID = payID;
                h->PayFlag = 1;
                CopyString(day, h->Datime);
                settle(h, reconciled);
                total += h->Amt;
            }
            AHistory* summary = AddTestHistory(0, 1, total, false, "Employer");
            summary->LogRecord = summary->PayFlag = 1;
            summary->PayID = payID;
            CopyString(day, summary->Datime);
            records += 11;
        } else {  // a transfer between two accounts
            int toMi, toSi;
            anySlot(toMi, toSi);
            const int32_t amount = 100 + roll(30000);
            AHistory* out = AddTestHistory(Mi, Si, amount, true, "");
            AHistory* in = AddTestHistory(toMi, toSi, amount, false, "");
            out->TransferFlag = out->XferFm = in->TransferFlag = 1;
            date(out);
            CopyString(out->Datime, in->Datime);
            const bool outSavings = Accounts[Mi][Si].SavingsFlag;
            const bool inSavings = Accounts[toMi][toSi].SavingsFlag;
            if (outSavings != inSavings)
                (outSavings ? in : out)->Savings = 1;  // the checkbook side is a bank movement
            settle(out, reconciled);
            settle(in, reconciled);
            records += 2;
        }
    }
    path = SaveBudgetAs("mixed-ledger.bgt", state);
    return path;
}

bool OpenQuietly(const std::string& path, benchmark::State& state)
{
    CopyString(path.c_str(), gBudgetFileName);
    return ::OpenQuietly(state);
}

// The open budget's records and its outstanding withdrawals and deposits, for the report.
void CountOutstanding(benchmark::State& state)
{
    int64_t records = 0;
    for (const auto& row : Accounts)
        for (const ARecord& a : row)
            records += a.NumberOfHistoryRecords;
    state.counters["records"] = static_cast<double>(records);
    state.counters["withdrawals"] = gCheckDisplayLines;
    state.counters["deposits"] = gDepositDisplayLines;
}

// OpenBudget(0) of the budget with 50,000 outstanding checks; afterwards the withdrawal chain
// must hold every check in ascending number order.
void BM_OpenOutstandingChecks(benchmark::State& state)
{
    const std::string path = OutstandingChecksFile(state);
    if (path.empty())
        return;
    for (auto _ : state)
        if (!OpenQuietly(path, state))
            return;
    int32_t expected = 1;
    for (const CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP, ++expected)
        if (c->BIdent != expected || c->ATM != 0) {
            state.SkipWithError(("check " + std::to_string(c->BIdent) + " where check " + std::to_string(expected) +
                                 " belongs")
                                    .c_str());
            return;
        }
    if (expected != kOutstandingChecks + 1) {
        state.SkipWithError("the withdrawal chain does not hold every check");
        return;
    }
    CountOutstanding(state);
}

// OpenBudget(0) of the budget with 100,000 records of every kind.
void BM_OpenMixedLedger(benchmark::State& state)
{
    const std::string path = MixedLedgerFile(state);
    if (path.empty())
        return;
    for (auto _ : state)
        if (!OpenQuietly(path, state))
            return;
    CountOutstanding(state);
}

// Changing the withdrawal order in the preferences rebuilds the withdrawal chain of the open
// budget (50,000 outstanding checks), alternately by date and by type.
void BM_ChangeWithdrawalOrder(benchmark::State& state)
{
    const std::string path = OutstandingChecksFile(state);
    if (path.empty() || !OpenQuietly(path, state))
        return;
    for (auto _ : state) {
        gBudget.Flag1 ^= kBudgetSortByDate;
        ReloadCheckBalanceChain();
    }
    if (gQuietHost.Messages)
        state.SkipWithError(("rebuilding the chain reported: " + gQuietHost.LastMessage).c_str());
    gBudget.Flag1 &= ~kBudgetSortByDate;
    CountOutstanding(state);
}

BENCHMARK(BM_OpenOutstandingChecks)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenMixedLedger)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeWithdrawalOrder)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
