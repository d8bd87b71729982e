// The savings calculator's gathering, reading and projection, shared by its dialog and budget-cli.
#include "stats/Savings.h"

#include "ledger/Budget.h"
#include "ledger/Recording.h"
#include "model/Globals.h"
#include "model/Money.h"

#include <algorithm>
#include <cmath>

namespace {

// The largest total shown: every unit of it is exact in double precision.
constexpr double kLargestTotal = 9007199254740992.0;  // 2^53

void AddSlot(SavingsStart& start, int Mi, int Si)
{
    int16_t percent = 0;
    int32_t monthly = 0;
    TotalMonthly(Mi, Si, &percent, &monthly);
    start.Amount += Accounts[Mi][Si].Balance;
    start.Added += monthly;
}

int64_t PowerOfTen(int places)
{
    int64_t scale = 1;
    while (places-- > 0)
        scale *= 10;
    return scale;
}

}  // namespace

bool IsSavingsSlot(int Mi, int Si)
{
    return Mi >= 0 && Mi < kMainAccounts && Si >= 0 && Si < kSlots && Accounts[Mi][0].Valid &&
           Accounts[Mi][0].SavingsFlag && Accounts[Mi][Si].Valid;
}

SavingsStart GatherSavings(const bool (&selected)[kMainAccounts][kSlots])
{
    SavingsStart start;
    for (int Mi = 0; Mi < kMainAccounts; ++Mi) {
        if (!IsSavingsSlot(Mi, 0))
            continue;
        if (selected[Mi][0]) {
            // The main account stands for all of its slots.
            for (int Si = 0; Si < kSlots; ++Si)
                if (Accounts[Mi][Si].Valid)
                    AddSlot(start, Mi, Si);
            continue;
        }
        for (int Si = 1; Si < kSlots; ++Si)
            if (selected[Mi][Si] && Accounts[Mi][Si].Valid)
                AddSlot(start, Mi, Si);
    }
    return start;
}

SavingsStart GatherSelectedSavings()
{
    bool selected[kMainAccounts][kSlots] = {};
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si)
            selected[Mi][Si] = Accounts[Mi][Si].SelectFlag != 0;
    return GatherSavings(selected);
}

int RatePlaces()
{
    return std::max(FractionPlaces(), 2);
}

int64_t RateOf(int tenths)
{
    return tenths * PowerOfTen(RatePlaces() - 1);
}

std::string RateText(int tenths)
{
    const char symbol = gIntRec.DecimalSymbol ? gIntRec.DecimalSymbol : '.';
    return std::to_string(tenths / 10) + symbol + std::to_string(tenths % 10);
}

SavingsInputs DefaultSavingsInputs(const SavingsStart& start)
{
    return {.Amount = start.Amount, .Added = start.Added, .Interest = RateOf(45), .Inflation = RateOf(30), .Months = 12};
}

SavingsResult CalcSaving(const SavingsInputs& in, int64_t* total)
{
    if (in.Amount < 0 || in.Added < 0 || in.Interest < 0 || in.Inflation < 0 || in.Months < 1 ||
        in.Months > kMaxSavingsMonths)
        return SavingsResult::Ignored;
    // A rate of 100 percent is 100 x 10^places.
    const double percent = 100.0 * static_cast<double>(PowerOfTen(RatePlaces()));
    const double monthlyInterest = static_cast<double>(in.Interest) / percent / 12.0;
    const double inflation = static_cast<double>(in.Inflation) / percent;
    const double added = static_cast<double>(in.Added);
    double amount = static_cast<double>(in.Amount);
    for (int64_t month = 1; month <= in.Months; ++month) {
        amount += added;
        amount += amount * monthlyInterest;
        if (month % kInflationPeriod == 0)
            amount -= amount * inflation;
    }
    const double rounded = std::round(amount);
    if (!std::isfinite(rounded) || std::fabs(rounded) > kLargestTotal)
        return SavingsResult::TooLarge;
    *total = static_cast<int64_t>(rounded);
    return SavingsResult::Total;
}

std::string SavingsTotalText(int64_t total)
{
    char text[kAmountTextSize];
    I2SWide(total, text, 1);
    return std::string("Total Amount ") + text;
}

bool ReadSavingsAmount(const std::string& text, int64_t* amount)
{
    int32_t value = 0;
    if (S2I(text.c_str(), &value) != kS2IValid)
        return false;
    *amount = value;
    return true;
}

bool ReadSavingsRate(const std::string& text, int64_t* rate)
{
    int32_t value = 0;
    if (S2I(text.c_str(), &value, RatePlaces()) != kS2IValid)
        return false;
    *rate = value;
    return true;
}

MonthsRead ReadSavingsMonths(const std::string& text, int64_t* months)
{
    uint64_t value = 0;
    switch (ReadDigits(text, kMaxSavingsMonths, &value)) {
    case Digits::NotDigits:
        return MonthsRead::Ignored;
    case Digits::TooLarge:
        return MonthsRead::TooLarge;
    case Digits::Valid:
        break;
    }
    *months = static_cast<int64_t>(value);
    return MonthsRead::Valid;
}
