// Balancing records: making them, keeping the two chains in their order, combined pay deposits,
// completing and forcing a balancing.
#include "ledger/Balance.h"

#include "ledger/Budget.h"
#include "ledger/Integrity.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Initialize.h"
#include "model/Messages.h"
#include "model/Money.h"
#include "model/RecordStore.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <unordered_map>
#include <vector>
#include <utility>

namespace {

// The order of a stored date as CompareCDates sees it: year and day of the year.
int64_t DateKey(const char* datime)
{
    char date[kDatimeSize];
    std::memcpy(date, datime, 8);
    date[8] = 0;
    char julian[kDatimeSize];
    C2J(date, julian);
    return GetJYear(julian) * 1000 + GetJDay(julian);
}

void CopyDate(char* out, const char* datime)
{
    std::memset(out, 0, kDatimeSize);
    std::memcpy(out, datime, 8);
    out[8] = 0;
}

bool IsATM(const CBalance* c) { return c->ATM == kWithdrawalATM; }
bool IsDebit(const CBalance* c) { return c->ATM == kWithdrawalDebit; }
bool IsCheck(const CBalance* c) { return !IsATM(c) && !IsDebit(c); }

// Puts `node` after `pred` (null: at the head) of the withdrawal chain.
void LinkCAfter(CBalance* pred, CBalance* node)
{
    CBalance*& next = pred ? pred->BalanceCFP : gBalanceCAnchor;
    node->BalanceCFP = next;
    next = node;
    if (!node->BalanceCFP)
        gBalanceCAnchorLast = node;
}

void LinkDAfter(DBalance* pred, DBalance* node)
{
    DBalance*& next = pred ? pred->BalanceDFP : gBalanceDAnchor;
    node->BalanceDFP = next;
    next = node;
    if (!node->BalanceDFP)
        gBalanceDAnchorLast = node;
}

// Puts `node` before the first record of the chain for which `stop` holds (at the end if none).
template <typename Stop>
void LinkCBefore(CBalance* node, Stop stop)
{
    CBalance* pred = nullptr;
    for (CBalance* c = gBalanceCAnchor; c && !stop(c); c = c->BalanceCFP)
        pred = c;
    LinkCAfter(pred, node);
}

template <typename Stop>
void LinkDBefore(DBalance* node, Stop stop)
{
    DBalance* pred = nullptr;
    for (DBalance* d = gBalanceDAnchor; d && !stop(d); d = d->BalanceDFP)
        pred = d;
    LinkDAfter(pred, node);
}

CBalance* MakeCBalance(AHistory* h)
{
    CBalance* c = NewCBalanceRecord();
    c->BAmount = h->Amt;
    CopyDate(c->BDatime, h->Datime);
    c->BIdent = h->CheckID;
    c->ATM = h->ATM;
    c->HistoryRec = h;
    c->BChecked = h->Checked;
    h->Checked = 0;
    h->BalanceRec = c;
    ++gCheckDisplayLines;
    return c;
}

DBalance* MakeDBalance(AHistory* h)
{
    DBalance* d = NewDBalanceRecord();
    CopyDate(d->BDatime, h->Datime);
    d->BIdent = h->CheckID;
    d->BChecked = h->Checked;
    ++gDepositDisplayLines;
    return d;
}

// A combined pay deposit's record, with an empty array of pieces.
DBalance* MakePayDeposit(AHistory* h)
{
    DBalance* d = MakeDBalance(h);
    d->DepositID = h->PayID;
    d->ArraySize = kDepositArraySize;
    d->theArray = new AHistory*[kDepositArraySize]();
    return d;
}

// Adds a piece to a pay deposit; the array grows when a pay entry has more pieces than it holds.
void AddPiece(DBalance* d, AHistory* h)
{
    const int free = d->ArrayUsed;
    if (free == d->ArraySize) {
        const int grown = d->ArraySize * 2;
        AHistory** array = new AHistory*[grown]();
        std::copy(d->theArray, d->theArray + d->ArraySize, array);
        delete[] d->theArray;
        d->theArray = array;
        d->ArraySize = grown;
    }
    d->theArray[free] = h;
    ++d->ArrayUsed;
    d->BAmount = static_cast<int32_t>(static_cast<int64_t>(d->BAmount) + h->Amt);
    h->BalanceRec = d;
    h->Checked = 0;
}

// Calls f for every transaction of a deposit record.
template <typename F>
void ForEachDeposit(DBalance* d, F f)
{
    if (!d->theArray) {
        if (d->HistoryRec)
            f(d->HistoryRec);
        return;
    }
    for (int k = 0; k < d->ArraySize; ++k)
        if (d->theArray[k])
            f(d->theArray[k]);
}

bool SortedByDate()
{
    return (gBudget.Flag1 & kBudgetSortByDate) != 0;
}

int32_t Clamp(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// Statement balance plus the outstanding deposits, less the outstanding withdrawals and the
// Checkbook: 0 when balanced.
int64_t BalanceDifference()
{
    int64_t d = static_cast<int64_t>(gBudget.StatementBalance) - Accounts[0][1].Balance;
    for (const DBalance* r = gBalanceDAnchor; r; r = r->BalanceDFP)
        d += r->BChecked ? 0 : r->BAmount;
    for (const CBalance* r = gBalanceCAnchor; r; r = r->BalanceCFP)
        d -= r->BChecked ? 0 : r->BAmount;
    return d;
}

// The withdrawal chain built from many records at once (opening a budget, changing the order),
// placing each exactly where the insertion rules would, in n log n: the chain is always the
// ATM withdrawals by date, the debits by date and the checks by number (or one run by date and
// number), and each rule is a search in the ordered run it lands in.
class WithdrawalOrder {
public:
    explicit WithdrawalOrder(bool byDate) : byDate(byDate) {}

    // Takes the records of the chain as it stands, in its order.
    void TakeChain()
    {
        for (CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
            Run(c).emplace_hint(Run(c).end(), Key(c), c);
    }

    void Add(CBalance* c)
    {
        auto& run = Run(c);
        const int64_t key = Key(c);
        bool atHead = false;
        if (!byDate && !run.empty() && key <= run.begin()->first) {
            // The head rules: an ATM record before the first ATM record not earlier than it, a
            // debit or check before the first of its kind when that kind leads the chain.
            atHead = IsATM(c) || (IsDebit(c) && runs[0].empty()) || (IsCheck(c) && runs[0].empty() && runs[1].empty());
        }
        if (atHead)
            run.emplace_hint(run.begin(), key, c);
        else
            run.emplace(key, c);
    }

    // Links every record into the chain in order.
    void Link()
    {
        gBalanceCAnchor = gBalanceCAnchorLast = nullptr;
        CBalance* last = nullptr;
        for (const auto& run : runs)
            for (const auto& [key, c] : run) {
                c->BalanceCFP = nullptr;
                (last ? last->BalanceCFP : gBalanceCAnchor) = c;
                last = c;
            }
        gBalanceCAnchorLast = last;
    }

private:
    std::multimap<int64_t, CBalance*>& Run(const CBalance* c)
    {
        if (byDate)
            return runs[0];
        return runs[IsATM(c) ? 0 : (IsDebit(c) ? 1 : 2)];
    }
    int64_t Key(const CBalance* c) const
    {
        if (byDate)  // date, then check number
            return DateKey(c->BDatime) * (int64_t(1) << 32) + (static_cast<int64_t>(c->BIdent) - INT32_MIN);
        return IsCheck(c) ? c->BIdent : DateKey(c->BDatime);
    }

    bool byDate;
    std::multimap<int64_t, CBalance*> runs[3];
};

// The deposit chain built from many records at once, by the deposit insertion rule.
class DepositOrder {
public:
    void TakeChain()
    {
        for (DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
            run.emplace_hint(run.end(), DateKey(d->BDatime), d);
    }
    void Add(DBalance* d)
    {
        const int64_t key = DateKey(d->BDatime);
        if (!run.empty() && key <= run.begin()->first && key < run.rbegin()->first)
            run.emplace_hint(run.begin(), key, d);
        else
            run.emplace(key, d);
    }
    void Link()
    {
        gBalanceDAnchor = gBalanceDAnchorLast = nullptr;
        DBalance* last = nullptr;
        for (const auto& [key, d] : run) {
            d->BalanceDFP = nullptr;
            (last ? last->BalanceDFP : gBalanceDAnchor) = d;
            last = d;
        }
        gBalanceDAnchorLast = last;
    }

private:
    std::multimap<int64_t, DBalance*> run;
};

}  // namespace

void CreateBalanceRecord(AHistory* theHPtr)
{
    if (theHPtr->TypeFlag) {
        CBalance* c = MakeCBalance(theHPtr);
        if (!gBalanceCAnchor)
            LinkCAfter(nullptr, c);
        else
            SortWithdrawTypes(theHPtr, c);
        return;
    }
    if (theHPtr->PayID > 0) {
        AddPayDeposit(theHPtr);
        return;
    }
    DBalance* d = MakeDBalance(theHPtr);
    d->BAmount = theHPtr->Amt;
    d->DepositID = theHPtr->PayID;
    d->HistoryRec = theHPtr;
    theHPtr->Checked = 0;
    theHPtr->BalanceRec = d;
    if (!gBalanceDAnchor)
        LinkDAfter(nullptr, d);
    else
        SortDepositBalanceRecord(d);
}

void CreateBalanceRecords(AHistory* const* records, size_t count)
{
    WithdrawalOrder withdrawals(SortedByDate());
    DepositOrder deposits;
    withdrawals.TakeChain();
    deposits.TakeChain();
    std::unordered_map<int32_t, DBalance*> payDeposits;
    for (DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
        if (d->DepositID > 0)
            payDeposits.emplace(d->DepositID, d);

    for (size_t k = 0; k < count; ++k) {
        AHistory* h = records[k];
        if (h->TypeFlag) {
            withdrawals.Add(MakeCBalance(h));
        } else if (h->PayID > 0) {
            DBalance*& d = payDeposits[h->PayID];
            if (!d) {
                d = MakePayDeposit(h);
                deposits.Add(d);
            }
            AddPiece(d, h);
        } else {
            DBalance* d = MakeDBalance(h);
            d->BAmount = h->Amt;
            d->DepositID = h->PayID;
            d->HistoryRec = h;
            h->Checked = 0;
            h->BalanceRec = d;
            deposits.Add(d);
        }
    }
    withdrawals.Link();
    deposits.Link();
}

void AddPayDeposit(AHistory* theHPtr)
{
    DBalance* d = FindIndicator(theHPtr->PayID);
    if (!d) {
        d = MakePayDeposit(theHPtr);
        if (!gBalanceDAnchor)
            LinkDAfter(nullptr, d);
        else
            SortDepositBalanceRecord(d);
    }
    AddPiece(d, theHPtr);
}

DBalance* FindIndicator(int32_t indicator)
{
    for (DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
        if (d->DepositID == indicator)
            return d;
    return nullptr;
}

void SortWithdrawTypes(AHistory* theHPtr, CBalance* theCPointer)
{
    if (SortedByDate())
        SortWithdrawByDate(theCPointer);
    else if (theHPtr->ATM == kWithdrawalATM)
        SortATMBalanceRecord(theCPointer);
    else if (theHPtr->ATM == kWithdrawalDebit)
        SortDebitBalanceRecord(theCPointer);
    else
        SortCheckBalanceRecord(theCPointer);
}

void SortWithdrawByDate(CBalance* theCPointer)
{
    const int64_t key = DateKey(theCPointer->BDatime);
    LinkCBefore(theCPointer, [&](const CBalance* c) {
        const int64_t k = DateKey(c->BDatime);
        return k > key || (k == key && c->BIdent > theCPointer->BIdent);
    });
}

void SortATMBalanceRecord(CBalance* theCPointer)
{
    const int64_t key = DateKey(theCPointer->BDatime);
    const CBalance* head = gBalanceCAnchor;
    const CBalance* last = gBalanceCAnchorLast;
    if (!IsATM(head) || key <= DateKey(head->BDatime))
        LinkCAfter(nullptr, theCPointer);
    else if (IsATM(last) && DateKey(last->BDatime) <= key)
        LinkCAfter(gBalanceCAnchorLast, theCPointer);
    else
        LinkCBefore(theCPointer, [&](const CBalance* c) { return DateKey(c->BDatime) > key || !IsATM(c); });
}

void SortDebitBalanceRecord(CBalance* theCPointer)
{
    const int64_t key = DateKey(theCPointer->BDatime);
    const CBalance* head = gBalanceCAnchor;
    const CBalance* last = gBalanceCAnchorLast;
    if (IsCheck(head) || (IsDebit(head) && DateKey(head->BDatime) >= key))
        LinkCAfter(nullptr, theCPointer);
    else if (IsATM(last) || (IsDebit(last) && DateKey(last->BDatime) <= key))
        LinkCAfter(gBalanceCAnchorLast, theCPointer);
    else
        LinkCBefore(theCPointer,
                    [&](const CBalance* c) { return IsCheck(c) || (!IsATM(c) && DateKey(c->BDatime) > key); });
}

void SortCheckBalanceRecord(CBalance* theCPointer)
{
    const int32_t number = theCPointer->BIdent;
    const CBalance* head = gBalanceCAnchor;
    const CBalance* last = gBalanceCAnchorLast;
    if (IsCheck(head) && head->BIdent >= number)
        LinkCAfter(nullptr, theCPointer);
    else if (IsCheck(last) && last->BIdent > number)
        LinkCBefore(theCPointer, [&](const CBalance* c) { return IsCheck(c) && c->BIdent > number; });
    else
        LinkCAfter(gBalanceCAnchorLast, theCPointer);
}

void SortDepositBalanceRecord(DBalance* theDPointer)
{
    const int64_t key = DateKey(theDPointer->BDatime);
    if (key >= DateKey(gBalanceDAnchorLast->BDatime))
        LinkDAfter(gBalanceDAnchorLast, theDPointer);
    else if (key <= DateKey(gBalanceDAnchor->BDatime))
        LinkDAfter(nullptr, theDPointer);
    else
        LinkDBefore(theDPointer, [&](const DBalance* d) { return DateKey(d->BDatime) > key; });
}

void ReloadCheckBalanceChain()
{
    // The records are made again from their transactions, which carry their ticks meanwhile.
    for (CBalance* c = gBalanceCAnchor; c;) {
        CBalance* next = c->BalanceCFP;
        c->HistoryRec->Checked = c->BChecked;
        c->HistoryRec->BalanceRec = nullptr;
        FreeCBalanceRecord(c);
        c = next;
    }
    gBalanceCAnchor = gBalanceCAnchorLast = nullptr;
    gCheckDisplayLines = 0;
    std::vector<AHistory*> outstanding;
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            const ARecord& slot = Accounts[Mi][Si];
            if (!slot.Valid || slot.SavingsFlag)
                continue;
            for (AHistory* h = MemoryAccounts[Mi][Si].HistoryRec; h; h = h->HistoryFP)
                if (!h->BalanceFlag && !h->UnDone && h->TypeFlag && (!h->TransferFlag || h->Savings))
                    outstanding.push_back(h);
        }
    CreateBalanceRecords(outstanding.data(), outstanding.size());
    IntegrityCheck4();
}

void SetBalanceTick(CBalance* theCPtr, bool ticked)
{
    theCPtr->BChecked = ticked ? 1 : 0;
    gBudgetFileChanged = 1;
}

void SetBalanceTick(DBalance* theDPtr, bool ticked)
{
    theDPtr->BChecked = ticked ? 1 : 0;
    gBudgetFileChanged = 1;
}

int ReadStatementText(const std::string& text)
{
    // Text without a digit ("", "-", "$") is no amount yet, though S2I reads it as 0.
    if (std::none_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    int32_t amount = 0;
    if (S2I(text.c_str(), &amount) != kS2IValid)
        return 0;
    gBudget.StatementBalance = amount;
    return 1;
}

void SumBalanceData()
{
    int64_t open = 0, ticked = 0;
    for (const CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
        (c->BChecked ? ticked : open) += c->BAmount;
    gBCheckTotal = Clamp(open);
    gBXCheckTotal = Clamp(ticked);
    open = ticked = 0;
    for (const DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
        (d->BChecked ? ticked : open) += d->BAmount;
    gBDepositTotal = Clamp(open);
    gBXDepositTotal = Clamp(ticked);
    // Shown clamped, but 0 only when the budget is balanced.
    gBalanceZero = Clamp(BalanceDifference());
}

void BalanceCheckbookCRecord(CBalance* theCPtr)
{
    AHistory* h = theCPtr->HistoryRec;
    h->BalanceFlag = 1;
    h->BalanceRec = nullptr;
}

void BalanceCheckbookDRecord(DBalance* theDPtr)
{
    ForEachDeposit(theDPtr, [](AHistory* h) {
        h->BalanceFlag = 1;
        h->BalanceRec = nullptr;
    });
}

void ResetHistoryBalanceCPointer(CBalance* theCPtr)
{
    theCPtr->HistoryRec->BalanceRec = theCPtr;
}

void ResetHistoryBalanceDPointer(DBalance* theDPtr)
{
    ForEachDeposit(theDPtr, [theDPtr](AHistory* h) { h->BalanceRec = theDPtr; });
}

void BalanceCheckbook()
{
    gBudgetFileChanged = 1;
    DBalance* deposits = gBalanceDAnchor;
    CBalance* withdrawals = gBalanceCAnchor;
    gBalanceDAnchor = gBalanceDAnchorLast = nullptr;
    gBalanceCAnchor = gBalanceCAnchorLast = nullptr;
    gCheckDisplayLines = gDepositDisplayLines = 0;

    // Unticked records stay outstanding, in their order; ticked ones are reconciled and freed.
    for (DBalance* d = deposits; d;) {
        DBalance* next = d->BalanceDFP;
        if (d->BChecked) {
            BalanceCheckbookDRecord(d);
            FreeDBalanceRecord(d);
        } else {
            LinkDAfter(gBalanceDAnchorLast, d);
            ResetHistoryBalanceDPointer(d);
            ++gDepositDisplayLines;
        }
        d = next;
    }
    for (CBalance* c = withdrawals; c;) {
        CBalance* next = c->BalanceCFP;
        if (c->BChecked) {
            BalanceCheckbookCRecord(c);
            FreeCBalanceRecord(c);
        } else {
            LinkCAfter(gBalanceCAnchorLast, c);
            ResetHistoryBalanceCPointer(c);
            ++gCheckDisplayLines;
        }
        c = next;
    }
    CheckbookLogRecord("Checkbook balanced");
    IntegrityCheck4();
    GetHost().InvalidateAccount(0, 1);
}

int ForceBalance()
{
    // The difference as it is, not as the window shows it: an adjustment that is not exactly
    // the difference would leave the Checkbook wrong and marked balanced.
    const int64_t d = BalanceDifference();
    if (d == 0)
        return 1;
    if (d < -INT32_MAX || d > INT32_MAX) {
        HandleSumRangeError(d);
        return 0;
    }
    char today[kDatimeSize];
    GetDatime(today);
    today[8] = 0;
    AHistory* rec;
    if (d > 0) {
        rec = PutMoneyIn(0, 0, static_cast<int32_t>(d), "Unknown", today, "Balance Checkbook");
    } else {
        const int64_t after = Accounts[0][1].Balance + d;
        if (!gBudget.CheckbookNegativeFlag && after < 0) {
            HandleInputError("This action would cause a negative", "balance.  That is not allowed");
            return 0;
        }
        rec = TakeMoneyOut(0, 0, static_cast<int32_t>(-d), "Unknown", today, "Balance Checkbook");
    }
    if (!rec)
        return 0;
    rec->BalanceFlag = 1;
    return 1;
}

int CompleteBalancing(int force)
{
    SumBalanceData();
    if (gBalanceZero != 0) {
        if (!force) {
            HandleBalanceError(gBalanceZero);
            return 0;
        }
        if (!ForceBalance())
            return 0;
    }
    BalanceCheckbook();
    gBudgetFileChanged = 1;
    CopyString("Checkbook Balanced", gInfoBox);
    GetHost().UpdateInfoBox();
    gBoxFlag = 1;
    return 1;
}

int DepositPieceCount(const DBalance* theDPtr)
{
    if (!theDPtr->theArray)
        return theDPtr->HistoryRec ? 1 : 0;
    return static_cast<int>(std::count_if(theDPtr->theArray, theDPtr->theArray + theDPtr->ArraySize,
                                          [](const AHistory* h) { return h != nullptr; }));
}
