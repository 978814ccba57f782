#pragma once
#include "colours/ColourTypes.h"
#include <vector>

// The orderings of a colour panel's colours. Each takes the colours in field order and gives
// them back in the new order; the panel writes them over the same fields.
namespace ColourSort {

enum TFarveKlasse { fkGraa, fkGroen, fkRoed, fkBlaa };
// Grey if G = R and |R - B| <= grayInterval; else green if G >= R and G >= B; else red if
// R > G and R >= B; else blue.
TFarveKlasse Klasse(TColor c, int grayInterval);

// By method: csIntens sorts all colours together by green, red, blue; the class methods sort
// each class by its own channel order and put the classes in the method's order; csRandom
// shuffles; csNone keeps the order. Sorts are descending with the tie order of a selection
// sort that exchanges the first greatest remaining element into place.
std::vector<TColor> EfterMetode(const std::vector<TColor>& farver, TColorSor metode, int grayInterval);
// A random permutation: for each position in turn, random indices are drawn until an unused one comes up.
std::vector<TColor> Tilfaeldig(const std::vector<TColor>& farver);
// Descending by R * Rval + G * Gval + B * Bval; equal weights keep their order.
std::vector<TColor> Vaegtet(const std::vector<TColor>& farver, int Rval, int Gval, int Bval);

} // namespace ColourSort
