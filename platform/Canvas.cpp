#include "platform/Canvas.h"
#include "platform/Bitmap.h"
#include "platform/Raster.h"
#include "platform/Shapes.h"
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {
struct RingPixel {
    int x, y;
    double angle; // counter-clockwise on screen from the rightward ray, 0 to 2 pi
};

double ScreenAngle(double dx, double dy)
{
    double a = std::atan2(-dy, dx);
    return a < 0 ? a + 2 * std::numbers::pi : a;
}
} // namespace

TCanvas::TCanvas(TBitmap& owner) : owner_(&owner) {}

QImage& TCanvas::image(const TRect& area) const
{
    return owner_->canvasImage(NormalizedRect(area));
}

QImage& TCanvas::image() const
{
    return image(owner_->BoundsRect());
}

TRect TCanvas::ClipRect() const
{
    return Rect(0, 0, owner_->Width(), owner_->Height());
}

void TCanvas::Changed(const TRect& r)
{
    const TRect c = IntersectRect(NormalizedRect(r), ClipRect());
    if (c.IsEmpty())
        return;
    owner_->Touch(c);
    if (OnChange)
        OnChange(c);
}

TColor TCanvas::Pixels(int x, int y) const
{
    if (x < 0 || y < 0 || x >= owner_->Width() || y >= owner_->Height())
        return -1;
    const QImage& img = image(Bounds(x, y, 1, 1));
    return FromQRgb(reinterpret_cast<const uint32_t*>(img.constScanLine(y))[x]);
}

void TCanvas::SetPixels(int x, int y, TColor c)
{
    QImage& img = image(Bounds(x, y, 1, 1));
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height())
        return;
    reinterpret_cast<uint32_t*>(img.scanLine(y))[x] = ToQRgb(c);
    Changed(Bounds(x, y, 1, 1));
}

void TCanvas::MoveTo(int x, int y)
{
    PenPos = {x, y};
    dashPhase_ = 0;
}

void TCanvas::LineTo(int x, int y)
{
    segment(PenPos.X, PenPos.Y, x, y);
    PenPos = {x, y};
}

void TCanvas::segment(int x0, int y0, int x1, int y1)
{
    if (Pen.Style == psClear)
        return;
    if (Pen.Width <= 1)
        thinSegment(x0, y0, x1, y1);
    else
        thickSegment(x0, y0, x1, y1);
    const int m = Pen.Width / 2 + 1;
    Changed(InflateRect(NormalizedRect(Rect(x0, y0, x1, y1)), m, m));
}

void TCanvas::thinSegment(int x0, int y0, int x1, int y1)
{
    QImage& img = image(Rect(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1));
    const TDashPattern dash(Pen.Style);
    const TPaint pen = PenPaint(Pen);
    // An opaque background (solid brush) fills the gaps of a styled pen.
    const bool fillGaps = !dash.Solid() && Brush.Style == bsSolid && Pen.Mode == pmCopy;
    const TPaint gap = TPaint::Colour(Brush.Color);
    Shapes::ThinLine(x0, y0, x1, y1, [&](int x, int y) {
        if (dash.Next(dashPhase_))
            PaintPixel(img, x, y, pen);
        else if (fillGaps)
            PaintPixel(img, x, y, gap);
    });
}

void TCanvas::thickSegment(int x0, int y0, int x1, int y1)
{
    int top, bottom;
    Shapes::ThickSegmentRows(y0, y1, Pen.Width, top, bottom);
    const int m = Pen.Width / 2 + 1;
    QImage& img = image(Rect(std::min(x0, x1) - m, top, std::max(x0, x1) + m + 1, bottom));
    const TPaint pen = PenPaint(Pen);
    top = std::max(top, 0);
    bottom = std::min(bottom, img.height());
    for (int y = top; y < bottom; ++y) {
        int a, b;
        if (Shapes::ThickSegmentRow(x0, y0, x1, y1, Pen.Width, y, a, b))
            PaintSpan(img, y, a, b, pen);
    }
}

void TCanvas::Polyline(const TPoint* points, int count)
{
    if (count < 2)
        return;
    const TPoint saved = PenPos;
    MoveTo(points[0].X, points[0].Y);
    for (int i = 1; i < count; ++i)
        LineTo(points[i].X, points[i].Y);
    PenPos = saved;
}

void TCanvas::Polygon(const TPoint* points, int count)
{
    if (count < 2)
        return;
    TRect bounds{points[0].X, points[0].Y, points[0].X + 1, points[0].Y + 1};
    for (int i = 1; i < count; ++i)
        bounds = UnionRect(bounds, Bounds(points[i].X, points[i].Y, 1, 1));
    QImage& img = image(bounds);
    TPaint brush;
    if (BrushPaint(Brush, Pen.Mode, brush)) {
        std::vector<int> runs;
        const int top = std::max(bounds.Top, 0), bottom = std::min(bounds.Bottom, img.height());
        for (int y = top; y < bottom; ++y) {
            runs.clear();
            Shapes::PolygonRow(points, count, y, runs);
            for (size_t i = 0; i + 1 < runs.size(); i += 2)
                PaintSpan(img, y, runs[i], runs[i + 1], brush);
        }
        Changed(bounds);
    }
    const TPoint saved = PenPos;
    MoveTo(points[0].X, points[0].Y);
    for (int i = 1; i <= count; ++i)
        LineTo(points[i % count].X, points[i % count].Y);
    PenPos = saved;
}

// rows(box, inset, y, x0, x1) gives the figure's run on row y for the box (inset pixels inside
// the outer box, so that corner sizes can shrink with it).
template <typename RowFn>
void TCanvas::closedFigure(const TRect& box, RowFn rows)
{
    const TRect b = NormalizedRect(box);
    if (b.IsEmpty())
        return;
    QImage& img = image(b);
    const bool hasPen = Pen.Style != psClear;
    const int w = hasPen ? std::max(1, Pen.Width) : 0;
    const TRect inner{b.Left + w, b.Top + w, b.Right - w, b.Bottom - w};
    TPaint brush;
    const bool hasBrush = BrushPaint(Brush, Pen.Mode, brush);
    const bool styled = hasPen && w == 1 && !TDashPattern(Pen.Style).Solid();
    const TPaint pen = PenPaint(Pen);
    const int top = std::max(b.Top, 0), bottom = std::min(b.Bottom, img.height());
    for (int y = top; y < bottom; ++y) {
        int a0, a1, c0, c1;
        if (!rows(b, 0, y, a0, a1))
            continue;
        const bool hasInner = w > 0 && !inner.IsEmpty() && rows(inner, w, y, c0, c1);
        if (!hasInner) {
            if (!hasPen && hasBrush)
                PaintSpan(img, y, a0, a1, brush);
            else if (hasPen && !styled)
                PaintSpan(img, y, a0, a1, pen);
            continue;
        }
        c0 = std::max(c0, a0);
        c1 = std::min(c1, a1);
        if (hasPen && !styled) {
            PaintSpan(img, y, a0, c0, pen);
            PaintSpan(img, y, c1, a1, pen);
        }
        if (hasBrush)
            PaintSpan(img, y, c0, c1, brush);
    }
    if (styled)
        styledOutline(b, rows);
}

// A thin styled pen follows the outline counter-clockwise from its rightmost point, so
// that its dashes run around the figure.
template <typename RowFn>
void TCanvas::styledOutline(const TRect& b, RowFn rows)
{
    QImage& img = image(b);
    const TRect inner{b.Left + 1, b.Top + 1, b.Right - 1, b.Bottom - 1};
    const double cx = (b.Left + b.Right) / 2.0, cy = (b.Top + b.Bottom) / 2.0;
    // Only the pixels on the raster are collected: a figure far larger than the raster costs
    // no more than one around it (its dashes then count from the raster's edge).
    const TRect clip = ClipRect();
    std::vector<RingPixel> ring;
    for (int y = std::max(b.Top, clip.Top); y < std::min(b.Bottom, clip.Bottom); ++y) {
        int a0, a1, c0, c1;
        if (!rows(b, 0, y, a0, a1))
            continue;
        if (inner.IsEmpty() || !rows(inner, 1, y, c0, c1))
            c0 = c1 = a1;
        c0 = std::max(c0, a0);
        c1 = std::min(c1, a1);
        for (int x = std::max(a0, clip.Left); x < std::min(a1, clip.Right); ++x)
            if (x < c0 || x >= c1)
                ring.push_back({x, y, ScreenAngle(x + 0.5 - cx, y + 0.5 - cy)});
    }
    std::sort(ring.begin(), ring.end(), [](const RingPixel& p, const RingPixel& q) { return p.angle < q.angle; });
    const TDashPattern dash(Pen.Style);
    const TPaint pen = PenPaint(Pen);
    const bool fillGaps = Brush.Style == bsSolid && Pen.Mode == pmCopy;
    const TPaint gap = TPaint::Colour(Brush.Color);
    int phase = 0;
    for (const RingPixel& p : ring) {
        if (dash.Next(phase))
            PaintPixel(img, p.x, p.y, pen);
        else if (fillGaps)
            PaintPixel(img, p.x, p.y, gap);
    }
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    const TRect box = NormalizedRect(Rect(left, top, right, bottom));
    closedFigure(box, [](const TRect& box, int, int y, int& x0, int& x1) {
        if (y < box.Top || y >= box.Bottom)
            return false;
        x0 = box.Left;
        x1 = box.Right;
        return true;
    });
    // An outline alone changes only the four edges (a blinking selection stays cheap on screen).
    if (Brush.Style == bsClear && Pen.Style != psClear)
        changedFrame(box, std::max(1, Pen.Width));
    else
        Changed(box);
}

void TCanvas::changedFrame(const TRect& b, int w)
{
    if (b.Width() <= 2 * w || b.Height() <= 2 * w) {
        Changed(b);
        return;
    }
    Changed(Rect(b.Left, b.Top, b.Right, b.Top + w));
    Changed(Rect(b.Left, b.Bottom - w, b.Right, b.Bottom));
    Changed(Rect(b.Left, b.Top + w, b.Left + w, b.Bottom - w));
    Changed(Rect(b.Right - w, b.Top + w, b.Right, b.Bottom - w));
}

void TCanvas::RoundRect(int l, int t, int r, int b, int cornerW, int cornerH)
{
    closedFigure(Rect(l, t, r, b), [cornerW, cornerH](const TRect& box, int inset, int y, int& x0, int& x1) {
        return Shapes::RoundRectRow(box, std::abs(cornerW) - 2 * inset, std::abs(cornerH) - 2 * inset, y, x0, x1);
    });
    Changed(Rect(l, t, r, b));
}

void TCanvas::Ellipse(int l, int t, int r, int b)
{
    closedFigure(Rect(l, t, r, b), [](const TRect& box, int, int y, int& x0, int& x1) {
        return Shapes::EllipseRow(box, y, x0, x1);
    });
    Changed(Rect(l, t, r, b));
}

void TCanvas::Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4)
{
    const TRect box = NormalizedRect(Rect(l, t, r, b));
    if (box.IsEmpty() || Pen.Style == psClear)
        return;
    QImage& img = image(box);
    const int w = std::max(1, Pen.Width);
    const TRect inner{box.Left + w, box.Top + w, box.Right - w, box.Bottom - w};
    const double cx = (box.Left + box.Right) / 2.0, cy = (box.Top + box.Bottom) / 2.0;
    const double from = ScreenAngle(x3 - cx, y3 - cy);
    double sweep = ScreenAngle(x4 - cx, y4 - cy) - from;
    if (sweep <= 0)
        sweep += 2 * std::numbers::pi;
    const TRect clip = ClipRect();
    std::vector<RingPixel> ring;
    for (int y = std::max(box.Top, clip.Top); y < std::min(box.Bottom, clip.Bottom); ++y) {
        int a0, a1, c0, c1;
        if (!Shapes::EllipseRow(box, y, a0, a1))
            continue;
        if (inner.IsEmpty() || !Shapes::EllipseRow(inner, y, c0, c1))
            c0 = c1 = a1;
        for (int x = std::max(a0, clip.Left); x < std::min(a1, clip.Right); ++x) {
            if (x >= c0 && x < c1)
                continue;
            double rel = ScreenAngle(x + 0.5 - cx, y + 0.5 - cy) - from;
            if (rel < 0)
                rel += 2 * std::numbers::pi;
            if (rel <= sweep)
                ring.push_back({x, y, rel});
        }
    }
    const TDashPattern dash(w == 1 ? Pen.Style : psSolid);
    if (!dash.Solid())
        std::sort(ring.begin(), ring.end(), [](const RingPixel& p, const RingPixel& q) { return p.angle < q.angle; });
    const TPaint pen = PenPaint(Pen);
    int phase = 0;
    for (const RingPixel& p : ring)
        if (dash.Next(phase))
            PaintPixel(img, p.x, p.y, pen);
    Changed(box);
}

void TCanvas::FillRect(const TRect& r)
{
    TPaint brush;
    if (r.IsEmpty() || !BrushPaint(Brush, pmCopy, brush))
        return;
    QImage& img = image(r);
    const int top = std::max(r.Top, 0), bottom = std::min(r.Bottom, img.height());
    for (int y = top; y < bottom; ++y)
        PaintSpan(img, y, r.Left, r.Right, brush);
    Changed(r);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& src, const TRect& source)
{
    const bool flipX = (dest.Right < dest.Left) != (source.Right < source.Left);
    const bool flipY = (dest.Bottom < dest.Top) != (source.Bottom < source.Top);
    const TRect dn = NormalizedRect(dest);
    TRect sn = NormalizedRect(source);
    if (dn.IsEmpty() || sn.IsEmpty())
        return;
    const QImage& whole = src.image(sn);
    // Copying within one raster reads from a copy of the source rectangle, so overlaps are safe.
    QImage part;
    const QImage* simg = &whole;
    int sx0 = sn.Left, sy0 = sn.Top;
    if (src.owner_ == owner_) {
        const TRect inside = IntersectRect(sn, Rect(0, 0, whole.width(), whole.height()));
        if (inside.IsEmpty())
            return;
        part = whole.copy(ToQRect(inside));
        simg = &part;
        sx0 = sn.Left - inside.Left;
        sy0 = sn.Top - inside.Top;
    }
    QImage& dimg = image(dn);
    const int sw = sn.Width(), sh = sn.Height(), dw = dn.Width(), dh = dn.Height();
    const int xBegin = std::max(dn.Left, 0), xEnd = std::min(dn.Right, dimg.width());
    const int yBegin = std::max(dn.Top, 0), yEnd = std::min(dn.Bottom, dimg.height());
    if (xBegin >= xEnd || yBegin >= yEnd)
        return;
    auto mapTo = [](int i, int from, int to, bool flip) {
        const int k = int(int64_t(i) * from / to);
        return flip ? from - 1 - k : k;
    };
    std::vector<int> xmap(xEnd - xBegin);
    bool identityX = !flipX && sw == dw;
    for (int x = xBegin; x < xEnd; ++x) {
        const int sx = sx0 + mapTo(x - dn.Left, sw, dw, flipX);
        xmap[x - xBegin] = (sx >= 0 && sx < simg->width()) ? sx : -1;
        identityX = identityX && xmap[x - xBegin] >= 0;
    }
    for (int y = yBegin; y < yEnd; ++y) {
        const int sy = sy0 + mapTo(y - dn.Top, sh, dh, flipY);
        if (sy < 0 || sy >= simg->height())
            continue;
        const auto* from = reinterpret_cast<const uint32_t*>(simg->constScanLine(sy));
        auto* to = reinterpret_cast<uint32_t*>(dimg.scanLine(y));
        if (identityX) {
            std::memcpy(to + xBegin, from + xmap[0], sizeof(uint32_t) * (xEnd - xBegin));
            continue;
        }
        for (int x = xBegin; x < xEnd; ++x) {
            const int sx = xmap[x - xBegin];
            if (sx >= 0)
                to[x] = from[sx];
        }
    }
    Changed(dn);
}

void TCanvas::Draw(int x, int y, const TBitmap& graphic)
{
    CopyRect(Bounds(x, y, graphic.Width(), graphic.Height()), graphic.Canvas(),
             Rect(0, 0, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& graphic)
{
    CopyRect(dest, graphic.Canvas(), Rect(0, 0, graphic.Width(), graphic.Height()));
}

void TCanvas::DrawFocusRect(const TRect& r)
{
    const TRect b = NormalizedRect(r);
    if (b.IsEmpty())
        return;
    QImage& img = image(b);
    const TPaint invert = TPaint::Invert();
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0)
            PaintPixel(img, x, y, invert);
    };
    for (int x = b.Left; x < b.Right; ++x) {
        dot(x, b.Top);
        if (b.Bottom - 1 > b.Top)
            dot(x, b.Bottom - 1);
    }
    for (int y = b.Top + 1; y < b.Bottom - 1; ++y) {
        dot(b.Left, y);
        if (b.Right - 1 > b.Left)
            dot(b.Right - 1, y);
    }
    changedFrame(b, 1);
}
