// Budgets for tests, put straight into the model.
#include "support/SampleBudget.h"

#include "ledger/Recording.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Money.h"
#include "model/RecordStore.h"
#include "reminders/ToDo.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

void AddTestAccount(int Mi, int Si, const char* name, bool savings)
{
    InitializeAccountRecord(Mi, Si);
    ARecord& a = Accounts[Mi][Si];
    CopyString(name, a.Name);
    a.Valid = 1;
    a.SavingsFlag = savings ? 1 : 0;
    if (Si > 0) {
        Accounts[Mi][0].NumberOfSubAccounts++;
        if (!Accounts[Mi][0].SubName[0])
            CopyString("Category Name", Accounts[Mi][0].SubName);
    }
}

void RecordTestAccount(int Mi, int Si, const char* name, bool savings)
{
    const int32_t none[kPayers][kPaysPerMonth] = {};
    RecordAccountSetup(Mi, Si, name, savings, none);
}

int SetPaySource(int i, const std::string& name, const std::string& amount, int frequency)
{
    PaySetupEntry entry = CurrentPaySetup();
    entry.Sources[i] = {name, amount, PayTypeButton(i, frequency)};
    return RecordPaySetup(entry);
}

AHistory* AddTestHistory(int Mi, int Si, int32_t amount, bool out, const char* payee)
{
    AHistory* h = NewHistoryRecord();
    h->HistoryFP = MemoryAccounts[Mi][Si].HistoryRec;
    MemoryAccounts[Mi][Si].HistoryRec = h;
    Accounts[Mi][Si].NumberOfHistoryRecords++;
    MemoryAccounts[Mi][Si].DisplayLines++;
    Accounts[Mi][Si].Balance += out ? -amount : amount;
    h->Balance = Accounts[Mi][Si].Balance;
    h->Amt = amount;
    h->TypeFlag = out ? 1 : 0;
    h->Mi = static_cast<int16_t>(Mi);
    h->Si = static_cast<int16_t>(Si);
    CopyString("12/01/26", h->Datime);
    CopyString("12/01/26 09:30a", h->RDatime);
    CopyString(payee, h->PayToFm);
    return h;
}

void SetTestReminder(AHistory* h, const char* due, int notice, int type)
{
    char julian[6];
    C2J(due, julian);
    SetJDate(h, julian);
    SetRemTime(h, notice);
    SetRemType(h, type);
    h->Remind = 1;
}

// Makes investment Ii valid with `records` records in its chain.
static void AddTestInvestment(int Ii, const char* name, int32_t price, int records)
{
    InitializeInvestRecord(Ii);
    IRecord& r = Invest[Ii];
    CopyString(name, r.Name);
    r.Valid = 1;
    r.CostPerShare = price;
    CopyString("11/30/26", r.Datime);
    for (int k = 0; k < records; ++k) {
        IHistory* h = NewInvestHistoryRecord();
        h->InvestFP = MemoryInvest[Ii].HistoryRec;
        MemoryInvest[Ii].HistoryRec = h;
        r.NumberOfHistoryRecords++;
        h->CostPerShare = price + k;
        h->NumberOfShares = 1000 * (k + 1);
        h->TotalShares = 1000 * (k + 1) * (k + 2) / 2;
        h->Ii = static_cast<int16_t>(Ii);
        CopyString("11/02/26", h->Datime);
        CopyString("11/02/26 10:00a", h->RDatime);
        h->TypeFlag = static_cast<char>(k % 2);
    }
}

void BuildRichTestBudget()
{
    AddTestAccount(1, 0, "Rent");
    AddTestAccount(2, 0, "Car");
    AddTestAccount(2, 1, "Gas");
    AddTestAccount(2, 6, "Repairs");
    AddTestAccount(3, 0, "Savings", true);
    CopyString("Pay the rent on the first.", Accounts[1][0].Note);
    Accounts[1][0].PayAmount[1][3] = 12345;
    Accounts[2][0].HFlag = 0;

    AHistory* check = AddTestHistory(1, 0, 80000, true, "Landlord");
    check->CheckID = 1001;
    check->Tri = check->TaxFlag = check->BalanceFlag = 1;
    check->HFlag = 1;  // shown with its second line, as the check dialog leaves it
    CopyString("December", check->For);
    CopyString("unit 4", check->Memo);
    AHistory* reminder = AddTestHistory(1, 0, 500, false, "Refund");
    reminder->Remind = 1;
    // A reminder fills the date field to its last byte.
    reminder->Datime[8] = ' ';
    SetJDate(reminder, "26350");
    SetRemTime(reminder, 5);
    SetRemType(reminder, 1206);
    AHistory* out = AddTestHistory(2, 1, 2500, true, "Transfer");
    out->TransferFlag = out->XferFm = 1;
    CopyString("Repairs", out->AccountName);
    std::memcpy(out->Memo, "\7\2\6", 4);
    AHistory* in = AddTestHistory(2, 6, 2500, false, "Transfer");
    in->TransferFlag = in->Checked = 1;
    in->ATM = kWithdrawalDebit;
    CopyString("Gas", in->AccountName);
    std::memcpy(in->Memo, "\7\2\1", 4);
    AddTestHistory(3, 0, 100000, false, "Bonus")->PayID = 4;
    CheckbookLogRecord("Checkbook balanced");

    AddTestInvestment(1, "Index Fund", 123456, 3);
    AddTestInvestment(7, "Bonds", 9999, 1);
    for (const auto& [date, text] : {std::pair{"12/24/26", "Buy presents"}, {"12/10/26", "Call the bank"}}) {
        ToDo* t = NewToDoRecord();
        CopyString(date, t->Datime);
        CopyString(text, t->ToDo);
        AddToDoRecord(t);
    }
    gToDoAnchor->Display = 1;  // "Call the bank", the earlier

    gBudget.HighestIdent = 1002;
    gBudget.UniqueID = 8;
    gBudget.StatementBalance = -4200;
    gBudget.PrintField[3] = {10, 20, 300, 40};
    gBudget.HistoryFont.lfHeight = -13;
    CopyString("DejaVu Sans", gBudget.HistoryFont.lfFaceName);
    gBudget.HFontSet = 1;
    gBudget.NumberOfPayers = 1;
    CopyString("Employer", gBudget.PayName[0]);
    gBudget.PayAmount[0] = 250000;
    CopyString("EUR", gIntRec.DollarSymbol);
    gIntRec.Flag1 = kIntSymbolAfter | kIntSymbolSpace | kIntDayMonthYear;
    gIntRec.DecimalSymbol = ',';
    gIntRec.GroupSymbol = '.';
}

void BuildLargeTestBudget(int records)
{
    for (int Mi = 1; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            char name[16];
            std::snprintf(name, sizeof name, "Acct %d.%d", Mi, Si);
            AddTestAccount(Mi, Si, name);
        }
    const int slots = (kMainAccounts - 1) * kSlots;
    for (int k = 0; k < records; ++k) {
        const int slot = k % slots;
        AHistory* h = AddTestHistory(1 + slot / kSlots, slot % kSlots, 100 + k % 977, k % 3 == 0, "Grocery Store");
        h->CheckID = 1000 + k;
        h->BalanceFlag = 1;
    }
}

std::vector<uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
