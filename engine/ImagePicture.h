#pragma once
#include "engine/ImageTekst.h"

// Fifteenth link: picture insertion from files and the raster exchange with other components.
class TImagePicture : public TImageTekst {
public:
    explicit TImagePicture(QWidget* parent = nullptr);

    // A picture file stretched into the focus (a focus of the file's size when FR is empty).
    void InsertPic(const QString& FNavn);
    // A rectangle of another canvas, or a raster, stretched into Dest of the picture (no undo).
    void CopyToPic(const TCanvas& SourceCan, const TRect& Source, const TRect& Dest);
    void CopyToPic(const TRect& Dest, const TBitmap& Bitmap);
    // The picture's rectangle PicRect stretched into a raster one pixel larger each way.
    void GetBitmap(const TRect& PicRect, TBitmap& Bitmap);
    // The picture itself, not a copy.
    TBitmap& GetPicture() { return FPicture; }
    // The picture becomes a copy of aBitmap, without undo.
    void UdskiftBitmap(const TBitmap& aBitmap);
    // Copies the pixels of sourceBitmap that are not aTransFarve onto DestBitmap (where both exist).
    static void TransKopierBitmap(const TBitmap& sourceBitmap, TBitmap& DestBitmap, TColor aTransFarve);
    // The meta bitmap (the last figure on its background) becomes the picture.
    void LoadMetaBitmap();
    // The edit bitmap (the last copied or pasted picture) becomes the picture.
    void LoadUndoBitmap();
    // Redraws the view from the picture, with an undo step.
    void ViewPictureBitmap();

private:
    // Tool rectangle = Dest without selection; no object; events.
    void AfterCopyToPic(const TRect& Dest);
};
