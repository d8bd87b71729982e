// The three reports as composed pages: their lines in grid order with sub accounts indented,
// savings accounts left out, the investment totals, and where the pages break.
#include "support/BudgetFixture.h"
#include "support/SampleBudget.h"

#include "investments/Invest.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "printing/Reports.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class ReportsTest : public BudgetFixture {
protected:
    static void Enter(int Mi, int Si, int32_t amount, bool out, const char* date)
    {
        CopyString(date, AddTestHistory(Mi, Si, amount, out, "Someone")->Datime);
    }

    // A main account at Mi with `subs` sub accounts in slots 1 up.
    static void AddBlock(int Mi, int subs)
    {
        AddTestAccount(Mi, 0, ("Main " + std::to_string(Mi)).c_str());
        for (int Si = 1; Si <= subs; ++Si)
            AddTestAccount(Mi, Si, ("Sub " + std::to_string(Si)).c_str());
        CopyString(("Category " + std::to_string(Mi)).c_str(), Accounts[Mi][0].SubName);
    }
};

TEST_F(ReportsTest, BudgetStatisticsInGridOrderWithSubAccountsIndentedAndSavingsLeftOut)
{
    AddTestAccount(2, 0, "Car");
    AddTestAccount(2, 3, "Repairs");
    AddTestAccount(2, 1, "Gas");
    AddTestAccount(1, 0, "Rent");
    AddTestAccount(3, 0, "Savings", true);
    AddTestAccount(4, 0, "Trip", true);
    AddTestAccount(4, 1, "Hotel", true);
    host.Clock = {2026, 4, 15, 9, 0, 0};
    Enter(1, 0, 100000, false, "03/02/26");
    Enter(1, 0, 25000, true, "03/20/26");
    Enter(1, 0, 3000, true, "07/01/25");
    Enter(2, 1, 4500, true, "01/10/26");

    const Report report = ComposeReport(ReportKind::BudgetStatistics, 60);
    EXPECT_EQ(report.DocumentName, "Budget: Report Printing");
    ASSERT_EQ(report.Pages.size(), 1u);
    //                   1         2         3         4         5         6         7
    //         0123456789012345678901234567890123456789012345678901234567890123456789012345
    EXPECT_EQ(ReportPageLines(report.Pages[0]),
              (Lines{"",
                     "                             This Year                     Last Year",
                     "",
                     " Account Name    Expenses  Deposits Percent    Expenses  Deposits Percent",
                     "",
                     "  Available         $0.00     $0.00      0%       $0.00     $0.00      0%",
                     "  Rent            $250.00 $1,000.00     25%      $30.00     $0.00      0%",
                     "  Category Name",
                     "    Car             $0.00     $0.00      0%       $0.00     $0.00      0%",
                     "    Gas            $45.00     $0.00      0%       $0.00     $0.00      0%",
                     "    Repairs         $0.00     $0.00      0%       $0.00     $0.00      0%"}));
}

TEST_F(ReportsTest, InvestmentsOneLineEachWithTheirTotalsTwoLinesBelow)
{
    const Report none = ComposeReport(ReportKind::Investments, 60);
    EXPECT_EQ(none.DocumentName, "Budget: Investment Report Printing");
    ASSERT_EQ(none.Pages.size(), 1u);
    EXPECT_EQ(ReportPageLines(none.Pages[0]),
              (Lines{"", " Investment NaShares       PPS   Cost Basis Market Value      Date", "", "",
                     "                        Totals        $0.00        $0.00"}));

    IRecord& fund = Invest[3];
    fund.Valid = 1;
    CopyString("Index Fund", fund.Name);
    fund.NumberOfShares = 10500;  // 10.500 shares at $12.345
    fund.CostPerShare = 12345;
    fund.AmountPaid = 180000;
    CopyString("04/01/26 10:00a", fund.Datime);
    const Lines lines = ReportPageLines(ComposeReport(ReportKind::Investments, 60).Pages.at(0));
    EXPECT_EQ(Lines(lines.begin() + 3, lines.end()),
              (Lines{" Index Fund   10.500   $12.345    $1,800.00      $129.62  04/01/26", "",
                     "                        Totals    $1,800.00      $129.62"}));
}

// Where a main account lands when the lines before it on the first page are taken by other
// accounts: a line is placed only where it ends within the page, and a main account with its
// sub accounts is kept on one page when one can hold it.
struct BreakCase {
    const char* name;
    ReportKind kind;
    int pageLines;
    int startLine;  // where the main account would begin on the first page
    int subs;
    size_t page;  // where its first line lands
    int line;
    size_t pages;
};

class ReportBreakTest : public ReportsTest, public ::testing::WithParamInterface<BreakCase> {};

TEST_P(ReportBreakTest, MainAccountLandsWhereItFits)
{
    const BreakCase& c = GetParam();
    // "Available" takes line 5; main accounts of six sub accounts (8 lines) and single ones fill
    // the lines up to the start.
    int Mi = 1;
    for (int line = 6; line < c.startLine; ++Mi) {
        const int subs = c.startLine - line >= 8 ? 6 : 0;
        AddBlock(Mi, subs);
        line += subs ? 8 : 1;
    }
    AddBlock(Mi, c.subs);
    CopyString("Target", Accounts[Mi][0].Name);
    CopyString("Target", Accounts[Mi][0].SubName);  // its first line, whether category or account

    const Report report = ComposeReport(c.kind, c.pageLines);
    ASSERT_EQ(report.Pages.size(), c.pages);
    const int usable = c.kind == ReportKind::IncomeDistribution ? c.pageLines - 2 : c.pageLines;
    std::pair<size_t, int> found{0, -1};  // page and line
    for (size_t p = 0; p < report.Pages.size(); ++p) {
        const Lines lines = ReportPageLines(report.Pages[p]);
        EXPECT_LE(lines.size(), static_cast<size_t>(usable)) << "page " << p;
        EXPECT_NE(lines[3].find("Account Name"), std::string::npos) << "page " << p;
        for (const ReportText& text : report.Pages[p])
            if (text.Text == "Target" && found.second < 0)
                found = {p, text.Line};
    }
    EXPECT_EQ(found, std::make_pair(c.page, c.line));
}

constexpr ReportKind kStats = ReportKind::BudgetStatistics;
constexpr ReportKind kIncome = ReportKind::IncomeDistribution;

INSTANTIATE_TEST_SUITE_P(
    Pages, ReportBreakTest,
    ::testing::Values(BreakCase{"SixSubsAt58Move", kStats, 60, 58, 6, 1, 5, 2},
                      BreakCase{"SixSubsEndingOnTheLastLineStay", kStats, 60, 52, 6, 0, 52, 1},
                      BreakCase{"SixSubsEndingAtThePageHeightMove", kStats, 60, 53, 6, 1, 5, 2},
                      BreakCase{"SingleAtThePageHeightMoves", kStats, 60, 60, 0, 1, 5, 2},
                      BreakCase{"BlockLargerThanAPageSpillsOver", kStats, 8, 6, 6, 1, 5, 4},
                      BreakCase{"IncomeKeepsTwoLinesFree", kIncome, 60, 50, 6, 0, 50, 1},
                      BreakCase{"IncomeBlockIntoTheFreeLinesMoves", kIncome, 60, 51, 6, 1, 5, 2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
