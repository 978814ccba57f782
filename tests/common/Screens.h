#pragma once
#include <QGuiApplication>
#include <QRect>
#include <QScreen>

// Whether all of r lies in the free area of one screen.
inline bool OnSomeScreen(const QRect& r)
{
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(r))
            return true;
    return false;
}
