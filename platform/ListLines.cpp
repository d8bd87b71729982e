// Painting the lines of the program's lists.
#include "platform/ListLines.h"

#include "model/Money.h"
#include "platform/AccountBox.h"
#include "platform/DrawContext.h"
#include "platform/Pictures.h"

#include <algorithm>

namespace {

constexpr int kPictureHeight = 16;

}  // namespace

Strip StripOf(const DrawContext& dc, const RECT& r)
{
    const int height = r.bottom - r.top;
    return Strip{r.left, r.top + std::max(0, (height - dc.TextHeight()) / 2),
                 r.top + std::max(0, (height - kPictureHeight) / 2)};
}

void DrawAmount(DrawContext& dc, const Strip& s, int right, int32_t amount, int amountWidth)
{
    char text[kAmountTextSize];
    AmountString(dc, amount, amountWidth, text);
    dc.TextOut(s.X + right - dc.TextWidth(text), s.TextY, text);
}

void DrawFitted(DrawContext& dc, const Strip& s, int x, const std::string& text, int width)
{
    if (text.empty())
        return;
    if (dc.TextWidth(text) <= width) {
        dc.TextOut(s.X + x, s.TextY, text);
        return;
    }
    std::string shown;
    int shownWidth = 0;
    SetMaxText(dc, text, width - PictureSize(kDots).width() + 4, shown, shownWidth);
    dc.TextOut(s.X + x, s.TextY, shown);
    dc.DrawBitmap(kDots, s.X + x + shownWidth, s.PictureY);
}

void DrawLineFrame(DrawContext& dc, const RECT& r)
{
    dc.Line(r.left, r.top, r.right - 1, r.top, kListLineFrame);
    dc.Line(r.left, r.bottom, r.right - 1, r.bottom, kListLineFrame);
}
