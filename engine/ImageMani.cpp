// Clear, cut to the focus, scaling, mirroring and quarter turns.
#include "engine/ImageMani.h"
#include "engine/PixelRows.h"
#include "platform/Transform.h"
#include <QFileInfo>
#include <algorithm>
#include <cmath>

TImageMani::TImageMani(QWidget* parent) : TImageProduTool(parent) {}

// ---- Frames shared by the operations ----

TRect TImageMani::TakeArea()
{
    if (!FSelected)
        FocusWholePicture();
    NormaliseFocus();
    FR = {X1, Y1, X2, Y2};
    return FR;
}

bool TImageMani::BeginFusedSnapshot(const TCaptionPair& caption)
{
    SaveUndo(Caption(FSprog, caption));
    if (FPicture.Empty())
        return false;
    FHistory.SetBaselineFormat(FPicture.PixelFormat());
    return true;
}

bool TImageMani::SnapshotBySwap(const TCaptionPair& caption)
{
    SaveUndo(Caption(FSprog, caption));
    if (FPicture.Empty())
        return false;
    // The step's picture before is UndoBitmap; the picture keeps its equal copy as memory to
    // reuse.
    const TPixelFormat format = FPicture.PixelFormat();
    FPicture.SwapPixels(UndoBitmap());
    FPicture.SetPixelFormat(format);
    return true;
}

void TImageMani::ShowRow(const uint32_t* row, int y, int x0, int x1)
{
    TBitmap& view = const_cast<TBitmap&>(View());
    if (y >= view.Height())
        return;
    x1 = std::min(x1, view.Width());
    if (x0 < x1)
        StreamCopy(view.ScanLine(y) + x0, row + x0, x1 - x0);
}

void TImageMani::EndOperation()
{
    FModified = true;
    if (OnAutoPerform)
        OnAutoPerform(this, false);
    SetObjektState(false, -1);
}

// ---- Clear and cut ----

void TImageMani::ClearAll(TColor Col)
{
    TCanvas& c = FPicture.Canvas();
    c.Pen.Color = Col;
    c.Brush.Color = Col;
    c.Rectangle(0, 0, width(), height());
    ApplyCanvasSettings();
    Canvas().Draw(0, 0, FPicture);
}

void TImageMani::CutToFocus()
{
    TWaitCursor wait;
    if (FSelected && RasterAllowed(Bredde, Hojde) && SnapshotBySwap(kUndoCutToFocus)) {
        FPicture.Reshape(Bredde, Hojde);
        FPicture.Canvas().CopyRect(NytR, UndoBitmap().Canvas(), FR);
        AutoDimensioner();
        ShowPicture();
    }
    Objekt = false;
    FObjektNr = -1;
    if (OnAutoPerform)
        OnAutoPerform(this, true);
    if (OnObjekt)
        OnObjekt(this, false, -1);
}

// ---- Scaling ----

bool TImageMani::RasterAllowed(qint64 w, qint64 h)
{
    const qint64 newBytes = w * h * 4;
    const qint64 oldBytes = qint64(FPicture.Width()) * FPicture.Height() * 4;
    FSizeRefused = !TBitmap::SizeAllowed(w, h) || !TBitmap::MemoryAllows(2 * newBytes + oldBytes);
    return !FSizeRefused;
}

bool TImageMani::ScaleInto(const TBitmap* source, int w, int h, const TCaptionPair& caption)
{
    if (!RasterAllowed(w, h))
        return false;
    // Without a separate source the picture itself is scaled: after the swap it is UndoBitmap.
    if (!SnapshotBySwap(caption))
        return false;
    const TBitmap& from = source ? *source : UndoBitmap();
    FPicture.Reshape(w, h);
    FPicture.Canvas().CopyRect(Rect(0, 0, w, h), from.Canvas(), from.BoundsRect());
    AutoDimensioner();
    ShowPicture();
    return true;
}

bool TImageMani::ScalePicture(int Procent)
{
    TWaitCursor wait;
    FSizeRefused = false;
    if (Procent == 0 || Procent == 100)
        return true;
    TBitmap file;
    if (FScaleFraFil && !LoadPictureFile(FFilnavn, file, false))
        return false;
    const TBitmap& source = FScaleFraFil ? file : FPicture;
    const TScaledSize size = ScaledByPercent(Procent, source.Width(), source.Height());
    const qint64 w = size.Width, h = size.Height;
    if (!RasterAllowed(w, h))
        return false;
    if (!ScaleInto(FScaleFraFil ? &file : nullptr, int(w), int(h), kUndoScale))
        return false;
    Objekt = false;
    FObjektNr = -1;
    if (OnScale)
        OnScale(this, int(w), int(h), Procent);
    if (OnObjekt)
        OnObjekt(this, false, -1);
    return true;
}

TImageMani::TScaledSize TImageMani::ScaledByPercent(qint64 Procent, qint64 W, qint64 H)
{
    if (Procent == 0 || Procent == 100)
        return {W, H};
    return {Procent * W / 100, Procent * H / 100};
}

TImageMani::TScaledSize TImageMani::ScaledToSide(bool ToWidth, qint64 Target, qint64 W, qint64 H)
{
    if (W <= 0 || H <= 0)
        return {};
    return ToWidth ? TScaledSize{Target, Target * H / W} : TScaledSize{Target * W / H, Target};
}

bool TImageMani::ScaleBy(TScaleKind kind, int target, const TCaptionPair& caption)
{
    FSizeRefused = false;
    if (FScaleFraFil && !QFileInfo::exists(FFilnavn))
        return false;
    TWaitCursor wait;
    TBitmap file;
    if (FScaleFraFil && !LoadPictureFile(FFilnavn, file, false))
        return false;
    const TBitmap& source = FScaleFraFil ? file : FPicture;
    if (source.Empty())
        return false;
    const TScaledSize size = ScaledToSide(kind == TScaleKind::ToWidth, target, source.Width(), source.Height());
    if (!RasterAllowed(size.Width, size.Height))
        return false;
    const int w = int(size.Width), h = int(size.Height);
    // Taken before scaling: the source may be the picture itself.
    const int side = kind == TScaleKind::ToWidth ? source.Width() : source.Height();
    if (!ScaleInto(FScaleFraFil ? &file : nullptr, w, h, caption))
        return false;
    if (OnScale)
        OnScale(this, w, h, 100.0 * target / side);
    SetObjektState(false, -1);
    return true;
}

bool TImageMani::ScaleHeight()
{
    return ScaleBy(TScaleKind::ToWidth, width(), kUndoScaleHeight);
}

bool TImageMani::ScaleHeight(int NewWidth)
{
    return ScaleBy(TScaleKind::ToWidth, NewWidth, kUndoScaleHeight);
}

bool TImageMani::ScaleWidth()
{
    return ScaleBy(TScaleKind::ToHeight, height(), kUndoScaleWidth);
}

bool TImageMani::ScaleWidth(int NewHeight)
{
    return ScaleBy(TScaleKind::ToHeight, NewHeight, kUndoScaleWidth);
}

void TImageMani::ScaleWH(int NewWidth, int NewHeight)
{
    if (FScaleFraFil && !QFileInfo::exists(FFilnavn))
        return;
    TWaitCursor wait;
    TBitmap file;
    if (FScaleFraFil && !LoadPictureFile(FFilnavn, file, false))
        return;
    if (!ScaleInto(FScaleFraFil ? &file : nullptr, NewWidth, NewHeight, kUndoNewSize))
        return;
    if (OnScale)
        OnScale(this, NewWidth, NewHeight, 0);
    SetObjektState(false, -1);
}

// ---- Mirror and turn ----

void TImageMani::Spejlvend(bool Lodret, bool Vandret, bool HeleBilledet)
{
    if (!FSelected || HeleBilledet)
        FocusWholePicture();
    if (!Vandret) {
        // Left and right only: every row is reversed in place of itself.
        RewriteRows(kUndoFlip, [&](const TBitmap& old, uint32_t* dst, int x0, int x1, int y) {
            const uint32_t* src = old.ScanLine(y);
            if (Lodret)
                PixelRows::Reverse(src + x0, dst + x0, x1 - x0);
            else
                std::copy(src + x0, src + x1, dst + x0);
        });
        return;
    }
    // Top and bottom exchanged: a row reads its mirror row, so the rows are exchanged in
    // pairs in the picture itself (each reversed too for left and right).
    RewriteArea(kUndoFlip, [&] {
        const TRect r = IntersectRect(FR, FPicture.BoundsRect());
        if (r.IsEmpty())
            return;
        for (int top = r.Top, bottom = r.Bottom - 1; top <= bottom; ++top, --bottom) {
            uint32_t* a = FPicture.ScanLine(top) + r.Left;
            uint32_t* b = FPicture.ScanLine(bottom) + r.Left;
            std::swap_ranges(a, a + (r.Right - r.Left), b);
            if (Lodret) {
                std::reverse(a, a + (r.Right - r.Left));
                if (top != bottom)
                    std::reverse(b, b + (r.Right - r.Left));
            }
        }
    });
}

void TImageMani::Drej(int Vend90Antal)
{
    TWaitCursor wait;
    const int turns = ((Vend90Antal % 4) + 4) % 4;
    if (turns != 0 && SnapshotBySwap(kUndoRotation)) {
        const int W = UndoBitmap().Width(), H = UndoBitmap().Height();
        if (turns % 2)
            FPicture.Reshape(H, W);
        else
            FPicture.Reshape(W, H);
        Transform::RotateQuarters(UndoBitmap(), FPicture, turns);
        AutoDimensioner();
        ShowPicture();
        if (turns % 2) {
            if (OnScale)
                OnScale(this, FPicture.Width(), FPicture.Height(), 0);
            else if (OnAutoPerform)
                OnAutoPerform(this, false);
        }
    }
    SetObjektState(false, -1);
}
