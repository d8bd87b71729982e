// What the investment dialogs record once their fields are read: trades and price updates, the
// cost basis, names, notes, exchanging two accounts and emptying an account. The dialogs and
// budget-cli record through the same functions, and read what was typed with the same checks.
#pragma once

#include "model/Records.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The name edit of the investment naming dialog holds what the Name field does.
constexpr size_t kInvestNameChars = sizeof(IRecord::Name) - 1;
// Prices and cost bases are taken from 1 to this many units.
constexpr int32_t kLargestInvestAmount = 100000000;

// The field of an investment dialog a refusal is about, to put the focus there.
enum class InvestField {
    None,
    Name,    // the naming dialog's name edit
    Amount,  // the price or cost basis edit
    Date,
    Shares,  // the share dialog's share count
};

// Making a record: a zeroed record at the head of account Ii's chain, counted, stamped with the
// moment it was made. The budget is marked changed.
IHistory* CreateInvestmentHistoryRecord(int Ii);

// Whether a trade (buysell 1 = buy, 0 = sell) of numShares at priceShare fits account Ii: not
// more shares sold than held, and every figure it leaves (holding, cost basis, the portfolio's
// cost basis, the account's and the portfolio's market value) an amount. InvestField::None when
// it fits, else the field to blame: the share count of a buy, the price of a price update, of a
// sale that leaves a market value too large, or of a negative price.
InvestField TradeFault(int buysell, int Ii, int32_t numShares, int32_t priceShare);

// A buy or sale of numShares at priceShare dated datime (stored form) in valid account Ii: the
// record, the holding, the latest price and its date; a buy adds its value at that price to the
// cost basis, a sale takes its share of the cost basis out (SaleCostBasis) of the account and of
// the portfolio, which never goes below 0. Null for an account that does not exist, or after the
// range message when the trade does not fit (TradeFault), with nothing recorded.
IHistory* BuySellShares(int buysell, int Ii, int32_t numShares, int32_t priceShare, const char* datime);
// A new price: a buy of no shares, marked as a price update.
IHistory* RecordPriceUpdate(int Ii, int32_t priceShare, const char* datime);

// Whether account Ii's cost basis may become `amount`: the portfolio's then is an amount.
bool CostBasisFits(int Ii, int32_t amount);
// The cost basis override: the portfolio's cost basis follows. 0 after the range message when
// it does not fit (nothing stored), or for an account that does not exist; else 1.
int RecordCostBasis(int Ii, int32_t amount);

// Reading the dialogs' fields, with their messages; each 1 when read, else 0 with the field at
// fault in *fault (when given). Texts are taken as the 15-character edits hold them.
//
// The price (places: SharePlaces()) or cost basis (kMoneyPlaces) edit and the date edit: an
// amount from 1 to kLargestInvestAmount (the money message for text that is no amount or a
// negative one, the range message otherwise), then the date completed from today into
// theDatime (at least 16 bytes).
int GetInvestDialogDatimeAmt(const char* amountText, const char* dateText, int places, int32_t* amount,
                             char* theDatime, InvestField* fault = nullptr);
// The share count: the number message for text that is no count or a negative one; for a sale
// (buysell 0) the range message for more shares than account Ii holds.
int ReadShareCount(int buysell, int Ii, const char* text, int32_t* numShares);

// The OK buttons of the share, price and cost basis dialogs: the fields checked in the dialogs'
// order (price or cost basis, date, shares), then recorded. The new record (or 1), or null (0)
// after the message with *fault the field to focus.
IHistory* SharePurchaseOK(int buysell, int Ii, const char* priceText, const char* dateText, const char* sharesText,
                          InvestField* fault = nullptr);
IHistory* PricePerShareOK(int Ii, const char* priceText, const char* dateText, InvestField* fault = nullptr);
int CostBasisOK(int Ii, const char* amountText, const char* dateText, InvestField* fault = nullptr);

// The naming dialog's OK for slot Ii (1 to 25): the name (cut to kInvestNameChars) is stored
// and the slot holds an account from then on. An empty name is refused ("An account must be
// specified.", 0).
int RecordInvestName(int Ii, const std::string& name);

// The Notes dialog's OK (up to 252 characters) and Delete (an empty text) for account Ii.
void RecordInvestNote(int Ii, const char* text);

// Exchanges the slots fm and too (1 to 25, an empty slot too) with their histories: both are
// un-selected, the records and their companions swap places and every history record is
// renumbered. 0 for slots outside 1 to 25 or one slot twice, else 1.
int SwitchInvest(int fm, int too);

// The records deleting account Ii keeps in its history file: all but price updates.
int InvestHistoryToKeep(int Ii);
// 1 when account Ii may be deleted; else 0 after the delete message (no account there, or
// Portfolio).
int InvestDeletable(int Ii);
// The deletion once its history is kept: the portfolio loses the account's cost basis (and
// stays at 0 or above), the note is emptied and the slot made free.
void CloseInvestAccount(int Ii);
