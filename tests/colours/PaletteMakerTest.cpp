#include "colours/PaletteMaker.h"
#include <gtest/gtest.h>

namespace {

TFarveListe Liste(int n, TColor fill = clNone)
{
    TFarveListe f;
    f.Resize(n, fill);
    return f;
}

TEST(PaletteMaker, IntervalOfTenFieldsStepsOverTheFieldCount)
{
    TFarveListe f = Liste(10);
    PaletteMaker::IntervalPal(f, 10, clBlack, clWhite, nullptr);
    const int expected[] = {0, 26, 51, 76, 102, 128, 153, 178, 204};
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(f.At(k), RGB(expected[k], expected[k], expected[k])) << k;
    EXPECT_EQ(f.At(9), clWhite);
}

TEST(PaletteMaker, IntervalThroughACentreColour)
{
    TFarveListe f = Liste(8);
    const TColor midt = clRed;
    PaletteMaker::IntervalPal(f, 8, clBlack, clWhite, &midt);
    EXPECT_EQ(f.At(0), clBlack);
    EXPECT_EQ(f.At(2), RGB(128, 0, 0)); // halfway to red over h = 4 fields
    EXPECT_EQ(f.At(4), clRed);
    EXPECT_EQ(f.At(6), RGB(255, 128, 128));
    EXPECT_EQ(f.At(7), clWhite);
}

TEST(PaletteMaker, DegenerateIntervalsAndRainbowsWriteNoFieldOutsideTheList)
{
    TFarveListe tom;
    PaletteMaker::IntervalPal(tom, 0, clBlack, clWhite, nullptr);
    PaletteMaker::RGBplus(tom, 0);
    EXPECT_TRUE(tom.Empty());
    TFarveListe en = Liste(1);
    const TColor midt = clRed;
    PaletteMaker::IntervalPal(en, 1, clBlack, clWhite, &midt);
    EXPECT_EQ(en.At(0), clWhite);
    PaletteMaker::RGBplus(en, 1);
    EXPECT_EQ(en.At(0), clAqua); // all anchors on field 0, the last one wins
    EXPECT_EQ(en.Length(), 1);
    // A list shorter than the count asked for is written only where it exists.
    TFarveListe kort = Liste(3);
    PaletteMaker::IntervalPal(kort, 10, clBlack, clWhite, nullptr);
    EXPECT_EQ(kort.Length(), 3);
}

TEST(PaletteMaker, RainbowAnchorsOfFortyEightFields)
{
    TFarveListe f = Liste(48);
    PaletteMaker::RGBplus(f, 48);
    EXPECT_EQ(f.At(0), clRed);
    EXPECT_EQ(f.At(8), clLime);
    EXPECT_EQ(f.At(15), clBlue);
    EXPECT_EQ(f.At(22), clRed);
    EXPECT_EQ(f.At(29), clYellow);
    EXPECT_EQ(f.At(36), clFuchsia);
    EXPECT_EQ(f.At(47), clAqua);
    for (int i = 0; i < 48; ++i)
        EXPECT_NE(f.At(i), clNone) << i;
}

TEST(PaletteMaker, FadeTruncatesItsSteps)
{
    TFarveListe f = Liste(5);
    f.Put(0, clBlack);
    f.Put(4, clWhite);
    PaletteMaker::Fade(f, 4, 0); // either order
    EXPECT_EQ(f.At(1), RGB(64, 64, 64));
    EXPECT_EQ(f.At(2), RGB(128, 128, 128));
    EXPECT_EQ(f.At(3), RGB(192, 192, 192));
    // Downwards: (0 - 255 + 1) / 4 = -63.5 per step, truncated toward zero.
    f.Put(0, clWhite);
    f.Put(4, clBlack);
    PaletteMaker::Fade(f, 0, 4);
    EXPECT_EQ(f.At(1), RGB(192, 192, 192));
    EXPECT_EQ(f.At(3), RGB(65, 65, 65));
}

TEST(PaletteMaker, FadeBeyondTheListWritesOnlyExistingFields)
{
    TFarveListe f = Liste(3, clWhite);
    PaletteMaker::Fade(f, -5, 1000);
    EXPECT_EQ(f.Length(), 3);
    EXPECT_EQ(f.At(0), clWhite);
    // The missing end counts as black: steps of -254 / 1000 truncate to nothing.
    EXPECT_EQ(f.At(1), clWhite);
    EXPECT_EQ(f.At(2), clWhite);
}

TEST(PaletteMaker, CubesAndTables)
{
    TFarveListe f;
    PaletteMaker::Cube(f, 4, false);
    ASSERT_EQ(f.Length(), 64);
    EXPECT_EQ(f.At(0), clBlack);
    EXPECT_EQ(f.At(1), RGB(0, 0, 64));
    EXPECT_EQ(f.At(3), RGB(0, 0, 255));
    EXPECT_EQ(f.At(63), clWhite);
    PaletteMaker::Cube(f, 5, true);
    ASSERT_EQ(f.Length(), 125);
    EXPECT_EQ(f.At(0), clWhite);
    EXPECT_EQ(f.At(1), RGB(255, 255, 192));
    EXPECT_EQ(f.At(124), clBlack);

    PaletteMaker::Standard48(f);
    ASSERT_EQ(f.Length(), 48);
    EXPECT_EQ(f.At(0), RGB(255, 128, 128));
    EXPECT_EQ(f.At(47), clWhite);

    PaletteMaker::Navngivne(f, 30, PaletteMaker::ntNavne28);
    EXPECT_EQ(f.Length(), 31);
    EXPECT_EQ(f.At(1), RGB(255, 251, 240));
    EXPECT_EQ(f.At(27), RGB(0, 0, 128));
    EXPECT_EQ(f.At(28), clNone);
    PaletteMaker::Navngivne(f, 24, PaletteMaker::ntStandard24);
    EXPECT_EQ(f.At(8), RGB(0x80, 0x40, 0));
    PaletteMaker::Navngivne(f, 20, PaletteMaker::ntNavne20);
    EXPECT_EQ(f.At(2), RGB(0x88, 0, 0x15));
}

TEST(PaletteMaker, StandardColoursAndShades)
{
    EXPECT_EQ(PaletteMaker::StandardFarve(1), clWhite);
    EXPECT_EQ(PaletteMaker::StandardFarve(7), clRed);
    EXPECT_EQ(PaletteMaker::StandardFarve(16), clNavy);
    EXPECT_EQ(PaletteMaker::StandardFarve(0), clNone);
    EXPECT_EQ(PaletteMaker::StandardFarve(17), clNone);

    const TColor c = RGB(100, 200, 50);
    EXPECT_EQ(PaletteMaker::GetBWColor(c, 0), clBlack);
    EXPECT_EQ(PaletteMaker::GetBWColor(c, 128), c);
    EXPECT_EQ(PaletteMaker::GetBWColor(c, 255), clWhite);
    EXPECT_EQ(PaletteMaker::GetBWColor(c, 64), RGB(50, 100, 25));
    EXPECT_EQ(PaletteMaker::GetBWColor(c, 192), RGB(178, 228, 152)); // 100 + 155 / 2 = 177.5 -> 178
    EXPECT_EQ(PaletteMaker::GetBWColor(c, -7), clBlack);
    EXPECT_EQ(PaletteMaker::GetBWColor(c, 999), clWhite);
}

} // namespace
