#include "PicFixture.h"
#include <QCoreApplication>

TEST(PictureState, ConstructorDefaults)
{
    TImagePic pic;
    EXPECT_EQ(pic.width(), 100);
    EXPECT_EQ(pic.height(), 100);
    EXPECT_EQ(pic.ToolNr(), 0);
    EXPECT_EQ(pic.Sprog(), stDansk);
    EXPECT_FALSE(pic.AutoDim());
    EXPECT_EQ(pic.JpgKvalitet(), 100);
    EXPECT_EQ(pic.Papirfarve(), clWhite);
    EXPECT_EQ(pic.PenColor(), clBlack);
    EXPECT_EQ(pic.PenWidth(), 1);
    EXPECT_EQ(pic.PenStyle(), psSolid);
    EXPECT_EQ(pic.BrushColor(), clWhite);
    EXPECT_EQ(pic.BrushStyle(), bsSolid);
    EXPECT_EQ(pic.RamFarveSkygge(), 8421504);
    EXPECT_EQ(pic.RamFarveLys(), 12632256);
    EXPECT_EQ(pic.MetaMetode(), mmNormal);
    EXPECT_EQ(pic.MetaFarve(), clWhite);
    EXPECT_EQ(pic.TransFarve(), clWhite);
    EXPECT_FALSE(pic.MetaTrans());
    EXPECT_EQ(pic.FocusType(), ftMove);
    EXPECT_EQ(pic.FocusLine(), psDot);
    EXPECT_TRUE(pic.PasteToFocus);
    EXPECT_TRUE(pic.WithUndo);
    EXPECT_EQ(pic.InfoString(), QStringLiteral("Annuller sidste forandring"));
    EXPECT_TRUE(pic.Picture().Empty());
    EXPECT_FALSE(pic.CanUndo());
    EXPECT_FALSE(pic.CanRedo());
    EXPECT_FALSE(pic.SomEllipse());
    EXPECT_EQ(pic.View().Width(), 100);
}

TEST(PictureState, ToolNumberSetsTheToolCursorAndUnknownToolsKeepTheLast)
{
    TImagePic pic;
    std::vector<TCursor> reported;
    pic.OnCursor = [&](TObject* sender, TCursor c) {
        EXPECT_EQ(sender, &pic);
        reported.push_back(c);
    };
    pic.SetToolNr(20);
    EXPECT_EQ(pic.ToolCursor(), 13);
    EXPECT_EQ(pic.cursor().hotSpot(), QPoint(4, 24));
    pic.SetToolNr(200);
    EXPECT_EQ(pic.ToolNr(), 200);
    EXPECT_EQ(pic.ToolCursor(), 13);
    pic.SetToolNr(102);
    pic.SetToolNr(0);
    EXPECT_EQ(reported, (std::vector<TCursor>{13, 13, 39, 4}));
    EXPECT_EQ(pic.cursor().hotSpot(), QPoint(15, 15));
}

TEST(PictureState, PictureAssignmentCopiesAndFollowsAutoDim)
{
    TImagePic pic;
    TBitmap source = PatternPicture(30, 20);
    pic.SetPicture(source);
    EXPECT_EQ(pic.width(), 100); // AutoDim cleared: the size stays
    source.Canvas().SetPixels(0, 0, clRed);
    EXPECT_NE(pic.Picture().Canvas().Pixels(0, 0), clRed); // a copy, not the caller's raster
    EXPECT_EQ(pic.Canvas().Pixels(5, 5), pic.Picture().Canvas().Pixels(5, 5));
    // A smaller picture leaves no trace of the larger one on the view.
    pic.SetPicture(PatternPicture(10, 10));
    EXPECT_EQ(pic.Canvas().Pixels(20, 15), clWhite);
    pic.SetAutoDim(true);
    pic.SetPicture(PatternPicture(40, 25));
    EXPECT_EQ(pic.width(), 40);
    EXPECT_EQ(pic.height(), 25);
    EXPECT_TRUE(ViewShowsPicture(pic));
    EXPECT_FALSE(pic.Modified()); // a repaint is no change
}

TEST(PictureState, PenAndBrushReachViewAndPictureButNotTheMetaBitmap)
{
    auto pic = MakePic(20, 20);
    pic->SetToolNr(3);
    pic->StartFigure(true);
    pic->SetPenColor(clRed);
    pic->SetPenWidth(4);
    pic->SetPenStyle(psDash);
    pic->SetBrushColor(clBlue);
    pic->SetBrushStyle(bsCross);
    for (TCanvas* c : {&pic->Canvas(), &pic->Picture().Canvas()}) {
        EXPECT_EQ(c->Pen.Color, clRed);
        EXPECT_EQ(c->Pen.Width, 4);
        EXPECT_EQ(c->Pen.Style, psDash);
        EXPECT_EQ(c->Brush.Color, clBlue);
        EXPECT_EQ(c->Brush.Style, bsCross);
    }
    EXPECT_EQ(pic->MetaBitmap().Canvas().Pen.Color, clBlack);
    EXPECT_EQ(pic->MetaBitmap().Canvas().Brush.Style, bsSolid);
    pic->StartFigure(true);
    EXPECT_EQ(pic->MetaBitmap().Canvas().Pen.Color, clRed);
    EXPECT_EQ(pic->MetaBitmap().Canvas().Pen.Width, 4);
}

TEST(PictureState, SwapColoursTwiceRestoresBothCanvases)
{
    auto pic = MakePic(10, 10);
    pic->SetPenColor(clRed);
    pic->SetBrushColor(clYellow);
    pic->SwapColours();
    EXPECT_EQ(pic->PenColor(), clYellow);
    EXPECT_EQ(pic->BrushColor(), clRed);
    EXPECT_EQ(pic->Canvas().Pen.Color, clYellow);
    EXPECT_EQ(pic->Picture().Canvas().Brush.Color, clRed);
    pic->SwapColours();
    for (TCanvas* c : {&pic->Canvas(), &pic->Picture().Canvas()}) {
        EXPECT_EQ(c->Pen.Color, clRed);
        EXPECT_EQ(c->Brush.Color, clYellow);
    }
}

TEST(PictureState, ApplyCanvasSettingsDressesAReplacedPicture)
{
    TImagePic pic;
    pic.SetPenColor(clGreen);
    pic.SetBrushStyle(bsClear);
    pic.Picture().Canvas().Pen.Color = clBlack; // as after the picture was replaced
    pic.Picture().Canvas().Brush.Style = bsSolid;
    pic.ApplyCanvasSettings();
    EXPECT_EQ(pic.Picture().Canvas().Pen.Color, clGreen);
    EXPECT_EQ(pic.Picture().Canvas().Brush.Style, bsClear);
}

TEST(PictureState, AutoDimensionerOnlyWithAutoDim)
{
    TImagePic pic;
    pic.Picture() = TBitmap(33, 44);
    pic.AutoDimensioner();
    EXPECT_EQ(pic.width(), 100);
    pic.SetAutoDim(true);
    pic.AutoDimensioner();
    EXPECT_EQ(pic.width(), 33);
    EXPECT_EQ(pic.height(), 44);
    EXPECT_EQ(pic.View().Height(), 44);
}

TEST(PictureState, TheViewIsWhatTheScreenShows)
{
    auto pic = MakePic(300, 200);
    pic->show();
    QCoreApplication::processEvents();
    // The view's pixels reach the screen through paintEvent.
    pic->Canvas().Brush.Color = clRed;
    pic->Canvas().FillRect(Rect(10, 10, 20, 20));
    const QImage shot = pic->grab(QRect(0, 0, 30, 30)).toImage();
    EXPECT_EQ(shot.pixelColor(15, 15), QColor(255, 0, 0));
    EXPECT_EQ(FromQRgb(shot.pixel(25, 25)), pic->Picture().Canvas().Pixels(25, 25));
}
