#include "platform/Bitmap.h"
#include <gtest/gtest.h>

TEST(Bitmap, NewRasterIsWhiteAndBadSizesGiveAnEmptyRaster)
{
    TBitmap b(3, 2);
    EXPECT_FALSE(b.Empty());
    EXPECT_EQ(b.Canvas().Pixels(2, 1), clWhite);
    for (auto [w, h] : {std::pair{-5, 10}, {10, -1}, {0, 10}, {100000, 100000}, {2147483647, 2}}) {
        TBitmap bad(w, h);
        EXPECT_TRUE(bad.Empty()) << w << "x" << h;
        EXPECT_EQ(bad.Width(), 0);
        EXPECT_EQ(bad.Height(), 0);
        bad.Canvas().LineTo(5, 5);
        bad.SetSize(-3, 4);
        EXPECT_TRUE(bad.Empty());
    }
}

TEST(Bitmap, ResizeKeepsTheTopLeftAndAddsWhite)
{
    TBitmap b(4, 4);
    b.Canvas().SetPixels(1, 1, clRed);
    b.Canvas().SetPixels(3, 3, clBlue);
    b.SetSize(6, 2);
    EXPECT_EQ(b.Width(), 6);
    EXPECT_EQ(b.Height(), 2);
    EXPECT_EQ(b.Canvas().Pixels(1, 1), clRed);
    EXPECT_EQ(b.Canvas().Pixels(5, 1), clWhite);
    b.SetWidth(0);
    EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, CopiesAreIndependentAndAssignmentKeepsCanvasSettings)
{
    TBitmap a(5, 5);
    a.Canvas().Pen.Color = clRed;
    TBitmap b = a;
    EXPECT_EQ(b.Canvas().Pen.Color, clBlack); // a canvas of its own
    b.Canvas().SetPixels(0, 0, clGreen);
    EXPECT_EQ(a.Canvas().Pixels(0, 0), clWhite);
    TBitmap c(1, 1);
    c.Canvas().Brush.Color = clYellow;
    c = b;
    EXPECT_EQ(c.Width(), 5);
    EXPECT_EQ(c.Canvas().Pixels(0, 0), clGreen);
    EXPECT_EQ(c.Canvas().Brush.Color, clYellow);
    c.Canvas().FillRect(c.BoundsRect());
    EXPECT_EQ(b.Canvas().Pixels(1, 1), clWhite);
    TBitmap moved = std::move(c);
    moved.Canvas().SetPixels(4, 4, clRed);
    EXPECT_EQ(moved.Canvas().Pixels(4, 4), clRed);
    EXPECT_EQ(&moved.Canvas().Bitmap(), &moved);
}

TEST(Bitmap, CanvasReportsTheRectangleEachOperationChanged)
{
    TBitmap b(100, 100);
    std::vector<TRect> changes;
    b.Canvas().OnChange = [&](const TRect& r) { changes.push_back(r); };
    b.Canvas().Rectangle(10, 20, 30, 25);
    b.Canvas().SetPixels(99, 99, clRed);
    b.Canvas().FillRect(Rect(90, 90, 200, 200));
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0], Rect(10, 20, 30, 25));
    EXPECT_EQ(changes[1], Rect(99, 99, 100, 100));
    EXPECT_EQ(changes[2], Rect(90, 90, 100, 100)); // clipped to the raster
}

TEST(Bitmap, ScanLinesAreThePixels)
{
    TBitmap b(3, 2);
    b.ScanLine(1)[2] = ToQRgb(clRed);
    EXPECT_EQ(b.Canvas().Pixels(2, 1), clRed);
    QImage argb(2, 2, QImage::Format_ARGB32);
    argb.fill(qRgb(0, 0, 255));
    b.SetImage(argb);
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(b.Canvas().Pixels(1, 1), clBlue);
}

TEST(Bitmap, ReshapeReusesItsMemoryButNeverAnotherRastersPixels)
{
    TBitmap b(200, 100);
    const uchar* memory = b.Image().constBits();
    b.Reshape(50, 40);
    b.Reshape(100, 200); // within the memory it already has
    EXPECT_EQ(b.Image().constBits(), memory);
    EXPECT_EQ(b.Width(), 100);
    b.Reshape(400, 400); // larger: fresh memory
    EXPECT_NE(b.Image().constBits(), memory);

    // A copy shares nothing once either side changes.
    TBitmap a(60, 60);
    TBitmap copy = a;
    copy.Reshape(30, 30);
    copy.Canvas().SetPixels(0, 0, clRed);
    a.Canvas().SetPixels(1, 1, clBlue);
    EXPECT_EQ(a.Canvas().Pixels(0, 0), clWhite);
    EXPECT_NE(copy.Canvas().Pixels(1, 1), clBlue);
    // Assignment between sizes keeps working through the kept memory.
    TBitmap big(300, 300), small(10, 10);
    small.Canvas().SetPixels(9, 9, clGreen);
    big = small;
    EXPECT_EQ(big.Width(), 10);
    EXPECT_EQ(big.Canvas().Pixels(9, 9), clGreen);
    small.Canvas().SetPixels(9, 9, clRed);
    EXPECT_EQ(big.Canvas().Pixels(9, 9), clGreen);
}
