// budget-cli run in-process: exit codes, help, the JSON of dump, the demo budget. (Damaged budgets
// and verify: the file tests of budget-cli; text in dump: its text tests.)
#include "CliFixture.h"

#include "model/Globals.h"
#include "model/Money.h"

#include <QJsonArray>

namespace {

class CliTest : public CliFixture {};

TEST_F(CliTest, UsageErrorsAndHelp)
{
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{}, kExitUsage},
        {{"frobnicate", "x.bgt"}, kExitUsage},
        {{"dump"}, kExitUsage},
        {{"dump", "a.bgt", "b.bgt"}, kExitUsage},
        {{"dump", "--bogus"}, kExitUsage},
        {{"--help"}, kExitOk},
    };
    for (const auto& [args, code] : cases) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.code, code) << (args.empty() ? "" : args[0]);
        EXPECT_NE(run.out.find("Usage: budget-cli"), std::string::npos);
    }
    for (const std::string command : {"verify", "dump", "new", "demo", "edit", "add-account", "check", "debit", "atm",
                                      "deposit", "transfer", "undo", "move", "balance", "payers", "allocate", "pay",
                                      "multi-deposit", "note", "delete-account"}) {
        const CliRun run = Run({command, "--help"});
        EXPECT_EQ(run.code, kExitOk) << command;
        EXPECT_EQ(run.out.rfind("Usage: budget-cli " + command + " FILE", 0), 0u) << command;
    }
}

// (The golden scripts check that an existing file is not replaced.)
TEST_F(CliTest, NewMakesAnEmptyBudgetAndLeavesNoLock)
{
    const CliRun run = Run({"new", path});
    EXPECT_EQ(run.code, kExitOk) << run.err;
    EXPECT_EQ(ReadFileBytes(path).size(), 87388u);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path + ".lock")));
}

// The records and fields the golden scripts cannot reach, which pin whole dumps: a reminder, the
// memo bytes, investment history and To Do records; links are left out.
TEST_F(CliTest, DumpPrintsEveryRecordByItsFieldNames)
{
    BuildRichTestBudget();
    SaveAndClose();
    const QJsonObject dump = Dump(path);
    EXPECT_EQ(dump.keys(), QStringList({"accounts", "balancing", "budget", "international", "investments", "todo"}));
    const QJsonArray accounts = dump["accounts"].toArray();
    QStringList names;
    for (const auto& a : accounts)
        names << a.toObject()["Name"].toString();
    EXPECT_EQ(names, QStringList({"Available", "Checkbook", "Rent", "Car", "Gas", "Repairs", "Savings"}));
    const QJsonArray history = accounts[2].toObject()["history"].toArray();
    ASSERT_EQ(history.size(), 2);
    EXPECT_EQ(history[0].toObject()["Reminder"].toObject()["JDate"].toString(), "26350");
    EXPECT_FALSE(history[1].toObject().contains("Reminder") || history[1].toObject().contains("HistoryFP"));
    EXPECT_EQ(accounts[4].toObject()["history"].toArray()[0].toObject()["MemoBytes"].toArray(), QJsonArray({7, 2, 6, 0}));
    EXPECT_EQ(dump["investments"].toArray()[1].toObject()["history"].toArray().size(), 3);
    EXPECT_EQ(dump["todo"].toArray()[0].toObject()["ToDo"].toString(), "Call the bank");
}

TEST_F(CliTest, DemoIsARealisticBudgetThatOpensCleanly)
{
    const CliRun run = Run({"demo", path});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    EXPECT_EQ(Run({"verify", path}).code, kExitOk);
    const QJsonObject dump = Dump(path);
    int savings = 0, subAccounts = 0;
    for (const auto& value : dump["accounts"].toArray()) {
        savings += value.toObject()["SavingsFlag"].toInt();
        subAccounts += value.toObject()["Si"].toInt() > 0 ? 1 : 0;
    }
    EXPECT_TRUE(savings >= 1 && subAccounts >= 2) << savings << " savings accounts, " << subAccounts << " sub accounts";
    // A month balanced against its statement, and this month's transactions still outstanding.
    const QJsonObject checkbook = dump["accounts"].toArray()[1].toObject();
    EXPECT_EQ(checkbook["history"].toArray()[0].toObject()["PayToFm"].toString(), "Checkbook balanced");
    EXPECT_GE(dump["balancing"].toObject()["withdrawals"].toArray().size(), 1);
    EXPECT_EQ(dump["todo"].toArray().size(), 2);
}

}  // namespace
