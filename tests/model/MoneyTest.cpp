// Amount text in both directions under the default and international settings, hostile settings
// read from a file, and the counts of digits and slashes in typed text.
#include "model/Globals.h"
#include "model/Money.h"
#include "model/TextMeasure.h"
#include "support/BudgetFixture.h"

#include <climits>
#include <cstring>
#include <string>
#include <utility>

namespace {

struct FixedWidthMeasure : TextMeasure {
    int TextWidth(const char*, int length) const override { return 7 * length; }
};

International Settings(const char* symbol, char decimal, char group, int places, int groupSize, int flag1)
{
    International rec{{}, decimal, group, '/', static_cast<signed char>(places), static_cast<signed char>(groupSize),
                      static_cast<signed char>(flag1), 0, 0};
    std::strncpy(rec.DollarSymbol, symbol, sizeof rec.DollarSymbol);
    return rec;
}

const International kGerman = Settings("DM", ',', '.', 2, 3, kIntSymbolAfter | kIntSymbolSpace);

std::string Text(int32_t amount, int flag = 0)
{
    char buffer[kAmountTextSize];
    I2S(amount, buffer, flag);
    return buffer;
}

// S2I's result and amount (-1 when it wrote none).
std::pair<int16_t, int32_t> Read(const std::string& text)
{
    int32_t amount = -1;
    const int16_t result = S2I(text.c_str(), &amount);
    return {result, amount};
}

class MoneyTest : public BudgetFixture {};

}  // namespace

TEST_F(MoneyTest, WritesAmountsThatReadBack)
{
    const International dollar = gIntRec;  // a new budget's settings
    auto dollars = [](int places, int group, int flag = 0) { return Settings("$", '.', ',', places, group, flag); };
    gBudget.CheckbookNegativeFlag = 1;
    const struct { International rec; int32_t amount; const char* text; int flag = 0; } cases[] = {
        {dollar, 123456, "$1,234.56"}, {dollar, 123456, "1,234.56", 1}, {dollar, 0, "$0.00"}, {dollar, 5, "$0.05"},
        {dollar, -123456, "$-1,234.56"}, {dollar, -123456, "-1,234.56", 1}, {dollar, 100000000, "$1,000,000.00"},
        {dollar, INT32_MAX, "$21,474,836.47"}, {dollar, INT32_MIN, "-21,474,836.48", 1},
        {kGerman, 123456, "1.234,56 DM"}, {kGerman, -5, "-0,05 DM"}, {kGerman, -INT32_MAX, "-21.474.836,47 DM"},
        {dollars(2, 1), 123456, "$1,2,3,4.56"}, {dollars(2, 0), 123456, "$1234.56"}, {dollars(3, 3), 5, "$0.005"},
        {dollars(0, 3), 123456, "$123,456."}, {dollars(4, 3), -5, "$-0.0005"},
        {dollars(2, 3, kIntSymbolSpace), -5, "$ -0.05"},
        {Settings("kr", '.', ',', 2, 3, kIntSymbolAfter), 100, "1.00kr"},
        {Settings("EUR", ',', ' ', 4, 2, kIntSymbolAfter), -100000000, "-1 00 00,0000EUR"},
    };
    for (const auto& c : cases) {
        gIntRec = c.rec;
        EXPECT_EQ(Text(c.amount, c.flag), c.text);
        // The text reads back, but for the one amount that has no negation.
        EXPECT_EQ(Read(c.text), c.amount == INT32_MIN ? std::pair(kS2IBadCharacter, -1)
                                                      : std::pair(c.amount < 0 ? kS2INegative : kS2IValid, c.amount));
    }
}

// Settings from a damaged file must never make the text outgrow its 32-byte buffer (ASan).
TEST_F(MoneyTest, HostileSettingsStayInsideTheBuffers)
{
    for (int p : {-128, -1, 0, 4, 5, 127})
        for (int g : {-128, -1, 0, 1, 127})
            for (int32_t amount : {INT32_MIN, INT32_MAX, -1, 0}) {
                gIntRec = Settings("", '.', ',', p, g, -1);
                std::memcpy(gIntRec.DollarSymbol, "ABCD", 4);  // no terminator
                const std::string text = Text(amount);
                EXPECT_LT(text.size(), size_t(kAmountTextSize));
                // Out-of-range places read as the nearest of 0 to 4.
                gIntRec.DecimalPlaces = static_cast<signed char>(p < 0 ? 0 : (p > 4 ? 4 : p));
                EXPECT_EQ(text, Text(amount)) << p << " " << g << " " << amount;
            }

    char grouped[kAmountTextSize];
    gIntRec.GroupSize = 1;
    I2SGroup(std::string(40, '9').c_str(), grouped);
    EXPECT_EQ(std::strlen(grouped), size_t(kAmountTextSize - 1));

    char symbol[16];
    I2SSymbol(symbol);
    EXPECT_STREQ(symbol, " ABC");
}

TEST_F(MoneyTest, ReadsAmounts)
{
    // With negative amounts allowed, as they are in the Checkbook when its flag is set.
    gBudget.CheckbookNegativeFlag = 1;
    const struct { const char* text; int16_t result; int32_t amount; } cases[] = {
        {"$1,234.56", kS2IValid, 123456}, {"12", kS2IValid, 1200}, {".5", kS2IValid, 50}, {"", kS2IValid, 0},
        {"1,2,3", kS2IValid, 12300}, {"1.234", kS2ITooManyDigits, -1}, {"1.2.3", kS2ISecondSymbol, -1},
        {"12a", kS2IBadCharacter, -1}, {"1 2", kS2IBadCharacter, -1}, {"-5", kS2INegative, -500}, {"-0", kS2IValid, 0},
        {"5-", kS2INegative, -500}, {"--5", kS2ISecondSymbol, -1}, {"1.-5", kS2IBadCharacter, -1},
        // The 32-bit range, symmetric so that every amount can be negated.
        {"21474836.47", kS2IValid, INT32_MAX}, {"21474836.48", kS2IBadCharacter, -1},
        {"-21474836.47", kS2INegative, -INT32_MAX}, {"-21474836.48", kS2IBadCharacter, -1},
        {"999999999999999", kS2IBadCharacter, -1}, {"0000000000000001", kS2IBadCharacter, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.text), std::pair(c.result, c.amount)) << c.text;
    gBudget.CheckbookNegativeFlag = 0;
    EXPECT_EQ(Read("-5"), std::pair(kS2IBadCharacter, -1));

    const struct { International rec; const char* text; int16_t result; int32_t amount; } others[] = {
        {kGerman, "1.234,56 DM", kS2IValid, 123456},
        {kGerman, "12 DM", kS2IBadCharacter, -1},  // the space is taken only after the fraction
        {Settings("$", '.', ',', 2, 3, kIntSymbolSpace), "$ 12.50", kS2IValid, 1250},
        {Settings("$", '.', ',', 2, 3, kIntSymbolSpace), "$12.50 ", kS2IBadCharacter, -1},
        {Settings("$", '.', ',', 0, 3, 0), "12.5", kS2ITooManyDigits, -1},
        {Settings("$", '.', ',', 3, 3, 0), "1.5", kS2IValid, 1500},
    };
    for (const auto& c : others) {
        gIntRec = c.rec;
        EXPECT_EQ(Read(c.text), std::pair(c.result, c.amount)) << c.text;
    }
}

TEST_F(MoneyTest, AmountStringDropsTheSymbolWhenTooWide)
{
    char out[kAmountTextSize];
    AmountString(FixedWidthMeasure(), 123456, 63, out);  // "$1,234.56" is 63 pixels
    EXPECT_STREQ(out, "$1,234.56");
    AmountString(FixedWidthMeasure(), 123456, 62, out);
    EXPECT_STREQ(out, "1,234.56");
}

// Dates are told by their slashes within the stored date's eight characters.
TEST_F(MoneyTest, SlashesAreCountedWithinADatesEightCharacters)
{
    for (auto [text, slashes] : {std::pair{"", 0}, {"1/2/03", 2}, {"1/2", 1}, {"1234567/9/", 1}})
        EXPECT_EQ(CountSlash(text), slashes) << text;
}
