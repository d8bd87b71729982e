// The budget-changing commands of budget-cli: how they read their operands, what they record,
// read back from the saved file, and that a refused or idle command leaves the file as it was.
// (Which record undo and edit take: the edit tests; undo refused: the golden scripts.)
#include "CliFixture.h"

#include "model/Globals.h"
#include "model/Money.h"

using namespace std::string_literals;

namespace {

class LedgerCliTest : public CliFixture {
protected:
    // Available 100.00, Rent 800.00, Car with Gas 50.00 (category "Car Expenses") and the
    // savings account Savings 1,000.00; the Checkbook holds 950.00 and may go negative after
    // a warning.
    void SetUp() override
    {
        CliFixture::SetUp();
        AddSampleAccounts();
        CopyString("Car Expenses", Accounts[2][0].SubName);
        gBudget.HighestIdent = 1001;
        gBudget.CheckbookNegativeFlag = 1;
        gBudget.CheckbookWarnFlag = 1;
        SaveAndClose();
    }

    // The account at (Mi, Si) as the program reads the file back: name, balance and newest
    // record (payee, date, check number, ATM flag).
    std::string Look(int Mi, int Si)
    {
        Reopen();
        const ARecord& a = Accounts[Mi][Si];
        std::string s = std::string(a.Name) + (a.SavingsFlag ? " (savings) " : " ") + std::to_string(a.Balance);
        if (const AHistory* h = MemoryAccounts[Mi][Si].HistoryRec)
            s += ": " + std::string(h->PayToFm) + " " + std::string(h->Datime, 8) + " #" + std::to_string(h->CheckID) +
                 " atm " + std::to_string(static_cast<unsigned char>(h->ATM));
        return s;
    }
};

TEST_F(LedgerCliTest, CommandsRecordWhatTheirOperandsAndOptionsSay)
{
    const std::string cut(63, 'p');  // the payee field's length
    const struct { std::vector<std::string> args; int Mi, Si; std::string look; } cases[] = {
        {{"check", "Rent", "125.50", "--to", "Owner", "--date", "12/1"}, 1, 0, "Rent 67450: Owner 12/01/26 #1001 atm 0"},
        {{"check", "@1,0", "1", "--number=2000", "--to", "X"}, 1, 0, "Rent 79900: X 12/05/26 #2000 atm 0"},
        {{"check", "Savings", "100", "--to", "Bank"}, 3, 0, "Savings (savings) 90000: Bank 12/05/26 #0 atm 0"},
        {{"debit", "Car/Gas", "20", "--to", cut + "ppppppp"}, 2, 1, "Gas 3000: " + cut + " 12/05/26 #0 atm 255"},
        {{"atm", "Rent", "000000000040.00", "--date", "3"}, 1, 0, "Rent 76000: ATM Cash 12/03/26 #0 atm 1"},
        {{"deposit", "Car Expenses/Gas", "10.25", "--from", "Refund"}, 2, 1, "Gas 6025: Refund 12/05/26 #2 atm 0"},
        {{"transfer", "Rent", "Car/Gas", "30"}, 2, 1, "Gas 8000:  12/05/26 #2 atm 0"},
        {{"check", "Car/Gas", "80", "--to", "S", "--shortfall", "transfer"}, 2, 1, "Gas 0: S 12/05/26 #1001 atm 0"},
        {{"check", "Car/Gas", "80", "--to", "S", "--shortfall", "skip"}, 2, 1, "Gas -3000: S 12/05/26 #1001 atm 0"},
        {{"atm", "Available", "1000", "--yes"}, 0, 0, "Available -90000: ATM Cash 12/05/26 #0 atm 1"},
        {{"balance", "--statement", "900", "--force"}, 0, 0, "Available 5000: Unknown 12/05/26 #0 atm 0"},
        {{"move", "Car/Gas", "@1,3"}, 1, 3, "Gas 5000"},
        {{"move", "Car", "@9,0"}, 9, 0, "Car 0"},
        {{"add-account", "Groceries"}, 4, 0, "Groceries 0"},
        {{"add-account", "Emergency funds", "--savings"}, 4, 0, "Emergency fund (savings) 0"},
        {{"add-account", "Parking", "--at", "12,0"}, 12, 0, "Parking 0"},
        {{"add-account", "Deposit", "--at", "1,0"}, 1, 1, "Deposit 0"},  // an existing main account: a sub account
        {{"add-account", "Oil", "--under", "Car"}, 2, 2, "Oil 0"},
        {{"add-account", "Bonds", "--under", "Savings"}, 3, 1, "Bonds (savings) 0"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunOn(c.args);
        EXPECT_EQ(run.code, kExitOk) << run.err;
        EXPECT_EQ(Look(c.Mi, c.Si), c.look) << c.args[0] << " " << c.args[1];
    }
    EXPECT_STREQ(Accounts[3][0].SubName, "Category Name");  // Savings's first sub account names the category
}

// Exit 1 with the program's message, exit 2 for what the command line cannot read, and exit 0
// for a command that changes nothing: none of them saves. (The golden scripts run more refusals.)
TEST_F(LedgerCliTest, RefusedUnreadableAndIdleCommandsLeaveTheFileAsItWas)
{
    // message: the start of what is shown.
    const struct { std::vector<std::string> args; int code; std::string message; } cases[] = {
        {{"atm", "Available", "1000"}, 1, "Warning: Your checkbook is about to go negative\n\nDo you want to"},
        {{"check", "Car/Gas", "80", "--to", "S", "--shortfall", "refuse"}, 1, "Transfer Funds: Gas lacks $30.00;"},
        {{"atm", "Rent", "12a"}, 1, "Money Conversion Error: The dollar amount:     12a     is invalid."},
        {{"atm", "Rent", "5", "--date", "2/30"}, 1, "Date Conversion Error: The date/time:     2/30     is invalid."},
        // Longer than the dialog's field: refused whole, not cut to another number.
        {{"atm", "Rent", "0000000000000012.50"}, 1, "Money Conversion Error: The dollar amount:     0000000000000012.50 "},
        {{"atm", "Rent", "5", "--date", "1234567890123456"}, 1, "Date Conversion Error: The date/time:     1234567890123456 "},
        {{"balance", "--statement", "0000000000000950.00"}, 1, "Money Conversion Error: The dollar amount:     00000000"},
        {{"atm", "Car/Oil", "5"}, 1, "Selection Error: There is no account named Car/Oil.\n"},
        {{"atm", "@4,0", "5"}, 1, "Selection Error: There is no account at position 4,0.\n"},
        {{"deposit", "Checkbook", "5", "--from", "X"}, 1, "Selection Error: The Checkbook may not be\n\nselected for"},
        {{"check", "Rent", "5", "--to", "X", "--number", "12x"}, 1, "Number Conversion Error: "},
        {{"deposit", "Rent", "5"}, 1, "Input Error: The From field"},
        {{"move", "Available", "@9,0"}, 1, "Error: Invalid move.\nYou can not move\nthe Available account.\n"},
        {{"add-account", "X", "--at", "2,1"}, 1, "Selection Error: Account already exists."},
        {{"add-account", "X", "--under", "Available"}, 1, "Input Error: You can not create a sub account"},
        {{"add-account", "X", "--at", "4,1"}, 1, "Selection Error: There is no account at position 4,0."},
        {{"add-account", "", "--under", "Car"}, 1, "Input Error: An account must be specified."},
        {{"balance", "--statement", "900"}, 1, "Balance Error: Your checkbook is over by: $50.00\n\nCheck for"},
        {{"check", "Rent"}, 2, "budget-cli"},
        {{"check", "Rent", "5", "--to", "A", "--to", "B"}, 2, "budget-cli"},
        {{"check", "Savings", "5", "--to", "X", "--number", "7"}, 2, "budget-cli"},
        {{"atm", "Rent", "5", "--shortfall", "maybe"}, 2, "budget-cli"},
        {{"atm", "@26,0", "5"}, 2, "budget-cli"},
        {{"add-account", "X", "--under", "Car", "--savings"}, 2, "budget-cli"},
        {{"add-account", "X", "--at", "1,0", "--savings"}, 2, "budget-cli"},  // Rent's new sub account
        {{"add-account", "X", "--under", "Car/Gas"}, 2, "budget-cli"},
        {{"undo", "Rent", "0"}, 2, "budget-cli"},
        {{"move", "Rent", "@0,3"}, 2, "budget-cli"},
        {{"balance"}, 2, "budget-cli"},
        {{"balance", "--statement", "950", "--tick", "w0"}, 2, "budget-cli"},
        {{"move", "Rent", "@1,0"}, 0, ""},
    };
    for (const auto& c : cases) {
        const CliRun run = RunOn(c.args);
        EXPECT_EQ(run.code, c.code) << c.args[0] << " ... " << c.args.back();
        EXPECT_EQ(run.err.substr(0, c.message.size()), c.message);
        ExpectUnsaved(c.args[0] + " ... " + c.args.back());
    }
}

TEST_F(LedgerCliTest, BalanceTicksTheOutstandingRecordsItIsTold)
{
    // Outstanding: check 1001 of 100.00 (w0) and a deposit of 20.00 (d0); Checkbook 870.00.
    ASSERT_EQ(Run({"check", path, "Rent", "100", "--to", "Landlord"}).code, kExitOk);
    ASSERT_EQ(Run({"deposit", path, "Rent", "20", "--from", "Refund"}).code, kExitOk);
    bytes = ReadFileBytes(path);
    for (const auto& [statement, tick] : {std::pair{"850", "w0"}, {"$870.00", "all"}}) {
        const CliRun run = RunOn({"balance", "--statement", statement, "--tick", tick});
        EXPECT_EQ(run.code, kExitOk) << tick << ": " << run.err;
        EXPECT_EQ(Look(0, 1), "Checkbook 87000: Checkbook balanced 12/05/26 #0 atm 0");
        EXPECT_EQ(gBalanceCAnchor, nullptr);
        EXPECT_EQ(gBalanceDAnchor == nullptr, tick == "all"s) << tick;
    }
}

}  // namespace
