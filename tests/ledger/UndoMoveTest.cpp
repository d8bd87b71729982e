// Undoing transactions, moving accounts and the checks before deleting one.
#include "LedgerFixture.h"

#include "ledger/Accounts.h"
#include "ledger/Balance.h"
#include "ledger/Budget.h"
#include "ledger/Recording.h"
#include "ledger/Undo.h"
#include "model/Globals.h"
#include "model/Money.h"

namespace {

class UndoMoveTest : public LedgerFixture {
protected:
    void SetUp() override
    {
        LedgerFixture::SetUp();
        Account(1, 0, "Food");
        Account(2, 0, "Car");
        Account(2, 1, "Gas");
        Account(2, 2, "Repairs");
        CopyString("Vehicle", Accounts[2][0].SubName);
        Account(3, 0, "Savings", true);
        Deposit(0, 0, 100000);
    }

    void Undo(AHistory* h)
    {
        gSelectedItem = h;
        BudgetUndo(h->Mi, h->Si);
    }
};

TEST_F(UndoMoveTest, UndoingACheckRaisesTheRunningBalancesAboveIt)
{
    Deposit(1, 0, 13000);
    AHistory* check = Check(1, 0, 3000, 1000);
    AHistory* deposit = Deposit(1, 0, 1000);
    ASSERT_EQ(Accounts[1][0].Balance, 11000);
    const int32_t book = Accounts[0][1].Balance;
    Undo(check);
    EXPECT_EQ(Accounts[1][0].Balance, 14000);
    EXPECT_EQ(Accounts[0][1].Balance, book + 3000);
    EXPECT_EQ(deposit->Balance, 14000);
    EXPECT_EQ(check->Balance, 13000);
    EXPECT_EQ(check->HistoryFP->Balance, 13000);  // older records keep theirs
    EXPECT_TRUE(check->UnDone);
    EXPECT_EQ(check->BalanceRec, nullptr);
    EXPECT_TRUE(Withdrawals().empty());
    EXPECT_EQ(gCheckDisplayLines, 0);
    EXPECT_EQ(gSelectedItem, nullptr);
    ExpectCheckbookInStep();
}

TEST_F(UndoMoveTest, WhatCannotBeUndoneIsRefusedOrLeftAlone)
{
    AHistory* check = Check(0, 0, 100, 1000);
    Undo(check);
    host.Messages.clear();
    Undo(check);  // twice
    EXPECT_EQ(host.OnlyMessage(), "This transaction can not be undone.\r\r\r\rPlease try again.");

    AHistory* from = RecordTransfer(0, 0, 1, 0, 500, "12/01/26", "");
    host.Messages.clear();
    Undo(from);
    EXPECT_EQ(host.Messages.size(), 1u);

    AHistory* reconciled = Check(0, 0, 100, 1001);
    static_cast<CBalance*>(reconciled->BalanceRec)->BChecked = 1;
    BalanceCheckbook();
    host.Messages.clear();
    Undo(reconciled);
    EXPECT_EQ(host.Messages.size(), 1u);

    // A savings withdrawal has no balancing record: nothing happens, silently.
    Deposit(3, 0, 1000);
    AHistory* savings = Check(3, 0, 100, 0);
    host.Messages.clear();
    Undo(savings);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_FALSE(savings->UnDone);

    // The selected record of another account: nothing.
    AHistory* other = Check(0, 0, 100, 1002);
    gSelectedItem = other;
    BudgetUndo(1, 0);
    EXPECT_FALSE(other->UnDone);
}

TEST_F(UndoMoveTest, UndoingOnePieceOfAPayEntryUndoesItEverywhere)
{
    int32_t book = Accounts[0][1].Balance;
    std::vector<AHistory*> pieces;
    for (int Mi : {1, 2, 0}) {
        AHistory* h = CreditAccount(Mi, 0, 1000 * (Mi + 1), "Employer", "12/01/26", "");
        h->PayFlag = 1;
        h->PayID = 3;
        CreateBalanceRecord(h);
        pieces.push_back(h);
    }
    ASSERT_EQ(Accounts[0][1].Balance, book + 6000);
    Undo(pieces[1]);
    for (AHistory* h : pieces)
        EXPECT_TRUE(h->UnDone);
    EXPECT_EQ(Accounts[1][0].Balance, 0);
    EXPECT_EQ(Accounts[2][0].Balance, 0);
    EXPECT_EQ(Accounts[0][1].Balance, book);
    EXPECT_EQ(FindIndicator(3), nullptr);
    ExpectCheckbookInStep();
}

TEST_F(UndoMoveTest, AvailableNeverMovesAndMainAccountsOnlyOntoAccounts)
{
    const struct {
        int fm1, fm2, to1, to2;
        const char* message;
    } refused[] = {
        {0, 0, 5, 0, "Invalid move.\rYou can not move\rthe Available account.\r"},
        {1, 0, 0, 0, "Invalid move.\rYou can not move\rthe Available account.\r"},
        {1, 0, 2, 5, "Invalid move.\rYou can not move a main account\rto a sub account position.\r"},
    };
    for (const auto& c : refused) {
        host.Messages.clear();
        SwitchAccounts(c.fm1, c.fm2, c.to1, c.to2);
        EXPECT_EQ(host.OnlyMessage(), c.message);
    }
    EXPECT_STREQ(Accounts[1][0].Name, "Food");
    EXPECT_FALSE(Accounts[2][5].Valid);
}

TEST_F(UndoMoveTest, AMainAccountOntoASubAccountTradesPlacesAndTheCategoryStays)
{
    Deposit(1, 0, 700);
    SwitchAccounts(1, 0, 2, 1);
    EXPECT_STREQ(Accounts[2][1].Name, "Food");
    EXPECT_STREQ(Accounts[1][0].Name, "Gas");
    EXPECT_STREQ(Accounts[2][0].SubName, "Vehicle");
    EXPECT_EQ(Accounts[2][0].NumberOfSubAccounts, 2);
    EXPECT_EQ(Accounts[1][0].NumberOfSubAccounts, 0);
    EXPECT_EQ(MemoryAccounts[2][1].HistoryRec->Mi, 2);
    EXPECT_EQ(MemoryAccounts[2][1].HistoryRec->Si, 1);
    EXPECT_FALSE(Accounts[0][6].Valid);  // the exchange slot is empty again
}

TEST_F(UndoMoveTest, ASubAccountMovedToAnotherMainAccountChangesBothCounts)
{
    Deposit(2, 2, 900);
    SwitchAccounts(2, 2, 1, 4);
    EXPECT_EQ(Accounts[2][0].NumberOfSubAccounts, 1);
    EXPECT_EQ(Accounts[1][0].NumberOfSubAccounts, 1);
    EXPECT_FALSE(Accounts[2][2].Valid);
    const AHistory* h = MemoryAccounts[1][4].HistoryRec;
    EXPECT_EQ(h->Mi, 1);
    EXPECT_EQ(h->Si, 4);
    EXPECT_EQ(Accounts[1][4].Balance, 900);

    // Whole main accounts trade rows with their sub accounts and counts.
    SwitchAccounts(2, 0, 5, 0);
    EXPECT_STREQ(Accounts[5][1].Name, "Gas");
    EXPECT_EQ(Accounts[5][0].NumberOfSubAccounts, 1);
    EXPECT_STREQ(Accounts[5][0].SubName, "Vehicle");
    EXPECT_FALSE(Accounts[2][0].Valid);
    EXPECT_EQ(Accounts[2][0].NumberOfSubAccounts, 0);
}

TEST_F(UndoMoveTest, OnlyAccountsWithoutOpenBusinessMayBeDeleted)
{
    RecordTransfer(0, 0, 1, 0, 1000, "12/01/26", "");
    Check(1, 0, 100, 1000);
    Deposit(3, 0, 500);
    RecordTransfer(0, 0, 2, 1, 1000, "12/01/26", "");
    AHistory* undone = Check(2, 1, 100, 1001);
    Undo(undone);
    RecordTransfer(0, 0, 2, 1, 100, "12/01/26", "");
    Account(5, 0, "Trips");
    RecordTransfer(0, 0, 5, 0, 500, "12/01/26", "");
    RecordTransfer(5, 0, 3, 0, 500, "12/01/26", "");  // left the bank account: waits for the statement
    const struct {
        int Mi, Si;
        const char* why;  // nullptr: the dialog runs
    } cases[] = {
        {4, 0, ""},
        {0, 0, "You can't delete the available account."},
        {0, 1, ""},  // the Checkbook
        {2, 0, "It has sub accounts."},
        {1, 0, "It has unbalanced transactions."},
        {5, 0, "It has unbalanced transactions."},
        {3, 0, nullptr},
        {2, 1, nullptr},
    };
    for (const auto& c : cases) {
        host.Messages.clear();
        host.DeleteDialogs.clear();
        DeleteAccount(c.Mi, c.Si);
        if (c.why) {
            EXPECT_EQ(host.OnlyMessage(), std::string("This account can not be deleted.\r\r") + c.why +
                                              "\r\rPlease try again.");
            EXPECT_TRUE(host.DeleteDialogs.empty());
        } else {
            EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
            EXPECT_EQ(host.DeleteDialogs.size(), 1u);
        }
    }
}

TEST_F(UndoMoveTest, RecordingSetsWhatTheDialogsSet)
{
    RecordTransfer(0, 0, 1, 0, 10000, "12/01/26", "");
    gBudget.HighestIdent = 120;
    AHistory* check = Check(1, 0, 100, 120);
    EXPECT_EQ(gBudget.HighestIdent, 121);
    Check(1, 0, 100, 50);
    EXPECT_EQ(gBudget.HighestIdent, 121);
    Check(1, 0, 100, 500);
    EXPECT_EQ(gBudget.HighestIdent, 501);
    EXPECT_EQ(check->Tri, 1);
    EXPECT_EQ(check->HFlag, 1);
    EXPECT_EQ(check->ATM, 0);
    EXPECT_EQ(MemoryAccounts[1][0].DisplayLines, 1 + 3 * 2);  // the transfer in has one line

    AHistory* debit = Debit(1, 0, 100);
    EXPECT_EQ(debit->ATM, 255);
    EXPECT_EQ(debit->CheckID, 0);
    AHistory* atm = ATM(1, 0, 100);
    EXPECT_EQ(atm->ATM, 1);
    EXPECT_STREQ(atm->PayToFm, "ATM Cash");
    EXPECT_EQ(atm->Tri, 0);
    Deposit(3, 0, 1000);
    AHistory* savingsCheck = Check(3, 0, 100, 777);
    EXPECT_EQ(savingsCheck->CheckID, 0);
    EXPECT_EQ(gBudget.HighestIdent, 501);

    // Account setup writes the log entries of new and renamed accounts.
    const int32_t none[kPayers][kPaysPerMonth] = {};
    RecordAccountSetup(1, 0, "Groceries", false, none);
    EXPECT_STREQ(MemoryAccounts[0][1].HistoryRec->PayToFm, "Food changed to Groceries");
    RecordAccountSetup(3, 1, "Rainy Day", false, none);
    EXPECT_STREQ(MemoryAccounts[0][1].HistoryRec->PayToFm, "Rainy Day sub account added to budget");
    EXPECT_EQ(Accounts[3][1].SavingsFlag, 1);  // a sub account of savings is savings
    EXPECT_EQ(Accounts[3][0].NumberOfSubAccounts, 1);
}

}  // namespace
