// Pay setup and pay entry.
#include "ledger/Pay.h"

#include "ledger/Balance.h"
#include "ledger/Budget.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Messages.h"
#include "model/Money.h"

#include <charconv>
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

// An unsigned whole number of the digits 0 to 9 that fits 32 bits.
bool ReadUnsigned(const std::string& text, uint32_t* value)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, *value);
    return !text.empty() && CheckNumbers(text.c_str()) && error == std::errc() && stop == end;
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

int RecordPaySetup(const PaySetupEntry& entry, int* badSource)
{
    if (!PayeeDialogOK(entry, badSource))
        return 0;
    uint32_t next = 0;
    if (!ReadUnsigned(entry.NextCheck, &next))
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

void PayAllAccounts(int32_t amt, int payeeIndex, int amountIndex, const char* xfrom, const char* xdatime,
                    const char* xfor, int32_t DepositID)
{
    int32_t remainder = amt;
    for (int Mi = 1; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            const ARecord& slot = Accounts[Mi][Si];
            const int32_t a = slot.PayAmount[payeeIndex][amountIndex];
            if (!slot.Valid || a <= 0)
                continue;
            // A savings allocation comes on top of the pay; it never reaches the checkbook.
            if (!slot.SavingsFlag)
                remainder -= a;
            if (AHistory* rec = CreditAccount(Mi, Si, a, xfrom, xdatime, xfor)) {
                rec->CheckID = rec->PayID = DepositID;
                rec->PayFlag = 1;
                if (!slot.SavingsFlag)
                    CreateBalanceRecord(rec);
            }
        }
    // What is left goes to "Available", even when nothing or less than nothing is left.
    if (AHistory* rec = CreditAccount(0, 0, remainder, xfrom, xdatime, xfor)) {
        rec->PayID = DepositID;
        rec->PayFlag = 1;
        CreateBalanceRecord(rec);
    }
    gBudgetFileChanged = 1;
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
