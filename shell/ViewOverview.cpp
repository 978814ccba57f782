#include "shell/ViewOverview.h"
#include <QColor>
#include <cmath>
#include <vector>

bool TakeOutlines(const uint32_t* view, const uint32_t* picture, int n, uint32_t* out, uint8_t* marks)
{
    if (!picture) {
        std::copy(view, view + n, out);
        std::fill(marks, marks + n, uint8_t(0));
        return false;
    }
    bool any = false;
    for (int i = 0; i < n; ++i) {
        const bool outline = ((view[i] ^ picture[i]) & 0xFFFFFFu) == 0xFFFFFFu;
        out[i] = outline ? picture[i] : view[i];
        marks[i] = outline;
        any |= outline;
    }
    return any;
}

int TViewOverview::Reduced(int size, double zoom)
{
    return std::max(1, int(std::ceil(size * zoom - 1e-9)));
}

void TViewOverview::SetShape(double zoom, int viewWidth, int viewHeight)
{
    FZoom = zoom;
    FWidth = viewWidth;
    FHeight = viewHeight;
    FImage = QImage();
    FDirty = QRegion();
}

void TViewOverview::Invalidate(const TRect& r)
{
    FDirty += QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top) & QRect(0, 0, FWidth, FHeight);
}

int TViewOverview::SourceStart(int d, int size, int reduced) const
{
    return int(qint64(d) * size / reduced);
}

const QImage& TViewOverview::Image(const TBitmap& view, const TBitmap& picture)
{
    if (view.Width() != FWidth || view.Height() != FHeight)
        SetShape(FZoom, view.Width(), view.Height());
    const int w = Reduced(FWidth, FZoom), h = Reduced(FHeight, FZoom);
    if (FImage.size() != QSize(w, h)) {
        FImage = QImage(w, h, QImage::Format_RGB32);
        FImage.fill(Qt::white);
        FDirty = QRect(0, 0, FWidth, FHeight);
    }
    for (const QRect& r : FDirty) {
        // The reduced pixels whose areas meet the changed view rectangle.
        const int left = int(qint64(r.left()) * w / FWidth);
        const int top = int(qint64(r.top()) * h / FHeight);
        const int right = int((qint64(r.right() + 1) * w + FWidth - 1) / FWidth);
        const int bottom = int((qint64(r.bottom() + 1) * h + FHeight - 1) / FHeight);
        Recompute(QRect(left, top, right - left, bottom - top) & FImage.rect(), view, picture);
    }
    FDirty = QRegion();
    return FImage;
}

void TViewOverview::Recompute(const QRect& dest, const TBitmap& view, const TBitmap& picture)
{
    if (dest.isEmpty())
        return;
    const int w = FImage.width(), h = FImage.height();
    const int x0 = SourceStart(dest.left(), FWidth, w), x1 = SourceStart(dest.right() + 1, FWidth, w);
    const int n = x1 - x0;
    // Reduced column of every source column of the span.
    std::vector<int> column(n);
    for (int d = dest.left(), x = x0; d <= dest.right(); ++d)
        for (const int end = SourceStart(d + 1, FWidth, w); x < end; ++x)
            column[x - x0] = d - dest.left();
    const int cols = dest.width();
    std::vector<uint32_t> row(n);
    std::vector<uint8_t> marks(n);
    std::vector<uint32_t> sum(size_t(cols) * 3);
    std::vector<uint32_t> count(cols);
    std::vector<uint8_t> outline(cols);
    for (int dy = dest.top(); dy <= dest.bottom(); ++dy) {
        std::fill(sum.begin(), sum.end(), 0u);
        std::fill(count.begin(), count.end(), 0u);
        std::fill(outline.begin(), outline.end(), uint8_t(0));
        const int y0 = SourceStart(dy, FHeight, h), y1 = SourceStart(dy + 1, FHeight, h);
        for (int y = y0; y < y1; ++y) {
            const uint32_t* pic = y < picture.Height() && x1 <= picture.Width() ? picture.ScanLine(y) + x0 : nullptr;
            const bool any = TakeOutlines(view.ScanLine(y) + x0, pic, n, row.data(), marks.data());
            for (int i = 0; i < n; ++i) {
                const int c = column[i];
                const uint32_t p = row[i];
                sum[3 * c] += (p >> 16) & 0xFF;
                sum[3 * c + 1] += (p >> 8) & 0xFF;
                sum[3 * c + 2] += p & 0xFF;
                ++count[c];
            }
            if (any)
                for (int i = 0; i < n; ++i)
                    outline[column[i]] |= marks[i];
        }
        auto* out = reinterpret_cast<uint32_t*>(FImage.scanLine(dy)) + dest.left();
        for (int c = 0; c < cols; ++c) {
            const uint32_t k = std::max(1u, count[c]);
            uint32_t p = 0xFF000000u | ((sum[3 * c] + k / 2) / k) << 16 | ((sum[3 * c + 1] + k / 2) / k) << 8 |
                         ((sum[3 * c + 2] + k / 2) / k);
            // An outline shows black or white, whichever stands out against the mean (the
            // inverse of a middle grey would be the same grey).
            if (outline[c])
                p = qGray(p) >= 128 ? 0xFF000000u : 0xFFFFFFFFu;
            out[c] = p;
        }
    }
}
