// The balancing chains: combined pay deposits, ticks, completing and forcing a balancing, and the
// integrity check of their links. (The random ledger runs check what the chains hold and their
// order after every step, balancing and saving included.)
#include "LedgerFixture.h"

#include "ledger/Balance.h"
#include "ledger/Budget.h"
#include "ledger/Integrity.h"
#include "ledger/Recording.h"
#include "model/Globals.h"

#include <tuple>

namespace {

class BalanceTest : public LedgerFixture {
protected:
    void SetUp() override
    {
        LedgerFixture::SetUp();
        RecordTestAccount(1, 0, "Food");
        RecordTestAccount(2, 0, "Rent");
        Deposit(0, 0, 1000000, "02/01/05");
        Deposit(1, 0, 1000000, "02/01/05");
    }
};

TEST_F(BalanceTest, APayEntryReachingMoreThan555AccountsKeepsEveryPiece)
{
    for (int k = 0; k < 600; ++k) {
        AHistory* h = CreditAccount(1, 0, 1, "Employer", "03/10/05", "");
        h->PayFlag = 1;
        h->PayID = 9;
        CreateBalanceRecord(h);
    }
    DBalance* pay = FindIndicator(9);
    EXPECT_EQ(DepositPieceCount(pay), 600);
    EXPECT_EQ(pay->BAmount, 600);
    SetBalanceTick(pay, true);
    BalanceCheckbook();
    int reconciled = 0;
    for (const AHistory* h = MemoryAccounts[1][0].HistoryRec; h; h = h->HistoryFP)
        reconciled += h->PayID == 9 && h->BalanceFlag;
    EXPECT_EQ(reconciled, 600);
}

// A tick and its undoing move the line between the outstanding and the ticked totals, and the
// budget counts as changed, for withdrawals and deposits alike.
TEST_F(BalanceTest, TicksMoveLinesBetweenTheOutstandingAndTheTickedTotals)
{
    Check(1, 0, 2500, 1001);
    CBalance* check = gBalanceCAnchor;
    DBalance* deposit = gBalanceDAnchor;
    gBudget.StatementBalance = 0;
    const auto totals = [] {
        SumBalanceData();
        return std::tuple(gBCheckTotal, gBXCheckTotal, gBDepositTotal, gBXDepositTotal, gBalanceZero);
    };
    // The Checkbook holds 19,975.00: two deposits of 10,000.00 and the check of 25.00 are outstanding.
    const auto open = totals();
    EXPECT_EQ(open, std::tuple(2500, 0, 2000000, 0, 0));
    const struct { bool deposit, tick; std::tuple<int32_t, int32_t, int32_t, int32_t, int32_t> totals; } steps[] = {
        {false, true, {0, 2500, 2000000, 0, 2500}},
        {true, true, {0, 2500, 1000000, 1000000, -997500}},
        {false, false, {2500, 0, 1000000, 1000000, -1000000}},
        {true, false, open},
    };
    for (const auto& step : steps) {
        gBudgetFileChanged = 0;
        if (step.deposit)
            SetBalanceTick(deposit, step.tick);
        else
            SetBalanceTick(check, step.tick);
        EXPECT_EQ((step.deposit ? deposit->BChecked : check->BChecked), step.tick ? 1 : 0);
        EXPECT_EQ(totals(), step.totals) << step.deposit << step.tick;
        EXPECT_EQ(gBudgetFileChanged, 1);
    }
}

// The statement field takes what is an amount of 0 or more and passes over the rest silently.
TEST_F(BalanceTest, TheStatementTextIsTakenWhenItIsAnAmount)
{
    const struct { const char* text; int taken; int32_t statement; } cases[] = {
        {"1,234.50", 1, 123450}, {"$7", 1, 700}, {"0", 1, 0},      {"1.234", 0, 5000}, {"abc", 0, 5000},
        {"12a", 0, 5000},        {"-12.00", 0, 5000}, {"", 0, 5000}, {"$", 0, 5000},    {"-", 0, 5000},
    };
    for (bool negativeAllowed : {false, true}) {
        gBudget.CheckbookNegativeFlag = negativeAllowed;
        for (const auto& c : cases) {
            gBudget.StatementBalance = 5000;
            EXPECT_EQ(ReadStatementText(c.text), c.taken) << c.text;
            EXPECT_EQ(gBudget.StatementBalance, c.statement) << c.text;
        }
    }
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
}

// A forced difference is booked in "Available", unless that takes the Checkbook below 0 where it
// may not go. (The random ledger runs and the balance window check the other ways a balancing ends.)
TEST_F(BalanceTest, AForcedBalancingBooksTheDifferenceInAvailable)
{
    // Outstanding: deposits of 10,000.00 each (Available, Food); the Checkbook holds 20,000.00.
    const struct { int32_t statement; bool allowNegative; int result; const char* message; } cases[] = {
        {500, false, 1, ""},
        {-2000001, false, 0, "This action would cause a negative\r\rbalance.  That is not allowed\r\rPlease try again."},
        {-2000001, true, 1, ""},
    };
    for (const auto& c : cases) {
        gBudget.StatementBalance = c.statement;
        gBudget.CheckbookNegativeFlag = c.allowNegative;
        const int32_t available = Accounts[0][0].Balance;
        host.Messages.clear();
        gInfoBox[0] = 0;
        EXPECT_EQ(CompleteBalancing(1), c.result) << c.statement;
        EXPECT_EQ(host.Messages.empty() ? "" : host.Messages[0].Text, c.message) << c.statement;
        EXPECT_EQ(Accounts[0][0].Balance - available, c.result ? c.statement : 0) << c.statement;
        EXPECT_STREQ(gInfoBox, c.result ? "Checkbook Balanced" : "") << c.statement;
        if (c.result) {
            EXPECT_STREQ(MemoryAccounts[0][0].HistoryRec->For, "Balance Checkbook");
            Accounts[0][0].Balance = available;  // the adjustment taken back for the next case
            Accounts[0][1].Balance -= c.statement;
        }
    }
    EXPECT_EQ(Deposits().size(), 2u) << "nothing was ticked";
}

// A difference beyond what an amount holds can be neither booked exactly nor taken for 0: the
// balancing is refused with nothing booked and nothing ticked off.
TEST_F(BalanceTest, ADifferenceBeyondAnAmountIsNeverBalanced)
{
    // Outstanding: the two deposits, each of `deposit`.
    const struct { const char* what; int32_t book, available, statement, deposit; int force; const char* title; } cases[] = {
        {"forced, beyond 32 bits", -2000000000, -2100000000, 2000000000, 1000000, 1, "Range Error"},
        {"forced, the most negative amount", 149483648, 1000000, -2000000000, 1000000, 1, "Range Error"},
        {"deposits beyond 32 bits", 2000000, 1000000, 2000000 - INT32_MAX, 1500000000, 0, "Balance Error"},
    };
    gBudget.CheckbookNegativeFlag = 1;
    for (const auto& c : cases) {
        Accounts[0][1].Balance = c.book;
        Accounts[0][0].Balance = c.available;
        gBudget.StatementBalance = c.statement;
        for (DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
            d->BAmount = c.deposit;
        const int records = Accounts[0][0].NumberOfHistoryRecords;
        host.Messages.clear();
        gInfoBox[0] = 0;
        EXPECT_EQ(CompleteBalancing(c.force), 0) << c.what;
        ASSERT_EQ(host.Messages.size(), 1u) << c.what;
        EXPECT_EQ(host.Messages[0].Title, c.title) << c.what;
        EXPECT_EQ(std::tuple(Accounts[0][1].Balance, Accounts[0][0].Balance, Accounts[0][0].NumberOfHistoryRecords),
                  std::tuple(c.book, c.available, records)) << c.what;
        EXPECT_EQ(Deposits().size(), 2u) << c.what;
        EXPECT_EQ(gInfoBox[0], 0) << c.what;
    }
}

// A balancing record that lost its transaction is reported. (Damaged budgets opened by budget-cli
// and the damaged files report the other checks.)
TEST_F(BalanceTest, ABrokenBalancingLinkIsReported)
{
    AHistory* check = Check(1, 0, 100, 1000);
    ASSERT_NE(check, nullptr);
    static_cast<CBalance*>(check->BalanceRec)->HistoryRec = nullptr;
    EXPECT_EQ(IntegrityCheck4(), 0);
    EXPECT_EQ(host.OnlyMessage(), "Integrity error 4.\rSevere warning!.  This budget's data\r is corrupt.  You should "
                                  "terminate\rthis session without saving.");
    static_cast<CBalance*>(check->BalanceRec)->HistoryRec = check;
    host.Messages.clear();
    EXPECT_EQ(IntegrityCheck4(), 1);
}

}  // namespace
