#include "platform/Bitmap.h"
#include "platform/ImageList.h"
#include <gtest/gtest.h>

namespace {
TBitmap Solid(int w, int h, TColor c)
{
    TBitmap b(w, h);
    b.Canvas().Brush = {c, bsSolid};
    b.Canvas().FillRect(b.BoundsRect());
    return b;
}
} // namespace

TEST(ImageList, SizesBelowOneBecomeOneAndAChangedSizeEmptiesTheList)
{
    TImageList l(0, -3);
    EXPECT_EQ(l.Width(), 1);
    EXPECT_EQ(l.Height(), 1);
    l.SetSize(8, 8);
    EXPECT_EQ(l.Add(Solid(8, 8, clRed)), 0);
    l.SetSize(8, 8); // the same size keeps the images
    EXPECT_EQ(l.Count(), 1);
    l.SetSize(4, 8);
    EXPECT_EQ(l.Count(), 0);
}

TEST(ImageList, AWideRasterIsCutIntoImagesOfTheListsWidth)
{
    TImageList l(4, 4);
    TBitmap strip(12, 4);
    strip.Canvas().Brush = {clRed, bsSolid};
    strip.Canvas().FillRect(Rect(0, 0, 4, 4));
    strip.Canvas().Brush = {clLime, bsSolid};
    strip.Canvas().FillRect(Rect(4, 0, 8, 4));
    strip.Canvas().Brush = {clBlue, bsSolid};
    strip.Canvas().FillRect(Rect(8, 0, 12, 4));
    EXPECT_EQ(l.Add(strip), 0);
    ASSERT_EQ(l.Count(), 3);
    EXPECT_EQ(l.Image(0)->Canvas().Pixels(3, 3), clRed);
    EXPECT_EQ(l.Image(1)->Canvas().Pixels(0, 0), clLime);
    EXPECT_EQ(l.Image(2)->Canvas().Pixels(2, 1), clBlue);
    EXPECT_EQ(l.Add(Solid(4, 4, clYellow)), 3);
}

TEST(ImageList, ASmallRasterIsPaddedWithWhiteAndAnEmptyOneIsRefused)
{
    TImageList l(4, 4);
    EXPECT_EQ(l.Add(TBitmap()), -1);
    EXPECT_EQ(l.Add(Solid(2, 3, clRed)), 0);
    const TBitmap* b = l.Image(0);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Width(), 4);
    EXPECT_EQ(b->Height(), 4);
    EXPECT_EQ(b->Canvas().Pixels(1, 2), clRed);
    EXPECT_EQ(b->Canvas().Pixels(2, 0), clWhite);
    EXPECT_EQ(b->Canvas().Pixels(0, 3), clWhite);
}

TEST(ImageList, IndexesOutOfRangeDoNothing)
{
    TImageList l(2, 2);
    l.Add(Solid(2, 2, clRed));
    EXPECT_EQ(l.Image(-1), nullptr);
    EXPECT_EQ(l.Image(1), nullptr);
    TBitmap out = Solid(1, 1, clBlue);
    EXPECT_FALSE(l.GetBitmap(5, out));
    EXPECT_EQ(out.Canvas().Pixels(0, 0), clBlue);
    EXPECT_FALSE(l.Replace(-1, Solid(2, 2, clLime)));
    l.Delete(7);
    EXPECT_EQ(l.Count(), 1);
    TBitmap target = Solid(4, 4, clBlack);
    l.Draw(target.Canvas(), 0, 0, 3);
    EXPECT_EQ(target.Canvas().Pixels(0, 0), clBlack);
}

TEST(ImageList, ReplaceDeleteAndClearChangeTheListAndNotify)
{
    TImageList l(2, 2);
    int changes = 0;
    l.OnChange = [&](TObject*) { ++changes; };
    l.Add(Solid(2, 2, clRed));
    l.Add(Solid(2, 2, clLime));
    EXPECT_TRUE(l.Replace(0, Solid(2, 2, clBlue)));
    EXPECT_EQ(l.Image(0)->Canvas().Pixels(1, 1), clBlue);
    l.Delete(0);
    ASSERT_EQ(l.Count(), 1);
    EXPECT_EQ(l.Image(0)->Canvas().Pixels(0, 0), clLime);
    l.Clear();
    EXPECT_EQ(l.Count(), 0);
    EXPECT_EQ(changes, 5);
}

TEST(ImageList, TheDisabledLookIsHalfwayToTheSelectionColour)
{
    const TColor h = ColorToRGB(clHighlight);
    const TColor d = TImageList::DisabledColour(clWhite);
    EXPECT_EQ(GetRValue(d), (255 + GetRValue(h)) / 2);
    EXPECT_EQ(GetGValue(d), (255 + GetGValue(h)) / 2);
    EXPECT_EQ(GetBValue(d), (255 + GetBValue(h)) / 2);
    EXPECT_EQ(TImageList::DisabledColour(h), h);
    const TColor k = TImageList::DisabledColour(RGB(1, 3, 5));
    EXPECT_EQ(GetRValue(k), (1 + GetRValue(h)) / 2);
    EXPECT_EQ(GetBValue(k), (5 + GetBValue(h)) / 2);
}

TEST(ImageList, GetBitmapGivesThePlainOrTheDisabledImageKeepingOneColour)
{
    TImageList l(2, 1);
    TBitmap two(2, 1);
    two.Canvas().SetPixels(0, 0, clRed);
    two.Canvas().SetPixels(1, 0, clWhite);
    l.Add(two);
    TBitmap out;
    ASSERT_TRUE(l.GetBitmap(0, out));
    EXPECT_EQ(out.Canvas().Pixels(0, 0), clRed);
    ASSERT_TRUE(l.GetBitmap(0, out, true));
    EXPECT_EQ(out.Canvas().Pixels(0, 0), TImageList::DisabledColour(clRed));
    EXPECT_EQ(out.Canvas().Pixels(1, 0), TImageList::DisabledColour(clWhite));
    ASSERT_TRUE(l.GetBitmap(0, out, true, clWhite));
    EXPECT_EQ(out.Canvas().Pixels(0, 0), TImageList::DisabledColour(clRed));
    EXPECT_EQ(out.Canvas().Pixels(1, 0), clWhite);
    // The stored image is unchanged.
    EXPECT_EQ(l.Image(0)->Canvas().Pixels(0, 0), clRed);
}

TEST(ImageList, DrawPutsTheImageUnscaledAtItsCorner)
{
    TImageList l(2, 2);
    l.Add(Solid(2, 2, clRed));
    TBitmap target = Solid(5, 5, clBlack);
    l.Draw(target.Canvas(), 1, 2, 0);
    EXPECT_EQ(target.Canvas().Pixels(0, 2), clBlack);
    EXPECT_EQ(target.Canvas().Pixels(1, 2), clRed);
    EXPECT_EQ(target.Canvas().Pixels(2, 3), clRed);
    EXPECT_EQ(target.Canvas().Pixels(3, 3), clBlack);
    l.Draw(target.Canvas(), 3, 3, 0, false);
    EXPECT_EQ(target.Canvas().Pixels(4, 4), TImageList::DisabledColour(clRed));
    // Partly outside the raster: clipped, no crash.
    l.Draw(target.Canvas(), -1, 4, 0);
    EXPECT_EQ(target.Canvas().Pixels(0, 4), clRed);
}
