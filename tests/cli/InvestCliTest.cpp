// budget-cli invest: the listing, every action with what it stores, the refusals leaving the file
// as it was, the history file of a deletion, and reading while the budget is open elsewhere.
#include "CliFixture.h"

#include "investments/InvestRecording.h"

#include <QJsonArray>
#include <QLockFile>

#include <functional>

namespace {

class InvestCliTest : public CliFixture {
protected:
    // Index Fund holds 10 shares bought at 12.345 on 12/01/26; Bonds are named twice (2 and 3).
    void SetUp() override
    {
        CliFixture::SetUp();
        RecordInvestName(1, "Index Fund");
        ASSERT_NE(BuySellShares(1, 1, 10000, 12345, "12/01/26"), nullptr);
        RecordInvestName(2, "Bonds");
        RecordInvestName(3, "Bonds");
        SaveAndClose();
    }

    // Investment Ii of the dump (Portfolio is 0), or an empty object when it is not listed.
    static QJsonObject InvestOf(const QJsonObject& dump, int Ii)
    {
        for (const QJsonValue& v : dump["investments"].toArray())
            if (v.toObject()["Ii"].toInt() == Ii)
                return v.toObject();
        return {};
    }
};

TEST_F(InvestCliTest, ActionsStoreWhatTheDialogsStoreAndRefusalsLeaveTheFile)
{
    const std::string history = PathOf("fund.txt");
    WriteFileBytes(PathOf("taken.txt"), {'x'});
    using Fields = std::vector<std::tuple<int, const char*, QJsonValue>>;
    const struct Case {
        std::vector<std::string> args;
        int code;
        std::string err;   // for a refusal: the start of the message
        Fields fields = {};  // for a success: fields of the dump's investments
    } cases[] = {
        {{"invest", "buy", "Index Fund", "2.5", "10", "--date", "12/2"}, 0, "",
         {{1, "NumberOfShares", 12500}, {1, "CostPerShare", 10000}, {1, "AmountPaid", 14845},
          {1, "Datime", "12/02/26"}, {1, "NumberOfHistoryRecords", 2}, {0, "AmountPaid", 14845}}},
        {{"invest", "sell", "@1", "5", "13"}, 0, "",
         {{1, "NumberOfShares", 5000}, {1, "AmountPaid", 6173}, {0, "AmountPaid", 6173}, {1, "Datime", "12/05/26"}}},
        {{"invest", "price", "Index Fund", "13.5"}, 0, "",
         {{1, "CostPerShare", 13500}, {1, "NumberOfShares", 10000}, {1, "AmountPaid", 12345}}},
        {{"invest", "cost-basis", "Index Fund", "200"}, 0, "", {{1, "AmountPaid", 20000}, {0, "AmountPaid", 20000}}},
        {{"invest", "add", "Shares", "--slot", "9"}, 0, "", {{9, "Name", "Shares"}, {9, "Valid", 1}}},
        {{"invest", "add", "Sixteen chars ok"}, 0, "", {{4, "Name", "Sixteen chars o"}}},
        {{"invest", "rename", "Index Fund", "World"}, 0, "", {{1, "Name", "World"}}},
        {{"invest", "note", "Index Fund", "Hold"}, 0, "", {{1, "Note", "Hold"}}},
        {{"invest", "swap", "Index Fund", "@5"}, 0, "", {{5, "Name", "Index Fund"}, {5, "AmountPaid", 12345}}},
        {{"invest", "delete", "Index Fund", "--history-file", history}, 0, "",
         {{1, "Valid", QJsonValue(QJsonValue::Undefined)}, {0, "AmountPaid", 0}}},

        {{"invest", "buy", "Nothing", "1", "1"}, 1, "Selection Error: There is no investment named Nothing."},
        {{"invest", "buy", "Bonds", "1", "1"}, 1, "Selection Error: 2 investments are named Bonds:\n\n@2, @3."},
        {{"invest", "buy", "@4", "1", "1"}, 1, "Selection Error: There is no investment at position 4."},
        {{"invest", "sell", "Index Fund", "10.001", "12"}, 1, "Range Error: The number:     10.001     is out"},
        {{"invest", "buy", "Index Fund", "1000000", "25"}, 1, "Range Error: The number:     1000000     is out"},
        {{"invest", "price", "Index Fund", "250000"}, 1, "Range Error: The number:     250000     is out"},
        {{"invest", "buy", "Index Fund", "x", "12"}, 1, "Number Conversion Error: The number:     x     is"},
        {{"invest", "buy", "Index Fund", "1", "12.3456"}, 1, "Money Conversion Error: The dollar amount:     12.3456"},
        // Longer than the field: refused whole, where what the field would keep is a price.
        {{"invest", "buy", "Index Fund", "1", "0000000000000012"}, 1,
         "Money Conversion Error: The dollar amount:     0000000000000012     is"},
        {{"invest", "buy", "Index Fund", "1", "1", "--date", "13/45"}, 1, "Date Conversion Error"},
        {{"invest", "cost-basis", "Index Fund", "1.234"}, 1, "Money Conversion Error"},
        {{"invest", "add", ""}, 1, "Input Error: An account must be specified."},
        {{"invest", "add", "X", "--slot", "1"}, 1, "Selection Error: Account already exists."},
        {{"invest", "rename", "Index Fund", ""}, 1, "Input Error: An account must be specified."},
        {{"invest", "delete", "@4", "--history-file", history}, 1, "Delete Error: This account can not be deleted."},
        {{"invest", "delete", "Index Fund", "--history-file", PathOf("taken.txt")}, 1, ""},
        {{"invest", "buy", "Index Fund", "1"}, 2, "budget-cli: usage: budget-cli invest FILE buy NAME"},
        {{"invest", "buy", "@26", "1", "1"}, 2, "budget-cli: @26 is not an investment position"},
        {{"invest", "buy", "Index Fund", "1", "1", "--slot", "2"}, 2, "budget-cli: --slot is no option of invest buy"},
        {{"invest", "swap", "Bonds", "@2"}, 1, "Selection Error: 2 investments"},
        {{"invest", "swap", "@2", "@2"}, 2, "budget-cli: swap takes two different investments"},
        {{"invest", "frob"}, 2, "budget-cli: invest has no action \"frob\""},
    };
    for (const Case& c : cases) {
        const CliRun run = RunOn(c.args);
        std::string what;
        for (const std::string& a : c.args)
            what += a + " ";
        EXPECT_EQ(run.code, c.code) << what << ": " << run.err;
        if (c.code != 0) {
            EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << what << ": " << run.err;
            ExpectUnsaved(what);
            continue;
        }
        const QJsonObject dump = Dump(path);
        for (const auto& [Ii, key, value] : c.fields)
            EXPECT_EQ(InvestOf(dump, Ii).value(key), value) << what << ": " << Ii << " " << key;
    }
    // The deletion kept the trade, in the text file's form.
    const std::vector<uint8_t> kept = ReadFileBytes(history);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "Index Fund\t12/01/26\tBought\t10.000\t$12.345\t10.000\t\r");
}

TEST_F(InvestCliTest, ListsAccountsAndPortfolioAlsoWhileTheBudgetIsOpenElsewhere)
{
    QLockFile other(QString::fromStdString(path + ".lock"));
    ASSERT_TRUE(other.tryLock());
    const CliRun table = Run({"invest", path});
    ASSERT_EQ(table.code, kExitOk) << table.err;
    EXPECT_EQ(table.out,
              "Slot Name            Shares          Price         Cost basis       Market value     Performance Date\n"
              "   1 Index Fund      10.000          $12.345       $123.45          $123.45          0%          12/01/26\n"
              "   2 Bonds           0.000           $0.000        $0.00            $0.00            0%\n"
              "   3 Bonds           0.000           $0.000        $0.00            $0.00            0%\n"
              "     Portfolio                                     $123.45          $123.45          0%\n"
              "Market Value Current as of \n");
    const CliRun json = Run({"invest", path, "--json"});
    ASSERT_EQ(json.code, kExitOk) << json.err;
    const QJsonObject list = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    const QJsonObject fund = list["accounts"].toArray()[0].toObject();
    EXPECT_EQ(fund["NumberOfShares"], 10000);
    EXPECT_EQ(fund["CostPerShare"], 12345);
    EXPECT_EQ(fund["MarketValue"], 12345);
    EXPECT_EQ(list["portfolio"].toObject()["AmountPaid"], 12345);
    EXPECT_EQ(list["current"], false);
    EXPECT_EQ(Run({"invest", path, "note", "Index Fund"}).code, kExitOk);
    EXPECT_EQ(Run({"invest", path, "price", "Index Fund", "13"}).code, kExitRefused);
    ExpectUnsaved("price while open elsewhere");
}

TEST_F(InvestCliTest, EachActionHasItsHelp)
{
    const CliRun buy = Run({"invest", "buy", "--help"});
    EXPECT_EQ(buy.code, kExitOk);
    EXPECT_EQ(buy.out.rfind("Usage: budget-cli invest FILE buy NAME SHARES PRICE [--date DATE]\n", 0), 0u) << buy.out;
    const CliRun all = Run({"invest", "--help"});
    EXPECT_NE(all.out.find("  delete NAME --history-file PATH\n"), std::string::npos) << all.out;
}

}  // namespace
