#pragma once
#include "engine/Events.h"
#include <QMouseEvent>

// The platform's mouse button and modifier state of a Qt mouse event.
inline TMouseButton ButtonOf(Qt::MouseButton b)
{
    switch (b) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
    }
}

inline TShiftState ShiftOf(const QMouseEvent* e)
{
    TShiftState s;
    if (e->modifiers() & Qt::ShiftModifier)
        s.Include(ssShift);
    if (e->modifiers() & Qt::ControlModifier)
        s.Include(ssCtrl);
    if (e->modifiers() & Qt::AltModifier)
        s.Include(ssAlt);
    if (e->buttons() & Qt::LeftButton)
        s.Include(ssLeft);
    if (e->buttons() & Qt::RightButton)
        s.Include(ssRight);
    if (e->buttons() & Qt::MiddleButton)
        s.Include(ssMiddle);
    return s;
}
