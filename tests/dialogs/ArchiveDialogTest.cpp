// The Archive and Export dialogs driven by scripts: the five entries as the boxes show them, an
// entry archived before a failed file shown as done, the command enabled by what may be archived;
// the export's proposed range, a wrong date keeping the dialog open, the transfer box.
#include "support/WindowFixture.h"

#include "dialogs/ArchiveDialogs.h"
#include "files/Archive.h"
#include "investments/InvestRecording.h"
#include "ledger/Balance.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "shell/Commands.h"

#include <QTemporaryDir>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int kBoxes[] = {1005, 1004, 1003, 1002, 1001};  // from the top
constexpr int kStart = 1260, kEnd = 1261, kTransfers = 1262;

class ArchiveDialogTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        RecordTestAccount(1, 0, "Rent");
        RecordTestAccount(2, 0, "Savings", true);
        windows.Messages.clear();
    }
    std::string PathOf(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }
    // Savings deposits made on `made`, which may be archived at once.
    static void SavingsDeposits(int count, const char* made)
    {
        for (int k = 0; k < count; ++k)
            CopyString((std::string(made) + " 09:00a").c_str(), RecordDeposit(2, 0, 100, "Bank", made, "", false)->RDatime);
    }
    // The box texts from the top, "+" for a ticked box and "-" for a disabled one.
    static std::string Boxes(ScriptedDialog& d)
    {
        std::string shown;
        for (const int id : kBoxes)
            shown += d.Text(id) + (d.Checked(id) ? "+" : "") + (d.Enabled(id) ? "" : "-") + "|";
        return shown;
    }

    DialogScripts dialogs;
    QTemporaryDir dir;
};

// Entries 2000 (30 records), 1999 (none), 1998 (12), 1997 (none) and a Remainder of 5, as in 2002;
// archiving every entry with records clears the command, leaving one unticked keeps it.
TEST_F(ArchiveDialogTest, TheBoxesShowTheEntriesAndArchivingThemAllClearsTheCommand)
{
    const struct { std::vector<int> ticked; int available; std::vector<std::string> files; } cases[] = {
        {{1001, 1003, 1005}, 0, {"Archived data for 2000.txt", "Archived data for 1998.txt", "Remaining Years.txt"}},
        {{1005, 1001}, 1, {"Archived data for 2000.txt", "Remaining Years.txt"}},
    };
    for (const auto& c : cases) {
        NewBudget();
        RecordTestAccount(2, 0, "Savings", true);
        for (int k = 0; k < kArchiveYears; ++k)
            gArchive[k].Year = static_cast<int16_t>(2000 - k);
        SavingsDeposits(30, "06/15/00");
        SavingsDeposits(12, "06/15/98");
        SavingsDeposits(5, "06/15/92");
        windows.Choices.clear();
        for (const std::string& file : c.files)
            windows.SavePaths.push_back(PathOf(file));
        dialogs.Scripts = {[&c](ScriptedDialog& d) {
            EXPECT_EQ(Boxes(d), "Remainder - 5 records|1997 - No records-|1998 - 12 records|1999 - No records-|"
                                "2000 - 30 records|");
            for (const int id : c.ticked)
                d.Click(id);
            d.Click(IDOK);
        }};
        ASSERT_EQ(HandleMenuHilites().count(kCmdArchive), 1u);
        HandleMenu(kCmdArchive, false);
        ASSERT_EQ(windows.Choices.size(), c.files.size());
        for (size_t k = 0; k < c.files.size(); ++k)
            EXPECT_EQ(windows.Choices[k].OfferedName, c.files[k]);
        EXPECT_STREQ(gInfoBox, "Data Archived.");
        EXPECT_EQ(HandleMenuHilites().count(kCmdArchive), static_cast<size_t>(c.available));
    }
}

// A cancelled file keeps the dialog open: the entry archived before it reads "No records",
// unticked and disabled, so OK again archives only what is left.
TEST_F(ArchiveDialogTest, AnEntryArchivedBeforeAFailedFileIsNotArchivedAgain)
{
    SavingsDeposits(2, "06/15/24");
    SavingsDeposits(1, "06/15/23");
    windows.SavePaths = {PathOf("2024.txt"), "", PathOf("2023.txt")};
    dialogs.Scripts = {[](ScriptedDialog& d) {
        d.Click(1001);
        d.Click(1002);
        d.Click(IDOK);
        ASSERT_FALSE(d.IsEnded());
        EXPECT_EQ(Boxes(d), "Remainder - No records-|2021 - No records-|2022 - No records-|2023 - 1 records+|"
                            "2024 - No records-|");
        d.Click(IDOK);
    }};
    HandleMenu(kCmdArchive, false);
    ASSERT_EQ(windows.Choices.size(), 3u);
    EXPECT_EQ(windows.Choices.back().OfferedName, "Archived data for 2023.txt");
    EXPECT_EQ(Accounts[2][0].NumberOfHistoryRecords, 0);
}

// Reconciling makes an old check ready to archive: the command is enabled at once.
TEST_F(ArchiveDialogTest, ReconcilingEnablesTheCommand)
{
    RecordDeposit(1, 0, 10000, "Employer", "12/01/26", "", false);
    CopyString("03/01/23 09:00a",
               RecordCheck(1, 0, {.Amount = 500, .Datime = "03/01/23", .PayTo = "Payee", .Number = 7})->RDatime);
    EXPECT_EQ(HandleMenuHilites().count(kCmdArchive), 0u);
    for (CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
        SetBalanceTick(c, true);
    for (DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
        SetBalanceTick(d, true);
    BalanceCheckbook();
    EXPECT_EQ(HandleMenuHilites().count(kCmdArchive), 1u);
}

// The range opens at the oldest record and ends today; a date that cannot be read keeps the dialog
// open on its field; OK writes the range typed, the transfer with the box ticked. An account
// without history is told so; an investment has no transfer box.
TEST_F(ArchiveDialogTest, TheExportOpensWithTheOldestDateAndWritesTheRangeTyped)
{
    RecordDeposit(0, 0, 1000, "Smith", "02/14/99", "", false);
    RecordDeposit(1, 0, 100, "Smith", "02/14/99", "", false);
    RecordTransfer(0, 0, 1, 0, 200, "03/01/99", "");
    RecordDeposit(1, 0, 300, "Jones", "12/01/26", "", false);
    windows.SavePaths = {PathOf("rent.txt")};
    dialogs.Scripts = {[](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(kStart) + " " + d.Text(kEnd), "02/14/99 12/05/26");
        d.Click(kTransfers);
        d.Type(kEnd, "13/45/99");
        d.Click(IDOK);
        EXPECT_FALSE(d.IsEnded());
        EXPECT_EQ(d.Focused(), kEnd);
        d.Type(kEnd, "3/1/99");
        d.Click(IDOK);
    }};
    SelectOne(1, 0);
    HandleMenu(kCmdExport, false);
    EXPECT_EQ(windows.Messages.size(), 1u) << windows.AllMessages();  // the wrong date
    const std::vector<uint8_t> bytes = ReadFileBytes(PathOf("rent.txt"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 2);

    windows.Messages.clear();
    dialogs.Scripts = {[](ScriptedDialog& d) { EXPECT_TRUE(d.IsEnded()) << "an account without history"; }};
    SelectOne(2, 0);
    HandleMenu(kCmdExport, false);
    EXPECT_EQ(windows.OnlyMessage(), "There are no History Records\rto export from this account\r\rPlease try again");

    ASSERT_EQ(RecordInvestName(1, "Fund"), 1);
    ASSERT_TRUE(BuySellShares(1, 1, 1000, 1000, "12/01/26"));
    dialogs.Scripts = {[](ScriptedDialog& d) {
        EXPECT_FALSE(d.Visible(kTransfers));
        d.Click(IDCANCEL);
    }};
    ExportInvestHistory(1);
    EXPECT_EQ(dialogs.Opened.size(), 3u);
}

}  // namespace
