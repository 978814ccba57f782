// The tool properties window as the main window carries it.
#include "MainformFixture.h"
#include "colours/ColorPan.h"
#include "colours/Farveform.h"
#include "toolprops/TpControls.h"
#include "toolprops/ToolPreview.h"
#include "toolprops/Tpform.h"
#include "widgets/Rulskakt.h"
#include <QAction>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {
QToolButton* ToolButton(TMainform& form, const char* action)
{
    return form.topBog->widget(TMainform::pgRedskaber)->findChild<QToolButton*>(QStringLiteral("Knap_") + action);
}
} // namespace

TEST_F(MainformFixture, ChoosingAToolShowsItsPageAndApplyReachesTheActivePicture)
{
    TMainform& form = Start();
    TTpform* tp = form.Tpform();
    ASSERT_NE(tp, nullptr);
    form.HentPicture(WritePicture("p.bmp", 60, 40));
    ASSERT_NE(form.GForm(), nullptr);
    form.topBog->setCurrentIndex(TMainform::pgRedskaber);
    QApplication::processEvents();
    QTest::mouseClick(ToolButton(form, "APil"), Qt::LeftButton);
    EXPECT_EQ(tp->TpBog->currentIndex(), TTpform::pgPil);
    EXPECT_EQ(tp->Pic2->ToolNr(), 33);
    tp->RulPilB->Bar->SetPosition(20);
    tp->UpdateActions();
    ASSERT_TRUE(tp->ARealiser->isEnabled());
    tp->ARealiser->trigger();
    EXPECT_EQ(form.GForm()->Image->PilBredde, 20);
    // The pair's other tool keeps the page; the main window's tool image follows the tool.
    QTest::mouseClick(ToolButton(form, "APilF"), Qt::LeftButton);
    EXPECT_EQ(tp->TpBog->currentIndex(), TTpform::pgPil);
    EXPECT_EQ(tp->RulPilB->Value(), 20);
    auto* image = form.findChild<QToolButton*>("ToolBillede");
    ASSERT_NE(image, nullptr);
    EXPECT_FALSE(image->icon().isNull());
    QTest::mouseClick(ToolButton(form, "ASpray"), Qt::LeftButton);
    EXPECT_EQ(tp->TpBog->currentIndex(), TTpform::pgSpray);
}

TEST_F(MainformFixture, TheToolPropertiesWindowDocksWithTheStandardLayoutAndFollowsTheLanguage)
{
    TMainform& form = Start();
    TTpform* tp = form.Tpform();
    // The standard layout of a first start docks it on the page "Redskaber"; the layout with
    // the tool line lets it float.
    EXPECT_EQ(form.DockHost()->SiteOf(tp), dsDropbogRed);
    form.poAction[3]->trigger();
    EXPECT_EQ(form.DockHost()->SiteOf(tp), dsNone);
    EXPECT_FALSE(form.dropbogRed->isVisibleTo(&form));
    EXPECT_EQ(tp->windowTitle(), "Redskabers egenskaber");
    form.Opt().Sprog = 1;
    form.SetSprog();
    EXPECT_EQ(tp->windowTitle(), "Tools properties");
    EXPECT_EQ(tp->ARealiser->text(), "Apply");
}

TEST_F(MainformFixture, ClosingTheLastPictureLeavesOnlyTheClipboardPage)
{
    TMainform& form = Start();
    TTpform* tp = form.Tpform();
    form.HentPicture(WritePicture("p.bmp", 60, 40));
    form.topBog->setCurrentIndex(TMainform::pgRedskaber);
    QApplication::processEvents();
    QTest::mouseClick(ToolButton(form, "ARamme"), Qt::LeftButton);
    EXPECT_TRUE(tp->TpBog->isTabVisible(TTpform::pgRamme));
    form.GForm()->close();
    QApplication::processEvents();
    EXPECT_FALSE(tp->TpBog->isTabVisible(TTpform::pgRamme));
    EXPECT_EQ(tp->TpBog->currentIndex(), TTpform::pgKlipbord);
}

TEST_F(MainformFixture, DockedByTheOptionAndItsFontsKeptAtClose)
{
    TOptions opt = StandardOptions();
    opt.ToolDock = true;
    ASSERT_TRUE(WriteOptionsFile(Folder.OptFilnavn, opt));
    TMainform& form = Start();
    TTpform* tp = form.Tpform();
    EXPECT_EQ(form.DockHost()->SiteOf(tp), dsDropbogRed);
    form.topBog->setCurrentIndex(TMainform::pgRedskaber);
    EXPECT_TRUE(tp->isVisible());
    tp->SetFonts("DejaVu Sans", 14, "DejaVu Sans Mono", 9);
    ASSERT_TRUE(CloseForm());
    const TProgstring written = HentProgstring(Folder.StringFilnavn, Folder);
    EXPECT_EQ(written.fontname1, "DejaVu Sans");
    EXPECT_EQ(written.fontsize1, 14);
    EXPECT_EQ(written.fontname2, "DejaVu Sans Mono");
    EXPECT_EQ(written.fontsize2, 9);
}

TEST_F(MainformFixture, ThePickedColourAndTheColourBoxColourFillTheTwoPixelFields)
{
    TMainform& form = Start();
    TTpform* tp = form.Tpform();
    form.HentPicture(WritePicture("p.bmp", 60, 40));
    form.GForm()->Image->SetToolNr(100);
    form.SetPixelfelt(clRed);
    ASSERT_NE(form.Farveform(), nullptr);
    form.Farveform()->SetOutFarve(clBlue, true, true);
    EXPECT_EQ(tp->Pixelfelt->GetColor(0), clRed);
    EXPECT_EQ(tp->Pixelfelt->GetColor(1), clBlue);
}
