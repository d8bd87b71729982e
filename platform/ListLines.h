// The lines of the program's lists (a history window's records, the balance window's outstanding
// withdrawals and deposits): a strip of one line's height with its texts and pictures centred in
// it, amounts ending at a column, a text cut short followed by dots, and white lines along the
// strip's top and bottom edges.
#pragma once

#include "model/Records.h"

#include <cstdint>
#include <string>

class DrawContext;

// The colour of a line's texts, and of the lines between list lines.
constexpr COLORREF kListText = RGB(0, 0, 0);
constexpr COLORREF kListLineFrame = RGB(255, 255, 255);

// Where the texts and pictures of a strip sit: X its left edge, TextY and PictureY the tops of a
// text and of a 16-pixel picture centred in the strip's height.
struct Strip {
    int X;
    int TextY;
    int PictureY;
};
Strip StripOf(const DrawContext& dc, const RECT& r);

// The amount as money text fitted into amountWidth pixels, ending at `right` from the strip's left.
void DrawAmount(DrawContext& dc, const Strip& s, int right, int32_t amount, int amountWidth);
// A text from x, fitted into `width` pixels: a text cut short is followed by the dots picture,
// the two together inside the column.
void DrawFitted(DrawContext& dc, const Strip& s, int x, const std::string& text, int width);
// The white lines on the strip's top and bottom edges.
void DrawLineFrame(DrawContext& dc, const RECT& r);
