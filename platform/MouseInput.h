#pragma once
#include "platform/Input.h"
#include <QMouseEvent>

// The platform's mouse button and shift state of Qt's buttons, modifiers and mouse events:
// one translation for the picture, the magnifier and the drawn controls.
inline TMouseButton ButtonOf(Qt::MouseButton b)
{
    switch (b) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
    }
}

inline TShiftState ShiftOf(Qt::KeyboardModifiers m, Qt::MouseButtons buttons)
{
    TShiftState s;
    if (m & Qt::ShiftModifier)
        s.Include(ssShift);
    if (m & Qt::ControlModifier)
        s.Include(ssCtrl);
    if (m & Qt::AltModifier)
        s.Include(ssAlt);
    if (buttons & Qt::LeftButton)
        s.Include(ssLeft);
    if (buttons & Qt::RightButton)
        s.Include(ssRight);
    if (buttons & Qt::MiddleButton)
        s.Include(ssMiddle);
    return s;
}

inline TShiftState ShiftOf(const QMouseEvent* e)
{
    return ShiftOf(e->modifiers(), e->buttons());
}
