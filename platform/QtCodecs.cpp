// The picture types chosen by extension beyond JPEG, BMP and icons, and the ones read and
// written through Qt's image plugins: WebP (libwebp) and TIFF (libtiff) from Debian's
// qt6-image-formats-plugins, GIF from Qt itself. Each is well kept and fuzzed upstream; our part
// is the size check before anything is decoded and the conversion to an opaque raster.
#include "platform/PictureCodecs.h"
#include <QBuffer>
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

// A GIF's codes grow one pixel longer at most with each code, so n codes of at least 3 bits
// never describe more than n x n pixels: a picture far bigger than its data could hold is
// refused before Qt's reader allocates and paints it.
bool GifPlausible(const QByteArray& data)
{
    if (data.size() < 10 || !(data.startsWith("GIF87a") || data.startsWith("GIF89a")))
        return false;
    const auto* d = reinterpret_cast<const uchar*>(data.constData());
    const qint64 w = d[6] | d[7] << 8, h = d[8] | d[9] << 8;
    const qint64 codes = data.size() * 8 / 3;
    return w * h <= codes * codes;
}

// Whether a GIF's blocks are all there up to the end of its first frame's pixel data. Qt's
// reader opens a cut file without a word, as far as it goes.
bool GifFrameWhole(const QByteArray& data)
{
    const auto* d = reinterpret_cast<const uchar*>(data.constData());
    const qint64 n = data.size();
    if (n < 13)
        return false;
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
                return false;
        } else if (kind == 0x2C) { // the first frame: its descriptor, colour table and pixel data
            if (pos + 9 > n)
                return false;
            const int flags = d[pos + 8];
            pos += 9;
            if (flags & 0x80)
                pos += qint64(3) << ((flags & 7) + 1);
            ++pos; // the code size
            return blocks();
        } else {
            return false;
        }
    }
    return false;
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
    case ptGif:
        if (!GifPlausible(data) || !ReadWithQt(data, "gif", bitmap))
            return false;
        if (damaged)
            *damaged = !GifFrameWhole(data);
        return true;
    case ptNone: break;
    }
    return false;
}

bool ReadWithQt(const QByteArray& data, const char* format, TBitmap& bitmap)
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
    if (!reader.canRead() || !size.isValid() || !SizeAllowed(size.width(), size.height()))
        return false;
    QImage image;
    if (!reader.read(&image) || image.isNull() || !SizeAllowed(image.width(), image.height()))
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
