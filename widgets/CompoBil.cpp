#include "widgets/CompoBil.h"
#include "util/Near.h"
#include <QFileInfo>
#include <algorithm>

TBilCompo::TBilCompo(QWidget* parent) : TPreRammeCompo(parent) {}

void TBilCompo::Hold(std::unique_ptr<TBitmap> picture)
{
    FBitmapBil = std::move(picture);
    FRealBredde = FBitmapBil ? FBitmapBil->Width() : 0;
    FRealHojde = FBitmapBil ? FBitmapBil->Height() : 0;
    RektBeregnet = false;
    Repaint();
}

void TBilCompo::SetBitmapBil(const TBitmap& value)
{
    if (FBitmapBil)
        *FBitmapBil = value;
    else
        FBitmapBil = std::make_unique<TBitmap>(value);
    Hold(std::move(FBitmapBil));
}

bool TBilCompo::LoadBitmap(const QString& FNavn)
{
    if (!QFileInfo(FNavn).isFile())
        return false;
    auto picture = std::make_unique<TBitmap>();
    if (!KunBitmap(FNavn, *picture))
        return false;
    Hold(std::move(picture));
    return true;
}

void TBilCompo::FreeBitmap()
{
    Hold(nullptr);
}

void TBilCompo::NewPaint()
{
    RektBeregnet = false;
    Repaint();
}

void TBilCompo::Fit()
{
    RektBeregnet = true;
    FFittedTo = CompoRekt;
    const int w = CompoRekt.Right - CompoRekt.Left, h = CompoRekt.Bottom - CompoRekt.Top;
    if (!FBitmapBil || FRealBredde <= 0 || FRealHojde <= 0 || w <= 0 || h <= 0) {
        Drect = {};
        return;
    }
    const double fx = w < FRealBredde ? double(w) / FRealBredde : 1.0;
    const double fy = h < FRealHojde ? double(h) / FRealHojde : 1.0;
    const double f = std::min(fx, fy);
    const int width = Near(FRealBredde * f), height = Near(FRealHojde * f);
    const int left = CompoRekt.Left + (w - width) / 2, top = CompoRekt.Top + (h - height) / 2;
    Drect = Rect(left, top, left + width, top + height);
}

void TBilCompo::Paint()
{
    TPreRammeCompo::Paint();
    // Areas that were computed again (a frame that follows the widget's size) fit anew.
    if (!RektBeregnet || !(FFittedTo == CompoRekt))
        Fit();
    if (FBitmapBil && !FBitmapBil->Empty())
        Canvas().StretchDraw(Drect, *FBitmapBil);
}
