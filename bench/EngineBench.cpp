// The picture component's buffers and focus on big pictures, as ratios to a reference run.
#include "bench/RatioMain.h"
#include "bench/BenchPicture.h"
#include "platform/PictureCodecs.h"
#include <QClipboard>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

namespace {
void BM_ByteCopy(benchmark::State& state)
{
    CopyRasterBytes(state, 6000, 4000);
}
BENCHMARK(BM_ByteCopy)->Unit(benchmark::kMillisecond);

// One undo snapshot of a 6000 x 4000 picture.
void BM_Snapshot(benchmark::State& state)
{
    auto pic = MakePic(6000, 4000);
    for (auto _ : state) {
        pic->SaveUndo(QStringLiteral("x"));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Snapshot)->Unit(benchmark::kMillisecond);

// 100 blink ticks of a 400 x 300 focus on a picture of the given size.
void BlinkTicks(benchmark::State& state, int w, int h)
{
    auto pic = MakePic(w, h);
    pic->NewFocusRect(100, 50, 500, 350);
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i)
            pic->FocusTimerTick();
        benchmark::ClobberMemory();
    }
}
void BM_BlinkSmallPicture(benchmark::State& state) { BlinkTicks(state, 600, 400); }
void BM_BlinkBigPicture(benchmark::State& state) { BlinkTicks(state, 6000, 4000); }
BENCHMARK(BM_BlinkSmallPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BlinkBigPicture)->Unit(benchmark::kMicrosecond);
// 1000 rubber-band moves of a 300 x 200 rectangle drag on a picture of the given size.
void RubberBand(benchmark::State& state, int w, int h)
{
    auto pic = MakePic(w, h);
    pic->SetToolNr(3);
    pic->MouseDown(mbLeft, {}, 100, 100);
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i)
            pic->MouseMove({}, 400 - (i & 1), 300 - (i & 1));
        benchmark::ClobberMemory();
    }
    pic->MouseUp(mbLeft, {}, 400, 300);
}
void BM_RubberBandSmallPicture(benchmark::State& state) { RubberBand(state, 600, 400); }
void BM_RubberBandBigPicture(benchmark::State& state) { RubberBand(state, 6000, 4000); }
BENCHMARK(BM_RubberBandSmallPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RubberBandBigPicture)->Unit(benchmark::kMicrosecond);

// 1000 pencil segments of 40 pixels on a picture of the given size.
void PencilSegments(benchmark::State& state, int w, int h)
{
    auto pic = MakePic(w, h);
    pic->SetToolNr(1);
    pic->MouseDown(mbLeft, {}, 100, 100);
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i)
            pic->MouseMove({}, (i & 1) ? 100 : 140, 100 + (i & 1));
        benchmark::ClobberMemory();
    }
    pic->MouseUp(mbLeft, {}, 100, 100);
}
void BM_PencilSmallPicture(benchmark::State& state) { PencilSegments(state, 600, 400); }
void BM_PencilBigPicture(benchmark::State& state) { PencilSegments(state, 6000, 4000); }
BENCHMARK(BM_PencilSmallPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PencilBigPicture)->Unit(benchmark::kMicrosecond);
// The fill tool on a uniform 6000 x 4000 picture: snapshot, fill and view update.
void BM_FillToolWhole(benchmark::State& state)
{
    auto pic = MakePic(6000, 4000);
    pic->SetToolNr(20);
    bool red = true;
    for (auto _ : state) {
        pic->SetBrushColor(red ? clRed : clWhite);
        pic->MouseDown(mbLeft, {}, 3000, 2000);
        pic->MouseUp(mbLeft, {}, 3000, 2000);
        red = !red;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FillToolWhole)->Unit(benchmark::kMillisecond);

// A 2000 x 1500 piece with a white background pasted transparently into a 6000 x 4000 picture:
// snapshot, staging and the per-pixel transparent copy.
TBitmap DotPiece()
{
    TBitmap piece(2000, 1500);
    for (int y = 0; y < piece.Height(); y += 3)
        for (int x = 0; x < piece.Width(); x += 3)
            piece.ScanLine(y)[x] = ToQRgb(clRed);
    return piece;
}
void BM_PasteTransparentBig(benchmark::State& state)
{
    auto pic = MakePic(6000, 4000);
    QApplication::clipboard()->setImage(DotPiece().Image());
    pic->SetMetaTrans(true);
    for (auto _ : state) {
        pic->NewFocusRect(1000, 1000, 3000, 2500);
        pic->Paste(false);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PasteTransparentBig)->Unit(benchmark::kMillisecond);

// The same piece inserted transparently from a picture file, as the picture and cliché boxes do.
void BM_InsertTransparentBig(benchmark::State& state)
{
    auto pic = MakePic(6000, 4000);
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/piece.bmp");
    QByteArray data;
    PictureCodecs::WriteBmp(DotPiece(), data);
    PictureCodecs::WriteFileSafely(file, data);
    pic->SetMetaTrans(true);
    for (auto _ : state) {
        pic->NewFocusRect(1000, 1000, 3000, 2500);
        pic->InsertPic(file);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_InsertTransparentBig)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
                         {{"BM_Snapshot", "BM_ByteCopy"},
                          {"BM_FillToolWhole", "BM_ByteCopy"},
                          {"BM_PasteTransparentBig", "BM_ByteCopy"},
                          {"BM_InsertTransparentBig", "BM_ByteCopy"},
                          {"BM_BlinkBigPicture", "BM_BlinkSmallPicture"},
                          {"BM_RubberBandBigPicture", "BM_RubberBandSmallPicture"},
                          {"BM_PencilBigPicture", "BM_PencilSmallPicture"}});
}
