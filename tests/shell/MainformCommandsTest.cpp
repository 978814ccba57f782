// The tool and picture commands as the main window carries them: buttons, menus, images.
#include "MainformFixture.h"
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

TEST_F(MainformFixture, ToolButtonsOnTheToolBookChooseTheToolOfTheActivePicture)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("p.bmp", 40, 30));
    ASSERT_NE(form.GForm(), nullptr);
    form.topBog->setCurrentIndex(TMainform::pgRedskaber);
    auto* button = form.topBog->widget(TMainform::pgRedskaber)->findChild<QToolButton*>("Knap_ARektF");
    ASSERT_NE(button, nullptr);
    QApplication::processEvents();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(form.GForm()->Image->ToolNr(), 4);
    EXPECT_FALSE(button->icon().isNull());
    // The same action sits on the tool line's first page.
    EXPECT_NE(form.bogLinje->widget(0)->findChild<QToolButton*>("Knap_ARektF"), nullptr);
}

TEST_F(MainformFixture, CommandMenusFollowTheLanguageAndThePopupMenuStartsWithUndo)
{
    TMainform& form = Start();
    QStringList titles;
    for (QAction* a : form.menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"Fil", "Rediger", "Tegneredskaber", "Specialredskaber", "Billede", "Farver", "Objekt", "Vis", "Søg",
                                   "Andre sager", "Vindue"}));
    form.Opt().Sprog = 1;
    form.SetSprog();
    titles.clear();
    for (QAction* a : form.menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"File", "Edit", "Drawing tools", "Special tools", "Picture", "Colors", "Object", "View", "Search",
                                   "Other stuff", "Window"}));
    ASSERT_FALSE(form.PictureMenu()->actions().isEmpty());
    EXPECT_EQ(form.PictureMenu()->actions().first()->objectName(), "AUndo");
}

TEST_F(MainformFixture, UndoShortcutReachesTheActivePictureThroughTheMainWindow)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("p.bmp", 40, 30));
    TImagePic& picture = *form.GForm()->Image;
    picture.NewFocusRect(2, 2, 20, 20);
    picture.MakeTool(3, true);
    ASSERT_EQ(picture.Picture().Canvas().Pixels(2, 10), clBlack);
    // The idle pass enables undo; the key goes to the picture, as after a drag.
    QTest::qWait(200);
    picture.setFocus();
    QTest::keyClick(&picture, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(picture.Picture().Canvas().Pixels(2, 10), clWhite);
}

TEST_F(MainformFixture, PrintingNeedsADocumentAndSitsInTheFileMenu)
{
    TMainform& form = Start();
    auto* print = form.findChild<QAction*>("APrint");
    ASSERT_NE(print, nullptr);
    EXPECT_TRUE(form.MFile->actions().contains(print));
    EXPECT_FALSE(print->isEnabled());
    form.HentPicture(WritePicture("p.bmp"));
    EXPECT_TRUE(print->isEnabled());
    EXPECT_EQ(print->text(), "Udskriv...");
}

TEST_F(MainformFixture, ANewPictureFillsTheDocumentAreaInFrontOfTheOthers)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("p.bmp", 300, 200));
    form.topBog->setCurrentIndex(TMainform::pgNyt);
    form.FileCommands().Action("ANewMalvo")->trigger();
    form.FileCommands().Action("ANewMalvo")->trigger();
    QApplication::processEvents();
    QMdiSubWindow* active = form.mdiArea->activeSubWindow();
    ASSERT_EQ(active, form.GForm());
    EXPECT_TRUE(active->isMaximized());
    EXPECT_EQ(active->geometry(), form.mdiArea->viewport()->rect());
}

TEST_F(MainformFixture, TheMoveDialogIsOfferedForAPictureAndKeepsItsPlace)
{
    TMainform& form = Start();
    auto* flyt = form.findChild<QAction*>("AFlyt");
    ASSERT_NE(flyt, nullptr);
    EXPECT_FALSE(flyt->isEnabled());
    form.HentPicture(WritePicture("p.bmp"));
    EXPECT_TRUE(flyt->isEnabled());
    auto* dialog = form.findChild<QDialog*>("Flytform");
    ASSERT_NE(dialog, nullptr);
    dialog->move(123, 45);
    form.Opt().FlytX = 0;
    ASSERT_TRUE(CloseForm());
    EXPECT_EQ(form.Opt().FlytX, 123);
}

TEST_F(MainformFixture, PositionFieldsBesideTheMoveArrowsShowWhereTheObjectLies)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("p.bmp", 40, 30));
    TImagePic* pic = form.ActivePicture();
    ASSERT_NE(pic, nullptr);
    ASSERT_NE(form.Xedit, nullptr);
    EXPECT_EQ(form.Xedit->objectName(), "Xedit");
    EXPECT_EQ(form.Yedit->objectName(), "Yedit");
    // They sit in the main window beside the step field, without the move dialog.
    EXPECT_EQ(form.Xedit->parentWidget(), form.findChild<QLineEdit*>("stepEdit")->parentWidget());
    EXPECT_TRUE(form.Xedit->isReadOnly());

    // The document's position event reaches the fields.
    pic->OnPosition(pic, 14, 9);
    EXPECT_EQ(form.Xedit->text(), "14");
    EXPECT_EQ(form.Yedit->text(), "9");
    // A drawn rectangle reports where it lies, and a move step the object's new place.
    pic->SetToolNr(3);
    QTest::mousePress(pic, Qt::LeftButton, {}, QPoint(12, 7));
    QTest::mouseMove(pic, QPoint(25, 20));
    QTest::mouseRelease(pic, Qt::LeftButton, {}, QPoint(25, 20));
    const int x = form.Xedit->text().toInt(), y = form.Yedit->text().toInt();
    EXPECT_NEAR(x, 12, 1);
    EXPECT_NEAR(y, 7, 1);
    QAction* right = form.findChild<QAction*>("Action5");
    ASSERT_NE(right, nullptr);
    // The move actions follow the picture's object in the idle pass.
    for (int i = 0; i < 100 && !right->isEnabled(); ++i)
        QTest::qWait(20);
    ASSERT_TRUE(right->isEnabled());
    right->trigger();
    EXPECT_EQ(form.Xedit->text(), QString::number(x + 1));
    EXPECT_EQ(form.Yedit->text(), QString::number(y));

    EXPECT_EQ(form.Xedit->toolTip(), "Objektets x-position");
    form.Opt().Sprog = 1;
    form.SetSprog();
    EXPECT_EQ(form.Yedit->toolTip(), "The object's y position");
}
