#pragma once
#include <QObject>
#include <QRect>
#include <algorithm>
#include <functional>

// The common base of everything that sends events.
using TObject = QObject;
// An event that passes only its sender.
using TNotifyEvent = std::function<void(TObject* Sender)>;

struct TPoint {
    int X = 0;
    int Y = 0;
    constexpr bool operator==(const TPoint&) const = default;
};

// A rectangle (left, top, right, bottom); right and bottom are exclusive when drawn.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    constexpr TPoint BottomRight() const { return {Right, Bottom}; }
    // True when the rectangle covers no pixel.
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    constexpr bool operator==(const TRect&) const = default;
};

constexpr TPoint Point(int x, int y) { return {x, y}; }
constexpr TRect Rect(int l, int t, int r, int b) { return {l, t, r, b}; }
constexpr TRect Bounds(int l, int t, int w, int h) { return {l, t, l + w, t + h}; }

// The same rectangle with left <= right and top <= bottom.
constexpr TRect NormalizedRect(const TRect& r)
{
    return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
            std::max(r.Top, r.Bottom)};
}
// Intersection of two ordered rectangles; an empty result is (0, 0, 0, 0).
TRect IntersectRect(const TRect& a, const TRect& b);
// Smallest rectangle holding both; an empty rectangle does not count.
TRect UnionRect(const TRect& a, const TRect& b);
TRect OffsetRect(const TRect& r, int dx, int dy);
TRect InflateRect(const TRect& r, int dx, int dy);

inline QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
inline TRect FromQRect(const QRect& r) { return Bounds(r.x(), r.y(), r.width(), r.height()); }
