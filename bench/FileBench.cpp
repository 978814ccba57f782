// Loading and saving a 6000 x 4000 picture through the picture component, against the codecs
// used directly in the same run.
#include "bench/BenchPicture.h"
#include "bench/RatioMain.h"
#include "engine/ImagePic.h"
#include "platform/PictureCodecs.h"
#include <QFile>
#include <QImageReader>
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
        PictureCodecs::ReadFile(Path("big.jpg"), jpeg);
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
    Files& f = Shared();
    TImagePic pic;
    for (auto _ : state)
        pic.InitBitmap(f.Path("big.jpg"));
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
    Files& f = Shared();
    for (auto _ : state)
        f.picture.SaveBitmap(f.Path("out.jpg"));
}
BENCHMARK(BM_SaveJpeg)->Unit(benchmark::kMillisecond);

// Reference: Qt's own reader on the same bitmap file.
void BM_QtReadBmp(benchmark::State& state)
{
    Files& f = Shared();
    for (auto _ : state) {
        QImageReader reader(f.Path("big.bmp"));
        QImageReader::setAllocationLimit(1024);
        QImage image = reader.read();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_QtReadBmp)->Unit(benchmark::kMillisecond);

void BM_LoadBmp(benchmark::State& state)
{
    Files& f = Shared();
    TImagePic pic;
    for (auto _ : state)
        pic.InitBitmap(f.Path("big.bmp"));
}
BENCHMARK(BM_LoadBmp)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
                         {{"BM_LoadJpeg", "BM_TurboJpegDecode"},
                          {"BM_SaveJpeg", "BM_TurboJpegEncode"},
                          {"BM_LoadBmp", "BM_QtReadBmp"}});
}
