// The sample budget of `budget-cli demo`.
#include "cli/Demo.h"

#include "ledger/Balance.h"
#include "ledger/Recording.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Money.h"
#include "model/RecordStore.h"
#include "reminders/ToDo.h"

#include <string>

namespace {

// Sets up a free slot as Account Setup does, with the monthly allocation from the main job; a
// first sub account titles its category until it is named.
void AddAccount(int Mi, int Si, const char* name, int32_t monthly = 0, bool savings = false)
{
    int32_t pay[kPayers][kPaysPerMonth] = {};
    pay[0][0] = monthly;
    RecordAccountSetup(Mi, Si, name, savings, pay);
    TitleUnnamedCategory(Mi);
}

// A day of last month in stored form, so the sample history lies in the past whatever today is.
std::string LastMonth(int day)
{
    char today[kDatimeSize];
    GetDatime(today);
    today[8] = 0;
    today[3] = '0';  // the 1st, a day every month has
    today[4] = '1';
    char month[kDatimeSize];
    IncrMonth(today, -1, month);
    char date[kDatimeSize];
    ConstructDate(day, GetMonth(month), GetYear(month), date, 1);
    return date;
}

std::string Today()
{
    char today[kDatimeSize];
    GetDatime(today);
    today[8] = 0;
    return today;
}

// A check with the next check number, or a debit.
void WriteCheck(int Mi, int Si, int32_t amount, const std::string& date, const char* payTo, const char* xfor,
                bool debit = false)
{
    CheckEntry entry;
    entry.Amount = amount;
    entry.Datime = date.c_str();
    entry.PayTo = payTo;
    entry.For = xfor;
    entry.Number = debit ? 0 : static_cast<uint32_t>(gBudget.HighestIdent);
    entry.Debit = debit;
    RecordCheck(Mi, Si, entry);
}

// A month of money in and out, balanced against the bank statement at its end, and a few
// transactions of this month that the bank has not seen yet.
void AddHistory()
{
    const struct {
        int Mi, Si;
        int32_t amount;
    } pay[] = {{0, 0, 75000}, {1, 0, 120000}, {2, 0, 50000}, {3, 0, 20000}, {4, 1, 15000}, {4, 2, 10000}, {5, 0, 30000}};
    for (const auto& p : pay)
        RecordDeposit(p.Mi, p.Si, p.amount, "Main Job", LastMonth(1).c_str(), "Pay", false);

    WriteCheck(1, 0, 115000, LastMonth(2), "Oak Street Apartments", "Rent");
    WriteCheck(2, 0, 8640, LastMonth(6), "Green Market", "Groceries", true);
    RecordATM(2, 0, 6000, LastMonth(10).c_str());
    WriteCheck(3, 0, 7425, LastMonth(12), "City Power & Light", "Electric");
    WriteCheck(4, 1, 4110, LastMonth(15), "Shell", "Fuel", true);
    RecordTransfer(2, 0, 6, 0, 5000, LastMonth(20).c_str(), "Birthday present");

    // The statement at the end of the month shows every one of them.
    for (CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP)
        SetBalanceTick(c, true);
    for (DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP)
        SetBalanceTick(d, true);
    gBudget.StatementBalance = Accounts[0][1].Balance;
    CompleteBalancing(0);

    WriteCheck(4, 2, 9800, Today(), "Safe Auto Insurance", "Monthly premium");
    WriteCheck(2, 0, 2315, Today(), "Corner Store", "Milk and bread", true);
    RecordDeposit(6, 0, 2500, "Grandma", Today().c_str(), "Gift money", false);
}

// A To Do item on the given day of the current month (stored date form).
void AddToDo(int day, const char* text)
{
    char now[kDatimeSize];
    GetDatime(now);
    now[8] = 0;
    ToDo* item = NewToDoRecord();
    ConstructDate(day, GetMonth(now), GetYear(now), item->Datime, 1);
    CopyString(text, item->ToDo);
    AddToDoRecord(item);
    gBudgetFileChanged = 1;
}

void SetPayer(int p, const char* name, int32_t amount, int16_t payType)
{
    CopyString(name, gBudget.PayName[p]);
    gBudget.PayAmount[p] = amount;
    gBudget.PayType[p] = payType;
}

}  // namespace

void BuildDemoBudget()
{
    // Two pay sources: a monthly salary and a bi-weekly part-time job.
    SetPayer(0, "Main Job", 320000, 1007);
    SetPayer(1, "Part Time", 45000, 1012);
    gBudget.NumberOfPayers = 2;
    CheckbookLogRecord("Pay setup changed");

    AddAccount(1, 0, "Rent", 120000);
    AddAccount(2, 0, "Groceries", 50000);
    AddAccount(3, 0, "Utilities", 20000);
    AddAccount(4, 0, "Car");
    AddAccount(4, 1, "Gas", 15000);
    AddAccount(4, 2, "Insurance", 10000);
    AddAccount(4, 3, "Repairs");
    RecordCategoryName(4, "Car Expenses");
    AddAccount(5, 0, "Savings", 30000, true);
    AddAccount(6, 0, "Gifts");
    AddHistory();

    RecordNote(1, 0, "Rent is due on the first of the month.");
    RecordNote(5, 0, "Emergency fund: three months of expenses.");

    AddToDo(10, "Renew the car insurance");
    AddToDo(20, "Call the landlord about the lease");

    // One investment with its price.
    InitializeInvestRecord(1);
    CopyString("Index Fund", Invest[1].Name);
    Invest[1].Valid = 1;
    GetDatime(Invest[1].Datime);
    Invest[1].Datime[8] = 0;
}
