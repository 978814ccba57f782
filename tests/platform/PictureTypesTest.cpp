// PNG, WebP, TIFF and GIF reading and writing, and camera orientation.
#include "platform/PictureCodecs.h"
#include "tests/common/PictureFiles.h"
#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>
#include <csetjmp>
#include <gtest/gtest.h>
#include <png.h>

using namespace PictureCodecs;

namespace {

// Every pixel different: the column, the row and a mix in the three channels.
QRgb PatternAt(int x, int y) { return qRgb(x * 7 & 0xFF, y * 11 & 0xFF, (x * y + 3) & 0xFF); }

QImage Pattern(int w, int h, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, PatternAt(x, y));
    return image.convertToFormat(format);
}

TBitmap Bitmap(const QImage& image)
{
    TBitmap b;
    b.SetImage(image);
    return b;
}

// What a straight-alpha colour shows on white.
QRgb OnWhite(int r, int g, int b, int a)
{
    const auto mix = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
    return qRgb(mix(r), mix(g), mix(b));
}

// The rows of one PNG as libpng writes them (any colour type, depth and interlacing).
struct TPngSpec {
    int w, h, type, depth;
    bool interlaced = false;
    std::vector<png_color> palette;
    std::vector<png_byte> trns; // alpha of the palette entries
};

void Append(png_structp png, png_bytep d, size_t n)
{
    static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(d), qsizetype(n));
}

QByteArray WritePngRows(const TPngSpec& s, std::vector<std::vector<png_byte>>& rows)
{
    QByteArray out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, Append, nullptr);
    png_set_IHDR(png, info, png_uint_32(s.w), png_uint_32(s.h), s.depth, s.type,
                 s.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!s.palette.empty())
        png_set_PLTE(png, info, s.palette.data(), int(s.palette.size()));
    if (!s.trns.empty())
        png_set_tRNS(png, info, s.trns.data(), int(s.trns.size()), nullptr);
    png_write_info(png, info);
    std::vector<png_bytep> pointers;
    for (auto& row : rows)
        pointers.push_back(row.data());
    png_write_image(png, pointers.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

// A PNG of the pattern in 8-bit RGB, or in RGBA with alpha a(x, y).
QByteArray PatternPng(int w, int h, bool interlaced, int (*alpha)(int, int) = nullptr)
{
    const int channels = alpha ? 4 : 3;
    std::vector<std::vector<png_byte>> rows(size_t(h), std::vector<png_byte>(size_t(w) * channels));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            png_byte* p = &rows[size_t(y)][size_t(x) * channels];
            const QRgb c = PatternAt(x, y);
            p[0] = png_byte(qRed(c));
            p[1] = png_byte(qGreen(c));
            p[2] = png_byte(qBlue(c));
            if (alpha)
                p[3] = png_byte(alpha(x, y));
        }
    return WritePngRows({w, h, alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, 8, interlaced}, rows);
}

// The CRC of a PNG chunk (its type and data), bit by bit.
quint32 Crc32(const QByteArray& bytes)
{
    quint32 c = 0xFFFFFFFFu;
    for (const char b : bytes) {
        c ^= uchar(b);
        for (int k = 0; k < 8; ++k)
            c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    }
    return ~c;
}

int AlphaRamp(int x, int y) { return (x * 37 + y * 5) % 256; }

// The first row that differs from what expected gives, or -1 when all match.
int FirstBadRow(const TBitmap& b, const std::function<QRgb(int, int)>& expected)
{
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if ((b.ScanLine(y)[x] | 0xFF000000u) != (expected(x, y) | 0xFF000000u))
                return y;
    return -1;
}

} // namespace

TEST(Png, EveryColourTypeAndDepthReadsAsTheOpaquePicture)
{
    constexpr int w = 29, h = 17;
    for (const bool interlaced : {false, true}) {
        SCOPED_TRACE(interlaced ? "interlaced" : "plain");
        TBitmap b;
        bool damaged = true;
        ASSERT_TRUE(ReadPng(PatternPng(w, h, interlaced), b, &damaged));
        EXPECT_FALSE(damaged);
        EXPECT_EQ(b.Width(), w);
        EXPECT_EQ(FirstBadRow(b, PatternAt), -1);
        // Straight alpha is composed onto white.
        ASSERT_TRUE(ReadPng(PatternPng(w, h, interlaced, AlphaRamp), b));
        EXPECT_EQ(FirstBadRow(b, [](int x, int y) {
                      const QRgb c = PatternAt(x, y);
                      return OnWhite(qRed(c), qGreen(c), qBlue(c), AlphaRamp(x, y));
                  }),
                  -1);
    }
    // 16-bit grey and grey with alpha, rounded to 8 bits.
    std::vector<std::vector<png_byte>> rows(size_t(h), std::vector<png_byte>(size_t(w) * 4));
    const auto grey16 = [](int x, int y) { return (x * 2311 + y * 977) & 0xFFFF; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            png_byte* p = &rows[size_t(y)][size_t(x) * 4];
            p[0] = png_byte(grey16(x, y) >> 8);
            p[1] = png_byte(grey16(x, y));
            p[2] = x % 2 ? 0xFF : 0x00; // alpha 65535 or 0x00FF
            p[3] = 0xFF;
        }
    TBitmap b;
    ASSERT_TRUE(ReadPng(WritePngRows({w, h, PNG_COLOR_TYPE_GRAY_ALPHA, 16}, rows), b));
    EXPECT_EQ(FirstBadRow(b, [&](int x, int y) {
                  const int v = (grey16(x, y) * 255 + 32767) / 65535;
                  return x % 2 ? qRgb(v, v, v) : OnWhite(v, v, v, 1); // 0x00FF rounds to 1
              }),
              -1);
    // A palette of four, one entry half transparent, at two bits a pixel.
    TPngSpec palette{w, h, PNG_COLOR_TYPE_PALETTE, 2};
    palette.palette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {10, 20, 30}};
    palette.trns = {255, 255, 128};
    std::vector<std::vector<png_byte>> packed(size_t(h), std::vector<png_byte>(size_t(w + 3) / 4));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            packed[size_t(y)][size_t(x / 4)] |= png_byte(((x + y) % 4) << (6 - 2 * (x % 4)));
    ASSERT_TRUE(ReadPng(WritePngRows(palette, packed), b));
    EXPECT_EQ(FirstBadRow(b, [&](int x, int y) {
                  const png_color c = palette.palette[size_t((x + y) % 4)];
                  return OnWhite(c.red, c.green, c.blue, (x + y) % 4 == 2 ? 128 : 255);
              }),
              -1);
    // Qt's 16-bit RGBA and 1-bit files.
    ASSERT_TRUE(ReadPng(QtEncoded(Pattern(w, h, QImage::Format_RGBX64), "png"), b));
    EXPECT_EQ(FirstBadRow(b, PatternAt), -1);
    ASSERT_TRUE(ReadPng(QtEncoded(Pattern(w, h, QImage::Format_Mono), "png"), b));
    EXPECT_EQ(b.Width(), w);
}

TEST(Png, SavedFilesAreOpaqueRgbAndReadBackExactly)
{
    const TBitmap picture = Bitmap(Pattern(301, 7));
    QByteArray data;
    ASSERT_TRUE(WritePng(picture, data));
    EXPECT_EQ(data.at(24), 8) << "8 bits a channel";
    EXPECT_EQ(data.at(25), PNG_COLOR_TYPE_RGB);
    TBitmap back;
    ASSERT_TRUE(ReadPng(data, back));
    EXPECT_EQ(back.Image(), picture.Image());
    EXPECT_EQ(QImage::fromData(data, "png").convertToFormat(QImage::Format_RGB32), picture.Image());
    EXPECT_FALSE(WritePng(TBitmap(), data));
}

TEST(Png, AThumbnailKeepsEveryNthRowAndColumn)
{
    for (const bool alpha : {false, true}) {
        TBitmap b;
        ASSERT_TRUE(ReadPng(PatternPng(50, 31, false, alpha ? AlphaRamp : nullptr), b, nullptr, 4));
        EXPECT_EQ(b.Width(), 13);
        EXPECT_EQ(b.Height(), 8);
        EXPECT_EQ(FirstBadRow(b, [alpha](int x, int y) {
                      const QRgb c = PatternAt(4 * x, 4 * y);
                      return alpha ? OnWhite(qRed(c), qGreen(c), qBlue(c), AlphaRamp(4 * x, 4 * y)) : c;
                  }),
                  -1);
    }
    int w = 0, h = 0;
    EXPECT_TRUE(PngSize(PatternPng(50, 31, true), w, h));
    EXPECT_EQ(QSize(w, h), QSize(50, 31));
}

TEST(Png, CutDamagedHugeAndWrongFilesAreRefusedOrReadInPart)
{
    const QByteArray whole = PatternPng(200, 120, false);
    // Cut inside the pixel data: the rows before the cut are kept, the rest is white.
    TBitmap b;
    bool damaged = false;
    ASSERT_TRUE(ReadPng(whole.left(whole.size() / 2), b, &damaged));
    EXPECT_TRUE(damaged);
    EXPECT_EQ(b.Height(), 120);
    const int bad = FirstBadRow(b, PatternAt);
    EXPECT_GT(bad, 10);
    EXPECT_LT(bad, 120);
    EXPECT_EQ(b.ScanLine(119)[5], 0xFFFFFFFFu);
    // An interlaced file cut short keeps its passes on white.
    const QByteArray interlaced = PatternPng(64, 64, true);
    EXPECT_TRUE(ReadPng(interlaced.left(interlaced.size() * 3 / 4), b, &damaged));
    EXPECT_TRUE(damaged);
    // Nothing of the pixels, a broken checksum, another format, huge sizes: refused.
    TBitmap untouched = Bitmap(Pattern(3, 3));
    QByteArray crc = whole;
    crc[crc.indexOf("IDAT") + 100] = char(crc[crc.indexOf("IDAT") + 100] ^ 0x55);
    QByteArray wide = whole, large = whole;
    wide[16] = 0; // 0x00009C40 = 40,000 pixels wide
    wide[17] = 0;
    wide[18] = char(0x9C);
    wide[19] = 0x40;
    large[16] = 0; // 20,000 x 20,000: each side allowed, the whole too big
    large[17] = 0;
    large[18] = 0x4E;
    large[19] = 0x20;
    large[20] = 0;
    large[21] = 0;
    large[22] = 0x4E;
    large[23] = 0x20;
    // 16,000 x 16,000 within the limits, but far more rows than 20 kB can describe.
    QByteArray liar = whole;
    ASSERT_EQ(Crc32(whole.mid(12, 17)), qFromBigEndian<quint32>(whole.constData() + 29)) << "the header's own CRC";
    for (const int at : {16, 20}) {
        liar[at + 2] = 0x3E;
        liar[at + 3] = char(0x80);
    }
    const quint32 ihdrCrc = Crc32(liar.mid(12, 17));
    for (int i = 0; i < 4; ++i)
        liar[29 + i] = char(ihdrCrc >> (24 - 8 * i));
    for (const QByteArray& data :
         {whole.left(60), crc, wide, large, liar, QtEncoded(Pattern(8, 8), "bmp"), QByteArray()}) {
        EXPECT_FALSE(ReadPng(data, untouched));
        EXPECT_EQ(untouched.Width(), 3);
    }
}

TEST(QtTypes, WebpTiffAndGifReadAsOpaquePictures)
{
    const QImage pattern = Pattern(40, 30);
    TBitmap b;
    // Lossless WebP and TIFF come back exactly, lossy WebP close.
    ASSERT_TRUE(ReadPicture(ptWebp, QtEncoded(pattern, "webp", 100), b));
    EXPECT_EQ(b.Image(), pattern);
    ASSERT_TRUE(ReadPicture(ptTiff, QtEncoded(pattern, "tiff"), b));
    EXPECT_EQ(b.Image(), pattern);
    ASSERT_TRUE(ReadPicture(ptWebp, QtEncoded(pattern, "webp", 90), b));
    EXPECT_EQ(b.Image().size(), pattern.size());
    // Transparency on white, and 16-bit TIFF reduced to 8.
    QImage half = pattern.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < half.height(); ++y)
        for (int x = 0; x < half.width(); ++x)
            half.setPixel(x, y, (half.pixel(x, y) & 0xFFFFFF) | uint32_t(x * 6) << 24);
    for (const char* format : {"webp", "tiff"}) {
        ASSERT_TRUE(ReadPicture(format[0] == 'w' ? ptWebp : ptTiff, QtEncoded(half, format, 100), b)) << format;
        EXPECT_EQ(FirstBadRow(b, [&](int x, int y) {
                      const QRgb c = PatternAt(x, y);
                      return OnWhite(qRed(c), qGreen(c), qBlue(c), x * 6);
                  }),
                  -1)
            << format;
    }
    ASSERT_TRUE(ReadPicture(ptTiff, QtEncoded(Pattern(40, 30, QImage::Format_RGBX64), "tiff"), b));
    EXPECT_EQ(b.Image(), pattern);
    // A GIF's palette, its transparent entry on white.
    std::vector<int> pixels;
    for (int i = 0; i < 15; ++i)
        pixels.push_back(i % 4);
    ASSERT_TRUE(ReadPicture(ptGif, SmallGif(5, 3, {qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 255), qRgb(1, 2, 3)}, pixels, 3), b));
    EXPECT_EQ(FirstBadRow(b, [](int x, int y) {
                  static const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
                  return colours[(y * 5 + x) % 4];
              }),
              -1);
}

TEST(QtTypes, ACutGifOpensAsFarAsItGoesAndSaysSo)
{
    std::vector<int> pixels;
    for (int i = 0; i < 60 * 40; ++i)
        pixels.push_back(i / 60 % 4);
    const QByteArray gif = SmallGif(60, 40, {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(9, 9, 9)}, pixels);
    TBitmap b;
    bool damaged = true;
    ASSERT_TRUE(ReadPicture(ptGif, gif, b, &damaged));
    EXPECT_FALSE(damaged);
    ASSERT_TRUE(ReadPicture(ptGif, gif.left(gif.size() / 2), b, &damaged));
    EXPECT_TRUE(damaged);
    EXPECT_EQ(b.ScanLine(0)[5], 0xFFFF0000u);
    EXPECT_EQ(b.ScanLine(1)[5], 0xFF00FF00u);
    EXPECT_EQ(b.ScanLine(39)[5], 0xFFFFFFFFu) << "never reached: white";
}

TEST(QtTypes, DamagedHugeAndWrongFilesAreRefused)
{
    const QByteArray webp = QtEncoded(Pattern(40, 30), "webp", 100), tiff = QtEncoded(Pattern(40, 30), "tiff");
    const QByteArray gif = SmallGif(2, 2, {qRgb(0, 0, 0)}, {0, 0, 0, 0});
    QByteArray hugeGif = gif, hugeTiff = tiff;
    hugeGif[6] = hugeGif[8] = char(0xFF); // 65,535 x 65,535 (sides of 0xFFFF)
    hugeGif[7] = hugeGif[9] = char(0xFF);
    QByteArray liarGif = gif; // 2,000 x 2,000 pixels cannot come from some 50 bytes
    liarGif[6] = liarGif[8] = char(0xD0);
    liarGif[7] = liarGif[9] = char(0x07);
    // TIFF's width tag (256), a SHORT or a LONG, becomes 60,000.
    const int shortTag = hugeTiff.indexOf(QByteArray("\x00\x01\x03\x00\x01\x00\x00\x00", 8));
    const int tag = shortTag > 0 ? shortTag : hugeTiff.indexOf(QByteArray("\x00\x01\x04\x00\x01\x00\x00\x00", 8));
    ASSERT_GT(tag, 0);
    const quint32 big = 60000;
    std::memcpy(hugeTiff.data() + tag + 8, &big, shortTag > 0 ? 2 : 4);
    // A lossless WebP that claims 16,384 x 16,384 (its 14-bit sides all ones) in a few bytes.
    QByteArray hugeWebp = webp;
    ASSERT_EQ(hugeWebp.mid(12, 4), QByteArray("VP8L"));
    hugeWebp[21] = hugeWebp[22] = hugeWebp[23] = char(0xFF);
    hugeWebp[24] = char(hugeWebp[24] | 0x0F);
    // Damage inside the data never crashes; what is read keeps the picture's size.
    QByteArray scrambled = webp;
    for (int i = 30; i < scrambled.size(); i += 7)
        scrambled[i] = char(scrambled[i] ^ 0x5A);
    TBitmap read;
    if (ReadPicture(ptWebp, scrambled, read))
        EXPECT_EQ(read.Width(), 40);
    const struct {
        TPictureType type;
        QByteArray data;
    } refused[] = {{ptWebp, hugeWebp},{ptWebp, webp.left(webp.size() / 2)}, {ptWebp, tiff},    {ptTiff, webp},  {ptTiff, hugeTiff},
                   {ptTiff, tiff.left(40)},           {ptGif, hugeGif}, {ptGif, webp},   {ptGif, gif.left(12)},
                   {ptGif, liarGif},
                   // Found by fuzzing: files of a few bytes that Qt's reader paints as 1 GB pictures.
                   {ptGif, QByteArray("GIF87a\x00\x00\x00]\x00\x00\x00,\xF9)\x00\x00\x00\x00\x00" "4\x00\x00\x00" "bT\xFB\xC4", 29)},
                   {ptGif, QByteArray("GIF89GIF87a\x01\x00,\x00\x00\x00\x00\x04\x00\x02\x00,\x00\xAA`", 26)},                  {ptNone, gif}};
    for (const auto& r : refused) {
        TBitmap b = Bitmap(Pattern(3, 3));
        EXPECT_FALSE(ReadPicture(r.type, r.data, b)) << r.type;
        EXPECT_EQ(b.Width(), 3);
    }
}

TEST(QtTypes, TypesFollowTheExtensionAndOnlyPngAndWebpAreWritten)
{
    EXPECT_EQ(PictureTypeOf(u"PNG"), ptPng);
    EXPECT_EQ(PictureTypeOf(u"WebP"), ptWebp);
    EXPECT_EQ(PictureTypeOf(u"tif"), ptTiff);
    EXPECT_EQ(PictureTypeOf(u"TIFF"), ptTiff);
    EXPECT_EQ(PictureTypeOf(u"gif"), ptGif);
    EXPECT_EQ(PictureTypeOf(u"jpg"), ptNone);
    EXPECT_EQ(PictureTypeOf(u"pngx"), ptNone);
    const TBitmap picture = Bitmap(Pattern(33, 21));
    QByteArray data;
    ASSERT_TRUE(WritePicture(ptWebp, picture, data));
    EXPECT_TRUE(data.startsWith("RIFF"));
    TBitmap back;
    ASSERT_TRUE(ReadPicture(ptWebp, data, back));
    EXPECT_EQ(back.Image(), picture.Image()) << "lossless";
    ASSERT_TRUE(WritePicture(ptPng, picture, data));
    EXPECT_TRUE(data.startsWith("\x89PNG"));
    EXPECT_FALSE(WritePicture(ptTiff, picture, data));
    EXPECT_FALSE(WritePicture(ptGif, picture, data));
}

// Where stored pixel (c, r) of a w x h picture shows with each orientation, as EXIF defines
// them by where the stored first row and first column go.
QPoint Shown(int o, int c, int r, int w, int h)
{
    switch (o) {
    case 2: return {w - 1 - c, r};
    case 3: return {w - 1 - c, h - 1 - r};
    case 4: return {c, h - 1 - r};
    case 5: return {r, c};
    case 6: return {h - 1 - r, c};
    case 7: return {h - 1 - r, w - 1 - c};
    case 8: return {r, w - 1 - c};
    default: return {c, r};
    }
}

TEST(Orientation, EachOfTheEightShowsThePictureUpright)
{
    constexpr int w = 7, h = 4;
    const TBitmap stored = Bitmap(Pattern(w, h));
    for (int o = 0; o <= 9; ++o) {
        TBitmap b = stored;
        Orient(b, o);
        const bool turned = o >= 5 && o <= 8;
        ASSERT_EQ(b.Width(), turned ? h : w) << o;
        int wrong = 0;
        for (int r = 0; r < h; ++r)
            for (int c = 0; c < w; ++c) {
                const QPoint p = Shown(o, c, r, w, h);
                wrong += b.ScanLine(p.y())[p.x()] != stored.ScanLine(r)[c];
            }
        EXPECT_EQ(wrong, 0) << "orientation " << o;
    }
}

TEST(Orientation, AJpegOpensUprightAndIsSavedWithoutTheTag)
{
    // Flat 8 x 8 blocks keep their colours through JPEG.
    QImage blocks(32, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x)
            blocks.setPixel(x, y, qRgb(x / 8 * 60, y / 8 * 200, 90));
    QByteArray jpeg;
    ASSERT_TRUE(WriteJpeg(Bitmap(blocks), 95, jpeg));
    EXPECT_EQ(JpegOrientation(jpeg), 1);
    for (const bool bigEndian : {false, true})
        for (int o = 1; o <= 8; ++o) {
            const QByteArray tagged = WithOrientation(jpeg, o, bigEndian);
            ASSERT_EQ(JpegOrientation(tagged), o);
            TBitmap b;
            ASSERT_TRUE(ReadJpeg(tagged, b));
            for (int r = 4; r < 16; r += 8)
                for (int c = 4; c < 32; c += 8) {
                    const QPoint p = Shown(o, c, r, 32, 16);
                    const QRgb got = b.ScanLine(p.y())[p.x()], want = blocks.pixel(c, r);
                    EXPECT_NEAR(qRed(got), qRed(want), 3) << o;
                    EXPECT_NEAR(qGreen(got), qGreen(want), 3) << o;
                }
            // What is saved is the upright picture, without a tag that would turn it again.
            QByteArray saved;
            ASSERT_TRUE(WriteJpeg(b, 95, saved));
            EXPECT_EQ(JpegOrientation(saved), 1);
            TBitmap again;
            ASSERT_TRUE(ReadJpeg(saved, again));
            EXPECT_EQ(again.Width(), b.Width());
        }
    // Tags that cannot be read leave the picture as stored.
    QByteArray odd = WithOrientation(jpeg, 9);
    EXPECT_EQ(JpegOrientation(odd), 1);
    odd = WithOrientation(jpeg, 6);
    odd[4 + 2 + 6 + 4] = char(0xF0); // the first directory lies far outside the segment
    EXPECT_EQ(JpegOrientation(odd), 1);
    EXPECT_EQ(JpegOrientation(WithOrientation(jpeg, 6).left(20)), 1);
}

TEST(Orientation, ATurnedJpegDecodesToTheSamePixelsAsTurningAfterwards)
{
    QByteArray jpeg;
    ASSERT_TRUE(WriteJpeg(Bitmap(Pattern(77, 45)), 90, jpeg)); // 4:2:0, sides not blocks of 16
    TBitmap stored;
    ASSERT_TRUE(ReadJpeg(jpeg, stored));
    for (int o = 5; o <= 8; ++o) {
        TBitmap expected = stored, turned;
        Orient(expected, o);
        bool damaged = true;
        ASSERT_TRUE(ReadJpeg(WithOrientation(jpeg, o), turned, &damaged));
        EXPECT_FALSE(damaged);
        EXPECT_EQ(turned.Image(), expected.Image()) << o;
    }
    // Cut short, the turned photo opens as far as it goes and says so.
    const QByteArray big = [] {
        QByteArray data;
        WriteJpeg(Bitmap(Pattern(400, 300)), 90, data);
        return WithOrientation(data, 6);
    }();
    TBitmap part;
    bool damaged = false;
    ASSERT_TRUE(ReadJpeg(big.left(big.size() / 2), part, &damaged));
    EXPECT_TRUE(damaged);
    EXPECT_EQ(part.Width(), 300);
    EXPECT_FALSE(ReadJpeg(big.left(big.size() / 50), part));
}

TEST(Orientation, ATiffsOrientationIsAppliedToo)
{
    const QImage stored = Pattern(6, 3);
    TBitmap b;
    ASSERT_TRUE(ReadPicture(ptTiff, QtEncoded(stored, "tiff", -1, QImageIOHandler::TransformationRotate90), b));
    ASSERT_EQ(b.Width(), 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 6; ++c) {
            const QPoint p = Shown(6, c, r, 6, 3);
            EXPECT_EQ(b.ScanLine(p.y())[p.x()], stored.pixel(c, r));
        }
}
