// Account statistics over two years, the budget's counts, and the savings calculator's gathering,
// reading and projection.
#include "support/BudgetFixture.h"
#include "support/SampleBudget.h"

#include "investments/InvestRecording.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "stats/Savings.h"
#include "stats/Stats.h"

#include <array>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

class StatsTest : public BudgetFixture {
protected:
    // A record of Rent, entered after all before it.
    AHistory* Enter(const char* date, int32_t amount, bool out, bool transfer = false, bool undone = false)
    {
        AHistory* h = AddTestHistory(1, 0, amount, out, "Someone");
        CopyString(date, h->Datime);
        h->TransferFlag = transfer ? 1 : 0;
        h->UnDone = undone ? 1 : 0;
        return h;
    }
};

using Months = std::array<int64_t, kStatMonths>;

TEST_F(StatsTest, MonthlySumsTotalsAveragesAndPercentOfThisYearAndTheYearBefore)
{
    AddTestAccount(1, 0, "Rent");
    AddTestAccount(2, 0, "Old Car");
    host.Clock = {2026, 4, 15, 9, 0, 0};
    Enter("03/02/25", 100000, false);
    Enter("03/20/25", 25000, true);
    Enter("11/11/24", 70000, false);  // two years ago
    // January: more than a float holds to the cent, and a percentage beyond 32 bits.
    Enter("01/05/26", 20000001, false);
    Enter("01/25/26", 30000002, false);
    Enter("01/31/26", 30000000, true);
    Enter("02/10/26", 10000, false, true);  // transfer in: no deposit
    Enter("02/11/26", 4000, true, true);    // transfer out: an expense
    Enter("03/01/26", 50000, false, false, true);  // undone
    Enter("03/03/26", 20000, false);
    Enter("05/01/26", 1000, true);  // post-dated: not in the averages before April
    Enter("06/30/25", 5000, false);  // back-dated, entered last
    Enter("13/01/26", 9999, true);  // no date
    // An account used two years ago only.
    AddTestHistory(2, 0, 1234, true, "Garage");

    const AccountStats rent = DisplayStatData(1, 0);
    const YearStats& ty = rent.ThisYear;
    const YearStats& ly = rent.LastYear;
    EXPECT_EQ(ty.Year, 2026);
    EXPECT_EQ(ly.Year, 2025);
    EXPECT_EQ(ty.Expenses, (Months{30000000, 4000, 0, 0, 1000}));
    EXPECT_EQ(ty.Deposits, (Months{50000003, 0, 20000}));
    EXPECT_EQ(ty.Percent, (Months{59}));
    EXPECT_EQ(ly.Expenses, (Months{0, 0, 25000}));
    EXPECT_EQ(ly.Deposits, (Months{0, 0, 100000, 0, 0, 5000}));
    EXPECT_EQ(ly.Percent, (Months{0, 0, 25}));
    EXPECT_EQ(std::make_tuple(ty.TotalExpenses, ty.TotalDeposits, ty.TotalPercent),
              std::make_tuple(30005000, 50020003, 59));
    EXPECT_EQ(std::make_tuple(ly.TotalExpenses, ly.TotalDeposits, ly.TotalPercent), std::make_tuple(25000, 105000, 23));
    // April: January to March over 3; last year over 12.
    EXPECT_EQ(ty.AverageExpenses, 10001333);
    EXPECT_EQ(ty.AverageDeposits, 16673334);
    EXPECT_EQ(ly.AverageExpenses, 2083);
    EXPECT_EQ(ly.AverageDeposits, 8750);
    // What the budget statistics report prints.
    EXPECT_EQ(std::make_tuple(gTYET, gTYDT, gTYPT, gLYET, gLYDT, gLYPT),
              std::make_tuple(30005000, 50020003, 59, 25000, 105000, 23));

    // In January this year has no average yet. An account unused since 2024 shows this year and
    // the year before, both empty.
    host.Clock.Month = 1;
    EXPECT_FALSE(DisplayStatData(1, 0).ThisYear.AverageExpenses);
    CopyString("12/01/24", MemoryAccounts[2][0].HistoryRec->Datime);
    const AccountStats car = DisplayStatData(2, 0);
    EXPECT_EQ(std::make_pair(car.ThisYear.Year, car.LastYear.Year), std::make_pair(2026, 2025));
    EXPECT_EQ(car.ThisYear.TotalExpenses + car.LastYear.TotalExpenses, 0);
}

TEST_F(StatsTest, BudgetCountsTakeAccountsSubAccountsInvestmentsAndEveryHistory)
{
    AddTestAccount(1, 0, "Rent");
    AddTestAccount(2, 0, "Car");
    AddTestAccount(2, 1, "Gas");
    AddTestAccount(2, 2, "Repairs");
    AddTestHistory(2, 2, 500, true, "Garage");
    AddTestHistory(0, 0, 500, false, "Job");
    Accounts[0][1].NumberOfHistoryRecords = 3;  // the Checkbook
    Accounts[0][5].NumberOfHistoryRecords = 7;  // Found Items: copies, not counted
    ASSERT_EQ(RecordInvestName(4, "Bonds"), 1);
    Invest[4].NumberOfHistoryRecords = 2;

    const BudgetCounts counts = CountBudget();
    EXPECT_EQ(counts.Accounts, 3);
    EXPECT_EQ(counts.SubAccounts, 2);
    EXPECT_EQ(counts.Investments, 1);
    EXPECT_EQ(counts.HistoryRecords, 1 + 1 + 3 + 2);
}

// The calculator's projections, each row read from the texts the dialog shows with the budget's
// decimal places.
TEST_F(StatsTest, SavingsProjectionTable)
{
    const struct {
        int places;
        const char *start, *added, *interest, *inflation;
        int64_t months;
        std::optional<int64_t> total;  // none: nothing shown
    } rows[] = {
        {2, "1,000.00", "0", "12.0", "0", 1, 101000},
        // Inflation after the 12th month, and again after the 24th.
        {2, "0", "100.00", "0", "3.0", 12, 116400},
        {2, "0", "100.00", "0", "3.0", 13, 126400},
        {2, "0", "100.00", "0", "3.0", 24, 229308},
        {2, "0", "100.00", "4.5", "3.0", kMaxSavingsMonths, 26577563},
        {2, "1,000.00", "0", "12.0", "0", kMaxSavingsMonths + 1, std::nullopt},
        // Rates in the budget's places: 12.0 is 12 percent with three places and without cents.
        {3, "1,000.000", "0", "12.0", "0", 1, 1010000},
        {0, "1,000", "0", "12.0", "0", 1, 1010},
        {0, "1,000", "0", "4.25", "0", 12, 1043},
    };
    for (const auto& row : rows) {
        gIntRec.DecimalPlaces = static_cast<signed char>(row.places);
        const std::string where = std::string(row.interest) + " for " + std::to_string(row.months) + " months, places " +
                                  std::to_string(row.places);
        SavingsInputs in{.Months = row.months};
        ASSERT_TRUE(ReadSavingsAmount(row.start, &in.Amount) && ReadSavingsAmount(row.added, &in.Added) &&
                    ReadSavingsRate(row.interest, &in.Interest) && ReadSavingsRate(row.inflation, &in.Inflation))
            << where;
        int64_t total = -1;
        const SavingsResult result = CalcSaving(in, &total);
        EXPECT_EQ(result == SavingsResult::Total ? std::optional(total) : std::nullopt, row.total) << where;
    }
    gIntRec.DecimalPlaces = 2;
    SavingsInputs negative = DefaultSavingsInputs({100000, 0});
    negative.Interest = -1;
    int64_t total = 0;
    EXPECT_EQ(CalcSaving(negative, &total), SavingsResult::Ignored);
    negative = DefaultSavingsInputs({100000, 0});
    negative.Interest = RateOf(1000000);  // 100,000 percent
    negative.Months = kMaxSavingsMonths;
    EXPECT_EQ(CalcSaving(negative, &total), SavingsResult::TooLarge);
    EXPECT_EQ(SavingsTotalText(123456789), "Total Amount 1,234,567.89");
    // The first rates are written with the budget's decimal symbol, so they read back.
    gIntRec.DecimalSymbol = ',';
    gIntRec.GroupSymbol = '.';
    ASSERT_TRUE(ReadSavingsRate(RateText(45), &total));
    EXPECT_EQ(total, RateOf(45));
}

TEST_F(StatsTest, SelectedSavingsAccountsAreSummed)
{
    ASSERT_EQ(SetPaySource(0, "Job", "3,000.00"), 1);
    AddTestAccount(1, 0, "Rainy Day", true);
    AddTestAccount(2, 0, "College", true);
    AddTestAccount(3, 0, "Goals", true);
    AddTestAccount(3, 1, "Boat", true);
    AddTestAccount(3, 2, "House", true);
    AddTestAccount(4, 0, "Rent");
    const int32_t balances[][kSlots] = {{}, {100000}, {250000}, {0, 30000, 40000}, {90000}};
    for (int Mi = 1; Mi <= 4; ++Mi)
        for (int Si = 0; Si < 3; ++Si) {
            Accounts[Mi][Si].Balance = balances[Mi][Si];
            Accounts[Mi][Si].PayAmount[0][0] = balances[Mi][Si] / 10;
        }

    const struct {
        std::vector<std::pair<int, int>> selected;
        SavingsStart expected;
    } rows[] = {
        {{}, {0, 0}},
        {{{1, 0}, {2, 0}}, {350000, 35000}},          // two savings accounts, summed
        {{{3, 0}, {3, 2}}, {70000, 7000}},            // a category stands for all of its slots
        {{{3, 2}, {4, 0}}, {40000, 4000}},            // a sub account; Rent is no savings account
    };
    for (const auto& row : rows) {
        for (const auto& [Mi, Si] : row.selected)
            Accounts[Mi][Si].SelectFlag = 1;
        const SavingsStart start = GatherSelectedSavings();
        EXPECT_EQ(std::make_pair(start.Amount, start.Added), std::make_pair(row.expected.Amount, row.expected.Added))
            << row.selected.size();
        for (const auto& [Mi, Si] : row.selected)
            Accounts[Mi][Si].SelectFlag = 0;
    }
}

}  // namespace
