// The sample budget of `budget-cli demo`.
#include "cli/Demo.h"

#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Money.h"
#include "model/RecordStore.h"
#include "reminders/ToDo.h"

#include <string>

namespace {

// Sets up a free slot as a new account and writes the log entry account setup writes.
void AddAccount(int Mi, int Si, const char* name, bool savings = false)
{
    InitializeAccountRecord(Mi, Si);
    ARecord& a = Accounts[Mi][Si];
    CopyString(name, a.Name);
    a.SavingsFlag = savings ? 1 : 0;
    a.Valid = 1;
    if (Si > 0) {
        ARecord& main = Accounts[Mi][0];
        if (++main.NumberOfSubAccounts == 1 && main.SubName[0] == 0)
            CopyString("Category Name", main.SubName);
    }
    CheckbookLogRecord((std::string(name) + (Si ? " sub account added to budget" : " account added to budget")).c_str());
}

void AddNote(int Mi, int Si, const char* note)
{
    CopyString(note, Accounts[Mi][Si].Note);
    gBudgetFileChanged = 1;
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

    AddAccount(1, 0, "Rent");
    AddAccount(2, 0, "Groceries");
    AddAccount(3, 0, "Utilities");
    AddAccount(4, 0, "Car");
    AddAccount(4, 1, "Gas");
    AddAccount(4, 2, "Insurance");
    AddAccount(4, 3, "Repairs");
    CopyString("Car Expenses", Accounts[4][0].SubName);
    AddAccount(5, 0, "Savings", true);
    AddAccount(6, 0, "Gifts");

    AddNote(1, 0, "Rent is due on the first of the month.");
    AddNote(5, 0, "Emergency fund: three months of expenses.");

    AddToDo(10, "Renew the car insurance");
    AddToDo(20, "Call the landlord about the lease");

    // One investment with its price.
    InitializeInvestRecord(1);
    CopyString("Index Fund", Invest[1].Name);
    Invest[1].Valid = 1;
    GetDatime(Invest[1].Datime);
    Invest[1].Datime[8] = 0;
}
