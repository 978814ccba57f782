#include "PicFixture.h"
#include <cmath>

namespace {
void Drag(TImagePic& pic, TPoint from, TPoint to, TMouseButton button = mbLeft, TShiftState shift = {})
{
    pic.MouseDown(button, shift, from.X, from.Y);
    pic.MouseMove(shift, (from.X + to.X) / 2, (from.Y + to.Y) / 2);
    pic.MouseMove(shift, to.X, to.Y);
    pic.MouseUp(button, shift, to.X, to.Y);
}

} // namespace

TEST(Strokes, RectangleDragCommitsOneRectangleAndLeavesNoRubberBand)
{
    auto pic = WhitePicture(60, 40);
    pic->SetToolNr(4);
    pic->SetBrushColor(clRed);
    std::vector<TPoint> positions;
    pic->OnPosition = [&](TObject*, int x, int y) { positions.push_back({x, y}); };
    pic->MouseDown(mbLeft, {}, 10, 8);
    pic->MouseMove({}, 30, 20);
    EXPECT_FALSE(ViewShowsPicture(*pic)); // the rubber band is on the view only
    EXPECT_EQ(InkBounds(pic->Picture()), TRect{});
    pic->MouseMove({}, 40, 25);
    pic->MouseUp(mbLeft, {}, 40, 25);
    EXPECT_TRUE(ViewShowsPicture(*pic));
    EXPECT_EQ(InkBounds(pic->Picture()), Rect(10, 8, 40, 25));
    EXPECT_EQ(PixelCount(pic->Picture(), clBlack), 2 * 30 + 2 * 15);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(20, 15), clRed);
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller rektangel"));
    EXPECT_TRUE(pic->Modified());
    EXPECT_EQ(pic->Canvas().Pen.Mode, pmCopy);
    EXPECT_EQ(pic->FR, Rect(9, 7, 41, 26)); // grown by the pen width
    ASSERT_EQ(positions.size(), 2u);
    EXPECT_EQ(positions[0], Point(10, 8));
    EXPECT_EQ(positions[1], Point(9, 7));
    pic->Undo();
    EXPECT_EQ(InkBounds(pic->Picture()), TRect{});
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

TEST(Strokes, UndoAfterEveryToolRestoresThePictureExactly)
{
    for (int tool : {1, 2, 3, 4, 5, 6, 7, 8, 33, 34, 102}) {
        auto pic = MakePic(70, 50);
        pic->SetPenWidth(3);
        pic->SetPenColor(clBlue);
        pic->SetBrushColor(clYellow);
        const TBitmap before = pic->Picture();
        pic->SetToolNr(tool);
        Drag(*pic, {12, 9}, {55, 40});
        EXPECT_FALSE(SamePixels(before, pic->Picture())) << tool;
        EXPECT_TRUE(ViewShowsPicture(*pic)) << tool;
        pic->Undo();
        EXPECT_TRUE(SamePixels(before, pic->Picture())) << tool;
        EXPECT_TRUE(ViewShowsPicture(*pic)) << tool;
    }
}

TEST(Strokes, RightButtonDrawsWithExchangedColoursAndRestoresThem)
{
    auto pic = WhitePicture(40, 40);
    pic->SetToolNr(4);
    pic->SetPenColor(clBlue);
    pic->SetBrushColor(clYellow);
    Drag(*pic, {5, 5}, {30, 30}, mbRight);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(5, 5), clYellow);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(15, 15), clBlue);
    EXPECT_EQ(pic->PenColor(), clBlue);
    EXPECT_EQ(pic->BrushColor(), clYellow);
    EXPECT_EQ(pic->Canvas().Pen.Color, clBlue);
    EXPECT_EQ(pic->Picture().Canvas().Brush.Color, clYellow);
}

TEST(Strokes, RightClicksWithTheFocusToolAndTheColourPickerChangeNothing)
{
    auto pic = MakePic(40, 40);
    pic->NewFocusRect(5, 5, 30, 30);
    const TBitmap shown = pic->View();
    bool positioned = false;
    pic->OnPosition = [&](TObject*, int, int) { positioned = true; };
    pic->SetToolNr(0);
    Drag(*pic, {10, 10}, {20, 20}, mbRight);
    EXPECT_TRUE(pic->Selected());
    EXPECT_FALSE(pic->TimerActive());
    EXPECT_FALSE(positioned);
    EXPECT_TRUE(SamePixels(shown, pic->View()));

    pic->SetToolNr(100);
    pic->SetPenColor(clRed);
    TColor picked = -1;
    pic->OnPixelInfo = [&](TObject*, int, int, uint8_t, uint8_t, uint8_t, TColor c, TMouseButton b) {
        picked = c;
        EXPECT_EQ(b, mbRight);
    };
    pic->MouseDown(mbRight, {}, 2, 3);
    pic->MouseUp(mbRight, {}, 2, 3);
    EXPECT_EQ(picked, pic->Picture().Canvas().Pixels(2, 3));
    EXPECT_EQ(pic->PenColor(), clRed);
    EXPECT_EQ(pic->BrushColor(), clWhite);
    EXPECT_FALSE(pic->MusNede);
}

TEST(Strokes, ShiftMakesSquaresAndSnapsLines)
{
    auto pic = WhitePicture(80, 80);
    pic->SetToolNr(3);
    Drag(*pic, {60, 60}, {20, 45}, mbLeft, {ssShift}); // up and to the left
    EXPECT_EQ(InkBounds(pic->Picture()), Rect(45, 45, 60, 60));

    // Near(angle) 25: horizontal; 26: a diagonal of the shorter leg; 76: vertical.
    struct Case {
        int dx, dy;
        char expect;
    };
    for (const Case& k : {Case{60, 28, 'h'}, Case{60, 29, 'd'}, Case{20, 80, 'v'}}) {
        auto line = WhitePicture(120, 120);
        line->SetToolNr(2);
        Drag(*line, {10, 10}, {10 + k.dx, 10 + k.dy}, mbLeft, {ssShift});
        const TRect ink = InkBounds(line->Picture());
        if (k.expect == 'h')
            EXPECT_EQ(ink, Rect(10, 10, 10 + k.dx, 11));
        else if (k.expect == 'v')
            EXPECT_EQ(ink, Rect(10, 10, 11, 10 + k.dy));
        else
            EXPECT_EQ(ink, Rect(10, 10, 10 + k.dy, 10 + k.dy));
    }
}

TEST(Strokes, LineClickTakesTheSnapshotAndSetsModified)
{
    auto pic = WhitePicture(20, 20);
    pic->SetToolNr(2);
    pic->MouseDown(mbLeft, {}, 5, 5);
    pic->MouseUp(mbLeft, {}, 5, 5);
    EXPECT_TRUE(pic->CanUndo());
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller streg"));
    EXPECT_TRUE(pic->Modified());
}

TEST(Strokes, RoundedRectangleAndEllipseStayInTheirRectangle)
{
    for (int tool : {5, 6, 7, 8}) {
        auto pic = WhitePicture(60, 60);
        pic->SetToolNr(tool);
        pic->SetBrushColor(clGreen);
        Drag(*pic, {10, 12}, {50, 40});
        EXPECT_EQ(InkBounds(pic->Picture()), Rect(10, 12, 50, 40)) << tool;
        const bool filled = tool == 6 || tool == 8;
        EXPECT_EQ(pic->Picture().Canvas().Pixels(30, 26), filled ? clGreen : clWhite) << tool;
        EXPECT_EQ(pic->Picture().Canvas().Pixels(10, 12), clWhite) << tool; // rounded corner
    }
}

TEST(Strokes, PencilDrawsWideSegmentsButSinglePixelDots)
{
    auto pic = WhitePicture(60, 40);
    pic->SetToolNr(1);
    pic->SetPenWidth(5);
    pic->MouseDown(mbLeft, {}, 10, 20);
    EXPECT_EQ(PixelCount(pic->Picture(), clBlack), 1); // the dot
    pic->MouseMove({}, 40, 20);
    pic->MouseUp(mbLeft, {}, 40, 20);
    int rows = 0;
    for (int y = 0; y < 40; ++y)
        rows += pic->Picture().Canvas().Pixels(25, y) == clBlack;
    EXPECT_EQ(rows, 5);
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller blyantsstreg"));
    EXPECT_EQ(pic->FR, Rect(0, 0, 60, 40)); // the release takes the whole picture
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

TEST(Strokes, PencilUnderTheMetaRuleSkipsOtherColours)
{
    auto pic = WhitePicture(20, 20);
    pic->Picture().Canvas().SetPixels(5, 5, clRed);
    pic->Paint();
    pic->SetMetaMetode(mmFarve);
    pic->SetMetaFarve(clWhite);
    pic->SetToolNr(1);
    pic->SetPenColor(clBlue);
    pic->MouseDown(mbLeft, {}, 5, 5);
    EXPECT_TRUE(pic->CanUndo());
    EXPECT_EQ(pic->Picture().Canvas().Pixels(5, 5), clRed);
    pic->MouseMove({}, 10, 5); // a segment over white pixels only reaches white ones
    pic->MouseUp(mbLeft, {}, 10, 5);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(5, 5), clRed);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(7, 5), clBlue);
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

TEST(Strokes, FilledRectangleUnderMetaRuleReachesOnlyTheMetaColour)
{
    auto pic = WhitePicture(40, 40);
    pic->Picture().Canvas().Brush.Color = clBlack;
    pic->Picture().Canvas().FillRect(Rect(15, 15, 25, 25));
    pic->Paint();
    pic->SetMetaMetode(mmFarve);
    pic->SetMetaFarve(clWhite);
    pic->SetToolNr(4);
    pic->SetBrushColor(clRed);
    pic->SetPenColor(clRed);
    Drag(*pic, {5, 5}, {35, 35});
    EXPECT_EQ(pic->Picture().Canvas().Pixels(10, 10), clRed);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(20, 20), clBlack);
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

TEST(Strokes, SpecialPencilLeavesRingsInTheFillColourJoinedByLines)
{
    auto pic = WhitePicture(60, 40);
    pic->SetToolNr(102);
    pic->SetPenWidth(4);
    pic->SetBrushColor(clRed);
    pic->MouseDown(mbLeft, {}, 10, 20);
    pic->MouseMove({}, 40, 20);
    pic->MouseUp(mbLeft, {}, 40, 20);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(6, 20), clRed); // left edge of the first ring
    EXPECT_EQ(pic->Picture().Canvas().Pixels(25, 20), clBlack); // the joining line
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller blyantsredigering"));
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

TEST(Arrows, StraightDownArrowHasItsWingsAndBaseWhereComputed)
{
    auto pic = WhitePicture(60, 80);
    pic->SetToolNr(34);
    pic->SetBrushColor(clRed);
    pic->PilBredde = 8;
    pic->PilHojde = 16;
    Drag(*pic, {30, 10}, {30, 70});
    const TCanvas& c = pic->Picture().Canvas();
    // Wings at x = 30 -+ 4 on the base row 70 - 16 = 54; the inside filled.
    EXPECT_EQ(c.Pixels(26, 54), clBlack);
    EXPECT_EQ(c.Pixels(34, 54), clBlack);
    EXPECT_EQ(c.Pixels(25, 54), clWhite);
    EXPECT_EQ(c.Pixels(30, 60), clRed);
    EXPECT_EQ(InkBounds(pic->Picture()), Rect(26, 10, 35, 71));
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller fyldt pil"));
    pic->SetSprog(stEngelsk);
    pic->SetToolNr(33);
    Drag(*pic, {5, 5}, {5, 50});
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Undo errow"));
}

TEST(Arrows, SlantedArrowRoundsTheHalfWidthSquareFirst)
{
    // PilBredde 7: (3.5)^2 = 12.25 becomes 12 before the root.
    auto pic = WhitePicture(100, 100);
    pic->SetToolNr(33);
    pic->PilBredde = 7;
    pic->PilHojde = 20;
    Drag(*pic, {10, 10}, {70, 70});
    // Base 20 back along the diagonal: s = sqrt(400 / 2) = 14.14 -> 14; wings -+ sqrt(12 / 2) = 2.45 -> 2.
    const TCanvas& c = pic->Picture().Canvas();
    EXPECT_EQ(c.Pixels(54, 58), clBlack); // wing (56 - 2, 56 + 2)
    EXPECT_EQ(c.Pixels(58, 54), clBlack); // wing (56 + 2, 56 - 2)
    EXPECT_EQ(c.Pixels(70, 70), clBlack); // the tip
}

TEST(Polygons, ClosesItselfAfterPolyAntalCorners)
{
    auto pic = WhitePicture(60, 60);
    pic->SetToolNr(10);
    pic->SetBrushColor(clRed);
    int steps = 0;
    pic->OnPoly = [&](TObject*) { ++steps; };
    Drag(*pic, {10, 10}, {50, 10});
    EXPECT_EQ(pic->PolyCount(), 2);
    EXPECT_EQ(InkBounds(pic->Picture()), TRect{});
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller polygon"));
    pic->MouseDown(mbLeft, {}, 30, 50);
    EXPECT_EQ(pic->PolyCount(), 4);
    pic->MouseMove({}, 30, 45);
    pic->MouseUp(mbLeft, {}, 30, 45);
    EXPECT_EQ(pic->PolyCount(), 0);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(30, 20), clRed);
    EXPECT_EQ(InkBounds(pic->Picture()), Rect(10, 10, 51, 46));
    EXPECT_EQ(pic->FR, Rect(9, 9, 51, 46));
    EXPECT_TRUE(ViewShowsPicture(*pic));
    EXPECT_GE(steps, 5);
    pic->Undo();
    EXPECT_EQ(InkBounds(pic->Picture()), TRect{});
}

TEST(Polygons, AfslutPolygonCommitsTheCornersSoFar)
{
    auto pic = WhitePicture(60, 60);
    pic->SetToolNr(9);
    pic->PolyAntal = 6;
    Drag(*pic, {10, 10}, {50, 10});
    Drag(*pic, {50, 50}, {50, 50});
    EXPECT_EQ(pic->PolyCount(), 3);
    pic->AfslutPolygon();
    EXPECT_EQ(pic->PolyCount(), 0);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(30, 30), clBlack); // the closing edge
    EXPECT_TRUE(ViewShowsPicture(*pic));
    pic->AfslutPolygon(); // nothing in progress
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

TEST(Dispatch, ToolWithoutHandlerOnlyReports)
{
    auto pic = WhitePicture(20, 20);
    pic->SetToolNr(200);
    int positions = 0, moves = 0;
    pic->OnPosition = [&](TObject*, int, int) { ++positions; };
    pic->OnMusPos = [&](TObject*, int, int) { ++moves; };
    Drag(*pic, {2, 2}, {9, 9});
    EXPECT_EQ(positions, 2);
    EXPECT_EQ(moves, 2);
    EXPECT_FALSE(pic->MusNede);
    EXPECT_FALSE(pic->CanUndo());
    EXPECT_EQ(InkBounds(pic->Picture()), TRect{});
}

TEST(MakeTool, PerformsOnTheFocusOrOnlySelects)
{
    auto pic = WhitePicture(80, 50);
    pic->NewFocusRect(10, 10, 50, 30);
    pic->MakeTool(3, true);
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller rektangel"));
    EXPECT_EQ(InkBounds(pic->Picture()), Rect(10, 10, 50, 30));
    EXPECT_TRUE(ViewShowsPicture(*pic));

    pic->NewFocusRect(10, 10, 50, 30);
    pic->MakeTool(7, false);
    EXPECT_EQ(pic->ToolNr(), 7);
    EXPECT_FALSE(pic->Selected());
    EXPECT_TRUE(ViewShowsPicture(*pic));

    pic->SaveUndo("before line");
    pic->NewFocusRect(10, 10, 50, 30);
    std::pair<bool, int> objekt;
    int autoPerform = 0;
    pic->OnObjekt = [&](TObject*, bool o, int n) { objekt = {o, n}; };
    pic->OnAutoPerform = [&](TObject*, bool) { ++autoPerform; };
    pic->MakeTool(2, true);
    EXPECT_EQ(pic->InfoString(), QStringLiteral("before line")); // no snapshot
    EXPECT_EQ(objekt, std::make_pair(true, 2));
    EXPECT_EQ(autoPerform, 1);
}

TEST(MakeTool, MinusOneMakesAnInsetFocusAndPerformsTheCurrentTool)
{
    auto pic = WhitePicture(100, 60);
    pic->SetToolNr(4);
    pic->SetBrushColor(clRed);
    std::vector<TRect> ends;
    pic->OnFocusEnd = [&](TObject*, const TRect& r) { ends.push_back(r); };
    pic->MakeTool(-1, true);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0], Rect(5, 10, 95, 55));
    EXPECT_EQ(InkBounds(pic->Picture()), Rect(5, 10, 95, 55));
    EXPECT_EQ(pic->Picture().Canvas().Pixels(50, 30), clRed);
}

TEST(MakeTool, ArrowRunsThroughTheMiddleOfTheFocus)
{
    auto pic = WhitePicture(100, 60);
    pic->NewFocusRect(10, 10, 90, 50);
    pic->SetSprog(stEngelsk);
    pic->MakeTool(34, true);
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Undo arrow"));
    EXPECT_EQ(pic->Picture().Canvas().Pixels(10, 30), clBlack); // the shaft's start
    EXPECT_EQ(pic->Picture().Canvas().Pixels(90, 30), clBlack); // the tip
    EXPECT_EQ(pic->Picture().Canvas().Pixels(50, 20), clWhite);
}
