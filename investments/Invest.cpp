// The arithmetic of investment accounts. Everything is computed in 64 bits: a holding's value is
// a product of two 32-bit numbers, and the portfolio adds up 25 of them.
#include "investments/Invest.h"

#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Money.h"

#include <cstring>

namespace {

// What the product of a share count and a price is divided by to give money: both carry
// SharePlaces() decimals, money FractionPlaces().
int64_t ProductScale()
{
    int64_t scale = 1;
    for (int k = 2 * SharePlaces() - FractionPlaces(); k > 0; --k)
        scale *= 10;
    return scale;
}

}  // namespace

int SharePlaces()
{
    const int money = FractionPlaces();
    return money == 2 ? 3 : money;
}

void Display3Digits(int32_t num, char* outString, int dollar)
{
    I2S(num, outString, dollar, SharePlaces());
}

int64_t MarketValue(int32_t numShares, int32_t priceShare)
{
    return static_cast<int64_t>(numShares) * priceShare / ProductScale();
}

void ComputeMarketValue(int32_t numShares, int32_t priceShare, char* theText)
{
    I2SWide(MarketValue(numShares, priceShare), theText, 0);
}

int64_t AccountMarketValue(int Ii)
{
    return MarketValue(Invest[Ii].NumberOfShares, Invest[Ii].CostPerShare);
}

int64_t ComputeTotalMarketValue()
{
    int64_t total = 0;
    for (int Ii = 1; Ii < kInvestments; ++Ii)
        if (Invest[Ii].Valid)
            total += AccountMarketValue(Ii);
    return total;
}

int64_t Performance(int64_t marketValue, int64_t costBasis)
{
    const int64_t hundredth = costBasis / 100;
    return hundredth == 0 ? 0 : (marketValue - costBasis) / hundredth;
}

std::string PerformanceText(int64_t performance)
{
    return std::to_string(performance) + "%";
}

InvestFigures FiguresOf(int Ii)
{
    InvestFigures figures;
    figures.CostBasis = Invest[Ii].AmountPaid;
    figures.MarketValue = Ii == 0 ? ComputeTotalMarketValue() : AccountMarketValue(Ii);
    figures.Performance = Performance(figures.MarketValue, figures.CostBasis);
    return figures;
}

int32_t AvgPPS(int Ii)
{
    int64_t sum = 0;
    int64_t count = 0;
    for (const IHistory* r = MemoryInvest[Ii].HistoryRec; r; r = r->InvestFP)
        if (!r->TypeFlag) {
            sum += r->CostPerShare;
            ++count;
        }
    return count == 0 ? 0 : static_cast<int32_t>(sum / count);
}

int64_t SaleCostBasis(int Ii, int32_t sold)
{
    const IRecord& account = Invest[Ii];
    if (sold >= account.NumberOfShares)
        return account.AmountPaid;
    if (sold <= 0)
        return 0;
    return static_cast<int64_t>(account.AmountPaid) * sold / account.NumberOfShares;
}

int MarketValueCheck()
{
    char today[kDatimeSize];
    GetDatime(today);
    today[8] = '\0';
    const char* lead = "Market Value Current as of ";
    for (int Ii = 1; Ii < kInvestments; ++Ii)
        if (Invest[Ii].Valid && RecordText(Invest[Ii].Datime) != today) {
            CombineString(lead, RecordText(Invest[0].Datime).c_str(), gInvestInfoBox);
            return 0;
        }
    CopyString(today, Invest[0].Datime);
    CombineString(lead, today, gInvestInfoBox);
    return 1;
}

bool ValidInvestAccount(int Ii)
{
    return Ii >= 1 && Ii < kInvestments && Invest[Ii].Valid;
}
