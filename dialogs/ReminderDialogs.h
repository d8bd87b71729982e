// The reminder of a check or deposit ("Reminder"), and adding ("To Do") and deleting
// ("Delete To Do") an item of the To Do list. The dialogs show and read their fields; what is
// proposed, checked and stored is the reminder code's (reminders/Remind.h, reminders/ToDo.h).
#pragma once

struct AHistory;
struct ToDo;

// Opens "Reminder" on a history record: a record with a reminder shows it and offers only Delete;
// a record without one is proposed a monthly reminder a month after its date with 10 days'
// notice, and OK sets it (a due date too near keeps the dialog open). 1 when the reminder was set
// or deleted, 0 after Cancel or without a record.
int RemindDialog(AHistory* theHPtr);

// Opens "To Do" for the day the To Do list shows: OK adds the typed item (an empty one keeps the
// dialog open). 1 when an item was added.
int HandleToDo();

// Opens "Delete To Do" on an item: OK deletes it. 1 when it was deleted.
int HandleDeleteToDo(ToDo* theToDoPtr);
