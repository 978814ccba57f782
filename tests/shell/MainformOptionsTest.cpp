// The page "Egenskaber", the style list, docking and files dropped on the main window.
#include "MainformFixture.h"
#include "colours/ColorPan.h"
#include "libraries/Kliche.h"
#include "shell/ColourList.h"
#include "shell/DockHost.h"
#include "shell/EgenskaberPage.h"
#include "shell/RadioGroup.h"
#include "shell/StyleList.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

namespace {

// Clicks the middle of colour-panel field k.
void ClickField(TColorPan& pan, int k)
{
    if (!pan.Beregnet())
        pan.Paint();
    ASSERT_NE(pan.Felt(k), nullptr);
    const TRect r = pan.Felt(k)->IR;
    QTest::mouseClick(&pan, Qt::LeftButton, {}, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
}

} // namespace

TEST_F(MainformFixture, CheckBoxesAndRadioGroupsWriteTheOptionsAtOnce)
{
    TMainform& form = Start();
    TEgenskaberPage& page = *form.Egenskaber;
    EXPECT_TRUE(page.opstartCheck->isChecked());
    for (QCheckBox* check : {page.opstartCheck, page.text6Check, page.text14Check, page.text13Check,
                             page.text15Check, page.text11Check})
        QTest::mouseClick(check, Qt::LeftButton);
    const TOptions& opt = form.Opt();
    EXPECT_FALSE(opt.HentPics || opt.AP || opt.SameTool || opt.SameColors || opt.AutoDec || opt.Zuse);
    ASSERT_TRUE(CloseForm());
    TOptions written;
    ASSERT_TRUE(ReadOptionsFile(Folder.OptFilnavn, written));
    EXPECT_FALSE(written.HentPics || written.AP || written.Zuse);
}

TEST_F(MainformFixture, JpegQualityIsClampedAndBadTextIsRefused)
{
    TMainform& form = Start();
    TEgenskaberPage& page = *form.Egenskaber;
    const auto apply = [&](const QString& text) {
        page.jpgEdit->setText(text);
        QTest::mouseClick(page.jpgKnap, Qt::LeftButton);
        return int(form.Opt().JPGkvali);
    };
    EXPECT_EQ(apply("55"), 55);
    EXPECT_EQ(apply("200"), 100);
    EXPECT_EQ(apply("0"), 1);
    EXPECT_TRUE(Messages.isEmpty());
    EXPECT_EQ(apply("256"), 1);
    EXPECT_EQ(apply("abc"), 1);
    EXPECT_EQ(Messages.size(), 2);
    EXPECT_EQ(page.jpgEdit->text(), "1");
}

TEST_F(MainformFixture, MaximumDimensionsKeepOnlyBytesAndAreStoredByAnvend)
{
    TMainform& form = Start();
    TEgenskaberPage& page = *form.Egenskaber;
    page.ZmaxWEdit->clear();
    QTest::keyClicks(page.ZmaxWEdit, "9x99");
    EXPECT_EQ(page.ZmaxWEdit->text(), "255");
    page.ZmaxHEdit->clear();
    QTest::keyClicks(page.ZmaxHEdit, "64");
    EXPECT_EQ(form.Opt().ZmaxW, 36); // stored only by the button
    QTest::mouseClick(page.aKnap, Qt::LeftButton);
    EXPECT_EQ(form.Opt().ZmaxW, 255);
    EXPECT_EQ(form.Opt().ZmaxH, 64);
}

TEST_F(MainformFixture, FrameLookChangesThePreviewAndAnvendStoresIt)
{
    TMainform& form = Start();
    TEgenskaberPage& page = *form.Egenskaber;
    EXPECT_EQ(page.ArtBox->currentIndex(), 0); // rtInd is "3D ind"
    EXPECT_EQ(page.RObox->currentIndex(), 0);  // reacts: "Ud-ind"
    page.ArtBox->setCurrentIndex(1);
    emit page.ArtBox->activated(1);
    page.RObox->setCurrentIndex(1);
    emit page.RObox->activated(1);
    ASSERT_TRUE(page.ColorBox2->SetColour(clBlue));
    emit page.ColorBox2->activated(page.ColorBox2->currentIndex());
    EXPECT_EQ(page.FrammeProp().Art(), rtIngen);
    EXPECT_EQ(form.Opt().ColRArt, rtInd); // the preview only
    EXPECT_EQ(form.Framme1.Art(), rtInd);

    QTest::mouseClick(page.anvendButton, Qt::LeftButton);
    EXPECT_EQ(form.Opt().ColRArt, rtIngen);
    EXPECT_EQ(form.Opt().ColRRo, rtIngen);
    EXPECT_EQ(form.Opt().PalSelFarve, clBlue);
    EXPECT_EQ(form.Framme1.Art(), rtIngen);
    EXPECT_EQ(form.Framme1.ReaktionOver(), rtIngen);
    EXPECT_EQ(form.Framme1.FarveOver(), clBlue);
}

TEST_F(MainformFixture, MagnifierColoursTakeTheListColourOnAClickAndGendanRestores)
{
    TMainform& form = Start();
    TEgenskaberPage& page = *form.Egenskaber;
    form.topBog->setCurrentIndex(TMainform::pgEgenskaber);
    QApplication::processEvents();
    ASSERT_TRUE(page.PixPal->isVisible());
    EXPECT_EQ(page.PixPal->GetColor(0), clGray);
    EXPECT_EQ(page.PixPal->GetColor(1), clRed);
    ASSERT_TRUE(page.ColorBox->SetColour(clBlue));
    ClickField(*page.PixPal, 0);
    EXPECT_EQ(form.Opt().GridCol, clBlue);
    ASSERT_TRUE(page.ColorBox->SetColour(clBlack));
    ClickField(*page.PixPal, 1);
    EXPECT_EQ(form.Opt().RammeCol, clBlack);
    QTest::mouseClick(page.gendanKnap, Qt::LeftButton);
    EXPECT_EQ(form.Opt().GridCol, clGray);
    EXPECT_EQ(form.Opt().RammeCol, clRed);
}

TEST_F(MainformFixture, StyleListOffersSkyAndEveryQtStyleAndRefusesWhileDocumentsAreOpen)
{
    TMainform& form = Start();
    const QStringList names = StyleList::Names();
    EXPECT_EQ(names.first(), "Sky");
    EXPECT_EQ(form.Egenskaber->designBox->count(), names.size());
    EXPECT_EQ(form.Egenskaber->designBox->currentText(), "Sky");
    EXPECT_EQ(QApplication::style()->name().toLower(), "fusion");
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), StyleList::SkyPalette().color(QPalette::Window));

    form.HentPicture(WritePicture("p.bmp"));
    form.designBoxChange("Windows");
    EXPECT_EQ(Messages, QStringList{"Luk alle dokumenter og prøv igen!"});
    EXPECT_EQ(form.Prog.designName, "Sky");

    form.FileCommands().ACloseAllExecute();
    ASSERT_TRUE(form.Documents().isEmpty());
    form.designBoxChange("Windows");
    EXPECT_EQ(form.Prog.designName, "Windows");
    EXPECT_EQ(QApplication::style()->name().toLower(), "windows");
    EXPECT_FALSE(StyleList::Apply("NoSuchStyle"));
    EXPECT_EQ(QApplication::style()->name().toLower(), "windows");
    StyleList::Apply("Sky");
}

TEST(DockHost, SitesTakeOnlyTheirToolWindowsAndTheMainWindowRemembersTheDocking)
{
    EXPECT_TRUE(TDockHost::Accepts(dsDropbog, twFarveBox));
    EXPECT_TRUE(TDockHost::Accepts(dsDropbog, twPaletteBox));
    EXPECT_FALSE(TDockHost::Accepts(dsDropbog, twToolProps));
    EXPECT_TRUE(TDockHost::Accepts(dsDropbogRed, twToolProps));
    EXPECT_FALSE(TDockHost::Accepts(dsDropbogRed, twClicheBox));
    EXPECT_TRUE(TDockHost::Accepts(dsBilledBog, twPictureBox));
    EXPECT_FALSE(TDockHost::Accepts(dsBilledBog, twFarveBox));
    EXPECT_FALSE(TDockHost::Accepts(dsNone, twFarveBox));
}

TEST_F(MainformFixture, DockingPlacesToolWindowsAndSetsTheirOptions)
{
    TMainform& form = Start();
    form.resize(1000, 800);
    TDockHost& host = *form.DockHost();
    auto* box = new QWidget;
    box->setWindowTitle("Farveboks");
    form.Opt().ColDock = false;
    EXPECT_FALSE(host.Dock(box, twFarveBox, dsDropbogRed));
    ASSERT_TRUE(host.Dock(box, twFarveBox, dsDropbog));
    EXPECT_TRUE(form.Opt().ColDock);
    EXPECT_EQ(host.SiteOf(box), dsDropbog);
    EXPECT_EQ(form.dropbog->tabText(0), "Farveboks");
    QApplication::processEvents();
    // 300 pixels, or as wide as the widest docked window needs (the cliché box is docked too).
    EXPECT_EQ(form.dropbog->width(), qMax(300, form.dropbog->minimumSizeHint().width()));
    EXPECT_GE(form.dropbog->width(), form.Klicheform()->minimumSizeHint().width());

    host.Float(box, twFarveBox, QPoint(-5000, -5000));
    EXPECT_FALSE(form.Opt().ColDock);
    EXPECT_EQ(host.SiteOf(box), dsNone);
    EXPECT_TRUE(box->isWindow());
    EXPECT_EQ(box->parentWidget(), &form);
    EXPECT_GE(box->x(), 0); // pulled back onto the screen

    auto* gallery = new QWidget;
    ASSERT_TRUE(host.Dock(gallery, twPictureBox, dsBilledBog));
    EXPECT_TRUE(form.topBog->isTabVisible(TMainform::pgBilleder));
    form.showToolBox(false);
    EXPECT_FALSE(form.topBog->isVisible());
    EXPECT_FALSE(form.Opt().ToolDock);
    ASSERT_TRUE(CloseForm());
    TOptions written;
    ASSERT_TRUE(ReadOptionsFile(Folder.OptFilnavn, written));
    EXPECT_TRUE(written.GalDock);
}

TEST_F(MainformFixture, DroppedFilesOpenWholeAndFoldersOrOtherFilesAreSkipped)
{
    TMainform& form = Start();
    // A full name beyond 255 characters is used whole.
    const QString folder = QString(120, 'd') + "/" + QString(120, 'e');
    ASSERT_TRUE(QDir(Home.path()).mkpath(folder));
    const QString picture = WritePicture(folder + "/" + QString(40, 'p') + ".bmp");
    ASSERT_GT(picture.size(), 300);
    QFile text(Home.path() + "/readme.txt");
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("text");
    text.close();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(Home.path()), QUrl::fromLocalFile(text.fileName()),
                  QUrl::fromLocalFile(picture)});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &drop);
    ASSERT_EQ(form.Documents().size(), 1);
    EXPECT_EQ(form.GForm()->Image->Filnavn(), picture);
    EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(MainformFixture, PictureZoomRefusesPicturesBeyondTheMaximumAndTogglesTheMagnifier)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("big.bmp", 40, 20));
    form.AMiniPixExecute();
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages.first().startsWith("Billedets dimensioner overskrider"));
    EXPECT_FALSE(form.GForm()->MiniPix());

    form.HentPicture(WritePicture("small.bmp", 16, 16));
    form.Opt().GridCol = clBlue;
    form.AMiniPixExecute();
    EXPECT_TRUE(form.GForm()->MiniPix());
    EXPECT_EQ(form.GForm()->MiniPic->Felter()->GridFarve(), clBlue);
    form.AMiniPixExecute();
    EXPECT_FALSE(form.GForm()->MiniPix());
}
