// libFuzzer entry for the picture readers. The build compiles this file once per format with
// one of MALVO_FUZZ_JPEG, MALVO_FUZZ_BMP or MALVO_FUZZ_ICO defined.
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
#else
#error "define MALVO_FUZZ_JPEG, MALVO_FUZZ_BMP or MALVO_FUZZ_ICO"
#endif
    return 0;
}
