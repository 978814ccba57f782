#include "dialogs/Centre.h"
#include <QScreen>
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
