// The budget's 8-bit text (Windows-1252) to Unicode and back: every byte a file may hold, and the
// characters the budget cannot hold. (budget-cli's text tests take names with accents and signs
// through the command line and dump.)
#include "model/BudgetText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Whatever a file holds reads as text and writes back as the same bytes, the five bytes
// Windows-1252 leaves undefined included.
TEST(BudgetTextTest, EveryByteComesBackAsItWas)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    std::string back;
    EXPECT_EQ(EncodeBudgetText(DecodeBudgetText(all), back), 0u);
    EXPECT_EQ(back, all);
    EXPECT_EQ(BudgetTextCharacter(0x81), U'\u0081');
    EXPECT_EQ(BudgetTextCharacter(0x9D), U'\u009D');
}

TEST(BudgetTextTest, ACharacterWithoutAByteIsLeftOutAndReported)
{
    const std::tuple<const char*, char32_t, std::string> cases[] = {
        {"Ωmega", U'Ω', "mega"},
        {"日本 x", U'日', " x"},
        {"Fun 😀!", U'😀', "Fun !"},
        {"x\u0080", U'\u0080', "x"},  // the byte 0x80 is the euro sign
    };
    for (const auto& [utf8, refused, kept] : cases) {
        std::string encoded;
        EXPECT_EQ(EncodeBudgetText(QString::fromUtf8(utf8), encoded), refused) << utf8;
        EXPECT_EQ(encoded, kept) << utf8;
    }
}

}  // namespace
