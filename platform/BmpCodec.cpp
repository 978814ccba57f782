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

// Checks the header before anything is decoded: a size within the limits, and for
// uncompressed pixels a file long enough to hold them all (a truncated file is refused).
bool HeaderPlausible(QIODevice& device)
{
    const QByteArray header = device.peek(54);
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
    if (!SizeAllowed(w, h))
        return false;
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (uncompressed) {
        const qint64 stride = ((w * bits + 31) / 32) * 4;
        if (qint64(offBits) + stride * h > device.size())
            return false;
    }
    return true;
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
