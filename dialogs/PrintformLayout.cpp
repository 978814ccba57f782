#include "dialogs/PrintformLayout.h"
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// To the nearest integer (halves to the even neighbour), held inside the int range.
int NearClamped(double v)
{
    return int(std::clamp(std::nearbyint(v), double(INT_MIN), double(INT_MAX)));
}

// One sixteenth, to the nearest integer: the preview's scale.
int Sixteenth(int v)
{
    return NearClamped(v / 16.0);
}

} // namespace

TPrintLayout BeregnPrintLayout(int PicW, int PicH, int Procent, int Venstre, int Top, int PageW, int PageH)
{
    const double f = Procent / 100.0;
    TPrintLayout l;
    l.Bredde = NearClamped(PicW * f);
    l.Hojde = NearClamped(PicH * f);
    l.Hojre = NearClamped(double(PageW) - (double(l.Bredde) + Venstre));
    l.Bund = NearClamped(double(PageH) - (double(l.Hojde) + Top));
    l.Papir = QRect(0, 0, Sixteenth(PageW), Sixteenth(PageH));
    l.Billede = QRect(Sixteenth(Venstre), Sixteenth(Top), Sixteenth(l.Bredde), Sixteenth(l.Hojde));
    return l;
}
