// budget-cli report: a report printed by the built program into a PDF file, read back as text.
#include "CliFixture.h"

#include "support/PdfText.h"

#include "investments/Invest.h"

#include <QProcess>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

class ReportCliTest : public CliFixture {};

// Savings accounts are left out, sub accounts indented under their category with its total.
TEST_F(ReportCliTest, IncomeReportIntoAPdfFile)
{
    ASSERT_EQ(SetPaySource(0, "Job", "2,000.00"), 1);
    AddTestAccount(2, 0, "Car");
    AddTestAccount(2, 4, "Repairs");
    AddTestAccount(1, 0, "Rent");
    AddTestAccount(3, 0, "Nest Egg", true);
    Accounts[2][0].PayAmount[0][0] = 10000;
    Accounts[2][4].PayAmount[0][0] = 20000;
    Accounts[3][0].PayAmount[0][0] = 30000;
    ASSERT_EQ(Recalculate(), 1);  // "Available" is given the rest
    SaveAndClose();
    const std::string pdf = PathOf("income.pdf");
    const auto run = [&](const char* which) {
        QProcess cli;
        cli.start(BUDGET_CLI_PATH, {"report", QString::fromStdString(path), which, "--pdf", QString::fromStdString(pdf)});
        EXPECT_TRUE(cli.waitForFinished(60000));
        return cli.exitCode();
    };
    EXPECT_EQ(run("taxes"), kExitUsage);
    ASSERT_EQ(run("income"), kExitOk);

    const std::vector<std::string> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    // The page's lines as pdftotext lays them out: where each starts, and its words.
    std::vector<std::pair<size_t, std::string>> lines;
    std::istringstream in(pages[0]);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string word, joined;
        while (words >> word)
            joined += (joined.empty() ? "" : " ") + word;
        if (!joined.empty())
            lines.emplace_back(line.find_first_not_of(' '), joined);
    }
    ASSERT_EQ(lines.size(), 6u) << pages[0];
    EXPECT_EQ(lines[0].second, "Account Name Monthly Percent");
    const std::vector<std::pair<bool, std::string>> accounts = {  // indented, words
        {false, "Available $1,400.00 70%"}, {false, "Rent $0.00 0%"},   {false, "Category Name $300.00 15%"},
        {true, "Car $100.00 5%"},           {true, "Repairs $200.00 10%"}};
    for (size_t i = 0; i < accounts.size(); ++i) {
        EXPECT_EQ(lines[i + 1].second, accounts[i].second);
        EXPECT_EQ(lines[i + 1].first > lines[1].first, accounts[i].first) << accounts[i].second;
    }
}

}  // namespace
