// Opening, saving and closing budget files: sizes, round trips, versions and count repairs.
#include "files/ChildProcess.h"
#include "support/FileFixture.h"
#include "support/SampleBudget.h"

#include "files/BudgetFile.h"
#include "files/BudgetImage.h"
#include "files/FileAccess.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Money.h"
#include "model/RecordLayout.h"

#include <QFile>

#include <fstream>
#include <tuple>

#include <sys/resource.h>

namespace {

constexpr size_t kBudgetIdentOffset = kAccountsBytes + 386;  // within the tail
constexpr size_t kTailFlag1Offset = kAccountsBytes + 442;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// The address space this process takes now, in bytes.
int64_t AddressSpace()
{
    std::ifstream statm("/proc/self/statm");
    int64_t pages = 0;
    statm >> pages;
    return pages * ::sysconf(_SC_PAGESIZE);
}

class BudgetFileTest : public FileFixture {};

// Saving a budget never saved asks first, and No writes nothing; a new budget's file is just the
// tail and opens empty.
TEST_F(BudgetFileTest, ANewBudgetIsSavedAfterAQuestionAsJustTheTailAndOpensEmpty)
{
    gBudgetFileChanged = 1;
    host.Answers = {IDNO};
    EXPECT_EQ(BudgetSave(), 0);
    ASSERT_EQ(host.Messages.size(), 1u);
    const CapturedMessage& m = host.Messages[0];
    EXPECT_EQ(std::tuple(m.Text, m.Title, m.Buttons == MessageButtons::YesNoCancel, m.Icon == MessageIcon::Question),
              std::tuple("Save current changes in Untitled", "Save", true, true));
    EXPECT_TRUE(host.Choices.empty());

    const std::string path = PathOf("new.bgt");
    host.Answers = {IDYES};
    host.SavePaths.push_back(path);
    ASSERT_EQ(BudgetSave(), 1) << host.AllMessages();
    const std::vector<uint8_t> saved = ReadFileBytes(path);
    EXPECT_EQ(saved.size(), 87388u);
    EXPECT_EQ(std::tuple(gNewBudgetFile, gBudgetFileChanged, std::string(gBudgetTitleName), std::string(gInfoBox)),
              std::tuple(0, 0, "new.bgt", "File Saved"));

    NewBudget();
    host.Messages.clear();
    ASSERT_EQ(Open(path), 1) << host.AllMessages();
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
    EXPECT_EQ(Image(), saved);
    EXPECT_TRUE(Accounts[0][0].Valid && !Accounts[0][1].Valid && !MemoryAccounts[0][1].HistoryRec);
    EXPECT_EQ(std::tuple(gStartUpFlag, gNewBudgetFile, std::string(gInfoBox)), std::tuple(1, 0, "12/05/26"));
}

// What is read is written again: a field read wrong or not at all shows as other bytes. (budget-cli's
// dump test spot-checks fields of the same budget read from its file.)
TEST_F(BudgetFileTest, EveryRecordTypeReadsBackAndWritesAgainByteForByte)
{
    BuildRichTestBudget();
    const std::string path = PathOf("rich.bgt");
    ASSERT_EQ(SaveAs(path), 1) << host.AllMessages();
    const std::vector<uint8_t> saved = ReadFileBytes(path);
    EXPECT_EQ(saved.size(), 87388u + 6 * 228 + 4 * 60 + 2 * 100);

    NewBudget();
    ASSERT_EQ(Open(path), 1) << host.AllMessages();
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
    EXPECT_EQ(Image(), saved);
}

TEST_F(BudgetFileTest, DisplayLinesCountSecondLinesOnlyWhereTheAccountShowsThem)
{
    BuildRichTestBudget();
    AddTestHistory(2, 0, 100, true, "Tri in a collapsed account")->Tri = 1;
    const std::string path = PathOf("lines.bgt");
    ASSERT_EQ(SaveAs(path), 1);
    NewBudget();
    ASSERT_EQ(Open(path), 1);
    EXPECT_EQ(MemoryAccounts[1][0].DisplayLines, 3);  // two records, one with a second line
    EXPECT_EQ(MemoryAccounts[1][0].HistoryRec->HistoryFP->HFlag, 1);
    EXPECT_EQ(MemoryAccounts[2][0].DisplayLines, 1);  // the account's HFlag is clear
    EXPECT_EQ(MemoryAccounts[2][0].HistoryRec->HFlag, 0);
}

TEST_F(BudgetFileTest, VersionTwoPricesAreUpgradedTenfoldAndSavedAsVersionThree)
{
    BuildRichTestBudget();
    const std::string path = PathOf("v2.bgt");
    ASSERT_EQ(SaveAs(path), 1);
    std::vector<uint8_t> bytes = ReadFileBytes(path);
    const size_t tail = bytes.size() - kTailSize;
    bytes[tail + kBudgetIdentOffset] = 2;
    bytes[tail + kBudgetIdentOffset + 1] = 2;
    WriteFileBytes(path, bytes);

    NewBudget();
    ASSERT_EQ(Open(path), 1) << host.AllMessages();
    EXPECT_EQ(Invest[1].CostPerShare, 1234560);
    EXPECT_EQ(MemoryInvest[1].HistoryRec->CostPerShare, (123456 + 2) * 10);
    EXPECT_EQ(MemoryInvest[7].HistoryRec->CostPerShare, 99990);
    EXPECT_EQ(gBudget.DataFileIdent, 3);
    EXPECT_EQ(gBudget.ResourceFileIdent, 3);
    ASSERT_EQ(BudgetSave(), 1);
    bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes[bytes.size() - kTailSize + kBudgetIdentOffset + 1], 3);
}

// A missing file is not created; a file of a version other than 2 and 3 is refused.
TEST_F(BudgetFileTest, AMissingFileAndOtherVersionsAreRefusedWithTheirMessage)
{
    const std::string path = PathOf("version.bgt");
    ASSERT_EQ(SaveAs(path), 1);
    const std::vector<uint8_t> good = ReadFileBytes(path);
    // ident: the version written into the file, 0 for no file.
    const struct { signed char ident; const char* message; } cases[] = {
        {0, "File System Error: Error. 2 Unable to open file."},
        {4, ": System Error 2.\rThis file is from a newer version.\rData\r"},
        {-1, ": System Error 1.\rThis file is from an older version.\rData\r"},
        {1, ": System Error 1.\rThis file is from an older version.\rData\r"},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bytes = good;
        bytes[kBudgetIdentOffset + 1] = static_cast<uint8_t>(c.ident);
        if (c.ident)
            WriteFileBytes(path, bytes);
        else
            QFile::remove(QString::fromStdString(path));
        host.Messages.clear();
        EXPECT_EQ(Open(path), 0) << int(c.ident);
        EXPECT_EQ(host.AllMessages(), c.message);
        EXPECT_EQ(QFile::exists(QString::fromStdString(path)), c.ident != 0);
    }
}

TEST_F(BudgetFileTest, FileWithoutInternationalSettingsTakesTheDefaultsAndStoresThem)
{
    const std::string path = PathOf("old.bgt");
    CopyString("DM", gIntRec.DollarSymbol);
    ASSERT_EQ(SaveAs(path), 1);
    std::vector<uint8_t> bytes = ReadFileBytes(path);
    bytes[kTailFlag1Offset] &= ~kBudgetHasInternational;
    WriteFileBytes(path, bytes);

    NewBudget();
    CopyString("X", gIntRec.DollarSymbol);
    ASSERT_EQ(Open(path), 1);
    EXPECT_EQ(std::tuple(std::string(gIntRec.DollarSymbol), int{gIntRec.DecimalPlaces}, int{gIntRec.GroupSize}),
              std::tuple("$", 2, 3));
    EXPECT_TRUE(gBudget.Flag1 & kBudgetHasInternational);
    ASSERT_EQ(BudgetSave(), 1);
    bytes = ReadFileBytes(path);
    EXPECT_TRUE(bytes[kTailFlag1Offset] & kBudgetHasInternational);
    EXPECT_EQ(bytes[432 + 102], 0);    // the Checkbook's SubName reads as empty
    EXPECT_EQ(bytes[432 + 102 + 1], '$');
}

TEST_F(BudgetFileTest, MiscountedChainIsSavedWithTheCorrectedCountAfterAWarning)
{
    BuildRichTestBudget();
    Accounts[1][0].NumberOfHistoryRecords = 1;  // the chain holds 2
    Accounts[4][0].NumberOfHistoryRecords = 3;  // an empty chain
    Invest[7].NumberOfHistoryRecords = 5;       // the chain holds 1
    const std::string path = PathOf("count.bgt");
    ASSERT_EQ(SaveAs(path), 1);
    ASSERT_EQ(host.Messages.size(), 3u) << host.AllMessages();
    EXPECT_EQ(host.Messages[0].Text,
              "History file integrity error.\rThis file may be corrupt.  Program\r"
              "will attempt fix, consider restore\rfrom backup copy.");
    EXPECT_EQ(host.Messages[2].Text.rfind("Investment history file integrity error.\r", 0), 0u);
    EXPECT_EQ(Accounts[1][0].NumberOfHistoryRecords, 2);
    EXPECT_EQ(Accounts[4][0].NumberOfHistoryRecords, 0);

    host.Messages.clear();
    NewBudget();
    ASSERT_EQ(Open(path), 1);
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
    EXPECT_EQ(Accounts[1][0].NumberOfHistoryRecords, 2);
    EXPECT_EQ(Invest[7].NumberOfHistoryRecords, 1);
}

TEST_F(BudgetFileTest, ArchivedRecordsAndDeletedToDosAreLeftOutOfTheFile)
{
    BuildRichTestBudget();
    MemoryAccounts[1][0].HistoryRec->Archived = 1;
    Accounts[1][0].NumberOfHistoryRecords--;
    MemoryInvest[1].HistoryRec->Archived = 1;
    Invest[1].NumberOfHistoryRecords--;
    gToDoAnchor->Deleted = 1;
    const std::string path = PathOf("archived.bgt");
    ASSERT_EQ(SaveAs(path), 1);
    EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
    EXPECT_EQ(ReadFileBytes(path).size(), 87388u + 5 * 228 + 3 * 60 + 1 * 100);
    EXPECT_EQ(gBudget.NumberOfToDoRecords, 1);
}

// (budget-cli verify reports the same fault read from a file.)
TEST_F(BudgetFileTest, MisplacedRecordStopsTheSave)
{
    BuildRichTestBudget();
    const std::string path = PathOf("place.bgt");
    ASSERT_EQ(SaveAs(path), 1);
    const std::vector<uint8_t> before = ReadFileBytes(path);

    MemoryAccounts[2][6].HistoryRec->Si = 1;
    gBudgetFileChanged = 1;
    EXPECT_EQ(BudgetSave(), 0);
    EXPECT_EQ(host.OnlyMessage(),
              "Integrity error 2.\rThe data file may be corrupt.\rRestore the file from a backup copy.\rRepairs");
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(gBudgetFileChanged, 1);
}

// A new budget and opening a file each leave nothing of the budget before (what NewBudget left
// is saved as the empty budget).
TEST_F(BudgetFileTest, NewAndOpenReplaceTheBudgetAndFreeTheOldOne)
{
    BuildRichTestBudget();
    ASSERT_EQ(SaveAs(PathOf("rich.bgt")), 1);
    NewBudget();
    ASSERT_EQ(SaveAs(PathOf("empty.bgt")), 1);
    ASSERT_EQ(Open(PathOf("rich.bgt")), 1);
    ASSERT_EQ(Open(PathOf("empty.bgt")), 1);
    for (const auto& row : MemoryAccounts)
        for (const auto& slot : row)
            EXPECT_EQ(slot.HistoryRec, nullptr);
    EXPECT_TRUE(!gToDoAnchor && !MemoryInvest[1].HistoryRec && !Accounts[1][0].Valid);
    EXPECT_STREQ(gIntRec.DollarSymbol, "$");
}

TEST_F(BudgetFileTest, SaveAsOffersBudgetAndTheYearOrTheFilesTitle)
{
    char name[kPathSize];
    CreateBudgetName(name, 1);
    EXPECT_STREQ(name, "Budget2026.bgt");
    ASSERT_EQ(SaveAs(PathOf("Home.bgt")), 1);
    CreateBudgetName(name, 1);
    EXPECT_STREQ(name, "Home.bgt");

    host.SavePaths.push_back(PathOf("Other.bgt"));
    ASSERT_EQ(BudgetSaveAs(), 1);
    const FileChoice& choice = host.Choices.back();
    EXPECT_EQ(std::tuple(choice.OfferedName, choice.DefaultExtension, choice.PromptOverwrite),
              std::tuple("Home.bgt", "bgt", true));
    std::vector<std::string> filters;
    for (const auto& f : choice.Filters)
        filters.push_back(f.Description);
    EXPECT_EQ(filters, (std::vector<std::string>{"Budget Files (*.bgt)", "Text Files (*.TXT)", "All Files (*.*)"}));
}

TEST_F(BudgetFileTest, ClosingAsksAboutUnsavedChanges)
{
    // The last: the save fails on a full disk, and the budget with its changes stays open.
    const struct { bool changed; int answer; int result; bool stillOpen; bool written; bool full = false; } cases[] = {
        {false, IDCANCEL, 1, false, false},
        {true, IDCANCEL, 0, true, false},
        {true, IDNO, 1, false, false},
        {true, IDYES, 1, false, true},
        {true, IDYES, 0, true, false, true},
    };
    for (const auto& c : cases) {
        NewBudget();
        const std::string path = PathOf("close.bgt");
        ASSERT_EQ(SaveAs(path), 1);
        CheckbookLogRecord("changed");
        gBudgetFileChanged = c.changed;
        host.Messages.clear();
        host.Answers = {c.answer};
        SetReplacingFileByteLimit(c.full ? 100 : -1);
        EXPECT_EQ(BudgetClose(), c.result);
        EXPECT_EQ(gStartUpFlag, c.stillOpen ? 1 : 0);
        EXPECT_EQ(gBudgetFileChanged, c.changed && c.stillOpen) << c.answer;
        EXPECT_EQ(ReadFileBytes(path).size() > 87388u, c.written);
        if (c.changed) {
            ASSERT_FALSE(host.Messages.empty());
            EXPECT_EQ(host.Messages[0].Text, "Save current changes in close.bgt");
        } else {
            EXPECT_TRUE(host.Messages.empty());
        }
    }
}

// Opening a large budget with little memory left (address space limited in a child process) ends
// with the memory error of the section being read, and the open budget stays as it was.
TEST_F(BudgetFileTest, RunningOutOfMemoryWhileOpeningIsReportedAndTheOpenBudgetStays)
{
    if (kAddressSanitizer)
        GTEST_SKIP() << "the address sanitizer reserves more address space than any limit here";
    // 100,000 checks in Rent: one saved record repeated, with the count to match.
    constexpr int kRecords = 100000;
    AddTestAccount(1, 0, "Rent");
    AddTestHistory(1, 0, 100, true, "Owner");
    const std::string one = PathOf("one.bgt");
    ASSERT_EQ(SaveAs(one), 1);
    const std::vector<uint8_t> small = ReadFileBytes(one);
    std::vector<uint8_t> large;
    large.reserve(static_cast<size_t>(kRecords) * kHistoryRecordSize + kTailSize);
    for (int k = 0; k < kRecords; ++k)
        large.insert(large.end(), small.begin(), small.begin() + kHistoryRecordSize);
    large.insert(large.end(), small.end() - kTailSize, small.end());
    const size_t count = large.size() - kTailSize + (1 * 7 + 0) * 432 + 80;  // Rent's record count
    for (int i = 0; i < 4; ++i)
        large[count + i] = static_cast<uint8_t>(kRecords >> (8 * i));
    const std::string path = PathOf("large.bgt");
    WriteFileBytes(path, large);
    BuildRichTestBudget();
    const std::vector<uint8_t> before = Image();

    // Outcomes: 0 opened, 1 the memory error with the budget as it was, 2 anything else.
    int memoryErrors = 0;
    for (int64_t extra : {0, 8, 24, 30, 34, 36, 38, 40, 42, 44, 46, 48, 52, 56, 64, 96}) {
        std::string report;
        const ChildEnd end = RunInChild(
            [&](std::string& out) {
                rlimit limit{};
                ::getrlimit(RLIMIT_AS, &limit);
                const rlim_t unlimited = limit.rlim_cur;
                limit.rlim_cur = static_cast<rlim_t>(AddressSpace() + (extra << 20));
                if (::setrlimit(RLIMIT_AS, &limit) != 0)
                    return 3;
                host.Messages.clear();
                const int opened = Open(path);
                limit.rlim_cur = unlimited;
                ::setrlimit(RLIMIT_AS, &limit);
                out = host.AllMessages();
                if (opened)
                    return host.Messages.empty() ? 0 : 2;
                return host.Messages.size() == 1 && host.Messages[0].Text.rfind("Memory Error ", 0) == 0 &&
                               Image() == before && gStartUpFlag
                           ? 1
                           : 2;
            },
            report);
        EXPECT_TRUE(end.Exited && end.Code <= 1) << extra << " MB more: " << (end.Exited ? "" : "killed ") << report;
        memoryErrors += end.Exited && end.Code == 1;
    }
    EXPECT_GT(memoryErrors, 0);
}

}  // namespace
