// budget-cli settings: changes saved and followed by the other commands, refusals that save nothing.
#include "CliFixture.h"

#include "ledger/Settings.h"
#include "model/Globals.h"

namespace {

class SettingsCliTest : public CliFixture {
protected:
    void SetUp() override
    {
        CliFixture::SetUp();
        AddSampleAccounts();
        SaveAndClose();
    }
};

TEST_F(SettingsCliTest, ChangedSettingsAreSavedAndShapeWhatOtherCommandsReadAndShow)
{
    const CliRun run = RunOn({"settings", "--negative", "warn", "--balance-sort", "date", "--calendar-at-start", "on",
                              "--decimal-symbol", ",", "--group-symbol", ".", "--currency", "DM", "--currency-after",
                              "on", "--currency-space", "on", "--date-separator", ".", "--date-order", "dmy"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    EXPECT_NE(run.out.find("negative: warn\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("example-amount: 1.234,56 DM\nexample-date: 05.12.26\n"), std::string::npos) << run.out;

    bytes = ReadFileBytes(path);  // the command line now runs on the changed budget
    ASSERT_EQ(RunOn({"deposit", "Rent", "1.234,5", "--from", "Me", "--date", "24.12"}).code, kExitOk);
    Reopen();
    EXPECT_EQ(gBudget.CheckbookWarnFlag, 1);
    EXPECT_TRUE(ReadPreferences().SortByDate && ReadPreferences().CalendarAtStart);
    EXPECT_EQ(Accounts[1][0].Balance, 80000 + 123450);
    EXPECT_STREQ(std::string(MemoryAccounts[1][0].HistoryRec->Datime, 8).c_str(), "12/24/26");
}

TEST_F(SettingsCliTest, ACombinationThatWouldMisreadAmountsIsRefusedAndNothingSaved)
{
    const struct { std::vector<std::string> args; int code; std::string err; } cases[] = {
        {{"--currency", "Fr."}, 1, "Input Error: The currency symbol can not contain the decimal symbol"},
        {{"--decimal-symbol", ""}, 1, "Input Error: The decimal symbol must be specified."},
        {{"--group-symbol", ".", "--negative", "allow"}, 1, "Input Error: The group symbol must differ"},
        {{"--decimal-places", "5"}, 1, "Input Error: The decimal digits must be 0 to 4."},
        {{"--date-separator", "1"}, 1, "Input Error: The date separator can not be a digit."},
        {{"--decimal-symbol", ",,"}, 2, "budget-cli: --decimal-symbol takes one character"},
        {{"--date-order", "dym"}, 2, "budget-cli: --date-order takes mdy, dmy or ymd"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"settings"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun run = RunOn(args);
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        EXPECT_EQ(run.code, c.code);
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err) << run.err;
        ExpectUnsaved(c.args[0]);
    }
}

}  // namespace
