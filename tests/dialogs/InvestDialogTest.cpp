// The investment dialogs driven by scripts: what each shows on opening, and each refusal with the
// field that gets the focus, the dialog staying open and nothing recorded.
#include "support/WindowFixture.h"

#include "dialogs/InvestDialogs.h"
#include "investments/Invest.h"
#include "model/Globals.h"
#include "model/Money.h"

#include <functional>
#include <tuple>

namespace {

using Fields = std::vector<std::pair<int, std::string>>;

// "Index Fund" (1) holds 10 shares bought at 12.345; slot 2 is free.
class InvestDialogTest : public BudgetFixture {
protected:
    void SetUp() override
    {
        BudgetFixture::SetUp();
        ASSERT_EQ(RecordInvestName(1, "Index Fund"), 1);
        ASSERT_TRUE(BuySellShares(1, 1, 10000, 12345, "11/01/26"));
        host.Messages.clear();
    }

    // What the dialogs can change, to see whether anything was recorded.
    static auto State()
    {
        return std::tuple(Invest[1].NumberOfHistoryRecords, Invest[1].NumberOfShares, Invest[1].AmountPaid,
                          Invest[0].AmountPaid, RecordText(Invest[2].Name), int{Invest[2].Valid});
    }

    DialogScripts dialogs;
};

TEST_F(InvestDialogTest, EachDialogOpensWithTodayAPriceOf0AndTheFocusOnWhatIsToBeTyped)
{
    const struct { std::function<void()> open; const char* title; Fields shown; int focus; } cases[] = {
        {[] { HandleShareDialog(1, 1); }, "New Investment Account", {{1004, "Buy"}, {1003, "0.000"}, {1007, "12/05/26"}}, 1012},
        {[] { HandleShareDialog(0, 1); }, "New Investment Account", {{1004, "Sell"}, {1003, "0.000"}}, 1012},
        {[] { PPSDialog(1); }, "Price per share", {{1003, "0.000"}, {1007, "12/05/26"}}, 1003},
        {[] { CostBasisDialog(1); }, "Cost basis", {{1003, "$0.00"}, {1007, "12/05/26"}}, 1003},
        {[] { InvestAccountDialog(1); }, "New Investment Account", {{1011, "Index Fund"}}, 1011},
    };
    for (const auto& c : cases) {
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
            EXPECT_EQ(d.Title(), c.title);
            for (const auto& [id, text] : c.shown)
                EXPECT_EQ(d.Text(id), text) << c.title << " " << id;
            EXPECT_EQ(d.Focused(), c.focus) << c.title;
            if (d.Has(1021)) {  // the account's own box, not a budget account's
                Drawn texts;
                Render(QSize(124, 64), texts, [&](DrawContext& dc) { d.Paint(1021, dc); });
                ASSERT_EQ(texts.size(), 2u) << c.title;
                EXPECT_EQ(texts[0].Text + " " + texts[1].Text, "Index Fund $123.45");
            }
            d.Click(IDCANCEL);
        });
        c.open();
    }
    EXPECT_EQ(dialogs.Opened, (std::vector<std::string>{"BUYSELL", "BUYSELL", "PPS", "COSTBASIS", "NEWINVEST"}));

    // Trades, prices and cost bases only for an account that exists.
    HandleShareDialog(1, 2);
    EXPECT_EQ(PPSDialog(2), 0);
    CostBasisDialog(2);
    EXPECT_EQ(dialogs.Opened.size(), 5u);
}

TEST_F(InvestDialogTest, ARefusalKeepsTheDialogOpenWithTheFocusOnTheFieldAtFault)
{
    // The dialog, what is typed, then the title of the message and the field focused; no title:
    // accepted and recorded.
    const std::function<void()> buy = [] { HandleShareDialog(1, 1); }, sell = [] { HandleShareDialog(0, 1); },
                                price = [] { PPSDialog(1); }, basis = [] { CostBasisDialog(1); },
                                name = [] { InvestAccountDialog(2); };
    const struct { const char* row; std::function<void()> open; Fields typed; const char* title; int focus; } cases[] = {
        {"buy, price no amount", buy, {{1012, "2"}, {1003, "abc"}}, "Money Conversion Error", 1003},
        {"buy, price 0", buy, {{1012, "2"}, {1003, "0"}}, "Range Error", 1003},
        {"buy, no date", buy, {{1012, "2"}, {1003, "1.000"}, {1007, "2/30"}}, "Date Conversion Error", 1007},
        {"buy, shares no number", buy, {{1012, "two"}, {1003, "1.000"}}, "Number Conversion Error", 1012},
        {"buy, too many shares", buy, {{1012, "2000000"}, {1003, "1000.000"}}, "Range Error", 1012},
        {"sell more than held", sell, {{1012, "10.001"}, {1003, "13.000"}}, "Range Error", 1012},
        {"sell all", sell, {{1012, "10"}, {1003, "13.000"}}, nullptr, 0},
        {"price negative", price, {{1003, "-1.000"}}, "Money Conversion Error", 1003},
        {"price, no date", price, {{1003, "13.000"}, {1007, "13/45"}}, "Date Conversion Error", 1007},
        {"price", price, {{1003, "13.000"}}, nullptr, 0},
        {"cost basis too large", basis, {{1003, "1000000.01"}}, "Range Error", 1003},
        {"cost basis, no date", basis, {{1003, "50.00"}, {1007, "2/30"}}, "Date Conversion Error", 1007},
        {"cost basis", basis, {{1003, "50.00"}}, nullptr, 0},
        {"no name", name, {{1011, ""}}, "Input Error", 1011},
        {"name", name, {{1011, "Bonds"}}, nullptr, 0},
    };
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        const auto before = State();
        dialogs.Scripts.push_back([&](ScriptedDialog& d) {
            for (const auto& [id, text] : c.typed)
                d.Type(id, text);
            d.Click(IDOK);
            if (c.title) {
                ASSERT_FALSE(d.IsEnded()) << c.row;
                EXPECT_EQ(d.Selected(), c.focus) << c.row;
                d.Click(IDCANCEL);
            }
        });
        c.open();
        if (c.title) {
            EXPECT_EQ(host.Messages.size() == 1 ? host.Messages[0].Title : host.AllMessages(), c.title) << c.row;
            EXPECT_EQ(State(), before) << c.row;
        } else {
            EXPECT_TRUE(host.Messages.empty()) << c.row << ": " << host.AllMessages();
            EXPECT_NE(State(), before) << c.row;
        }
    }
}

}  // namespace
