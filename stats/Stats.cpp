// The account statistics and the budget's counts, computed from the open budget's tables.
#include "stats/Stats.h"

#include "investments/Invest.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"

#include <cstring>
#include <numeric>

namespace {

// Adds a counted record to its month of the year.
void AddRecord(YearStats& year, int month, const AHistory& h)
{
    if (h.TypeFlag)
        year.Expenses[month - 1] += h.Amt;
    else if (!h.TransferFlag)
        year.Deposits[month - 1] += h.Amt;
}

// Percentages and totals from the monthly sums; the averages over the first `months` months.
void Derive(YearStats& year, int months)
{
    for (int m = 0; m < kStatMonths; ++m)
        year.Percent[m] = StatPercent(year.Expenses[m], year.Deposits[m]);
    year.TotalExpenses = std::accumulate(year.Expenses.begin(), year.Expenses.end(), int64_t{0});
    year.TotalDeposits = std::accumulate(year.Deposits.begin(), year.Deposits.end(), int64_t{0});
    year.TotalPercent = StatPercent(year.TotalExpenses, year.TotalDeposits);
    if (months < 1)
        return;
    year.AverageExpenses = std::accumulate(year.Expenses.begin(), year.Expenses.begin() + months, int64_t{0}) / months;
    year.AverageDeposits = std::accumulate(year.Deposits.begin(), year.Deposits.begin() + months, int64_t{0}) / months;
}

}  // namespace

const char* const kStatMonthNames[kStatMonths] = {"January", "February", "March",     "April",   "May",      "June",
                                                   "July",    "August",   "September", "October", "November", "December"};

bool HasStatistics(int Mi, int Si)
{
    return Mi >= 0 && Mi < kMainAccounts && Si >= 0 && Si < kSlots && Accounts[Mi][Si].Valid;
}

int64_t StatPercent(int64_t expenses, int64_t deposits)
{
    return deposits == 0 ? 0 : expenses * 100 / deposits;
}

AccountStats DisplayStatData(int Mi, int Si)
{
    const LocalTime today = GetHost().Now();
    AccountStats stats;
    stats.ThisYear.Year = today.Year;
    stats.LastYear.Year = today.Year - 1;
    for (const AHistory* h = MemoryAccounts[Mi][Si].HistoryRec; h; h = h->HistoryFP) {
        if (h->UnDone)
            continue;
        // The date part only: a reminder keeps its data behind it.
        char date[kDatimeSize] = {};
        std::memcpy(date, h->Datime, strnlen(h->Datime, 8));
        if (!CheckDatime(date))
            continue;
        const int year = 2000 + GetYear(date);
        if (year == stats.ThisYear.Year)
            AddRecord(stats.ThisYear, GetMonth(date), *h);
        else if (year == stats.LastYear.Year)
            AddRecord(stats.LastYear, GetMonth(date), *h);
    }
    Derive(stats.LastYear, kStatMonths);
    Derive(stats.ThisYear, today.Month - 1);

    gTYET = stats.ThisYear.TotalExpenses;
    gTYDT = stats.ThisYear.TotalDeposits;
    gTYPT = stats.ThisYear.TotalPercent;
    gLYET = stats.LastYear.TotalExpenses;
    gLYDT = stats.LastYear.TotalDeposits;
    gLYPT = stats.LastYear.TotalPercent;
    return stats;
}

BudgetCounts CountBudget()
{
    BudgetCounts counts;
    for (int Mi = 0; Mi < kMainAccounts; ++Mi) {
        if (!Accounts[Mi][0].Valid)
            continue;
        ++counts.Accounts;
        counts.SubAccounts += Accounts[Mi][0].NumberOfSubAccounts;
        for (int Si = 0; Si < kSlots; ++Si)
            if (Accounts[Mi][Si].Valid)
                counts.HistoryRecords += Accounts[Mi][Si].NumberOfHistoryRecords;
    }
    // The Checkbook is no account of the grid, but its records are the budget's too.
    if (!Accounts[0][1].Valid)
        counts.HistoryRecords += Accounts[0][1].NumberOfHistoryRecords;
    for (int Ii = 1; Ii < kInvestments; ++Ii) {
        if (!ValidInvestAccount(Ii))
            continue;
        ++counts.Investments;
        counts.HistoryRecords += Invest[Ii].NumberOfHistoryRecords;
    }
    return counts;
}
