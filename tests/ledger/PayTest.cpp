// Pay setup and pay entry: the log entries of pay setup changes, the closing of gaps between
// pay sources, the pay of the month a date falls on, pay entries and multiple deposits. (How a
// pay spreads over the accounts is also checked by the pay commands of budget-cli and the golden
// scripts, and the money and summary of every pay entry and multiple deposit by the random ledger
// runs.)
#include "LedgerFixture.h"

#include "ledger/Balance.h"
#include "ledger/Budget.h"
#include "ledger/Pay.h"
#include "ledger/Recording.h"
#include "model/Globals.h"
#include "model/Money.h"

#include <cstring>
#include <tuple>

namespace {

class PayTest : public LedgerFixture {
protected:
    void Allocate(int Mi, int Si, int source, int pay, int32_t amount)
    {
        int32_t table[kPayers][kPaysPerMonth];
        std::memcpy(table, Accounts[Mi][Si].PayAmount, sizeof table);
        table[source][pay] = amount;
        RecordAccountSetup(Mi, Si, Accounts[Mi][Si].Name, Accounts[Mi][Si].SavingsFlag != 0, table);
    }

    // Name, amount and PayType of the three slots.
    static std::string Sources()
    {
        std::string s;
        for (int i = 0; i < kPayers; ++i)
            s += std::string(i ? ", " : "") + gBudget.PayName[i] + " " + std::to_string(gBudget.PayAmount[i]) + " " +
                 std::to_string(gBudget.PayType[i]);
        return s;
    }
    static std::string NewestLog() { return MemoryAccounts[0][1].HistoryRec->PayToFm; }
    static int LogCount() { return Accounts[0][1].NumberOfHistoryRecords; }
};

TEST_F(PayTest, PayOfTheMonthFollowsTheFrequencyAndDay)
{
    const struct { int source, frequency, day, pay; } cases[] = {
        {0, kPayWeekly, 0, 1},        {0, kPayWeekly, 7, 1},        {0, kPayWeekly, 8, 2},
        {1, kPayWeekly, 28, 4},       {2, kPayWeekly, 29, 5},       {0, kPayWeekly, 31, 5},
        {0, kPayBiWeekly, 14, 1},     {1, kPayBiWeekly, 15, 2},     {0, kPayBiWeekly, 28, 2},
        {2, kPayBiWeekly, 29, 3},     {0, kPayBiWeekly, 31, 3},     {0, kPaySemiMonthly, 15, 1},
        {2, kPaySemiMonthly, 16, 2},  {0, kPayMonthly, 31, 1},
    };
    for (const auto& c : cases) {
        gBudget.PayType[c.source] = PayTypeButton(c.source, c.frequency);
        EXPECT_EQ(PayOfTheMonth(c.source, c.day), c.pay) << c.source << " " << c.frequency << " day " << c.day;
    }
    gBudget.PayType[0] = 999;  // no frequency: every day is the first pay
    EXPECT_EQ(PayOfTheMonth(0, 30), 1);

    ASSERT_EQ(SetPaySource(0, "Acme", "250", kPayWeekly), 1);
    char text[128];
    EXPECT_EQ(PayEntryText(0, "12/22/26", text), 3);
    EXPECT_STREQ(text, "Acme's forth pay of the month. ($250.00)");
}

TEST_F(PayTest, PaySetupChangesAreLoggedInTheCheckbook)
{
    // log: "" for no entry.
    const struct { std::string name, amount, log; } steps[] = {
        {"Acme", "1000", "Acme added with pay of $1,000.00"},
        {"Acme Inc", "1000", "Acme changed to Acme Inc with pay of $1,000.00"},
        {"Acme Inc", "1,200.50", "Acme Inc pay of $1,000.00 changed to $1,200.50"},
        {"Acme Inc", "$1,200.50", ""},
        {"Acme Industries Ltd", "5", "Acme Inc changed to Acme Industrie with pay of $5.00"},
    };
    for (const auto& s : steps) {
        const int before = LogCount();
        ASSERT_EQ(SetPaySource(0, s.name, s.amount), 1) << host.AllMessages();
        EXPECT_EQ(LogCount() - before, s.log.empty() ? 0 : 1) << s.name;
        if (!s.log.empty()) {
            EXPECT_EQ(NewestLog(), s.log);
        }
    }
    ASSERT_EQ(SetPaySource(1, "Pension", "300"), 1);
    ASSERT_EQ(SetPaySource(0, "", ""), 1);
    EXPECT_EQ(NewestLog(), "Acme Industrie with pay of $5.00 deleted");
    EXPECT_STREQ(gBudget.PayName[0], "Pension");
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
}

TEST_F(PayTest, BadPayAmountsAndNextCheckNumbersLeaveTheBudgetAlone)
{
    // message: its start, "" for none; bad: the field given the focus.
    const struct { std::string amount, nextCheck; int stored; std::string message; int bad; } cases[] = {
        {"100,000.00", "2147483647", 1, "", -1},
        {"100,000.01", "5", 0, "The number:     100,000.01", 1},
        {"12x", "5", 0, "The dollar amount:     12x", 1},
        {"10", "5x", 0, "The number:     5x     is invalid.", kBadNextCheck},
        {"10", "0", 0, "The number:     0     is out of range.", kBadNextCheck},
    };
    for (const auto& c : cases) {
        host.Messages.clear();
        const ABudget before = gBudget;
        PaySetupEntry entry = CurrentPaySetup();
        entry.Sources[1] = {"Acme", c.amount, PayTypeButton(1, kPayWeekly)};
        entry.NextCheck = c.nextCheck;
        int bad = -1;
        EXPECT_EQ(RecordPaySetup(entry, &bad), c.stored) << c.amount << " " << c.nextCheck;
        if (c.message.empty()) {
            EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
        } else {
            EXPECT_EQ(host.OnlyMessage().find(c.message), 0u) << host.AllMessages();
        }
        EXPECT_EQ(bad, c.bad) << c.nextCheck;
        if (!c.stored) {
            EXPECT_EQ(std::memcmp(&before, &gBudget, sizeof gBudget), 0) << c.amount;
        }
    }
    EXPECT_EQ(gBudget.HighestIdent, INT32_MAX);
    EXPECT_EQ(gBudget.PayAmount[0], 10000000);  // closed up from slot 1
}

TEST_F(PayTest, RemovingASourceMovesTheLaterOnesUpWithTheirAllocations)
{
    RecordTestAccount(1, 0, "Rent");
    RecordTestAccount(1, 1, "Heat");
    ASSERT_EQ(SetPaySource(0, "Acme", "1000", kPayWeekly), 1);
    ASSERT_EQ(SetPaySource(1, "Pension", "500", kPayBiWeekly), 1);
    ASSERT_EQ(SetPaySource(2, "Rental", "300", kPaySemiMonthly), 1);
    Allocate(1, 0, 0, 0, 100);
    Allocate(1, 0, 1, 2, 200);
    Allocate(1, 1, 2, 1, 300);

    ASSERT_EQ(SetPaySource(0, "", ""), 1);
    EXPECT_EQ(Sources(), "Pension 50000 1005, Rental 30000 1013,  0 1021");
    // Acme's allocation went with it; Recalculate followed the move.
    EXPECT_EQ(Accounts[1][0].PayAmount[0][0], 0);
    EXPECT_EQ(Accounts[1][0].PayAmount[0][2], 200);
    EXPECT_EQ(Accounts[1][1].PayAmount[1][1], 300);
    EXPECT_EQ(Accounts[1][1].PayAmount[2][1], 0);
    EXPECT_EQ(Accounts[0][0].PayAmount[0][2], 50000 - 200);

    // The middle one of three: the last moves into its slot.
    ASSERT_EQ(SetPaySource(2, "Bonus", "50", kPayWeekly), 1);
    ASSERT_EQ(SetPaySource(1, "", ""), 1);
    EXPECT_EQ(gBudget.NumberOfPayers, 2);
    EXPECT_EQ(Sources(), "Pension 50000 1005, Bonus 5000 1011,  0 1021");
}

class PayEntryTest : public PayTest {
protected:
    // Acme pays 1,000.00 bi-weekly; Rent and Savings get 300.00 and 200.00 of its first pay,
    // Food nothing.
    void SetUp() override
    {
        PayTest::SetUp();
        RecordTestAccount(1, 0, "Rent");
        RecordTestAccount(2, 0, "Savings", true);
        RecordTestAccount(3, 0, "Food");
        ASSERT_EQ(SetPaySource(0, "Acme", "1000", kPayBiWeekly), 1);
        ASSERT_EQ(SetPaySource(1, "Pension", "400", kPayMonthly), 1);
        Allocate(1, 0, 0, 0, 30000);
        Allocate(2, 0, 0, 0, 20000);
    }

    static int32_t Balance(int Mi) { return Accounts[Mi][0].Balance; }
    static MultiDepositRow Row(const char* amount, const char* account, const char* sub = "", const char* from = "Bank")
    {
        return {amount, from, account, sub, "Refund"};
    }
};

TEST_F(PayEntryTest, TwoTickedPaysGetTwoDepositNumbersAndSummaries)
{
    const int logs = LogCount();
    const bool ticked[kPayers] = {true, true, true};  // the third source is not in use
    EXPECT_EQ(RecordPayEntry(ticked, "12/20/26"), 2);
    EXPECT_EQ(LogCount() - logs, 2);
    const AHistory* pension = MemoryAccounts[0][1].HistoryRec;
    const AHistory* acme = pension->HistoryFP;
    EXPECT_STREQ(pension->PayToFm, "Pension's first pay of the month. ($400.00)");
    EXPECT_STREQ(acme->PayToFm, "Acme's second pay of the month. ($1,000.00)");
    EXPECT_GT(pension->PayID, acme->PayID);
    EXPECT_EQ(std::tuple(acme->Balance, pension->Balance, Accounts[0][1].Balance), std::tuple(100000, 140000, 140000));
    // Rent and Savings got their share of Acme's second pay: nothing; the rest went to Available.
    EXPECT_EQ(std::tuple(Balance(0), Balance(1), Balance(2)), std::tuple(140000, 0, 0));
    EXPECT_EQ(Deposits(), (std::vector<std::string>{"12/20/26 100000", "12/20/26 40000"}));
}

// (Multiple Deposit's dialog checks the messages and fields of the other faults.)
TEST_F(PayEntryTest, MultipleDepositRowsAreCheckedInOrderWithTheirMessages)
{
    RecordTestAccount(3, 1, "Tires");
    CopyString("Car", Accounts[3][0].SubName);
    const bool none[kPayers] = {};
    // The second row (the first is always valid) and its message, nullptr when accepted.
    const struct { MultiDepositRow second; const char* message; MultiDepositField field; } cases[] = {
        {Row("12.x", "Rent"), "12.x", MultiDepositField::Amount},
        {Row("0", "Rent"), "0", MultiDepositField::Amount},
        {Row("5", "rent"), "Invalid Account Name", MultiDepositField::Account},
        {Row("5", "Savings"), "A savings account may not be specified.", MultiDepositField::Account},
        {Row("100000", "Car", "Tires"), nullptr, {}},
        {Row("", ""), nullptr, {}},
    };
    for (const auto& c : cases) {
        host.Messages.clear();
        const MultiDepositRow rows[kMultiDepositRows] = {Row("1", "Food"), c.second, Row("", "")};
        MultiDepositFault fault{-1, MultiDepositField::Amount};
        EXPECT_EQ(CDepositDialogOK(rows, none, &fault), c.message ? 0 : 1) << c.second.Amount;
        if (c.message) {
            EXPECT_NE(host.OnlyMessage().find(c.message), std::string::npos) << host.AllMessages();
            EXPECT_EQ(fault.Row, 1);
            EXPECT_EQ(fault.Field, c.field) << c.message;
        } else {
            EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
        }
    }
    // A ticked pay alone is something to deposit.
    const MultiDepositRow empty[kMultiDepositRows] = {};
    const bool pay[kPayers] = {false, true, false};
    EXPECT_EQ(CDepositDialogOK(empty, pay, nullptr), 1);
}

// The Checkbook may not reach 1,000,000.00 at any piece of a deposit, a savings piece included:
// one piece over it refuses the whole deposit, with one message, and nothing is recorded.
TEST_F(PayEntryTest, APayOrMultipleDepositThatMeetsTheCeilingRecordsNothing)
{
    const auto snapshot = [] {
        std::string s = std::to_string(gBudget.UniqueID) + " " + std::to_string(gDepositDisplayLines);
        for (int Mi = 0; Mi < 4; ++Mi)
            s += " " + std::to_string(Accounts[Mi][0].Balance) + "/" + std::to_string(Accounts[Mi][0].NumberOfHistoryRecords);
        return s + " " + std::to_string(Accounts[0][1].Balance) + "/" + std::to_string(Accounts[0][1].NumberOfHistoryRecords);
    };
    // Acme's first pay of 1,000.00 gives Rent its allocation, Savings 200.00 and the rest to
    // Available; Pension's 400.00 goes to Available. The Checkbook starts at `book` (in Food).
    const struct { const char* what; int32_t book; int32_t rent; bool pension; const char* row; bool taken; } cases[] = {
        {"pay reaching the ceiling", 99900000, 30000, false, nullptr, false},
        {"allocations above the pay reach it before Available's negative rest", 99850000, 150000, false, nullptr, false},
        {"the second of two pays reaches it", 99860000, 30000, true, nullptr, false},
        {"a savings piece is tested against the Checkbook", 99890000, 100000, false, nullptr, false},
        {"a multiple deposit of a pay and a row", 99897500, 30000, false, "25", false},
        {"a multiple deposit of a pay alone", 99900000, 30000, false, "", false},
        {"a multiple deposit just below", 99897499, 30000, false, "25", true},
        {"a pay just below", 99899999, 30000, false, nullptr, true},
    };
    for (const auto& c : cases) {
        Accounts[3][0].Balance = Accounts[0][1].Balance = c.book;
        Accounts[0][0].Balance = Accounts[1][0].Balance = Accounts[2][0].Balance = 0;
        Accounts[1][0].PayAmount[0][0] = c.rent;
        host.Messages.clear();
        const std::string before = snapshot();
        const bool ticked[kPayers] = {true, c.pension, false};
        if (c.row) {
            const MultiDepositRow rows[kMultiDepositRows] = {Row(c.row, "Food")};
            EXPECT_EQ(RecordMultiDeposit(rows, ticked, "12/10/26") != 0, c.taken) << c.what;
        } else {
            EXPECT_EQ(RecordPayEntry(ticked, "12/10/26"), c.taken ? 1 : kPayRefused) << c.what;
        }
        if (c.taken) {
            EXPECT_TRUE(host.Messages.empty()) << c.what << ": " << host.AllMessages();
            EXPECT_EQ(Accounts[0][1].Balance, kCheckbookCeiling - 1) << c.what;
        } else {
            ASSERT_EQ(host.Messages.size(), 1u) << c.what << ": " << host.AllMessages();
            EXPECT_EQ(host.Messages[0].Title, "Range Error") << c.what;
            EXPECT_EQ(snapshot(), before) << c.what;
        }
    }
}

}  // namespace
