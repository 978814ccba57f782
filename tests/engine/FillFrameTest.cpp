#include "PicFixture.h"
#include "platform/Random.h"
#include <cmath>

namespace {
void Click(TImagePic& pic, int x, int y, TMouseButton b = mbLeft)
{
    pic.MouseDown(b, {}, x, y);
    pic.MouseUp(b, {}, x, y);
}

void Drag(TImagePic& pic, TPoint from, TPoint to)
{
    pic.MouseDown(mbLeft, {}, from.X, from.Y);
    pic.MouseMove({}, to.X, to.Y);
    pic.MouseUp(mbLeft, {}, to.X, to.Y);
}

std::vector<TPoint> PixelsOf(const TBitmap& b, TColor c)
{
    std::vector<TPoint> found;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Canvas().Pixels(x, y) == c)
                found.push_back({x, y});
    return found;
}
} // namespace

TEST(Fill, FillsTheRegionOnPressAndReportsOnRelease)
{
    auto pic = WhitePicture(40, 30);
    TBitmap framed(40, 30);
    framed.Canvas().Brush.Style = bsClear;
    framed.Canvas().Rectangle(5, 5, 20, 20);
    pic->SetPicture(framed);
    pic->SetToolNr(20);
    pic->SetBrushColor(clRed);
    std::vector<TPoint> positions;
    std::pair<bool, int> objekt{true, 0};
    pic->OnPosition = [&](TObject*, int x, int y) { positions.push_back({x, y}); };
    pic->OnObjekt = [&](TObject*, bool o, int n) { objekt = {o, n}; };
    pic->MouseDown(mbLeft, {}, 10, 10);
    EXPECT_TRUE(positions.empty()); // the fill ends the press
    EXPECT_EQ(pic->Picture().Canvas().Pixels(10, 10), clRed);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(25, 25), clWhite);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(5, 10), clBlack);
    EXPECT_TRUE(ViewShowsPicture(*pic));
    pic->MouseUp(mbLeft, {}, 10, 10);
    ASSERT_EQ(positions.size(), 1u);
    EXPECT_EQ(positions[0], Point(0, 0));
    EXPECT_EQ(objekt, std::make_pair(false, -1));
    EXPECT_EQ(pic->FR, Rect(0, 0, 40, 30));
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller farvefyld"));
    pic->Undo();
    EXPECT_EQ(pic->Picture().Canvas().Pixels(10, 10), clWhite);
}

TEST(Fill, AFillThatChangesNothingStillTakesTheSnapshot)
{
    auto pic = WhitePicture(20, 20);
    pic->SetToolNr(20);
    pic->SetBrushColor(clWhite);
    Click(*pic, 3, 3);
    EXPECT_TRUE(pic->CanUndo());
    EXPECT_TRUE(pic->Modified());
}

TEST(Fill, FillToStopsAtThePenColourOnlyAndRightButtonSwapsColours)
{
    auto pic = WhitePicture(40, 40);
    TBitmap framed(40, 40);
    framed.Canvas().Brush.Style = bsClear;
    framed.Canvas().Pen.Color = clBlue;
    framed.Canvas().Rectangle(5, 5, 30, 30); // the border in the pen colour
    framed.Canvas().Pen.Color = clGreen;
    framed.Canvas().Rectangle(10, 10, 20, 20); // another colour inside: painted over
    pic->SetPicture(framed);
    const TCanvas& c = pic->Picture().Canvas();
    pic->SetToolNr(21);
    pic->SetPenColor(clBlue);
    pic->SetBrushColor(clRed);
    Click(*pic, 7, 7);
    EXPECT_EQ(c.Pixels(10, 10), clRed);
    EXPECT_EQ(c.Pixels(15, 15), clRed);
    EXPECT_EQ(c.Pixels(5, 5), clBlue);
    EXPECT_EQ(c.Pixels(2, 2), clWhite);
    EXPECT_TRUE(ViewShowsPicture(*pic));

    // The right button fills with the pen colour and bounds at the fill colour.
    auto right = WhitePicture(20, 20);
    right->SetToolNr(20);
    right->SetPenColor(clYellow);
    right->SetBrushColor(clRed);
    Click(*right, 3, 3, mbRight);
    EXPECT_EQ(right->Picture().Canvas().Pixels(3, 3), clYellow);
    EXPECT_EQ(right->PenColor(), clYellow);
    EXPECT_EQ(right->BrushColor(), clRed);
}

TEST(Fill, MetaRuleDecidesWhetherTheFillStarts)
{
    auto pic = WhitePicture(20, 20);
    pic->SetMetaMetode(mmNotFarve);
    pic->SetMetaFarve(clWhite);
    pic->SetToolNr(20);
    pic->SetBrushColor(clRed);
    Click(*pic, 3, 3);
    EXPECT_FALSE(pic->CanUndo());
    EXPECT_EQ(pic->Picture().Canvas().Pixels(3, 3), clWhite);
}

TEST(Spray, DotsStayInTheRoundedRadiusAndInsideThePicture)
{
    RandSeed(42);
    auto pic = WhitePicture(30, 30);
    pic->SetToolNr(22);
    pic->SetBrushColor(clRed);
    pic->SprayProcent = 100;
    pic->SprayRadius = 4;
    pic->MouseDown(mbLeft, {}, 1, 1); // near the corner: dots outside are dropped
    pic->MouseUp(mbLeft, {}, 1, 1);
    const auto dots = PixelsOf(pic->Picture(), clRed);
    EXPECT_GT(dots.size(), 5u);
    for (const TPoint& p : dots)
        EXPECT_LE(std::hypot(p.X - 1, p.Y - 1), 4.5) << p.X << "," << p.Y;
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller spray"));
    EXPECT_EQ(pic->FR, Rect(0, 0, 30, 30));
    EXPECT_TRUE(ViewShowsPicture(*pic));

    // Radius 1: the diagonal neighbours (distance 1.41) are dots too.
    RandSeed(1);
    auto small = WhitePicture(10, 10);
    small->SetBrushColor(clRed);
    small->SprayRadius = 1;
    small->SprayProcent = 1000;
    small->SetToolNr(22);
    Click(*small, 5, 5);
    EXPECT_EQ(PixelsOf(small->Picture(), clRed).size(), 9u);
}

TEST(Spray, NoTriesWithoutDensityOrRadius)
{
    for (auto [r, p] : {std::pair{10, 0}, {0, 99}}) {
        auto pic = WhitePicture(30, 30);
        pic->SetToolNr(22);
        pic->SetBrushColor(clRed);
        pic->SprayRadius = r;
        pic->SprayProcent = p;
        Click(*pic, 15, 15);
        EXPECT_TRUE(PixelsOf(pic->Picture(), clRed).empty());
        EXPECT_TRUE(pic->CanUndo());
    }
}

TEST(Spray, ANewBurstOnlyAfterMovingMoreThanTheRadius)
{
    auto pic = WhitePicture(100, 100);
    pic->SetToolNr(22);
    pic->SetBrushColor(clRed);
    pic->SprayRadius = 5;
    pic->SprayProcent = 400;
    pic->MouseDown(mbLeft, {}, 20, 20);
    const size_t first = PixelsOf(pic->Picture(), clRed).size();
    pic->MouseMove({}, 25, 25); // exactly the radius: nothing
    EXPECT_EQ(PixelsOf(pic->Picture(), clRed).size(), first);
    pic->MouseMove({}, 26, 20); // one pixel more: a burst around (26, 20)
    EXPECT_GT(PixelsOf(pic->Picture(), clRed).size(), first);
    EXPECT_EQ(std::tie(pic->X1, pic->Y1), std::make_tuple(21, 15));
    pic->MouseUp(mbLeft, {}, 26, 20);
}

TEST(Spray, MakeToolSpraysOnceAtTheFocusCentre)
{
    auto pic = WhitePicture(100, 100);
    pic->SetBrushColor(clRed);
    pic->SprayProcent = 300;
    pic->NewFocusRect(10, 20, 50, 60);
    pic->MakeTool(22, true);
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller spray"));
    const auto dots = PixelsOf(pic->Picture(), clRed);
    ASSERT_FALSE(dots.empty());
    for (const TPoint& p : dots)
        EXPECT_LE(std::hypot(p.X - 30, p.Y - 40), 10.5);
}

TEST(Frame, SidesCountAndSpace)
{
    auto pic = WhitePicture(40, 30);
    pic->SetToolNr(30);
    Drag(*pic, {5, 5}, {30, 25});
    EXPECT_EQ(pic->Picture().Canvas().Pixels(5, 5), clBlack);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(29, 24), clBlack);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(15, 15), clWhite);
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller ramme"));
    EXPECT_TRUE(ViewShowsPicture(*pic));

    auto left = WhitePicture(40, 30);
    left->SetToolNr(30);
    left->BorderLines = {blLeft};
    left->BorderCount = 3;
    left->BorderSpace = 1;
    Drag(*left, {10, 5}, {30, 25});
    std::string row;
    for (int x = 8; x < 18; ++x)
        row += left->Picture().Canvas().Pixels(x, 15) == clBlack ? '#' : '.';
    EXPECT_EQ(row, "..#.#.#...");

    auto paper = WhitePicture(40, 30);
    paper->SetPapirfarve(clGreen);
    paper->BorderLines = {};
    paper->SetPenColor(clRed);
    paper->NewFocusRect(5, 5, 30, 25);
    paper->MakeTool(30, true);
    EXPECT_EQ(paper->Picture().Canvas().Pixels(5, 15), clGreen);
    EXPECT_EQ(paper->Picture().Canvas().Pixels(29, 24), clGreen);
    EXPECT_EQ(paper->Picture().Canvas().Pen.Color, clRed);

    auto none = WhitePicture(40, 30);
    none->BorderCount = 0;
    none->NewFocusRect(5, 5, 30, 25);
    none->MakeTool(30, true);
    EXPECT_TRUE(PixelsOf(none->Picture(), clBlack).empty());
}

TEST(SpecialFrame, RingColoursFollowTheKind)
{
    auto pic = WhitePicture(60, 60);
    pic->SetToolNr(31);
    pic->SetPenWidth(4);
    pic->RamArt = rtUd;
    pic->RamBredde = 3;
    pic->RamDybde = 2;
    Drag(*pic, {10, 10}, {50, 50});
    const TCanvas& c = pic->Picture().Canvas();
    // Left edges: raised, raised, sunken; right edges the other colour of each ring.
    EXPECT_EQ(c.Pixels(10, 30), clSilver);
    EXPECT_EQ(c.Pixels(11, 30), clSilver);
    EXPECT_EQ(c.Pixels(12, 30), clGray);
    EXPECT_EQ(c.Pixels(49, 30), clGray);
    EXPECT_EQ(c.Pixels(48, 30), clGray);
    EXPECT_EQ(c.Pixels(47, 30), clSilver);
    EXPECT_EQ(c.Pixels(10, 49), clSilver); // the bottom-left corner takes colour A
    EXPECT_EQ(c.Pixels(49, 10), clGray);   // the top-right corner takes colour B
    EXPECT_EQ(c.Pixels(30, 30), clWhite);
    int a, b, d, e;
    pic->GetRammeXY(a, b, d, e);
    EXPECT_EQ(std::tie(a, b, d, e), std::make_tuple(13, 13, 47, 47));
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller specialramme"));
    // The pen width is back after the drag.
    EXPECT_EQ(pic->Picture().Canvas().Pen.Width, 4);
    EXPECT_EQ(pic->Canvas().Pen.Width, 4);
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

TEST(SpecialFrame, RibsFilledFramesAndNarrowRectangles)
{
    // Default values: two ribs of one raised and one sunken ring, four rings in all.
    auto pic = WhitePicture(60, 60);
    pic->SetBrushColor(clRed);
    pic->NewFocusRect(10, 10, 50, 50);
    pic->SetRamFarveLys(clYellow);
    pic->RamArt = rtRifletUd;
    pic->MakeTool(32, true);
    const TCanvas& c = pic->Picture().Canvas();
    EXPECT_EQ(c.Pixels(10, 30), clYellow);
    EXPECT_EQ(c.Pixels(11, 30), clGray);
    EXPECT_EQ(c.Pixels(12, 30), clYellow);
    EXPECT_EQ(c.Pixels(13, 30), clGray);
    EXPECT_EQ(c.Pixels(14, 30), clRed); // filled inside
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller special ramme"));
    int a, b, d, e;
    pic->GetRammeXY(a, b, d, e);
    EXPECT_EQ(std::tie(a, b, d, e), std::make_tuple(14, 14, 46, 46));

    auto flat = WhitePicture(30, 30);
    flat->SetPenColor(clBlue);
    flat->RamArt = rtIngen;
    flat->RamBredde = 2;
    flat->NewFocusRect(5, 5, 25, 25);
    flat->MakeTool(31, true);
    EXPECT_EQ(flat->Picture().Canvas().Pixels(5, 10), clBlue);
    EXPECT_EQ(flat->Picture().Canvas().Pixels(6, 10), clBlue);
    EXPECT_EQ(flat->Picture().Canvas().Pixels(7, 10), clWhite);

    auto narrow = WhitePicture(30, 30);
    narrow->RamBredde = 5;
    narrow->NewFocusRect(10, 5, 14, 25);
    narrow->MakeTool(31, true);
    narrow->GetRammeXY(a, b, d, e);
    EXPECT_GT(a, d); // the rings passed each other
}
