// libFuzzer entry for the picture readers. The build compiles this file once per format with
// one of MALVO_FUZZ_JPEG, _BMP, _ICO, _PNG, _WEBP, _TIFF or _GIF defined.
#include "platform/PictureCodecs.h"
#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

namespace {
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Qt's image readers want an application object; it lives until the process ends.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
    // Damaged input makes Qt warn on every run, which would only slow the fuzzer down.
    if (qEnvironmentVariableIsEmpty("MALVO_FUZZ_VERBOSE"))
        qInstallMessageHandler(Quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes), qsizetype(size));
    TBitmap colour;
#if defined(MALVO_FUZZ_JPEG)
    // Damaged data is refused or read as far as it goes, never read into an empty raster.
    bool damaged = false;
    if (PictureCodecs::ReadJpeg(data, colour, &damaged) && colour.Empty())
        std::abort();
#elif defined(MALVO_FUZZ_BMP)
    if (PictureCodecs::ReadBmp(data, colour) && colour.Empty())
        std::abort();
#elif defined(MALVO_FUZZ_ICO)
    // Whatever the reader accepts must survive our writer and come back the same.
    TBitmap mask;
    if (!PictureCodecs::ReadIcon(data, colour, mask))
        return 0;
    if (colour.Empty() || mask.Width() != colour.Width() || mask.Height() != colour.Height())
        std::abort();
    QByteArray written;
    TBitmap colourBack, maskBack;
    if (!PictureCodecs::WriteIcon(colour, mask, written) || !PictureCodecs::ReadIcon(written, colourBack, maskBack)
        || colourBack.Image() != colour.Image() || maskBack.Image() != mask.Image())
        std::abort();
#elif defined(MALVO_FUZZ_PNG)
    // A file read whole or in part is a whole raster, and so is its thumbnail; a small picture
    // survives our writer unchanged.
    bool damaged = false;
    if (!PictureCodecs::ReadPng(data, colour, &damaged))
        return 0;
    TBitmap thumb;
    if (colour.Empty() || (PictureCodecs::ReadPng(data, thumb, nullptr, 3) && thumb.Empty()))
        std::abort();
    if (qint64(colour.Width()) * colour.Height() <= 256 * 256) {
        QByteArray written;
        TBitmap back;
        if (!PictureCodecs::WritePng(colour, written) || !PictureCodecs::ReadPng(written, back)
            || back.Image() != colour.Image())
            std::abort();
    }
#elif defined(MALVO_FUZZ_WEBP) || defined(MALVO_FUZZ_TIFF) || defined(MALVO_FUZZ_GIF)
#if defined(MALVO_FUZZ_WEBP)
    constexpr PictureCodecs::TPictureType type = PictureCodecs::ptWebp;
#elif defined(MALVO_FUZZ_TIFF)
    constexpr PictureCodecs::TPictureType type = PictureCodecs::ptTiff;
#else
    constexpr PictureCodecs::TPictureType type = PictureCodecs::ptGif;
#endif
    if (PictureCodecs::ReadPicture(type, data, colour) && colour.Empty())
        std::abort();
#else
#error "define one of MALVO_FUZZ_JPEG, _BMP, _ICO, _PNG, _WEBP, _TIFF or _GIF"
#endif
    return 0;
}
