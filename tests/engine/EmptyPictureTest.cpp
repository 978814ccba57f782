#include "PicFixture.h"
#include <QTemporaryDir>

// A component without a picture (as after a failed load) takes every command without harm.
TEST(EmptyPicture, EveryOperationIsHarmless)
{
    QTemporaryDir dir;
    TImagePic pic;
    pic.SetAutoDim(true);
    ASSERT_TRUE(pic.Picture().Empty());
    pic.Undo();
    pic.Redo();
    pic.SelectAll();
    pic.SelectAlt();
    pic.FocusTimerTick();
    pic.FjernFocus();
    pic.Copy();
    pic.Cut();
    pic.Paste(false);
    pic.Paste(true);
    pic.SaveToMem();
    pic.LoadFromMem();
    EXPECT_FALSE(pic.SaveBitmap(dir.filePath("x.bmp")));
    EXPECT_FALSE(pic.ScalePicture(50));
    EXPECT_FALSE(pic.ScaleHeight(20));
    pic.ScaleWH(10, 10);
    pic.Spejlvend(true, false, true);
    pic.Spejlvend(false, true, true);
    pic.Drej(1);
    pic.CutToFocus();
    pic.FlytBillede(frRight);
    pic.Flyt(frLeft);
    pic.AnnullerFlytning();
    pic.PladserObjekt(mmFarve);
    pic.UdskiftPixels(clWhite, clRed, 0);
    pic.Inverter();
    pic.TegnOmrids();
    pic.DrawOmrids();
    pic.MakeGray();
    pic.ReducerFarver(2, 2, 2);
    pic.JusterFarver(0, 0, 0, 10, 10, 10);
    pic.GrayToColor();
    pic.Toning(8, true);
    pic.IntFade(true);
    pic.LoadMetaBitmap();
    pic.LoadUndoBitmap();
    pic.ViewPictureBitmap();
    pic.AfslutPolygon();
    for (int tool : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 21, 22, 30, 31, 32, 33, 34, 40, 50, 60, 61, 62, 63,
                     64, 65, 70, 71, 80, 100, 101, 102, 200}) {
        pic.SetToolNr(tool);
        pic.MouseDown(mbLeft, {}, 5, 5);
        pic.MouseMove({}, 30, 20);
        pic.MouseUp(mbLeft, {}, 30, 20);
        pic.NewFocusRect(1, 1, 20, 20);
        pic.MakeTool(tool, true);
    }
    EXPECT_TRUE(pic.Picture().Empty() || pic.Picture().Width() > 0);
}

// Out-of-range numbers from owners: nothing crashes, nothing is lost.
TEST(EmptyPicture, OutOfRangeArgumentsOnARealPicture)
{
    auto pic = MakePic(40, 30);
    const TBitmap before = pic->Picture();
    pic->SetPenWidth(-5);
    pic->SetPenWidth(1);
    pic->NewFocusRect(-100, -100, 100000, 100000);
    pic->Inverter();
    pic->Undo();
    EXPECT_TRUE(SamePixels(pic->Picture(), before));
    pic->SprayRadius = -3;
    pic->MakeTool(22, true);
    pic->SetFrekvens(0);
    pic->SetCentrumX(100000);
    pic->SetCentrumY(-100000);
    for (int tool : {60, 61, 62, 63, 64, 65, 70, 71, 80}) {
        pic->NewFocusRect(0, 0, 40, 30);
        pic->MakeTool(tool, true);
    }
    pic->PolyAntal = 5000;
    pic->SetToolNr(9);
    for (int i = 0; i < 1100; ++i) {
        pic->MouseDown(mbLeft, {}, i % 40, (i * 7) % 30);
        pic->MouseUp(mbLeft, {}, i % 40, (i * 7) % 30);
    }
    pic->AfslutPolygon();
    pic->Drej(-7);
    pic->MoveStep = 255;
    pic->NewFocusRect(0, 0, 10, 10);
    pic->Flyt(frDown);
    EXPECT_EQ(pic->Picture().Width() * pic->Picture().Height(), 40 * 30);
}
