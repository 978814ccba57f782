#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Raster.h"
#include <QImage>
#include <cstring>
#include <memory>
#include <vector>

namespace {
// The start of a run of the region found in a row, and the run's end when it was found.
// Runs are painted (or marked) whole, so a run whose first pixel is still in the region is
// still in the region up to its end.
struct Seed {
    int x, y, end;
};

// Eight pixels as two vectors, so the block tests below compile to a few vector instructions.
using Pixels4 = uint32_t __attribute__((vector_size(16)));

// True when all eight pixels at p have (pixel == key) == Equal.
template <bool Equal>
inline bool BlockAll(const uint32_t* p, uint32_t key)
{
    Pixels4 a, b;
    std::memcpy(&a, p, 16);
    std::memcpy(&b, p + 4, 16);
    const Pixels4 k = {key, key, key, key};
    const Pixels4 diff = (a ^ k) | (b ^ k);
    if constexpr (Equal)
        return (diff[0] | diff[1] | diff[2] | diff[3]) == 0;
    const Pixels4 same = (a == k) | (b == k);
    return (same[0] | same[1] | same[2] | same[3]) == 0;
}

// First i in [from, to) where (row[i] == key) != Equal, or to.
template <bool Equal>
int ScanRight(const uint32_t* row, int from, int to, uint32_t key)
{
    int i = from;
    while (i + 8 <= to && BlockAll<Equal>(row + i, key))
        i += 8;
    while (i < to && (row[i] == key) == Equal)
        ++i;
    return i;
}

// Smallest l <= from with every pixel of [l, from) having (row[i] == key) == Equal, not below lowest.
template <bool Equal>
int ScanLeft(const uint32_t* row, int from, int lowest, uint32_t key)
{
    int i = from;
    while (i - 8 >= lowest && BlockAll<Equal>(row + i - 8, key))
        i -= 8;
    while (i > lowest && (row[i - 1] == key) == Equal)
        --i;
    return i;
}

// Visited pixels, one bit each; a row's bits are allocated when the fill first reaches it, so a
// small fill on a big picture costs in proportion to its own rows.
class TVisitedMask {
public:
    TVisitedMask(int w, int h) : bytes_((w + 7) / 8), rows_(h) {}
    bool Test(int x, int y) const
    {
        const auto& row = rows_[y];
        return row && (row[x >> 3] >> (x & 7)) & 1;
    }
    void Mark(int y, int x0, int x1)
    {
        auto& row = rows_[y];
        if (!row)
            row = std::make_unique<uint8_t[]>(bytes_); // zeroed
        for (int x = x0; x < x1; ++x)
            row[x >> 3] |= uint8_t(1u << (x & 7));
    }

private:
    int bytes_;
    std::vector<std::unique_ptr<uint8_t[]>> rows_;
};

// Scan-line flood fill with an explicit stack of row seeds, so any region size is safe.
// InRegion is true for fsSurface (the region has the key colour) and false for fsBorder (the
// region is everything but the key colour). Painted pixels normally leave the region at once;
// where they may not (hatched brushes, a fill in the region's own colour, a border fill in
// another colour), a mask of visited pixels stops revisits.
template <bool UseMask, bool InRegion>
TRect Fill(QImage& img, int x, int y, uint32_t key, const TPaint& brush)
{
    const int W = img.width(), H = img.height();
    auto* base = reinterpret_cast<uint32_t*>(img.bits());
    const qsizetype stride = img.bytesPerLine() / 4;
    TVisitedMask visited(UseMask ? W : 0, UseMask ? H : 0);
    auto inside = [&](int px, int py) {
        if constexpr (UseMask)
            if (visited.Test(px, py))
                return false;
        return (base[py * stride + px] == key) == InRegion;
    };
    if (!inside(x, y))
        return {};
    TRect changed{x, y, x + 1, y + 1};
    std::vector<Seed> stack{{x, y, x + 1}};
    while (!stack.empty()) {
        const Seed s = stack.back();
        stack.pop_back();
        if (!inside(s.x, s.y))
            continue;
        const uint32_t* line = base + s.y * stride;
        int l, r;
        if constexpr (UseMask) {
            for (l = s.x; l > 0 && inside(l - 1, s.y);)
                --l;
            for (r = s.end; r < W && inside(r, s.y);)
                ++r;
            visited.Mark(s.y, l, r);
        } else {
            l = ScanLeft<InRegion>(line, s.x, 0, key);
            r = ScanRight<InRegion>(line, s.end, W, key);
        }
        PaintSpan(img, s.y, l, r, brush);
        // One seed for each run of the region in the rows above and below.
        for (int ny : {s.y - 1, s.y + 1}) {
            if (ny < 0 || ny >= H)
                continue;
            const uint32_t* row = base + ny * stride;
            int px = l;
            while (px < r) {
                if constexpr (UseMask) {
                    while (px < r && !inside(px, ny))
                        ++px;
                } else {
                    px = ScanRight<!InRegion>(row, px, r, key);
                }
                if (px >= r)
                    break;
                const int start = px;
                if constexpr (UseMask) {
                    while (px < r && inside(px, ny))
                        ++px;
                } else {
                    px = ScanRight<InRegion>(row, px, r, key);
                }
                stack.push_back({start, ny, px});
            }
        }
        changed = UnionRect(changed, Rect(l, s.y, r, s.y + 1));
    }
    return changed;
}
} // namespace

// fsSurface fills the 4-connected region of pixels equal to colour; fsBorder fills the
// 4-connected region of pixels different from colour.
TRect TCanvas::FloodFill(int x, int y, TColor colour, TFillStyle style)
{
    QImage& img = image();
    TPaint brush;
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height() || !BrushPaint(Brush, pmCopy, brush))
        return {};
    const uint32_t key = ToQRgb(colour);
    const bool leavesRegion = !brush.hatch && (style == fsSurface ? brush.value != key : brush.value == key);
    TRect changed;
    if (style == fsSurface)
        changed = leavesRegion ? Fill<false, true>(img, x, y, key, brush) : Fill<true, true>(img, x, y, key, brush);
    else
        changed = leavesRegion ? Fill<false, false>(img, x, y, key, brush) : Fill<true, false>(img, x, y, key, brush);
    Changed(changed);
    return changed;
}
