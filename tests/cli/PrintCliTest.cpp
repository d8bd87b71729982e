// budget-cli words and layout: the amount in words, and the check layout listed, changed and
// refused. (print-check runs in the print window's tests, as it needs the print library.)
#include "CliFixture.h"

#include "model/Globals.h"
#include "printing/CheckPrint.h"

namespace {

class PrintCliTest : public CliFixture {};

TEST_F(PrintCliTest, WordsSpellsTheAmountAsACheckDoes)
{
    const struct { std::vector<std::string> args; int code; std::string text; } cases[] = {
        {{"1,234.56"}, 0, "ONE THOUSAND TWO HUNDRED THIRTY FOUR AND 56/100\n"},
        {{"0.05"}, 0, "AND 05/100\n"},
        {{"1.234", "--places", "3"}, 0, "ONE AND 234/1000\n"},
        {{"7", "--places", "0"}, 0, "SEVEN\n"},
        {{"12.345"}, 1, "Money Conversion Error: The dollar amount:     12.345     is invalid."},
        {{"5", "--places", "5"}, 2, "budget-cli: --places takes 0 to 4"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"words"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun run = Run(args);
        SCOPED_TRACE(c.args[0]);
        EXPECT_EQ(run.code, c.code) << run.err;
        EXPECT_EQ((c.code ? run.err : run.out).substr(0, c.text.size()), c.text) << run.out << run.err;
    }
}

TEST_F(PrintCliTest, LayoutListsChangesAndRefusesBoxes)
{
    ASSERT_EQ(Run({"new", path}).code, kExitOk);
    const CliRun list = Run({"layout", path});
    ASSERT_EQ(list.code, kExitOk) << list.err;
    EXPECT_EQ(list.out.rfind("0  Pay To       83   78  420   98\n"
                             "1  Amount      429   80  510  100\n"
                             "2  Wrd Amt      34  106  420  126\n"
                             "3  Memo         50  175  280  195\n"
                             "4  Date        334   34  425   54\n",
                             0),
              0u)
        << list.out;
    EXPECT_NE(list.out.find("9  Signature  not placed\n"), std::string::npos) << list.out;

    bytes = ReadFileBytes(path);
    const struct { std::vector<std::string> args; std::string err; } refusals[] = {
        {{"--set", "Check", "1", "2", "3", "4"}, "budget-cli: --set: Check names no field"},
        {{"--set", "10", "1", "2", "3", "4"}, "budget-cli: --set: 10 names no field"},
        {{"--set", "Day", "50", "20", "40", "30"}, "budget-cli: --set: LEFT below RIGHT"},
        {{"--set", "Day", "10", "20", "40", "x"}, "budget-cli: --set: x is not a whole number"},
        {{"--clear", "Stamp"}, "budget-cli: --clear: Stamp names no field"},
    };
    for (const auto& r : refusals) {
        std::vector<std::string> args = {"layout"};
        args.insert(args.end(), r.args.begin(), r.args.end());
        const CliRun run = RunOn(args);
        EXPECT_EQ(run.code, kExitUsage) << r.args[1];
        EXPECT_EQ(run.err.substr(0, r.err.size()), r.err) << run.err;
        ExpectUnsaved(r.args[1]);
    }

    const CliRun changed = RunOn({"layout", "--set", "day", "334", "34", "360", "54", "--clear", "4"});
    ASSERT_EQ(changed.code, kExitOk) << changed.err;
    EXPECT_NE(changed.out.find("4  Date       not placed\n5  Day         334   34  360   54\n"), std::string::npos)
        << changed.out;
    Reopen();
    EXPECT_EQ(gBudget.PrintField[kPrintDay].right, 360);
    EXPECT_FALSE(BoxPlaced(kPrintDate));
}

}  // namespace
