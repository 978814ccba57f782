// The generated palettes, sorts, fades and colour names of the colour panel.
#include "colours/ColorPan.h"
#include "colours/ColourNames.h"
#include "colours/ColourSort.h"
#include "colours/PaletteMaker.h"

void TColorPan::Standard16() { GenererOgVis(cpStandard16); }
void TColorPan::NyRandomPal() { GenererOgVis(cpRandom); }
void TColorPan::NySorteretPal() { GenererOgVis(cpSorteret); }
void TColorPan::NyIntervalPal() { GenererOgVis(cpInterval); }

void TColorPan::NyRanIntPal(bool Forgrund, bool Baggrund)
{
    if (Forgrund)
        FFarve = RandomFarve();
    if (Baggrund)
        FFarveBg = RandomFarve();
    GenererOgVis(cpInterval);
}

void TColorPan::WinStandard48()
{
    FFarvePal = cpStandard48;
    PaletteMaker::Standard48(FFeltCol);
    Opfrisk();
}

void TColorPan::Terning(int levels, bool LightFirst)
{
    FFarvePal = cpSelvValgt;
    PaletteMaker::Cube(FFeltCol, levels, LightFirst);
    SorterFarver();
}

void TColorPan::Standard64(bool LightFirst) { Terning(4, LightFirst); }
void TColorPan::Standard125(bool LightFirst) { Terning(5, LightFirst); }

void TColorPan::Navngiv(int tabel, bool sorter)
{
    FFarvePal = cpSelvValgt;
    PaletteMaker::Navngivne(FFeltCol, AntalIalt(), PaletteMaker::TNavnTabel(tabel));
    if (sorter)
        SorterFarver();
    else
        Opfrisk();
}

void TColorPan::StandardNamed() { Navngiv(PaletteMaker::ntStandard24, false); }
void TColorPan::Named20() { Navngiv(PaletteMaker::ntNavne20, false); }
void TColorPan::Named28() { Navngiv(PaletteMaker::ntNavne28, true); }

TColor TColorPan::RandomFarve()
{
    return PaletteMaker::RandomFarve();
}

TColor TColorPan::StandardFarve(uint8_t Nr)
{
    return PaletteMaker::StandardFarve(Nr);
}

void TColorPan::SetIntervalPal()
{
    TColor midt = FMidtFarve;
    if (FMidtFarveType == cfHvid)
        midt = clWhite;
    else if (FMidtFarveType == cfSort)
        midt = clBlack;
    PaletteMaker::IntervalPal(FFeltCol, AntalIalt(), FFarve, FFarveBg, FMidtFarveType == cfIngen ? nullptr : &midt);
}

void TColorPan::SetRGBplus()
{
    PaletteMaker::RGBplus(FFeltCol, AntalIalt());
}

void TColorPan::FadeOut(int PStartNr, int PSlutNr)
{
    PaletteMaker::Fade(FFeltCol, PStartNr, PSlutNr);
    Opfrisk();
}

void TColorPan::SorterColors(int Rval, int Gval, int Bval)
{
    // Field 0 starts the sorted run, which ends at the first empty field.
    const int n = FFeltCol.FilledPrefix(AntalIalt());
    if (n < 2)
        return;
    FFeltCol.PutPrefix(ColourSort::Vaegtet(FFeltCol.Prefix(n), Rval, Gval, Bval));
    Opfrisk();
}

TColor TColorPan::GetBWColor(TColor Col, int Pos)
{
    return PaletteMaker::GetBWColor(Col, Pos);
}

QString TColorPan::GetFarveNavn(TColor Col) const
{
    return ColourNames::GetFarveNavn(Col, Sprog());
}

QString TColorPan::GetFarveNavn20(TColor Col)
{
    return ColourNames::GetFarveNavn20(Col);
}

QString TColorPan::GetHtmlFarve(TColor Col)
{
    return ColourNames::GetHtmlFarve(Col);
}
