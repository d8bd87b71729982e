// budget-cli find: the hits listed with the numbers undo and edit take, refusals, and a file that
// is never changed.
#include "CliFixture.h"

#include "ledger/Recording.h"
#include "model/Globals.h"

namespace {

class FindCliTest : public CliFixture {};

TEST_F(FindCliTest, ListsEveryHitInFindOrderAndNeverChangesTheFile)
{
    // Rent, newest first: a transfer of 5.00 to Car/Gas (record 0), an ATM withdrawal (1) and a
    // refund of 12.34 (2). Car/Gas: the transfer (0), a debit at Corner Store (1) and check 1001
    // at Shell Gas Station (2), both of 12.34, the check taxable.
    AddSampleAccounts();
    ASSERT_TRUE(RecordCheck(2, 1, {.Amount = 1234, .Datime = "09/14/24", .PayTo = "Shell Gas Station",
                                   .For = "Fuel", .Number = 1001, .Tax = true}));
    ASSERT_TRUE(RecordCheck(2, 1, {.Amount = 1234, .Datime = "09/20/24", .PayTo = "Corner Store", .Debit = true}));
    ASSERT_TRUE(RecordDeposit(1, 0, 1234, "Refund", "01/05/25", "", false));
    ASSERT_TRUE(RecordATM(1, 0, 4000, "12/01/26"));
    ASSERT_TRUE(RecordTransfer(1, 0, 2, 1, 500, "12/02/26", "Top up"));
    SaveAndClose();

    // Each run's standard output, or the start of its standard error.
    const struct { std::vector<std::string> args; int code; std::string out; } cases[] = {
        {{"--amount", "12.34", "--or", "--tax"}, 0,
         "Rent\t2\t01/05/25\tdeposit\tRefund\t12.34\n"
         "Car/Gas\t1\t09/20/24\tdebit\tCorner Store\t12.34\n"
         "Car/Gas\t2\t09/14/24\tcheck\tShell Gas Station\t12.34\n"},
        {{"--payee", "gas", "--ignore-case", "--year", "2024", "--month", "september", "--balance", "37.66"}, 0,
         "Car/Gas\t2\t09/14/24\tcheck\tShell Gas Station\t12.34\n"},
        {{"--for", "Top"}, 0, "Rent\t0\t12/02/26\ttransfer\tGas Account\t5.00\nCar/Gas\t0\t12/02/26\ttransfer\tRent Account\t5.00\n"},
        {{"--number", "1001", "--month", "12"}, 0, ""},
        {{"--year", "2150"}, 1, "Input Error: The year:     2150     is out of range."},
        {{"--month", "Foo"}, 1, "Input Error: The month:     Foo     is not a month."},
        {{"--amount", "12.345"}, 1, "Money Conversion Error: The dollar amount:     12.345"},
        {{"--number", "x1"}, 1, "Number Conversion Error: The number:     x1"},
        {{"--tax=yes"}, 2, "budget-cli find: --tax takes no value"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"find"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun run = RunOn(args);
        SCOPED_TRACE(c.args[0] + ": " + run.err);
        EXPECT_EQ(run.code, c.code);
        EXPECT_EQ(c.code == kExitOk ? run.out : run.err.substr(0, c.out.size()), c.out);
        ExpectUnsaved(c.args[0]);
    }

    // The number listed is the one undo takes.
    ASSERT_EQ(RunOn({"undo", "Car/Gas", "1"}).code, kExitOk);
    EXPECT_EQ(Run({"find", path, "--payee", "Corner"}).out, "Car/Gas\t1\t09/20/24\tdebit (undone)\tCorner Store\t12.34\n");
}

}  // namespace
