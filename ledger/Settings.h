// The settings kept with the budget that the Edit menu changes: the preferences (negative
// Checkbook, currency on checks, debit as default, calendar at start-up, the balancing sort)
// and the international record that shapes every amount and date. The dialogs and budget-cli
// both read, check and apply them here.
#pragma once

#include "model/Dates.h"
#include "model/Records.h"

#include <string>

struct Preferences {
    bool Allow = false;            // the Checkbook may go below 0
    bool Warn = false;             // ask before it does (only when allowed)
    bool Dollar = false;           // printed checks carry the currency symbol
    bool Debit = false;            // a click on an account opens the debit form
    bool CalendarAtStart = false;  // the calendar window opens at start-up
    bool SortByDate = false;       // withdrawals in balancing by date, else by type
};

// The preferences the open budget holds.
Preferences ReadPreferences();
// Stores the preferences (the warning only when going negative is allowed; the other bits of
// gBudget.Flag1 are kept), rebuilds the withdrawal chain when its sort order changed, marks the
// budget changed and has every window shown again.
void ApplyPreferences(const Preferences& prefs);

// The field of an international record a refusal is about, so a dialog can put the focus there.
enum class IntField { None, DecimalSymbol, DecimalPlaces, GroupSymbol, GroupSize, Currency, DateSeparator };

struct IntProblem {
    IntField Field = IntField::None;
    std::string Text;  // the message naming the field; empty when the record is sound
};

// Whether amounts and dates written with the record read back as they were written: the
// decimal symbol is set, differs from the group symbol and from every currency character, no
// symbol is a digit or a minus sign (the decimal symbol no space either), the date separator is
// set and no digit, 0 to 4 decimal places and 0 to 9 digits a group. The group symbol may be
// empty (no grouping).
IntProblem CheckInternational(const International& rec);
// Shows a refusal of CheckInternational as the program's input error.
void ShowIntProblem(const IntProblem& problem);

// Stores a sound record as the budget's settings (marks the budget changed, every window shows
// the new form); a record that is refused is told and nothing changes. Returns the check.
IntProblem ApplyInternational(const International& rec);

// The date order bits set for one order, the other bits of the flags kept.
signed char WithDateOrder(signed char flags, DateOrder order);
