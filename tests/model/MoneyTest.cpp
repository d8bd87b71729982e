// Amount text in both directions under the default and international settings, hostile settings
// read from a file, and the string helpers.
#include "model/Globals.h"
#include "model/Money.h"
#include "model/TextMeasure.h"
#include "support/BudgetFixture.h"

#include <climits>
#include <cstring>
#include <string>

namespace {

class FixedWidthMeasure : public TextMeasure {
public:
    int TextWidth(const char*, int length) const override { return 7 * length; }
};

International Settings(const char* symbol, char decimal, char group, int places, int groupSize, int flag1)
{
    International rec{};
    std::strncpy(rec.DollarSymbol, symbol, sizeof rec.DollarSymbol);
    rec.DecimalSymbol = decimal;
    rec.GroupSymbol = group;
    rec.DateSeperator = '/';
    rec.DecimalPlaces = static_cast<signed char>(places);
    rec.GroupSize = static_cast<signed char>(groupSize);
    rec.Flag1 = static_cast<signed char>(flag1);
    return rec;
}

const International kGerman = Settings("DM", ',', '.', 2, 3, kIntSymbolAfter | kIntSymbolSpace);

std::string Text(int32_t amount, int flag = 0)
{
    char buffer[kAmountTextSize];
    I2S(amount, buffer, flag);
    return buffer;
}

class MoneyTest : public BudgetFixture {};

}  // namespace

TEST_F(MoneyTest, WritesAmountsWithTheNewBudgetSettings)
{
    const struct { int32_t amount; const char* withSymbol; const char* bare; } cases[] = {
        {123456, "$1,234.56", "1,234.56"},     {0, "$0.00", "0.00"},
        {5, "$0.05", "0.05"},                  {-123456, "$-1,234.56", "-1,234.56"},
        {100000000, "$1,000,000.00", "1,000,000.00"}, {12345, "$123.45", "123.45"},
        {INT32_MAX, "$21,474,836.47", "21,474,836.47"}, {INT32_MIN, "$-21,474,836.48", "-21,474,836.48"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(c.amount, 0), c.withSymbol);
        EXPECT_EQ(Text(c.amount, 1), c.bare);
    }
}

TEST_F(MoneyTest, WritesAmountsWithOtherSettings)
{
    const struct { International rec; int32_t amount; const char* text; } cases[] = {
        {kGerman, 123456, "1.234,56 DM"}, {kGerman, -5, "-0,05 DM"},
        {Settings("$", '.', ',', 2, 1, 0), 123456, "$1,2,3,4.56"},
        {Settings("$", '.', ',', 2, 0, 0), 123456, "$1234.56"},
        {Settings("$", '.', ',', 0, 3, 0), 123456, "$123,456."},
        {Settings("$", '.', ',', 3, 3, 0), 5, "$0.005"},
        {Settings("$", '.', ',', 4, 3, 0), -5, "$-0.0005"},
        {Settings("$", '.', ',', 2, 3, kIntSymbolSpace), -5, "$ -0.05"},
        {Settings("kr", '.', ',', 2, 3, kIntSymbolAfter), 100, "1.00kr"},
    };
    for (const auto& c : cases) {
        gIntRec = c.rec;
        EXPECT_EQ(Text(c.amount), c.text);
    }
}

// Settings from a damaged file must never make the text outgrow its 32-byte buffer (ASan).
TEST_F(MoneyTest, HostileSettingsStayInsideTheBuffers)
{
    const int places[] = {-128, -1, 0, 4, 5, 127};
    const int groupSizes[] = {-128, -1, 0, 1, 127};
    const int32_t amounts[] = {INT32_MIN, INT32_MAX, -1, 0};
    for (int p : places) {
        for (int g : groupSizes) {
            for (int32_t amount : amounts) {
                gIntRec = Settings("", '.', ',', p, g, -1);
                std::memcpy(gIntRec.DollarSymbol, "ABCD", 4);  // no terminator
                const std::string text = Text(amount);
                EXPECT_LT(text.size(), size_t(kAmountTextSize));
                // Out-of-range places read as the nearest of 0 to 4.
                gIntRec.DecimalPlaces = static_cast<signed char>(p < 0 ? 0 : (p > 4 ? 4 : p));
                EXPECT_EQ(text, Text(amount)) << p << " " << g << " " << amount;
            }
        }
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
    const struct { const char* text; bool negativeAllowed; int16_t result; int32_t amount; } cases[] = {
        {"$1,234.56", false, kS2IValid, 123456}, {"12", false, kS2IValid, 1200},
        {".5", false, kS2IValid, 50}, {"", false, kS2IValid, 0}, {"1,2,3", false, kS2IValid, 12300},
        {"1.234", false, kS2ITooManyDigits, -1}, {"1.2.3", false, kS2ISecondSymbol, -1},
        {"12a", false, kS2IBadCharacter, -1}, {"1 2", false, kS2IBadCharacter, -1},
        {"-5", true, kS2INegative, -500}, {"-5", false, kS2IBadCharacter, -1},
        {"5-", true, kS2INegative, -500}, {"--5", true, kS2ISecondSymbol, -1},
        {"1.-5", true, kS2IBadCharacter, -1}, {"-0", true, kS2IValid, 0},
        // The 32-bit range, symmetric so that every amount can be negated.
        {"21474836.47", false, kS2IValid, INT32_MAX}, {"21474836.48", false, kS2IBadCharacter, -1},
        {"-21474836.47", true, kS2INegative, -INT32_MAX}, {"-21474836.48", true, kS2IBadCharacter, -1},
        {"999999999999999", false, kS2IBadCharacter, -1}, {"0000000000000001", false, kS2IBadCharacter, -1},
    };
    for (const auto& c : cases) {
        gBudget.CheckbookNegativeFlag = c.negativeAllowed ? 1 : 0;
        int32_t amount = -1;
        EXPECT_EQ(S2I(c.text, &amount), c.result) << c.text;
        EXPECT_EQ(amount, c.amount) << c.text;
    }
}

TEST_F(MoneyTest, ReadsAmountsWithOtherSettings)
{
    const struct { International rec; const char* text; int16_t result; int32_t amount; } cases[] = {
        {kGerman, "1.234,56 DM", kS2IValid, 123456},
        {kGerman, "12 DM", kS2IBadCharacter, -1},  // the space is taken only after the fraction
        {Settings("$", '.', ',', 2, 3, kIntSymbolSpace), "$ 12.50", kS2IValid, 1250},
        {Settings("$", '.', ',', 2, 3, kIntSymbolSpace), "$12.50 ", kS2IBadCharacter, -1},
        {Settings("$", '.', ',', 0, 3, 0), "12.5", kS2ITooManyDigits, -1},
        {Settings("$", '.', ',', 3, 3, 0), "1.5", kS2IValid, 1500},
    };
    for (const auto& c : cases) {
        gIntRec = c.rec;
        int32_t amount = -1;
        EXPECT_EQ(S2I(c.text, &amount), c.result) << c.text;
        EXPECT_EQ(amount, c.amount) << c.text;
    }
}

TEST_F(MoneyTest, WrittenAmountsReadBack)
{
    gBudget.CheckbookNegativeFlag = 1;
    const International settings[] = {
        Settings("$", '.', ',', 2, 3, 0), kGerman, Settings("$", '.', ',', 0, 1, kIntSymbolSpace),
        Settings("EUR", ',', ' ', 4, 2, kIntSymbolAfter),
    };
    const int32_t amounts[] = {0, 1, -1, 999, 123456, -100000000, INT32_MAX, -INT32_MAX};
    for (const auto& rec : settings) {
        gIntRec = rec;
        for (int32_t amount : amounts) {
            for (int flag : {0, 1}) {
                const std::string text = Text(amount, flag);
                int32_t back = 0;
                EXPECT_EQ(S2I(text.c_str(), &back), amount < 0 ? kS2INegative : kS2IValid) << text;
                EXPECT_EQ(back, amount) << text;
            }
        }
    }
}

TEST_F(MoneyTest, AmountStringDropsTheSymbolWhenTooWide)
{
    const FixedWidthMeasure measure;  // "$1,234.56" is 63 pixels
    char out[kAmountTextSize];
    AmountString(measure, 123456, 63, out);
    EXPECT_STREQ(out, "$1,234.56");
    AmountString(measure, 123456, 62, out);
    EXPECT_STREQ(out, "1,234.56");
}

TEST_F(MoneyTest, StringHelpers)
{
    const struct { const char* text; int numbers; int slashes; } cases[] = {
        {"", 1, 0}, {"0123456789", 1, 0}, {"12a", 0, 0}, {"1/2/03", 0, 2}, {"1/2", 0, 1}, {"1234567/9/", 0, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckNumbers(c.text), c.numbers) << c.text;
        EXPECT_EQ(CountSlash(c.text), c.slashes) << c.text;
    }

    char buffer[8] = "abc";
    CombineString(buffer, "def", buffer);
    CombineString("x", buffer, buffer);
    EXPECT_STREQ(buffer, "xabcdef");
    CombineString(buffer, "tail", buffer);  // cut to the buffer
    EXPECT_STREQ(buffer, "xabcdef");
    CopyString("longer than eight", buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "longer ");

    char upper[16];
    LowerToUpper("az AZ-09{}`\xe9", upper);
    EXPECT_STREQ(upper, "AZ AZ-09{}`\xe9");
}
