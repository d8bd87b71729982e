// Account Statistics, Main Statistics and the Savings Calculator through the Display menu.
#include "support/WindowFixture.h"

#include "model/Globals.h"
#include "shell/Commands.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

class StatsDialogTest : public ProgramFixture {
protected:
    void Select(int Mi, int Si)
    {
        Accounts[Mi][Si].SelectFlag = 1;
        gFirstSelected[0] = Mi;
        gFirstSelected[1] = Si;
    }

    DialogScripts dialogs;
};

TEST_F(StatsDialogTest, StatisticsShowTheAccountsFiguresOrTheBudgetsCounts)
{
    // Rent: 1,000.00 in and 250.00 out in March 2025, 12.34 out in November 2026 (today is
    // December 5th, 2026).
    RecordTestAccount(1, 0, "Rent");
    ASSERT_TRUE(RecordDeposit(1, 0, 100000, "Mom", "03/01/25", "", false));
    ASSERT_TRUE(RecordCheck(1, 0, {.Amount = 25000, .Datime = "03/02/25", .PayTo = "Landlord"}));
    ASSERT_TRUE(RecordCheck(1, 0, {.Amount = 1234, .Datime = "11/02/26", .PayTo = "Landlord"}));
    Select(1, 0);
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        const std::vector<std::pair<int, std::string>> shown = {
            {1002, "2025"},     {1001, "2026"},      {1013, "$250.00"}, {1033, "$1,000.00"}, {1053, "25%"},
            {1063, "25%"},      {1081, "$12.34"},    {1101, "$0.00"},   {1121, "0%"},        {1083, "$12.34"},
            {1150, "$20.83"},   {1151, "$83.33"},    {1152, "$1.12"},   {1153, "$0.00"},
        };
        for (const auto& [id, text] : shown)
            EXPECT_EQ(d.Text(id), text) << id;
        Drawn drawn;
        Render(QSize(124, 64), drawn, [&](DrawContext& dc) { d.Paint(1003, dc); });
        EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(), [](const auto& t) { return t.Text == "Rent"; }));
        d.Click(IDOK);
    });
    HandleMenu(kCmdStatistics, false);
    EXPECT_FALSE(Accounts[1][0].SelectFlag);

    // Nothing selected: the budget's counts (the records with the Checkbook's note of Rent's setup).
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(1001) + " " + d.Text(1002) + " " + d.Text(1003) + " " + d.Text(1004), "2 0 0 4");
        d.Click(IDOK);
    });
    HandleMenu(kCmdStatistics, false);
    EXPECT_EQ(dialogs.Opened, (std::vector<std::string>{"STATISTICS", "BSTAT"}));
    EXPECT_TRUE(windows.Messages.empty()) << windows.AllMessages();
}

TEST_F(StatsDialogTest, CalculatorRecomputesOnEveryChangeAndTellsTooManyMonthsOnce)
{
    RecordTestAccount(3, 0, "Savings", true);
    RecordTestAccount(4, 0, "Rainy Day", true);
    Accounts[3][0].Balance = 100000;
    Accounts[4][0].Balance = 50000;
    Select(3, 0);
    Select(4, 0);
    dialogs.Scripts.push_back([this](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(1270) + "|" + d.Text(1271) + "|" + d.Text(1272) + "|" + d.Text(1273) + "|" + d.Text(1274),
                  "1,500.00|0.00|4.5|3.0|12");
        EXPECT_EQ(d.Text(1275), "Total Amount 1,521.84");
        d.Type(1273, "0");
        EXPECT_EQ(d.Text(1275), "Total Amount 1,568.91");
        // Left as it is: letters, a negative rate, 0 months and too many, told once each.
        for (const char* months : {"abc", "0", "1201", "1201", "12010"})
            d.Type(1274, months);
        d.Type(1272, "-1");
        EXPECT_EQ(d.Text(1275), "Total Amount 1,568.91");
        EXPECT_EQ(windows.Messages.size(), 2u) << windows.AllMessages();
        d.Type(1274, "1");
        EXPECT_EQ(d.Text(1275), "Total Amount 1,505.63");
        d.Click(IDOK);
    });
    HandleMenu(kCmdCalculator, false);
    ASSERT_EQ(windows.Messages.size(), 2u);
    EXPECT_EQ(windows.Messages[1].Text, "The number:     12010     is out of range.\r\rPlease try again.");
}

}  // namespace
