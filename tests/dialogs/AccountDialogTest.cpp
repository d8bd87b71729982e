// Account Setup and the New Account command driven by scripts: the slot a new account takes, the
// allocation edits and their running totals, what OK refuses, and the category name a row's
// first sub account asks for.
#include "support/BudgetFixture.h"

#include "app/Startup.h"
#include "dialogs/AccountDialogs.h"
#include "ledger/Recording.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "platform/Dialog.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using Script = std::function<void(ScriptedDialog&)>;

constexpr int kWeekly = 1004;
constexpr int kBiWeekly = 1005;
constexpr int kSemiMonthly = 1006;
constexpr int kMonthly = 1007;

class AccountDialogTest : public BudgetFixture {
protected:
    void SetUp() override
    {
        BudgetFixture::SetUp();
        program.emplace(CreateProgram());
        SetHost(&host);
        NewBudget();
        ResetSelect(-1, -1);
        const int32_t none[kPayers][kPaysPerMonth] = {};
        RecordAccountSetup(1, 0, "Household", false, none);
        host.Messages.clear();
    }
    void TearDown() override
    {
        program.reset();
        BudgetFixture::TearDown();
    }

    static void Payers(std::vector<int> types)
    {
        gBudget.NumberOfPayers = static_cast<int16_t>(types.size());
        for (size_t j = 0; j < types.size(); ++j) {
            gBudget.PayType[j] = static_cast<int16_t>(types[j]);
            gBudget.PayAmount[j] = 10000;
            CopyString(("Job " + std::to_string(j + 1)).c_str(), gBudget.PayName[j]);
        }
    }
    static std::string LastLog() { return MemoryAccounts[0][1].HistoryRec->PayToFm; }

    std::optional<Program> program;
    std::deque<Script> scripts;
    std::vector<std::string> opened;
    ScopedDialogRunner runner{[this](const std::string& name, DialogProcedure& procedure) {
        opened.push_back(name);
        if (scripts.empty()) {
            ADD_FAILURE() << name << " opened without a script";
            return 0;
        }
        const Script script = scripts.front();
        scripts.pop_front();
        ScriptedDialog dialog;
        dialog.Run(name, procedure);
        script(dialog);
        EXPECT_TRUE(dialog.IsEnded()) << name << " left open";
        return dialog.Result();
    }};
};

Script NameAndOK(const std::string& name)
{
    return [=](ScriptedDialog& d) {
        d.Type(1002, name);
        d.Click(1022);
    };
}

TEST_F(AccountDialogTest, NewAccountFromTheMainWindowTakesTheFirstFreeMainSlot)
{
    scripts.push_back(NameAndOK("Rent"));
    HandleNewAccountFrom(program->Main.get());
    EXPECT_EQ(opened, std::vector<std::string>{"NEWACCOUNT"});
    EXPECT_TRUE(Accounts[2][0].Valid);
    EXPECT_STREQ(Accounts[2][0].Name, "Rent");
    EXPECT_EQ(LastLog(), "Rent account added to budget");

    // Renaming an existing account logs the change.
    scripts.push_back(NameAndOK("Mortgage"));
    EXPECT_EQ(RunAccountSetup(2, 0), 1);
    EXPECT_EQ(LastLog(), "Rent changed to Mortgage");
}

TEST_F(AccountDialogTest, NewAccountWithEveryMainSlotTakenIsRefused)
{
    for (int m = 1; m < kMainAccounts; ++m)
        Accounts[m][0].Valid = 1;
    HandleNewAccountFrom(program->Main.get());
    EXPECT_TRUE(opened.empty());
    EXPECT_NE(host.OnlyMessage().find("There are no empty account boxes."), std::string::npos);
}

TEST_F(AccountDialogTest, TypedAllocationsShowTheMonthlyTotalAndShareOfIncome)
{
    Payers({kWeekly});
    scripts.push_back([](ScriptedDialog& d) {
        for (int k = 0; k < 5; ++k)
            d.Type(1004 + k, "100.00");
        EXPECT_EQ(d.Text(1038), "Monthly Total $433.33");
        EXPECT_EQ(d.Text(1039), "Percent of Income 100%");
        d.Type(1008, "oops");  // not an amount: counts as nothing while typing
        EXPECT_EQ(d.Text(1038), "Monthly Total $400.00");
        d.PressEscape();
    });
    EXPECT_EQ(RunAccountSetup(1, 0), 0);
    EXPECT_EQ(Accounts[1][0].PayAmount[0][0], 0);
}

TEST_F(AccountDialogTest, EachPaySourceShowsOneLabelledEditPerPay)
{
    const struct {
        int type;
        int pays;
    } cases[] = {{kWeekly, 5}, {kBiWeekly, 3}, {kSemiMonthly, 2}, {kMonthly, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        Payers({kMonthly, c.type});  // the second source: the ids of source 1
        for (int k = 0; k < kPaysPerMonth; ++k)
            Accounts[1][0].PayAmount[1][k] = 100 * (k + 1);
        scripts.push_back([&](ScriptedDialog& d) {
            EXPECT_EQ(d.Text(1009), "Job 2");
            for (int k = 0; k < kPaysPerMonth; ++k) {
                const bool shown = k < c.pays;
                EXPECT_EQ(d.Text(1028 + k), shown ? "Pay#" + std::to_string(k + 1) : "");
                EXPECT_EQ(d.Text(1010 + k), shown ? "$" + std::to_string(k + 1) + ".00" : "");
            }
            EXPECT_EQ(d.Text(1015), "");  // no third source
            d.PressEscape();
        });
        RunAccountSetup(1, 0);
    }
}

TEST_F(AccountDialogTest, OKRefusesAMissingNameOrABadAllocation)
{
    Payers({kWeekly, kMonthly});
    const struct {
        const char* name;
        int field;
        const char* text;
        int focus;
        const char* message;
    } cases[] = {
        {"", 1004, "100.00", 1002, "An account must be specified."},
        {"Rent", 1010, "12x", 1010, "12x"},
        {"Rent", 1006, "-5.00", 1006, "-5.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        host.Messages.clear();
        scripts.push_back([&](ScriptedDialog& d) {
            d.Type(1002, c.name);
            d.Type(c.field, c.text);
            d.Click(1022);
            EXPECT_FALSE(d.IsEnded());
            EXPECT_EQ(d.Focused(), c.focus);
            EXPECT_NE(host.OnlyMessage().find(c.message), std::string::npos) << host.AllMessages();
            d.PressEscape();
        });
        RunAccountSetup(2, 0);
        EXPECT_FALSE(Accounts[2][0].Valid);
    }
}

TEST_F(AccountDialogTest, OKStoresTheAllocationsAndEmptyEditsAsZero)
{
    Payers({kBiWeekly});
    Accounts[1][0].PayAmount[0][2] = 777;
    scripts.push_back([](ScriptedDialog& d) {
        d.Type(1004, "25.50");
        d.Type(1006, "");
        d.Click(1022);
    });
    EXPECT_EQ(RunAccountSetup(1, 0), 1);
    EXPECT_EQ(Accounts[1][0].PayAmount[0][0], 2550);
    EXPECT_EQ(Accounts[1][0].PayAmount[0][1], 0);
    EXPECT_EQ(Accounts[1][0].PayAmount[0][2], 0);
}

TEST_F(AccountDialogTest, TypingAnAllocationWithoutPaySourcesClosesTheDialog)
{
    gBudget.NumberOfPayers = 0;
    scripts.push_back([this](ScriptedDialog& d) {
        d.Type(1004, "1.00");
        EXPECT_TRUE(d.IsEnded());
        EXPECT_NE(host.OnlyMessage().find("Before you define your pay's"), std::string::npos);
    });
    EXPECT_EQ(RunAccountSetup(1, 0), 0);
}

TEST_F(AccountDialogTest, SavingsBoxOnlyForANewMainAccountAndNoOKForAvailable)
{
    scripts.push_back([](ScriptedDialog& d) {
        EXPECT_FALSE(d.Visible(1022));
        d.PressEscape();
    });
    RunAccountSetup(0, 0);
    scripts.push_back([](ScriptedDialog& d) {
        EXPECT_FALSE(d.Enabled(1021));
        d.PressEscape();
    });
    RunAccountSetup(1, 0);
    scripts.push_back([](ScriptedDialog& d) {
        d.Type(1002, "Savings");
        d.Click(1021);
        d.Click(1022);
    });
    RunAccountSetup(3, 0);
    EXPECT_TRUE(Accounts[3][0].SavingsFlag);
}

TEST_F(AccountDialogTest, FirstSubAccountAsksForTheCategoryName)
{
    Accounts[1][0].SavingsFlag = 1;
    scripts.push_back(NameAndOK("Rent"));
    scripts.push_back([this](ScriptedDialog& d) {
        d.Click(1);  // empty name
        EXPECT_FALSE(d.IsEnded());
        EXPECT_NE(host.OnlyMessage().find("The Name field must be specified"), std::string::npos);
        d.Type(1011, "Home");
        d.Click(1);
    });
    NewSubAccount(1);
    EXPECT_EQ(opened, (std::vector<std::string>{"NEWACCOUNT", "SUBACCOUNT"}));
    EXPECT_STREQ(Accounts[1][0].SubName, "Home");
    EXPECT_TRUE(Accounts[1][1].Valid);
    EXPECT_TRUE(Accounts[1][1].SavingsFlag);
    EXPECT_EQ(Accounts[1][0].NumberOfSubAccounts, 1);
    EXPECT_EQ(LastLog(), "Rent sub account added to budget");

    opened.clear();
    scripts.push_back(NameAndOK("Power"));
    NewSubAccount(1);
    EXPECT_EQ(opened, std::vector<std::string>{"NEWACCOUNT"});
    EXPECT_TRUE(Accounts[1][2].Valid);
    EXPECT_EQ(Accounts[1][0].NumberOfSubAccounts, 2);
}

TEST_F(AccountDialogTest, SubAccountsRefusedUnderAvailableAndInAFullRow)
{
    NewSubAccount(0);
    EXPECT_NE(host.OnlyMessage().find("to the Available account."), std::string::npos);
    host.Messages.clear();
    for (int s = 1; s < kSlots; ++s)
        Accounts[1][s].Valid = 1;
    NewSubAccount(1);
    EXPECT_NE(host.OnlyMessage().find("There are no empty account boxes."), std::string::npos);
    EXPECT_TRUE(opened.empty());
}

}  // namespace
