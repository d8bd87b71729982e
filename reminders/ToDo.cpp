// The To Do chain, kept in ascending date order.
#include "reminders/ToDo.h"

#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Messages.h"
#include "model/Money.h"
#include "model/RecordStore.h"
#include "reminders/Calendar.h"

#include <cstring>
#include <map>

namespace {

// The 8-character date part of a To Do date, terminated.
void DatePart(const char* datime, char* out)
{
    std::memcpy(out, datime, 8);
    out[8] = 0;
}

int CompareToDoDates(const ToDo* a, const ToDo* b)
{
    char da[kDatimeSize], db[kDatimeSize];
    DatePart(a->Datime, da);
    DatePart(b->Datime, db);
    return CompareCDates(da, db, 0);
}

// The order of a record's date as CompareCDates sees it: its year and day of the year.
int DateKey(const ToDo* rec)
{
    char date[kDatimeSize], julian[kDatimeSize];
    DatePart(rec->Datime, date);
    C2J(date, julian);
    return GetJYear(julian) * 1000 + GetJDay(julian);
}

// An item whose day has passed moves to today and is marked OverDue.
void MoveOverDueToToday(ToDo* rec)
{
    char date[kDatimeSize], today[kDatimeSize];
    DatePart(rec->Datime, date);
    GetDatime(today);
    today[8] = 0;
    if (CompareCDates(date, today, 0) < 0) {
        std::memcpy(rec->Datime, today, 9);
        rec->OverDue = 1;
    }
}

}  // namespace

void AddToDoRecords(ToDo* records, size_t count)
{
    // Keyed by date, a multimap places each record where the chain rules would: after every
    // record of its date, or in front of the first when it is not after it.
    std::multimap<int, ToDo*> chain;
    for (ToDo* r = gToDoAnchor; r; r = r->ToDoFP)
        chain.emplace_hint(chain.end(), DateKey(r), r);
    for (size_t k = 0; k < count; ++k) {
        ToDo* rec = records + k;
        MoveOverDueToToday(rec);
        const int key = DateKey(rec);
        if (!chain.empty() && key <= chain.begin()->first && key < chain.rbegin()->first)
            chain.emplace_hint(chain.begin(), key, rec);
        else
            chain.emplace(key, rec);
    }
    gToDoAnchor = gToDoAnchorLast = nullptr;
    for (auto& [key, rec] : chain) {
        rec->ToDoFP = nullptr;
        (gToDoAnchorLast ? gToDoAnchorLast->ToDoFP : gToDoAnchor) = rec;
        gToDoAnchorLast = rec;
    }
    MarkCalendarStale();
}

void AddToDoRecord(ToDo* thePassedPtr)
{
    MoveOverDueToToday(thePassedPtr);
    thePassedPtr->ToDoFP = nullptr;
    MarkCalendarStale();
    if (!gToDoAnchor) {
        gToDoAnchor = gToDoAnchorLast = thePassedPtr;
        return;
    }
    SortToDoRecord(thePassedPtr);
}

void SortToDoRecord(ToDo* thePassedPtr)
{
    if (CompareToDoDates(thePassedPtr, gToDoAnchorLast) >= 0) {
        gToDoAnchorLast->ToDoFP = thePassedPtr;
        gToDoAnchorLast = thePassedPtr;
        return;
    }
    if (CompareToDoDates(thePassedPtr, gToDoAnchor) <= 0) {
        thePassedPtr->ToDoFP = gToDoAnchor;
        gToDoAnchor = thePassedPtr;
        return;
    }
    ToDo* prev = gToDoAnchor;
    while (prev->ToDoFP && CompareToDoDates(prev->ToDoFP, thePassedPtr) <= 0)
        prev = prev->ToDoFP;
    thePassedPtr->ToDoFP = prev->ToDoFP;
    prev->ToDoFP = thePassedPtr;
}

void ToDoDay(int* day, int* month, int* year)
{
    if (gCalDaySelected != 0) {
        *day = gCalDaySelected;
        *month = gCalMonthSelected;
        *year = gCalYearSelected;
        return;
    }
    const LocalTime today = GetHost().Now();
    *day = today.Day;
    *month = today.Month;
    *year = today.Year % 100;
}

std::vector<ToDo*> GenerateToDoListData()
{
    int day = 0, month = 0, year = 0;
    ToDoDay(&day, &month, &year);
    std::vector<ToDo*> shown;
    for (ToDo* r = gToDoAnchor; r; r = r->ToDoFP) {
        char date[kDatimeSize];
        DatePart(r->Datime, date);
        r->Display = !r->Deleted && GetDay(date) == day && GetMonth(date) == month && GetYear(date) == year;
        if (r->Display)
            shown.push_back(r);
    }
    return shown;
}

int RecordToDo(const std::string& text)
{
    const std::string item = text.substr(0, kToDoChars);
    if (item.empty()) {
        HandleInputError("The To Do field must be specified", "");
        return 0;
    }
    int32_t kept = 0;
    for (const ToDo* r = gToDoAnchor; r; r = r->ToDoFP)
        kept += r->Deleted ? 0 : 1;
    if (kept >= kMostToDoRecords) {
        HandleInputError("The To Do list is full.", "Delete an item before adding another.");
        return 0;
    }
    int day = 0, month = 0, year = 0;
    ToDoDay(&day, &month, &year);
    ToDo* rec = NewToDoRecord();
    ConstructDate(day, month, year, rec->Datime, 1);
    CopyString(item.c_str(), rec->ToDo);
    AddToDoRecord(rec);
    gBudgetFileChanged = 1;
    return 1;
}

void DeleteToDo(ToDo* theToDoPtr)
{
    theToDoPtr->Deleted = 1;
    theToDoPtr->Display = 0;
    gBudgetFileChanged = 1;
    MarkCalendarStale();
}
