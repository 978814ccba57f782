#pragma once
#include "platform/Bitmap.h"
#include "platform/PictureCodecs.h"
#include "platform/Color.h"
#include "platform/Types.h"
#include <QByteArray>
#include <QString>

// Which picture files a library panel lists; ftBegge lists every kind.
enum TFilType { ftBmp, ftJpg, ftIco, ftBegge };

// The kind of a picture file by its extension (the text after the last dot of the file name,
// any case), as the program reads files.
enum TBilKind { bkIngen, bkBmp, bkJpg, bkIco, bkPng, bkWebp, bkTiff, bkGif };
TBilKind BilKind(const QString& FNavn);
// The reader's type of the kinds beyond bmp, jpg and ico; ptNone for those three.
PictureCodecs::TPictureType PictureTypeOf(TBilKind kind);
// The same for a name or path in the file system's own bytes.
TBilKind BilKind(const QByteArray& LokaltNavn);

// How a thumbnail is drawn: its raster size, the room the picture is fitted into and where.
struct TThumbLayout {
    int W = 0, H = 0;       // the thumbnail raster
    int RoomW = 0, RoomH = 0; // the field's inner size the picture is fitted to
    bool RealDim = true;    // fill with FeltFarve and fit with margin and centring
    bool Scale = true;
    bool Centrer = true;
    int Margen = 0;
    TColor FeltFarve = clBtnFace;

    bool operator==(const TThumbLayout&) const = default;
};

// Where a picture of PicW x PicH lands in a thumbnail of Layout: never enlarged, fitted into the
// room less the margin, centred when asked; the whole thumbnail when scaled without RealDim;
// unscaled at the top-left corner without Scale.
TRect ThumbTarget(int PicW, int PicH, const TThumbLayout& Layout);

// One made thumbnail: the picture's own size and the raster; Ok False (size 0 x 0, blank
// raster) when the file could not be read.
struct TThumb {
    TBitmap Bitmap;
    int Bredde = 0, Hojde = 0;
    bool Ok = false;
};

// Reads the picture file and draws its thumbnail, upright. A JPEG is decoded at the smallest
// DCT scale that still covers its target, a PNG keeps only every n-th row and column that
// still do; damaged, empty, huge and unknown files give a blank thumbnail. Safe to run on a
// worker thread.
TThumb MakeThumb(const QString& FNavn, const TThumbLayout& Layout);
// The same for a path in the file system's own bytes (a name that is not valid UTF-8 has no
// QString that leads back to it).
TThumb MakeThumb(const QByteArray& LokalSti, const TThumbLayout& Layout);

// Reads a picture file whole (extension in any case); an icon takes its colour image with
// black pixels under the transparent mask painted 0x80C0C0. False, Bitmap untouched, for a
// file that cannot be read.
bool LoadLibraryPicture(const QString& FNavn, TBitmap& Bitmap);

// The icon rule: pixels that are transparent in the mask (white) and black in the colour image
// become 0x80C0C0.
void PaintIconBackground(TBitmap& Colour, const TBitmap& Mask);
