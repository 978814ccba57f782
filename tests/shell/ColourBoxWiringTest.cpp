#include "colours/ColorPan.h"
#include "colours/Colform.h"
#include "colours/Farveform.h"
#include "colours/Palform.h"
#include "colours/Sortform.h"
#include "tests/shell/MainformFixture.h"
#include "widgets/Rulskakt.h"
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QToolButton>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

QPoint FieldCentre(const TColorPan& pan, int k)
{
    const TRect r = pan.Felt(k)->IR;
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

} // namespace

TEST_F(MainformFixture, ColourBoxAndPaletteBoxAreDockedAndSpeakTheProgramsLanguage)
{
    TMainform& form = Start();
    ASSERT_NE(form.Farveform(), nullptr);
    EXPECT_EQ(form.DockHost()->SiteOf(form.Farveform()), dsDropbog);
    EXPECT_EQ(form.DockHost()->SiteOf(form.Colform()), dsDropbog);
    const int page = form.dropbog->indexOf(form.DockHost()->PageOf(form.Farveform()));
    EXPECT_EQ(form.dropbog->tabText(page), "Farveboks");
    form.Opt().Sprog = 1;
    form.SetSprog();
    EXPECT_EQ(form.Farveform()->OkKnap->text(), "Apply");
    EXPECT_EQ(form.Colform()->windowTitle(), "Palettebox");
    EXPECT_EQ(form.dropbog->tabText(page), "Colorbox");
}

TEST_F(MainformFixture, ColourPickedInTheBoxReachesTheActivePicture)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("a.bmp"));
    TImagePic* pic = form.ActivePicture();
    ASSERT_NE(pic, nullptr);
    TFarveform& box = *form.Farveform();
    TColorPan& big = *box.BigSpal;
    box.SetPal(3);
    big.Paint();
    QTest::mouseClick(&big, Qt::LeftButton, {}, FieldCentre(big, 1));
    QTest::mouseClick(&big, Qt::RightButton, {}, FieldCentre(big, 2));
    EXPECT_EQ(pic->PenColor(), big.GetColor(1));
    EXPECT_EQ(pic->BrushColor(), big.GetColor(2));
    // The main window's colour fields hand their colour to the box.
    EXPECT_EQ(form.OutFarve(), big.GetColor(2));
    form.ShowPickedColour(clYellow);
    EXPECT_EQ(box.OutFarve, clYellow);
    // The palette box mirrors the tool colours; its palette gives colours to the tools, its
    // tool-colour fields only make the colour active.
    TColform& palettes = *form.Colform();
    EXPECT_EQ(palettes.PFpal->GetColor(0), big.GetColor(1));
    palettes.CreateKnapClick();
    palettes.ColPal->OnMus(palettes.ColPal, mbRight, 0);
    EXPECT_EQ(pic->BrushColor(), palettes.ColPal->GetColor(0));
    EXPECT_EQ(box.Fadepal->GetColor(2), palettes.ColPal->GetColor(0));
    const TColor fade0 = box.Fadepal->GetColor(0);
    palettes.PFpal->OnMus(palettes.PFpal, mbLeft, 2);
    EXPECT_EQ(box.OutFarve, palettes.PFpal->GetColor(2));
    EXPECT_EQ(box.Fadepal->GetColor(0), fade0);
    EXPECT_EQ(pic->PenColor(), big.GetColor(1));
}

TEST_F(MainformFixture, SameColorsGivesTheBoxColoursToTheNextActivatedPicture)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("a.bmp"));
    form.HentPicture(WritePicture("b.bmp"));
    TMalvoform* first = form.Documents().first();
    TMalvoform* second = form.Documents().last();
    ASSERT_EQ(form.GForm(), second);
    form.Farveform()->PenFyldFarver(mbLeft, clRed);
    form.Farveform()->PenFyldFarver(mbRight, clBlue);
    EXPECT_EQ(second->Image->PenColor(), clRed);

    form.mdiArea->setActiveSubWindow(first);
    ASSERT_EQ(form.GForm(), first);
    EXPECT_EQ(first->Image->PenColor(), clRed);
    EXPECT_EQ(first->Image->BrushColor(), clBlue);

    // Without the option each picture keeps its own colours and the box takes them.
    form.Opt().SameColors = false;
    second->Image->SetPenColor(clGreen);
    form.mdiArea->setActiveSubWindow(second);
    ASSERT_EQ(form.GForm(), second);
    EXPECT_EQ(second->Image->PenColor(), clGreen);
    EXPECT_EQ(form.Farveform()->PFpal->GetColor(0), clGreen);
}

TEST_F(MainformFixture, HexadecimalInputAndHelpLinesGoThroughTheColourBox)
{
    TMainform& form = Start();
    auto* hex = form.findChild<QLineEdit*>(QStringLiteral("HexEdit"));
    ASSERT_NE(hex, nullptr);
    hex->setText("#10A0FF");
    QTest::keyClick(hex, Qt::Key_Return);
    EXPECT_EQ(form.OutFarve(), RGB(0x10, 0xA0, 0xFF));
    EXPECT_EQ(form.Farveform()->RBar->Position(), 0x10);
    form.Farveform()->Informa(42);
    EXPECT_EQ(form.StatusPanel(2)->text(), "Normal redskabs realisering.");
}

TEST_F(MainformFixture, ColourWindowPlacesAndSortWeightsAreKeptAtClose)
{
    {
        TMainform& form = Start();
        // A layout preset chooses the box's size; the user's own layout keeps it.
        EXPECT_FALSE(form.Farveform()->SmallBox());
        form.SetPoNummer(2);
        EXPECT_TRUE(form.Farveform()->SmallBox());
        form.SetPoNummer(0);
        form.Farveform()->SetSmallBox(true);
        form.Sortform()->GBar->SetPosition(5);
        ASSERT_TRUE(CloseForm());
    }
    TMainform& again = Start();
    EXPECT_FALSE(again.Opt().BigColBox);
    EXPECT_TRUE(again.Farveform()->SmallBox());
    EXPECT_EQ(again.Opt().GPos, 5);
    EXPECT_EQ(again.Sortform()->GBar->Position(), 5);
}

TEST_F(MainformFixture, EveryTextOfTheColourWindowsIsSetInBothLanguages)
{
    TMainform& form = Start();
    const QList<QWidget*> windows = {form.Farveform(), form.Colform(), form.Palform(), form.Sortform()};
    const auto texts = [&] {
        QStringList all;
        for (QWidget* w : windows) {
            all << w->windowTitle();
            for (QLabel* label : w->findChildren<QLabel*>())
                all << label->text();
            for (QAbstractButton* button : w->findChildren<QAbstractButton*>())
                if (!qobject_cast<QTabBar*>(button->parent()))
                    all << button->text();
            for (QGroupBox* group : w->findChildren<QGroupBox*>())
                all << group->title();
        }
        return all;
    };
    const QStringList danish = texts();
    for (const QString& t : danish)
        EXPECT_FALSE(t.trimmed().isEmpty());
    form.Opt().Sprog = 1;
    form.SetSprog();
    const QStringList english = texts();
    for (const QString& t : english)
        EXPECT_FALSE(t.trimmed().isEmpty());
    EXPECT_NE(danish, english);
    EXPECT_TRUE(english.contains("Select palette from file"));
    EXPECT_TRUE(english.contains("Arrange colors"));
}

TEST_F(MainformFixture, FloatingColourWindowsCloseWithTheProgram)
{
    TMainform& form = Start();
    form.Opt().ColDock = false;
    form.Opt().ObjDock = false;
    form.ShowColourBox();
    form.ShowPaletteBoxWindow();
    form.Farveform()->sortKnap->click();
    EXPECT_EQ(form.DockHost()->SiteOf(form.Farveform()), dsNone);
    EXPECT_TRUE(form.Farveform()->isWindow());
    EXPECT_TRUE(form.Farveform()->isVisible());
    EXPECT_TRUE(form.Colform()->isVisible());
    EXPECT_TRUE(form.Sortform()->isVisible());
    EXPECT_EQ(form.Sortform()->Palnummer, 1);
    // Closing the floating box clears the hint panel.
    form.InfoHint("x");
    form.Farveform()->close();
    EXPECT_EQ(form.StatusPanel(2)->text().trimmed(), "");
    form.ShowColourBox();
    ASSERT_TRUE(CloseForm());
    Form.reset();
}
