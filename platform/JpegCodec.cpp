// JPEG through libjpeg-turbo's TurboJPEG interface. The raster's 32-bit pixels are B, G, R, X
// bytes in memory on little-endian machines, which TurboJPEG reads and writes directly.
#include "platform/PictureCodecs.h"
#include <QtEndian>
#include <turbojpeg.h>

namespace PictureCodecs {
namespace {
constexpr int kPixelFormat = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? TJPF_BGRX : TJPF_XRGB;

// Frees the TurboJPEG handle on every path.
struct THandle {
    explicit THandle(tjhandle h) : h(h) {}
    ~THandle()
    {
        if (h)
            tjDestroy(h);
    }
    tjhandle h;
};
} // namespace

bool ReadJpeg(const QByteArray& data, TBitmap& bitmap)
{
    if (data.isEmpty())
        return false;
    THandle dec(tjInitDecompress());
    if (!dec.h)
        return false;
    const auto* src = reinterpret_cast<const unsigned char*>(data.constData());
    int w = 0, h = 0, subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(dec.h, src, static_cast<unsigned long>(data.size()), &w, &h, &subsampling, &colourspace) != 0)
        return false;
    if (!SizeAllowed(w, h))
        return false;
    // Even the plainest picture needs about a bit per 8 x 8 block; a stream far too short for
    // the size it claims is refused before the raster is allocated.
    if (qint64(data.size()) < qint64(w) * h / 8192)
        return false;
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull())
        return false;
    // A damaged stream still decodes as far as it goes; only a fatal error refuses the file.
    if (tjDecompress2(dec.h, src, static_cast<unsigned long>(data.size()), image.bits(), w,
                      static_cast<int>(image.bytesPerLine()), h, kPixelFormat, 0) != 0
        && tjGetErrorCode(dec.h) == TJERR_FATAL)
        return false;
    bitmap.SetImage(image);
    bitmap.SetPixelFormat(pf24bit);
    return true;
}

bool WriteJpeg(const TBitmap& bitmap, int quality, QByteArray& data)
{
    if (bitmap.Empty())
        return false;
    THandle enc(tjInitCompress());
    if (!enc.h)
        return false;
    const QImage& image = bitmap.Image();
    // Compressed straight into the result, sized for the worst case and then cut to the length.
    unsigned long size = tjBufSize(image.width(), image.height(), TJSAMP_420);
    if (size == static_cast<unsigned long>(-1))
        return false;
    data.resize(static_cast<qsizetype>(size));
    auto* out = reinterpret_cast<unsigned char*>(data.data());
    const int ok = tjCompress2(enc.h, image.constBits(), image.width(), static_cast<int>(image.bytesPerLine()),
                               image.height(), kPixelFormat, &out, &size, TJSAMP_420, std::clamp(quality, 1, 100),
                               TJFLAG_NOREALLOC);
    if (ok != 0)
        return false;
    data.resize(static_cast<qsizetype>(size));
    return true;
}

} // namespace PictureCodecs
