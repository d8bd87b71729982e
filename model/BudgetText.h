// The text of a budget: one byte per character, in the Windows-1252 encoding, and its conversion
// to and from Unicode. The windows, budget-cli and dump all convert through these functions.
#pragma once

#include <QString>

#include <string>
#include <string_view>

// The character a byte of budget text stands for. Every byte has one: the five bytes Windows-1252
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same
// value, so any text read from a file converts back to the same bytes.
char32_t BudgetTextCharacter(unsigned char byte);

// The byte that stands for `c`, or -1 when budget text cannot hold `c`.
int BudgetTextByte(char32_t c);

// Budget text as Unicode.
QString DecodeBudgetText(std::string_view bytes);

// Unicode text as budget text in `out`. A character budget text cannot hold is left out; the
// first such character is returned (0 when there was none), so a caller can refuse the text.
char32_t EncodeBudgetText(const QString& text, std::string& out);
