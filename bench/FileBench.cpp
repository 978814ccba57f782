// Loading and saving a 6000 x 4000 picture through the picture component, against the codecs
// used directly in the same run; a PNG thumbnail against a full load, and a turned photo
// against the same photo without the tag.
#include "bench/BenchPicture.h"
#include "bench/RatioMain.h"
#include "engine/ImagePic.h"
#include "libraries/Thumbnail.h"
#include "platform/PictureCodecs.h"
#include "tests/common/PictureFiles.h"
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <turbojpeg.h>
#include <vector>

namespace {
constexpr int kW = 6000, kH = 4000;

struct Files {
    Files()
    {
        const TBitmap b = PhotoLikeBitmap(kW, kH);
        picture.SetPicture(b);
        picture.SetJpgKvalitet(90);
        picture.SaveBitmap(Path("big.jpg"));
        picture.SaveBitmap(Path("big.bmp"));
        picture.SaveBitmap(Path("big.png"));
        PictureCodecs::ReadFile(Path("big.jpg"), jpeg);
        // The same photo as a phone stores it turned: orientation 6, turned clockwise to show.
        QFile oriented(Path("oriented.jpg"));
        oriented.open(QIODevice::WriteOnly);
        oriented.write(WithOrientation(jpeg, 6));
    }
    QString Path(const char* name) const { return dir.filePath(name); }
    QTemporaryDir dir;
    TImagePic picture;
    QByteArray jpeg;
};

Files& Shared()
{
    static Files files;
    return files;
}

// The picture component opening one of the files.
void Load(benchmark::State& state, const char* name)
{
    Files& f = Shared();
    TImagePic pic;
    for (auto _ : state)
        pic.InitBitmap(f.Path(name));
}

// The picture component saving its picture under a name of one type.
void Save(benchmark::State& state, const char* name)
{
    Files& f = Shared();
    for (auto _ : state)
        f.picture.SaveBitmap(f.Path(name));
}

// Reference: Qt's own reader on one of the files.
void QtRead(benchmark::State& state, const char* name)
{
    Files& f = Shared();
    for (auto _ : state) {
        QImageReader reader(f.Path(name));
        QImageReader::setAllocationLimit(1024);
        QImage image = reader.read();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Reference: TurboJPEG decoding the file's bytes into a freshly allocated buffer.
void BM_TurboJpegDecode(benchmark::State& state)
{
    Files& f = Shared();
    tjhandle h = tjInitDecompress();
    for (auto _ : state) {
        QFile file(f.Path("big.jpg"));
        file.open(QIODevice::ReadOnly);
        const QByteArray data = file.readAll();
        std::vector<unsigned char> out(size_t(kW) * kH * 4);
        tjDecompress2(h, reinterpret_cast<const unsigned char*>(data.constData()), data.size(), out.data(), kW,
                      kW * 4, kH, TJPF_BGRX, 0);
        benchmark::DoNotOptimize(out.data());
    }
    tjDestroy(h);
}
BENCHMARK(BM_TurboJpegDecode)->Unit(benchmark::kMillisecond);

void BM_LoadJpeg(benchmark::State& state)
{
    Load(state, "big.jpg");
}
BENCHMARK(BM_LoadJpeg)->Unit(benchmark::kMillisecond);

// Reference: TurboJPEG encoding the same pixels at the same quality into its own buffer.
void BM_TurboJpegEncode(benchmark::State& state)
{
    Files& f = Shared();
    tjhandle h = tjInitCompress();
    const QImage& image = f.picture.Picture().Image();
    for (auto _ : state) {
        unsigned char* out = nullptr;
        unsigned long size = 0;
        tjCompress2(h, image.constBits(), kW, image.bytesPerLine(), kH, TJPF_BGRX, &out, &size, TJSAMP_420, 90, 0);
        QFile file(f.Path("ref.jpg"));
        file.open(QIODevice::WriteOnly);
        file.write(reinterpret_cast<const char*>(out), size);
        tjFree(out);
    }
    tjDestroy(h);
}
BENCHMARK(BM_TurboJpegEncode)->Unit(benchmark::kMillisecond);

void BM_SaveJpeg(benchmark::State& state)
{
    Save(state, "out.jpg");
}
BENCHMARK(BM_SaveJpeg)->Unit(benchmark::kMillisecond);

// Reference: Qt's own reader on the same bitmap file.
void BM_QtReadBmp(benchmark::State& state)
{
    QtRead(state, "big.bmp");
}
BENCHMARK(BM_QtReadBmp)->Unit(benchmark::kMillisecond);

void BM_LoadBmp(benchmark::State& state)
{
    Load(state, "big.bmp");
}
BENCHMARK(BM_LoadBmp)->Unit(benchmark::kMillisecond);

void BM_LoadJpegOriented(benchmark::State& state)
{
    Load(state, "oriented.jpg");
}
BENCHMARK(BM_LoadJpegOriented)->Unit(benchmark::kMillisecond);

// Reference: Qt's own PNG reader on the file the program saved.
void BM_QtReadPng(benchmark::State& state)
{
    QtRead(state, "big.png");
}
BENCHMARK(BM_QtReadPng)->Unit(benchmark::kMillisecond);

void BM_LoadPng(benchmark::State& state)
{
    Load(state, "big.png");
}
BENCHMARK(BM_LoadPng)->Unit(benchmark::kMillisecond);

// The picture box's thumbnail of the big PNG.
void BM_LoadPngThumbnail(benchmark::State& state)
{
    Files& f = Shared();
    const TThumbLayout layout{107, 90, 108, 91, true, true, true, 4, clGray};
    for (auto _ : state)
        benchmark::DoNotOptimize(MakeThumb(f.Path("big.png"), layout).Ok);
}
BENCHMARK(BM_LoadPngThumbnail)->Unit(benchmark::kMillisecond);

// Reference: Qt's own PNG writer, as it comes, writing the same pixels to a file.
void BM_QtWritePng(benchmark::State& state)
{
    Files& f = Shared();
    const QImage& image = f.picture.Picture().Image();
    for (auto _ : state) {
        QImageWriter writer(f.Path("ref.png"), "png");
        writer.write(image);
    }
}
BENCHMARK(BM_QtWritePng)->Unit(benchmark::kMillisecond);

void BM_SavePng(benchmark::State& state)
{
    Save(state, "out.png");
}
BENCHMARK(BM_SavePng)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
                         {{"BM_LoadJpeg", "BM_TurboJpegDecode"},
                          {"BM_SaveJpeg", "BM_TurboJpegEncode"},
                          {"BM_LoadBmp", "BM_QtReadBmp"},
                          {"BM_LoadPng", "BM_QtReadPng"},
                          {"BM_SavePng", "BM_QtWritePng"},
                          {"BM_LoadPngThumbnail", "BM_LoadPng"},
                          {"BM_LoadJpegOriented", "BM_LoadJpeg"}});
}
