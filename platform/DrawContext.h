// The drawing context the painters of the program draw through: text, colours, rectangles, lines,
// pictures and fonts over a QPainter, so one painter draws on a window, into an image in a test,
// or on a printer page. It can record the texts it draws, for tests.
#pragma once

#include "model/Records.h"
#include "model/TextMeasure.h"

#include <QFont>
#include <QPainter>

class QLineEdit;

#include <string>
#include <vector>

class DrawContext : public TextMeasure {
public:
    explicit DrawContext(QPainter& painter);

    // Text drawn with its top-left corner at (x, y), in the text colour; unless the context is
    // transparent, the text's cell is filled with white first.
    void TextOut(int x, int y, const std::string& text);
    // Width and height in pixels of a text in the current font.
    int TextWidth(const char* text, int length) const override;
    int TextWidth(const std::string& text) const;
    int TextHeight() const;

    void SetTextColor(COLORREF colour);
    void SetTransparent(bool transparent);

    // Inverts the colours of a rectangle (right and bottom exclusive).
    void InvertRect(int left, int top, int right, int bottom);
    void FrameRect(int left, int top, int right, int bottom, COLORREF colour);
    void FillRect(int left, int top, int right, int bottom, COLORREF colour);
    void Line(int x1, int y1, int x2, int y2, COLORREF colour);

    // Draws picture `id` unscaled with its top-left corner at (x, y).
    void DrawBitmap(int id, int x, int y);

    void SetFont(const QFont& font);

    // Recorded texts (when recording): where and in which colour each text was drawn.
    struct DrawnText {
        int X, Y;
        std::string Text;
        COLORREF Colour;
    };
    void Record(std::vector<DrawnText>* into) { recording = into; }

    QPainter& Painter() { return painter; }

private:
    QPainter& painter;
    COLORREF textColour = 0;
    bool transparent = false;
    std::vector<DrawnText>* recording = nullptr;
};

// Text of the budget (one byte per character, Windows-1252) as a QString, and back. A character
// the budget's text cannot hold is left out rather than stored as something else.
QString FromBudgetText(const std::string& text);
std::string ToBudgetText(const QString& text);
// An edit that takes only what budget text can hold: a character without a byte in it is dropped
// as it is typed or pasted, so what the field shows is what is stored.
void KeepToBudgetText(QLineEdit* edit);

// A font from a size in tenths of a point and attribute bits (1 bold, 2 italic, 4 underline,
// 8 strike-out), at the context's resolution; with a width, characters are narrowed or widened
// in proportion.
QFont EzCreateFont(const QPaintDevice& device, const char* szFaceName, int iDeciPtHeight, int iDeciPtWidth,
                   int iAttributes);

// A font from its stored description.
QFont FontFromLogFont(const LOGFONT& font);
// The stored description of a font (its height in pixels, as FontFromLogFont reads it back); a
// character of the face name that budget text cannot hold is left out.
LOGFONT LogFontFromFont(const QFont& font);
