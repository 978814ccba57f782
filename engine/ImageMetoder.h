#pragma once
#include "engine/ImageFocus.h"

// Fourth link: the colour helpers shared by the tools, the colour picker's event and the
// picture's file name.
class TImageMetoder : public TImageFocus {
public:
    explicit TImageMetoder(QWidget* parent = nullptr);

    QString Filnavn() const { return FFilnavn; }

    // Splits a colour 0..16777215 into its bytes. A system colour (negative) or any other
    // value outside that range is refused: the result is False and R, G and B are 0.
    static bool HentRGB(TColor F, uint8_t& R, uint8_t& G, uint8_t& B);
    // F1 with its red byte replaced: 0 if the red byte is 128 or more, else 255.
    static TColor GetTransCol1(TColor F1);
    // A colour different from F1 and F2.
    TColor GetTransCol2(TColor F1, TColor F2) const;
    // A colour chosen against F1 to F4 (it may equal one of them).
    TColor GetTransCol4(TColor F1, TColor F2, TColor F3, TColor F4) const;
    // R, G and B each from 0 to 254, drawn in that order.
    static TColor RandomColor();
    // Per-channel step from F1 to F2 over N colours.
    static void ColourSteps(TColor F1, TColor F2, int N, double& dR, double& dG, double& dB);
    static uint8_t ByteDiff(uint8_t A, uint8_t B) { return A > B ? A - B : B - A; }
    static uint8_t ByteMin(uint8_t A, uint8_t B) { return A < B ? A : B; }
    // Fires OnPixelInfo with the view's pixel at (X, Y).
    void ReportPixel(int X, int Y, TMouseButton Button);
    // The tool rectangle becomes the ordered bounding box of Poly[1..PolyCount].
    void PolyBounds();

    // The extension of a file name: the text after the last "." of the name after its last
    // "/", case kept; empty when the name has no ".".
    static QString GetExt(const QString& FNavn);
    // FNavn with its extension replaced by Ext (appended when it has none).
    static QString SetExt(const QString& FNavn, const QString& Ext);
    // Reads a ".jpg", ".bmp", ".ico", ".png", ".webp", ".tif"/".tiff" or ".gif" file
    // (extension in any case) into Bitmap, upright and opaque; records FNavn as Filnavn. False
    // for a missing, unreadable, damaged or unknown file (Bitmap untouched). A JPEG, PNG or GIF
    // whose data ends early but whose first rows are there is read as far as it goes;
    // FReadDamaged then tells that the rest is lost.
    bool LoadPictureFile(const QString& FNavn, TBitmap& Bitmap, bool AutoDim);
    // Writes Bitmap as ".jpg" (quality JpgKvalitet), ".bmp" or ".ico" (lower-case extension
    // only), or ".png" or ".webp" (any case); an empty raster is not written. A failed write
    // keeps the old file.
    bool SavePictureFile(const QString& FNavn, const TBitmap& Bitmap);
    // Whether SavePictureFile writes a file of this name's type (TIFF and GIF are only read).
    static bool Writable(const QString& FNavn);
    // Bitmap becomes a tiling of itself over a raster one pixel larger than the tool rectangle.
    void ReproducerCB(TBitmap& Bitmap);

    TPixInfo OnPixelInfo;

protected:
    QString FFilnavn;
    // The file of the last successful LoadPictureFile was damaged: only part of it was read.
    bool FReadDamaged = false;
};
