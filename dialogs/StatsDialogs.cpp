// Account Statistics, Main Statistics and the Savings Calculator: the dialogs show what the
// statistics and calculator code (stats/) computes, and read the calculator's fields through it.
#include "dialogs/StatsDialogs.h"
#include "dialogs/EntryHelpers.h"

#include "model/Globals.h"
#include "model/Host.h"
#include "model/Messages.h"
#include "model/Money.h"
#include "model/Selection.h"
#include "platform/Dialog.h"
#include "stats/Savings.h"
#include "stats/Stats.h"

#include <string>

namespace {

// Account Statistics: this year on the right, last year on the left.
constexpr int kThisYear = 1001;
constexpr int kLastYear = 1002;
constexpr int kAccountBox = 1003;

// The first control of each column of a year, the months following in order; then the totals.
struct YearColumns {
    int Year;
    int Expenses;
    int Deposits;
    int Percent;
    int AverageExpenses;
    int AverageDeposits;
};
constexpr YearColumns kLastYearColumns{kLastYear, 1011, 1031, 1051, 1150, 1151};
constexpr YearColumns kThisYearColumns{kThisYear, 1071, 1091, 1111, 1152, 1153};

// Main Statistics
constexpr int kAccountsCount = 1001;

// Savings Calculator
constexpr int kStartField = 1270;
constexpr int kAddedField = 1271;
constexpr int kInterestField = 1272;
constexpr int kInflationField = 1273;
constexpr int kMonthsField = 1274;
constexpr int kTotalText = 1275;
constexpr size_t kCalculatorChars = 14;

std::string Money(int64_t amount)
{
    char text[kAmountTextSize];
    I2SWide(amount, text, 0);
    return text;
}

std::string Percent(int64_t percent)
{
    return std::to_string(percent) + "%";
}

void ShowYear(Dialog& dialog, const YearStats& year, const YearColumns& c)
{
    dialog.SetText(c.Year, std::to_string(year.Year));
    for (int m = 0; m < kStatMonths; ++m) {
        dialog.SetText(c.Expenses + m, Money(year.Expenses[m]));
        dialog.SetText(c.Deposits + m, Money(year.Deposits[m]));
        dialog.SetText(c.Percent + m, Percent(year.Percent[m]));
    }
    dialog.SetText(c.Expenses + kStatMonths, Money(year.TotalExpenses));
    dialog.SetText(c.Deposits + kStatMonths, Money(year.TotalDeposits));
    dialog.SetText(c.Percent + kStatMonths, Percent(year.TotalPercent));
    dialog.SetText(c.AverageExpenses, year.AverageExpenses ? Money(*year.AverageExpenses) : "");
    dialog.SetText(c.AverageDeposits, year.AverageDeposits ? Money(*year.AverageDeposits) : "");
}

class StatsDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        Mi = gMi;
        Si = gSi;
        const AccountStats stats = DisplayStatData(Mi, Si);
        ShowYear(dialog, stats.LastYear, kLastYearColumns);
        ShowYear(dialog, stats.ThisYear, kThisYearColumns);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification != kClicked)
            return;
        if (id == IDOK)
            dialog.End(1);
        else if (id == IDCANCEL)
            dialog.End(0);
    }

    void Paint(Dialog&, int id, DrawContext& dc) override
    {
        if (id == kAccountBox)
            DrawDialogAccountBox(dc, Mi, Si, 1);
    }

private:
    int Mi = 0;
    int Si = 0;
};

class MainStatsDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        const BudgetCounts counts = CountBudget();
        int id = kAccountsCount;
        for (const int64_t count : {counts.Accounts, counts.SubAccounts, counts.Investments, counts.HistoryRecords})
            dialog.SetText(id++, std::to_string(count));
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification == kClicked && (id == IDOK || id == IDCANCEL))
            dialog.End(id == IDOK ? 1 : 0);
    }
};

class CalculatorDialog final : public DialogProcedure {
public:
    void Init(Dialog& dialog) override
    {
        inputs = DefaultSavingsInputs(GatherSelectedSavings());
        char text[kAmountTextSize];
        I2SWide(inputs.Amount, text, 1);
        dialog.SetText(kStartField, text);
        I2SWide(inputs.Added, text, 1);
        dialog.SetText(kAddedField, text);
        dialog.SetText(kInterestField, RateText(45));
        dialog.SetText(kInflationField, RateText(30));
        dialog.SetText(kMonthsField, std::to_string(inputs.Months));
        Project(dialog);
    }

    void Command(Dialog& dialog, int id, int notification) override
    {
        if (notification == kClicked && (id == IDOK || id == IDCANCEL)) {
            dialog.End(id == IDOK ? 1 : 0);
            return;
        }
        if (notification != kTextChanged || id < kStartField || id > kMonthsField)
            return;
        const std::string text = dialog.Text(id, kCalculatorChars);
        bool read = false;
        switch (id) {
        case kStartField:
            read = ReadSavingsAmount(text, &inputs.Amount);
            break;
        case kAddedField:
            read = ReadSavingsAmount(text, &inputs.Added);
            break;
        case kInterestField:
            read = ReadSavingsRate(text, &inputs.Interest);
            break;
        case kInflationField:
            read = ReadSavingsRate(text, &inputs.Inflation);
            break;
        default:
            read = ReadMonths(text);
            break;
        }
        if (read)
            Project(dialog);
    }

private:
    // A month count beyond the limit is told once, not again while the field keeps it.
    bool ReadMonths(const std::string& text)
    {
        const MonthsRead read = ReadSavingsMonths(text, &inputs.Months);
        if (read == MonthsRead::TooLarge && text != refusedMonths) {
            refusedMonths = text;
            HandleRangeError(text.c_str());
        } else if (read != MonthsRead::TooLarge) {
            refusedMonths.clear();
        }
        return read == MonthsRead::Valid;
    }

    // The total, or the last one left as it is when there is none to show.
    void Project(Dialog& dialog) const
    {
        int64_t total = 0;
        if (CalcSaving(inputs, &total) == SavingsResult::Total)
            dialog.SetText(kTotalText, SavingsTotalText(total));
    }

    SavingsInputs inputs;
    std::string refusedMonths;
};

}  // namespace

void HandleStats(int Mi, int Si)
{
    if (Mi < 0 || Si < 0)
        return;
    ResetSelect(-1, -1);
    if (!HasStatistics(Mi, Si))
        return;
    int result = 0;
    {
        const DialogContext context(Mi, Si);
        StatsDialog procedure;
        result = RunDialog("STATISTICS", procedure, DialogOwner());
    }
    if (result > 0)
        InvalidateAccountRect(Mi, Si);
}

void HandleMainStats()
{
    MainStatsDialog procedure;
    RunDialog("BSTAT", procedure, DialogOwner());
}

void RunSavingsCalculator()
{
    CalculatorDialog procedure;
    RunDialog("CALCULATOR", procedure, DialogOwner());
}
