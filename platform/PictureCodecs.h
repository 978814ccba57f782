#pragma once
#include "platform/Bitmap.h"
#include <QByteArray>
#include <QString>

class QIODevice;

// Readers and writers of the three picture file formats, working on bytes so that they can be
// fed anything. Every reader refuses (False, output untouched) damaged or truncated data, data
// of another format and pictures beyond the size limits, without allocating a claimed size.
namespace PictureCodecs {

// No raster side may exceed this many pixels, and no raster may take more bytes than kMaxBytes.
constexpr int kMaxSide = TBitmap::kMaxSide;
constexpr qint64 kMaxBytes = TBitmap::kMaxBytes;
// True when a w x h raster of 32-bit pixels is within the limits.
inline bool SizeAllowed(qint64 w, qint64 h) { return TBitmap::SizeAllowed(w, h); }

// JPEG (libjpeg-turbo), decoded straight into the raster's pixel layout.
bool ReadJpeg(const QByteArray& data, TBitmap& bitmap);
// quality 1..100 (clamped).
bool WriteJpeg(const TBitmap& bitmap, int quality, QByteArray& data);

// BMP: every variant Qt's reader knows (1 to 32 bits, top-down, compressed); written as 24 bits.
bool ReadBmp(QIODevice& device, TBitmap& bitmap);
bool ReadBmp(const QByteArray& data, TBitmap& bitmap);
bool WriteBmp(const TBitmap& bitmap, QByteArray& data);

// ICO: the largest entry (1, 4, 8, 24 or 32 bits with its mask) as a colour raster and a mask
// raster that is white where the icon is transparent and black elsewhere. The writer stores one
// 32-bit entry of the colour raster's size (also beyond 256 pixels) with an alpha channel and
// the mask; mask pixels that are white become transparent.
bool ReadIcon(const QByteArray& data, TBitmap& colour, TBitmap& mask);
bool WriteIcon(const TBitmap& colour, const TBitmap& mask, QByteArray& data);

// The whole file, or False.
bool ReadFile(const QString& path, QByteArray& data);
// Writes through a temporary file in the same folder renamed over the target, so a failed
// write never destroys the file that was there.
bool WriteFileSafely(const QString& path, const QByteArray& data);

} // namespace PictureCodecs
