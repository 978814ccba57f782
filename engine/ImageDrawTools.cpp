// Fills, spray and frames of the drawing link.
#include "engine/ImageDraw.h"
#include "engine/ToolCaptions.h"
#include "platform/Random.h"
#include "util/Near.h"
#include "widgets/RammeX.h"
#include <cmath>

// The view shows the picture, so the region is filled in the picture and the painted
// rectangle is copied to the view: one fill instead of two on big pictures.
void TImageDraw::FillWith(int X, int Y, TFillStyle style)
{
    if (!PointAllowed(X, Y))
        return;
    TakePressSnapshot();
    TCanvas& c = FPicture.Canvas();
    const TColor key = style == fsSurface ? c.Pixels(X, Y) : FPenColor;
    const TRect changed = c.FloodFill(X, Y, key, style);
    if (!changed.IsEmpty())
        Canvas().CopyRect(changed, c, changed);
    FModified = true;
    Objekt = false;
    FObjektNr = -1;
    FocusWholePicture();
    if (OnObjekt)
        OnObjekt(this, false, -1);
}

void TImageDraw::FillAt(int X, int Y)
{
    FillWith(X, Y, fsSurface);
}

void TImageDraw::FillToAt(int X, int Y)
{
    FillWith(X, Y, fsBorder);
}

void TImageDraw::SprayDown(int X, int Y)
{
    FMetaTrans = true;
    StartFigure(true);
    TakePressSnapshot();
    SprayAt(X, Y);
    sprayX = X;
    sprayY = Y;
}

void TImageDraw::SprayMove(int X, int Y)
{
    if (std::abs(sprayX - X) <= SprayRadius && std::abs(sprayY - Y) <= SprayRadius)
        return;
    SprayAt(X, Y);
    sprayX = X;
    sprayY = Y;
}

void TImageDraw::SprayAt(int cx, int cy)
{
    const int R = SprayRadius, side = 2 * R + 1;
    X1 = cx - R;
    X2 = cx + R;
    Y1 = cy - R;
    Y2 = cy + R;
    const int tries = side * SprayProcent * side / 100;
    std::vector<TPoint> dots;
    for (int i = 0; i < tries; ++i) {
        const int px = cx - R + Random(side);
        const int py = cy - R + Random(side);
        if (Near(std::sqrt(double(px - cx) * (px - cx) + double(py - cy) * (py - cy))) <= R)
            dots.push_back({px, py});
    }
    auto setDots = [&](TCanvas& c) {
        for (const TPoint& p : dots)
            c.SetPixels(p.X, p.Y, FBrushColor);
    };
    setDots(MetaBitmap().Canvas());
    if (FMetaMetode != mmNormal) {
        MergeFigure();
    } else {
        setDots(FPicture.Canvas());
        setDots(Canvas());
        FMetaTrans = true;
    }
    FModified = true;
}

void TImageDraw::DrawBorder(TCanvas& c)
{
    NormaliseFocus();
    int L = X1, T = Y1, R = X2 - 1, B = Y2 - 1;
    for (int pass = 0; pass < BorderCount; ++pass) {
        if (BorderLines.Empty()) {
            c.Pen.Color = FPapirfarve;
            c.Polyline(std::vector<TPoint>{{L, T}, {R, T}, {R, B}, {L, B}, {L, T}});
        } else {
            auto side = [&](TBorderLine line, TPoint from, TPoint to) {
                if (!BorderLines.Contains(line))
                    return;
                c.MoveTo(from.X, from.Y);
                c.LineTo(to.X, to.Y);
            };
            side(blTop, {L, T}, {R, T});
            side(blRight, {R, T}, {R, B});
            side(blBottom, {R, B}, {L, B});
            side(blLeft, {L, B}, {L, T});
        }
        const int step = BorderSpace + 1;
        if (BorderLines.Contains(blLeft))
            L += step;
        if (BorderLines.Contains(blTop))
            T += step;
        if (BorderLines.Contains(blRight))
            R -= step;
        if (BorderLines.Contains(blBottom))
            B -= step;
    }
    c.Pen.Color = FPenColor;
}

void TImageDraw::DrawSpecialBorder(TCanvas& c)
{
    c.Pen.Width = 1;
    NormaliseFocus();
    FR = {X1, Y1, X2, Y2};
    if (FToolNr == 32) {
        c.Brush.Color = FBrushColor;
        c.Rectangle(X1, Y1, X2, Y2);
    }
    int L = X1, T = Y1, R = X2 - 1, B = Y2 - 1;
    enum Kind { Flat, Raised, Sunken };
    auto ring = [&](Kind k) {
        switch (k) {
        case Flat: DrawBevelRing(c, L, T, R, B, FPenColor, FPenColor); break;
        case Raised: DrawBevelRing(c, L, T, R, B, FRamFarveLys, FRamFarveSkygge); break;
        case Sunken: DrawBevelRing(c, L, T, R, B, FRamFarveSkygge, FRamFarveLys); break;
        }
    };
    if (RamBredde > 0) {
        const int D = RamDybde;
        switch (RamArt) {
        case rtIngen:
            for (int i = 1; i <= RamBredde; ++i)
                ring(Flat);
            break;
        case rtUd:
        case rtInd: {
            const Kind outer = RamArt == rtUd ? Raised : Sunken;
            const Kind inner = RamArt == rtUd ? Sunken : Raised;
            for (int i = 1; i <= RamBredde; ++i) {
                if (D <= 0)
                    ring(outer);
                else
                    ring(i <= D ? outer : i > RamBredde - D ? inner : Flat);
            }
            break;
        }
        case rtRifletUd:
        case rtRifletInd: {
            const Kind first = RamArt == rtRifletUd ? Raised : Sunken;
            const Kind last = RamArt == rtRifletUd ? Sunken : Raised;
            const int f = (RamRifleBredde < 1 || D < 1) ? RamBredde : std::max(0, RamRifleBredde - 2 * D);
            // Whole ribs until RamBredde rings are reached; a rib is always completed.
            for (int drawn = 0; drawn < RamBredde;) {
                for (int i = 0; i < D; ++i, ++drawn)
                    ring(first);
                for (int i = 0; i < f; ++i, ++drawn)
                    ring(Flat);
                for (int i = 0; i < D; ++i, ++drawn)
                    ring(last);
            }
            break;
        }
        }
    }
    c.Pen.Width = FPenWidth;
    c.Pen.Color = FPenColor;
    Rx1 = L;
    Ry1 = T;
    Rx2 = R + 1;
    Ry2 = B + 1;
}

void TImageDraw::CommitBorder()
{
    CommitFigure([this](TCanvas& c) { DrawBorder(c); }, GrownToolRect(FPenWidth));
}

void TImageDraw::CommitSpecialBorder()
{
    CommitFigure([this](TCanvas& c) { DrawSpecialBorder(c); }, GrownToolRect(FPenWidth));
}
