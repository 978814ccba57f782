// The active document changes only when the user chooses another one: clicking a tool window,
// a page of the tool book or of the dock book leaves it, and every document has a tab of its
// own, also when documents share a name.
#include "MainformFixture.h"
#include "colours/ColorPan.h"
#include "shell/ColourList.h"
#include "shell/EgenskaberPage.h"
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

QAction* FindAction(QWidget& window, const char* name)
{
    const QList<QAction*> found = window.findChildren<QAction*>(QLatin1String(name));
    return found.isEmpty() ? nullptr : found.first();
}

void ClickEveryPage(QTabWidget* book)
{
    QTabBar* bar = book->tabBar();
    for (int page = 0; page < bar->count(); ++page) {
        if (!bar->isTabVisible(page))
            continue;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
        QApplication::processEvents();
    }
}

} // namespace

TEST_F(MainformFixture, ClickingToolPagesNeverChangesTheActiveDocument)
{
    TMainform& form = Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.HentPicture(WritePicture("first.bmp", 40, 30));
    form.HentPicture(WritePicture("second.bmp", 40, 30));
    QApplication::processEvents();
    TMalvoform* second = form.GForm();
    ASSERT_EQ(second->PNavn, QStringLiteral("second.bmp"));
    // The text tool puts the keyboard into the text page of the tool properties.
    QAction* text = FindAction(form, "ATekst");
    ASSERT_NE(text, nullptr);
    text->trigger();
    QApplication::processEvents();
    for (QTabWidget* book : {form.topBog, form.dropbog}) {
        ClickEveryPage(book);
        EXPECT_EQ(form.GForm(), second) << book->objectName().toStdString();
        EXPECT_EQ(form.mdiArea->activeSubWindow(), second);
        EXPECT_EQ(form.TabCon->tabText(form.TabCon->currentIndex()), QStringLiteral("second.bmp"));
    }
    // A stroke goes into the picture the user works on.
    FindAction(form, "ARekt")->trigger();
    const TBitmap firstBefore = form.Documents().first()->Image->Picture();
    TImagePic& picture = *second->Image;
    QTest::mousePress(&picture, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseMove(&picture, QPoint(20, 20));
    QTest::mouseRelease(&picture, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(picture.CanUndo());
    EXPECT_TRUE(form.Documents().first()->Image->Picture().Image() == firstBefore.Image());
}

TEST_F(MainformFixture, DocumentsOfTheSameNameHaveATabEach)
{
    TMainform& form = Start();
    QStringList paths;
    for (const char* folder : {"a", "b", "c"}) {
        ASSERT_TRUE(QDir(Home.path()).mkpath(QLatin1String(folder)));
        paths.append(WritePicture(QStringLiteral("%1/big.bmp").arg(QLatin1String(folder)), 10 + paths.size(), 8));
    }
    for (const QString& path : paths)
        form.HentPicture(path);
    ASSERT_EQ(form.TabCon->count(), 3);
    // Each tab shows its own picture, and equal captions show the whole path as the tool tip.
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(form.TabCon->tabText(i), QStringLiteral("big.bmp"));
        EXPECT_EQ(form.TabCon->tabToolTip(i), paths[i]);
        form.TabCon->setCurrentIndex(i);
        QApplication::processEvents();
        ASSERT_NE(form.GForm(), nullptr);
        EXPECT_EQ(form.GForm()->Image->Filnavn(), paths[i]);
        EXPECT_EQ(form.GForm()->Image->Picture().Width(), 10 + i);
    }
    // Sorting keeps every document's tab; closing one removes only its own.
    form.MSorter->trigger();
    EXPECT_EQ(form.TabCon->count(), 3);
    TMalvoform* middle = form.GForm();
    middle->close();
    QApplication::processEvents();
    ASSERT_EQ(form.TabCon->count(), 2);
    for (int i = 0; i < 2; ++i) {
        form.TabCon->setCurrentIndex(i);
        QApplication::processEvents();
        EXPECT_NE(form.GForm(), middle);
    }
    // A name that is no longer shared needs no path.
    middle = form.GForm();
    middle->close();
    QApplication::processEvents();
    ASSERT_EQ(form.TabCon->count(), 1);
    EXPECT_TRUE(form.TabCon->tabToolTip(0).isEmpty());
}

TEST_F(MainformFixture, RedoAfterANewChangeIsDisabledAndTheNewWorkStays)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("redo.bmp", 40, 30));
    TImagePic& picture = *form.GForm()->Image;
    QAction* undo = FindAction(form, "AUndo");
    QAction* redo = FindAction(form, "ARedo");
    ASSERT_TRUE(undo && redo);
    const auto draw = [&](QPoint from, QPoint to) {
        QTest::mousePress(&picture, Qt::LeftButton, {}, from);
        QTest::mouseMove(&picture, to);
        QTest::mouseRelease(&picture, Qt::LeftButton, {}, to);
        QApplication::processEvents();
        form.UpdateActions();
    };
    FindAction(form, "ARektF")->trigger();
    draw({2, 2}, {10, 10});
    undo->trigger();
    form.UpdateActions();
    EXPECT_TRUE(redo->isEnabled());
    draw({12, 2}, {20, 10});
    draw({22, 2}, {30, 10});
    const QImage work = picture.Picture().Image();
    EXPECT_FALSE(redo->isEnabled());
    redo->trigger();
    EXPECT_TRUE(picture.Picture().Image() == work);
    // Without a new change undo and redo still alternate.
    undo->trigger();
    form.UpdateActions();
    EXPECT_TRUE(redo->isEnabled());
    redo->trigger();
    EXPECT_TRUE(picture.Picture().Image() == work);
}

TEST_F(MainformFixture, MagnifierColourFieldsShowAndStoreTheirColours)
{
    TMainform& form = Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.topBog->setCurrentIndex(TMainform::pgEgenskaber);
    QApplication::processEvents();
    TColorPan& fields = *form.Egenskaber->PixPal;
    fields.repaint();
    // Through the first paint the fields keep grey and red.
    EXPECT_EQ(fields.GetColor(0), clGray);
    EXPECT_EQ(fields.GetColor(1), clRed);
    // A click gives the field the colour of the list: field 0 is the grid, field 1 the frame.
    ASSERT_TRUE(form.Egenskaber->ColorBox->SetColour(clBlue));
    fields.OnMus(&fields, mbLeft, 1);
    EXPECT_EQ(form.Opt().RammeCol, clBlue);
    EXPECT_EQ(form.Opt().GridCol, clGray);
    ASSERT_TRUE(CloseForm());
    const QByteArray options = ReadAll(Folder.OptFilnavn);
    ASSERT_EQ(options.size(), 292);
    const auto at = [&](int offset) {
        return TColor(quint8(options[offset]) | quint8(options[offset + 1]) << 8 | quint8(options[offset + 2]) << 16 |
                      quint32(quint8(options[offset + 3])) << 24);
    };
    EXPECT_EQ(at(268), clGray);
    EXPECT_EQ(at(272), clBlue);
}
