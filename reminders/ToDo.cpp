// The To Do chain, kept in ascending date order.
#include "reminders/ToDo.h"

#include "model/Dates.h"
#include "model/Globals.h"

#include <cstring>

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

}  // namespace

void AddToDoRecord(ToDo* thePassedPtr)
{
    char date[kDatimeSize], today[kDatimeSize];
    DatePart(thePassedPtr->Datime, date);
    GetDatime(today);
    today[8] = 0;
    if (CompareCDates(date, today, 0) < 0) {
        std::memcpy(thePassedPtr->Datime, today, 9);
        thePassedPtr->OverDue = 1;
    }
    thePassedPtr->ToDoFP = nullptr;
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
