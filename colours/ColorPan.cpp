#include "colours/ColorPan.h"
#include "colours/PaletteMaker.h"
#include "platform/Cursors.h"
#include <algorithm>
#include <unordered_set>

TColorPan::TColorPan(QWidget* parent) : TColSor(parent)
{
    FOnMusKlik = [this](TMouseButton Button, int FeltNr) { MusKlik(Button, FeltNr); };
    FOnstartNrChange = [this] { Opfrisk(); };
}

void TColorPan::SetFarvePal(TColorPal value)
{
    if (value == FFarvePal)
        return;
    FFarvePal = value;
    Repaint();
}

void TColorPan::SetPMBFarve(int FeltNo, TColor& felt, TColor value)
{
    const TColor old = felt;
    felt = value;
    if (OnPaletteChange)
        OnPaletteChange(this, FeltNo, old, value);
}

void TColorPan::SetFarve(TColor value) { SetPMBFarve(0, FFarve, value); }
void TColorPan::SetMidtFarve(TColor value) { SetPMBFarve(1, FMidtFarve, value); }
void TColorPan::SetFarveBg(TColor value) { SetPMBFarve(2, FFarveBg, value); }

void TColorPan::SetMidtFarveType(TCenterFarve value)
{
    if (value == FMidtFarveType)
        return;
    FMidtFarveType = value;
    Repaint();
}

int TColorPan::BrugteFelter() const
{
    return std::min(AntalIalt(), FFeltCol.Length());
}

// ---- painting ----

void TColorPan::GenererPalette()
{
    const int n = AntalIalt();
    FFeltCol.Resize(n, 0);
    switch (FFarvePal) {
    case cpSelvValgt:
    case cpStandard48:
        break;
    case cpInterval:
        SetIntervalPal();
        break;
    case cpRGBplus:
        PaletteMaker::RGBplus(FFeltCol, n);
        break;
    default:
        for (int nr = 1; nr <= FFeltCol.Length(); ++nr) {
            TColor c = clNone;
            if (FFarvePal == cpStandard16)
                c = PaletteMaker::StandardFarve(nr);
            else if (FFarvePal == cpRandom || FFarvePal == cpSorteret)
                c = PaletteMaker::RandomFarve();
            FFeltCol.Put(nr - 1, c);
        }
    }
    if (FFarvePal == cpSorteret)
        Sorter();
    FFarvePal = cpSelvValgt;
}

void TColorPan::GenererOgVis(TColorPal kind)
{
    FFarvePal = kind;
    GenererPalette();
    Opfrisk();
}

void TColorPan::Paint()
{
    GenererPalette();
    TColSor::Paint();
}

void TColorPan::PaintFeltIndhold(int k)
{
    TColSor::PaintFeltIndhold(k);
    PaintFarve(k);
}

void TColorPan::PaintFarve(int k)
{
    if (!Synlig(k))
        return;
    const TColor c = FFeltCol.At(k + StartNr());
    TCanvas& can = Canvas();
    can.Brush = {c == clNone ? Color() : c, bsSolid};
    can.FillRect(Felt(k)->IR);
}

void TColorPan::Opfrisk()
{
    if (!CompoPainted)
        return;
    if (View().Width() != width() || View().Height() != height()) {
        // The panel changed size since its last paint: the field layout is stale.
        Paint();
        return;
    }
    for (int k = 0; k < Antal(); ++k)
        PaintFarve(k);
}

void TColorPan::VisFelt(int Nr)
{
    RepaintFelt(Nr - StartNr());
}

// ---- fields ----

void TColorPan::InitFarveFelt(int Nr, TColor Col)
{
    if (Nr < 0 || Nr >= TFarveListe::kMaxLength)
        return;
    FFeltCol.Grow(Nr + 1, clNone);
    FFeltCol.Put(Nr, Col);
}

void TColorPan::FarveFelt(int Nr, TColor Col)
{
    if (!CompoPainted) {
        InitFarveFelt(Nr, Col);
        return;
    }
    if (Nr < 0 || Nr >= FFeltCol.Length())
        return;
    FFeltCol.Put(Nr, Col);
    VisFelt(Nr);
    // An emptied field leaves its tool colour as it was.
    if (FPMBPalette && Col != clNone) {
        if (Nr == 0)
            SetFarve(Col);
        else if (Nr == 1)
            SetMidtFarve(Col);
        else if (Nr == 2)
            SetFarveBg(Col);
    }
}

TColor TColorPan::GetColor(int Nr) const
{
    return Nr >= 0 && Nr < FFeltCol.Length() ? FFeltCol.At(Nr) : clWhite;
}

bool TColorPan::NewColor(TColor C, bool ColKontrol, int FeltNr)
{
    // Before the first paint the pending palette is made now, so that the new colour is not
    // wiped by it and empty fields are empty.
    if (!CompoPainted)
        GenererPalette();
    FFarvePal = cpSelvValgt;
    if (ColKontrol && FarvenErDer(C))
        return false;
    if (FeltNr < 0)
        FeltNr = FFeltCol.FirstEmpty(BrugteFelter());
    if (FeltNr < 0 || FeltNr >= FFeltCol.Length())
        return false;
    FarveFelt(FeltNr, C);
    return true;
}

void TColorPan::RemoveColor(int Nr)
{
    if (Nr >= 0)
        FarveFelt(Nr, clNone);
}

void TColorPan::ColorControl()
{
    TWaitCursor wait;
    const int n = BrugteFelter();
    std::vector<TColor> unikke;
    std::unordered_set<TColor> set;
    for (int i = 0; i < n; ++i) {
        const TColor c = FFeltCol.At(i);
        if (c != clNone && set.insert(c).second)
            unikke.push_back(c);
    }
    for (int i = 0; i < n; ++i)
        FFeltCol.Put(i, i < int(unikke.size()) ? unikke[size_t(i)] : clNone);
    Opfrisk();
}

bool TColorPan::FarvenErDer(TColor Farven) const
{
    return FFeltCol.Contains(Farven, BrugteFelter());
}

void TColorPan::OmbytColor(int Nr1, int Nr2, bool SomInsert)
{
    const int n = BrugteFelter();
    if (Nr1 < 0 || Nr2 < 0 || Nr1 >= n || Nr2 >= n || Nr1 == Nr2)
        return;
    const TColor moved = FFeltCol.At(Nr1);
    if (!SomInsert) {
        FarveFelt(Nr1, FFeltCol.At(Nr2));
    } else if (Nr2 < Nr1) {
        for (int i = Nr1; i > Nr2; --i)
            FarveFelt(i, FFeltCol.At(i - 1));
    } else {
        for (int i = Nr1; i < Nr2; ++i)
            FarveFelt(i, FFeltCol.At(i + 1));
    }
    FarveFelt(Nr2, moved);
}

void TColorPan::KopierPalette(const TColorPan& Palette)
{
    if (&Palette == this)
        return;
    FFarvePal = cpSelvValgt;
    FFeltCol.Assign(Palette.FFeltCol.Prefix(Palette.AntalIalt()));
    SetAntalLodret(Palette.AntalLodret());
    SetAntalVandret(Palette.AntalVandret());
    SetAntalIalt(Palette.AntalIalt());
    SetAntal(Palette.Antal());
}

void TColorPan::GemPal()
{
    if (FFeltCol.Empty())
        return;
    GHcol.Assign(FFeltCol.Prefix(AntalIalt()));
}

void TColorPan::HentPal()
{
    if (GHcol.Empty())
        return;
    FFeltCol.Assign(GHcol.Prefix(AntalIalt()));
    Opfrisk();
}

// ---- mouse ----

void TColorPan::MusKlik(TMouseButton Button, int FeltNr)
{
    if (FNoInternMus)
        return;
    // An empty field has no colour to give.
    const TColor c = FFeltCol.At(FeltNr);
    if (c == clNone)
        return;
    if (Button == mbLeft)
        FFarve = c;
    else if (Button == mbRight)
        FFarveBg = c;
    else
        FMidtFarve = c;
}
