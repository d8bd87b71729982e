// Undoing transactions, moving accounts and the checks before deleting one.
#include "LedgerFixture.h"

#include "ledger/Accounts.h"
#include "ledger/Balance.h"
#include "ledger/Budget.h"
#include "ledger/Recording.h"
#include "ledger/Undo.h"
#include "model/Globals.h"
#include "model/Money.h"

#include <string>

namespace {

class UndoMoveTest : public LedgerFixture {
protected:
    void SetUp() override
    {
        LedgerFixture::SetUp();
        RecordTestAccount(1, 0, "Food");
        RecordTestAccount(2, 0, "Car");
        RecordTestAccount(2, 1, "Gas");
        RecordTestAccount(2, 2, "Repairs");
        CopyString("Vehicle", Accounts[2][0].SubName);
        RecordTestAccount(3, 0, "Savings", true);
        Deposit(0, 0, 100000);
    }

    void Undo(AHistory* h)
    {
        gSelectedItem = h;
        BudgetUndo(h->Mi, h->Si);
    }
};

// A record undone already, a transfer and a reconciled record are refused with a message. (The
// random ledger runs check that a savings record or the record of another account is left alone,
// and the running balances and the Checkbook after every undo.)
TEST_F(UndoMoveTest, WhatCannotBeUndoneIsRefused)
{
    AHistory* undone = Check(0, 0, 100, 1000);
    Undo(undone);
    AHistory* reconciled = Check(0, 0, 100, 1001);
    ReconcileAll();
    for (AHistory* h : {undone, RecordTransfer(0, 0, 1, 0, 500, "12/01/26", ""), reconciled}) {
        host.Messages.clear();
        Undo(h);
        EXPECT_EQ(host.OnlyMessage(), "This transaction can not be undone.\r\r\r\rPlease try again.");
    }
}

// "Available" never moves and a main account only onto a main position or an account. The category
// name stays with its row; whole main accounts trade rows with their sub accounts.
TEST_F(UndoMoveTest, AccountsTradePlacesAndTheCategoryStaysWithItsRow)
{
    const struct { int fm1, fm2, to1, to2; const char* message; } refused[] = {
        {0, 0, 5, 0, "Invalid move.\rYou can not move\rthe Available account.\r"},
        {1, 0, 0, 0, "Invalid move.\rYou can not move\rthe Available account.\r"},
        {1, 0, 2, 5, "Invalid move.\rYou can not move a main account\rto a sub account position.\r"},
    };
    for (const auto& c : refused) {
        host.Messages.clear();
        SwitchAccounts(c.fm1, c.fm2, c.to1, c.to2);
        EXPECT_EQ(host.OnlyMessage(), c.message);
    }
    SwitchAccounts(1, 0, 2, 1);
    EXPECT_EQ(std::string(Accounts[2][1].Name) + " " + Accounts[1][0].Name + " " + Accounts[2][0].SubName,
              "Food Gas Vehicle");
    SwitchAccounts(2, 2, 1, 4);
    EXPECT_TRUE(!Accounts[2][2].Valid && Accounts[1][4].Valid);
    SwitchAccounts(2, 0, 5, 0);
    EXPECT_EQ(std::string(Accounts[5][1].Name) + " " + Accounts[5][0].SubName, "Food Vehicle");
    EXPECT_FALSE(Accounts[2][0].Valid);
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
    RecordTestAccount(5, 0, "Trips");
    RecordTransfer(0, 0, 5, 0, 500, "12/01/26", "");
    RecordTransfer(5, 0, 3, 0, 500, "12/01/26", "");  // left the bank account: waits for the statement
    // why: nullptr when the dialog runs.
    const struct { int Mi, Si; const char* why; } cases[] = {
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

}  // namespace
