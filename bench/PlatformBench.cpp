// Raster work on a 6000 x 4000 picture, each reported against copying the picture's bytes once.
#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "bench/RatioMain.h"
#include <cstring>

namespace {
constexpr int kW = 6000, kH = 4000;

void BM_ByteCopy(benchmark::State& state)
{
    CopyRasterBytes(state, kW, kH);
}
BENCHMARK(BM_ByteCopy)->Unit(benchmark::kMillisecond);

// Flood fill of the whole uniform raster, alternating colours so each pass fills everything.
void BM_FloodFillWhole(benchmark::State& state)
{
    TBitmap bmp(kW, kH);
    bool red = true;
    for (auto _ : state) {
        bmp.Canvas().Brush.Color = red ? clRed : clWhite;
        bmp.Canvas().FloodFill(kW / 2, kH / 2, red ? clWhite : clRed, fsSurface);
        red = !red;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FloodFillWhole)->Unit(benchmark::kMillisecond);

// Inverting every pixel on scan lines, the way whole-picture colour work runs.
void BM_ScanLineInvert(benchmark::State& state)
{
    TBitmap bmp(kW, kH);
    for (auto _ : state) {
        for (int y = 0; y < kH; ++y) {
            uint32_t* line = bmp.ScanLine(y);
            for (int x = 0; x < kW; ++x)
                line[x] ^= 0x00FFFFFF;
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ScanLineInvert)->Unit(benchmark::kMillisecond);
// A border fill (the masked fill) of a closed 100 x 100 area on a raster of the given size.
void SmallAreaFill(benchmark::State& state, int w, int h)
{
    TBitmap bmp(w, h);
    bmp.Canvas().Brush.Style = bsClear;
    bmp.Canvas().Rectangle(200, 200, 302, 302);
    bmp.Canvas().Brush.Style = bsSolid;
    bool red = true;
    for (auto _ : state) {
        bmp.Canvas().Brush.Color = red ? clRed : clWhite;
        bmp.Canvas().FloodFill(250, 250, clBlack, fsBorder);
        red = !red;
        benchmark::ClobberMemory();
    }
}
void BM_SmallAreaFillSmallRaster(benchmark::State& state) { SmallAreaFill(state, 600, 400); }
void BM_SmallAreaFillBigRaster(benchmark::State& state) { SmallAreaFill(state, kW, kH); }
BENCHMARK(BM_SmallAreaFillSmallRaster)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SmallAreaFillBigRaster)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv, {{"BM_FloodFillWhole", "BM_ByteCopy"},
                                     {"BM_ScanLineInvert", "BM_ByteCopy"},
                                     {"BM_SmallAreaFillBigRaster", "BM_SmallAreaFillSmallRaster"}});
}
