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
        gFindCriteria = {};
        gFAll = 0;
        BuildBudget();
        host.Messages.clear();
    }

    // Available: Employer 2,500.00 (deposit number 1001). Rent: Landlord, check 1002 of 800.00 on
    // 10/01/24 (For "October", Memo "Flat 4"), then Refund 12.34 on 01/05/25 (For "Gas deposit").
    // Car: Garage, check 1003 of 45.10 on 12/01/26, taxable, Memo "gas line", leaving -5.10. Gas:
    // Shell Gas Station, check 1001 of 12.34 on 09/14/24, taxable, For "Fuel" (balance 37.66),
    // then Corner Store, a debit of 12.34 on 09/20/24 (25.32). Savings: Bank 7.00 on 03/03/25.
    void BuildBudget()
    {
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
    }

    void Search(const FindTexts& texts)
    {
        ASSERT_EQ(ReadFindCriteria(texts, gFindCriteria), FindField::None) << host.AllMessages();
    }

    // The payees of a chain or of every hit, in order.
    static std::string Payees(const AHistory* h)
    {
        std::string all;
        for (; h; h = h->HistoryFP)
            all += (all.empty() ? "" : ", ") + std::string(h->PayToFm);
        return all;
    }
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
    static const AHistory* Record(int Mi, int Si, const char* payee)
    {
        for (const AHistory* h = MemoryAccounts[Mi][Si].HistoryRec; h; h = h->HistoryFP)
            if (std::string(h->PayToFm) == payee)
                return h;
        return nullptr;
    }
};

// Each criterion alone, two together with AND and OR, letter case, month names, two- and four-
// digit years, tax, and amounts and balances taken exactly; a field that cannot be read is
// refused with its message and the criteria stay as they were.
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
        {{.Payee = "Gas", .IgnoreCase = true}, "Shell Gas Station"},
        {{.Payee = "d"}, "Refund, Landlord"},
        {{.For = "Fuel"}, "Shell Gas Station"},
        {{.Memo = "GAS", .IgnoreCase = true}, "Garage"},
        {{.Memo = "Flat 4 and more"}, ""},
        {{.Month = "september"}, "Corner Store, Shell Gas Station"},
        {{.Month = "Sep"}, "Corner Store, Shell Gas Station"},
        {{.Month = "9"}, "Corner Store, Shell Gas Station"},
        {{.Month = "DEC"}, "Employer, Garage"},
        {{.Year = "24"}, "Landlord, Corner Store, Shell Gas Station"},
        {{.Year = "2024"}, "Landlord, Corner Store, Shell Gas Station"},
        {{.Year = "5"}, ""},
        {{.Year = "2025"}, "Refund, Bank"},
        {{.Amount = "12.34"}, "Refund, Corner Store, Shell Gas Station"},
        {{.Amount = "$12.34"}, "Refund, Corner Store, Shell Gas Station"},
        {{.Amount = "12.35"}, ""},
        {{.Amount = "12.34", .Tax = true}, "Shell Gas Station"},
        {{.Amount = "12.34", .Tax = true, .Or = true}, "Refund, Garage, Corner Store, Shell Gas Station"},
        {{.Balance = "37.66"}, "Shell Gas Station"},
        {{.Balance = "-5.10"}, "Garage"},
        {{.Balance = "12.34"}, ""},
        {{.Number = "1001"}, "Shell Gas Station"},  // not the deposit numbered 1001
        {{.Payee = "Shell", .For = "Fuel"}, "Shell Gas Station"},
        {{.Payee = "Gas", .For = "Gas"}, ""},
        {{.Payee = "Gas", .For = "Gas", .Or = true}, "Refund, Shell Gas Station"},
        {{.Month = "Foo"}, "Input Error", FindField::Month},
        {{.Month = "13"}, "Input Error", FindField::Month},
        {{.Year = "1999"}, "Input Error", FindField::Year},
        {{.Year = "2100"}, "Input Error", FindField::Year},
        {{.Year = "124"}, "Input Error", FindField::Year},
        {{.Year = "24a"}, "Number Conversion Error", FindField::Year},
        {{.Amount = "12.345"}, "Money Conversion Error", FindField::Amount},
        {{.Amount = "-12.34"}, "Money Conversion Error", FindField::Amount},
        {{.Balance = "1x"}, "Money Conversion Error", FindField::Balance},
        {{.Number = "0"}, "Range Error", FindField::Number},
        {{.Number = "#5"}, "Number Conversion Error", FindField::Number},
    };
    for (const auto& c : cases) {
        const std::string row = c.texts.Payee + "|" + c.texts.For + "|" +
                                c.texts.Memo + "|" + c.texts.Month + "|" + c.texts.Year + "|" + c.texts.Amount + "|" +
                                c.texts.Balance + "|" + c.texts.Number + (c.texts.Or ? " or" : "");
        host.Messages.clear();
        gFindCriteria = {.Payee = "before"};
        const FindField field = ReadFindCriteria(c.texts, gFindCriteria);
        EXPECT_EQ(field, c.refused) << row << ": " << host.AllMessages();
        if (c.refused != FindField::None) {
            ASSERT_EQ(host.Messages.size(), 1u) << row;
            EXPECT_EQ(host.Messages[0].Title, c.hits) << row;
            EXPECT_EQ(gFindCriteria.Payee, "before") << row;
            continue;
        }
        EXPECT_EQ(ListedPayees(), c.hits) << row;
        // The dialog shows the criteria again when it opens; read back, they find the same.
        EXPECT_EQ(ReadFindCriteria(FindCriteriaTexts(gFindCriteria), gFindCriteria), FindField::None) << row;
        EXPECT_EQ(ListedPayees(), c.hits) << row << " (shown again)";
    }
}

// Find shows the first hit, Find Next the following ones across accounts; after the last hit
// nothing is found, and the next Find Next starts again at the main account of the last hit.
TEST_F(FindTest, FindNextStepsThroughEveryAccountAndStartsAgainAfterTheEnd)
{
    BeginFind(FindStep::Find);
    EXPECT_EQ(Step(), "Employer");  // nothing asked: the newest record of the first account

    Search({.Amount = "12.34"});
    BeginFind(FindStep::Find);
    EXPECT_EQ(Step(), "Refund");
    // A record added to the account of the hit comes before the stored place; after the end
    // Find Next goes on from Car, the main account of the last hit, and never sees it.
    ASSERT_TRUE(RecordDeposit(1, 0, 1234, "Late", "12/02/26", "", false));
    std::vector<std::string> shown;
    for (int k = 0; k < 5; ++k)
        shown.push_back(Step());
    EXPECT_EQ(shown, (std::vector<std::string>{"Corner Store", "Shell Gas Station", "-", "Corner Store",
                                               "Shell Gas Station"}));
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
}

// Moving or deleting an account sends Find Next back to the first account: the stored place
// named a slot that now holds another account, or none.
TEST_F(FindTest, MovingOrDeletingAnAccountStartsFindNextFromTheFirstAccount)
{
    const struct {
        const char* what;
        void (*act)();
        const char* next;
    } cases[] = {
        {"Gas moved to Rent's place", [] { SwitchAccounts(2, 1, 1, 0); }, "Corner Store"},
        {"Gas deleted", [] { ASSERT_EQ(CloseAccount(2, 1), 1); }, "Refund"},
    };
    for (const auto& c : cases) {
        ReleaseBudgetRecords();
        InitApp();
        NewBudget();
        BuildBudget();
        Search({.Amount = "12.34"});
        BeginFind(FindStep::Find);
        ASSERT_EQ(Step(), "Refund");
        ASSERT_EQ(Step(), "Corner Store");
        c.act();
        EXPECT_EQ(Step(), c.next) << c.what;
    }
}

// Find All copies every hit into "Found Items", last hit first, with the hit count; the next
// search releases the copies and keeps the slot's name.
TEST_F(FindTest, FindAllCollectsCopiesThatClearingReleases)
{
    Search({.Amount = "12.34"});
    BeginFind(FindStep::FindAll);
    EXPECT_EQ(FindIt(), 1);
    const ARecord& found = Accounts[kFoundMi][kFoundSi];
    const AHistory* copies = MemoryAccounts[kFoundMi][kFoundSi].HistoryRec;
    EXPECT_EQ(Payees(copies), "Shell Gas Station, Corner Store, Refund");
    EXPECT_EQ(found.Balance, 3);
    EXPECT_EQ(found.FoundFlag, 1);
    int lines = 0;
    for (const AHistory* h = copies; h; h = h->HistoryFP) {
        EXPECT_EQ(h->BalanceRec, nullptr) << h->PayToFm;
        EXPECT_TRUE(IsFoundCopy(h));
        lines += h->HFlag ? 2 : 1;
    }
    EXPECT_EQ(MemoryAccounts[kFoundMi][kFoundSi].DisplayLines, lines);
    EXPECT_FALSE(IsFoundCopy(Record(2, 1, "Corner Store")));
    EXPECT_EQ(Record(2, 1, "Corner Store")->Found, 0);

    gSelectedItem = MemoryAccounts[kFoundMi][kFoundSi].HistoryRec;
    BeginFind(FindStep::FindAll);
    Search({.Payee = "nobody"});
    EXPECT_EQ(FindIt(), 0);
    EXPECT_EQ(MemoryAccounts[kFoundMi][kFoundSi].HistoryRec, nullptr);
    EXPECT_EQ(gSelectedItem, nullptr);
    EXPECT_EQ(found.Balance, 0);
    EXPECT_EQ(found.FoundFlag, 0);
    EXPECT_STREQ(found.Name, "Found Items");
}

// A save with "Found Items" full writes exactly what the same budget writes without it, also
// after an original was balanced or undone, and the file reads back to that budget.
TEST_F(FindTest, SavingAfterFindAllWritesNoCopy)
{
    const struct {
        const char* what;
        void (*act)();
    } cases[] = {
        {"nothing else", [] {}},
        {"balanced",
         [] {
             for (CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
                 SetBalanceTick(c, true);
             for (DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
                 SetBalanceTick(d, true);
             BalanceCheckbook();
         }},
        {"undone",
         [] {
             gSelectedItem = MemoryAccounts[2][1].HistoryRec->HistoryFP;  // Shell Gas Station
             BudgetUndo(2, 1);
         }},
    };
    std::vector<uint8_t> without;
    for (const auto& c : cases) {
        for (const bool findAll : {false, true}) {
            ReleaseBudgetRecords();
            InitApp();
            NewBudget();
            BuildBudget();
            if (findAll) {
                Search({.Amount = "12.34"});
                BeginFind(FindStep::FindAll);
                ASSERT_EQ(FindIt(), 1);
            }
            c.act();
            const std::vector<uint8_t> image = Image();
            if (!findAll) {
                without = image;
                continue;
            }
            EXPECT_EQ(image, without) << c.what;
            ASSERT_EQ(ReadBudgetImage(image.data(), image.size()), 1) << host.AllMessages();
            EXPECT_EQ(MemoryAccounts[kFoundMi][kFoundSi].HistoryRec, nullptr) << c.what;
            EXPECT_EQ(Accounts[kFoundMi][kFoundSi].FoundFlag, 0) << c.what;
            EXPECT_EQ(Image(), image) << c.what;
        }
    }
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
}

// A copy only shows a transaction: undo and the editor refuse it with a message and nothing moves.
TEST_F(FindTest, UndoAndEditRefuseACopy)
{
    Search({.Payee = "Shell"});
    BeginFind(FindStep::FindAll);
    ASSERT_EQ(FindIt(), 1);
    AHistory* copy = MemoryAccounts[kFoundMi][kFoundSi].HistoryRec;
    const std::vector<uint8_t> before = Image();
    EditEntry entry;
    entry.Amount = 2000;
    entry.Datime = "09/15/24";
    entry.PayTo = "Changed";

    const struct {
        const char* what;
        int (*act)(AHistory*, const EditEntry&);
    } cases[] = {
        {"undo",
         [](AHistory* h, const EditEntry&) {
             gSelectedItem = h;
             BudgetUndo(kFoundMi, kFoundSi);
             return 0;
         }},
        {"editor", [](AHistory* h, const EditEntry&) { return CheckEditable(h); }},
        {"edit", [](AHistory* h, const EditEntry& e) { return RecordEdit(h, e); }},
        {"amount", [](AHistory* h, const EditEntry& e) { return EditAmt(h, e.Amount); }},
    };
    for (const auto& c : cases) {
        host.Messages.clear();
        EXPECT_EQ(c.act(copy, entry), 0) << c.what;
        ASSERT_EQ(host.Messages.size(), 1u) << c.what;
        EXPECT_EQ(host.Messages[0].Title, "Selection Error") << c.what;
        EXPECT_EQ(copy->UnDone, 0) << c.what;
        EXPECT_EQ(copy->Amt, 1234) << c.what;
        EXPECT_EQ(Image(), before) << c.what;
    }
}

}  // namespace
