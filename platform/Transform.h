#pragma once
#include "platform/Bitmap.h"

// Whole-raster geometry on scan lines.
namespace Transform {

// dest (already sized H x W for odd turns, W x H for even) receives src turned by quarter turns:
// 1 anticlockwise ((x, y) -> (y, W - 1 - x)), 2 a half turn, 3 clockwise ((x, y) -> (H - 1 - y, x)).
// Works in tiles so that both rasters are read and written in cache-sized pieces.
void RotateQuarters(const TBitmap& src, TBitmap& dest, int turns);

// Mirrors the rectangle r of the raster in place: left-right (lodret) or top-bottom (vandret).
void MirrorRect(TBitmap& bitmap, const TRect& r, bool lodret, bool vandret);

} // namespace Transform
