// Archiving old years out of the budget, and the CSV form of an export: which records qualify and
// how they are counted, the lines an archive writes, a file that fails taking nothing, no record
// archived twice; the CSV read back as a spreadsheet reads it.
#include "support/FileFixture.h"
#include "support/SampleBudget.h"

#include "files/Archive.h"
#include "files/TextExport.h"
#include "investments/InvestRecording.h"
#include "ledger/Balance.h"
#include "ledger/Recording.h"
#include "ledger/Undo.h"
#include "model/Globals.h"
#include "model/Initialize.h"

#include <QDir>

#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::vector<std::string>>;

// CSV as a spreadsheet reads it; "!" marks a line break that is not CR LF or a quote left open.
Rows ParseCsv(const std::string& text)
{
    Rows rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (size_t k = 0; k < text.size(); ++k) {
        std::string& field = rows.back().back();
        const char c = text[k];
        if (quoted && c == '"' && k + 1 < text.size() && text[k + 1] == '"')
            field += text[++k];
        else if (c == '"' && (quoted || field.empty()))
            quoted = !quoted;
        else if (quoted || (c != ',' && c != '\r' && c != '\n'))
            field += c;
        else if (c == ',')
            rows.back().emplace_back();
        else if (c == '\r' && k + 1 < text.size() && text[k + 1] == '\n' && ++k)
            rows.emplace_back(1);
        else
            field += "!";
    }
    if (quoted || rows.back() != std::vector<std::string>(1))
        rows.back().back() += "!";
    else
        rows.pop_back();
    return rows;
}

std::string FileText(const std::string& path)
{
    const std::vector<uint8_t> bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// Rent is in the checkbook, Savings is not; Fund is an investment. The clock says 12/05/26: the
// archive offers 2024, 2023, 2022, 2021 and the Remainder (2020 and older).
class ArchiveTest : public FileFixture {
protected:
    void SetUp() override
    {
        FileFixture::SetUp();
        RecordTestAccount(1, 0, "Rent");
        RecordTestAccount(2, 0, "Savings", true);
        ASSERT_EQ(RecordInvestName(1, "Fund"), 1);
        RecordDeposit(0, 0, 500000, "Employer", "12/01/26", "", false);
        RecordTransfer(0, 0, 1, 0, 100000, "12/01/26", "");
        host.Messages.clear();
    }

    // The record as if made on `date`: the day its archive year is taken from.
    template <typename Record>
    static Record* Made(Record* rec, const char* date)
    {
        CopyString((std::string(date) + " 10:00a").c_str(), rec->RDatime);
        return rec;
    }
    static AHistory* Check(int32_t amount, uint32_t number, const char* date)
    {
        return Made(RecordCheck(1, 0, {.Amount = amount, .Datime = date, .PayTo = "Payee", .Number = number}), date);
    }
    static AHistory* SavingsDeposit(int32_t amount, const char* date)
    {
        return Made(RecordDeposit(2, 0, amount, "Bank", date, "", false), date);
    }
    static void ReconcileAll()
    {
        for (CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
            SetBalanceTick(c, true);
        for (DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
            SetBalanceTick(d, true);
        BalanceCheckbook();
    }
    static std::vector<int> Counts()
    {
        std::vector<int> counts;
        for (const auto& entry : gArchive)
            counts.push_back(entry.Count);
        return counts;
    }
    static int Archived()
    {
        int archived = 0;
        for (const auto& row : MemoryAccounts)
            for (const CoreRecord& core : row)
                for (const AHistory* h = core.HistoryRec; h; h = h->HistoryFP)
                    archived += h->Archived;
        for (const IHistory* r = MemoryInvest[1].HistoryRec; r; r = r->InvestFP)
            archived += r->Archived;
        return archived;
    }
    int ArchiveTo(int year, const char* name)
    {
        host.SavePaths = {PathOf(name)};
        return WriteArchiveToTextFile(year);
    }
};

// Two-digit years 91 to 99 are the 1900s, the rest the 2000s; years after 2024 are not offered,
// years before 2021 go together. Reading the budget counts the same, once.
TEST_F(ArchiveTest, RecordsAreCountedInTheEntryOfTheYearTheyWereMade)
{
    const struct { const char* made; int year; int entry; } cases[] = {
        {"01/01/25", 2025, -1}, {"12/31/24", 2024, 0}, {"06/15/23", 2023, 1}, {"01/01/21", 2021, 3},
        {"12/31/20", 2020, 4},  {"06/15/99", 1999, 4}, {"06/15/91", 1991, 4}, {"06/15/90", 2090, -1},
    };
    std::vector<int> expected(kArchiveYears, 0);
    for (const auto& c : cases) {
        EXPECT_EQ(GetArchiveDataYear(SavingsDeposit(100, c.made)), c.year) << c.made;
        if (c.entry >= 0)
            ++expected[static_cast<size_t>(c.entry)];
    }
    CountArchiveData();
    EXPECT_EQ(Counts(), expected);
    ASSERT_EQ(SaveAs(PathOf("counted.bgt")), 1);
    ASSERT_EQ(Open(PathOf("counted.bgt")), 1) << host.AllMessages();
    EXPECT_EQ(Counts(), expected);
}

// Records that touch the checkbook wait for the bank statement (an old unreconciled check is not in
// the Remainder either); savings records, log entries, undone records and transfers that leave the
// checkbook alone go as soon as they are old enough.
TEST_F(ArchiveTest, OnlyRecordsWithNothingLeftToConfirmQualify)
{
    RecordTestAccount(3, 0, "Food");
    AHistory* undone = Check(2000, 102, "03/02/23");
    gSelectedItem = undone;
    BudgetUndo(1, 0);
    AHistory* savings = SavingsDeposit(3000, "03/03/23");
    RecordTransfer(1, 0, 3, 0, 400, "03/05/23", "");
    AHistory* checking = Made(MemoryAccounts[3][0].HistoryRec, "03/05/23");
    RecordTransfer(2, 0, 1, 0, 500, "03/06/23", "");
    AHistory* fromSavings = Made(MemoryAccounts[2][0].HistoryRec, "03/06/23");
    AHistory* intoChecking = Made(MemoryAccounts[1][0].HistoryRec, "03/06/23");
    const struct { const char* what; const AHistory* rec; int before; int after; } cases[] = {
        {"a check three years old", Check(1000, 101, "03/01/23"), 0, 1},
        {"an old check", Check(1000, 100, "03/01/19"), 0, 1},
        {"an undone check", undone, 1, 1},
        {"a savings deposit", savings, 1, 1},
        {"a log entry", Made(CheckbookLogRecord("Food account added to budget"), "03/04/23"), 1, 1},
        {"a transfer between accounts in the checkbook", checking, 1, 1},
        {"the savings half of a transfer to the checkbook", fromSavings, 1, 1},
        {"the checkbook half of it", intoChecking, 0, 1},
        {"a check of last year", Check(600, 103, "03/07/25"), 0, 0},
    };
    EXPECT_EQ(DetermineValidInvestArchiveRecord(Made(BuySellShares(1, 1, 1000, 1000, "03/08/23"), "03/08/23")), 1);
    EXPECT_EQ(DetermineValidInvestArchiveRecord(Made(BuySellShares(1, 1, 1000, 1000, "03/08/25"), "03/08/25")), 0);
    for (const auto& c : cases)
        EXPECT_EQ(DetermineValidArchiveRecord(c.rec), c.before) << c.what;
    CountArchiveData();
    EXPECT_EQ(Counts(), (std::vector<int>{0, 6, 0, 0, 0}));
    ReconcileAll();
    for (const auto& c : cases)
        EXPECT_EQ(DetermineValidArchiveRecord(c.rec), c.after) << c.what << ", reconciled";
    CountArchiveData();
    EXPECT_EQ(Counts(), (std::vector<int>{0, 8, 0, 0, 1}));
}

// A pay's pieces leave without a line and its log entry gives the one line; transfers, undone
// records and price updates leave without a line. Only then are the records taken out, never to
// take part again; "Found Items" (copies of other accounts' records) never takes part.
TEST_F(ArchiveTest, TheArchiveWritesItsLinesThenTakesTheRecordsOut)
{
    ASSERT_EQ(SetPaySource(0, "Acme", "100", kPayMonthly), 1);
    const bool ticked[kPayers] = {true, false, false};
    ASSERT_EQ(RecordPayEntry(ticked, "03/01/23"), 1) << host.AllMessages();
    Made(MemoryAccounts[0][0].HistoryRec, "03/01/23");
    Made(MemoryAccounts[0][1].HistoryRec, "03/01/23");
    Check(1250, 101, "03/02/23");
    gSelectedItem = Check(2000, 102, "03/03/23");
    BudgetUndo(1, 0);
    SavingsDeposit(3000, "03/04/23");
    RecordTransfer(0, 0, 1, 0, 400, "03/05/23", "");
    Made(MemoryAccounts[0][0].HistoryRec, "03/05/23");
    Made(MemoryAccounts[1][0].HistoryRec, "03/05/23");
    Made(BuySellShares(1, 1, 2000, 12345, "03/06/23"), "03/06/23");
    Made(RecordPriceUpdate(1, 13000, "03/07/23"), "03/07/23");
    ReconcileAll();
    Check(700, 104, "03/09/23");  // not reconciled: stays
    SavingsDeposit(100, "03/10/24");
    AHistory* copy = Made(AddTestHistory(kFoundMi, kFoundSi, 999, false, "Copy"), "03/11/23");
    copy->BalanceFlag = 1;
    const int rent = Accounts[1][0].NumberOfHistoryRecords;

    ASSERT_EQ(ArchiveTo(2023, "2023.txt"), 1) << host.AllMessages();
    EXPECT_EQ(host.Choices.back().OfferedName, "Archived data for 2023.txt");
    EXPECT_EQ(FileText(PathOf("2023.txt")), "03/01/23\t Pay \tAcme's first pay of the month. ($100.00)\r"
                                            "Rent\t03/02/23\tCheck\tPayee\t$12.50\t\t101\t\t\r"
                                            "Savings\t03/04/23\tDeposit\tBank\t$30.00\t\r"
                                            "Fund\t03/06/23\tBought\t2.000\t$12.345\t2.000\t\r");
    EXPECT_EQ(Archived(), 9);
    EXPECT_EQ(Accounts[1][0].NumberOfHistoryRecords, rent - 3);
    EXPECT_EQ(Invest[1].NumberOfHistoryRecords, 0);
    EXPECT_EQ(Counts(), (std::vector<int>{1, 0, 0, 0, 0}));
    EXPECT_EQ(gBudgetFileChanged, 1);
    ASSERT_EQ(ArchiveTo(2023, "again.txt"), 1);
    EXPECT_EQ(FileText(PathOf("again.txt")), "");
    EXPECT_EQ(Archived(), 9);
    EXPECT_EQ(copy->Archived, 0);
}

// A file that is cancelled, cannot be made or fills the disk takes nothing out of the budget and
// leaves nothing behind; the next try archives everything.
TEST_F(ArchiveTest, AFileThatFailsLeavesEveryRecordInTheBudget)
{
    for (int k = 0; k < 40; ++k)
        SavingsDeposit(100, "06/15/22");
    const std::string path = PathOf("2022.txt");
    const struct { std::string chosen; int64_t limit; std::string message; } cases[] = {
        {"", -1, ""},
        {PathOf("no/2022.txt"), -1, "Error. 2 Unable to create archive file.\r\r" + PathOf("no/2022.txt")},
        {path, 100, "Error. 28 Unable to write archive data.\r\r" + path},
    };
    for (const auto& c : cases) {
        host.Messages.clear();
        host.SavePaths = {c.chosen};
        SetReplacingFileByteLimit(c.limit);
        EXPECT_EQ(WriteArchiveToTextFile(2022), 0) << c.chosen;
        EXPECT_EQ(host.OnlyMessage(), c.message);
        EXPECT_EQ(Archived(), 0) << c.chosen;
        EXPECT_EQ(Accounts[2][0].NumberOfHistoryRecords, 40);
        EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }
    SetReplacingFileByteLimit(-1);
    ASSERT_EQ(ArchiveTo(2022, "2022.txt"), 1);
    EXPECT_EQ(Archived(), 40);
}

// The CSV form read back: a header, plain numbers and display dates whatever the money and date
// settings, a payee with a comma and quotes whole. Offered names never lead into another folder.
TEST_F(ArchiveTest, TheCsvFormIsReadBackAsItWasRecorded)
{
    CopyString("DM", gIntRec.DollarSymbol);
    gIntRec.DecimalSymbol = ',';
    gIntRec.GroupSymbol = '.';
    gIntRec.Flag1 = kIntDayMonthYear;
    RecordTransfer(0, 0, 1, 0, 100000, "03/01/26", "");  // left out: no transfers asked for
    RecordCheck(1, 0, {.Amount = 123450, .Datime = "03/02/26", .PayTo = "Smith, \"Bob\"", .For = "rent, May",
                       .Memo = "keys", .Number = 101});
    RecordCheck(1, 0, {.Amount = 5, .Datime = "03/04/26", .PayTo = "Card", .Debit = true});
    ASSERT_TRUE(BuySellShares(1, 1, 10500, 12345, "03/05/26"));
    RecordPriceUpdate(1, 13000, "03/06/26");
    CopyString("Car/Gas\\Oil", Accounts[1][0].Name);

    const struct { int Mi; int Si; const char* file; ExportForm form; Rows rows; } cases[] = {
        {1, 0, "rent.CSV", ExportForm::ByName,
         {{"Account", "Date", "Kind", "Payee", "Amount", "For", "Check Number", "Memo"},
          {"Car/Gas\\Oil", "04/03/26", "Debit", "Card", "0.05", "", "", ""},
          {"Car/Gas\\Oil", "02/03/26", "Check", "Smith, \"Bob\"", "1234.50", "rent, May", "101", "keys"}}},
        {1, kInvestmentSlot, "fund.txt", ExportForm::Csv,
         {{"Investment", "Date", "Kind", "Shares", "Price", "Total Shares"},
          {"Fund", "05/03/26", "Bought", "10.500", "12.345", "10.500"}}},
    };
    for (const auto& c : cases) {
        host.SavePaths = {PathOf(c.file)};
        ASSERT_EQ(ExportHistoryRange(c.Mi, c.Si, "01/01/26", "12/31/26", false, c.form), 1) << c.file;
        EXPECT_EQ(ParseCsv(FileText(PathOf(c.file))), c.rows) << c.file;
    }
    EXPECT_EQ(host.Choices.front().OfferedName, "CarGasOil10");
    EXPECT_EQ(host.Choices.front().Filters[1].Description, "CSV Files (*.csv)");
}

}  // namespace
