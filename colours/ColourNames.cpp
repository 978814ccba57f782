#include "colours/ColourNames.h"
#include <array>

namespace {

// A colour written as 0xRRGGBB, the way the tables read.
constexpr TColor Html(uint32_t rrggbb)
{
    return RGB(int(rrggbb >> 16) & 0xFF, int(rrggbb >> 8) & 0xFF, int(rrggbb & 0xFF));
}

const std::array<TNavngivetFarve, 28> kNavne28{{
    {Html(0xFFFFFF), "hvid", "white"},
    {Html(0xFFFBF0), "cream", "cream"},
    {Html(0xC0C0C0), "sølvgrå", "silver"},
    {Html(0xA0A0A4), "mellemgrå", "medium gray"},
    {Html(0x808080), "grå", "gray"},
    {Html(0x000000), "sort", "black"},
    {Html(0xFFFF00), "gul", "yellow"},
    {Html(0xC0C080), "beige", "beige"},
    {Html(0xC0C000), "karry", "gold"},
    {Html(0xFF8000), "orange", "orange"},
    {Html(0xFF0000), "rød", "red"},
    {Html(0xC08000), "lysbrun", "light brown"},
    {Html(0x806000), "brun", "brown"},
    {Html(0x800000), "kastanje", "maroon"},
    {Html(0xC0DCC0), "bleggrøn", "money green"},
    {Html(0x00FF00), "lime", "lime"},
    {Html(0x808000), "oliven", "olive"},
    {Html(0x008000), "grøn", "green"},
    {Html(0x00C0C0), "blågrøn", "cyan"},
    {Html(0x008080), "turkis", "teal"},
    {Html(0x00FFFF), "cyan", "aqua"},
    {Html(0xFF0080), "violet", "violet"},
    {Html(0xFF00FF), "magenta", "fuchsia"},
    {Html(0x800080), "mørklilla", "purple"},
    {Html(0xA6CAF0), "himmelblå", "sky blue"},
    {Html(0x0080FF), "lysblå", "light blue"},
    {Html(0x0000FF), "blå", "blue"},
    {Html(0x000080), "mørkblå", "navy"},
}};

const std::array<TNavngivetFarve, 20> kNavne20{{
    {Html(0x000000), "sort", nullptr},
    {Html(0x7F7F7F), "grå 50%", nullptr},
    {Html(0x880015), "rødbrun", nullptr},
    {Html(0xED1C24), "rød", nullptr},
    {Html(0xFF7F27), "orange", nullptr},
    {Html(0xFFF200), "gul", nullptr},
    {Html(0x22B14C), "grøn", nullptr},
    {Html(0x00A2E8), "turkis", nullptr},
    {Html(0x3F48CC), "indigo", nullptr},
    {Html(0xA349A4), "lilla", nullptr},
    {Html(0xFFFFFF), "hvid", nullptr},
    {Html(0xC3C3C3), "grå 25%", nullptr},
    {Html(0xB97A57), "brun", nullptr},
    {Html(0xFFAEC9), "rosa", nullptr},
    {Html(0xFFC90E), "gylden", nullptr},
    {Html(0xEFE4B0), "lysegul", nullptr},
    {Html(0xB5E61D), "lime", nullptr},
    {Html(0x99D9EA), "blegturkis", nullptr},
    {Html(0x7092BE), "blågrå", nullptr},
    {Html(0xC8BFE7), "lavendel", nullptr},
}};

// The table entry of exactly this colour, or nullptr (empty and system colours have none).
const TNavngivetFarve* Find(std::span<const TNavngivetFarve> table, TColor col)
{
    for (const TNavngivetFarve& entry : table)
        if (entry.Farve == col)
            return &entry;
    return nullptr;
}

} // namespace

namespace ColourNames {

std::span<const TNavngivetFarve> Navne28() { return kNavne28; }
std::span<const TNavngivetFarve> Navne20() { return kNavne20; }

QString GetHtmlFarve(TColor Col)
{
    // Written digit by digit: hovering over a palette names a colour at every field it enters.
    static constexpr char kHex[] = "0123456789ABCDEF";
    const int bytes[3] = {GetRValue(Col), GetGValue(Col), GetBValue(Col)};
    QString s(7, QLatin1Char('#'));
    for (int i = 0; i < 3; ++i) {
        s[1 + 2 * i] = QLatin1Char(kHex[(bytes[i] >> 4) & 15]);
        s[2 + 2 * i] = QLatin1Char(kHex[bytes[i] & 15]);
    }
    return s;
}

QString GetFarveNavn(TColor Col, TSprogtype Sprog)
{
    const TNavngivetFarve* entry = Find(kNavne28, Col);
    if (!entry)
        return GetHtmlFarve(Col);
    return QString::fromUtf8(Sprog == stEngelsk ? entry->Engelsk : entry->Dansk);
}

QString GetFarveNavn20(TColor Col)
{
    const TNavngivetFarve* entry = Find(kNavne20, Col);
    return entry ? QString::fromUtf8(entry->Dansk) : QString();
}

} // namespace ColourNames
