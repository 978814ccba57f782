#pragma once
#include "platform/Color.h"

// The kinds of palette a colour panel generates at its next paint (stored options rely on the order).
enum TColorPal { cpIngen, cpStandard16, cpStandard48, cpRandom, cpSorteret, cpInterval, cpRGBplus, cpSelvValgt };
// How SorterFarver orders the colours of a panel.
enum TColorSor { csIntens, csIntensRGB, csRed, csGreen, csBlue, csRandom, csNone };
// The centre colour an interval palette passes through.
enum TCenterFarve { cfIngen, cfHvid, cfSort, cfSelvValgt };

// The red, green and blue bytes of a colour, taken as they stand (system colours are not
// converted); an empty colour (clNone) gives black.
struct TKanaler {
    int R = 0;
    int G = 0;
    int B = 0;
};
inline TKanaler Kanaler(TColor c)
{
    if (c == clNone)
        return {};
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}
inline TColor FraKanaler(int r, int g, int b) { return RGB(r, g, b); }
