// Pay Setup, Pay Entry and Multiple Deposit driven by scripts: what OK refuses and where the focus
// goes, removing a source, frequencies stored only by OK, the pay boxes following the date, Enter
// Pay without a pay source, a refusal of the ledger keeping the dialog open, and the one summary
// entry of a deposit of rows and a pay. (The words of the refusals: the ledger's tests.)
#include "support/WindowFixture.h"

#include "dialogs/MultiDepositDialog.h"
#include "dialogs/PayDialogs.h"
#include "ledger/Pay.h"
#include "model/Globals.h"
#include "model/Money.h"

#include <tuple>

namespace {

using Fields = std::vector<std::pair<int, std::string>>;

constexpr int kDate = 1007;

// Rent, Car with its sub account Gas under "Car Costs", and no pay source; today is 12/05/26.
class PayDialogTest : public BudgetFixture {
protected:
    void SetUp() override
    {
        BudgetFixture::SetUp();
        AddTestAccount(1, 0, "Rent");
        AddTestAccount(2, 0, "Car");
        AddTestAccount(2, 1, "Gas");
        CopyString("Car Costs", Accounts[2][0].SubName);
    }
    static int LogCount() { return Accounts[0][1].NumberOfHistoryRecords; }
    static const AHistory* Newest(int Mi, int Si) { return MemoryAccounts[Mi][Si].HistoryRec; }

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
    EXPECT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(std::pair(gBudget.PayAmount[1], gBudget.HighestIdent), std::pair(10000000, INT32_MAX));
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
    EXPECT_EQ(host.Messages.size(), 1u);
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

TEST_F(PayDialogTest, ARefusedMultipleDepositPutsTheFocusOnTheFaultyField)
{
    // Row r: amount 1031 + r, From 1041 + r, account 1051 + r, sub account 1054 + r.
    const struct { Fields fields; int focus; } cases[] = {
        {{}, 1031},                                                             // no amount
        {{{1031, "1"}, {1041, "Mom"}, {1051, "Rent"}, {1032, "100,000.01"}}, 1032},  // out of range
        {{{1033, "5.00"}, {1043, "Mom"}}, 1053},                                // no account
        {{{1031, "5.00"}, {1041, "Mom"}, {1051, "Car Costs"}, {1054, "Oil"}}, 1051},  // no such account
        {{{1032, "5.00"}, {1052, "Rent"}}, 1042},                               // no From
    };
    for (const auto& c : cases) {
        host.Messages.clear();
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
            for (const auto& [id, text] : c.fields)
                d.Type(id, text);
            d.Click(IDOK);
            EXPECT_EQ(d.Selected(), c.focus);
            d.Click(IDCANCEL);
        });
        HandleMultiDeposit();
        EXPECT_EQ(host.Messages.size(), 1u) << c.focus;
    }
    EXPECT_EQ(Newest(0, 1), nullptr);
}

// A pay or a deposit that would take the Checkbook to 1,000,000.00 is refused whole and the dialog
// stays open.
TEST_F(PayDialogTest, OverTheCeilingTheDialogStaysOpenWithNothingRecorded)
{
    ASSERT_EQ(SetPaySource(0, "Acme", "1,000.00", kPayMonthly), 1);
    Accounts[1][0].PayAmount[0][0] = 30000;
    const Fields rows = {{1031, "20.00"}, {1041, "Mom"}, {1051, "Rent"}, {1032, "5.00"}, {1042, "Mom"}, {1052, "Car"}};
    const struct { void (*open)(); Fields typed; } cases[] = {{HandlePay, {}}, {HandleMultiDeposit, rows}};
    for (const auto& c : cases) {
        Accounts[1][0].Balance = Accounts[0][1].Balance = kCheckbookCeiling - 2500;
        const std::tuple<int, int32_t> before(LogCount(), gBudget.UniqueID);
        host.Messages.clear();
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
            if (c.typed.empty())
                d.Click(1001);  // the pay
            for (const auto& [id, text] : c.typed)
                d.Type(id, text);
            d.Click(IDOK);
            EXPECT_FALSE(d.IsEnded());
            d.Click(IDCANCEL);
        });
        c.open();
        EXPECT_EQ(host.Messages.size(), 1u) << host.AllMessages();
        EXPECT_EQ(std::tuple(LogCount(), gBudget.UniqueID), before);
        EXPECT_EQ(std::pair(Accounts[1][0].Balance, Accounts[0][0].NumberOfHistoryRecords),
                  std::pair(kCheckbookCeiling - 2500, 0));
    }
}

TEST_F(PayDialogTest, TwoRowsAndAPayMakeOneMultipleDepositSummaryEntry)
{
    ASSERT_EQ(SetPaySource(0, "Acme", "1,000.00", kPaySemiMonthly), 1);
    const int32_t checkbook = Accounts[0][1].Balance;
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        d.Type(kDate, "12/10/26");
        d.Click(1001);  // the pay box follows the date
        for (const auto& [id, text] : Fields{{1031, "100.00"}, {1041, "Mom"}, {1051, "Rent"}, {1033, "25.00"},
                                             {1043, "Refund"}, {1053, "Car Costs"}, {1056, "Gas"}})
            d.Type(id, text);
        d.Click(IDOK);
    });
    HandleMultiDeposit();
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
    const AHistory* summary = Newest(0, 1);
    EXPECT_TRUE(summary->MultiDeposit && !summary->HistoryFP->MultiDeposit);
    EXPECT_EQ(std::tuple(summary->Amt, std::string(summary->Datime), Accounts[0][1].Balance - checkbook),
              std::tuple(112500, "12/10/26", 112500));
    EXPECT_TRUE(Newest(1, 0)->PayID == summary->PayID && Newest(2, 1)->PayID == summary->PayID);
}

}  // namespace
