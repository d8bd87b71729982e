// budget-cli reconcile on a budget kept from the command line: a statement that shows every
// outstanding transaction completes the balancing; one that misses a line changes nothing.
#include "CliFixture.h"

#include "model/Globals.h"

#include <fstream>

namespace {

class ReconcileCliTest : public CliFixture {
protected:
    // Food gets 1,000.00 (balanced), then a check, a debit, an ATM withdrawal, a deposit and a
    // pay spread over Food and Available: the Checkbook holds 1,955.50.
    void SetUp() override
    {
        CliFixture::SetUp();
        const std::vector<std::vector<std::string>> commands = {
            {"new", path},
            {"add-account", path, "Food"},
            {"deposit", path, "Food", "1000", "--from", "Employer", "--date", "11/01/26"},
            {"balance", path, "--statement", "1000", "--tick", "all"},
            {"check", path, "Food", "25.50", "--to", "Grocer, Inc", "--number", "1001", "--date", "11/03/26"},
            {"debit", path, "Food", "9.00", "--to", "Cafe", "--date", "11/10/26"},
            {"atm", path, "Food", "40", "--date", "11/12/26"},
            {"deposit", path, "Food", "30", "--from", "Mom", "--date", "11/14/26"},
            {"payers", path, "--set", "1", "Acme", "1000", "monthly"},
            {"allocate", path, "Food", "--payer", "1", "--pay", "1", "300"},
            {"pay", path, "--payer", "1", "--date", "11/15/26"},
        };
        for (const auto& command : commands) {
            const CliRun run = Run(command);
            ASSERT_EQ(run.code, 0) << command[0] << ": " << run.err;
        }
        bytes = ReadFileBytes(path);
    }

    // A CSV statement with the lines given after its header, closing at 1,955.50.
    std::string Statement(const std::string& lines)
    {
        const std::string file = PathOf("statement.csv");
        std::ofstream(file) << "Date,Description,Amount,Check Number\n" << lines;
        return file;
    }

    const std::string allLines =
        "11/04/26,\"Grocer, Inc\",-25.50,1001\n"
        "11/11/26,CAFE,-9.00,\n"
        "11/12/26,ATM Main St,-40.00,\n"
        "11/16/26,Mom,30.00,\n"
        "11/16/26,ACME PAYROLL,\"1,000.00\",\n";
};

TEST_F(ReconcileCliTest, AStatementOfEveryLineCompletesTheBalancing)
{
    const std::string statement = Statement(allLines);
    const CliRun dry = RunOn({"reconcile", statement, "--statement", "1955.50"});
    ASSERT_EQ(dry.code, 0) << dry.err;
    EXPECT_NE(dry.out.find("Matched (5)"), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find("Difference once the matches are ticked: $0.00 (balanced)"), std::string::npos) << dry.out;
    ExpectUnsaved("a run without --apply");

    const CliRun run = RunOn({"reconcile", statement, "--statement", "1955.50", "--apply"});
    ASSERT_EQ(run.code, 0) << run.err;
    Reopen();
    EXPECT_EQ(Accounts[0][1].Balance, 195550);
    EXPECT_EQ(gBalanceCAnchor, nullptr);
    EXPECT_EQ(gBalanceDAnchor, nullptr);
    EXPECT_STREQ(MemoryAccounts[0][1].HistoryRec->PayToFm, "Checkbook balanced");
    ASSERT_EQ(BudgetClose(), 1);

    // The same statement again proposes nothing: its records are reconciled.
    const CliRun again = Run({"reconcile", path, statement, "--statement", "1955.50"});
    EXPECT_NE(again.out.find("Matched (0)"), std::string::npos) << again.out;
    EXPECT_NE(again.out.find("Not matched (5)"), std::string::npos) << again.out;
}

TEST_F(ReconcileCliTest, AStatementMissingALineIsRefusedAndNothingIsSaved)
{
    const std::string statement = Statement(allLines.substr(allLines.find('\n') + 1));
    const CliRun run = RunOn({"reconcile", statement, "--statement", "1955.50", "--apply"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("Balance Error: Your checkbook is over by: $25.50"), std::string::npos) << run.err;
    ExpectUnsaved("a refused reconcile");
}

}  // namespace
