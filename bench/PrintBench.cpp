// Printing a 6000 x 4000 picture at 400 % to a PDF file: the picture goes to the page scaled
// there, never through an enlarged raster. The page target in between checks that every raster
// it receives is the picture itself; the time is a ratio to copying the picture's bytes once.
#include "bench/RatioMain.h"
#include "dialogs/BitmapPrint.h"
#include "dialogs/PageTarget.h"
#include <QPrinter>
#include <QTemporaryDir>
#include <sys/resource.h>

namespace {

constexpr int W = 6000, H = 4000;

// Passes everything to the printer and remembers the largest raster it was given.
class CheckingTarget : public TPrinterTarget {
public:
    using TPrinterTarget::TPrinterTarget;
    void DrawBitmap(const TBitmap& Bitmap, const QRect& Target) override
    {
        LargestPixels = std::max(LargestPixels, qint64(Bitmap.Width()) * Bitmap.Height());
        TPrinterTarget::DrawBitmap(Bitmap, Target);
    }
    qint64 LargestPixels = 0;
};

TBitmap Pattern()
{
    TBitmap b(W, H);
    for (int y = 0; y < H; ++y) {
        uint32_t* line = b.ScanLine(y);
        for (int x = 0; x < W; ++x)
            line[x] = ToQRgb(RGB(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
    }
    return b;
}

void BM_PrintPdf6000x4000At400(benchmark::State& state)
{
    const TBitmap picture = Pattern();
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("bench.pdf"));
    CheckingTarget target(printer);
    TBitmapPrint print(target);
    print.X1 = 160;
    print.Y1 = 160;
    print.X2 = print.X1 + 4 * W;
    print.Y2 = print.Y1 + 4 * H;
    for (auto _ : state) {
        if (!print.PrintStretchDraw(picture))
            state.SkipWithError("the print failed");
    }
    if (target.LargestPixels > qint64(W) * H)
        state.SkipWithError("the page target received a raster larger than the picture");
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["largest_raster_px"] = double(target.LargestPixels);
    state.counters["peak_rss_MB"] = usage.ru_maxrss / 1024.0;
}
BENCHMARK(BM_PrintPdf6000x4000At400)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_CopyPictureBytes(benchmark::State& state) { CopyRasterBytes(state, W, H); }
BENCHMARK(BM_CopyPictureBytes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv, {{"BM_PrintPdf6000x4000At400/iterations:2", "BM_CopyPictureBytes"}});
}
