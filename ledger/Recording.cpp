// Recording transactions and account setups as the dialogs' OK does after reading the fields.
#include "ledger/Recording.h"

#include "ledger/Balance.h"
#include "ledger/Budget.h"
#include "ledger/Pay.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Messages.h"
#include "model/Money.h"
#include "reminders/Remind.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>
#include <vector>

void SetSecondLine(AHistory* rec, int Mi, int Si)
{
    rec->Tri = 1;
    if (Accounts[Mi][Si].HFlag) {
        rec->HFlag = 1;
        MemoryAccounts[Mi][Si].DisplayLines++;
        ++gHistoryShape;
    }
}

namespace {

// Records of accounts in the checkbook take part in balancing.
void BalanceUnlessSavings(AHistory* rec, int Mi, int Si)
{
    if (!Accounts[Mi][Si].SavingsFlag)
        CreateBalanceRecord(rec);
}

// A field as the dialog's edit of `chars` characters reads it.
std::string Cut(const std::string& text, size_t chars)
{
    return text.substr(0, chars);
}

bool PayTicked(const bool ticked[kPayers])
{
    for (int i = 0; i < kPayers && i < gBudget.NumberOfPayers; ++i)
        if (ticked[i])
            return true;
    return false;
}

// The amount of a row that has one, as the rows were checked.
bool RowAmount(const MultiDepositRow& row, int32_t* amount)
{
    return !row.Amount.empty() && S2I(Cut(row.Amount, 15).c_str(), amount) == kS2IValid;
}

// The slot a row names, or false.
bool RowSlot(const MultiDepositRow& row, int* Mi, int* Si)
{
    const std::string account = Cut(row.Account, kNameChars);
    const std::string sub = Cut(row.SubAccount, kNameChars);
    return !account.empty() && FindAccountName(account.c_str(), sub.c_str(), Mi, Si);
}

}  // namespace

AHistory* RecordCheck(int Mi, int Si, const CheckEntry& entry)
{
    const bool savings = Accounts[Mi][Si].SavingsFlag != 0;
    const uint32_t number = entry.Debit || savings ? 0 : entry.Number;
    AHistory* rec = DebitAccount(Mi, Si, entry.Amount, static_cast<int32_t>(number), entry.PayTo, entry.Datime,
                                 entry.For, entry.Debit ? "" : entry.Memo);
    if (!rec)
        return nullptr;
    if (entry.Debit)
        rec->ATM = kWithdrawalDebit;
    rec->TaxFlag = entry.Tax ? 1 : 0;
    SetSecondLine(rec, Mi, Si);
    BalanceUnlessSavings(rec, Mi, Si);
    AdvanceCheckNumber(number);
    HandleReminder(rec, entry.Remind ? 1 : 0);
    gBudgetFileChanged = 1;
    return rec;
}

AHistory* RecordATM(int Mi, int Si, int32_t amount, const char* datime)
{
    AHistory* rec = DebitAccount(Mi, Si, amount, 0, "ATM Cash", datime, "", "");
    if (rec) {
        rec->ATM = kWithdrawalATM;
        BalanceUnlessSavings(rec, Mi, Si);
    }
    gBudgetFileChanged = 1;
    return rec;
}

AHistory* RecordDeposit(int Mi, int Si, int32_t amount, const char* from, const char* datime, const char* xfor,
                        bool remind)
{
    AHistory* rec = CreditAccount(Mi, Si, amount, from, datime, xfor);
    gBudgetFileChanged = 1;
    if (!rec)
        return nullptr;
    SetSecondLine(rec, Mi, Si);
    BalanceUnlessSavings(rec, Mi, Si);
    HandleReminder(rec, remind ? 1 : 0);
    return rec;
}

AHistory* RecordTransfer(int fm1, int fm2, int to1, int to2, int32_t amount, const char* datime, const char* xfor)
{
    AHistory* rec = Transfer(fm1, fm2, to1, to2, amount, datime, xfor);
    gBudgetFileChanged = 1;
    return rec;
}

int ChooseNewAccountSlot(int m, int s, FrontWindow front, int* Mi, int* Si)
{
    if (front.Is == FrontWindow::None)
        return 0;
    if (m < 1) {
        if (front.Is == FrontWindow::SubAccounts) {
            *Mi = front.Row;
            return ChooseSubAccountSlot(front.Row, Si);
        }
        if (front.Is != FrontWindow::Main)
            return 0;
        int free = 1;
        while (free < kMainAccounts && Accounts[free][0].Valid)
            ++free;
        if (free == kMainAccounts) {
            HandleSelectionError("There are no empty account boxes.", "");
            return 0;
        }
        *Mi = free;
        *Si = 0;
        return 1;
    }
    if (m >= kMainAccounts || s >= kSlots)
        return 0;
    if (s < 1) {
        *Mi = m;
        if (Accounts[m][0].Valid)
            return ChooseSubAccountSlot(m, Si);
        *Si = 0;
        return 1;
    }
    if (Accounts[m][s].Valid) {
        HandleSelectionError("Account already exists.", "");
        return 0;
    }
    *Mi = m;
    *Si = s;
    return 1;
}

int ChooseSubAccountSlot(int Mi, int* Si)
{
    if (Mi == 0) {
        HandleInputError("You can not create a sub account", "to the Available account.");
        return 0;
    }
    if (Mi < 0 || Mi >= kMainAccounts)
        return 0;
    int free = 1;
    while (free < kSlots && Accounts[Mi][free].Valid)
        ++free;
    if (free == kSlots) {
        HandleSelectionError("There are no empty account boxes.", "");
        return 0;
    }
    *Si = free;
    return 1;
}

int ChooseNewInvestAccount(int m, int* Ii)
{
    if (m < 1) {
        for (m = 1; m < kInvestments && Invest[m].Valid; ++m) {
        }
        if (m == kInvestments) {
            HandleSelectionError("There are no empty account boxes.", "");
            return 0;
        }
    } else if (m >= kInvestments || Invest[m].Valid) {
        HandleSelectionError("Account already exists.", "");
        return 0;
    }
    *Ii = m;
    return 1;
}

int RecordCategoryName(int Mi, const std::string& name)
{
    const std::string title = Cut(name, kCategoryChars);
    if (title.empty()) {
        HandleInputError("The Name field must be specified", "");
        return 0;
    }
    CopyString(title.c_str(), Accounts[Mi][0].SubName);
    gBudgetFileChanged = 1;
    return 1;
}

void TitleUnnamedCategory(int Mi)
{
    ARecord& main = Accounts[Mi][0];
    if (main.NumberOfSubAccounts > 0 && !main.SubName[0])
        CopyString("Category Name", main.SubName);
}

int AccountNameGiven(const std::string& name)
{
    if (!name.empty())
        return 1;
    HandleInputError("An account must be specified.", "");
    return 0;
}

int ReadAllocation(const std::string& text, int32_t* amount)
{
    int32_t value = 0;
    if (!text.empty() && S2I(text.c_str(), &value) != kS2IValid) {
        HandleDollarConversionError(text.c_str());
        return 0;
    }
    *amount = value;
    return 1;
}

int AllocationsAllowed()
{
    if (gBudget.NumberOfPayers > 0)
        return 1;
    HandleInputError("pYou can not allocate funds", "Before you define your pay's");
    return 0;
}

int RecordAccountSetup(int Mi, int Si, const char* name, bool savings,
                       const int32_t payAmounts[kPayers][kPaysPerMonth])
{
    const bool none[kPayers] = {};
    if (!PayLeftoversFit(gBudget.PayAmount, none, Mi, Si, payAmounts))
        return 0;
    ARecord& slot = Accounts[Mi][Si];
    if (!CString(name, slot.Name)) {
        std::string log;
        if (slot.Name[0])
            log = std::string(slot.Name) + " changed to " + name;
        else
            log = std::string(name) + (Si == 0 ? " account added to budget" : " sub account added to budget");
        CheckbookLogRecord(log.c_str());
    }
    CopyString(name, slot.Name);
    slot.SavingsFlag = savings ? 1 : 0;
    for (int p = 0; p < kPayers; ++p)
        for (int k = 0; k < kPaysPerMonth; ++k)
            slot.PayAmount[p][k] = payAmounts[p][k];
    if (!slot.Valid) {
        slot.Valid = 1;
        if (Si > 0) {
            Accounts[Mi][0].NumberOfSubAccounts++;
            slot.SavingsFlag = Accounts[Mi][0].SavingsFlag;
        }
    }
    gBudgetFileChanged = 1;
    Recalculate();
    return 1;
}

int ReadDialogAmount(const char* text, int32_t* amount)
{
    char field[16];
    CopyString(text, field);
    int32_t value = 0;
    if (S2I(field, &value) != kS2IValid) {
        HandleDollarConversionError(field);
        return 0;
    }
    if (value < 1 || value > kCheckbookCeiling) {
        HandleRangeError(field);
        return 0;
    }
    *amount = value;
    return 1;
}

int PayToGiven(const std::string& payTo)
{
    if (!payTo.empty())
        return 1;
    HandleInputError("The To field must be specified", "");
    return 0;
}

int FromGiven(const std::string& from)
{
    if (!from.empty())
        return 1;
    HandleInputError("The From field must be specified", "");
    return 0;
}

Digits ReadDigits(std::string_view text, uint64_t largest, uint64_t* value)
{
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return Digits::NotDigits;
    uint64_t read = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), read);
    if (error != std::errc() || read > largest)
        return Digits::TooLarge;
    *value = read;
    return Digits::Valid;
}

int ReadCheckNumber(const std::string& text, uint32_t* number)
{
    uint64_t value = 0;
    switch (ReadDigits(text, kLargestCheckNumber, &value)) {
    case Digits::NotDigits:
        HandleNumberConversionError(text.c_str());
        return 0;
    case Digits::TooLarge:
        HandleRangeError(text.c_str());
        return 0;
    case Digits::Valid:
        break;
    }
    if (value < 1) {
        HandleRangeError(text.c_str());
        return 0;
    }
    *number = static_cast<uint32_t>(value);
    return 1;
}

void AdvanceCheckNumber(uint32_t number)
{
    // The largest number is offered again rather than wrapping to a negative one.
    const int32_t id = static_cast<int32_t>(std::min<uint32_t>(number, kLargestCheckNumber));
    if (id > gBudget.HighestIdent)
        gBudget.HighestIdent = id;
    if (id == gBudget.HighestIdent && id < INT32_MAX)
        ++gBudget.HighestIdent;
}

int ReadDialogDatime(const char* text, char* theDatime)
{
    char field[16];
    CopyString(text, field);
    if (!ConvertInputDatime(field, theDatime)) {
        HandleDatimeConversionError(field);
        return 0;
    }
    return 1;
}

void RecordNote(int Mi, int Si, const char* text)
{
    CopyString(text, Accounts[Mi][Si].Note, kNoteChars + 1);
    gBudgetFileChanged = 1;
}

int CDepositDialogOK(const MultiDepositRow (&rows)[kMultiDepositRows], const bool ticked[kPayers],
                     MultiDepositFault* fault)
{
    auto refuse = [&](int row, MultiDepositField field) {
        if (fault)
            *fault = {row, field};
        return 0;
    };
    bool anyAmount = false;
    for (int r = 0; r < kMultiDepositRows; ++r) {
        const MultiDepositRow& row = rows[r];
        const std::string amountText = Cut(row.Amount, 15);
        if (amountText.empty())
            continue;
        int32_t amount = 0;
        if (S2I(amountText.c_str(), &amount) != kS2IValid) {
            HandleDollarConversionError(amountText.c_str());
            return refuse(r, MultiDepositField::Amount);
        }
        if (amount < 1 || amount > kMaxMultiDepositRow) {
            HandleRangeError(amountText.c_str());
            return refuse(r, MultiDepositField::Amount);
        }
        const std::string account = Cut(row.Account, kNameChars);
        if (account.empty()) {
            HandleInputError("An Account name must be specified.", "");
            return refuse(r, MultiDepositField::Account);
        }
        int Mi = 0;
        int Si = 0;
        if (!RowSlot(row, &Mi, &Si)) {
            HandleStandardError("Invalid Account Name", account.c_str(), Cut(row.SubAccount, kNameChars).c_str(),
                                "Please try again");
            return refuse(r, MultiDepositField::Account);
        }
        if (Accounts[Mi][Si].SavingsFlag) {
            HandleInputError("A savings account may not be specified.", "");
            return refuse(r, MultiDepositField::Account);
        }
        if (Cut(row.From, kPayeeChars).empty()) {
            HandleInputError("The From field must be specified.", "");
            return refuse(r, MultiDepositField::From);
        }
        anyAmount = true;
    }
    if (PayTicked(ticked) || anyAmount)
        return 1;
    HandleInputError("An amount must be specified.", "");
    return refuse(0, MultiDepositField::Amount);
}

int32_t RecordMultiDeposit(const MultiDepositRow (&rows)[kMultiDepositRows], const bool ticked[kPayers],
                           const char* theDatime)
{
    // The whole deposit, pays and rows, is checked before any of it is recorded.
    std::vector<PlannedCredit> plan;
    for (int i = 0; i < kPayers && i < gBudget.NumberOfPayers; ++i)
        if (ticked[i]) {
            char text[128];
            PlanPay(plan, gBudget.PayAmount[i], i, PayEntryText(i, theDatime, text));
        }
    for (const MultiDepositRow& row : rows) {
        int32_t amount = 0;
        int Mi = 0;
        int Si = 0;
        if (RowAmount(row, &amount) && RowSlot(row, &Mi, &Si))
            plan.push_back({Mi, Si, amount, 0});
    }
    if (!DepositFits(plan, 1))
        return 0;

    const int32_t depositID = ++gBudget.UniqueID;
    gBudgetFileChanged = 1;
    int64_t total = 0;
    for (int i = 0; i < kPayers && i < gBudget.NumberOfPayers; ++i) {
        if (!ticked[i])
            continue;
        char text[128];
        const int pay = PayEntryText(i, theDatime, text);
        PayAllAccounts(gBudget.PayAmount[i], i, pay, text, theDatime, "Pay", depositID);
        total += gBudget.PayAmount[i];
    }
    for (const MultiDepositRow& row : rows) {
        int32_t amount = 0;
        if (!RowAmount(row, &amount))
            continue;
        total += amount;
        int Mi = 0;
        int Si = 0;
        if (!RowSlot(row, &Mi, &Si))
            continue;
        AHistory* rec = CreditAccount(Mi, Si, amount, Cut(row.From, kPayeeChars).c_str(), theDatime,
                                      Cut(row.For, kForChars).c_str());
        if (!rec)
            continue;  // cannot happen after DepositFits
        SetSecondLine(rec, Mi, Si);
        rec->PayID = depositID;
        BalanceUnlessSavings(rec, Mi, Si);
    }

    CreateDepositSummary("Main Checkbook Deposit", depositID, static_cast<int32_t>(total), theDatime)->MultiDeposit = 1;
    return depositID;
}
