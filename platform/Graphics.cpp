#include "platform/Graphics.h"
#include <QFontDatabase>
#include <cmath>
#include <cstdlib>

int TFont::Height() const
{
    return -static_cast<int>(std::lround(Size * 96.0 / 72.0));
}

void TFont::SetHeight(int pixels)
{
    Size = static_cast<int>(std::lround(std::abs(pixels) * 72.0 / 96.0));
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
