#include "CommandsFixture.h"
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QUrl>

namespace {

using PicturesTest = CommandsTest;

QStringList Names(const QMenu& menu)
{
    QStringList names;
    for (QAction* a : menu.actions())
        names.append(a->isSeparator() ? QStringLiteral("-") : a->objectName());
    return names;
}

} // namespace

TEST_F(PicturesTest, WithoutADocumentEveryPictureCommandIsDisabledPasteToo)
{
    PutPictureOnClipboard(8, 8, qRgb(255, 0, 0));
    ASSERT_TRUE(host.Files->ClipboardHasPicture());
    windows.NyVisning = [](int, int, int, int) {};
    windows.ShowFlytform = [] {};
    Update();
    for (QAction* action : pictures.Actions()) {
        const bool search = action->objectName() == QLatin1String("AGoogle") ||
                            action->objectName() == QLatin1String("AYouTube");
        EXPECT_EQ(action->isEnabled(), search) << action->objectName().toStdString();
    }
    for (QAction* action : mover.Actions().mid(0, 4))
        EXPECT_FALSE(action->isEnabled());
    EXPECT_EQ(mover.ObjektImageNr(), -1);
    // Ctrl+V with no picture open makes nothing.
    QTest::keyClick(&host.Window, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(host.GForm(), nullptr);

    TMalvoform& form = NewPicture();
    Update();
    EXPECT_TRUE(Act("APaste")->isEnabled());
    EXPECT_FALSE(Act("ACutToFocus")->isEnabled());
    EXPECT_FALSE(Act("AFocusZoom")->isEnabled());
    EXPECT_EQ(mover.ObjektImageNr(), 34);
    form.Image->NewFocusRect(2, 2, 20, 20);
    Update();
    EXPECT_EQ(mover.ObjektImageNr(), 35);
    EXPECT_EQ(mover.ObjektButton->toolTip(), QStringLiteral("Valgte område kan duplikeres"));
    EXPECT_TRUE(Act("ACutToFocus")->isEnabled());
    EXPECT_TRUE(Act("AFocusZoom")->isEnabled());
    // A window that is not there keeps its command disabled.
    EXPECT_FALSE(Act("AAdjust")->isEnabled());
    EXPECT_TRUE(Act("AFlyt")->isEnabled());
}

TEST_F(PicturesTest, UndoIsCaptionedWithItsStepAndKeepsTheTextAfterwards)
{
    TMalvoform& form = NewPicture();
    form.Image->NewFocusRect(5, 5, 30, 20);
    form.Image->MakeTool(3, true);
    Update();
    EXPECT_EQ(Act("AUndo")->text(), QStringLiteral("Annuller rektangel"));
    EXPECT_EQ(Act("AUndo")->text(), form.Image->InfoString());
    ASSERT_EQ(form.Image->Picture().Canvas().Pixels(5, 10), clBlack);

    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.Image->Picture().Canvas().Pixels(5, 10), clWhite);
    Update();
    EXPECT_FALSE(Act("AUndo")->isEnabled());
    EXPECT_EQ(Act("AUndo")->text(), QStringLiteral("Annuller rektangel"));
    EXPECT_TRUE(Act("ARedo")->isEnabled());
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form.Image->Picture().Canvas().Pixels(5, 10), clBlack);

    pictures.SetSprog(true);
    EXPECT_EQ(Act("AUndo")->text(), QStringLiteral("Undo"));
    pictures.SetSprog(false);
    EXPECT_EQ(Act("AUndo")->text(), QStringLiteral("Annuller"));
}

TEST_F(PicturesTest, PasteShortcutsPutTheClipboardIntoThePicture)
{
    TMalvoform& form = NewPicture();
    PutPictureOnClipboard(6, 4, qRgb(255, 0, 0));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.Image->Picture().Canvas().Pixels(2, 2), clRed);
    EXPECT_EQ(form.Image->ObjektNr(), 500);
    EXPECT_FALSE(form.Image->MetaTrans());
    // Ctrl+W pastes transparently; the document window's own menu must not take it.
    Key(Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(form.Image->MetaTrans());
    Key(Qt::Key_R, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(form.Image->MetaTrans());

    QApplication::clipboard()->clear();
    QCoreApplication::processEvents();
    Update();
    EXPECT_FALSE(Act("APaste")->isEnabled());
}

TEST_F(PicturesTest, ScalingAsksAndReportsFailuresInEveryMode)
{
    TMalvoform& form = NewPicture("40", "30");
    std::vector<TPictureCommands::TScaleQuestion> asked;
    int answer = 50;
    pictures.AskScale = [&](const TPictureCommands::TScaleQuestion& q, int& v) {
        asked.push_back(q);
        v = answer;
        return true;
    };
    Update();
    Act("AScale")->trigger();
    EXPECT_EQ(form.Image->Picture().Width(), 20);
    EXPECT_EQ(form.Image->Picture().Height(), 15);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].ScaleMode, 0);
    EXPECT_EQ(asked[0].InputLabel, QStringLiteral("Procent"));

    answer = 80;
    Act("AScaleToWidth")->trigger();
    EXPECT_EQ(asked[1].ScaleMode, 1);
    EXPECT_EQ(asked[1].Input, QStringLiteral("20"));
    EXPECT_EQ(form.Image->Picture().Width(), 80);
    EXPECT_EQ(form.Image->Picture().Height(), 60);
    EXPECT_TRUE(host.Messages.isEmpty());

    // A size the raster cannot have is refused with the size message, in every mode.
    answer = 2000000000;
    Act("AScaleToWidth")->trigger();
    Act("AScaleToHeight")->trigger();
    host.Options.Sprog = 1;
    Act("AScale")->trigger();
    const QString danish = PictureSizeMessage(false), english = PictureSizeMessage(true);
    EXPECT_TRUE(danish.startsWith("Et billede skal være fra 1 til 32767 pixels i hver retning og højst "));
    EXPECT_EQ(host.Messages, (QStringList{danish, danish, english}));
    EXPECT_EQ(form.Image->Picture().Width(), 80);
    EXPECT_EQ(asked[3].InputLabel, QStringLiteral("Højde"));

    // A size within the limits that the free memory cannot hold is refused before anything
    // is allocated, with the same message.
    host.Messages.clear();
    host.Options.Sprog = 0;
    TBitmap::SetFreeMemoryProbe([] { return qint64(80 * 60 * 4 * 3); });
    answer = 200;
    Act("AScale")->trigger();
    TBitmap::SetFreeMemoryProbe({});
    EXPECT_EQ(host.Messages, QStringList{danish});
    EXPECT_EQ(form.Image->Picture().Width(), 80);
    Act("AScale")->trigger();
    EXPECT_EQ(form.Image->Picture().Width(), 160);
}

TEST_F(PicturesTest, FocusZoomCutsAWideFocusToTheMaximumAroundItsCentre)
{
    std::vector<TPictureCommands::TZoomArea> shown;
    windows.NyVisning = [&](int x, int y, int w, int h) { shown.push_back({x, y, w, h}); };
    host.Options.Zuse = true;
    host.Options.ZmaxW = 36;
    host.Options.ZmaxH = 36;
    TMalvoform& form = NewPicture("200", "100");
    form.Image->NewFocusRect(10, 20, 110, 60);
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (TPictureCommands::TZoomArea{42, 22, 36, 36}));
    EXPECT_FALSE(form.Image->Selected());

    host.Options.Zuse = false;
    EXPECT_EQ(TPictureCommands::FocusZoomArea(10, 20, 110, 60, host.Options),
              (TPictureCommands::TZoomArea{10, 20, 100, 40}));
}

TEST_F(PicturesTest, PictureZoomRefusesMagnifiersTooBigForScreenAndMemory)
{
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(host.ZoomCommands, 0); // no document
    TMalvoform& small = NewPicture("20", "20");
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(host.ZoomCommands, 1);
    pictures.MiniPixZoom();
    EXPECT_TRUE(small.MiniPix());
    Update();
    EXPECT_TRUE(Act("AMiniPix")->isChecked());
    pictures.MiniPixZoom();
    EXPECT_FALSE(small.MiniPix());

    host.Options.Zuse = false;
    EXPECT_TRUE(TPictureCommands::MagnifierFits(160, 160, 3));
    EXPECT_FALSE(TPictureCommands::MagnifierFits(6000, 4000, 2));
    TMalvoform& big = NewPicture("2100", "2100");
    pictures.MiniPixZoom();
    EXPECT_FALSE(big.MiniPix());
    ASSERT_EQ(host.Messages.size(), 1);
    EXPECT_TRUE(host.Messages[0].startsWith(QStringLiteral("Billedets dimensioner overskrider")));
}

TEST_F(PicturesTest, ColourOperationsAndObjectPlacement)
{
    TMalvoform& form = NewPicture();
    Update();
    Act("AInverter")->trigger();
    EXPECT_EQ(form.Image->Picture().Canvas().Pixels(3, 3), clBlack);
    EXPECT_EQ(host.UserToolnummer(), 300);
    Act("AOmridsAlt")->trigger();
    EXPECT_EQ(host.UserToolnummer(), 201);
    EXPECT_FALSE(Act("Action1")->isEnabled());

    int decreased = 0;
    windows.ReguValues = [&](uint8_t& r, uint8_t& g, uint8_t& b) {
        r = 4, g = 5, b = 6;
        return true;
    };
    windows.DecValues = [&] { ++decreased; };
    Update();
    Act("ARedu")->trigger();
    EXPECT_EQ(decreased, 1);
    EXPECT_EQ(host.UserToolnummer(), 300);
}

TEST_F(PicturesTest, PopupMenuOrderAndWebSearchAddresses)
{
    QMenu PU;
    pictures.BuildPopupMenu(PU);
    EXPECT_EQ(Names(PU), (QStringList{"AUndo", "ARedo", "-", "ACopy", "APaste", "APasteTrans", "ASelectAll", "-",
                                      "AReloadMalvo", "ACloseMalvo", "ACloseAll"}));

    QList<QUrl> opened;
    pictures.OpenUrl = [&](const QUrl& url) { opened.append(url); };
    QTest::keyClicks(pictures.findEdit, QStringLiteral("røde æbler & pærer?"));
    Act("AGoogle")->trigger();
    Act("AYouTube")->trigger();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0].toEncoded(),
              QByteArray("https://www.google.com/search?q=r%C3%B8de%20%C3%A6bler%20%26%20p%C3%A6rer%3F"));
    EXPECT_EQ(opened[1].query(QUrl::FullyDecoded), QStringLiteral("search_query=røde æbler & pærer?"));
}

// --- moving the object

TEST_F(PicturesTest, AHeldArrowMovesAtOnceAfterHalfASecondThenEveryTenMilliseconds)
{
    TMalvoform& form = NewPicture("100", "60");
    PutPictureOnClipboard(6, 4, qRgb(255, 0, 0));
    Key(Qt::Key_V, Qt::ControlModifier);
    Update();
    EXPECT_EQ(mover.ObjektImageNr(), 33);
    EXPECT_EQ(mover.ObjektButton->toolTip(), QStringLiteral("Der er et objekt i billedet"));
    QToolButton* right = mover.ArrowButton(2);
    ASSERT_TRUE(right->isEnabled());
    mover.stepEdit->setText(QStringLiteral("3"));

    QTest::mousePress(right, Qt::LeftButton);
    EXPECT_EQ(host.Position, QPoint(3, 0));
    EXPECT_EQ(form.Image->Picture().Canvas().Pixels(3, 0), clRed);
    EXPECT_EQ(form.Image->Picture().Canvas().Pixels(0, 0), clWhite);
    EXPECT_TRUE(mover.Repeat().Active());
    EXPECT_EQ(mover.Repeat().CurrentInterval(), 500);
    mover.Repeat().Tick();
    EXPECT_EQ(host.Position, QPoint(6, 0));
    EXPECT_EQ(mover.Repeat().CurrentInterval(), 10);
    mover.Repeat().Tick();
    EXPECT_EQ(host.Position, QPoint(9, 0));
    // A second press while repeating does nothing.
    mover.moveObject(4);
    EXPECT_EQ(host.Position, QPoint(9, 0));
    QTest::mouseRelease(right, Qt::LeftButton);
    EXPECT_FALSE(mover.Repeat().Active());
    mover.Repeat().Tick();
    EXPECT_EQ(host.Position, QPoint(9, 0));

    // The button lost the mouse (no longer down, no release seen): the next tick ends it.
    QTest::mousePress(right, Qt::LeftButton);
    EXPECT_EQ(host.Position, QPoint(12, 0));
    right->setDown(false);
    mover.Repeat().Tick();
    EXPECT_FALSE(mover.Repeat().Active());
    EXPECT_EQ(host.Position, QPoint(12, 0));
    QTest::mouseRelease(right, Qt::LeftButton);

    // Hidden while held: the repeat ends.
    QTest::mousePress(mover.ArrowButton(4), Qt::LeftButton);
    EXPECT_EQ(host.Position, QPoint(12, 3));
    mover.ArrowButton(4)->hide();
    EXPECT_FALSE(mover.Repeat().Active());
}

TEST_F(PicturesTest, TheRepeatStopsWhenTheDocumentClosesWhileTheButtonIsHeld)
{
    TMalvoform& form = NewPicture("100", "60");
    PutPictureOnClipboard(6, 4, qRgb(255, 0, 0));
    Key(Qt::Key_V, Qt::ControlModifier);
    Update();
    QToolButton* left = mover.ArrowButton(1);
    QTest::mousePress(left, Qt::LeftButton);
    ASSERT_TRUE(mover.Repeat().Active());
    form.Image->SetModified(false);
    delete &form;
    mover.Repeat().Tick();
    EXPECT_FALSE(mover.Repeat().Active());
    QTest::mouseRelease(left, Qt::LeftButton);
    Update();
    EXPECT_EQ(mover.ObjektImageNr(), -1);
    EXPECT_TRUE(mover.ObjektButton->toolTip().isEmpty());
}

TEST_F(PicturesTest, TheStepWrapsAndBadStepsAreRefused)
{
    mover.SetStepText(QStringLiteral("255"));
    mover.Action8Execute();
    EXPECT_EQ(mover.stepEdit->text(), QStringLiteral("1"));
    mover.Action9Execute();
    EXPECT_EQ(mover.stepEdit->text(), QStringLiteral("255"));
    mover.Action9Execute();
    EXPECT_EQ(mover.stepEdit->text(), QStringLiteral("254"));
    mover.SetStepText(QStringLiteral("0"));
    mover.Action9Execute();
    EXPECT_EQ(mover.stepEdit->text(), QStringLiteral("255"));

    mover.stepEdit->clear();
    QTest::keyClicks(mover.stepEdit, QStringLiteral("4x7-"));
    EXPECT_EQ(mover.stepEdit->text(), QStringLiteral("47"));

    TMalvoform& form = NewPicture("100", "60");
    PutPictureOnClipboard(6, 4, qRgb(255, 0, 0));
    Key(Qt::Key_V, Qt::ControlModifier);
    mover.SetStepText(QStringLiteral("300"));
    mover.moveObject(2);
    EXPECT_FALSE(mover.Repeat().Active());
    EXPECT_EQ(host.Messages, QStringList{"Flytintervallet skal være et tal fra 0 til 255!"});
    EXPECT_EQ(form.Image->Picture().Canvas().Pixels(0, 0), clRed);
}
