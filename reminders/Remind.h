// Reminders on history records: when one is due, moving it on to the next check or deposit to
// the same payee, and what the reminder dialog reads and stores. The reminder window, its list
// and budget-cli all work through these.
#pragma once

#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Records.h"

#include <string>

// The repeat types, numbered as the reminder dialog's frequency choices.
constexpr int kRemindMonthly = 1203;
constexpr int kRemindQuarterly = 1204;
constexpr int kRemindSemiAnnually = 1205;
constexpr int kRemindYearly = 1206;

// Months a reminder of `remType` moves on by (1, 3, 6 or 12; any other type 1).
int ReminderPeriod(int remType);
// The letter the reminder list shows for a type: M, Q, S or Y (M for any other type).
char ReminderLetter(int remType);

// Whether the reminder on `theHPtr` (Remind set) is due on day `today` (stored date part): today is
// on or after its notice day, the due date less its notice.
bool ReminderDue(const AHistory* theHPtr, const char* today);
// The due date kept in the record's reminder fields, in display form (at least 9 bytes); also
// for a listed record whose reminder was cleared since the budget was opened.
void ReminderDueText(const AHistory* theHPtr, char* theDate);
// Whether its due date has passed on `today` (the list shows it in red).
bool ReminderPassed(const AHistory* theHPtr, const char* today);

// Lists a record whose reminder is due today in Reminders (called for every record read). The
// table keeps 50; due reminders beyond them are counted in gRemindSurplus.
void CheckReminder(AHistory* theHPtr);
// After opening: tells the user once when more reminders are due than the list shows.
void TellRemindersBeyondList();

// The nearest older record of the same chain with the same payee (exact), or null.
AHistory* FindLastCheck(AHistory* theHPtr);

// The reminder a new check or deposit to `payee` in slot (Mi, Si) would take over with "Remind Me"
// ticked (or clear without it): the newest record of that payee there when it carries one, else
// null. Asked before recording, so that a refusal can leave the budget as it was.
AHistory* ReminderToTakeOver(int Mi, int Si, const char* payee);

// `theJDate` (Julian) moved on by the period of `remType`, into `theNextJDate` (6 bytes). The day
// is kept, or the last day of the target month when that month is shorter.
void NextReminderDate(const char* theJDate, int remType, char* theNextJDate);

// Moves the reminder of `theLastHPtr` to `theNewHPtr`, one period later, with the same notice and
// type; the older record's Remind is cleared.
void UpdateReminder(AHistory* theLastHPtr, AHistory* theNewHPtr);

// After a check or deposit was recorded, with remFlag the "Remind Me" box: with an older record of
// the same payee that has a reminder, the reminder moves on (box ticked) or is cleared (not
// ticked); a moved reminder leaves the due list. Ticked without such a record, the host is asked
// for the reminder dialog of the new record.
void HandleReminder(AHistory* theHPtr, int remFlag);

// What the reminder dialog shows on opening for a record.
struct ReminderProposal {
    bool Existing = false;          // the record has a reminder: only Delete is offered
    char DueDate[kDatimeSize] = {}; // display form
    int Notice = 10;                // days before
    int Type = kRemindMonthly;
};
// An existing reminder's fields, or for a record without one its date a month on (the day kept,
// or the target month's last day), 10 days' notice, monthly.
ReminderProposal ProposeReminder(const AHistory* theHPtr);

// The notice as the dialog reads it: a number (anything else counts as 0), at most 28.
int ReadReminderNotice(const std::string& text);

// The due date of a new reminder as the reminder dialog reads it, into `theDue` (stored form, 16
// bytes): 1, or 0 after the conversion message or "Reminder Date Error." (not at least two days
// after today).
int ReadReminderDue(const std::string& dueText, char* theDue);

// The reminder dialog's OK: the due date as typed (completed as the dialogs complete dates; the
// conversion message otherwise), at least two days after today ("Reminder Date Error."
// otherwise), the notice as ReadReminderNotice reads it and the type are stored, Remind is set and
// the budget marked changed: 1. On a refusal nothing is stored: 0 after the message.
int SetReminder(AHistory* theHPtr, const std::string& dueText, const std::string& noticeText, int remType);
// The dialog's Delete: the reminder is cleared and the budget marked changed.
void DeleteReminder(AHistory* theHPtr);
