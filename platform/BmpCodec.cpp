// BMP through Qt's reader, which knows every bitmap variant, with our size limits.
#include "platform/PictureCodecs.h"
#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>
#include <cstring>

namespace PictureCodecs {
namespace {
template <typename T>
T Field(const QByteArray& header, int offset)
{
    T v;
    std::memcpy(&v, header.constData() + offset, sizeof(T));
    return qFromLittleEndian(v);
}

// Walks run-length data (RLE8, or RLE4 with four) for a w x h picture from `at`: every run,
// absolute run and delta stays inside its row and the picture, no more rows are encoded than
// the picture has, and the end-of-bitmap mark comes before the data ends.
bool RunsIntact(const uchar* d, qint64 size, qint64 at, qint64 w, qint64 h, bool four)
{
    qint64 x = 0, y = 0; // y counts the rows from the first one stored
    for (;;) {
        if (at + 2 > size)
            return false; // no end-of-bitmap mark
        const int n = d[at], c = d[at + 1];
        at += 2;
        if (n > 0) { // n pixels of one value (RLE4: two alternating values)
            if (y >= h || x + n > w)
                return false;
            x += n;
            continue;
        }
        switch (c) {
        case 0: // end of line: an end of line after the last row is allowed, a further one not
            if (y >= h)
                return false;
            x = 0;
            ++y;
            break;
        case 1: // end of bitmap
            return true;
        case 2: { // delta: the next pixel is dx to the right and dy rows further
            if (at + 2 > size)
                return false;
            x += d[at];
            y += d[at + 1];
            at += 2;
            if (x > w || y > h || (y == h && x > 0))
                return false;
            break;
        }
        default: { // c pixels given one by one, padded to a 16-bit boundary
            if (y >= h || x + c > w)
                return false;
            const qint64 bytes = four ? (c + 1) / 2 : c;
            at += (bytes + 1) & ~qint64(1);
            if (at > size)
                return false;
            x += c;
            break;
        }
        }
    }
}

// Checks the file before anything is decoded: a size within the limits; for uncompressed
// pixels a file long enough to hold them all (a truncated file is refused); bit fields with at
// least one mask; and run-length data that is whole and stays inside the picture. Qt's reader
// would take the damaged variants silently.
bool HeaderPlausible(QIODevice& device)
{
    const QByteArray header = device.peek(70);
    if (header.size() < 26 || !header.startsWith("BM"))
        return false;
    const uint32_t offBits = Field<uint32_t>(header, 10);
    const uint32_t infoSize = Field<uint32_t>(header, 14);
    qint64 w, h;
    int bits;
    uint32_t compression = 0;
    if (infoSize == 12) {
        w = Field<uint16_t>(header, 18);
        h = Field<uint16_t>(header, 20);
        bits = Field<uint16_t>(header, 24);
    } else if (infoSize >= 40 && header.size() >= 34) {
        w = Field<int32_t>(header, 18);
        h = std::abs(qint64(Field<int32_t>(header, 22)));
        bits = Field<uint16_t>(header, 28);
        compression = Field<uint32_t>(header, 30);
    } else {
        return false;
    }
    if (!SizeAllowed(w, h) || qint64(offBits) < 14 + qint64(infoSize))
        return false;
    const qint64 size = device.size();
    switch (compression) {
    case 0: // uncompressed
    case 3: // bit fields
    case 6: { // bit fields with alpha
        // The masks follow a 40-byte header and lie inside the longer ones, at the same place.
        if (compression != 0
            && (header.size() < 66 || (Field<uint32_t>(header, 54) == 0 && Field<uint32_t>(header, 58) == 0
                                       && Field<uint32_t>(header, 62) == 0)))
            return false;
        const qint64 stride = ((w * bits + 31) / 32) * 4;
        return qint64(offBits) + stride * h <= size;
    }
    case 1: // RLE8
    case 2: { // RLE4
        if (bits != (compression == 1 ? 8 : 4) || size > kMaxBytes + 4096)
            return false;
        const QByteArray data = device.peek(size);
        if (data.size() != size)
            return false;
        return RunsIntact(reinterpret_cast<const uchar*>(data.constData()), size, offBits, w, h, compression == 2);
    }
    default: // Qt refuses what it does not know
        return true;
    }
}
} // namespace

bool ReadBmp(QIODevice& device, TBitmap& bitmap)
{
    if (!HeaderPlausible(device))
        return false;
    QImageReader reader(&device, "bmp");
    reader.setDecideFormatFromContent(false);
    QImageReader::setAllocationLimit(int(kMaxBytes >> 20));
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return false;
    TPixelFormat format = pf24bit;
    switch (image.depth()) {
    case 1: format = pf1bit; break;
    case 8: format = image.colorCount() > 16 || image.colorCount() == 0 ? pf8bit : pf4bit; break;
    case 16: format = pf16bit; break;
    case 32: format = image.hasAlphaChannel() ? pf32bit : pf24bit; break;
    default: break;
    }
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    bitmap.SetImage(image);
    bitmap.SetPixelFormat(format);
    return !bitmap.Empty();
}

bool ReadBmp(const QByteArray& data, TBitmap& bitmap)
{
    QBuffer buffer;
    buffer.setData(data);
    if (!buffer.open(QIODevice::ReadOnly))
        return false;
    return ReadBmp(buffer, bitmap);
}

bool WriteBmp(const TBitmap& bitmap, QByteArray& data)
{
    if (bitmap.Empty())
        return false;
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&buffer, "bmp");
    return writer.write(bitmap.Image()); // Qt writes 32-bit pixels as a 24-bit bitmap
}

} // namespace PictureCodecs
