#include "platform/Bitmap.h"
#include "platform/Graphics.h"
#include <QFontMetrics>
#include <gtest/gtest.h>

TEST(Font, APixelHeightComesBackUnchangedAndIsTheHeightDrawn)
{
    int previousLine = 0;
    for (int h = -10; h >= -40; --h) {
        TFont f;
        f.SetHeight(h);
        EXPECT_EQ(f.Height(), h);
        const QFont q = f.ToQFont();
        EXPECT_EQ(q.pixelSize(), -h);
        // The canvas measures and draws with exactly that pixel size.
        QFont exact(f.Name);
        exact.setPixelSize(-h);
        TBitmap b(200, 80);
        b.Canvas().Font = f;
        const int line = b.Canvas().TextHeight(QStringLiteral("Fbjkgf"));
        EXPECT_EQ(line, QFontMetrics(exact).height()) << h;
        EXPECT_GE(line, previousLine) << h;
        previousLine = line;
        // A positive height means the same character height.
        TFont positive;
        positive.SetHeight(-h);
        EXPECT_EQ(positive.Height(), h);
        EXPECT_EQ(positive, f);
    }
}

TEST(Font, APointSizeStillGivesItsPixelHeight)
{
    TFont f;
    f.Size = 11;
    EXPECT_EQ(f.Height(), -15);
    f.SetHeight(-14);
    EXPECT_EQ(f.Size, 11);
    EXPECT_EQ(f.Height(), -14);
    // A new point size takes over from the pixel height.
    f.Size = 12;
    EXPECT_EQ(f.Height(), -16);
    TFont other;
    other.Size = 11;
    f.SetHeight(-14);
    EXPECT_NE(f, other); // same point size, different heights
    f.SetHeight(0);
    EXPECT_EQ(f.Height(), 0);
}
