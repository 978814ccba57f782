#include "FakeDocumentHost.h"
#include "dialogs/InfForm.h"
#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QPushButton>
#include <QToolButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Messages arrive as shown: "\r" is a line break.
// The open-failure message names the file on a line of its own.
QString OpenFailure(const QString& file)
{
    return MessageText(QStringLiteral("Fejl: Ukendt!\rEventuelt er filefternavnet ikke jpg, bmp eller ico!\r") + file);
}
const QString kSaveFailure = QStringLiteral("Fejl: Filen kunne ikke gemmes!");

bool Enabled(FakeDocumentHost& host, const char* name)
{
    host.Files->UpdateActions();
    return host.Files->Action(QLatin1String(name))->isEnabled();
}

struct FilesTest : ::testing::Test {
    FakeDocumentHost host;
    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }
};

} // namespace

TEST_F(FilesTest, OpeningNamesTheDocumentAndIconsOpenTheMagnifierByTheExactExtension)
{
    ASSERT_TRUE(WritePicture(Path("foto.jpg"), 64, 48, clBlue));
    ASSERT_TRUE(host.Files->HentPicture(Path("foto.jpg")));
    TMalvoform* form = host.GForm();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->PNavn, QStringLiteral("foto.jpg"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("foto.jpg"));
    EXPECT_EQ(host.Tabs, QStringList{"foto.jpg"});
    EXPECT_EQ(host.Recent, QStringList{Path("foto.jpg")});
    EXPECT_EQ(form->Image->Picture().Width(), 64);
    EXPECT_FALSE(form->Image->Modified());
    EXPECT_EQ(host.ZoomCommands, 0);

    QFile::copy(Path("foto.jpg"), Path("x.ICO"));
    TBitmap icon(16, 16);
    TBitmap mask(16, 16);
    QByteArray data;
    ASSERT_TRUE(PictureCodecs::WriteIcon(icon, mask, data));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("my.pictures")));
    ASSERT_TRUE(PictureCodecs::WriteFileSafely(Path("my.pictures/x.ICO"), data));
    ASSERT_TRUE(PictureCodecs::WriteFileSafely(Path("my.pictures/x.ico"), data));
    ASSERT_TRUE(host.Files->HentPicture(Path("my.pictures/x.ICO")));
    EXPECT_EQ(host.ZoomCommands, 0) << "x.ICO is not \"ico\"";
    ASSERT_TRUE(host.Files->HentPicture(Path("my.pictures/x.ico")));
    EXPECT_EQ(host.ZoomCommands, 1);
    EXPECT_TRUE(host.Messages.isEmpty());
}

TEST_F(FilesTest, OpeningAMissingFileDoesNothingAndADamagedOneSaysSo)
{
    EXPECT_FALSE(host.Files->HentPicture(Path("none.bmp")));
    EXPECT_FALSE(host.Files->HentPicture(dir.path()));
    EXPECT_TRUE(host.Forms().isEmpty());
    EXPECT_TRUE(host.Messages.isEmpty());

    QFile junk(Path("junk.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("BM not really a picture");
    junk.close();
    EXPECT_FALSE(host.Files->HentPicture(Path("junk.bmp")));
    EXPECT_EQ(host.Messages, QStringList{OpenFailure(Path("junk.bmp"))});
    // The window made for it is gone again: none stays empty and unnamed.
    QCoreApplication::processEvents();
    EXPECT_TRUE(host.Forms().isEmpty());
    EXPECT_TRUE(host.Tabs.isEmpty());
    EXPECT_TRUE(host.Recent.isEmpty());
}

TEST_F(FilesTest, SaveAsPresetsTheFilterByTheNamesExactExtension)
{
    EXPECT_EQ(TFileDialogs::SaveFilterFor(QStringLiteral("UdenNavn2.jpg")), 2);
    EXPECT_EQ(TFileDialogs::SaveFilterFor(QStringLiteral("a.bmp")), 3);
    EXPECT_EQ(TFileDialogs::SaveFilterFor(QStringLiteral("a.ico")), 4);
    EXPECT_EQ(TFileDialogs::SaveFilterFor(QStringLiteral("a.png")), 5);
    EXPECT_EQ(TFileDialogs::SaveFilterFor(QStringLiteral("a.webp")), 6);
    EXPECT_EQ(TFileDialogs::SaveFilterFor(QStringLiteral("a.tif")), 1);
    EXPECT_EQ(TFileDialogs::SaveFilterFor(QStringLiteral("Billede.JPG")), 1);
    EXPECT_EQ(TFileDialogs::SaveFilterFor(QStringLiteral("UdenNavn1")), 1);

    MakeNew(host, 2, 1);
    host.Files->ASaveMalvoAsExecute();
    EXPECT_EQ(host.LastDialogFilter, QStringLiteral("JPEG Image File (*.jpg)"));
    EXPECT_EQ(host.LastDialogTitle, QStringLiteral("Gem billede"));
    host.GForm()->SetPNavn(QStringLiteral("Billede.JPG"));
    host.Files->ASaveMalvoAsExecute();
    EXPECT_EQ(host.LastDialogFilter, QStringLiteral("Alle (*.bmp *.jpg *.ico *.png *.webp)"));
    host.GForm()->SetPNavn(QStringLiteral("Skærm.png"));
    host.Files->ASaveMalvoAsExecute();
    EXPECT_EQ(host.LastDialogFilter, QStringLiteral("PNG (*.png)"));
}

TEST_F(FilesTest, SaveAsRenamesOnlyWhenTheSaveSucceeded)
{
    MakeNew(host, 1);
    Modify(*host.GForm());
    host.Choose = QStringList{Path("hus.gif")}; // GIF is only read
    host.Files->ASaveMalvoAsExecute();
    EXPECT_EQ(host.Messages, QStringList{kSaveFailure});
    EXPECT_EQ(host.GForm()->PNavn, QStringLiteral("UdenNavn1.bmp"));
    EXPECT_EQ(host.Tabs, QStringList{"UdenNavn1.bmp"});
    EXPECT_TRUE(host.Recent.isEmpty());
    EXPECT_TRUE(host.Hint.isEmpty());
    EXPECT_TRUE(host.GForm()->Image->Modified());

    host.Choose = QStringList{Path("hus.jpg")};
    host.Files->ASaveMalvoAsExecute();
    EXPECT_EQ(host.GForm()->PNavn, QStringLiteral("hus.jpg"));
    EXPECT_EQ(host.Tabs, QStringList{"hus.jpg"});
    EXPECT_EQ(host.Recent, QStringList{Path("hus.jpg")});
    EXPECT_EQ(host.Finfo, QStringLiteral("hus.jpg"));
    EXPECT_EQ(host.Hint, QStringLiteral("Billedet er gemt som hus.jpg"));
    EXPECT_FALSE(host.GForm()->Image->Modified());
    EXPECT_TRUE(QFile::exists(Path("hus.jpg")));
}

TEST_F(FilesTest, SaveWritesTheFileOrSaysItFailed)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    ASSERT_TRUE(WritePicture(Path("sub/a.bmp"), 20, 10, clWhite));
    ASSERT_TRUE(host.Files->HentPicture(Path("sub/a.bmp")));
    EXPECT_FALSE(Enabled(host, "ASaveMalvo"));
    Modify(*host.GForm());
    EXPECT_TRUE(Enabled(host, "ASaveMalvo"));
    host.Options.Sprog = 1;
    host.Files->ASaveMalvoExecute();
    EXPECT_EQ(host.Hint, QStringLiteral("The picture is saved as a.bmp"));
    EXPECT_FALSE(host.GForm()->Image->Modified());

    Modify(*host.GForm());
    ASSERT_TRUE(QDir(Path("sub")).removeRecursively());
    host.Files->ASaveMalvoExecute();
    EXPECT_EQ(host.Messages, QStringList{"Error: The file was not saved!"});
    EXPECT_TRUE(host.GForm()->Image->Modified());
}

TEST_F(FilesTest, ReloadIsOfferedForAModifiedFileAndAFailedReloadKeepsThePicture)
{
    MakeNew(host, 1);
    Modify(*host.GForm());
    EXPECT_FALSE(Enabled(host, "AReloadMalvo")) << "a picture without file";

    ASSERT_TRUE(WritePicture(Path("r.bmp"), 20, 10, clWhite));
    ASSERT_TRUE(host.Files->HentPicture(Path("r.bmp")));
    TMalvoform& form = *host.GForm();
    EXPECT_FALSE(Enabled(host, "AReloadMalvo")) << "an unmodified picture";
    Modify(form);
    EXPECT_TRUE(Enabled(host, "AReloadMalvo"));
    host.Files->AReloadMalvoExecute();
    EXPECT_EQ(form.Image->Picture().Canvas().Pixels(1, 1), clWhite);
    EXPECT_FALSE(form.Image->Modified());

    Modify(form);
    QFile damaged(Path("r.bmp"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("BM damaged");
    damaged.close();
    host.Files->AReloadMalvoExecute();
    EXPECT_EQ(host.Messages, QStringList{OpenFailure(Path("r.bmp"))});
    EXPECT_EQ(form.Image->Picture().Width(), 20);
    EXPECT_EQ(form.Image->Picture().Canvas().Pixels(1, 1), clRed);
    EXPECT_EQ(form.Image->View().Canvas().Pixels(1, 1), clRed);
    EXPECT_TRUE(form.Image->Modified());
    EXPECT_EQ(form.PNavn, QStringLiteral("r.bmp"));
}

TEST_F(FilesTest, LoadingIntoTheWindowReplacesNameAndTabOrKeepsThemOnFailure)
{
    MakeNew(host, 2);
    TMalvoform& form = *host.Forms().first();
    host.SetGForm(&form);
    QFile junk(Path("junk.jpg"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("\xFF\xD8 broken");
    junk.close();
    host.Choose = QStringList{Path("junk.jpg")};
    host.Files->ALoadMalvoExecute();
    EXPECT_EQ(host.Messages, QStringList{OpenFailure(Path("junk.jpg"))});
    EXPECT_EQ(form.PNavn, QStringLiteral("UdenNavn1.bmp"));
    EXPECT_EQ(form.Image->Picture().Width(), 40);
    EXPECT_EQ(host.Tabs, (QStringList{"UdenNavn1.bmp", "UdenNavn2.bmp"}));

    ASSERT_TRUE(WritePicture(Path("ny.bmp"), 8, 9, clWhite));
    host.Choose = QStringList{Path("ny.bmp")};
    host.Files->ALoadMalvoExecute();
    EXPECT_EQ(form.PNavn, QStringLiteral("ny.bmp"));
    EXPECT_EQ(form.Image->Picture().Height(), 9);
    EXPECT_EQ(host.Tabs, (QStringList{"UdenNavn2.bmp", "ny.bmp"}));
}

TEST_F(FilesTest, NewPictureRefusesBadFieldsWithAMessageAndMakesNothing)
{
    const struct {
        const char* width;
        const char* height;
        int count;
        const char* dansk;
    } cases[] = {
        {"", "10", 1, "Feltet \"Bredde\" skal indeholde et helt tal!"},
        {"0", "10", 1, "Et billede skal være fra 1 til 32767 pixels i hver retning og højst 268435456 pixels i alt!"},
        {"40000", "10", 1, "Et billede skal være fra 1 til 32767 pixels i hver retning og højst 268435456 pixels i alt!"},
        {"20000", "20000", 1,
         "Et billede skal være fra 1 til 32767 pixels i hver retning og højst 268435456 pixels i alt!"},
        {"10", "10", 5000, "Antal billeder skal være fra 0 til 50!"},
    };
    for (const auto& c : cases) {
        host.Messages.clear();
        MakeNew(host, c.count, 0, c.width, c.height);
        EXPECT_EQ(host.Messages, QStringList{QString::fromUtf8(c.dansk)}) << c.width << " " << c.count;
    }
    host.Options.Sprog = 1;
    host.Messages.clear();
    host.Files->NytPage()->SetSprog(true);
    MakeNew(host, 1, 0, "x", "10");
    EXPECT_EQ(host.Messages, QStringList{"The field \"Width\" must hold a whole number!"});
    EXPECT_TRUE(host.Forms().isEmpty());
    EXPECT_EQ(host.newPictureCount(), 0);
    EXPECT_EQ(host.Options.GBredde, StandardOptions().GBredde);

    host.Messages.clear();
    MakeNew(host, 0);
    EXPECT_TRUE(host.Messages.isEmpty());
    EXPECT_TRUE(host.Forms().isEmpty());
}

TEST_F(FilesTest, NewPictureFirstShowsThePageAndTakesSizeAndMarginsAsDefaults)
{
    host.NytShown = false;
    MakeNew(host, 1);
    EXPECT_TRUE(host.NytShown);
    EXPECT_TRUE(host.Forms().isEmpty());

    TNytPage& page = *host.Files->NytPage();
    QTest::mouseClick(page.SizeButtons().at(1), Qt::LeftButton);
    EXPECT_EQ(page.Edit1->text(), QStringLiteral("32"));
    EXPECT_EQ(page.Edit2->text(), QStringLiteral("32"));
    page.Edit4->setText(QStringLiteral("5"));
    QTest::mouseClick(page.NewButton, Qt::LeftButton);
    ASSERT_EQ(host.Forms().size(), 1);
    EXPECT_EQ(host.Options.GBredde, 32);
    EXPECT_EQ(host.Options.GMargenL, 5);
    EXPECT_EQ(host.GForm()->Image->pos(), QPoint(5, 12));

    page.Edit1->clear();
    QTest::keyClicks(page.Edit1, QStringLiteral("1a2"));
    EXPECT_EQ(page.Edit1->text(), QStringLiteral("12")) << "the field keeps only digits";
    page.filtypeBox->setCurrentIndex(2);
    EXPECT_TRUE(page.palCheck->isVisibleTo(&page));
    page.filtypeBox->setCurrentIndex(1);
    EXPECT_FALSE(page.palCheck->isVisibleTo(&page));
}

TEST_F(FilesTest, PasteAsNewNeedsADocumentAndAPictureOnTheClipboard)
{
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QApplication::clipboard()->setImage(picture);
    QCoreApplication::processEvents();
    EXPECT_TRUE(host.Files->ClipboardHasPicture());
    EXPECT_FALSE(Enabled(host, "ALoadFromCB")) << "no document is open";

    MakeNew(host, 1);
    EXPECT_TRUE(Enabled(host, "ALoadFromCB"));
    host.Files->ALoadFromCBExecute();
    ASSERT_EQ(host.Forms().size(), 2);
    EXPECT_EQ(host.GForm()->PNavn, QStringLiteral("UdenNavn2.bmp"));
    EXPECT_EQ(host.GForm()->Image->Picture().Width(), 30);
    EXPECT_EQ(host.GForm()->Image->TransFarve(), 0x00FFFFFF);

    QApplication::clipboard()->setText(QStringLiteral("text"));
    QCoreApplication::processEvents();
    EXPECT_FALSE(Enabled(host, "ALoadFromCB"));
}

TEST_F(FilesTest, ActionsCarryCaptionsHintsAndShortcutsInBothLanguages)
{
    QAction* save = host.Files->Action(QStringLiteral("ASaveMalvo"));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(), QStringLiteral("Gem billede"));
    EXPECT_EQ(save->statusTip(), QStringLiteral("Gem aktuelle billede: F2"));
    EXPECT_EQ(save->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(host.Files->Action(QStringLiteral("ACloseAll"))->shortcut(),
              QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_L));
    host.Files->SetSprog(true);
    EXPECT_EQ(save->text(), QStringLiteral("Save picture"));
    EXPECT_EQ(host.Files->Action(QStringLiteral("AWin2"))->text(), QStringLiteral("Tile horizontally"));
    for (QAction* action : host.Files->Actions())
        EXPECT_FALSE(action->text().isEmpty()) << action->objectName().toStdString();
    EXPECT_EQ(host.Files->Actions().size(), 22);

    EXPECT_TRUE(Enabled(host, "ANewMalvo"));
    EXPECT_FALSE(Enabled(host, "ASaveMalvoAs"));
    MakeNew(host, 1);
    EXPECT_TRUE(Enabled(host, "ASaveMalvoAs"));
    EXPECT_FALSE(Enabled(host, "ASizeToPic")) << "a maximised window";
    host.GForm()->showNormal();
    EXPECT_TRUE(Enabled(host, "ASizeToPic"));
    host.Files->Action(QStringLiteral("ACloseProg"))->trigger();
    EXPECT_EQ(host.MainCloses, 1);
}

TEST_F(FilesTest, PictureInformationShowsNameSizeAndFileSize)
{
    ASSERT_TRUE(WritePicture(Path("info.bmp"), 20, 10, clWhite));
    ASSERT_TRUE(host.Files->HentPicture(Path("info.bmp")));
    QFile file(Path("info.bmp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1023, 'x'));
    file.close();
    QStringList rows;
    host.Files->Dialogs().RunInfo = [&](TInfForm& form) {
        for (int row = 0; row < TInfForm::RowCount; ++row)
            rows.append(form.Value(row));
    };
    host.Files->APicInfoExecute();
    ASSERT_EQ(rows.size(), int(TInfForm::RowCount));
    EXPECT_EQ(rows[TInfForm::RowFilnavn], QStringLiteral("info.bmp"));
    EXPECT_EQ(rows[TInfForm::RowBredde], QStringLiteral("20 Pixels"));
    EXPECT_EQ(rows[TInfForm::RowHojde], QStringLiteral("10 Pixels"));
    EXPECT_EQ(rows[TInfForm::RowStorelse], QStringLiteral("1023 bytes"));
    EXPECT_FALSE(rows[TInfForm::RowDato].isEmpty());

    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("x");
    file.close();
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    rows.clear();
    host.Files->APicInfoExecute();
    QLocale::setDefault(before);
    EXPECT_EQ(rows[TInfForm::RowStorelse], QStringLiteral("Ca. 1,00 KB")) << "the locale's decimal separator";

    ASSERT_TRUE(QFile::remove(Path("info.bmp")));
    rows.clear();
    host.Files->APicInfoExecute();
    EXPECT_EQ(rows[TInfForm::RowFilnavn], QStringLiteral("info.bmp"));
    EXPECT_TRUE(rows[TInfForm::RowStorelse].isEmpty());
    EXPECT_TRUE(rows[TInfForm::RowDato].isEmpty());
}

TEST_F(FilesTest, CloseAllClosesEveryWindowButTheOneWhoseQuestionIsCancelled)
{
    MakeNew(host, 3);
    TMalvoform* keep = host.Forms().at(1);
    Modify(*keep);
    host.Answer = [](TSpmform&) { return mrCancel; };
    host.Files->ACloseAllExecute();
    QCoreApplication::processEvents();
    ASSERT_EQ(host.Forms().size(), 1);
    EXPECT_EQ(host.Forms().first(), keep);
    EXPECT_EQ(host.Tabs, QStringList{"UdenNavn2.bmp"});
    EXPECT_EQ(host.PictureCount(), 1);
}

TEST_F(FilesTest, WindowsTileSideBySideOrOneAboveTheOther)
{
    MakeNew(host, 2);
    host.Files->Action(QStringLiteral("AWin3"))->trigger();
    const QList<TMalvoform*> forms = host.Forms();
    EXPECT_EQ(forms[0]->height(), host.Area->viewport()->height());
    EXPECT_EQ(forms[1]->x(), forms[0]->width());
    host.Files->Action(QStringLiteral("AWin2"))->trigger();
    EXPECT_EQ(forms[0]->width(), host.Area->viewport()->width());
    EXPECT_EQ(forms[1]->y(), forms[0]->height());
    host.Files->AWin7Execute();
    EXPECT_TRUE(host.Area->activeSubWindow()->isMaximized());
    QMdiSubWindow* other = forms[0] == host.Area->activeSubWindow() ? forms[1] : forms[0];
    host.Area->setActiveSubWindow(other);
    EXPECT_TRUE(other->isMaximized());
}

TEST_F(FilesTest, DeletingMovesTheFileToTheWastebasket)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("data")));
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    ASSERT_TRUE(WritePicture(Path("gone.bmp"), 4, 4, clWhite));
    EXPECT_TRUE(host.Files->FileDeleteRB(Path("gone.bmp")));
    EXPECT_FALSE(QFile::exists(Path("gone.bmp")));
    EXPECT_FALSE(host.Files->FileDeleteRB(Path("gone.bmp")));
    EXPECT_TRUE(host.Messages.isEmpty());
}

TEST_F(FilesTest, RecentDocumentsGoToTheSharedBookmarkFileOnceEach)
{
    const QString xbel = Path("recently-used.xbel");
    TFreedesktopIntegration desktop(QString(), xbel);
    EXPECT_FALSE(desktop.CanSetWallpaper()) << "no known desktop";
    EXPECT_FALSE(desktop.SetWallpaper(Path("a.bmp")));
    ASSERT_TRUE(WritePicture(Path("a b&c.bmp"), 4, 4, clWhite));
    ASSERT_TRUE(desktop.AddRecentDocument(Path("a b&c.bmp")));
    ASSERT_TRUE(desktop.AddRecentDocument(Path("a b&c.bmp")));
    QFile file(xbel);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    EXPECT_EQ(text.count(QStringLiteral("<bookmark href=")), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("a%20b&amp;c.bmp")));
    EXPECT_TRUE(text.contains(QStringLiteral("image/bmp")));
    ASSERT_TRUE(desktop.ClearRecentDocuments());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("<bookmark "));

    host.Files->SetDesktop(std::make_unique<TFreedesktopIntegration>(QString(), QString()));
    MakeNew(host, 1);
    EXPECT_FALSE(Enabled(host, "AWallpaper"));
    EXPECT_FALSE(Enabled(host, "MFjernwall"));
    EXPECT_FALSE(Enabled(host, "ADoc"));
    EXPECT_FALSE(Enabled(host, "AClearDoc"));
}

TEST_F(FilesTest, ShortcutsReachTheCommandsFromTheKeyboard)
{
    host.Window.addActions(host.Files->Actions());
    host.Window.activateWindow();
    QApplication::setActiveWindow(&host.Window);
    QTest::keyClick(&host.Window, Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(host.Forms().size(), 1);
    EXPECT_EQ(host.GForm()->PNavn, QStringLiteral("UdenNavn1.bmp"));
    QTest::keyClick(&host.Window, Qt::Key_L, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_TRUE(host.Forms().isEmpty());
}

TEST_F(FilesTest, TheRealSaveDialogGivesATypedNameTheExtensionOfTheChosenType)
{
    TFileDialogs dialogs(&host.Window);
    QString typed = QStringLiteral("hus");
    const auto answer = [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(dir.path());
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(typed);
        QTest::keyClick(name, Qt::Key_Return);
    };
    QTimer::singleShot(0, answer);
    EXPECT_EQ(dialogs.RunSave(QStringLiteral("UdenNavn1.jpg"), false), Path("hus.jpg"));
    QTimer::singleShot(0, answer);
    EXPECT_EQ(dialogs.RunSave(QStringLiteral("UdenNavn1"), true), Path("hus.bmp"));
    typed = QStringLiteral("hus.ico");
    QTimer::singleShot(0, answer);
    EXPECT_EQ(dialogs.RunSave(QStringLiteral("UdenNavn1.bmp"), true), Path("hus.ico"));
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_TRUE(dialogs.RunSave(QStringLiteral("x.bmp"), true).isEmpty());
}

TEST_F(FilesTest, TheRealOpenDialogShowsAPreviewAndGivesTheChosenFile)
{
    ASSERT_TRUE(WritePicture(Path("p.jpg"), 400, 100, clRed));
    TFileDialogs dialogs(&host.Window);
    QSize preview;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Load picture"));
        EXPECT_EQ(dialog->nameFilters(), TFileDialogs::OpenFilters());
        dialog->setDirectory(dir.path());
        emit dialog->currentChanged(Path("p.jpg"));
        preview = dialog->findChild<QLabel*>(QStringLiteral("preview"))->pixmap().size();
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(QStringLiteral("p.jpg"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    EXPECT_EQ(dialogs.RunOpen(true, true), QStringList{Path("p.jpg")});
    EXPECT_EQ(preview, QSize(160, 40)) << "the preview keeps the picture's shape";
}

TEST_F(FilesTest, AFileThatLoadsOnlyInPartIsReportedDamaged)
{
    ASSERT_TRUE(WritePicture(Path("whole.jpg"), 256, 256, clBlue));
    QByteArray data;
    ASSERT_TRUE(PictureCodecs::ReadFile(Path("whole.jpg"), data));
    ASSERT_TRUE(PictureCodecs::WriteFileSafely(Path("cut.jpg"), data.left(data.size() * 2 / 3)));
    host.Options.Sprog = 1;
    ASSERT_TRUE(host.Files->HentPicture(Path("cut.jpg")));
    EXPECT_EQ(host.Messages, QStringList{"The file is damaged: only part of the picture could be read!"});
    EXPECT_EQ(host.GForm()->PNavn, QStringLiteral("cut.jpg"));

    host.Messages.clear();
    host.Choose = QStringList{Path("whole.jpg")};
    host.Files->ALoadMalvoExecute();
    EXPECT_TRUE(host.Messages.isEmpty());
    host.Choose = QStringList{Path("cut.jpg")};
    host.Files->ALoadMalvoExecute();
    EXPECT_EQ(host.Messages, QStringList{"The file is damaged: only part of the picture could be read!"});
}

TEST(FileDialogsTest, QtsOwnDialogSpeaksTheProgramsLanguage)
{
    TFileDialogs dialogs(nullptr);
    auto save = dialogs.MakeSaveDialog(QStringLiteral("a.bmp"), false);
    EXPECT_EQ(save->labelText(QFileDialog::Accept), QStringLiteral("Gem"));
    EXPECT_EQ(save->labelText(QFileDialog::FileName), QStringLiteral("Filnavn:"));
    auto open = dialogs.MakeOpenDialog(false, false);
    EXPECT_EQ(open->labelText(QFileDialog::Accept), QStringLiteral("Åben"));
    auto english = dialogs.MakeOpenDialog(false, true);
    EXPECT_NE(english->labelText(QFileDialog::Accept), QStringLiteral("Åben"));
}

TEST_F(FilesTest, GemKeepsPngAndAsksForANameForATypeThatIsOnlyRead)
{
    TBitmap red(20, 10);
    red.Canvas().Brush.Color = clRed;
    red.Canvas().FillRect(red.BoundsRect());
    // Written by Qt, so that our own save gives other bytes.
    ASSERT_TRUE(red.Image().save(Path("screen.PNG"), "png", 0));
    QByteArray png, tiff;
    ASSERT_TRUE(PictureCodecs::ReadFile(Path("screen.PNG"), png));
    ASSERT_TRUE(host.Files->HentPicture(Path("screen.PNG")));
    Modify(*host.GForm());
    host.Files->ASaveMalvoExecute();
    EXPECT_TRUE(host.LastDialogTitle.isEmpty()) << "saved under its own name, no dialog";
    EXPECT_TRUE(host.Messages.isEmpty());
    QByteArray saved;
    ASSERT_TRUE(PictureCodecs::ReadFile(Path("screen.PNG"), saved));
    EXPECT_TRUE(saved.startsWith("\x89PNG"));
    EXPECT_NE(saved, png) << "the picture was written by the program";

    QBuffer buffer(&tiff);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(red.Image().save(&buffer, "tiff"));
    ASSERT_TRUE(PictureCodecs::WriteFileSafely(Path("scan.tif"), tiff));
    ASSERT_TRUE(host.Files->HentPicture(Path("scan.tif")));
    Modify(*host.GForm());
    host.Choose = QStringList{Path("scan.png")};
    host.Files->ASaveMalvoExecute();
    EXPECT_EQ(host.LastDialogTitle, QStringLiteral("Gem billede"));
    EXPECT_EQ(host.GForm()->PNavn, QStringLiteral("scan.png"));
    ASSERT_TRUE(PictureCodecs::ReadFile(Path("scan.png"), saved));
    EXPECT_TRUE(saved.startsWith("\x89PNG"));
    QByteArray kept;
    ASSERT_TRUE(PictureCodecs::ReadFile(Path("scan.tif"), kept));
    EXPECT_EQ(kept, tiff);
}

TEST_F(FilesTest, DamagedNewTypesAreRefusedOrReportedInBothLanguages)
{
    ASSERT_TRUE(PictureCodecs::WriteFileSafely(Path("bad.png"), "\x89PNG but nothing more"));
    ASSERT_TRUE(PictureCodecs::WriteFileSafely(Path("bad.webp"), QByteArray(200, 'x')));
    EXPECT_FALSE(host.Files->HentPicture(Path("bad.png")));
    EXPECT_EQ(host.Messages, QStringList{OpenFailure(Path("bad.png"))});
    host.Messages.clear();
    host.Options.Sprog = 1;
    EXPECT_FALSE(host.Files->HentPicture(Path("bad.webp")));
    EXPECT_EQ(host.Messages, QStringList{MessageText(QStringLiteral("Error: Unknown!\r") + Path("bad.webp"))});
    EXPECT_TRUE(host.Forms().isEmpty());

    TBitmap big(300, 200);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            big.ScanLine(y)[x] = 0xFF000000u | uint32_t(x * y * 2654435761u >> 8);
    QByteArray png;
    ASSERT_TRUE(PictureCodecs::WritePng(big, png));
    ASSERT_TRUE(PictureCodecs::WriteFileSafely(Path("cut.png"), png.left(png.size() / 2)));
    for (const int sprog : {0, 1}) {
        host.Messages.clear();
        host.Options.Sprog = sprog;
        ASSERT_TRUE(host.Files->HentPicture(Path("cut.png")));
        EXPECT_EQ(host.Messages, QStringList{sprog ? QStringLiteral("The file is damaged: only part of the picture could be read!")
                                                   : QStringLiteral("Filen er beskadiget: kun en del af billedet kunne læses!")});
    }
}
