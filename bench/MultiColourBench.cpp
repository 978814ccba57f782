// Each multicolour tool on a 2000 x 1500 rectangle with spacing 1, as a user runs it
// (the ratios compare each tool with copying a picture of that size once).
#include "bench/RatioMain.h"
#include "engine/ImagePic.h"
#include <memory>

namespace {
void BM_ByteCopy(benchmark::State& state)
{
    CopyRasterBytes(state, 2000, 1500);
}
BENCHMARK(BM_ByteCopy)->Unit(benchmark::kMillisecond);

void RunTool(benchmark::State& state)
{
    const int tool = int(state.range(0));
    TImagePic pic;
    pic.SetAutoDim(true);
    pic.SetPicture(TBitmap(2000, 1500));
    pic.SetFarveMetode(fmInterval);
    pic.SetPenColor(clRed);
    pic.SetBrushColor(clBlue);
    for (auto _ : state) {
        pic.NewFocusRect(0, 0, 2000, 1500);
        pic.MakeTool(tool, true);
    }
}
BENCHMARK(RunTool)->Arg(60)->Arg(61)->Arg(62)->Arg(63)->Arg(64)->Arg(65)->Arg(70)->Arg(71)->Arg(80)
    ->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv, {});
}
