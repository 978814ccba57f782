// Copy, cut, paste and the clipboard picture as a whole picture.
#include "engine/Captions.h"
#include "engine/ImageEdit.h"

void TImageEdit::Copy()
{
    EditBitmap = TBitmap();
    if (FSelected) {
        FjernFocus();
        EditBitmap.SetSize(Bredde, Hojde);
        EditBitmap.Canvas().CopyRect(NytR, FPicture.Canvas(), FR);
    } else {
        FocusWholePicture();
        EditBitmap = FPicture;
    }
    if (!PutOnClipboard())
        return;
    SetObjektState(false, -1);
    if (OnAutoPerform)
        OnAutoPerform(this, false);
    if (OnCopy)
        OnCopy(this, EditBitmap);
}

void TImageEdit::Cut()
{
    Copy();
    // The step keeps the caption the undo command shows now.
    const QString caption = FInfoString;
    SaveUndo(caption);
    TCanvas& c = FPicture.Canvas();
    c.Brush.Color = FPapirfarve;
    c.FillRect(FR);
    c.Brush.Color = FBrushColor;
    ShowPicture();
    if (OnAutoPerform)
        OnAutoPerform(this, false);
}

void TImageEdit::Paste(bool Reproducer)
{
    // Nothing on the clipboard and nothing copied before: nothing to paste (and no tiling of
    // an empty picture).
    if (!FetchClipboard() || EditBitmap.Empty())
        return;
    TWaitCursor wait;
    if (PasteToFocus && !FSelected)
        FocusWholePicture();
    SaveUndo(Caption(FSprog, kUndoPaste));
    StartFigure(false);
    if (Reproducer)
        ReproducerCB(EditBitmap);
    const int w = EditBitmap.Width(), h = EditBitmap.Height();
    TCanvas& meta = MetaBitmap().Canvas();
    if (PasteToFocus) {
        meta.StretchDraw(FR, EditBitmap);
    } else {
        DefFocusRect(X1, Y1, X1 + w, Y1 + h);
        meta.Draw(X1, Y1, EditBitmap);
    }
    if (FMetaMetode != mmNormal || FMetaTrans || FSomEllipse) {
        TempEllipse = FSomEllipse;
        PlaceFigure();
        FModified = true;
    } else if (PasteToFocus) {
        FPicture.Canvas().StretchDraw(FR, EditBitmap);
        Canvas().CopyRect(FR, FPicture.Canvas(), FR);
        FModified = true;
    } else {
        DefFocusRect(X1, Y1, X1 + w, Y1 + h);
        FPicture.Canvas().Draw(X1, Y1, EditBitmap);
        ShowPicture();
    }
    SetObjektState(true, 500);
    if (OnAutoPerform)
        OnAutoPerform(this, false);
}

void TImageEdit::LoadFromCB()
{
    TWaitCursor wait;
    FetchClipboard();
    if (EditBitmap.Empty())
        return;
    FPicture.SetSize(EditBitmap.Width(), EditBitmap.Height());
    ResizeComponent(FPicture.Width(), FPicture.Height());
    if (!FPicture.Empty())
        SaveUndo(Caption(FSprog, kUndoLoadFromCB));
    DefFocusRect(0, 0, width(), height());
    if (OnLoad)
        OnLoad(this, FPicture.Width(), FPicture.Height());
    StartFigure(false);
    MetaBitmap() = EditBitmap;
    if (FSomEllipse) {
        TempEllipse = true;
        PlaceFigure();
        FModified = true;
    } else {
        FPicture = EditBitmap;
        ShowPicture();
    }
    FCanScale = !FScaleFraFil;
    FCanEdit = true;
    FFilnavn.clear();
    SetObjektState(true, 500);
}
