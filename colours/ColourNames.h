#pragma once
#include "platform/Color.h"
#include "platform/Input.h"
#include <QString>
#include <span>

// One named colour of the program's two name tables.
struct TNavngivetFarve {
    TColor Farve;
    const char* Dansk;
    const char* Engelsk; // the 20-colour table has Danish names only (nullptr)
};

namespace ColourNames {

// The 28 colours with Danish and English names, in the order the Named28 palette shows them.
std::span<const TNavngivetFarve> Navne28();
// The 20 colours with Danish names, in the order the Named20 palette shows them.
std::span<const TNavngivetFarve> Navne20();

// "#RRGGBB": red, green and blue as two upper-case hexadecimal digits each.
QString GetHtmlFarve(TColor Col);
// The colour's name in the language, or its "#RRGGBB" notation when it has none.
QString GetFarveNavn(TColor Col, TSprogtype Sprog);
// The Danish name of an exact match in the 20-colour table, else the empty text.
QString GetFarveNavn20(TColor Col);

} // namespace ColourNames
