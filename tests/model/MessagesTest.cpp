// The texts, titles and icons of the program's messages.
#include "support/BudgetFixture.h"

#include "model/Globals.h"
#include "model/Messages.h"
#include "model/Money.h"

#include <tuple>

namespace {

class MessagesTest : public BudgetFixture {};

// The balance message: under or over by the difference's magnitude (also of the most negative
// amount), in the budget's money format, as an error box. (The messages of typing errors, ranges,
// refusals and files are checked where the program shows them.)
TEST_F(MessagesTest, TheBalanceMessageShowsTheDifferenceInTheBudgetsFormat)
{
    const struct { int32_t amount; const char* symbol; const char* text; } cases[] = {
        {0, "$", "Your checkbook is under by: $0.00"},
        {INT32_MIN, "$", "Your checkbook is over by: $21,474,836.47"},
        {123456, "DM", "Your checkbook is under by: 1.234,56 DM"},
    };
    for (const auto& c : cases) {
        if (c.symbol[0] == 'D') {
            CopyString(c.symbol, gIntRec.DollarSymbol);
            gIntRec.Flag1 = kIntSymbolAfter | kIntSymbolSpace;
            gIntRec.DecimalSymbol = ',';
            gIntRec.GroupSymbol = '.';
        }
        host.Messages.clear();
        HandleBalanceError(c.amount);
        ASSERT_EQ(host.Messages.size(), 1u) << c.text;
        const CapturedMessage& m = host.Messages[0];
        EXPECT_EQ(std::tuple(m.Text, m.Title, m.Buttons, m.Icon),
                  std::tuple(std::string(c.text) + "\r\rCheck for entry errors.", "Balance Error", MessageButtons::Ok,
                             MessageIcon::Error));
    }
}

}  // namespace
