// budget-cli's reminders, To Do list and calendar: the due reminders listed, a reminder set on a
// record or deleted, the To Do items of a day listed, added and deleted, the calendar's month
// printed; and the "Remind Me" options of check, debit and deposit.
#pragma once

#include "cli/CommandSupport.h"

#include <ostream>

int RunReminders(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunRemind(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunToDo(const CommandArgs& args, std::ostream& out, ConsoleHost& host);
int RunCalendar(const CommandArgs& args, std::ostream& out, ConsoleHost& host);

// "Remind Me" of a check, debit or deposit to `payee` in `slot`, read before it is recorded:
// --due, --notice and --every only with --remind; with --remind, the reminder of the newest
// earlier record of that payee moves on, or without one --due (checked now, so that a refusal
// records nothing) gives the new reminder to the host's reminder dialog. kExitOk with *remind
// the state of the box and *prior the reminder that moves on or is cleared.
int ReadRemindMe(const CommandArgs& args, Slot slot, const char* payee, ConsoleHost& host, bool* remind,
                 AHistory** prior);
// After recording: says where the reminder went (set, moved on, or cleared).
void TellRemindMe(const AHistory* rec, const AHistory* prior, bool remind, ConsoleHost& host);

// The options and help of the "Remind Me" box, for check, debit and deposit.
#define REMIND_ME_OPTIONS " --remind --due= --notice= --every="
#define REMIND_ME_USAGE " [--remind [--due D] [--notice DAYS] [--every PERIOD]]"
#define REMIND_ME_HELP                                                                                    \
    "--remind ticks \"Remind Me\": the reminder of the newest earlier record to the same payee in the\n"   \
    "account moves on to this one, one period later. When there is none, --due D sets a new reminder\n"  \
    "as the reminder dialog does (D at least two days after today; --notice DAYS before it, 0 to 28,\n"  \
    "default 10; --every monthly, quarterly, semi-annually or yearly, default monthly). Without\n"       \
    "--remind, the reminder of that earlier record is cleared, as with the box clear."

#define REMINDERS_HELP                                                                                 \
    "Lists the reminders that are due, as the reminder window lists them after the budget is\n"          \
    "opened: each with its due date, repeat letter (M monthly, Q quarterly, S semi-annually, Y\n"         \
    "yearly), payee and amount. A reminder is due from its notice day (the due date less its days\n"     \
    "of notice) on, also after the due date has passed. --today D lists them as on day D (read as\n"    \
    "the dialogs read a date). The list holds 50; more are counted after it."
#define REMIND_HELP                                                                                    \
    "Sets a reminder on record N of the account's history (0 = the newest), as the reminder dialog\n"   \
    "of the history window does: due on D (read as the dialogs read a date; at least two days\n"        \
    "after today), made due DAYS before it (0 to 28, larger numbers count as 28; default 10), and\n"    \
    "repeated by PERIOD (monthly, quarterly, semi-annually or yearly; default monthly): writing the\n"  \
    "next check or deposit to the same payee with --remind moves it on by that period. A record\n"      \
    "that has a reminder takes only --delete, which clears it."
#define TODO_HELP                                                                                      \
    "Without an action lists the To Do items of the day, numbered from 0 (K). add TEXT adds an\n"       \
    "item (cut to 63 characters) for the day; delete K deletes item K of the day's list (deleted\n"     \
    "items are not saved). The day is today, or --day D (read as the dialogs read a date) as if\n"     \
    "picked in the calendar. Items of a day that has passed move to the day the budget is opened\n"    \
    "and are marked overdue."
#define CALENDAR_HELP                                                                                  \
    "Prints the calendar's month (--month M/YY, January 2000 to December 2099; default this\n"         \
    "month) with a mark after each day: * a To Do item, ! an overdue To Do item, n the first day\n"   \
    "of a reminder's notice, R a reminder's due date (over any To Do mark); today is in brackets."
