// The field image painter TBitmapX.
#include "platform/Bitmap.h"
#include "widgets/BitmapX.h"
#include <gtest/gtest.h>
#include <memory>

namespace {
std::unique_ptr<TImageList> List(int n, int w = 4, int h = 4)
{
    auto l = std::make_unique<TImageList>(w, h);
    for (int i = 0; i < n; ++i) {
        TBitmap b(w, h);
        b.Canvas().Brush = {RGB(10 * i, 100, 200), bsSolid};
        b.Canvas().FillRect(b.BoundsRect());
        l->Add(b);
    }
    return l;
}

TColor ImageColour(int i)
{
    return RGB(10 * i, 100, 200);
}

TBitmap Blank(int w, int h, TColor c = clBlack)
{
    TBitmap b(w, h);
    b.Canvas().Brush = {c, bsSolid};
    b.Canvas().FillRect(b.BoundsRect());
    return b;
}

// The bounds of the pixels that differ from c.
TRect Painted(const TBitmap& b, TColor c = clBlack)
{
    TRect r{b.Width(), b.Height(), 0, 0};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Canvas().Pixels(x, y) != c) {
                r.Left = std::min(r.Left, x);
                r.Top = std::min(r.Top, y);
                r.Right = std::max(r.Right, x + 1);
                r.Bottom = std::max(r.Bottom, y + 1);
            }
    return r.IsEmpty() ? TRect{} : r;
}
} // namespace

TEST(BitmapX, TheImageIndexTable)
{
    auto l = List(100);
    TBitmapX b;
    b.SetBitmapListe(l.get());
    b.SetStartIndex(10);
    b.SetFeltAntal(20);
    const int k = 3;
    auto row = [&](TBitXType t) {
        b.SetBitType(t);
        return std::vector<int>{b.ImageIndex(k, 0), b.ImageIndex(k, 1), b.ImageIndex(k, 2), b.ImageIndex(k, 3),
                                b.ImageIndex(k, 4), b.ImageIndex(k, 5)};
    };
    EXPECT_EQ(row(btIngen), std::vector<int>({-1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(row(btSimpel), std::vector<int>({10, 10, 10, 10, 10, 10}));
    EXPECT_EQ(row(btDual), std::vector<int>({10, 10, 11, 10, 11, 10}));
    EXPECT_EQ(row(btTrio), std::vector<int>({10, 10, 12, 11, 12, 10}));
    EXPECT_EQ(row(btUnikSimpel), std::vector<int>({13, 13, 13, 13, 13, 13}));
    EXPECT_EQ(row(btUnikDual), std::vector<int>({13, 33, 13, 33, 13, 10}));
    EXPECT_EQ(row(btUnikTrio), std::vector<int>({13, 13, 53, 33, 53, 10}));
}

TEST(BitmapX, IndexesOutsideTheListOrNegativeDrawNothing)
{
    auto l = List(3);
    TBitmapX b;
    b.SetBitmapListe(l.get());
    b.SetBitType(btUnikSimpel);
    TBitmap t = Blank(10, 10);
    EXPECT_TRUE(b.PutBitmap(2, t.Canvas(), Rect(0, 0, 10, 10), 1));
    t = Blank(10, 10);
    EXPECT_FALSE(b.PutBitmap(3, t.Canvas(), Rect(0, 0, 10, 10), 1));
    EXPECT_FALSE(b.PutBitmap(-1, t.Canvas(), Rect(0, 0, 10, 10), 1));
    b.SetStartIndex(-5);
    EXPECT_FALSE(b.PutBitmap(2, t.Canvas(), Rect(0, 0, 10, 10), 1));
    EXPECT_EQ(Painted(t), TRect{});
    // No list, btIngen, an empty or negative field.
    b.SetStartIndex(0);
    EXPECT_FALSE(b.PutBitmap(0, t.Canvas(), Rect(5, 5, 2, 2), 1));
    b.SetBitType(btIngen);
    EXPECT_FALSE(b.PutBitmap(0, t.Canvas(), Rect(0, 0, 10, 10), 1));
    TBitmapX none;
    none.SetBitType(btSimpel);
    EXPECT_FALSE(none.PutBitmap(0, t.Canvas(), Rect(0, 0, 10, 10), 1));
    EXPECT_EQ(Painted(t), TRect{});
}

TEST(BitmapX, RealDimDrawsUnscaledAtTheTopLeftWithTheOffset)
{
    auto l = List(1, 4, 3);
    TBitmapX b;
    b.SetBitmapListe(l.get());
    EXPECT_EQ(b.Bredde(), 4);
    EXPECT_EQ(b.Hojde(), 3);
    b.SetBitType(btSimpel);
    b.SetX1(2);
    b.SetY1(1);
    TBitmap t = Blank(20, 20);
    ASSERT_TRUE(b.PutBitmap(0, t.Canvas(), Rect(5, 5, 15, 15), 1));
    EXPECT_EQ(Painted(t), Rect(7, 6, 11, 9));
    EXPECT_EQ(t.Canvas().Pixels(7, 6), ImageColour(0));
}

TEST(BitmapX, APressedImageMovesByAktivVandretAndAktivLodret)
{
    auto l = List(1);
    TBitmapX b;
    b.SetBitmapListe(l.get());
    b.SetBitType(btSimpel);
    b.SetAktivVandret(2);
    b.SetAktivLodret(3);
    TBitmap t = Blank(20, 20);
    b.PutBitmap(0, t.Canvas(), Rect(5, 5, 15, 15), 2);
    EXPECT_EQ(Painted(t), Rect(7, 8, 11, 12));
    t = Blank(20, 20);
    b.PutBitmap(0, t.Canvas(), Rect(5, 5, 15, 15), 4);
    EXPECT_EQ(Painted(t), Rect(7, 8, 11, 12));
    b.SetAktivVL(false);
    t = Blank(20, 20);
    b.PutBitmap(0, t.Canvas(), Rect(5, 5, 15, 15), 2);
    EXPECT_EQ(Painted(t), Rect(5, 5, 9, 9));
}

TEST(BitmapX, FeltDimStretchesOverTheField)
{
    auto l = List(1);
    TBitmapX b;
    b.SetBitmapListe(l.get());
    b.SetBitType(btSimpel);
    b.SetFeltDim(true);
    EXPECT_FALSE(b.RealDim());
    TBitmap t = Blank(20, 20);
    b.PutBitmap(0, t.Canvas(), Rect(2, 3, 17, 11), 1);
    EXPECT_EQ(Painted(t), Rect(2, 3, 17, 11));
}

TEST(BitmapX, WithoutRealDimTheImageIsStretchedToBreddeMinusOne)
{
    auto l = List(1);
    TBitmapX b;
    b.SetBitmapListe(l.get());
    b.SetBitType(btSimpel);
    b.SetRealDim(false);
    b.SetBredde(8);
    b.SetHojde(6);
    TBitmap t = Blank(20, 20);
    b.PutBitmap(0, t.Canvas(), Rect(0, 0, 20, 20), 1);
    EXPECT_EQ(Painted(t), Rect(0, 0, 7, 5));
    // A size below 1 draws nothing.
    b.SetBredde(0);
    t = Blank(20, 20);
    EXPECT_FALSE(b.PutBitmap(0, t.Canvas(), Rect(0, 0, 20, 20), 1));
    EXPECT_EQ(Painted(t), TRect{});
}

TEST(BitmapX, ScaleShrinksNeverEnlargesAndCentrerCentres)
{
    auto l = List(1, 32, 16);
    TBitmapX b;
    b.SetBitmapListe(l.get());
    b.SetBitType(btUnikSimpel);
    b.SetScale(true);
    b.SetCentrer(true);
    b.SetAktivVL(false);
    // 32 x 16 into 16 x 16: factor 0.5, 16 x 8 at top + 4.
    EXPECT_EQ(b.TargetRect(Rect(10, 10, 26, 26), 1), Rect(10, 14, 26, 22));
    TBitmap t = Blank(40, 40);
    b.PutBitmap(0, t.Canvas(), Rect(10, 10, 26, 26), 1);
    EXPECT_EQ(Painted(t), Rect(10, 14, 26, 22));
    // Into 64 x 64: never enlarged, centred.
    EXPECT_EQ(b.TargetRect(Rect(0, 0, 64, 64), 1), Rect(16, 24, 48, 40));
    // Without Centrer the top-left corner stays.
    b.SetCentrer(false);
    EXPECT_EQ(b.TargetRect(Rect(10, 10, 26, 26), 1), Rect(10, 10, 26, 18));
    // Centred without Scale.
    b.SetScale(false);
    b.SetCentrer(true);
    EXPECT_EQ(b.TargetRect(Rect(0, 0, 40, 20), 1), Rect(4, 2, 36, 18));
    // A field too small for anything draws nothing.
    b.SetScale(true);
    t = Blank(10, 10);
    EXPECT_FALSE(b.PutBitmap(0, t.Canvas(), Rect(3, 3, 3, 10), 1));
}

TEST(BitmapX, TheSettersClearEachOther)
{
    auto l = List(1, 8, 5);
    TBitmapX b;
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.SetFeltDim(true);
    b.SetScale(true);
    EXPECT_TRUE(b.RealDim());
    b.SetCentrer(true);
    b.SetFeltDim(true);
    EXPECT_FALSE(b.RealDim());
    EXPECT_FALSE(b.Scale());
    EXPECT_FALSE(b.Centrer());
    b.SetCentrer(true);
    EXPECT_FALSE(b.FeltDim());
    b.SetBitmapListe(l.get()); // without RealDim the size stays
    EXPECT_EQ(b.Bredde(), 16);
    b.SetRealDim(true);
    EXPECT_EQ(b.Bredde(), 8);
    EXPECT_EQ(b.Hojde(), 5);
    EXPECT_FALSE(b.FeltDim());
    b.SetScale(true);
    b.SetRealDim(true);
    EXPECT_FALSE(b.Scale());
    const int notifying = changes;
    EXPECT_EQ(notifying, 9);
    // These setters do not notify.
    b.SetBredde(3);
    b.SetHojde(3);
    b.SetFeltAntal(2);
    b.SetAktivVL(false);
    b.SetAktivVandret(0);
    b.SetAktivLodret(0);
    b.SetDontBlend(true);
    b.SetStartIndex(4);
    EXPECT_EQ(changes, notifying);
    b.SetBitType(btDual);
    b.SetX1(1);
    b.SetY1(1);
    b.SetGennemsigtig(true);
    b.SetTransFarve(clRed);
    b.SetBgColor(clBlue);
    EXPECT_EQ(changes, notifying + 6);
}

TEST(BitmapX, TransparentImagesKeepTheBackgroundOrFillBgColor)
{
    auto l = std::make_unique<TImageList>(2, 1);
    TBitmap two(2, 1);
    two.Canvas().SetPixels(0, 0, clRed);
    two.Canvas().SetPixels(1, 0, clWhite);
    l->Add(two);
    TBitmapX b;
    b.SetBitmapListe(l.get());
    b.SetBitType(btSimpel);
    b.SetGennemsigtig(true);
    TBitmap t = Blank(6, 3);
    b.PutBitmap(0, t.Canvas(), Rect(1, 1, 5, 2), 1);
    EXPECT_EQ(t.Canvas().Pixels(1, 1), clRed);
    EXPECT_EQ(t.Canvas().Pixels(2, 1), clBlack);
    b.SetBgColor(clBlue);
    b.PutBitmap(0, t.Canvas(), Rect(1, 1, 5, 2), 1);
    EXPECT_EQ(t.Canvas().Pixels(1, 1), clRed);
    EXPECT_EQ(t.Canvas().Pixels(2, 1), clBlue);
    EXPECT_EQ(t.Canvas().Pixels(4, 1), clBlue); // the whole field is filled
    EXPECT_EQ(t.Canvas().Pixels(0, 1), clBlack);
    // Disabled: the image is blended, the transparent colour stays transparent.
    t = Blank(6, 3);
    b.SetBgColor(clNone);
    b.PutBitmap(0, t.Canvas(), Rect(1, 1, 5, 2), 0);
    EXPECT_EQ(t.Canvas().Pixels(1, 1), TImageList::DisabledColour(clRed));
    EXPECT_EQ(t.Canvas().Pixels(2, 1), clBlack);
}

TEST(BitmapX, InactiveFieldsAreBlendedUnlessDontBlend)
{
    auto l = List(1);
    TBitmapX b;
    b.SetBitmapListe(l.get());
    b.SetBitType(btSimpel);
    TBitmap t = Blank(8, 8);
    b.PutBitmap(0, t.Canvas(), Rect(0, 0, 8, 8), 0);
    EXPECT_EQ(t.Canvas().Pixels(1, 1), TImageList::DisabledColour(ImageColour(0)));
    b.SetDontBlend(true);
    b.PutBitmap(0, t.Canvas(), Rect(0, 0, 8, 8), 0);
    EXPECT_EQ(t.Canvas().Pixels(1, 1), ImageColour(0));
}

TEST(BitmapX, ADestroyedListReadsAsNone)
{
    auto l = List(1);
    TBitmapX b;
    b.SetBitmapListe(l.get());
    b.SetBitType(btSimpel);
    l.reset();
    EXPECT_EQ(b.BitmapListe(), nullptr);
    TBitmap t = Blank(8, 8);
    EXPECT_FALSE(b.PutBitmap(0, t.Canvas(), Rect(0, 0, 8, 8), 1));
}

TEST(BitmapX, ImagesPartlyOffTheRasterAreClipped)
{
    auto l = List(1, 8, 8);
    TBitmapX b;
    b.SetBitmapListe(l.get());
    b.SetBitType(btSimpel);
    TBitmap t = Blank(5, 5);
    EXPECT_TRUE(b.PutBitmap(0, t.Canvas(), Rect(-4, -4, 4, 4), 1));
    EXPECT_EQ(Painted(t), Rect(0, 0, 4, 4));
    b.SetFeltDim(true);
    EXPECT_TRUE(b.PutBitmap(0, t.Canvas(), Rect(-100000, 2, 100000, 3), 1));
    EXPECT_EQ(t.Canvas().Pixels(4, 2), ImageColour(0));
}
