// A save never damages the budget on disk: a failed save leaves the old file as it was, a
// successful one keeps the previous version, and two programs cannot open the same budget.
#include "support/FileFixture.h"
#include "support/SampleBudget.h"

#include "files/BudgetFile.h"
#include "files/BudgetImage.h"
#include "model/Globals.h"
#include "model/Initialize.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

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
        SetSaveByteLimitForTesting(c.limit);
        EXPECT_EQ(BudgetSave(), 0) << c.limit;
        EXPECT_EQ(host.OnlyMessage(), c.message) << c.limit;
        EXPECT_EQ(host.Messages.front().Title, "File System Error");
        EXPECT_EQ(ReadFileBytes(path), before) << c.limit;
        EXPECT_EQ(gBudgetFileChanged, 1);
        EXPECT_TRUE(Leftovers().isEmpty()) << Leftovers().join(",").toStdString();
    }
    SetSaveByteLimitForTesting(-1);
    EXPECT_EQ(BudgetSave(), 1);
    EXPECT_EQ(ReadFileBytes(path).size(), before.size() + 228);
}

TEST_F(SaveSafetyTest, ASaveIntoAFolderThatCannotBeWrittenLeavesTheOldFileAsItWas)
{
    const std::string path = PathOf("locked-folder.bgt");
    const std::vector<uint8_t> before = SaveThenChange(path);
    ASSERT_EQ(::chmod(dir.path().toLocal8Bit().constData(), 0555), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);

    // The save runs in a child process that is not the owner of the folder (root could write
    // into any folder), and reports through its exit code.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        const int saved = BudgetSave();
        const bool messageRight = host.Messages.size() == 1 &&
                                  host.Messages[0].Text.find("Unable to create temp file.") != std::string::npos;
        ::_exit(saved == 0 && messageRight ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::chmod(dir.path().toLocal8Bit().constData(), 0700);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_TRUE(Leftovers().isEmpty());
}

TEST_F(SaveSafetyTest, EachSaveKeepsThePreviousVersionAsABackup)
{
    const std::string path = PathOf("kept.bgt");
    const std::vector<uint8_t> first = SaveThenChange(path);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path + ".bak")));
    ASSERT_EQ(BudgetSave(), 1);
    const std::vector<uint8_t> second = ReadFileBytes(path);
    EXPECT_EQ(ReadFileBytes(path + ".bak"), first);
    CheckbookLogRecord("third");
    ASSERT_EQ(BudgetSave(), 1);
    EXPECT_EQ(ReadFileBytes(path + ".bak"), second);
}

TEST_F(SaveSafetyTest, ABudgetOpenInAnotherProgramIsRefusedAndALockLeftBehindIsTakenOver)
{
    const std::string path = PathOf("shared.bgt");
    ASSERT_EQ(SaveAs(path), 1);
    ASSERT_EQ(BudgetClose(), 1);  // as the New command does first
    NewBudget();

    // Another program holds the budget: a lock of another owner in this process looks alike.
    QLockFile other(QString::fromStdString(path + ".lock"));
    ASSERT_TRUE(other.tryLock());
    host.Messages.clear();
    EXPECT_EQ(Open(path), 0);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Title, "Budget In Use");
    EXPECT_EQ(host.Messages[0].Text, "The budget shared.bgt is open in another program.\r\rClose it there first.");
    EXPECT_EQ(gNewBudgetFile, 1);  // the new budget is still the open one
    // Saving over it from here is refused too.
    host.Messages.clear();
    EXPECT_EQ(SaveAs(path), 0);
    EXPECT_EQ(host.Messages.size(), 1u);
    other.unlock();

    // A program that ended without releasing its lock leaves it behind.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto* lock = new QLockFile(QString::fromStdString(path + ".lock"));
        ::_exit(lock->tryLock() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(QString::fromStdString(path + ".lock")));
    host.Messages.clear();
    EXPECT_EQ(Open(path), 1) << host.AllMessages();
}

}  // namespace
