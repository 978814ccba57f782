#include "colours/ColourNames.h"
#include <gtest/gtest.h>

namespace {

using namespace ColourNames;

TEST(ColourNames, NamesInBothLanguagesAndNotationForTheRest)
{
    EXPECT_EQ(GetFarveNavn(0x0080FF, stDansk), "orange");
    EXPECT_EQ(GetFarveNavn(0x0080FF, stEngelsk), "orange");
    EXPECT_EQ(GetFarveNavn(0x123456, stDansk), "#563412");
    EXPECT_EQ(GetFarveNavn(0x123456, stEngelsk), "#563412");
    EXPECT_EQ(GetFarveNavn(clSilver, stDansk), QString::fromUtf8("sølvgrå"));
    EXPECT_EQ(GetFarveNavn(clAqua, stDansk), "cyan");
    EXPECT_EQ(GetFarveNavn(clAqua, stEngelsk), "aqua");
    EXPECT_EQ(GetFarveNavn(RGB(0xA0, 0xA0, 0xA4), stEngelsk), "medium gray");
    // An empty field is not white.
    EXPECT_NE(GetFarveNavn(clNone, stDansk), "hvid");
}

TEST(ColourNames, EveryNamedTableColourHasItsName)
{
    for (const TNavngivetFarve& n : Navne28())
        EXPECT_EQ(GetFarveNavn(n.Farve, stEngelsk), QString::fromUtf8(n.Engelsk));
    for (const TNavngivetFarve& n : Navne20())
        EXPECT_EQ(GetFarveNavn20(n.Farve), QString::fromUtf8(n.Dansk));
}

TEST(ColourNames, TwentyTableAndHtmlNotation)
{
    EXPECT_EQ(GetFarveNavn20(RGB(195, 195, 195)), QString::fromUtf8("grå 25%"));
    EXPECT_EQ(GetFarveNavn20(RGB(195, 195, 196)), QString());
    EXPECT_EQ(GetFarveNavn20(clRed), QString());
    EXPECT_EQ(GetHtmlFarve(clWhite), "#FFFFFF");
    EXPECT_EQ(GetHtmlFarve(clRed), "#FF0000");
    EXPECT_EQ(GetHtmlFarve(RGB(10, 11, 171)), "#0A0BAB");
}

} // namespace
