// Pay Setup and Pay Entry driven by scripts: what OK refuses and where the focus goes, removing a
// source, frequencies stored only by OK, the pay boxes following the date, and Enter Pay without
// a pay source.
#include "support/SampleBudget.h"
#include "support/WindowFixture.h"

#include "dialogs/PayDialogs.h"
#include "ledger/Pay.h"
#include "model/Globals.h"

namespace {

constexpr int kDate = 1007;

class PayDialogTest : public BudgetFixture {
protected:
    static int LogCount() { return Accounts[0][1].NumberOfHistoryRecords; }

    DialogScripts dialogs;
};

TEST_F(PayDialogTest, PayAmountsAndNextCheckNumbersOutOfRangeAreRefusedAtTheirField)
{
    ASSERT_EQ(SetPaySource(0, "Acme", "1,000.00", kPayMonthly), 1);
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        d.Type(1009, "Bonus");  // source #2
        d.Type(1010, "100,000.01");
        d.Click(IDOK);
        EXPECT_EQ(d.Selected(), 1010);
        d.Type(1010, "100,000.00");
        d.Type(1023, "2147483648");
        d.Click(IDOK);
        EXPECT_EQ(d.Selected(), 1023);
        d.Type(1023, "2147483647");
        d.Click(IDOK);
    });
    EXPECT_EQ(HandlePaySetup(), 1);
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(host.Messages[0].Title + " " + host.Messages[1].Title, "Range Error Range Error");
    EXPECT_EQ(std::pair(gBudget.PayAmount[1], gBudget.HighestIdent), std::pair(10000000, INT32_MAX));
}

// A pay that would take the Checkbook to 1,000,000.00 is refused whole and the dialog stays open.
TEST_F(PayDialogTest, APayOverTheCeilingKeepsPayEntryOpenWithNothingRecorded)
{
    AddTestAccount(1, 0, "Rent");
    ASSERT_EQ(SetPaySource(0, "Acme", "1,000.00", kPayMonthly), 1);
    Accounts[1][0].PayAmount[0][0] = 30000;
    Accounts[1][0].Balance = Accounts[0][1].Balance = kCheckbookCeiling - 100000;
    const int logs = LogCount();
    const int32_t ids = gBudget.UniqueID;
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        d.Click(1001);
        d.Click(IDOK);
        EXPECT_FALSE(d.IsEnded());
        d.Click(IDCANCEL);
    });
    HandlePay();
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Title, "Range Error");
    EXPECT_EQ(std::tuple(LogCount(), gBudget.UniqueID, Accounts[1][0].Balance, Accounts[0][0].NumberOfHistoryRecords),
              std::tuple(logs, ids, kCheckbookCeiling - 100000, 0));
}

TEST_F(PayDialogTest, EmptyingTheFirstOfThreeSourcesMovesTheOthersUp)
{
    ASSERT_EQ(SetPaySource(0, "Acme", "1,000.00", kPayWeekly), 1);
    ASSERT_EQ(SetPaySource(1, "Pension", "500.00", kPayBiWeekly), 1);
    ASSERT_EQ(SetPaySource(2, "Rental", "250.00", kPaySemiMonthly), 1);
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        EXPECT_EQ(d.Selected(), 1002);
        EXPECT_EQ(d.Text(1017), "$250.00");
        EXPECT_TRUE(d.Checked(1020));
        d.Type(1002, "");
        d.Click(IDOK);
    });
    EXPECT_EQ(HandlePaySetup(), 1);
    EXPECT_EQ(gBudget.NumberOfPayers, 2);  // what moves where is the pay setup's own test
    EXPECT_EQ(std::string(gBudget.PayName[0]) + " " + gBudget.PayName[1] + " " + gBudget.PayName[2], "Pension Rental ");
}

TEST_F(PayDialogTest, AFrequencyIsStoredOnlyByOK)
{
    ASSERT_EQ(SetPaySource(0, "Acme", "1,000.00", kPayMonthly), 1);
    const int logs = LogCount();
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        d.Click(1004);
        EXPECT_TRUE(d.Checked(1004));
        EXPECT_FALSE(d.Checked(1007));
        EXPECT_TRUE(d.Checked(1014)) << "the other groups keep theirs";
        d.Type(1002, "Renamed");
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(HandlePaySetup(), 0);
    EXPECT_EQ(std::tuple(int{gBudget.PayType[0]}, std::string(gBudget.PayName[0]), LogCount()),
              std::tuple(PayTypeButton(0, kPayMonthly), "Acme", logs));

    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        d.Click(1004);
        d.Click(1005);
        EXPECT_FALSE(d.Checked(1004));
        d.Click(IDOK);
    });
    EXPECT_EQ(HandlePaySetup(), 1);
    EXPECT_EQ(gBudget.PayType[0], PayTypeButton(0, kPayBiWeekly));
}

TEST_F(PayDialogTest, PayEntryFollowsTheDateAndGivesEachTickedPayItsDepositNumber)
{
    AddTestAccount(1, 0, "Rent");
    ASSERT_EQ(SetPaySource(0, "Acme", "1,000.00", kPaySemiMonthly), 1);
    ASSERT_EQ(SetPaySource(1, "Pension", "500.00", kPayMonthly), 1);
    Accounts[1][0].PayAmount[0][1] = 30000;
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(kDate), "12/05/26");
        EXPECT_EQ(d.Text(1001), "Acme's first pay of the month. ($1,000.00)");
        EXPECT_FALSE(d.Visible(1003));
        d.Click(1001);
        d.Click(1002);
        d.Type(kDate, "12/32");  // not a date: nothing changes while typing, OK tells it
        EXPECT_TRUE(d.Checked(1001));
        d.Click(IDOK);
        EXPECT_EQ(d.Focused(), kDate);
        d.Type(kDate, "12/20");
        EXPECT_EQ(d.Text(1001), "Acme's second pay of the month. ($1,000.00)");
        EXPECT_FALSE(d.Checked(1001) || d.Checked(1002));
        d.Click(1001);
        d.Click(1002);
        d.Click(IDOK);
    });
    HandlePay();
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Title, "Date Conversion Error");
    EXPECT_EQ(std::pair(Accounts[0][1].Balance, Accounts[1][0].Balance), std::pair(150000, 30000));
    EXPECT_STREQ(MemoryAccounts[0][1].HistoryRec->HistoryFP->Datime, "12/20/26");  // Acme's summary

    // OK with nothing ticked closes and records nothing.
    const int logs = LogCount();
    dialogs.Scripts.push_back([](ScriptedDialog& d) { d.Click(IDOK); });
    HandlePay();
    EXPECT_EQ(LogCount(), logs);
}

TEST_F(PayDialogTest, EnterPayWithoutAPaySourceAsksForOneFirst)
{
    dialogs.Scripts = {[](ScriptedDialog& d) { d.PressEscape(); },
                       [](ScriptedDialog& d) { d.Type(1002, "Acme"); d.Type(1003, "1,000.00"); d.Click(IDOK); },
                       [](ScriptedDialog& d) { d.Click(IDCANCEL); }};
    HandlePay();
    EXPECT_EQ(dialogs.Opened, std::vector<std::string>{"PAYSETUP"});
    HandlePay();
    EXPECT_EQ(dialogs.Opened, (std::vector<std::string>{"PAYSETUP", "PAYSETUP", "PAY"}));
}

}  // namespace
