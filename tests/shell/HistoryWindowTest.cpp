// The undo history as the user meets it: the undo and redo commands name their steps in both
// languages, the history window lists the active picture's steps and jumps to a clicked one,
// and undoing past a save leaves the picture to be saved.
#include "MainformFixture.h"
#include "shell/EgenskaberPage.h"
#include "shell/HistoryWindow.h"
#include "shell/Malvoform.h"
#include "appcore/Settings.h"
#include "engine/HistoryBudget.h"
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {
class HistoryTest : public MainformFixture {
protected:
    TImagePic& Open(const QString& name)
    {
        Form->HentPicture(WritePicture(name, 60, 40));
        QApplication::processEvents();
        return *Form->GForm()->Image;
    }

    // A filled rectangle dragged from x, as the user draws it.
    void Rectangle(TImagePic& pic, int x)
    {
        Act("ARektF")->trigger();
        QTest::mousePress(&pic, Qt::LeftButton, {}, {x, 5});
        QTest::mouseMove(&pic, {x + 8, 20});
        QTest::mouseRelease(&pic, Qt::LeftButton, {}, {x + 8, 20});
        QApplication::processEvents();
        Form->UpdateActions();
    }

    void Ellipse(TImagePic& pic)
    {
        Act("AEllipseF")->trigger();
        QTest::mousePress(&pic, Qt::LeftButton, {}, {30, 22});
        QTest::mouseMove(&pic, {50, 35});
        QTest::mouseRelease(&pic, Qt::LeftButton, {}, {50, 35});
        QApplication::processEvents();
        Form->UpdateActions();
    }

    QListWidget& List() { return *Form->HistoryWindow()->List(); }

    void ClickRow(int row)
    {
        QListWidget& list = List();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
        QApplication::processEvents();
    }

    void SetEnglish(bool english)
    {
        Form->Opt().Sprog = english ? 1 : 0;
        Form->SetSprog();
        Form->UpdateActions();
    }
};
} // namespace

TEST_F(HistoryTest, UndoAndRedoNameTheirStepsInBothLanguages)
{
    Start();
    TImagePic& pic = Open("captions.bmp");
    QAction* undo = Act("AUndo");
    QAction* redo = Act("ARedo");
    Rectangle(pic, 2);
    Ellipse(pic);
    EXPECT_EQ(undo->text(), QStringLiteral("Annuller ellipse"));
    EXPECT_EQ(undo->statusTip(), QStringLiteral("Annuller ellipse: Ctrl+Z"));
    EXPECT_FALSE(redo->isEnabled());
    undo->trigger();
    Form->UpdateActions();
    EXPECT_EQ(undo->text(), QStringLiteral("Annuller rektangel"));
    EXPECT_EQ(redo->text(), QStringLiteral("Gentag ellipse"));
    EXPECT_EQ(redo->statusTip(), QStringLiteral("Gentag ellipse: Ctrl+Y"));
    undo->trigger();
    Form->UpdateActions();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(pic.InfoString(), QStringLiteral("Annuller sidste forandring"));
    EXPECT_EQ(redo->text(), QStringLiteral("Gentag rektangel"));

    // Steps taken in English are named in English; the Danish ones keep their names.
    SetEnglish(true);
    redo->trigger();
    Form->UpdateActions();
    Rectangle(pic, 40);
    EXPECT_EQ(undo->text(), QStringLiteral("Undo rectangle"));
    undo->trigger();
    Form->UpdateActions();
    EXPECT_EQ(redo->text(), QStringLiteral("Redo rectangle"));
    EXPECT_EQ(undo->text(), QStringLiteral("Annuller rektangel"));
    undo->trigger();
    Form->UpdateActions();
    EXPECT_EQ(pic.InfoString(), QStringLiteral("Undo last action"));
}

TEST_F(HistoryTest, TheWindowListsTheStepsMarksTheCurrentOneAndJumpsToAClickedOne)
{
    Start();
    TImagePic& pic = Open("window.bmp");
    std::vector<QImage> states{pic.Picture().Image()};
    for (int x : {2, 14, 26}) {
        Rectangle(pic, x);
        states.push_back(pic.Picture().Image());
    }
    Act("AHistorik")->trigger();
    Form->UpdateActions();
    EXPECT_TRUE(Act("AHistorik")->isChecked());
    EXPECT_NE(Form->dropbog->indexOf(Form->HistoryWindow()->parentWidget()->parentWidget()), -1);
    ASSERT_EQ(List().count(), 4);
    EXPECT_EQ(List().item(0)->text(), QStringLiteral("Før første trin"));
    EXPECT_EQ(List().item(1)->text(), QStringLiteral("Rektangel"));
    EXPECT_FALSE(List().item(3)->icon().isNull());
    EXPECT_EQ(List().currentRow(), 3);
    EXPECT_TRUE(List().item(3)->font().bold());

    ClickRow(1);
    EXPECT_TRUE(pic.Picture().Image() == states[1]);
    EXPECT_EQ(List().currentRow(), 1);
    EXPECT_TRUE(List().item(1)->font().bold());
    EXPECT_FALSE(List().item(3)->font().bold());
    EXPECT_TRUE(Act("ARedo")->isEnabled());
    ClickRow(3);
    EXPECT_TRUE(pic.Picture().Image() == states[3]);
    ClickRow(0);
    EXPECT_TRUE(pic.Picture().Image() == states[0]);
    EXPECT_FALSE(Act("AUndo")->isEnabled());

    // A new step after the jump ends the steps that could be redone.
    ClickRow(2);
    Ellipse(pic);
    ASSERT_EQ(List().count(), 4);
    EXPECT_EQ(List().item(3)->text(), QStringLiteral("Ellipse"));
    EXPECT_FALSE(Act("ARedo")->isEnabled());

    SetEnglish(true);
    EXPECT_EQ(Form->HistoryWindow()->windowTitle(), QStringLiteral("History"));
    EXPECT_EQ(List().item(0)->text(), QStringLiteral("Before the first step"));

    Act("AHistorik")->trigger();
    Form->UpdateActions();
    EXPECT_FALSE(Form->HistoryShown());
    EXPECT_FALSE(Act("AHistorik")->isChecked());
}

// The rows follow the steps without being made anew: through new steps, steps the budget
// drops and steps a new one forgets, each row names its step, shows its finished picture and
// has the state of the current position.
TEST_F(HistoryTest, TheRowsFollowNewDroppedAndForgottenStepsAndKeepTheOthers)
{
    const qint64 savedLimit = THistoryBudget::Instance().Limit();
    Start();
    TImagePic& pic = Open("rows.bmp");
    Form->SetHistoryVisible(true);
    Form->UpdateActions();
    const auto expectRowsMatch = [&](const char* when) {
        const THistory& h = pic.History();
        ASSERT_EQ(List().count(), h.Count() + 1) << when;
        const QColor grey = List().palette().color(QPalette::Disabled, QPalette::Text);
        for (int row = 0; row < List().count(); ++row) {
            QListWidgetItem* item = List().item(row);
            EXPECT_EQ(item->font().bold(), row == h.Applied()) << when << " row " << row;
            EXPECT_EQ(item->foreground().color() == grey, row > h.Applied()) << when << " row " << row;
            if (row == 0)
                continue;
            EXPECT_EQ(item->toolTip(), h.StepCaption(row - 1)) << when << " row " << row;
            if (row < h.Count()) { // a finished step shows the picture after it
                const QImage shown = item->icon().pixmap(THistory::kThumbnailSide).toImage();
                const QImage thumbnail = h.Thumbnail(row - 1);
                ASSERT_EQ(shown.size(), thumbnail.size()) << when << " row " << row;
                EXPECT_EQ(shown.pixel(shown.width() / 2, shown.height() / 4),
                          thumbnail.pixel(thumbnail.width() / 2, thumbnail.height() / 4))
                    << when << " row " << row;
            }
        }
        EXPECT_EQ(List().currentRow(), h.Applied()) << when;
    };
    // Rectangles and ellipses by turns, so that a row of the wrong step shows.
    for (int x : {2, 22}) {
        Rectangle(pic, x);
        Ellipse(pic);
    }
    expectRowsMatch("four steps");
    QListWidgetItem* second = List().item(2);
    Rectangle(pic, 32);
    expectRowsMatch("a new step");
    EXPECT_EQ(List().item(2), second); // the rows that stay are the same rows

    // A small budget drops the oldest steps: their rows go from the top.
    THistoryBudget::Instance().SetLimit(pic.History().Bytes() / 2);
    Rectangle(pic, 40);
    THistoryBudget::Instance().SetLimit(savedLimit);
    EXPECT_LT(pic.History().Count(), 6);
    expectRowsMatch("after the budget dropped steps");

    // Two undos and a new step: the two undone steps' rows go from the bottom.
    Act("AUndo")->trigger();
    Form->UpdateActions();
    Act("AUndo")->trigger();
    Form->UpdateActions();
    expectRowsMatch("two undos");
    Ellipse(pic);
    expectRowsMatch("a new step after two undos");
}

TEST_F(HistoryTest, TheListFollowsTheActiveDocument)
{
    Start();
    TImagePic& first = Open("first.bmp");
    Rectangle(first, 2);
    Rectangle(first, 20);
    TImagePic& second = Open("second.bmp");
    Ellipse(second);
    Form->SetHistoryVisible(true);
    Form->UpdateActions();
    ASSERT_EQ(List().count(), 2);
    EXPECT_EQ(List().item(1)->text(), QStringLiteral("Ellipse"));
    for (QMdiSubWindow* sub : Form->mdiArea->subWindowList())
        if (auto* doc = dynamic_cast<TMalvoform*>(sub); doc && doc->Image == &first)
            Form->mdiArea->setActiveSubWindow(sub);
    QApplication::processEvents();
    Form->UpdateActions();
    ASSERT_EQ(List().count(), 3);
    EXPECT_EQ(List().item(2)->text(), QStringLiteral("Rektangel"));
    EXPECT_EQ(List().currentRow(), 2);
}

TEST_F(HistoryTest, UndoingPastTheSaveLeavesThePictureToBeSaved)
{
    Start();
    TImagePic& pic = Open("saved.bmp");
    Rectangle(pic, 2);
    Form->FileCommands().Action(QStringLiteral("ASaveMalvo"))->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(pic.Modified());
    Act("AUndo")->trigger();
    EXPECT_TRUE(pic.Modified());
    Act("ARedo")->trigger();
    // Back at the saved state the picture still counts as changed: the user is asked.
    EXPECT_TRUE(pic.Modified());
    EXPECT_TRUE(CloseForm());
    EXPECT_EQ(Questions, 1);
}

TEST_F(HistoryTest, TheBudgetIsSetOnThePageEgenskaberAndKeptInTheSettingsFile)
{
    const qint64 saved = THistoryBudget::Instance().Limit();
    Start();
    EXPECT_EQ(Form->Egenskaber->historyBudgetBox->value(), int(THistoryBudget::DefaultLimit() >> 20));
    Form->Egenskaber->historyBudgetBox->setValue(300);
    EXPECT_EQ(THistoryBudget::Instance().Limit(), qint64(300) << 20);
    Form->SetHistoryVisible(true);
    EXPECT_TRUE(CloseForm());
    Form.reset();
    const QByteArray settings = ReadAll(TSettings::FileNameIn(Folder));
    EXPECT_TRUE(settings.contains("Historik.MB=300")) << settings.toStdString();
    EXPECT_TRUE(settings.contains("Historik.Vis=1"));
    // The next start takes both back.
    Start();
    EXPECT_EQ(Form->Egenskaber->historyBudgetBox->value(), 300);
    EXPECT_TRUE(Form->HistoryShown());
    THistoryBudget::Instance().SetLimit(saved);
}
