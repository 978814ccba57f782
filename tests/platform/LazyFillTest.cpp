// A raster filled lazily behaves in every way like one filled at once, and holds memory only
// for the pixels that were asked for.
#include "platform/Bitmap.h"
#include <gtest/gtest.h>
#include <functional>
#include <random>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr int kW = 90, kH = 70;
const uint32_t kSheet = ToQRgb(RGB(10, 200, 30));

// Pixels of a and b, row by row through the const rows (which take the lazy colour first).
bool SameRows(const TBitmap& a, const TBitmap& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        if (!std::equal(a.ScanLine(y), a.ScanLine(y) + a.Width(), b.ScanLine(y)))
            return false;
    return true;
}

TBitmap Noise(int w, int h, unsigned seed)
{
    TBitmap b(w, h);
    std::mt19937 rnd(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.ScanLine(y)[x] = 0xFF000000u | (rnd() & 0xFFFFFF);
    return b;
}

// A drawing or reading step with random places, done to both rasters; a step that reads hands
// back what it read, as a raster.
using Step = std::function<TBitmap(TBitmap&, std::mt19937&)>;

int Coord(std::mt19937& rnd, int n) { return int(rnd() % unsigned(n + 20)) - 10; }

std::vector<std::pair<const char*, Step>> Steps()
{
    const TBitmap source = Noise(40, 30, 7);
    auto pen = [](TCanvas& c, std::mt19937& rnd) {
        c.Pen.Color = RGB(rnd() % 256, 0, 90);
        c.Pen.Width = 1 + int(rnd() % 6);
        c.Pen.Style = rnd() % 3 == 0 ? psDash : psSolid;
        c.Brush.Color = RGB(0, rnd() % 256, 200);
        c.Brush.Style = rnd() % 2 ? bsSolid : bsClear;
    };
    // A figure drawn with a random pen in a random box.
    auto figure = [pen](void (*draw)(TCanvas&, const TRect&)) {
        return [pen, draw](TBitmap& b, std::mt19937& r) {
            pen(b.Canvas(), r);
            const int l = Coord(r, kW), t = Coord(r, kH), rr = Coord(r, kW), bb = Coord(r, kH);
            draw(b.Canvas(), Rect(l, t, rr, bb));
            return TBitmap();
        };
    };
    return {
        {"pixel", [](TBitmap& b, std::mt19937& r) { b.Canvas().SetPixels(Coord(r, kW), Coord(r, kH), clRed); return TBitmap(); }},
        {"line", [pen](TBitmap& b, std::mt19937& r) {
             pen(b.Canvas(), r);
             b.Canvas().MoveTo(Coord(r, kW), Coord(r, kH));
             b.Canvas().LineTo(Coord(r, kW), Coord(r, kH));
             return TBitmap();
         }},
        {"polygon", [pen](TBitmap& b, std::mt19937& r) {
             pen(b.Canvas(), r);
             b.Canvas().Polygon({{Coord(r, kW), Coord(r, kH)}, {Coord(r, kW), Coord(r, kH)}, {Coord(r, kW), Coord(r, kH)}});
             return TBitmap();
         }},
        {"rectangle", figure([](TCanvas& c, const TRect& b) { c.Rectangle(b); })},
        {"round rectangle", figure([](TCanvas& c, const TRect& b) { c.RoundRect(b.Left, b.Top, b.Right, b.Bottom, 9, 7); })},
        {"ellipse", figure([](TCanvas& c, const TRect& b) { c.Ellipse(b); })},
        {"arc", figure([](TCanvas& c, const TRect& b) { c.Arc(b.Left, b.Top, b.Right, b.Bottom, 0, 0, kW, kH / 2); })},
        {"fill rectangle", [pen](TBitmap& b, std::mt19937& r) {
             pen(b.Canvas(), r);
             b.Canvas().Brush.Style = bsSolid;
             b.Canvas().FillRect(Rect(Coord(r, kW), Coord(r, kH), Coord(r, kW), Coord(r, kH)));
             return TBitmap();
         }},
        {"flood fill", [](TBitmap& b, std::mt19937& r) {
             b.Canvas().Brush = {clYellow, bsSolid};
             b.Canvas().FloodFill(Coord(r, kW), Coord(r, kH), FromQRgb(kSheet), fsSurface);
             return TBitmap();
         }},
        {"focus rectangle", [](TBitmap& b, std::mt19937& r) {
             b.Canvas().DrawFocusRect(Rect(Coord(r, kW), Coord(r, kH), Coord(r, kW), Coord(r, kH)));
             return TBitmap();
         }},
        {"text", [](TBitmap& b, std::mt19937& r) {
             b.Canvas().Brush.Style = r() % 2 ? bsSolid : bsClear;
             b.Canvas().TextOut(Coord(r, kW), Coord(r, kH), QStringLiteral("Åg"));
             return TBitmap();
         }},
        {"copy in", [source](TBitmap& b, std::mt19937& r) {
             b.Canvas().CopyRect(Rect(Coord(r, kW), Coord(r, kH), Coord(r, kW), Coord(r, kH)), source.Canvas(),
                                 Rect(0, 0, 40, 30));
             return TBitmap();
         }},
        {"copy within", [](TBitmap& b, std::mt19937& r) {
             const int x = Coord(r, kW), y = Coord(r, kH);
             b.Canvas().CopyRect(Rect(x, y, x + 30, y + 20), b.Canvas(), Rect(Coord(r, kW), Coord(r, kH), x, y));
             return TBitmap();
         }},
        {"row written", [](TBitmap& b, std::mt19937& r) {
             b.ScanLine(int(r() % kH))[r() % kW] = 0xFF123456u;
             return TBitmap();
         }},
        {"copy out", [](TBitmap& b, std::mt19937& r) {
             TBitmap out = Noise(50, 40, 3);
             out.Canvas().CopyRect(Rect(0, 0, 50, 40), b.Canvas(), Rect(Coord(r, kW), Coord(r, kH), Coord(r, kW), Coord(r, kH)));
             return out;
         }},
        {"draw and stretch out", [](TBitmap& b, std::mt19937& r) {
             TBitmap out = Noise(2 * kW, kH, 4);
             out.Canvas().Draw(Coord(r, kW), Coord(r, kH), b);
             out.Canvas().StretchDraw(Rect(kW, 0, 2 * kW, kH / 2), b);
             return out;
         }},
        {"pixel read", [](TBitmap& b, std::mt19937& r) {
             TBitmap out(1, 1);
             out.ScanLine(0)[0] = uint32_t(b.Canvas().Pixels(Coord(r, kW), Coord(r, kH)));
             return out;
         }},
        {"copied", [](TBitmap& b, std::mt19937&) { return TBitmap(b); }},
        {"assigned", [](TBitmap& b, std::mt19937&) {
             TBitmap out(kW, kH);
             out = b;
             return out;
         }},
        {"image", [](TBitmap& b, std::mt19937&) {
             TBitmap out;
             out.SetImage(std::as_const(b).Image());
             return out;
         }},
        {"grown", [](TBitmap& b, std::mt19937&) {
             b.SetSize(kW + 3, kH + 2);
             TBitmap grown = b;
             b.SetSize(kW, kH);
             return grown;
         }},
        {"swapped", [](TBitmap& b, std::mt19937&) {
             TBitmap other(kW, kH);
             other.SwapPixels(b);
             TBitmap read = other;
             other.SwapPixels(b);
             return read;
         }},
    };
}
} // namespace

// Each of many random series of steps gives the same pixels, and reads the same, on a raster
// filled lazily (over earlier pixels, as a working sheet is) as on one filled at once.
TEST(LazyFill, EveryWayOfDrawingAndReadingSeesTheColour)
{
    const auto steps = Steps();
    for (unsigned series = 0; series < 150; ++series) {
        TBitmap lazy = Noise(kW, kH, series), eager(kW, kH);
        lazy.FillLazily(kSheet);
        eager.Canvas().Brush = {FromQRgb(kSheet), bsSolid};
        eager.Canvas().FillRect(eager.BoundsRect());
        eager.Canvas().Brush = lazy.Canvas().Brush;
        std::mt19937 rnd(series);
        std::string done;
        for (int i = 0; i < 6; ++i) {
            const auto& [name, step] = steps[rnd() % steps.size()];
            done += std::string(name) + "; ";
            const unsigned seed = rnd();
            std::mt19937 a(seed), b(seed);
            const TBitmap readLazy = step(lazy, a), readEager = step(eager, b);
            ASSERT_TRUE(SameRows(readLazy, readEager)) << "read differs after: " << done;
        }
        ASSERT_TRUE(SameRows(lazy, eager)) << "pixels differ after: " << done;
    }
}

// The pixels written before a lazy fill give their memory back, and afterwards a figure holds
// memory only for its rectangle; pixels shared with a copy stay the copy's.
TEST(LazyFill, HoldsMemoryOnlyWhereItIsDrawnOn)
{
    constexpr int kWide = 8192, kHigh = 1024; // 32 KB, eight pages, a row
    const long page = sysconf(_SC_PAGESIZE);
    ASSERT_EQ(page, 4096);
    TBitmap sheet(kWide, kHigh);
    auto residentPages = [&] {
        const auto* first = reinterpret_cast<const uchar*>(std::as_const(sheet).ScanLine(0));
        const auto start = reinterpret_cast<uintptr_t>(first) & ~uintptr_t(page - 1);
        const size_t bytes = reinterpret_cast<uintptr_t>(first) + size_t(kWide) * kHigh * 4 - start;
        std::vector<unsigned char> in((bytes + page - 1) / page);
        if (mincore(reinterpret_cast<void*>(start), bytes, in.data()) != 0)
            return -1L;
        long pages = 0;
        for (unsigned char c : in)
            pages += c & 1;
        return pages;
    };
    ASSERT_GT(residentPages(), 8 * kHigh - 8); // a new raster is written white
    sheet.FillLazily(kSheet);
    EXPECT_LE(residentPages(), 10); // row 0, read to find the memory
    for (int y : {1, 500, kHigh - 1})
        EXPECT_TRUE(sheet.RowPending(y));

    // 400 pixels (1,600 bytes) of 100 rows: at most two pages a row.
    sheet.Canvas().Brush = {clRed, bsSolid};
    sheet.Canvas().Ellipse(1000, 300, 1400, 400);
    EXPECT_GE(residentPages(), 100);
    EXPECT_LE(residentPages(), 2 * 100 + 10);
    EXPECT_FALSE(sheet.RowPending(350));
    EXPECT_TRUE(sheet.RowPending(299));
    EXPECT_TRUE(sheet.RowPending(400));
    EXPECT_EQ(sheet.ScanLine(350)[1200], ToQRgb(clRed));
    EXPECT_EQ(sheet.ScanLine(350)[5000], kSheet);
    // A small figure's memory is held for the next figure; once the figures since the last
    // giving back add up to a few megabytes, all of it goes.
    sheet.FillLazily(kSheet);
    EXPECT_LE(residentPages(), 2 * 100 + 20); // and row 0 again
    EXPECT_TRUE(sheet.RowPending(350));
    EXPECT_EQ(sheet.ScanLine(350)[1200], kSheet);
    sheet.Canvas().FillRect(Rect(0, 500, 4096, 800)); // 4.8 MB
    EXPECT_GE(residentPages(), 4 * 300);
    sheet.FillLazily(kSheet);
    EXPECT_LE(residentPages(), 10);

    TBitmap b = Noise(300, 40, 9);
    const TBitmap copy = b; // shares the pixels until one of them writes
    b.FillLazily(kSheet);
    EXPECT_TRUE(SameRows(copy, Noise(300, 40, 9)));
    EXPECT_EQ(b.ScanLine(39)[299], kSheet);
}
