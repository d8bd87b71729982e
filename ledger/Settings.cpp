// Reading, checking and applying the preferences and the international settings of the budget.
#include "ledger/Settings.h"

#include "ledger/Balance.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Messages.h"

#include <cstring>

namespace {

constexpr int kMaxDecimalPlaces = 4;  // the fraction text has room for four digits
constexpr int kMaxGroupSize = 9;
constexpr size_t kMaxCurrencyLength = 3;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A character that S2I takes as part of the number itself wherever it stands.
bool NumberCharacter(char c)
{
    return IsDigit(c) || c == '-';
}

IntProblem Refuse(IntField field, const char* text)
{
    return {field, text};
}

}  // namespace

Preferences ReadPreferences()
{
    Preferences prefs;
    prefs.Allow = gBudget.CheckbookNegativeFlag != 0;
    prefs.Warn = gBudget.CheckbookWarnFlag != 0;
    prefs.Dollar = gBudget.UseDollar != 0;
    prefs.Debit = gBudget.Debit != 0;
    prefs.CalendarAtStart = (gBudget.Flag1 & kBudgetCalendarAtStart) != 0;
    prefs.SortByDate = (gBudget.Flag1 & kBudgetSortByDate) != 0;
    return prefs;
}

void ApplyPreferences(const Preferences& prefs)
{
    const bool wasByDate = (gBudget.Flag1 & kBudgetSortByDate) != 0;
    gBudget.CheckbookNegativeFlag = prefs.Allow ? 1 : 0;
    gBudget.CheckbookWarnFlag = prefs.Allow && prefs.Warn ? 1 : 0;
    gBudget.UseDollar = prefs.Dollar ? 1 : 0;
    gBudget.Debit = prefs.Debit ? 1 : 0;
    int flags = gBudget.Flag1 & ~(kBudgetSortByDate | kBudgetCalendarAtStart);
    if (prefs.SortByDate)
        flags |= kBudgetSortByDate;
    if (prefs.CalendarAtStart)
        flags |= kBudgetCalendarAtStart;
    gBudget.Flag1 = static_cast<signed char>(flags);
    if (prefs.SortByDate != wasByDate)
        ReloadCheckBalanceChain();
    gBudgetFileChanged = 1;
    GetHost().SettingsChanged();
}

IntProblem CheckInternational(const International& rec)
{
    const char decimal = rec.DecimalSymbol;
    const char group = rec.GroupSymbol;
    // A space is skipped or refused before S2I looks for the decimal symbol; as the group symbol
    // it is skipped like any group symbol.
    if (decimal == '\0')
        return Refuse(IntField::DecimalSymbol, "The decimal symbol must be specified.");
    if (NumberCharacter(decimal) || decimal == ' ')
        return Refuse(IntField::DecimalSymbol, "The decimal symbol can not be a digit, a minus sign or a space.");
    if (rec.DecimalPlaces < 0 || rec.DecimalPlaces > kMaxDecimalPlaces)
        return Refuse(IntField::DecimalPlaces, "The decimal digits must be 0 to 4.");
    if (NumberCharacter(group))
        return Refuse(IntField::GroupSymbol, "The group symbol can not be a digit or a minus sign.");
    if (group == decimal)
        return Refuse(IntField::GroupSymbol, "The group symbol must differ from the decimal symbol.");
    if (rec.GroupSize < 0 || rec.GroupSize > kMaxGroupSize)
        return Refuse(IntField::GroupSize, "The group digits must be 0 to 9.");
    const size_t length = strnlen(rec.DollarSymbol, kMaxCurrencyLength);
    for (size_t i = 0; i < length; ++i) {
        const char c = rec.DollarSymbol[i];
        if (NumberCharacter(c))
            return Refuse(IntField::Currency, "The currency symbol can not contain a digit or a minus sign.");
        if (c == decimal || (group != '\0' && c == group))
            return Refuse(IntField::Currency,
                          "The currency symbol can not contain the decimal symbol or the group symbol.");
    }
    if (rec.DateSeperator == '\0')
        return Refuse(IntField::DateSeparator, "The date separator must be specified.");
    if (IsDigit(rec.DateSeperator))
        return Refuse(IntField::DateSeparator, "The date separator can not be a digit.");
    return {};
}

void ShowIntProblem(const IntProblem& problem)
{
    if (problem.Field != IntField::None)
        HandleInputError(problem.Text.c_str(), "Amounts and dates must read back as they are shown.");
}

IntProblem ApplyInternational(const International& rec)
{
    const IntProblem problem = CheckInternational(rec);
    if (problem.Field != IntField::None) {
        ShowIntProblem(problem);
        return problem;
    }
    gIntRec = rec;
    gIntRec.DollarSymbol[kMaxCurrencyLength] = '\0';
    gBudgetFileChanged = 1;
    GetHost().SettingsChanged();
    return problem;
}

signed char WithDateOrder(signed char flags, DateOrder order)
{
    int bits = flags & ~(kIntDayMonthYear | kIntYearMonthDay);
    if (order == DateOrder::DayMonthYear)
        bits |= kIntDayMonthYear;
    else if (order == DateOrder::YearMonthDay)
        bits |= kIntYearMonthDay;
    return static_cast<signed char>(bits);
}
