// The arithmetic of investment accounts: share counts and prices, market value, cost basis,
// performance and the portfolio's totals, and the check whether the market values are current.
#pragma once

#include "model/Records.h"

#include <cstdint>
#include <string>

// Share counts and prices carry one decimal place more than money's two (10.5 shares are 10500,
// a price of 12.345 is 12345); with any other money setting they carry that setting's places.
int SharePlaces();

// A share count or price as text into a buffer of at least kAmountTextSize bytes; dollar 0 adds
// the currency symbol (prices), any other value leaves it out (share counts).
void Display3Digits(int32_t num, char* outString, int dollar);

// The money value of numShares at priceShare: their exact product, truncated to the money unit.
// Computed in 64 bits, so it is right for any holding; it need not fit an amount.
int64_t MarketValue(int32_t numShares, int32_t priceShare);
// The same as money text with the currency symbol (at least kAmountTextSize bytes).
void ComputeMarketValue(int32_t numShares, int32_t priceShare, char* theText);
// Investment account Ii's holding at its latest price.
int64_t AccountMarketValue(int Ii);
// The market values of every valid account 1 to 25 added up.
int64_t ComputeTotalMarketValue();

// The gain over the cost basis in whole percent: (market value - cost basis) / (cost basis /
// 100), each division truncating; 0 when cost basis / 100 is 0.
int64_t Performance(int64_t marketValue, int64_t costBasis);
// The performance as it is shown: the number followed by "%".
std::string PerformanceText(int64_t performance);

// The three figures shown over an account, or with Ii 0 over the portfolio (its cost basis is
// Portfolio's AmountPaid, its market value the total).
struct InvestFigures {
    int64_t CostBasis = 0;
    int64_t MarketValue = 0;
    int64_t Performance = 0;
};
InvestFigures FiguresOf(int Ii);

// The mean price of the account's buys and price updates, each counted once whatever its share
// count (truncating; 0 without any). Shown as the value of a sale in the history list.
int32_t AvgPPS(int Ii);
// The part of the cost basis a sale of `sold` shares takes out of account Ii: AmountPaid x sold /
// held, truncating; a sale that leaves no shares takes all of it.
int64_t SaleCostBasis(int Ii, int32_t sold);

// 1 when every valid account's price is dated today; then today is stamped into Portfolio's
// Datime. Either way gInvestInfoBox says since when the market values are current.
int MarketValueCheck();

// An investment account that exists: Ii 1 to 25 and Valid.
bool ValidInvestAccount(int Ii);
