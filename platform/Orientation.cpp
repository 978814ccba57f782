// Camera orientation: read from a JPEG's EXIF segment and applied to the decoded raster, so that
// a phone photo opens (and is saved) the way it was taken.
#include "platform/PictureCodecs.h"
#include "platform/Transform.h"
#include <cstring>

namespace PictureCodecs {
namespace {

// The orientation tag (0x0112) of the first directory of EXIF's TIFF structure t[0, n).
int TiffOrientation(const uchar* t, qint64 n)
{
    if (n < 8)
        return 1;
    const bool little = t[0] == 'I' && t[1] == 'I';
    if (!little && !(t[0] == 'M' && t[1] == 'M'))
        return 1;
    const auto u16 = [&](qint64 at) { return little ? t[at] | t[at + 1] << 8 : t[at] << 8 | t[at + 1]; };
    const auto u32 = [&](qint64 at) { return qint64(u16(little ? at + 2 : at)) << 16 | u16(little ? at : at + 2); };
    if (u16(2) != 42)
        return 1;
    const qint64 directory = u32(4);
    if (directory < 8 || directory + 2 > n)
        return 1;
    const int entries = u16(directory);
    for (int i = 0; i < entries; ++i) {
        const qint64 e = directory + 2 + 12 * qint64(i);
        if (e + 12 > n)
            return 1;
        if (u16(e) != 0x0112)
            continue;
        const int value = u16(e + 8); // a SHORT lies at the start of the value field
        return u16(e + 2) == 3 && value >= 1 && value <= 8 ? value : 1;
    }
    return 1;
}

} // namespace

int JpegOrientation(const QByteArray& data)
{
    const auto* d = reinterpret_cast<const uchar*>(data.constData());
    const qint64 size = data.size();
    if (size < 4 || d[0] != 0xFF || d[1] != 0xD8)
        return 1;
    // The segments before the first scan; EXIF is an APP1 segment that starts "Exif\0\0".
    for (qint64 pos = 2; pos + 4 <= size;) {
        if (d[pos] != 0xFF)
            return 1;
        const int marker = d[pos + 1];
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9)
            return 1;
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos += 2;
            continue;
        }
        const int length = d[pos + 2] << 8 | d[pos + 3];
        if (length < 2 || pos + 2 + length > size)
            return 1;
        if (marker == 0xE1 && length >= 8 && std::memcmp(d + pos + 4, "Exif\0\0", 6) == 0)
            return TiffOrientation(d + pos + 10, length - 8);
        pos += 2 + length;
    }
    return 1;
}

void Orient(TBitmap& bitmap, int orientation)
{
    if (orientation < 2 || orientation > 8 || bitmap.Empty())
        return;
    if (orientation <= 4) { // mirrors and the half turn stay in place
        Transform::MirrorRect(bitmap, bitmap.BoundsRect(), orientation != 4, orientation != 2);
        return;
    }
    // The picture's rows become columns: 6 is a clockwise turn, 8 an anticlockwise one, and 5
    // and 7 a clockwise turn mirrored left-right or top-bottom.
    TBitmap turned;
    turned.Reshape(bitmap.Height(), bitmap.Width());
    Transform::RotateQuarters(bitmap, turned, orientation == 8 ? 1 : 3);
    if (orientation == 5 || orientation == 7)
        Transform::MirrorRect(turned, turned.BoundsRect(), orientation == 5, orientation == 7);
    turned.SetPixelFormat(bitmap.PixelFormat());
    bitmap = std::move(turned);
}

} // namespace PictureCodecs
