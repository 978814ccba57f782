// The pixel magnifier over a big picture against the same magnifier over a small one: its
// refreshes must cost in proportion to its cells, so each ratio should stay near 1.
#include "bench/BenchPicture.h"
#include "bench/RatioMain.h"
#include "pixeledit/PixelPic.h"
#include <memory>

namespace {
// A control point inside cell (j, i).
TPoint In(const TPixelPic& m, int j, int i)
{
    const TRect r = m.CellRect(j, i);
    return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
}

// 100 blink ticks of a focus whose corner the 20 x 20 magnifier shows; every tick refreshes
// the magnifier (Transfer), as the document window does on OnAutoPerform.
void BlinkTransfer(benchmark::State& state, int w, int h)
{
    auto pic = MakePic(w, h);
    TPixelPic m;
    m.SetNulX(90);
    m.SetNulY(40);
    m.SetMalvok(pic.get());
    pic->OnAutoPerform = [&m](TObject*, bool) { m.Transfer(); };
    pic->NewFocusRect(100, 50, 500, 350);
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i)
            pic->FocusTimerTick();
        benchmark::ClobberMemory();
    }
}
void BM_BlinkTransferSmallPicture(benchmark::State& state) { BlinkTransfer(state, 600, 400); }
void BM_BlinkTransferBigPicture(benchmark::State& state) { BlinkTransfer(state, 6000, 4000); }
BENCHMARK(BM_BlinkTransferSmallPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BlinkTransferBigPicture)->Unit(benchmark::kMicrosecond);

// 1000 pencil steps drawn through the magnifier: each reaches the picture and refreshes the
// cells.
void PencilThrough(benchmark::State& state, int w, int h)
{
    auto pic = MakePic(w, h);
    pic->SetToolNr(1);
    TPixelPic m;
    m.SetNulX(100);
    m.SetNulY(100);
    m.SetMalvok(pic.get());
    const TPoint a = In(m, 2, 2), b = In(m, 18, 11);
    m.MouseDown(mbLeft, {}, a.X, a.Y);
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            const TPoint p = (i & 1) ? a : b;
            m.MouseMove({}, p.X, p.Y);
        }
        benchmark::ClobberMemory();
    }
    m.MouseUp(mbLeft, {}, a.X, a.Y);
}
void BM_PencilThroughSmallPicture(benchmark::State& state) { PencilThrough(state, 600, 400); }
void BM_PencilThroughBigPicture(benchmark::State& state) { PencilThrough(state, 6000, 4000); }
BENCHMARK(BM_PencilThroughSmallPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PencilThroughBigPicture)->Unit(benchmark::kMicrosecond);

// 100 full repaints (layout, cells loaded from the picture, everything drawn).
void FullRepaint(benchmark::State& state, int w, int h)
{
    auto pic = MakePic(w, h);
    TPixelPic m;
    m.SetNulX(300);
    m.SetNulY(200);
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i)
            m.SetMalvok(pic.get());
        benchmark::ClobberMemory();
    }
}
void BM_RepaintSmallPicture(benchmark::State& state) { FullRepaint(state, 600, 400); }
void BM_RepaintBigPicture(benchmark::State& state) { FullRepaint(state, 6000, 4000); }
BENCHMARK(BM_RepaintSmallPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintBigPicture)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
                         {{"BM_BlinkTransferBigPicture", "BM_BlinkTransferSmallPicture"},
                          {"BM_PencilThroughBigPicture", "BM_PencilThroughSmallPicture"},
                          {"BM_RepaintBigPicture", "BM_RepaintSmallPicture"}});
}
