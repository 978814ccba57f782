#include "colours/ColSor.h"
#include "colours/ColourSort.h"

TColSor::TColSor(QWidget* parent) : TKnapPan(parent) {}

void TColSor::HentRGB(TColor Farven, uint8_t& R, uint8_t& G, uint8_t& B)
{
    const TKanaler k = Kanaler(Farven);
    R = uint8_t(k.R);
    G = uint8_t(k.G);
    B = uint8_t(k.B);
}

int TColSor::SorterbareFelter() const
{
    return FFeltCol.FilledPrefix(AntalIalt());
}

void TColSor::Sorter()
{
    if (FSorMetode == csNone)
        return;
    const std::vector<TColor> farver = FFeltCol.Prefix(SorterbareFelter());
    FFeltCol.PutPrefix(ColourSort::EfterMetode(farver, FSorMetode, FGrayInterval));
}

void TColSor::SorterFarver()
{
    Sorter();
    Opfrisk();
}

void TColSor::RandomPal()
{
    FFeltCol.PutPrefix(ColourSort::Tilfaeldig(FFeltCol.Prefix(SorterbareFelter())));
    Opfrisk();
}
