// Amounts of money as text, read and written by the international settings (gIntRec), and the
// small string helpers the whole program uses.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <string>

class TextMeasure;

// Results of S2I.
constexpr int16_t kS2IValid = 0;
constexpr int16_t kS2ISecondSymbol = 1;   // a second decimal symbol or minus sign
constexpr int16_t kS2IBadCharacter = 2;   // a character that is not allowed, or a value too large
constexpr int16_t kS2ITooManyDigits = 3;  // more fraction digits than DecimalPlaces
constexpr int16_t kS2INegative = 4;

constexpr int kAmountTextSize = 32;  // an amount's text with its terminator fits this buffer

// The number of fraction digits S2I and I2S work with: kMoneyPlaces stands for the budget's
// money setting (gIntRec.DecimalPlaces); a number from 0 to 4 is used as it is, so a count with
// more places than money (the shares and prices of investments) is read and written without
// changing the setting.
constexpr int kMoneyPlaces = -1;
// The places a precision argument stands for, within 0 to 4.
int FractionPlaces(int places = kMoneyPlaces);

// Text to amount. *num is written only for results 0 and 4.
int16_t S2I(const char* inString, int32_t* num, int places = kMoneyPlaces);

// Amount to text into a buffer of at least kAmountTextSize bytes; flag 0 adds the currency symbol.
void I2S(int32_t num, char* thePointer, int flag, int places = kMoneyPlaces);
// The same for a sum that need not fit an amount (a total over many accounts); a text longer
// than the buffer's 31 characters is cut.
void I2SWide(int64_t num, char* thePointer, int flag, int places = kMoneyPlaces);
// The amount as money text with the currency symbol (I2S with flag 0).
std::string MoneyText(int32_t amount);

// Whole-unit digits (at least 16 bytes) and fraction with its decimal symbol (at least 8 bytes)
// of the absolute value; returns 1 when num was negative.
int I2SParts(int32_t num, char* theDollar, char* theCents);

// Inserts group symbols into a string of digits (outNumber at least 32 bytes).
void I2SGroup(const char* inNumber, char* outNumber);

// The currency symbol with its space as it is joined to a number (at least 16 bytes).
void I2SSymbol(char* theSymbol);

// The amount's text with symbol, without its first character when wider than maxWidth.
void AmountString(const TextMeasure& hdc, int32_t theAmount, int maxWidth, char* outText);

// 1 when the text is empty or only the digits 0 to 9.
int CheckNumbers(const char* theString);

// String helpers. Given an array, CopyString and CombineString cut the text to it so it cannot
// overflow; given a plain pointer, CopyString copies the whole text (the caller owns the room).
void CopyString(const char* in, char* out, size_t outSize);
template <size_t N>
void CopyString(const char* in, char (&out)[N])
{
    CopyString(in, out, N);
}
void CopyStringUnbounded(const char* in, char* out);
template <typename T>
    requires std::same_as<T, char*>
void CopyString(const char* in, T out)
{
    CopyStringUnbounded(in, out);
}
// A text field of a record, which need not be terminated within its array.
template <size_t N>
std::string RecordText(const char (&field)[N])
{
    size_t length = 0;
    while (length < N && field[length])
        ++length;
    return std::string(field, length);
}
int CString(const char* aString, const char* bString);
void CombineString(const char* aString, const char* bString, char* theString, size_t outSize);
template <size_t N>
void CombineString(const char* aString, const char* bString, char (&theString)[N])
{
    CombineString(aString, bString, theString, N);
}
void LowerToUpper(const char* inText, char* outText);
int CountSlash(const char* theText);
