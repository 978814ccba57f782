#include "widgets/DimLinier.h"
#include "platform/Bitmap.h"
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {
// Keeps a tick end inside the raster (one pixel beyond each edge may stand), so that an
// absurd tick length does not walk billions of invisible pixels; the visible pixels stay.
int ClampEnd(int64_t v, int size)
{
    return int(std::clamp<int64_t>(v, -1, int64_t(size)));
}
} // namespace

void TDimLinier::MakeLinier(TCanvas& Can, const TRect& R, double FakDim)
{
    const int64_t interval = int64_t(FSlutVal) - FStartVal + 1;
    FInterval = int(std::clamp<int64_t>(interval, INT_MIN, INT_MAX));
    if (interval < 2)
        return;
    Can.Pen.Color = FLinieFarve;
    if (FIntervalStor == 0 && FIntervalMellem == 0 && FIntervalLille == 0)
        return;

    const bool vandret = FOrientering == loVandret;
    const int start = vandret ? R.Top : R.Left;
    const int length = vandret ? R.Bottom - R.Top : R.Right - R.Left;
    const double s = FPixelLin ? 1.0 : FakDim != 0 ? FakDim : double(length) / double(interval - 1);
    const int64_t a = vandret ? R.Left : R.Top;
    const int64_t b = vandret ? R.Right : R.Bottom;
    const int crossSize = vandret ? Can.Bitmap().Width() : Can.Bitmap().Height();
    const int alongSize = vandret ? Can.Bitmap().Height() : Can.Bitmap().Width();
    const double last = double(start) + length + 1;

    int64_t drawnValues = 0;
    for (int64_t v = FStartVal; v <= FSlutVal; ++v) {
        int D;
        if (FIntervalStor != 0 && v % FIntervalStor == 0)
            D = FDimStor;
        else if (FIntervalMellem != 0 && v % FIntervalMellem == 0)
            D = FDimMellem;
        else if (FIntervalLille != 0 && v % FIntervalLille == 0)
            D = FDimLille;
        else
            continue;
        const double p = double(start) + std::trunc(double(v - FStartVal) * s);
        if (p > last || p < 0 || p >= alongSize) {
            // Positions run one way: once past the end of the scale or off the raster, no
            // later value can be drawn.
            const bool ahead = p > last || p >= alongSize;
            if (s == 0 || (s > 0 && ahead) || (s < 0 && p < 0))
                break;
            continue;
        }
        // Every tick of a zero-length scale lands on the same line; a few hundred thousand
        // values show every tick size that can occur.
        if (s == 0 && ++drawnValues > (int64_t(1) << 18))
            break;
        int64_t c0 = a, c1 = a + D;
        if (FLinAlign == laBottom) {
            c0 = b - D;
            c1 = b;
        } else if (FLinAlign == laCenter) {
            // Nearest integer, halves to even (as Near), kept wide for absurd tick lengths.
            const int64_t o = int64_t(std::nearbyint(double(b - a + 1 - D) / 2.0));
            c0 = a + o;
            c1 = a + o + D;
        }
        const int pi = int(p);
        const int e0 = ClampEnd(c0, crossSize), e1 = ClampEnd(c1, crossSize);
        if (vandret) {
            Can.MoveTo(e0, pi);
            Can.LineTo(e1, pi);
        } else {
            Can.MoveTo(pi, e0);
            Can.LineTo(pi, e1);
        }
    }
}
