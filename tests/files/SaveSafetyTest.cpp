// A save never damages the budget on disk: a failed save leaves the old file as it was, a
// successful one keeps the previous version (and its owner), a budget found damaged is saved
// only on the user's word, and two programs cannot open the same budget by any of its names.
#include "files/ChildProcess.h"
#include "support/FileFixture.h"
#include "support/SampleBudget.h"

#include "files/BudgetFile.h"
#include "files/BudgetImage.h"
#include "files/FileAccess.h"
#include "files/TextExport.h"
#include "model/Globals.h"
#include "model/Initialize.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class SaveSafetyTest : public FileFixture {
protected:
    // A saved budget with one more change in memory than on disk.
    std::vector<uint8_t> SaveThenChange(const std::string& path)
    {
        BuildRichTestBudget();
        EXPECT_EQ(SaveAs(path), 1) << host.AllMessages();
        AddTestHistory(1, 0, 777, true, "Unsaved");
        gBudgetFileChanged = 1;
        host.Messages.clear();
        return ReadFileBytes(path);
    }

    // Names in the folder other than the budget, its backup and its lock.
    QStringList Leftovers() const
    {
        QStringList names = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        names.removeIf([](const QString& n) {
            return n.endsWith(".bgt") || n.endsWith(".bgt.bak") || n.endsWith(".bgt.lock");
        });
        return names;
    }
};

TEST_F(SaveSafetyTest, ADiskThatFillsUpAnywhereLeavesTheOldFileAsItWas)
{
    const std::string path = PathOf("full.bgt");
    const std::vector<uint8_t> before = SaveThenChange(path);
    const int64_t history = 7 * 228;
    const int64_t sections = history + 4 * 60 + 2 * 100;
    // limit: bytes the disk takes before it is full.
    const struct { int64_t limit; const char* message; } cases[] = {
        {0, "Error. 28 Unable to write history data."},
        {history + 10, "Error. 28 Unable to write history data."},
        {history + 4 * 60 + 150, "Error. 28 Unable to write ToDo data."},
        {sections + 1000, "Error. 28 Unable to write Account data."},
        {sections + kAccountsBytes + 1, "Error. 28 Unable to write Budget data."},
        {sections + kTailSize - 1, "Error. 28 Unable to write Investment data."},
    };
    for (const auto& c : cases) {
        host.Messages.clear();
        SetReplacingFileByteLimit(c.limit);
        EXPECT_EQ(BudgetSave(), 0) << c.limit;
        EXPECT_EQ(host.OnlyMessage(), c.message) << c.limit;
        EXPECT_EQ(host.Messages.front().Title, "File System Error");
        EXPECT_EQ(ReadFileBytes(path), before) << c.limit;
        EXPECT_EQ(gBudgetFileChanged, 1);
        EXPECT_TRUE(Leftovers().isEmpty()) << Leftovers().join(",").toStdString();
    }
    SetReplacingFileByteLimit(-1);
    EXPECT_EQ(BudgetSave(), 1);
    EXPECT_EQ(ReadFileBytes(path).size(), before.size() + 228);
}

// Saves run in a child process that is not the owner of the folder (root could write anywhere).
TEST_F(SaveSafetyTest, AReadOnlyBudgetIsToldAsSuchAndLeftAsItWas)
{
    const struct { mode_t folder, file; const char* why; } cases[] = {
        {0555, 0666, "its folder may not be written."},
        {0777, 0444, "the file may not be written."},
    };
    const std::string path = PathOf("read-only.bgt");
    const std::vector<uint8_t> before = SaveThenChange(path);
    for (const auto& c : cases) {
        ASSERT_EQ(::chmod(dir.path().toLocal8Bit().constData(), c.folder), 0);
        ASSERT_EQ(::chmod(path.c_str(), c.file), 0);
        std::string message;
        const ChildEnd end = RunInChild(
            [&](std::string& report) {
                if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                    return 3;
                const int saved = BudgetSave();
                report = host.AllMessages();
                return saved;
            },
            message);
        ::chmod(dir.path().toLocal8Bit().constData(), 0700);
        EXPECT_TRUE(end.Exited && end.Code == 0) << c.why;
        EXPECT_EQ(message, "File System Error: Error. 13 The budget " + path + " is read-only: " + c.why);
        EXPECT_EQ(ReadFileBytes(path), before);
        EXPECT_TRUE(Leftovers().isEmpty()) << Leftovers().join(",").toStdString();
    }
}

// Each save keeps the previous version as the backup, also after a save was stopped between keeping
// the backup and putting the new file in place, which left the backup as a second name of the
// budget and a staging name; nothing else is left behind.
TEST_F(SaveSafetyTest, EachSaveKeepsThePreviousVersionAsTheBackup)
{
    const std::string path = PathOf("kept.bgt"), backup = path + ".bak";
    std::vector<uint8_t> previous = SaveThenChange(path);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(backup)));
    for (int save = 0; save < 3; ++save) {
        if (save == 1) {
            ASSERT_TRUE(QFile::remove(QString::fromStdString(backup)));
            ASSERT_EQ(::link(path.c_str(), backup.c_str()), 0);
            ASSERT_EQ(::link(path.c_str(), (backup + ".new").c_str()), 0);
        }
        ASSERT_EQ(BudgetSave(), 1);
        EXPECT_EQ(ReadFileBytes(backup), previous) << save;
        EXPECT_TRUE(Leftovers().isEmpty()) << Leftovers().join(",").toStdString();
        previous = ReadFileBytes(path);
        CheckbookLogRecord("next");
    }
}

TEST_F(SaveSafetyTest, ABudgetOpenInAnotherProgramIsRefusedAndALockLeftBehindIsTakenOver)
{
    const std::string path = PathOf("shared.bgt");
    const std::string lock = path + ".lock";
    ASSERT_EQ(SaveAs(path), 1);
    ASSERT_EQ(BudgetClose(), 1);  // as the New command does first
    NewBudget();

    // Another program holds the budget: a lock of another owner in this process looks alike.
    QLockFile other(QString::fromStdString(lock));
    ASSERT_TRUE(other.tryLock());
    host.Messages.clear();
    EXPECT_EQ(Open(path), 0);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Title, "Budget In Use");
    EXPECT_EQ(host.Messages[0].Text,
              "The budget shared.bgt is open in another program.\r\rClose it there first. Its lock file is " + lock + ".");
    EXPECT_EQ(gNewBudgetFile, 1);  // the new budget is still the open one
    // Saving over it from here is refused too.
    host.Messages.clear();
    EXPECT_EQ(SaveAs(path), 0);
    EXPECT_EQ(host.Messages.size(), 1u);
    other.unlock();

    // Lock files that no running program holds: one left behind by a program that ended without
    // releasing it, an empty one, one with nothing readable in it.
    const std::function<void()> leftBehind[] = {
        [&] {
            std::string report;
            const auto leave = [&](std::string&) { return (new QLockFile(QString::fromStdString(lock)))->tryLock() ? 0 : 1; };
            const ChildEnd end = RunInChild(leave, report);
            ASSERT_TRUE(end.Exited && end.Code == 0);
        },
        [&] { std::ofstream{lock}; },
        [&] { std::ofstream{lock} << "x\n\n"; },
    };
    for (const auto& leave : leftBehind) {
        leave();
        ASSERT_TRUE(QFile::exists(QString::fromStdString(lock)));
        host.Messages.clear();
        EXPECT_EQ(Open(path), 1) << host.AllMessages();
        UnlockAllBudgetFiles();
        EXPECT_FALSE(QFile::exists(QString::fromStdString(lock)));
    }

    // A folder where the lock file goes is no program: it is named, and the budget not opened.
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(lock)));
    host.Messages.clear();
    EXPECT_EQ(Open(path), 0);
    EXPECT_EQ(host.OnlyMessage(), "The budget shared.bgt cannot be locked: " + lock +
                                      " is a folder.\r\rRemove or rename it, then try again.");
}

// A budget open here (as the desktop program holds it) is refused to another program that comes
// by another of its names: a symbolic link, a path through "..", a hard link.
TEST_F(SaveSafetyTest, EveryNameOfAnOpenBudgetMeetsItsLock)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("real"));
    const std::string path = PathOf("real/home.bgt");
    ASSERT_EQ(SaveAs(path), 1);
    ASSERT_EQ(BudgetClose(), 1);
    const std::string symlink = PathOf("link.bgt");
    const std::string hardLink = PathOf("hard.bgt");
    ASSERT_EQ(::symlink(path.c_str(), symlink.c_str()), 0);
    ASSERT_EQ(::link(path.c_str(), hardLink.c_str()), 0);
    const std::string names[] = {symlink, PathOf("real/../real/home.bgt"), hardLink};

    // The other programs start before this one opens the budget, so they know nothing of its lock.
    std::vector<std::unique_ptr<Child>> others;
    for (const std::string& name : names)
        others.push_back(std::make_unique<Child>([&, name](std::string& report) {
            host.Messages.clear();
            const int opened = Open(name);
            report = host.AllMessages();
            return opened;
        }));
    NewBudget();
    ASSERT_EQ(Open(path), 1);
    for (size_t k = 0; k < others.size(); ++k) {
        const ChildEnd end = others[k]->Finish();
        EXPECT_TRUE(end.Exited && end.Code == 0) << names[k];
        EXPECT_NE(others[k]->Report.find("is open in another program"), std::string::npos)
            << names[k] << ": " << others[k]->Report;
    }
}

// Saving as root (or as a member of the group) keeps the file its owner's, as it keeps its mode.
TEST_F(SaveSafetyTest, ASaveKeepsTheFilesOwnerGroupAndMode)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    const std::string path = PathOf("owned.bgt");
    SaveThenChange(path);
    ASSERT_EQ(::chown(path.c_str(), 12345, 23456), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(BudgetSave(), 1);
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(std::tuple(st.st_uid, st.st_gid, st.st_mode & 07777), std::tuple(12345u, 23456u, 0640u));
}

// What is not a file is refused before it is opened: a named pipe would wait for a writer for
// ever (the child is stopped after a while, so that such a wait fails the test).
TEST_F(SaveSafetyTest, AFolderOrANamedPipeIsNoBudgetAndIsRefusedAtOnce)
{
    const std::string folder = PathOf("folder.bgt");
    const std::string pipe = PathOf("pipe.bgt");
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(folder)));
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const struct { std::string path, message; } cases[] = {
        {folder, "Unable to open file.\r\r" + folder + " is a folder."},
        {pipe, "Unable to open file.\r\r" + pipe + " is not a file (a pipe or a device)."},
    };
    for (const auto& c : cases) {
        std::string message;
        const ChildEnd end = RunInChild(
            [&](std::string& report) {
                host.Messages.clear();
                const int opened = Open(c.path);
                report = host.AllMessages();
                return opened;
            },
            message, 10);
        EXPECT_TRUE(end.Exited && end.Code == 0) << c.path << (end.TimedOut ? ": still waiting" : "");
        EXPECT_EQ(message, "File System Error: " + c.message);
    }
}

// The history file of a deleted account that cannot be written whole is not left in part, so
// that a new try is not refused for the file being there; the message names it.
TEST_F(SaveSafetyTest, AHistoryFileThatFillsTheDiskIsNamedAndNotLeftInPart)
{
    BuildRichTestBudget();
    const std::string text = PathOf("rent.txt");
    SetReplacingFileByteLimit(40);
    host.SavePaths = {text};
    EXPECT_EQ(WriteWholeHistoryToTextFile(1, 0), 0);
    EXPECT_EQ(host.OnlyMessage(), "Error. 28 Unable to write text file.\r\r" + text);
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    SetReplacingFileByteLimit(-1);
    host.SavePaths = {text};
    EXPECT_EQ(WriteWholeHistoryToTextFile(1, 0), 1);
    EXPECT_GT(ReadFileBytes(text).size(), 40u);
}

// The checks found the open budget damaged: Save, Save As and saving on closing ask once more
// (No unless the user says Yes) before writing it.
TEST_F(SaveSafetyTest, ABudgetFoundDamagedIsSavedOnlyWhenTheUserSaysSoOnceMore)
{
    BuildRichTestBudget();
    const std::string path = PathOf("damaged.bgt");
    ASSERT_EQ(SaveAs(path), 1);
    std::vector<uint8_t> damaged = ReadFileBytes(path);
    size_t records = 0;
    for (const auto& row : Accounts)
        for (const auto& slot : row)
            records += static_cast<size_t>(slot.NumberOfHistoryRecords);
    // Records that claim a place outside the grid: reported on opening (and put back in place).
    for (size_t at = 24; at < records * kHistoryRecordSize; at += kHistoryRecordSize)
        damaged[at] = damaged[at + 1] = 0xff;
    const struct { const char* what; std::deque<int> answers; int saved; } cases[] = {
        {"save, no", {}, 0},
        {"save, yes", {IDYES}, 1},
        {"close, yes, no", {IDYES, IDNO}, 0},
        {"close, yes, yes", {IDYES, IDYES}, 1},
    };
    for (const auto& c : cases) {
        WriteFileBytes(path, damaged);
        host.Messages.clear();
        ASSERT_EQ(Open(path), 1);
        EXPECT_EQ(host.OnlyMessage().rfind("Integrity error 2.", 0), 0u) << c.what;
        CheckbookLogRecord("changed");
        gBudgetFileChanged = 1;
        host.Messages.clear();
        host.Answers = c.answers;
        const bool closing = c.answers.size() == 2;
        EXPECT_EQ(closing ? BudgetClose() : BudgetSave(), c.saved) << c.what;
        const CapturedMessage& question = host.Messages.back();
        EXPECT_EQ(std::tuple(question.Text, question.Title, question.Buttons == MessageButtons::YesNo),
                  std::tuple("This budget's data was found damaged when it was checked.\r\rSave it as damaged.bgt "
                             "all the same?",
                             "Save", true))
            << c.what;
        EXPECT_EQ(ReadFileBytes(path) == damaged, c.saved == 0) << c.what;
        UnlockAllBudgetFiles();
    }
}

}  // namespace
