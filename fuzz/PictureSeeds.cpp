// Writes small valid PNG, WebP, TIFF and GIF files into <folder>/png, /webp, /tiff and /gif, for
// the fuzz programs to start from: plain and transparent pictures, a palette, 16 bits, lossy
// and lossless WebP, a turned TIFF.
#include "platform/PictureCodecs.h"
#include "tests/common/PictureFiles.h"
#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace {
QImage Picture(int w, int h, QImage::Format format)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgba(x * 40, y * 30, (x ^ y) * 20, 255 - x * 17));
    return image.convertToFormat(format);
}

void Put(const QString& folder, const char* kind, const char* name, const QByteArray& data)
{
    QDir().mkpath(folder + QLatin1Char('/') + QLatin1String(kind));
    QFile file(folder + QLatin1Char('/') + QLatin1String(kind) + QLatin1Char('/') + QLatin1String(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(data);
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    TBitmap plain;
    plain.SetImage(Picture(9, 7, QImage::Format_RGB32));
    QByteArray ours;
    PictureCodecs::WritePng(plain, ours);
    Put(folder, "png", "ours.png", ours);
    Put(folder, "png", "alpha.png", QtEncoded(Picture(9, 7, QImage::Format_ARGB32), "png"));
    Put(folder, "png", "palette.png", QtEncoded(Picture(9, 7, QImage::Format_Indexed8), "png"));
    Put(folder, "png", "grey16.png", QtEncoded(Picture(9, 7, QImage::Format_Grayscale16), "png"));
    Put(folder, "png", "rgba64.png", QtEncoded(Picture(5, 4, QImage::Format_RGBA64), "png"));
    Put(folder, "png", "mono.png", QtEncoded(Picture(17, 3, QImage::Format_Mono), "png"));
    Put(folder, "webp", "lossless.webp", QtEncoded(Picture(9, 7, QImage::Format_RGB32), "webp", 100));
    Put(folder, "webp", "lossy.webp", QtEncoded(Picture(9, 7, QImage::Format_RGB32), "webp", 70));
    Put(folder, "webp", "alpha.webp", QtEncoded(Picture(9, 7, QImage::Format_ARGB32), "webp", 100));
    Put(folder, "tiff", "rgb.tif", QtEncoded(Picture(9, 7, QImage::Format_RGB32), "tiff"));
    Put(folder, "tiff", "alpha.tif", QtEncoded(Picture(9, 7, QImage::Format_ARGB32), "tiff"));
    Put(folder, "tiff", "turned.tif",
        QtEncoded(Picture(9, 7, QImage::Format_RGB32), "tiff", -1, QImageIOHandler::TransformationRotate90));
    Put(folder, "tiff", "grey.tif", QtEncoded(Picture(9, 7, QImage::Format_Grayscale8), "tiff"));
    Put(folder, "gif", "plain.gif", SmallGif(3, 2, {qRgb(255, 0, 0), qRgb(0, 0, 255)}, {0, 1, 0, 1, 1, 0}));
    Put(folder, "gif", "transparent.gif",
        SmallGif(4, 2, {qRgb(0, 0, 0), qRgb(9, 9, 9), qRgb(200, 0, 0)}, {0, 1, 2, 1, 2, 0, 1, 2}, 1));
    return 0;
}
