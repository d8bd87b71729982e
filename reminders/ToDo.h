// The To Do chain, kept in ascending date order, and the list of the day chosen in the calendar.
#pragma once

#include "model/Records.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The most To Do items a budget keeps: its file counts them in 16 bits.
constexpr int32_t kMostToDoRecords = INT16_MAX;

// The longest To Do text.
constexpr int kToDoChars = static_cast<int>(sizeof(ToDo::ToDo)) - 1;

// Adds a To Do record to the chain; a date already past becomes today and is marked OverDue.
void AddToDoRecord(ToDo* thePassedPtr);

// Adds the records of a budget file, in file order, to the chain exactly as AddToDoRecord would
// one by one, without walking the chain for each (a file may hold 32,767 of them).
void AddToDoRecords(ToDo* records, size_t count);

// Inserts a record into a non-empty chain by its date, after the records of the same day.
void SortToDoRecord(ToDo* thePassedPtr);

// The day the To Do list shows: the calendar's selected day, or today when none is selected
// (two-digit year).
void ToDoDay(int* day, int* month, int* year);

// Marks (Display) the items of ToDoDay that are not deleted and returns them in chain order.
std::vector<ToDo*> GenerateToDoListData();

// The To Do dialog's OK: a new item of ToDoDay with `text` (cut to kToDoChars), marked changed: 1.
// 0 after "The To Do field must be specified" for an empty text, or after "The To Do list is
// full." when it holds kMostToDoRecords items (the budget could not be saved with one more).
int RecordToDo(const std::string& text);
// The delete dialog's OK: the item is marked Deleted (it is not saved) and the budget changed.
void DeleteToDo(ToDo* theToDoPtr);
