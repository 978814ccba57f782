// Thumbnail panel: making the thumbnails of a folder of camera-sized photos against decoding
// them whole, and a reload after one new clip against making one thumbnail.
#include "BenchPicture.h"
#include "RatioMain.h"
#include "libraries/BibPan.h"
#include "libraries/Thumbnail.h"
#include "platform/ImageList.h"
#include "platform/PictureCodecs.h"
#include "widgets/BitmapX.h"
#include "widgets/RammeX.h"
#include <QTemporaryDir>
#include <memory>

namespace {
constexpr int kPhotos = 12; // of 4000 x 3000
constexpr int kClips = 500; // of 400 x 300

QString Name(const QString& folder, const char* stem, int i, const char* ext)
{
    return folder + QStringLiteral("/%1%2.%3").arg(QLatin1String(stem)).arg(i, 5, 10, QLatin1Char('0')).arg(QLatin1String(ext));
}

void Write(const QString& path, const QByteArray& data)
{
    PictureCodecs::WriteFileSafely(path, data);
}

struct Folders {
    Folders()
    {
        QByteArray jpeg;
        PictureCodecs::WriteJpeg(PhotoLikeBitmap(4000, 3000), 90, jpeg);
        for (int i = 0; i < kPhotos; ++i)
            Write(Name(Photos.path(), "photo", i, "jpg"), jpeg);
        PictureCodecs::WriteBmp(PhotoLikeBitmap(400, 300), Clip);
        for (int i = 0; i < kClips; ++i)
            Write(Name(Clips.path(), "Klip_", i, "bmp"), Clip);
    }
    QTemporaryDir Photos, Clips;
    QByteArray Clip;
};

Folders& Shared()
{
    static Folders f;
    return f;
}

// A panel as the picture box sets it up: fields of 112 x 95 pixels, four across.
struct Panel {
    Panel()
    {
        Frame.SetBredde(2);
        Frame.SetAfstandLodret(0);
        Frame.SetAfstandVandret(0);
        Bx.SetBitmapListe(&List);
        Bx.SetBitType(btUnikSimpel);
        Pan.SetRammeFelt(&Frame);
        Pan.SetBitmapFelt(&Bx);
        Pan.SetAutoDim(false);
        Pan.SetFeltHojde(95);
        Pan.SetIndreMargen(4);
        Pan.resize(4 * 112 + 1, 3 * 95 + 1);
        Pan.NytAntalVL(4, 3);
    }
    TRammeFeltX Frame;
    TImageList List{16, 16};
    TBitmapX Bx;
    TBibPan Pan;
};

const TThumbLayout kLayout{107, 90, 108, 91, true, true, true, 4, clGray};

void BM_DecodePhotosWhole(benchmark::State& state)
{
    Folders& f = Shared();
    for (auto _ : state)
        for (int i = 0; i < kPhotos; ++i) {
            QByteArray data;
            TBitmap b;
            PictureCodecs::ReadFile(Name(f.Photos.path(), "photo", i, "jpg"), data);
            PictureCodecs::ReadJpeg(data, b);
            benchmark::DoNotOptimize(b.Width());
        }
}
BENCHMARK(BM_DecodePhotosWhole)->Unit(benchmark::kMillisecond);

// The process's resident memory and its peak since the last reset, in bytes (Linux).
qint64 StatusBytes(const char* key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').first().toLongLong() * 1024;
    return 0;
}

void ResetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

// A fresh panel each time, so that nothing is kept from before. The counters give the peak
// memory of a reload above what was in use before it, in full 4000 x 3000 pictures.
void BM_ThumbnailsOfPhotos(benchmark::State& state)
{
    Folders& f = Shared();
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ResetPeak();
        const qint64 before = StatusBytes("VmRSS:");
        state.ResumeTiming();
        Panel p;
        p.Pan.SetBibliotek(f.Photos.path());
        p.Pan.LoadListe();
        benchmark::DoNotOptimize(p.List.Count());
        state.PauseTiming();
        peak = std::max(peak, double(StatusBytes("VmHWM:") - before));
        state.ResumeTiming();
    }
    const double picture = 4000.0 * 3000 * 4;
    state.counters["peak_pictures"] = peak / picture;
    state.counters["thumbs_pictures"] = kPhotos * 107.0 * 90 * 4 / picture;
}
BENCHMARK(BM_ThumbnailsOfPhotos)->Unit(benchmark::kMillisecond);

void BM_OneClipThumbnail(benchmark::State& state)
{
    Folders& f = Shared();
    const QString path = Name(f.Clips.path(), "Klip_", 0, "bmp");
    for (auto _ : state)
        benchmark::DoNotOptimize(MakeThumb(path, kLayout).Ok);
}
BENCHMARK(BM_OneClipThumbnail)->Unit(benchmark::kMicrosecond);

// The cliché box after a copy: one clip more in the folder, then a reload.
void BM_ReloadAfterNewClip(benchmark::State& state)
{
    Folders& f = Shared();
    static Panel p;
    p.Pan.SetBibliotek(f.Clips.path());
    p.Pan.LoadListe();
    const QString added = Name(f.Clips.path(), "Klip_", kClips, "bmp");
    for (auto _ : state) {
        state.PauseTiming();
        Write(added, f.Clip);
        state.ResumeTiming();
        p.Pan.LoadListe();
        // The folder goes back to its 500 clips for the next round.
        state.PauseTiming();
        QFile::remove(added);
        p.Pan.LoadListe();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReloadAfterNewClip)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
                         {{"BM_ThumbnailsOfPhotos", "BM_DecodePhotosWhole"},
                          {"BM_ReloadAfterNewClip", "BM_OneClipThumbnail"}});
}
