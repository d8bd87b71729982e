// Pay setup and pay entry.
#include "ledger/Pay.h"

#include "ledger/Balance.h"
#include "ledger/Budget.h"
#include "ledger/Recording.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Messages.h"
#include "model/Money.h"

#include <cstring>

namespace {

// A name or amount as the dialog's 14-character edits read it.
struct EditText {
    explicit EditText(const std::string& text) { CopyString(text.c_str(), Text); }
    char Text[15];
};

void LogPayChange(const std::string& text)
{
    gBudgetFileChanged = 1;
    CheckbookLogRecord(text.c_str());
}

const char* const kPayOrdinals[kPaysPerMonth] = {"first", "second", "third", "forth", "fifth"};

}  // namespace

int PayFrequency(int source)
{
    const int f = gBudget.PayType[source] - PayTypeButton(source, 0);
    return f >= kPayWeekly && f <= kPayMonthly ? f : -1;
}

PaySetupEntry CurrentPaySetup()
{
    PaySetupEntry entry;
    for (int i = 0; i < kPayers; ++i) {
        if (i < gBudget.NumberOfPayers) {
            entry.Sources[i].Name = RecordText(gBudget.PayName[i]);
            entry.Sources[i].Amount = MoneyText(gBudget.PayAmount[i]);
        }
        entry.Sources[i].PayType = gBudget.PayType[i];
    }
    entry.NextCheck = std::to_string(static_cast<uint32_t>(gBudget.HighestIdent));
    return entry;
}

int PayeeDialogOK(const PaySetupEntry& entry, int* badSource)
{
    bool named = false;
    for (int i = 0; i < kPayers; ++i) {
        if (!EditText(entry.Sources[i].Name).Text[0])
            continue;
        named = true;
        EditText amount(entry.Sources[i].Amount);
        int32_t value = 0;
        const int16_t result = S2I(amount.Text, &value);
        if (result != kS2IValid || value > kMaxPayAmount) {
            if (result != kS2IValid)
                HandleDollarConversionError(amount.Text);
            else
                HandleRangeError(amount.Text);
            if (badSource)
                *badSource = i;
            return 0;
        }
    }
    return named ? 1 : 0;
}

void HandlePayChanges(const PaySetupEntry& entry)
{
    bool used[kPayers] = {};
    int count = 0;
    for (int i = 0; i < kPayers; ++i) {
        const EditText name(entry.Sources[i].Name);
        EditText amountText(entry.Sources[i].Amount);
        int32_t amount = 0;
        if (S2I(amountText.Text, &amount) != kS2IValid)
            amount = 0;
        const std::string newAmount = MoneyText(amount);
        const std::string oldName = RecordText(gBudget.PayName[i]);
        const std::string oldAmount = MoneyText(gBudget.PayAmount[i]);

        if (!name.Text[0]) {
            if (!oldName.empty()) {
                LogPayChange(oldName + " with pay of " + oldAmount + " deleted");
                ClearPayer(i);
            }
            continue;
        }
        used[i] = true;
        ++count;
        if (oldName.empty())
            LogPayChange(std::string(name.Text) + " added with pay of " + newAmount);
        else if (oldName != name.Text)
            LogPayChange(oldName + " changed to " + name.Text + " with pay of " + newAmount);
        else if (amount != gBudget.PayAmount[i])
            LogPayChange(oldName + " pay of " + oldAmount + " changed to " + newAmount);
        CopyString(name.Text, gBudget.PayName[i]);
        gBudget.PayAmount[i] = amount;
    }
    gBudget.NumberOfPayers = static_cast<int16_t>(count);

    // The sources in use are always slots 0 to NumberOfPayers - 1.
    if (!used[0] && used[1]) {
        MoveAndClearPayer(1, 0);
        if (used[2])
            MoveAndClearPayer(2, 1);
    } else if (!used[0] && used[2]) {
        MoveAndClearPayer(2, 0);
    } else if (used[0] && !used[1] && used[2]) {
        MoveAndClearPayer(2, 1);
    }
}

int RecordPaySetup(const PaySetupEntry& entry, int* badField)
{
    if (!PayeeDialogOK(entry, badField))
        return 0;
    uint32_t next = 0;
    if (!ReadCheckNumber(entry.NextCheck, &next)) {
        if (badField)
            *badField = kBadNextCheck;
        return 0;
    }
    // What each pay leaves "Available" afterwards: a source keeps its allocations with its new
    // amount wherever the gaps are closed, and a source whose name is emptied loses them.
    int32_t pay[kPayers] = {};
    bool cleared[kPayers] = {};
    for (int i = 0; i < kPayers; ++i) {
        const EditText name(entry.Sources[i].Name);
        EditText amount(entry.Sources[i].Amount);
        if (name.Text[0])
            S2I(amount.Text, &pay[i]);  // checked by PayeeDialogOK
        else
            cleared[i] = gBudget.PayName[i][0] != 0;
    }
    if (!PayLeftoversFit(pay, cleared))
        return 0;
    gBudget.HighestIdent = static_cast<int32_t>(next);
    for (int i = 0; i < kPayers; ++i)
        gBudget.PayType[i] = entry.Sources[i].PayType;
    HandlePayChanges(entry);
    Recalculate();
    gBudgetFileChanged = 1;
    return 1;
}

void ClearPayer(int num)
{
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si)
            for (int k = 0; k < kPaysPerMonth; ++k)
                Accounts[Mi][Si].PayAmount[num][k] = 0;
    gBudget.PayAmount[num] = 0;
    std::memset(gBudget.PayName[num], 0, sizeof gBudget.PayName[num]);
    gBudget.PayType[num] = PayTypeButton(num, kPayMonthly);
}

void MoveAndClearPayer(int fm, int to)
{
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si)
            for (int k = 0; k < kPaysPerMonth; ++k) {
                Accounts[Mi][Si].PayAmount[to][k] = Accounts[Mi][Si].PayAmount[fm][k];
                Accounts[Mi][Si].PayAmount[fm][k] = 0;
            }
    gBudget.PayType[to] = static_cast<int16_t>(gBudget.PayType[fm] - 7 * (fm - to));
    gBudget.PayType[fm] = PayTypeButton(fm, kPayMonthly);
    gBudget.PayAmount[to] = gBudget.PayAmount[fm];
    gBudget.PayAmount[fm] = 0;
    std::memcpy(gBudget.PayName[to], gBudget.PayName[fm], sizeof gBudget.PayName[to]);
    std::memset(gBudget.PayName[fm], 0, sizeof gBudget.PayName[fm]);
}

int PayOfTheMonth(int index, int theDay)
{
    const int d = theDay < 1 ? 1 : theDay;
    switch (GetMaxPays(gBudget.PayType[index])) {
    case 5:
        return d > 28 ? 5 : (d - 1) / 7 + 1;
    case 3:
        return d > 28 ? 3 : (d - 1) / 14 + 1;
    case 2:
        return d > 15 ? 2 : 1;
    default:
        return 1;
    }
}

int PayString(int i, const char* theDatime, char* thePassedString)
{
    const int pay = PayOfTheMonth(i, GetDay(theDatime)) - 1;
    const std::string text = RecordText(gBudget.PayName[i]) + "'s " +
                             kPayOrdinals[pay] + " pay of the month.";
    CopyString(text.c_str(), thePassedString, 128);
    return pay;
}

int PayEntryText(int i, const char* theDatime, char (&text)[128])
{
    const int pay = PayString(i, theDatime, text);
    const std::string full = std::string(text) + " (" + MoneyText(gBudget.PayAmount[i]) + ")";
    CopyString(full.c_str(), text);
    return pay;
}

void PlanPay(std::vector<PlannedCredit>& plan, int32_t amt, int payeeIndex, int amountIndex, int deposit)
{
    int64_t remainder = amt;
    for (int Mi = 1; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            const ARecord& slot = Accounts[Mi][Si];
            const int32_t a = slot.PayAmount[payeeIndex][amountIndex];
            if (!slot.Valid || a <= 0)
                continue;
            // A savings allocation comes on top of the pay; it never reaches the checkbook.
            if (!slot.SavingsFlag)
                remainder -= a;
            plan.push_back({Mi, Si, a, deposit});
        }
    // What is left goes to "Available", even when nothing or less than nothing is left.
    plan.push_back({0, 0, remainder, deposit});
}

int PayAllAccounts(int32_t amt, int payeeIndex, int amountIndex, const char* xfrom, const char* xdatime,
                   const char* xfor, int32_t DepositID)
{
    std::vector<PlannedCredit> plan;
    PlanPay(plan, amt, payeeIndex, amountIndex);
    if (!DepositFits(plan, 0))
        return 0;
    for (const PlannedCredit& piece : plan) {
        // Taken as checked: CreditAccount tests what DepositFits tested.
        AHistory* rec = CreditAccount(piece.Mi, piece.Si, static_cast<int32_t>(piece.Amount), xfrom, xdatime, xfor);
        if (!rec)
            continue;
        const bool available = piece.Mi == 0;
        if (!available)
            rec->CheckID = DepositID;  // the remainder keeps the UniqueID it drew
        rec->PayID = DepositID;
        rec->PayFlag = 1;
        if (!Accounts[piece.Mi][piece.Si].SavingsFlag)
            CreateBalanceRecord(rec);
    }
    gBudgetFileChanged = 1;
    return 1;
}

AHistory* CreateDepositSummary(const char* text, int32_t DepositID, int32_t amount, const char* theDatime)
{
    AHistory* log = CreateHistoryRecord(0, 1);
    log->LogRecord = 1;
    log->PayFlag = 1;
    log->PayID = DepositID;
    log->Amt = amount;
    log->Balance = Accounts[0][1].Balance;
    CopyString(text, log->PayToFm);
    CopyString(theDatime, log->Datime);
    return log;
}

int RecordPayEntry(const bool ticked[kPayers], const char* theDatime)
{
    // All ticked pays are one OK: each is checked after those before it, and none is recorded
    // unless all can be.
    std::vector<PlannedCredit> plan;
    int pays = 0;
    for (int i = 0; i < kPayers && i < gBudget.NumberOfPayers; ++i)
        if (ticked[i]) {
            char text[128];
            PlanPay(plan, gBudget.PayAmount[i], i, PayEntryText(i, theDatime, text), pays++);
        }
    if (!DepositFits(plan, pays))
        return kPayRefused;

    int entered = 0;
    for (int i = 0; i < kPayers && i < gBudget.NumberOfPayers; ++i) {
        if (!ticked[i])
            continue;
        char text[128];
        const int pay = PayEntryText(i, theDatime, text);
        const int32_t depositID = ++gBudget.UniqueID;
        PayAllAccounts(gBudget.PayAmount[i], i, pay, text, theDatime, "Pay", depositID);

        CreateDepositSummary(text, depositID, gBudget.PayAmount[i], theDatime);
        ++entered;
    }
    gBudgetFileChanged = 1;
    return entered;
}
