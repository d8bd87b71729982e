// The To Do chain, kept in ascending date order.
#pragma once

#include "model/Records.h"

#include <cstddef>

// Adds a To Do record to the chain; a date already past becomes today and is marked OverDue.
void AddToDoRecord(ToDo* thePassedPtr);

// Adds the records of a budget file, in file order, to the chain exactly as AddToDoRecord would
// one by one, without walking the chain for each (a file may hold 32,767 of them).
void AddToDoRecords(ToDo* records, size_t count);

// Inserts a record into a non-empty chain by its date, after the records of the same day.
void SortToDoRecord(ToDo* thePassedPtr);
