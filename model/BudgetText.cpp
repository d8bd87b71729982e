// The text of a budget in Windows-1252: bytes below 0x80 and from 0xA0 are the characters of the
// same value; 0x80 to 0x9F are the table below.
#include "model/BudgetText.h"

#include <QList>

namespace {

// The characters of the bytes 0x80 to 0x9F.
constexpr char16_t kHighControls[32] = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',  // 0x80
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',  // 0x88
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',  // 0x90
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',  // 0x98
};

}  // namespace

char32_t BudgetTextCharacter(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

int BudgetTextByte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (int k = 0; k < 32; ++k)
        if (kHighControls[k] == c)
            return 0x80 + k;
    return -1;
}

QString DecodeBudgetText(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes)
        text += QChar(static_cast<char16_t>(BudgetTextCharacter(static_cast<unsigned char>(byte))));
    return text;
}

char32_t EncodeBudgetText(const QString& text, std::string& out)
{
    out.clear();
    char32_t refused = 0;
    for (const uint c : text.toUcs4()) {
        const int byte = BudgetTextByte(c);
        if (byte >= 0)
            out += static_cast<char>(byte);
        else if (!refused)
            refused = c;
    }
    return refused;
}
