// Find: the criteria against records, stepping through the accounts, "Found Items" and what a
// save, undo and the editor make of its copies.
#include "support/FileFixture.h"
#include "support/SampleBudget.h"

#include "find/Find.h"
#include "ledger/Accounts.h"
#include "ledger/Balance.h"
#include "ledger/Edit.h"
#include "ledger/Recording.h"
#include "ledger/Undo.h"
#include "model/Globals.h"

#include <string>
#include <vector>

namespace {

class FindTest : public FileFixture {
protected:
    void SetUp() override
    {
        FileFixture::SetUp();
        Rebuild();
    }

    // A fresh budget. Available: Employer 2,500.00 (deposit 1001). Rent: Landlord, check 1002 of
    // 800.00 on 10/01/24 (For "October", Memo "Flat 4"), Refund 12.34 on 01/05/25 (For "Gas
    // deposit"). Car: Garage, check 1003 of 45.10 on 12/01/26, taxable, Memo "gas line", leaving
    // -5.10. Gas: Shell Gas Station, check 1001 of 12.34 on 09/14/24, taxable, For "Fuel" (balance
    // 37.66), Corner Store, a debit of 12.34 on 09/20/24. Savings: Bank 7.00 on 03/03/25.
    void Rebuild()
    {
        ReleaseBudgetRecords();
        InitApp();
        NewBudget();
        gFindCriteria = {};
        gFAll = 0;
        AddTestAccount(1, 0, "Rent");
        AddTestAccount(2, 0, "Car");
        AddTestAccount(2, 1, "Gas");
        AddTestAccount(3, 0, "Savings", true);
        Accounts[1][0].Balance = 100000;
        Accounts[2][0].Balance = 4000;
        Accounts[2][1].Balance = 5000;
        Accounts[3][0].Balance = 10000;
        Accounts[0][1].Balance = 109000;
        gBudget.UniqueID = 1000;
        host.ShortfallAnswer = ScriptedHost::Shortfall::WithdrawalOnly;
        ASSERT_TRUE(RecordDeposit(0, 0, 250000, "Employer", "12/01/26", "Pay", false));
        ASSERT_TRUE(RecordCheck(1, 0, {80000, "10/01/24", "Landlord", "October", "Flat 4", 1002}));
        ASSERT_TRUE(RecordDeposit(1, 0, 1234, "Refund", "01/05/25", "Gas deposit", false));
        ASSERT_TRUE(RecordCheck(2, 0, {.Amount = 4510, .Datime = "12/01/26", .PayTo = "Garage", .Memo = "gas line",
                                       .Number = 1003, .Tax = true}));
        ASSERT_TRUE(RecordCheck(2, 1, {.Amount = 1234, .Datime = "09/14/24", .PayTo = "Shell Gas Station",
                                       .For = "Fuel", .Number = 1001, .Tax = true}));
        ASSERT_TRUE(RecordCheck(2, 1, {.Amount = 1234, .Datime = "09/20/24", .PayTo = "Corner Store", .Debit = true}));
        ASSERT_TRUE(RecordCheck(3, 0, {.Amount = 700, .Datime = "03/03/25", .PayTo = "Bank"}));
        host.Messages.clear();
    }

    // Searches for 12.34 with Find All: "Found Items" holds three copies.
    void FindAll12()
    {
        ASSERT_EQ(ReadFindCriteria({.Amount = "12.34"}, gFindCriteria), FindField::None);
        BeginFind(FindStep::FindAll);
        ASSERT_EQ(FindIt(), 1);
    }

    // The titles of the messages so far, each ended by ";".
    std::string Titles() const
    {
        std::string all;
        for (const CapturedMessage& m : host.Messages)
            all += m.Title + ";";
        return all;
    }
    // The payees of every hit, in order.
    static std::string ListedPayees()
    {
        std::string all;
        for (const ListedHit& hit : ListFindHits())
            all += (all.empty() ? "" : ", ") + std::string(hit.Record->PayToFm);
        return all;
    }
    // Find or Find Next as the menu runs it: the payee of the hit shown, or "-" for none.
    static std::string Step()
    {
        gFAll = 0;
        FindHit hit;
        return FindIt(&hit) ? std::string(hit.Record->PayToFm) : "-";
    }
};

// Each criterion alone, AND and OR of two, letter case, month names, two- and four-digit years,
// tax, exact amounts and balances; a refused field is told and leaves the criteria as they were.
TEST_F(FindTest, CriteriaSelectExactlyTheirRecords)
{
    const char* everything = "Employer, Refund, Landlord, Garage, Corner Store, Shell Gas Station, Bank";
    const struct {
        FindTexts texts;
        const char* hits;  // or the title of the refusal
        FindField refused = FindField::None;
    } cases[] = {
        {{}, everything},
        {{.Or = true}, ""},
        {{.Payee = "Gas"}, "Shell Gas Station"},
        {{.Payee = "gas"}, ""},
        {{.Payee = "gas", .IgnoreCase = true}, "Shell Gas Station"},
        {{.Payee = "d"}, "Refund, Landlord"},
        {{.For = "Fuel"}, "Shell Gas Station"},
        {{.Memo = "GAS", .IgnoreCase = true}, "Garage"},
        {{.Memo = "Flat 4 and more"}, ""},
        {{.Month = "september"}, "Corner Store, Shell Gas Station"},
        {{.Month = "9"}, "Corner Store, Shell Gas Station"},
        {{.Month = "DEC"}, "Employer, Garage"},
        {{.Year = "24"}, "Landlord, Corner Store, Shell Gas Station"},
        {{.Year = "2024"}, "Landlord, Corner Store, Shell Gas Station"},
        {{.Year = "5"}, ""},
        {{.Amount = "12.34"}, "Refund, Corner Store, Shell Gas Station"},
        {{.Amount = "12.35"}, ""},
        {{.Amount = "12.34", .Tax = true}, "Shell Gas Station"},
        {{.Amount = "12.34", .Tax = true, .Or = true}, "Refund, Garage, Corner Store, Shell Gas Station"},
        {{.Balance = "37.66"}, "Shell Gas Station"},
        {{.Balance = "-5.10"}, "Garage"},
        {{.Number = "1001"}, "Shell Gas Station"},  // not the deposit numbered 1001
        {{.Payee = "Gas", .For = "Gas"}, ""},
        {{.Payee = "Gas", .For = "Gas", .Or = true}, "Refund, Shell Gas Station"},
        {{.Month = "Foo"}, "Input Error", FindField::Month},
        {{.Month = "13"}, "Input Error", FindField::Month},
        {{.Year = "1999"}, "Input Error", FindField::Year},
        {{.Year = "2100"}, "Input Error", FindField::Year},
        {{.Year = "124"}, "Input Error", FindField::Year},
        {{.Year = "24a"}, "Number Conversion Error", FindField::Year},
        {{.Amount = "-12.34"}, "Money Conversion Error", FindField::Amount},
        {{.Balance = "1x"}, "Money Conversion Error", FindField::Balance},
        {{.Number = "0"}, "Range Error", FindField::Number},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << &c - cases);
        host.Messages.clear();
        gFindCriteria = {.Payee = "before"};
        EXPECT_EQ(ReadFindCriteria(c.texts, gFindCriteria), c.refused) << host.AllMessages();
        if (c.refused != FindField::None) {
            EXPECT_EQ(Titles(), std::string(c.hits) + ";");
            EXPECT_EQ(gFindCriteria.Payee, "before");
            continue;
        }
        EXPECT_EQ(ListedPayees(), c.hits);
        // The dialog shows the criteria again when it opens; read back, they find the same.
        EXPECT_EQ(ReadFindCriteria(FindCriteriaTexts(gFindCriteria), gFindCriteria), FindField::None);
        EXPECT_EQ(ListedPayees(), c.hits) << "shown again";
    }
}

// Find Next goes on across accounts; after the last hit nothing is found and the next starts at
// the main account of the last hit. Moving or deleting an account starts from the first account.
TEST_F(FindTest, FindNextStepsThroughEveryAccountAndStartsAgainAfterTheEnd)
{
    BeginFind(FindStep::Find);
    EXPECT_EQ(Step(), "Employer");  // nothing asked: the newest record of the first account
    ASSERT_EQ(ReadFindCriteria({.Amount = "12.34"}, gFindCriteria), FindField::None);
    BeginFind(FindStep::Find);
    EXPECT_EQ(Step(), "Refund");
    ASSERT_TRUE(RecordDeposit(1, 0, 1234, "Late", "12/02/26", "", false));  // before the stored place
    std::vector<std::string> shown;
    for (int k = 0; k < 5; ++k)
        shown.push_back(Step());
    EXPECT_EQ(shown, (std::vector<std::string>{"Corner Store", "Shell Gas Station", "-", "Corner Store",
                                               "Shell Gas Station"}));

    const struct { void (*act)(); const char* next; } cases[] = {
        {[] { SwitchAccounts(2, 1, 1, 0); }, "Corner Store"},  // Gas moved to Rent's place
        {[] { ASSERT_EQ(CloseAccount(2, 1), 1); }, "Refund"},  // Gas deleted
    };
    for (const auto& c : cases) {
        Rebuild();
        ASSERT_EQ(ReadFindCriteria({.Amount = "12.34"}, gFindCriteria), FindField::None);
        BeginFind(FindStep::Find);
        ASSERT_EQ(Step(), "Refund");
        ASSERT_EQ(Step(), "Corner Store");
        c.act();
        EXPECT_EQ(Step(), c.next) << c.next;
    }
}

// Find All copies every hit into "Found Items", last hit first, with the hit count; a copy only
// shows a transaction (undo and the editor refuse it); the next search releases the copies.
TEST_F(FindTest, FindAllCollectsCopiesThatOnlyShowTransactions)
{
    FindAll12();
    const ARecord& found = Accounts[kFoundMi][kFoundSi];
    AHistory* copies = MemoryAccounts[kFoundMi][kFoundSi].HistoryRec;
    std::string payees;
    for (const AHistory* h = copies; h; h = h->HistoryFP) {
        payees += std::string(h->PayToFm) + ";";
        EXPECT_EQ(h->BalanceRec, nullptr) << h->PayToFm;
        EXPECT_TRUE(IsFoundCopy(h));
    }
    EXPECT_EQ(payees, "Shell Gas Station;Corner Store;Refund;");
    EXPECT_EQ(std::tuple(found.Balance, found.FoundFlag, MemoryAccounts[kFoundMi][kFoundSi].DisplayLines),
              std::tuple(3, 1, 6));  // two lines a copy
    EXPECT_EQ(MemoryAccounts[2][1].HistoryRec->Found, 0);  // Corner Store's mark has served
    EXPECT_FALSE(IsFoundCopy(MemoryAccounts[2][1].HistoryRec));

    const std::vector<uint8_t> before = Image();
    gSelectedItem = copies;
    BudgetUndo(kFoundMi, kFoundSi);
    EXPECT_EQ(CheckEditable(copies), 0);
    EXPECT_EQ(RecordEdit(copies, {.Amount = 2000, .Datime = "09/15/24", .PayTo = "Changed"}), 0);
    EXPECT_EQ(EditAmt(copies, 2000), 0);
    EXPECT_EQ(Titles(), "Selection Error;Selection Error;Selection Error;Selection Error;");
    EXPECT_EQ(std::tuple(copies->UnDone, copies->Amt), std::tuple(char{0}, 1234));
    EXPECT_EQ(Image(), before);

    BeginFind(FindStep::FindAll);
    ASSERT_EQ(ReadFindCriteria({.Payee = "nobody"}, gFindCriteria), FindField::None);
    EXPECT_EQ(FindIt(), 0);
    EXPECT_EQ(MemoryAccounts[kFoundMi][kFoundSi].HistoryRec, nullptr);
    EXPECT_EQ(gSelectedItem, nullptr);
    EXPECT_EQ(std::tuple(found.Balance, found.FoundFlag, std::string(found.Name)), std::tuple(0, 0, "Found Items"));
}

// A save with "Found Items" full writes what the same budget writes without it, also after an
// original was undone and the rest balanced, and the file reads back to that budget.
TEST_F(FindTest, SavingAfterFindAllWritesNoCopy)
{
    std::vector<uint8_t> images[2];
    for (const bool findAll : {false, true}) {
        Rebuild();
        if (findAll)
            FindAll12();
        gSelectedItem = MemoryAccounts[2][1].HistoryRec->HistoryFP;  // Shell Gas Station
        BudgetUndo(2, 1);
        for (CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
            SetBalanceTick(c, true);
        for (DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
            SetBalanceTick(d, true);
        BalanceCheckbook();
        images[findAll] = Image();
    }
    EXPECT_EQ(images[1], images[0]);
    ASSERT_EQ(ReadBudgetImage(images[1].data(), images[1].size()), 1) << host.AllMessages();
    EXPECT_EQ(MemoryAccounts[kFoundMi][kFoundSi].HistoryRec, nullptr);
    EXPECT_EQ(Accounts[kFoundMi][kFoundSi].FoundFlag, 0);
    EXPECT_EQ(Image(), images[1]);
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
}

}  // namespace
