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

// A PDF's pages as pdftotext lays them out: each line's indent and its words, blank lines left out.
using PdfLines = std::vector<std::pair<size_t, std::string>>;
std::vector<PdfLines> ReadPdf(const std::string& pdf)
{
    std::vector<PdfLines> pages;
    for (const std::string& page : PdfPages(pdf)) {
        PdfLines& lines = pages.emplace_back();
        std::istringstream in(page);
        for (std::string line; std::getline(in, line);) {
            std::istringstream words(line);
            std::string word, joined;
            while (words >> word)
                joined += (joined.empty() ? "" : " ") + word;
            if (!joined.empty())
                lines.emplace_back(line.find_first_not_of(' '), joined);
        }
    }
    return pages;
}

class ReportCliTest : public CliFixture {
protected:
    int Report(const char* which, const std::string& pdf)
    {
        QProcess cli;
        cli.start(BUDGET_CLI_PATH, {"report", QString::fromStdString(path), which, "--pdf", QString::fromStdString(pdf)});
        EXPECT_TRUE(cli.waitForFinished(60000));
        return cli.exitCode();
    }
};

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
    EXPECT_EQ(Report("taxes", pdf), kExitUsage);
    ASSERT_EQ(Report("income", pdf), kExitOk);
    const std::vector<PdfLines> pages = ReadPdf(pdf);
    ASSERT_EQ(pages.size(), 1u);
    const PdfLines& lines = pages[0];
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].second, "Account Name Monthly Percent");
    const std::vector<std::pair<bool, std::string>> accounts = {  // indented, words
        {false, "Available $1,400.00 70%"}, {false, "Rent $0.00 0%"},   {false, "Category Name $300.00 15%"},
        {true, "Car $100.00 5%"},           {true, "Repairs $200.00 10%"}};
    for (size_t i = 0; i < accounts.size(); ++i) {
        EXPECT_EQ(lines[i + 1].second, accounts[i].second);
        EXPECT_EQ(lines[i + 1].first > lines[1].first, accounts[i].first) << accounts[i].second;
    }
}

// 25 main accounts of six sub accounts each, eight lines with the category: each page has the
// headings and whole main accounts only.
TEST_F(ReportCliTest, PagesNeverSplitAMainAccountFromItsSubAccounts)
{
    for (int Mi = 1; Mi < kMainAccounts; ++Mi) {
        for (int Si = 0; Si < kSlots; ++Si)
            AddTestAccount(Mi, Si, ("Acct " + std::to_string(Mi) + "." + std::to_string(Si)).c_str());
        CopyString(("Category " + std::to_string(Mi)).c_str(), Accounts[Mi][0].SubName);
    }
    SaveAndClose();
    ASSERT_EQ(Report("budget", PathOf("budget.pdf")), kExitOk);
    const std::vector<PdfLines> pages = ReadPdf(PathOf("budget.pdf"));
    ASSERT_GE(pages.size(), 3u);
    int lines = 0;
    for (const PdfLines& page : pages) {
        ASSERT_GE(page.size(), 2u);
        EXPECT_EQ(page[0].second, "This Year Last Year");
        // After the headings and "Available": blocks of a category line and seven accounts.
        const size_t first = page[2].second == "Available $0.00 $0.00 0% $0.00 $0.00 0%" ? 3 : 2;
        EXPECT_EQ((page.size() - first) % 8, 0u) << page[first].second;
        for (size_t i = first; i < page.size(); i += 8)
            EXPECT_EQ(page[i].second.rfind("Category ", 0), 0u) << page[i].second;
        lines += static_cast<int>(page.size());
    }
    EXPECT_EQ(lines, static_cast<int>(pages.size()) * 2 + 1 + 25 * 8);
}

}  // namespace
