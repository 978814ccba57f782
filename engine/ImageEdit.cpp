#include "engine/ImageEdit.h"
#include "engine/Captions.h"
#include <algorithm>

TImageEdit::TImageEdit(QWidget* parent) : TMetaImage(parent)
{
    PasteToFocus = true;
}

void TImageEdit::SaveUndo(const QString& caption)
{
    // A new step ends what could be redone (the history forgets it).
    BeginStep(caption);
    RedoBitmap = TBitmap();
}

void TImageEdit::ResetToolRect()
{
    DefFocusRect(0, 0, width(), height());
    SetObjektState(false, -1);
}

void TImageEdit::Undo()
{
    if (CanUndo())
        FPolyCount = 0;
    GoToStep(FHistory.Applied() - 1);
}

void TImageEdit::Redo()
{
    GoToStep(FHistory.Applied() + 1);
}

void TImageEdit::GoToStep(int Applied)
{
    // A step beyond either end changes nothing, but the tool rectangle and the events follow.
    if (const int target = std::clamp(Applied, 0, FHistory.Count()); target != FHistory.Applied()) {
        const int oldW = FPicture.Width(), oldH = FPicture.Height();
        FjernFocus();
        const TRect changed = FHistory.GoTo(target);
        ShowRestored(changed, FPicture.Width() != oldW || FPicture.Height() != oldH);
        NameUndoStep();
        RedoBitmap = TBitmap();
    }
    ResetToolRect();
    if (OnAutoPerform)
        OnAutoPerform(this, false);
}

void TImageEdit::SaveToMem()
{
    FjernFocus();
    GHBitmap = FPicture;
    FCanLoadFromMem = true;
}

void TImageEdit::LoadFromMem()
{
    SaveUndo(Caption(FSprog, kUndoLoadFromMem));
    FPicture = GHBitmap;
    AutoDimensioner();
    ShowPicture();
    ResetToolRect();
    if (OnLoad)
        OnLoad(this, width(), height());
}

void TImageEdit::DrawFreeTrail()
{
    Canvas().Polyline(Poly.data(), FPolyCount + 1);
}

void TImageEdit::StartFreeFocus(int X, int Y)
{
    if (NoFriFocus)
        return;
    if (FSelected)
        FjernFocus();
    Canvas().Pen.Mode = pmNot;
    Canvas().Pen.Style = psSolid;
    FPolyCount = 0;
    Poly[0] = {X, Y};
    DrawFreeTrail();
}

void TImageEdit::MoveFreeFocus(int X, int Y)
{
    if (NoFriFocus)
        return;
    DrawFreeTrail();
    if (X != Poly[FPolyCount].X && Y != Poly[FPolyCount].Y)
        ++FPolyCount;
    if (FPolyCount >= kFreeFocusCapacity) {
        FPolyCount = kFreeFocusCapacity;
        Poly[kFreeFocusCapacity] = {X, Y};
        DrawFreeTrail();
        CloseFreeFocus();
        NoFriFocus = true;
        if (OnFriFocus)
            OnFriFocus(this, NoFriFocus);
        MusNede = false;
        return;
    }
    Poly[FPolyCount] = {X, Y};
    DrawFreeTrail();
}

void TImageEdit::CloseFreeFocus()
{
    if (NoFriFocus)
        return;
    DrawFreeTrail();
    ++FPolyCount;
    Poly[FPolyCount] = Poly[0];
    Canvas().Pen.Style = FPenStyle;
    Canvas().Pen.Mode = pmCopy;
    CopyFreeFocus();
    FPolyCount = 0;
}

void TImageEdit::CopyFreeFocus()
{
    PolyBounds();
    TakeFocusSize();
    FR = {X1, Y1, X2, Y2};
    const TColor a = GetTransCol1(FTransFarve);
    EditBitmap = TBitmap(Bredde, Hojde);
    // The mask covers the focus rectangle: the view's pixels inside the outline,
    // TransFarve outside it.
    TBitmap mask(Bredde, Hojde);
    TCanvas& mc = mask.Canvas();
    mc.Pen.Color = FTransFarve;
    mc.Brush.Color = FTransFarve;
    mc.FillRect(mask.BoundsRect());
    mc.Pen.Color = a;
    mc.Brush.Color = a;
    std::vector<TPoint> outline(Poly.begin(), Poly.begin() + FPolyCount + 1);
    for (TPoint& p : outline)
        p = {p.X - X1, p.Y - Y1};
    mc.Polygon(outline);
    const uint32_t inside = ToQRgb(a);
    const TBitmap& view = View();
    for (int y = 0; y < mask.Height(); ++y) {
        uint32_t* m = mask.ScanLine(y);
        const int vy = y + Y1;
        const uint32_t* v = vy >= 0 && vy < view.Height() ? view.ScanLine(vy) : nullptr;
        for (int x = 0; x < mask.Width(); ++x) {
            const int vx = x + X1;
            if (m[x] == inside)
                m[x] = v && vx >= 0 && vx < view.Width() ? v[vx] : ToQRgb(FTransFarve);
        }
    }
    EditBitmap.Canvas().CopyRect(NytR, mask.Canvas(), mask.BoundsRect());
    if (!PutOnClipboard())
        return;
    SetObjektState(false, -1);
    if (OnAutoPerform)
        OnAutoPerform(this, false);
    if (OnCopy)
        OnCopy(this, EditBitmap);
}
