// budget-cli and the terminal: arguments in the locale's encoding (UTF-8) become the budget's
// Windows-1252 text and back, control characters from a file are shown escaped, and output that
// cannot be written fails the command.
#include "CliFixture.h"

#include "ledger/Pay.h"
#include "model/Globals.h"
#include "model/Money.h"

#include <QJsonArray>
#include <QProcess>

#include <iterator>

namespace {

class TextCliTest : public CliFixture {
protected:
    // The JSON of the account at grid position (Mi, Si), as dump prints it.
    QJsonObject DumpedAccount(int Mi, int Si)
    {
        for (const auto& value : Dump(path)["accounts"].toArray())
            if (value.toObject()["Mi"].toInt() == Mi && value.toObject()["Si"].toInt() == Si)
                return value.toObject();
        ADD_FAILURE() << "no account at " << Mi << "," << Si;
        return {};
    }
};

// An account made in a window holds Windows-1252 bytes; the same name typed on the command line
// finds it, is stored as the same bytes, and comes back as UTF-8 in dump and on the terminal.
TEST_F(TextCliTest, NamesAndPayeesGoBetweenUtf8AndTheBudgetsText)
{
    const std::pair<std::string, std::string> names[] = {
        {"Müller", "M\xfcller"},         {"Café", "Caf\xe9"}, {"€uro", "\x80uro"}, {"Ñandú", "\xd1" "and\xfa"},
        {"naïve 50½", "na\xef" "ve 50\xbd"}, {"„Œuvre“–‰™Ÿ", "\x84\x8cuvre\x93\x96\x89\x99\x9f"},
    };
    AddTestAccount(1, 0, "Rent");
    Accounts[0][0].Balance = Accounts[0][1].Balance = 500000;  // the Checkbook may pay for what follows
    for (size_t k = 0; k < std::size(names); ++k)
        AddTestAccount(static_cast<int>(k) + 2, 0, names[k].second.c_str());
    SaveAndClose();
    for (size_t k = 0; k < std::size(names); ++k) {
        const auto& [utf8, stored] = names[k];
        const int Mi = static_cast<int>(k) + 2;
        ASSERT_EQ(Run({"deposit", path, utf8, "5", "--from", utf8, "--for", utf8}).code, kExitOk) << utf8;
        ASSERT_EQ(Run({"add-account", path, utf8, "--at", std::to_string(Mi) + ",1"}).code, kExitOk) << utf8;
        ASSERT_EQ(Run({"note", path, utf8, utf8 + "\r\n" + utf8}).code, kExitOk) << utf8;
        EXPECT_EQ(Run({"note", path, utf8}).out, utf8 + "\n" + utf8 + "\n");
        const CliRun refused = Run({"atm", path, "@" + std::to_string(Mi) + ",1", "1000"});
        EXPECT_EQ(refused.err.rfind("Transfer Funds: " + utf8 + " lacks $1,000.00;", 0), 0u) << refused.err;

        const QJsonObject account = DumpedAccount(Mi, 0);
        const QString expected = QString::fromStdString(utf8);
        EXPECT_EQ(account["Name"].toString(), expected);
        EXPECT_EQ(account["history"].toArray()[0].toObject()["PayToFm"].toString(), expected);
        EXPECT_EQ(DumpedAccount(Mi, 1)["Name"].toString(), expected);
        Reopen();
        EXPECT_EQ(std::string(MemoryAccounts[Mi][0].HistoryRec->For), stored) << utf8;
        EXPECT_EQ(std::string(Accounts[Mi][1].Name), stored) << utf8;
    }

    // Cut to the field's 14 characters, not its bytes.
    const std::string twenty = "ÄÖÜ€äöüßÄÖÜ€äöüßÄÖÜ€";
    ASSERT_EQ(Run({"add-account", path, twenty, "--at", "20,0"}).code, kExitOk);
    EXPECT_EQ(DumpedAccount(20, 0)["Name"].toString(), QString::fromStdString(twenty).left(14));
}

TEST_F(TextCliTest, ACharacterTheBudgetCannotHoldIsRefusedByName)
{
    AddTestAccount(1, 0, "Rent");
    SaveAndClose();
    const struct { std::vector<std::string> args; std::string character; } cases[] = {
        {{"add-account", "Ωmega"}, "\"Ω\" (U+03A9)"},
        {{"check", "Rent", "5", "--to", "日本"}, "\"日\" (U+65E5)"},
        {{"deposit", "Rent", "5", "--from", "Fun 😀"}, "\"😀\" (U+1F600)"},
        {{"multi-deposit", "--row", "5", "Mom", "Rent", "", "x\u0080"}, "\"\\x80\" (U+0080)"},
        {{"atm", "Rent", "\xff"}, "is not valid text"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunOn(c.args);
        EXPECT_EQ(run.code, kExitRefused) << c.character;
        EXPECT_EQ(run.err.rfind("Input Error: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(c.character), std::string::npos) << run.err;
        ExpectUnsaved(c.character);
    }
}

// Names, payees and notes from a file may hold any byte; the terminal gets their control
// characters escaped, never raw, and dump escapes them and quotes as JSON does.
TEST_F(TextCliTest, ControlCharactersFromAFileAreShownEscaped)
{
    AddTestAccount(1, 0, "Rent \"\x1b[2J\"");
    Accounts[0][0].Balance = Accounts[0][1].Balance = 500000;
    CopyString("Tires\r\nESC\x1b]0;x\x07 and\ttab\x9d", Accounts[1][0].Note);
    PaySetupEntry entry = CurrentPaySetup();
    entry.Sources[0] = {"Acme\x1b[31m", "1000", PayTypeButton(0, kPayMonthly)};
    ASSERT_EQ(RecordPaySetup(entry), 1);
    SaveAndClose();

    const CliRun note = Run({"note", path, "@1,0"});
    EXPECT_EQ(note.out, "Tires\nESC\\x1b]0;x\\x07 and\\ttab\\x9d\n");
    const CliRun payers = Run({"payers", path});
    EXPECT_EQ(payers.out.rfind("Pay source #1: Acme\\x1b[31m, $1,000.00, monthly\n", 0), 0u) << payers.out;
    const CliRun shortfall = Run({"atm", path, "@1,0", "5"});
    EXPECT_EQ(shortfall.err.rfind("Transfer Funds: Rent \"\\x1b[2J\" lacks $5.00;", 0), 0u) << shortfall.err;
    const CliRun missing = Run({"atm", path, "No\x1b[2Jpe", "5"});
    EXPECT_EQ(missing.err, "Selection Error: There is no account named No\\x1b[2Jpe.\n\n\n\nPlease try again.\n");
    const CliRun dump = Run({"dump", path});
    EXPECT_NE(dump.out.find("\"Rent \\\"\\u001b[2J\\\"\""), std::string::npos) << dump.out.substr(0, 2000);
    EXPECT_NE(dump.out.find("tab\\u009d"), std::string::npos);
    for (const CliRun& run : {note, payers, shortfall, missing, dump})
        for (const char raw : {'\x1b', '\x07', '\t'})
            EXPECT_EQ((run.out + run.err).find(raw), std::string::npos) << run.out << run.err;
}

// The built program with its standard output on a full device.
TEST_F(TextCliTest, OutputThatCannotBeWrittenFailsTheCommand)
{
    AddTestAccount(1, 0, "Rent");
    CopyString("Tires", Accounts[1][0].Note);
    SaveAndClose();
    const std::vector<QStringList> commands = {
        {"dump", QString::fromStdString(path)},
        {"note", QString::fromStdString(path), "Rent"},
        {"--help"},
    };
    for (const QStringList& arguments : commands) {
        QProcess cli;
        cli.setStandardOutputFile("/dev/full");
        cli.start(BUDGET_CLI_PATH, arguments);
        ASSERT_TRUE(cli.waitForFinished(60000)) << arguments.front().toStdString();
        EXPECT_EQ(cli.exitCode(), kExitRefused) << arguments.front().toStdString();
        EXPECT_TRUE(cli.readAllStandardError().contains("budget-cli: the output could not be written"))
            << arguments.front().toStdString();
    }
}

}  // namespace
