#pragma once
#include "colours/ColourTypes.h"
#include "colours/FarveListe.h"

// The generated palettes of a colour panel, written into its colour list. Every generator
// writes only fields that exist in the list; none of them paints.
namespace PaletteMaker {

// Colour Nr (1..16) of the standard table; any other number gives clNone.
TColor StandardFarve(int Nr);
// Three uniform random bytes drawn in the order red, green, blue.
TColor RandomFarve();

// Fields 0..n-1 run from Fra to Til, through Midt halfway when Midt is given. The step is taken
// over n (not n - 1), so the last interpolated field stops short of Til. n <= 0 does nothing.
void IntervalPal(TFarveListe& Felter, int n, TColor Fra, TColor Til, const TColor* Midt);
// The rainbow over fields 0..n-1: seven anchors (red, green, blue, red, yellow, magenta,
// cyan) faded into each other. n <= 0 does nothing.
void RGBplus(TFarveListe& Felter, int n);
// Fades the fields between fields a and b (taken in either order, negatives as 0): each
// channel steps by (end - start + 1) / distance, truncated toward zero.
void Fade(TFarveListe& Felter, int a, int b);
// The colour cube of levels 4 (0, 64, 128, 255) or 5 (0, 64, 128, 192, 255) per channel,
// red outermost and blue innermost, at fields 0, 1, ...; the list grows as needed.
void Cube(TFarveListe& Felter, int levels, bool LightFirst);
// Exactly the 48 colours of the classic desktop colour dialog.
void Standard48(TFarveListe& Felter);

enum TNavnTabel { ntStandard24, ntNavne28, ntNavne20 };
// Fields 0..n-1 from the table in order (clNone beyond it); the list gets n + 1 entries.
void Navngivne(TFarveListe& Felter, int n, TNavnTabel tabel);

// A shade of Col between black (Pos 0), Col itself (128) and white (255); Pos is clamped.
TColor GetBWColor(TColor Col, int Pos);

} // namespace PaletteMaker
