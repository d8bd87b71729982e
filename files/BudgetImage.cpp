// Reading and writing the byte image of a budget file.
#include "files/BudgetImage.h"

#include "files/Archive.h"
#include "ledger/Balance.h"
#include "ledger/Integrity.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Messages.h"
#include "model/RecordLayout.h"
#include "model/RecordStore.h"
#include "reminders/Remind.h"
#include "reminders/ToDo.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>
#include <unordered_set>

namespace {

constexpr int kCheckbookSubNameOffset = 1;  // slot [0][1] is the second record of the grid

// The largest file the format can describe: every count at its largest (32 bits for each slot and
// investment, 16 bits for the To Do records).
constexpr int64_t kLargestFile = kTailSize + int64_t{kHistoryRecordSize} * kMainAccounts * kSlots * INT32_MAX +
                                 int64_t{kInvestHistoryRecordSize} * (kInvestments - 1) * INT32_MAX +
                                 int64_t{kToDoRecordSize} * INT16_MAX;

// The tail of a file decoded before it may replace the open budget.
struct Tail {
    ARecord accounts[kMainAccounts][kSlots];
    ABudget budget;
    IRecord invest[kInvestments];
    International intRec;
};

void ReportInvalidSize()
{
    HandleStandardError("Invalid file size.", "", "", "");
}

bool Within(int value, int low, int high)
{
    return value >= low && value <= high;
}

// Makes the settings of a damaged file safe to use: amounts and dates could not be shown with
// them, or they would index past the pay tables.
void MakeSettingsSafe(Tail& t)
{
    if (!Within(t.intRec.DecimalPlaces, 0, 4))
        t.intRec.DecimalPlaces = 2;
    if (!Within(t.intRec.GroupSize, 0, 15))
        t.intRec.GroupSize = 3;
    if (!Within(t.budget.NumberOfPayers, 0, kPayers))
        t.budget.NumberOfPayers = t.budget.NumberOfPayers < 0 ? 0 : kPayers;
}

void DecodeTail(const uint8_t* tail, Tail& t)
{
    const uint8_t* p = tail;
    for (auto& row : t.accounts)
        for (auto& slot : row) {
            DecodeRecord(kAccountLayout, p, &slot);
            p += kAccountLayout.FileSize;
        }
    DecodeRecord(kBudgetLayout, p, &t.budget);
    p += kBudgetBytes;
    for (auto& inv : t.invest) {
        DecodeRecord(kInvestLayout, p, &inv);
        p += kInvestLayout.FileSize;
    }
    if (t.budget.Flag1 & kBudgetHasInternational) {
        // Bytes 1 to 12 of the Checkbook's SubName, read from the file's own bytes.
        const int subName = kCheckbookSubNameOffset * kAccountLayout.FileSize + 102;
        t.intRec = International{};
        DecodeRecord(kInternationalLayout, tail + subName + 1, &t.intRec);
    } else {
        SetInternationalDefaults(t.intRec);
        t.budget.Flag1 |= kBudgetHasInternational;
    }
}

int64_t CountHistory(const Tail& t, bool& negative)
{
    int64_t h = 0;
    for (const auto& row : t.accounts)
        for (const auto& slot : row) {
            negative |= slot.NumberOfHistoryRecords < 0;
            h += slot.NumberOfHistoryRecords;
        }
    return h;
}

int64_t CountInvestHistory(const Tail& t, bool& negative)
{
    int64_t n = 0;
    for (int Ii = 1; Ii < kInvestments; ++Ii) {
        negative |= t.invest[Ii].NumberOfHistoryRecords < 0;
        n += t.invest[Ii].NumberOfHistoryRecords;
    }
    return n;
}

int32_t TimesTen(int32_t price)
{
    const int64_t v = static_cast<int64_t>(price) * 10;
    return static_cast<int32_t>(v > INT32_MAX ? INT32_MAX : (v < INT32_MIN ? INT32_MIN : v));
}

// Version 2 files held prices per share in tenths of today's unit.
void UpgradePPS()
{
    for (int Ii = 1; Ii < kInvestments; ++Ii) {
        Invest[Ii].CostPerShare = TimesTen(Invest[Ii].CostPerShare);
        for (IHistory* r = MemoryInvest[Ii].HistoryRec; r; r = r->InvestFP)
            r->CostPerShare = TimesTen(r->CostPerShare);
    }
}

bool OutstandingInCheckbook(const ARecord& slot, const AHistory& r)
{
    return slot.Valid && !slot.SavingsFlag && !r.BalanceFlag && !r.UnDone && (!r.TransferFlag || r.Savings);
}

// Links the decoded history records into the chains of their slots, in file order, and makes
// the balancing records of the outstanding checkbook transactions (collected in `outstanding`,
// which has room for them).
void ReadHistoryData(AHistory* block, std::vector<AHistory*>& outstanding)
{
    bool positionReported = false;
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            InitializeMemoryAccountRecord(Mi, Si);
            ARecord& slot = Accounts[Mi][Si];
            CoreRecord& core = MemoryAccounts[Mi][Si];
            AHistory* last = nullptr;
            for (int k = 0; k < slot.NumberOfHistoryRecords; ++k) {
                AHistory* rec = block++;
                // A damaged file could hold thousands of misplaced records: the first is
                // reported, the rest would only repeat the same message.
                if (!positionReported && !IntegrityCheck2(rec, Mi, Si))
                    positionReported = true;
                if (!Within(rec->Mi, 0, kMainAccounts - 1) || !Within(rec->Si, 0, kSlots - 1)) {
                    rec->Mi = static_cast<int16_t>(Mi);
                    rec->Si = static_cast<int16_t>(Si);
                }
                (last ? last->HistoryFP : core.HistoryRec) = rec;
                last = rec;
                if (slot.Valid || slot.CheckbookRecord)
                    DetermineArchiveData(rec);
                if (OutstandingInCheckbook(slot, *rec))
                    outstanding.push_back(rec);
                rec->HFlag = 0;
                core.DisplayLines++;
                if (rec->Tri && slot.HFlag) {
                    rec->HFlag = 1;
                    core.DisplayLines++;
                }
                CheckReminder(rec);
            }
        }
    CreateBalanceRecords(outstanding.data(), outstanding.size());
}

// What linking the records takes once they replace the open budget: the balancing records of the
// outstanding checkbook transactions (a pay deposit with its array of pieces) and the places of
// the To Do records, generously.
struct LinkingNeeds {
    size_t Outstanding = 0;
    size_t Bytes = 0;
};

LinkingNeeds MeasureLinking(const Tail& t, const AHistory* block, int64_t toDos)
{
    LinkingNeeds needs;
    std::unordered_set<int32_t> pays;
    const AHistory* rec = block;
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si)
            for (int k = 0; k < t.accounts[Mi][Si].NumberOfHistoryRecords; ++k, ++rec)
                if (OutstandingInCheckbook(t.accounts[Mi][Si], *rec)) {
                    ++needs.Outstanding;
                    if (!rec->TypeFlag && rec->PayID > 0)
                        pays.insert(rec->PayID);
                }
    constexpr size_t kPerRecord = 2 * (sizeof(DBalance) + 16);  // the record and its place in order
    needs.Bytes = needs.Outstanding * kPerRecord + pays.size() * (kDepositArraySize * sizeof(AHistory*) + 64) +
                  static_cast<size_t>(toDos) * 96 + 4096;
    return needs;
}

void ReadInvestHistoryData(IHistory* block)
{
    for (int Ii = 1; Ii < kInvestments; ++Ii) {
        InitializeMemoryInvestRecord(Ii);
        IHistory* last = nullptr;
        for (int k = 0; k < Invest[Ii].NumberOfHistoryRecords; ++k) {
            IHistory* rec = block++;
            if (!Within(rec->Ii, 0, kInvestments - 1))
                rec->Ii = static_cast<int16_t>(Ii);
            (last ? last->InvestFP : MemoryInvest[Ii].HistoryRec) = rec;
            last = rec;
            if (Invest[Ii].Valid)
                DetermineInvestArchiveData(rec);
            MemoryInvest[Ii].DisplayLines++;
        }
    }
}

// Reads `count` records of a section in chunks into the block, decoding each.
template <typename T>
bool DecodeSection(ImageSource& source, int64_t offset, const RecordLayout& layout, T* block, int64_t count,
                   const char* failure)
{
    constexpr int64_t kChunkBytes = 256 * 1024;
    const int64_t perChunk = kChunkBytes / layout.FileSize;
    std::vector<uint8_t> chunk(static_cast<size_t>(std::min(count, perChunk) * layout.FileSize));
    for (int64_t done = 0; done < count;) {
        const int64_t n = std::min(count - done, perChunk);
        if (!source.Read(offset + done * layout.FileSize, chunk.data(), static_cast<size_t>(n * layout.FileSize))) {
            HandleFileError(failure);
            return false;
        }
        for (int64_t k = 0; k < n; ++k)
            DecodeRecord(layout, chunk.data() + k * layout.FileSize, block + done + k);
        done += n;
    }
    return true;
}

}  // namespace

bool MemorySource::Read(int64_t offset, uint8_t* out, size_t count)
{
    if (offset < 0 || static_cast<uint64_t>(offset) > size || count > size - static_cast<size_t>(offset))
        return false;
    std::memcpy(out, data + offset, count);
    return true;
}

int ReadBudgetImage(const uint8_t* data, size_t size)
{
    MemorySource source(data, size);
    return ReadBudgetImage(source);
}

namespace {

// Reads the file into the model; `section` follows the part being read (its memory error number)
// and `replaced` says when the open budget has gone. Running out of memory throws.
int ReadImage(ImageSource& source, int16_t& section, bool& replaced)
{
    const int64_t size = source.Size();
    if (size < kTailSize || size > kLargestFile) {
        ReportInvalidSize();
        return 0;
    }
    std::vector<uint8_t> tail(kTailSize);
    if (!source.Read(size - kTailSize, tail.data(), tail.size())) {
        HandleFileError("Unable to read accounts data.");
        return 0;
    }
    static Tail t;  // 90 KB: kept off the stack
    t = Tail{};
    DecodeTail(tail.data(), t);

    // The counts in the tail must describe exactly the bytes before it. Checked before the version:
    // a file cut short is read with its tail out of place, and what is read as its version then
    // says nothing.
    bool negative = t.budget.NumberOfToDoRecords < 0;
    const int64_t H = CountHistory(t, negative);
    const int64_t I = CountInvestHistory(t, negative);
    const int64_t T = t.budget.NumberOfToDoRecords;
    const int64_t sections = H * kHistoryRecordSize + I * kInvestHistoryRecordSize + T * kToDoRecordSize;
    if (negative || sections != size - kTailSize) {
        ReportInvalidSize();
        return 0;
    }

    bool upgradePrices = false;
    if (t.budget.DataFileIdent == 2) {
        t.budget.DataFileIdent = t.budget.ResourceFileIdent = 3;
        upgradePrices = true;
    }
    if (t.budget.DataFileIdent < 3) {
        HandleStandardError("System Error 1.", "This file is from an older version.", "Data", "");
        return 0;
    }
    if (t.budget.DataFileIdent > 3) {
        HandleStandardError("System Error 2.", "This file is from a newer version.", "Data", "");
        return 0;
    }
    MakeSettingsSafe(t);

    RecordBlock<AHistory> history = H ? AllocateHistoryBlock(static_cast<size_t>(H)) : nullptr;
    if (H && !history) {
        HandleMemoryError(4);
        return 0;
    }
    RecordBlock<IHistory> investHistory = I ? AllocateInvestHistoryBlock(static_cast<size_t>(I)) : nullptr;
    if (I && !investHistory) {
        HandleMemoryError(11);
        return 0;
    }
    RecordBlock<ToDo> toDo = T ? AllocateToDoBlock(static_cast<size_t>(T)) : nullptr;
    if (T && !toDo) {
        HandleMemoryError(3);
        return 0;
    }
    const int64_t investAt = H * kHistoryRecordSize;
    const int64_t toDoAt = investAt + I * kInvestHistoryRecordSize;
    if (!DecodeSection(source, 0, kHistoryLayout, history.get(), H, "Unable to read history file."))
        return 0;
    section = 11;
    if (!DecodeSection(source, investAt, kInvestHistoryLayout, investHistory.get(), I, "Unable to read history file."))
        return 0;
    section = 3;
    if (!DecodeSection(source, toDoAt, kToDoLayout, toDo.get(), T, "Unable to read To Do data."))
        return 0;

    // Memory for linking is asked for while the open budget can still stay.
    section = 4;
    const LinkingNeeds needs = MeasureLinking(t, history.get(), T);
    std::vector<AHistory*> outstanding;
    outstanding.reserve(needs.Outstanding);
    void* room = std::malloc(needs.Bytes);
    if (!room)
        throw std::bad_alloc();
    std::free(room);

    // The file is sound and read: it replaces the open budget.
    replaced = true;
    ReleaseBudgetRecords();
    std::memcpy(Accounts, t.accounts, sizeof Accounts);
    gBudget = t.budget;
    std::memcpy(Invest, t.invest, sizeof Invest);
    gIntRec = t.intRec;
    gBudgetDamaged = 0;

    AHistory* historyRecords = history.get();
    IHistory* investRecords = investHistory.get();
    ToDo* toDoRecords = toDo.get();
    KeepRecordBlock(std::move(history));
    KeepRecordBlock(std::move(investHistory));
    KeepRecordBlock(std::move(toDo));
    ResetArchiveCounts();  // the records are counted for the archive as they are linked
    ReadHistoryData(historyRecords, outstanding);
    section = 11;
    ReadInvestHistoryData(investRecords);
    section = 3;
    AddToDoRecords(toDoRecords, static_cast<size_t>(T));

    if (upgradePrices)
        UpgradePPS();
    return 1;
}

// What is left when memory ran out after the file replaced the open budget: its accounts and
// settings without records, consistent with their counts.
void KeepAccountsOnly()
{
    ReleaseBudgetRecords();
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            Accounts[Mi][Si].NumberOfHistoryRecords = 0;
            InitializeMemoryAccountRecord(Mi, Si);
        }
    for (int Ii = 0; Ii < kInvestments; ++Ii) {
        Invest[Ii].NumberOfHistoryRecords = 0;
        InitializeMemoryInvestRecord(Ii);
    }
    gBudget.NumberOfToDoRecords = 0;
    ResetArchiveCounts();
}

}  // namespace

int ReadBudgetImage(ImageSource& source)
{
    int16_t section = 4;
    bool replaced = false;
    try {
        return ReadImage(source, section, replaced);
    } catch (const std::bad_alloc&) {
        if (replaced)
            KeepAccountsOnly();
        HandleMemoryError(section);
        return 0;
    }
}

namespace {

void ReportCountRepaired(const char* first)
{
    HandleStandardError(first, "This file may be corrupt.  Program", "will attempt fix, consider restore",
                        "from backup copy.");
}

// Collects the records of one section and hands them to the writer in pieces of bounded size,
// so saving needs no copy of the whole file in memory.
class SectionWriter {
public:
    SectionWriter(FileWriter& handle, const char* failure) : handle(handle), failure(failure)
    {
        buffer.reserve(kChunkBytes);
    }
    bool Append(const RecordLayout& layout, const void* record)
    {
        if (buffer.size() + layout.FileSize > kChunkBytes && !Flush())
            return false;
        const size_t at = buffer.size();
        buffer.resize(at + layout.FileSize);
        EncodeRecord(layout, record, buffer.data() + at);
        return true;
    }
    bool Flush()
    {
        if (buffer.empty() || handle.Write(buffer.data(), buffer.size())) {
            buffer.clear();
            return true;
        }
        HandleFileError(failure);
        return false;
    }

private:
    static constexpr size_t kChunkBytes = 256 * 1024;
    FileWriter& handle;
    const char* failure;
    std::vector<uint8_t> buffer;
};

// The tick of a balancing record travels through the file in the history record's Checked.
void CarryTick(AHistory* r)
{
    if (!r->BalanceRec || r->BalanceFlag)
        return;
    r->Checked = r->TypeFlag ? static_cast<const CBalance*>(r->BalanceRec)->BChecked
                             : static_cast<const DBalance*>(r->BalanceRec)->BChecked;
}

// "Found Items" holds copies of other records for the run only: neither they nor its hit count
// are saved.
bool IsFoundItems(int Mi, int Si)
{
    return Mi == kFoundMi && Si == kFoundSi;
}

// Writes each chain's records that are not archived. The count written for an account is the
// number of its records in the file: a stored count that differs is repaired with a warning
// (an empty chain is checked too, so a count never promises records the file lacks).
int WriteHistoryData(FileWriter& handle)
{
    SectionWriter section(handle, "Unable to write history data.");
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            if (IsFoundItems(Mi, Si))
                continue;
            int32_t count = 0;
            for (AHistory* r = MemoryAccounts[Mi][Si].HistoryRec; r; r = r->HistoryFP) {
                if (!IntegrityCheck2(r, Mi, Si))
                    return 0;
                r->Selected = 0;
                CarryTick(r);
                if (r->Archived)
                    continue;
                if (!section.Append(kHistoryLayout, r))
                    return 0;
                ++count;
            }
            if (count != Accounts[Mi][Si].NumberOfHistoryRecords) {
                Accounts[Mi][Si].NumberOfHistoryRecords = count;
                ReportCountRepaired("History file integrity error.");
            }
        }
    return section.Flush() ? 1 : 0;
}

int WriteInvestHistoryData(FileWriter& handle)
{
    SectionWriter section(handle, "Unable to write history data.");
    for (int Ii = 1; Ii < kInvestments; ++Ii) {
        int32_t count = 0;
        for (const IHistory* r = MemoryInvest[Ii].HistoryRec; r; r = r->InvestFP) {
            if (r->Archived)
                continue;
            if (!section.Append(kInvestHistoryLayout, r))
                return 0;
            ++count;
        }
        if (count != Invest[Ii].NumberOfHistoryRecords) {
            Invest[Ii].NumberOfHistoryRecords = count;
            ReportCountRepaired("Investment history file integrity error.");
        }
    }
    return section.Flush() ? 1 : 0;
}

int WriteToDoData(FileWriter& handle)
{
    int32_t count = 0;
    for (const ToDo* r = gToDoAnchor; r; r = r->ToDoFP)
        count += r->Deleted ? 0 : 1;
    // The file counts To Do records in 16 bits; more would make the file unreadable.
    if (count > kMostToDoRecords) {
        HandleMemoryError(20);
        return 0;
    }
    gBudget.NumberOfToDoRecords = static_cast<int16_t>(count);
    SectionWriter section(handle, "Unable to write ToDo data.");
    for (const ToDo* r = gToDoAnchor; r; r = r->ToDoFP)
        if (!r->Deleted && !section.Append(kToDoLayout, r))
            return 0;
    return section.Flush() ? 1 : 0;
}

int WriteResourcesFile(FileWriter& handle)
{
    char* subName = Accounts[0][1].SubName;
    std::memset(subName, 0, sizeof Accounts[0][1].SubName);
    uint8_t intBytes[12];
    EncodeRecord(kInternationalLayout, &gIntRec, intBytes);
    std::memcpy(subName + 1, intBytes, sizeof intBytes);

    SectionWriter accounts(handle, "Unable to write Account data.");
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            ARecord slot = Accounts[Mi][Si];
            if (IsFoundItems(Mi, Si)) {
                slot.NumberOfHistoryRecords = 0;
                slot.Balance = 0;
                slot.FoundFlag = 0;
            }
            accounts.Append(kAccountLayout, &slot);  // 78,624 bytes: one piece
        }
    if (!accounts.Flush())
        return 0;
    SectionWriter budget(handle, "Unable to write Budget data.");
    budget.Append(kBudgetLayout, &gBudget);
    if (!budget.Flush())
        return 0;
    SectionWriter invest(handle, "Unable to write Investment data.");
    for (const auto& inv : Invest)
        invest.Append(kInvestLayout, &inv);
    return invest.Flush() ? 1 : 0;
}

}  // namespace

int WriteDataFile(FileWriter& handle)
{
    for (auto& row : Accounts)
        for (auto& slot : row)
            slot.SelectFlag = 0;
    for (int Ii = 1; Ii < kInvestments; ++Ii)
        Invest[Ii].SelectFlag = 0;

    try {
        return WriteHistoryData(handle) && WriteInvestHistoryData(handle) && WriteToDoData(handle) &&
               WriteResourcesFile(handle);
    } catch (const std::bad_alloc&) {
        HandleMemoryError(9);
        return 0;
    }
}
