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

#include <algorithm>
#include <cstring>
#include <string>

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

bool InRange(int64_t value)
{
    return value >= INT32_MIN && value <= INT32_MAX;
}

// The deposit ceiling: the Checkbook (whatever the target) may not reach 1,000,000.00.
bool BelowCeiling(int64_t checkbookAfter)
{
    if (checkbookAfter < kCheckbookCeiling)
        return true;
    HandleSumRangeError(checkbookAfter);
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
int64_t MonthlyShare(int slots, int j, int32_t amount)
{
    if (slots == 3 && j == 2)
        return (2 * static_cast<int64_t>(amount)) / 12;
    if (slots == 5 && j == 4)
        return (4 * static_cast<int64_t>(amount)) / 12;
    return amount;
}

int Payers()
{
    const int n = gBudget.NumberOfPayers;
    return n < 0 ? 0 : (n > kPayers ? kPayers : n);
}

// The monthly sums in 64 bits, so that a budget holding large allocations is told, not wrapped.
int64_t MonthlyIncome()
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
    return total;
}

int64_t SlotMonthly(int Mi, int Si)
{
    int64_t monthly = 0;
    for (int p = 0; p < Payers(); ++p) {
        const int slots = GetMaxPays(gBudget.PayType[p]);
        for (int j = 0; j < slots; ++j)
            monthly += MonthlyShare(slots, j, Accounts[Mi][Si].PayAmount[p][j]);
    }
    return monthly;
}

// A monthly amount and its share of the income into the 32-bit amount and 16-bit percent the
// callers show; 0 after the range message when either does not fit.
int MonthlyResult(int64_t monthly, int16_t* percent, int32_t* amount)
{
    *percent = 0;
    *amount = 0;
    const int64_t income = MonthlyIncome();
    const int64_t share = income == 0 ? 0 : monthly * 100 / income;
    for (const int64_t sum : {monthly, income})
        if (!InRange(sum)) {
            HandleSumRangeError(sum);
            return 0;
        }
    if (share < INT16_MIN || share > INT16_MAX) {
        HandleRangeError((std::to_string(share) + "%").c_str());
        return 0;
    }
    *percent = static_cast<int16_t>(share);
    *amount = static_cast<int32_t>(monthly);
    return 1;
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
    ++gHistoryShape;
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

std::string SumText(int64_t sum)
{
    if (InRange(sum))
        return MoneyText(static_cast<int32_t>(sum));
    // As I2S writes an amount, for a number of more digits.
    const uint64_t magnitude = sum < 0 ? 0 - static_cast<uint64_t>(sum) : static_cast<uint64_t>(sum);
    const std::string digits = std::to_string(magnitude);  // at least 10 digits, more than the places
    const size_t places = static_cast<size_t>(std::clamp<int>(gIntRec.DecimalPlaces, 0, 4));
    char grouped[kAmountTextSize];
    I2SGroup(digits.substr(0, digits.size() - places).c_str(), grouped);
    const std::string number = std::string(sum < 0 ? "-" : "") + grouped + gIntRec.DecimalSymbol +
                               digits.substr(digits.size() - places);
    char symbol[16];
    I2SSymbol(symbol);
    return (gIntRec.Flag1 & 1) ? number + symbol : symbol + number;
}

void HandleSumRangeError(int64_t sum)
{
    HandleRangeError(SumText(sum).c_str());
}

int UniqueIDsLeft(int64_t count)
{
    if (count <= 0)
        return 1;
    const int64_t first = static_cast<int64_t>(gBudget.UniqueID) + 1;
    if (first >= 1 && first + count - 1 <= INT32_MAX)
        return 1;
    HandleRangeError(std::to_string(first < 1 ? first : static_cast<int64_t>(INT32_MAX) + 1).c_str());
    return 0;
}

AHistory* CreditAccount(int Mi, int Si, int32_t amt, const char* from, const char* datime, const char* xfor)
{
    if (!BelowCeiling(static_cast<int64_t>(Checkbook().Balance) + amt) || !UniqueIDsLeft(1))
        return nullptr;
    AHistory* rec = PutMoneyIn(Mi, Si, amt, from, datime, xfor);
    if (!rec)
        return nullptr;
    rec->CheckID = ++gBudget.UniqueID;
    return rec;
}

int DepositFits(std::span<const PlannedCredit> credits, int depositNumbers)
{
    if (!UniqueIDsLeft(static_cast<int64_t>(credits.size()) + depositNumbers))
        return 0;
    int64_t balance[kMainAccounts][kSlots];
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si)
            balance[Mi][Si] = Accounts[Mi][Si].Balance;
    int64_t& book = balance[0][1];
    int deposit = -1;
    int64_t bookBefore = 0;  // the Checkbook before the pieces of this deposit
    for (const PlannedCredit& c : credits) {
        if (c.Deposit != deposit) {
            deposit = c.Deposit;
            bookBefore = book;
        }
        if (!InRange(c.Amount)) {
            HandleSumRangeError(c.Amount);
            return 0;
        }
        if (!BelowCeiling(book + c.Amount))
            return 0;
        const bool savings = Accounts[c.Mi][c.Si].SavingsFlag != 0;
        const int64_t slot = balance[c.Mi][c.Si] + c.Amount;
        const int64_t bookAfter = book + (savings ? 0 : c.Amount);
        // The deposit's total in the checkbook is what balancing lists and the summary carries.
        if (!InRange(slot) || !InRange(bookAfter) || !InRange(bookAfter - bookBefore)) {
            HandleSumRangeError(c.Amount);
            return 0;
        }
        balance[c.Mi][c.Si] = slot;
        book = bookAfter;
    }
    return 1;
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
    // The to-half's UniqueID, and the link of two halves on the same side of the Checkbook.
    if (!UniqueIDsLeft(fromSavings == toSavings ? 2 : 1))
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

namespace {

// What pay j of source p leaves "Available" once every slot of main accounts 1 to 25 (valid or
// not) has its allocation: pay minus their sum, with slot (Mi, Si) allocated `allocations`
// instead of its own when they are given.
int64_t PayLeftover(int64_t pay, int p, int j, int Mi = -1, int Si = -1,
                    const int32_t (*allocations)[kPaysPerMonth] = nullptr)
{
    int64_t given = 0;
    for (int m = 1; m < kMainAccounts; ++m)
        for (int s = 0; s < kSlots; ++s)
            given += allocations && m == Mi && s == Si ? allocations[p][j] : Accounts[m][s].PayAmount[p][j];
    return pay - given;
}

}  // namespace

int PayLeftoversFit(const int32_t pay[kPayers], const bool cleared[kPayers], int Mi, int Si,
                    const int32_t (*allocations)[kPaysPerMonth])
{
    for (int p = 0; p < kPayers; ++p)
        for (int j = 0; j < kPaysPerMonth && !cleared[p]; ++j)
            if (const int64_t left = PayLeftover(pay[p], p, j, Mi, Si, allocations); !InRange(left)) {
                HandleSumRangeError(left);
                return 0;
            }
    return 1;
}

int Recalculate()
{
    const bool none[kPayers] = {};
    if (!PayLeftoversFit(gBudget.PayAmount, none))
        return 0;
    for (int p = 0; p < kPayers; ++p)
        for (int j = 0; j < kPaysPerMonth; ++j)
            Accounts[0][0].PayAmount[p][j] = static_cast<int32_t>(PayLeftover(gBudget.PayAmount[p], p, j));
    gBudgetFileChanged = 1;
    return 1;
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
    const int64_t total = MonthlyIncome();
    if (InRange(total))
        return static_cast<int32_t>(total);
    HandleSumRangeError(total);
    return 0;
}

int TotalMonthly(int Mi, int Si, int16_t* Percent, int32_t* Monthly)
{
    return MonthlyResult(SlotMonthly(Mi, Si), Percent, Monthly);
}

int TotalSubMonthly(int Mi, int16_t* percent, int32_t* amount)
{
    int64_t total = 0;
    for (int Si = 0; Si < kSlots; ++Si)
        if (Accounts[Mi][Si].Valid)
            total += SlotMonthly(Mi, Si);
    return MonthlyResult(total, percent, amount);
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
