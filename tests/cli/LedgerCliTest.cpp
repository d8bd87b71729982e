// The budget-changing commands of budget-cli: what they record, read back from the saved file,
// and that a refusal leaves the file as it was, unsaved.
#include "CliFixture.h"
#include "support/SampleBudget.h"

#include "files/BudgetFile.h"
#include "model/Globals.h"
#include "model/Money.h"

#include <QFile>

namespace {

constexpr int32_t kBook = 95000;  // the Checkbook of the test budget

class LedgerCliTest : public CliFixture {
protected:
    // Available 100.00, Rent 800.00, Car with Gas 50.00 (category "Car Expenses") and the
    // savings account Savings 1,000.00; the Checkbook holds the 950.00 that is in the bank.
    void SetUp() override
    {
        CliFixture::SetUp();
        AddTestAccount(1, 0, "Rent");
        AddTestAccount(2, 0, "Car");
        AddTestAccount(2, 1, "Gas");
        CopyString("Car Expenses", Accounts[2][0].SubName);
        AddTestAccount(3, 0, "Savings", true);
        Accounts[0][0].Balance = 10000;
        Accounts[1][0].Balance = 80000;
        Accounts[2][1].Balance = 5000;
        Accounts[3][0].Balance = 100000;
        Accounts[0][1].Balance = kBook;
        gBudget.HighestIdent = 1001;
    }

    // Saves the budget in memory and closes it; `bytes` keeps the file as saved.
    std::string Save()
    {
        path = PathOf("budget.bgt");
        EXPECT_EQ(SaveAs(path), 1) << host.AllMessages();
        EXPECT_EQ(BudgetClose(), 1);
        bytes = ReadFileBytes(path);
        return path;
    }

    // Runs a command line on the saved file ("F" stands for it), from its saved state when
    // `fresh` is set.
    CliRun RunOn(std::vector<std::string> args, bool fresh = true)
    {
        if (fresh)
            WriteFileBytes(path, bytes);
        for (std::string& a : args)
            if (a == "F")
                a = path;
        return Run(args);
    }

    // Opens the file in the test, to look at the model as the program reads it.
    void Reopen()
    {
        UnlockAllBudgetFiles();
        ASSERT_EQ(Open(path), 1) << host.AllMessages();
    }

    void ExpectUnsaved(const std::string& what)
    {
        EXPECT_EQ(ReadFileBytes(path), bytes) << what;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(path + ".bak"))) << what << ": saved all the same";
    }

    template <typename Record>
    static int Length(const Record* r, Record* Record::*next)
    {
        int n = 0;
        for (; r; r = r->*next)
            ++n;
        return n;
    }
    static int Withdrawals() { return Length(gBalanceCAnchor, &CBalance::BalanceCFP); }
    static int Deposits() { return Length(gBalanceDAnchor, &DBalance::BalanceDFP); }

    std::string path;
    std::vector<uint8_t> bytes;
};

TEST_F(LedgerCliTest, TransactionsAreRecordedAsTheirDialogsRecordThem)
{
    Save();
    const std::string longPayee(70, 'p');
    const struct {
        std::vector<std::string> args;
        int Mi, Si;
        int32_t balance, checkbook;
        std::string payee, date;
        int32_t checkID;
        int atm;
        int outstanding;  // balancing records
    } cases[] = {
        {{"check", "F", "Rent", "125.50", "--to", "Landlord", "--date", "12/1"}, 1, 0, 67450, 82450, "Landlord", "12/01/26",
         1001, 0, 1},
        {{"check", "F", "@1,0", "1", "--number=2000", "--to", "X"}, 1, 0, 79900, 94900, "X", "12/05/26", 2000, 0, 1},
        {{"check", "F", "Savings", "100", "--to", "Bank"}, 3, 0, 90000, kBook, "Bank", "12/05/26", 0, 0, 0},
        {{"debit", "F", "Car/Gas", "20", "--to", longPayee}, 2, 1, 3000, 93000, std::string(63, 'p'), "12/05/26", 0, 255, 1},
        {{"atm", "F", "Rent", "40", "--date", "3"}, 1, 0, 76000, 91000, "ATM Cash", "12/03/26", 0, 1, 1},
        {{"deposit", "F", "Car Expenses/Gas", "10.25", "--from", "Refund"}, 2, 1, 6025, 96025, "Refund", "12/05/26", 2, 0, 1},
        {{"transfer", "F", "Rent", "Car/Gas", "30"}, 1, 0, 77000, kBook, "", "12/05/26", 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[2]);
        const CliRun run = RunOn(c.args);
        ASSERT_EQ(run.code, kExitOk) << run.err;
        Reopen();
        const AHistory* h = MemoryAccounts[c.Mi][c.Si].HistoryRec;
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(Accounts[c.Mi][c.Si].Balance, c.balance);
        EXPECT_EQ(Accounts[0][1].Balance, c.checkbook);
        EXPECT_EQ(h->PayToFm, c.payee);
        EXPECT_EQ(std::string(h->Datime, 8), c.date);
        EXPECT_EQ(h->CheckID, c.checkID);
        EXPECT_EQ(static_cast<unsigned char>(h->ATM), c.atm);
        EXPECT_EQ(Withdrawals() + Deposits(), c.outstanding);
    }
    EXPECT_STREQ(MemoryAccounts[2][1].HistoryRec->AccountName, "Rent");  // the transfer's other half
}

TEST_F(LedgerCliTest, RefusalsShowTheProgramsMessageAndSaveNothing)
{
    Save();
    const struct {
        std::vector<std::string> args;
        std::string message;  // the start of what is shown
    } cases[] = {
        {{"check", "F", "Savings", "2000", "--to", "X"}, "Input Error: This transaction would cause your\n\nSavings account"},
        {{"atm", "F", "Available", "1000"}, "Input Error: This transaction would cause your\n\nCheckbook to go negative."},
        {{"deposit", "F", "Rent", "999,050.00", "--from", "X"}, "Range Error: The number:     $1,000,000.00     is out"},
        {{"atm", "F", "Rent", "0"}, "Range Error: The number:     0     is out of range."},
        {{"atm", "F", "Rent", "1000000.01"}, "Range Error: The number:     1000000.01     is out of range."},
        {{"atm", "F", "Rent", "12a"}, "Money Conversion Error: The dollar amount:     12a     is invalid."},
        {{"atm", "F", "Rent", "-5"}, "Money Conversion Error: The dollar amount:     -5     is invalid."},
        {{"atm", "F", "Rent", "5", "--date", "2/30"}, "Date Conversion Error: The date/time:     2/30     is invalid."},
        {{"atm", "F", "Car/Oil", "5"}, "Selection Error: There is no account named Car/Oil.\n"},
        {{"atm", "F", "@4,0", "5"}, "Selection Error: There is no account at position 4,0.\n"},
        {{"deposit", "F", "Checkbook", "5", "--from", "X"}, "Selection Error: The Checkbook may not be\n\nselected for"},
        {{"transfer", "F", "Rent", "Rent", "5"}, "Selection Error: Two accounts need to be selected."},
        {{"check", "F", "Rent", "5"}, "Input Error: The To field must be specified\n"},
        {{"deposit", "F", "Rent", "5"}, "Input Error: The From field must be specified\n"},
        {{"check", "F", "Rent", "5", "--to", "X", "--number", "12x"}, "Number Conversion Error: The number:     12x"},
        {{"check", "F", "Car/Gas", "80", "--to", "Shell"}, "Transfer Funds: Gas lacks $30.00; nothing recorded"},
        {{"move", "F", "Available", "@9,0"}, "Error: Invalid move.\nYou can not move\nthe Available account.\n"},
        {{"add-account", "F", ""}, "Input Error: An account must be specified.\n"},
        {{"add-account", "F", "X", "--at", "1,0"}, "Selection Error: Account already exists.\n"},
        {{"balance", "F", "--statement", "900"}, "Balance Error: Your checkbook is over by: $50.00\n\nCheck for"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunOn(c.args, false);
        EXPECT_EQ(run.code, kExitRefused) << c.message;
        EXPECT_EQ(run.err.substr(0, c.message.size()), c.message);
        ExpectUnsaved(c.message);
    }
}

TEST_F(LedgerCliTest, UsageErrorsChangeNothingAndEveryCommandHasHelp)
{
    Save();
    const std::vector<std::string> cases[] = {
        {"check", "F", "Rent"},
        {"check", "F", "Rent", "5", "--to", "A", "--to", "B"},
        {"check", "F", "Savings", "5", "--to", "X", "--number", "7"},
        {"atm", "F", "Rent", "5", "--shortfall", "maybe"},
        {"atm", "F", "@26,0", "5"},
        {"add-account", "F", "X", "--under", "Car", "--savings"},
        {"undo", "F", "Rent", "0"},
        {"move", "F", "Rent", "@0,3"},
        {"balance", "F"},
        {"balance", "F", "--statement", "950", "--tick", "w0"},
    };
    for (const auto& args : cases) {
        EXPECT_EQ(RunOn(args, false).code, kExitUsage) << args[0] << " ... " << args.back();
        ExpectUnsaved(args.back());
    }
    for (const char* command : {"add-account", "check", "debit", "atm", "deposit", "transfer", "undo", "move", "balance"})
        EXPECT_EQ(Run({command, "--help"}).out.rfind(std::string("Usage: budget-cli ") + command, 0), 0u) << command;
}

TEST_F(LedgerCliTest, AddAccountTakesTheBoxNewAccountWouldTake)
{
    Save();
    const struct {
        std::vector<std::string> args;
        std::string name;
        int Mi, Si;
        bool savings;
    } cases[] = {
        {{"add-account", "F", "Groceries"}, "Groceries", 4, 0, false},
        {{"add-account", "F", "Emergency funds", "--savings"}, "Emergency fund", 4, 0, true},
        {{"add-account", "F", "Parking", "--at", "12,0"}, "Parking", 12, 0, false},
        {{"add-account", "F", "Oil", "--under", "Car"}, "Oil", 2, 2, false},
        {{"add-account", "F", "Bonds", "--under", "Savings"}, "Bonds", 3, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = RunOn(c.args);
        ASSERT_EQ(run.code, kExitOk) << run.err;
        Reopen();
        const ARecord& a = Accounts[c.Mi][c.Si];
        EXPECT_TRUE(a.Valid);
        EXPECT_EQ(a.Name, c.name);
        EXPECT_EQ(a.SavingsFlag != 0, c.savings);
        EXPECT_EQ(MemoryAccounts[0][1].HistoryRec->PayToFm,
                  c.name + (c.Si ? " sub account added to budget" : " account added to budget"));
        EXPECT_EQ(Accounts[c.Mi][0].NumberOfSubAccounts, c.Si);
    }
    EXPECT_STREQ(Accounts[3][0].SubName, "Category Name");  // Savings got its first sub account last
}

TEST_F(LedgerCliTest, ShortfallAnswersTheOfferedTransferFromAvailable)
{
    Save();
    const struct {
        const char* answer;
        int code;
        int32_t gas, available;
        int gasRecords;
    } cases[] = {
        {"transfer", kExitOk, 0, 7000, 2},
        {"skip", kExitOk, -3000, 10000, 1},
        {"refuse", kExitRefused, 5000, 10000, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        EXPECT_EQ(RunOn({"check", "F", "Car/Gas", "80", "--to", "Shell", "--shortfall", c.answer}).code, c.code);
        Reopen();
        EXPECT_EQ(Accounts[2][1].Balance, c.gas);
        EXPECT_EQ(Accounts[0][0].Balance, c.available);
        EXPECT_EQ(Accounts[0][1].Balance, kBook - (c.code == kExitOk ? 8000 : 0));
        EXPECT_EQ(Length(MemoryAccounts[2][1].HistoryRec, &AHistory::HistoryFP), c.gasRecords);
    }
}

TEST_F(LedgerCliTest, YesLetsTheCheckbookGoNegativeWhenTheBudgetAsks)
{
    gBudget.CheckbookNegativeFlag = 1;
    gBudget.CheckbookWarnFlag = 1;
    Save();
    CliRun run = RunOn({"atm", "F", "Available", "1000"});
    EXPECT_EQ(run.code, kExitRefused);
    EXPECT_EQ(run.err, "Warning: Your checkbook is about to go negative\n\nDo you want to continue?\n");
    ExpectUnsaved("declined");

    EXPECT_EQ(RunOn({"atm", "--yes", "F", "Available", "1000"}).code, kExitOk);
    Reopen();
    EXPECT_EQ(Accounts[0][1].Balance, -5000);
}

TEST_F(LedgerCliTest, UndoPutsBackARecordOnceAndOnlyWhatMayBeUndone)
{
    Save();
    ASSERT_EQ(RunOn({"check", "F", "Rent", "30", "--to", "Landlord"}).code, kExitOk);
    ASSERT_EQ(RunOn({"check", "F", "Savings", "30", "--to", "Bank"}, false).code, kExitOk);
    ASSERT_EQ(RunOn({"transfer", "F", "Rent", "Car/Gas", "5"}, false).code, kExitOk);
    const CliRun run = RunOn({"undo", "F", "Rent", "1"}, false);  // the check, below the transfer
    ASSERT_EQ(run.code, kExitOk) << run.err;
    Reopen();
    EXPECT_EQ(Accounts[1][0].Balance, 79500);
    EXPECT_EQ(Accounts[0][1].Balance, kBook);
    EXPECT_TRUE(MemoryAccounts[1][0].HistoryRec->HistoryFP->UnDone);
    EXPECT_EQ(Withdrawals(), 0);

    bytes = ReadFileBytes(path);
    QFile::remove(QString::fromStdString(path + ".bak"));
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"undo", "F", "Rent", "1"}, "Selection Error: This transaction can not be undone.\n"},
        {{"undo", "F", "Rent", "0"}, "Selection Error: This transaction can not be undone.\n"},  // a transfer half
        {{"undo", "F", "Savings", "0"}, "Undo: nothing was undone.\n"},
    };
    for (const auto& [args, message] : refused) {
        const CliRun again = RunOn(args, false);
        EXPECT_EQ(again.code, kExitRefused);
        EXPECT_EQ(again.err.substr(0, message.size()), message);
        ExpectUnsaved(message);
    }
}

TEST_F(LedgerCliTest, MoveCarriesAccountsAndTheirRecordsToTheirNewPositions)
{
    Save();
    ASSERT_EQ(RunOn({"deposit", "F", "Car/Gas", "5", "--from", "Refund"}).code, kExitOk);
    ASSERT_EQ(RunOn({"move", "F", "Car/Gas", "@1,3"}, false).code, kExitOk);
    ASSERT_EQ(RunOn({"move", "F", "Car", "@9,0"}, false).code, kExitOk);
    Reopen();
    EXPECT_STREQ(Accounts[1][3].Name, "Gas");
    EXPECT_EQ(MemoryAccounts[1][3].HistoryRec->Si, 3);
    EXPECT_STREQ(Accounts[9][0].Name, "Car");
}

TEST_F(LedgerCliTest, BalanceReconcilesTheTickedRecordsOrSavesNothing)
{
    // Outstanding: check 1001 of 100.00 (w0) and a deposit of 20.00 (d0); Checkbook 870.00.
    Save();
    ASSERT_EQ(RunOn({"check", "F", "Rent", "100", "--to", "Landlord"}).code, kExitOk);
    ASSERT_EQ(RunOn({"deposit", "F", "Rent", "20", "--from", "Refund"}, false).code, kExitOk);
    bytes = ReadFileBytes(path);
    const struct {
        std::vector<std::string> args;
        int code;
        int withdrawals, deposits;
        int32_t available;
    } cases[] = {
        {{"balance", "F", "--statement", "850", "--tick", "w0"}, kExitOk, 0, 1, 10000},
        {{"balance", "F", "--statement", "$870.00", "--tick", "all"}, kExitOk, 0, 0, 10000},
        {{"balance", "F", "--statement", "900", "--tick", "w0"}, kExitRefused, 1, 1, 10000},
        {{"balance", "F", "--statement", "900", "--tick", "w0", "--force"}, kExitOk, 0, 1, 15000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[3] + " " + c.args.back());
        EXPECT_EQ(RunOn(c.args).code, c.code);
        Reopen();
        EXPECT_EQ(Withdrawals(), c.withdrawals);
        EXPECT_EQ(Deposits(), c.deposits);
        EXPECT_EQ(Accounts[0][0].Balance, c.available);
        if (c.code == kExitOk) {
            EXPECT_STREQ(MemoryAccounts[0][1].HistoryRec->PayToFm, "Checkbook balanced");
            EXPECT_TRUE(MemoryAccounts[1][0].HistoryRec->HistoryFP->BalanceFlag);  // the check
        } else {
            EXPECT_EQ(ReadFileBytes(path), bytes);
        }
    }
}

}  // namespace
