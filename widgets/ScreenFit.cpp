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

// The frame the window system puts round Window's client area: where the client lies in it
// and how much larger it is. Until a window manager has framed a window (and with some, never)
// Qt does not know the frame and places the client itself where the window is moved; the
// frame is then reckoned at a usual title bar and border round that place, so a fitted
// window keeps its title bar on the screen.
struct TFrame {
    QPoint ClientOffset;
    QSize Extra;
    bool Estimated = false;
};

TFrame FrameOf(const QWidget* Window)
{
    const QRect frame = Window->frameGeometry(), client = Window->geometry();
    const TFrame known{client.topLeft() - frame.topLeft(), frame.size() - client.size(), false};
    if (!known.Extra.isNull() || !Window->isWindow() || (Window->windowFlags() & Qt::FramelessWindowHint))
        return known;
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return known;
    return {QPoint(4, 28), QSize(8, 32), true};
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
    const TFrame f = FrameOf(Window);
    // Pos is the frame's place where the frame is known, else the client's.
    const QPoint frameTopLeft = f.Estimated ? Pos - f.ClientOffset : Pos;
    const QSize client = Size.isValid() ? Size : Window->size();
    const QRect frame = FitToScreen(QRect(frameTopLeft, client.expandedTo(Window->minimumSize()) + f.Extra),
                                    Window->minimumSize() + f.Extra);
    const QSize fitted = frame.size() - f.Extra;
    if (fitted != Window->size())
        Window->resize(fitted);
    Window->move(f.Estimated ? frame.topLeft() + f.ClientOffset : frame.topLeft());
}
