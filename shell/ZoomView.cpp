#include "shell/ZoomView.h"
#include "engine/ImagePic.h"
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace ZoomLevels {

const QList<double>& All()
{
    static const QList<double> levels{1.0 / 16, 1.0 / 8, 1.0 / 4, 1.0 / 3, 1.0 / 2, 2.0 / 3, 1, 2,
                                      3,        4,        6,        8,        12,       16,       24, 32};
    return levels;
}

double Step(double zoom, int step)
{
    const QList<double>& levels = All();
    if (step > 0) {
        for (double level : levels)
            if (level > zoom + 1e-9)
                return level;
        return levels.back();
    }
    for (auto it = levels.rbegin(); it != levels.rend(); ++it)
        if (*it < zoom - 1e-9)
            return *it;
    return levels.front();
}

double Fitting(int w, int h, const QSize& room)
{
    double best = All().front();
    for (double level : All())
        if (level <= 1 && TViewOverview::Reduced(w, level) <= room.width() &&
            TViewOverview::Reduced(h, level) <= room.height())
            best = level;
    return best;
}

QString Text(double zoom, bool engelsk)
{
    const double percent = zoom * 100;
    QString number;
    if (std::abs(percent * 100 - std::round(percent * 100)) < 1e-6) {
        number = QString::number(percent, 'f', 2);
        while (number.endsWith(QLatin1Char('0')))
            number.chop(1);
        if (number.endsWith(QLatin1Char('.')))
            number.chop(1);
    } else {
        number = QString::number(std::lround(percent));
    }
    if (!engelsk)
        number.replace(QLatin1Char('.'), QLatin1Char(','));
    return number + QStringLiteral(" %");
}

} // namespace ZoomLevels

TZoomView::TZoomView(TImagePic& picture, QWidget* parent) : QWidget(parent), FPicture(picture)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    FPicture.OnViewChange = [this](const TRect& r) { ViewChanged(r); };
}

void TZoomView::SetZoom(double zoom)
{
    FZoom = zoom;
    FShaped = FPicture.size();
    const int w = FShaped.width(), h = FShaped.height();
    if (zoom < 1)
        resize(TViewOverview::Reduced(w, zoom), TViewOverview::Reduced(h, zoom));
    else
        resize(int(w * zoom), int(h * zoom));
    FOverview.SetShape(zoom, w, h);
    update();
}

void TZoomView::SetGrid(bool shown)
{
    if (FGrid == shown)
        return;
    FGrid = shown;
    update();
}

QPoint TZoomView::PicturePoint(const QPointF& position) const
{
    return QPoint(int(std::floor(position.x() / FZoom + 1e-9)), int(std::floor(position.y() / FZoom + 1e-9)));
}

QPoint TZoomView::ScreenPoint(const QPoint& pixel) const
{
    return QPoint(int(std::floor(pixel.x() * FZoom + 1e-9)), int(std::floor(pixel.y() * FZoom + 1e-9)));
}

void TZoomView::ViewChanged(const TRect& r)
{
    if (FZoom == 1 || r.IsEmpty())
        return;
    // A hidden component gets its resize event only when shown: its size is checked here.
    if (FPicture.size() != FShaped)
        SetZoom(FZoom);
    if (FZoom < 1)
        FOverview.Invalidate(r);
    // One pixel more on each side: an outline's line reaches into its neighbour's block.
    update(QRect(ScreenPoint(QPoint(r.Left - 1, r.Top - 1)), ScreenPoint(QPoint(r.Right + 1, r.Bottom + 1))));
}

void TZoomView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    PaintArea(painter, event->rect());
}

void TZoomView::PaintArea(QPainter& painter, const QRect& exposed)
{
    const QRect r = exposed & rect();
    if (r.isEmpty())
        return;
    FPicture.View(); // a pending copy of the picture is made now, before it is shown
    if (FZoom < 1)
        painter.drawImage(r.topLeft(), FOverview.Image(FPicture.View(), FPicture.Picture()), r);
    else
        PaintBlocks(painter, r);
}

namespace {
// Writes n pixels of a row of blocks k wide, starting skip pixels into the block of src[0].
void RepeatPixels(const uint32_t* src, int skip, int k, uint32_t* dest, int n)
{
    uint32_t* const end = dest + n;
    for (int j = skip; j < k && dest < end; ++j)
        *dest++ = *src;
    ++src;
    for (; end - dest >= k; dest += k, ++src)
        std::fill_n(dest, k, *src);
    while (dest < end)
        *dest++ = *src;
}
} // namespace

void TZoomView::PaintBlocks(QPainter& painter, const QRect& r)
{
    const TBitmap& view = FPicture.View();
    const TBitmap& picture = FPicture.Picture();
    const int k = int(std::lround(FZoom));
    // The picture pixels the blocks of r show, and one more around them for the outlines.
    const QRect shown(QPoint(r.left() / k, r.top() / k), QPoint(r.right() / k, r.bottom() / k));
    const QRect source = shown.adjusted(-1, -1, 1, 1) & QRect(0, 0, view.Width(), view.Height());
    if (source.isEmpty())
        return;
    const int n = source.width();
    QImage blocks(source.size(), QImage::Format_RGB32);
    std::vector<uint8_t> marks(size_t(n) * source.height());
    bool outlines = false;
    for (int y = source.top(); y <= source.bottom(); ++y) {
        const bool inPicture = y < picture.Height() && source.right() < picture.Width();
        outlines |= TakeOutlines(view.ScanLine(y) + source.left(),
                                 inPicture ? picture.ScanLine(y) + source.left() : nullptr, n,
                                 reinterpret_cast<uint32_t*>(blocks.scanLine(y - source.top())),
                                 &marks[size_t(y - source.top()) * n]);
    }
    // Each picture row becomes one screen row (k copies of every pixel, the grid's columns
    // in it). From 8 a brush of that row fills the k screen rows of its blocks: few calls and
    // one pass over the screen. Below 8 the rows are copied into one raster drawn at once.
    painter.save();
    painter.setBrushOrigin(r.left(), 0);
    const bool grid = FGrid && k >= 8;
    const bool band = k < 8;
    const uint32_t gridColour = FGridColour.rgb();
    QImage rows(r.width(), band ? r.height() : 1, QImage::Format_RGB32);
    for (int py = shown.top(); py <= shown.bottom(); ++py) {
        int top = std::max(py * k, r.top());
        const int bottom = std::min((py + 1) * k, r.bottom() + 1);
        if (grid && top == py * k) {
            painter.fillRect(QRect(r.left(), top, r.width(), 1), FGridColour);
            ++top;
        }
        auto* dest = reinterpret_cast<uint32_t*>(rows.scanLine(band ? top - r.top() : 0));
        const auto* src = reinterpret_cast<const uint32_t*>(blocks.constScanLine(py - source.top()));
        RepeatPixels(src + (r.left() / k - source.left()), r.left() % k, k, dest, r.width());
        for (int x = (r.left() + k - 1) / k * k; grid && x <= r.right(); x += k)
            dest[x - r.left()] = gridColour;
        if (band)
            for (int y = top + 1; y < bottom; ++y)
                std::copy(dest, dest + r.width(), reinterpret_cast<uint32_t*>(rows.scanLine(y - r.top())));
        else if (bottom > top)
            painter.fillRect(QRect(r.left(), top, r.width(), bottom - top), QBrush(rows));
    }
    if (band)
        painter.drawImage(r.topLeft(), rows);
    if (outlines)
        DrawOutlines(painter, r, source, marks);
    painter.restore();
}

void TZoomView::DrawOutlines(QPainter& painter, const QRect& area, const QRect& source,
                             const std::vector<uint8_t>& marks) const
{
    const int k = int(std::lround(FZoom));
    const int w = area.width(), h = area.height();
    // White where the lines go, transparent elsewhere: drawn by difference, white inverts.
    QImage lines(area.size(), QImage::Format_ARGB32_Premultiplied);
    lines.fill(Qt::transparent);
    const auto light = [&](int x, int y) {
        x -= area.left();
        y -= area.top();
        if (x >= 0 && y >= 0 && x < w && y < h)
            reinterpret_cast<uint32_t*>(lines.scanLine(y))[x] = 0xFFFFFFFFu;
    };
    const auto marked = [&](int x, int y) {
        return source.contains(x, y) &&
               marks[size_t(y - source.top()) * source.width() + (x - source.left())] != 0;
    };
    static constexpr int kNeighbours[8][2] = {{1, 0}, {0, 1}, {1, 1}, {-1, 1}, {-1, 0}, {0, -1}, {-1, -1}, {1, -1}};
    for (int y = source.top(); y <= source.bottom(); ++y)
        for (int x = source.left(); x <= source.right(); ++x) {
            if (!marked(x, y))
                continue;
            const int cx = x * k + k / 2, cy = y * k + k / 2;
            bool alone = true;
            for (const auto& d : kNeighbours)
                if (marked(x + d[0], y + d[1])) {
                    alone = false;
                    // Half of the line to the neighbour's centre; the neighbour draws the other half.
                    for (int t = 0; t <= (k + 1) / 2; ++t)
                        light(cx + t * d[0], cy + t * d[1]);
                }
            if (alone) {
                const int s = std::max(1, k / 4);
                for (int dy = 0; dy < s; ++dy)
                    for (int dx = 0; dx < s; ++dx)
                        light(cx - s / 2 + dx, cy - s / 2 + dy);
            }
        }
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.drawImage(area.topLeft(), lines);
}

void TZoomView::Forward(QMouseEvent* event)
{
    QMouseEvent mapped(event->type(), QPointF(PicturePoint(event->position())), event->globalPosition(),
                       event->button(), event->buttons(), event->modifiers());
    QCoreApplication::sendEvent(&FPicture, &mapped);
}

void TZoomView::mousePressEvent(QMouseEvent* event)
{
    Forward(event);
}

void TZoomView::mouseMoveEvent(QMouseEvent* event)
{
    Forward(event);
}

void TZoomView::mouseReleaseEvent(QMouseEvent* event)
{
    Forward(event);
}

void TZoomView::mouseDoubleClickEvent(QMouseEvent* event)
{
    Forward(event);
}
