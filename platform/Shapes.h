#pragma once
#include "platform/Types.h"
#include <vector>

// Geometry of the canvas figures as horizontal runs of pixels, one row at a time.
// A run is [x0, x1); a pixel belongs to a figure when its centre (x + 0.5, y + 0.5) lies inside.
namespace Shapes {

// The run of the ellipse inscribed in box on row y; false when the row misses it.
bool EllipseRow(const TRect& box, int y, int& x0, int& x1);

// The run of the rectangle box with corners rounded by ellipses cornerW wide and cornerH high.
bool RoundRectRow(const TRect& box, int cornerW, int cornerH, int y, int& x0, int& x1);

// The run on row y of the pixels within width / 2 of the segment from (ax, ay) to (bx, by)
// (pixel coordinates), with round ends. Odd widths centre on the pixels, even widths on
// their corners, so a horizontal line of width w covers exactly w rows.
bool ThickSegmentRow(int ax, int ay, int bx, int by, int width, int y, int& x0, int& x1);

// Vertical extent [top, bottom) of a thick segment.
void ThickSegmentRows(int ay, int by, int width, int& top, int& bottom);

// The runs of a polygon on row y by the even-odd rule, appended to runs as x0, x1 pairs.
void PolygonRow(const TPoint* points, int count, int y, std::vector<int>& runs);

// Visits the pixels of a thin line from (x0, y0) towards (x1, y1), leaving out the end pixel.
template <typename Plot>
void ThinLine(int x0, int y0, int x1, int y1, Plot&& plot)
{
    const int dx = x1 > x0 ? x1 - x0 : x0 - x1;
    const int dy = y1 > y0 ? y1 - y0 : y0 - y1;
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx - dy;
    int x = x0, y = y0;
    while (x != x1 || y != y1) {
        plot(x, y);
        const int e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            y += sy;
        }
    }
}

} // namespace Shapes
