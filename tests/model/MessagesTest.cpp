// The texts, titles and icons of the program's messages.
#include "support/BudgetFixture.h"

#include "model/Globals.h"
#include "model/Messages.h"
#include "model/Money.h"

#include <functional>

namespace {

class MessagesTest : public BudgetFixture {};

struct MessageCase {
    const char* name;
    std::function<void()> raise;
    const char* text;
    const char* title;
};

// (The messages of typing errors, ranges, refusals, balancing and files are checked where the
// program shows them.)
TEST_F(MessagesTest, EachFunctionBuildsItsTextAndTitle)
{
    const MessageCase cases[] = {
        {"standard", [] { HandleStandardError("a", "b", "", ""); }, "a\rb\r\r", ""},
        {"zero", [] { HandleBalanceError(0); }, "Your checkbook is under by: $0.00\r\rCheck for entry errors.",
         "Balance Error"},
        {"lowest", [] { HandleBalanceError(INT32_MIN); },
         "Your checkbook is over by: $21,474,836.47\r\rCheck for entry errors.", "Balance Error"},
        {"memory", [] { HandleMemoryError(4); }, "Memory Error 4", "Memory Error"},
        {"print", [] { HandlePrintError(7, "No printer."); }, "Error. 7 No printer.", "Print Error"},
        {"not yet", [] { NotYet(); }, "Budget\rThis function is not avilable.\rCheck the next release.\r", ""},
        {"international",
         [] {
             CopyString("DM", gIntRec.DollarSymbol);
             gIntRec.Flag1 = kIntSymbolAfter | kIntSymbolSpace;
             gIntRec.DecimalSymbol = ',';
             gIntRec.GroupSymbol = '.';
             HandleBalanceError(123456);
         },
         "Your checkbook is under by: 1.234,56 DM\r\rCheck for entry errors.", "Balance Error"},
    };
    for (const MessageCase& c : cases) {
        host.Messages.clear();
        c.raise();
        ASSERT_EQ(host.Messages.size(), 1u) << c.name;
        EXPECT_EQ(host.Messages[0].Text, c.text) << c.name;
        EXPECT_EQ(host.Messages[0].Title, c.title) << c.name;
        EXPECT_EQ(host.Messages[0].Buttons, MessageButtons::Ok) << c.name;
        EXPECT_EQ(host.Messages[0].Icon, MessageIcon::Error) << c.name;
    }
}

}  // namespace
