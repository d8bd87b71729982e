// Multiple Deposit driven by scripts: where a refused deposit puts the focus, and the one summary
// entry of a deposit of rows and a pay. The pay boxes following the date are Pay Entry's too.
#include "support/SampleBudget.h"
#include "support/WindowFixture.h"

#include "dialogs/MultiDepositDialog.h"
#include "ledger/Pay.h"
#include "model/Globals.h"
#include "model/Money.h"

namespace {

using Fields = std::vector<std::pair<int, std::string>>;

constexpr int kPayBox = 1001;
constexpr int kDate = 1007;

// Rent, Car with its sub account Gas under "Car Costs", and one semi-monthly pay of 1,000.00;
// today is 12/05/26.
class MultiDepositDialogTest : public BudgetFixture {
protected:
    void SetUp() override
    {
        BudgetFixture::SetUp();
        AddTestAccount(1, 0, "Rent");
        AddTestAccount(2, 0, "Car");
        AddTestAccount(2, 1, "Gas");
        CopyString("Car Costs", Accounts[2][0].SubName);
        ASSERT_EQ(SetPaySource(0, "Acme", "1,000.00", kPaySemiMonthly), 1);
    }
    static const AHistory* Newest(int Mi, int Si) { return MemoryAccounts[Mi][Si].HistoryRec; }

    DialogScripts dialogs;
};

TEST_F(MultiDepositDialogTest, ARefusedDepositPutsTheFocusOnTheFaultyField)
{
    // Row r: amount 1031 + r, From 1041 + r, account 1051 + r, sub account 1054 + r.
    const struct { Fields fields; const char* message; int focus; } cases[] = {
        {{}, "An amount must be specified.", 1031},
        {{{1031, "1"}, {1041, "Mom"}, {1051, "Rent"}, {1032, "100,000.01"}}, "Range Error", 1032},
        {{{1033, "5.00"}, {1043, "Mom"}}, "An Account name must be specified.", 1053},
        {{{1031, "5.00"}, {1041, "Mom"}, {1051, "Car Costs"}, {1054, "Oil"}}, "Invalid Account Name", 1051},
        {{{1032, "5.00"}, {1052, "Rent"}}, "The From field must be specified.", 1042},
    };
    for (const auto& c : cases) {
        host.Messages.clear();
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
            for (const auto& [id, text] : c.fields)
                d.Type(id, text);
            d.Click(IDOK);
            EXPECT_EQ(d.Selected(), c.focus) << c.message;
            d.Click(IDCANCEL);
        });
        HandleMultiDeposit();
        ASSERT_EQ(host.Messages.size(), 1u) << c.message;
        EXPECT_NE((host.Messages[0].Title + host.Messages[0].Text).find(c.message), std::string::npos)
            << host.AllMessages();
    }
    EXPECT_EQ(Newest(0, 1)->MultiDeposit, 0);
}

// A deposit whose second row would take the Checkbook to 1,000,000.00 records nothing and keeps
// the dialog open for the user to mend it.
TEST_F(MultiDepositDialogTest, ADepositOverTheCeilingKeepsTheDialogOpenWithNothingRecorded)
{
    Accounts[1][0].Balance = Accounts[0][1].Balance = kCheckbookCeiling - 2500;
    const int32_t ids = gBudget.UniqueID;
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        for (const auto& [id, text] :
             Fields{{1031, "20.00"}, {1041, "Mom"}, {1051, "Rent"}, {1032, "5.00"}, {1042, "Mom"}, {1052, "Car"}})
            d.Type(id, text);
        d.Click(IDOK);
        EXPECT_FALSE(d.IsEnded());
        d.Type(1032, "4.99");
        d.Click(IDOK);
    });
    HandleMultiDeposit();
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Title, "Range Error");
    // One deposit number and the two rows' UniqueIDs, drawn by the OK that was taken.
    EXPECT_EQ(std::tuple(Accounts[0][1].Balance, gBudget.UniqueID, Newest(0, 1)->Amt),
              std::tuple(kCheckbookCeiling - 1, ids + 3, 2499));
}

TEST_F(MultiDepositDialogTest, TwoRowsAndAPayMakeOneSummaryEntry)
{
    const int32_t checkbook = Accounts[0][1].Balance;
    dialogs.Scripts.push_back([](ScriptedDialog& d) {
        d.Type(kDate, "12/10/26");
        d.Click(kPayBox);
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
