#include "shell/WindowArrange.h"
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

QList<QMdiSubWindow*> Windows(QMdiArea& area, bool minimised)
{
    QList<QMdiSubWindow*> result;
    for (QMdiSubWindow* w : area.subWindowList(QMdiArea::CreationOrder))
        if (w->isVisible() && w->isMinimized() == minimised)
            result.append(w);
    return result;
}

// Gives the open (not minimised) windows equal bands of the area, across or down.
void Tile(QMdiArea& area, bool stacked)
{
    const QList<QMdiSubWindow*> windows = Windows(area, false);
    if (windows.isEmpty())
        return;
    const QRect r = area.viewport()->rect();
    const int n = int(windows.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* w = windows[i];
        if (w->isMaximized())
            w->showNormal();
        if (stacked) {
            const int top = r.height() * i / n, bottom = r.height() * (i + 1) / n;
            w->setGeometry(0, top, r.width(), bottom - top);
        } else {
            const int left = r.width() * i / n, right = r.width() * (i + 1) / n;
            w->setGeometry(left, 0, right - left, r.height());
        }
    }
}

} // namespace

namespace WindowArrange {

void Cascade(QMdiArea& area)
{
    area.cascadeSubWindows();
}

void TileHorizontally(QMdiArea& area)
{
    Tile(area, true);
}

void TileVertically(QMdiArea& area)
{
    Tile(area, false);
}

void MinimizeAll(QMdiArea& area)
{
    for (QMdiSubWindow* w : area.subWindowList())
        w->showMinimized();
    ArrangeIcons(area);
}

void ArrangeIcons(QMdiArea& area)
{
    const int bottom = area.viewport()->height();
    int x = 0;
    for (QMdiSubWindow* w : Windows(area, true)) {
        w->move(x, bottom - w->height());
        x += w->width();
    }
}

void MaximizeAll(QMdiArea& area)
{
    // The area shows one maximised window at a time and keeps that state for the window
    // activated next; the active window comes last so that it stays in front.
    QMdiSubWindow* active = area.activeSubWindow();
    for (QMdiSubWindow* w : area.subWindowList())
        if (w != active)
            w->showMaximized();
    if (active)
        active->showMaximized();
}

} // namespace WindowArrange
