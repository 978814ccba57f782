#include "platform/Bitmap.h"
#include "widgets/DimLinier.h"
#include <gtest/gtest.h>
#include <climits>
#include <vector>

namespace {
// Length of the run of ink (non-white) pixels in column x from row y0 downwards.
int RunDown(const TBitmap& b, int x, int y0)
{
    int n = 0;
    while (y0 + n < b.Height() && b.Canvas().Pixels(x, y0 + n) != clWhite)
        ++n;
    return n;
}

// Columns that hold any ink.
std::vector<int> InkColumns(const TBitmap& b)
{
    std::vector<int> cols;
    for (int x = 0; x < b.Width(); ++x)
        for (int y = 0; y < b.Height(); ++y)
            if (b.Canvas().Pixels(x, y) != clWhite) {
                cols.push_back(x);
                break;
            }
    return cols;
}

std::vector<int> InkRows(const TBitmap& b)
{
    std::vector<int> rows;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Canvas().Pixels(x, y) != clWhite) {
                rows.push_back(y);
                break;
            }
    return rows;
}

// Columns of the ink pixels in row y.
std::vector<int> InkInRow(const TBitmap& b, int y)
{
    std::vector<int> xs;
    for (int x = 0; x < b.Width(); ++x)
        if (b.Canvas().Pixels(x, y) != clWhite)
            xs.push_back(x);
    return xs;
}

void Scale(TDimLinier& d, int start, int slut, int stor, int mellem, int lille)
{
    d.SetStartVal(start);
    d.SetSlutVal(slut);
    d.SetIntervalStor(stor);
    d.SetIntervalMellem(mellem);
    d.SetIntervalLille(lille);
    d.SetDimStor(12);
    d.SetDimMellem(6);
    d.SetDimLille(3);
    d.SetLinieFarve(clBlue);
}
} // namespace

TEST(DimLinier, TenValuesFitANinetyPixelSpan)
{
    TDimLinier d;
    Scale(d, 1, 10, 5, 1, 0);
    TBitmap b(100, 30);
    d.MakeLinier(b.Canvas(), Rect(0, 2, 90, 22), 0);
    EXPECT_EQ(d.Interval(), 10);
    EXPECT_EQ(InkColumns(b), (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
    for (int x = 0; x <= 90; x += 10) {
        SCOPED_TRACE(x);
        const bool large = x == 40 || x == 90; // the values 5 and 10
        EXPECT_EQ(RunDown(b, x, 2), large ? 12 : 6);
        EXPECT_EQ(b.Canvas().Pixels(x, 1), clWhite);
    }
    EXPECT_EQ(b.Canvas().Pixels(0, 2), clBlue);
}

TEST(DimLinier, AlignmentAcrossTheRuler)
{
    TDimLinier d;
    Scale(d, 0, 2, 2, 0, 1); // 0 and 2 large (12), 1 small (3)
    d.SetOrientering(loVandret);
    // Horizontal ticks along y from 0 to 20 (s = 10); across from x 5 to 25.
    const TRect r = Rect(5, 0, 25, 20);

    TBitmap top(40, 30);
    d.MakeLinier(top.Canvas(), r, 0);
    EXPECT_EQ(InkRows(top), (std::vector<int>{0, 10, 20}));
    EXPECT_EQ(InkInRow(top, 0).front(), 5);
    EXPECT_EQ(InkInRow(top, 0).size(), 12u);
    EXPECT_EQ(InkInRow(top, 10), (std::vector<int>{5, 6, 7}));

    d.SetLinAlign(laBottom);
    TBitmap bottom(40, 30);
    d.MakeLinier(bottom.Canvas(), r, 0);
    EXPECT_EQ(InkInRow(bottom, 10), (std::vector<int>{22, 23, 24}));
    EXPECT_EQ(InkInRow(bottom, 20).front(), 13);
    EXPECT_EQ(InkInRow(bottom, 20).back(), 24);

    // Centre: o = Near((25 - 5 + 1 - D) / 2); for D = 3 that is 9, for D = 12 Near(4.5) = 4.
    d.SetLinAlign(laCenter);
    TBitmap centre(40, 30);
    d.MakeLinier(centre.Canvas(), r, 0);
    EXPECT_EQ(InkInRow(centre, 10), (std::vector<int>{14, 15, 16}));
    EXPECT_EQ(InkInRow(centre, 0).front(), 9);
    EXPECT_EQ(InkInRow(centre, 0).back(), 20);
}

TEST(DimLinier, SpacingFromFakDimAndPixelLin)
{
    TDimLinier d;
    Scale(d, 3, 12, 0, 0, 1);
    TBitmap b(60, 10);
    d.MakeLinier(b.Canvas(), Rect(0, 0, 30, 8), 2.5); // Trunc(k * 2.5)
    EXPECT_EQ(InkColumns(b), (std::vector<int>{0, 2, 5, 7, 10, 12, 15, 17, 20, 22}));

    // One pixel per value; ticks past the end of R (plus one) are left out.
    d.SetPixelLin(true);
    TBitmap p(60, 10);
    d.MakeLinier(p.Canvas(), Rect(4, 0, 10, 8), 7);
    EXPECT_EQ(InkColumns(p), (std::vector<int>{4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST(DimLinier, FewerThanTwoValuesDrawNothing)
{
    TDimLinier d;
    Scale(d, 4, 4, 1, 1, 1);
    TBitmap b(20, 20);
    d.MakeLinier(b.Canvas(), Rect(0, 0, 19, 19), 0);
    EXPECT_EQ(d.Interval(), 1);
    d.SetSlutVal(-3);
    d.MakeLinier(b.Canvas(), Rect(0, 0, 19, 19), 0);
    EXPECT_EQ(d.Interval(), -6);
    EXPECT_TRUE(InkColumns(b).empty());
}

TEST(DimLinier, EverySetterButIntervalReportsAChange)
{
    TDimLinier d;
    int changes = 0;
    d.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &d);
        ++changes;
    };
    Scale(d, 0, 9, 5, 0, 1); // nine setters
    d.SetOrientering(loVandret);
    d.SetPixelLin(true);
    d.SetLinAlign(laCenter);
    EXPECT_EQ(changes, 12);
    d.SetInterval(3);
    TBitmap b(20, 20);
    d.MakeLinier(b.Canvas(), Rect(0, 0, 19, 19), 0);
    EXPECT_EQ(changes, 12);
}

TEST(DimLinier, AbsurdScalesEndQuickly)
{
    TDimLinier d;
    Scale(d, INT_MIN, INT_MAX, 7, 3, 1);
    d.SetDimStor(INT_MAX);
    d.SetDimLille(INT_MIN);
    TBitmap b(50, 20);
    d.MakeLinier(b.Canvas(), Rect(0, 0, 40, 19), 1);
    d.MakeLinier(b.Canvas(), Rect(0, 0, 40, 19), -1);
    d.MakeLinier(b.Canvas(), Rect(10, 0, 10, 19), 0); // zero length: all on one column
    d.MakeLinier(b.Canvas(), Rect(0, 0, 40, 19), 1e300);
    d.SetLinAlign(laCenter);
    d.MakeLinier(b.Canvas(), Rect(0, 0, 40, 19), 1);
    EXPECT_EQ(d.Interval(), INT_MAX); // clamped count
    TBitmap empty;
    d.MakeLinier(empty.Canvas(), Rect(0, 0, 40, 19), 1);
}
