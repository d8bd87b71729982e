// Statistics: an account's expenses and deposits month by month for this year and the year
// before, and the four counts of the whole budget.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

constexpr int kStatMonths = 12;

// One year of an account. Sums are kept in 64 bits, so no cent is lost and no percentage
// overflows however large the amounts.
struct YearStats {
    int Year = 0;  // four digits
    std::array<int64_t, kStatMonths> Expenses{};  // January first
    std::array<int64_t, kStatMonths> Deposits{};
    std::array<int64_t, kStatMonths> Percent{};   // expenses as a whole percentage of deposits
    int64_t TotalExpenses = 0;
    int64_t TotalDeposits = 0;
    int64_t TotalPercent = 0;
    // Last year: over its twelve months. This year: over the months before the current one,
    // none in January.
    std::optional<int64_t> AverageExpenses;
    std::optional<int64_t> AverageDeposits;
};

struct AccountStats {
    YearStats ThisYear;  // the calendar year of today
    YearStats LastYear;  // the year before
};

// The months as the statistics name them, January first.
extern const char* const kStatMonthNames[kStatMonths];

// Expenses as a whole-number percentage of deposits, truncated; 0 without deposits.
int64_t StatPercent(int64_t expenses, int64_t deposits);

// Whether slot (Mi, Si) is an account statistics are shown for (the Checkbook is none).
bool HasStatistics(int Mi, int Si);

// The statistics of slot (Mi, Si) from its history: every record that is not undone and has a
// date counts in its year and month, a withdrawal (a transfer out too) as an expense, a deposit
// as a deposit unless it is a transfer in. Also sets gTYET, gTYDT, gTYPT, gLYET, gLYDT and gLYPT
// for the budget statistics report.
AccountStats DisplayStatData(int Mi, int Si);

// The four counts of the budget that "Main Statistics" shows.
struct BudgetCounts {
    int64_t Accounts = 0;        // main accounts, "Available" included
    int64_t SubAccounts = 0;     // sub accounts of those
    int64_t Investments = 0;     // investment accounts
    int64_t HistoryRecords = 0;  // of every account, the Checkbook and the investment accounts
};
BudgetCounts CountBudget();
