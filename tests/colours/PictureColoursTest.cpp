#include "colours/PictureColours.h"
#include "platform/Random.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace {

// A w x h picture whose pixel (x, y) has colour (x + y) mod n of a small set.
TBitmap Striped(int w, int h, int n)
{
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.ScanLine(y)[x] = ToQRgb(RGB((x + y) % n * 10, 5, 7));
    return b;
}

TEST(PictureColours, FewColoursGiveExactlyThoseColours)
{
    RandSeed(1);
    const std::vector<TColor> found = PictureColours::Dynamisk(Striped(40, 30, 10), 256);
    ASSERT_EQ(found.size(), 10u);
    std::vector<TColor> sorted = found;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (TColor c : found)
        EXPECT_EQ(GetBValue(c), 7);
    EXPECT_EQ(PictureColours::Dynamisk(TBitmap(5, 5), 256), std::vector<TColor>{clWhite});
}

TEST(PictureColours, ColoursOnlyInTheLastRowAndColumnAreFoundByTheScan)
{
    TBitmap b(3, 3);
    b.ScanLine(2)[2] = ToQRgb(clRed);
    const std::vector<TColor> found = PictureColours::Dynamisk(b, 8);
    EXPECT_EQ(found, (std::vector<TColor>{clWhite, clRed}));
}

TEST(PictureColours, TheScanFindsColoursInPictureOrderUpToItsLimit)
{
    // Runs of one colour, several colours within a block and a width that is no multiple of
    // the scan's block size.
    TBitmap b(37, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 37; ++x)
            b.ScanLine(y)[x] = ToQRgb(x < 20 ? RGB(y, 0, 0) : RGB(x * 3 % 11, y % 2, 9));
    std::vector<TColor> expected;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 37; ++x)
            if (const TColor c = FromQRgb(b.ScanLine(y)[x]); std::find(expected.begin(), expected.end(), c) == expected.end())
                expected.push_back(c);
    for (int limit : {1, 3, 12, int(expected.size()), 1000}) {
        TFarveSamler samler(limit);
        samler.Scan(b);
        const std::vector<TColor> want(expected.begin(), expected.begin() + std::min<size_t>(limit, expected.size()));
        EXPECT_EQ(samler.Farver(), want) << limit;
    }
}

TEST(PictureColours, LimitsEmptyPicturesAndOnePixel)
{
    EXPECT_EQ(PictureColours::Dynamisk(Striped(50, 50, 20), 5).size(), 5u);
    EXPECT_TRUE(PictureColours::Dynamisk(Striped(10, 10, 3), 0).empty());
    EXPECT_TRUE(PictureColours::Dynamisk(Striped(10, 10, 3), -4).empty());
    EXPECT_TRUE(PictureColours::Dynamisk(TBitmap(), 16).empty());
    EXPECT_EQ(PictureColours::Dynamisk(TBitmap(1, 1), 1 << 30).size(), 1u);
}

TEST(PictureColours, SamplingFindsTheScannedCountAndReportsProgress)
{
    RandSeed(2);
    std::vector<int> progress;
    const std::vector<TColor> found =
        PictureColours::Stikproeve(Striped(30, 30, 6), 100, [&](int n) { progress.push_back(n); });
    EXPECT_EQ(found.size(), 6u);
    EXPECT_EQ(progress, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    // A colour only in the last column is never drawn: the draws end at their bound.
    TBitmap b(4, 4);
    b.ScanLine(0)[3] = ToQRgb(clRed);
    EXPECT_EQ(PictureColours::Stikproeve(b, 10, nullptr), std::vector<TColor>{clWhite});
    EXPECT_TRUE(PictureColours::Stikproeve(TBitmap(), 10, nullptr).empty());
}

} // namespace
