#include "pixeledit/PixelPic.h"
#include "tests/engine/PicFixture.h"
#include <climits>
#include <vector>

namespace {
std::unique_ptr<TPixelPic> Magnifier(TImagePic* pic, int nulX = 0, int nulY = 0)
{
    auto m = std::make_unique<TPixelPic>();
    m->SetNulX(nulX);
    m->SetNulY(nulY);
    m->SetMalvok(pic);
    return m;
}

TColor At(const TPixelPic& m, int x, int y)
{
    return m.View().Canvas().Pixels(x, y);
}

// What cell (j, i) shows: the pixel in the middle of it.
TColor Shown(const TPixelPic& m, int j, int i)
{
    const TRect r = m.CellRect(j, i);
    return At(m, r.Left + r.Width() / 2, r.Top + r.Height() / 2);
}

// A control point inside cell (j, i).
TPoint In(const TPixelPic& m, int j, int i)
{
    const TRect r = m.CellRect(j, i);
    return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
}

void Click(TPixelPic& m, TPoint p, TMouseButton b = mbLeft)
{
    m.MouseDown(b, {}, p.X, p.Y);
    m.MouseUp(b, {}, p.X, p.Y);
}

TColor PicPixel(const TImagePic& pic, int x, int y)
{
    return pic.Picture().Canvas().Pixels(x, y);
}
} // namespace

TEST(PixelPic, InitialSettingsGiveA176PixelControlWithoutAPicture)
{
    TPixelPic m;
    EXPECT_EQ(m.width(), 128);
    EXPECT_EQ(m.GetWidth(), 176);
    EXPECT_EQ(m.GetHeight(), 176);
    m.Paint();
    EXPECT_EQ(m.width(), 176);
    EXPECT_EQ(m.height(), 176);
    EXPECT_EQ(m.View().Width(), 176);
    EXPECT_EQ(m.FeltRekt, Rect(0, 0, 176, 176));
    EXPECT_TRUE(m.IsCreated);
    // The ring is red, the cells white, the grid grey.
    for (TPoint p : {Point(0, 0), Point(175, 0), Point(4, 90), Point(171, 90), Point(90, 175), Point(90, 4)})
        EXPECT_EQ(At(m, p.X, p.Y), clRed) << p.X << "," << p.Y;
    EXPECT_EQ(Shown(m, 1, 1), clWhite);
    EXPECT_EQ(Shown(m, 20, 20), clWhite);
    EXPECT_EQ(At(m, 8, 8), clGray);
    EXPECT_EQ(At(m, 15, 15), clGray);
    EXPECT_EQ(At(m, 9, 9), clWhite);
}

TEST(PixelPic, CellsShowThePicturePixelsWithGridAndRing)
{
    auto pic = MakePic(60, 50);
    auto m = Magnifier(pic.get(), 5, 7);
    ASSERT_EQ(m->width(), 176);
    for (int i = 1; i <= 20; ++i)
        for (int j = 1; j <= 20; ++j) {
            SCOPED_TRACE(testing::Message() << "cell " << j << "," << i);
            const TColor expected = PicPixel(*pic, 5 + j - 1, 7 + i - 1);
            const TRect r = m->CellRect(j, i);
            ASSERT_EQ(r, Bounds(j * 8, i * 8, 8, 8));
            EXPECT_EQ(m->CellColour(j, i), expected);
            // The inner 6 x 6 pixels show the colour, the outline is grid.
            EXPECT_EQ(At(*m, r.Left + 1, r.Top + 1), expected);
            EXPECT_EQ(At(*m, r.Right - 2, r.Bottom - 2), expected);
            EXPECT_EQ(At(*m, r.Left, r.Top + 3), clGray);
            EXPECT_EQ(At(*m, r.Right - 1, r.Top + 3), clGray);
            EXPECT_EQ(At(*m, r.Left + 3, r.Bottom - 1), clGray);
        }
    for (int k = 0; k <= 21; ++k) {
        EXPECT_EQ(Shown(*m, k, 0), clRed);
        EXPECT_EQ(Shown(*m, 0, k), clRed);
        EXPECT_EQ(Shown(*m, 21, k), clRed);
        EXPECT_EQ(Shown(*m, k, 21), clRed);
    }
    EXPECT_FALSE(pic->Painting());
}

TEST(PixelPic, PressesReachThePictureAtTheCellsPixel)
{
    auto pic = WhitePicture(40, 40);
    pic->SetToolNr(1);
    pic->SetPenColor(clRed);
    std::vector<TPoint> presses;
    // OnPosition at the end of a press (the release fires it too, after the drag ended).
    TImagePic* p = pic.get();
    pic->OnPosition = [&presses, p](TObject*, int x, int y) {
        if (p->MusNede)
            presses.push_back({x, y});
    };
    auto m = Magnifier(pic.get(), 5, 7);

    // Top-left inner cell: pixel (NulX, NulY); the magnifier shows the dot at once.
    m->MouseDown(mbLeft, {}, In(*m, 1, 1).X, In(*m, 1, 1).Y);
    ASSERT_FALSE(presses.empty());
    EXPECT_EQ(presses.front(), Point(5, 7));
    EXPECT_EQ(PicPixel(*pic, 5, 7), clRed);
    EXPECT_EQ(Shown(*m, 1, 1), clRed);
    EXPECT_TRUE(m->MusNede);
    m->MouseUp(mbLeft, {}, In(*m, 1, 1).X, In(*m, 1, 1).Y);
    EXPECT_FALSE(m->MusNede);
    EXPECT_FALSE(pic->MusNede);

    // The top-left ring cell stands for the pixel outside the window.
    presses.clear();
    Click(*m, In(*m, 0, 0));
    ASSERT_FALSE(presses.empty());
    EXPECT_EQ(presses.front(), Point(4, 6));
    EXPECT_EQ(PicPixel(*pic, 4, 6), clRed);

    // Cells own their right and bottom edges: (16, 16) is still cell (1, 1), (17, 17) cell
    // (2, 2), and the control's left and top edge belong to no cell.
    presses.clear();
    Click(*m, Point(16, 16));
    Click(*m, Point(17, 17));
    Click(*m, Point(0, 40));
    Click(*m, Point(40, 0));
    EXPECT_EQ(presses, (std::vector<TPoint>{Point(5, 7), Point(6, 8)}));

    // The right button draws with the colours exchanged, as on the picture itself.
    pic->SetBrushColor(clBlue);
    Click(*m, In(*m, 20, 20), mbRight);
    EXPECT_EQ(PicPixel(*pic, 24, 26), clBlue);
    EXPECT_EQ(Shown(*m, 20, 20), clBlue);
    EXPECT_EQ(pic->PenColor(), clRed);
}

TEST(PixelPic, DragThroughTheCellsDrawsWithTheCurrentTool)
{
    auto pic = WhitePicture(40, 30);
    pic->SetToolNr(3);
    auto m = Magnifier(pic.get(), 10, 5);
    std::vector<TPoint> mus;
    m->OnMus = [&](int x, int y) { mus.push_back({x, y}); };

    m->MouseDown(mbLeft, {}, In(*m, 2, 2).X, In(*m, 2, 2).Y);
    m->MouseMove({}, In(*m, 8, 6).X, In(*m, 8, 6).Y);
    // The rubber band is on the picture component's view, and the magnifier shows it.
    EXPECT_NE(Shown(*m, 7, 4), clWhite);
    EXPECT_EQ(PicPixel(*pic, 16, 8), clWhite);
    m->MouseMove({}, In(*m, 9, 7).X, In(*m, 9, 7).Y);
    m->MouseUp(mbLeft, {}, In(*m, 9, 7).X, In(*m, 9, 7).Y);
    EXPECT_EQ(mus, (std::vector<TPoint>{Point(17, 10), Point(18, 11)}));

    // The rectangle from (11, 6) to (18, 11), exclusive, is in the picture and in the cells.
    EXPECT_EQ(PicPixel(*pic, 11, 6), clBlack);
    EXPECT_EQ(PicPixel(*pic, 17, 10), clBlack);
    EXPECT_EQ(PicPixel(*pic, 18, 11), clWhite);
    EXPECT_EQ(PicPixel(*pic, 14, 8), clWhite);
    EXPECT_EQ(Shown(*m, 2, 2), clBlack);
    EXPECT_EQ(Shown(*m, 8, 6), clBlack);
    EXPECT_EQ(Shown(*m, 5, 4), clWhite);
    EXPECT_EQ(Shown(*m, 9, 7), clWhite);
}

TEST(PixelPic, AReleaseBesideTheCellsEndsTheDragAtTheLastCell)
{
    auto pic = WhitePicture(40, 30);
    pic->SetToolNr(3);
    auto m = Magnifier(pic.get());
    m->MouseDown(mbLeft, {}, In(*m, 2, 2).X, In(*m, 2, 2).Y);
    m->MouseMove({}, In(*m, 6, 6).X, In(*m, 6, 6).Y);
    m->MouseMove({}, -30, 400); // beside the control: no cell
    m->MouseUp(mbLeft, {}, -30, 400);
    EXPECT_FALSE(pic->MusNede);
    EXPECT_EQ(PicPixel(*pic, 1, 1), clBlack);
    EXPECT_EQ(PicPixel(*pic, 4, 4), clBlack);
    EXPECT_TRUE(ViewShowsPicture(*pic)); // no rubber band left behind
    EXPECT_EQ(Shown(*m, 5, 5), clBlack);
}

TEST(PixelPic, HoverReportsThePixelOnlyOverDrawnCells)
{
    auto pic = MakePic(30, 30);
    TPixelPic m;
    std::vector<TPoint> mus;
    m.OnMus = [&](int x, int y) { mus.push_back({x, y}); };
    m.SetNulX(3);
    m.SetNulY(4);
    m.MouseMove({}, 50, 50); // not drawn yet
    EXPECT_TRUE(mus.empty());
    m.SetMalvok(pic.get());
    m.MouseMove({}, In(m, 3, 2).X, In(m, 3, 2).Y);
    m.MouseMove({}, 0, 50);
    m.MouseMove({}, 500, 50);
    EXPECT_EQ(mus, (std::vector<TPoint>{Point(5, 5)}));
    EXPECT_FALSE(pic->MusNede);
}

TEST(PixelPic, TransferRefreshesOnlyTheCellsThatChanged)
{
    auto pic = WhitePicture(50, 40);
    auto m = Magnifier(pic.get(), 10, 10);
    // A mark inside cell (3, 3) shows whether that cell is filled again.
    const TRect r33 = m->CellRect(3, 3);
    m->Canvas().SetPixels(r33.Left + 2, r33.Top + 2, clLime);

    // A dot drawn on the picture component (picture and view).
    pic->SetToolNr(1);
    pic->SetPenColor(clBlue);
    pic->MouseDown(mbLeft, {}, 19, 19);
    pic->MouseUp(mbLeft, {}, 19, 19);
    EXPECT_EQ(Shown(*m, 10, 10), clWhite); // not yet followed
    m->Transfer();
    EXPECT_EQ(Shown(*m, 10, 10), clBlue);
    EXPECT_EQ(m->CellColour(10, 10), clBlue);
    EXPECT_EQ(At(*m, r33.Left + 2, r33.Top + 2), clLime);
    EXPECT_EQ(At(*m, m->CellRect(10, 10).Left, m->CellRect(10, 10).Top + 3), clGray);

    // The magnifier follows the view, not the picture: a focus outline shows in the cells.
    pic->NewFocusRect(12, 12, 20, 20);
    m->Transfer();
    bool outline = false;
    for (int j = 3; j <= 10; ++j)
        outline = outline || Shown(*m, j, 3) != clWhite;
    EXPECT_TRUE(outline);
    pic->FjernFocus();
    m->Transfer();
    EXPECT_EQ(Shown(*m, 5, 3), clWhite);
    EXPECT_EQ(Shown(*m, 10, 10), clBlue);
}

TEST(PixelPic, MovingTheWindowRefreshesOnlyOnAChange)
{
    auto pic = MakePic(60, 50);
    auto m = Magnifier(pic.get(), 5, 7);
    const TRect r = m->CellRect(4, 4);
    m->Canvas().SetPixels(r.Left + 2, r.Top + 2, clLime);
    m->SetNulX(5);
    EXPECT_EQ(At(*m, r.Left + 2, r.Top + 2), clLime);
    m->SetNulX(9);
    m->SetNulY(2);
    EXPECT_EQ(At(*m, r.Left + 2, r.Top + 2), PicPixel(*pic, 12, 5));
    for (int j : {1, 7, 20})
        EXPECT_EQ(Shown(*m, j, 1), PicPixel(*pic, 9 + j - 1, 2));
}

TEST(PixelPic, PixelFeltFillsTheInnerCellAndKeepsTheGrid)
{
    TPixelPic m;
    m.Paint();
    m.PixelFelt(2, 3, clBlue);
    const TRect r = m.CellRect(2, 3);
    EXPECT_EQ(m.CellColour(2, 3), clBlue);
    EXPECT_EQ(At(m, r.Left + 1, r.Top + 1), clBlue);
    EXPECT_EQ(At(m, r.Left, r.Top), clGray);
    EXPECT_EQ(At(m, r.Right - 1, r.Bottom - 1), clGray);

    m.Felter()->SetGrids(false);
    m.PixelFelt(2, 3, clYellow);
    EXPECT_EQ(At(m, r.Left, r.Top), clYellow);
    EXPECT_EQ(At(m, r.Right - 1, r.Bottom - 1), clYellow);
    EXPECT_EQ(At(m, r.Right, r.Top), clWhite);
    m.PixelFelt(-1, 3, clBlue); // no such cell
    m.PixelFelt(2, 22, clBlue);
}

TEST(PixelPic, SettingsLayTheControlOutAgain)
{
    auto pic = MakePic(60, 50);
    auto m = Magnifier(pic.get());
    int changes = 0;
    const TNotifyEvent bound = m->Felter()->OnChange;
    m->Felter()->OnChange = [&](TObject* s) {
        ++changes;
        bound(s);
    };
    m->Felter()->SetAntalV(10);
    EXPECT_EQ(m->width(), 96);
    EXPECT_EQ(m->height(), 176);
    m->SetFeltDim(4);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(m->width(), 48);
    EXPECT_EQ(m->Felter()->FeltDim(), 4);
    EXPECT_EQ(Shown(*m, 10, 20), PicPixel(*pic, 9, 19));

    m->FornyGrid(clBlue);
    EXPECT_EQ(m->Felter()->GridFarve(), clBlue);
    EXPECT_EQ(At(*m, 4, 4), clBlue);
    m->FornyRamme(clGreen);
    EXPECT_EQ(m->Felter()->RammeFarve(), clGreen);
    EXPECT_EQ(At(*m, 0, 0), clGreen);
    EXPECT_EQ(changes, 1);
    // Without grid lines FornyGrid does nothing.
    m->Felter()->SetGrids(false);
    m->FornyGrid(clYellow);
    EXPECT_EQ(m->Felter()->GridFarve(), clBlue);
    EXPECT_EQ(At(*m, 4, 4), PicPixel(*pic, 0, 0));
}

TEST(PixelPic, AFrameSurroundsTheCellsAndShiftsThem)
{
    auto pic = MakePic(60, 50);
    TRammeIndreX ramme;
    ramme.SetBredde(2);
    ramme.SetAfstandLodret(3);
    ramme.SetAfstandVandret(1);
    ramme.SetFarveRamme(clNavy);
    TPixelPic m;
    m.SetRamme(&ramme);
    m.SetMalvok(pic.get());
    EXPECT_EQ(m.GetWidth(), 176 + 10);
    EXPECT_EQ(m.GetHeight(), 176 + 6);
    EXPECT_EQ(m.width(), 186);
    EXPECT_EQ(m.height(), 182);
    EXPECT_EQ(m.FeltRekt, Rect(5, 3, 181, 179));
    EXPECT_EQ(At(m, 0, 90), clNavy);
    EXPECT_EQ(At(m, 185, 90), clNavy);
    EXPECT_EQ(At(m, 1, 181), clNavy);
    EXPECT_EQ(At(m, 5, 3), clRed);
    EXPECT_EQ(m.CellRect(1, 1), Bounds(13, 11, 8, 8));
    EXPECT_EQ(Shown(m, 1, 1), PicPixel(*pic, 0, 0));

    pic->SetToolNr(1);
    pic->SetPenColor(clRed);
    Click(m, Point(21, 19)); // right and bottom edge of cell (1, 1)
    EXPECT_EQ(PicPixel(*pic, 0, 0), clRed);
}

TEST(PixelPic, TheToolCursorIsShown)
{
    auto pic = WhitePicture(20, 20);
    pic->SetToolNr(3);
    auto m = Magnifier(pic.get());
    EXPECT_EQ(m->Cursor(), 7);
    m->SetCursor(9);
    EXPECT_EQ(m->Cursor(), 9);
}

TEST(PixelPic, MissingPicturesAndOddSettingsAreHarmless)
{
    // No picture: the mouse and Transfer do nothing, OnMus still reports.
    TPixelPic m;
    int mus = 0;
    m.OnMus = [&](int, int) { ++mus; };
    m.Transfer();
    Click(m, Point(50, 50));
    m.Paint();
    m.MouseDown(mbLeft, {}, 50, 50);
    m.MouseMove({}, 60, 60);
    m.MouseUp(mbLeft, {}, 60, 60);
    EXPECT_EQ(mus, 1);
    EXPECT_EQ(Shown(m, 5, 5), clWhite);

    // Cells beyond the picture show the empty colour and follow the picture inside it.
    auto pic = MakePic(10, 10);
    m.Felter()->SetFarve(clAqua);
    m.SetNulX(-3);
    m.SetNulY(5);
    m.SetMalvok(pic.get());
    EXPECT_EQ(Shown(m, 1, 1), clAqua);
    EXPECT_EQ(Shown(m, 4, 1), PicPixel(*pic, 0, 5));
    EXPECT_EQ(Shown(m, 4, 6), clAqua);
    m.Transfer();
    EXPECT_EQ(Shown(m, 1, 1), clAqua);
    EXPECT_EQ(Shown(m, 13, 5), PicPixel(*pic, 9, 9));
    EXPECT_EQ(Shown(m, 14, 5), clAqua);

    // A picture component that goes away detaches itself.
    pic.reset();
    EXPECT_EQ(m.Malvok(), nullptr);
    m.Transfer();
    Click(m, Point(50, 50));
    m.Paint();

    // Released cells: nothing to refresh until the next repaint lays out again.
    auto other = MakePic(30, 30);
    m.SetMalvok(other.get());
    m.FreeDim();
    EXPECT_FALSE(m.IsCreated);
    m.Transfer();
    Click(m, Point(50, 50));
    m.SetNulX(2);
    m.Paint();
    EXPECT_EQ(Shown(m, 1, 1), PicPixel(*other, 2, 5));

    // Zero, negative and absurd sizes.
    m.SetFeltDim(0);
    EXPECT_EQ(m.width(), 0);
    Click(m, Point(0, 0));
    m.Transfer();
    m.SetFeltDim(-4);
    EXPECT_EQ(m.width(), 0);
    m.SetFeltDim(8);
    m.Felter()->SetAntalV(-5);
    EXPECT_EQ(m.width(), 16); // only the ring
    Click(m, Point(4, 4));
    m.Transfer();
    m.Felter()->SetAntalV(INT_MAX);
    m.Felter()->SetAntalL(INT_MAX);
    EXPECT_EQ(m.width(), 0);
    m.Transfer();
    Click(m, Point(4, 4));
    m.Felter()->SetAntalV(3);
    m.Felter()->SetAntalL(3000);
    m.SetFeltDim(100); // a view beyond the raster limits
    EXPECT_EQ(m.width(), 0);
    m.SetNulX(INT_MAX);
    m.Felter()->SetAntalL(3);
    m.SetFeltDim(2);
    EXPECT_EQ(m.width(), 10);
    other->SetToolNr(1);
    Click(m, Point(3, 3));
    EXPECT_EQ(m.CellColour(1, 1), clAqua); // a 2-pixel cell is all grid
}
