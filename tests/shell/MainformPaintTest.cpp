// On screens with a device pixel ratio above 1 the pictures are drawn with nearest-pixel
// scaling: every screen pixel shows exactly one picture pixel's colour, never a blend.
#include "MainformFixture.h"
#include <QImage>
#include <QMdiArea>
#include <QSet>

namespace {

// A picture of one-pixel black and white squares: every neighbour differs, so any
// smoothing shows as a grey.
TBitmap Checkerboard(int w, int h)
{
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y) {
        uint32_t* line = b.ScanLine(y);
        for (int x = 0; x < w; ++x)
            line[x] = ((x + y) & 1) ? ToQRgb(clBlack) : ToQRgb(clWhite);
    }
    return b;
}

// The widget as a screen of the ratio shows it.
QImage RenderAt(QWidget& widget, qreal ratio)
{
    QImage image((QSizeF(widget.size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::red);
    widget.render(&image);
    return image;
}

QSet<QRgb> Colours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) | 0xFF000000);
    return colours;
}

} // namespace

TEST(MainformPaint, PictureComponentIsScaledByNearestPixelOnHighDensityScreens)
{
    TImagePic picture;
    picture.SetAutoDim(true);
    picture.SetPicture(Checkerboard(16, 12));
    ASSERT_EQ(picture.size(), QSize(16, 12));
    const QSet<QRgb> blackAndWhite{0xFF000000, 0xFFFFFFFF};
    for (qreal ratio : {2.0, 1.5, 3.0}) {
        const QImage shown = RenderAt(picture, ratio);
        EXPECT_EQ(Colours(shown), blackAndWhite) << "ratio " << ratio;
    }
    // At ratio 2 each picture pixel is a 2 x 2 block of its own colour.
    const QImage shown = RenderAt(picture, 2.0);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(shown.pixel(x, y) | 0xFF000000, ((x / 2 + y / 2) & 1) ? 0xFF000000u : 0xFFFFFFFFu)
                << x << "," << y;
}

TEST_F(MainformFixture, DocumentWindowShowsItsPictureUnsmoothedAtRatioTwo)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("checker.bmp", 20, 20));
    TImagePic& picture = *form.GForm()->Image;
    picture.SetPicture(Checkerboard(20, 20));
    const QImage shown = RenderAt(picture, 2.0);
    EXPECT_EQ(Colours(shown), (QSet<QRgb>{0xFF000000, 0xFFFFFFFF}));
}
