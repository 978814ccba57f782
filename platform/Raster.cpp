#include "platform/Raster.h"
#include <algorithm>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
constexpr uint8_t kHorizontal[8] = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF};
constexpr uint8_t kVertical[8] = {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08};
// Bit x of row y: x == y for the downward diagonal, x + y == 7 for the upward one.
constexpr uint8_t kFDiagonal[8] = {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};
constexpr uint8_t kBDiagonal[8] = {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};
constexpr uint8_t kCross[8] = {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0xFF};
constexpr uint8_t kDiagCross[8] = {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};

constexpr int kDash[] = {18, 6};
constexpr int kDot[] = {3, 3};
constexpr int kDashDot[] = {9, 6, 3, 6};
constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
constexpr int kAlternate[] = {1, 1};
} // namespace

TPaint PenPaint(const TPen& pen)
{
    return pen.Mode == pmNot ? TPaint::Invert() : TPaint::Colour(pen.Color);
}

const uint8_t* HatchPattern(TBrushStyle style)
{
    switch (style) {
    case bsHorizontal: return kHorizontal;
    case bsVertical: return kVertical;
    case bsFDiagonal: return kFDiagonal;
    case bsBDiagonal: return kBDiagonal;
    case bsCross: return kCross;
    case bsDiagCross: return kDiagCross;
    default: return nullptr;
    }
}

bool BrushPaint(const TBrush& brush, TPenMode mode, TPaint& paint)
{
    if (brush.Style == bsClear)
        return false;
    paint = mode == pmNot ? TPaint::Invert() : TPaint::Colour(brush.Color);
    paint.hatch = HatchPattern(brush.Style);
    return true;
}

void PaintSpan(QImage& img, int y, int x0, int x1, const TPaint& p)
{
    if (y < 0 || y >= img.height())
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, img.width());
    if (x0 >= x1)
        return;
    auto* line = reinterpret_cast<uint32_t*>(img.scanLine(y));
    if (!p.hatch) {
        if (p.op == TPaint::Set)
            std::fill(line + x0, line + x1, p.value);
        else
            for (int x = x0; x < x1; ++x)
                line[x] ^= p.value;
        return;
    }
    const uint8_t row = p.hatch[y & 7];
    for (int x = x0; x < x1; ++x) {
        if (!(row & (1u << (x & 7))))
            continue;
        if (p.op == TPaint::Set)
            line[x] = p.value;
        else
            line[x] ^= p.value;
    }
}

TDashPattern::TDashPattern(TPenStyle style)
{
    auto use = [this](const int* s, int n) {
        segments_ = s;
        count_ = n;
        period_ = 0;
        for (int i = 0; i < n; ++i)
            period_ += s[i];
    };
    switch (style) {
    case psDash: use(kDash, 2); break;
    case psDot: use(kDot, 2); break;
    case psDashDot: use(kDashDot, 4); break;
    case psDashDotDot: use(kDashDotDot, 6); break;
    case psAlternate: use(kAlternate, 2); break;
    default: break;
    }
}

bool TDashPattern::Next(int& phase) const
{
    if (Solid())
        return true;
    int pos = phase % period_;
    phase = (phase + 1) % period_;
    for (int i = 0; i < count_; ++i) {
        if (pos < segments_[i])
            return i % 2 == 0;
        pos -= segments_[i];
    }
    return false;
}

void StreamCopy(uint32_t* dst, const uint32_t* src, int n)
{
#if defined(__SSE2__)
    int i = 0;
    while (i < n && (reinterpret_cast<uintptr_t>(dst + i) & 15) != 0) {
        dst[i] = src[i];
        ++i;
    }
    for (; i + 4 <= n; i += 4)
        _mm_stream_si128(reinterpret_cast<__m128i*>(dst + i), _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i)));
    for (; i < n; ++i)
        dst[i] = src[i];
    _mm_sfence();
#else
    std::memcpy(dst, src, sizeof(uint32_t) * size_t(n));
#endif
}
