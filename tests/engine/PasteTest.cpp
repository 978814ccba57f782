#include "PicFixture.h"
#include "platform/Clipboard.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {
std::unique_ptr<TImagePic> Filled(int w, int h, TColor c)
{
    auto pic = std::make_unique<TImagePic>();
    pic->SetAutoDim(true);
    TBitmap b(w, h);
    b.Canvas().Brush.Color = c;
    b.Canvas().FillRect(b.BoundsRect());
    pic->SetPicture(b);
    return pic;
}

TBitmap Clip()
{
    TBitmap b;
    TClipboard::GetBitmap(b);
    return b;
}
} // namespace

TEST(Clipboard, CopyWithoutFocusTakesTheWholePictureAndReports)
{
    auto pic = MakePic(30, 20);
    std::pair<bool, int> objekt{true, 0};
    int copies = 0;
    pic->OnObjekt = [&](TObject*, bool o, int n) { objekt = {o, n}; };
    pic->OnCopy = [&](TObject*, TBitmap& b) {
        ++copies;
        EXPECT_EQ(b.Width(), 30);
    };
    pic->Copy();
    EXPECT_EQ(pic->FR, Rect(0, 0, 30, 20));
    EXPECT_TRUE(SamePixels(Clip(), pic->Picture()));
    EXPECT_EQ(objekt, std::make_pair(false, -1));
    EXPECT_EQ(copies, 1);
}

TEST(Clipboard, CopyOfAFocusReadsThePictureNotTheOutline)
{
    auto pic = MakePic(40, 30);
    pic->NewFocusRect(5, 6, 25, 16);
    pic->FocusTimerTick();
    pic->Copy();
    const TBitmap clip = Clip();
    ASSERT_EQ(clip.Width(), 20);
    ASSERT_EQ(clip.Height(), 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(clip.Canvas().Pixels(x, y), pic->Picture().Canvas().Pixels(x + 5, y + 6));
    EXPECT_FALSE(pic->Selected());
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

TEST(Clipboard, CutClearsToThePaperColourAndUndoRestores)
{
    auto pic = MakePic(30, 20);
    const TBitmap before = pic->Picture();
    pic->SaveUndo("earlier step");
    pic->SetPapirfarve(clYellow);
    pic->Cut();
    EXPECT_EQ(pic->Picture().Canvas().Pixels(29, 19), clYellow);
    EXPECT_EQ(pic->InfoString(), QStringLiteral("earlier step"));
    EXPECT_EQ(pic->Picture().Canvas().Brush.Color, pic->BrushColor());
    EXPECT_TRUE(ViewShowsPicture(*pic));
    pic->Undo();
    EXPECT_TRUE(SamePixels(pic->Picture(), before));

    auto part = Filled(30, 20, clBlue);
    part->NewFocusRect(10, 5, 20, 15);
    part->Cut();
    EXPECT_EQ(part->Picture().Canvas().Pixels(12, 7), clWhite);
    EXPECT_EQ(part->Picture().Canvas().Pixels(5, 7), clBlue);
    EXPECT_EQ(Clip().Width(), 10);
}

TEST(Paste, StretchedIntoTheFocusOrAtItsOwnSize)
{
    TBitmap small(4, 2);
    small.Canvas().Brush.Color = clRed;
    small.Canvas().FillRect(small.BoundsRect());
    TClipboard::SetBitmap(small);
    auto pic = Filled(40, 30, clBlue);
    pic->NewFocusRect(10, 10, 30, 20);
    std::pair<bool, int> objekt;
    pic->OnObjekt = [&](TObject*, bool o, int n) { objekt = {o, n}; };
    pic->PasteToFocus = pic->Selected();
    pic->Paste(false);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(10, 10), clRed);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(29, 19), clRed);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(30, 20), clBlue);
    EXPECT_EQ(objekt, std::make_pair(true, 500));
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller indsæt"));
    EXPECT_TRUE(ViewShowsPicture(*pic));
    EXPECT_TRUE(pic->Modified());

    auto own = Filled(40, 30, clBlue);
    own->DefFocusRect(7, 3, 7, 3);
    own->PasteToFocus = false;
    own->Paste(false);
    EXPECT_EQ(own->Picture().Canvas().Pixels(7, 3), clRed);
    EXPECT_EQ(own->Picture().Canvas().Pixels(10, 4), clRed);
    EXPECT_EQ(own->Picture().Canvas().Pixels(11, 4), clBlue);
    EXPECT_EQ(own->FR, Rect(7, 3, 11, 5));
    own->Undo();
    EXPECT_EQ(own->Picture().Canvas().Pixels(7, 3), clBlue);
}

TEST(Paste, NothingToPasteDoesNothing)
{
    QGuiApplication::clipboard()->clear();
    auto pic = MakePic(20, 20);
    pic->Paste(true);
    EXPECT_FALSE(pic->CanUndo());
    // With an empty clipboard the picture copied last is pasted.
    pic->EditBitmap = TBitmap(3, 3);
    pic->EditBitmap.Canvas().SetPixels(0, 0, clRed);
    pic->PasteToFocus = false;
    pic->DefFocusRect(0, 0, 0, 0);
    pic->Paste(false);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(0, 0), clRed);
}

TEST(Paste, TransparentPasteLeavesTheBackgroundVisible)
{
    TBitmap shape(10, 10); // white background with a black square in the middle
    shape.Canvas().Brush.Color = clBlack;
    shape.Canvas().FillRect(Rect(3, 3, 7, 7));
    TClipboard::SetBitmap(shape);
    auto pic = Filled(30, 30, clGreen);
    pic->NewFocusRect(10, 10, 20, 20);
    pic->SetTransFarve(clWhite);
    pic->SetMetaTrans(true);
    pic->Paste(false);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(11, 11), clGreen);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(14, 14), clBlack);
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

TEST(Paste, FreeFocusCopyPastedTransparentlyRestoresTheFreeHandShape)
{
    auto source = MakePic(60, 60);
    source->SetTransFarve(clWhite);
    source->StartFreeFocus(10, 10);
    source->MoveFreeFocus(40, 30);
    source->MoveFreeFocus(15, 45);
    source->CloseFreeFocus();
    const TRect box = source->FR;
    auto target = Filled(60, 60, clGreen);
    target->SetTransFarve(clWhite);
    target->SetMetaTrans(true);
    target->SetPenWidth(0);
    target->NewFocusRect(box.Left, box.Top, box.Right, box.Bottom);
    target->Paste(false);
    // Inside the outline the source's pixels, outside it the target's own.
    EXPECT_EQ(target->Picture().Canvas().Pixels(20, 28), source->Picture().Canvas().Pixels(20, 28));
    EXPECT_EQ(target->Picture().Canvas().Pixels(38, 12), clGreen);
}

TEST(Paste, ReproduceTilesTheClipboardPictureOverTheFocus)
{
    auto pic = MakePic(60, 40);
    TBitmap tile(10, 10);
    tile.Canvas().SetPixels(0, 0, clRed);
    pic->DefFocusRect(0, 0, 35, 20);
    TBitmap tiled = tile;
    pic->ReproducerCB(tiled);
    EXPECT_EQ(tiled.Width(), 36);
    EXPECT_EQ(tiled.Height(), 21);
    EXPECT_EQ(tiled.Canvas().Pixels(30, 20), clRed); // the last row and column are cut
    EXPECT_EQ(tiled.Canvas().Pixels(10, 10), clRed);
    TBitmap none;
    pic->ReproducerCB(none); // an empty picture is left alone
    EXPECT_TRUE(none.Empty());

    TClipboard::SetBitmap(tile);
    pic->NewFocusRect(0, 0, 35, 20);
    pic->Paste(true);
    EXPECT_EQ(pic->EditBitmap.Width(), 36);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(0, 0), clRed);
}

TEST(Paste, OvalPasteKeepsThePictureOutsideTheEllipse)
{
    TBitmap red(8, 8);
    red.Canvas().Brush.Color = clRed;
    red.Canvas().FillRect(red.BoundsRect());
    TClipboard::SetBitmap(red);
    auto pic = Filled(120, 70, clBlue);
    pic->NewFocusRect(10, 10, 110, 60);
    pic->SetSomEllipse(true);
    pic->Paste(false);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(60, 35), clRed);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(12, 12), clBlue);
}

TEST(Paste, ClipboardAsTheWholePicture)
{
    TBitmap red(50, 30);
    red.Canvas().Brush.Color = clRed;
    red.Canvas().FillRect(red.BoundsRect());
    TClipboard::SetBitmap(red);
    auto pic = Filled(20, 20, clBlue);
    pic->SetSomEllipse(true);
    std::pair<int, int> loaded;
    pic->OnLoad = [&](TObject*, int b, int h) { loaded = {b, h}; };
    pic->LoadFromCB();
    EXPECT_EQ(pic->width(), 50);
    EXPECT_EQ(loaded, std::make_pair(50, 30));
    EXPECT_EQ(pic->Picture().Canvas().Pixels(25, 15), clRed);
    EXPECT_NE(pic->Picture().Canvas().Pixels(0, 0), clRed); // outside the ellipse
    EXPECT_EQ(pic->ObjektNr(), 500);
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller nyt billede"));
    EXPECT_TRUE(pic->Filnavn().isEmpty());

    auto plain = Filled(20, 20, clBlue);
    plain->LoadFromCB();
    EXPECT_TRUE(SamePixels(plain->Picture(), red));
    EXPECT_TRUE(ViewShowsPicture(*plain));
}

TEST(Insert, FileIntoTheFocusOrAtItsSizeKeepingTheFileName)
{
    QTemporaryDir dir;
    TImagePic maker;
    TBitmap red(12, 8);
    red.Canvas().Brush.Color = clRed;
    red.Canvas().FillRect(red.BoundsRect());
    maker.SetPicture(red);
    ASSERT_TRUE(maker.SaveBitmap(dir.filePath("red.bmp")));

    auto pic = Filled(60, 40, clBlue);
    ASSERT_TRUE(pic->SaveBitmap(dir.filePath("doc.bmp")));
    pic->DefFocusRect(20, 10, 20, 10); // empty: a focus of the file's size
    std::pair<bool, int> objekt;
    pic->OnObjekt = [&](TObject*, bool o, int n) { objekt = {o, n}; };
    pic->InsertPic(dir.filePath("red.bmp"));
    EXPECT_EQ(pic->Picture().Canvas().Pixels(20, 10), clRed);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(31, 17), clRed);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(32, 17), clBlue);
    EXPECT_EQ(objekt, std::make_pair(true, 501));
    EXPECT_EQ(pic->Filnavn(), dir.filePath("doc.bmp"));
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller indsæt"));
    const bool undo = pic->CanUndo();
    pic->InsertPic(dir.filePath("missing.bmp"));
    EXPECT_EQ(pic->CanUndo(), undo);
}

TEST(Exchange, GetCopyReplaceAndTransparentCopy)
{
    auto pic = MakePic(40, 30);
    TBitmap part;
    pic->GetBitmap(Rect(10, 10, 20, 20), part);
    EXPECT_EQ(part.Width(), 11);
    EXPECT_EQ(part.Height(), 11);
    EXPECT_EQ(&pic->GetPicture(), &pic->Picture());

    TBitmap red(5, 5);
    red.Canvas().Brush.Color = clRed;
    red.Canvas().FillRect(red.BoundsRect());
    pic->CopyToPic(Rect(0, 0, 10, 10), red);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(9, 9), clRed);
    EXPECT_EQ(pic->FR, Rect(0, 0, 10, 10));
    EXPECT_FALSE(pic->CanUndo());
    pic->CopyToPic(red.Canvas(), Rect(0, 0, 5, 5), Rect(30, 20, 35, 25));
    EXPECT_EQ(pic->Picture().Canvas().Pixels(34, 24), clRed);
    EXPECT_TRUE(ViewShowsPicture(*pic));

    TBitmap spots(4, 4);
    spots.Canvas().SetPixels(1, 1, clBlue);
    TBitmap dest(6, 6); // larger than the source: only the overlap is copied
    dest.Canvas().Brush.Color = clGreen;
    dest.Canvas().FillRect(dest.BoundsRect());
    TImagePic::TransKopierBitmap(spots, dest, clWhite);
    EXPECT_EQ(dest.Canvas().Pixels(1, 1), clBlue);
    EXPECT_EQ(dest.Canvas().Pixels(0, 0), clGreen);

    pic->UdskiftBitmap(red);
    EXPECT_EQ(pic->width(), 5);
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

TEST(Exchange, MetaUndoAndViewBitmapsBecomeThePicture)
{
    auto pic = Filled(30, 30, clBlue);
    pic->SetToolNr(4);
    pic->SetBrushColor(clRed);
    pic->NewFocusRect(5, 5, 15, 15);
    pic->MakeTool(4, true); // the figure stays on the meta bitmap
    pic->LoadMetaBitmap();
    EXPECT_EQ(pic->Picture().Canvas().Pixels(10, 10), clRed);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(25, 25), pic->MetaTransFarve);
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller metabitmap"));
    pic->Undo();
    EXPECT_EQ(pic->Picture().Canvas().Pixels(25, 25), clBlue);

    pic->EditBitmap = TBitmap(7, 9);
    pic->LoadUndoBitmap();
    EXPECT_EQ(pic->Picture().Width(), 7);

    pic->Canvas().SetPixels(1, 1, clYellow); // the view out of step with the picture
    pic->ViewPictureBitmap();
    EXPECT_TRUE(ViewShowsPicture(*pic));
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller FPicture bitmap"));

    TImagePic empty;
    empty.LoadMetaBitmap();
    empty.LoadUndoBitmap();
    EXPECT_FALSE(empty.CanUndo());
}

TEST(Exchange, SetNytRCopiesIntoASeventyByHundredPicture)
{
    auto pic = MakePic(50, 50);
    pic->NewFocusRect(10, 10, 30, 30);
    pic->setNytR(20, 20);
    const TBitmap clip = Clip();
    EXPECT_EQ(clip.Width(), 70);
    EXPECT_EQ(clip.Height(), 100);
    EXPECT_EQ(clip.Canvas().Pixels(0, 0), pic->Picture().Canvas().Pixels(10, 10));
}
