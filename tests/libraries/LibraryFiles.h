#pragma once
#include "platform/Bitmap.h"
#include "platform/PictureCodecs.h"
#include <QDir>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// Pictures written into a test folder: one colour, or a pattern that tells pixels apart.
inline TBitmap Filled(int w, int h, TColor c)
{
    TBitmap b(w, h);
    b.Canvas().Brush = {c, bsSolid};
    b.Canvas().FillRect(b.BoundsRect());
    return b;
}

inline TBitmap Pattern(int w, int h)
{
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y) {
        uint32_t* line = b.ScanLine(y);
        for (int x = 0; x < w; ++x)
            line[x] = ToQRgb(RGB((x * 255) / std::max(1, w - 1), (y * 255) / std::max(1, h - 1), 128));
    }
    return b;
}

inline void WriteBytes(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(data), data.size());
}

inline void WriteBmpFile(const QString& path, const TBitmap& b)
{
    QByteArray data;
    ASSERT_TRUE(PictureCodecs::WriteBmp(b, data));
    WriteBytes(path, data);
}

inline void WriteJpegFile(const QString& path, const TBitmap& b, int quality = 95)
{
    QByteArray data;
    ASSERT_TRUE(PictureCodecs::WriteJpeg(b, quality, data));
    WriteBytes(path, data);
}

inline void WriteIconFile(const QString& path, const TBitmap& colour, const TBitmap& mask)
{
    QByteArray data;
    ASSERT_TRUE(PictureCodecs::WriteIcon(colour, mask, data));
    WriteBytes(path, data);
}

inline QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
