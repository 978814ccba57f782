#pragma once
#include "platform/Graphics.h"
#include <QImage>
#include <cstdint>

// How pixels are painted: set to a value, or exclusive-or with a mask; optionally only where an
// 8 x 8 hatch pattern aligned to the raster's origin has a bit.
struct TPaint {
    enum Op { Set, Xor };
    Op op = Set;
    uint32_t value = 0xFFFFFFFF; // Qt pixel value for Set, mask for Xor
    const uint8_t* hatch = nullptr; // 8 rows, bit x of row y set = paint; nullptr paints every pixel

    static TPaint Colour(TColor c) { return {Set, ToQRgb(c), nullptr}; }
    static TPaint Invert() { return {Xor, 0x00FFFFFF, nullptr}; }
};

// The paint of a pen (nothing for psClear is the caller's matter) and of a brush.
TPaint PenPaint(const TPen& pen);
// False for a clear brush.
bool BrushPaint(const TBrush& brush, TPenMode mode, TPaint& paint);
// The 8 x 8 pattern of a hatch style, or nullptr for bsSolid and bsClear.
const uint8_t* HatchPattern(TBrushStyle style);

// Paints pixels [x0, x1) of row y; everything outside the image is skipped.
void PaintSpan(QImage& img, int y, int x0, int x1, const TPaint& p);
inline void PaintPixel(QImage& img, int x, int y, const TPaint& p) { PaintSpan(img, y, x, x + 1, p); }

// The on/off pattern of a thin styled pen. Each call answers whether the next pixel along
// the line is drawn and advances the phase; a solid style is always on.
class TDashPattern {
public:
    explicit TDashPattern(TPenStyle style);
    bool Solid() const { return count_ == 0; }
    bool Next(int& phase) const;

private:
    const int* segments_ = nullptr; // alternating on and off lengths
    int count_ = 0;
    int period_ = 0;
};

// Copies n pixels to memory that will not be read again soon (undo snapshots, the view):
// on x86 with streaming stores that bypass the cache, elsewhere an ordinary copy.
void StreamCopy(uint32_t* dst, const uint32_t* src, int n);
