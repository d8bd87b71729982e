// Recording share trades, prices, cost bases, names and notes of investment accounts, and the
// checks of the investment dialogs' fields.
#include "investments/InvestRecording.h"

#include "investments/Invest.h"
#include "ledger/Recording.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Initialize.h"
#include "model/Messages.h"
#include "model/Money.h"
#include "model/RecordStore.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

bool FitsAmount(int64_t value)
{
    return value >= INT32_MIN && value <= INT32_MAX;
}

// The field a trade that does not fit is blamed on: a buy's share count (a price update's
// price); a sale only lowers the holding and the cost basis, so a market value too large is
// its price's doing.
InvestField Blame(int buysell, int32_t numShares, bool marketValue)
{
    if (buysell)
        return numShares != 0 ? InvestField::Shares : InvestField::Amount;
    return marketValue ? InvestField::Amount : InvestField::Shares;
}

// The text of a number a refusal names, as its field shows it.
std::string FieldText(int32_t number, int places)
{
    char text[kAmountTextSize];
    I2S(number, text, 1, places);
    return text;
}

}  // namespace

IHistory* CreateInvestmentHistoryRecord(int Ii)
{
    IHistory* rec = NewInvestHistoryRecord();
    rec->InvestFP = MemoryInvest[Ii].HistoryRec;
    MemoryInvest[Ii].HistoryRec = rec;
    Invest[Ii].NumberOfHistoryRecords++;
    MemoryInvest[Ii].DisplayLines++;
    ++gHistoryShape;
    rec->Ii = static_cast<int16_t>(Ii);
    rec->PPSUpdate = 0;
    GetDatime(rec->RDatime);
    gBudgetFileChanged = 1;
    return rec;
}

InvestField TradeFault(int buysell, int Ii, int32_t numShares, int32_t priceShare)
{
    const IRecord& account = Invest[Ii];
    if (numShares < 0)
        return InvestField::Shares;
    if (priceShare < 0)
        return InvestField::Amount;
    if (!buysell && numShares > account.NumberOfShares)
        return InvestField::Shares;

    const int64_t held = buysell ? int64_t{account.NumberOfShares} + numShares
                                 : int64_t{account.NumberOfShares} - numShares;
    const int64_t cost = buysell ? MarketValue(numShares, priceShare) : -SaleCostBasis(Ii, numShares);
    const int64_t portfolio = buysell ? int64_t{Invest[0].AmountPaid} + cost
                                      : std::max<int64_t>(0, int64_t{Invest[0].AmountPaid} + cost);
    if (!FitsAmount(held) || !FitsAmount(account.AmountPaid + cost) || !FitsAmount(portfolio))
        return Blame(buysell, numShares, false);

    const int64_t value = MarketValue(static_cast<int32_t>(held), priceShare);
    const int64_t total = ComputeTotalMarketValue() - (account.Valid ? AccountMarketValue(Ii) : 0) + value;
    if (!FitsAmount(value) || !FitsAmount(total))
        return Blame(buysell, numShares, true);
    return InvestField::None;
}

IHistory* BuySellShares(int buysell, int Ii, int32_t numShares, int32_t priceShare, const char* datime)
{
    if (!ValidInvestAccount(Ii))
        return nullptr;
    if (const InvestField fault = TradeFault(buysell, Ii, numShares, priceShare); fault != InvestField::None) {
        const bool shares = fault == InvestField::Shares;
        HandleRangeError(FieldText(shares ? numShares : priceShare, SharePlaces()).c_str());
        return nullptr;
    }

    IRecord& account = Invest[Ii];
    // What the sale takes out is worked out from the holding before it.
    const int64_t cost = buysell ? MarketValue(numShares, priceShare) : SaleCostBasis(Ii, numShares);
    IHistory* rec = CreateInvestmentHistoryRecord(Ii);
    rec->TypeFlag = buysell ? 0 : 1;
    rec->NumberOfShares = numShares;
    rec->CostPerShare = priceShare;
    account.CostPerShare = priceShare;
    // Each sum fits an amount (TradeFault), whatever the parts.
    if (buysell) {
        account.NumberOfShares += numShares;
        account.AmountPaid = static_cast<int32_t>(account.AmountPaid + cost);
        Invest[0].AmountPaid = static_cast<int32_t>(Invest[0].AmountPaid + cost);
    } else {
        account.NumberOfShares -= numShares;
        account.AmountPaid = static_cast<int32_t>(account.AmountPaid - cost);
        Invest[0].AmountPaid = static_cast<int32_t>(std::max<int64_t>(0, Invest[0].AmountPaid - cost));
    }
    rec->TotalShares = account.NumberOfShares;
    CopyString(datime, rec->Datime);
    CopyString(datime, account.Datime);
    gBudgetFileChanged = 1;
    return rec;
}

IHistory* RecordPriceUpdate(int Ii, int32_t priceShare, const char* datime)
{
    IHistory* rec = BuySellShares(1, Ii, 0, priceShare, datime);
    if (rec)
        rec->PPSUpdate = 1;
    return rec;
}

bool CostBasisFits(int Ii, int32_t amount)
{
    return FitsAmount(int64_t{Invest[0].AmountPaid} - Invest[Ii].AmountPaid + amount);
}

int RecordCostBasis(int Ii, int32_t amount)
{
    if (!ValidInvestAccount(Ii))
        return 0;
    if (!CostBasisFits(Ii, amount)) {
        HandleRangeError(FieldText(amount, kMoneyPlaces).c_str());
        return 0;
    }
    Invest[0].AmountPaid = static_cast<int32_t>(int64_t{Invest[0].AmountPaid} - Invest[Ii].AmountPaid + amount);
    Invest[Ii].AmountPaid = amount;
    gBudgetFileChanged = 1;
    return 1;
}

int GetInvestDialogDatimeAmt(const char* amountText, const char* dateText, int places, int32_t* amount,
                             char* theDatime, InvestField* fault)
{
    auto refuse = [fault](InvestField field) {
        if (fault)
            *fault = field;
        return 0;
    };
    char field[16];
    CopyString(amountText, field);
    int32_t value = 0;
    if (S2I(field, &value, places) != kS2IValid) {
        HandleDollarConversionError(field);
        return refuse(InvestField::Amount);
    }
    if (value < 1 || value > kLargestInvestAmount) {
        HandleRangeError(field);
        return refuse(InvestField::Amount);
    }
    if (!ReadDialogDatime(dateText, theDatime))
        return refuse(InvestField::Date);
    *amount = value;
    return 1;
}

int ReadShareCount(int buysell, int Ii, const char* text, int32_t* numShares)
{
    char field[16];
    CopyString(text, field);
    int32_t value = 0;
    if (S2I(field, &value, SharePlaces()) != kS2IValid) {
        HandleNumberConversionError(field);
        return 0;
    }
    if (!buysell && value > Invest[Ii].NumberOfShares) {
        HandleRangeError(field);
        return 0;
    }
    *numShares = value;
    return 1;
}

IHistory* SharePurchaseOK(int buysell, int Ii, const char* priceText, const char* dateText, const char* sharesText,
                          InvestField* fault)
{
    int32_t price = 0;
    char datime[kDatimeSize] = {};
    if (!GetInvestDialogDatimeAmt(priceText, dateText, SharePlaces(), &price, datime, fault))
        return nullptr;
    int32_t shares = 0;
    InvestField blamed = InvestField::Shares;
    if (ReadShareCount(buysell, Ii, sharesText, &shares)) {
        blamed = TradeFault(buysell, Ii, shares, price);
        if (blamed == InvestField::None)
            return BuySellShares(buysell, Ii, shares, price, datime);
        char field[16];
        CopyString(blamed == InvestField::Shares ? sharesText : priceText, field);
        HandleRangeError(field);
    }
    if (fault)
        *fault = blamed;
    return nullptr;
}

IHistory* PricePerShareOK(int Ii, const char* priceText, const char* dateText, InvestField* fault)
{
    int32_t price = 0;
    char datime[kDatimeSize] = {};
    if (!GetInvestDialogDatimeAmt(priceText, dateText, SharePlaces(), &price, datime, fault))
        return nullptr;
    if (TradeFault(1, Ii, 0, price) != InvestField::None) {
        char field[16];
        CopyString(priceText, field);
        HandleRangeError(field);
        if (fault)
            *fault = InvestField::Amount;
        return nullptr;
    }
    return RecordPriceUpdate(Ii, price, datime);
}

int CostBasisOK(int Ii, const char* amountText, const char* dateText, InvestField* fault)
{
    int32_t amount = 0;
    char datime[kDatimeSize] = {};  // must be a date, but the cost basis keeps none
    if (!GetInvestDialogDatimeAmt(amountText, dateText, kMoneyPlaces, &amount, datime, fault))
        return 0;
    if (!CostBasisFits(Ii, amount)) {
        char field[16];
        CopyString(amountText, field);
        HandleRangeError(field);
        if (fault)
            *fault = InvestField::Amount;
        return 0;
    }
    return RecordCostBasis(Ii, amount);
}

int RecordInvestName(int Ii, const std::string& name)
{
    const std::string kept = name.substr(0, kInvestNameChars);
    if (!AccountNameGiven(kept))
        return 0;
    CopyString(kept.c_str(), Invest[Ii].Name);
    Invest[Ii].Valid = 1;
    gBudgetFileChanged = 1;
    return 1;
}

void RecordInvestNote(int Ii, const char* text)
{
    CopyString(text, Invest[Ii].Note, kNoteChars + 1);
    gBudgetFileChanged = 1;
}

int SwitchInvest(int fm, int too)
{
    if (fm < 1 || fm >= kInvestments || too < 1 || too >= kInvestments || fm == too)
        return 0;
    Invest[fm].SelectFlag = 0;
    Invest[too].SelectFlag = 0;
    gFirstSelected[0] = gFirstSelected[1] = -1;
    gSecondSelected[0] = gSecondSelected[1] = -1;
    std::swap(Invest[fm], Invest[too]);
    std::swap(MemoryInvest[fm], MemoryInvest[too]);
    for (const int Ii : {fm, too})
        for (IHistory* r = MemoryInvest[Ii].HistoryRec; r; r = r->InvestFP)
            r->Ii = static_cast<int16_t>(Ii);
    gBudgetFileChanged = 1;
    return 1;
}

int InvestHistoryToKeep(int Ii)
{
    int count = 0;
    for (const IHistory* r = MemoryInvest[Ii].HistoryRec; r; r = r->InvestFP)
        count += r->PPSUpdate ? 0 : 1;
    return count;
}

int InvestDeletable(int Ii)
{
    if (ValidInvestAccount(Ii))
        return 1;
    HandleDeleteError("");
    return 0;
}

void CloseInvestAccount(int Ii)
{
    const int64_t portfolio = int64_t{Invest[0].AmountPaid} - Invest[Ii].AmountPaid;
    Invest[0].AmountPaid = static_cast<int32_t>(std::clamp<int64_t>(portfolio, 0, INT32_MAX));
    Invest[Ii].Note[0] = '\0';
    InitializeInvestRecord(Ii);
    gBudgetFileChanged = 1;
}
