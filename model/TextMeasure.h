// How the core asks a drawing surface for the width of a text, for the routines that fit
// amounts and dates into a box. The window layer's drawing context implements it.
#pragma once

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // Width in pixels of the first `length` characters of `text`.
    virtual int TextWidth(const char* text, int length) const = 0;
};
