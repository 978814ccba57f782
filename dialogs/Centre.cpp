#include "dialogs/Centre.h"
#include "widgets/ScreenFit.h"
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <QWidget>

void CentreOnParent(QWidget* Window)
{
    const QWidget* parent = Window->parentWidget() ? Window->parentWidget()->window() : nullptr;
    QRect area;
    if (parent)
        area = parent->frameGeometry();
    else if (const QScreen* screen = Window->screen())
        area = screen->availableGeometry();
    else
        return;
    QRect frame = Window->frameGeometry();
    frame.moveCenter(area.center());
    Window->move(frame.topLeft());
}

void PlaceAt(QWidget* Window, int X, int Y)
{
    PlaceOnScreen(Window, QPoint(X, Y));
}
