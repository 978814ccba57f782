#include "engine/ImageMetoder.h"
#include "platform/Random.h"

TImageMetoder::TImageMetoder(QWidget* parent) : TImageFocus(parent) {}

bool TImageMetoder::HentRGB(TColor F, uint8_t& R, uint8_t& G, uint8_t& B)
{
    if (F < 0 || F > 0xFFFFFF) {
        R = G = B = 0;
        return false;
    }
    R = GetRValue(F);
    G = GetGValue(F);
    B = GetBValue(F);
    return true;
}

TColor TImageMetoder::GetTransCol1(TColor F1)
{
    const TColor rgb = ColorToRGB(F1);
    return (rgb & ~0xFF) | (GetRValue(rgb) >= 128 ? 0 : 255);
}

TColor TImageMetoder::GetTransCol2(TColor F1, TColor F2) const
{
    // Colours are compared as the pixels they become.
    auto none = [&](TColor c) { return !SamePixel(F1, c) && !SamePixel(F2, c); };
    if (none(FTransFarve))
        return FTransFarve;
    if (none(clWhite))
        return clWhite;
    return none(clRed) ? clRed : clBlue;
}

TColor TImageMetoder::GetTransCol4(TColor F1, TColor F2, TColor F3, TColor F4) const
{
    auto none = [&](TColor c) {
        return !SamePixel(F1, c) && !SamePixel(F2, c) && !SamePixel(F3, c) && !SamePixel(F4, c);
    };
    if (none(FTransFarve))
        return FTransFarve;
    if (none(clWhite))
        return clWhite;
    if (none(clRed))
        return clRed;
    return none(clBlue) ? clGreen : clYellow;
}

TColor TImageMetoder::RandomColor()
{
    const int r = Random(255);
    const int g = Random(255);
    const int b = Random(255);
    return RGB(r, g, b);
}

void TImageMetoder::ColourSteps(TColor F1, TColor F2, int N, double& dR, double& dG, double& dB)
{
    const int d = std::max(N - 1, 1);
    dR = (GetRValue(F2) - GetRValue(F1)) / double(d);
    dG = (GetGValue(F2) - GetGValue(F1)) / double(d);
    dB = (GetBValue(F2) - GetBValue(F1)) / double(d);
}

void TImageMetoder::ReportPixel(int X, int Y, TMouseButton Button)
{
    if (!OnPixelInfo)
        return;
    const TColor pixel = Canvas().Pixels(X, Y);
    uint8_t r, g, b;
    HentRGB(pixel, r, g, b);
    OnPixelInfo(this, X, Y, r, g, b, pixel, Button);
}

void TImageMetoder::PolyBounds()
{
    X1 = 10000;
    Y1 = 10000;
    X2 = -10000;
    Y2 = -10000;
    for (int i = 1; i <= FPolyCount && i <= kPolyCapacity; ++i) {
        X1 = std::min(X1, Poly[i].X);
        Y1 = std::min(Y1, Poly[i].Y);
        X2 = std::max(X2, Poly[i].X);
        Y2 = std::max(Y2, Poly[i].Y);
    }
    NormaliseFocus();
}
