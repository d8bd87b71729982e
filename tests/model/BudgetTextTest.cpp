// The budget's 8-bit text (Windows-1252) to Unicode and back: the characters of the names users
// type, every byte a file may hold, and the characters the budget cannot hold.
#include "model/BudgetText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BudgetTextTest, NamesWithAccentsAndSignsAreOneByteEach)
{
    const std::pair<const char*, std::string> cases[] = {
        {"Müller", "M\xfcller"},
        {"Café", "Caf\xe9"},
        {"€uro", "\x80uro"},
        {"Ñandú", "\xd1" "and\xfa"},
        {"naïve 50½", "na\xef" "ve 50\xbd"},
        {"„Œuvre“ – ‰ ™ Ÿ", "\x84\x8cuvre\x93 \x96 \x89 \x99 \x9f"},
    };
    for (const auto& [utf8, bytes] : cases) {
        std::string encoded;
        EXPECT_EQ(EncodeBudgetText(QString::fromUtf8(utf8), encoded), 0u) << utf8;
        EXPECT_EQ(encoded, bytes) << utf8;
        EXPECT_EQ(DecodeBudgetText(bytes), QString::fromUtf8(utf8));
    }
}

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
