// budget-cli edit: which record it edits, what its options change, what the editor would not offer
// for the kind of transaction, and refusals that leave the file as it was.
#include "CliFixture.h"

#include "ledger/Balance.h"
#include "ledger/Recording.h"
#include "model/Globals.h"

namespace {

class EditCliTest : public CliFixture {};

// Exit 0 with the edit saved; exit 1 with the program's message, exit 2 for what the editor would
// not take at all, and then the file stays as it was.
TEST_F(EditCliTest, EditsRecordNOfTheAccountOrLeavesTheFileAsItWas)
{
    // Rent holds, newest first: an ATM withdrawal (record 0), a transfer of 30.00 to Car/Gas (1),
    // a deposit of 10.00 (2) and check 1001 of 125.50 (3); Gas holds the transfer and a reconciled
    // check; Savings a check. The Checkbook may not go below 0.
    AddTestAccount(1, 0, "Rent");
    AddTestAccount(2, 0, "Car");
    AddTestAccount(2, 1, "Gas");
    AddTestAccount(3, 0, "Savings", true);
    Accounts[1][0].Balance = Accounts[0][1].Balance = 80000;
    Accounts[3][0].Balance = 10000;
    RecordCheck(1, 0, CheckEntry{12550, "12/01/26", "Owner", "Rent", "Flat 4", 1001});
    RecordDeposit(1, 0, 1000, "Refund", "12/02/26", "Deposit back", false);
    RecordTransfer(1, 0, 2, 1, 3000, "12/03/26", "Fuel");
    RecordATM(1, 0, 4000, "12/04/26");
    static_cast<CBalance*>(RecordCheck(2, 1, CheckEntry{500, "12/03/26", "Station", "", "", 1002})->BalanceRec)
        ->BChecked = 1;
    BalanceCheckbook();
    RecordCheck(3, 0, CheckEntry{700, "12/03/26", "Bank", "", "", 0});
    SaveAndClose();

    // result: Rent's and Gas's balances and the record as read back, or the message.
    const struct { std::vector<std::string> args; int code; std::string result; } cases[] = {
        {{"Rent", "3", "--amount", "150", "--to", "Landlord", "--number", "1010", "--memo", "", "--tax", "on"}, 0,
         "59000 2500: Landlord 15000 12/01/26 #1010 Rent tax "},
        {{"Rent", "2", "--amount", "5", "--date", "11/30", "--for", "Part back"}, 0,
         "60950 2500: Refund 500 11/30/26 #2 Part back"},
        {{"Rent", "1", "--amount", "10"}, 0, "63450 500:  1000 12/03/26 #0 Fuel"},
        {{"Car/Gas", "1", "--for", "Fuel in"}, 0, "61450 2500:  3000 12/03/26 #3 Fuel in"},
        {{"Rent", "3", "--amount", "1000"}, 1, "Input Error: This transaction would cause your\n\nCheckbook to go"},
        {{"Rent", "3", "--number", "12x", "--to", "X"}, 1, "Number Conversion Error: The number:     12x"},
        {{"Rent", "3", "--number", "0"}, 1, "Range Error: The number:     0 "},
        {{"Savings", "0", "--amount", "5", "--to", "X"}, 1, "Selection Error: You can not edit this Transaction"},
        {{"Car/Gas", "0", "--number", "1003"}, 1, "Edit: a reconciled transaction keeps its amount and check number."},
        {{"Savings", "0", "--number", "5"}, 2, "budget-cli: --number: the editor shows no such field"},
        {{"Rent", "3", "--tax", "yes"}, 2, "budget-cli: --tax takes on or off"},
        {{"Rent", "4"}, 2, "budget-cli: Rent has no record 4"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"edit"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun run = RunOn(args);
        const std::string row = c.args[0] + " " + c.args[1] + " " + c.args.back();
        EXPECT_EQ(run.code, c.code) << row << ": " << run.err;
        if (c.code != kExitOk) {
            EXPECT_EQ(run.err.substr(0, c.result.size()), c.result) << row;
            ExpectUnsaved(row);
            continue;
        }
        Reopen();
        const AHistory* h = c.args[0] == "Rent" ? MemoryAccounts[1][0].HistoryRec : MemoryAccounts[2][1].HistoryRec;
        for (int n = std::stoi(c.args[1]); n > 0 && h; --n)
            h = h->HistoryFP;
        ASSERT_NE(h, nullptr) << row;
        EXPECT_EQ(std::to_string(Accounts[1][0].Balance) + " " + std::to_string(Accounts[2][1].Balance) + ": " +
                      h->PayToFm + " " + std::to_string(h->Amt) + " " + std::string(h->Datime, 8) + " #" +
                      std::to_string(h->CheckID) + " " + h->For + (h->TaxFlag ? " tax " : "") +
                      (h->TransferFlag ? "" : h->Memo),
                  c.result)
            << row;
    }
}

}  // namespace
