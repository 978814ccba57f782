#pragma once
// Small picture files made in code for the tests, benchmarks and fuzz seeds of the readers: any
// file Qt writes, a JPEG given an EXIF orientation, and GIF files (Qt only reads GIF).
#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <QRgb>
#include <vector>

// The image as Qt's writer of that format stores it, with a quality and an orientation tag.
inline QByteArray QtEncoded(const QImage& image, const char* format, int quality = -1,
                            QImageIOHandler::Transformations t = QImageIOHandler::TransformationNone)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setTransformation(t);
    return writer.write(image) ? data : QByteArray();
}

// The JPEG with an EXIF segment giving orientation o put right after its start marker.
inline QByteArray WithOrientation(const QByteArray& jpeg, int o, bool bigEndian = false)
{
    QByteArray tiff;
    const auto put = [&](quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            tiff.append(char(v >> 8 * (bigEndian ? bytes - 1 - i : i)));
    };
    tiff.append(bigEndian ? "MM" : "II");
    put(42, 2);
    put(8, 4); // the first directory follows the header
    put(1, 2); // one entry: orientation, a SHORT
    put(0x0112, 2);
    put(3, 2);
    put(1, 4);
    put(quint32(o), 2);
    put(0, 2);
    put(0, 4); // no further directory
    const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char((body.size() + 2) >> 8));
    segment.append(char((body.size() + 2) & 0xFF));
    return jpeg.left(2) + segment + body + jpeg.mid(2);
}

// A GIF of w x h pixels from a palette of up to four colours; transparent < 0 for none. The
// pixel codes are written without compression: a clear code before every second pixel keeps
// the code width at three bits.
inline QByteArray SmallGif(int w, int h, const std::vector<QRgb>& palette, const std::vector<int>& pixels,
                           int transparent = -1)
{
    QByteArray g("GIF89a");
    const auto u16 = [&](int v) {
        g.append(char(v & 0xFF));
        g.append(char(v >> 8));
    };
    u16(w);
    u16(h);
    g.append(char(0x81)); // a global table of 4 colours
    g.append('\0');
    g.append('\0');
    for (int i = 0; i < 4; ++i) {
        const QRgb c = i < int(palette.size()) ? palette[size_t(i)] : 0;
        g.append(char(qRed(c)));
        g.append(char(qGreen(c)));
        g.append(char(qBlue(c)));
    }
    if (transparent >= 0) {
        g.append("\x21\xF9\x04\x01\x00\x00", 6);
        g.append(char(transparent));
        g.append('\0');
    }
    g.append(',');
    u16(0);
    u16(0);
    u16(w);
    u16(h);
    g.append('\0');
    g.append(char(2)); // minimum code size: codes of 3 bits, clear 4, end 5
    QByteArray codes;
    quint32 acc = 0;
    int bits = 0;
    const auto code = [&](int c) {
        acc |= quint32(c) << bits;
        bits += 3;
        while (bits >= 8) {
            codes.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    };
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (i % 2 == 0)
            code(4);
        code(pixels[i]);
    }
    code(5);
    if (bits > 0)
        codes.append(char(acc & 0xFF));
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        g.append(char(block.size()));
        g += block;
    }
    g.append('\0');
    g.append(';');
    return g;
}
