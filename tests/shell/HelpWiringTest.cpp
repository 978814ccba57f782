// Help as the main window carries it: the help window, the topic lists of the page
// "Information", the help menu, the "Information" buttons and the second question dialog.
#include "MainformFixture.h"
#include "dialogs/HelpTopicPage.h"
#include "dialogs/HelpTopics.h"
#include "dialogs/InformationsForm.h"
#include "dialogs/SpmFormen.h"
#include "dialogs/TopicList.h"
#include "toolprops/Tpform.h"
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

namespace {

QString Shown(TMainform& form)
{
    return QFileInfo(form.InformationsForm().CurrentFile()).fileName();
}

void ClickRow(TTopicList* list, int row)
{
    list->doItemsLayout();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

} // namespace

TEST_F(MainformFixture, EveryTopicTheProgramOpensHasAnInstalledPage)
{
    TMainform& form = Start();
    QStringList topics = HelpTopics::ListedTopics();
    for (int tool = -1; tool <= 400; ++tool)
        topics << TTpform::HelpTopic(tool);
    // The colour box, palette dialog, picture and cliché boxes, text box and font window.
    topics << QStringList{"Redskabsfarverne", "Lidt om RGB", "Farveboks", "Paletter", "Paletteboks",
                          "Billedboks", "Klicheboks", "Tekstboks", "Tekst"};
    topics.removeDuplicates();
    for (const QString& topic : topics)
        EXPECT_TRUE(QFileInfo(form.Folder.infoDir + HelpTopics::PageName(topic)).isFile()) << topic.toStdString();
}

TEST_F(MainformFixture, HelpInfoNewShowsTheTopicAndSelectsItsChapter)
{
    TMainform& form = Start();
    form.HelpInfoNew("Tekstboks");
    TinformationsForm& help = form.InformationsForm();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(Shown(form), "Tekstboks.html");
    EXPECT_TRUE(help.Browser()->toPlainText().contains("Tekstboksen"));
    EXPECT_EQ(form.HelpTopicPage()->ItemBoxChapter(), 1);
    EXPECT_EQ(form.HelpTopicPage()->menuBox()->currentRow(), 1);
    form.HelpInfoNew("Tekstboks");
    EXPECT_EQ(help.History().Count(), 1);
    // A topic outside the lists leaves them as they were.
    form.HelpInfoNew("Velkommen");
    EXPECT_EQ(form.HelpTopicPage()->ItemBoxChapter(), 1);
    EXPECT_EQ(help.NulstilKnap()->text(), "Nulstil: 2");
}

TEST_F(MainformFixture, ThePageInformationOpensChaptersAndTheirEntries)
{
    TMainform& form = Start();
    form.topBog->setCurrentIndex(TMainform::pgInformation);
    QApplication::processEvents();
    THelpTopicPage* page = form.HelpTopicPage();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->parentWidget(), form.topBog->widget(TMainform::pgInformation));
    ClickRow(page->menuBox(), 2);
    EXPECT_EQ(Shown(form), "Multifarveredskaber.html");
    ASSERT_EQ(page->itemBox()->count(), 10);
    ClickRow(page->itemBox(), 9);
    EXPECT_EQ(Shown(form), "Cirkel vifte.html");
    EXPECT_EQ(form.InformationsForm().History().Entries(),
              QStringList({"Multifarveredskaber.html", "Cirkel vifte.html"}));
    // A link of the page leads to another page in the same window.
    emit form.InformationsForm().Browser()->anchorClicked(QUrl("Rektangel%20vifte.html"));
    EXPECT_EQ(Shown(form), "Rektangel vifte.html");
}

TEST_F(MainformFixture, InformationButtonsAndTheHelpMenu)
{
    TMainform& form = Start();
    const struct {
        int page;
        const char* file;
        int chapter;
    } buttons[] = {{TMainform::pgNyt, "Nyt.html", 4},
                   {TMainform::pgAndre, "Andre funktioner.html", 5},
                   {TMainform::pgEgenskaber, "Egenskaber.html", 7}};
    for (int i = 0; i < 3; ++i) {
        form.topBog->setCurrentIndex(buttons[i].page);
        QApplication::processEvents();
        auto* knap = form.findChild<QToolButton*>(QStringLiteral("infoKnap%1").arg(i));
        ASSERT_NE(knap, nullptr) << i;
        EXPECT_TRUE(knap->isVisible()) << i; // shown with its page only
        EXPECT_FALSE(form.findChild<QToolButton*>(QStringLiteral("infoKnap%1").arg((i + 1) % 3))->isVisible());
        QTest::mouseClick(knap, Qt::LeftButton);
        EXPECT_EQ(Shown(form), buttons[i].file);
        EXPECT_EQ(form.HelpTopicPage()->ItemBoxChapter(), buttons[i].chapter);
    }
    form.AVelkommen->trigger();
    EXPECT_EQ(Shown(form), "Velkommen.html");
    form.AGenvejstaster->trigger();
    EXPECT_EQ(Shown(form), "Genvejstaster.html");
    EXPECT_EQ(form.AVelkommen->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(form.AGenvejstaster->shortcut(), QKeySequence(Qt::Key_F9));
    // The tool properties window's button asks for the current tool's page.
    form.HentPicture(WritePicture("p.bmp"));
    auto* tpKnap = form.Tpform()->findChild<QToolButton*>(QStringLiteral("InfoKnap"));
    ASSERT_NE(tpKnap, nullptr);
    tpKnap->click();
    EXPECT_EQ(Shown(form), HelpTopics::PageName(TTpform::HelpTopic(form.GForm()->Image->ToolNr())));
}

TEST_F(MainformFixture, HelpFollowsTheLanguage)
{
    TMainform& form = Start();
    form.HelpInfoNew("Fokus");
    form.Opt().Sprog = 1;
    form.SetSprog();
    ASSERT_NE(form.MAndet, nullptr);
    EXPECT_TRUE(form.MAndet->actions().contains(form.AVelkommen));
    EXPECT_TRUE(form.MAndet->actions().contains(form.AGenvejstaster));
    EXPECT_EQ(form.AVelkommen->text(), "Welcome...");
    EXPECT_EQ(form.AGenvejstaster->text(), "Shortcut keys");
    EXPECT_EQ(form.HelpTopicPage()->menuBox()->item(0)->text(), "Drawing tools");
    EXPECT_EQ(form.InformationsForm().NulstilKnap()->text(), "Reset: 1");
    auto* knap = form.findChild<QToolButton*>(QStringLiteral("infoKnap2"));
    EXPECT_EQ(knap->statusTip(), "Help on the page Properties");
    form.HelpInfoNew("Ikke en side");
    EXPECT_TRUE(form.InformationsForm().Browser()->toPlainText().contains("does not exist"));
    form.Opt().Sprog = 0;
    form.SetSprog();
    EXPECT_EQ(form.AGenvejstaster->text(), "Genvejstaster...");
    EXPECT_TRUE(form.InformationsForm().Browser()->toPlainText().contains("findes ikke"));
    EXPECT_EQ(form.HelpTopicPage()->itemBox()->item(0)->text(), "Fokus");
}

TEST_F(MainformFixture, TheSecondQuestionDialogAsksWithItsTextList)
{
    TMainform& form = Start();
    QTimer::singleShot(0, [&form] {
        auto* dialog = form.findChild<TspmFormen*>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->info()->toPlainText(), "Skal listen ryddes?\nfavoritmapper.txt");
        EXPECT_EQ(dialog->JaKnap()->text(), "Ja");
        QTest::mouseClick(dialog->JaKnap(), Qt::LeftButton);
    });
    EXPECT_EQ(form.SpmOkAnnuller({"Skal listen ryddes?", "favoritmapper.txt"}), mrOk);
    form.Opt().Sprog = 1;
    QTimer::singleShot(0, [&form] {
        auto* dialog = form.findChild<TspmFormen*>();
        EXPECT_EQ(dialog->NejKnap()->text(), "No");
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(form.SpmOkAnnuller({"Clear the list?"}), mrCancel);
}
