// The zoom window and the icon palette as the main window carries them.
#include "MainformFixture.h"
#include "colours/ColorPan.h"
#include "dialogs/Zoomform.h"
#include "pixeledit/PixelPic.h"
#include <QAction>
#include <QTest>

namespace {

QAction* ActionOf(TMainform& form, const char* name)
{
    return form.findChild<QAction*>(QString::fromLatin1(name));
}

} // namespace

TEST_F(MainformFixture, FocusZoomShowsTheFocusedAreaAndClosesWithItsDocument)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("p.bmp", 60, 50));
    TMalvoform* doc = form.GForm();
    ASSERT_NE(doc, nullptr);
    doc->Image->NewFocusRect(4, 6, 24, 16);
    QTest::qWait(200);
    QAction* zoom = ActionOf(form, "AFocusZoom");
    ASSERT_NE(zoom, nullptr);
    ASSERT_TRUE(zoom->isEnabled());
    zoom->trigger();

    TZoomform* window = form.Zoomform();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Zoom: " + doc->PNavn);
    EXPECT_EQ(window->Zoomfelt->Malvok(), doc->Image);
    EXPECT_EQ(window->Zoomfelt->NulX(), 4);
    EXPECT_EQ(window->Zoomfelt->NulY(), 6);
    EXPECT_TRUE(doc->FocusZoom());

    // Drawing in the picture reaches the magnifier's picture; closing the document closes
    // the zoom window and releases the picture.
    ASSERT_TRUE(doc->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->Zoomfelt->Malvok(), nullptr);
}

TEST_F(MainformFixture, ClosingTheZoomWindowClearsTheDocumentsFlagAndKeepsItsPlace)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("p.bmp", 60, 50));
    TMalvoform* doc = form.GForm();
    doc->Image->NewFocusRect(0, 0, 10, 10);
    QTest::qWait(200);
    ActionOf(form, "AFocusZoom")->trigger();
    TZoomform* window = form.Zoomform();
    ASSERT_TRUE(doc->FocusZoom());
    window->move(123, 87);
    window->close();
    EXPECT_FALSE(doc->FocusZoom());
    EXPECT_EQ(window->Zoomfelt->Malvok(), nullptr);
    ASSERT_TRUE(form.GemOptions());
    EXPECT_EQ(form.Opt().ZoomX, window->x());
    EXPECT_EQ(form.Opt().ZoomY, window->y());
}

TEST_F(MainformFixture, IconPaletteGivesItsColourToTheToolOfTheMouseButton)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("p.bmp", 20, 20));
    TImagePic& picture = *form.GForm()->Image;
    form.SetIconPaletteVisible(true);
    QApplication::processEvents();
    ASSERT_TRUE(form.Iconpal->OnMus);
    const TColor red = form.Iconpal->GetColor(1);
    const TColor blue = form.Iconpal->GetColor(4);
    ASSERT_NE(red, blue);
    form.Iconpal->OnMus(form.Iconpal, mbLeft, 1);
    EXPECT_EQ(picture.PenColor(), red);
    form.Iconpal->OnMus(form.Iconpal, mbRight, 4);
    EXPECT_EQ(picture.BrushColor(), blue);
    EXPECT_EQ(picture.PenColor(), red);
    form.IconpalTrans->OnMus(form.IconpalTrans, mbMiddle, 0);
    EXPECT_EQ(picture.MellemFarve(), clWhite);
}

TEST_F(MainformFixture, IconPaletteWithoutADocumentChangesNothing)
{
    TMainform& form = Start();
    ASSERT_EQ(form.GForm(), nullptr);
    form.Iconpal->OnMus(form.Iconpal, mbLeft, 2);
    EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(MainformFixture, CtrlInsRefusesAMagnifierTooLargeForMemoryWithTheSizeMessage)
{
    TMainform& form = Start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.Opt().Zuse = false;
    // A 6000 x 4000 photo (white, so its file stays small).
    TBitmap photo(6000, 4000);
    QByteArray data;
    ASSERT_TRUE(PictureCodecs::WriteJpeg(photo, 75, data));
    const QString path = Home.path() + QStringLiteral("/photo.jpg");
    ASSERT_TRUE(PictureCodecs::WriteFileSafely(path, data));
    form.HentPicture(path);
    TMalvoform* doc = form.GForm();
    ASSERT_NE(doc, nullptr);
    ASSERT_EQ(doc->Image->Picture().Width(), 6000);
    Messages.clear();

    QTest::keyClick(&form, Qt::Key_Insert, Qt::ControlModifier);
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages.first().startsWith("Billedets dimensioner overskrider værdierne,")) << Messages.first().toStdString();
    EXPECT_FALSE(doc->MiniPix());
    EXPECT_LT(qint64(doc->MiniPic->View().Width()) * doc->MiniPic->View().Height(), 1000000)
        << "no magnifier raster was made";
    // The command by its own name goes the same way.
    form.AMiniPixExecute();
    EXPECT_EQ(Messages.size(), 2);
    EXPECT_FALSE(doc->MiniPix());
}
