#include "FakeDocumentHost.h"
#include "dialogs/Spmform.h"
#include "shell/NytPage.h"
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>


TEST(Malvoform, NewPicturesGetConsecutiveNamesInTheLanguageAndNumbersAreNeverReused)
{
    FakeDocumentHost host;
    MakeNew(host, 3, 1);
    ASSERT_EQ(host.Forms().size(), 3);
    EXPECT_EQ(host.Tabs, (QStringList{"UdenNavn1.jpg", "UdenNavn2.jpg", "UdenNavn3.jpg"}));
    EXPECT_EQ(host.PictureCount(), 3);
    EXPECT_EQ(host.GForm()->windowTitle(), QStringLiteral("UdenNavn3.jpg"));
    EXPECT_EQ(host.GForm()->Image->Picture().Width(), 40);
    EXPECT_TRUE(host.GForm()->isMaximized());

    host.GForm()->close();
    EXPECT_EQ(host.PictureCount(), 2);
    host.Options.Sprog = 1;
    MakeNew(host, 1, 0);
    EXPECT_EQ(host.GForm()->PNavn, QStringLiteral("Noname4.bmp"));
    MakeNew(host, 1, 2);
    EXPECT_EQ(host.GForm()->PNavn, QStringLiteral("Noname5.ico"));
    EXPECT_EQ(host.ZoomCommands, 1) << "an icon opens with the magnifier";
}

TEST(Malvoform, MagnifierCellSizeAtEveryBoundary)
{
    const std::pair<int, int> table[] = {{0, 16},  {16, 16}, {17, 12}, {24, 12}, {25, 10}, {32, 10},
                                         {33, 8},  {64, 8},  {65, 6},  {80, 6},  {81, 4},  {128, 4},
                                         {129, 3}, {160, 3}, {161, 2}, {5000, 2}};
    for (const auto& [side, dim] : table) {
        EXPECT_EQ(TMalvoform::MiniDimFor(side, side), dim) << side;
        EXPECT_EQ(TMalvoform::MiniDimFor(side, 0), dim) << side;
        EXPECT_EQ(TMalvoform::MiniDimFor(0, side), dim) << side;
    }
    EXPECT_EQ(TMalvoform::MiniDimFor(161, 20), 2);
    EXPECT_EQ(TMalvoform::MiniDimFor(-1, -1), 2);
}

TEST(Malvoform, ClipFilesTakeTheNextFreeNumberAndAreWrittenAsBitmaps)
{
    FakeDocumentHost host;
    host.GemKlip = true;
    const QString folder = host.KlipbordBib();
    for (const char* name : {"/Klip_0000.bmp", "/Klip_0001.bmp"}) {
        QFile f(folder + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    host.SetKlipbordCount(0);
    MakeNew(host, 1);
    host.GForm()->Image->Copy();
    EXPECT_EQ(host.KlipbordCount(), 2);
    TBitmap clip;
    QFile written(folder + QStringLiteral("/Klip_0002.bmp"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    ASSERT_TRUE(PictureCodecs::ReadBmp(written.readAll(), clip));
    EXPECT_EQ(clip.Width(), 40);
    EXPECT_EQ(TMalvoform::ClipFileName(QStringLiteral("d"), 12345), QStringLiteral("d/Klip_12345.bmp"));

    host.GemKlip = false;
    host.GForm()->Image->Copy();
    EXPECT_EQ(host.KlipbordCount(), 2) << "without \"Gem klip\" no file is written";
}

TEST(Malvoform, ClosingAnUnmodifiedPictureAsksNothingAndResetsTheStatus)
{
    FakeDocumentHost host;
    MakeNew(host, 1);
    host.GForm()->ShowMousePosition(3, 4);
    EXPECT_EQ(host.Panels[0], QStringLiteral("X: 3"));
    EXPECT_TRUE(host.GForm()->close());
    EXPECT_EQ(host.Questions, 0);
    EXPECT_TRUE(host.Tabs.isEmpty());
    EXPECT_EQ(host.GForm(), nullptr);
    EXPECT_EQ(host.Panels[0], QStringLiteral("X:"));
    EXPECT_EQ(host.Panels[1], QStringLiteral("Y:"));
}

TEST(Malvoform, SavePromptShowsItsTextsAndCancelOrEscapeKeepTheWindow)
{
    FakeDocumentHost host;
    MakeNew(host, 1);
    QPointer<TMalvoform> form = host.GForm();
    Modify(*form);
    QString shown;
    host.Answer = [&](TSpmform& question) {
        shown = question.Memo()->toPlainText();
        QTest::mouseClick(question.AnnullerKnap(), Qt::LeftButton);
        return question.ModalResult();
    };
    EXPECT_FALSE(form->close());
    EXPECT_EQ(shown, QStringLiteral("Billedet:\nUdenNavn1.bmp er modificeret!\nSkal det gemmes?"));
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->Image->Modified());
    EXPECT_EQ(host.PictureCount(), 1);

    host.Answer = [](TSpmform& question) {
        question.show();
        QTest::keyClick(&question, Qt::Key_Escape);
        return question.ModalResult();
    };
    EXPECT_FALSE(form->close());
    EXPECT_EQ(host.Tabs, QStringList{"UdenNavn1.bmp"});

    host.Options.Sprog = 1;
    host.Answer = [&](TSpmform& question) {
        shown = question.Memo()->toPlainText() + QLatin1Char('|') + question.JaKnap()->text();
        QTest::mouseClick(question.NejKnap(), Qt::LeftButton);
        return question.ModalResult();
    };
    EXPECT_TRUE(form->close());
    EXPECT_EQ(shown, QStringLiteral("The picture:\nUdenNavn1.bmp is modified!\nDo you want to save it?|Yes"));
    EXPECT_EQ(host.PictureCount(), 0);
}

TEST(Malvoform, SavePromptYesSavesOrKeepsTheWindowWhenTheSaveDialogIsCancelledOrTheSaveFails)
{
    FakeDocumentHost host;
    QTemporaryDir dir;
    MakeNew(host, 1);
    QPointer<TMalvoform> form = host.GForm();
    Modify(*form);
    host.Answer = [](TSpmform& question) {
        QTest::mouseClick(question.JaKnap(), Qt::LeftButton);
        return question.ModalResult();
    };

    host.Choose.clear();
    EXPECT_FALSE(form->close()) << "cancelling the save dialog cancels the close";
    EXPECT_EQ(host.FileDialogRuns, 1);
    EXPECT_EQ(host.LastDialogFilter, QStringLiteral("Bitmaps (*.bmp)"));

    host.Choose = QStringList{dir.filePath(QStringLiteral("nowhere/x.bmp"))};
    EXPECT_FALSE(form->close());
    EXPECT_EQ(host.Messages, QStringList{"Fejl: Filen kunne ikke gemmes!"});
    ASSERT_TRUE(form);

    const QString target = dir.filePath(QStringLiteral("hus.bmp"));
    host.Choose = QStringList{target};
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_EQ(host.PictureCount(), 0);
}

TEST(Malvoform, SavePromptYesWritesAnExistingFileWithoutTheDialog)
{
    FakeDocumentHost host;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.bmp"));
    MakeNew(host, 1);
    ASSERT_TRUE(host.GForm()->Image->SaveBitmap(file));
    Modify(*host.GForm());
    host.Answer = [](TSpmform&) { return mrYes; };
    EXPECT_TRUE(host.GForm()->close());
    EXPECT_EQ(host.FileDialogRuns, 0);
    TBitmap saved;
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    ASSERT_TRUE(PictureCodecs::ReadBmp(f.readAll(), saved));
    EXPECT_EQ(saved.Canvas().Pixels(1, 1), clRed);
}

TEST(Malvoform, WindowFitsThePictureUnlessMaximised)
{
    FakeDocumentHost host;
    MakeNew(host, 1, 0, "100", "50");
    TMalvoform& form = *host.GForm();
    const QSize maximised = form.size();
    form.ResizeFormToPic();
    EXPECT_EQ(form.size(), maximised);

    form.showNormal();
    form.ResizeFormToPic();
    EXPECT_EQ(form.ClientSize(), QSize(124, 74));
    EXPECT_EQ(form.Image->pos(), QPoint(12, 12));

    form.SetMiniPix(true);
    form.MiniBitmap(true, true);
    EXPECT_TRUE(form.MiniPic->isVisible());
    EXPECT_EQ(form.MiniPic->Felter()->FeltDim(), 4);
    EXPECT_EQ(form.MiniPic->pos(), QPoint(2 * 12 + 100, 12));
    EXPECT_EQ(form.ClientSize(), QSize(3 * 12 + 100 + form.MiniPic->GetWidth(), 2 * 12 + form.MiniPic->GetHeight()));

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("b.bmp"));
    ASSERT_TRUE(WritePicture(file, 30, 20, clWhite));
    ASSERT_TRUE(form.Image->LoadBitmap(file));
    EXPECT_FALSE(form.MiniPix());
    EXPECT_FALSE(form.MiniPic->isVisible());
    EXPECT_EQ(host.ZoomCommands, 1) << "the zoom command shows the magnifier again for the new size";
    EXPECT_EQ(form.ClientSize(), QSize(54, 44));
}

TEST(Malvoform, EventsReachTheStatusBarAndTheOneShotColourPicksReturnToTheTool)
{
    FakeDocumentHost host;
    MakeNew(host, 1);
    TMalvoform& form = *host.GForm();
    form.Image->setMouseTracking(true);
    QTest::mouseMove(form.Image, QPoint(7, 9));
    EXPECT_EQ(host.Panels[0], QStringLiteral("X: 7"));
    EXPECT_EQ(host.Panels[1], QStringLiteral("Y: 9"));

    form.OldToolNr = 5;
    form.ReturnToTool = true;
    form.Image->SetToolNr(100);
    form.Image->OnPixelInfo(form.Image, 0, 0, 0, 0, 255, 0xFF0000, mbLeft);
    EXPECT_EQ(form.Image->MetaFarve(), 0xFF0000);
    EXPECT_EQ(form.Image->ToolNr(), 5);
    EXPECT_FALSE(form.ReturnToTool);

    form.Image->SetToolNr(101);
    form.OldToolNr = 7;
    const int refreshes = host.ObjektRefreshes;
    form.Image->OnObjekt(form.Image, false, 0);
    EXPECT_EQ(form.Image->ToolNr(), 7) << "the selection-copy tool hands back the former tool";
    EXPECT_EQ(host.UserToolnummer(), 7);
    EXPECT_EQ(host.ObjektRefreshes, refreshes + 1);

    host.Options.Sprog = 1;
    bool noNew = true;
    form.Image->OnFriFocus(form.Image, noNew);
    EXPECT_FALSE(noNew);
    EXPECT_EQ(host.Messages, QStringList{"No more capacity!\nThe area has been copied."});
}

TEST(Malvoform, ActivationMakesTheWindowCurrentAndSharesTheTool)
{
    FakeDocumentHost host;
    MakeNew(host, 2);
    TMalvoform* first = host.Forms().first();
    ASSERT_NE(host.GForm(), first);
    host.SetUserToolnummer(12);
    host.Area->setActiveSubWindow(first);
    EXPECT_EQ(host.GForm(), first);
    EXPECT_EQ(host.FocusedTab, QStringLiteral("UdenNavn1.bmp"));
    EXPECT_EQ(first->Image->ToolNr(), 12);
}

TEST(Malvoform, RightClickBesideThePictureOpensThePictureMenu)
{
    FakeDocumentHost host;
    QMenu menu;
    menu.addAction(QStringLiteral("x"));
    host.Menu = &menu;
    MakeNew(host, 1);
    QTest::mouseClick(host.GForm()->Box->viewport(), Qt::RightButton, {}, QPoint(200, 200));
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
}
