#include "platform/PictureCodecs.h"
#include <QBuffer>
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

// A bitmap file with a 40-byte header: the palette (or, for bit fields, the three masks) and
// then the pixel data as given.
QByteArray Bmp(int w, int h, int bits, int compression, const std::vector<quint32>& palette, const QByteArray& pixels)
{
    QByteArray info;
    for (quint32 v : {40u, quint32(w), quint32(h)})
        Put32(info, v);
    Put16(info, 1);
    Put16(info, bits);
    for (quint32 v : {quint32(compression), quint32(pixels.size()), 2835u, 2835u,
                      compression == 3 ? 0u : quint32(palette.size()), 0u})
        Put32(info, v);
    for (quint32 c : palette)
        Put32(info, c);
    QByteArray b("BM");
    const quint32 offBits = 14 + quint32(info.size());
    Put32(b, offBits + quint32(pixels.size()));
    Put32(b, 0);
    Put32(b, offBits);
    return b + info + pixels;
}

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

const std::vector<quint32> kPalette{0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

// A 4 x 3 RLE8 picture: bottom row runs of 1 and 2, middle row an absolute run, top row a run
// of 3 after a delta of one pixel; an end of line after the last row, then the end mark.
const QByteArray kRle8Rows = Bytes({2, 1, 2, 2, 0, 0,          // bottom row: 1 1 2 2
                                    0, 4, 3, 2, 1, 4, 0, 0,    // middle row: 3 2 1 4
                                    0, 2, 1, 0, 3, 3, 0, 0});  // top row: (skip) 3 3 3
const QByteArray kEnd = Bytes({0, 1});

QRgb Colour(int index)
{
    return 0xFF000000u | kPalette[size_t(index)];
}

::testing::AssertionResult Refused(const QByteArray& file)
{
    TBitmap kept(3, 2);
    if (ReadBmp(file, kept))
        return ::testing::AssertionFailure() << "read";
    QBuffer device;
    device.setData(file);
    device.open(QIODevice::ReadOnly);
    if (ReadBmp(device, kept))
        return ::testing::AssertionFailure() << "read from a device";
    if (kept.Width() != 3 || kept.Height() != 2)
        return ::testing::AssertionFailure() << "output changed";
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(BmpCodec, WholeRunLengthFilesAreRead)
{
    TBitmap b;
    ASSERT_TRUE(ReadBmp(Bmp(4, 3, 8, 1, kPalette, kRle8Rows + kEnd), b));
    ASSERT_EQ(b.Width(), 4);
    ASSERT_EQ(b.Height(), 3);
    const int want[3][4] = {{-1, 3, 3, 3}, {3, 2, 1, 4}, {1, 1, 2, 2}}; // from the top
    for (int y = 0; y < 3; ++y)
        for (int x = 1; x < 4; ++x)
            EXPECT_EQ(b.ScanLine(y)[x], Colour(want[y][x])) << x << "," << y;
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(b.ScanLine(1)[x], Colour(want[1][x]));
    // The last end of line may also be left out; a delta may end at the picture's top edge.
    ASSERT_TRUE(ReadBmp(Bmp(4, 3, 8, 1, kPalette, kRle8Rows.chopped(2) + kEnd), b));
    ASSERT_TRUE(ReadBmp(Bmp(4, 3, 8, 1, kPalette, Bytes({4, 1, 0, 0, 0, 2, 0, 2}) + kEnd), b));
    EXPECT_EQ(b.ScanLine(2)[3], Colour(1));
    // RLE4: runs of alternating pairs and an absolute run of three nibbles (padded).
    const QByteArray rle4 = Bytes({4, 0x12, 0, 0, 0, 3, 0x34, 0x10, 0, 0}) + kEnd;
    ASSERT_TRUE(ReadBmp(Bmp(4, 2, 4, 2, kPalette, rle4), b));
    EXPECT_EQ(b.ScanLine(1)[0], Colour(1));
    EXPECT_EQ(b.ScanLine(1)[1], Colour(2));
    EXPECT_EQ(b.ScanLine(0)[1], Colour(4));
}

TEST(BmpCodec, DamagedRunLengthDataIsRefused)
{
    auto rle8 = [](const QByteArray& rows) { return Bmp(4, 3, 8, 1, kPalette, rows); };
    EXPECT_TRUE(Refused(rle8(Bytes({5, 1}) + kEnd)));                     // a run past the row's end
    EXPECT_TRUE(Refused(rle8(Bytes({3, 1, 2, 2}) + kEnd)));               // two runs past it
    EXPECT_TRUE(Refused(rle8(Bytes({0, 5, 1, 1, 1, 1, 1, 0}) + kEnd)));   // an absolute run past it
    EXPECT_TRUE(Refused(rle8(Bytes({0, 3, 1, 1}))));                      // an absolute run cut off
    EXPECT_TRUE(Refused(rle8(Bytes({0, 2, 5, 0}) + kEnd)));               // a delta past the row's end
    EXPECT_TRUE(Refused(rle8(Bytes({0, 2, 0, 4}) + kEnd)));               // a delta past the picture
    EXPECT_TRUE(Refused(rle8(Bytes({0, 2, 1, 3}) + kEnd)));               // to beyond the last row
    EXPECT_TRUE(Refused(rle8(Bytes({0, 2}))));                            // a delta cut off
    EXPECT_TRUE(Refused(rle8(kRle8Rows + Bytes({1, 1}) + kEnd)));         // a fourth row of pixels
    EXPECT_TRUE(Refused(rle8(kRle8Rows + Bytes({0, 0}) + kEnd)));         // a fourth end of line
    EXPECT_TRUE(Refused(rle8(kRle8Rows)));                                // no end-of-bitmap mark
    EXPECT_TRUE(Refused(rle8(kRle8Rows + Bytes({0}))));
    EXPECT_TRUE(Refused(rle8({})));
    EXPECT_TRUE(Refused(Bmp(4, 2, 4, 2, kPalette, Bytes({5, 0x12}) + kEnd))); // RLE4 run past the row
    EXPECT_TRUE(Refused(Bmp(4, 2, 4, 2, kPalette, Bytes({0, 5, 0x12, 0x34, 0x50, 0}) + kEnd)));
    EXPECT_TRUE(Refused(Bmp(4, 3, 4, 1, kPalette, kRle8Rows + kEnd))); // RLE8 needs 8 bits a pixel
    // A few bytes that claim a huge picture and then go wrong are refused all the same.
    EXPECT_TRUE(Refused(Bmp(16000, 16000, 8, 1, kPalette, Bytes({0, 0, 0, 0, 0, 2, 0, 200, 255, 1}))));
}

TEST(BmpCodec, BitFieldsNeedAMask)
{
    // The three masks follow the 40-byte header, where Bmp puts a palette.
    const QByteArray pixels = Bytes({0x10, 0x20, 0x30, 0, 0x40, 0x50, 0x60, 0});
    TBitmap b;
    ASSERT_TRUE(ReadBmp(Bmp(2, 1, 32, 3, {0xFF0000u, 0x00FF00u, 0x0000FFu}, pixels), b));
    EXPECT_EQ(b.ScanLine(0)[0], qRgb(0x30, 0x20, 0x10));
    EXPECT_TRUE(ReadBmp(Bmp(2, 1, 32, 3, {0xFF0000u, 0, 0}, pixels), b)); // one mask is enough
    EXPECT_TRUE(Refused(Bmp(2, 1, 32, 3, {0, 0, 0}, pixels)));
    EXPECT_TRUE(Refused(Bmp(2, 1, 16, 3, {0, 0, 0}, Bytes({1, 2, 3, 4}))));
}
