// budget-cli stats and savings: what they print, their refusals, and a file never changed.
#include "CliFixture.h"

#include "ledger/Recording.h"

#include <QJsonArray>

namespace {

class StatsCliTest : public CliFixture {};

TEST_F(StatsCliTest, PrintsStatisticsCountsAndProjectionsAndRefusesWithoutSaving)
{
    // Rent: 800.00 of deposits and a check of 200.00 in March 2025, a check of 123.45 in
    // November 2026 and a transfer of 5.00 to Car/Gas in December. A second savings account.
    AddSampleAccounts();
    AddTestAccount(5, 0, "Rainy Day", true);
    Accounts[5][0].Balance = 50000;
    ASSERT_TRUE(RecordDeposit(1, 0, 80000, "Mom", "03/01/25", "", false));
    ASSERT_TRUE(RecordCheck(1, 0, {.Amount = 20000, .Datime = "03/02/25", .PayTo = "Landlord"}));
    ASSERT_TRUE(RecordCheck(1, 0, {.Amount = 12345, .Datime = "11/02/26", .PayTo = "Landlord"}));
    ASSERT_TRUE(RecordTransfer(1, 0, 2, 1, 500, "12/02/26", "Top up"));
    SaveAndClose();

    const struct {
        std::vector<std::string> args;
        int code;
        std::string out;  // a line of standard output, or the start of standard error
    } cases[] = {
        {{"stats"}, 0, "Accounts: 5\nSub Accounts: 1\nInvestment: 0\nHistory Records: 5\n"},
        {{"stats", "Rent"}, 0, "March                   $200.00        $800.00      25%"},
        {{"stats", "Rent"}, 0, "Monthly Average          $16.66         $66.66                         $11.22          $0.00\n"},
        {{"stats", "Checkbook"}, 1, "Selection Error: Checkbook has no statistics."},
        {{"savings", "Savings", "Rainy Day", "--months", "12"}, 0, "Total Amount 1,521.84\n"},
        {{"savings", "Savings", "--start", "1,500.00", "--interest", "0", "--inflation", "0.0", "--months=12"}, 0,
         "Total Amount 1,500.00\n"},
        {{"savings", "Savings", "Rent", "--months", "12"}, 1, "Selection Error: Rent is not a savings account."},
        {{"savings", "--months", "1201"}, 1, "Range Error: The number:     1201     is out of range."},
        {{"savings", "--interest", "-1", "--months", "1"}, 1, "Number Conversion Error: The number:     -1"},
        {{"savings", "Savings"}, 2, "budget-cli: --months is required"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        const CliRun run = RunOn(args);
        SCOPED_TRACE(c.args.back() + ": " + run.err);
        EXPECT_EQ(run.code, c.code);
        if (c.code == kExitOk)
            EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
        else
            EXPECT_EQ(run.err.substr(0, c.out.size()), c.out);
        ExpectUnsaved(c.args[0]);
    }

    const CliRun json = Run({"stats", path, "Car/Gas", "--json"});
    ASSERT_EQ(json.code, kExitOk) << json.err;
    const QJsonObject stats = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_EQ(stats["account"].toString(), "Car/Gas");
    const QJsonObject thisYear = stats["thisYear"].toObject();
    EXPECT_EQ(thisYear["year"].toInt(), 2026);
    EXPECT_EQ(thisYear["deposits"].toArray().at(11).toInt(), 0);  // a transfer in is no deposit
    EXPECT_EQ(thisYear["averageDeposits"].toInt(-1), 0);
    EXPECT_TRUE(stats["lastYear"].toObject()["averageExpenses"].isDouble());
}

}  // namespace
