// Opening a 6000 x 4000 JPEG as a document window, against loading it into a bare picture
// component in the same run, and one idle pass of the file actions' update handlers with 20
// documents open.
#include "bench/BenchPicture.h"
#include "bench/RatioMain.h"
#include "tests/shell/FakeDocumentHost.h"
#include <QCoreApplication>

namespace {
constexpr int kW = 6000, kH = 4000;

struct Photo {
    Photo()
    {
        const TBitmap b = PhotoLikeBitmap(kW, kH);
        QByteArray data;
        PictureCodecs::WriteJpeg(b, 90, data);
        PictureCodecs::WriteFileSafely(Path(), data);
    }
    QString Path() const { return dir.filePath(QStringLiteral("photo.jpg")); }
    QTemporaryDir dir;
};

const Photo& SharedPhoto()
{
    static Photo photo;
    return photo;
}

// Reference: LoadBitmap into a fresh picture component, as a new document's component is.
void BM_LoadBitmap(benchmark::State& state)
{
    const QString path = SharedPhoto().Path();
    for (auto _ : state) {
        auto pic = std::make_unique<TImagePic>();
        pic->SetAutoDim(true);
        benchmark::DoNotOptimize(pic->LoadBitmap(path));
        // A hidden component fills its view when it is first needed: a shown one always is.
        benchmark::DoNotOptimize(pic->View().Width());
        state.PauseTiming();
        pic.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadBitmap)->Unit(benchmark::kMillisecond);

// The whole open: window, load, naming, showing and the first paint.
void BM_OpenDocument(benchmark::State& state)
{
    const QString path = SharedPhoto().Path();
    FakeDocumentHost host;
    for (auto _ : state) {
        host.Files->HentPicture(path);
        QCoreApplication::processEvents();
        state.PauseTiming();
        delete host.GForm();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond);

// One idle pass of the update handlers with 20 documents, the active one modified and saved
// to a file (so that every handler looks at the document).
void BM_UpdateActions20Documents(benchmark::State& state)
{
    FakeDocumentHost host;
    host.Options.GBredde = 200;
    host.Options.GHojde = 150;
    host.SetNewImage(true);
    for (int i = 0; i < 20; ++i)
        (new TMalvoform(host))->show();
    host.SetNewImage(false);
    QTemporaryDir dir;
    host.GForm()->Image->SaveBitmap(dir.filePath(QStringLiteral("a.bmp")));
    host.GForm()->Image->SetModified(true);
    for (auto _ : state)
        host.Files->UpdateActions();
}
BENCHMARK(BM_UpdateActions20Documents)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv, {{"BM_OpenDocument", "BM_LoadBitmap"}});
}
