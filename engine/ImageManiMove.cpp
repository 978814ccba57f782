// Moving the whole picture, the last figure or the focus contents in steps.
#include "engine/ImageMani.h"

void TImageMani::Step(TFlytRetning Retning)
{
    switch (Retning) {
    case frLeft: MoveX -= MoveStep; break;
    case frRight: MoveX += MoveStep; break;
    case frUp: MoveY -= MoveStep; break;
    case frDown: MoveY += MoveStep; break;
    case frNone: break;
    }
}

void TImageMani::FlytBillede(TFlytRetning Retning)
{
    // An empty picture has nothing to move (and must not become a blank one).
    if (FPainting || FPicture.Empty())
        return;
    FPainting = true;
    FjernFocus();
    if (WithUndo) {
        SaveUndo(Caption(FSprog, kUndoPictureMove));
        WithUndo = false;
    }
    Step(Retning);
    // Every step redraws from the picture before the series, on the current brush.
    FPicture.Reshape(width(), height());
    TCanvas& c = FPicture.Canvas();
    const TBrush brush = c.Brush;
    c.Brush = {clWhite, bsSolid};
    c.FillRect(FPicture.BoundsRect());
    c.Brush = brush;
    c.FillRect(FPicture.BoundsRect());
    c.Draw(MoveX, MoveY, UndoBitmap());
    ShowPicture();
    FPainting = false;
    FModified = true;
    Objekt = false;
    if (OnAutoPerform)
        OnAutoPerform(this, false);
    SetObjektState(false, -1);
    if (OnPosition)
        OnPosition(this, MoveX, MoveY);
}

void TImageMani::Flyt(TFlytRetning Retning)
{
    if (FObjektNr == -1 || FPainting)
        return;
    FPainting = true;
    if (FSelected)
        WithUndo = true;
    if (WithUndo) {
        // The picture before the figure was drawn; the snapshot clears what could be redone.
        TBitmap beforeFigure = UndoBitmap();
        SaveUndo(Caption(FSprog, kUndoMove));
        RedoBitmap = std::move(beforeFigure);
        WithUndo = false;
        if (UndoBitmap().Empty())
            UndoBitmap() = FPicture;
        NormaliseFocus();
        FR = {X1, Y1, X2, Y2};
        Bredde = X2 - X1;
        Hojde = Y2 - Y1;
        if (Objekt && MetaBitmap().Empty())
            MetaBitmap() = FPicture;
        const TBitmap& from = Objekt ? MetaBitmap() : FPicture;
        EditBitmap = TBitmap(Bredde, Hojde);
        EditBitmap.Canvas().CopyRect(Rect(0, 0, Bredde, Hojde), from.Canvas(), FR);
        MoveX = X1;
        MoveY = Y1;
        MX1 = X1;
        MY1 = Y1;
        MX2 = X2;
        MY2 = Y2;
        MR = FR;
    }
    Step(Retning);
    const TRect before = MR;
    // The old place shows what was there before the figure, or before the series.
    const TBitmap& under = Objekt ? RedoBitmap : UndoBitmap();
    FPicture.Canvas().CopyRect(MR, under.Canvas(), MR);
    MX1 = MoveX;
    MY1 = MoveY;
    MX2 = MoveX + Bredde;
    MY2 = MoveY + Hojde;
    MR = {MX1, MY1, MX2, MY2};
    if (!Objekt) {
        FPicture.Canvas().Draw(MoveX, MoveY, EditBitmap);
    } else {
        const uint32_t trans = ToQRgb(MetaTransFarve), meta = ToQRgb(FMetaFarve);
        const TRect target = IntersectRect(MR, FPicture.BoundsRect());
        for (int y = target.Top; y < target.Bottom; ++y) {
            const uint32_t* e = std::as_const(EditBitmap).ScanLine(y - MoveY);
            uint32_t* p = FPicture.ScanLine(y);
            for (int x = target.Left; x < target.Right; ++x) {
                const uint32_t m = e[x - MoveX];
                if (m == trans)
                    continue;
                if (FMetaMetode == mmFarve && p[x] != meta)
                    continue;
                if (FMetaMetode == mmNotFarve && p[x] == meta)
                    continue;
                p[x] = m;
            }
        }
    }
    // Only the old and the new place change on the view.
    FjernFocus();
    const TRect changed = UnionRect(NormalizedRect(before), NormalizedRect(MR));
    Canvas().CopyRect(changed, FPicture.Canvas(), changed);
    FModified = true;
    FPainting = false;
    if (OnAutoPerform)
        OnAutoPerform(this, false);
    if (OnPosition)
        OnPosition(this, MoveX, MoveY);
}

void TImageMani::AnnullerFlytning()
{
    TWaitCursor wait;
    // Without a snapshot there is nothing to go back to: the picture is kept.
    if (!UndoBitmap().Empty()) {
        FPicture = UndoBitmap();
        ShowPicture();
    }
    WithUndo = true;
    if (OnAutoPerform)
        OnAutoPerform(this, false);
}

void TImageMani::ResetMove()
{
    MoveX = 0;
    MoveY = 0;
    WithUndo = true;
    if (OnPosition)
        OnPosition(this, 0, 0);
}

void TImageMani::MoveRtoFocusR()
{
    if (WithUndo)
        return;
    if (FSelected)
        FjernFocus();
    X1 = MX1;
    Y1 = MY1;
    X2 = MX2;
    Y2 = MY2;
    FR = MR;
}

void TImageMani::PladserObjekt(TMetaMetode TempMetode)
{
    if (MetaBitmap().Empty() || FSelected)
        return;
    const TMetaMetode saved = FMetaMetode;
    FMetaMetode = TempMetode;
    Flyt(frNone);
    FMetaMetode = saved;
}
