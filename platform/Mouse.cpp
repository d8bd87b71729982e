// Mouse input as the window procedures take it.
#include "platform/Mouse.h"

#include <QMouseEvent>

int SetMod(Qt::KeyboardModifiers keys)
{
    return (keys & Qt::ShiftModifier ? kModShift : 0) | (keys & Qt::ControlModifier ? kModCtrl : 0);
}

POINT PointOf(const QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    return POINT{p.x(), p.y()};
}
