#include "platform/Bitmap.h"
#include <gtest/gtest.h>

TEST(FloodFill, SurfaceFillsOnlyTheFourConnectedRegion)
{
    // Two white areas touching only diagonally across a black staircase.
    TBitmap b(10, 10);
    TCanvas& c = b.Canvas();
    for (int i = 0; i < 10; ++i)
        c.SetPixels(i, i, clBlack);
    c.Brush.Color = clRed;
    c.FloodFill(0, 9, clWhite, fsSurface);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const TColor want = x == y ? clBlack : x < y ? clRed : clWhite;
            ASSERT_EQ(c.Pixels(x, y), want) << x << "," << y;
        }
    // A seed that is not of the given colour fills nothing.
    c.Brush.Color = clBlue;
    c.FloodFill(5, 5, clWhite, fsSurface);
    EXPECT_EQ(c.Pixels(5, 5), clBlack);
}

TEST(FloodFill, BorderFillStopsAtTheBorderColourAndCoversOtherColours)
{
    TBitmap b(20, 20);
    TCanvas& c = b.Canvas();
    c.Brush.Style = bsClear;
    c.Rectangle(2, 2, 15, 15); // black border
    c.SetPixels(5, 5, clGreen);
    c.SetPixels(20 - 1, 19, clGreen); // outside: must stay
    c.Brush.Style = bsSolid;
    c.Brush.Color = clRed;
    c.FloodFill(8, 8, clBlack, fsBorder);
    EXPECT_EQ(c.Pixels(5, 5), clRed);
    EXPECT_EQ(c.Pixels(3, 3), clRed);
    EXPECT_EQ(c.Pixels(2, 8), clBlack);
    EXPECT_EQ(c.Pixels(1, 1), clWhite);
    EXPECT_EQ(c.Pixels(19, 19), clGreen);
}

TEST(FloodFill, HatchedBrushAndSameColourFillsFinish)
{
    TBitmap b(64, 64);
    TCanvas& c = b.Canvas();
    c.Brush.Style = bsCross;
    c.Brush.Color = clBlue;
    c.FloodFill(10, 10, clWhite, fsSurface);
    EXPECT_EQ(c.Pixels(3, 0), clBlue);
    EXPECT_EQ(c.Pixels(1, 1), clWhite); // the hatch's background shows
    c.Brush.Style = bsSolid;
    c.Brush.Color = clWhite;
    c.FloodFill(1, 1, clWhite, fsSurface); // fills with the region's own colour
    c.FloodFill(1, 1, clRed, fsBorder);    // nothing is red: everything is inside
    EXPECT_EQ(c.Pixels(3, 0), clWhite);
}

TEST(FloodFill, WholeLargeRasterAndSeedsOutsideAreSafe)
{
    TBitmap b(6000, 4000);
    TCanvas& c = b.Canvas();
    c.Brush.Color = clRed;
    c.FloodFill(-1, 5, clWhite, fsSurface);
    c.FloodFill(6000, 5, clWhite, fsSurface);
    c.FloodFill(5, 4000, clWhite, fsSurface);
    EXPECT_EQ(c.Pixels(0, 0), clWhite);
    // A serpentine wall makes the region one long path, the hard case for recursive fills.
    c.Brush.Color = clBlack;
    for (int x = 2; x < 5998; x += 4)
        c.FillRect(Rect(x, (x / 4) % 2 ? 0 : 1, x + 2, (x / 4) % 2 ? 3999 : 4000));
    c.Brush.Color = clRed;
    c.FloodFill(0, 0, clWhite, fsSurface);
    EXPECT_EQ(c.Pixels(0, 3999), clRed);
    EXPECT_EQ(c.Pixels(5999, 3999), clRed);
    EXPECT_EQ(c.Pixels(5999, 0), clRed);
    EXPECT_EQ(c.Pixels(2, 100), clBlack);
}
