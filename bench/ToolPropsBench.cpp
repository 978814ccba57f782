// A slider step on the arrow page with its preview redraw, and a switch between the two
// tools of a pair, against one sample drawn by the preview alone (MakeTool): the step should
// cost little more than the sample, since only the small preview is redrawn.
#include "bench/RatioMain.h"
#include "tests/common/FakeMainServices.h"
#include "toolprops/TpControls.h"
#include "toolprops/Tpform.h"
#include "toolprops/ToolPreview.h"
#include "widgets/Rulskakt.h"

namespace {
struct TWindow {
    FakeMainServices services;
    TImagePic doc;
    TTpform form{services};
    TWindow()
    {
        doc.SetAutoDim(true);
        doc.SetPicture(TBitmap(400, 300));
        doc.SetBrushColor(clBlue);
        services.Picture = &doc;
        form.show();
        form.ShowProp(34, "Pil fyldt");
    }
};

void BM_PreviewMakeTool(benchmark::State& state)
{
    TWindow w;
    for (auto _ : state) {
        w.form.Pic2->MakeTool(-1, true);
        benchmark::ClobberMemory();
    }
}

void BM_SliderStepWithPreview(benchmark::State& state)
{
    TWindow w;
    int i = 0;
    for (auto _ : state) {
        w.form.RulPilB->Bar->SetPosition(10 + (++i % 20));
        benchmark::ClobberMemory();
    }
}

void BM_SwitchInPair(benchmark::State& state)
{
    TWindow w;
    int i = 0;
    for (auto _ : state) {
        w.form.ShowProp(33 + (++i % 2), "Pil");
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_PreviewMakeTool)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SliderStepWithPreview)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SwitchInPair)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
                         {{"BM_SliderStepWithPreview", "BM_PreviewMakeTool"},
                          {"BM_SwitchInPair", "BM_PreviewMakeTool"}});
}
