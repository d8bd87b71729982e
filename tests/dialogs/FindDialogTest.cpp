// The Find dialog and the Find and Find Next commands driven by scripts: the criteria shown,
// Clear All, a refused field keeping the dialog open, each hit shown in Transaction Details, and
// Find All's "Found Items" window.
#include "support/WindowFixture.h"

#include "find/Find.h"
#include "model/Globals.h"
#include "shell/Commands.h"

#include <string>
#include <vector>

namespace {

// The fields in the order the tests list their texts: payee, For, Memo, amount, balance, check
// number, month, year.
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
    static int FoundCopies()
    {
        int count = 0;
        for (const AHistory* h = MemoryAccounts[kFoundMi][kFoundSi].HistoryRec; h; h = h->HistoryFP)
            ++count;
        return count;
    }

    DialogScripts dialogs;
    std::vector<std::string> hits;
};

// The fields show the criteria of the last search; opening empties "Found Items" and keeps its
// name; Clear All empties every field and box and sets AND, leaving the dialog open.
TEST_F(FindDialogTest, OpensWithTheLastCriteriaAndClearAllEmptiesThem)
{
    gFindCriteria = {.Payee = "Gas", .Month = 9, .Year = 24, .Amount = 1234, .Balance = -510, .Number = 1001,
                     .Tax = true, .Or = true, .IgnoreCase = true};
    BeginFind(FindStep::FindAll);
    ASSERT_EQ(FindIt(), 1);
    dialogs.Scripts = {[&](ScriptedDialog& d) {
        EXPECT_EQ(Shown(d), "Gas|||$12.34|-$5.10|1001|Sept|24|or case tax");
        EXPECT_EQ(d.Focused(), 1001);
        d.Click(kClearAll);
        EXPECT_FALSE(d.IsEnded());
        EXPECT_EQ(Shown(d), "||||||||and");
        d.Click(IDCANCEL);
    }};
    HandleMenu(kCmdFind, false);
    EXPECT_EQ(dialogs.Opened, std::vector<std::string>{"FIND"});
    EXPECT_EQ(FoundCopies(), 0);
    EXPECT_STREQ(Accounts[kFoundMi][kFoundSi].Name, "Found Items");
    EXPECT_EQ(Accounts[kFoundMi][kFoundSi].FoundFlag, 0);
    EXPECT_TRUE(gFindCriteria.Payee.empty() && !gFindCriteria.Amount && !gFindCriteria.Or);
}

// A field that cannot be read is told (the words are the reader's), keeps the dialog open with
// that field focused and selected, and nothing is searched.
TEST_F(FindDialogTest, ARefusedFieldKeepsTheDialogOpenOnIt)
{
    const struct {
        int id;
        const char* text;
    } cases[] = {{1045, "Foo"}, {1046, "2150"}, {1003, "1x"}, {1044, "1.2.3"}, {1006, "0"}};
    for (const auto& c : cases) {
        windows.Messages.clear();
        dialogs.Scripts = {[&](ScriptedDialog& d) {
            d.Type(c.id, c.text);
            d.Click(IDOK);
            EXPECT_FALSE(d.IsEnded()) << c.text;
            EXPECT_EQ(windows.Messages.size(), 1u) << c.text;
            EXPECT_EQ(d.Focused(), c.id) << c.text;
            EXPECT_EQ(d.Selected(), c.id) << c.text;
            d.Click(IDCANCEL);
        }};
        HandleMenu(kCmdFind, false);
        EXPECT_EQ(dialogs.Opened.back(), "FIND") << c.text;
    }
}

// Find shows the first hit, Find Next from the menu the next; after the last nothing opens, and
// the dialog's Find Next goes on from the main account of the last hit where Find starts over.
// Find All opens "Found Items" with its copies, and Find Next from the menu then shows the hits
// one by one from the first instead of collecting them again.
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
    EXPECT_EQ(FoundCopies(), 2);
    EXPECT_EQ(Accounts[kFoundMi][kFoundSi].Balance, 2);

    dialogs.Scripts = {Details()};
    HandleMenu(kCmdFindNext, false);
    EXPECT_EQ(hits, std::vector<std::string>{"Landlord"});
    EXPECT_EQ(FoundCopies(), 2);
}

}  // namespace
