// The texts, titles and icons of the program's messages.
#include "support/BudgetFixture.h"

#include "model/Globals.h"
#include "model/Messages.h"
#include "model/Money.h"

#include <cerrno>
#include <functional>

namespace {

class MessagesTest : public BudgetFixture {};

struct MessageCase {
    const char* name;
    std::function<void()> raise;
    const char* text;
    const char* title;
};

TEST_F(MessagesTest, EachFunctionBuildsItsTextAndTitle)
{
    const MessageCase cases[] = {
        {"standard", [] { HandleStandardError("a", "b", "", ""); }, "a\rb\r\r", ""},
        {"number", [] { HandleNumberConversionError("12a"); },
         "The number:     12a     is invalid.\r\rPlease try again.", "Number Conversion Error"},
        {"dollar", [] { HandleDollarConversionError("1.234"); },
         "The dollar amount:     1.234     is invalid.\r\rPlease try again.", "Money Conversion Error"},
        {"date", [] { HandleDatimeConversionError("13/01/01"); },
         "The date/time:     13/01/01     is invalid.\r\rPlease try again.", "Date Conversion Error"},
        {"range", [] { HandleRangeError("99"); }, "The number:     99     is out of range.\r\rPlease try again.",
         "Range Error"},
        {"input", [] { HandleInputError("one", "two"); }, "one\r\rtwo\r\rPlease try again.", "Input Error"},
        {"selection", [] { HandleSelectionError("one", ""); }, "one\r\r\r\rPlease try again.", "Selection Error"},
        {"delete", [] { HandleDeleteError("It has money."); },
         "This account can not be deleted.\r\rIt has money.\r\rPlease try again.", "Delete Error"},
        {"over", [] { HandleBalanceError(-1234); }, "Your checkbook is over by: $12.34\r\rCheck for entry errors.",
         "Balance Error"},
        {"zero", [] { HandleBalanceError(0); }, "Your checkbook is under by: $0.00\r\rCheck for entry errors.",
         "Balance Error"},
        {"lowest", [] { HandleBalanceError(INT32_MIN); },
         "Your checkbook is over by: $21,474,836.47\r\rCheck for entry errors.", "Balance Error"},
        {"file", [] { errno = 13; HandleFileError("Unable to open file."); }, "Error. 13 Unable to open file.",
         "File System Error"},
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
