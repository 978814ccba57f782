// Start-up of the main window up to its first showing with 10 pictures of 4000 x 3000 to
// reopen from OpenFiles.txt, against decoding the same 10 files alone in the same run.
#include "bench/RatioMain.h"
#include "appcore/DataFolder.h"
#include "appcore/Lists.h"
#include "platform/PictureCodecs.h"
#include "shell/Mainform.h"
#include "engine/ImagePic.h"
#include <QCoreApplication>
#include <QTemporaryDir>
#include <memory>

namespace {
constexpr int kW = 4000, kH = 3000, kPictures = 10;

// A data folder whose OpenFiles.txt lists ten JPEG photos.
struct LastRun {
    LastRun()
    {
        qputenv("MALVO_HOME", dir.path().toLocal8Bit());
        TDataFolder folder = TDataFolder::FromEnvironment();
        folder.Prepare(QString());
        QStringList names;
        for (int i = 0; i < kPictures; ++i) {
            TBitmap b(kW, kH);
            for (int y = 0; y < kH; ++y) {
                uint32_t* line = b.ScanLine(y);
                for (int x = 0; x < kW; ++x)
                    line[x] = ToQRgb(RGB((x / 7 + i) & 0xFF, (y / 5) & 0xFF, (x + y * i) & 0xFF));
            }
            QByteArray data;
            PictureCodecs::WriteJpeg(b, 90, data);
            names.append(dir.filePath(QStringLiteral("photo%1.jpg").arg(i)));
            PictureCodecs::WriteFileSafely(names.last(), data);
        }
        GemOpenFiles(folder.openFilesFilnavn, names);
        files = names;
    }
    QTemporaryDir dir;
    QStringList files;
};

const LastRun& Shared()
{
    static LastRun run;
    return run;
}

// Reference: reading and decoding the ten files into rasters.
void BM_DecodeTenFiles(benchmark::State& state)
{
    const LastRun& run = Shared();
    for (auto _ : state) {
        for (const QString& name : run.files) {
            QByteArray data;
            TBitmap bitmap;
            PictureCodecs::ReadFile(name, data);
            PictureCodecs::ReadJpeg(data, bitmap);
            benchmark::DoNotOptimize(bitmap.ScanLine(0));
        }
    }
}
BENCHMARK(BM_DecodeTenFiles)->Unit(benchmark::kMillisecond)->Iterations(3);

// The main window created and shown: it reads its options and lists and reopens the ten
// pictures. The window is destroyed without closing, so nothing is written back.
void BM_StartupWithTenPictures(benchmark::State& state)
{
    Shared();
    for (auto _ : state) {
        auto form = std::make_unique<TMainform>();
        form->show();
        QCoreApplication::processEvents();
        if (form->Documents().size() != kPictures)
            state.SkipWithError("the pictures were not reopened");
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupWithTenPictures)->Unit(benchmark::kMillisecond)->Iterations(3);

// The picture component's own load of the ten files (decode, view and settings), for
// telling the window's share of the start-up from the component's.
void BM_LoadBitmapTen(benchmark::State& state)
{
    const LastRun& run = Shared();
    for (auto _ : state) {
        for (const QString& name : run.files) {
            TImagePic pic;
            pic.SetAutoDim(true);
            pic.LoadBitmap(name);
        }
    }
}
BENCHMARK(BM_LoadBitmapTen)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv, {{"BM_StartupWithTenPictures/iterations:3", "BM_DecodeTenFiles/iterations:3"},
                                        {"BM_LoadBitmapTen/iterations:3", "BM_DecodeTenFiles/iterations:3"}});
}
