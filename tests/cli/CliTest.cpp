// budget-cli run in-process: exit codes, messages on standard error, the JSON of dump.
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

TEST_F(CliTest, NewMakesAnEmptyBudgetAndNeverReplacesAFile)
{
    CliRun run = Run({"new", path});
    EXPECT_EQ(run.code, kExitOk) << run.err;
    EXPECT_EQ(ReadFileBytes(path).size(), 87388u);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path + ".lock")));

    run = Run({"new", path});
    EXPECT_EQ(run.code, kExitRefused);
    EXPECT_EQ(run.err, "Input Error: The file " + path + " already exists.\n");
}

// One field of each kind the dump writes: plain, nested arrays, points and rectangles, a font,
// the memo bytes, an optional reminder; padding and links are left out.
TEST_F(CliTest, DumpPrintsEveryRecordByItsFieldNamesTheSameEveryTime)
{
    BuildRichTestBudget();
    SaveAndClose();
    EXPECT_EQ(Run({"dump", path}).out, Run({"dump", path}).out);

    const QJsonObject dump = Dump(path);
    EXPECT_EQ(dump.keys(), QStringList({"accounts", "balancing", "budget", "international", "investments", "todo"}));
    const QJsonObject budget = dump["budget"].toObject();
    EXPECT_EQ(budget["HistoryFont"].toObject()["lfFaceName"].toString(), "DejaVu Sans");
    EXPECT_EQ(budget["PrintField"].toArray()[3].toArray(), QJsonArray({10, 20, 300, 40}));
    EXPECT_EQ(budget["MwPt"].toArray(), QJsonArray({4, 40}));
    EXPECT_FALSE(budget.contains("Pad"));

    const QJsonArray accounts = dump["accounts"].toArray();
    QStringList names;
    for (const auto& a : accounts)
        names << a.toObject()["Name"].toString();
    EXPECT_EQ(names, QStringList({"Available", "Checkbook", "Rent", "Car", "Gas", "Repairs", "Savings"}));
    const QJsonObject rent = accounts[2].toObject();
    EXPECT_EQ(rent["PayAmount"].toArray()[1].toArray()[3].toInt(), 12345);
    const QJsonArray history = rent["history"].toArray();
    ASSERT_EQ(history.size(), 2);
    EXPECT_EQ(history[0].toObject()["Reminder"].toObject()["JDate"].toString(), "26350");
    EXPECT_FALSE(history[1].toObject().contains("Reminder") || history[1].toObject().contains("HistoryFP"));
    const QJsonObject gas = accounts[4].toObject()["history"].toArray()[0].toObject();
    EXPECT_EQ(gas["MemoBytes"].toArray(), QJsonArray({7, 2, 6, 0}));
    EXPECT_EQ(accounts[5].toObject()["history"].toArray()[0].toObject()["ATM"].toInt(), 255);
    EXPECT_EQ(dump["investments"].toArray()[1].toObject()["history"].toArray().size(), 3);
    EXPECT_EQ(dump["todo"].toArray()[0].toObject()["ToDo"].toString(), "Call the bank");
}

TEST_F(CliTest, TextBytesBecomeTheCodePointsOfTheirValues)
{
    AddTestAccount(1, 0, "Caf\xe9 \"x\"\t");
    SaveAndClose();
    const QJsonObject account = Dump(path)["accounts"].toArray()[2].toObject();
    EXPECT_EQ(account["Name"].toString(), QString::fromUtf8("Caf\u00e9 \"x\"\t"));
}

TEST_F(CliTest, VerifyReportsTheMessagesOfADamagedFileAndFails)
{
    BuildRichTestBudget();
    SaveAndClose();
    CliRun run = Run({"verify", path});
    EXPECT_EQ(run.code, kExitOk) << run.err;
    EXPECT_TRUE(run.err.empty());

    bytes[4 * 228 + 26] = 1;  // the Repairs record (after the log, Rent x2, Gas) claims to be Gas's
    WriteFileBytes(path, bytes);
    run = Run({"verify", path});
    EXPECT_EQ(run.code, kExitRefused);
    EXPECT_EQ(run.err,
              "Error: Integrity error 2.\nThe data file may be corrupt.\nRestore the file from a backup copy.\nRepairs\n");
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
