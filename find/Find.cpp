// Finding transactions: reading the criteria, matching records, stepping through the accounts
// and the copies of "Found Items".
#include "find/Find.h"

#include "ledger/Recording.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Messages.h"
#include "model/Money.h"

#include <cstring>
#include <deque>

FindCriteria gFindCriteria;
int gFAll = 0;

namespace {

// The copies "Found Items" holds; a deque keeps their addresses while it grows.
std::deque<AHistory> gFoundCopies;

constexpr size_t kMatchChars = 63;  // both texts of a match are taken to 64-byte buffers

bool AllDigits(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// The digits as a number, or -1 when there are too many for one.
long long DigitsValue(const std::string& text)
{
    long long value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
        if (value > 1000000)
            return -1;
    }
    return value;
}

void RefuseMonth(const std::string& text)
{
    HandleInputError(("The month:     " + text + "     is not a month.").c_str(),
                     "Enter a month's name or its number, 1 to 12.");
}

void RefuseYear(const std::string& text)
{
    HandleInputError(("The year:     " + text + "     is out of range.").c_str(),
                     "Enter a year as two digits (00 to 99) or four (2000 to 2099).");
}

bool ReadMonth(const std::string& text, std::optional<int>& month)
{
    month.reset();
    if (text.empty())
        return true;
    const int number = AllDigits(text) ? static_cast<int>(DigitsValue(text)) : MonthToNum(text.c_str());
    if (number < 1 || number > 12) {
        RefuseMonth(text);
        return false;
    }
    month = number;
    return true;
}

// Two digits are the year as records keep it; a year of this century is taken as its last two.
bool ReadYear(const std::string& text, std::optional<int>& year)
{
    year.reset();
    if (text.empty())
        return true;
    if (!AllDigits(text)) {
        HandleNumberConversionError(text.c_str());
        return false;
    }
    const long long value = DigitsValue(text);
    if (value >= 0 && value <= 99)
        year = static_cast<int>(value);
    else if (value >= 2000 && value <= 2099)
        year = static_cast<int>(value - 2000);
    else {
        RefuseYear(text);
        return false;
    }
    return true;
}

// An amount as the program reads money; a running balance may also be below zero.
bool ReadMoney(const std::string& text, std::optional<int32_t>& amount, bool negative)
{
    amount.reset();
    if (text.empty())
        return true;
    const bool minus = negative && text[0] == '-';
    int32_t value = 0;
    const std::string digits = minus ? text.substr(1) : text;
    if (digits.empty() || S2I(digits.c_str(), &value) != kS2IValid) {
        HandleDollarConversionError(text.c_str());
        return false;
    }
    amount = minus ? -value : value;
    return true;
}

bool ReadNumber(const std::string& text, std::optional<int32_t>& number)
{
    number.reset();
    if (text.empty())
        return true;
    uint32_t value = 0;
    if (!ReadCheckNumber(text, &value))
        return false;
    number = static_cast<int32_t>(value);
    return true;
}

std::string Cut(const std::string& text, size_t chars)
{
    return text.substr(0, chars);
}

// The date part of a record's Datime (a reminder keeps its data behind it); empty when it is
// not a date.
std::string RecordDate(const AHistory* h)
{
    std::string date(h->Datime, strnlen(h->Datime, 8));
    return CheckDatime(date.c_str()) ? date : std::string();
}

// The criteria in the order they are tried: whether each is on, and its test.
struct Criterion {
    bool (*On)(const FindCriteria&);
    int (*Match)(const AHistory*);
};

const Criterion kCriteria[] = {
    {[](const FindCriteria& c) { return !c.Payee.empty(); }, FMatchFmTo},
    {[](const FindCriteria& c) { return !c.For.empty(); }, FMatchFor},
    {[](const FindCriteria& c) { return !c.Memo.empty(); }, FMatchMemo},
    {[](const FindCriteria& c) { return c.Month.has_value(); }, FMatchMonth},
    {[](const FindCriteria& c) { return c.Year.has_value(); }, FMatchYear},
    {[](const FindCriteria& c) { return c.Amount.has_value(); }, FMatchAmt},
    {[](const FindCriteria& c) { return c.Balance.has_value(); }, FMatchBalance},
    {[](const FindCriteria& c) { return c.Number.has_value(); }, FMatchIdent},
    {[](const FindCriteria& c) { return c.Tax; }, FMatchTax},
};

bool Matches(const AHistory* h)
{
    return gFindCriteria.Or ? FindOr(h) : FindAnd(h);
}

bool Searched(int Mi, int Si)
{
    return Accounts[Mi][Si].Valid != 0;
}

// The stored record to go on from, when it is still in the stored slot's chain; null otherwise.
AHistory* StoredRecord()
{
    if (!gFHPtr || gFSi >= kSlots)
        return nullptr;
    for (AHistory* h = MemoryAccounts[gFMi][gFSi].HistoryRec; h; h = h->HistoryFP)
        if (h == gFHPtr)
            return h;
    return nullptr;
}

// Empties "Found Items": nothing may point at a copy once it is released.
void ReleaseFoundCopies()
{
    CoreRecord& core = MemoryAccounts[kFoundMi][kFoundSi];
    for (const AHistory* h = core.HistoryRec; h; h = h->HistoryFP) {
        if (gSelectedItem == h)
            gSelectedItem = nullptr;
        if (gHPtr == h)
            gHPtr = nullptr;
    }
    core.HistoryRec = nullptr;
    core.DisplayLines = 0;
    ARecord& slot = Accounts[kFoundMi][kFoundSi];
    slot.NumberOfHistoryRecords = 0;
    slot.Balance = 0;
    slot.FoundFlag = 0;
    gFoundCopies.clear();
    ++gHistoryShape;
    GetHost().InvalidateAccount(kFoundMi, kFoundSi);
}

}  // namespace

FindField ReadFindCriteria(const FindTexts& texts, FindCriteria& criteria)
{
    FindCriteria read;
    read.Payee = Cut(texts.Payee, kPayeeChars);
    read.For = Cut(texts.For, kForChars);
    read.Memo = Cut(texts.Memo, kMemoChars);
    read.Tax = texts.Tax;
    read.Or = texts.Or;
    read.IgnoreCase = texts.IgnoreCase;
    if (!ReadMonth(texts.Month, read.Month))
        return FindField::Month;
    if (!ReadYear(texts.Year, read.Year))
        return FindField::Year;
    if (!ReadMoney(texts.Amount, read.Amount, false))
        return FindField::Amount;
    if (!ReadMoney(texts.Balance, read.Balance, true))
        return FindField::Balance;
    if (!ReadNumber(texts.Number, read.Number))
        return FindField::Number;
    criteria = read;
    return FindField::None;
}

FindTexts FindCriteriaTexts(const FindCriteria& criteria)
{
    FindTexts texts;
    texts.Payee = criteria.Payee;
    texts.For = criteria.For;
    texts.Memo = criteria.Memo;
    if (criteria.Amount)
        texts.Amount = MoneyText(*criteria.Amount);
    if (criteria.Balance)
        texts.Balance = (*criteria.Balance < 0 ? "-" : "") +
                        MoneyText(*criteria.Balance < 0 ? -*criteria.Balance : *criteria.Balance);
    if (criteria.Number)
        texts.Number = std::to_string(static_cast<uint32_t>(*criteria.Number));
    if (criteria.Month) {
        char name[kDatimeSize] = {};
        GetWordMonth(*criteria.Month, name);
        texts.Month = name;
    }
    if (criteria.Year)
        texts.Year = std::to_string(*criteria.Year);
    texts.Tax = criteria.Tax;
    texts.Or = criteria.Or;
    texts.IgnoreCase = criteria.IgnoreCase;
    return texts;
}

int MonthToNum(const char* theText2)
{
    static const char* const kMonths[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                            "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    char upper[4] = {};
    for (int i = 0; i < 3 && theText2[i]; ++i) {
        const char c = theText2[i];
        upper[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    for (int m = 0; m < 12; ++m)
        if (std::strcmp(upper, kMonths[m]) == 0)
            return m + 1;
    return 0;
}

int FMatch(const char* String1, const char* String2)
{
    char text[kMatchChars + 1];
    char field[kMatchChars + 1];
    CopyString(String1, text);
    CopyString(String2, field);
    if (gFindCriteria.IgnoreCase) {
        LowerToUpper(text, text);
        LowerToUpper(field, field);
    }
    return std::strstr(field, text) ? 1 : 0;
}

int FMatchFmTo(const AHistory* theHPtr)
{
    return FMatch(gFindCriteria.Payee.c_str(), RecordText(theHPtr->PayToFm).c_str());
}

int FMatchFor(const AHistory* theHPtr)
{
    return FMatch(gFindCriteria.For.c_str(), RecordText(theHPtr->For).c_str());
}

int FMatchMemo(const AHistory* theHPtr)
{
    // A transfer's memo holds the link to its other half, no text.
    if (theHPtr->TransferFlag)
        return 0;
    return FMatch(gFindCriteria.Memo.c_str(), RecordText(theHPtr->Memo).c_str());
}

int FMatchMonth(const AHistory* theHPtr)
{
    const std::string date = RecordDate(theHPtr);
    return !date.empty() && gFindCriteria.Month && GetMonth(date.c_str()) == *gFindCriteria.Month ? 1 : 0;
}

int FMatchYear(const AHistory* theHPtr)
{
    const std::string date = RecordDate(theHPtr);
    return !date.empty() && gFindCriteria.Year && GetYear(date.c_str()) == *gFindCriteria.Year ? 1 : 0;
}

int FMatchAmt(const AHistory* theHPtr)
{
    return gFindCriteria.Amount && theHPtr->Amt == *gFindCriteria.Amount ? 1 : 0;
}

int FMatchBalance(const AHistory* theHPtr)
{
    return gFindCriteria.Balance && theHPtr->Balance == *gFindCriteria.Balance ? 1 : 0;
}

// Deposits keep a deposit number where checks keep theirs: only a withdrawal has a check number.
int FMatchIdent(const AHistory* theHPtr)
{
    return gFindCriteria.Number && theHPtr->TypeFlag && theHPtr->CheckID == *gFindCriteria.Number ? 1 : 0;
}

int FMatchTax(const AHistory* theHPtr)
{
    return theHPtr->TaxFlag ? 1 : 0;
}

int FindAnd(const AHistory* theHPtr)
{
    for (const Criterion& c : kCriteria)
        if (c.On(gFindCriteria) && !c.Match(theHPtr))
            return 0;
    return 1;
}

int FindOr(const AHistory* theHPtr)
{
    for (const Criterion& c : kCriteria)
        if (c.On(gFindCriteria) && c.Match(theHPtr))
            return 1;
    return 0;
}

void BeginFind(FindStep step)
{
    if (step != FindStep::FindNext)
        ResetFindPosition();
    gFAll = step == FindStep::FindAll ? 1 : 0;
    ClearFound();
}

int FindIt(FindHit* hit)
{
    if (gFMi < 0 || gFMi >= kMainAccounts || gFSi < 0 || gFSi > kSlots)
        ResetFindPosition();
    AHistory* from = StoredRecord();
    const int startMi = gFMi;
    const int startSi = gFSi;
    for (int Mi = startMi; Mi < kMainAccounts; ++Mi)
        for (int Si = Mi == startMi ? startSi : 0; Si < kSlots; ++Si) {
            AHistory* r = Mi == startMi && Si == startSi && from ? from : MemoryAccounts[Mi][Si].HistoryRec;
            if (!Searched(Mi, Si))
                continue;
            for (; r; r = r->HistoryFP) {
                if (!Matches(r))
                    continue;
                if (gFAll) {
                    r->Found = 1;
                    continue;
                }
                // The next search goes on after the hit; past the last record of the chain, with
                // the next slot (gFSi may then stand past the main account's last slot).
                gFMi = Mi;
                gFSi = r->HistoryFP ? Si : Si + 1;
                gFHPtr = r->HistoryFP;
                if (hit)
                    *hit = {r, Mi, Si};
                return 1;
            }
        }
    if (gFAll)
        return DisplayFound() > 0 ? 1 : 0;
    gFSi = 0;
    gFHPtr = nullptr;
    return 0;
}

std::vector<ListedHit> ListFindHits()
{
    std::vector<ListedHit> hits;
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            if (!Searched(Mi, Si))
                continue;
            int index = 0;
            for (const AHistory* r = MemoryAccounts[Mi][Si].HistoryRec; r; r = r->HistoryFP, ++index)
                if (Matches(r))
                    hits.push_back({r, Mi, Si, index});
        }
    return hits;
}

int DisplayFound()
{
    ReleaseFoundCopies();
    CoreRecord& found = MemoryAccounts[kFoundMi][kFoundSi];
    int count = 0;
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            if (!Searched(Mi, Si))
                continue;
            for (AHistory* r = MemoryAccounts[Mi][Si].HistoryRec; r; r = r->HistoryFP) {
                if (!r->Found)
                    continue;
                // The mark has served once the copy is made, so no save carries it.
                r->Found = 0;
                AHistory& copy = gFoundCopies.emplace_back(*r);
                copy.HistoryFP = found.HistoryRec;
                found.HistoryRec = &copy;
                // A copy only shows the transaction: the balancing, a reminder and a selection
                // stay with the original.
                copy.BalanceRec = nullptr;
                copy.Remind = 0;
                copy.Selected = 0;
                ++count;
                found.DisplayLines += copy.HFlag ? 2 : 1;
            }
        }
    if (count == 0)
        return 0;
    ARecord& slot = Accounts[kFoundMi][kFoundSi];
    slot.NumberOfHistoryRecords = count;
    slot.FoundFlag = 1;
    slot.Balance = count;
    ++gHistoryShape;
    GetHost().InvalidateAccount(kFoundMi, kFoundSi);
    return count;
}

void ClearFound()
{
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            if (Mi == kFoundMi && Si == kFoundSi)
                continue;
            for (AHistory* r = MemoryAccounts[Mi][Si].HistoryRec; r; r = r->HistoryFP)
                r->Found = 0;
        }
    ReleaseFoundCopies();
}
