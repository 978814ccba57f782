#include "platform/PictureCodecs.h"
#include <QBuffer>
#include <QImageWriter>
#include <functional>
#include <gtest/gtest.h>

using namespace PictureCodecs;

namespace {

void Put16(QByteArray& b, quint32 v)
{
    b.append(char(v));
    b.append(char(v >> 8));
}
void Put32(QByteArray& b, quint32 v)
{
    Put16(b, v);
    Put16(b, v >> 16);
}
void Set32(QByteArray& b, int at, quint32 v)
{
    for (int k = 0; k < 4; ++k)
        b[at + k] = char(v >> (8 * k));
}

// One bitmap entry built by hand: header, palette, colour rows and mask rows, bottom-up, rows
// padded to 4 bytes. pixel(x, y) is a palette index up to 8 bits and 0xAARRGGBB beyond.
QByteArray Entry(int w, int h, int bits, const std::vector<QRgb>& palette, const std::function<quint32(int, int)>& pixel,
                 const std::function<bool(int, int)>& clear)
{
    QByteArray b;
    for (quint32 v : {40u, quint32(w), quint32(2 * h)})
        Put32(b, v);
    Put16(b, 1);
    Put16(b, bits);
    for (quint32 v : {0u, 0u, 0u, 0u, quint32(palette.size()), 0u})
        Put32(b, v);
    for (QRgb c : palette)
        Put32(b, c & 0xFFFFFF);
    auto rows = [&](int depth, const std::function<quint32(int, int)>& value) {
        for (int y = h - 1; y >= 0; --y) {
            QByteArray row((w * depth + 31) / 32 * 4, '\0');
            for (int x = 0; x < w; ++x) {
                const quint32 v = value(x, y);
                const int at = x * depth / 8;
                if (depth >= 24)
                    for (int k = 0; k < depth / 8; ++k)
                        row[at + k] = char(v >> (8 * k));
                else
                    row[at] = char(uchar(row[at]) | v << (8 - depth - x * depth % 8));
            }
            b += row;
        }
    };
    rows(bits, pixel);
    rows(1, [&](int x, int y) { return quint32(clear(x, y)); });
    return b;
}

quint32 Get32(const QByteArray& b, int at)
{
    quint32 v = 0;
    for (int k = 3; k >= 0; --k)
        v = v << 8 | uchar(b[at + k]);
    return v;
}
quint32 GetBE32(const QByteArray& b, int at)
{
    quint32 v = 0;
    for (int k = 0; k < 4; ++k)
        v = v << 8 | uchar(b[at + k]);
    return v;
}

// A directory over the entries, with each entry's size as the directory gives it: the low
// byte of the width and height (0 for 256 and beyond) from the entry's own header.
QByteArray Icon(const std::vector<QByteArray>& entries)
{
    QByteArray b;
    for (quint32 v : {0u, 1u, quint32(entries.size())})
        Put16(b, v);
    quint32 offset = 6 + 16 * quint32(entries.size());
    for (const QByteArray& e : entries) {
        const bool png = e.startsWith("\x89PNG");
        const quint32 w = png ? GetBE32(e, 16) : Get32(e, 4);
        const quint32 h = png ? GetBE32(e, 20) : Get32(e, 8) / 2;
        b.append(char(w >= 256 ? 0 : w));
        b.append(char(h >= 256 ? 0 : h));
        Put16(b, 0);
        Put16(b, 1);
        Put16(b, e.startsWith("\x89PNG") ? 32 : uchar(e[14]));
        Put32(b, quint32(e.size()));
        Put32(b, offset);
        offset += quint32(e.size());
    }
    for (const QByteArray& e : entries)
        b += e;
    return b;
}

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return QImageWriter(&buffer, format).write(image) ? bytes : QByteArray();
}

// A picture with a transparent rectangle whose colours are not black, so any rule applied in
// the codec would show.
void Picture(int w, int h, TBitmap& colour, TBitmap& mask)
{
    colour = TBitmap(w, h);
    mask = TBitmap(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            colour.Canvas().SetPixels(x, y, RGB(x * 7, y * 5, (x + y) * 3));
            mask.Canvas().SetPixels(x, y, x >= 5 && x < 20 && y >= 3 && y < 9 ? clWhite : clBlack);
        }
}

void ExpectSame(const TBitmap& a, const TBitmap& b)
{
    ASSERT_EQ(a.Width(), b.Width());
    ASSERT_EQ(a.Height(), b.Height());
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            ASSERT_EQ(a.Canvas().Pixels(x, y), b.Canvas().Pixels(x, y)) << x << "," << y;
}

::testing::AssertionResult Refused(const QByteArray& bytes)
{
    TBitmap colour(3, 2), mask(1, 1);
    colour.Canvas().SetPixels(0, 0, clRed);
    if (ReadIcon(bytes, colour, mask))
        return ::testing::AssertionFailure() << "read";
    if (colour.Width() != 3 || colour.Height() != 2 || mask.Width() != 1 || colour.Canvas().Pixels(0, 0) != clRed)
        return ::testing::AssertionFailure() << "outputs changed";
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(IconCodec, RoundTripKeepsColoursAndMaskAtEverySize)
{
    for (auto [w, h] : {std::pair{37, 21}, {256, 3}, {300, 260}}) {
        TBitmap colour, mask, colourBack, maskBack;
        Picture(w, h, colour, mask);
        QByteArray bytes;
        ASSERT_TRUE(WriteIcon(colour, mask, bytes));
        EXPECT_EQ(uchar(bytes[6]), w < 256 ? w : 0);
        EXPECT_EQ(uchar(bytes[7]), h < 256 ? h : 0);
        ASSERT_TRUE(ReadIcon(bytes, colourBack, maskBack)) << w << "x" << h;
        ExpectSame(colourBack, colour);
        ExpectSame(maskBack, mask);
        EXPECT_EQ(colourBack.PixelFormat(), pf32bit);
    }
}

TEST(IconCodec, QtReadsOurIconAtTheSameSizeAndPixels)
{
    // Sides above 256 are written as a PNG stream, which other programs read at the real size.
    for (auto [w, h] : {std::pair{16, 16}, {32, 32}, {48, 48}, {37, 21}, {256, 256}, {300, 300}, {640, 420}}) {
        TBitmap colour, mask;
        Picture(w, h, colour, mask);
        QByteArray bytes;
        ASSERT_TRUE(WriteIcon(colour, mask, bytes));
        const QImage image = QImage::fromData(bytes, "ICO");
        ASSERT_EQ(image.size(), QSize(w, h)) << w << "x" << h;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb p = image.pixel(x, y);
                if (mask.Canvas().Pixels(x, y) == clWhite)
                    ASSERT_EQ(qAlpha(p), 0) << w << "x" << h << " at " << x << "," << y;
                else
                    ASSERT_EQ(p, ToQRgb(colour.Canvas().Pixels(x, y))) << w << "x" << h << " at " << x << "," << y;
            }
        TBitmap colourBack, maskBack;
        ASSERT_TRUE(ReadIcon(bytes, colourBack, maskBack)) << w << "x" << h;
        ExpectSame(colourBack, colour);
        ExpectSame(maskBack, mask);
    }
}

TEST(IconCodec, ReadsQtWrittenIconWithAlpha)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            image.setPixel(x, y, qRgba(x * 8, y * 8, 100, x < 8 ? 0 : x < 12 ? 128 : 255));
    const QByteArray bytes = Encoded(image, "ico");
    ASSERT_FALSE(bytes.isEmpty());
    TBitmap colour, mask;
    ASSERT_TRUE(ReadIcon(bytes, colour, mask));
    ASSERT_EQ(colour.Width(), 32);
    ASSERT_EQ(colour.Height(), 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(mask.Canvas().Pixels(x, y), x < 8 ? clWhite : clBlack) << x << "," << y;
            if (x >= 12) {
                ASSERT_EQ(colour.Canvas().Pixels(x, y), RGB(x * 8, y * 8, 100)) << x << "," << y;
            }
        }
}

TEST(IconCodec, ReadsTheLargestEntryAndOnTiesTheDeepest)
{
    std::vector<QRgb> grey(256);
    for (int i = 0; i < 256; ++i)
        grey[i] = qRgb(i, i, i);
    auto none = [](int, int) { return false; };
    const QByteArray small = Entry(16, 16, 8, grey, [](int x, int y) { return quint32(x + y); }, none);
    const QByteArray large = Entry(48, 48, 24, {}, [](int x, int y) { return qRgb(x, y, 200); },
                                   [](int x, int y) { return x == y; });
    TBitmap colour, mask;
    ASSERT_TRUE(ReadIcon(Icon({small, large, small}), colour, mask));
    ASSERT_EQ(colour.Width(), 48);
    ASSERT_EQ(colour.Height(), 48);
    EXPECT_EQ(colour.PixelFormat(), pf24bit);
    EXPECT_EQ(colour.Canvas().Pixels(5, 9), RGB(5, 9, 200));
    EXPECT_EQ(mask.Canvas().Pixels(7, 7), clWhite);
    EXPECT_EQ(mask.Canvas().Pixels(7, 8), clBlack);

    const QByteArray deep = Entry(16, 16, 32, {}, [](int, int) { return 0xFF123456u; }, none);
    ASSERT_TRUE(ReadIcon(Icon({small, deep, small}), colour, mask));
    EXPECT_EQ(colour.PixelFormat(), pf32bit);
    EXPECT_EQ(colour.Canvas().Pixels(3, 3), FromQRgb(0x123456));
    ASSERT_TRUE(ReadIcon(Icon({small}), colour, mask));
    EXPECT_EQ(colour.PixelFormat(), pf8bit);
    EXPECT_EQ(colour.Canvas().Pixels(3, 4), RGB(7, 7, 7));
}

TEST(IconCodec, ReadsOneAndFourBitEntriesWithTheirMasks)
{
    // Odd widths exercise the row padding of both the colours and the mask.
    auto clear = [](int x, int y) { return x == 12 || y == 0; };
    TBitmap colour, mask;
    ASSERT_TRUE(ReadIcon(Icon({Entry(13, 5, 1, {qRgb(200, 0, 0), qRgb(0, 0, 200)},
                                     [](int x, int y) { return quint32((x + y) % 2); }, clear)}),
                         colour, mask));
    ASSERT_EQ(colour.Width(), 13);
    EXPECT_EQ(colour.PixelFormat(), pf1bit);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 13; ++x) {
            ASSERT_EQ(colour.Canvas().Pixels(x, y), (x + y) % 2 ? RGB(0, 0, 200) : RGB(200, 0, 0));
            ASSERT_EQ(mask.Canvas().Pixels(x, y), clear(x, y) ? clWhite : clBlack);
        }
    // A short palette: indices beyond it are black.
    ASSERT_TRUE(ReadIcon(Icon({Entry(7, 3, 4, {qRgb(1, 2, 3), qRgb(4, 5, 6), qRgb(7, 8, 9)},
                                     [](int x, int) { return quint32(x); }, clear)}),
                         colour, mask));
    EXPECT_EQ(colour.PixelFormat(), pf4bit);
    EXPECT_EQ(colour.Canvas().Pixels(1, 1), RGB(4, 5, 6));
    EXPECT_EQ(colour.Canvas().Pixels(2, 2), RGB(7, 8, 9));
    EXPECT_EQ(colour.Canvas().Pixels(6, 1), clBlack);
    EXPECT_EQ(mask.Canvas().Pixels(3, 0), clWhite);
    EXPECT_EQ(mask.Canvas().Pixels(3, 1), clBlack);
}

TEST(IconCodec, AlphaCountsOnlyWhenSomePixelHasIt)
{
    auto andBit = [](int x, int y) { return x == 0 && y == 0; };
    TBitmap colour, mask;
    ASSERT_TRUE(ReadIcon(Icon({Entry(4, 4, 32, {}, [](int, int) { return 0x00808080u; }, andBit)}), colour, mask));
    EXPECT_EQ(mask.Canvas().Pixels(0, 0), clWhite);
    EXPECT_EQ(mask.Canvas().Pixels(1, 1), clBlack);
    EXPECT_EQ(colour.Canvas().Pixels(1, 1), RGB(128, 128, 128));
    ASSERT_TRUE(ReadIcon(Icon({Entry(4, 4, 32, {}, [](int x, int) { return x == 3 ? 0x00808080u : 0x10808080u; }, andBit)}),
                         colour, mask));
    EXPECT_EQ(mask.Canvas().Pixels(0, 0), clWhite);
    EXPECT_EQ(mask.Canvas().Pixels(3, 2), clWhite);
    EXPECT_EQ(mask.Canvas().Pixels(1, 1), clBlack); // any alpha above 0 is opaque
}

TEST(IconCodec, ReadsPngEntries)
{
    QImage image(20, 10, QImage::Format_ARGB32);
    image.fill(qRgba(10, 20, 30, 255));
    image.setPixel(4, 5, qRgba(0, 0, 0, 0));
    const QByteArray png = Encoded(image, "png");
    ASSERT_FALSE(png.isEmpty());
    TBitmap colour, mask;
    ASSERT_TRUE(ReadIcon(Icon({Entry(8, 8, 1, {}, [](int, int) { return 0u; }, [](int, int) { return false; }), png}),
                         colour, mask));
    ASSERT_EQ(colour.Width(), 20);
    EXPECT_EQ(colour.Canvas().Pixels(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(mask.Canvas().Pixels(4, 5), clWhite);
    EXPECT_EQ(mask.Canvas().Pixels(5, 5), clBlack);
    EXPECT_TRUE(Refused(Icon({png.left(png.size() / 2)})));
    // A short stream claiming 12000 x 12000 pixels (within the size limits) is refused.
    QByteArray huge = png;
    huge.replace(16, 8, QByteArray::fromHex("00002ee000002ee0"));
    EXPECT_TRUE(Refused(Icon({huge})));
}

TEST(IconCodec, RefusesDamagedDataAndLeavesTheOutputsAlone)
{
    EXPECT_TRUE(Refused({}));
    TBitmap colour, mask;
    Picture(9, 7, colour, mask);
    QByteArray good;
    ASSERT_TRUE(WriteIcon(colour, mask, good));
    for (int n = 0; n < good.size(); ++n)
        ASSERT_TRUE(Refused(good.left(n))) << "cut at " << n;

    auto changed = [&](int at, quint32 v) {
        QByteArray b = good;
        Set32(b, at, v);
        return b;
    };
    EXPECT_TRUE(Refused(changed(0, 0x00010001))); // reserved field not 0
    EXPECT_TRUE(Refused(changed(0, 0x00030000))); // neither icon nor cursor
    EXPECT_TRUE(Refused(changed(4, 0xFFFF))); // 65535 entries in a short file
    EXPECT_TRUE(Refused(changed(18, good.size()))); // data offset at the end
    EXPECT_TRUE(Refused(changed(18, 0xFFFFFFF8u))); // offset that wraps in 32 bits
    EXPECT_TRUE(Refused(changed(22, 0xFFFFFFFFu))); // header size
    EXPECT_TRUE(Refused(changed(26, 0xFFFFFFF7u))); // negative width
    EXPECT_TRUE(Refused(changed(30, 200000))); // height beyond the limit
    EXPECT_TRUE(Refused(changed(30, 2 * 4000))); // taller than the data
    EXPECT_TRUE(Refused(changed(38, 3))); // compressed: nothing we read
    QByteArray huge = changed(26, 100000); // 100000 x 100000 pixels
    Set32(huge, 30, 200000);
    EXPECT_TRUE(Refused(huge));
    QByteArray deep = good;
    deep[36] = 16; // 16 bits per pixel: nothing we read
    EXPECT_TRUE(Refused(deep));
    // A 1-bit entry that claims a palette of 1000 colours.
    QByteArray palette = Icon({Entry(8, 8, 1, {0, 0}, [](int, int) { return 0u; }, [](int, int) { return false; })});
    Set32(palette, 22 + 32, 1000);
    EXPECT_TRUE(Refused(palette));
}

TEST(IconCodec, WriterRefusesAnEmptyPictureOrAMaskOfAnotherSize)
{
    QByteArray bytes = "kept";
    EXPECT_FALSE(WriteIcon(TBitmap(), TBitmap(), bytes));
    EXPECT_FALSE(WriteIcon(TBitmap(4, 4), TBitmap(4, 5), bytes));
    EXPECT_EQ(bytes, "kept");
}

TEST(IconCodec, RefusesEntriesWhoseDirectoryAndHeaderDisagree)
{
    const QByteArray good = Icon({Entry(8, 6, 8, {0xFF0000, 0x00FF00}, [](int x, int) { return quint32(x & 1); },
                                        [](int x, int y) { return x == y; })});
    TBitmap colour, mask;
    ASSERT_TRUE(ReadIcon(good, colour, mask));
    EXPECT_EQ(colour.Height(), 6);
    auto with = [&](int at, uchar v) {
        QByteArray b = good;
        b[at] = char(v);
        return b;
    };
    EXPECT_TRUE(Refused(with(7, 12))); // the directory says 12 rows, the header 6 plus the mask
    EXPECT_TRUE(Refused(with(7, 3)));
    EXPECT_TRUE(Refused(with(7, 0))); // 256 or more
    // A header that counts only the colour rows (no mask rows).
    QByteArray noMask = good;
    Set32(noMask, 22 + 8, 6);
    EXPECT_TRUE(Refused(noMask));
    QByteArray odd = good;
    Set32(odd, 22 + 8, 13);
    EXPECT_TRUE(Refused(odd));
    // An entry that claims no bytes.
    QByteArray empty = good;
    Set32(empty, 6 + 8, 0);
    EXPECT_TRUE(Refused(empty));

    // Sizes of 256 and beyond are 0 in the directory; the header tells them.
    TBitmap big, bigMask, back, backMask;
    Picture(20, 300, big, bigMask);
    QByteArray tall;
    ASSERT_TRUE(WriteIcon(big, bigMask, tall));
    EXPECT_EQ(uchar(tall[7]), 0);
    ASSERT_TRUE(ReadIcon(tall, back, backMask));
    EXPECT_EQ(back.Height(), 300);
    Set32(tall, 22 + 8, 2 * 200); // but 0 cannot stand for fewer than 256 rows
    EXPECT_TRUE(Refused(tall));
}
