// budget-cli report: each report printed by the built program into a PDF file, read back as text.
#include "CliFixture.h"

#include "support/PdfText.h"

#include <QProcess>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// The lines of a page with their leading blanks, empty lines left out.
std::vector<std::string> PageLines(const std::string& page)
{
    std::vector<std::string> lines;
    std::istringstream in(page);
    for (std::string line; std::getline(in, line);)
        if (line.find_first_not_of(' ') != std::string::npos)
            lines.push_back(line);
    return lines;
}

// Where the line that starts with `name` (followed by a blank or its end) starts its text; -1
// when no line does.
int Indent(const std::vector<std::string>& lines, const std::string& name)
{
    for (const std::string& line : lines) {
        const size_t at = line.find_first_not_of(' ');
        if (line.compare(at, name.size(), name) == 0 &&
            (at + name.size() == line.size() || line[at + name.size()] == ' '))
            return static_cast<int>(at);
    }
    return -1;
}

class ReportCliTest : public CliFixture {
protected:
    // The report printed into a PDF file, as the text of its pages.
    std::vector<std::string> Report(const char* which)
    {
        const std::string pdf = PathOf((std::string(which) + ".pdf").c_str());
        QProcess cli;
        cli.start(BUDGET_CLI_PATH, {"report", QString::fromStdString(path), which, "--pdf", QString::fromStdString(pdf)});
        EXPECT_TRUE(cli.waitForFinished(60000)) << which;
        EXPECT_EQ(cli.exitCode(), 0) << which << ": " << cli.readAllStandardError().toStdString();
        return PdfPages(pdf);
    }
};

TEST_F(ReportCliTest, EachReportListsItsAccountsInGridOrderWithSubAccountsIndented)
{
    ASSERT_EQ(SetPaySource(0, "Job", "2,000.00"), 1);
    AddTestAccount(2, 0, "Car");
    AddTestAccount(2, 4, "Repairs");
    AddTestAccount(2, 1, "Gas");
    AddTestAccount(1, 0, "Rent");
    AddTestAccount(3, 0, "Nest Egg", true);
    AddTestAccount(4, 0, "Trip", true);
    AddTestAccount(4, 1, "Hotel", true);
    for (int Ii : {2, 1}) {
        Invest[Ii].Valid = 1;
        CopyString(Ii == 1 ? "Index Fund" : "Bonds", Invest[Ii].Name);
    }
    SaveAndClose();

    struct Row {
        const char* which;
        Names headings;
        Names names;  // in the order printed
    };
    const Names accounts = {"Available", "Rent", "Category Name", "Car", "Gas", "Repairs"};
    for (const Row& row : {Row{"budget", {"This Year", "Last Year", "Account Name", "Expenses", "Deposits", "Percent"}, accounts},
                           Row{"income", {"Account Name", "Monthly", "Percent"}, accounts},
                           Row{"invest", {"Shares", "PPS", "Cost Basis", "Market Value", "Date"}, {"Index Fund", "Bonds", "Totals"}}}) {
        SCOPED_TRACE(row.which);
        const std::vector<std::string> pages = Report(row.which);
        ASSERT_EQ(pages.size(), 1u);
        const std::string& page = pages[0];
        size_t at = 0;
        for (const std::string& heading : row.headings)
            EXPECT_NE(page.find(heading), std::string::npos) << heading << "\n" << page;
        for (const std::string& name : row.names) {
            const size_t found = page.find(name, at);
            EXPECT_NE(found, std::string::npos) << name << " not after the one before it\n" << page;
            at = found == std::string::npos ? at : found;
        }
        for (const char* savings : {"Nest Egg", "Trip", "Hotel"})
            EXPECT_EQ(page.find(savings), std::string::npos) << savings;
        if (row.which == std::string("invest"))
            continue;
        const std::vector<std::string> lines = PageLines(page);
        EXPECT_EQ(Indent(lines, "Rent"), Indent(lines, "Category Name")) << page;
        for (const char* sub : {"Car", "Gas", "Repairs"})
            EXPECT_GT(Indent(lines, sub), Indent(lines, "Rent")) << sub << "\n" << page;
    }
}

// Every main account of six sub accounts, eight lines with its category, is kept on one page;
// every page has the headings.
TEST_F(ReportCliTest, PagesBreakBeforeAMainAccountWithItsSubAccounts)
{
    for (int Mi = 1; Mi < kMainAccounts; ++Mi) {
        const std::string n = std::to_string(Mi);
        AddTestAccount(Mi, 0, ("Main " + n).c_str());
        for (int Si = 1; Si < kSlots; ++Si)
            AddTestAccount(Mi, Si, ("Sub " + n + "." + std::to_string(Si)).c_str());
        CopyString(("Category " + n).c_str(), Accounts[Mi][0].SubName);
    }
    SaveAndClose();
    for (const char* which : {"budget", "income"}) {
        SCOPED_TRACE(which);
        const std::vector<std::string> pages = Report(which);
        ASSERT_GE(pages.size(), 3u);
        std::vector<int> pageOf(kMainAccounts, -1);
        for (size_t p = 0; p < pages.size(); ++p) {
            const std::vector<std::string> lines = PageLines(pages[p]);
            EXPECT_GE(Indent(lines, "Account Name"), 0) << "page " << p;
            for (int Mi = 1; Mi < kMainAccounts; ++Mi) {
                const std::string n = std::to_string(Mi);
                const int present = (Indent(lines, "Category " + n) >= 0) + (Indent(lines, "Main " + n) >= 0) +
                                    (Indent(lines, "Sub " + n + ".1") >= 0) + (Indent(lines, "Sub " + n + ".6") >= 0);
                EXPECT_TRUE(present == 0 || present == 4) << "Main " << n << " split on page " << p << "\n" << pages[p];
                if (present)
                    pageOf[Mi] = static_cast<int>(p);
            }
        }
        for (int Mi = 1; Mi < kMainAccounts; ++Mi)
            EXPECT_GE(pageOf[Mi], std::max(0, pageOf[Mi - 1])) << Mi;
        EXPECT_EQ(pageOf.back(), static_cast<int>(pages.size()) - 1);
    }
}

}  // namespace
