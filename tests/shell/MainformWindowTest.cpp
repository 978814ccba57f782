// The main window's parts as the user sees them: status panels, tool book pages, layout
// presets, menus and every text in both languages.
#include "MainformFixture.h"
#include "shell/EgenskaberPage.h"
#include "shell/RadioGroup.h"
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

// Every text of the window and its menus: action captions and hints, menu titles, labels,
// buttons, group titles and tab texts, each with the name of its control.
QList<QPair<QString, QString>> AllTexts(TMainform& form)
{
    QList<QPair<QString, QString>> texts;
    for (QAction* action : form.findChildren<QAction*>()) {
        if (action->isSeparator() || action->objectName().isEmpty())
            continue;
        texts.append({action->objectName() + " caption", action->text()});
        texts.append({action->objectName() + " hint", action->statusTip()});
    }
    for (QMenu* menu : form.findChildren<QMenu*>())
        if (!menu->objectName().isEmpty() && menu->objectName() != "PU")
            texts.append({menu->objectName(), menu->title()});
    // Labels and buttons of the main window itself: dialogs fill theirs when they are shown, and
    // image buttons carry a hint instead of a text (the object indicator is blank without a picture).
    // Unnamed labels of docked tool windows show values while in use.
    for (QLabel* label : form.findChildren<QLabel*>())
        if (label->window() == &form && !label->objectName().isEmpty() && !label->objectName().startsWith("infoPanel") && label->objectName() != "poLabelBH" && label->pixmap().isNull())
            texts.append({label->objectName(), label->text()});
    for (QAbstractButton* button : form.findChildren<QAbstractButton*>())
        if (button->window() == &form && button->icon().isNull() && button->objectName() != "ObjektButton" && (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button) || button->objectName().endsWith("Knap")
            || (button->objectName().endsWith("Button") && !qobject_cast<QTabBar*>(button->parent()))))
            texts.append({button->objectName(), button->text()});
    for (QGroupBox* group : form.findChildren<QGroupBox*>())
        texts.append({group->objectName(), group->title()});
    for (QTabWidget* book : {form.topBog, form.bogLinje})
        for (int i = 0; i < book->count(); ++i)
            texts.append({book->objectName() + QString::number(i), book->tabText(i)});
    return texts;
}

// The top-left corner of a part in window coordinates, after the layouts have settled.
QPoint At(TMainform& form, QWidget* part)
{
    QApplication::processEvents();
    form.centralWidget()->layout()->activate();
    return part->mapTo(&form, QPoint());
}

QStringList TabTexts(QTabWidget* book)
{
    QStringList texts;
    for (int i = 0; i < book->count(); ++i)
        texts.append(book->tabText(i));
    return texts;
}

} // namespace

TEST_F(MainformFixture, StatusBarHasTwoPositionPanelsAndAHintPanelThatTakesStatusTips)
{
    TMainform& form = Start();
    EXPECT_EQ(form.StatusPanel(0)->width(), 50);
    EXPECT_EQ(form.StatusPanel(1)->width(), 50);
    EXPECT_GT(form.StatusPanel(2)->width(), 300);
    EXPECT_EQ(form.StatusPanel(0)->text(), "X:");
    EXPECT_EQ(form.StatusPanel(1)->text(), "Y:");
    EXPECT_EQ(form.StatusPanel(3), nullptr);

    // Hovering a menu item sends its status tip to the window: it lands in panel 2 and the
    // panels stay visible (no temporary message covers them).
    form.FileAction("ANewMalvo")->showStatusText(&form);
    EXPECT_EQ(form.StatusPanel(2)->text(), "Nyt tomt billede: Ctrl+N");
    EXPECT_TRUE(form.statusBar()->currentMessage().isEmpty());
    EXPECT_TRUE(form.StatusPanel(0)->isVisible());
    form.InfoHint(QString());
    EXPECT_TRUE(form.StatusPanel(2)->text().isEmpty());
}

TEST_F(MainformFixture, ToolBookHasItsSevenPagesInBothLanguages)
{
    TMainform& form = Start();
    EXPECT_EQ(TabTexts(form.topBog), (QStringList{"Nyt", "Redskaber", "Andre funktioner", "Billeder", "Egenskaber",
                                                  "Information", "Version"}));
    EXPECT_EQ(TabTexts(form.bogLinje), (QStringList{"Redskaber", "Pen og canvas", "Redskabsrealisering og objektmanipulering",
                                                    "Billedbehandling", "Farvebehandling"}));
    // "Billeder" is shown only while the picture box is docked there.
    EXPECT_FALSE(form.topBog->isTabVisible(TMainform::pgBilleder));
    QTest::mouseClick(form.Egenskaber->sprogBox->Item(1), Qt::LeftButton);
    EXPECT_EQ(form.Opt().Sprog, 1);
    EXPECT_EQ(TabTexts(form.topBog), (QStringList{"New", "Tools", "Other functions", "Pictures", "Properties",
                                                  "Information", "Version"}));
    EXPECT_EQ(form.MFile->title(), "File");
    EXPECT_EQ(form.FileAction("ANewMalvo")->text(), "New picture");
}

TEST_F(MainformFixture, EveryTextIsSetInBothLanguagesAndSwitchingBackRestoresTheDanish)
{
    TMainform& form = Start();
    const auto danish = AllTexts(form);
    ASSERT_GT(danish.size(), 100);
    for (const auto& [control, text] : danish)
        EXPECT_FALSE(text.trimmed().isEmpty()) << "Danish: " << control.toStdString();

    form.Opt().Sprog = 1;
    form.SetSprog();
    const auto english = AllTexts(form);
    ASSERT_EQ(english.size(), danish.size());
    for (const auto& [control, text] : english)
        EXPECT_FALSE(text.trimmed().isEmpty()) << "English: " << control.toStdString();
    EXPECT_NE(english, danish);
    EXPECT_EQ(form.Egenskaber->ArtBox->itemText(0), "3D in");
    EXPECT_EQ(form.textShowCheck->statusTip(), "Show clipboard after copy and cut");

    form.Opt().Sprog = 0;
    form.SetSprog();
    EXPECT_EQ(AllTexts(form), danish);
    EXPECT_EQ(form.Egenskaber->ArtBox->itemText(0), "3D ind");
    EXPECT_EQ(form.Egenskaber->ArtBox->itemText(1), "Flad");
    EXPECT_EQ(form.Egenskaber->ArtBox->itemText(2), "3D ud");
}

TEST_F(MainformFixture, EnglishOptionsStartTheWholeWindowInEnglish)
{
    TOptions stored = StandardOptions();
    stored.Sprog = 1;
    ASSERT_TRUE(WriteOptionsFile(Folder.OptFilnavn, stored));
    TMainform& form = Start();
    EXPECT_EQ(form.MVindue->title(), "Window");
    EXPECT_EQ(form.Egenskaber->sprogBox->ItemIndex(), 1);
    EXPECT_EQ(form.Egenskaber->sprogBox->Item(0)->text(), "Danish");
    EXPECT_EQ(form.FileAction("ACloseProg")->statusTip(), "Close the program: Ctrl+Q");
    form.HentPicture(WritePicture("p.bmp"));
    EXPECT_EQ(form.GForm()->Image->Sprog(), stEngelsk);
}

TEST_F(MainformFixture, LayoutPresetsSetSizeToolLineAndToolBook)
{
    TMainform& form = Start();
    ASSERT_EQ(form.Prog.poNummer, 1);
    EXPECT_EQ(form.size(), QSize(1091, 982));
    EXPECT_FALSE(form.poAction[1]->isEnabled());
    EXPECT_TRUE(form.poAction[0]->isEnabled());
    EXPECT_TRUE(form.topBog->isVisible());
    EXPECT_TRUE(form.Opt().ToolDock);
    EXPECT_FALSE(form.bogLinje->isVisible());

    form.poAction[3]->trigger();
    EXPECT_EQ(form.size(), QSize(1091, 560));
    EXPECT_TRUE(form.bogLinje->isVisible());
    EXPECT_FALSE(form.topBog->isVisible());
    EXPECT_FALSE(form.Opt().ToolDock);
    EXPECT_FALSE(form.Opt().BigColBox);
    EXPECT_FALSE(form.poAction[3]->isEnabled());

    form.poAction[2]->trigger();
    EXPECT_EQ(form.size(), QSize(1091, 795));
    EXPECT_FALSE(form.bogLinje->isVisible());
    EXPECT_TRUE(form.topBog->isVisible());
    EXPECT_TRUE(form.Opt().ToolDock);

    form.Opt().MainW = 800;
    form.Opt().MainH = 600;
    form.poAction[0]->trigger();
    EXPECT_EQ(form.size(), QSize(800, 600));
    EXPECT_FALSE(form.poAction[0]->isEnabled());
    EXPECT_EQ(form.Egenskaber->poLabelBH->text(), "800 | 600");
}

TEST_F(MainformFixture, RowsFollowThePlacementsAndTheDockBookItsSide)
{
    TMainform& form = Start();
    form.resize(1000, 800);
    form.SetToolLineVisible(true);
    EXPECT_LT(At(form, form.bogLinje).y(), At(form, form.mdiArea).y());
    EXPECT_GT(At(form, form.topBog).y(), At(form, form.mdiArea).y());
    QTest::mouseClick(form.Egenskaber->redskabsPladsRadio->Item(0), Qt::LeftButton);
    EXPECT_TRUE(form.ToolBookTop());
    EXPECT_LT(At(form, form.topBog).y(), At(form, form.mdiArea).y());
    QTest::mouseClick(form.Egenskaber->linjePladsRadio->Item(1), Qt::LeftButton);
    EXPECT_GT(At(form, form.bogLinje).y(), At(form, form.mdiArea).y());

    EXPECT_GT(At(form, form.dropbog).x(), At(form, form.mdiArea).x());
    QTest::mouseClick(form.Egenskaber->redGroup->Item(0), Qt::LeftButton);
    EXPECT_EQ(form.Opt().PladsRed, 0);
    EXPECT_LT(At(form, form.dropbog).x(), At(form, form.mdiArea).x());
    // The icon palette panel goes to the other side.
    form.MIkonPalette->trigger();
    EXPECT_TRUE(form.iconRamme->isVisible());
    EXPECT_GT(At(form, form.iconRamme).x(), At(form, form.mdiArea).x());
}

TEST_F(MainformFixture, TabBarSortsNamesWithoutRegardToCaseAndKeepsTheActiveTab)
{
    TMainform& form = Start();
    for (const char* name : {"delta.bmp", "Alfa.bmp", "charlie.bmp", "bravo.bmp"})
        form.HentPicture(WritePicture(name));
    const QString active = form.GForm()->PNavn;
    form.MSorter->trigger();
    QStringList tabs;
    for (int i = 0; i < form.TabCon->count(); ++i)
        tabs.append(form.TabCon->tabText(i));
    EXPECT_EQ(tabs, (QStringList{"Alfa.bmp", "bravo.bmp", "charlie.bmp", "delta.bmp"}));
    EXPECT_EQ(form.TabCon->tabText(form.TabCon->currentIndex()), active);
    EXPECT_EQ(form.GForm()->PNavn, active);

    // Choosing a tab activates its document.
    form.TabCon->setCurrentIndex(0);
    EXPECT_EQ(form.GForm()->PNavn, "Alfa.bmp");
}
