// budget-cli and the budget file: names that are no valid text, damaged budgets, readers and
// writers while the budget is open elsewhere, and writers through several names at once.
#include "CliFixture.h"

#include "files/ChildProcess.h"

#include "ledger/Pay.h"
#include "model/Globals.h"

#include <QDir>
#include <QJsonArray>
#include <QLockFile>

#include <algorithm>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileCliTest : public CliFixture {};

// The bytes of the name are the file's name, also where they are no text in the locale's encoding.
TEST_F(FileCliTest, ANameThatIsNoValidTextNamesItsOwnFile)
{
    const std::string name = dir.path().toStdString() + "/caf\xe9.bgt";  // not through QString
    EXPECT_EQ(Run({"new", name}).code, kExitOk);
    const CliRun deposit = Run({"deposit", name, "Available", "12.00", "--from", "Mom"});
    EXPECT_EQ(deposit.code, kExitOk) << deposit.err;
    EXPECT_EQ(Run({"new", name}).code, kExitRefused);  // it is there, under its own name
    const QJsonObject dump = Dump(name);
    EXPECT_EQ(dump["accounts"].toArray()[0].toObject()["history"].toArray().size(), 1);
    // Listed by the system, since Qt leaves out names that are no valid text.
    std::vector<std::string> names;
    if (DIR* folder = ::opendir(dir.path().toLocal8Bit().constData())) {
        while (const dirent* entry = ::readdir(folder))
            if (entry->d_name[0] != '.')
                names.push_back(entry->d_name);
        ::closedir(folder);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"caf\xe9.bgt", "caf\xe9.bgt.bak"}));
}

// The checks on opening found the budget damaged: no command changes it, and verify names the fault.
TEST_F(FileCliTest, ADamagedBudgetIsNotChanged)
{
    AddSampleAccounts();
    ASSERT_EQ(SetPaySource(0, "Employer", "100.00"), 1);
    const bool ticked[kPayers] = {true, false, false};
    ASSERT_EQ(RecordPayEntry(ticked, "12/01/26"), 1);
    AddTestHistory(1, 0, 500, true, "Owner");
    SaveAndClose();
    const std::vector<uint8_t> sound = bytes;
    // Integrity error 2: Rent's record claims another account. Integrity error 3: the pay's summary
    // in the Checkbook is not what its pieces add up to.
    Reopen();
    size_t before = 0;  // Rent's records follow those of the slots of main account 0
    for (int Si = 0; Si < kSlots; ++Si)
        before += static_cast<size_t>(Accounts[0][Si].NumberOfHistoryRecords);
    std::vector<uint8_t> misplaced = sound;
    misplaced[before * kHistoryRecordSize + 24] = 2;  // its Mi
    for (AHistory* h = MemoryAccounts[0][1].HistoryRec; h; h = h->HistoryFP)
        if (h->PayID > 0)
            h->Amt += 1;
    const std::vector<uint8_t> payTotal = Image();
    const struct { const std::vector<uint8_t>* file; const char* error; } cases[] = {
        {&misplaced, "Integrity error 2."}, {&payTotal, "Integrity error 3."}};
    for (const auto& c : cases) {
        bytes = *c.file;
        const CliRun run = RunOn({"deposit", "Rent", "5.00", "--from", "Mom"});
        EXPECT_EQ(run.code, kExitRefused) << c.error;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Budget Damaged: The budget " + path + " is damaged"), std::string::npos) << run.err;
        ExpectUnsaved(c.error);
        const CliRun verify = RunOn({"verify"});
        EXPECT_EQ(verify.code, kExitRefused) << c.error;
        EXPECT_EQ(verify.err.rfind(std::string("Error: ") + c.error + "\n", 0), 0u) << verify.err;
    }
    bytes = sound;
    EXPECT_EQ(RunOn({"deposit", "Rent", "5.00", "--from", "Mom"}).code, kExitOk);
}

// A save replaces the file in one step, so reading needs no lock; changing does.
TEST_F(FileCliTest, WhileAnotherProgramHasTheBudgetOpenItIsReadButNotChanged)
{
    AddSampleAccounts();
    SaveAndClose();
    QLockFile other(QString::fromStdString(path + ".lock"));  // another program's lock looks alike
    ASSERT_TRUE(other.tryLock());
    const CliRun dump = Run({"dump", path});
    EXPECT_EQ(dump.code, kExitOk) << dump.err;
    EXPECT_EQ(Run({"verify", path}).code, kExitOk);
    const CliRun deposit = Run({"deposit", path, "Rent", "5.00", "--from", "Mom"});
    EXPECT_EQ(deposit.code, kExitRefused);
    EXPECT_NE(deposit.err.find("is open in another program"), std::string::npos) << deposit.err;
    ExpectUnsaved("deposit");
}

// Two programs writing one budget through two of its names at once: each command lands or is
// refused, and none undoes another's.
TEST_F(FileCliTest, WritersThroughSeveralNamesOfOneBudgetLoseNothing)
{
    AddSampleAccounts();
    SaveAndClose();
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    const std::string link = PathOf("link.bgt");
    ASSERT_EQ(::symlink(path.c_str(), link.c_str()), 0);
    const std::string names[] = {link, PathOf("sub/../budget.bgt")};
    constexpr int kRounds = 12;
    const auto writer = [&](int w) {
        return [&, w](std::string&) {
            int landed = 0;
            for (int k = 0; k < kRounds; ++k) {
                const CliRun run = Run({"deposit", names[w], "Rent", "1.00", "--from", "W" + std::to_string(w)});
                if (run.code != kExitOk && run.code != kExitRefused)
                    return 100;
                landed += run.code == kExitOk;
            }
            return landed;
        };
    };
    Child writers[] = {Child(writer(0)), Child(writer(1))};
    for (Child& w : writers)
        w.Go();
    int landed = 0;
    for (Child& w : writers) {
        const ChildEnd end = w.Finish(120);
        ASSERT_TRUE(end.Exited && end.Code <= kRounds) << end.Code;
        EXPECT_GT(end.Code, 0);
        landed += end.Code;
    }
    Reopen();
    EXPECT_EQ(Accounts[1][0].NumberOfHistoryRecords, landed);
    struct stat st;
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));  // a save through the link replaced the file it points to
}

}  // namespace
