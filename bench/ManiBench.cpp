// Whole-picture operations on a 6000 x 4000 picture against copying its bytes once and
// against Qt's own transformations of the same picture, in the same run.
#include "bench/RatioMain.h"
#include "bench/BenchPicture.h"
#include <QTransform>
#include <cstring>
#include <memory>

namespace {
constexpr int kW = 6000, kH = 4000;

void BM_ByteCopy(benchmark::State& state)
{
    CopyRasterBytes(state, kW, kH);
}
BENCHMARK(BM_ByteCopy)->Unit(benchmark::kMillisecond);

template <typename Op>
void RunOp(benchmark::State& state, Op op)
{
    auto pic = MakePic(kW, kH, true);
    op(*pic); // warm: the undo raster exists from now on
    for (auto _ : state) {
        op(*pic);
        benchmark::ClobberMemory();
    }
}

void BM_Inverter(benchmark::State& s) { RunOp(s, [](TImagePic& p) { p.Inverter(); }); }
void BM_MakeGray(benchmark::State& s) { RunOp(s, [](TImagePic& p) { p.MakeGray(); }); }
void BM_SpejlvendLodret(benchmark::State& s) { RunOp(s, [](TImagePic& p) { p.Spejlvend(true, false, true); }); }
void BM_SpejlvendVandret(benchmark::State& s) { RunOp(s, [](TImagePic& p) { p.Spejlvend(false, true, true); }); }
void BM_UdskiftPixels(benchmark::State& s) { RunOp(s, [](TImagePic& p) { p.UdskiftPixels(clRed, clBlue, 0); }); }
void BM_Drej1(benchmark::State& s) { RunOp(s, [](TImagePic& p) { p.Drej(1); }); }
void BM_Drej3(benchmark::State& s) { RunOp(s, [](TImagePic& p) { p.Drej(3); }); }
BENCHMARK(BM_Inverter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeGray)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpejlvendLodret)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpejlvendVandret)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UdskiftPixels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Drej1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Drej3)->Unit(benchmark::kMillisecond);

void BM_QtRotate90(benchmark::State& state)
{
    auto pic = MakePic(kW, kH, true);
    for (auto _ : state) {
        QImage turned = pic->Picture().Image().transformed(QTransform().rotate(90));
        benchmark::DoNotOptimize(turned.constBits());
    }
}
BENCHMARK(BM_QtRotate90)->Unit(benchmark::kMillisecond);

void Scale(benchmark::State& state, int procent)
{
    auto pic = MakePic(kW, kH, true);
    for (auto _ : state) {
        pic->ScalePicture(procent);
        state.PauseTiming();
        pic->Undo();
        state.ResumeTiming();
    }
}
void BM_Scale50(benchmark::State& s) { Scale(s, 50); }
void BM_Scale200(benchmark::State& s) { Scale(s, 200); }
BENCHMARK(BM_Scale50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Scale200)->Unit(benchmark::kMillisecond);

void QtScale(benchmark::State& state, int procent)
{
    auto pic = MakePic(kW, kH, true);
    for (auto _ : state) {
        QImage scaled = pic->Picture().Image().scaled(kW * procent / 100, kH * procent / 100, Qt::IgnoreAspectRatio,
                                                      Qt::FastTransformation);
        benchmark::DoNotOptimize(scaled.constBits());
    }
}
void BM_QtScale50(benchmark::State& s) { QtScale(s, 50); }
void BM_QtScale200(benchmark::State& s) { QtScale(s, 200); }
BENCHMARK(BM_QtScale50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtScale200)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
                         {{"BM_Inverter", "BM_ByteCopy"},
                          {"BM_MakeGray", "BM_ByteCopy"},
                          {"BM_SpejlvendLodret", "BM_ByteCopy"},
                          {"BM_SpejlvendVandret", "BM_ByteCopy"},
                          {"BM_UdskiftPixels", "BM_ByteCopy"},
                          {"BM_Drej1", "BM_QtRotate90"},
                          {"BM_Drej3", "BM_QtRotate90"},
                          {"BM_Scale50", "BM_QtScale50"},
                          {"BM_Scale200", "BM_QtScale200"}});
}
