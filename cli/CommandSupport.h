// What the budget-changing commands of budget-cli share: naming accounts, reading fields as the
// dialogs read them, refusing, and saving only what succeeded.
#pragma once

#include "cli/Commands.h"
#include "files/BudgetFile.h"
#include "ledger/Recording.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Money.h"

#include <cstdint>
#include <limits>
#include <string>

struct Slot {
    int Mi = -1;
    int Si = -1;
    bool operator==(const Slot&) const = default;
};

constexpr Slot kCheckbook{0, 1};

// Text as a dialog field of N - 1 characters reads it: longer text is cut.
template <size_t N>
struct Field {
    explicit Field(const std::string& text) { CopyString(text.c_str(), Text); }
    char Text[N];
};

// A whole number written with the digits 0 to 9 only, that fits the type (ReadDigits).
template <typename Unsigned>
bool ParseNumber(const std::string& text, Unsigned& value)
{
    uint64_t read = 0;
    if (ReadDigits(text, std::numeric_limits<Unsigned>::max(), &read) != Digits::Valid)
        return false;
    value = static_cast<Unsigned>(read);
    return true;
}

// A usage error: exit 2 with the reason.
int UsageError(ConsoleHost& host, const std::string& why);
// Refused with a selection error: exit 1.
int Refuse(const std::string& msg1, const std::string& msg2 = "");

// The slot an account reference names: a position @MI,SI as it is (an account there or not), or
// an account found by its names as the deposit dialog's account fields find it. A name that
// more than one account answers to is refused with their positions.
int FindAccount(const std::string& ref, Slot& slot, ConsoleHost& host);

// Record N (operand 3, counted from 0, the newest) of ACCOUNT's (operand 2) history, as a history
// window lists it; a usage error when the account has fewer records.
int FindRecord(const CommandArgs& args, unsigned index, ConsoleHost& host, Slot& slot, AHistory*& record);

// The characters the dialogs' amount and date edits hold. Longer text given on the command line is
// refused rather than cut, since what is left of a cut number is another number.
constexpr size_t kAmountDateChars = 15;

// Whether amount text fits an edit of `chars` characters; false after the conversion message.
bool AmountTextFits(const std::string& text, size_t chars = kAmountDateChars);

// A name of a multiple deposit row (ACCOUNT, SUB) that more than one account answers to is refused
// with their positions; kExitOk when at most one does.
int RefuseAmbiguousRowName(const std::string& account, const std::string& sub);

// AMOUNT as a transaction dialog's amount field reads it (0.01 to 1,000,000.00); false after the
// dialog's message.
bool ReadAmount(const std::string& text, int32_t& amount);
// DATE as the dialogs' date field reads it; false after the dialog's message.
bool ReadDateText(const std::string& text, char (&datime)[kDatimeSize]);
// --date as the dialogs' date field reads it; without it, today, as the dialogs offer.
bool ReadDate(const CommandArgs& args, char (&datime)[kDatimeSize]);

// The statement balance as the balance window's statement field takes it, stored; empty text
// keeps the stored one. False after the conversion message for text the field would not take.
bool ReadStatementOption(const std::string& statement);

// Opens FILE, lets `act` work on the open budget, and saves the budget when `act` succeeded
// and changed it. A refused command never saves, so its file stays as it was. A budget the
// checks on opening found damaged is not changed at all.
template <typename Act>
int WithBudget(const CommandArgs& args, ConsoleHost& host, Act act)
{
    if (!OpenNamedBudget(args.Operands[0], host))
        return kExitRefused;
    if (gBudgetDamaged) {
        host.MessageLocal("Budget Damaged", "The budget " + args.Operands[0] +
                                                " is damaged (see above) and is not changed. Restore it from a backup copy.");
        return kExitRefused;
    }
    const int code = act();
    if (code != kExitOk || !gBudgetFileChanged)
        return code;
    return BudgetSave() ? kExitOk : kExitRefused;
}
