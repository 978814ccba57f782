#include "platform/ImageList.h"
#include <algorithm>
#include <cstring>

namespace {
int ClampSide(int v)
{
    return std::clamp(v, 1, 4096);
}
} // namespace

TImageList::TImageList(int width, int height, TObject* owner)
    : TObject(owner), FWidth(ClampSide(width)), FHeight(ClampSide(height))
{
}

void TImageList::Change()
{
    if (OnChange)
        OnChange(this);
}

void TImageList::SetSize(int width, int height)
{
    width = ClampSide(width);
    height = ClampSide(height);
    if (width == FWidth && height == FHeight)
        return;
    FWidth = width;
    FHeight = height;
    FImages.clear();
    Change();
}

TBitmap TImageList::Piece(const TBitmap& Source, int sx) const
{
    TBitmap out(FWidth, FHeight); // white
    const int w = std::min(FWidth, Source.Width() - sx), h = std::min(FHeight, Source.Height());
    for (int y = 0; y < h && w > 0; ++y)
        std::memcpy(out.ScanLine(y), Source.ScanLine(y) + sx, sizeof(uint32_t) * size_t(w));
    return out;
}

int TImageList::Add(const TBitmap& Image)
{
    if (Image.Empty())
        return -1;
    const int first = Count();
    const int pieces = std::max(1, Image.Width() / FWidth);
    for (int i = 0; i < pieces; ++i)
        FImages.push_back(Piece(Image, i * FWidth));
    Change();
    return first;
}

bool TImageList::Replace(int Index, const TBitmap& Image)
{
    if (Index < 0 || Index >= Count() || Image.Empty())
        return false;
    FImages[size_t(Index)] = Piece(Image, 0);
    Change();
    return true;
}

void TImageList::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        return;
    FImages.erase(FImages.begin() + Index);
    Change();
}

void TImageList::Clear()
{
    if (FImages.empty())
        return;
    FImages.clear();
    Change();
}

const TBitmap* TImageList::Image(int Index) const
{
    return Index >= 0 && Index < Count() ? &FImages[size_t(Index)] : nullptr;
}

TColor TImageList::DisabledColour(TColor c)
{
    return FromQRgb(DisabledPixel(ToQRgb(c)));
}

uint32_t TImageList::DisabledPixel(uint32_t rgb)
{
    static const uint32_t h = ToQRgb(clHighlight);
    // Per channel (a + b) / 2 without carries between the channels.
    return 0xFF000000u | ((((rgb ^ h) & 0xFEFEFEu) >> 1) + (rgb & h & 0xFFFFFFu));
}

bool TImageList::GetBitmap(int Index, TBitmap& Out, bool Disabled, TColor Keep) const
{
    const TBitmap* src = Image(Index);
    if (!src)
        return false;
    Out = *src;
    if (!Disabled)
        return true;
    const bool keep = Keep != clNone;
    const uint32_t k = ToQRgb(Keep) & 0xFFFFFFu;
    for (int y = 0; y < Out.Height(); ++y) {
        uint32_t* line = Out.ScanLine(y);
        for (int x = 0; x < Out.Width(); ++x)
            if (!keep || (line[x] & 0xFFFFFFu) != k)
                line[x] = DisabledPixel(line[x]);
    }
    return true;
}

void TImageList::Draw(TCanvas& Can, int X, int Y, int Index, bool Enabled) const
{
    if (Enabled) {
        if (const TBitmap* src = Image(Index))
            Can.Draw(X, Y, *src);
        return;
    }
    TBitmap look;
    if (GetBitmap(Index, look, true))
        Can.Draw(X, Y, look);
}
