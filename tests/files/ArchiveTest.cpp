// Archiving old years out of the budget and exporting a history as CSV: which records qualify and
// how they are counted, the lines an archive writes, a file that fails taking nothing, no record
// archived twice, the budget saved and read again without them; the CSV form read back.
#include "support/FileFixture.h"
#include "support/SampleBudget.h"

#include "files/Archive.h"
#include "files/TextExport.h"
#include "investments/InvestRecording.h"
#include "ledger/Balance.h"
#include "ledger/Pay.h"
#include "ledger/Recording.h"
#include "ledger/Undo.h"
#include "model/Globals.h"
#include "model/Initialize.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Reads CSV as a spreadsheet does (quoted fields with doubled quotes, commas and line breaks
// inside quotes); `sound` is cleared when a line does not end in CR LF or a quote is left open.
Rows ParseCsv(const std::string& text, bool& sound)
{
    Rows rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    sound = true;
    for (size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (quoted) {
            if (c == '"' && k + 1 < text.size() && text[k + 1] == '"')
                field += text[++k];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"' && field.empty()) {
            quoted = true;
        } else if (c == ',') {
            row.push_back(field);
            field.clear();
        } else if (c == '\r' && k + 1 < text.size() && text[k + 1] == '\n') {
            row.push_back(field);
            rows.push_back(row);
            row.clear();
            field.clear();
            ++k;
        } else if (c == '\r' || c == '\n' || c == '"') {
            sound = false;
            field += c;
        } else {
            field += c;
        }
    }
    if (quoted || !field.empty() || !row.empty())
        sound = false;
    return rows;
}

// Rent is in the checkbook, Savings is not; Fund is an investment. The clock says 12/05/26, so
// the archive offers 2024, 2023, 2022, 2021 and the Remainder (2020 and older).
class ArchiveTest : public FileFixture {
protected:
    void SetUp() override
    {
        FileFixture::SetUp();
        RecordTestAccount(1, 0, "Rent");
        RecordTestAccount(2, 0, "Savings", true);
        ASSERT_EQ(RecordInvestName(1, "Fund"), 1);
        RecordDeposit(0, 0, 500000, "Employer", "12/01/26", "", false);
        host.Messages.clear();
    }

    // The record as if made on `date` (stored form): the day its archive year is taken from.
    template <typename Record>
    static Record* Made(Record* rec, const char* date)
    {
        CopyString((std::string(date) + " 10:00a").c_str(), rec->RDatime);
        return rec;
    }
    static AHistory* Check(int Mi, int32_t amount, uint32_t number, const char* date, const char* made)
    {
        return Made(RecordCheck(Mi, 0, {.Amount = amount, .Datime = date, .PayTo = "Payee", .Number = number}), made);
    }
    static AHistory* SavingsDeposit(int32_t amount, const char* made)
    {
        return Made(RecordDeposit(2, 0, amount, "Bank", made, "", false), made);
    }
    static void ReconcileAll()
    {
        for (CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
            SetBalanceTick(c, true);
        for (DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
            SetBalanceTick(d, true);
        BalanceCheckbook();
    }
    static int Counts(int entry) { return gArchive[entry].Count; }
    static std::vector<int> AllCounts()
    {
        std::vector<int> counts;
        for (const Archive& a : gArchive)
            counts.push_back(a.Count);
        return counts;
    }
    static int Archived()
    {
        int archived = 0;
        for (const auto& row : MemoryAccounts)
            for (const CoreRecord& core : row)
                for (const AHistory* h = core.HistoryRec; h; h = h->HistoryFP)
                    archived += h->Archived;
        for (const ICoreRecord& core : MemoryInvest)
            for (const IHistory* r = core.HistoryRec; r; r = r->InvestFP)
                archived += r->Archived;
        return archived;
    }
    static std::vector<std::string> Lines(const std::string& path)
    {
        const std::vector<uint8_t> bytes = ReadFileBytes(path);
        std::vector<std::string> lines;
        std::string line;
        for (const uint8_t b : bytes) {
            line += static_cast<char>(b);
            if (b == '\r') {
                lines.push_back(line);
                line.clear();
            }
        }
        EXPECT_TRUE(line.empty()) << "a line without its carriage return: " << line;
        return lines;
    }
    int ArchiveTo(int year, const std::string& name)
    {
        host.SavePaths = {PathOf(name.c_str())};
        return WriteArchiveToTextFile(year);
    }
};

// Each record is counted in the entry of the year it was made: two-digit years 91 to 99 are the
// 1900s, the rest the 2000s; years after 2024 are not offered, years before 2021 go together.
TEST_F(ArchiveTest, RecordsAreCountedInTheEntryOfTheYearTheyWereMade)
{
    const struct { const char* made; int year; int entry; } cases[] = {
        {"12/05/26", 2026, -1}, {"01/01/25", 2025, -1}, {"12/31/24", 2024, 0}, {"06/15/23", 2023, 1},
        {"06/15/22", 2022, 2},  {"01/01/21", 2021, 3},  {"12/31/20", 2020, 4}, {"06/15/01", 2001, 4},
        {"06/15/00", 2000, 4},  {"06/15/99", 1999, 4},  {"06/15/91", 1991, 4}, {"06/15/90", 2090, -1},
    };
    std::vector<int> expected(kArchiveYears, 0);
    for (const auto& c : cases) {
        const AHistory* h = SavingsDeposit(100, c.made);
        EXPECT_EQ(GetArchiveDataYear(h), c.year) << c.made;
        if (c.entry >= 0)
            ++expected[static_cast<size_t>(c.entry)];
    }
    CountArchiveData();
    EXPECT_EQ(AllCounts(), expected);
    EXPECT_EQ(gArchiveDataAvailable, 1);

    // Reading the budget counts the same, once, whatever was counted before.
    ASSERT_EQ(SaveAs(PathOf("counted.bgt")), 1);
    ASSERT_EQ(Open(PathOf("counted.bgt")), 1) << host.AllMessages();
    EXPECT_EQ(AllCounts(), expected);
}

// Records that touch the checkbook wait for the bank statement; savings records, log entries,
// undone records and transfers that leave the checkbook alone go as soon as they are old enough.
TEST_F(ArchiveTest, OnlyRecordsWithNothingLeftToConfirmQualify)
{
    RecordTestAccount(3, 0, "Food");
    RecordTransfer(0, 0, 1, 0, 100000, "12/01/26", "");
    AHistory* check = Check(1, 1000, 101, "03/01/23", "03/01/23");
    AHistory* undone = Check(1, 2000, 102, "03/02/23", "03/02/23");
    gSelectedItem = undone;
    BudgetUndo(1, 0);
    ASSERT_TRUE(undone->UnDone);
    AHistory* savings = SavingsDeposit(3000, "03/03/23");  // before the transfer it pays for
    AHistory* log = Made(CheckbookLogRecord("Food account added to budget"), "03/04/23");
    RecordTransfer(1, 0, 3, 0, 400, "03/05/23", "");
    AHistory* betweenChecking[] = {Made(MemoryAccounts[1][0].HistoryRec, "03/05/23"),
                                   Made(MemoryAccounts[3][0].HistoryRec, "03/05/23")};
    RecordTransfer(2, 0, 1, 0, 500, "03/06/23", "");
    AHistory* fromSavings = Made(MemoryAccounts[2][0].HistoryRec, "03/06/23");
    AHistory* intoChecking = Made(MemoryAccounts[1][0].HistoryRec, "03/06/23");
    AHistory* tooNew = Check(1, 600, 103, "03/07/25", "03/07/25");
    IHistory* bought = Made(BuySellShares(1, 1, 1000, 1000, "03/08/23"), "03/08/23");
    IHistory* boughtLater = Made(BuySellShares(1, 1, 1000, 1000, "03/08/25"), "03/08/25");
    ASSERT_TRUE(intoChecking->Savings && !fromSavings->Savings);

    const struct { const char* what; const AHistory* rec; int before; int after; } cases[] = {
        {"a check three years old", check, 0, 1},
        {"an undone check", undone, 1, 1},
        {"a savings deposit", savings, 1, 1},
        {"a log entry", log, 1, 1},
        {"a transfer between accounts in the checkbook", betweenChecking[0], 1, 1},
        {"its other half", betweenChecking[1], 1, 1},
        {"the savings half of a transfer to the checkbook", fromSavings, 1, 1},
        {"the checkbook half of it", intoChecking, 0, 1},
        {"a check of last year", tooNew, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DetermineValidArchiveRecord(c.rec), c.before) << c.what;
    EXPECT_EQ(DetermineValidInvestArchiveRecord(bought), 1);
    EXPECT_EQ(DetermineValidInvestArchiveRecord(boughtLater), 0);
    CountArchiveData();
    EXPECT_EQ(Counts(1), 7);
    EXPECT_EQ(Counts(kRemainderEntry), 0);

    ReconcileAll();
    for (const auto& c : cases)
        EXPECT_EQ(DetermineValidArchiveRecord(c.rec), c.after) << c.what << ", reconciled";
    CountArchiveData();
    EXPECT_EQ(Counts(1), 9);
    savings->Archived = 1;
    EXPECT_EQ(DetermineValidArchiveRecord(savings), 0) << "archived already";
}

// An unreconciled check made long ago is not counted in the Remainder, so nothing enables the
// command; once reconciled it is.
TEST_F(ArchiveTest, TheRemainderCountsOnlyWhatMayBeArchived)
{
    RecordTransfer(0, 0, 1, 0, 100000, "12/01/26", "");
    Check(1, 1000, 101, "03/01/19", "03/01/19");
    ASSERT_EQ(SaveAs(PathOf("old.bgt")), 1);
    ASSERT_EQ(Open(PathOf("old.bgt")), 1);
    EXPECT_EQ(Counts(kRemainderEntry), 0);
    EXPECT_EQ(gArchiveDataAvailable, 0);
    ReconcileAll();
    CountArchiveData();
    EXPECT_EQ(Counts(kRemainderEntry), 1);
    EXPECT_EQ(gArchiveDataAvailable, 1);
}

// A pay of three years ago: its pieces leave without a line, its log entry gives the one line.
// Transfers and undone records leave without a line; investment price updates too.
TEST_F(ArchiveTest, TheArchiveWritesItsLinesThenTakesTheRecordsOut)
{
    ASSERT_EQ(SetPaySource(0, "Acme", "100", kPayMonthly), 1);
    const bool ticked[kPayers] = {true, false, false};
    ASSERT_EQ(RecordPayEntry(ticked, "03/01/23"), 1) << host.AllMessages();
    Made(MemoryAccounts[0][0].HistoryRec, "03/01/23");
    Made(MemoryAccounts[0][1].HistoryRec, "03/01/23");
    RecordTransfer(0, 0, 1, 0, 100000, "12/01/26", "");
    Check(1, 1250, 101, "03/02/23", "03/02/23");
    AHistory* undone = Check(1, 2000, 102, "03/03/23", "03/03/23");
    gSelectedItem = undone;
    BudgetUndo(1, 0);
    SavingsDeposit(3000, "03/04/23");
    RecordTransfer(0, 0, 1, 0, 400, "03/05/23", "");
    Made(MemoryAccounts[0][0].HistoryRec, "03/05/23");
    Made(MemoryAccounts[1][0].HistoryRec, "03/05/23");
    Made(BuySellShares(1, 1, 2000, 12345, "03/06/23"), "03/06/23");
    Made(RecordPriceUpdate(1, 13000, "03/07/23"), "03/07/23");
    Check(1, 900, 103, "03/08/23", "03/08/23");
    ReconcileAll();
    Check(1, 700, 104, "03/09/23", "03/09/23");  // not reconciled: stays
    SavingsDeposit(100, "03/10/24");              // another year: stays
    CountArchiveData();
    const int rent = Accounts[1][0].NumberOfHistoryRecords;
    const int fund = Invest[1].NumberOfHistoryRecords;
    // The pay's piece and log entry, two checks and the undone one, the deposit, the transfer's
    // halves, the trade and the price update.
    ASSERT_EQ(Counts(1), 10);
    host.Messages.clear();

    ASSERT_EQ(ArchiveTo(2023, "2023.txt"), 1) << host.AllMessages();
    EXPECT_EQ(host.Choices.back().OfferedName, "Archived data for 2023.txt");
    EXPECT_EQ(Lines(PathOf("2023.txt")), (std::vector<std::string>{
                                              "03/01/23\t Pay \tAcme's first pay of the month. ($100.00)\r",
                                              "Rent\t03/08/23\tCheck\tPayee\t$9.00\t\t103\t\t\r",
                                              "Rent\t03/02/23\tCheck\tPayee\t$12.50\t\t101\t\t\r",
                                              "Savings\t03/04/23\tDeposit\tBank\t$30.00\t\r",
                                              "Fund\t03/06/23\tBought\t2.000\t$12.345\t2.000\t\r",
                                          }));
    EXPECT_EQ(Archived(), 10);
    EXPECT_EQ(Accounts[1][0].NumberOfHistoryRecords, rent - 4);
    EXPECT_EQ(Invest[1].NumberOfHistoryRecords, fund - 2);
    EXPECT_EQ(AllCounts(), (std::vector<int>{1, 0, 0, 0, 0}));
    EXPECT_EQ(gBudgetFileChanged, 1);
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
}

// A file that is cancelled, cannot be made or fills the disk takes nothing out of the budget and
// leaves no part of itself behind; the next try archives everything.
TEST_F(ArchiveTest, AFileThatFailsLeavesEveryRecordInTheBudget)
{
    for (int k = 0; k < 40; ++k)
        SavingsDeposit(100 + k, "06/15/22");
    CountArchiveData();
    const int before = Accounts[2][0].NumberOfHistoryRecords;
    const std::string path = PathOf("2022.txt");
    const struct { std::string chosen; int64_t limit; std::string message; } cases[] = {
        {"", -1, ""},
        {PathOf("missing/2022.txt"), -1, "Unable to create archive file.\r\r" + PathOf("missing/2022.txt")},
        {path, 100, "Error. 28 Unable to write archive data.\r\r" + path},
    };
    for (const auto& c : cases) {
        host.Messages.clear();
        host.SavePaths = {c.chosen};
        SetReplacingFileByteLimit(c.limit);
        EXPECT_EQ(WriteArchiveToTextFile(2022), 0) << c.chosen;
        const std::string told = host.OnlyMessage();
        EXPECT_EQ(told.substr(told.size() - std::min(told.size(), c.message.size())), c.message) << told;
        EXPECT_EQ(Archived(), 0) << c.chosen;
        EXPECT_EQ(Accounts[2][0].NumberOfHistoryRecords, before);
        EXPECT_EQ(Counts(2), 40);
        EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }
    SetReplacingFileByteLimit(-1);
    ASSERT_EQ(ArchiveTo(2022, "2022.txt"), 1);
    EXPECT_EQ(Lines(path).size(), 40u);
    EXPECT_EQ(Archived(), 40);
}

// Archiving a year again, or OK again after a failed entry, takes nothing twice; "Found Items"
// (copies of records of other accounts) never takes part.
TEST_F(ArchiveTest, NoRecordIsArchivedTwice)
{
    SavingsDeposit(100, "06/15/24");
    SavingsDeposit(200, "06/15/23");
    SavingsDeposit(300, "06/15/15");
    Made(AddTestHistory(kFoundMi, kFoundSi, 999, false, "Copy"), "06/15/15")->BalanceFlag = 1;
    CountArchiveData();
    EXPECT_EQ(AllCounts(), (std::vector<int>{1, 1, 0, 0, 1}));

    ASSERT_EQ(ArchiveTo(gArchive[kRemainderEntry].Year, "remainder.txt"), 1);
    EXPECT_EQ(Lines(PathOf("remainder.txt")).size(), 1u);
    EXPECT_EQ(MemoryAccounts[kFoundMi][kFoundSi].HistoryRec->Archived, 0);
    ASSERT_EQ(ArchiveTo(gArchive[kRemainderEntry].Year, "again.txt"), 1);
    EXPECT_TRUE(Lines(PathOf("again.txt")).empty());
    EXPECT_EQ(Archived(), 1);

    // The dialog's OK with 2024 and 2023 chosen: 2023's file fails, so the run stops there.
    gArchive[0].SetForArchive = gArchive[1].SetForArchive = 1;
    host.SavePaths = {PathOf("2024.txt"), PathOf("missing/2023.txt")};
    std::vector<int> asked;
    EXPECT_EQ(ArchiveChosenEntries([&asked](int entry) { asked.push_back(entry); }), 0);
    EXPECT_EQ(Archived(), 2);
    EXPECT_EQ(gArchive[0].SetForArchive, 0);
    EXPECT_EQ(gArchive[1].SetForArchive, 1);
    // OK again: 2024 has nothing left, so only 2023's file is asked for.
    gArchive[0].SetForArchive = 1;
    host.SavePaths = {PathOf("2023.txt")};
    asked.clear();
    CopyString("", gInfoBox);
    EXPECT_EQ(ArchiveChosenEntries([&asked](int entry) { asked.push_back(entry); }), 1);
    EXPECT_EQ(asked, std::vector<int>{1});
    EXPECT_EQ(Lines(PathOf("2024.txt")).size(), 1u);
    EXPECT_EQ(Lines(PathOf("2023.txt")).size(), 1u);
    EXPECT_EQ(Archived(), 3);
    EXPECT_STREQ(gInfoBox, "Data Archived.");
    EXPECT_EQ(gArchiveDataAvailable, 0);
}

// The next save leaves the archived records out with the counts right and no warning; the budget
// read again holds the rest and counts what is left to archive.
TEST_F(ArchiveTest, TheSavedBudgetHoldsOnlyWhatWasNotArchived)
{
    for (const char* made : {"06/15/23", "07/15/23", "06/15/24", "06/15/12"})
        SavingsDeposit(100, made);
    RecordTransfer(0, 0, 1, 0, 100000, "12/01/26", "");
    Check(1, 500, 101, "06/15/23", "06/15/23");
    ReconcileAll();
    Made(BuySellShares(1, 1, 1000, 1000, "06/15/23"), "06/15/23");
    CountArchiveData();
    ASSERT_EQ(SaveAs(PathOf("budget.bgt")), 1);
    const size_t before = ReadFileBytes(PathOf("budget.bgt")).size();
    ASSERT_EQ(ArchiveTo(2023, "2023.txt"), 1);
    ASSERT_EQ(ArchiveTo(gArchive[kRemainderEntry].Year, "old.txt"), 1);
    host.Messages.clear();
    ASSERT_EQ(BudgetSave(), 1);
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
    EXPECT_EQ(ReadFileBytes(PathOf("budget.bgt")).size(), before - 4 * 228 - 60);

    ASSERT_EQ(Open(PathOf("budget.bgt")), 1);
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            int chain = 0;
            for (const AHistory* h = MemoryAccounts[Mi][Si].HistoryRec; h; h = h->HistoryFP, ++chain)
                EXPECT_EQ(h->Archived, 0);
            EXPECT_EQ(chain, Accounts[Mi][Si].NumberOfHistoryRecords) << Mi << "," << Si;
        }
    EXPECT_EQ(Accounts[1][0].NumberOfHistoryRecords, 1) << "the transfer that paid the check";
    EXPECT_EQ(Accounts[2][0].NumberOfHistoryRecords, 1);
    EXPECT_EQ(Invest[1].NumberOfHistoryRecords, 0);
    EXPECT_EQ(AllCounts(), (std::vector<int>{1, 0, 0, 0, 0}));
}

// The CSV form: a header, one row per record, plain numbers and display dates whatever the money
// and date settings, a payee with a comma and quotes read back whole.
TEST_F(ArchiveTest, TheCsvFormIsReadBackAsItWasRecorded)
{
    CopyString("DM", gIntRec.DollarSymbol);
    gIntRec.DecimalSymbol = ',';
    gIntRec.GroupSymbol = '.';
    gIntRec.Flag1 = kIntDayMonthYear;
    RecordTransfer(0, 0, 1, 0, 200000, "03/01/26", "");
    RecordCheck(1, 0, {.Amount = 123450, .Datime = "03/02/26", .PayTo = "Smith, \"Bob\"", .For = "rent, May",
                       .Memo = "keys", .Number = 101});
    RecordDeposit(1, 0, 5, "Refund", "03/03/26", "", false);
    RecordCheck(1, 0, {.Amount = 700, .Datime = "03/04/26", .PayTo = "Card", .Debit = true});
    ASSERT_TRUE(BuySellShares(1, 1, 10500, 12345, "03/05/26"));
    RecordPriceUpdate(1, 13000, "03/06/26");

    const struct { int Mi; int Si; const char* file; bool transfers; ExportForm form; Rows rows; } cases[] = {
        {1, 0, "rent.csv", true, ExportForm::ByName,
         {{"Account", "Date", "Kind", "Payee", "Amount", "For", "Check Number", "Memo"},
          {"Rent", "04/03/26", "Debit", "Card", "7.00", "", "", ""},
          {"Rent", "03/03/26", "Deposit", "Refund", "0.05", "", "", ""},
          {"Rent", "02/03/26", "Check", "Smith, \"Bob\"", "1234.50", "rent, May", "101", "keys"},
          {"Rent", "01/03/26", "Transfered From:", "Available", "2000.00", "", "", ""}}},
        {1, 0, "RENT.CSV", false, ExportForm::ByName,
         {{"Account", "Date", "Kind", "Payee", "Amount", "For", "Check Number", "Memo"},
          {"Rent", "04/03/26", "Debit", "Card", "7.00", "", "", ""},
          {"Rent", "03/03/26", "Deposit", "Refund", "0.05", "", "", ""},
          {"Rent", "02/03/26", "Check", "Smith, \"Bob\"", "1234.50", "rent, May", "101", "keys"}}},
        {1, kInvestmentSlot, "fund.txt", false, ExportForm::Csv,
         {{"Investment", "Date", "Kind", "Shares", "Price", "Total Shares"},
          {"Fund", "05/03/26", "Bought", "10.500", "12.345", "10.500"}}},
    };
    for (const auto& c : cases) {
        host.SavePaths = {PathOf(c.file)};
        ASSERT_EQ(ExportHistoryRange(c.Mi, c.Si, "01/01/26", "12/31/26", c.transfers, c.form), 1) << c.file;
        bool sound = false;
        const std::vector<uint8_t> bytes = ReadFileBytes(PathOf(c.file));
        EXPECT_EQ(ParseCsv(std::string(bytes.begin(), bytes.end()), sound), c.rows) << c.file;
        EXPECT_TRUE(sound) << c.file;
    }
    const std::vector<FileFilter>& filters = host.Choices.back().Filters;
    EXPECT_TRUE(std::any_of(filters.begin(), filters.end(),
                            [](const FileFilter& f) { return f.Description == "CSV Files (*.csv)"; }));
}

// What the Export dialog proposes, and the names offered for a history file, which never lead
// into another folder (the deletion's file too).
TEST_F(ArchiveTest, TheExportProposesTheOldestDateAndAPlainFileName)
{
    RecordDeposit(1, 0, 100, "A", "02/14/99", "", false);
    RecordDeposit(1, 0, 100, "B", "06/01/26", "", false);
    char start[kDatimeSize], end[kDatimeSize];
    ASSERT_EQ(ProposeExportRange(1, 0, start, end), 1);
    EXPECT_STREQ(start, "02/14/99");
    EXPECT_STREQ(end, "12/05/26");
    EXPECT_EQ(ProposeExportRange(2, 0, start, end), 0);
    EXPECT_EQ(host.OnlyMessage(), "There are no History Records\rto export from this account\r\rPlease try again");

    // An investment with only price updates has nothing to export: no file is asked for.
    RecordPriceUpdate(1, 13000, "03/06/26");
    host.Choices.clear();
    EXPECT_EQ(ExportHistoryRange(1, kInvestmentSlot, "01/01/26", "12/31/26", false), 1);
    EXPECT_TRUE(host.Choices.empty());

    CopyString("Car/Gas\\Oil", Accounts[1][0].Name);
    CopyString("a/b", Invest[1].Name);
    EXPECT_EQ(HistoryFileName(1, 0), "CarGasOil10");
    EXPECT_EQ(HistoryFileName(1, kInvestmentSlot), "ab1");
    ReconcileAll();
    host.SavePaths = {PathOf("deleted.txt")};
    ASSERT_EQ(RecordDeleteAccount(1, 0), 1) << host.AllMessages();
    EXPECT_EQ(host.Choices.back().OfferedName, "CarGasOil10");
}

}  // namespace
