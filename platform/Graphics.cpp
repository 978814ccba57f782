#include "platform/Graphics.h"
#include <QFontDatabase>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {
int PointsOf(int pixels)
{
    return static_cast<int>(std::lround(pixels * 72.0 / 96.0));
}
} // namespace

int TFont::Height() const
{
    if (PixelHeight > 0 && Size == PointsOf(PixelHeight))
        return -PixelHeight;
    return -static_cast<int>(std::lround(Size * 96.0 / 72.0));
}

void TFont::SetHeight(int pixels)
{
    // abs() of the smallest int does not exist; no font is that tall anyway.
    PixelHeight = pixels == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : std::abs(pixels);
    Size = PointsOf(PixelHeight);
}

QFont TFont::ToQFont() const
{
    QFont f(Name);
    f.setPixelSize(std::max(1, -Height()));
    f.setBold(Style.Contains(fsBold));
    f.setItalic(Style.Contains(fsItalic));
    f.setUnderline(Style.Contains(fsUnderline));
    f.setStrikeOut(Style.Contains(fsStrikeOut));
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QStringList ScreenFonts()
{
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    return families;
}
