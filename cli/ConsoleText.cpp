// Conversion between the locale's encoding of the terminal and the budget's 8-bit text.
#include "cli/ConsoleText.h"

#include "model/BudgetText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

bool IsControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

void AppendEscaped(QString& out, char32_t c)
{
    static const char hex[] = "0123456789abcdef";
    if (c == '\t') {
        out += QStringLiteral("\\t");
        return;
    }
    out += QStringLiteral("\\x");
    out += QChar(hex[(c >> 4) & 15]);
    out += QChar(hex[c & 15]);
}

std::string ToLocal(const QString& text)
{
    QStringEncoder encode(QStringEncoder::System);
    const QByteArray bytes = encode(text);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// Escapes the control characters of `text`, keeping the line breaks `breaks` asks for.
QString Escaped(const QString& text, LineBreaks breaks)
{
    QString out;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const char16_t c = text.at(k).unicode();
        if (breaks != LineBreaks::Escaped && (c == '\r' || c == '\n')) {
            if (breaks == LineBreaks::Note && c == '\r' && k + 1 < text.size() && text.at(k + 1) == u'\n')
                ++k;
            out += u'\n';
        } else if (IsControl(c)) {
            AppendEscaped(out, c);
        } else {
            out += QChar(c);
        }
    }
    return out;
}

}  // namespace

bool ArgumentToBudgetText(const std::string& argument, std::string& text, std::string& why)
{
    QStringDecoder decode(QStringDecoder::System);
    const QString unicode = decode(QByteArray::fromStdString(argument));
    if (decode.hasError()) {
        why = "\"" + ConsoleLocalText(argument) + "\" is not valid text in the locale's encoding.";
        return false;
    }
    const char32_t refused = EncodeBudgetText(unicode, text);
    if (!refused)
        return true;
    const QString character = QString::fromUcs4(&refused, 1);
    why = "The character \"" + ToLocal(Escaped(character, LineBreaks::Escaped)) + "\" (U+" +
          QString::number(static_cast<uint>(refused), 16).toUpper().rightJustified(4, u'0').toStdString() + ") in \"" +
          ToLocal(Escaped(unicode, LineBreaks::Escaped)) + "\" can not be stored in a budget.";
    return false;
}

std::string ConsoleText(const std::string& text, LineBreaks breaks)
{
    return ToLocal(Escaped(DecodeBudgetText(text), breaks));
}

std::string ConsoleLocalText(const std::string& text)
{
    std::string out;
    for (const char byte : text) {
        const unsigned char c = static_cast<unsigned char>(byte);
        if (c < 0x20 || c == 0x7F) {
            QString escaped;
            AppendEscaped(escaped, c);
            out += escaped.toStdString();
        } else {
            out += byte;
        }
    }
    return out;
}
