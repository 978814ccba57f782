#include "PicFixture.h"
#include <QTemporaryDir>

namespace {
// A picture from rows of colours.
TBitmap FromRows(const std::vector<std::vector<TColor>>& rows)
{
    TBitmap b(int(rows[0].size()), int(rows.size()));
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            b.Canvas().SetPixels(x, y, rows[y][x]);
    return b;
}

std::unique_ptr<TImagePic> PicOf(const TBitmap& b)
{
    auto pic = std::make_unique<TImagePic>();
    pic->SetAutoDim(true);
    pic->SetPicture(b);
    return pic;
}

TColor At(const TImagePic& pic, int x, int y)
{
    return pic.Picture().Canvas().Pixels(x, y);
}
} // namespace

TEST(Scale, ZeroAndHundredPercentChangeNothingNotEvenUndo)
{
    auto pic = MakePic(20, 10);
    EXPECT_TRUE(pic->ScalePicture(0));
    EXPECT_TRUE(pic->ScalePicture(100));
    EXPECT_FALSE(pic->CanUndo());
    EXPECT_EQ(pic->width(), 20);
}

TEST(Scale, PercentTruncatesAndNeverMixesColours)
{
    auto pic = MakePic(101, 51);
    const TBitmap before = pic->Picture();
    std::tuple<int, int, double> scaled;
    pic->OnScale = [&](TObject*, int w, int h, double p) { scaled = {w, h, p}; };
    ASSERT_TRUE(pic->ScalePicture(50));
    EXPECT_EQ(pic->Picture().Width(), 50);
    EXPECT_EQ(pic->Picture().Height(), 25);
    EXPECT_EQ(pic->width(), 50);
    EXPECT_EQ(scaled, std::make_tuple(50, 25, 50.0));
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller skalering"));
    EXPECT_EQ(At(*pic, 10, 10), before.Canvas().Pixels(20, 20)); // nearest pixel
    EXPECT_TRUE(ViewShowsPicture(*pic));
    pic->Undo();
    EXPECT_TRUE(SamePixels(pic->Picture(), before));
    EXPECT_EQ(pic->width(), 101);
    ASSERT_TRUE(pic->ScalePicture(200));
    EXPECT_EQ(At(*pic, 41, 21), before.Canvas().Pixels(20, 10));
}

TEST(Scale, TooLargeOrEmptyResultsAreRefusedWithoutChange)
{
    auto pic = MakePic(400, 300);
    pic->SaveUndo("kept");
    const TBitmap before = pic->Picture();
    EXPECT_FALSE(pic->ScalePicture(100000));
    EXPECT_FALSE(pic->ScalePicture(-50));
    EXPECT_FALSE(pic->ScaleHeight(1000000));
    EXPECT_FALSE(pic->ScaleWidth(0));
    pic->ScaleWH(0, 10);
    pic->ScaleWH(40000, 40000);
    EXPECT_TRUE(SamePixels(pic->Picture(), before));
    EXPECT_EQ(pic->InfoString(), QStringLiteral("kept"));
}

TEST(Scale, ToWidthToHeightAndFreeSize)
{
    auto pic = MakePic(7, 5);
    std::tuple<int, int, double> scaled;
    pic->OnScale = [&](TObject*, int w, int h, double p) { scaled = {w, h, p}; };
    ASSERT_TRUE(pic->ScaleHeight(61));
    EXPECT_EQ(pic->Picture().Width(), 61); // the named side is exact; 5 * 61 / 7 rounds down
    EXPECT_EQ(pic->Picture().Height(), 43);
    // The percentage is that of the picture before scaling, not 100.
    EXPECT_DOUBLE_EQ(std::get<2>(scaled), 100.0 * 61 / 7);
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller højdeskalering"));
    ASSERT_TRUE(pic->ScaleWidth(86));
    EXPECT_EQ(pic->Picture().Height(), 86);
    EXPECT_DOUBLE_EQ(std::get<2>(scaled), 100.0 * 86 / 43);
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller breddeskalering"));
    pic->ScaleWH(30, 12);
    EXPECT_EQ(pic->width(), 30);
    EXPECT_EQ(pic->height(), 12);
    EXPECT_EQ(std::get<2>(scaled), 0.0);
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller ny størrelse"));
    EXPECT_EQ(pic->Picture().Canvas().Pen.Color, pic->PenColor());
}

TEST(Scale, ToASideMakesThatSideExactlyEvenWhereTheFractionIsInexact)
{
    // 1 / 49 * 49 is just below 1 in doubles: the width must still become 1.
    auto pic = MakePic(49, 98);
    ASSERT_TRUE(pic->ScaleHeight(1));
    EXPECT_EQ(pic->width(), 1);
    EXPECT_EQ(pic->height(), 2);
    auto tall = MakePic(30, 49);
    ASSERT_TRUE(tall->ScaleWidth(1 * 49 * 3));
    EXPECT_EQ(tall->height(), 147);
    EXPECT_EQ(tall->width(), 90);
}

TEST(Scale, FromTheFileReadsThePicturesFile)
{
    QTemporaryDir dir;
    auto pic = MakePic(40, 20);
    ASSERT_TRUE(pic->SaveBitmap(dir.filePath("p.bmp")));
    const TBitmap saved = pic->Picture();
    pic->SetScaleFraFil(true);
    EXPECT_TRUE(pic->CanScale());
    ASSERT_TRUE(pic->ScalePicture(50));
    ASSERT_TRUE(pic->ScalePicture(200)); // again from the file, not from the half
    EXPECT_TRUE(SamePixels(pic->Picture(), [&] {
        TBitmap b(80, 40);
        b.Canvas().StretchDraw(b.BoundsRect(), saved);
        return b;
    }()));
    TImagePic noFile;
    noFile.SetPicture(PatternPicture(5, 5));
    noFile.SetScaleFraFil(true);
    EXPECT_FALSE(noFile.ScalePicture(50));
    EXPECT_FALSE(noFile.ScaleHeight(10));
}

TEST(Orientation, QuarterTurnsMoveTheCorners)
{
    const TColor a = clRed, b = clGreen, c = clBlue, d = clYellow, e = clBlack, f = clGray;
    auto pic = PicOf(FromRows({{a, b, c}, {d, e, f}}));
    std::tuple<int, int, double> scaled;
    pic->OnScale = [&](TObject*, int w, int h, double p) { scaled = {w, h, p}; };
    pic->Drej(1);
    ASSERT_EQ(pic->width(), 2);
    ASSERT_EQ(pic->height(), 3);
    // Anticlockwise: the old top-right is the new top-left, the old top-left the bottom-left.
    EXPECT_EQ(At(*pic, 0, 0), c);
    EXPECT_EQ(At(*pic, 0, 2), a);
    EXPECT_EQ(At(*pic, 1, 2), d);
    EXPECT_EQ(scaled, std::make_tuple(2, 3, 0.0));
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller drejning"));
    EXPECT_TRUE(ViewShowsPicture(*pic));
    pic->Drej(3);
    EXPECT_EQ(At(*pic, 0, 0), a);
    EXPECT_EQ(At(*pic, 2, 1), f);
    pic->Drej(2);
    EXPECT_EQ(At(*pic, 0, 0), f);
    EXPECT_EQ(At(*pic, 2, 1), a);
    pic->Undo();
    EXPECT_EQ(At(*pic, 0, 0), a);
    // A big turn through the tiles matches the pixel rule.
    auto big = MakePic(150, 70);
    const TBitmap before = big->Picture();
    big->Drej(3);
    for (int y = 0; y < 70; y += 7)
        for (int x = 0; x < 150; x += 11)
            ASSERT_EQ(At(*big, 69 - y, x), before.Canvas().Pixels(x, y));
}

TEST(Orientation, MirrorWithAFocusMirrorsOnlyTheFocus)
{
    auto pic = MakePic(20, 10);
    const TBitmap before = pic->Picture();
    pic->NewFocusRect(5, 2, 15, 8);
    pic->Spejlvend(true, false, false);
    EXPECT_EQ(At(*pic, 5, 3), before.Canvas().Pixels(14, 3));
    EXPECT_EQ(At(*pic, 14, 7), before.Canvas().Pixels(5, 7));
    EXPECT_EQ(At(*pic, 4, 3), before.Canvas().Pixels(4, 3));
    EXPECT_EQ(At(*pic, 10, 9), before.Canvas().Pixels(10, 9));
    EXPECT_TRUE(ViewShowsPicture(*pic));
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller spejlvending"));
    pic->Undo();
    EXPECT_TRUE(SamePixels(pic->Picture(), before));
    pic->Spejlvend(false, true, false);
    EXPECT_EQ(At(*pic, 3, 0), before.Canvas().Pixels(3, 9));
    EXPECT_TRUE(ViewShowsPicture(*pic));
    pic->NewFocusRect(0, 0, 5, 5);
    pic->Spejlvend(true, false, true); // the whole picture despite the focus
    EXPECT_EQ(At(*pic, 0, 0), before.Canvas().Pixels(19, 9));
}

TEST(Sizes, CutToFocusAndClearAll)
{
    auto pic = MakePic(30, 20);
    const TBitmap before = pic->Picture();
    int newPicture = 0;
    pic->OnAutoPerform = [&](TObject*, bool n) { newPicture += n; };
    pic->CutToFocus(); // no focus: only the events
    EXPECT_EQ(pic->width(), 30);
    EXPECT_EQ(newPicture, 1);
    pic->NewFocusRect(5, 4, 15, 10);
    pic->CutToFocus();
    EXPECT_EQ(pic->width(), 10);
    EXPECT_EQ(pic->height(), 6);
    EXPECT_EQ(At(*pic, 0, 0), before.Canvas().Pixels(5, 4));
    EXPECT_TRUE(ViewShowsPicture(*pic));
    pic->Undo();
    EXPECT_EQ(pic->width(), 30);

    pic->SetModified(false);
    pic->ClearAll(clGreen);
    EXPECT_EQ(At(*pic, 29, 19), clGreen);
    EXPECT_FALSE(pic->Modified());
    EXPECT_EQ(pic->Picture().Canvas().Brush.Color, pic->BrushColor());
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

TEST(Moves, PictureMovesInASeriesAndTheSeriesIsUndoneAtOnce)
{
    auto pic = MakePic(30, 20);
    const TBitmap before = pic->Picture();
    pic->SetBrushColor(clRed);
    pic->MoveStep = 5;
    TPoint position;
    pic->OnPosition = [&](TObject*, int x, int y) { position = {x, y}; };
    for (int i = 0; i < 3; ++i)
        pic->FlytBillede(frRight);
    EXPECT_EQ(position, Point(15, 0));
    EXPECT_EQ(At(*pic, 15, 0), before.Canvas().Pixels(0, 0));
    EXPECT_EQ(At(*pic, 14, 5), clRed); // uncovered: the brush
    EXPECT_TRUE(ViewShowsPicture(*pic));
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller billedflytning"));
    pic->AnnullerFlytning();
    EXPECT_TRUE(SamePixels(pic->Picture(), before));
    EXPECT_TRUE(pic->WithUndo);
    pic->ResetMove();
    EXPECT_EQ(position, Point(0, 0));
    pic->FlytBillede(frDown);
    pic->Undo();
    EXPECT_TRUE(SamePixels(pic->Picture(), before));

    // Nothing to go back to keeps the picture; an empty picture does not move.
    auto fresh = MakePic(10, 10);
    fresh->AnnullerFlytning();
    EXPECT_EQ(fresh->Picture().Width(), 10);
    TImagePic empty;
    empty.FlytBillede(frRight);
    EXPECT_TRUE(empty.Picture().Empty());
}

TEST(Moves, FocusContentsAreCopiedAlongAndAFigureLeavesItsOldPlaceClean)
{
    auto pic = MakePic(40, 30);
    const TBitmap before = pic->Picture();
    pic->Undo(); // no object: ObjektNr -1
    pic->Flyt(frRight); // nothing to move
    EXPECT_FALSE(pic->CanUndo());

    pic->NewFocusRect(5, 5, 15, 15);
    pic->MoveStep = 3;
    pic->Flyt(frRight);
    pic->Flyt(frDown);
    EXPECT_EQ(At(*pic, 8, 8), before.Canvas().Pixels(5, 5));
    EXPECT_EQ(At(*pic, 5, 5), before.Canvas().Pixels(5, 5)); // copied, not cut
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller flytning"));
    EXPECT_TRUE(ViewShowsPicture(*pic));
    pic->MoveRtoFocusR();
    EXPECT_EQ(pic->FR, Rect(8, 8, 18, 18));
    pic->Undo();
    EXPECT_TRUE(SamePixels(pic->Picture(), before));

    // A figure: its old place shows the picture from before it was drawn.
    auto fig = std::make_unique<TImagePic>();
    fig->SetAutoDim(true);
    fig->SetPicture(TBitmap(40, 30));
    fig->SetToolNr(4);
    fig->SetBrushColor(clRed);
    fig->MouseDown(mbLeft, {}, 5, 5);
    fig->MouseMove({}, 15, 15);
    fig->MouseUp(mbLeft, {}, 15, 15);
    fig->MoveStep = 10;
    fig->Flyt(frRight);
    EXPECT_EQ(fig->Picture().Canvas().Pixels(7, 7), clWhite);
    EXPECT_EQ(fig->Picture().Canvas().Pixels(18, 8), clRed);
    EXPECT_TRUE(ViewShowsPicture(*fig));
}

TEST(Moves, PlaceObjectUnderTheMetaColourRule)
{
    // A picture half white, half blue; a red filled ellipse over the middle.
    TBitmap base(40, 20);
    base.Canvas().Brush.Color = clBlue;
    base.Canvas().FillRect(Rect(20, 0, 40, 20));
    auto pic = PicOf(base);
    pic->SetToolNr(8);
    pic->SetBrushColor(clRed);
    pic->SetPenColor(clRed);
    pic->MouseDown(mbLeft, {}, 5, 2);
    pic->MouseMove({}, 35, 18);
    pic->MouseUp(mbLeft, {}, 35, 18);
    EXPECT_EQ(At(*pic, 30, 10), clRed);
    pic->SetMetaFarve(clWhite);
    pic->PladserObjekt(mmFarve);
    EXPECT_EQ(At(*pic, 10, 10), clRed);  // over white
    EXPECT_EQ(At(*pic, 30, 10), clBlue); // over blue: the figure does not show
    EXPECT_EQ(pic->MetaMetode(), mmNormal);
    pic->NewFocusRect(0, 0, 5, 5);
    pic->PladserObjekt(mmNormal); // a focus: nothing
    EXPECT_EQ(At(*pic, 30, 10), clBlue);
}

TEST(ColourOps, ReplaceInvertAndGreyInsideAndOutsideAFocus)
{
    auto pic = PicOf(FromRows({{clRed, clGreen, clBlue, clRed}, {clWhite, clRed, clBlack, clYellow}}));
    const TBitmap before = pic->Picture();
    pic->UdskiftPixels(clRed, clBlue, 0);
    EXPECT_EQ(At(*pic, 0, 0), clBlue);
    EXPECT_EQ(At(*pic, 1, 1), clBlue);
    EXPECT_EQ(At(*pic, 1, 0), clGreen);
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller farveskift"));
    EXPECT_TRUE(ViewShowsPicture(*pic));
    pic->Undo();
    pic->UdskiftPixels(clRed, clBlue, 1);
    EXPECT_EQ(At(*pic, 0, 0), clRed ^ clBlue);
    pic->Undo();
    pic->UdskiftPixels(clGray, clBlue, 1); // nothing of that colour: still undoable
    EXPECT_TRUE(pic->CanUndo());
    EXPECT_TRUE(SamePixels(pic->Picture(), before));

    pic->NewFocusRect(0, 0, 2, 1);
    pic->Inverter(); // xor the white fill colour
    EXPECT_EQ(At(*pic, 0, 0), RGB(0, 255, 255));
    EXPECT_EQ(At(*pic, 2, 0), clBlue); // outside the focus
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller invertering"));
    EXPECT_TRUE(ViewShowsPicture(*pic));
    pic->Undo();
    EXPECT_TRUE(SamePixels(pic->Picture(), before));

    auto grey = PicOf(FromRows({{clLime, clRed, clBlue, RGB(10, 20, 30)}}));
    grey->MakeGray();
    EXPECT_EQ(GetRValue(At(*grey, 0, 0)), 127);
    EXPECT_EQ(At(*grey, 1, 0), RGB(76, 76, 76));
    EXPECT_EQ(At(*grey, 2, 0), RGB(51, 51, 51));
    EXPECT_EQ(At(*grey, 3, 0), RGB(19, 19, 19));
    EXPECT_EQ(grey->InfoString(), QStringLiteral("Annuller gråtoning"));
}

TEST(ColourOps, ReduceClampMapToneAndFade)
{
    auto pic = PicOf(FromRows({{RGB(64, 192, 10), RGB(250, 10, 0)}}));
    pic->ReducerFarver(2, 2, 0);
    EXPECT_EQ(At(*pic, 0, 0), RGB(0, 255, 0));
    pic->Undo();
    pic->ReducerFarver(0, 255, 255);
    EXPECT_EQ(At(*pic, 0, 0), RGB(0, 192, 10));
    pic->Undo();
    pic->JusterFarver(70, 0, 20, 100, 150, 10); // min above max: min wins for blue
    EXPECT_EQ(At(*pic, 0, 0), RGB(70, 150, 20));
    pic->Undo();
    pic->Toning(8, true);
    EXPECT_EQ(At(*pic, 1, 0), RGB(255, 18, 8));
    pic->Undo();
    pic->Toning(8, false);
    EXPECT_EQ(At(*pic, 1, 0), RGB(242, 2, 0));
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller farveændring"));

    auto map = PicOf(FromRows({{clBlack, clWhite, RGB(128, 128, 128)}}));
    map->SetPenColor(RGB(200, 0, 50));
    map->SetBrushColor(RGB(100, 255, 50));
    map->GrayToColor();
    EXPECT_EQ(At(*map, 0, 0), RGB(100, 0, 50));
    EXPECT_EQ(At(*map, 1, 0), RGB(200, 255, 50));
    EXPECT_EQ(At(*map, 2, 0), RGB(150, 128, 50));

    auto fade = PicOf(FromRows({{RGB(0, 0, 0)}}));
    fade->SetPenColor(RGB(0, 0, 0));
    fade->SetBrushColor(RGB(200, 100, 40));
    fade->IntFade(true); // N = 4: ramp p + d = (50, 25, 10), halved
    EXPECT_EQ(At(*fade, 0, 0), RGB(25, 12, 5));
}

TEST(ColourOps, FadeScanOrderMakesBands)
{
    auto rows = MakePic(4, 4);
    TBitmap black(4, 4);
    black.Canvas().Brush.Color = clBlack;
    black.Canvas().FillRect(black.BoundsRect());
    rows->SetPicture(black);
    rows->SetPenColor(clBlack);
    rows->SetBrushColor(RGB(250, 0, 0));
    auto cols = MakePic(4, 4);
    cols->SetPicture(black);
    cols->SetPenColor(clBlack);
    cols->SetBrushColor(RGB(250, 0, 0));
    rows->IntFade(true);
    cols->IntFade(false);
    // Rows outer: the ramp grows along a row; columns outer: along a column.
    EXPECT_LT(GetRValue(At(*rows, 0, 0)), GetRValue(At(*rows, 3, 0)));
    EXPECT_EQ(GetRValue(At(*rows, 3, 0)), GetRValue(At(*cols, 0, 3)));
}

TEST(ColourOps, OutlinesOfAColourAndOfAllChanges)
{
    // A white run of 5 and one of 2 inside black.
    std::vector<TColor> row(12, clBlack);
    for (int x = 2; x < 7; ++x)
        row[x] = clWhite;
    row[8] = row[9] = clWhite;
    // Three such rows between black rows; the middle row is reached by the row pass only.
    const std::vector<TColor> black(12, clBlack);
    auto pic = PicOf(FromRows({black, row, row, row, black}));
    pic->SetMetaFarve(clWhite);
    pic->SetPenColor(clRed);
    pic->TegnOmrids();
    std::string marks;
    for (int x = 0; x < 12; ++x)
        marks += At(*pic, x, 2) == clRed ? 'R' : At(*pic, x, 2) == clWhite ? 'w' : 'b';
    EXPECT_EQ(marks, "bbRwwwRbRwbb");
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller omrids"));

    auto plain = MakePic(10, 10);
    TBitmap one(10, 10);
    plain->SetPicture(one);
    plain->DrawOmrids();
    EXPECT_TRUE(SamePixels(plain->Picture(), one));
    auto edge = PicOf(FromRows({{clWhite, clWhite, clBlack, clBlack, clBlack}}));
    edge->SetPenColor(clRed);
    edge->DrawOmrids();
    EXPECT_EQ(At(*edge, 1, 0), clRed);
    EXPECT_EQ(At(*edge, 2, 0), clBlack);
    edge->SetPainting(true);
    edge->Undo();
    edge->DrawOmrids(); // ignored while painting
    EXPECT_EQ(At(*edge, 1, 0), clWhite);
}
