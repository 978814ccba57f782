#include "platform/Color.h"

namespace {
// Classic desktop values of the system colours, by index.
constexpr TColor kSystemColors[] = {
    RGB(200, 200, 200), RGB(0, 128, 128),   RGB(0, 84, 227),    RGB(122, 150, 223), // 0-3
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       // 4-7
    RGB(0, 0, 0),       RGB(255, 255, 255), RGB(212, 208, 200), RGB(212, 208, 200), // 8-11
    RGB(128, 128, 128), RGB(49, 106, 197),  RGB(255, 255, 255), RGB(236, 233, 216), // 12-15
    RGB(172, 168, 153), RGB(172, 168, 153), RGB(0, 0, 0),       RGB(216, 228, 248), // 16-19
    RGB(255, 255, 255), RGB(113, 111, 100), RGB(241, 239, 226), RGB(0, 0, 0),       // 20-23
    RGB(255, 255, 225),
};
} // namespace

TColor ColorToRGB(TColor c)
{
    if (c < 0) {
        const int index = c & 0xFF;
        if (index < int(std::size(kSystemColors)))
            return kSystemColors[index];
        return clBlack;
    }
    if (c == clNone || c == clDefault)
        return clBlack;
    return c & 0xFFFFFF;
}

QColor ToQColor(TColor c)
{
    const TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& c)
{
    return RGB(c.red(), c.green(), c.blue());
}
