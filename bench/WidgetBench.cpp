// The scroll bar's thumb steps against repainting the whole bar: a step redraws only the
// thumb (and, for a slider that clears its shaft, the shaft and its ruler), so each ratio
// should stay well below 1.
#include "bench/RatioMain.h"
#include "widgets/Rulskakt.h"
#include "widgets/SharedPainters.h"

namespace {
// A long vertical scroll bar of a panel, thumb restored from its saved pixels.
void ScrollBar(TRulskakt& bar, TSharedPainters& p)
{
    bar.resize(17, 600);
    bar.SetPosMax(1000);
    bar.SetPosVisible(50);
    bar.SetRammeYdre(&p.RulRamme);
    bar.SetRammeIndre(&p.ZoomRammeMini);
    bar.SetRammeKnap(&p.RulKnap);
    bar.SetRammePos(&p.PosKnapRamme);
    bar.SetMedMark(true);
    bar.show();
}

// The colour box's slider: horizontal, fixed thumb, and the shaft with its ruler redrawn at
// every step.
void Slider(TRulskakt& bar, TSharedPainters& p)
{
    bar.SetOrientering(coVandret);
    bar.resize(300, 30);
    bar.SetPosMax(255);
    bar.SetPosVisible(1);
    bar.SetPosKnapDim(true);
    bar.SetPosKnapMin(9);
    bar.SetMedMark(true);
    bar.SetMarkMargen(4);
    bar.SetUpdateBg(true);
    bar.SetRammeYdre(&p.RulRamme);
    bar.SetRammeKnap(&p.BWR);
    bar.SetRammePos(&p.BWposR);
    p.RGBLin.SetOrientering(loLodret);
    bar.SetIntervalLin(&p.RGBLin);
    bar.show();
}

template <void (*Make)(TRulskakt&, TSharedPainters&)>
void BM_ThumbSteps(benchmark::State& state)
{
    TSharedPainters p;
    TRulskakt bar;
    Make(bar, p);
    int i = 0;
    for (auto _ : state) {
        for (int k = 0; k < 100; ++k)
            bar.SetPosition(++i % 200);
        benchmark::ClobberMemory();
    }
}

template <void (*Make)(TRulskakt&, TSharedPainters&)>
void BM_Repaints(benchmark::State& state)
{
    TSharedPainters p;
    TRulskakt bar;
    Make(bar, p);
    for (auto _ : state) {
        for (int k = 0; k < 100; ++k)
            bar.Repaint();
        benchmark::ClobberMemory();
    }
}

void BM_ScrollBarThumbSteps(benchmark::State& s) { BM_ThumbSteps<ScrollBar>(s); }
void BM_ScrollBarRepaints(benchmark::State& s) { BM_Repaints<ScrollBar>(s); }
void BM_SliderThumbSteps(benchmark::State& s) { BM_ThumbSteps<Slider>(s); }
void BM_SliderRepaints(benchmark::State& s) { BM_Repaints<Slider>(s); }
BENCHMARK(BM_ScrollBarThumbSteps)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollBarRepaints)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SliderThumbSteps)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SliderRepaints)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
                         {{"BM_ScrollBarThumbSteps", "BM_ScrollBarRepaints"},
                          {"BM_SliderThumbSteps", "BM_SliderRepaints"}});
}
