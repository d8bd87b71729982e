// Pay sources and pay entry: storing what the Pay Setup dialog holds (with its log entries and
// the closing of gaps between sources), the pay of the month a date falls on, and spreading a
// pay over the accounts by their allocations. The dialogs and budget-cli read their fields and
// call these.
#pragma once

#include "ledger/Budget.h"
#include "model/Records.h"

#include <cstdint>
#include <string>
#include <vector>

// Frequencies in the order of their buttons within a source's group.
constexpr int kPayWeekly = 0;
constexpr int kPayBiWeekly = 1;
constexpr int kPaySemiMonthly = 2;
constexpr int kPayMonthly = 3;

// The characters Pay Setup's name and amount edits and Account Setup's allocation edits hold.
constexpr size_t kPayEditChars = 14;

// A pay amount of a source may be at most this (100,000.00 with two decimal places).
constexpr int32_t kMaxPayAmount = 10000000;

// The stored PayType of source i (0 to 2) with frequency f: the id of its radio button.
constexpr int16_t PayTypeButton(int source, int frequency)
{
    return static_cast<int16_t>(1004 + 7 * source + frequency);
}
// The frequency (kPayWeekly ... kPayMonthly) of source i's PayType, or -1 for none of them.
int PayFrequency(int source);

// One pay source's fields of the Pay Setup dialog, as typed.
struct PaySourceEntry {
    std::string Name;      // cut to 14 characters when read
    std::string Amount;    // money text, cut to 14 characters when read
    int16_t PayType = 0;   // the ticked frequency button of the source's group
};

struct PaySetupEntry {
    PaySourceEntry Sources[kPayers];
    std::string NextCheck;  // the next check number, read as a check number (ReadCheckNumber)
};

// The field RecordPaySetup puts in *badField when it refuses the next check number; a refused
// amount puts its source there (0 to 2).
constexpr int kBadNextCheck = kPayers;

// The fields as the dialog shows them on opening.
PaySetupEntry CurrentPaySetup();

// 1 when at least one source has a name and every named source has a valid amount of at most
// kMaxPayAmount. A bad amount is reported and its source put in *badSource; no named source
// gives 0 without a message.
int PayeeDialogOK(const PaySetupEntry& entry, int* badSource = nullptr);

// Stores the names and amounts, writes a log entry for each change, sets NumberOfPayers and
// moves the sources in use to slots 0 up.
void HandlePayChanges(const PaySetupEntry& entry);

// The whole OK: checks, next check number, frequencies, HandlePayChanges and Recalculate.
// 0 when the dialog stays open: a bad amount or next check number was reported (and its field
// put in *badField), what the pays would leave "Available" does not fit an amount, or no source
// is named (without a message). Nothing is stored then.
int RecordPaySetup(const PaySetupEntry& entry, int* badField = nullptr);

// Clears source num, its allocations in every slot included.
void ClearPayer(int num);
// Moves source fm with its allocations into slot to, and clears slot fm.
void MoveAndClearPayer(int fm, int to);

// The pay of the month, 1 to 5, of source index on day theDay of a month.
int PayOfTheMonth(int index, int theDay);

// The pay of the month (0 to 4) of source i on the stored-form date, and its text without the
// amount ("Acme's first pay of the month.") in thePassedString (at least 128 bytes).
int PayString(int i, const char* theDatime, char* thePassedString);

// The text a pay is shown and recorded with: PayString's text and " (amount)".
int PayEntryText(int i, const char* theDatime, char (&text)[128]);

// The credits one pay makes, in the order PayAllAccounts makes them, appended to `plan` under
// deposit `deposit`: each valid account of main accounts 1 to 25 with an allocation above 0 for
// pay amountIndex of source payeeIndex, then "Available" with what is left of amt after the
// allocations to accounts in the checkbook (counted in 64 bits; it may be 0 or below).
void PlanPay(std::vector<PlannedCredit>& plan, int32_t amt, int payeeIndex, int amountIndex, int deposit = 0);

// Spreads one pay as PlanPay lists it. Every piece carries DepositID as its PayID. The whole pay
// is checked first (DepositFits); 0 when it was refused with nothing recorded, else 1.
int PayAllAccounts(int32_t amt, int payeeIndex, int amountIndex, const char* xfrom, const char* xdatime,
                   const char* xfor, int32_t DepositID);

// The Checkbook's summary entry of a bank deposit under DepositID: a log entry of its whole
// amount with the Checkbook's balance, moving no money.
AHistory* CreateDepositSummary(const char* text, int32_t DepositID, int32_t amount, const char* theDatime);

// Pay Entry's OK for the date: each ticked source in use, in order, gets a new deposit number,
// is spread by PayAllAccounts and gets its summary entry in the Checkbook. Returns the number
// of pays entered, or kPayRefused when the pays together would not all be taken (DepositFits:
// the deposit ceiling, an amount out of range, no deposit number left); then the user has been
// told once and nothing is recorded.
constexpr int kPayRefused = -1;
int RecordPayEntry(const bool ticked[kPayers], const char* theDatime);
