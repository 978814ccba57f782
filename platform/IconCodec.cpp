// Reader and writer of icon files: a directory of entries, each a bitmap without its file header
// (the header's height counts the colour rows and the mask rows) or, in newer files, a PNG stream.
#include "platform/PictureCodecs.h"
#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>
#include <cstring>
#include <iterator>

namespace PictureCodecs {
namespace {

constexpr qint64 kDirSize = 6;
constexpr qint64 kEntrySize = 16;
constexpr qint64 kInfoSize = 40;
constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr qint64 kMaxInflation = 1032;

// Little-endian and big-endian fields at a position the caller has checked.
quint32 U16(const uchar* p) { return quint32(p[0]) | quint32(p[1]) << 8; }
quint32 U32(const uchar* p) { return U16(p) | U16(p + 2) << 16; }
qint32 S32(const uchar* p) { return static_cast<qint32>(U32(p)); }
quint32 BE32(const uchar* p) { return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3]; }

void Put16(uchar* p, quint32 v)
{
    p[0] = uchar(v);
    p[1] = uchar(v >> 8);
}
void Put32(uchar* p, quint32 v)
{
    Put16(p, v);
    Put16(p + 2, v >> 16);
}

// Bytes of one bottom-up row of `bits`-bit pixels, padded to 4 bytes.
qint64 Stride(qint64 w, int bits) { return (w * bits + 31) / 32 * 4; }

// What the directory and the entry's own header say about one entry.
struct TEntry {
    qint64 offset = 0; // of the entry's data in the file
    qint64 w = 0, h = 0;
    int bits = 0;
    bool png = false;
    qint64 headerSize = 0; // bitmap entries: the header's own size field
    qint64 colours = 0;    // palette entries in the file
};

enum class TParse { Ok, Unsupported, Damaged };

// Reads the entry's header, which the caller has placed at least 8 bytes before the end;
// dirHeight is the directory's height byte (0 stands for 256 or more). Sizes are checked
// against the limits here, so no later arithmetic can overflow.
TParse ParseEntry(const uchar* d, qint64 size, qint64 offset, int dirHeight, TEntry& e)
{
    e.offset = offset;
    const uchar* p = d + offset;
    if (std::memcmp(p, kPngSignature, 8) == 0) {
        // Signature, then the IHDR chunk: length, type, width, height, bit depth, colour type.
        if (offset + 26 > size || std::memcmp(p + 12, "IHDR", 4) != 0)
            return TParse::Damaged;
        e.png = true;
        e.w = BE32(p + 16);
        e.h = BE32(p + 20);
        e.bits = 32;
        static constexpr int kChannels[7] = {1, 0, 3, 1, 2, 0, 4}; // by colour type; 0: no such type
        const int depth = p[24], type = p[25];
        if (!SizeAllowed(e.w, e.h) || depth < 1 || depth > 16 || type > 6 || kChannels[type] == 0)
            return TParse::Damaged;
        // Deflate expands at most about 1032 times, so a stream this short cannot hold the rows
        // it claims; refusing here keeps a few bytes from making the decoder allocate a raster.
        const qint64 rowBytes = 1 + (e.w * kChannels[type] * depth + 7) / 8;
        return rowBytes * e.h <= (size - offset) * kMaxInflation ? TParse::Ok : TParse::Damaged;
    }
    if (offset + kInfoSize > size)
        return TParse::Damaged;
    e.headerSize = U32(p);
    e.w = S32(p + 4);
    const qint64 rows = S32(p + 8);
    e.h = rows / 2;
    e.bits = int(U16(p + 14));
    const quint32 compression = U32(p + 16);
    const qint64 used = U32(p + 32);
    if (e.headerSize < kInfoSize || offset + e.headerSize > size || !SizeAllowed(e.w, e.h))
        return TParse::Damaged;
    // The header counts the colour rows and the mask rows: twice the directory's height.
    if (dirHeight != 0 ? rows != 2 * dirHeight : (rows % 2 != 0 || e.h < 256))
        return TParse::Damaged;
    if (compression != 0)
        return TParse::Unsupported;
    switch (e.bits) {
    case 1:
    case 4:
    case 8:
        if (used > (qint64(1) << e.bits))
            return TParse::Damaged;
        e.colours = used ? used : qint64(1) << e.bits;
        return TParse::Ok;
    case 24:
    case 32:
        e.colours = 0; // a palette count means nothing here and icons never carry one
        return TParse::Ok;
    default:
        return TParse::Unsupported;
    }
}

void SetPixelFormatFromBits(TBitmap& b, int bits)
{
    switch (bits) {
    case 1: b.SetPixelFormat(pf1bit); break;
    case 4: b.SetPixelFormat(pf4bit); break;
    case 8: b.SetPixelFormat(pf8bit); break;
    case 24: b.SetPixelFormat(pf24bit); break;
    default: b.SetPixelFormat(pf32bit); break;
    }
}

// Mask pixels: white where the icon is transparent.
constexpr uint32_t kOpaque = ToQRgb(clBlack);
constexpr uint32_t kTransparent = ToQRgb(clWhite);

bool DecodePng(const QByteArray& data, const TEntry& e, TBitmap& colour, TBitmap& mask)
{
    QBuffer buffer;
    buffer.setData(QByteArray::fromRawData(data.constData() + e.offset, data.size() - e.offset));
    if (!buffer.open(QIODevice::ReadOnly))
        return false;
    QImageReader reader(&buffer, "png");
    reader.setDecideFormatFromContent(false);
    if (reader.size() != QSize(int(e.w), int(e.h)))
        return false;
    QImageReader::setAllocationLimit(int(kMaxBytes >> 20));
    QImage image;
    if (!reader.read(&image) || image.size() != QSize(int(e.w), int(e.h)))
        return false;
    image = image.convertToFormat(QImage::Format_ARGB32);
    TBitmap c(int(e.w), int(e.h)), m(int(e.w), int(e.h));
    if (c.Empty() || m.Empty())
        return false;
    for (int y = 0; y < image.height(); ++y) {
        const auto* src = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
        uint32_t* cl = c.ScanLine(y);
        uint32_t* ml = m.ScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            cl[x] = src[x] | 0xFF000000u;
            ml[x] = qAlpha(src[x]) == 0 ? kTransparent : kOpaque;
        }
    }
    c.SetPixelFormat(pf32bit);
    m.SetPixelFormat(pf1bit);
    colour = std::move(c);
    mask = std::move(m);
    return true;
}

bool DecodeBitmap(const uchar* d, qint64 size, const TEntry& e, TBitmap& colour, TBitmap& mask)
{
    const qint64 paletteAt = e.offset + e.headerSize;
    const qint64 xorAt = paletteAt + e.colours * 4;
    const qint64 xorStride = Stride(e.w, e.bits);
    const qint64 andAt = xorAt + xorStride * e.h;
    const qint64 andStride = Stride(e.w, 1);
    if (andAt + andStride * e.h > size)
        return false;
    const int w = int(e.w), h = int(e.h);

    // Indices beyond a short palette give black.
    uint32_t palette[256];
    std::fill(std::begin(palette), std::end(palette), ToQRgb(clBlack));
    for (qint64 i = 0; i < e.colours; ++i) {
        const uchar* p = d + paletteAt + i * 4;
        palette[i] = 0xFF000000u | quint32(p[2]) << 16 | quint32(p[1]) << 8 | p[0];
    }
    // A 32-bit entry whose alpha is zero everywhere predates alpha channels: only its mask counts.
    bool useAlpha = false;
    if (e.bits == 32)
        for (int y = 0; y < h && !useAlpha; ++y) {
            const uchar* row = d + xorAt + y * xorStride;
            for (int x = 0; x < w && !useAlpha; ++x)
                useAlpha = row[x * 4 + 3] != 0;
        }

    TBitmap c(w, h), m(w, h);
    if (c.Empty() || m.Empty())
        return false;
    for (int y = 0; y < h; ++y) {
        const uchar* row = d + xorAt + qint64(h - 1 - y) * xorStride;
        const uchar* andRow = d + andAt + qint64(h - 1 - y) * andStride;
        uint32_t* cl = c.ScanLine(y);
        uint32_t* ml = m.ScanLine(y);
        for (int x = 0; x < w; ++x) {
            bool transparent = (andRow[x >> 3] >> (7 - (x & 7))) & 1;
            switch (e.bits) {
            case 1: cl[x] = palette[(row[x >> 3] >> (7 - (x & 7))) & 1]; break;
            case 4: cl[x] = palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F]; break;
            case 8: cl[x] = palette[row[x]]; break;
            case 24: {
                const uchar* p = row + x * 3;
                cl[x] = 0xFF000000u | quint32(p[2]) << 16 | quint32(p[1]) << 8 | p[0];
                break;
            }
            default: {
                const uchar* p = row + x * 4;
                cl[x] = 0xFF000000u | quint32(p[2]) << 16 | quint32(p[1]) << 8 | p[0];
                transparent = transparent || (useAlpha && p[3] == 0);
                break;
            }
            }
            ml[x] = transparent ? kTransparent : kOpaque;
        }
    }
    SetPixelFormatFromBits(c, e.bits);
    m.SetPixelFormat(pf1bit);
    colour = std::move(c);
    mask = std::move(m);
    return true;
}

} // namespace

bool ReadIcon(const QByteArray& data, TBitmap& colour, TBitmap& mask)
{
    const qint64 size = data.size();
    const auto* d = reinterpret_cast<const uchar*>(data.constData());
    // Reserved 0, type 1 (icon) or 2 (cursor, same layout), entry count.
    if (size < kDirSize || U16(d) != 0 || (U16(d + 2) != 1 && U16(d + 2) != 2))
        return false;
    const qint64 count = U16(d + 4);
    if (count == 0 || kDirSize + count * kEntrySize > size)
        return false;

    // Entries in formats we do not read (compressed bitmaps, 16 bits) are passed over; a
    // damaged entry refuses the whole file.
    TEntry best;
    bool found = false;
    for (qint64 i = 0; i < count; ++i) {
        const uchar* dir = d + kDirSize + i * kEntrySize;
        const qint64 offset = U32(dir + 12);
        if (offset < kDirSize + count * kEntrySize || offset + 8 > size)
            return false;
        if (U32(dir + 8) == 0) // an entry of no bytes
            return false;
        TEntry e;
        const TParse parsed = ParseEntry(d, size, offset, dir[1], e);
        if (parsed == TParse::Damaged)
            return false;
        if (parsed == TParse::Unsupported)
            continue;
        const qint64 area = e.w * e.h, bestArea = best.w * best.h;
        if (!found || area > bestArea || (area == bestArea && e.bits > best.bits)) {
            best = e;
            found = true;
        }
    }
    if (!found)
        return false;
    return best.png ? DecodePng(data, best, colour, mask) : DecodeBitmap(d, size, best, colour, mask);
}

namespace {

constexpr qint64 kMaxBitmapSide = 256;

bool Transparent(uint32_t maskPixel)
{
    return (maskPixel & 0xFFFFFFu) == 0xFFFFFFu;
}

// The directory of one entry of the given size whose data follows the directory.
void PutDirectory(uchar* d, qint64 w, qint64 h, qint64 imageBytes)
{
    Put16(d + 2, 1); // icon
    Put16(d + 4, 1); // one entry
    uchar* dir = d + kDirSize;
    dir[0] = w >= 256 ? 0 : uchar(w); // 0 stands for 256 and beyond; the image has the real size
    dir[1] = h >= 256 ? 0 : uchar(h);
    Put16(dir + 4, 1);  // planes
    Put16(dir + 6, 32); // bits per pixel
    Put32(dir + 8, quint32(imageBytes));
    Put32(dir + 12, quint32(kDirSize + kEntrySize));
}

// A picture with a side above 256 is stored as current icon files store it: one PNG stream
// whose header carries the real size, with the mask as its alpha channel.
bool WritePngIcon(const TBitmap& colour, const TBitmap& mask, QByteArray& data)
{
    const int w = colour.Width(), h = colour.Height();
    QImage image(w, h, QImage::Format_ARGB32);
    if (image.isNull())
        return false;
    for (int y = 0; y < h; ++y) {
        const uint32_t* cl = colour.ScanLine(y);
        const uint32_t* ml = mask.ScanLine(y);
        auto* out = reinterpret_cast<uint32_t*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            out[x] = (cl[x] & 0xFFFFFFu) | (Transparent(ml[x]) ? 0u : 0xFF000000u);
    }
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&buffer, "png");
    writer.setCompression(6);
    if (!writer.write(image))
        return false;
    const qint64 total = kDirSize + kEntrySize + png.size();
    if (total > 0xFFFFFFFFLL)
        return false;
    QByteArray out(kDirSize + kEntrySize, '\0');
    PutDirectory(reinterpret_cast<uchar*>(out.data()), w, h, png.size());
    out.append(png);
    data = std::move(out);
    return true;
}

} // namespace

bool WriteIcon(const TBitmap& colour, const TBitmap& mask, QByteArray& data)
{
    if (colour.Empty() || mask.Width() != colour.Width() || mask.Height() != colour.Height())
        return false;
    const qint64 w = colour.Width(), h = colour.Height();
    if (w > kMaxBitmapSide || h > kMaxBitmapSide)
        return WritePngIcon(colour, mask, data);
    const qint64 xorBytes = Stride(w, 32) * h;
    const qint64 andStride = Stride(w, 1);
    const qint64 imageBytes = kInfoSize + xorBytes + andStride * h;
    const qint64 total = kDirSize + kEntrySize + imageBytes;
    if (2 * h > 0x7FFFFFFF || total > 0xFFFFFFFFLL)
        return false;

    QByteArray out(total, '\0');
    auto* d = reinterpret_cast<uchar*>(out.data());
    PutDirectory(d, w, h, imageBytes);

    uchar* info = d + kDirSize + kEntrySize;
    Put32(info, quint32(kInfoSize));
    Put32(info + 4, quint32(w));
    Put32(info + 8, quint32(2 * h)); // colour rows plus mask rows
    Put16(info + 12, 1);
    Put16(info + 14, 32);
    Put32(info + 20, quint32(xorBytes + andStride * h));

    uchar* pixels = info + kInfoSize;
    uchar* andBits = pixels + xorBytes;
    for (qint64 y = 0; y < h; ++y) {
        const uint32_t* cl = colour.ScanLine(int(y));
        const uint32_t* ml = mask.ScanLine(int(y));
        uchar* row = pixels + (h - 1 - y) * w * 4;
        uchar* andRow = andBits + (h - 1 - y) * andStride;
        for (qint64 x = 0; x < w; ++x) {
            const bool transparent = Transparent(ml[x]);
            uchar* p = row + x * 4;
            p[0] = uchar(cl[x]);
            p[1] = uchar(cl[x] >> 8);
            p[2] = uchar(cl[x] >> 16);
            p[3] = transparent ? 0 : 255;
            if (transparent)
                andRow[x >> 3] |= uchar(0x80 >> (x & 7));
        }
    }
    data = std::move(out);
    return true;
}

} // namespace PictureCodecs
