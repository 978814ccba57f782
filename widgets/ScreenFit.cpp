#include "widgets/ScreenFit.h"
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <climits>

namespace {

// The screen that holds Point, else the one whose free area lies nearest to it.
QScreen* ScreenFor(QPoint Point)
{
    if (QScreen* screen = QGuiApplication::screenAt(Point))
        return screen;
    QScreen* best = QGuiApplication::primaryScreen();
    qint64 bestDistance = LLONG_MAX;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        const qint64 dx = std::max({qint64(area.left()) - Point.x(), qint64(Point.x()) - area.right(), qint64(0)});
        const qint64 dy = std::max({qint64(area.top()) - Point.y(), qint64(Point.y()) - area.bottom(), qint64(0)});
        if (dx * dx + dy * dy < bestDistance) {
            bestDistance = dx * dx + dy * dy;
            best = screen;
        }
    }
    return best;
}

} // namespace

QRect FitToScreen(const QRect& Frame, QSize Minimum)
{
    const QScreen* screen = ScreenFor(Frame.topLeft());
    if (!screen)
        return Frame;
    const QRect area = screen->availableGeometry();
    const int w = std::min(std::max(Frame.width(), Minimum.width()), area.width());
    const int h = std::min(std::max(Frame.height(), Minimum.height()), area.height());
    const int x = std::clamp(Frame.left(), area.left(), area.left() + area.width() - w);
    const int y = std::clamp(Frame.top(), area.top(), area.top() + area.height() - h);
    return QRect(x, y, w, h);
}

void PlaceOnScreen(QWidget* Window, QPoint Pos, QSize Size)
{
    // What the window system adds round the client area (nothing before it is first shown).
    const QSize frameExtra = Window->frameGeometry().size() - Window->geometry().size();
    const QSize client = Size.isValid() ? Size : Window->size();
    const QRect frame = FitToScreen(QRect(Pos, client.expandedTo(Window->minimumSize()) + frameExtra),
                                    Window->minimumSize() + frameExtra);
    const QSize fitted = frame.size() - frameExtra;
    if (fitted != Window->size())
        Window->resize(fitted);
    Window->move(frame.topLeft());
}
