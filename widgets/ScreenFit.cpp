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

// What the window system adds round the client area of Window. Before a window is first shown
// and framed that is not known yet; a window manager's frame is then reckoned at a usual title
// bar and border, so a window fitted before its showing is not pushed up by the manager.
QSize FrameExtra(const QWidget* Window)
{
    const QSize known = Window->frameGeometry().size() - Window->geometry().size();
    if (!known.isNull() || !Window->isWindow() || (Window->windowFlags() & Qt::FramelessWindowHint))
        return known;
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return known;
    return {8, 32};
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
    const QSize frameExtra = FrameExtra(Window);
    const QSize client = Size.isValid() ? Size : Window->size();
    const QRect frame = FitToScreen(QRect(Pos, client.expandedTo(Window->minimumSize()) + frameExtra),
                                    Window->minimumSize() + frameExtra);
    const QSize fitted = frame.size() - frameExtra;
    if (fitted != Window->size())
        Window->resize(fitted);
    Window->move(frame.topLeft());
}
