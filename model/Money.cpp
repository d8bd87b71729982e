// Amounts of money as text and back, shaped by the international settings in gIntRec, and the
// small string helpers used everywhere.
//
// gIntRec comes from the budget file, so every routine here stays inside its buffers whatever
// the record holds: DecimalPlaces is taken as if clamped to 0..4 (the fraction text has room for
// four digits), GroupSize 0 or below means no grouping, and the currency symbol is read from its
// 4-byte field without trusting a terminator.
#include "model/Money.h"

#include "model/Globals.h"
#include "model/TextMeasure.h"

#include <cstdint>
#include <cstring>

namespace {

// Longest currency symbol: the field is 4 bytes, the last kept for the terminator.
constexpr size_t kMaxSymbolLength = 3;
// Amount text read by S2I: longer digit strings are refused.
constexpr int kMaxAmountDigits = 15;


size_t SymbolLength()
{
    return strnlen(gIntRec.DollarSymbol, kMaxSymbolLength);
}

bool IsSymbolCharacter(char c)
{
    return std::memchr(gIntRec.DollarSymbol, c, SymbolLength()) != nullptr;
}

bool SymbolAfter()
{
    return (gIntRec.Flag1 & kIntSymbolAfter) != 0;
}

bool SymbolSpace()
{
    return (gIntRec.Flag1 & kIntSymbolSpace) != 0;
}

// Whole-unit digits (at least 24 bytes) and fraction with its decimal symbol (at least 8 bytes)
// of the absolute value of a 64-bit number; true when it was negative.
bool WideParts(int64_t num, int places, char* theDollar, char* theCents)
{
    const bool negative = num < 0;
    // Unsigned, so that the most negative number has an absolute value too.
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(num) : static_cast<uint64_t>(num);

    char digits[24];
    int length = 0;
    uint64_t rest = magnitude;
    do {
        digits[length++] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    // digits holds the number backwards, at most 20 characters.

    int out = 0;
    if (length <= places) {
        theDollar[out++] = '0';
    } else {
        for (int i = length - 1; i >= places; --i)
            theDollar[out++] = digits[i];
    }
    theDollar[out] = '\0';

    out = 0;
    theCents[out++] = gIntRec.DecimalSymbol;
    for (int i = places - 1; i >= 0; --i)
        theCents[out++] = i < length ? digits[i] : '0';
    theCents[out] = '\0';
    return negative;
}

}  // namespace

int FractionPlaces(int places)
{
    if (places == kMoneyPlaces)
        places = gIntRec.DecimalPlaces;
    return places < 0 ? 0 : (places > 4 ? 4 : places);
}

int16_t S2I(const char* inString, int32_t* num, int places)
{
    if (inString == nullptr || *inString == '\0') {
        *num = 0;
        return kS2IValid;
    }

    const bool negativeAllowed = gBudget.CheckbookNegativeFlag != 0;
    bool decimalSeen = false;
    bool signSeen = false;
    int fractionDigits = 0;
    int digits = 0;
    int64_t value = 0;  // at most 15 digits, so it cannot overflow

    for (const char* p = inString; *p != '\0'; ++p) {
        const char c = *p;
        if (c == gIntRec.GroupSymbol)
            continue;
        if (IsSymbolCharacter(c))
            continue;
        if (c == ' ') {
            // The space that joins the symbol to the number: before the digits when the symbol
            // leads, after the fraction when it follows.
            if (SymbolSpace() && (SymbolAfter() ? decimalSeen : !decimalSeen))
                continue;
            return kS2IBadCharacter;
        }
        if (decimalSeen)
            ++fractionDigits;
        if (c == gIntRec.DecimalSymbol) {
            if (decimalSeen)
                return kS2ISecondSymbol;
            decimalSeen = true;
            continue;
        }
        if (c == '-') {
            if (decimalSeen || !negativeAllowed)
                return kS2IBadCharacter;
            if (signSeen)
                return kS2ISecondSymbol;
            signSeen = true;
            continue;
        }
        if (c < '0' || c > '9')
            return kS2IBadCharacter;
        if (++digits <= kMaxAmountDigits)
            value = value * 10 + (c - '0');
    }

    places = FractionPlaces(places);
    if (fractionDigits > places)
        return kS2ITooManyDigits;
    if (digits > kMaxAmountDigits)
        return kS2IBadCharacter;

    // Amounts are refused beyond +-2147483647 so that the most negative 32-bit value never
    // enters the budget: amounts are negated freely elsewhere.
    for (int i = fractionDigits; i < places; ++i) {
        value *= 10;
        if (value > INT32_MAX)
            break;
    }
    if (value > INT32_MAX)
        return kS2IBadCharacter;

    const int32_t amount = static_cast<int32_t>(signSeen ? -value : value);
    *num = amount;
    return amount < 0 ? kS2INegative : kS2IValid;
}

int I2SParts(int32_t num, char* theDollar, char* theCents)
{
    char dollars[24];
    const bool negative = WideParts(num, FractionPlaces(), dollars, theCents);
    CopyString(dollars, theDollar, 16);  // an amount has at most 10 digits
    return negative ? 1 : 0;
}

void I2SGroup(const char* inNumber, char* outNumber)
{
    const int groupSize = gIntRec.GroupSize;
    const char symbol = gIntRec.GroupSymbol;
    if (groupSize <= 0 || symbol == '\0') {
        CopyString(inNumber, outNumber, kAmountTextSize);
        return;
    }

    // Built backwards from the last digit; longer results are cut to the output's 31 characters.
    const size_t length = strnlen(inNumber, kAmountTextSize - 1);
    char reversed[2 * kAmountTextSize];
    size_t out = 0;
    int inGroup = 0;
    for (size_t i = length; i > 0; --i) {
        if (inGroup == groupSize) {
            reversed[out++] = symbol;
            inGroup = 0;
        }
        reversed[out++] = inNumber[i - 1];
        ++inGroup;
    }

    const size_t kept = out < kAmountTextSize - 1 ? out : kAmountTextSize - 1;
    for (size_t i = 0; i < kept; ++i)
        outNumber[i] = reversed[out - 1 - i];
    outNumber[kept] = '\0';
}

void I2SSymbol(char* theSymbol)
{
    const size_t symbolLength = SymbolLength();
    size_t out = 0;
    if (SymbolAfter() && SymbolSpace())
        theSymbol[out++] = ' ';
    std::memcpy(theSymbol + out, gIntRec.DollarSymbol, symbolLength);
    out += symbolLength;
    if (!SymbolAfter() && SymbolSpace())
        theSymbol[out++] = ' ';
    theSymbol[out] = '\0';
}

void I2SWide(int64_t num, char* thePointer, int flag, int places)
{
    char dollars[24];
    char cents[8];
    char grouped[kAmountTextSize];
    const bool negative = WideParts(num, FractionPlaces(places), dollars, cents);
    I2SGroup(dollars, grouped);

    char number[64];
    CombineString(negative ? "-" : "", grouped, number);
    CombineString(number, cents, number);

    if (flag != 0) {
        CopyString(number, thePointer, kAmountTextSize);
        return;
    }

    char symbol[16];
    I2SSymbol(symbol);
    if (SymbolAfter())
        CombineString(number, symbol, thePointer, kAmountTextSize);
    else
        CombineString(symbol, number, thePointer, kAmountTextSize);
}

void I2S(int32_t num, char* thePointer, int flag, int places)
{
    I2SWide(num, thePointer, flag, places);
}

void AmountString(const TextMeasure& hdc, int32_t theAmount, int maxWidth, char* outText)
{
    char text[kAmountTextSize];
    I2S(theAmount, text, 0);
    const int length = static_cast<int>(std::strlen(text));
    if (length > 0 && hdc.TextWidth(text, length) > maxWidth)
        CopyString(text + 1, outText, kAmountTextSize);
    else
        CopyString(text, outText, kAmountTextSize);
}

int CheckNumbers(const char* theString)
{
    if (theString == nullptr)
        return 1;
    for (const char* p = theString; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9')
            return 0;
    }
    return 1;
}

void CopyStringUnbounded(const char* in, char* out)
{
    // memmove so that a copy within one buffer is safe too.
    std::memmove(out, in, std::strlen(in) + 1);
}

void CopyString(const char* in, char* out, size_t outSize)
{
    if (outSize == 0)
        return;
    const size_t length = strnlen(in, outSize - 1);
    std::memmove(out, in, length);
    out[length] = '\0';
}

int CString(const char* aString, const char* bString)
{
    return std::strcmp(aString, bString) == 0 ? 1 : 0;
}

void CombineString(const char* aString, const char* bString, char* theString, size_t outSize)
{
    // Joined in a work buffer first, so theString may be either input.
    char work[256];
    const size_t aLength = strnlen(aString, sizeof work - 1);
    std::memcpy(work, aString, aLength);
    const size_t bLength = strnlen(bString, sizeof work - 1 - aLength);
    std::memcpy(work + aLength, bString, bLength);
    work[aLength + bLength] = '\0';
    CopyString(work, theString, outSize);
}

void LowerToUpper(const char* inText, char* outText)
{
    size_t i = 0;
    for (; inText[i] != '\0'; ++i) {
        const char c = inText[i];
        outText[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    outText[i] = '\0';
}

int CountSlash(const char* theText)
{
    int count = 0;
    for (int i = 0; i < 8 && theText[i] != '\0'; ++i) {
        if (theText[i] == '/')
            ++count;
    }
    return count;
}

std::string MoneyText(int32_t amount)
{
    char text[kAmountTextSize];
    I2S(amount, text, 0);
    return text;
}
