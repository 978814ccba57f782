#include "colours/ColourSort.h"
#include "platform/Random.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace {

using ColourSort::EfterMetode;

TEST(ColourSort, IntensOrdersGreenRedBlue)
{
    EXPECT_EQ(EfterMetode({clRed, clLime, clBlue}, csIntens, 8), (std::vector<TColor>{clLime, clRed, clBlue}));
}

TEST(ColourSort, TiesFollowTheSelectionSortExchanges)
{
    // Equal keys a, b (16 each) before a greater one: it is exchanged with a, leaving b ahead of a.
    const TColor a = RGB(2, 0, 0), b = RGB(0, 0, 16);
    EXPECT_EQ(EfterMetode({a, b, clLime}, csIntens, 8), (std::vector<TColor>{clLime, b, a}));
    // Same key, different colours: (0, 0, 16) and (2, 0, 0) both have key 16.
    const TColor blaa = RGB(0, 0, 16), roed = RGB(2, 0, 0);
    EXPECT_EQ(EfterMetode({blaa, roed, clWhite}, csIntens, 8), (std::vector<TColor>{clWhite, roed, blaa}));
}

// The plain quadratic selection sort, to hold the fast one against.
std::vector<TColor> NaivIntens(std::vector<TColor> v)
{
    const auto key = [](TColor c) { return 16 * GetGValue(c) + 8 * GetRValue(c) + GetBValue(c); };
    for (size_t i = 0; i < v.size(); ++i) {
        size_t best = i;
        for (size_t j = i + 1; j < v.size(); ++j)
            if (key(v[j]) > key(v[best]))
                best = j;
        std::swap(v[i], v[best]);
    }
    return v;
}

TEST(ColourSort, LargePalettesGetTheSameOrderAsThePlainSelectionSort)
{
    RandSeed(7);
    std::vector<TColor> v;
    for (int i = 0; i < 3000; ++i)
        v.push_back(RGB(Random(4) * 64, Random(3) * 8, Random(40))); // many equal keys
    EXPECT_EQ(EfterMetode(v, csIntens, 8), NaivIntens(v));
}

TEST(ColourSort, GreyTestAndClassOrders)
{
    EXPECT_EQ(ColourSort::Klasse(RGB(100, 100, 108), 8), ColourSort::fkGraa);
    EXPECT_EQ(ColourSort::Klasse(RGB(100, 100, 109), 8), ColourSort::fkBlaa);
    EXPECT_EQ(ColourSort::Klasse(RGB(100, 101, 100), 8), ColourSort::fkGroen);
    EXPECT_EQ(ColourSort::Klasse(RGB(101, 100, 101), 8), ColourSort::fkRoed);
    EXPECT_EQ(ColourSort::Klasse(clNone, 8), ColourSort::fkGraa); // an empty colour counts as black

    const TColor grey = RGB(50, 50, 50), grey2 = RGB(200, 200, 200);
    const TColor green = RGB(0, 200, 0), red = RGB(200, 0, 0), red2 = RGB(250, 10, 0);
    const TColor blue = RGB(0, 0, 200), blue2 = RGB(0, 5, 250);
    const std::vector<TColor> in{blue, grey, red, green, grey2, red2, blue2};
    EXPECT_EQ(EfterMetode(in, csIntensRGB, 8), (std::vector<TColor>{grey2, grey, green, red2, red, blue2, blue}));
    EXPECT_EQ(EfterMetode(in, csRed, 8), (std::vector<TColor>{red2, red, green, blue2, blue, grey2, grey}));
    EXPECT_EQ(EfterMetode(in, csGreen, 8), (std::vector<TColor>{green, red2, red, blue2, blue, grey2, grey}));
    EXPECT_EQ(EfterMetode(in, csBlue, 8), (std::vector<TColor>{blue2, blue, red2, red, green, grey2, grey}));
    EXPECT_EQ(EfterMetode(in, csNone, 8), in);
}

TEST(ColourSort, RandomIsAPermutation)
{
    RandSeed(3);
    std::vector<TColor> in;
    for (int i = 0; i < 200; ++i)
        in.push_back(i);
    std::vector<TColor> out = EfterMetode(in, csRandom, 8);
    EXPECT_NE(out, in);
    std::sort(out.begin(), out.end());
    EXPECT_EQ(out, in);
    EXPECT_TRUE(ColourSort::Tilfaeldig({}).empty());
}

TEST(ColourSort, WeightedIsDescendingAndStable)
{
    const TColor a = RGB(0, 0, 16), b = RGB(2, 0, 0), c = RGB(0, 1, 0);
    // Weights with (8, 16, 1): a 16, b 16, c 16 -> all equal, order kept.
    EXPECT_EQ(ColourSort::Vaegtet({a, b, c}, 8, 16, 1), (std::vector<TColor>{a, b, c}));
    EXPECT_EQ(ColourSort::Vaegtet({clBlack, clBlue, clRed}, 1, 2, 3), (std::vector<TColor>{clBlue, clRed, clBlack}));
}

} // namespace
