#include "widgets/BitmapX.h"
#include "platform/Bitmap.h"
#include "util/Near.h"
#include <algorithm>
#include <cstdint>
#include <vector>

namespace {
// Nearest-pixel copy of src over dest (left <= right, top <= bottom), clipped to the raster:
// pixels of the colour trans are left out when transparent, and every other pixel takes the
// disabled look when blend.
void DrawInto(TCanvas& Can, const TRect& dest, const TBitmap& src, bool transparent, TColor trans, bool blend)
{
    TBitmap& to = Can.Bitmap();
    const TRect k = IntersectRect(dest, to.BoundsRect());
    if (k.IsEmpty() || src.Empty())
        return;
    const int dw = dest.Width(), dh = dest.Height(), sw = src.Width(), sh = src.Height();
    const uint32_t key = ToQRgb(trans) & 0xFFFFFFu;
    std::vector<int> xmap(size_t(k.Right - k.Left));
    for (int x = k.Left; x < k.Right; ++x)
        xmap[size_t(x - k.Left)] = int(int64_t(x - dest.Left) * sw / dw);
    for (int y = k.Top; y < k.Bottom; ++y) {
        const int sy = int(int64_t(y - dest.Top) * sh / dh);
        const uint32_t* from = src.ScanLine(sy);
        uint32_t* line = to.ScanLine(y);
        for (int x = k.Left; x < k.Right; ++x) {
            const uint32_t p = from[xmap[size_t(x - k.Left)]];
            if (transparent && (p & 0xFFFFFFu) == key)
                continue;
            line[x] = blend ? TImageList::DisabledPixel(p) : (p | 0xFF000000u);
        }
    }
    Can.Changed(k);
}
} // namespace

void TBitmapX::SetBitmapListe(TImageList* value)
{
    FBitmapListe = value;
    if (FRealDim && value) {
        FBredde = value->Width();
        FHojde = value->Height();
    }
    Change();
}

void TBitmapX::SetBitType(TBitXType value)
{
    FBitType = value;
    Change();
}

void TBitmapX::SetRealDim(bool value)
{
    FRealDim = value;
    if (value) {
        FFeltDim = false;
        FScale = false;
        if (TImageList* list = FBitmapListe.data()) {
            FBredde = list->Width();
            FHojde = list->Height();
        }
    }
    Change();
}

void TBitmapX::SetFeltDim(bool value)
{
    FFeltDim = value;
    if (value) {
        FRealDim = false;
        FScale = false;
        FCentrer = false;
    }
    Change();
}

void TBitmapX::SetX1(int value)
{
    FX1 = value;
    Change();
}

void TBitmapX::SetY1(int value)
{
    FY1 = value;
    Change();
}

void TBitmapX::SetScale(bool value)
{
    FScale = value;
    if (value)
        FRealDim = true;
    Change();
}

void TBitmapX::SetCentrer(bool value)
{
    FCentrer = value;
    if (value)
        FFeltDim = false;
    Change();
}

void TBitmapX::SetGennemsigtig(bool value)
{
    FGennemsigtig = value;
    Change();
}

void TBitmapX::SetTransFarve(TColor value)
{
    FTransFarve = value;
    Change();
}

void TBitmapX::SetBgColor(TColor value)
{
    FBgColor = value;
    Change();
}

int TBitmapX::ImageIndex(int FeltNr, int Tilstand) const
{
    const TImageList* list = FBitmapListe.data();
    if (!list || FBitType == btIngen || FeltNr < 0)
        return -1;
    const int64_t S = FStartIndex, k = FeltNr, N = FFeltAntal;
    const bool pressed = Tilstand == 2 || Tilstand == 4;
    int64_t i = S;
    switch (FBitType) {
    case btIngen:
    case btSimpel:
        break;
    case btDual:
        i = pressed ? S + 1 : S;
        break;
    case btTrio:
        i = pressed ? S + 2 : Tilstand == 3 ? S + 1 : S;
        break;
    case btUnikSimpel:
        i = S + k;
        break;
    case btUnikDual:
        i = Tilstand == 0 || pressed ? S + k : Tilstand == 1 || Tilstand == 3 ? S + k + N : S;
        break;
    case btUnikTrio:
        i = Tilstand == 0 || Tilstand == 1 ? S + k : pressed ? S + k + 2 * N : Tilstand == 3 ? S + k + N : S;
        break;
    }
    return i >= 0 && i < list->Count() ? int(i) : -1;
}

TRect TBitmapX::TargetRect(const TRect& R, int Tilstand) const
{
    TRect r = R;
    if (FAktivVL && (Tilstand == 2 || Tilstand == 4))
        r = OffsetRect(r, FAktivVandret, FAktivLodret);
    if (FFeltDim)
        return r;
    const TImageList* list = FBitmapListe.data();
    const int iw = FRealDim && list ? list->Width() : FBredde;
    const int ih = FRealDim && list ? list->Height() : FHojde;
    int left = r.Left + FX1, top = r.Top + FY1;
    const int W = R.Right - R.Left, H = R.Bottom - R.Top;
    if (FScale) {
        const double fx = iw > W ? double(W) / iw : 1.0;
        const double fy = ih > H ? double(H) / ih : 1.0;
        const double f = std::min(fx, fy);
        const int sw = Near(iw * f), sh = Near(ih * f);
        if (FCentrer) {
            if (sw < W)
                left += (W - sw) / 2;
            if (sh < H)
                top += (H - sh) / 2;
        }
        return Rect(left, top, left + sw, top + sh);
    }
    if (FCentrer) {
        if (iw < W)
            left += (W - iw) / 2;
        if (ih < H)
            top += (H - ih) / 2;
        return Rect(left, top, left + iw, top + ih);
    }
    if (!FRealDim)
        return Rect(left, top, left + FBredde - 1, top + FHojde - 1);
    // Drawn unscaled at its top-left corner.
    return Rect(left, top, left + iw, top + ih);
}

bool TBitmapX::PutBitmap(int FeltNr, TCanvas& Can, const TRect& R, uint8_t Tilstand)
{
    const TImageList* list = FBitmapListe.data();
    const int index = ImageIndex(FeltNr, Tilstand);
    if (index < 0 || R.IsEmpty())
        return false;
    const int iw = FRealDim ? list->Width() : FBredde, ih = FRealDim ? list->Height() : FHojde;
    if (!FFeltDim && (iw < 1 || ih < 1))
        return false;
    const TRect target = TargetRect(R, Tilstand);
    if (target.IsEmpty())
        return false;
    if (FGennemsigtig && FBgColor != clNone) {
        const TBrush saved = Can.Brush;
        Can.Brush = {FBgColor, bsSolid};
        Can.FillRect(R);
        Can.Brush = saved;
    }
    const bool blend = Tilstand == 0 && !FDontBlend;
    DrawInto(Can, target, *list->Image(index), FGennemsigtig, FTransFarve, blend);
    return true;
}
