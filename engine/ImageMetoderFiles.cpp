// File-name helpers, picture file reading and writing, and the reproduce tiling.
#include "engine/ImageMetoder.h"
#include "platform/PictureCodecs.h"
#include <QFile>
#include <QFileInfo>

namespace {
// Index of the extension's "." in the name part of a path, or -1.
qsizetype ExtensionDot(const QString& name)
{
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? dot : -1;
}

// The program's icon rules: white pixels become transparent when written...
void IconFromPicture(const TBitmap& picture, TBitmap& colour, TBitmap& mask)
{
    colour = picture;
    mask = picture;
    for (int y = 0; y < picture.Height(); ++y) {
        uint32_t* c = colour.ScanLine(y);
        uint32_t* m = mask.ScanLine(y);
        for (int x = 0; x < picture.Width(); ++x) {
            const bool white = (c[x] & 0xFFFFFF) == 0xFFFFFF;
            m[x] = white ? 0xFFFFFFFFu : 0xFF000000u;
            if (white)
                c[x] = 0xFF000000u;
        }
    }
}

// ...and transparent black pixels become white when read; other transparent colours stay.
void PictureFromIcon(TBitmap& colour, const TBitmap& mask)
{
    for (int y = 0; y < colour.Height(); ++y) {
        uint32_t* c = colour.ScanLine(y);
        const uint32_t* m = mask.ScanLine(y);
        for (int x = 0; x < colour.Width(); ++x)
            if ((m[x] & 0xFFFFFF) == 0xFFFFFF && (c[x] & 0xFFFFFF) == 0)
                c[x] = 0xFFFFFFFFu;
    }
}
} // namespace

QString TImageMetoder::GetExt(const QString& FNavn)
{
    const qsizetype dot = ExtensionDot(FNavn);
    return dot < 0 ? QString() : FNavn.mid(dot + 1, 255);
}

QString TImageMetoder::SetExt(const QString& FNavn, const QString& Ext)
{
    const qsizetype dot = ExtensionDot(FNavn);
    return (dot < 0 ? FNavn : FNavn.left(dot)) + QLatin1Char('.') + Ext;
}

bool TImageMetoder::LoadPictureFile(const QString& FNavn, TBitmap& Bitmap, bool AutoDim)
{
    if (!QFileInfo(FNavn).isFile())
        return false;
    const QString ext = GetExt(FNavn).toLower();
    TBitmap read;
    bool damaged = false;
    if (ext == QLatin1String("bmp")) {
        QFile file(FNavn);
        if (!file.open(QIODevice::ReadOnly) || !PictureCodecs::ReadBmp(file, read))
            return false;
    } else if (ext == QLatin1String("jpg") || ext == QLatin1String("ico")) {
        QByteArray data;
        if (!PictureCodecs::ReadFile(FNavn, data))
            return false;
        if (ext == QLatin1String("jpg")) {
            if (!PictureCodecs::ReadJpeg(data, read, &damaged))
                return false;
        } else {
            TBitmap mask;
            if (!PictureCodecs::ReadIcon(data, read, mask))
                return false;
            PictureFromIcon(read, mask);
        }
    } else if (const PictureCodecs::TPictureType type = PictureCodecs::PictureTypeOf(ext); type != PictureCodecs::ptNone) {
        QByteArray data;
        if (!PictureCodecs::ReadFile(FNavn, data) || !PictureCodecs::ReadPicture(type, data, read, &damaged))
            return false;
    } else {
        return false;
    }
    Bitmap = std::move(read);
    FFilnavn = FNavn;
    FReadDamaged = damaged;
    if (AutoDim)
        AutoDimensioner();
    return true;
}

bool TImageMetoder::SavePictureFile(const QString& FNavn, const TBitmap& Bitmap)
{
    FjernFocus();
    if (Bitmap.Empty())
        return false;
    const QString ext = GetExt(FNavn);
    QByteArray data;
    bool encoded = false;
    if (ext == QLatin1String("jpg")) {
        encoded = PictureCodecs::WriteJpeg(Bitmap, FJpgKvalitet, data);
    } else if (ext == QLatin1String("bmp")) {
        encoded = PictureCodecs::WriteBmp(Bitmap, data);
    } else if (ext == QLatin1String("ico")) {
        TBitmap colour, mask;
        IconFromPicture(Bitmap, colour, mask);
        encoded = PictureCodecs::WriteIcon(colour, mask, data);
    } else {
        // PNG and WebP in any case, so that saving keeps the type of the file that was opened.
        encoded = PictureCodecs::WritePicture(PictureCodecs::PictureTypeOf(ext), Bitmap, data);
    }
    if (!encoded || !PictureCodecs::WriteFileSafely(FNavn, data))
        return false;
    FFilnavn = FNavn;
    return true;
}

bool TImageMetoder::Writable(const QString& FNavn)
{
    const QString ext = GetExt(FNavn);
    const PictureCodecs::TPictureType type = PictureCodecs::PictureTypeOf(ext);
    return ext == QLatin1String("jpg") || ext == QLatin1String("bmp") || ext == QLatin1String("ico")
        || type == PictureCodecs::ptPng || type == PictureCodecs::ptWebp;
}

void TImageMetoder::ReproducerCB(TBitmap& Bitmap)
{
    const int w = Bitmap.Width(), h = Bitmap.Height();
    const int tw = X2 - X1 + 1, th = Y2 - Y1 + 1;
    // A picture without pixels would never fill the tiling.
    if (w <= 0 || h <= 0 || !PictureCodecs::SizeAllowed(tw, th))
        return;
    TBitmap tiles(tw, th);
    for (int y = 0; y < th; y += h)
        for (int x = 0; x < tw; x += w)
            tiles.Canvas().Draw(x, y, Bitmap);
    Bitmap = std::move(tiles);
}
