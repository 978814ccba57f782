#include "widgets/RammeX.h"
#include "platform/Bitmap.h"
#include <algorithm>

TRammeX::TRammeX(TObject* owner) : TObject(owner) {}

void DrawBevelRing(TCanvas& c, int& L, int& T, int& R, int& B, TColor a, TColor b)
{
    // Every line leaves out its end pixel. Corners beyond the raster are pulled to one pixel
    // outside it: the edges are straight, so the same pixels show, and a ring far larger than
    // the raster costs no more than one around it.
    const int w = c.Bitmap().Width(), h = c.Bitmap().Height();
    const int l = std::clamp(L, -1, w), r = std::clamp(R, -1, w);
    const int t = std::clamp(T, -1, h), bo = std::clamp(B, -1, h);
    c.Pen.Color = a;
    c.MoveTo(l, bo);
    c.LineTo(l, t);
    c.LineTo(r, t);
    c.Pen.Color = b;
    c.LineTo(r, bo);
    c.LineTo(l, bo);
    ++L;
    ++T;
    --R;
    --B;
}

void TRammeX::DrawRing(int& L, int& T, int& R, int& B, TRingKind kind)
{
    TColor a = RFarve, b = RFarve;
    if (kind == rkRaised) {
        a = FFarveLys;
        b = FFarveSkygge;
    } else if (kind == rkSunken) {
        a = FFarveSkygge;
        b = FFarveLys;
    }
    DrawBevelRing(*FCanvas, L, T, R, B, a, b);
}

void TRammeX::DrawRings(const TRect& rect, TRammeXType kind, int n)
{
    int L = rect.Left, T = rect.Top, R = rect.Right, B = rect.Bottom;
    int drawn = 0;
    // Rings stop where the rectangle is used up: a crossed ring would paint over the inner
    // rings of the other side (and a huge ring count would only spin).
    auto ring = [&](TRingKind k) {
        if (L > R || T > B)
            return false;
        DrawRing(L, T, R, B, k);
        ++drawn;
        return true;
    };
    const int d = FBreddeDybde;
    switch (kind) {
    case rtIngen:
        for (int i = 1; i <= n && ring(rkFlat); ++i) {}
        break;
    case rtUd:
    case rtInd: {
        const TRingKind outer = kind == rtUd ? rkRaised : rkSunken;
        const TRingKind inner = kind == rtUd ? rkSunken : rkRaised;
        for (int i = 1; i <= n; ++i) {
            const TRingKind k = d <= 0 ? outer : i <= d ? outer : i > n - d ? inner : rkFlat;
            if (!ring(k))
                break;
        }
        break;
    }
    case rtRifletUd:
    case rtRifletInd: {
        const TRingKind first = kind == rtRifletUd ? rkRaised : rkSunken;
        const TRingKind last = kind == rtRifletUd ? rkSunken : rkRaised;
        const int f = (FBreddeRifler < 1 || d < 1) ? n : std::max(0, FBreddeRifler - 2 * d);
        // Whole ribs while fewer than n rings are drawn; the last rib may pass n.
        bool room = true;
        while (room && drawn < n) {
            for (int i = 0; room && i < d; ++i)
                room = ring(first);
            for (int i = 0; room && i < f; ++i)
                room = ring(rkFlat);
            for (int i = 0; room && i < d; ++i)
                room = ring(last);
        }
        break;
    }
    }
}

void TRammeX::Paint(TCanvas& Can, const TRect& R, TRammeXType kind, int n, bool listFill, bool outline)
{
    FCanvas = &Can;
    Can.Pen.Width = 1;
    Can.Pen.Style = psSolid;
    Can.Pen.Mode = pmCopy;
    if (listFill || FMedFeltFarve) {
        const TColor fill = listFill ? RFarve : FFarveFelt;
        Can.Pen.Color = fill;
        Can.Brush.Color = fill;
        Can.Brush.Style = bsSolid;
        Can.Rectangle(R.Left, R.Top, R.Right, R.Bottom);
    }
    if (n > 0)
        DrawRings(R, kind, n);
    if (outline) {
        Can.Pen.Color = FFarveOmrids;
        Can.Brush.Style = bsClear;
        Can.Rectangle(R.Left, R.Top, R.Right + 1, R.Bottom + 1);
        Can.Brush.Style = bsSolid;
    }
}

void TRammeX::MakeRamme(TCanvas& Can, const TRect& R, int Tilstand, bool Focus)
{
    TRammeXType kind;
    switch (Tilstand) {
    case 1:
        kind = FArt;
        RFarve = FFarveRamme;
        break;
    case 2:
    case 4:
        kind = FReaktionNede;
        RFarve = FFarveAktiv;
        break;
    case 3:
        kind = FReaktionOver;
        RFarve = FFarveOver;
        break;
    default:
        kind = FArtUaktiv;
        RFarve = FFarveUaktiv;
        break;
    }
    const bool focusRing = FFocusRamme && Focus;
    const int n = FBredde + (focusRing ? 1 : 0);
    Paint(Can, R, kind, n, FSomListe, FMedOmrids || focusRing);
}

void TRammeX::KunRamme(TCanvas& Can, const TRect& R)
{
    RFarve = FFarveRamme;
    Paint(Can, R, FArt, FBredde, false, FMedOmrids);
}
