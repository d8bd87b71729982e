// Damaged budget files: the reader either refuses them with its message, leaving the open budget
// as it was, or reads a budget that is safe to use and can be saved and read again.
#include "support/FileFixture.h"
#include "support/SampleBudget.h"

#include "files/BudgetImage.h"
#include "model/Globals.h"

#include <cerrno>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// Places within the tail of a file.
constexpr size_t kSlotBytes = kAccountsBytes / (kMainAccounts * kSlots);  // 432
constexpr size_t kBudgetStart = kAccountsBytes;
constexpr size_t kInvestStart = kAccountsBytes + kBudgetBytes;
constexpr size_t kIntStart = 1 * kSlotBytes + 102 + 1;  // bytes 1 to 12 of the Checkbook's SubName
constexpr size_t kToDoCountAt = kBudgetStart + 330;
constexpr size_t kPayersAt = kBudgetStart + 382;

size_t SlotCountAt(int Mi, int Si) { return (Mi * kSlots + Si) * kSlotBytes + 80; }
size_t InvestCountAt(int Ii) { return kInvestStart + Ii * (kInvestBytes / kInvestments) + 20; }

const std::string kInvalidSize = "Invalid file size.\r\r\r";
const std::string kMisplaced = "Integrity error 2.\rThe data file may be corrupt.\rRestore the file from a backup copy.\r";
const std::string kRepairedTail = "\rThis file may be corrupt.  Program\rwill attempt fix, consider restore\rfrom backup copy.";

struct Patch { size_t at; int width; int64_t value; };  // a little-endian value to write

// The file with the patches written at their places within its tail (or from its start).
std::vector<uint8_t> Patched(std::vector<uint8_t> bytes, const std::vector<Patch>& patches, bool inTail = true)
{
    for (const Patch& p : patches)
        for (int i = 0; i < p.width; ++i)
            bytes.at((inTail ? bytes.size() - kTailSize : 0) + p.at + i) =
                static_cast<uint8_t>(static_cast<uint64_t>(p.value) >> (8 * i));
    return bytes;
}

enum class Outcome { Refused, Read, ReadButNotSaved };

constexpr int kMaxChain = 100000;  // far more than any test file holds: stops a looping chain

class DamagedFileTest : public FileFixture {
protected:
    void SetUp() override
    {
        FileFixture::SetUp();
        BuildRichTestBudget();
        good = Image();
        ASSERT_TRUE(host.Messages.empty()) << host.AllMessages();
        for (const auto& row : Accounts)
            for (const auto& slot : row)
                H += slot.NumberOfHistoryRecords;
        ASSERT_GT(H, 0);
    }

    static int Read(const std::vector<uint8_t>& bytes) { return ReadBudgetImage(bytes.data(), bytes.size()); }
    size_t TailOf(const std::vector<uint8_t>& bytes) const { return bytes.size() - kTailSize; }

    // What must hold of any budget the reader accepted: positions inside the grid, every chain
    // as long as its count, settings the amount and pay code can work with.
    void ExpectSafeModel()
    {
        for (int Mi = 0; Mi < kMainAccounts; ++Mi)
            for (int Si = 0; Si < kSlots; ++Si) {
                int length = 0;
                for (const AHistory* r = MemoryAccounts[Mi][Si].HistoryRec; r && length <= kMaxChain;
                     r = r->HistoryFP, ++length)
                    EXPECT_TRUE(r->Mi >= 0 && r->Mi < kMainAccounts && r->Si >= 0 && r->Si < kSlots)
                        << r->Mi << "." << r->Si;
                EXPECT_EQ(length, Accounts[Mi][Si].NumberOfHistoryRecords) << "slot " << Mi << "." << Si;
            }
        for (int Ii = 1; Ii < kInvestments; ++Ii) {
            int length = 0;
            for (const IHistory* r = MemoryInvest[Ii].HistoryRec; r && length <= kMaxChain; r = r->InvestFP, ++length)
                EXPECT_TRUE(r->Ii >= 0 && r->Ii < kInvestments) << r->Ii;
            EXPECT_EQ(length, Invest[Ii].NumberOfHistoryRecords) << "investment " << Ii;
        }
        int toDos = 0;
        for (const ToDo* r = gToDoAnchor; r && toDos <= INT16_MAX; r = r->ToDoFP, ++toDos) {}
        EXPECT_EQ(toDos, gBudget.NumberOfToDoRecords);
        EXPECT_TRUE(gIntRec.DecimalPlaces >= 0 && gIntRec.DecimalPlaces <= 4) << int(gIntRec.DecimalPlaces);
        EXPECT_TRUE(gIntRec.GroupSize >= 0 && gIntRec.GroupSize <= 15) << int(gIntRec.GroupSize);
        EXPECT_TRUE(gBudget.NumberOfPayers >= 0 && gBudget.NumberOfPayers <= kPayers) << gBudget.NumberOfPayers;
        EXPECT_TRUE(gBudget.Flag1 & kBudgetHasInternational);
    }

    // Reads a damaged file over the good budget. Refused: one of the reader's messages, the open
    // budget untouched. Read: a safe budget, at most a misplaced-record report, and a save that
    // succeeds (or stops at the misplaced record) to a file that reads back silently, unchanged.
    Outcome ReadDamaged(const std::vector<uint8_t>& bytes, const std::string& what)
    {
        SCOPED_TRACE(what);
        EXPECT_EQ(Read(good), 1);
        host.Messages.clear();
        if (!Read(bytes)) {
            const std::string text = host.OnlyMessage();
            EXPECT_TRUE(text == kInvalidSize || text.starts_with("System Error ")) << text;  // size or version
            EXPECT_TRUE(Image() == good) << "a refused file changed the open budget";
            return Outcome::Refused;
        }
        const bool misplaced = host.Messages.size() == 1 && host.Messages[0].Text.starts_with(kMisplaced);
        EXPECT_TRUE(host.Messages.empty() || misplaced) << host.AllMessages();
        ExpectSafeModel();

        host.Messages.clear();
        MemoryWriter first;
        if (!WriteDataFile(first)) {
            EXPECT_TRUE(misplaced && !host.Messages.empty() && host.Messages.back().Text.starts_with(kMisplaced))
                << "only a misplaced record may stop the save: " << host.AllMessages();
            return Outcome::ReadButNotSaved;
        }
        for (const CapturedMessage& m : host.Messages)
            EXPECT_TRUE(m.Text.ends_with(kRepairedTail)) << m.Text;

        host.Messages.clear();
        EXPECT_TRUE(Read(first.Bytes) == 1 && host.Messages.empty()) << host.AllMessages();
        EXPECT_TRUE(Image() == first.Bytes) << "a saved damaged budget does not save to the same bytes";
        return Outcome::Read;
    }

    std::vector<uint8_t> good;  // the rich budget's file
    int64_t H = 0;  // history records of the good file
};

TEST_F(DamagedFileTest, FilesOfTheWrongSizeAreRefused)
{
    std::vector<std::vector<uint8_t>> files;
    for (int size : {0, 1, 228, kTailSize - 1})  // shorter than the tail; kTailSize - 1 = 87,387
        files.emplace_back(good.end() - size, good.end());
    // The tail is intact but the sections before it are not as long as its counts say.
    for (size_t removed : {size_t{1}, size_t{60}, size_t{228}, TailOf(good)})
        files.emplace_back(good.begin() + static_cast<ptrdiff_t>(removed), good.end());
    for (size_t added : {1, 228}) {
        files.emplace_back(added, 0);
        files.back().insert(files.back().end(), good.begin(), good.end());
    }
    // Cut short at the end, as by a full disk: what is read as the tail is out of place, and what
    // it holds as the version says nothing.
    for (size_t cut : {size_t{1}, size_t{2}, size_t{100}, size_t{1000}})
        files.emplace_back(good.begin(), good.end() - static_cast<ptrdiff_t>(cut));
    for (const auto& bytes : files) {
        EXPECT_EQ(ReadDamaged(bytes, std::to_string(bytes.size()) + " bytes"), Outcome::Refused);
        EXPECT_EQ(host.OnlyMessage(), kInvalidSize) << bytes.size();
    }
}

TEST_F(DamagedFileTest, CountsAreRefusedUnlessTheyDescribeTheSections)
{
    // Rent (1.0) has 2 records, the empty slot 25.6 none, investment 1 has 3, and there are 2 To
    // Do records. 2^30 more records of 228 or 60 bytes is the same file length in 32-bit arithmetic.
    const struct { const char* what; std::vector<Patch> patches; Outcome outcome = Outcome::Refused; } cases[] = {
        {"one record more", {{SlotCountAt(1, 0), 4, 3}}}, {"smallest", {{SlotCountAt(1, 0), 4, INT32_MIN}}},
        {"wraps to the same length", {{SlotCountAt(1, 0), 4, 2 + (int64_t(1) << 30)}}},
        {"investment wraps", {{InvestCountAt(1), 4, 3 + (int64_t(1) << 30)}}},
        {"To Do largest", {{kToDoCountAt, 2, INT16_MAX}}}, {"To Do negative", {{kToDoCountAt, 2, -1}}},
        // The total still matches the file: a negative count is refused all the same.
        {"negative made up", {{SlotCountAt(1, 0), 4, -1}, {SlotCountAt(25, 6), 4, 3}}},
        // History bytes read as investment history and To Do records: all history but the
        // Checkbook's, 5 records = 1,140 bytes = 14 investment records + 3 To Do records.
        {"sections shifted",
         {{SlotCountAt(1, 0), 4, 0}, {SlotCountAt(2, 1), 4, 0}, {SlotCountAt(2, 6), 4, 0}, {SlotCountAt(3, 0), 4, 0},
          {InvestCountAt(1), 4, 3 + 14}, {kToDoCountAt, 2, 2 + 3}},
         Outcome::Read},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadDamaged(Patched(good, c.patches), c.what), c.outcome) << c.what;
        EXPECT_EQ(host.OnlyMessage(), c.outcome == Outcome::Refused ? kInvalidSize : "") << c.what;
    }
}

TEST_F(DamagedFileTest, RandomByteChangesAreRefusedOrReadSafely)
{
    std::mt19937 random(20261205);
    const size_t tail = TailOf(good);
    // Where changes land: anywhere, a slot's fields before its long notes, the budget settings,
    // or a count or the version.
    auto somewhere = [&]() -> size_t {
        const size_t counts[] = {SlotCountAt(random() % kMainAccounts, random() % kSlots),
                                 InvestCountAt(random() % kInvestments), kToDoCountAt, kBudgetStart + 386};
        const size_t inTail[] = {(random() % (kMainAccounts * kSlots)) * kSlotBytes + random() % 173,
                                 kBudgetStart + random() % kBudgetBytes, counts[random() % 4] + random() % 4};
        return random() % 4 ? tail + inTail[random() % 3] : random() % good.size();
    };
    int outcomes[3] = {};
    for (int file = 0; file < 200 && !HasFailure(); ++file) {  // one broken file is enough to look at
        std::vector<uint8_t> bytes = good;
        for (int k = 1 + static_cast<int>(random() % 6); k > 0; --k) {
            const size_t at = somewhere();
            bytes[at] = random() % 2 ? bytes[at] ^ static_cast<uint8_t>(1u << (random() % 8))
                                     : static_cast<uint8_t>(random());
        }
        outcomes[static_cast<int>(ReadDamaged(bytes, "random file " + std::to_string(file)))]++;
    }
    // Both ways out were taken, so the checks above were not all on one side.
    EXPECT_TRUE(outcomes[0] > 30 && outcomes[1] > 60) << outcomes[0] << " refused, " << outcomes[1] << " read";
}

TEST_F(DamagedFileTest, ImpossibleSettingsAreReplacedAndThatIsWhatGetsSaved)
{
    const struct { Patch patch; int expected; } cases[] = {
        {{kIntStart + 7, 1, -1}, 2}, {{kIntStart + 7, 1, 5}, 2}, {{kIntStart + 7, 1, 4}, 4},  // decimal places
        {{kIntStart + 8, 1, 16}, 3}, {{kIntStart + 8, 1, 0}, 0},                              // group size
        {{kPayersAt, 2, -1}, 0},     {{kPayersAt, 2, 4}, kPayers},                            // payers
    };
    for (const auto& [patch, expected] : cases) {
        const std::string what = std::to_string(patch.at) + " set to " + std::to_string(patch.value);
        EXPECT_EQ(ReadDamaged(Patched(good, {patch}), what), Outcome::Read);
        EXPECT_TRUE(Image() == Patched(good, {{patch.at, patch.width, expected}})) << what;
    }
}

TEST_F(DamagedFileTest, HistoryPositionsOutsideTheGridBecomeTheirSlotsAndAreReportedOnce)
{
    for (auto [Mi, Si] : {std::pair{-1, 0}, {26, 0}, {0, 7}, {32767, -32768}}) {
        std::vector<Patch> positions;
        for (size_t at = 24; at < static_cast<size_t>(H) * kHistoryRecordSize; at += kHistoryRecordSize)
            positions.insert(positions.end(), {{at, 2, Mi}, {at + 2, 2, Si}});
        host.Messages.clear();
        ASSERT_EQ(Read(Patched(good, positions, false)), 1);
        for (int m = 0; m < kMainAccounts; ++m)
            for (int s = 0; s < kSlots; ++s)
                for (const AHistory* r = MemoryAccounts[m][s].HistoryRec; r; r = r->HistoryFP)
                    EXPECT_TRUE(r->Mi == m && r->Si == s) << r->Mi << "." << r->Si << " in " << m << "." << s;
        EXPECT_TRUE(Image() == good) << Mi << "." << Si;
        // One report and none from the save. The Checkbook's log entry comes first, but only a valid
        // account's records are checked.
        EXPECT_EQ(host.OnlyMessage(), kMisplaced + "Rent") << Mi << "." << Si;
    }
}

struct FailingSource : MemorySource {  // a disk with one unreadable byte
    FailingSource(const std::vector<uint8_t>& bytes, int64_t bad) : MemorySource(bytes.data(), bytes.size()), bad(bad) {}
    bool Read(int64_t offset, uint8_t* out, size_t size) override
    {
        return (bad < offset || bad >= offset + static_cast<int64_t>(size)) && MemorySource::Read(offset, out, size);
    }
    int64_t bad;
};

TEST_F(DamagedFileTest, ReadErrorsAreReportedAndLeaveTheOpenBudgetAsItWas)
{
    const struct { int64_t bad; const char* message; } cases[] = {
        {0, "Error. 5 Unable to read history file."},
        {H * kHistoryRecordSize + 1, "Error. 5 Unable to read history file."},  // investment history
        {static_cast<int64_t>(TailOf(good)) - 2 * kToDoRecordSize + 1, "Error. 5 Unable to read To Do data."},
        {static_cast<int64_t>(good.size()) - 1, "Error. 5 Unable to read accounts data."},
    };
    for (const auto& c : cases) {
        FailingSource source(good, c.bad);
        host.Messages.clear();
        errno = 5;  // what a failing disk reports
        EXPECT_EQ(ReadBudgetImage(source), 0);
        EXPECT_EQ(host.OnlyMessage(), c.message);
        EXPECT_TRUE(Image() == good);
    }
}

}  // namespace
