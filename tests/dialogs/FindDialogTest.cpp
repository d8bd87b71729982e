// The Find dialog and the Find and Find Next commands driven by scripts.
#include "support/WindowFixture.h"

#include "find/Find.h"
#include "model/Globals.h"
#include "shell/Commands.h"

#include <string>
#include <vector>

namespace {

// Payee, For, Memo, amount, balance, check number, month, year.
constexpr int kFields[] = {1001, 1004, 1005, 1003, 1044, 1006, 1045, 1046};
constexpr int kAnd = 1047, kOr = 1048, kIgnoreCase = 1049, kTax = 1008;
constexpr int kFindNext = 1041, kFindAll = 1043, kClearAll = 1042;

// Rent and Gas, each with a deposit from Employer and a withdrawal of 12.34: check 1001 to
// Landlord, and a debit at Shell Gas Station.
class FindDialogTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        gFindCriteria = {};
        gFAll = 0;
        RecordTestAccount(1, 0, "Rent");
        RecordTestAccount(2, 0, "Gas");
        RecordDeposit(1, 0, 80000, "Employer", "09/01/24", "", false);
        RecordDeposit(2, 0, 5000, "Employer", "09/01/24", "", false);
        RecordCheck(1, 0, {.Amount = 1234, .Datime = "09/14/24", .PayTo = "Landlord", .Number = 1001});
        RecordCheck(2, 0, {.Amount = 1234, .Datime = "09/20/24", .PayTo = "Shell Gas Station", .Debit = true});
        windows.Messages.clear();
    }

    // What the dialog shows: the field texts, then the radio and the boxes that are ticked.
    static std::string Shown(ScriptedDialog& d)
    {
        std::string shown;
        for (int id : kFields)
            shown += d.Text(id) + "|";
        for (const auto& [id, name] : {std::pair{kAnd, "and"}, {kOr, "or"}, {kIgnoreCase, " case"}, {kTax, " tax"}})
            shown += d.Checked(id) ? name : "";
        return shown;
    }
    // Transaction Details for a hit: its payee is noted.
    Script Details()
    {
        return [this](ScriptedDialog& d) {
            hits.push_back(d.Text(1004));
            d.Click(IDOK);
        };
    }

    DialogScripts dialogs;
    std::vector<std::string> hits;
};

// The fields show the criteria of the last search; opening empties "Found Items" and keeps its
// name. A field that cannot be read is told and keeps the dialog open on it, nothing searched;
// Clear All empties every field and box and sets AND.
TEST_F(FindDialogTest, OpensWithTheLastCriteriaRefusesAFieldAndClearsAll)
{
    gFindCriteria = {.Payee = "Gas", .Month = 9, .Year = 24, .Amount = 1234, .Balance = -510, .Number = 1001,
                     .Tax = true, .Or = true, .IgnoreCase = true};
    BeginFind(FindStep::FindAll);
    ASSERT_EQ(FindIt(), 1);
    const std::pair<int, const char*> refused[] = {{1045, "Foo"}, {1046, "2150"}, {1003, "1x"}, {1044, "1.2.3"},
                                                   {1006, "0"}};
    dialogs.Scripts = {[&](ScriptedDialog& d) {
        EXPECT_EQ(Shown(d), "Gas|||$12.34|-$5.10|1001|Sept|24|or case tax");
        EXPECT_EQ(d.Focused(), 1001);
        d.Click(kClearAll);
        EXPECT_EQ(Shown(d), "||||||||and");
        for (const auto& [id, text] : refused) {
            d.Type(id, text);
            d.Click(IDOK);
            EXPECT_FALSE(d.IsEnded()) << text;
            EXPECT_EQ(std::pair(d.Focused(), d.Selected()), std::pair(id, id)) << text;
            d.Type(id, "");
        }
        EXPECT_EQ(windows.Messages.size(), std::size(refused)) << windows.AllMessages();
        d.Click(IDCANCEL);
    }};
    HandleMenu(kCmdFind, false);
    EXPECT_EQ(MemoryAccounts[kFoundMi][kFoundSi].HistoryRec, nullptr);
    EXPECT_STREQ(Accounts[kFoundMi][kFoundSi].Name, "Found Items");
    EXPECT_EQ(Accounts[kFoundMi][kFoundSi].FoundFlag, 0);
    EXPECT_TRUE(gFindCriteria.Payee.empty() && !gFindCriteria.Amount && !gFindCriteria.Or);
}

// Find shows the first hit, Find Next the next, then nothing; the dialog's Find Next goes on where
// Find starts over. Find All opens "Found Items"; Find Next then steps through the hits from the first.
TEST_F(FindDialogTest, EachHitIsShownInTransactionDetailsAndFindAllInFoundItems)
{
    dialogs.Scripts = {[](ScriptedDialog& d) {
                           d.Type(1003, "12.34");
                           d.Click(IDOK);
                       },
                       Details(), Details()};
    HandleMenu(kCmdFind, false);
    HandleMenu(kCmdFindNext, false);
    HandleMenu(kCmdFindNext, false);  // nothing more: two beeps
    dialogs.Scripts = {[](ScriptedDialog& d) { d.Click(kFindNext); }, Details(),
                       [](ScriptedDialog& d) { d.Click(IDOK); }, Details()};
    HandleMenu(kCmdFind, false);
    HandleMenu(kCmdFind, false);
    EXPECT_EQ(hits, (std::vector<std::string>{"Landlord", "Shell Gas Station", "Shell Gas Station", "Landlord"}));
    EXPECT_TRUE(windows.Messages.empty()) << windows.AllMessages();

    hits.clear();
    dialogs.Scripts = {[](ScriptedDialog& d) { d.Click(kFindAll); }};
    HandleMenu(kCmdFind, false);
    const auto* window = static_cast<QWidget*>(MemoryAccounts[kFoundMi][kFoundSi].HistoryWindow);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Accounts[kFoundMi][kFoundSi].Balance, 2);  // the hit count

    dialogs.Scripts = {Details()};
    HandleMenu(kCmdFindNext, false);
    EXPECT_EQ(hits, std::vector<std::string>{"Landlord"});
}

}  // namespace
