// Editing recorded transactions: what is kept or refused, the pieces of a multiple deposit, and
// transfers between moved accounts. (The random ledger runs check the balances and every link of
// the ledger after edits of every kind.)
#include "LedgerFixture.h"

#include "ledger/Accounts.h"
#include "ledger/Balance.h"
#include "ledger/Budget.h"
#include "ledger/Edit.h"
#include "ledger/Recording.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Money.h"

#include <functional>

namespace {

// Food 1,000.00, Rent 500.00 and the savings account Savings 200.00; the Checkbook holds 1,500.00
// and may not go below 0.
class EditTest : public LedgerFixture {
protected:
    void SetUp() override
    {
        LedgerFixture::SetUp();
        RecordTestAccount(1, 0, "Food");
        RecordTestAccount(2, 0, "Rent");
        RecordTestAccount(3, 0, "Savings", true);
        for (const auto& [Mi, amount] : {std::pair{1, 100000}, {2, 50000}, {3, 20000}})
            Deposit(Mi, 0, amount);
        host.Messages.clear();
    }
    void Restart()
    {
        TearDown();
        host = ScriptedHost();
        SetUp();
    }
    static int32_t Held(int Mi) { return Accounts[Mi][0].Balance; }

    // The editor's OK with a new amount (and check number), the date 11/20/26 and For "Edited".
    static int Edit(AHistory* h, int32_t amount, uint32_t number = 0)
    {
        const std::string payTo = h->PayToFm, memo = h->Memo;
        return RecordEdit(h, {amount, "11/20/26", payTo.c_str(), "Edited", memo.c_str(),
                              number ? number : static_cast<uint32_t>(h->CheckID), h->TaxFlag != 0});
    }
};

// What keeps its amount changes no balance, but the date and texts of the same edit are stored.
TEST_F(EditTest, KeptAndRefusedAmountsLeaveTheBalancesAndStoreTheDateAndTexts)
{
    // title: of the message that refuses, "" when kept silently.
    const struct { std::function<AHistory*()> make; int32_t amount; const char* title; } cases[] = {
        {[this] {
             AHistory* h = Check(1, 0, 5000, 1001);
             static_cast<CBalance*>(h->BalanceRec)->BChecked = 1;
             BalanceCheckbook();
             return h;
         },
         8000, ""},  // reconciled: keeps its number too
        {[this] { return Check(1, 0, 5000, 1001); }, 160000, "Input Error"},  // the Checkbook below 0
        {[this] { return Deposit(1, 0, 5000); }, 99850000, "Range Error"},  // the Checkbook at 1,000,000.00
    };
    for (const auto& c : cases) {
        Restart();
        AHistory* h = c.make();
        const std::vector before = {Held(1), Accounts[0][1].Balance, h->CheckID};
        EXPECT_EQ(Edit(h, c.amount, *c.title ? 0 : 1500), 0) << c.amount;
        EXPECT_EQ(host.Messages.empty() ? "" : host.Messages[0].Title, c.title) << c.amount;
        EXPECT_EQ(std::to_string(h->Amt) + " " + std::string(h->Datime, 8) + " " + h->For, "5000 11/20/26 Edited");
        EXPECT_EQ(std::vector({Held(1), Accounts[0][1].Balance, h->CheckID}), before) << c.amount;
    }
}

// A multiple deposit: pay pieces in Food, Savings (no balancing record) and Rent, a row in Rent,
// and the Checkbook's summary. The pieces share the deposit's date, the pay pieces their texts,
// also when edited at the savings piece; a row keeps its own texts, and its new amount moves the
// deposit and its summary with it, so the deposit stays the sum of its pieces.
TEST_F(EditTest, ThePiecesOfADepositShareItsDateAndThePayPiecesTheirTexts)
{
    std::vector<AHistory*> pieces;
    for (const auto& [Mi, pay] : {std::pair{1, true}, {3, true}, {2, true}, {2, false}}) {
        pieces.push_back(CreditAccount(Mi, 0, 1000, "Employer", "11/10/26", "Pay"));
        pieces.back()->PayID = 50;
        pieces.back()->PayFlag = pay;
        if (Mi != 3)
            CreateBalanceRecord(pieces.back());
    }
    AHistory* summary = CheckbookLogRecord("Main Checkbook Deposit");
    summary->PayFlag = summary->MultiDeposit = 1;
    summary->PayID = 50;
    summary->Amt = 3000;
    EXPECT_EQ(Edit(pieces[1], 1000), 1);
    for (const AHistory* h : pieces)
        EXPECT_EQ(std::string(h->Datime, 8) + " " + h->For, "11/20/26 Edited") << h->Mi;
    EXPECT_EQ(Deposits().front(), "11/20/26 3000");
    EXPECT_EQ(Edit(pieces[0], 4000), 0);
    EXPECT_EQ(host.OnlyMessage(), "You can not edit this Transaction\r\r\r\rPlease try again.");

    CopyString("Pay", pieces[0]->For);
    EXPECT_EQ(Edit(pieces[3], 1500), 1);
    EXPECT_EQ(std::string(pieces[0]->For) + " " + pieces[3]->For, "Pay Edited");
    EXPECT_EQ(std::vector({FindIndicator(50)->BAmount, summary->Amt}), std::vector({3500, 3500}));
}

// Moving accounts leaves the transfer links naming where the accounts were: the transfer is still
// edited as a whole, or refused as a whole when its other half cannot be told.
TEST_F(EditTest, ATransferBetweenMovedAccountsIsEditedAsAWholeOrNotAtAll)
{
    for (const bool renamed : {false, true}) {
        Restart();
        AHistory* from = RecordTransfer(1, 0, 2, 0, 5000, "11/05/26", "");
        AHistory* to = MemoryAccounts[2][0].HistoryRec;
        Deposit(2, 0, 700);
        SwitchAccounts(1, 0, 2, 0);
        SwitchAccounts(1, 0, 5, 0);  // neither is where its link says now
        if (renamed)
            CopyString("Lease", Accounts[5][0].Name);
        const int32_t food = Held(from->Mi), rent = Held(to->Mi), moved = renamed ? 0 : 3000;
        EXPECT_EQ(EditAmt(from, 2000), renamed ? 0 : 1);
        EXPECT_EQ(std::vector({from->Amt, to->Amt, Held(from->Mi) - food, Held(to->Mi) - rent}),
                  std::vector({5000 - moved, 5000 - moved, moved, -moved}));
    }
}

}  // namespace
