#include "engine/ImageFile.h"
#include "engine/Captions.h"
#include <QFileInfo>

TImageFile::TImageFile(QWidget* parent) : TImageEdit(parent) {}

void TImageFile::NewBitmap(int B, int H)
{
    FjernFocus();
    if (!TBitmap::SizeAllowed(B, H))
        return;
    FPicture.SetSize(B, H);
    AutoDimensioner();
    TCanvas& c = FPicture.Canvas();
    c.Brush.Color = FPapirfarve;
    c.Brush.Style = bsSolid;
    c.FillRect(Rect(0, 0, width(), height()));
    ApplyCanvasSettings();
    ShowPicture();
    DefFocusRect(0, 0, width(), height());
    Objekt = false;
    FCanEdit = true;
    FFilnavn.clear();
    FCanScale = !FScaleFraFil;
    FModified = false;
    SetObjektState(false, -1);
}

void TImageFile::InitBitmap(const QString& Fnavn)
{
    FDamaged = false;
    if (!LoadPictureFile(Fnavn, FPicture, true))
        return;
    FDamaged = FReadDamaged;
    FFilnavn = Fnavn;
    FCanScale = true;
    FCanEdit = true;
    AutoDimensioner();
    DefFocusRect(0, 0, width(), height());
    // A control that changed its size repaints; no event fires and Modified stays False.
    Paint();
    FModified = false;
}

bool TImageFile::LoadBitmap(const QString& FNavn)
{
    if (!FPicture.Empty())
        SaveUndo(Caption(FSprog, kUndoLoadBitmap));
    FPicture = TBitmap();
    FDamaged = false;
    if (!QFileInfo(FNavn).isFile() || !LoadPictureFile(FNavn, FPicture, true))
        return false;
    FDamaged = FReadDamaged;
    if (FPicture.Width() == 0 || FPicture.Height() == 0) {
        FPicture.SetSize(200, 200);
        AutoDimensioner();
        FPicture.Canvas().Brush.Color = FPapirfarve;
        FPicture.Canvas().FillRect(FPicture.BoundsRect());
    }
    ApplyCanvasSettings();
    ShowPicture();
    FCanScale = true;
    FCanEdit = true;
    DefFocusRect(0, 0, width(), height());
    FModified = false;
    SetObjektState(false, -1);
    if (OnLoad)
        OnLoad(this, width(), height());
    return true;
}

bool TImageFile::SaveBitmap(const QString& FNavn)
{
    if (!SavePictureFile(FNavn, FPicture))
        return false;
    FCanScale = true;
    FModified = false;
    return true;
}

void TImageFile::LoadMemPic(const QString& FNavn)
{
    if (LoadPictureFile(FNavn, GHBitmap, true))
        FCanLoadFromMem = true;
}

void TImageFile::SaveMemPic(const QString& FNavn)
{
    if (!GHBitmap.Empty())
        SavePictureFile(FNavn, GHBitmap);
}
