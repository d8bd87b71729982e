// The drawing context over QPainter.
#include "platform/DrawContext.h"

#include "platform/Pictures.h"

#include "model/BudgetText.h"
#include "model/Money.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPaintDevice>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

QColor ToQColor(COLORREF colour)
{
    return QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
}

}  // namespace

QString FromBudgetText(const std::string& text)
{
    return DecodeBudgetText(text);
}

std::string ToBudgetText(const QString& text)
{
    std::string bytes;
    EncodeBudgetText(text, bytes);
    return bytes;
}

namespace {

// Takes out of an edit's text, as it is typed or pasted, every character budget text cannot hold.
class BudgetTextValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        // Every character budget text holds is in the Basic Multilingual Plane, so both halves of
        // a surrogate pair go.
        QString kept;
        int cursor = pos;
        for (qsizetype k = 0; k < input.size(); ++k) {
            const QChar c = input.at(k);
            if (!c.isSurrogate() && BudgetTextByte(c.unicode()) >= 0)
                kept += c;
            else if (k < pos)
                --cursor;
        }
        input = kept;
        pos = cursor;
        return Acceptable;
    }
};

}  // namespace

void KeepToBudgetText(QLineEdit* edit)
{
    edit->setValidator(new BudgetTextValidator(edit));
}

DrawContext::DrawContext(QPainter& painter) : painter(painter) {}

void DrawContext::TextOut(int x, int y, const std::string& text)
{
    const QString qtext = FromBudgetText(text);
    const QFontMetrics metrics = painter.fontMetrics();
    if (!transparent)
        painter.fillRect(x, y, metrics.horizontalAdvance(qtext), metrics.height(), Qt::white);
    painter.setPen(ToQColor(textColour));
    painter.drawText(x, y + metrics.ascent(), qtext);
    if (recording)
        recording->push_back({x, y, text, textColour});
}

int DrawContext::TextWidth(const char* text, int length) const
{
    const size_t size = length < 0 ? std::strlen(text) : static_cast<size_t>(length);  // -1: up to the NUL
    return painter.fontMetrics().horizontalAdvance(DecodeBudgetText(std::string_view(text, size)));
}

int DrawContext::TextWidth(const std::string& text) const
{
    return TextWidth(text.data(), static_cast<int>(text.size()));
}

int DrawContext::TextHeight() const
{
    return painter.fontMetrics().height();
}

void DrawContext::SetTextColor(COLORREF colour)
{
    textColour = colour;
}

void DrawContext::SetTransparent(bool on)
{
    transparent = on;
}

void DrawContext::InvertRect(int left, int top, int right, int bottom)
{
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(QRect(left, top, right - left, bottom - top), Qt::white);
    painter.setCompositionMode(mode);
}

void DrawContext::FrameRect(int left, int top, int right, int bottom, COLORREF colour)
{
    painter.setPen(ToQColor(colour));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(left, top, right - left - 1, bottom - top - 1);
}

void DrawContext::FillRect(int left, int top, int right, int bottom, COLORREF colour)
{
    painter.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(colour));
}

void DrawContext::Line(int x1, int y1, int x2, int y2, COLORREF colour)
{
    painter.setPen(ToQColor(colour));
    painter.drawLine(x1, y1, x2, y2);
}

void DrawContext::DrawBitmap(int id, int x, int y)
{
    painter.drawPixmap(x, y, Picture(id));
}

void DrawContext::SetFont(const QFont& font)
{
    painter.setFont(font);
}

QFont EzCreateFont(const QPaintDevice& device, const char* szFaceName, int iDeciPtHeight, int iDeciPtWidth,
                   int iAttributes)
{
    QFont font(DecodeBudgetText(szFaceName));
    // Tenths of a point to pixels at the device's resolution.
    const double pixels = std::abs(iDeciPtHeight) * device.logicalDpiY() / 720.0;
    font.setPixelSize(std::max(1, static_cast<int>(pixels + 0.5)));
    font.setBold(iAttributes & 1);
    font.setItalic(iAttributes & 2);
    font.setUnderline(iAttributes & 4);
    font.setStrikeOut(iAttributes & 8);
    if (iDeciPtWidth != 0 && iDeciPtHeight != 0)
        font.setStretch(std::clamp(100 * std::abs(iDeciPtWidth) / std::abs(iDeciPtHeight), 1, 4000));
    return font;
}

LOGFONT LogFontFromFont(const QFont& font)
{
    LOGFONT lf{};
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    lf.lfHeight = -std::max(1, pixels);  // negative: the height of the characters themselves
    lf.lfWeight = font.bold() ? 700 : 400;
    lf.lfItalic = font.italic() ? 1 : 0;
    lf.lfUnderline = font.underline() ? 1 : 0;
    lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
    std::string face;
    EncodeBudgetText(font.family(), face);
    CopyString(face.c_str(), lf.lfFaceName);
    return lf;
}

QFont FontFromLogFont(const LOGFONT& lf)
{
    QFont font(DecodeBudgetText(std::string_view(lf.lfFaceName, strnlen(lf.lfFaceName, 32))));
    if (lf.lfHeight != 0)
        font.setPixelSize(std::abs(lf.lfHeight));
    font.setBold(lf.lfWeight >= 600);
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    return font;
}
