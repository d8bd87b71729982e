// budget-cli export and archive: the lines and CSV an export writes for its range, the archive's
// entries listed and archived into files with the offered names, and the archive's refusals that
// leave the budget as it was.
#include "CliFixture.h"

#include "files/Archive.h"
#include "ledger/Recording.h"
#include "model/Globals.h"

#include <QDir>

#include <string>
#include <vector>

namespace {

class ExportCliTest : public CliFixture {
protected:
    std::string Text(const std::string& file)
    {
        const std::vector<uint8_t> bytes = ReadFileBytes(file);
        return std::string(bytes.begin(), bytes.end());
    }
    static void Made(AHistory* h, const char* date) { CopyString((std::string(date) + " 09:00a").c_str(), h->RDatime); }
};

// Rent, newest first: check 101 of 12/01/26, a transfer from Available and three deposits around
// the end of January 1999; the default range runs from the oldest record to today.
TEST_F(ExportCliTest, ExportWritesTheLinesOfItsRangeAsTextOrCsv)
{
    AddSampleAccounts();
    ASSERT_TRUE(RecordDeposit(1, 0, 100, "Smith, \"Bob\"", "01/30/99", "", false));
    ASSERT_TRUE(RecordDeposit(1, 0, 200, "Payer", "01/31/99", "", false));
    ASSERT_TRUE(RecordDeposit(1, 0, 300, "Payer", "02/01/99", "", false));
    ASSERT_TRUE(RecordTransfer(0, 0, 1, 0, 400, "01/31/99", "Top up"));
    ASSERT_TRUE(RecordCheck(1, 0, {.Amount = 5000, .Datime = "12/01/26", .PayTo = "Landlord", .For = "May",
                                   .Memo = "keys", .Number = 101}));
    SaveAndClose();

    const std::string check = "Rent\t12/01/26\tCheck\tLandlord\t$50.00\tMay\t101\tkeys\t\r";
    const std::string transfer = "Rent\t01/31/99\tTransfered From:\tAvailable\t$4.00\tTop up\r";
    const std::string late = "Rent\t02/01/99\tDeposit\tPayer\t$3.00\t\r";
    const std::string last = "Rent\t01/31/99\tDeposit\tPayer\t$2.00\t\r";
    const std::string first = "Rent\t01/30/99\tDeposit\tSmith, \"Bob\"\t$1.00\t\r";
    const struct { std::vector<std::string> args; std::string file; std::string written; } cases[] = {
        {{}, "all.txt", check + late + last + first},
        {{"--from", "1/1/99", "--until", "1/31/99", "--transfers"}, "transfers.txt", transfer + last + first},
        {{"--from", "1/31/99", "--until", "1/31/99", "--csv"}, "csv.txt",
         "Account,Date,Kind,Payee,Amount,For,Check Number,Memo\r\nRent,01/31/99,Deposit,Payer,2.00,,,\r\n"},
        {{"--until", "1/30/99"}, "first.CSV",
         "Account,Date,Kind,Payee,Amount,For,Check Number,Memo\r\nRent,01/30/99,Deposit,\"Smith, \"\"Bob\"\"\",1.00,,,\r\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"export", "Rent", "--to", PathOf(c.file.c_str())};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun run = RunOn(args);
        SCOPED_TRACE(c.file + ": " + run.err);
        EXPECT_EQ(run.code, kExitOk);
        EXPECT_EQ(Text(PathOf(c.file.c_str())), c.written);
        ExpectUnsaved(c.file);
    }
}

// Savings deposits made in 2024 (two), 2023 and 2015 may be archived; Rent's unreconciled check of
// 2023 waits for the bank. The clock says 12/05/26.
class ArchiveCliTest : public ExportCliTest {
protected:
    void SetUp() override
    {
        ExportCliTest::SetUp();
        AddSampleAccounts();
        for (const char* made : {"03/01/24", "04/01/24", "05/01/23", "06/01/15"})
            Made(RecordDeposit(3, 0, 1000, "Bank", made, "Interest", false), made);
        Made(RecordCheck(1, 0, {.Amount = 500, .Datime = "05/02/23", .PayTo = "Landlord", .Number = 7}), "05/02/23");
        SaveAndClose();
        folder = PathOf("archive");
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    }
    std::string folder;
};

TEST_F(ArchiveCliTest, ArchiveListsTheEntriesAndArchivesThemIntoTheOfferedFiles)
{
    const CliRun listed = RunOn({"archive"});
    EXPECT_EQ(listed.code, kExitOk) << listed.err;
    EXPECT_EQ(listed.out, "Remainder - 1 records\n2021 - No records\n2022 - No records\n2023 - 1 records\n"
                          "2024 - 2 records\n");
    ExpectUnsaved("listing");

    const CliRun run = RunOn({"archive", "--year", "2024", "--year", "Remainder", "--dir", folder});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    EXPECT_EQ(run.out, folder + "/Archived data for 2024.txt: 2 records\n" + folder + "/Remaining Years.txt: 1 records\n");
    EXPECT_EQ(Text(folder + "/Archived data for 2024.txt"),
              "Savings\t04/01/24\tDeposit\tBank\t$10.00\tInterest\rSavings\t03/01/24\tDeposit\tBank\t$10.00\tInterest\r");
    EXPECT_EQ(Text(folder + "/Remaining Years.txt"), "Savings\t06/01/15\tDeposit\tBank\t$10.00\tInterest\r");

    const CliRun verify = Run({"verify", path});
    EXPECT_EQ(verify.code, kExitOk) << verify.err;
    EXPECT_EQ(verify.err, "");
    EXPECT_EQ(Run({"archive", path}).out,
              "Remainder - No records\n2021 - No records\n2022 - No records\n2023 - 1 records\n2024 - No records\n");
    Reopen();
    EXPECT_EQ(Accounts[3][0].NumberOfHistoryRecords, 1);
    EXPECT_STREQ(MemoryAccounts[3][0].HistoryRec->Datime, "05/01/23");
}

TEST_F(ArchiveCliTest, ArchiveRefusesBeforeAnythingIsWritten)
{
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(PathOf("taken"))));
    WriteFileBytes(PathOf("taken/Archived data for 2024.txt"), {'x'});
    const struct { std::vector<std::string> args; int code; std::string err; } cases[] = {
        {{"--year", "2019", "--dir", folder}, 1,
         "Input Error: 2019 is no entry of the archive.\n\nThe archive offers 2024, 2023, 2022, 2021 and remainder."},
        {{"--year", "2023", "--year", "2024", "--dir", PathOf("taken")}, 1,
         "Input Error: The file " + PathOf("taken") + "/Archived data for 2024.txt already exists."},
        {{"--year", "2024"}, 2, "budget-cli: --year and --dir go together"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"archive"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun run = RunOn(args);
        SCOPED_TRACE(c.args[1] + ": " + run.err);
        EXPECT_EQ(run.code, c.code);
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err);
        ExpectUnsaved(c.args[1]);
        EXPECT_TRUE(QDir(QString::fromStdString(folder)).isEmpty());
    }
}

}  // namespace
