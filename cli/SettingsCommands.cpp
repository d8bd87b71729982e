// budget-cli settings: every preference and international setting as "name: value" lines (the
// names of the options that change them), and the options applied as the dialogs' OK applies
// them: a record the International dialog would refuse is refused with its message, and nothing
// is saved.
#include "cli/SettingsCommands.h"

#include "cli/CommandSupport.h"
#include "cli/ConsoleText.h"
#include "ledger/Settings.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Money.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

const char kSettingsUsage[] =
    "settings FILE [--negative allow|warn|never] [--currency-on-checks on|off] [--debit-default on|off] "
    "[--calendar-at-start on|off] [--balance-sort date|type] [--decimal-symbol C] [--decimal-places N] "
    "[--group-symbol C] [--group-size N] [--currency S] [--currency-after on|off] [--currency-space on|off] "
    "[--date-separator C] [--date-order mdy|dmy|ymd]";
const char kSettingsHelp[] =
    "Without options, prints the budget's preferences and international settings, one \"name: value\"\n"
    "line each, named as the options that change them, then an example amount and today's date in\n"
    "the budget's form. The budget is only read.\n\n"
    "Options change the settings as the Preference and International dialogs do, then print them:\n"
    "--negative allow (the Checkbook may go below zero), warn (it may, after a question) or never;\n"
    "--currency-on-checks, printed checks carry the currency symbol; --debit-default, a click on an\n"
    "account writes a debit; --calendar-at-start, the calendar opens at start-up; --balance-sort,\n"
    "withdrawals in balancing by date or by type. --decimal-symbol, --group-symbol and\n"
    "--date-separator take one character (the group symbol may be empty: no grouping);\n"
    "--decimal-places 0 to 4 and --group-size 0 to 9 digits; --currency at most 3 characters, put\n"
    "before the number or with --currency-after on after it, with --currency-space on one space\n"
    "between; --date-order month, day or year first.\n\n"
    "A combination that would misread amounts or dates is refused with the International dialog's\n"
    "message and nothing is saved: an empty decimal symbol, the same decimal and group symbol, a\n"
    "currency symbol containing either, a digit or minus sign in a symbol (a space as decimal\n"
    "symbol), an empty or digit date separator, counts out of range.";
const char kSettingsOptions[] =
    "--negative= --currency-on-checks= --debit-default= --calendar-at-start= --balance-sort= "
    "--decimal-symbol= --decimal-places= --group-symbol= --group-size= --currency= --currency-after= "
    "--currency-space= --date-separator= --date-order=";

namespace {

struct Word {
    const char* Text;
    int Value;
};

const Word kOnOff[] = {{"on", 1}, {"off", 0}};
const Word kNegative[] = {{"never", 0}, {"allow", 1}, {"warn", 2}};
const Word kSort[] = {{"type", 0}, {"date", 1}};
const Word kOrders[] = {{"mdy", static_cast<int>(DateOrder::MonthDayYear)},
                        {"dmy", static_cast<int>(DateOrder::DayMonthYear)},
                        {"ymd", static_cast<int>(DateOrder::YearMonthDay)}};

template <size_t N>
const char* WordOf(const Word (&words)[N], int value)
{
    for (const Word& w : words)
        if (w.Value == value)
            return w.Text;
    return words[0].Text;
}

template <size_t N>
std::string WordList(const Word (&words)[N])
{
    std::string list;
    for (size_t k = 0; k < N; ++k)
        list += (k == 0 ? "" : (k + 1 == N ? " or " : ", ")) + std::string(words[k].Text);
    return list;
}

std::string CharText(char c)
{
    return c == '\0' ? std::string() : ConsoleText(std::string(1, c));
}

void PrintSettings(std::ostream& out)
{
    const Preferences p = ReadPreferences();
    const International& r = gIntRec;
    out << "negative: " << WordOf(kNegative, p.Allow ? (p.Warn ? 2 : 1) : 0) << "\n"
        << "currency-on-checks: " << WordOf(kOnOff, p.Dollar) << "\n"
        << "debit-default: " << WordOf(kOnOff, p.Debit) << "\n"
        << "calendar-at-start: " << WordOf(kOnOff, p.CalendarAtStart) << "\n"
        << "balance-sort: " << WordOf(kSort, p.SortByDate) << "\n"
        << "decimal-symbol: " << CharText(r.DecimalSymbol) << "\n"
        << "decimal-places: " << static_cast<int>(r.DecimalPlaces) << "\n"
        << "group-symbol: " << CharText(r.GroupSymbol) << "\n"
        << "group-size: " << static_cast<int>(r.GroupSize) << "\n"
        << "currency: " << ConsoleText(RecordText(r.DollarSymbol)) << "\n"
        << "currency-after: " << WordOf(kOnOff, (r.Flag1 & kIntSymbolAfter) != 0) << "\n"
        << "currency-space: " << WordOf(kOnOff, (r.Flag1 & kIntSymbolSpace) != 0) << "\n"
        << "date-separator: " << CharText(r.DateSeperator) << "\n"
        << "date-order: " << WordOf(kOrders, static_cast<int>(CurrentDateOrder())) << "\n";
    // The examples of the International dialog; settings out of range are shown as they are used.
    char amount[kAmountTextSize];
    I2S(123456, amount, 0);
    char today[kDatimeSize];
    GetDisplayToday(today);
    out << "example-amount: " << ConsoleText(amount) << "\n"
        << "example-date: " << ConsoleText(today) << "\n";
}

// One change of the settings, made on the open budget's copies.
using Change = std::function<void(Preferences&, International&)>;

// Reads the options into changes; a usage error (exit 2) for a value that is no choice.
int ReadChanges(const CommandArgs& args, ConsoleHost& host, std::vector<Change>& changes)
{
    auto word = [&](const char* option, const auto& words, auto apply) {
        if (!args.Has(option))
            return kExitOk;
        for (const Word& w : words)
            if (args.Value(option) == w.Text) {
                const int value = w.Value;
                changes.push_back([apply, value](Preferences& p, International& r) { apply(p, r, value); });
                return kExitOk;
            }
        return UsageError(host, std::string(option) + " takes " + WordList(words));
    };
    auto bit = [](International& r, int mask, int on) {
        r.Flag1 = static_cast<signed char>(on ? (r.Flag1 | mask) : (r.Flag1 & ~mask));
    };
    // A symbol is the one character of its field; only the group symbol may be left empty.
    auto symbol = [&](const char* option, char International::*field) {
        if (!args.Has(option))
            return kExitOk;
        const std::string text = args.Value(option);
        if (text.size() > 1)
            return UsageError(host, std::string(option) + " takes one character");
        const char c = text.empty() ? '\0' : text[0];
        changes.push_back([field, c](Preferences&, International& r) { r.*field = c; });
        return kExitOk;
    };
    auto count = [&](const char* option, signed char International::*field, const char* range) {
        if (!args.Has(option))
            return kExitOk;
        unsigned value = 0;
        if (!ParseNumber(args.Value(option), value))
            return UsageError(host, std::string(option) + " takes a number from " + range);
        // Beyond a byte it is out of range all the same; the check says so.
        const auto stored = static_cast<signed char>(value > 127 ? 127 : value);
        changes.push_back([field, stored](Preferences&, International& r) { r.*field = stored; });
        return kExitOk;
    };

    int code = kExitOk;
    auto step = [&code](int result) {
        if (code == kExitOk)
            code = result;
    };
    step(word("--negative", kNegative, [](Preferences& p, International&, int v) {
        p.Allow = v != 0;
        p.Warn = v == 2;
    }));
    step(word("--currency-on-checks", kOnOff, [](Preferences& p, International&, int v) { p.Dollar = v; }));
    step(word("--debit-default", kOnOff, [](Preferences& p, International&, int v) { p.Debit = v; }));
    step(word("--calendar-at-start", kOnOff, [](Preferences& p, International&, int v) { p.CalendarAtStart = v; }));
    step(word("--balance-sort", kSort, [](Preferences& p, International&, int v) { p.SortByDate = v; }));
    step(symbol("--decimal-symbol", &International::DecimalSymbol));
    step(count("--decimal-places", &International::DecimalPlaces, "0 to 4"));
    step(symbol("--group-symbol", &International::GroupSymbol));
    step(count("--group-size", &International::GroupSize, "0 to 9"));
    if (args.Has("--currency")) {
        const std::string text = args.Value("--currency");
        if (text.size() > 3)
            step(UsageError(host, "--currency takes at most 3 characters"));
        changes.push_back([text](Preferences&, International& r) {
            std::memset(r.DollarSymbol, 0, sizeof r.DollarSymbol);
            CopyString(text.c_str(), r.DollarSymbol);
        });
    }
    step(word("--currency-after", kOnOff, [bit](Preferences&, International& r, int v) { bit(r, kIntSymbolAfter, v); }));
    step(word("--currency-space", kOnOff, [bit](Preferences&, International& r, int v) { bit(r, kIntSymbolSpace, v); }));
    step(symbol("--date-separator", &International::DateSeperator));
    step(word("--date-order", kOrders, [](Preferences&, International& r, int v) {
        r.Flag1 = WithDateOrder(r.Flag1, static_cast<DateOrder>(v));
    }));
    return code;
}

}  // namespace

int RunSettings(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    std::vector<Change> changes;
    if (const int code = ReadChanges(args, host, changes); code != kExitOk)
        return code;
    if (changes.empty()) {
        if (!OpenNamedBudget(args.Operands[0], host, BudgetAccess::Read))
            return kExitRefused;
        PrintSettings(out);
        return kExitOk;
    }
    const int code = WithBudget(args, host, [&] {
        Preferences prefs = ReadPreferences();
        International rec = gIntRec;
        for (const Change& change : changes)
            change(prefs, rec);
        // The international record is checked before anything is stored, so a refusal changes
        // nothing; one left as it was is not checked, so a preference can always be changed.
        const bool intChanged = std::memcmp(&rec, &gIntRec, sizeof rec) != 0;
        const IntProblem problem = intChanged ? CheckInternational(rec) : IntProblem{};
        if (problem.Field != IntField::None) {
            ShowIntProblem(problem);
            return kExitRefused;
        }
        ApplyPreferences(prefs);
        if (intChanged)
            ApplyInternational(rec);
        return kExitOk;
    });
    if (code == kExitOk)
        PrintSettings(out);
    return code;
}
