// The Variable Pay window's list of accounts, its amounts and its recording.
#include "ledger/VariablePay.h"

#include "ledger/Balance.h"
#include "ledger/Budget.h"
#include "ledger/Pay.h"
#include "ledger/Recording.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Messages.h"
#include "model/Money.h"

#include <vector>

namespace {

bool HasHeading(int Mi)
{
    return Accounts[Mi][0].NumberOfSubAccounts > 0;
}

// The rows under main account Mi's heading: its accounts, slot 0 included.
int RowsUnder(int Mi)
{
    int rows = 0;
    for (int Si = 0; Si < kSlots; ++Si)
        rows += VPayAccount(Mi, Si) ? 1 : 0;
    return rows;
}

// The rows main account Mi takes in the list now.
int RowsOf(int Mi)
{
    if (!VPayListedMain(Mi))
        return 0;
    if (!HasHeading(Mi))
        return 1;
    return 1 + (MemoryAccounts[Mi][0].VPayExpanded ? RowsUnder(Mi) : 0);
}

void SetExpanded(int Mi, int expanded)
{
    for (int Si = 0; Si < kSlots; ++Si)
        MemoryAccounts[Mi][Si].VPayExpanded = expanded;
}

// A piece of the pay: credited with the pay's marks under the deposit number.
void CreditPiece(int Mi, int Si, int32_t amount, const char* from, const char* datime, int32_t depositID)
{
    AHistory* rec = CreditAccount(Mi, Si, amount, from, datime, "Pay");
    if (!rec)
        return;  // cannot happen after DepositFits
    rec->PayFlag = 1;
    SetSecondLine(rec, Mi, Si);
    rec->PayID = depositID;
    if (!Accounts[Mi][Si].SavingsFlag)
        CreateBalanceRecord(rec);
}

}  // namespace

bool VPayListedMain(int Mi)
{
    return Mi >= 1 && Mi < kMainAccounts && Accounts[Mi][0].Valid && !Accounts[Mi][0].SavingsFlag;
}

bool VPayAccount(int Mi, int Si)
{
    if (!VPayListedMain(Mi) || Si < 0 || Si >= kSlots)
        return false;
    if (!HasHeading(Mi))
        return Si == 0;
    // A savings sub account stays out, as savings never reach the checkbook the pay goes into.
    return Accounts[Mi][Si].Valid && !Accounts[Mi][Si].SavingsFlag;
}

void ClearVPay()
{
    for (auto& row : MemoryAccounts)
        for (CoreRecord& slot : row) {
            slot.VPayAmt = 0;
            slot.VPayExpanded = 0;
        }
}

int SetUpVPay()
{
    for (int Mi = 1; Mi < kMainAccounts; ++Mi)
        if (VPayListedMain(Mi) && HasHeading(Mi))
            SetExpanded(Mi, 1);
    return VPayRowCount();
}

int VPayRowCount()
{
    int rows = 0;
    for (int Mi = 1; Mi < kMainAccounts; ++Mi)
        rows += RowsOf(Mi);
    return rows;
}

int GetVAccount(int num, int* xMi, int* xSi, int* flag, int* start)
{
    if (num < 0)
        return 0;
    for (int Mi = 1; Mi < kMainAccounts; ++Mi) {
        const int rows = RowsOf(Mi);
        if (num >= rows) {
            num -= rows;
            continue;
        }
        *xMi = Mi;
        if (!HasHeading(Mi) || num == 0) {
            *xSi = 0;
            *flag = HasHeading(Mi) ? 1 : 0;
            *start = kVPayIndent;
            return 1;
        }
        // Row num of the heading's accounts, counted from 1.
        for (int Si = 0; Si < kSlots; ++Si)
            if (VPayAccount(Mi, Si) && --num == 0) {
                *xSi = Si;
                *flag = 0;
                *start = kVPaySubIndent;
                return 1;
            }
    }
    return 0;
}

int ToggleVPayHeading(int Mi)
{
    if (VPayListedMain(Mi) && HasHeading(Mi))
        SetExpanded(Mi, MemoryAccounts[Mi][0].VPayExpanded ? 0 : 1);
    return VPayRowCount();
}

int ReadVPayAmount(const std::string& text, int32_t* amount)
{
    const std::string field = text.substr(0, kVPayAmountChars);
    int32_t value = 0;
    if (S2I(field.c_str(), &value) != kS2IValid) {
        HandleDollarConversionError(field.c_str());
        return 0;
    }
    if (value < 0 || value > kCheckbookCeiling) {
        HandleRangeError(field.c_str());
        return 0;
    }
    *amount = value;
    return 1;
}

void SetVPayAmount(int Mi, int Si, int32_t amount)
{
    if (VPayAccount(Mi, Si))
        MemoryAccounts[Mi][Si].VPayAmt = amount;
}

int32_t VPayAmount(int Mi, int Si)
{
    return VPayAccount(Mi, Si) ? MemoryAccounts[Mi][Si].VPayAmt : 0;
}

int64_t ComputeRemaining(int32_t total)
{
    // An account deleted or made a savings account while the window is open gives nothing.
    int64_t remaining = total;
    for (int Mi = 1; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si)
            remaining -= VPayAmount(Mi, Si);
    return remaining;
}

int32_t RecordVariablePay(const VPayEntry& entry, VPayField* bad)
{
    auto refuse = [bad](VPayField field) {
        if (bad)
            *bad = field;
        return 0;
    };
    char datime[kDatimeSize] = {};
    if (!ReadDialogDatime(entry.Date.substr(0, kVPayAmountChars).c_str(), datime))
        return refuse(VPayField::Date);
    int32_t total = 0;
    if (!ReadDialogAmount(entry.Total.substr(0, kVPayAmountChars).c_str(), &total))
        return refuse(VPayField::Total);
    const std::string from = entry.From.substr(0, kVPayFromChars);
    if (from.empty()) {
        HandleInputError("The From field must be specified.", "");
        return refuse(VPayField::From);
    }
    const int64_t remainder = ComputeRemaining(total);
    if (remainder < 0) {
        HandleInputError("The amounts given out are more than the total pay.", "");
        return refuse(VPayField::Amount);
    }

    // The whole pay is checked before any piece of it is recorded.
    std::vector<PlannedCredit> plan;
    for (int Mi = 1; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si)
            if (VPayAmount(Mi, Si) > 0)
                plan.push_back({Mi, Si, VPayAmount(Mi, Si), 0});
    plan.push_back({0, 0, remainder, 0});
    if (!DepositFits(plan, 1))
        return refuse(VPayField::Total);

    const int32_t depositID = ++gBudget.UniqueID;
    for (const PlannedCredit& piece : plan)
        CreditPiece(piece.Mi, piece.Si, static_cast<int32_t>(piece.Amount), from.c_str(), datime, depositID);
    CreateDepositSummary(from.c_str(), depositID, total, datime);
    gBudgetFileChanged = 1;
    return depositID;
}
