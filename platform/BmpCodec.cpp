// BMP through Qt's reader, which knows every bitmap variant, with our size limits.
#include "platform/PictureCodecs.h"
#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

namespace PictureCodecs {

bool ReadBmp(QIODevice& device, TBitmap& bitmap)
{
    QImageReader reader(&device, "bmp");
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (!size.isValid() || !SizeAllowed(size.width(), size.height()))
        return false;
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
