// A button panel of 400 fields (20 x 20, each with a frame and an image): a hover step must
// repaint only the two fields it changes, so it costs about two repaints of one field, and far
// less than painting the whole panel.
#include "bench/RatioMain.h"
#include "widgets/BitmapX.h"
#include "widgets/PreFelter.h"
#include <memory>

namespace {
struct TBenchPanel {
    TRammeFeltX felt;
    TImageList list{16, 16};
    TBitmapX bitmap;
    TKnapPan pan;

    TBenchPanel()
    {
        felt.SetArt(rtUd);
        felt.SetBredde(2);
        felt.SetAfstandLodret(2);
        felt.SetAfstandVandret(2);
        felt.SetMargen(1);
        for (int i = 0; i < 3; ++i) {
            TBitmap b(16, 16);
            b.Canvas().Brush = {RGB(80 * i, 120, 200), bsSolid};
            b.Canvas().FillRect(b.BoundsRect());
            list.Add(b);
        }
        bitmap.SetBitmapListe(&list);
        bitmap.SetBitType(btTrio);
        bitmap.SetCentrer(true);
        pan.SetFocusReguler(false);
        pan.SetRammeFelt(&felt);
        pan.SetBitmapFelt(&bitmap);
        pan.resize(20 * 24 + 1, 20 * 24 + 1);
        pan.SetAntalVandret(20);
        pan.SetAntalLodret(20);
        pan.SetAntalIalt(400);
        pan.Paint();
    }

    TPoint Mid(int k) const
    {
        const TRect r = pan.Felter()[size_t(k)].IR;
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
};

// One hover step: the pointer moves from one field to the next (two fields change).
void BM_HoverStep(benchmark::State& state)
{
    TBenchPanel b;
    const TPoint p = b.Mid(210), q = b.Mid(211);
    bool flip = false;
    for (auto _ : state) {
        const TPoint& t = flip ? p : q;
        b.pan.MouseMove({}, t.X, t.Y);
        flip = !flip;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_HoverStep)->Unit(benchmark::kMicrosecond);

// The reference: repainting one field (frame and image).
void BM_RepaintOneField(benchmark::State& state)
{
    TBenchPanel b;
    for (auto _ : state) {
        b.pan.RepaintFelt(210);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RepaintOneField)->Unit(benchmark::kMicrosecond);

// For scale: painting the whole panel.
void BM_PaintWholePanel(benchmark::State& state)
{
    TBenchPanel b;
    for (auto _ : state) {
        b.pan.Paint();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintWholePanel)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
                         {{"BM_HoverStep", "BM_RepaintOneField"}, {"BM_PaintWholePanel", "BM_RepaintOneField"}});
}
