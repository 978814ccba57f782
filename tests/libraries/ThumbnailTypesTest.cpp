// Thumbnails and library pictures of PNG, WebP, TIFF and GIF files, and of turned photos.
#include "LibraryFiles.h"
#include "libraries/Thumbnail.h"
#include "platform/PictureCodecs.h"
#include "tests/common/PictureFiles.h"
#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const TThumbLayout kLayout{107, 90, 108, 91, true, true, true, 4, clGray};

// Left half red, right half blue.
TBitmap Halves(int w, int h)
{
    TBitmap b = Filled(w, h, clRed);
    b.Canvas().Brush = {clBlue, bsSolid};
    b.Canvas().FillRect(Rect(w / 2, 0, w, h));
    return b;
}

QByteArray Encoded(TBitmap (*make)(int, int), int w, int h, PictureCodecs::TPictureType type)
{
    QByteArray data;
    PictureCodecs::WritePicture(type, make(w, h), data);
    return data;
}

// The thumbnail's colour at a point of the target, given as fractions of it.
TColor At(const TThumb& t, double fx, double fy)
{
    const TRect r = ThumbTarget(t.Bredde, t.Hojde, kLayout);
    return t.Bitmap.Canvas().Pixels(r.Left + int(fx * r.Width()), r.Top + int(fy * r.Height()));
}
} // namespace

TEST(ThumbnailTypes, EachTypeGivesItsThumbnailAndLibraryPicture)
{
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    WriteBytes(path("big.png"), Encoded(Halves, 900, 600, PictureCodecs::ptPng));
    WriteBytes(path("b.WEBP"), Encoded(Halves, 90, 60, PictureCodecs::ptWebp));
    QByteArray tiff;
    {
        QBuffer buffer(&tiff);
        buffer.open(QIODevice::WriteOnly);
        Halves(90, 60).Image().save(&buffer, "tiff");
    }
    WriteBytes(path("c.tif"), tiff);
    std::vector<int> pixels;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 9; ++x)
            pixels.push_back(x < 4 ? 0 : 1);
    WriteBytes(path("d.gif"), SmallGif(9, 6, {qRgb(255, 0, 0), qRgb(0, 0, 255)}, pixels));
    for (const char* name : {"big.png", "b.WEBP", "c.tif", "d.gif"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(BilKind(QString::fromLatin1(name)), bkIngen);
        EXPECT_NE(BilKind(QByteArray(name)), bkIngen);
        const TThumb t = MakeThumb(path(name), kLayout);
        ASSERT_TRUE(t.Ok);
        EXPECT_EQ(t.Bredde * 2, t.Hojde * 3);
        EXPECT_EQ(At(t, 0.1, 0.5), clRed);
        EXPECT_EQ(At(t, 0.9, 0.5), clBlue);
        TBitmap whole;
        ASSERT_TRUE(LoadLibraryPicture(path(name), whole));
        EXPECT_EQ(whole.Width(), t.Bredde);
    }
    // Damaged and mislabelled files give blank thumbnails.
    const QByteArray png = ReadBytes(path("big.png"));
    WriteBytes(path("cut.png"), png.left(30));
    WriteBytes(path("jpeg.png"), ReadBytes(path("b.WEBP")));
    WriteBytes(path("cut.gif"), ReadBytes(path("d.gif")).left(15));
    for (const char* name : {"cut.png", "jpeg.png", "cut.gif"}) {
        EXPECT_FALSE(MakeThumb(path(name), kLayout).Ok) << name;
        TBitmap untouched = Filled(2, 2, clRed);
        EXPECT_FALSE(LoadLibraryPicture(path(name), untouched)) << name;
        EXPECT_EQ(untouched.Width(), 2);
    }
}

TEST(ThumbnailTypes, ATurnedPhotosThumbnailIsUpright)
{
    QTemporaryDir dir;
    QByteArray jpeg;
    ASSERT_TRUE(PictureCodecs::WriteJpeg(Halves(640, 320), 95, jpeg));
    // Turned clockwise to show: the stored left half (red) is on top.
    WriteBytes(dir.filePath("phone.jpg"), WithOrientation(jpeg, 6));
    const TThumb t = MakeThumb(dir.filePath("phone.jpg"), kLayout);
    ASSERT_TRUE(t.Ok);
    EXPECT_EQ(t.Bredde, 320);
    EXPECT_EQ(t.Hojde, 640);
    const auto red = [](TColor c) { return (c & 0xFF) > 200 && ((c >> 16) & 0xFF) < 60; };
    const auto blue = [](TColor c) { return (c & 0xFF) < 60 && ((c >> 16) & 0xFF) > 200; };
    EXPECT_TRUE(red(At(t, 0.5, 0.1)));
    EXPECT_TRUE(blue(At(t, 0.5, 0.9)));
    TBitmap whole;
    ASSERT_TRUE(LoadLibraryPicture(dir.filePath("phone.jpg"), whole));
    EXPECT_EQ(whole.Width(), 320);
    EXPECT_TRUE(red(whole.Canvas().Pixels(160, 10)));
}
