// The balancing chains: their order, combined pay deposits, completing and forcing a balancing,
// and the integrity checks of their links.
#include "LedgerFixture.h"

#include "files/BudgetImage.h"
#include "ledger/Balance.h"
#include "ledger/Budget.h"
#include "ledger/Integrity.h"
#include "ledger/Recording.h"
#include "model/Globals.h"

namespace {

class BalanceTest : public LedgerFixture {
protected:
    void SetUp() override
    {
        LedgerFixture::SetUp();
        Account(1, 0, "Food");
        Account(2, 0, "Rent");
        Account(3, 0, "Savings", true);
        Deposit(0, 0, 1000000, "02/01/05");
        Deposit(1, 0, 1000000, "02/01/05");
    }

    // The five withdrawals of the ordering examples, entered in this order.
    void EnterFive()
    {
        ATM(1, 0, 100, "03/05/05");
        Check(1, 0, 100, 1002, "03/01/05");
        Debit(1, 0, 100, "03/02/05");
        Check(1, 0, 100, 1001, "03/04/05");
        ATM(1, 0, 100, "03/01/05");
    }

    // A pay entry: one deposit per account sharing the pay's number, and its log entry.
    void PayEntry(int32_t payID, const std::vector<std::pair<int, int32_t>>& pieces)
    {
        int32_t total = 0;
        for (auto [Mi, amount] : pieces) {
            AHistory* h = CreditAccount(Mi, 0, amount, "Employer", "03/10/05", "");
            h->PayFlag = 1;
            h->PayID = payID;
            CreateBalanceRecord(h);
            total += amount;
        }
        AHistory* log = CreateHistoryRecord(0, 1);
        log->LogRecord = log->PayFlag = 1;
        log->PayID = payID;
        log->Amt = total;
    }
};

TEST_F(BalanceTest, WithdrawalsByTypeAreATMThenDebitsThenChecksByNumber)
{
    EnterFive();
    EXPECT_EQ(Withdrawals(), (std::vector<std::string>{"ATM 03/01/05 0", "ATM 03/05/05 0", "debit 03/02/05 0",
                                                        "check 03/04/05 1001", "check 03/01/05 1002"}));
}

TEST_F(BalanceTest, WithdrawalsByDateAreByDateThenNumber)
{
    gBudget.Flag1 |= kBudgetSortByDate;
    EnterFive();
    const std::vector<std::string> byDate = {"ATM 03/01/05 0", "check 03/01/05 1002", "debit 03/02/05 0",
                                             "check 03/04/05 1001", "ATM 03/05/05 0"};
    EXPECT_EQ(Withdrawals(), byDate);

    // Changing the order rebuilds the chain; the ticks stay with their records.
    gBalanceCAnchor->BChecked = 1;
    gBudget.Flag1 &= ~kBudgetSortByDate;
    ReloadCheckBalanceChain();
    EXPECT_EQ(Withdrawals().front(), "ATM 03/01/05 0");
    EXPECT_EQ(gBalanceCAnchor->BChecked, 1);
    EXPECT_EQ(gCheckDisplayLines, 5);
    gBudget.Flag1 |= kBudgetSortByDate;
    ReloadCheckBalanceChain();
    EXPECT_EQ(Withdrawals(), byDate);
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
}

TEST_F(BalanceTest, DepositsAreByDateAndThoseOfOneDateStayInTheirOrder)
{
    Deposit(2, 0, 300, "03/02/05");
    Deposit(2, 0, 100, "03/01/05");
    Deposit(2, 0, 200, "03/01/05");
    Deposit(2, 0, 400, "03/02/05");
    EXPECT_EQ(Deposits(), (std::vector<std::string>{"02/01/05 1000000", "02/01/05 1000000", "03/01/05 100",
                                                     "03/01/05 200", "03/02/05 300", "03/02/05 400"}));
}

TEST_F(BalanceTest, SavingsTransactionsAreNeverListedButTransfersOutOfSavingsAre)
{
    Deposit(3, 0, 5000);
    Check(3, 0, 100, 0);
    EXPECT_EQ(Deposits().size(), 2u);
    EXPECT_EQ(Withdrawals().size(), 0u);
    RecordTransfer(3, 0, 2, 0, 700, "03/03/05", "");
    EXPECT_EQ(Deposits().back(), "03/03/05 700");
}

TEST_F(BalanceTest, APayEntryIsOneDepositAndBalancingItReconcilesEveryPiece)
{
    PayEntry(7, {{1, 10000}, {2, 20000}, {0, 5000}});
    ASSERT_EQ(Deposits().size(), 3u);
    DBalance* pay = FindIndicator(7);
    ASSERT_NE(pay, nullptr);
    EXPECT_EQ(pay->BAmount, 35000);
    EXPECT_EQ(DepositPieceCount(pay), 3);
    EXPECT_EQ(IntegrityCheck3(), 1);

    pay->BChecked = 1;
    ASSERT_NE(gBalanceDAnchor, pay);
    BalanceCheckbook();
    EXPECT_EQ(FindIndicator(7), nullptr);
    for (int Mi : {1, 2, 0}) {
        EXPECT_EQ(MemoryAccounts[Mi][0].HistoryRec->BalanceFlag, 1);
        EXPECT_EQ(MemoryAccounts[Mi][0].HistoryRec->BalanceRec, nullptr);
    }
    EXPECT_STREQ(MemoryAccounts[0][1].HistoryRec->PayToFm, "Checkbook balanced");
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
}

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
    pay->BChecked = 1;
    BalanceCheckbook();
    int reconciled = 0;
    for (const AHistory* h = MemoryAccounts[1][0].HistoryRec; h; h = h->HistoryFP)
        reconciled += h->PayID == 9 && h->BalanceFlag;
    EXPECT_EQ(reconciled, 600);
}

TEST_F(BalanceTest, BalancingKeepsWhatIsNotTicked)
{
    AHistory* check = Check(1, 0, 500, 1000, "03/01/05");
    AHistory* deposit = Deposit(2, 0, 800, "03/02/05");
    static_cast<CBalance*>(check->BalanceRec)->BChecked = 1;
    for (DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
        d->BChecked = d->HistoryRec != deposit;
    BalanceCheckbook();
    EXPECT_TRUE(Withdrawals().empty());
    EXPECT_EQ(Deposits(), std::vector<std::string>{"03/02/05 800"});
    EXPECT_EQ(check->BalanceFlag, 1);
    EXPECT_EQ(deposit->BalanceFlag, 0);
    EXPECT_EQ(deposit->BalanceRec, gBalanceDAnchor);
    EXPECT_EQ(gCheckDisplayLines, 0);
    EXPECT_EQ(gDepositDisplayLines, 1);
}

struct ForceCase {
    int32_t statement;
    bool allowNegative;
    int result;
    int32_t availableChange;
    const char* message;
};

TEST_F(BalanceTest, ForcingPutsTheDifferenceIntoAvailable)
{
    // Outstanding: deposits of 10,000.00 each (Available, Food); the Checkbook holds 20,000.00.
    const ForceCase cases[] = {
        {500, false, 1, 500, ""},
        {-500, false, 1, -500, ""},
        {-2000001, false, 0, 0, "This action would cause a negative\r\rbalance.  That is not allowed\r\rPlease try again."},
        {-2000001, true, 1, -2000001, ""},
        {0, false, 1, 0, ""},
    };
    for (const ForceCase& c : cases) {
        gBudget.StatementBalance = c.statement;
        gBudget.CheckbookNegativeFlag = c.allowNegative;
        const int32_t available = Accounts[0][0].Balance;
        host.Messages.clear();
        EXPECT_EQ(ForceBalance(), c.result) << c.statement;
        EXPECT_EQ(host.Messages.empty() ? "" : host.Messages[0].Text, c.message);
        EXPECT_EQ(Accounts[0][0].Balance - available, c.availableChange);
        if (c.availableChange) {
            const AHistory* adjust = MemoryAccounts[0][0].HistoryRec;
            EXPECT_STREQ(adjust->PayToFm, "Unknown");
            EXPECT_STREQ(adjust->For, "Balance Checkbook");
            EXPECT_EQ(adjust->BalanceFlag, 1);
            SumBalanceData();
            EXPECT_EQ(gBalanceZero, 0);
            // Undo the adjustment for the next case.
            Accounts[0][0].Balance = available;
            Accounts[0][1].Balance -= c.availableChange;
        }
    }
}

TEST_F(BalanceTest, CompletingABalancingNeedsNoDifferenceOrForce)
{
    gBudget.StatementBalance = 500;  // with both deposits outstanding the bank shows 5.00 more
    EXPECT_EQ(CompleteBalancing(0), 0);
    EXPECT_EQ(host.OnlyMessage(), "Your checkbook is under by: $5.00\r\rCheck for entry errors.");
    EXPECT_EQ(Deposits().size(), 2u);
    host.Messages.clear();
    for (DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
        d->BChecked = 1;
    gBudget.StatementBalance = 2000500;
    EXPECT_EQ(CompleteBalancing(1), 1);
    EXPECT_EQ(Accounts[0][0].Balance, 1000500);
    EXPECT_STREQ(gInfoBox, "Checkbook Balanced");
    EXPECT_EQ(gBoxFlag, 1);
    EXPECT_TRUE(Deposits().empty());
}

TEST_F(BalanceTest, TicksAndOrderSurviveSavingAndOpening)
{
    EnterFive();
    PayEntry(5, {{1, 300}, {2, 400}});
    Deposit(3, 0, 100);  // savings: never listed
    gBalanceCAnchor->BalanceCFP->BChecked = 1;
    FindIndicator(5)->BChecked = 1;
    const std::vector<std::string> withdrawals = Withdrawals();
    const std::vector<std::string> deposits = Deposits();

    MemoryWriter file;
    ASSERT_EQ(WriteDataFile(file), 1);
    ASSERT_EQ(ReadBudgetImage(file.Bytes.data(), file.Bytes.size()), 1);
    EXPECT_EQ(Withdrawals(), withdrawals);
    EXPECT_EQ(Deposits(), deposits);
    EXPECT_EQ(gBalanceCAnchor->BalanceCFP->BChecked, 1);
    EXPECT_EQ(gBalanceCAnchor->BChecked, 0);
    EXPECT_EQ(FindIndicator(5)->BChecked, 1);
    EXPECT_EQ(FindIndicator(5)->BAmount, 700);
    EXPECT_EQ(gCheckDisplayLines, 5);
    EXPECT_EQ(gDepositDisplayLines, 3);
    // The ticks live in the balancing records while the budget is open.
    for (const AHistory* h = MemoryAccounts[1][0].HistoryRec; h; h = h->HistoryFP)
        EXPECT_EQ(h->Checked, 0);

    // Unticking is saved too.
    gBalanceCAnchor->BalanceCFP->BChecked = 0;
    MemoryWriter again;
    ASSERT_EQ(WriteDataFile(again), 1);
    ASSERT_EQ(ReadBudgetImage(again.Bytes.data(), again.Bytes.size()), 1);
    EXPECT_EQ(gBalanceCAnchor->BalanceCFP->BChecked, 0);
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
}

TEST_F(BalanceTest, IntegrityChecksReportBrokenLinks)
{
    const std::string severe = "\rSevere warning!.  This budget's data\r is corrupt.  You should terminate\r"
                               "this session without saving.";
    PayEntry(4, {{1, 100}, {2, 200}});
    MemoryAccounts[0][1].HistoryRec->Amt = 250;  // the pay entry's log says another total
    EXPECT_EQ(IntegrityCheck3(), 0);
    EXPECT_EQ(host.OnlyMessage(), "Integrity error 3." + severe);

    host.Messages.clear();
    AHistory* check = Check(2, 0, 100, 1000);
    static_cast<CBalance*>(check->BalanceRec)->HistoryRec = nullptr;
    EXPECT_EQ(IntegrityCheck4(), 0);
    EXPECT_EQ(host.OnlyMessage(), "Integrity error 4." + severe);
    static_cast<CBalance*>(check->BalanceRec)->HistoryRec = check;
    host.Messages.clear();
    EXPECT_EQ(IntegrityCheck4(), 1);

    // A record naming another slot; the Checkbook and empty slots are never checked.
    check->Si = 1;
    EXPECT_EQ(IntegrityCheck2(check, 2, 0), 0);
    EXPECT_EQ(host.Messages.back().Text,
              "Integrity error 2.\rThe data file may be corrupt.\rRestore the file from a backup copy.\rRent");
    EXPECT_EQ(IntegrityCheck2(check, 0, 1), 1);
    EXPECT_EQ(IntegrityCheck2(check, 9, 3), 1);
}

}  // namespace
