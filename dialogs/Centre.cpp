#include "dialogs/Centre.h"
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
    const QPoint wanted(X, Y);
    QScreen* screen = QGuiApplication::screenAt(wanted);
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
        if (!screen) {
            Window->move(wanted);
            return;
        }
        // Keep the title bar reachable: the corner goes inside the screen's free area.
        const QRect area = screen->availableGeometry();
        const QSize size = Window->frameGeometry().size();
        Window->move(std::clamp(X, area.left(), std::max(area.left(), area.right() - size.width())),
                     std::clamp(Y, area.top(), std::max(area.top(), area.bottom() - size.height())));
        return;
    }
    Window->move(wanted);
}
