#include "PicFixture.h"
#include "platform/Clipboard.h"
#include "platform/Random.h"
#include <QClipboard>
#include <QGuiApplication>

namespace {
// A change through the undo hook, as every tool makes it.
void Draw(TImagePic& pic, TColor c, const QString& caption)
{
    pic.SaveUndo(caption);
    pic.Picture().Canvas().Brush.Color = c;
    pic.Picture().Canvas().FillRect(Rect(2, 2, 8, 8));
    pic.ShowPicture();
}
} // namespace

TEST(ColourHelpers, HentRGBSplitsAndRefusesSystemColours)
{
    uint8_t r = 9, g = 9, b = 9;
    EXPECT_TRUE(TImagePic::HentRGB(RGB(1, 2, 3), r, g, b));
    EXPECT_EQ(std::tie(r, g, b), std::make_tuple(1, 2, 3));
    EXPECT_FALSE(TImagePic::HentRGB(clBtnFace, r, g, b));
    EXPECT_EQ(std::tie(r, g, b), std::make_tuple(0, 0, 0));
    EXPECT_FALSE(TImagePic::HentRGB(clNone, r, g, b));
    EXPECT_TRUE(TImagePic::HentRGB(clWhite, r, g, b));
    EXPECT_EQ(r, 255);
}

TEST(ColourHelpers, TransparentColourChoices)
{
    TImagePic pic;
    pic.SetTransFarve(clWhite);
    EXPECT_EQ(pic.GetTransCol2(clWhite, clWhite), clRed);
    EXPECT_EQ(pic.GetTransCol2(clRed, clWhite), clBlue);
    EXPECT_EQ(pic.GetTransCol2(clBlack, clGreen), clWhite);
    pic.SetTransFarve(clGreen);
    EXPECT_EQ(pic.GetTransCol2(clBlack, clRed), clGreen);
    EXPECT_EQ(pic.GetTransCol2(clGreen, clBlack), clWhite);
    pic.SetTransFarve(clWhite);
    EXPECT_EQ(pic.GetTransCol4(clBlack, clWhite, clRed, clBlue), clYellow);
    EXPECT_EQ(pic.GetTransCol4(clBlack, clWhite, clRed, clGreen), clGreen);
    EXPECT_EQ(pic.GetTransCol4(clBlack, clWhite, clGray, clSilver), clRed);
    EXPECT_EQ(pic.GetTransCol4(clBlack, clBlue, clGray, clSilver), clWhite);
    EXPECT_EQ(TImagePic::GetTransCol1(RGB(200, 5, 6)), RGB(0, 5, 6));
    EXPECT_EQ(TImagePic::GetTransCol1(RGB(127, 5, 6)), RGB(255, 5, 6));
}

TEST(ColourHelpers, RandomColourStepsAndBounds)
{
    RandSeed(7);
    const int r = Random(255), g = Random(255), b = Random(255);
    RandSeed(7);
    EXPECT_EQ(TImagePic::RandomColor(), RGB(r, g, b)); // drawn in the order R, G, B
    for (int i = 0; i < 500; ++i) {
        const TColor c = TImagePic::RandomColor();
        ASSERT_LT(GetRValue(c), 255);
        ASSERT_LT(GetGValue(c), 255);
        ASSERT_LT(GetBValue(c), 255);
    }
    double dr, dg, db;
    TImagePic::ColourSteps(RGB(0, 100, 50), RGB(90, 0, 50), 4, dr, dg, db);
    EXPECT_DOUBLE_EQ(dr, 30);
    EXPECT_NEAR(dg, -33.333333, 1e-5);
    EXPECT_DOUBLE_EQ(db, 0);
    TImagePic::ColourSteps(RGB(0, 0, 0), RGB(10, 0, 0), 1, dr, dg, db);
    EXPECT_DOUBLE_EQ(dr, 10); // at least one step
    EXPECT_EQ(TImagePic::ByteDiff(3, 250), 247);
    EXPECT_EQ(TImagePic::ByteMin(3, 250), 3);
}

TEST(ColourHelpers, PolyBoundsSkipsTheFirstPointAndReportPixelReadsTheView)
{
    auto pic = MakePic(30, 30);
    pic->Poly[0] = {100, 100};
    pic->Poly[1] = {9, 4};
    pic->Poly[2] = {3, 12};
    pic->SetPolyCount(2);
    pic->PolyBounds();
    EXPECT_EQ(std::tie(pic->X1, pic->Y1, pic->X2, pic->Y2), std::make_tuple(3, 4, 9, 12));
    pic->SetPolyCount(0);
    pic->PolyBounds();
    EXPECT_EQ(std::tie(pic->X1, pic->Y1, pic->X2, pic->Y2), std::make_tuple(-10000, -10000, 10000, 10000));

    TColor seen = -5;
    TMouseButton button = mbLeft;
    pic->OnPixelInfo = [&](TObject*, int, int, uint8_t r, uint8_t g, uint8_t b, TColor f, TMouseButton mb) {
        seen = f;
        button = mb;
        EXPECT_EQ(RGB(r, g, b), f);
    };
    pic->ReportPixel(4, 6, mbRight);
    EXPECT_EQ(seen, pic->Picture().Canvas().Pixels(4, 6));
    EXPECT_EQ(button, mbRight);
}

TEST(Undo, UndoAndRedoAlternateBetweenTheSameTwoPictures)
{
    auto pic = MakePic(20, 20);
    const TBitmap before = pic->Picture();
    Draw(*pic, clRed, "Annuller rektangel");
    const TBitmap after = pic->Picture();
    EXPECT_TRUE(pic->CanUndo());
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller rektangel"));
    for (int round = 0; round < 3; ++round) {
        pic->Undo();
        EXPECT_TRUE(SamePixels(pic->Picture(), before));
        EXPECT_TRUE(ViewShowsPicture(*pic));
        EXPECT_FALSE(pic->CanUndo());
        EXPECT_TRUE(pic->CanRedo());
        EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller sidste forandring"));
        pic->Redo();
        EXPECT_TRUE(SamePixels(pic->Picture(), after));
        EXPECT_TRUE(pic->CanUndo());
        EXPECT_FALSE(pic->CanRedo());
    }
}

TEST(Undo, SecondUndoChangesNothingButStillResetsAndReports)
{
    auto pic = MakePic(20, 10);
    Draw(*pic, clRed, "x");
    pic->Undo();
    const TBitmap undone = pic->Picture();
    pic->DefFocusRect(3, 3, 5, 5);
    pic->StartFigure(true);
    std::vector<std::pair<bool, int>> objekt;
    int autoPerform = 0;
    pic->OnObjekt = [&](TObject*, bool o, int n) { objekt.push_back({o, n}); };
    pic->OnAutoPerform = [&](TObject*, bool newPicture) {
        EXPECT_FALSE(newPicture);
        ++autoPerform;
    };
    pic->Undo();
    EXPECT_TRUE(SamePixels(pic->Picture(), undone));
    EXPECT_EQ(pic->FR, Rect(0, 0, 20, 10));
    EXPECT_EQ(std::tie(pic->X1, pic->Y1, pic->X2, pic->Y2), std::make_tuple(0, 0, 20, 10));
    EXPECT_EQ(objekt, (std::vector<std::pair<bool, int>>{{false, -1}}));
    EXPECT_FALSE(pic->Objekt);
    EXPECT_EQ(autoPerform, 1);
}

TEST(Undo, ANewChangeAfterUndoClearsRedoAndKeepsTheNewWork)
{
    auto pic = MakePic(20, 20);
    Draw(*pic, clRed, "a");
    pic->Undo();
    EXPECT_TRUE(pic->CanRedo());
    Draw(*pic, clBlue, "A");
    EXPECT_FALSE(pic->CanRedo());
    Draw(*pic, clGreen, "B");
    const TBitmap newWork = pic->Picture();
    EXPECT_FALSE(pic->CanRedo());
    EXPECT_TRUE(pic->RedoBitmap.Empty());
    pic->Redo();
    EXPECT_TRUE(SamePixels(pic->Picture(), newWork));
    // Undo still brings back the step before B, and redo brings B back.
    pic->Undo();
    EXPECT_FALSE(SamePixels(pic->Picture(), newWork));
    pic->Redo();
    EXPECT_TRUE(SamePixels(pic->Picture(), newWork));
}

TEST(Undo, SnapshotRemovesTheFocusAndSkipsEmptyPictures)
{
    auto pic = MakePic(30, 30);
    pic->NewFocusRect(2, 2, 20, 20);
    pic->SaveUndo("c");
    EXPECT_FALSE(pic->Selected());
    EXPECT_TRUE(SamePixels(pic->UndoBitmap(), pic->Picture()));
    EXPECT_TRUE(ViewShowsPicture(*pic));

    TImagePic empty;
    empty.SaveUndo("d");
    EXPECT_FALSE(empty.CanUndo());
    EXPECT_TRUE(empty.WithUndo);
    EXPECT_EQ(empty.InfoString(), QStringLiteral("d"));
}

TEST(Undo, UndoRestoresASizeChangeAndCaptionsFollowTheLanguage)
{
    auto pic = MakePic(20, 20);
    pic->SetSprog(stEngelsk);
    pic->SaveUndo("Undo cut");
    pic->Picture().SetSize(8, 5);
    pic->AutoDimensioner();
    pic->Undo();
    EXPECT_EQ(pic->width(), 20);
    EXPECT_EQ(pic->Picture().Height(), 20);
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Undo last action"));
    pic->Redo();
    EXPECT_EQ(pic->width(), 8);
}

TEST(MemorySlot, StoreAndLoadWithItsCaptionAndEvents)
{
    auto pic = MakePic(16, 12);
    TBitmap loaded;
    pic->LoadFromMem(); // nothing stored yet: an empty raster
    EXPECT_TRUE(pic->Picture().Empty());
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller indsætning fra hukommelse"));
    pic->Undo();
    EXPECT_EQ(pic->Picture().Width(), 16);

    const TBitmap stored = pic->Picture();
    pic->NewFocusRect(1, 1, 5, 5);
    pic->SaveToMem();
    EXPECT_TRUE(pic->CanLoadFromMem());
    EXPECT_TRUE(ViewShowsPicture(*pic));
    pic->SetPicture(PatternPicture(40, 30));
    std::pair<int, int> size;
    pic->OnLoad = [&](TObject*, int b, int h) { size = {b, h}; };
    pic->SetSprog(stEngelsk);
    pic->LoadFromMem();
    EXPECT_TRUE(SamePixels(pic->Picture(), stored));
    EXPECT_EQ(size, std::make_pair(16, 12));
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Undo load from memory"));
    EXPECT_EQ(pic->FR, Rect(0, 0, 16, 12));
}

TEST(Figures, StartFigureChoosesTheBackgroundByTool)
{
    auto pic = MakePic(20, 20);
    pic->SetPenColor(clWhite);
    pic->SetBrushColor(clRed);
    std::pair<bool, int> last;
    pic->OnObjekt = [&](TObject*, bool o, int n) { last = {o, n}; };
    pic->SetToolNr(3); // pen only: white pen -> red
    pic->StartFigure(true);
    EXPECT_EQ(pic->MetaTransFarve, clRed);
    EXPECT_EQ(pic->MetaBitmap().Canvas().Pixels(7, 7), clRed);
    EXPECT_EQ(last, std::make_pair(true, 3));
    pic->SetToolNr(4); // pen and brush: white and red -> blue
    pic->StartFigure(true);
    EXPECT_EQ(pic->MetaTransFarve, clBlue);
    pic->SetToolNr(102); // not in the lists: keeps blue
    pic->StartFigure(true);
    EXPECT_EQ(pic->MetaTransFarve, clBlue);
    EXPECT_EQ(pic->MetaBitmap().Width(), 20);
    pic->SetToolNr(31); // frames: pen, brush, light and shadow
    pic->StartFigure(true);
    EXPECT_EQ(pic->MetaTransFarve, clGreen); // white, red and no blue among them
    pic->SetTransFarve(clGreen);
    pic->StartFigure(false); // pasted pictures: the transparent colour
    EXPECT_EQ(pic->MetaTransFarve, clGreen);
    EXPECT_EQ(pic->MetaBitmap().Canvas().Pixels(0, 0), clGreen);
}

TEST(Figures, PlacingUnderTheMetaRuleReachesOnlyPixelsOfTheMetaColour)
{
    // A white picture with a black square; a red figure over all of it.
    auto pic = std::make_unique<TImagePic>();
    pic->SetAutoDim(true);
    TBitmap white(30, 30);
    white.Canvas().Brush.Color = clBlack;
    white.Canvas().FillRect(Rect(10, 10, 20, 20));
    pic->SetPicture(white);
    pic->SetTransFarve(clGreen);
    pic->StartFigure(false);
    pic->MetaBitmap().Canvas().Brush.Color = clRed;
    pic->MetaBitmap().Canvas().FillRect(Rect(0, 0, 30, 30));
    pic->SetMetaMetode(mmFarve);
    pic->SetMetaFarve(clWhite);
    pic->SetPenWidth(1);
    pic->DefFocusRect(1, 1, 29, 29);
    pic->PlaceFigure();
    EXPECT_EQ(pic->FR, Rect(0, 0, 30, 30)); // grown by the pen width
    EXPECT_EQ(pic->Picture().Canvas().Pixels(5, 5), clRed);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(15, 15), clBlack);
    EXPECT_TRUE(ViewShowsPicture(*pic));

    // mmNotFarve with transparency: only non-white pixels, never the meta background.
    pic->SetPicture(white);
    pic->StartFigure(false);
    pic->MetaBitmap().Canvas().Brush.Color = clBlue;
    pic->MetaBitmap().Canvas().FillRect(Rect(0, 0, 15, 30)); // the right half stays green
    pic->SetMetaMetode(mmNotFarve);
    pic->SetMetaTrans(true);
    pic->DefFocusRect(0, 0, 30, 30);
    pic->PlaceFigure();
    EXPECT_EQ(pic->Picture().Canvas().Pixels(12, 12), clBlue);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(17, 12), clBlack);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(5, 5), clWhite);
}

TEST(Figures, PlainPlacingCopiesTheBlockAndTransparencyLeavesTheBackground)
{
    auto pic = MakePic(30, 30);
    const TBitmap before = pic->Picture();
    pic->SetTransFarve(clWhite);
    pic->StartFigure(false);
    pic->MetaBitmap().Canvas().Brush.Color = clRed;
    pic->MetaBitmap().Canvas().FillRect(Rect(10, 10, 12, 12));
    pic->SetPenWidth(0);
    pic->DefFocusRect(5, 5, 15, 15);
    pic->SetMetaTrans(true);
    pic->PlaceFigure();
    EXPECT_EQ(pic->Picture().Canvas().Pixels(10, 10), clRed);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(6, 6), before.Canvas().Pixels(6, 6));
    pic->SetMetaTrans(false);
    pic->PlaceFigure();
    EXPECT_EQ(pic->Picture().Canvas().Pixels(6, 6), clWhite); // the whole block
    EXPECT_EQ(pic->Picture().Canvas().Pixels(16, 16), before.Canvas().Pixels(16, 16));
}

TEST(Figures, MergeFigureAppliesTheMetaRuleInTheGrownRectangle)
{
    auto pic = MakePic(30, 30);
    TBitmap base(30, 30); // white
    base.Canvas().Brush.Color = clBlack;
    base.Canvas().FillRect(Rect(0, 0, 30, 10));
    pic->SetPicture(base);
    pic->SetToolNr(3);
    pic->StartFigure(true); // black pen: background white
    pic->MetaBitmap().Canvas().Brush.Color = clRed;
    pic->MetaBitmap().Canvas().FillRect(Rect(0, 5, 30, 15));
    pic->SetMetaMetode(mmNotFarve);
    pic->SetMetaFarve(clBlack);
    pic->DefFocusRect(20, 12, 5, 6); // unordered; grown by 1
    pic->MergeFigure();
    EXPECT_TRUE(pic->MetaTrans());
    EXPECT_EQ(pic->FR, Rect(4, 5, 21, 13));
    EXPECT_EQ(pic->Picture().Canvas().Pixels(10, 7), clBlack); // meta colour: protected
    EXPECT_EQ(pic->Picture().Canvas().Pixels(10, 11), clRed);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(25, 11), clWhite); // outside the rectangle
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

TEST(Figures, SomEllipseClipsAPlacedPictureToTheInscribedEllipse)
{
    auto pic = MakePic(120, 70);
    const TBitmap before = pic->Picture();
    pic->SetSomEllipse(true);
    pic->SetTransFarve(clWhite);
    pic->SetToolNr(0);
    pic->StartFigure(false);
    pic->MetaBitmap().Canvas().Brush.Color = clRed;
    pic->MetaBitmap().Canvas().FillRect(Rect(10, 10, 110, 60));
    pic->SetPenWidth(1);
    pic->DefFocusRect(10, 10, 110, 60);
    pic->PlaceFigure();
    const TCanvas& c = pic->Picture().Canvas();
    EXPECT_EQ(c.Pixels(60, 35), clRed);  // centre
    EXPECT_EQ(c.Pixels(11, 35), clRed);  // left end of the middle row
    EXPECT_EQ(c.Pixels(11, 11), before.Canvas().Pixels(11, 11)); // corner: outside the ellipse
    EXPECT_EQ(c.Pixels(108, 58), before.Canvas().Pixels(108, 58));
    EXPECT_EQ(pic->FR, Rect(9, 9, 111, 61));
    // The meta bitmap now carries the clipped figure.
    EXPECT_EQ(pic->MetaBitmap().Canvas().Pixels(11, 11), clWhite);
    EXPECT_EQ(pic->MetaBitmap().Canvas().Pixels(60, 35), clRed);
    // Tool 50 ignores the ellipse clip.
    pic->SetPicture(before);
    pic->SetToolNr(50);
    pic->StartFigure(false);
    pic->MetaBitmap().Canvas().Brush.Color = clRed;
    pic->MetaBitmap().Canvas().FillRect(Rect(10, 10, 110, 60));
    pic->DefFocusRect(10, 10, 110, 60);
    pic->PlaceFigure();
    EXPECT_EQ(pic->Picture().Canvas().Pixels(11, 11), clRed);
}

TEST(ClipboardHooks, PutFetchAndPreview)
{
    auto pic = MakePic(10, 10);
    pic->EditBitmap = PatternPicture(6, 4);
    ASSERT_TRUE(pic->PutOnClipboard());
    EXPECT_TRUE(pic->CBHasBitmap());
    pic->EditBitmap = TBitmap();
    EXPECT_FALSE(pic->PutOnClipboard()); // nothing to put
    ASSERT_TRUE(pic->FetchClipboard());
    EXPECT_TRUE(SamePixels(pic->EditBitmap, PatternPicture(6, 4)));
    TBitmap* preview = pic->getCbBitmap();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->Width(), 6);
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(pic->getCbBitmap(), nullptr);
    EXPECT_TRUE(pic->EditBitmap.Empty());
    pic->EditBitmap = PatternPicture(2, 2);
    EXPECT_TRUE(pic->FetchClipboard()); // no picture: EditBitmap stays
    EXPECT_EQ(pic->EditBitmap.Width(), 2);
}

TEST(ClipboardHooks, ScaleFraFilDecidesCanScale)
{
    TImagePic empty;
    empty.SetScaleFraFil(false);
    EXPECT_FALSE(empty.CanScale());
    auto pic = MakePic(10, 10);
    pic->SetScaleFraFil(false);
    EXPECT_TRUE(pic->CanScale());
    pic->SetScaleFraFil(true); // no file behind the picture
    EXPECT_FALSE(pic->CanScale());
}
