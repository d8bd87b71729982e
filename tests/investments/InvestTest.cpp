// Investment arithmetic and recording: market value, trades, price updates and cost basis with
// small and large holdings, the dialogs' field checks and their messages, the market-value
// check, exchanging and emptying accounts. (The randomized ledger run saves and reopens
// budgets with investments.)
#include "investments/Invest.h"
#include "investments/InvestRecording.h"
#include "model/Globals.h"
#include "model/Money.h"
#include "support/FileFixture.h"

#include <climits>
#include <string>
#include <vector>

namespace {

class InvestTest : public FileFixture {
protected:
    void SetUp() override
    {
        FileFixture::SetUp();
        RecordInvestName(1, "Index Fund");
        RecordInvestName(2, "Bonds");
    }

    // One dialog OK by its typed fields: 'b' buy, 's' sell (price, shares), 'p' price update,
    // 'c' cost basis (amount); every date today.
    struct Step {
        char Kind;
        const char* Shares;
        const char* Price;
        int Ii = 1;
    };
    bool Apply(const Step& step, InvestField* fault = nullptr)
    {
        switch (step.Kind) {
        case 'b':
        case 's':
            return SharePurchaseOK(step.Kind == 'b', step.Ii, step.Price, "12/5", step.Shares, fault) != nullptr;
        case 'p':
            return PricePerShareOK(step.Ii, step.Price, "12/5", fault) != nullptr;
        default:
            return CostBasisOK(step.Ii, step.Price, "12/5", fault) != 0;
        }
    }

    static std::string Money(int64_t amount)
    {
        char text[kAmountTextSize];
        I2SWide(amount, text, 0);
        return text;
    }
};

}  // namespace

// (Shares and prices read and shown with their own places: every trade here and the investment
// windows' figures.)
TEST_F(InvestTest, MarketValueIsTheExactProductCutToTheCent)
{
    const struct { int32_t shares, price; int places; const char* text; } cases[] = {
        {10000, 12345, 2, "$123.45"},           // 10 at 12.345
        {1500, 333, 2, "$0.49"},                // 1.5 at 0.333: 0.4995
        {1, 600, 2, "$0.00"},                   // 0.001 at 0.600: no cent is added
        {19999, 5, 2, "$0.09"},                 // 19.999 at 0.005: 0.099995, not 0.10
        {100000000, 25000, 2, "$2,500,000.00"},  // 100,000 at 25.000: beyond 32-bit products
        {INT32_MAX, INT32_MAX, 2, "$4,611,686,014,132.42"},
        {10000, 12345, 3, "$123.450"},  // money of three places: shares and prices keep three
        {10, 12, 0, "$120."},
    };
    for (const auto& c : cases) {
        gIntRec.DecimalPlaces = static_cast<signed char>(c.places);
        char text[kAmountTextSize];
        ComputeMarketValue(c.shares, c.price, text);
        EXPECT_STREQ(text, c.text) << c.shares << " at " << c.price;
    }
    gIntRec.DecimalPlaces = 2;
    EXPECT_EQ(Money(INT64_MIN), "$-92,233,720,368,547,758.08");  // the one 64-bit amount without a positive
}

TEST_F(InvestTest, TradesMoveHoldingCostBasisAndPortfolio)
{
    const struct Case {
        const char* name;
        std::vector<Step> steps;
        int32_t shares, price, paid, portfolio;
        int64_t marketValue, performance;
    } cases[] = {
        {"buy from empty", {{'b', "10", "12.345"}}, 10000, 12345, 12345, 12345, 12345, 0},
        {"price update", {{'b', "10", "12.345"}, {'p', "", "13"}}, 10000, 13000, 12345, 12345, 13000, 5},
        {"lots of different size sell in proportion",
         {{'b', "1", "10"}, {'b', "1000", "20"}, {'s', "500", "25"}},
         501000, 25000, 1001500, 1001500, 1252500, 25},
        {"selling everything", {{'b', "3", "1"}, {'b', "2", "2"}, {'s', "5", "3"}}, 0, 3000, 0, 0, 0, 0},
        {"selling none", {{'b', "4", "2.5"}, {'s', "0", "3"}}, 4000, 3000, 1000, 1000, 1200, 20},
        {"a thousandth of a share", {{'b', "0.001", "0.6"}}, 1, 600, 0, 0, 0, 0},
        // A tenth of a cent of cost basis is no cent: it stays.
        {"a sale of a thousandth", {{'b', "3", "1"}, {'s', "0.001", "1"}}, 2999, 1000, 300, 300, 299, 0},
        {"large holding", {{'b', "100000", "25"}}, 100000000, 25000, 250000000, 250000000, 250000000, 0},
        {"two accounts", {{'b', "100000", "25"}, {'b', "10", "10", 2}, {'p', "", "20", 2}},
         100000000, 25000, 250000000, 250010000, 250000000, 0},
        {"cost basis override", {{'b', "10", "10"}, {'c', "", "50"}}, 10000, 10000, 5000, 5000, 10000, 100},
    };
    for (const Case& c : cases) {
        SetUp();
        for (const Step& step : c.steps)
            ASSERT_TRUE(Apply(step)) << c.name << ": " << host.AllMessages();
        const IRecord& account = Invest[1];
        EXPECT_EQ(account.NumberOfShares, c.shares) << c.name;
        EXPECT_EQ(account.CostPerShare, c.price) << c.name;
        EXPECT_EQ(account.AmountPaid, c.paid) << c.name;
        EXPECT_EQ(Invest[0].AmountPaid, c.portfolio) << c.name;
        EXPECT_EQ(AccountMarketValue(1), c.marketValue) << c.name;
        EXPECT_EQ(FiguresOf(1).Performance, c.performance) << c.name;
        EXPECT_EQ(MemoryInvest[1].HistoryRec->TotalShares, c.shares) << c.name;
        EXPECT_EQ(RecordText(account.Datime), "12/05/26") << c.name;
        TearDown();
    }
}

// (What each record is and how many there are: the investment history window's tests and the
// randomized run.)
TEST_F(InvestTest, SaleValueShownAtTheMeanPriceWhileTheCostBasisGoesInProportion)
{
    for (const Step& step : {Step{'b', "1", "10"}, {'b', "1000", "20"}, {'p', "", "30"}, {'s', "1", "30"}})
        ASSERT_TRUE(Apply(step)) << host.AllMessages();
    // The mean of the buys and the price update, whatever their share counts.
    EXPECT_EQ(AvgPPS(1), 20000);
    // 1 of 1,001 shares takes 1/1,001 of 20,010.00.
    EXPECT_EQ(Invest[1].AmountPaid, 2001000 - 1999);
}

TEST_F(InvestTest, PortfolioCostBasisNeverGoesBelowZero)
{
    ASSERT_TRUE(Apply({'b', "10", "10"}));
    Invest[0].AmountPaid = 3000;  // less than the account's own, as a cost basis override elsewhere leaves it
    ASSERT_TRUE(Apply({'s', "10", "10"}));
    EXPECT_EQ(Invest[0].AmountPaid, 0);
    EXPECT_EQ(Invest[1].AmountPaid, 0);
}

TEST_F(InvestTest, FieldsAreCheckedInTheDialogsOrderWithTheirMessages)
{
    gBudget.CheckbookNegativeFlag = 1;  // a minus sign is read, and refused as no price
    const struct { Step step; InvestField fault; const char* title; const char* text; } cases[] = {
        {{'b', "1", "abc"}, InvestField::Amount, "Money Conversion Error", "abc"},
        {{'b', "1", "-5"}, InvestField::Amount, "Money Conversion Error", "-5"},
        {{'b', "1", "1.2345"}, InvestField::Amount, "Money Conversion Error", "1.2345"},
        {{'b', "1", "0"}, InvestField::Amount, "Range Error", "0"},
        {{'p', "", "100000.001"}, InvestField::Amount, "Range Error", "100000.001"},
        {{'b', "x", "1"}, InvestField::Shares, "Number Conversion Error", "x"},
        {{'b', "1.0001", "1"}, InvestField::Shares, "Number Conversion Error", "1.0001"},
        {{'s', "10.001", "1"}, InvestField::Shares, "Range Error", "10.001"},
        {{'s', "2000.001", "1", 2}, InvestField::Shares, "Range Error", "2000.001"},
        // Worth more than an amount holds: refused rather than stored wrong.
        {{'b', "1000000", "25"}, InvestField::Shares, "Range Error", "1000000"},
        {{'p', "", "30000", 2}, InvestField::Amount, "Range Error", "30000"},
        {{'s', "1", "30000", 2}, InvestField::Amount, "Range Error", "30000"},
        {{'b', "1", "1", 2}, InvestField::None, "", ""},
        {{'c', "", "1.234"}, InvestField::Amount, "Money Conversion Error", "1.234"},
        {{'c', "", "1000000.01"}, InvestField::Amount, "Range Error", "1000000.01"},
        {{'c', "", "50", 2}, InvestField::None, "", ""},
    };
    for (const auto& c : cases) {
        SetUp();
        ASSERT_TRUE(Apply({'b', "10", "10"}));  // holds 10 at 10.000, worth 100.00
        ASSERT_TRUE(Apply({'b', "2000", "10", 2}));  // 20,000.00
        const std::vector<uint8_t> before = Image();
        InvestField fault = InvestField::None;
        const bool recorded = Apply(c.step, &fault);
        EXPECT_EQ(fault, c.fault) << c.step.Price << " " << c.step.Shares;
        EXPECT_EQ(gIntRec.DecimalPlaces, 2);
        if (c.fault == InvestField::None) {
            EXPECT_TRUE(recorded) << host.AllMessages();
        } else {
            EXPECT_FALSE(recorded);
            ASSERT_EQ(host.Messages.size(), 1u) << host.AllMessages();
            EXPECT_EQ(host.Messages[0].Title, c.title);
            EXPECT_NE(host.Messages[0].Text.find(std::string("     ") + c.text + "     is"), std::string::npos)
                << host.Messages[0].Text;
            EXPECT_EQ(Image(), before) << "refused, yet changed: " << c.step.Price;
        }
        TearDown();
    }
    SetUp();
    InvestField fault = InvestField::None;
    EXPECT_EQ(SharePurchaseOK(1, 1, "1", "13/45", "1", &fault), nullptr);
    EXPECT_EQ(fault, InvestField::Date);
    EXPECT_EQ(host.Messages.back().Title, "Date Conversion Error");
}

TEST_F(InvestTest, PortfolioTotalBeyondAnAmountIsRefused)
{
    ASSERT_TRUE(Apply({'b', "100000", "150"})) << host.AllMessages();  // 15,000,000.00
    InvestField fault = InvestField::None;
    EXPECT_FALSE(Apply({'b', "100000", "70", 2}, &fault));  // 7,000,000.00 more
    EXPECT_EQ(fault, InvestField::Shares);
    EXPECT_EQ(host.OnlyMessage().rfind("The number:     100000     is out of range.", 0), 0u);
    EXPECT_EQ(MemoryInvest[2].HistoryRec, nullptr);
    EXPECT_TRUE(Apply({'b', "100000", "60", 2}));
    EXPECT_EQ(ComputeTotalMarketValue(), 2100000000);
    EXPECT_EQ(Money(FiguresOf(0).MarketValue), "$21,000,000.00");
}

TEST_F(InvestTest, MarketValueCheckStampsTodayOnlyWhenEveryPriceIsCurrent)
{
    CopyString("11/30/26", Invest[0].Datime);
    CopyString("12/05/26", Invest[1].Datime);
    CopyString("12/04/26", Invest[2].Datime);
    EXPECT_EQ(MarketValueCheck(), 0);
    EXPECT_STREQ(gInvestInfoBox, "Market Value Current as of 11/30/26");
    ASSERT_TRUE(Apply({'p', "", "1", 2}));
    EXPECT_EQ(MarketValueCheck(), 1);
    EXPECT_STREQ(gInvestInfoBox, "Market Value Current as of 12/05/26");
    EXPECT_STREQ(Invest[0].Datime, "12/05/26");
}

// (Naming and its refusals, and the refusal to delete an empty slot: budget-cli's invest tests.)
TEST_F(InvestTest, ExchangingAndEmptyingAccounts)
{
    ASSERT_TRUE(Apply({'b', "10", "10"}));
    ASSERT_TRUE(Apply({'p', "", "11"}));
    RecordInvestNote(1, "Watch it");
    ASSERT_EQ(SwitchInvest(1, 5), 1);  // onto a free slot
    EXPECT_TRUE(!Invest[1].Valid && RecordText(Invest[5].Name) == "Index Fund");
    EXPECT_EQ(SwitchInvest(5, 5), 0);
    EXPECT_EQ(SwitchInvest(0, 5), 0);

    EXPECT_EQ(InvestHistoryToKeep(5), 1);  // the price update is not kept
    ASSERT_EQ(InvestDeletable(5), 1);
    CloseInvestAccount(5);
    EXPECT_TRUE(!Invest[5].Valid && !Invest[5].Note[0] && !MemoryInvest[5].HistoryRec);
    EXPECT_EQ(Invest[0].AmountPaid, 0);
}
