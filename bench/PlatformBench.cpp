// Raster work on a 6000 x 4000 picture, each reported against copying the picture's bytes once.
#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "bench/RatioMain.h"
#include <cstring>

namespace {
constexpr int kW = 6000, kH = 4000;

// Reference: copying every byte of the raster once.
void BM_ByteCopy(benchmark::State& state)
{
    TBitmap src(kW, kH), dst(kW, kH);
    for (auto _ : state) {
        for (int y = 0; y < kH; ++y)
            std::memcpy(dst.ScanLine(y), src.ScanLine(y), kW * 4);
        benchmark::ClobberMemory();
    }
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
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv, {{"BM_FloodFillWhole", "BM_ByteCopy"}, {"BM_ScanLineInvert", "BM_ByteCopy"}});
}
