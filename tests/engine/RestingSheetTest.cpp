// The meta bitmap of a big picture gives its memory back when it has not been used for a while,
// and everything that uses it afterwards gets it exactly as it was.
#include "PicFixture.h"
#include "engine/RestingRaster.h"
#include <functional>

namespace {
// A white raster with a red square and a blue dot, a pen of its own and a part touched.
TBitmap Sheet()
{
    TBitmap b(300, 200);
    b.ResetTouched();
    b.Canvas().Brush.Color = clRed;
    b.Canvas().FillRect(Rect(40, 30, 90, 70));
    b.ScanLine(150)[260] = ToQRgb(clBlue);
    b.Canvas().Pen.Color = clLime;
    b.Canvas().Pen.Width = 3;
    b.SetPixelFormat(pf8bit);
    return b;
}
} // namespace

TEST(RestingRaster, WakesExactlyAsItRested)
{
    TRestingRaster r;
    r.Raw() = Sheet();
    r.Raw().Canvas().Pen = Sheet().Canvas().Pen;
    const TBitmap before = r.Raw();
    const TRect touched = r.Raw().Touched();
    ASSERT_TRUE(r.Rest(ToQRgb(clWhite)));
    EXPECT_TRUE(r.Resting());
    EXPECT_TRUE(r.Raw().Empty());
    EXPECT_EQ(r.Raw().Canvas().Pen.Color, clLime); // settings stay while it rests
    const TBitmap& woken = r.Bitmap();
    EXPECT_FALSE(r.Resting());
    EXPECT_TRUE(SamePixels(woken, before));
    EXPECT_EQ(woken.Touched(), touched);
    EXPECT_EQ(woken.PixelFormat(), pf8bit);
    EXPECT_EQ(woken.Canvas().Pen.Width, 3);

    // All background: nothing is kept, all of it comes back.
    r.Raw() = TBitmap(64, 64);
    ASSERT_TRUE(r.Rest(ToQRgb(clWhite)));
    EXPECT_TRUE(SamePixels(r.Bitmap(), TBitmap(64, 64)));

    // Mostly not background: resting would save nothing, so it stays awake.
    r.Raw() = PatternPicture(100, 80);
    EXPECT_FALSE(r.Rest(ToQRgb(clWhite)));
    EXPECT_TRUE(SamePixels(r.Raw(), PatternPicture(100, 80)));
}

// Each case draws a figure, then the picture rests (or not), then something uses the meta
// bitmap again: the picture comes out the same either way.
TEST(RestingRaster, WhatFollowsARestGivesThePictureItGivesWithout)
{
    constexpr int kSide = 1024; // big enough to rest
    const auto drag = [](TImagePic& p, int tool, int x, int y, int dx, int dy) {
        p.SetToolNr(tool);
        p.MouseDown(mbLeft, {}, x, y);
        p.MouseMove({}, x + dx, y + dy);
        p.MouseUp(mbLeft, {}, x + dx, y + dy);
    };
    const std::pair<const char*, std::function<void(TImagePic&)>> afterwards[] = {
        {"move the figure", [](TImagePic& p) { p.Flyt(frRight); p.Flyt(frDown); }},
        {"place the figure", [](TImagePic& p) { p.PladserObjekt(mmNotFarve); }},
        {"meta bitmap as picture", [](TImagePic& p) { p.LoadMetaBitmap(); }},
        {"another figure", [&](TImagePic& p) { drag(p, 8, 500, 400, 120, 90); }},
        {"pencil", [&](TImagePic& p) { drag(p, 1, 700, 700, 30, 10); }},
    };
    for (const auto& [name, then] : afterwards) {
        std::unique_ptr<TImagePic> pics[2] = {MakePic(kSide, kSide), MakePic(kSide, kSide)};
        for (auto& p : pics) {
            p->SetPenColor(clRed);
            p->SetBrushColor(clBlue);
            drag(*p, 4, 100, 120, 200, 150);
        }
        pics[1]->RestWhenIdle(); // used since the timer started: waits again
        EXPECT_FALSE(pics[1]->MetaBitmapResting()) << name;
        pics[1]->RestWhenIdle();
        ASSERT_TRUE(pics[1]->MetaBitmapResting()) << name;
        for (auto& p : pics)
            then(*p);
        EXPECT_FALSE(pics[1]->MetaBitmapResting()) << name;
        EXPECT_TRUE(SamePixels(pics[0]->Picture(), pics[1]->Picture())) << name;
        EXPECT_TRUE(SamePixels(pics[0]->MetaBitmap(), pics[1]->MetaBitmap())) << name;
        EXPECT_TRUE(ViewShowsPicture(*pics[1])) << name;
    }
    // A small picture's meta bitmap stays.
    auto small = MakePic(300, 200);
    drag(*small, 4, 10, 10, 50, 40);
    small->RestWhenIdle();
    small->RestWhenIdle();
    EXPECT_FALSE(small->MetaBitmapResting());
}
