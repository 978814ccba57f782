#include "engine/RestingRaster.h"
#include <algorithm>
#include <cstring>
#include <utility>

namespace {
// The bounding rectangle of the pixels of area that are not Background (empty when there are
// none).
TRect PartNotOf(const TBitmap& b, const TRect& area, uint32_t Background)
{
    int left = area.Right, right = area.Left, top = area.Bottom, bottom = area.Top;
    for (int y = area.Top; y < area.Bottom; ++y) {
        const uint32_t* row = b.ScanLine(y) + area.Left;
        const uint32_t* end = row + (area.Right - area.Left);
        const uint32_t* first = std::find_if(row, end, [&](uint32_t p) { return p != Background; });
        if (first == end)
            continue;
        const uint32_t* last = end;
        while (last[-1] == Background)
            --last;
        left = std::min(left, area.Left + int(first - row));
        right = std::max(right, area.Left + int(last - row));
        top = std::min(top, y);
        bottom = y + 1;
    }
    return left < right ? TRect{left, top, right, bottom} : TRect{};
}
} // namespace

bool TRestingRaster::Rest(uint32_t Background)
{
    if (FResting || FBitmap.Empty())
        return false;
    // Outside the touched part the pixels are the background already.
    const TRect part = PartNotOf(FBitmap, IntersectRect(FBitmap.Touched(), FBitmap.BoundsRect()), Background);
    const qint64 area = qint64(FBitmap.Width()) * FBitmap.Height();
    if (qint64(part.Right - part.Left) * (part.Bottom - part.Top) * 2 > area)
        return false;
    FWidth = FBitmap.Width();
    FHeight = FBitmap.Height();
    FFormat = FBitmap.PixelFormat();
    FTouched = FBitmap.Touched();
    FBackground = Background;
    FPart = part;
    FPartPixels = TBitmap();
    if (!part.IsEmpty()) {
        FPartPixels.Reshape(part.Right - part.Left, part.Bottom - part.Top);
        for (int y = part.Top; y < part.Bottom; ++y)
            std::memcpy(FPartPixels.ScanLine(y - part.Top), std::as_const(FBitmap).ScanLine(y) + part.Left,
                        size_t(part.Right - part.Left) * 4);
    }
    // Moving an empty raster in keeps the canvas and its settings and frees the pixels.
    FBitmap = TBitmap();
    FResting = true;
    return true;
}

void TRestingRaster::Wake()
{
    if (!FResting)
        return;
    FResting = false;
    FBitmap.Reshape(FWidth, FHeight);
    for (int y = 0; y < FHeight; ++y) {
        uint32_t* row = FBitmap.ScanLine(y);
        std::fill(row, row + FWidth, FBackground);
        if (y >= FPart.Top && y < FPart.Bottom)
            std::memcpy(row + FPart.Left, FPartPixels.ScanLine(y - FPart.Top), size_t(FPart.Right - FPart.Left) * 4);
    }
    FPartPixels = TBitmap();
    FBitmap.SetPixelFormat(FFormat);
    FBitmap.ResetTouched();
    FBitmap.Touch(FTouched);
}

void TRestingRaster::Forget()
{
    FResting = false;
    FPartPixels = TBitmap();
}
