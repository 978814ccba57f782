#include "platform/Shapes.h"
#include <algorithm>
#include <cmath>

namespace Shapes {
namespace {
constexpr double kEps = 1e-9;

// Pixels whose centre lies in [lo, hi].
bool RunFromInterval(double lo, double hi, int& x0, int& x1)
{
    if (hi < lo)
        return false;
    x0 = static_cast<int>(std::ceil(lo - 0.5 - kEps));
    x1 = static_cast<int>(std::floor(hi - 0.5 + kEps)) + 1;
    return x1 > x0;
}

struct Interval {
    double lo = 1, hi = 0; // empty
    bool Empty() const { return hi < lo; }
    void Unite(const Interval& o)
    {
        if (o.Empty())
            return;
        if (Empty()) {
            *this = o;
            return;
        }
        lo = std::min(lo, o.lo);
        hi = std::max(hi, o.hi);
    }
};

Interval DiscRow(double cx, double cy, double r, double yc)
{
    const double dy = yc - cy;
    const double k = r * r - dy * dy;
    if (k < -kEps)
        return {};
    const double s = std::sqrt(std::max(0.0, k));
    return {cx - s, cx + s};
}
} // namespace

bool EllipseRow(const TRect& box, int y, int& x0, int& x1)
{
    const TRect b = NormalizedRect(box);
    if (b.IsEmpty() || y < b.Top || y >= b.Bottom)
        return false;
    const double a = b.Width() / 2.0, h = b.Height() / 2.0;
    const double cx = b.Left + a, cy = b.Top + h;
    const double dy = (y + 0.5 - cy) / h;
    const double k = 1.0 - dy * dy;
    if (k < 0)
        return false;
    const double half = a * std::sqrt(k);
    if (!RunFromInterval(cx - half, cx + half, x0, x1)) {
        // A row of the box always shows at least the middle pixel, so thin ellipses stay joined.
        x0 = static_cast<int>(std::floor(cx - 0.5 + kEps));
        x1 = x0 + 1;
    }
    x0 = std::max(x0, b.Left);
    x1 = std::min(x1, b.Right);
    return x1 > x0;
}

bool RoundRectRow(const TRect& box, int cornerW, int cornerH, int y, int& x0, int& x1)
{
    const TRect b = NormalizedRect(box);
    if (b.IsEmpty() || y < b.Top || y >= b.Bottom)
        return false;
    const int ew = std::clamp(cornerW, 0, b.Width());
    const int eh = std::clamp(cornerH, 0, b.Height());
    x0 = b.Left;
    x1 = b.Right;
    if (ew < 2 || eh < 2)
        return true;
    // Rows in the upper or lower corner band take the corner ellipse's run, mirrored to the right.
    int cy = -1;
    if (y < b.Top + eh / 2)
        cy = y;
    else if (y >= b.Bottom - eh / 2)
        cy = b.Top + (b.Bottom - 1 - y);
    if (cy < 0)
        return true;
    int e0, e1;
    if (!EllipseRow(Rect(b.Left, b.Top, b.Left + ew, b.Top + eh), cy, e0, e1))
        return false;
    x0 = e0;
    x1 = b.Right - (e0 - b.Left);
    return x1 > x0;
}

void ThickSegmentRows(int ay, int by, int width, int& top, int& bottom)
{
    top = std::min(ay, by) - width / 2 - 1;
    bottom = std::max(ay, by) + width / 2 + 2;
}

bool ThickSegmentRow(int ax, int ay, int bx, int by, int width, int y, int& x0, int& x1)
{
    const double off = (width % 2) ? 0.5 : 0.0;
    const double px = ax + off, py = ay + off, qx = bx + off, qy = by + off;
    const double r = width / 2.0;
    const double yc = y + 0.5;
    Interval run = DiscRow(px, py, r, yc);
    run.Unite(DiscRow(qx, qy, r, yc));
    const double dx = qx - px, dy = qy - py;
    const double len2 = dx * dx + dy * dy;
    if (len2 > 0) {
        // The band between the end discs: distance to the line at most r, projection inside the segment.
        Interval band{-1e300, 1e300};
        const double len = std::sqrt(len2);
        const double ry = yc - py;
        // |dx * ry - dy * (x - px)| <= r * len
        if (dy == 0) {
            if (std::fabs(dx * ry) > r * len + kEps)
                band = {};
        } else {
            const double c = (dx * ry) / dy;
            const double w = r * len / std::fabs(dy);
            band = {px + c - w, px + c + w};
        }
        // 0 <= (x - px) * dx + ry * dy <= len2
        if (!band.Empty()) {
            if (dx == 0) {
                const double t = ry * dy;
                if (t < -kEps || t > len2 + kEps)
                    band = {};
            } else {
                double lo = (0 - ry * dy) / dx + px, hi = (len2 - ry * dy) / dx + px;
                if (lo > hi)
                    std::swap(lo, hi);
                band.lo = std::max(band.lo, lo);
                band.hi = std::min(band.hi, hi);
            }
        }
        run.Unite(band);
    }
    if (run.Empty())
        return false;
    return RunFromInterval(run.lo, run.hi, x0, x1);
}

void PolygonRow(const TPoint* points, int count, int y, std::vector<int>& runs)
{
    if (count < 3)
        return;
    const double yc = y + 0.5;
    std::vector<double> xs;
    for (int i = 0; i < count; ++i) {
        const TPoint& a = points[i];
        const TPoint& b = points[(i + 1) % count];
        if (a.Y == b.Y)
            continue;
        const bool crosses = (a.Y <= yc && yc < b.Y) || (b.Y <= yc && yc < a.Y);
        if (!crosses)
            continue;
        xs.push_back(a.X + (yc - a.Y) * (b.X - a.X) / double(b.Y - a.Y));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2) {
        const int x0 = static_cast<int>(std::ceil(xs[i] - 0.5));
        const int x1 = static_cast<int>(std::ceil(xs[i + 1] - 0.5));
        if (x1 > x0) {
            runs.push_back(x0);
            runs.push_back(x1);
        }
    }
}

} // namespace Shapes
