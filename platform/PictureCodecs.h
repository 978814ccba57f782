#pragma once
#include "platform/Bitmap.h"
#include "platform/SafeWrite.h"
#include <QByteArray>
#include <QString>
#include <QStringView>

class QIODevice;

// Readers and writers of the picture file formats, working on bytes so that they can be
// fed anything. Every reader refuses (False, output untouched) damaged or truncated data, data
// of another format and pictures beyond the size limits, without allocating a claimed size.
namespace PictureCodecs {

// No raster side may exceed this many pixels, and no raster may take more bytes than kMaxBytes.
constexpr int kMaxSide = TBitmap::kMaxSide;
constexpr qint64 kMaxBytes = TBitmap::kMaxBytes;
// True when a w x h raster of 32-bit pixels is within the limits.
inline bool SizeAllowed(qint64 w, qint64 h) { return TBitmap::SizeAllowed(w, h); }

// JPEG (libjpeg-turbo), decoded straight into the raster's pixel layout. Four-component files
// (CMYK, or YCCK as print and photo programs write them; inverted when an Adobe marker says
// so) are converted to the raster's colours. Data that ends early is refused when not even the
// first row of blocks of its first scan is there; otherwise the picture is read as far as it
// goes and *damaged (when given) becomes True. A whole file leaves *damaged False. An EXIF
// orientation is applied (Orient below), so the raster is the upright picture.
bool ReadJpeg(const QByteArray& data, TBitmap& bitmap, bool* damaged = nullptr);
// quality 1..100 (clamped).
bool WriteJpeg(const TBitmap& bitmap, int quality, QByteArray& data);

// BMP: every variant Qt's reader knows (1 to 32 bits, top-down, compressed); written as 24 bits.
// Damage that Qt would pass over silently is refused first: bit fields whose three masks are
// all 0, and run-length data (RLE4, RLE8) whose runs, absolute runs or deltas go past the end
// of a row or of the picture, that encodes more rows than the picture has or that ends before
// its end-of-bitmap mark.
bool ReadBmp(QIODevice& device, TBitmap& bitmap);
bool ReadBmp(const QByteArray& data, TBitmap& bitmap);
bool WriteBmp(const TBitmap& bitmap, QByteArray& data);

// ICO: the largest entry (1, 4, 8, 24 or 32 bits with its mask) as a colour raster and a mask
// raster that is white where the icon is transparent and black elsewhere. The writer stores one
// 32-bit entry of the colour raster's size (also beyond 256 pixels) with an alpha channel and
// the mask; mask pixels that are white become transparent. An entry whose directory claims 0
// bytes, or a bitmap entry whose header height is not twice the directory's height (colour plus
// mask rows; a directory height of 0 stands for 256 or more), makes the file damaged.
bool ReadIcon(const QByteArray& data, TBitmap& colour, TBitmap& mask);
bool WriteIcon(const TBitmap& colour, const TBitmap& mask, QByteArray& data);

// PNG, WebP, TIFF and GIF: the types read beyond the three above, chosen by the file's
// extension (without the dot, any case: "png", "webp", "tif" or "tiff", "gif").
enum TPictureType { ptNone, ptPng, ptWebp, ptTiff, ptGif };
TPictureType PictureTypeOf(QStringView ext);
// Reads a picture of one of those types as an opaque raster: transparency is composed onto
// white, 16 bits a channel become 8, a TIFF's orientation is applied, and only a TIFF's first
// page and a GIF's first frame are read. Refused like the readers above; a PNG or GIF that ends
// early keeps what was read before the end (the rest white) and sets *damaged.
bool ReadPicture(TPictureType type, const QByteArray& data, TBitmap& bitmap, bool* damaged = nullptr);
// PNG through libpng. With step > 1 only every step-th row and column is kept (thumbnails):
// the raster is about w/step x h/step and the file's rows pass through one row of memory.
bool ReadPng(const QByteArray& data, TBitmap& bitmap, bool* damaged = nullptr, int step = 1);
// Pixels with straight alpha (Qt's Format_ARGB32) become the opaque colours they show on white.
void ComposeOnWhite(uint32_t* pixels, int n);
// The picture size a PNG's header gives, without decoding; False for anything but a PNG.
bool PngSize(const QByteArray& data, int& w, int& h);
// WebP, TIFF or GIF through Qt's reader of that format ("webp", "tiff", "gif"); a picture of
// more than mostPixels pixels (when not negative) is refused before it is read.
bool ReadWithQt(const QByteArray& data, const char* format, TBitmap& bitmap, qint64 mostPixels = -1);
// PNG: 8-bit RGB, lossless; WebP: lossless. False for the types that are only read.
bool WritePicture(TPictureType type, const TBitmap& bitmap, QByteArray& data);
bool WritePng(const TBitmap& bitmap, QByteArray& data);
bool WriteWebp(const TBitmap& bitmap, QByteArray& data);

// Camera orientation, numbered as in EXIF: 1 as stored, 2 mirrored left-right, 3 half turn,
// 4 mirrored top-bottom, 5 transposed, 6 turned clockwise, 7 transverse, 8 turned anticlockwise.
// The orientation a JPEG's EXIF segment gives; 1 when it has none or it cannot be read.
int JpegOrientation(const QByteArray& data);
// Turns and mirrors a picture stored with that orientation so that it shows upright.
void Orient(TBitmap& bitmap, int orientation);

// The whole file, or False.
bool ReadFile(const QString& path, QByteArray& data);
// The program's one safe write (platform/SafeWrite.h), also reachable by this name.
using ::WriteFileSafely;

} // namespace PictureCodecs
