// Colour operations: per-pixel rules on the focus or the whole picture.
#include "engine/ImageMani.h"
#include "engine/PixelRows.h"
#include "util/Near.h"
#include <array>
#include <cmath>

namespace {
int Channel(TColor c, int channel)
{
    return (c >> (8 * channel)) & 0xFF;
}

// Tables for the red, green and blue channels (0, 1, 2) from fn(channel, value).
template <typename Fn>
PixelRows::TTables MakeTables(Fn fn)
{
    PixelRows::TTables t;
    for (int v = 0; v < 256; ++v) {
        t.r[v] = uint8_t(fn(0, v));
        t.g[v] = uint8_t(fn(1, v));
        t.b[v] = uint8_t(fn(2, v));
    }
    return t;
}
} // namespace

void TImageMani::ApplyTables(const TCaptionPair& caption, const PixelRows::TTables& tables)
{
    RewriteRows(caption, [&](const TBitmap& old, uint32_t* dst, int x0, int x1, int y) {
        PixelRows::Tables(old.ScanLine(y) + x0, dst + x0, x1 - x0, tables);
    });
}

void TImageMani::UdskiftPixels(TColor OldCol, TColor NewCol, uint8_t MetodeNr)
{
    const TColor oldRgb = ColorToRGB(OldCol);
    TColor value = NewCol;
    switch (MetodeNr) {
    case 0: value = ColorToRGB(NewCol); break;
    case 1: value = oldRgb ^ NewCol; break;
    case 2: value = oldRgb | NewCol; break;
    case 3: value = TColor(uint32_t(oldRgb) << (NewCol & 31)); break;
    default: break;
    }
    // Methods beyond 3 change nothing, but the step is still taken.
    const uint32_t from = ToQRgb(oldRgb), to = MetodeNr <= 3 ? ToQRgb(value & 0xFFFFFF) : from;
    RewriteRows(kUndoColourChange, [&](const TBitmap& old, uint32_t* dst, int x0, int x1, int y) {
        PixelRows::Replace(old.ScanLine(y) + x0, dst + x0, x1 - x0, from, to);
    });
}

void TImageMani::Inverter()
{
    const uint32_t mask = ToQRgb(FBrushColor) & 0xFFFFFF;
    RewriteRows(kUndoInvert, [&](const TBitmap& old, uint32_t* dst, int x0, int x1, int y) {
        PixelRows::Xor(old.ScanLine(y) + x0, dst + x0, x1 - x0, mask);
    });
}

void TImageMani::MakeGray()
{
    RewriteRows(kUndoGrey, [&](const TBitmap& old, uint32_t* dst, int x0, int x1, int y) {
        PixelRows::Grey(old.ScanLine(y) + x0, dst + x0, x1 - x0);
    });
}

void TImageMani::ReducerFarver(uint8_t Red, uint8_t Green, uint8_t Blue)
{
    const uint8_t steps[3] = {Red, Green, Blue};
    ApplyTables(kUndoReduce, MakeTables([&](int ch, int c) {
                    const int s = steps[ch] >= 1 ? Near(255.0 / steps[ch]) : 0;
                    return s == 0 ? 0 : std::min(Near(double(c) / s) * s, 255);
                }));
}

void TImageMani::JusterFarver(uint8_t minR, uint8_t minG, uint8_t minB, uint8_t maxR, uint8_t maxG, uint8_t maxB)
{
    const int lo[3] = {minR, minG, minB}, hi[3] = {maxR, maxG, maxB};
    ApplyTables(kUndoReduce, MakeTables([&](int ch, int c) { return std::max(std::min(c, hi[ch]), lo[ch]); }));
}

void TImageMani::GrayToColor()
{
    const TColor pen = ColorToRGB(FPicture.Canvas().Pen.Color), brush = ColorToRGB(FPicture.Canvas().Brush.Color);
    ApplyTables(kUndoColourAlter, MakeTables([&](int ch, int c) {
                    const int p = Channel(pen, ch), b = Channel(brush, ch);
                    return std::min(p, b) + int(std::trunc(std::abs(p - b) * (c / 255.0)));
                }));
}

void TImageMani::Toning(int Interval, bool Lysere)
{
    ApplyTables(kUndoColourAlter, MakeTables([&](int, int c) {
                    return std::clamp(Lysere ? c + Interval : c - Interval, 0, 255);
                }));
}

void TImageMani::IntFade(bool Vandret)
{
    RewriteArea(kUndoColourAlter, [&] {
        const TColor p = ColorToRGB(FPenColor), b = ColorToRGB(FBrushColor);
        const double n = double(X2 - X1 + 1) * double(Y2 - Y1 + 1);
        double d[3], ramp[3];
        for (int ch = 0; ch < 3; ++ch) {
            d[ch] = (Channel(b, ch) - Channel(p, ch)) / n;
            ramp[ch] = Channel(p, ch) + d[ch];
        }
        const TRect area = IntersectRect(FR, FPicture.BoundsRect());
        auto blend = [&](int x, int y) {
            if (area.Contains(x, y)) {
                uint32_t& px = FPicture.ScanLine(y)[x];
                const int c[3] = {int((px >> 16) & 0xFF), int((px >> 8) & 0xFF), int(px & 0xFF)};
                const int r = int(std::trunc((c[0] + ramp[0]) / 2)), g = int(std::trunc((c[1] + ramp[1]) / 2)),
                          bl = int(std::trunc((c[2] + ramp[2]) / 2));
                px = 0xFF000000u | (uint32_t(r & 0xFF) << 16) | (uint32_t(g & 0xFF) << 8) | uint32_t(bl & 0xFF);
            }
            for (int ch = 0; ch < 3; ++ch)
                ramp[ch] += d[ch];
        };
        if (Vandret) {
            for (int y = Y1; y < Y2; ++y)
                for (int x = X1; x < X2; ++x)
                    blend(x, y);
        } else {
            for (int x = X1; x < X2; ++x)
                for (int y = Y1; y < Y2; ++y)
                    blend(x, y);
        }
    });
}

template <typename AreaRule>
void TImageMani::OutlineFrame(AreaRule rule)
{
    // A call while the picture is being painted is ignored.
    if (FPainting)
        return;
    FPainting = true;
    TWaitCursor wait;
    RewriteArea(kUndoBorderline, rule);
    FPainting = false;
}

void TImageMani::TegnOmrids()
{
    OutlineFrame([&] {
        const TRect r = IntersectRect(FR, FPicture.BoundsRect());
        const uint32_t meta = ToQRgb(FMetaFarve), pen = ToQRgb(FPenColor);
        auto px = [&](int x, int y) -> uint32_t& { return FPicture.ScanLine(y)[x]; };
        // The ends of every run of the meta colour, along rows and then along columns.
        for (int y = r.Top + 1; y <= r.Bottom - 2; ++y)
            for (int x = r.Left + 1; x <= r.Right - 2;) {
                bool mark = false;
                if (px(x, y) == meta)
                    mark = px(x + 1, y) == meta ? px(x - 1, y) != meta : true;
                if (mark)
                    px(x, y) = pen;
                x += mark ? 2 : 1;
            }
        for (int x = r.Left + 1; x <= r.Right - 2; ++x)
            for (int y = r.Top + 1; y <= r.Bottom - 2;) {
                bool mark = false;
                if (px(x, y) == meta)
                    mark = px(x, y + 1) == meta ? px(x, y - 1) != meta : true;
                if (mark)
                    px(x, y) = pen;
                y += mark ? 2 : 1;
            }
    });
}

void TImageMani::DrawOmrids()
{
    OutlineFrame([&] {
        const TRect r = IntersectRect(FR, FPicture.BoundsRect());
        const uint32_t pen = ToQRgb(FPenColor);
        for (int y = r.Top; y < r.Bottom; ++y) {
            uint32_t* row = FPicture.ScanLine(y);
            for (int x = r.Left + 1; x <= r.Right - 2; ++x)
                if (row[x] != pen && row[x] != row[x + 1] && row[x + 1] != pen)
                    row[x] = pen;
        }
        for (int x = r.Left; x < r.Right; ++x)
            for (int y = r.Top + 1; y <= r.Bottom - 2; ++y) {
                uint32_t& a = FPicture.ScanLine(y)[x];
                const uint32_t n = FPicture.ScanLine(y + 1)[x];
                if (a != pen && a != n && n != pen)
                    a = pen;
            }
    });
}
