// The To Do chain, kept in ascending date order.
#pragma once

#include "model/Records.h"

// Adds a To Do record to the chain; a date already past becomes today and is marked OverDue.
void AddToDoRecord(ToDo* thePassedPtr);

// Inserts a record into a non-empty chain by its date, after the records of the same day.
void SortToDoRecord(ToDo* thePassedPtr);
