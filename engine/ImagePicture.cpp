#include "engine/ImagePicture.h"
#include "engine/Captions.h"
#include <QFileInfo>

TImagePicture::TImagePicture(QWidget* parent) : TImageTekst(parent) {}

void TImagePicture::InsertPic(const QString& FNavn)
{
    const QString remembered = FFilnavn;
    if (!QFileInfo(FNavn).isFile())
        return;
    TBitmap inserted;
    if (!LoadPictureFile(FNavn, inserted, false))
        return;
    if (FR.Width() == 0 || FR.Height() == 0)
        NewFocusRect(FR.Left, FR.Top, FR.Left + inserted.Width(), FR.Top + inserted.Height());
    FFilnavn = remembered;
    SaveUndo(Caption(FSprog, kUndoInsertPic));
    StartFigure(false);
    MetaBitmap().Canvas().StretchDraw(FR, inserted);
    if (FMetaMetode != mmNormal || FMetaTrans) {
        PlaceFigure();
    } else {
        FPicture.Canvas().StretchDraw(FR, inserted);
        Canvas().CopyRect(FR, FPicture.Canvas(), FR);
    }
    FModified = true;
    if (OnAutoPerform)
        OnAutoPerform(this, false);
    SetObjektState(true, 501);
}

void TImagePicture::AfterCopyToPic(const TRect& Dest)
{
    ShowPicture();
    DefFocusRect(Dest.Left, Dest.Top, Dest.Right, Dest.Bottom);
    Objekt = false;
    if (OnAutoPerform)
        OnAutoPerform(this, false);
    SetObjektState(false, -1);
}

void TImagePicture::CopyToPic(const TCanvas& SourceCan, const TRect& Source, const TRect& Dest)
{
    FPicture.Canvas().CopyRect(Dest, SourceCan, Source);
    AfterCopyToPic(Dest);
}

void TImagePicture::CopyToPic(const TRect& Dest, const TBitmap& Bitmap)
{
    FPicture.Canvas().StretchDraw(Dest, Bitmap);
    AfterCopyToPic(Dest);
}

void TImagePicture::GetBitmap(const TRect& PicRect, TBitmap& Bitmap)
{
    if (FSelected)
        FjernFocus();
    Bitmap.SetSize(PicRect.Right - PicRect.Left + 1, PicRect.Bottom - PicRect.Top + 1);
    Bitmap.Canvas().CopyRect(Bitmap.BoundsRect(), FPicture.Canvas(), PicRect);
}

void TImagePicture::UdskiftBitmap(const TBitmap& aBitmap)
{
    TWaitCursor wait;
    FPicture = aBitmap;
    AutoDimensioner();
    ShowPicture();
    DefFocusRect(0, 0, width(), height());
    Objekt = false;
}

void TImagePicture::TransKopierBitmap(const TBitmap& sourceBitmap, TBitmap& DestBitmap, TColor aTransFarve)
{
    const uint32_t trans = ToQRgb(aTransFarve);
    const int w = std::min(sourceBitmap.Width(), DestBitmap.Width());
    const int h = std::min(sourceBitmap.Height(), DestBitmap.Height());
    for (int y = 0; y < h; ++y) {
        const uint32_t* s = sourceBitmap.ScanLine(y);
        uint32_t* d = DestBitmap.ScanLine(y);
        for (int x = 0; x < w; ++x)
            if (s[x] != trans)
                d[x] = s[x];
    }
    DestBitmap.Canvas().Changed(Rect(0, 0, w, h));
}

void TImagePicture::LoadMetaBitmap()
{
    if (FPicture.Empty() || MetaBitmap().Empty())
        return;
    TWaitCursor wait;
    SaveUndo(Caption(FSprog, kUndoLoadMetaBitmap));
    FPicture = MetaBitmap();
    AutoDimensioner();
    ShowPicture();
    FCanScale = !FScaleFraFil;
    FCanEdit = true;
    DefFocusRect(0, 0, width(), height());
    Objekt = false;
    if (OnLoad)
        OnLoad(this, FPicture.Width(), FPicture.Height());
    SetObjektState(false, -1);
}

void TImagePicture::LoadUndoBitmap()
{
    if (FPicture.Empty() || EditBitmap.Empty())
        return;
    MetaBitmap() = EditBitmap;
    LoadMetaBitmap();
}

void TImagePicture::ViewPictureBitmap()
{
    TWaitCursor wait;
    SaveUndo(Caption(FSprog, kUndoViewPictureBitmap));
    Canvas().Draw(0, 0, FPicture);
    FCanEdit = true;
    DefFocusRect(0, 0, width(), height());
    SetObjektState(false, -1);
}
