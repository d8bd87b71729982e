// budget-cli stats and savings: the figures the Account Statistics, Main Statistics and Savings
// Calculator dialogs show, computed by the same functions, without changing the budget.
#include "cli/StatsCommands.h"

#include "cli/CommandSupport.h"
#include "cli/ConsoleText.h"
#include "model/BudgetText.h"
#include "model/Messages.h"
#include "stats/Savings.h"
#include "stats/Stats.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <string>
#include <vector>

#define STATS_ACCOUNT_HELP                                                                       \
    "ACCOUNT names an account as the deposit dialog's account fields do: a main account's name,\n" \
    "or CATEGORY/SUB; or a grid position @MI,SI."

const char kStatsUsage[] = "stats FILE [ACCOUNT] [--json]";
const char kStatsOptions[] = "--json";
const char kStatsHelp[] =
    "With ACCOUNT shows what Account Statistics shows: for last year and this year (the calendar\n"
    "year of today) the expenses, deposits and the expenses as a percentage of the deposits month by\n"
    "month, the totals and the monthly averages (last year's over 12 months, this year's over the\n"
    "months before the current one; none in January). Withdrawals and transfers out are expenses,\n"
    "deposits but transfers in are deposits; undone transactions are left out. Without ACCOUNT shows\n"
    "what Main Statistics shows: the accounts (\"Available\" included), sub accounts, investment\n"
    "accounts and history records of the budget. --json prints the same as JSON, amounts in the\n"
    "budget's smallest unit. The budget is only read.\n\n" STATS_ACCOUNT_HELP;

const char kSavingsUsage[] =
    "savings FILE [ACCOUNT ...] [--start A] [--added A] [--interest R] [--inflation R] --months M";
const char kSavingsOptions[] = "--start= --added= --interest= --inflation= --months=";
const char kSavingsHelp[] =
    "Prints the total the Savings Calculator projects after M months (1 to 1,200). The accounts\n"
    "given are the savings accounts selected: their balances are the start amount and their monthly\n"
    "allocations from the pay setup the amount added each month (a main account with sub accounts\n"
    "stands for all of them). --start and --added give those amounts instead, in the budget's money\n"
    "format; --interest (default 4.5) and --inflation (default 3.0) are yearly percentages. Each\n"
    "month the addition comes in and a twelfth of the interest is paid; inflation is taken every\n"
    "12 months. The budget is only read.\n\n" STATS_ACCOUNT_HELP;

namespace {

// The characters the calculator's fields hold.
constexpr size_t kFieldChars = 14;

std::string Money(int64_t amount)
{
    char text[kAmountTextSize];
    I2SWide(amount, text, 0);
    return text;
}

std::string Average(const std::optional<int64_t>& average)
{
    return average ? Money(*average) : std::string();
}

std::string AccountName(int Mi, int Si)
{
    const std::string name = RecordText(Accounts[Mi][Si].Name);
    return Si == 0 ? name : RecordText(Accounts[Mi][0].Name) + "/" + name;
}

// One line of the table: the first cell left-aligned, the others right-aligned in their columns.
void Row(std::ostream& out, const std::vector<std::string>& cells)
{
    std::string line = cells[0];
    line.resize(16, ' ');
    for (size_t k = 1; k < cells.size(); ++k) {
        const size_t width = k == 4 ? 22 : (k % 3 == 0 ? 9 : 15);
        line += std::string(width > cells[k].size() ? width - cells[k].size() : 1, ' ') + cells[k];
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    out << ConsoleText(line) << "\n";
}

void StatsTable(std::ostream& out, int Mi, int Si, const AccountStats& s)
{
    const YearStats& ly = s.LastYear;
    const YearStats& ty = s.ThisYear;
    out << ConsoleText(AccountName(Mi, Si)) << "\n";
    const std::string last = std::to_string(ly.Year), now = std::to_string(ty.Year);
    Row(out, {"", last + " Expenses", "Deposits", "Percent", now + " Expenses", "Deposits", "Percent"});
    for (int m = 0; m < kStatMonths; ++m)
        Row(out, {kStatMonthNames[m], Money(ly.Expenses[m]), Money(ly.Deposits[m]), std::to_string(ly.Percent[m]) + "%",
                  Money(ty.Expenses[m]), Money(ty.Deposits[m]), std::to_string(ty.Percent[m]) + "%"});
    Row(out, {"Totals", Money(ly.TotalExpenses), Money(ly.TotalDeposits), std::to_string(ly.TotalPercent) + "%",
              Money(ty.TotalExpenses), Money(ty.TotalDeposits), std::to_string(ty.TotalPercent) + "%"});
    Row(out, {"Monthly Average", Average(ly.AverageExpenses), Average(ly.AverageDeposits), "",
              Average(ty.AverageExpenses), Average(ty.AverageDeposits), ""});
}

QJsonArray JsonMonths(const std::array<int64_t, kStatMonths>& months)
{
    QJsonArray array;
    for (const int64_t v : months)
        array.append(static_cast<qint64>(v));
    return array;
}

QJsonValue JsonAverage(const std::optional<int64_t>& average)
{
    return average ? QJsonValue(static_cast<qint64>(*average)) : QJsonValue();
}

QJsonObject JsonYear(const YearStats& y)
{
    return QJsonObject{
        {"year", y.Year},
        {"expenses", JsonMonths(y.Expenses)},
        {"deposits", JsonMonths(y.Deposits)},
        {"percent", JsonMonths(y.Percent)},
        {"totalExpenses", static_cast<qint64>(y.TotalExpenses)},
        {"totalDeposits", static_cast<qint64>(y.TotalDeposits)},
        {"totalPercent", static_cast<qint64>(y.TotalPercent)},
        {"averageExpenses", JsonAverage(y.AverageExpenses)},
        {"averageDeposits", JsonAverage(y.AverageDeposits)},
    };
}

void PrintJson(std::ostream& out, const QJsonObject& object)
{
    out << QJsonDocument(object).toJson(QJsonDocument::Indented).toStdString();
}

// The accounts named, as the main window's selection would mark them; every one must be a
// savings account.
int SelectSavings(const CommandArgs& args, ConsoleHost& host, bool (&selected)[kMainAccounts][kSlots])
{
    for (size_t k = 1; k < args.Operands.size(); ++k) {
        Slot slot;
        if (const int code = FindAccount(args.Operands[k], slot, host); code != kExitOk)
            return code;
        if (!IsSavingsSlot(slot.Mi, slot.Si))
            return Refuse(args.Operands[k] + " is not a savings account.",
                          "The calculator starts from savings accounts only.");
        selected[slot.Mi][slot.Si] = true;
    }
    return kExitOk;
}

// An option read as the calculator reads its field; false after the message.
template <typename Read>
bool ReadOption(const CommandArgs& args, const char* option, int64_t& value, Read read,
                void (*message)(const char*))
{
    if (!args.Has(option))
        return true;
    const std::string text = args.Value(option);
    if (text.size() <= kFieldChars && read(text, &value))
        return true;
    message(text.c_str());
    return false;
}

}  // namespace

int RunStats(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    if (!OpenNamedBudget(args.Operands[0], host, BudgetAccess::Read))
        return kExitRefused;
    const bool json = args.Has("--json");
    if (args.Operands.size() < 2) {
        const BudgetCounts c = CountBudget();
        if (json)
            PrintJson(out, QJsonObject{{"accounts", static_cast<qint64>(c.Accounts)},
                                       {"subAccounts", static_cast<qint64>(c.SubAccounts)},
                                       {"investments", static_cast<qint64>(c.Investments)},
                                       {"historyRecords", static_cast<qint64>(c.HistoryRecords)}});
        else
            out << "Accounts: " << c.Accounts << "\nSub Accounts: " << c.SubAccounts << "\nInvestment: " << c.Investments
                << "\nHistory Records: " << c.HistoryRecords << "\n";
        return kExitOk;
    }
    Slot slot;
    if (const int code = FindAccount(args.Operands[1], slot, host); code != kExitOk)
        return code;
    if (!HasStatistics(slot.Mi, slot.Si))
        return Refuse(args.Operands[1] + " has no statistics.",
                      "Statistics are kept for accounts; without ACCOUNT the budget's counts are shown.");
    const AccountStats stats = DisplayStatData(slot.Mi, slot.Si);
    if (json)
        PrintJson(out, QJsonObject{{"account", DecodeBudgetText(AccountName(slot.Mi, slot.Si))},
                                   {"lastYear", JsonYear(stats.LastYear)},
                                   {"thisYear", JsonYear(stats.ThisYear)}});
    else
        StatsTable(out, slot.Mi, slot.Si, stats);
    return kExitOk;
}

int RunSavings(const CommandArgs& args, std::ostream& out, ConsoleHost& host)
{
    if (!args.Has("--months"))
        return UsageError(host, "--months is required");
    if (!OpenNamedBudget(args.Operands[0], host, BudgetAccess::Read))
        return kExitRefused;
    bool selected[kMainAccounts][kSlots] = {};
    if (const int code = SelectSavings(args, host, selected); code != kExitOk)
        return code;
    SavingsInputs in = DefaultSavingsInputs(GatherSavings(selected));
    // In the dialog's order of fields.
    if (!ReadOption(args, "--start", in.Amount, ReadSavingsAmount, HandleDollarConversionError) ||
        !ReadOption(args, "--added", in.Added, ReadSavingsAmount, HandleDollarConversionError) ||
        !ReadOption(args, "--interest", in.Interest, ReadSavingsRate, HandleNumberConversionError) ||
        !ReadOption(args, "--inflation", in.Inflation, ReadSavingsRate, HandleNumberConversionError))
        return kExitRefused;
    const std::string months = args.Value("--months");
    switch (ReadSavingsMonths(months, &in.Months)) {
    case MonthsRead::Ignored:
        HandleNumberConversionError(months.c_str());
        return kExitRefused;
    case MonthsRead::TooLarge:
        HandleRangeError(months.c_str());
        return kExitRefused;
    case MonthsRead::Valid:
        if (in.Months >= 1)
            break;
        HandleRangeError(months.c_str());
        return kExitRefused;
    }
    int64_t total = 0;
    switch (CalcSaving(in, &total)) {
    case SavingsResult::Total:
        out << ConsoleText(SavingsTotalText(total)) << "\n";
        return kExitOk;
    case SavingsResult::Ignored:
        // Only a start below zero is left: the accounts' balances.
        return Refuse("The savings accounts hold " + Money(in.Amount) + ".", "Give a start amount with --start.");
    case SavingsResult::TooLarge:
        HandleInputError("The total amount is too large to show.", "Use fewer months or lower rates.");
        return kExitRefused;
    }
    return kExitRefused;
}
