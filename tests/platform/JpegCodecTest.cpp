#include "platform/PictureCodecs.h"
#include <QBuffer>
#include <QImageWriter>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <turbojpeg.h>

using namespace PictureCodecs;

namespace {

// ---- A small baseline JPEG writer for pictures of flat 8 x 8 blocks ----
// Every component has 1 x 1 sampling and a quantisation of 8 everywhere, so a flat block's DC
// coefficient is exactly its value - 128 and the decoder gives the value back unchanged. The
// DC table is the standard luminance table, the AC table holds one code: end of block.

class BitWriter {
public:
    void Put(quint32 code, int length)
    {
        for (int i = length - 1; i >= 0; --i) {
            acc_ = acc_ << 1 | ((code >> i) & 1);
            if (++bits_ == 8)
                Flush();
        }
    }
    QByteArray Finish()
    {
        while (bits_ != 0)
            Put(1, 1); // padding with ones
        return out_;
    }

private:
    void Flush()
    {
        out_.append(char(acc_));
        if (acc_ == 0xFF)
            out_.append('\0');
        acc_ = 0;
        bits_ = 0;
    }
    QByteArray out_;
    quint32 acc_ = 0;
    int bits_ = 0;
};

constexpr uchar kDcCounts[16] = {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};

void Segment(QByteArray& b, uchar marker, const QByteArray& body)
{
    b.append(char(0xFF));
    b.append(char(marker));
    b.append(char((body.size() + 2) >> 8));
    b.append(char((body.size() + 2) & 0xFF));
    b += body;
}

// value(c, bx, by): component c of block (bx, by). adobeTransform: -1 writes no Adobe marker,
// 0 marks plain (inverted) CMYK, 2 YCCK.
QByteArray FlatJpeg(int w, int h, int comps, const std::function<int(int, int, int)>& value, int adobeTransform)
{
    QByteArray b("\xFF\xD8", 2);
    if (adobeTransform >= 0) {
        QByteArray adobe("Adobe");
        adobe += QByteArray("\x00\x64\x00\x00\x00\x00", 6);
        adobe.append(char(adobeTransform));
        Segment(b, 0xEE, adobe);
    }
    QByteArray dqt(1, '\0');
    dqt += QByteArray(64, char(8));
    Segment(b, 0xDB, dqt);
    QByteArray sof;
    sof.append(char(8));
    for (int v : {h >> 8, h & 0xFF, w >> 8, w & 0xFF, comps})
        sof.append(char(v));
    for (int c = 0; c < comps; ++c) {
        sof.append(char(c + 1));
        sof.append(char(0x11));
        sof.append('\0');
    }
    Segment(b, 0xC0, sof);
    QByteArray dht;
    dht.append('\0'); // DC, table 0
    dht += QByteArray(reinterpret_cast<const char*>(kDcCounts), 16);
    for (int v = 0; v < 12; ++v)
        dht.append(char(v));
    dht.append(char(0x10)); // AC, table 0: one code of one bit, end of block
    dht.append(char(1));
    dht += QByteArray(15, '\0');
    dht.append('\0');
    Segment(b, 0xC4, dht);
    QByteArray sos;
    sos.append(char(comps));
    for (int c = 0; c < comps; ++c) {
        sos.append(char(c + 1));
        sos.append('\0');
    }
    sos += QByteArray("\x00\x3F\x00", 3);
    Segment(b, 0xDA, sos);

    // Canonical codes of the DC table: symbol s has code dcCode[s] of dcLength[s] bits.
    quint32 dcCode[12];
    int dcLength[12];
    {
        quint32 code = 0;
        int symbol = 0;
        for (int l = 1; l <= 16; ++l) {
            for (int k = 0; k < kDcCounts[l - 1]; ++k) {
                dcCode[symbol] = code++;
                dcLength[symbol++] = l;
            }
            code <<= 1;
        }
    }
    BitWriter bits;
    std::vector<int> predictor(size_t(comps), 0);
    for (int by = 0; by < h / 8; ++by)
        for (int bx = 0; bx < w / 8; ++bx)
            for (int c = 0; c < comps; ++c) {
                const int dc = value(c, bx, by) - 128;
                const int diff = dc - predictor[size_t(c)];
                predictor[size_t(c)] = dc;
                int s = 0;
                while ((std::abs(diff) >> s) != 0)
                    ++s;
                bits.Put(dcCode[s], dcLength[s]);
                if (s > 0)
                    bits.Put(quint32(diff >= 0 ? diff : diff + (1 << s) - 1), s);
                bits.Put(0, 1); // end of block
            }
    b += bits.Finish();
    b += QByteArray("\xFF\xD9", 2);
    return b;
}

// Four test colours in C, M, Y, K as the file stores them, one per quarter of a 16 x 16 picture.
constexpr int kStored[4][4] = {{255, 255, 255, 255}, {40, 200, 120, 230}, {255, 0, 255, 128}, {10, 20, 30, 0}};
int Quarter(int bx, int by) { return by * 2 + bx; }

QRgb Inverted(const int* c)
{
    auto ch = [&](int i) { return (c[i] * c[3] + 127) / 255; };
    return qRgb(ch(0), ch(1), ch(2));
}
QRgb Plain(const int* c)
{
    auto ch = [&](int i) { return ((255 - c[i]) * (255 - c[3]) + 127) / 255; };
    return qRgb(ch(0), ch(1), ch(2));
}

int Diff(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// The worst channel difference between the picture's quarters and the expected colours.
int QuarterError(const TBitmap& b, const std::function<QRgb(const int*)>& expected)
{
    int worst = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            worst = std::max(worst, Diff(b.ScanLine(y)[x], expected(kStored[Quarter(x / 8, y / 8)])));
    return worst;
}

// A photo-like picture whose compressed data is spread over the whole file.
TBitmap Photo(int w, int h)
{
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.ScanLine(y)[x] = qRgb((x * 7 + y * 3) & 0xFF, (x * x + y) & 0xFF, (x ^ y) * 5 & 0xFF);
    return b;
}

// Offset of the first byte after the first start-of-scan header.
int ScanData(const QByteArray& jpeg)
{
    const int sos = jpeg.indexOf("\xFF\xDA");
    return sos < 0 ? -1 : sos + 2 + (uchar(jpeg[sos + 2]) << 8 | uchar(jpeg[sos + 3]));
}

} // namespace

TEST(JpegCodec, InvertedCmykWithoutTheYcckTransformOpensWithTheRightColours)
{
    const QByteArray file = FlatJpeg(16, 16, 4, [](int c, int bx, int by) { return kStored[Quarter(bx, by)][c]; }, 0);
    TBitmap b;
    bool damaged = true;
    ASSERT_TRUE(ReadJpeg(file, b, &damaged));
    EXPECT_FALSE(damaged);
    ASSERT_EQ(b.Width(), 16);
    ASSERT_EQ(b.Height(), 16);
    EXPECT_LE(QuarterError(b, Inverted), 1);
    EXPECT_EQ(b.ScanLine(0)[0], 0xFFFFFFFFu); // no ink at all: white
    EXPECT_EQ(b.ScanLine(15)[15] >> 24, 0xFFu);
    // Without the Adobe marker the values are ink amounts as they stand.
    const QByteArray plain = FlatJpeg(16, 16, 4, [](int c, int bx, int by) { return kStored[Quarter(bx, by)][c]; }, -1);
    ASSERT_TRUE(ReadJpeg(plain, b));
    EXPECT_LE(QuarterError(b, Plain), 1);
}

TEST(JpegCodec, YcckFilesAsTurboJpegWritesThemOpenWithTheRightColours)
{
    // CMYK pixels as the file stores them, compressed by TurboJPEG into YCCK with its Adobe
    // marker.
    std::vector<uchar> cmyk(16 * 16 * 4);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            for (int c = 0; c < 4; ++c)
                cmyk[size_t((y * 16 + x) * 4 + c)] = uchar(kStored[Quarter(x / 8, y / 8)][c]);
    tjhandle h = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    ASSERT_EQ(tjCompress2(h, cmyk.data(), 16, 16 * 4, 16, TJPF_CMYK, &out, &size, TJSAMP_444, 100, 0), 0);
    const QByteArray file(reinterpret_cast<const char*>(out), qsizetype(size));
    tjFree(out);
    tjDestroy(h);
    TBitmap b;
    ASSERT_TRUE(ReadJpeg(file, b));
    ASSERT_EQ(b.Width(), 16);
    EXPECT_LE(QuarterError(b, Inverted), 8); // JPEG loss
}

TEST(JpegCodec, DataThatEndsEarlyIsRefusedOrReadAsDamaged)
{
    QByteArray whole;
    const TBitmap photo = Photo(128, 96);
    ASSERT_TRUE(WriteJpeg(photo, 90, whole));
    TBitmap full;
    bool damaged = true;
    ASSERT_TRUE(ReadJpeg(whole, full, &damaged));
    EXPECT_FALSE(damaged);
    const int scan = ScanData(whole);
    ASSERT_GT(scan, 0);

    // Not even the first row of blocks: refused, the output untouched.
    for (int cut : {scan, scan + 1, scan + 8}) {
        TBitmap kept(3, 2);
        damaged = false;
        EXPECT_FALSE(ReadJpeg(whole.left(cut), kept, &damaged)) << cut;
        EXPECT_EQ(kept.Width(), 3);
        // An end-of-image mark written after the cut does not make it whole.
        EXPECT_FALSE(ReadJpeg(whole.left(cut) + "\xFF\xD9", kept)) << cut;
    }
    // Half the data: read as damaged, its top rows as in the whole file.
    for (const QByteArray& cut : {whole.left(scan + (whole.size() - scan) / 2),
                                  whole.left(scan + (whole.size() - scan) / 2) + "\xFF\xD9", whole.chopped(2)}) {
        TBitmap b;
        damaged = false;
        ASSERT_TRUE(ReadJpeg(cut, b, &damaged)) << cut.size();
        EXPECT_TRUE(damaged) << cut.size();
        ASSERT_EQ(b.Width(), 128);
        ASSERT_EQ(b.Height(), 96);
        for (int y = 0; y < 16; ++y)
            ASSERT_EQ(std::memcmp(b.ScanLine(y), full.ScanLine(y), 128 * 4), 0) << y;
    }
    // Garbage after a whole file does not make it damaged.
    ASSERT_TRUE(ReadJpeg(whole + QByteArray(100, '\0'), full, &damaged));
    EXPECT_FALSE(damaged);
}

TEST(JpegCodec, ProgressiveAndHandWrittenFilesThatEndEarly)
{
    // A progressive file is damaged once its first scan is whole; cut inside that scan's
    // first row it is refused.
    const QImage image = Photo(96, 64).Image();
    QByteArray progressive;
    {
        QBuffer buffer(&progressive);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setProgressiveScanWrite(true);
        ASSERT_TRUE(writer.write(image));
    }
    TBitmap b;
    bool damaged = true;
    ASSERT_TRUE(ReadJpeg(progressive, b, &damaged));
    EXPECT_FALSE(damaged);
    ASSERT_TRUE(ReadJpeg(progressive.left(progressive.size() * 3 / 4), b, &damaged));
    EXPECT_TRUE(damaged);
    EXPECT_EQ(b.Height(), 64);
    EXPECT_FALSE(ReadJpeg(progressive.left(ScanData(progressive) + 2), b));

    // The hand-written CMYK file: 2 rows of 2 blocks of 4 components; its first row is the
    // first 8 blocks.
    const QByteArray cmyk = FlatJpeg(16, 16, 4, [](int c, int bx, int by) { return kStored[Quarter(bx, by)][c]; }, 0);
    const int scan = ScanData(cmyk);
    EXPECT_FALSE(ReadJpeg(cmyk.left(scan + 1), b));
    const QByteArray halfway = cmyk.left(cmyk.size() - 3);
    ASSERT_TRUE(ReadJpeg(halfway, b, &damaged));
    EXPECT_TRUE(damaged);
    for (int x = 0; x < 16; ++x)
        EXPECT_LE(Diff(b.ScanLine(0)[x], Inverted(kStored[x / 8])), 1) << x;
}
