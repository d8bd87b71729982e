// The field tables of the stored records and the little-endian encoder and decoder over them.
#include "model/RecordLayout.h"

#include "model/Records.h"

#include <bit>
#include <cstring>
#include <vector>

namespace {

#define FIELD(R, f, type, off, count, len, term) \
    FieldLayout{#f, FieldType::type, off, static_cast<uint16_t>(offsetof(R, f)), count, len, term}
#define LONG(R, f, off) FIELD(R, f, Long, off, 1, 0, false)
#define LONGS(R, f, off, n, inner) FIELD(R, f, Long, off, n, inner, false)
#define SHORT(R, f, off) FIELD(R, f, Short, off, 1, 0, false)
#define SHORTS(R, f, off, n) FIELD(R, f, Short, off, n, 0, false)
#define BYTE(R, f, off) FIELD(R, f, Byte, off, 1, 0, false)
#define SBYTE(R, f, off) FIELD(R, f, SignedByte, off, 1, 0, false)
#define CHAR(R, f, off) FIELD(R, f, Char, off, 1, 0, false)
#define COLOUR(R, f, off) FIELD(R, f, Colour, off, 1, 0, false)
#define TEXT(R, f, off, len) FIELD(R, f, Text, off, 1, len, true)
#define TEXTS(R, f, off, n, len) FIELD(R, f, Text, off, n, len, true)
#define RAWTEXT(R, f, off, len) FIELD(R, f, Text, off, 1, len, false)
#define POINTER(R, f, off) FIELD(R, f, Pointer, off, 1, 0, false)
#define POINTF(R, f, off) FIELD(R, f, Point, off, 1, 0, false)
#define RECTS(R, f, off, n) FIELD(R, f, Rect, off, n, 0, false)
#define LOGFONTF(R, f, off) FIELD(R, f, LogFont, off, 1, 0, false)
#define PADDING(off, len) FieldLayout{"", FieldType::Padding, off, 0, 1, len, false}

const FieldLayout kHistoryFields[] = {
    POINTER(AHistory, HistoryFP, 0),
    POINTER(AHistory, BalanceRec, 4),
    LONG(AHistory, Balance, 8),
    LONG(AHistory, Amt, 12),
    LONG(AHistory, CheckID, 16),
    LONG(AHistory, PayID, 20),
    SHORT(AHistory, Mi, 24),
    SHORT(AHistory, Si, 26),
    TEXT(AHistory, AccountName, 28, 16),
    RAWTEXT(AHistory, Datime, 44, 16),  // a reminder's data fills it to the last byte
    TEXT(AHistory, RDatime, 60, 16),
    TEXT(AHistory, PayToFm, 76, 64),
    TEXT(AHistory, Memo, 140, 32),
    TEXT(AHistory, For, 172, 32),
    BYTE(AHistory, LogRecord, 204),
    BYTE(AHistory, TypeFlag, 205),
    BYTE(AHistory, PayFlag, 206),
    BYTE(AHistory, TransferFlag, 207),
    BYTE(AHistory, XferFm, 208),
    BYTE(AHistory, TaxFlag, 209),
    BYTE(AHistory, PrintFlag, 210),
    BYTE(AHistory, BalanceFlag, 211),
    BYTE(AHistory, Savings, 212),
    BYTE(AHistory, UnDone, 213),
    BYTE(AHistory, Archived, 214),
    BYTE(AHistory, Checked, 215),
    BYTE(AHistory, Marked, 216),
    BYTE(AHistory, MultiDeposit, 217),
    BYTE(AHistory, ATM, 218),
    BYTE(AHistory, Found, 219),
    BYTE(AHistory, HFlag, 220),
    BYTE(AHistory, Selected, 221),
    BYTE(AHistory, Tri, 222),
    BYTE(AHistory, Remind, 223),
    BYTE(AHistory, Unused2, 224),
    BYTE(AHistory, Unused3, 225),
    PADDING(226, 2),
};

const FieldLayout kAccountFields[] = {
    LONG(ARecord, Balance, 0),
    LONGS(ARecord, PayAmount, 4, kPayers * kPaysPerMonth, kPaysPerMonth),
    POINTF(ARecord, HwPt, 64),
    POINTF(ARecord, SwPt, 72),
    LONG(ARecord, NumberOfHistoryRecords, 80),
    SHORT(ARecord, NumberOfSubAccounts, 84),
    TEXT(ARecord, Name, 86, 16),
    TEXT(ARecord, SubName, 102, 16),
    TEXTS(ARecord, PayName, 118, kPayers, 16),
    BYTE(ARecord, SelectFlag, 166),
    BYTE(ARecord, SavingsFlag, 167),
    BYTE(ARecord, Valid, 168),
    BYTE(ARecord, CheckbookRecord, 169),
    BYTE(ARecord, HFlag, 170),
    BYTE(ARecord, FoundFlag, 171),
    BYTE(ARecord, Flag2, 172),
    TEXT(ARecord, Note, 173, 256),
    PADDING(429, 3),
};

const FieldLayout kBudgetFields[] = {
    LOGFONTF(ABudget, HistoryFont, 0),
    LOGFONTF(ABudget, PrintFont, 60),
    LONG(ABudget, PrintFontSize, 120),
    RECTS(ABudget, PrintField, 124, 10),
    COLOUR(ABudget, Standard, 284),
    COLOUR(ABudget, StandardSub, 288),
    COLOUR(ABudget, PositiveAmount, 292),
    COLOUR(ABudget, NegativeAmount, 296),
    COLOUR(ABudget, SavingsAccount, 300),
    COLOUR(ABudget, SelectedStandard, 304),
    COLOUR(ABudget, SelectedStandardSub, 308),
    COLOUR(ABudget, SelectedPositiveAmount, 312),
    COLOUR(ABudget, SelectedNegativeAmount, 316),
    COLOUR(ABudget, SelectedSavingsAccount, 320),
    LONG(ABudget, HighestIdent, 324),
    SHORT(ABudget, Unused1, 328),
    SHORT(ABudget, NumberOfToDoRecords, 330),
    LONG(ABudget, StatementBalance, 332),
    LONG(ABudget, UniqueID, 336),
    LONGS(ABudget, PayAmount, 340, kPayers, 0),
    LONG(ABudget, PrintWidth, 352),
    LONG(ABudget, PrintHeight, 356),
    POINTF(ABudget, PwPt, 360),
    POINTF(ABudget, MwPt, 368),
    SHORTS(ABudget, PayType, 376, kPayers),
    SHORT(ABudget, NumberOfPayers, 382),
    SHORT(ABudget, YearLastUsed, 384),
    SBYTE(ABudget, ResourceFileIdent, 386),
    SBYTE(ABudget, DataFileIdent, 387),
    TEXTS(ABudget, PayName, 388, kPayers, 16),
    BYTE(ABudget, CheckbookNegativeFlag, 436),
    BYTE(ABudget, CheckbookWarnFlag, 437),
    BYTE(ABudget, UseDollar, 438),
    BYTE(ABudget, HFontSet, 439),
    BYTE(ABudget, PFontSet, 440),
    BYTE(ABudget, Debit, 441),
    SBYTE(ABudget, Flag1, 442),
    PADDING(443, 1),
};

const FieldLayout kInternationalFields[] = {
    TEXT(International, DollarSymbol, 0, 4),
    CHAR(International, DecimalSymbol, 4),
    CHAR(International, GroupSymbol, 5),
    CHAR(International, DateSeperator, 6),
    SBYTE(International, DecimalPlaces, 7),
    SBYTE(International, GroupSize, 8),
    SBYTE(International, Flag1, 9),
    BYTE(International, Unused1, 10),
    BYTE(International, Unused2, 11),
};

const FieldLayout kInvestFields[] = {
    LONG(IRecord, CostPerShare, 0),
    LONG(IRecord, NumberOfShares, 4),
    LONG(IRecord, AmountPaid, 8),
    POINTF(IRecord, IwPt, 12),
    LONG(IRecord, NumberOfHistoryRecords, 20),
    TEXT(IRecord, Name, 24, 16),
    TEXT(IRecord, Datime, 40, 16),
    BYTE(IRecord, SelectFlag, 56),
    BYTE(IRecord, Valid, 57),
    BYTE(IRecord, Flag1, 58),
    BYTE(IRecord, Flag2, 59),
    BYTE(IRecord, Flag3, 60),
    BYTE(IRecord, Flag4, 61),
    TEXT(IRecord, Note, 62, 256),
    PADDING(318, 2),
};

const FieldLayout kInvestHistoryFields[] = {
    POINTER(IHistory, InvestFP, 0),
    LONG(IHistory, CostPerShare, 4),
    LONG(IHistory, NumberOfShares, 8),
    LONG(IHistory, TotalShares, 12),
    SHORT(IHistory, Ii, 16),
    TEXT(IHistory, Datime, 18, 16),
    TEXT(IHistory, RDatime, 34, 16),
    BYTE(IHistory, TypeFlag, 50),
    BYTE(IHistory, PPSUpdate, 51),
    BYTE(IHistory, Archived, 52),
    BYTE(IHistory, UnDone, 53),
    BYTE(IHistory, Unused1, 54),
    BYTE(IHistory, Unused2, 55),
    BYTE(IHistory, Unused3, 56),
    BYTE(IHistory, Unused4, 57),
    PADDING(58, 2),
};

const FieldLayout kToDoFields[] = {
    POINTER(ToDo, ToDoFP, 0),
    TEXT(ToDo, Datime, 4, 16),
    LONG(ToDo, Deleted, 20),
    LONG(ToDo, Display, 24),
    LONG(ToDo, OverDue, 28),
    LONG(ToDo, UnUsed1, 32),
    TEXT(ToDo, ToDo, 36, 64),
};

const FieldLayout kLogFontFields[] = {
    LONG(LOGFONT, lfHeight, 0),
    LONG(LOGFONT, lfWidth, 4),
    LONG(LOGFONT, lfEscapement, 8),
    LONG(LOGFONT, lfOrientation, 12),
    LONG(LOGFONT, lfWeight, 16),
    BYTE(LOGFONT, lfItalic, 20),
    BYTE(LOGFONT, lfUnderline, 21),
    BYTE(LOGFONT, lfStrikeOut, 22),
    BYTE(LOGFONT, lfCharSet, 23),
    BYTE(LOGFONT, lfOutPrecision, 24),
    BYTE(LOGFONT, lfClipPrecision, 25),
    BYTE(LOGFONT, lfQuality, 26),
    BYTE(LOGFONT, lfPitchAndFamily, 27),
    TEXT(LOGFONT, lfFaceName, 28, 32),
};

template <size_t N>
constexpr RecordLayout MakeLayout(const char* name, int size, const FieldLayout (&fields)[N])
{
    return RecordLayout{name, size, fields, static_cast<int>(N)};
}

}  // namespace

const RecordLayout kHistoryLayout = MakeLayout("AHistory", 228, kHistoryFields);
const RecordLayout kAccountLayout = MakeLayout("ARecord", 432, kAccountFields);
const RecordLayout kBudgetLayout = MakeLayout("ABudget", 444, kBudgetFields);
const RecordLayout kInternationalLayout = MakeLayout("International", 12, kInternationalFields);
const RecordLayout kInvestLayout = MakeLayout("IRecord", 320, kInvestFields);
const RecordLayout kInvestHistoryLayout = MakeLayout("IHistory", 60, kInvestHistoryFields);
const RecordLayout kToDoLayout = MakeLayout("ToDo", 100, kToDoFields);
const RecordLayout kLogFontLayout = MakeLayout("LOGFONT", 60, kLogFontFields);

int FieldFileSize(const FieldLayout& field)
{
    switch (field.Type) {
    case FieldType::Long:
    case FieldType::Colour:
    case FieldType::Pointer:
        return 4 * field.Count;
    case FieldType::Short:
        return 2 * field.Count;
    case FieldType::Byte:
    case FieldType::SignedByte:
    case FieldType::Char:
        return field.Count;
    case FieldType::Text:
        return field.Count * field.Length;
    case FieldType::Padding:
        return field.Length;
    case FieldType::Point:
        return 8 * field.Count;
    case FieldType::Rect:
        return 16 * field.Count;
    case FieldType::LogFont:
        return 60 * field.Count;
    }
    return 0;
}

namespace {

// The file stores numbers little-endian, as the machines the program runs on hold them in
// memory; so a field's file bytes are its memory bytes.
static_assert(std::endian::native == std::endian::little, "the budget file is little-endian");

// A layout turned into the fewest steps that give the same bytes: fields that follow each other
// both in the file and in memory are one copy. Every record of the file is laid out in memory in its
// file order, so a history record (read and written by the hundred thousand) becomes one copy,
// its pointers, padding and text ends instead of 37 fields.
struct Span {
    uint16_t FileOffset;
    uint16_t MemoryOffset;
    uint16_t Length;
};

struct RecordPlan {
    std::vector<Span> Copies;            // file bytes that equal memory bytes
    std::vector<Span> Zeros;             // file bytes written as 0: pointers and padding
    std::vector<uint16_t> Terminators;   // memory bytes set to NUL on reading
    std::vector<uint16_t> NullPointers;  // memory offsets of pointers, null on reading
};

// Adds a span, joining it to the previous one when both continue it.
void AddSpan(std::vector<Span>& spans, int file, int memory, int length)
{
    if (!spans.empty()) {
        Span& last = spans.back();
        if (last.FileOffset + last.Length == file && last.MemoryOffset + last.Length == memory) {
            last.Length = static_cast<uint16_t>(last.Length + length);
            return;
        }
    }
    spans.push_back(Span{static_cast<uint16_t>(file), static_cast<uint16_t>(memory), static_cast<uint16_t>(length)});
}

void PlanFields(const RecordLayout& layout, int fileBase, int memoryBase, RecordPlan& plan)
{
    for (int i = 0; i < layout.FieldCount; ++i) {
        const FieldLayout& f = layout.Fields[i];
        const int file = fileBase + f.FileOffset;
        const int memory = memoryBase + f.MemoryOffset;
        switch (f.Type) {
        case FieldType::Pointer:
            AddSpan(plan.Zeros, file, file, FieldFileSize(f));
            plan.NullPointers.push_back(static_cast<uint16_t>(memory));
            break;
        case FieldType::Padding:
            AddSpan(plan.Zeros, file, file, FieldFileSize(f));
            break;
        case FieldType::LogFont:
            PlanFields(kLogFontLayout, file, memory, plan);
            break;
        case FieldType::Text:
            AddSpan(plan.Copies, file, memory, FieldFileSize(f));
            if (f.Terminated)
                for (int k = 0; k < f.Count; ++k)
                    plan.Terminators.push_back(static_cast<uint16_t>(memory + (k + 1) * f.Length - 1));
            break;
        default:
            AddSpan(plan.Copies, file, memory, FieldFileSize(f));
            break;
        }
    }
}

RecordPlan MakePlan(const RecordLayout& layout)
{
    RecordPlan plan;
    PlanFields(layout, 0, 0, plan);
    return plan;
}

// The plan of a layout, made on first use.
const RecordPlan& PlanFor(const RecordLayout& layout)
{
    static const RecordLayout* const layouts[] = {
        &kHistoryLayout, &kInvestHistoryLayout, &kToDoLayout, &kAccountLayout,
        &kInvestLayout, &kBudgetLayout, &kInternationalLayout, &kLogFontLayout,
    };
    static const RecordPlan plans[] = {
        MakePlan(kHistoryLayout), MakePlan(kInvestHistoryLayout), MakePlan(kToDoLayout), MakePlan(kAccountLayout),
        MakePlan(kInvestLayout), MakePlan(kBudgetLayout), MakePlan(kInternationalLayout), MakePlan(kLogFontLayout),
    };
    for (size_t i = 0; i < sizeof layouts / sizeof layouts[0]; ++i)
        if (&layout == layouts[i])
            return plans[i];
    // Only the program's own layouts exist; one made elsewhere gets a plan of its own each time.
    thread_local RecordPlan other;
    other = MakePlan(layout);
    return other;
}

}  // namespace

void EncodeRecord(const RecordLayout& layout, const void* record, uint8_t* out)
{
    const RecordPlan& plan = PlanFor(layout);
    const uint8_t* base = static_cast<const uint8_t*>(record);
    for (const Span& s : plan.Copies)
        std::memcpy(out + s.FileOffset, base + s.MemoryOffset, s.Length);
    for (const Span& s : plan.Zeros)
        std::memset(out + s.FileOffset, 0, s.Length);
}

void DecodeRecord(const RecordLayout& layout, const uint8_t* in, void* record)
{
    const RecordPlan& plan = PlanFor(layout);
    uint8_t* base = static_cast<uint8_t*>(record);
    for (const Span& s : plan.Copies)
        std::memcpy(base + s.MemoryOffset, in + s.FileOffset, s.Length);
    for (uint16_t at : plan.Terminators)
        base[at] = 0;
    void* null = nullptr;
    for (uint16_t at : plan.NullPointers)
        std::memcpy(base + at, &null, sizeof null);
}
