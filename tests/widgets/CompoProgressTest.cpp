#include "util/Near.h"
#include "widgets/CompoProgress.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {
TColor Px(const TPreGrundCompo& w, int x, int y)
{
    return w.View().Canvas().Pixels(x, y);
}

// Columns of row 10 in the bar colour, from the left (the bar of a frameless 110 x 30 widget
// is Near(r x 109) pixels long).
int BarLength(const TProgressCompo& p)
{
    int n = 0;
    while (n < p.width() && Px(p, n, 10) == clBlue)
        ++n;
    return n;
}

struct Progress : testing::Test {
    TProgressCompo p;
    std::vector<int> procent;
    void SetUp() override
    {
        p.OnProgress = [this](TObject*, uint8_t v) { procent.push_back(v); };
        p.show();
    }
};
} // namespace

TEST_F(Progress, GrowsInWholeSteps)
{
    EXPECT_EQ(p.width(), 110);
    EXPECT_TRUE(p.ComponentMade());
    const int shown[] = {0, 0, 5, 10};
    int i = 0;
    for (int v : {0, 3, 7, 12}) {
        p.SetPosition(v);
        EXPECT_EQ(p.Position(), v);
        EXPECT_EQ(p.StepPos(), shown[i]) << v;
        EXPECT_EQ(BarLength(p), Near(shown[i] / 100.0 * 109)) << v;
        ++i;
    }
    // Drawn at 7 and 12 only.
    EXPECT_EQ(procent, (std::vector<int>{0, 7, 12}));
}

TEST_F(Progress, ShrinkingAlwaysClearsGrowingOnlyWithOpfrisk)
{
    p.SetPosition(50);
    EXPECT_EQ(BarLength(p), 54); // Near(54.5): halves go to the even neighbour
    p.SetPosition(20);
    EXPECT_EQ(BarLength(p), 22);
    EXPECT_NE(Px(p, 30, 10), clBlue);

    p.Canvas().SetPixels(100, 20, clRed);
    p.SetPosition(40);
    EXPECT_EQ(Px(p, 100, 20), clRed);
    p.SetOpfrisk(true);
    p.SetPosition(60);
    EXPECT_NE(Px(p, 100, 20), clRed);
    EXPECT_EQ(BarLength(p), Near(0.6 * 109));
}

TEST_F(Progress, PercentCountsFromMinAndStaysWithinHundred)
{
    p.SetMin(50);
    p.SetMax(150);
    EXPECT_EQ(p.Position(), 50);
    procent.clear();
    p.SetPosition(100);
    EXPECT_EQ(p.StepPos(), 100);
    EXPECT_EQ(BarLength(p), Near(0.5 * 109));
    p.SetPosition(400); // beyond Max: the bar is full and the report says 100
    EXPECT_EQ(p.Position(), 400);
    EXPECT_EQ(p.StepPos(), 150);
    EXPECT_EQ(BarLength(p), 109);
    EXPECT_EQ(procent, (std::vector<int>{50, 100}));
}

TEST_F(Progress, StepsCountFromMin)
{
    p.SetMin(3);
    p.SetPosition(9);
    EXPECT_EQ(p.StepPos(), 8);
    p.SetPosition(4); // less than a step back
    EXPECT_EQ(p.StepPos(), 8);
    p.SetPosition(3);
    EXPECT_EQ(p.StepPos(), 3);
    EXPECT_EQ(BarLength(p), 0);
}

TEST_F(Progress, DegenerateSettingsDrawNothingAndNeverDivideByZero)
{
    p.SetTrin(0);
    EXPECT_EQ(p.Trin(), 1);
    p.SetPosition(37);
    EXPECT_EQ(p.StepPos(), 37);
    p.SetTrin(-5);
    EXPECT_EQ(p.Trin(), 1);
    p.SetMax(0);
    procent.clear();
    p.SetPosition(10);
    EXPECT_EQ(BarLength(p), 0);
    EXPECT_TRUE(procent.empty());
    // An inverted range still lays out within the widget.
    p.SetMin(100);
    p.SetPosition(50);
    EXPECT_LE(BarLength(p), 109);
    EXPECT_LE(procent.back(), 100);
}

TEST_F(Progress, PositionsBeforeTheFirstPaintShowAtIt)
{
    TProgressCompo q;
    q.SetPosition(33);
    EXPECT_FALSE(q.ComponentMade());
    EXPECT_EQ(q.StepPos(), 30);
    q.SetOrientering(coLodret);
    q.show();
    EXPECT_TRUE(q.ComponentMade());
    // Upwards: Near(0.3 x 29) = 9 rows at the bottom.
    EXPECT_EQ(Px(q, 50, 28), clBlue);
    EXPECT_EQ(Px(q, 50, 20), clBlue);
    EXPECT_NE(Px(q, 50, 19), clBlue);
}

TEST_F(Progress, StepBitmapIsStretchedOverTheBar)
{
    TBitmap pic(2, 2);
    pic.Canvas().Brush = {clLime, bsSolid};
    pic.Canvas().FillRect(pic.BoundsRect());
    p.SetStepBitmap(pic);
    p.SetPosition(100);
    EXPECT_EQ(Px(p, 0, 0), clLime);
    EXPECT_EQ(Px(p, 108, 28), clLime);
}

TEST_F(Progress, TextStaysWrittenAndLayoutChangesRepaint)
{
    TTekstX layout;
    layout.SetFarveNormal(clRed);
    p.SetTekstBog(&layout);
    p.SetTekst("50%");
    auto redPixels = [&] {
        int n = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 110; ++x)
                n += Px(p, x, y) == clRed;
        return n;
    };
    EXPECT_GT(redPixels(), 10);
    // A setting of the layout repaints the widget (the text is not part of the paint).
    layout.SetMargenVenstre(2);
    EXPECT_EQ(redPixels(), 0);

    std::vector<QString> texts;
    p.OnChange = [&](TObject*, const QString& s) { texts.push_back(s); };
    p.UdskrivTekst("abc");
    EXPECT_GT(redPixels(), 5);
    EXPECT_EQ(texts, (std::vector<QString>{"abc"}));
}

TEST(ProgressBinding, ADestroyedWidgetLetsGoOfItsSharedLayout)
{
    TTekstX layout;
    auto first = std::make_unique<TProgressCompo>();
    auto second = std::make_unique<TProgressCompo>();
    first->SetTekstBog(&layout);
    second->SetTekstBog(&layout);
    // The layout now reports to the second widget; destroying the first leaves that binding.
    first.reset();
    EXPECT_TRUE(bool(layout.OnChange));
    second.reset();
    EXPECT_FALSE(bool(layout.OnChange));
    layout.SetMargenOppe(3); // nothing to call any more

    // A layout destroyed before its widget is not touched by it.
    TProgressCompo p;
    {
        TTekstX shortLived;
        p.SetTekstBog(&shortLived);
    }
    EXPECT_EQ(p.TekstBog(), nullptr);
}
