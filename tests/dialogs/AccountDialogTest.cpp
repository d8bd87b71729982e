// Account Setup and the New Account command driven by scripts: the slot a new account takes, the
// allocation edits and their running totals, what OK refuses, and the category name a row's
// first sub account asks for. (Which slot each selection gives, the words of the refusals and the
// log entry of a new account: the ledger's tests.)
#include "support/WindowFixture.h"

#include "dialogs/AccountDialogs.h"
#include "ledger/Pay.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "shell/Commands.h"
#include "shell/SubWindow.h"

namespace {

class AccountDialogTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        ResetSelect(-1, -1);
        RecordTestAccount(1, 0, "Household");
    }

    // Pay sources "Job 1", "Job 2" ... of 100.00 each with these frequencies.
    static void Payers(std::vector<int> frequencies)
    {
        gBudget.NumberOfPayers = static_cast<int16_t>(frequencies.size());
        for (size_t j = 0; j < frequencies.size(); ++j) {
            gBudget.PayType[j] = PayTypeButton(static_cast<int>(j), frequencies[j]);
            gBudget.PayAmount[j] = 10000;
            CopyString(("Job " + std::to_string(j + 1)).c_str(), gBudget.PayName[j]);
        }
    }
    static std::string LastLog() { return MemoryAccounts[0][1].HistoryRec->PayToFm; }
    static Script NameAndOK(const std::string& name)
    {
        return [=](ScriptedDialog& d) { d.Type(1002, name); d.Click(1022); };
    }

    DialogScripts dialogs;
};

// The window in front decides where a new account goes when no box is selected; a row's first sub
// account asks for the category's name.
TEST_F(AccountDialogTest, NewAccountGoesWhereTheWindowInFrontSays)
{
    Accounts[1][0].SavingsFlag = 1;
    dialogs.Scripts = {NameAndOK("Rent"), NameAndOK("Power"),
                       [this](ScriptedDialog& d) {
                           d.Click(1);  // no name: told, and the dialog stays
                           EXPECT_TRUE(!d.IsEnded() && windows.Messages.size() == 1);
                           d.Type(1011, "Home");
                           d.Click(1);
                       },
                       NameAndOK("Water")};
    HandleNewAccountFrom(program->Main.get());  // the first free main slot
    EXPECT_STREQ(Accounts[2][0].Name, "Rent");
    DisplaySubAccounts(1);
    QWidget* row = static_cast<QWidget*>(MemoryAccounts[1][0].SubAccountWindow);
    HandleNewAccountFrom(row);
    EXPECT_STREQ(Accounts[1][0].SubName, "Home");
    EXPECT_TRUE(Accounts[1][1].Valid && Accounts[1][1].SavingsFlag);  // as its main account
    HandleNewAccountFrom(row);  // the category has its name: no second question
    EXPECT_STREQ(Accounts[1][2].Name, "Water");
    HandleNewAccountFrom(nullptr);  // no window in front: nothing happens
    EXPECT_EQ(dialogs.Opened, (std::vector<std::string>{"NEWACCOUNT", "NEWACCOUNT", "SUBACCOUNT", "NEWACCOUNT"}));

    // Renaming an existing account logs the change.
    dialogs.Scripts.push_back(NameAndOK("Mortgage"));
    EXPECT_EQ(RunAccountSetup(2, 0), 1);
    EXPECT_EQ(LastLog(), "Rent changed to Mortgage");
}

TEST_F(AccountDialogTest, NoDialogOpensWhereNoAccountMayBeAdded)
{
    NewSubAccount(0);
    for (int s = 1; s < kSlots; ++s)
        Accounts[1][s].Valid = 1;
    NewSubAccount(1);
    for (int m = 1; m < kMainAccounts; ++m)
        Accounts[m][0].Valid = 1;
    HandleNewAccountFrom(program->Main.get());
    EXPECT_EQ(windows.Messages.size(), 3u) << windows.AllMessages();
    EXPECT_TRUE(dialogs.Opened.empty());
}

TEST_F(AccountDialogTest, AllocationsShowTheMonthlyTotalAsTypedAndOnlyOKStoresThem)
{
    Payers({kPayWeekly});
    Accounts[1][0].PayAmount[0][2] = 777;
    dialogs.Scripts = {[](ScriptedDialog& d) {
                           for (int k = 0; k < 5; ++k)
                               d.Type(1004 + k, "100.00");
                           EXPECT_EQ(d.Text(1038), "Monthly Total $433.33");
                           EXPECT_EQ(d.Text(1039), "Percent of Income 100%");
                           d.Type(1008, "oops");  // not an amount: counts as nothing while typing
                           EXPECT_EQ(d.Text(1038), "Monthly Total $400.00");
                           d.PressEscape();
                       },
                       [](ScriptedDialog& d) {
                           d.Type(1004, "25.50");
                           d.Type(1006, "");  // an emptied edit is stored as zero
                           d.Click(1022);
                       }};
    EXPECT_EQ(RunAccountSetup(1, 0), 0);
    EXPECT_EQ(Accounts[1][0].PayAmount[0][0], 0);
    EXPECT_EQ(RunAccountSetup(1, 0), 1);
    const int32_t* stored = Accounts[1][0].PayAmount[0];
    EXPECT_EQ(std::vector<int32_t>(stored, stored + 3), (std::vector<int32_t>{2550, 0, 0}));
}

TEST_F(AccountDialogTest, EachPaySourceShowsOneLabelledEditPerPay)
{
    const struct { int frequency; int pays; } cases[] = {
        {kPayWeekly, 5}, {kPayBiWeekly, 3}, {kPaySemiMonthly, 2}, {kPayMonthly, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frequency);
        Payers({kPayMonthly, c.frequency});  // the second source: the ids of source 1
        for (int k = 0; k < kPaysPerMonth; ++k)
            Accounts[1][0].PayAmount[1][k] = 100 * (k + 1);
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
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

// A refusal keeps the dialog open with the field at fault focused, and records nothing.
TEST_F(AccountDialogTest, OKRefusesAMissingNameOrABadAllocation)
{
    Payers({kPayWeekly, kPayMonthly});
    const struct { const char* name; int field; const char* text; int focus; } cases[] = {
        {"", 1004, "100.00", 1002}, {"Rent", 1010, "12x", 1010}, {"Rent", 1006, "-5.00", 1006}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        windows.Messages.clear();
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
            d.Type(1002, c.name);
            d.Type(c.field, c.text);
            d.Click(1022);
            EXPECT_FALSE(d.IsEnded());
            EXPECT_EQ(d.Focused(), c.focus);
            EXPECT_EQ(windows.Messages.size(), 1u) << windows.AllMessages();
            d.PressEscape();
        });
        RunAccountSetup(2, 0);
        EXPECT_FALSE(Accounts[2][0].Valid);
    }

    // What the pays would leave "Available" must stay an amount: refused, the dialog stays open.
    Accounts[1][0].PayAmount[0][0] = 2000000000;
    dialogs.Scripts.push_back([&](ScriptedDialog& d) {
        d.Type(1002, "Rent");
        d.Type(1004, "20000000.00");
        d.Click(1022);
        EXPECT_FALSE(d.IsEnded());
        d.PressEscape();
    });
    RunAccountSetup(2, 0);
    EXPECT_FALSE(Accounts[2][0].Valid);

    // Typing an allocation without pay sources is told, and closes the dialog.
    gBudget.NumberOfPayers = 0;
    windows.Messages.clear();
    dialogs.Scripts.push_back([this](ScriptedDialog& d) {
        d.Type(1004, "1.00");
        EXPECT_TRUE(d.IsEnded() && windows.Messages.size() == 1);
    });
    EXPECT_EQ(RunAccountSetup(1, 0), 0);
}

TEST_F(AccountDialogTest, SavingsBoxOnlyForANewMainAccountAndNoOKForAvailable)
{
    dialogs.Scripts = {[](ScriptedDialog& d) { EXPECT_FALSE(d.Visible(1022)); d.PressEscape(); },
                       [](ScriptedDialog& d) { EXPECT_FALSE(d.Enabled(1021)); d.PressEscape(); },
                       [](ScriptedDialog& d) { d.Type(1002, "Savings"); d.Click(1021); d.Click(1022); }};
    for (int Mi : {0, 1, 3})
        RunAccountSetup(Mi, 0);
    EXPECT_TRUE(Accounts[3][0].SavingsFlag);
}

}  // namespace
