// Damaged budget files: the reader either refuses them with its message, leaving the open budget
// as it was, or reads a budget that is safe to use and can be saved and read again.
#include "support/BudgetFixture.h"
#include "support/SampleBudget.h"

#include "files/BudgetImage.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Money.h"
#include "model/RecordLayout.h"

#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// Places within the tail of a file.
constexpr size_t kSlotBytes = kAccountsBytes / (kMainAccounts * kSlots);  // 432
constexpr size_t kInvestRecordBytes = kInvestBytes / kInvestments;        // 320
constexpr size_t kBudgetStart = kAccountsBytes;
constexpr size_t kInvestStart = kAccountsBytes + kBudgetBytes;
constexpr size_t kIntStart = 1 * kSlotBytes + 102 + 1;  // bytes 1 to 12 of the Checkbook's SubName

size_t SlotCountAt(int Mi, int Si)
{
    return (Mi * kSlots + Si) * kSlotBytes + 80;
}

size_t InvestCountAt(int Ii)
{
    return kInvestStart + Ii * kInvestRecordBytes + 20;
}

constexpr size_t kToDoCountAt = kBudgetStart + 330;
constexpr size_t kPayersAt = kBudgetStart + 382;

const std::string kInvalidSize = "Invalid file size.\r\r\r";
const std::string kOlderVersion = "System Error 1.\rThis file is from an older version.\rData\r";
const std::string kNewerVersion = "System Error 2.\rThis file is from a newer version.\rData\r";
const std::string kMisplaced = "Integrity error 2.\rThe data file may be corrupt.\rRestore the file from a backup copy.\r";
const std::string kRepairedTail = "\rThis file may be corrupt.  Program\rwill attempt fix, consider restore\rfrom backup copy.";

bool StartsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

void PutLE(std::vector<uint8_t>& bytes, size_t at, int64_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes.at(at + i) = static_cast<uint8_t>(static_cast<uint64_t>(value) >> (8 * i));
}

enum class Outcome { Refused, Read, ReadButNotSaved };

constexpr int kLongestChain = 100000;  // far more than any test file holds: stops a looping chain

class DamagedFileTest : public BudgetFixture {
protected:
    void SetUp() override
    {
        BudgetFixture::SetUp();
        BuildRichTestBudget();
        good = Image();
        ASSERT_TRUE(host.Messages.empty()) << host.AllMessages();
        for (const auto& row : Accounts)
            for (const auto& slot : row)
                H += slot.NumberOfHistoryRecords;
        ASSERT_GT(H, 0);
    }

    static int Read(const std::vector<uint8_t>& bytes) { return ReadBudgetImage(bytes.data(), bytes.size()); }

    std::vector<uint8_t> Image()
    {
        MemoryWriter writer;
        EXPECT_EQ(WriteDataFile(writer), 1) << host.AllMessages();
        return writer.Bytes;
    }

    size_t TailOf(const std::vector<uint8_t>& bytes) const { return bytes.size() - kTailSize; }
    size_t HistoryAt(int k) const { return static_cast<size_t>(k) * kHistoryRecordSize; }

    // What must hold of any budget the reader accepted: positions inside the grid, every chain
    // as long as its count, settings the amount and pay code can work with.
    void ExpectSafeModel()
    {
        for (int Mi = 0; Mi < kMainAccounts; ++Mi)
            for (int Si = 0; Si < kSlots; ++Si) {
                const std::string where = "slot " + std::to_string(Mi) + "." + std::to_string(Si);
                int length = 0;
                for (const AHistory* r = MemoryAccounts[Mi][Si].HistoryRec; r && length <= kLongestChain;
                     r = r->HistoryFP) {
                    ++length;
                    EXPECT_TRUE(r->Mi >= 0 && r->Mi < kMainAccounts && r->Si >= 0 && r->Si < kSlots)
                        << where << " holds a record of " << r->Mi << "." << r->Si;
                }
                EXPECT_EQ(length, Accounts[Mi][Si].NumberOfHistoryRecords) << where;
            }
        for (int Ii = 1; Ii < kInvestments; ++Ii) {
            int length = 0;
            for (const IHistory* r = MemoryInvest[Ii].HistoryRec; r && length <= kLongestChain; r = r->InvestFP) {
                ++length;
                EXPECT_TRUE(r->Ii >= 0 && r->Ii < kInvestments) << r->Ii;
            }
            EXPECT_EQ(length, Invest[Ii].NumberOfHistoryRecords) << "investment " << Ii;
        }
        int toDos = 0;
        for (const ToDo* r = gToDoAnchor; r && toDos <= INT16_MAX; r = r->ToDoFP)
            ++toDos;
        EXPECT_EQ(toDos, gBudget.NumberOfToDoRecords);
        EXPECT_TRUE(gIntRec.DecimalPlaces >= 0 && gIntRec.DecimalPlaces <= 4) << int(gIntRec.DecimalPlaces);
        EXPECT_TRUE(gIntRec.GroupSize >= 0 && gIntRec.GroupSize <= 15) << int(gIntRec.GroupSize);
        EXPECT_TRUE(gBudget.NumberOfPayers >= 0 && gBudget.NumberOfPayers <= kPayers) << gBudget.NumberOfPayers;
        EXPECT_TRUE(gBudget.Flag1 & kBudgetHasInternational);
    }

    // Reads a damaged file over the good budget and checks what follows either way:
    // - refused: one of the reader's own messages, and the open budget untouched;
    // - read: a safe budget, at most one misplaced-record report, and a save that succeeds (or
    //   stops at a misplaced record, as saving must) whose file reads again without a message
    //   and saves to the same bytes.
    Outcome ReadDamaged(const std::vector<uint8_t>& bytes, const std::string& what)
    {
        SCOPED_TRACE(what);
        EXPECT_EQ(Read(good), 1);
        host.Messages.clear();
        if (!Read(bytes)) {
            EXPECT_EQ(host.Messages.size(), 1u) << host.AllMessages();
            if (!host.Messages.empty()) {
                const std::string& text = host.Messages[0].Text;
                EXPECT_TRUE(text == kInvalidSize || text == kOlderVersion || text == kNewerVersion) << text;
            }
            EXPECT_TRUE(Image() == good) << "a refused file changed the open budget";
            return Outcome::Refused;
        }
        EXPECT_LE(host.Messages.size(), 1u) << host.AllMessages();
        const bool misplaced = !host.Messages.empty() && StartsWith(host.Messages[0].Text, kMisplaced);
        EXPECT_TRUE(host.Messages.empty() || misplaced) << host.AllMessages();
        ExpectSafeModel();

        host.Messages.clear();
        MemoryWriter first;
        if (!WriteDataFile(first)) {
            EXPECT_TRUE(misplaced) << "a budget read without a misplaced record cannot be saved: "
                                   << host.AllMessages();
            EXPECT_TRUE(!host.Messages.empty() && StartsWith(host.Messages.back().Text, kMisplaced))
                << host.AllMessages();
            return Outcome::ReadButNotSaved;
        }
        for (const CapturedMessage& m : host.Messages)
            EXPECT_TRUE(EndsWith(m.Text, kRepairedTail)) << m.Text;

        host.Messages.clear();
        EXPECT_EQ(Read(first.Bytes), 1) << host.AllMessages();
        EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
        EXPECT_TRUE(Image() == first.Bytes) << "a saved damaged budget does not save to the same bytes";
        return Outcome::Read;
    }

    std::vector<uint8_t> good;  // the rich budget's file
    int64_t H = 0;  // history records of the good file
};

TEST_F(DamagedFileTest, FilesShorterThanTheTailOrWithBytesMissingAtTheFrontAreRefusedBySize)
{
    const size_t shorter[] = {0, 1, 228, kTailSize - 1};  // kTailSize - 1 = 87,387
    for (size_t size : shorter) {
        const std::vector<uint8_t> bytes(good.end() - static_cast<std::ptrdiff_t>(size), good.end());
        ASSERT_EQ(Read(good), 1);
        host.Messages.clear();
        EXPECT_EQ(Read(bytes), 0) << size;
        EXPECT_EQ(host.OnlyMessage(), kInvalidSize) << size;
    }
    // The tail is intact but the sections before it are not as long as its counts say.
    const size_t sections = good.size() - kTailSize;
    const ptrdiff_t frontChanges[] = {-1, -60, -228, -static_cast<ptrdiff_t>(sections), 1, 228};
    for (ptrdiff_t change : frontChanges) {
        std::vector<uint8_t> bytes = good;
        if (change < 0)
            bytes.erase(bytes.begin(), bytes.begin() - change);
        else
            bytes.insert(bytes.begin(), static_cast<size_t>(change), 0);
        EXPECT_EQ(ReadDamaged(bytes, "front " + std::to_string(change)), Outcome::Refused);
        EXPECT_EQ(host.OnlyMessage(), kInvalidSize);
    }
}

TEST_F(DamagedFileTest, FilesCutShortAnywhereAreRefusedOrReadSafely)
{
    // Cutting the end moves the tail over other bytes: whatever it then says must be survived.
    std::vector<size_t> sizes = {kTailSize, good.size() - 1, good.size() - kHistoryRecordSize};
    for (size_t size = kTailSize + 7; size < good.size(); size += 97)
        sizes.push_back(size);
    int refused = 0;
    for (size_t size : sizes) {
        const std::vector<uint8_t> bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
        refused += ReadDamaged(bytes, "cut to " + std::to_string(size)) == Outcome::Refused;
    }
    EXPECT_GT(refused, 0);
}

struct CountCase {
    const char* what;
    size_t at;  // within the tail
    int width;
    int64_t value;
    size_t otherAt = 0;  // a second count changed with it, or 0
    int64_t otherValue = 0;
};

TEST_F(DamagedFileTest, CountsThatDoNotDescribeTheSectionsAreRefused)
{
    // Rent (1.0) has 2 records, the empty slot 25.6 none, investment 1 has 3 and 25 none, and
    // there are 2 To Do records. 2^30 more records of 228 or 60 bytes is the same file length
    // in 32-bit arithmetic.
    const CountCase cases[] = {
        {"one record more", SlotCountAt(1, 0), 4, 3},
        {"negative", SlotCountAt(1, 0), 4, -1},
        {"smallest", SlotCountAt(1, 0), 4, INT32_MIN},
        {"wraps to the same length", SlotCountAt(1, 0), 4, 2 + (int64_t(1) << 30)},
        {"empty slot largest", SlotCountAt(25, 6), 4, INT32_MAX},
        {"investment negative", InvestCountAt(1), 4, -1},
        {"investment wraps to the same length", InvestCountAt(1), 4, 3 + (int64_t(1) << 30)},
        {"To Do largest", kToDoCountAt, 2, INT16_MAX},
        {"To Do negative", kToDoCountAt, 2, -1},
        // The total still matches the file: a negative count is refused all the same.
        {"negative made up by another slot", SlotCountAt(1, 0), 4, -1, SlotCountAt(25, 6), 3},
    };
    for (const CountCase& c : cases) {
        std::vector<uint8_t> bytes = good;
        PutLE(bytes, TailOf(bytes) + c.at, c.value, c.width);
        if (c.otherAt)
            PutLE(bytes, TailOf(bytes) + c.otherAt, c.otherValue, 4);
        EXPECT_EQ(ReadDamaged(bytes, c.what), Outcome::Refused) << c.what;
        EXPECT_EQ(host.OnlyMessage(), kInvalidSize) << c.what;
    }
}

TEST_F(DamagedFileTest, CountsThatAddUpToTheFileAreReadWhateverTheRecordsHold)
{
    // History bytes read as investment history and as To Do records:
    // 5 history records = 1,140 bytes = 14 investment records + 3 To Do records.
    std::vector<uint8_t> shifted = good;
    const size_t tail = TailOf(shifted);
    for (auto [Mi, Si] : {std::pair{1, 0}, {2, 1}, {2, 6}, {3, 0}})  // all but the Checkbook's
        PutLE(shifted, tail + SlotCountAt(Mi, Si), 0, 4);
    PutLE(shifted, tail + InvestCountAt(1), 3 + 14, 4);
    PutLE(shifted, tail + kToDoCountAt, 2 + 3, 2);
    EXPECT_EQ(ReadDamaged(shifted, "sections shifted"), Outcome::Read);
}

TEST_F(DamagedFileTest, RandomByteChangesAreRefusedOrReadSafely)
{
    std::mt19937 random(20261205);
    const size_t tail = TailOf(good);
    // Where changes land: the record sections, the fields of the tail before the long notes,
    // the budget settings, a count or the version, or anywhere.
    auto somewhere = [&]() -> size_t {
        switch (random() % 5) {
        case 0:
            return random() % tail;
        case 1:
            return tail + (random() % (kMainAccounts * kSlots)) * kSlotBytes + random() % 173;
        case 2:
            return tail + kBudgetStart + random() % kBudgetBytes;
        case 3: {
            const size_t counts[] = {SlotCountAt(random() % kMainAccounts, random() % kSlots),
                                     InvestCountAt(random() % kInvestments), kToDoCountAt, kBudgetStart + 386};
            return tail + counts[random() % 4] + random() % 4;
        }
        default:
            return random() % good.size();
        }
    };
    int counts[3] = {};
    for (int file = 0; file < 200; ++file) {
        std::vector<uint8_t> bytes = good;
        const int changes = 1 + static_cast<int>(random() % 6);
        for (int k = 0; k < changes; ++k) {
            const size_t at = somewhere();
            if (random() % 2)
                bytes[at] ^= static_cast<uint8_t>(1u << (random() % 8));
            else
                bytes[at] = static_cast<uint8_t>(random());
        }
        counts[static_cast<int>(ReadDamaged(bytes, "random file " + std::to_string(file)))]++;
        if (HasFailure())
            break;  // one broken file is enough to look at
    }
    // Both ways out were taken, so the checks above were not all on one side.
    EXPECT_GT(counts[static_cast<int>(Outcome::Refused)], 30);
    EXPECT_GT(counts[static_cast<int>(Outcome::Read)], 60);
}

struct SettingCase {
    const char* what;
    size_t at;  // within the tail
    int width;
    int value;
    int expected;
};

TEST_F(DamagedFileTest, ImpossibleSettingsAreReplacedAndThatIsWhatGetsSaved)
{
    const SettingCase cases[] = {
        {"decimal places -1", kIntStart + 7, 1, -1, 2}, {"decimal places 5", kIntStart + 7, 1, 5, 2},
        {"decimal places 4", kIntStart + 7, 1, 4, 4},   {"group size -1", kIntStart + 8, 1, -1, 3},
        {"group size 16", kIntStart + 8, 1, 16, 3},     {"group size 0", kIntStart + 8, 1, 0, 0},
        {"payers -1", kPayersAt, 2, -1, 0},             {"payers 4", kPayersAt, 2, 4, kPayers},
        {"payers 3", kPayersAt, 2, 3, 3},
    };
    for (const SettingCase& c : cases) {
        std::vector<uint8_t> bytes = good;
        const size_t at = TailOf(bytes) + c.at;
        PutLE(bytes, at, c.value, c.width);
        host.Messages.clear();
        ASSERT_EQ(Read(bytes), 1) << c.what;
        EXPECT_TRUE(host.Messages.empty()) << c.what << ": " << host.AllMessages();
        const int read = c.at == kPayersAt ? gBudget.NumberOfPayers
                                           : (c.at == kIntStart + 7 ? gIntRec.DecimalPlaces : gIntRec.GroupSize);
        EXPECT_EQ(read, c.expected) << c.what;
        const std::vector<uint8_t> saved = Image();
        const int stored = c.width == 2 ? static_cast<int16_t>(saved[at] | saved[at + 1] << 8)
                                        : static_cast<int8_t>(saved[at]);
        EXPECT_EQ(stored, c.expected) << c.what;
    }
}

TEST_F(DamagedFileTest, HistoryPositionsOutsideTheGridBecomeTheirSlotsAndAreReportedOnce)
{
    const std::pair<int, int> positions[] = {{-1, 0}, {26, 0}, {0, 7}, {32767, -32768}};
    for (auto [Mi, Si] : positions) {
        std::vector<uint8_t> bytes = good;
        for (int k = 0; k < H; ++k) {
            PutLE(bytes, HistoryAt(k) + 24, Mi, 2);
            PutLE(bytes, HistoryAt(k) + 26, Si, 2);
        }
        host.Messages.clear();
        ASSERT_EQ(Read(bytes), 1);
        // The Checkbook's log entry comes first, but only a valid account's records are checked.
        EXPECT_EQ(host.OnlyMessage(), kMisplaced + "Rent") << Mi << "." << Si;
        for (int m = 0; m < kMainAccounts; ++m)
            for (int s = 0; s < kSlots; ++s)
                for (const AHistory* r = MemoryAccounts[m][s].HistoryRec; r; r = r->HistoryFP) {
                    EXPECT_EQ(r->Mi, m);
                    EXPECT_EQ(r->Si, s);
                }
        host.Messages.clear();
        EXPECT_TRUE(Image() == good) << Mi << "." << Si;
        EXPECT_TRUE(host.Messages.empty()) << host.AllMessages();
    }
}

// A disk with one unreadable byte.
class FailingSource : public MemorySource {
public:
    FailingSource(const std::vector<uint8_t>& bytes, int64_t bad) : MemorySource(bytes.data(), bytes.size()), bad(bad) {}
    bool Read(int64_t offset, uint8_t* out, size_t size) override
    {
        const bool hitsBadByte = offset <= bad && bad < offset + static_cast<int64_t>(size);
        return !hitsBadByte && MemorySource::Read(offset, out, size);
    }

private:
    int64_t bad;
};

TEST_F(DamagedFileTest, ReadErrorsAreReportedAndLeaveTheOpenBudgetAsItWas)
{
    const int64_t investAt = H * kHistoryRecordSize;
    const int64_t toDoAt = static_cast<int64_t>(good.size()) - kTailSize - 2 * kToDoRecordSize;
    const struct {
        int64_t bad;
        const char* message;
    } cases[] = {
        {0, "Error. 5 Unable to read history file."},
        {investAt + 1, "Error. 5 Unable to read history file."},
        {toDoAt + 1, "Error. 5 Unable to read To Do data."},
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
