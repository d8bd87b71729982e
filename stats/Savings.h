// The savings calculator: what the selected savings accounts hold and are given each month, and
// the projection of what they will hold after a number of months.
#pragma once

#include "model/Records.h"

#include <cstdint>
#include <string>

// A projection runs for 1 to this many months (a hundred years).
constexpr int kMaxSavingsMonths = 1200;
// Inflation is taken off after every this many months.
constexpr int kInflationPeriod = 12;

// The start of a projection: the balances and the monthly pay allocations of the accounts.
struct SavingsStart {
    int64_t Amount = 0;
    int64_t Added = 0;
};

// Gathers the savings accounts marked in `selected` ([Mi][Si]): a marked main savings account
// brings its own balance and allocation, or with sub accounts those of all its slots; a marked
// sub account of a savings account brings its own. Several accounts are summed. Marks on other
// accounts are ignored.
SavingsStart GatherSavings(const bool (&selected)[kMainAccounts][kSlots]);
// The same for the accounts selected in the main window.
SavingsStart GatherSelectedSavings();

// Whether slot (Mi, Si) is an account of a savings main account.
bool IsSavingsSlot(int Mi, int Si);

// What a projection works with. Amounts are in the budget's smallest unit; the rates are yearly
// percentages with RatePlaces() decimal places (4.5% with two places is 450).
struct SavingsInputs {
    int64_t Amount = 0;     // the start amount
    int64_t Added = 0;      // added every month
    int64_t Interest = 0;   // yearly interest, paid monthly
    int64_t Inflation = 0;  // yearly inflation, taken off every kInflationPeriod months
    int64_t Months = 12;
};

// The decimal places of a rate: the budget's money places, but at least two, so a budget without
// cents still takes a rate of 4.25 percent.
int RatePlaces();
// A rate of whole and tenths of a percent (45: 4.5%) in RatePlaces() places.
int64_t RateOf(int tenths);
// A rate as the calculator shows it first: one decimal ("4.5", "3.0") with the budget's symbol.
std::string RateText(int tenths);

// The inputs the calculator opens with: the start, 4.5% interest, 3.0% inflation, 12 months.
SavingsInputs DefaultSavingsInputs(const SavingsStart& start);

// The total in the smallest unit after the months, computed in double precision: each month the
// addition comes in, then a month's interest (a twelfth of the yearly rate) on everything, and
// after every kInflationPeriod months the inflation rate is taken off; the total is rounded to
// the nearest unit.
enum class SavingsResult {
    Total,     // `total` holds the projection
    Ignored,   // an amount or rate below 0, or months outside 1 to kMaxSavingsMonths: nothing to show
    TooLarge,  // the total is beyond what an amount can be written as
};
SavingsResult CalcSaving(const SavingsInputs& inputs, int64_t* total);

// "Total Amount " and the total as money text without the currency symbol.
std::string SavingsTotalText(int64_t total);

// The calculator's fields as it reads them. An amount or a rate is taken when S2I reads it as a
// number not below 0 (a rate in RatePlaces() places); otherwise false, without a message.
bool ReadSavingsAmount(const std::string& text, int64_t* amount);
bool ReadSavingsRate(const std::string& text, int64_t* rate);
// Months: digits only (otherwise Ignored, without a message), at most kMaxSavingsMonths
// (otherwise TooLarge; the caller tells the range message). 0 is read, and shows nothing.
enum class MonthsRead { Valid, Ignored, TooLarge };
MonthsRead ReadSavingsMonths(const std::string& text, int64_t* months);
