// An account's history as a text file, and deleting an account: what the file holds, that
// writing it leaves the budget's records alone, and what deletion moves, notes and empties.
#include "LedgerFixture.h"

#include "files/TextExport.h"
#include "ledger/Accounts.h"
#include "ledger/Budget.h"
#include "ledger/Recording.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Money.h"

#include <QTemporaryDir>

#include <fstream>
#include <sstream>

namespace {

class AccountFileTest : public LedgerFixture {
protected:
    void SetUp() override
    {
        LedgerFixture::SetUp();
        ASSERT_TRUE(dir.isValid());
        RecordTestAccount(1, 0, "Rent");
        RecordTestAccount(2, 0, "Savings", true);
        RecordTestAccount(3, 0, "Car");
        RecordTestAccount(3, 1, "Gas");
        Deposit(0, 0, 100000, "11/30/26");
    }

    std::string Path(const char* name) const { return (dir.path() + "/" + name).toStdString(); }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    QTemporaryDir dir;
};

TEST_F(AccountFileTest, EachKindOfRecordHasItsLine)
{
    RecordTransfer(0, 0, 1, 0, 10000, "12/01/26", "Rent money");
    CheckEntry check{.Amount = 5000, .Datime = "12/02/26", .PayTo = "Landlord", .For = "December",
                     .Memo = "keys", .Number = 101};
    const AHistory* checkRec = RecordCheck(1, 0, check);
    const AHistory* atm = RecordATM(1, 0, 2000, "12/03/26");
    const AHistory* debit = Debit(1, 0, 1500, "12/04/26");
    const AHistory* deposit = RecordDeposit(1, 0, 700, "Refund", "12/05/26", "Deposit back", false);
    AHistory* pay = Deposit(1, 0, 300, "12/06/26");
    pay->PayFlag = 1;
    const AHistory* log = CheckbookLogRecord("Rent account added to budget");
    const AHistory* transferIn = MemoryAccounts[1][0].HistoryRec;
    while (transferIn->HistoryFP)
        transferIn = transferIn->HistoryFP;
    const AHistory* transferOut = MemoryAccounts[0][0].HistoryRec;

    const struct { const AHistory* rec; const char* line; } cases[] = {
        {checkRec, "Rent\t12/02/26\tCheck\tLandlord\t$50.00\tDecember\t101\tkeys\t\r"},
        {atm, "Rent\t12/03/26\tATM\t"},
        {debit, "Rent\t12/04/26\tDebit\t"},
        {deposit, "Rent\t12/05/26\tDeposit\tRefund\t$7.00\tDeposit back\r"},
        {pay, "Rent\t12/06/26\tPay\t"},
        {transferIn, "Rent\t12/01/26\tTransfered From:\tAvailable\t$100.00\tRent money\r"},
        {transferOut, "Available\t12/01/26\tTransfered To:\tRent\t$100.00\tRent money\r"},
        {log, "12/05/26\t Pay \tRent account added to budget\r"},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.rec, nullptr) << c.line << host.AllMessages();
        const std::string line = FormatHistoryTextRecord(*c.rec);
        EXPECT_EQ(line.substr(0, std::string(c.line).size()), c.line);
        EXPECT_EQ(line.back(), '\r');
        EXPECT_EQ(line.find('\n'), std::string::npos);
    }
}

TEST_F(AccountFileTest, TheExportTakesTheRangeAndKeepsTheRecords)
{
    Deposit(1, 0, 100, "01/30/99");
    Deposit(1, 0, 200, "01/31/99");
    Deposit(1, 0, 300, "02/01/99");
    RecordTransfer(0, 0, 1, 0, 400, "01/31/99", "");
    gExportFlag = 1;
    CopyString("01/01/99", gExportStartDate);
    CopyString("01/31/99", gExportEndDate);
    // expected: the amounts written, newest first.
    const struct { int transfers; const char* expected; } cases[] = {{0, "$2.00 $1.00 "}, {1, "$4.00 $2.00 $1.00 "}};
    for (const auto& c : cases) {
        gExportTransfer = c.transfers;
        host.SavePaths = {Path("rent.txt")};
        ASSERT_EQ(WriteHistoryToTextFile(1, 0), 1);
        std::string amounts;
        std::istringstream lines(Read(Path("rent.txt")));
        for (std::string line; std::getline(lines, line, '\r');)
            amounts += line.substr(line.find('$'), 5) + " ";
        EXPECT_EQ(amounts, c.expected);
    }
    EXPECT_EQ(host.Choices.back().OfferedName, "Rent10");
    // A copy: every record stays and none is marked to leave with the next save.
    EXPECT_EQ(Accounts[1][0].NumberOfHistoryRecords, 4);
    for (const AHistory* h = MemoryAccounts[1][0].HistoryRec; h; h = h->HistoryFP)
        EXPECT_EQ(h->Archived, 0);
    gExportFlag = gExportTransfer = 0;
}

TEST_F(AccountFileTest, AnExportThatCannotBeWrittenIsToldAndCancelledOneIsNot)
{
    Deposit(1, 0, 100);
    host.SavePaths = {};
    EXPECT_EQ(WriteHistoryToTextFile(1, 0), 0);
    EXPECT_TRUE(host.Messages.empty());
    host.SavePaths = {Path("missing/folder/rent.txt")};
    EXPECT_EQ(WriteHistoryToTextFile(1, 0), 0);
    EXPECT_NE(host.OnlyMessage().find("Unable to create text file."), std::string::npos);
}

TEST_F(AccountFileTest, DeletingAnAccountKeepsItsHistoryAndMovesItsMoneyToAvailable)
{
    RecordTransfer(0, 0, 1, 0, 5000, "12/01/26", "");
    RecordTransfer(0, 0, 2, 0, 3000, "12/01/26", "");
    for (int i = 0; i < 9; ++i) {
        Deposit(1, 0, 100);
        Check(1, 0, 100, 200 + i);
    }
    RecordTestAccount(5, 0, "Fun");
    host.ShortfallAnswer = ScriptedHost::Shortfall::WithdrawalOnly;
    Check(5, 0, 2000, 300);
    ReconcileAll();
    // lines: the records in the file, the whole chain. Available covers an overdrawn account.
    const struct { int Mi; int32_t toAvailable; int lines; } cases[] = {{1, 5000, 19}, {2, 0, 1}, {5, -2000, 1}};
    for (const auto& c : cases) {
        const std::string name = Accounts[c.Mi][0].Name;
        const int32_t available = Accounts[0][0].Balance;
        const int32_t book = Accounts[0][1].Balance;
        EXPECT_EQ(CloseoutAmount(c.Mi, 0), c.toAvailable);
        EXPECT_EQ(HistoryRecordCount(c.Mi, 0), c.lines);
        RecordNote(c.Mi, 0, "old note");
        host.SavePaths = {Path("deleted.txt")};
        ASSERT_EQ(RecordDeleteAccount(c.Mi, 0), 1) << host.AllMessages();

        const std::string file = Read(Path("deleted.txt"));
        EXPECT_EQ(std::count(file.begin(), file.end(), '\r'), c.lines);
        EXPECT_EQ(Accounts[0][0].Balance - available, c.toAvailable);
        EXPECT_EQ(Accounts[0][1].Balance, book) << "the money stays in the bank";
        if (c.toAvailable) {
            EXPECT_STREQ(MemoryAccounts[0][0].HistoryRec->For, "Account Closeout.");
        }
        EXPECT_EQ(MemoryAccounts[0][1].HistoryRec->PayToFm, name + " account deleted");
        EXPECT_TRUE(!Accounts[c.Mi][0].Valid && !Accounts[c.Mi][0].Note[0] && !MemoryAccounts[c.Mi][0].HistoryRec);
    }
}

// (Delete Account's dialog checks that a cancelled history file deletes nothing.)
TEST_F(AccountFileTest, ASubAccountLeavesItsRow)
{
    Deposit(3, 1, 100);
    ReconcileAll();
    host.SavePaths = {Path("gas.txt")};
    ASSERT_EQ(RecordDeleteAccount(3, 1), 1);
    EXPECT_STREQ(MemoryAccounts[0][1].HistoryRec->PayToFm, "Gas sub account deleted");
    EXPECT_EQ(Accounts[3][0].NumberOfSubAccounts, 0);
}

}  // namespace
