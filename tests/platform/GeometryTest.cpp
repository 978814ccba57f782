#include "platform/Bitmap.h"
#include <gtest/gtest.h>
#include <set>

namespace {
int Count(const TBitmap& b, TColor c)
{
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            n += b.Canvas().Pixels(x, y) == c;
    return n;
}

// The bounding rectangle of all pixels that are not white.
TRect Ink(const TBitmap& b)
{
    TRect r{};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Canvas().Pixels(x, y) != clWhite)
                r = UnionRect(r, Bounds(x, y, 1, 1));
    return r;
}

bool SamePixels(const TBitmap& a, const TBitmap& b)
{
    return a.Image() == b.Image();
}

// A picture with something on it, so that inverting is visible everywhere.
TBitmap Scene()
{
    TBitmap b(60, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            b.Canvas().SetPixels(x, y, RGB(x * 4, y * 6, (x * y) & 0xFF));
    return b;
}
} // namespace

TEST(Lines, ThinLineLeavesOutItsEndPixel)
{
    TBitmap b(20, 5);
    b.Canvas().MoveTo(0, 0);
    b.Canvas().LineTo(10, 0);
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(b.Canvas().Pixels(x, 0), x < 10 ? clBlack : clWhite) << x;
    EXPECT_EQ(b.Canvas().PenPos, Point(10, 0));
    // Diagonal and steep lines stay connected and also stop before the end.
    TBitmap d(20, 20);
    d.Canvas().MoveTo(2, 1);
    d.Canvas().LineTo(7, 15);
    EXPECT_EQ(Count(d, clBlack), 14);
    EXPECT_EQ(d.Canvas().Pixels(7, 15), clWhite);
    EXPECT_EQ(d.Canvas().Pixels(2, 1), clBlack);
}

TEST(Lines, WidePenCoversItsWidthWithRoundEnds)
{
    for (int w : {2, 3, 4, 5}) {
        TBitmap b(40, 40);
        b.Canvas().Pen.Width = w;
        b.Canvas().MoveTo(10, 20);
        b.Canvas().LineTo(30, 20);
        int rows = 0;
        for (int y = 0; y < 40; ++y)
            rows += b.Canvas().Pixels(20, y) == clBlack;
        EXPECT_EQ(rows, w) << "width " << w;
        // The round ends reach both end points.
        EXPECT_EQ(b.Canvas().Pixels(10, 20), clBlack);
        EXPECT_EQ(b.Canvas().Pixels(30, 20), clBlack);
        EXPECT_EQ(b.Canvas().Pixels(30 + w, 20), clWhite);
    }
}

TEST(Lines, DashedThinPenLeavesGapsAndSolidBrushFillsThem)
{
    TBitmap b(100, 4);
    b.Canvas().Pen.Style = psDash;
    b.Canvas().Brush.Style = bsClear;
    b.Canvas().MoveTo(0, 1);
    b.Canvas().LineTo(100, 1);
    std::string row;
    for (int x = 0; x < 30; ++x)
        row += b.Canvas().Pixels(x, 1) == clBlack ? '#' : '.';
    EXPECT_EQ(row, std::string(18, '#') + std::string(6, '.') + std::string(6, '#'));

    TBitmap dot(12, 2);
    dot.Canvas().Pen.Style = psDot;
    dot.Canvas().Brush.Color = clRed;
    dot.Canvas().MoveTo(0, 0);
    dot.Canvas().LineTo(12, 0);
    EXPECT_EQ(dot.Canvas().Pixels(0, 0), clBlack);
    EXPECT_EQ(dot.Canvas().Pixels(3, 0), clRed); // opaque background in the gaps
    EXPECT_EQ(dot.Canvas().Pixels(6, 0), clBlack);

    // A wide pen ignores the style.
    TBitmap wide(40, 6);
    wide.Canvas().Pen.Style = psDash;
    wide.Canvas().Pen.Width = 2;
    wide.Canvas().MoveTo(0, 2);
    wide.Canvas().LineTo(39, 2);
    for (int x = 1; x < 39; ++x)
        EXPECT_EQ(wide.Canvas().Pixels(x, 2), clBlack) << x;
}

TEST(Figures, RectangleOutlinesInsideItsBoundsAndFillsTheInside)
{
    TBitmap b(10, 10);
    b.Canvas().Brush.Color = clRed;
    b.Canvas().Rectangle(2, 2, 6, 5);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool in = x >= 2 && x <= 5 && y >= 2 && y <= 4;
            const bool edge = in && (x == 2 || x == 5 || y == 2 || y == 4);
            const TColor want = edge ? clBlack : in ? clRed : clWhite;
            EXPECT_EQ(b.Canvas().Pixels(x, y), want) << x << "," << y;
        }
    // A wide pen grows inwards.
    TBitmap w(20, 20);
    w.Canvas().Pen.Width = 3;
    w.Canvas().Brush.Style = bsClear;
    w.Canvas().Rectangle(2, 2, 14, 12);
    EXPECT_EQ(Ink(w), Rect(2, 2, 14, 12));
    EXPECT_EQ(w.Canvas().Pixels(4, 6), clBlack);
    EXPECT_EQ(w.Canvas().Pixels(5, 6), clWhite);
    // Reversed corners draw the same rectangle.
    TBitmap r(10, 10);
    r.Canvas().Brush.Color = clRed;
    r.Canvas().Rectangle(6, 5, 2, 2);
    EXPECT_TRUE(SamePixels(b, r));
}

TEST(Figures, EllipsesAndRoundRectsStayInsideTheirBoundsAndAreSymmetric)
{
    for (const TRect box : {Rect(3, 4, 40, 25), Rect(5, 5, 6, 30), Rect(1, 1, 46, 46), Rect(10, 10, 12, 11)}) {
        for (int w : {1, 4}) {
            TBitmap b(50, 50);
            b.Canvas().Pen.Width = w;
            b.Canvas().Brush.Color = clRed;
            b.Canvas().Ellipse(box);
            EXPECT_EQ(Ink(b), box) << box.Left << "," << box.Top << " w " << w;
            TBitmap rr(50, 50);
            rr.Canvas().Pen.Width = w;
            rr.Canvas().RoundRect(box.Left, box.Top, box.Right, box.Bottom, 12, 8);
            EXPECT_EQ(Ink(rr), box);
            // Mirror symmetry about the box's vertical axis.
            for (int y = box.Top; y < box.Bottom; ++y)
                for (int x = box.Left; x < box.Right; ++x)
                    ASSERT_EQ(b.Canvas().Pixels(x, y), b.Canvas().Pixels(box.Left + box.Right - 1 - x, y));
        }
    }
    TBitmap c(30, 30);
    c.Canvas().Brush.Color = clRed;
    c.Canvas().Ellipse(0, 0, 30, 30);
    EXPECT_EQ(c.Canvas().Pixels(15, 15), clRed); // filled
    EXPECT_EQ(c.Canvas().Pixels(0, 0), clWhite); // corners stay clear
    EXPECT_EQ(c.Canvas().Pixels(0, 15), clBlack); // outline touches the bounds
}

TEST(Figures, PolygonFillsItsInsideAndOutlinesItsCorners)
{
    TBitmap b(30, 30);
    b.Canvas().Brush.Color = clRed;
    const std::vector<TPoint> tri{{2, 2}, {25, 2}, {2, 25}};
    b.Canvas().Polygon(tri);
    EXPECT_EQ(b.Canvas().Pixels(6, 6), clRed);
    EXPECT_EQ(b.Canvas().Pixels(20, 20), clWhite);
    for (const TPoint& p : tri)
        EXPECT_EQ(b.Canvas().Pixels(p.X, p.Y), clBlack);
    EXPECT_EQ(b.Canvas().Pixels(10, 2), clBlack);
    // Clear brush: outline only.
    TBitmap o(30, 30);
    o.Canvas().Brush.Style = bsClear;
    o.Canvas().Polygon(tri);
    EXPECT_EQ(o.Canvas().Pixels(6, 6), clWhite);
}

TEST(Figures, InvertingPenDrawnTwiceLeavesEveryPixel)
{
    const TBitmap before = Scene();
    TBitmap b = before;
    TCanvas& c = b.Canvas();
    c.Pen.Mode = pmNot;
    c.Brush.Style = bsClear;
    auto drawAll = [&] {
        c.MoveTo(3, 3);
        c.LineTo(50, 30);
        c.Rectangle(5, 5, 40, 30);
        c.Ellipse(10, 2, 55, 38);
        c.RoundRect(1, 1, 30, 20, 10, 10);
        c.Polygon(std::vector<TPoint>{{4, 30}, {30, 4}, {55, 35}});
        c.Arc(0, 0, 50, 40, 50, 0, 0, 40);
    };
    for (int w : {1, 3}) {
        c.Pen.Width = w;
        drawAll();
        EXPECT_FALSE(SamePixels(before, b));
        drawAll();
        EXPECT_TRUE(SamePixels(before, b)) << "width " << w;
    }
    c.Pen.Width = 1;
    c.Pen.Style = psDot;
    c.Brush.Style = bsSolid; // a solid brush inverts the inside too
    drawAll();
    drawAll();
    EXPECT_TRUE(SamePixels(before, b));
}

TEST(Figures, FocusRectangleDrawnTwiceVanishes)
{
    const TBitmap before = Scene();
    TBitmap b = before;
    b.Canvas().DrawFocusRect(Rect(4, 4, 33, 21));
    EXPECT_FALSE(SamePixels(before, b));
    // Every other pixel of the frame, none inside.
    EXPECT_NE(b.Canvas().Pixels(4, 4), before.Canvas().Pixels(4, 4));
    EXPECT_EQ(b.Canvas().Pixels(5, 4), before.Canvas().Pixels(5, 4));
    EXPECT_EQ(b.Canvas().Pixels(10, 10), before.Canvas().Pixels(10, 10));
    b.Canvas().DrawFocusRect(Rect(4, 4, 33, 21));
    EXPECT_TRUE(SamePixels(before, b));
    // Degenerate frames one pixel wide or high also vanish.
    b.Canvas().DrawFocusRect(Rect(2, 2, 3, 30));
    b.Canvas().DrawFocusRect(Rect(2, 2, 3, 30));
    EXPECT_TRUE(SamePixels(before, b));
}

TEST(Brushes, HatchesRepeatEveryEightPixelsFromTheOrigin)
{
    for (TBrushStyle s : {bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross}) {
        TBitmap b(40, 40);
        b.Canvas().Brush.Style = s;
        b.Canvas().Brush.Color = clBlue;
        b.Canvas().FillRect(Rect(3, 5, 37, 39));
        int blue = 0;
        for (int y = 5; y < 31; ++y)
            for (int x = 3; x < 29; ++x) {
                const TColor p = b.Canvas().Pixels(x, y);
                ASSERT_TRUE(p == clBlue || p == clWhite); // the background shows through
                blue += p == clBlue;
                ASSERT_EQ(p, b.Canvas().Pixels(x + 8, y)) << s;
                ASSERT_EQ(p, b.Canvas().Pixels(x, y + 8)) << s;
            }
        EXPECT_GT(blue, 0);
        // Aligned to the raster, not to the rectangle: another rectangle continues the pattern.
        TBitmap whole(40, 40);
        whole.Canvas().Brush.Style = s;
        whole.Canvas().Brush.Color = clBlue;
        whole.Canvas().FillRect(Rect(0, 0, 40, 40));
        for (int y = 5; y < 39; ++y)
            for (int x = 3; x < 37; ++x)
                ASSERT_EQ(b.Canvas().Pixels(x, y), whole.Canvas().Pixels(x, y));
    }
}

TEST(Copying, StretchingNeverMixesColours)
{
    TBitmap src(7, 5);
    std::set<TColor> colours;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) {
            const TColor c = RGB(x * 30, y * 50, 200 - x * y);
            src.Canvas().SetPixels(x, y, c);
            colours.insert(c);
        }
    for (const TRect dest : {Rect(0, 0, 23, 17), Rect(0, 0, 3, 2), Rect(1, 1, 12, 4), Rect(20, 15, 2, 1)}) {
        TBitmap dst(25, 20);
        dst.Canvas().Brush.Color = src.Canvas().Pixels(0, 0);
        dst.Canvas().FillRect(dst.BoundsRect());
        dst.Canvas().StretchDraw(dest, src);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 25; ++x)
                ASSERT_TRUE(colours.count(dst.Canvas().Pixels(x, y))) << x << "," << y;
    }
}

TEST(Copying, ReversedRectangleMirrorsAndOverlappingCopyWithinOneRasterIsSafe)
{
    TBitmap src(4, 1);
    for (int x = 0; x < 4; ++x)
        src.Canvas().SetPixels(x, 0, RGB(x, 0, 0));
    TBitmap dst(4, 1);
    dst.Canvas().CopyRect(Rect(4, 0, 0, 1), src.Canvas(), Rect(0, 0, 4, 1));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(dst.Canvas().Pixels(x, 0), RGB(3 - x, 0, 0));

    TBitmap row(6, 1);
    for (int x = 0; x < 6; ++x)
        row.Canvas().SetPixels(x, 0, RGB(x, 0, 0));
    row.Canvas().CopyRect(Rect(1, 0, 6, 1), row.Canvas(), Rect(0, 0, 5, 1));
    for (int x = 1; x < 6; ++x)
        EXPECT_EQ(row.Canvas().Pixels(x, 0), RGB(x - 1, 0, 0));
}

TEST(Clipping, DrawingOutsideTheRasterIsClipped)
{
    TBitmap b(10, 10);
    TCanvas& c = b.Canvas();
    c.Pen.Width = 5;
    c.MoveTo(-100, -50);
    c.LineTo(200, 300);
    c.Rectangle(-20, -20, 5, 5);
    c.Ellipse(-1000000, -1000000, 1000000, 1000000);
    c.FillRect(Rect(-5, -5, 50, 50));
    c.SetPixels(-1, 3, clRed);
    c.SetPixels(10, 3, clRed);
    c.DrawFocusRect(Rect(-3, -3, 30, 30));
    c.Draw(-3, 7, TBitmap(8, 8));
    c.TextOut(-5, 8, QStringLiteral("Malvo"));
    EXPECT_EQ(c.Pixels(-1, 3), -1);
    EXPECT_EQ(c.Pixels(10, 10), -1);
    TBitmap empty;
    empty.Canvas().Rectangle(0, 0, 5, 5);
    empty.Canvas().FloodFill(0, 0, clWhite, fsSurface);
    EXPECT_TRUE(empty.Empty());
}

TEST(Text, OutputMeasuresAndDrawsWithTheFontColour)
{
    TBitmap b(200, 40);
    TCanvas& c = b.Canvas();
    c.Font.Size = 14;
    c.Font.Color = clBlue;
    c.Brush.Style = bsClear;
    const int w = c.TextWidth(QStringLiteral("Malvo")), h = c.TextHeight(QStringLiteral("Malvo"));
    EXPECT_GT(w, 20);
    EXPECT_GE(h, 14);
    c.TextOut(5, 5, QStringLiteral("Malvo"));
    EXPECT_GT(Count(b, clBlue), 20);
    // Aliased: only the font colour and the background appear.
    EXPECT_EQ(Count(b, clBlue) + Count(b, clWhite), 200 * 40);
    EXPECT_EQ(c.PenPos, Point(5 + w, 5));
    const TRect ink = Ink(b);
    EXPECT_GE(ink.Left, 5);
    EXPECT_LE(ink.Bottom, 5 + h);
    // A solid brush gives the text an opaque background.
    c.Brush.Style = bsSolid;
    c.Brush.Color = clYellow;
    c.TextOut(100, 5, QStringLiteral("a"));
    EXPECT_EQ(c.Pixels(100, 5), clYellow);
    // The shipped fonts are among the screen fonts.
    EXPECT_TRUE(ScreenFonts().contains(QStringLiteral("DejaVu Sans")));
}
