// The picture types chosen by extension beyond JPEG, BMP and icons, and the ones read and
// written through Qt's image plugins: WebP (libwebp) and TIFF (libtiff) from Debian's
// qt6-image-formats-plugins, GIF from Qt itself. Each is well kept and fuzzed upstream; our part
// is the size check before anything is decoded and the conversion to an opaque raster.
#include "platform/PictureCodecs.h"
#include <QBuffer>
#include <algorithm>
#include <QImageReader>
#include <QImageWriter>

namespace PictureCodecs {
namespace {

// Qt's transformation flags as the EXIF orientation they stand for.
int OrientationOf(QImageIOHandler::Transformations t)
{
    switch (int(t)) {
    case QImageIOHandler::TransformationMirror: return 2;
    case QImageIOHandler::TransformationRotate180: return 3;
    case QImageIOHandler::TransformationFlip: return 4;
    case QImageIOHandler::TransformationFlipAndRotate90: return 5;
    case QImageIOHandler::TransformationRotate90: return 6;
    case QImageIOHandler::TransformationMirrorAndRotate90: return 7;
    case QImageIOHandler::TransformationRotate270: return 8;
    default: return 1;
    }
}

// What the blocks of a GIF tell of its first frame: where its pixels end, and whether its
// pixel data is all there. Qt's reader opens a cut file without a word, as far as it goes.
struct TGifFrame {
    bool found = false;
    bool whole = false;
    qint64 right = 0, bottom = 0; // the picture Qt makes: the screen, widened to the frame
};

TGifFrame FirstGifFrame(const QByteArray& data)
{
    TGifFrame f;
    const auto* d = reinterpret_cast<const uchar*>(data.constData());
    const qint64 n = data.size();
    if (n < 13 || !(data.startsWith("GIF87a") || data.startsWith("GIF89a")))
        return f;
    const auto u16 = [d](qint64 at) { return qint64(d[at] | d[at + 1] << 8); };
    f.right = u16(6);
    f.bottom = u16(8);
    qint64 pos = 13;
    if (d[10] & 0x80) // the global colour table
        pos += qint64(3) << ((d[10] & 7) + 1);
    // Data sub-blocks up to their empty end block.
    const auto blocks = [&] {
        while (pos < n) {
            const int length = d[pos++];
            if (length == 0)
                return true;
            pos += length;
        }
        return false;
    };
    while (pos < n) {
        const int kind = d[pos++];
        if (kind == 0x21) { // an extension: its label, then sub-blocks
            ++pos;
            if (!blocks())
                return f;
        } else if (kind == 0x2C) { // the first frame: its descriptor, colour table and pixel data
            if (pos + 9 > n)
                return f;
            f.found = true;
            f.right = std::max(f.right, u16(pos) + u16(pos + 4));
            f.bottom = std::max(f.bottom, u16(pos + 2) + u16(pos + 6));
            const int flags = d[pos + 8];
            pos += 9;
            if (flags & 0x80)
                pos += qint64(3) << ((flags & 7) + 1);
            ++pos; // the code size
            f.whole = blocks();
            return f;
        } else {
            return f;
        }
    }
    return f;
}

// A GIF's codes grow one pixel longer at most with each code, so n codes of at least 3 bits
// never describe more than n x n pixels: a picture far bigger than its data could hold is
// refused before Qt's reader allocates and paints it.
qint64 GifMostPixels(const QByteArray& data)
{
    const qint64 codes = data.size() * 8 / 3;
    return codes * codes;
}

} // namespace

TPictureType PictureTypeOf(QStringView ext)
{
    if (ext.compare(QLatin1String("png"), Qt::CaseInsensitive) == 0)
        return ptPng;
    if (ext.compare(QLatin1String("webp"), Qt::CaseInsensitive) == 0)
        return ptWebp;
    if (ext.compare(QLatin1String("tif"), Qt::CaseInsensitive) == 0
        || ext.compare(QLatin1String("tiff"), Qt::CaseInsensitive) == 0)
        return ptTiff;
    if (ext.compare(QLatin1String("gif"), Qt::CaseInsensitive) == 0)
        return ptGif;
    return ptNone;
}

bool ReadPicture(TPictureType type, const QByteArray& data, TBitmap& bitmap, bool* damaged)
{
    if (damaged)
        *damaged = false;
    switch (type) {
    case ptPng: return ReadPng(data, bitmap, damaged);
    case ptWebp: return ReadWithQt(data, "webp", bitmap);
    case ptTiff: return ReadWithQt(data, "tiff", bitmap);
    case ptGif: {
        const TGifFrame frame = FirstGifFrame(data);
        const qint64 most = GifMostPixels(data);
        if (!frame.found || frame.right * frame.bottom > most || !ReadWithQt(data, "gif", bitmap, most))
            return false;
        if (damaged)
            *damaged = !frame.whole;
        return true;
    }
    case ptNone: break;
    }
    return false;
}

bool ReadWithQt(const QByteArray& data, const char* format, TBitmap& bitmap, qint64 mostPixels)
{
    QBuffer buffer;
    buffer.setData(data);
    if (!buffer.open(QIODevice::ReadOnly))
        return false;
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(false); // the orientation is applied below, as for JPEG
    QImageReader::setAllocationLimit(int(kMaxBytes >> 20));
    // The header's size is checked before the reader allocates anything.
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid() || !SizeAllowed(size.width(), size.height())
        || (mostPixels >= 0 && qint64(size.width()) * size.height() > mostPixels))
        return false;
    QImage image;
    if (!reader.read(&image) || image.isNull() || !SizeAllowed(image.width(), image.height())
        || (mostPixels >= 0 && qint64(image.width()) * image.height() > mostPixels))
        return false;
    // Qt's GIF reader leaves the pixels a cut file never reached at 0, alpha included, while
    // every pixel it decodes is opaque or transparent by the file: those become white too.
    if (qstrcmp(format, "gif") == 0 && image.format() == QImage::Format_RGB32)
        image.reinterpretAsFormat(QImage::Format_ARGB32);
    if (image.hasAlphaChannel()) {
        image.convertTo(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y)
            ComposeOnWhite(reinterpret_cast<uint32_t*>(image.scanLine(y)), image.width());
    }
    TBitmap read;
    read.SetImage(image);
    image = QImage(); // the raster's pixels are its own, so turning them copies nothing
    if (read.Empty())
        return false;
    Orient(read, OrientationOf(reader.transformation()));
    read.SetPixelFormat(pf24bit);
    bitmap = std::move(read);
    return true;
}

bool WritePicture(TPictureType type, const TBitmap& bitmap, QByteArray& data)
{
    switch (type) {
    case ptPng: return WritePng(bitmap, data);
    case ptWebp: return WriteWebp(bitmap, data);
    default: return false;
    }
}

bool WriteWebp(const TBitmap& bitmap, QByteArray& data)
{
    if (bitmap.Empty())
        return false;
    data.clear();
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&buffer, "webp");
    writer.setQuality(100); // Qt's WebP writer is lossless at quality 100
    return writer.write(bitmap.Image());
}

} // namespace PictureCodecs
