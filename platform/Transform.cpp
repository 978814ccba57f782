#include "platform/Transform.h"
#include <algorithm>

namespace Transform {

void RotateQuarters(const TBitmap& src, TBitmap& dest, int turns)
{
    const int W = src.Width(), H = src.Height();
    turns = ((turns % 4) + 4) % 4;
    if (W == 0 || H == 0)
        return;
    if (turns == 2) {
        for (int y = 0; y < H; ++y) {
            const uint32_t* s = src.ScanLine(y);
            uint32_t* d = dest.ScanLine(H - 1 - y);
            std::reverse_copy(s, s + W, d);
        }
        return;
    }
    if (turns == 0) {
        for (int y = 0; y < H; ++y)
            std::copy(src.ScanLine(y), src.ScanLine(y) + W, dest.ScanLine(y));
        return;
    }
    // Tiles of 64 x 64 pixels: 16 KiB read and 16 KiB written per tile.
    constexpr int kTile = 64;
    const qsizetype dstride = dest.Image().bytesPerLine() / 4;
    uint32_t* dbase = dest.ScanLine(0);
    for (int ty = 0; ty < H; ty += kTile) {
        const int yEnd = std::min(ty + kTile, H);
        for (int tx = 0; tx < W; tx += kTile) {
            const int xEnd = std::min(tx + kTile, W);
            for (int y = ty; y < yEnd; ++y) {
                const uint32_t* s = src.ScanLine(y);
                if (turns == 1) {
                    // (x, y) -> (y, W - 1 - x): column y of dest, rows from the bottom up.
                    uint32_t* d = dbase + y;
                    for (int x = tx; x < xEnd; ++x)
                        d[qsizetype(W - 1 - x) * dstride] = s[x];
                } else {
                    // (x, y) -> (H - 1 - y, x)
                    uint32_t* d = dbase + (H - 1 - y);
                    for (int x = tx; x < xEnd; ++x)
                        d[qsizetype(x) * dstride] = s[x];
                }
            }
        }
    }
}

void MirrorRect(TBitmap& bitmap, const TRect& area, bool lodret, bool vandret)
{
    const TRect r = IntersectRect(NormalizedRect(area), bitmap.BoundsRect());
    if (r.IsEmpty())
        return;
    if (lodret)
        for (int y = r.Top; y < r.Bottom; ++y) {
            uint32_t* line = bitmap.ScanLine(y);
            std::reverse(line + r.Left, line + r.Right);
        }
    if (vandret)
        for (int top = r.Top, bottom = r.Bottom - 1; top < bottom; ++top, --bottom)
            std::swap_ranges(bitmap.ScanLine(top) + r.Left, bitmap.ScanLine(top) + r.Right,
                             bitmap.ScanLine(bottom) + r.Left);
    bitmap.Canvas().Changed(r);
}

} // namespace Transform
