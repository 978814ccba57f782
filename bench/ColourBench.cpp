// Palettes taken from a 6000 x 4000 picture, against copying that picture once. The worst
// case is a picture with fewer colours than asked for whose neighbouring pixels all differ:
// the random phase cannot finish, so every pixel is scanned.
#include "bench/RatioMain.h"
#include "colours/ColorPan.h"

namespace {
constexpr int kW = 6000, kH = 4000;

// Seven colours, each pixel unlike its left neighbour; or one colour everywhere.
const TBitmap& Picture(bool striped)
{
    static const TBitmap pictures[2] = {TBitmap(kW, kH), [] {
        TBitmap b(kW, kH);
        for (int y = 0; y < kH; ++y) {
            uint32_t* line = b.ScanLine(y);
            for (int x = 0; x < kW; ++x)
                line[x] = ToQRgb(RGB((x + y) % 7 * 30, 40, 50));
        }
        return b;
    }()};
    return pictures[striped ? 1 : 0];
}

void BM_ByteCopy(benchmark::State& state)
{
    CopyRasterBytes(state, kW, kH);
}
BENCHMARK(BM_ByteCopy)->Unit(benchmark::kMillisecond);

void RunPalFraBilDyn(benchmark::State& state, bool striped)
{
    const TBitmap& picture = Picture(striped);
    TColorPan pan;
    pan.SetAntalVandret(16);
    pan.SetAntalLodret(4);
    for (auto _ : state)
        benchmark::DoNotOptimize(pan.PalFraBilDyn(256, picture));
}

void BM_PalFraBilDynStriped(benchmark::State& state) { RunPalFraBilDyn(state, true); }
void BM_PalFraBilDynOneColour(benchmark::State& state) { RunPalFraBilDyn(state, false); }
BENCHMARK(BM_PalFraBilDynStriped)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PalFraBilDynOneColour)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
                         {{"BM_PalFraBilDynStriped", "BM_ByteCopy"}, {"BM_PalFraBilDynOneColour", "BM_ByteCopy"}});
}
