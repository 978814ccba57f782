#include "colours/PaletteMaker.h"
#include "colours/ColourNames.h"
#include "platform/Random.h"
#include "util/Near.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr std::array<TColor, 16> kStandard16{
    0xFFFFFF, 0x000000, 0xC0C0C0, 0x808080, 0x00FFFF, 0x008080, 0x0000FF, 0x000080,
    0x00FF00, 0x008000, 0xFFFF00, 0x808000, 0xFF00FF, 0x800080, 0xFF0000, 0x800000,
};

constexpr std::array<TColor, 48> kStandard48{
    RGB(255, 128, 128), RGB(255, 255, 128), RGB(128, 255, 128), RGB(0, 255, 128),
    RGB(128, 255, 255), RGB(0, 128, 255),   RGB(255, 128, 192), RGB(255, 128, 255),
    RGB(255, 0, 0),     RGB(255, 255, 0),   RGB(128, 255, 0),   RGB(0, 255, 64),
    RGB(0, 255, 255),   RGB(0, 128, 192),   RGB(128, 128, 192), RGB(255, 0, 255),
    RGB(128, 64, 64),   RGB(255, 128, 64),  RGB(0, 255, 0),     RGB(0, 128, 128),
    RGB(0, 64, 128),    RGB(128, 128, 255), RGB(128, 0, 64),    RGB(255, 0, 128),
    RGB(128, 0, 0),     RGB(255, 128, 0),   RGB(0, 128, 0),     RGB(0, 128, 64),
    RGB(0, 0, 255),     RGB(0, 0, 160),     RGB(128, 0, 128),   RGB(128, 0, 255),
    RGB(64, 0, 0),      RGB(128, 64, 0),    RGB(0, 64, 0),      RGB(0, 64, 64),
    RGB(0, 0, 128),     RGB(0, 0, 64),      RGB(64, 0, 64),     RGB(64, 0, 128),
    RGB(0, 0, 0),       RGB(128, 128, 0),   RGB(128, 128, 64),  RGB(128, 128, 128),
    RGB(64, 128, 128),  RGB(192, 192, 192), RGB(32, 0, 64),     RGB(255, 255, 255),
};

constexpr TColor Html(uint32_t rrggbb)
{
    return RGB(int(rrggbb >> 16) & 0xFF, int(rrggbb >> 8) & 0xFF, int(rrggbb & 0xFF));
}

constexpr std::array<TColor, 24> kStandardNamed{
    Html(0xFFFFFF), Html(0xC0C0C0), Html(0xFFFF00), Html(0xC0C080), Html(0xC0C000), Html(0xFF8000),
    Html(0xFF0000), Html(0xC08000), Html(0x804000), Html(0x800000), Html(0x00FF00), Html(0x808000),
    Html(0x008000), Html(0x808080), Html(0x00C0C0), Html(0x008080), Html(0x00FFFF), Html(0xFF0080),
    Html(0xFF00FF), Html(0x800080), Html(0x0080FF), Html(0x0000FF), Html(0x000080), Html(0x000000),
};

// Channel by channel Near(from + step * k), with step = (to - from) / parts, for k = first..last.
void Interpolate(TFarveListe& Felter, int first, int last, TColor from, TColor to, int parts, int offset)
{
    const TKanaler a = Kanaler(from), b = Kanaler(to);
    const double sr = double(b.R - a.R) / parts, sg = double(b.G - a.G) / parts, sb = double(b.B - a.B) / parts;
    last = std::min(last, Felter.Length() - 1);
    for (int k = first; k <= last; ++k) {
        const int i = k - offset;
        Felter.Put(k, FraKanaler(Near(a.R + sr * i), Near(a.G + sg * i), Near(a.B + sb * i)));
    }
}

} // namespace

namespace PaletteMaker {

TColor StandardFarve(int Nr)
{
    return Nr >= 1 && Nr <= 16 ? kStandard16[size_t(Nr - 1)] : clNone;
}

TColor RandomFarve()
{
    const int r = Random(256);
    const int g = Random(256);
    const int b = Random(256);
    return r + 256 * g + 65536 * b;
}

void IntervalPal(TFarveListe& Felter, int n, TColor Fra, TColor Til, const TColor* Midt)
{
    if (n <= 0)
        return;
    Felter.Put(0, Fra);
    if (!Midt) {
        Interpolate(Felter, 1, n - 2, Fra, Til, n, 0);
    } else if (const int h = n / 2; h > 0) {
        Interpolate(Felter, 1, h - 1, Fra, *Midt, h, 0);
        Felter.Put(h, *Midt);
        Interpolate(Felter, h + 1, n - 2, *Midt, Til, h, h);
    } else {
        Felter.Put(0, *Midt);
    }
    Felter.Put(n - 1, Til);
}

void RGBplus(TFarveListe& Felter, int n)
{
    if (n <= 0)
        return;
    const int m = n - 1, q = m / 6;
    int r = m % 6;
    std::array<int, 7> p{};
    for (int k = 2; k <= 6; ++k) {
        p[size_t(k - 1)] = q * (k - 1);
        if (r > 0) {
            ++p[size_t(k - 1)];
            --r;
        }
    }
    p[6] = m;
    constexpr std::array<TColor, 7> kAnker{0x0000FF, 0x00FF00, 0xFF0000, 0x0000FF, 0x00FFFF, 0xFF00FF, 0xFFFF00};
    for (size_t k = 0; k < p.size(); ++k)
        Felter.Put(p[k], kAnker[k]);
    for (size_t k = 0; k + 1 < p.size(); ++k)
        Fade(Felter, p[k], p[k + 1]);
}

void Fade(TFarveListe& Felter, int a, int b)
{
    a = std::max(a, 0);
    b = std::max(b, 0);
    if (a > b)
        std::swap(a, b);
    if (b - a <= 1)
        return;
    // Only fields that exist are written; a missing end field counts as empty (black).
    const int c = b - a, last = std::min(b, Felter.Length());
    const TKanaler s = Kanaler(Felter.At(a)), e = Kanaler(Felter.At(b));
    const double sr = double(e.R - s.R + 1) / c, sg = double(e.G - s.G + 1) / c, sb = double(e.B - s.B + 1) / c;
    for (int i = 1; a + i < last; ++i)
        Felter.Put(a + i, FraKanaler(s.R + int(std::trunc(sr * i)), s.G + int(std::trunc(sg * i)),
                                     s.B + int(std::trunc(sb * i))));
}

void Cube(TFarveListe& Felter, int levels, bool LightFirst)
{
    levels = std::clamp(levels, 1, 5);
    const auto value = [&](int i) {
        const int v = 64 * (LightFirst ? levels - 1 - i : i);
        return levels == 4 ? (v >= 192 ? 255 : v) : std::min(v, 255);
    };
    Felter.Grow(levels * levels * levels, clNone);
    int nr = 0;
    for (int r = 0; r < levels; ++r)
        for (int g = 0; g < levels; ++g)
            for (int b = 0; b < levels; ++b)
                Felter.Put(nr++, value(r) + 256 * value(g) + 65536 * value(b));
}

void Standard48(TFarveListe& Felter)
{
    Felter.Resize(int(kStandard48.size()), clNone);
    for (size_t i = 0; i < kStandard48.size(); ++i)
        Felter.Put(int(i), kStandard48[i]);
}

void Navngivne(TFarveListe& Felter, int n, TNavnTabel tabel)
{
    n = std::clamp(n, 0, TFarveListe::kMaxLength - 1);
    Felter.Resize(n + 1, clNone);
    const auto at = [tabel](int i) -> TColor {
        if (tabel == ntStandard24)
            return i < int(kStandardNamed.size()) ? kStandardNamed[size_t(i)] : clNone;
        const auto names = tabel == ntNavne28 ? ColourNames::Navne28() : ColourNames::Navne20();
        return i < int(names.size()) ? names[size_t(i)].Farve : clNone;
    };
    for (int i = 0; i < n; ++i)
        Felter.Put(i, at(i));
}

TColor GetBWColor(TColor Col, int Pos)
{
    Pos = std::clamp(Pos, 0, 255);
    if (Pos == 0)
        return clBlack;
    if (Pos == 128)
        return Col;
    if (Pos == 255)
        return clWhite;
    const TKanaler c = Kanaler(Col);
    const auto shade = [Pos](int ch) {
        return Pos < 128 ? Near(ch / 128.0 * Pos) : Near(ch + (255 - ch) / 128.0 * (Pos - 128));
    };
    return FraKanaler(shade(c.R), shade(c.G), shade(c.B));
}

} // namespace PaletteMaker
