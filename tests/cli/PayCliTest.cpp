// The pay commands of budget-cli: what they change, read back from the saved file, and that a
// refused or unreadable command leaves the file as it was.
#include "CliFixture.h"

#include "ledger/Pay.h"
#include "ledger/Recording.h"
#include "model/Globals.h"
#include "model/Money.h"

#include <functional>

namespace {

class PayCliTest : public CliFixture {
protected:
    // Acme pays 1,000.00 bi-weekly and gives Rent 300.00 of its first pay; Savings is a savings
    // account.
    void SetUp() override
    {
        CliFixture::SetUp();
        AddTestAccount(1, 0, "Rent");
        AddTestAccount(2, 0, "Savings", true);
        AddTestAccount(3, 0, "Twin");
        AddTestAccount(4, 0, "Twin");
        PaySetupEntry entry = CurrentPaySetup();
        entry.Sources[0] = {"Acme", "1000", PayTypeButton(0, kPayBiWeekly)};
        entry.NextCheck = "1001";
        ASSERT_EQ(RecordPaySetup(entry), 1);
        Accounts[1][0].PayAmount[0][0] = 30000;
        SaveAndClose();
    }

    // The pay sources as `payers` lists them, then Rent's allocations of the first source and the
    // balances of Available, Rent, Savings and the Checkbook, as the file reads back.
    std::string Look()
    {
        std::string s = Run({"payers", path}).out;
        Reopen();
        for (int32_t a : Accounts[1][0].PayAmount[0])
            s += std::to_string(a) + " ";
        for (auto [Mi, Si] : {std::pair{0, 0}, {1, 0}, {2, 0}, {0, 1}})
            s += "/" + std::to_string(Accounts[Mi][Si].Balance);
        return s;
    }
};

TEST_F(PayCliTest, CommandsChangeWhatTheirOperandsSay)
{
    const std::string acme = "Pay source #1: Acme, $1,000.00, bi-weekly\n";
    const std::string unchanged = "30000 0 0 0 0 /0/0/0/0";
    const struct { std::vector<std::string> args; std::string look; } cases[] = {
        {{"payers"}, acme + "Next check number: 1001\n" + unchanged},
        {{"payers", "--set", "3", "Pension", "$400", "monthly", "--next-check", "2147483647"},
         acme + "Pay source #2: Pension, $400.00, monthly\nNext check number: 2147483647\n" + unchanged},
        {{"payers", "--remove", "1", "--set", "2", "Pension", "400", "semi-monthly"},
         "Pay source #1: Pension, $400.00, semi-monthly\nNext check number: 1001\n0 0 0 0 0 /0/0/0/0"},
        {{"allocate", "Rent", "--payer=1", "--pay", "3", "25.50"},
         acme + "Next check number: 1001\n30000 0 2550 0 0 /0/0/0/0"},
        {{"multi-deposit", "--payer", "1", "--row", "25", "Mom", "Rent", "--row", "5", "Bank", "Rent", "", "Fee back",
          "--date", "12/3"},
         acme + "Next check number: 1001\n30000 0 0 0 0 /70000/33000/0/103000"},
        {{"delete-account", "Rent", "--history-file", PathOf("rent.txt")}, acme + "Next check number: 1001\n0 0 0 0 0 /0/0/0/0"},
        {{"pay", "--payer", "1", "--date", "12/3"}, acme + "Next check number: 1001\n30000 0 0 0 0 /70000/30000/0/100000"},
        {{"vpay", "--total", "500", "--from", "Boss", "--row", "Rent", "120", "--date", "12/3"},
         acme + "Next check number: 1001\n30000 0 0 0 0 /38000/12000/0/50000"},
        {{"pay", "--payer", "1", "--date", "12/29"}, acme + "Next check number: 1001\n30000 0 0 0 0 /100000/0/0/100000"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunOn(c.args);
        EXPECT_EQ(run.code, kExitOk) << c.args[0] << ": " << run.err;
        EXPECT_EQ(Look(), c.look) << c.args[0] << " " << c.args.back();
    }
    // The last pay was the third of the month; Acme's log entry came first in the Checkbook.
    EXPECT_STREQ(MemoryAccounts[0][1].HistoryRec->PayToFm, "Acme's third pay of the month. ($1,000.00)");
}

// (The golden scripts refuse more pay amounts, allocations and rows.)
TEST_F(PayCliTest, RefusedAndUnreadableCommandsLeaveTheFileAsItWas)
{
    // message: the start of what is shown.
    const struct { std::vector<std::string> args; int code; std::string message; } cases[] = {
        {{"payers", "--set", "2", "Pension", "12x", "weekly"}, 1, "Money Conversion Error: The dollar amount:     12x"},
        {{"payers", "--remove", "1"}, 1, "Pay Setup: at least one pay source needs a name."},
        {{"allocate", "Rent", "--payer", "1", "--pay", "4", "5"}, 1, "Selection Error: Pay source #1 has 3 pays a month."},
        {{"allocate", "Rent", "--payer", "2", "--pay", "1", "5"}, 1, "Selection Error: There is no pay source #2."},
        {{"allocate", "Available", "--payer", "1", "--pay", "1", "5"}, 1, "Selection Error: Available gets"},
        // Longer than the edit: refused whole, not cut to another number.
        {{"allocate", "Rent", "--payer", "1", "--pay", "1", "000000000003.00"}, 1, "Money Conversion Error"},
        {{"multi-deposit", "--row", "5", "Mom", "Twin"}, 1,
         "Selection Error: 2 accounts are named Twin:\n\n@3,0, @4,0. Give the position of the one you mean.\n"},
        {{"pay", "--payer", "1", "--payer", "3"}, 1, "Selection Error: There is no pay source #3."},
        {{"pay", "--payer", "1", "--date", "2/30"}, 1, "Date Conversion Error"},
        {{"payers", "--set", "1", "Acme", "5", "daily"}, 2, "budget-cli"},
        {{"payers", "--set", "1", "Acme", "5"}, 2, "budget-cli"},
        {{"payers", "--set", "1", "A", "5", "weekly", "--remove", "1"}, 2, "budget-cli"},
        {{"allocate", "Rent", "--pay", "1", "5"}, 2, "budget-cli"},
        {{"pay"}, 2, "budget-cli"},
        {{"pay", "--payer", "1", "--payer", "1"}, 2, "budget-cli"},
        {{"multi-deposit", "--payer", "2"}, 1, "Selection Error: There is no pay source #2."},
        {{"multi-deposit"}, 1, "Input Error: An amount must be specified."},
        {{"multi-deposit", "--row", "5", "Mom"}, 2, "budget-cli"},
        {{"multi-deposit", "--row", "1", "A", "Rent", "--row", "1", "A", "Rent", "--row", "1", "A", "Rent", "--row", "1",
          "A", "Rent"},
         2, "budget-cli"},
        {{"delete-account", "Rent"}, 2, "budget-cli"},
        {{"note", "Rent", "x", "--delete"}, 2, "budget-cli"},
        {{"note", "@5,0", "x"}, 1, "Selection Error: There is no account at position 5,0."},
        {{"vpay", "--total", "5", "--from", "Boss", "--row", "Savings", "1"}, 1, "Selection Error: Savings is not listed"},
        {{"vpay", "--total", "5", "--from", "Boss", "--row", "Available", "0"}, 1, "Selection Error: Available is not"},
        {{"vpay", "--total", "5", "--from", "Boss", "--row", "Rent", "5.01"}, 1,
         "Input Error: The amounts given out are more than the total pay."},
        {{"vpay", "--total", "5", "--from", ""}, 1, "Input Error: The From field must be specified."},
        {{"vpay", "--from", "Boss"}, 2, "budget-cli"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunOn(c.args);
        EXPECT_EQ(run.code, c.code) << c.args[0] << " ... " << c.args.back();
        EXPECT_EQ(run.err.substr(0, c.message.size()), c.message) << c.args[0] << " ... " << c.args.back();
        ExpectUnsaved(c.args[0] + " ... " + c.args.back());
    }
}

// Numbers at the ends of 32 bits, typed or held by a crafted budget, are refused with the
// program's message and the file left as it was; nothing wraps (the sanitizer build would stop).
TEST_F(PayCliTest, NumbersBeyond32BitsAreRefusedNotWrapped)
{
    const std::vector<uint8_t> plain = bytes;
    const auto money = [](int32_t rent, int32_t available) {
        Accounts[1][0].Balance = rent;
        Accounts[0][0].Balance = available;
        Accounts[0][1].Balance = rent + available;
    };
    const auto lastIDs = [](int left) { gBudget.UniqueID = INT32_MAX - left; };
    const auto allocateToFood = [] {
        AddTestAccount(3, 0, "Food");
        Accounts[3][0].PayAmount[0][0] = INT32_MAX;
    };
    const struct { const char* what; std::function<void()> craft; std::vector<std::string> args; std::string message; } cases[] = {
        {"check number 0", [] {}, {"check", "Rent", "5", "--to", "X", "--number", "0"}, "Range Error: The number:     0 "},
        {"check number 2^32 - 1", [] {}, {"check", "Rent", "5", "--to", "X", "--number", "4294967295"}, "Range Error"},
        {"next check number 2^31", [] {}, {"payers", "--next-check", "2147483648"}, "Range Error"},
        {"next check number not digits", [] {}, {"payers", "--next-check", "12a"}, "Number Conversion Error"},
        {"deposit at the last UniqueID", [&] { lastIDs(0); }, {"deposit", "Rent", "5", "--from", "Me"},
         "Range Error: The number:     2147483648 "},
        {"pay with one UniqueID left for three", [&] { lastIDs(1); }, {"pay", "--payer", "1", "--date", "12/3"},
         "Range Error"},
        {"transfer needing a number for its link", [&] { lastIDs(1); money(1000, 0); },
         {"transfer", "Rent", "Available", "5"}, "Range Error"},
        {"multiple deposit", [&] { lastIDs(1); }, {"multi-deposit", "--row", "5", "Mom", "Rent"}, "Range Error"},
        {"undo of a check, Checkbook at the top", [&] {
             money(10000, 0);
             RecordCheck(1, 0, {.Amount = 500, .Datime = "12/01/26", .PayTo = "X", .Number = 7});
             money(9500, INT32_MAX - 9600);
         },
         {"undo", "Rent", "0"}, "Range Error"},
        {"undo of a deposit, the account at the bottom", [&] {
             RecordDeposit(1, 0, 500, "X", "12/01/26", "", false);
             money(INT32_MIN + 100, 1000);
         },
         {"undo", "Rent", "0"}, "Range Error"},
        {"pay with allocations of the largest amount", allocateToFood, {"pay", "--payer", "1", "--date", "12/3"},
         "Range Error"},
        {"pay of the most negative amount", [] { gBudget.PayAmount[0] = INT32_MIN; },
         {"pay", "--payer", "1", "--date", "12/3"}, "Range Error"},
        {"allocation Available's rest cannot hold", allocateToFood,
         {"allocate", "Rent", "--payer", "1", "--pay", "1", "21,474,836.47"}, "Range Error"},
    };
    for (const auto& c : cases) {
        WriteFileBytes(path, plain);
        Reopen();
        c.craft();
        SaveAndClose();
        const CliRun run = RunOn(c.args);
        EXPECT_EQ(run.code, kExitRefused) << c.what << ": " << run.err;
        EXPECT_EQ(run.err.substr(0, c.message.size()), c.message) << c.what;
        ExpectUnsaved(c.what);
    }

    // The largest check number is written, and offered again rather than wrapping.
    WriteFileBytes(path, plain);
    ASSERT_EQ(Run({"payers", path, "--next-check", "2147483647"}).code, kExitOk);
    ASSERT_EQ(Run({"deposit", path, "Rent", "10", "--from", "Me"}).code, kExitOk);
    const CliRun check = Run({"check", path, "Rent", "5", "--to", "X"});
    EXPECT_EQ(check.code, kExitOk) << check.err;
    EXPECT_NE(Run({"payers", path}).out.find("Next check number: 2147483647\n"), std::string::npos);
    EXPECT_EQ(Run({"verify", path}).code, kExitOk);
    Reopen();
    EXPECT_EQ(MemoryAccounts[1][0].HistoryRec->CheckID, INT32_MAX);
}

// --delete empties a note, and a history file that is there already is not replaced. (The golden
// scripts keep and read a note, and delete an account with its history file.)
TEST_F(PayCliTest, NoteDeleteEmptiesTheNoteAndAHistoryFileIsNeverReplaced)
{
    ASSERT_EQ(Run({"note", path, "Rent", "Due on the 1st"}).code, kExitOk);
    EXPECT_EQ(Run({"note", path, "Rent", "--delete"}).code, kExitOk);
    EXPECT_EQ(Run({"note", path, "Rent"}).out, "");

    ASSERT_EQ(Run({"deposit", path, "Savings", "5", "--from", "Me"}).code, kExitOk);
    const std::string history = PathOf("savings.txt");
    WriteFileBytes(history, {'k', 'e', 'e', 'p'});
    const CliRun kept = Run({"delete-account", path, "Savings", "--history-file", history});
    EXPECT_EQ(kept.code, kExitRefused);
    EXPECT_NE(kept.err.find("is not replaced"), std::string::npos) << kept.err;
    EXPECT_EQ(ReadFileBytes(history), (std::vector<uint8_t>{'k', 'e', 'e', 'p'}));
    Reopen();
    EXPECT_TRUE(Accounts[2][0].Valid);
}

}  // namespace
