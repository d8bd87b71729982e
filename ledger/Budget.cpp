// The ledger engine: credits, debits, transfers, the pay totals and the account lookups.
#include "ledger/Budget.h"

#include "ledger/Balance.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Messages.h"
#include "model/Money.h"
#include "model/RecordStore.h"
#include "model/Selection.h"

#include <cstring>

namespace {

constexpr int kBoxWidth = 124;
constexpr int kBoxHeight = 64;

ARecord& Checkbook()
{
    return Accounts[0][1];
}

// 1 when moving amt (negative: out) keeps the slot's balance, and the Checkbook's when the slot
// is in the checkbook, inside the 32-bit range; otherwise tells the user.
bool BalancesStayInRange(int Mi, int Si, int64_t delta)
{
    const int64_t slot = Accounts[Mi][Si].Balance + delta;
    const int64_t book = Checkbook().Balance + (Accounts[Mi][Si].SavingsFlag ? 0 : delta);
    if (slot >= INT32_MIN && slot <= INT32_MAX && book >= INT32_MIN && book <= INT32_MAX)
        return true;
    char text[kAmountTextSize];
    I2S(static_cast<int32_t>(delta < 0 ? -delta : delta), text, 0);
    HandleRangeError(text);
    return false;
}

// The deposit ceiling: the Checkbook (whatever the target) may not reach 1,000,000.00.
bool BelowCeiling(int64_t checkbookAfter)
{
    if (checkbookAfter < kCheckbookCeiling)
        return true;
    char text[kAmountTextSize];
    I2S(static_cast<int32_t>(checkbookAfter > INT32_MAX ? INT32_MAX : checkbookAfter), text, 0);
    HandleRangeError(text);
    return false;
}

AHistory* MoveMoney(int Mi, int Si, int32_t amt, bool out, const char* payee, const char* datime, const char* xfor)
{
    const int64_t delta = out ? -static_cast<int64_t>(amt) : amt;
    if (!BalancesStayInRange(Mi, Si, delta))
        return nullptr;
    AHistory* rec = CreateHistoryRecord(Mi, Si);
    ARecord& slot = Accounts[Mi][Si];
    slot.Balance = static_cast<int32_t>(slot.Balance + delta);
    if (!slot.SavingsFlag)
        Checkbook().Balance = static_cast<int32_t>(Checkbook().Balance + delta);
    rec->Amt = amt;
    rec->Balance = slot.Balance;
    CopyString(payee, rec->PayToFm);
    CopyString(datime, rec->Datime);
    CopyString(xfor, rec->For);
    rec->TypeFlag = out ? 1 : 0;
    gBudgetFileChanged = 1;
    InvalidateAccountRect(Mi, Si);
    return rec;
}

void SetTransferLink(AHistory* rec, int Mi, int Si)
{
    rec->Memo[0] = static_cast<char>(gBudget.UniqueID & 0xff);
    rec->Memo[1] = static_cast<char>(Mi);
    rec->Memo[2] = static_cast<char>(Si);
    rec->Memo[3] = 0;
}

// Whether CreditAccount would take amt into (Mi, Si) with the Checkbook at `checkbook`, telling
// the user when not; so a transfer can be refused before its first half is recorded.
bool CreditWouldBeTaken(int Mi, int Si, int32_t amt, int64_t checkbook)
{
    if (!BelowCeiling(checkbook + amt))
        return false;
    const int64_t slot = static_cast<int64_t>(Accounts[Mi][Si].Balance) + amt;
    if (slot <= INT32_MAX)
        return true;
    char text[kAmountTextSize];
    I2S(amt, text, 0);
    HandleRangeError(text);
    return false;
}

// Pay slots of a payer that count less than a whole pay in an average month: the third of a
// bi-weekly and the fifth of a weekly payer.
int32_t MonthlyShare(int slots, int j, int32_t amount)
{
    if (slots == 3 && j == 2)
        return static_cast<int32_t>((2 * static_cast<int64_t>(amount)) / 12);
    if (slots == 5 && j == 4)
        return static_cast<int32_t>((4 * static_cast<int64_t>(amount)) / 12);
    return amount;
}

int Payers()
{
    const int n = gBudget.NumberOfPayers;
    return n < 0 ? 0 : (n > kPayers ? kPayers : n);
}

int16_t PercentOf(int64_t monthly)
{
    const int32_t total = TotalPay();
    return total == 0 ? 0 : static_cast<int16_t>(monthly * 100 / total);
}

bool InBox(POINT p, int h, int v)
{
    return p.x >= h && p.x < h + kBoxWidth && p.y >= v && p.y < v + kBoxHeight;
}

}  // namespace

AHistory* CreateHistoryRecord(int Mi, int Si)
{
    AHistory* rec = NewHistoryRecord();
    CoreRecord& core = MemoryAccounts[Mi][Si];
    rec->HistoryFP = core.HistoryRec;
    core.HistoryRec = rec;
    GetDatime(rec->RDatime);
    rec->Mi = static_cast<int16_t>(Mi);
    rec->Si = static_cast<int16_t>(Si);
    Accounts[Mi][Si].NumberOfHistoryRecords++;
    core.DisplayLines++;
    gBudgetFileChanged = 1;
    return rec;
}

AHistory* PutMoneyIn(int Mi, int Si, int32_t amt, const char* from, const char* datime, const char* xfor)
{
    return MoveMoney(Mi, Si, amt, false, from, datime, xfor);
}

AHistory* TakeMoneyOut(int Mi, int Si, int32_t amt, const char* too, const char* datime, const char* xfor)
{
    return MoveMoney(Mi, Si, amt, true, too, datime, xfor);
}

AHistory* CreditAccount(int Mi, int Si, int32_t amt, const char* from, const char* datime, const char* xfor)
{
    if (!BelowCeiling(static_cast<int64_t>(Checkbook().Balance) + amt))
        return nullptr;
    AHistory* rec = PutMoneyIn(Mi, Si, amt, from, datime, xfor);
    if (!rec)
        return nullptr;
    rec->CheckID = ++gBudget.UniqueID;
    return rec;
}

int CheckCheckbookAmounts(int32_t amt)
{
    const int32_t book = Checkbook().Balance;
    if (static_cast<int64_t>(book) - amt >= 0)
        return 1;
    if (!gBudget.CheckbookNegativeFlag) {
        HandleInputError("This transaction would cause your", "Checkbook to go negative.");
        return 0;
    }
    if (!gBudget.CheckbookWarnFlag)
        return 1;
    const char* lead = book >= 0 ? "Your checkbook is about to go negative" : "Your checkbook is negative";
    const int answer = GetHost().MessageBox(std::string(lead) + "\r\rDo you want to continue?", "Warning",
                                            MessageButtons::YesNo, MessageIcon::Warning);
    return answer == IDYES ? 1 : 0;
}

AHistory* DebitAccount(int Mi, int Si, int32_t amt, int32_t id, const char* from, const char* datime,
                       const char* xfor, const char* memo)
{
    ARecord& slot = Accounts[Mi][Si];
    if (!slot.SavingsFlag && !CheckCheckbookAmounts(amt))
        return nullptr;
    const bool available = Mi == 0 && Si == 0;
    if (!available && slot.Balance < amt) {
        if (slot.SavingsFlag) {
            HandleInputError("This transaction would cause your", "Savings account to go negative.");
            return nullptr;
        }
        const int32_t amtNeeded = static_cast<int32_t>(static_cast<int64_t>(amt) - slot.Balance);
        if (!GetHost().RunAvailableTransfer(Mi, Si, amtNeeded))
            return nullptr;
    }
    AHistory* rec = TakeMoneyOut(Mi, Si, amt, from, datime, xfor);
    if (!rec)
        return nullptr;
    rec->CheckID = id;
    CopyString(memo, rec->Memo);
    return rec;
}

AHistory* Transfer(int fm1, int fm2, int to1, int to2, int32_t amt, const char* datime, const char* xfor)
{
    const bool fromSavings = Accounts[fm1][fm2].SavingsFlag != 0;
    const bool toSavings = Accounts[to1][to2].SavingsFlag != 0;
    if (!fromSavings && toSavings && !CheckCheckbookAmounts(amt))
        return nullptr;
    // The to-half must not be refused after the from-half is recorded: test what its credit
    // will test, with the Checkbook as the debit leaves it.
    const int64_t bookAtCredit = static_cast<int64_t>(Checkbook().Balance) - (fromSavings ? 0 : amt);
    if (!CreditWouldBeTaken(to1, to2, amt, bookAtCredit))
        return nullptr;

    AHistory* from = DebitAccount(fm1, fm2, amt, 0, "", datime, xfor, "");
    if (!from)
        return nullptr;
    from->TransferFlag = 1;
    from->XferFm = 1;
    AHistory* to = CreditAccount(to1, to2, amt, "", datime, xfor);
    if (!to)
        return from;  // cannot happen after the test above; the from-half stays a plain debit
    to->TransferFlag = 1;
    CopyString(Accounts[to1][to2].Name, from->AccountName);
    CopyString(Accounts[fm1][fm2].Name, to->AccountName);

    if (fromSavings && !toSavings) {
        CreateBalanceRecord(to);
        to->Savings = 1;
        return from;
    }
    if (!fromSavings && toSavings) {
        CreateBalanceRecord(from);
        from->Savings = 1;
        return from;
    }
    ++gBudget.UniqueID;
    SetTransferLink(from, to1, to2);
    SetTransferLink(to, fm1, fm2);
    return from;
}

void Recalculate()
{
    for (int p = 0; p < kPayers; ++p)
        for (int j = 0; j < kPaysPerMonth; ++j) {
            int64_t given = 0;
            for (int Mi = 1; Mi < kMainAccounts; ++Mi)
                for (int Si = 0; Si < kSlots; ++Si)
                    given += Accounts[Mi][Si].PayAmount[p][j];
            Accounts[0][0].PayAmount[p][j] = static_cast<int32_t>(gBudget.PayAmount[p] - given);
        }
    gBudgetFileChanged = 1;
}

int GetMaxPays(int payType)
{
    switch (payType) {
    case 1004: case 1011: case 1018:
        return 5;
    case 1005: case 1012: case 1019:
        return 3;
    case 1006: case 1013: case 1020:
        return 2;
    case 1007: case 1014: case 1021:
        return 1;
    default:
        return 0;
    }
}

int32_t TotalPay()
{
    int64_t total = 0;
    for (int p = 0; p < Payers(); ++p) {
        const int64_t pay = gBudget.PayAmount[p];
        switch (GetMaxPays(gBudget.PayType[p])) {
        case 2:
            total += 2 * pay;
            break;
        case 3:
            total += 2 * pay + (2 * pay) / 12;
            break;
        case 5:
            total += 4 * pay + (4 * pay) / 12;
            break;
        default:
            total += pay;
            break;
        }
    }
    return static_cast<int32_t>(total);
}

void TotalMonthly(int Mi, int Si, int16_t* Percent, int32_t* Monthly)
{
    int64_t monthly = 0;
    for (int p = 0; p < Payers(); ++p) {
        const int slots = GetMaxPays(gBudget.PayType[p]);
        for (int j = 0; j < slots; ++j)
            monthly += MonthlyShare(slots, j, Accounts[Mi][Si].PayAmount[p][j]);
    }
    *Monthly = static_cast<int32_t>(monthly);
    *Percent = PercentOf(monthly);
}

void TotalSubMonthly(int Mi, int16_t* percent, int32_t* amount)
{
    int64_t total = 0;
    for (int Si = 0; Si < kSlots; ++Si) {
        if (!Accounts[Mi][Si].Valid)
            continue;
        int16_t slotPercent;
        int32_t slotMonthly;
        TotalMonthly(Mi, Si, &slotPercent, &slotMonthly);
        total += slotMonthly;
    }
    *amount = static_cast<int32_t>(total);
    *percent = PercentOf(total);
}

int FindAccountName(const char* mainName, const char* subName, int* Mi, int* Si)
{
    if (!mainName || !mainName[0])
        return 0;
    const bool withSub = subName && subName[0];
    for (int m = 0; m < kMainAccounts; ++m) {
        const ARecord& main = Accounts[m][0];
        const bool byName = CString(mainName, main.Name);
        const bool bySubName = CString(mainName, main.SubName);
        if (!withSub) {
            if (byName) {
                *Mi = m;
                *Si = 0;
                return 1;
            }
            continue;
        }
        if (!byName && !bySubName)
            continue;
        for (int s = 0; s < kSlots; ++s)
            if (CString(subName, Accounts[m][s].Name)) {
                *Mi = m;
                *Si = s;
                return 1;
            }
    }
    return 0;
}

int CheckOrDeposit(const AHistory* theHPtr)
{
    return !(theHPtr->TransferFlag || theHPtr->PayFlag || theHPtr->LogRecord || theHPtr->UnDone ||
             theHPtr->Archived || theHPtr->Savings);
}

int32_t TotalSubAccounts(int Mi)
{
    int64_t total = 0;
    for (int Si = 0; Si < kSlots; ++Si)
        if (Accounts[Mi][Si].Valid)
            total += Accounts[Mi][Si].Balance;
    return static_cast<int32_t>(total);
}

int ValidHistoryRecord(int Mi, int Si)
{
    int count = 0;
    if (gMainInvest) {
        for (const IHistory* r = MemoryInvest[Mi].HistoryRec; r; r = r->InvestFP)
            count += r->PPSUpdate ? 0 : 1;
        return count;
    }
    for (const AHistory* r = MemoryAccounts[Mi][Si].HistoryRec; r; r = r->HistoryFP)
        count += CheckOrDeposit(r);
    return count;
}

int FindMainAccountHCoordinate(int p)
{
    return p == 0 ? 432 : 4 + kBoxWidth * ((p - 1) % 5);
}

int FindMainAccountVCoordinate(int p)
{
    return p == 0 ? 22 : 110 + kBoxHeight * ((p - 1) / 5);
}

int FindSubAccountHCoordinate(int s)
{
    return s == 0 ? 146 : 22 + kBoxWidth * ((s - 1) % 3);
}

int FindSubAccountVCoordinate(int s)
{
    return s == 0 ? 16 : 80 + kBoxHeight * ((s - 1) / 3);
}

int ValidMainAccount(POINT thePoint, int flag)
{
    for (int p = 0; p < kMainAccounts; ++p)
        if (InBox(thePoint, FindMainAccountHCoordinate(p), FindMainAccountVCoordinate(p)) &&
            (!flag || Accounts[p][0].Valid))
            return p;
    return -1;
}

int ValidSubAccount(int Mi, POINT thePoint, int flag)
{
    for (int s = 0; s < kSlots; ++s)
        if (InBox(thePoint, FindSubAccountHCoordinate(s), FindSubAccountVCoordinate(s)) &&
            (!flag || Accounts[Mi][s].Valid))
            return s;
    return -1;
}
