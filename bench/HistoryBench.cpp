// The undo history on big pictures: a small step costs what it changed, not the picture.
#include "bench/RatioMain.h"
#include "bench/BenchPicture.h"
#include "engine/HistoryBudget.h"

namespace {
// A pencil stroke of 50 pixels at the i-th place of a spread over the picture.
void Stroke(TImagePic& pic, int i)
{
    const int w = pic.Picture().Width(), h = pic.Picture().Height();
    const int x = 10 + (i * 7919) % (w - 80), y = 10 + (i * 104729) % (h - 20);
    pic.MouseDown(mbLeft, {}, x, y);
    pic.MouseMove({}, x + 50, y + 1);
    pic.MouseUp(mbLeft, {}, x + 50, y + 1);
}

std::unique_ptr<TImagePic> PencilPicture(int w, int h)
{
    auto pic = MakePic(w, h, true);
    pic->SetToolNr(1);
    return pic;
}

void StrokeStep(benchmark::State& state, int w, int h)
{
    auto pic = PencilPicture(w, h);
    // The first edit of a loaded picture makes its baseline and fills its view once.
    int i = 0;
    Stroke(*pic, i);
    for (auto _ : state) {
        Stroke(*pic, ++i);
        benchmark::ClobberMemory();
    }
}
void BM_StrokeStepBig(benchmark::State& state) { StrokeStep(state, 6000, 4000); }
void BM_StrokeStepSmall(benchmark::State& state) { StrokeStep(state, 600, 400); }
BENCHMARK(BM_StrokeStepBig)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StrokeStepSmall)->Unit(benchmark::kMicrosecond);

void UndoStroke(benchmark::State& state, int w, int h)
{
    auto pic = PencilPicture(w, h);
    Stroke(*pic, 1);
    for (auto _ : state) {
        pic->Undo();
        pic->Redo();
        benchmark::ClobberMemory();
    }
}
void BM_UndoStrokeBig(benchmark::State& state) { UndoStroke(state, 6000, 4000); }
void BM_UndoStrokeSmall(benchmark::State& state) { UndoStroke(state, 600, 400); }
BENCHMARK(BM_UndoStrokeBig)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoStrokeSmall)->Unit(benchmark::kMicrosecond);

void BM_ByteCopy(benchmark::State& state)
{
    CopyRasterBytes(state, 6000, 4000);
}
BENCHMARK(BM_ByteCopy)->Unit(benchmark::kMillisecond);

// A whole-picture colour operation with its step (the budget keeps a few such steps).
void BM_InvertStep(benchmark::State& state)
{
    const qint64 saved = THistoryBudget::Instance().Limit();
    THistoryBudget::Instance().SetLimit(qint64(512) << 20);
    auto pic = MakePic(6000, 4000, true);
    pic->SetBrushColor(clBlue);
    // As above: the first operation is not the one measured.
    pic->Inverter();
    for (auto _ : state) {
        pic->Inverter();
        benchmark::ClobberMemory();
    }
    pic.reset();
    THistoryBudget::Instance().SetLimit(saved);
}
BENCHMARK(BM_InvertStep)->Unit(benchmark::kMillisecond);

// What 100 strokes spread over a big picture leave in its history.
void PrintStrokeHistory()
{
    auto pic = PencilPicture(6000, 4000);
    for (int i = 1; i <= 100; ++i)
        Stroke(*pic, i);
    // The last stroke's step is closed by the next step, as in use.
    pic->SaveUndo(QStringLiteral("end"));
    const qint64 bytes = pic->History().Bytes();
    const double picture = 6000.0 * 4000 * 4;
    std::printf("history bytes after 100 strokes: %lld (%.2f %% of one picture)\n", static_cast<long long>(bytes),
                100.0 * double(bytes) / picture);
}
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
                         {{"BM_StrokeStepBig", "BM_StrokeStepSmall"},
                          {"BM_UndoStrokeBig", "BM_UndoStrokeSmall"},
                          {"BM_InvertStep", "BM_ByteCopy"}},
                         PrintStrokeHistory);
}
