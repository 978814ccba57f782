#include "PicFixture.h"
#include "platform/Random.h"
#include <cmath>
#include <set>

namespace {
std::vector<TColor> Sequence(TImagePic& pic, TColor from, TColor to, int count, int n)
{
    pic.StartFarve = from;
    pic.SlutFarve = to;
    pic.InitColours(count);
    std::vector<TColor> out;
    for (int i = 0; i < n; ++i)
        out.push_back(pic.NextColour());
    return out;
}

std::vector<int> Reds(const std::vector<TColor>& colours)
{
    std::vector<int> r;
    for (TColor c : colours)
        r.push_back(GetRValue(c));
    return r;
}

void Drag(TImagePic& pic, TPoint from, TPoint to, TShiftState shift = {})
{
    pic.MouseDown(mbLeft, shift, from.X, from.Y);
    pic.MouseMove(shift, to.X, to.Y);
    pic.MouseUp(mbLeft, shift, to.X, to.Y);
}
} // namespace

TEST(ColourSequence, IntervalStepsSweepBackAndForth)
{
    TImagePic pic;
    pic.SetFarveMetode(fmInterval);
    EXPECT_EQ(Reds(Sequence(pic, clBlack, clWhite, 5, 5)), (std::vector<int>{0, 63, 127, 191, 255}));
    EXPECT_EQ(pic.ColoursPerPhase(), 5);
    pic.SetProduAntal(2);
    EXPECT_EQ(Reds(Sequence(pic, clBlack, clWhite, 10, 10)),
              (std::vector<int>{0, 63, 127, 191, 255, 255, 191, 127, 63, 0}));
    pic.SetProduAntal(1);
    EXPECT_EQ(Reds(Sequence(pic, clBlack, clWhite, 1, 4)), (std::vector<int>{0, 255, 0, 255}));
    // Through the middle colour: black -> red -> white -> red -> black.
    pic.SetUseMellem(true);
    pic.SetMellemFarve(RGB(200, 0, 0));
    const auto mid = Sequence(pic, clBlack, clWhite, 6, 6); // 3 colours a phase
    EXPECT_EQ(mid[0], clBlack);
    EXPECT_EQ(mid[2], RGB(200, 0, 0));
    EXPECT_EQ(mid[3], RGB(200, 0, 0));
    EXPECT_EQ(mid[5], clWhite);
    // The setters that need at least 1 take 1 for nothing.
    pic.SetProduAntal(0);
    pic.SetFrekvens(-3);
    pic.SetGrader(0);
    EXPECT_EQ(pic.ProduAntal(), 1);
    EXPECT_EQ(pic.Frekvens(), 1);
    EXPECT_EQ(pic.Grader(), 1);
}

TEST(ColourSequence, RandomMethodsStayInTheirBoxes)
{
    TImagePic pic;
    RandSeed(3);
    pic.SetFarveMetode(fmRandom);
    for (TColor c : Sequence(pic, RGB(10, 20, 30), RGB(10, 20, 30), 50, 50))
        EXPECT_EQ(c, RGB(10, 20, 30)); // an empty box gives the colour itself
    for (TColor c : Sequence(pic, RGB(10, 200, 0), RGB(50, 100, 0), 50, 200)) {
        ASSERT_GE(GetRValue(c), 10);
        ASSERT_LT(GetRValue(c), 50);
        ASSERT_GE(GetGValue(c), 100);
        ASSERT_LT(GetGValue(c), 200);
    }
    // Random below the running ramp.
    pic.SetFarveMetode(fmRanInt);
    const auto ramp = Sequence(pic, clBlack, RGB(100, 100, 100), 11, 11);
    for (size_t i = 0; i < ramp.size(); ++i)
        ASSERT_LE(GetRValue(ramp[i]), 10 * (i + 1)) << i;
    // Whole colour numbers: the first colour is one step past the start.
    pic.SetFarveMetode(fmCol);
    const auto whole = Sequence(pic, 0, 1000, 10, 2);
    EXPECT_EQ(whole[0], 100);
    EXPECT_EQ(whole[1], 200);
}

TEST(ColourSequence, DepthDriftsTheSecondSweep)
{
    TImagePic pic;
    pic.SetFarveMetode(fmInterval);
    pic.SetProduAntal(2);
    pic.SetAnvendDybde(true);
    pic.SetStartDybde(50);
    pic.SetSlutDybde(0);
    const auto colours = Sequence(pic, clBlack, RGB(200, 0, 0), 4, 8);
    // Two colours a phase; the start drifts by (200 - 0) * 50 / (2 * 100) = 50 each phase.
    EXPECT_EQ(Reds(colours), (std::vector<int>{0, 200, 200, 50, 100, 200, 200, 150}));
}

TEST(ColourLine, DotsEveryFrekvensPixelsOnAbsoluteCoordinates)
{
    auto pic = WhitePicture(20, 10);
    pic->SetToolNr(50);
    pic->SetFarveMetode(fmInterval);
    pic->SetPenColor(clRed);
    pic->SetBrushColor(clBlue);
    pic->SetFrekvens(3);
    Drag(*pic, {0, 5}, {10, 5});
    std::string row;
    for (int x = 0; x < 12; ++x)
        row += pic->Picture().Canvas().Pixels(x, 5) == clWhite ? '.' : '#';
    EXPECT_EQ(row, "#..#..#..#..");
    EXPECT_EQ(pic->Picture().Canvas().Pixels(0, 5), clRed);
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller farvestreg"));
    EXPECT_TRUE(ViewShowsPicture(*pic));
    // A wide pen draws squares centred on the dots.
    auto wide = WhitePicture(30, 20);
    wide->SetToolNr(50);
    wide->SetPenWidth(3);
    wide->SetPenColor(clRed);
    wide->SetBrushColor(clRed);
    Drag(*wide, {5, 10}, {25, 10});
    EXPECT_EQ(InkBounds(wide->Picture()), Rect(4, 9, 26, 12)); // the last dot at 24 reaches 25
}

TEST(AreaTools, FiguresStayInsideTheRectangleAndUndoRestores)
{
    for (int tool : {60, 61, 62, 63, 64, 65}) {
        RandSeed(tool);
        auto pic = WhitePicture(80, 60);
        pic->SetToolNr(tool);
        pic->SetPenColor(clRed);
        pic->SetBrushColor(clBlue);
        pic->SetFrekvens(2);
        pic->SetFunkHojde(5);
        Drag(*pic, {10, 8}, {50, 40});
        const TRect ink = InkBounds(pic->Picture());
        EXPECT_FALSE(ink.IsEmpty()) << tool;
        EXPECT_EQ(IntersectRect(ink, Rect(9, 7, 52, 42)), ink) << tool; // dots may reach X2 and Y2
        EXPECT_TRUE(ViewShowsPicture(*pic)) << tool;
        EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller rektangel")) << tool;
        pic->Undo();
        EXPECT_EQ(InkBounds(pic->Picture()), TRect{}) << tool;
    }
}

TEST(AreaTools, EllipseToolsLeaveTheOutsideUntouched)
{
    for (int tool : {70, 71, 80}) {
        auto pic = WhitePicture(80, 60);
        pic->SetToolNr(tool);
        pic->SetPenColor(clRed);
        pic->SetBrushColor(clBlue);
        Drag(*pic, {10, 10}, {50, 50});
        const TCanvas& c = pic->Picture().Canvas();
        EXPECT_NE(c.Pixels(30, 30), clWhite) << tool;
        EXPECT_EQ(c.Pixels(11, 11), clWhite) << tool;
        EXPECT_EQ(c.Pixels(49, 11), clWhite) << tool;
        EXPECT_EQ(IntersectRect(InkBounds(pic->Picture()), Rect(9, 9, 52, 52)), InkBounds(pic->Picture())) << tool;
        EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller ellipse"));
    }
    // Ctrl clips an area tool to the ellipse of its rectangle.
    auto clip = WhitePicture(80, 60);
    clip->SetToolNr(62);
    clip->SetPenColor(clRed);
    clip->SetBrushColor(clBlue);
    Drag(*clip, {10, 10}, {60, 50}, {ssCtrl});
    EXPECT_EQ(clip->Picture().Canvas().Pixels(11, 11), clWhite);
    EXPECT_NE(clip->Picture().Canvas().Pixels(35, 30), clWhite);
}

TEST(AreaTools, ZoomCountsAndTheRectangleFan)
{
    auto pic = WhitePicture(40, 30);
    pic->SetFarveMetode(fmInterval);
    pic->NewFocusRect(0, 0, 20, 10);
    pic->MakeTool(62, true);
    EXPECT_EQ(pic->ColoursPerPhase(), 11);
    pic->SetMinColDim(true);
    pic->NewFocusRect(0, 0, 20, 10);
    pic->MakeTool(62, true);
    EXPECT_EQ(pic->ColoursPerPhase(), 4);

    // A 3 x 3 fan: eight rays around the border.
    auto fan = WhitePicture(10, 10);
    fan->SetFarveMetode(fmInterval);
    fan->SetPenColor(clRed);
    fan->SetBrushColor(clRed);
    fan->NewFocusRect(2, 2, 5, 5);
    fan->MakeTool(64, true);
    EXPECT_EQ(fan->ColoursPerPhase(), 8);
    for (const TPoint p : {Point(2, 2), Point(4, 2), Point(4, 4), Point(2, 4), Point(2, 3)})
        EXPECT_EQ(fan->Picture().Canvas().Pixels(p.X, p.Y), clRed) << p.X << "," << p.Y;
}

TEST(AreaTools, QuarterCircleFanCoversOnlyItsAngles)
{
    auto pic = WhitePicture(100, 100);
    pic->SetToolNr(80);
    pic->SetPenColor(clRed);
    pic->SetBrushColor(clRed);
    pic->SetStartGrad(0);
    pic->SetSlutGrad(99);
    pic->NewFocusRect(10, 10, 90, 90);
    pic->MakeTool(80, true);
    const TCanvas& c = pic->Picture().Canvas();
    EXPECT_EQ(c.Pixels(75, 48), clRed); // right, a little above the centre
    EXPECT_EQ(c.Pixels(52, 20), clRed); // top, right of the centre
    EXPECT_EQ(c.Pixels(25, 60), clWhite); // lower left
    EXPECT_EQ(c.Pixels(60, 75), clWhite); // lower right
}

TEST(AreaTools, FunctionCurvesPassThroughTheirFormulaPoints)
{
    auto pic = WhitePicture(120, 100);
    pic->SetFarveMetode(fmInterval);
    pic->SetPenColor(clRed);
    pic->SetBrushColor(clRed);
    pic->SetFunktion(ftSinus);
    pic->SetFunkBredde(20);
    pic->SetFunkHojde(10);
    pic->SetFrekvens(40);
    pic->NewFocusRect(0, 0, 120, 100);
    pic->MakeTool(65, true);
    // Pass 1: the point in column x + 1 has the height of column x: (0 - 8 + 40) - v(x) - 10.
    for (int x = 0; x < 100; x += 7) {
        const int v = int(std::nearbyint(std::sin(x * 3.141592653589793 / 20) * 10));
        EXPECT_EQ(pic->Picture().Canvas().Pixels(x + 1, 22 - v), clRed) << x;
    }
    // The tangent keeps the previous height where its cosine rounds to 0 (u = 10).
    auto tan = WhitePicture(60, 100);
    tan->SetPenColor(clRed);
    tan->SetBrushColor(clRed);
    tan->SetFunktion(ftTangens);
    tan->SetFunkBredde(20);
    tan->SetFunkHojde(5);
    tan->SetFrekvens(60);
    tan->NewFocusRect(0, 0, 60, 100);
    tan->MakeTool(65, true);
    const int v9 = int(std::nearbyint(std::sin(9 * 3.141592653589793 / 20) * 100000));
    const int c9 = int(std::nearbyint(std::cos(9 * 3.141592653589793 / 20) * 100000));
    const int h9 = (-8 + 60) - int(std::nearbyint(double(v9) / c9 * 5)) - 5;
    if (h9 >= 0 && h9 < 100) {
        EXPECT_EQ(tan->Picture().Canvas().Pixels(10, h9), clRed);
        EXPECT_EQ(tan->Picture().Canvas().Pixels(11, h9), clRed); // u = 10 keeps the height
    }
}
