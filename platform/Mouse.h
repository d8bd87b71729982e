// Mouse input as the window procedures take it: the click kinds, the modifier codes of the Shift
// and Ctrl keys, the point of a press in client coordinates, and hit tests on rectangles.
#pragma once

#include "model/Records.h"

#include <Qt>

class QMouseEvent;

// Click kinds of a mouse message.
constexpr int kLeftClick = 1;
constexpr int kDoubleClick = 2;
constexpr int kRightClick = 3;

// Modifier codes: Shift, Ctrl, or both held.
constexpr int kModShift = 1;
constexpr int kModCtrl = 2;
constexpr int kModBoth = 3;

// The modifier code of the keys held.
int SetMod(Qt::KeyboardModifiers keys);

// Where a mouse event happened, in the client coordinates of the widget it came to.
POINT PointOf(const QMouseEvent* event);

// Whether p lies in the rectangle, right and bottom edges excluded.
constexpr bool Inside(POINT p, int left, int top, int right, int bottom)
{
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
}
constexpr bool Inside(POINT p, const RECT& r)
{
    return Inside(p, r.left, r.top, r.right, r.bottom);
}
