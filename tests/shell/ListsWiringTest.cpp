// Recent files, favourites and the program menu as the main window carries them.
#include "MainformFixture.h"
#include "appcore/Lists.h"
#include "appcore/MenuExeFiler.h"
#include "appcore/Options.h"
#include "shell/FileDialogs.h"
#include <QDir>
#include <QFileDialog>
#include "appcore/ReopenFilerX.h"
#include "dialogs/Progform.h"
#include "libraries/Gallery.h"
#include "toolprops/Tpform.h"
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QTest>

namespace {

QStringList Entries(QMenu* menu)
{
    QStringList out;
    for (QAction* a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

void OpenMenu(QMenu* menu)
{
    // The entries are made when the submenu is about to show.
    QMetaObject::invokeMethod(menu, "aboutToShow");
}

} // namespace

TEST_F(MainformFixture, OpenedPicturesGoToOpenAgainNewestFirstAndAVanishedOneIsReported)
{
    TMainform& form = Start();
    const QString a = WritePicture("a.bmp"), b = WritePicture("b.bmp");
    form.HentPicture(a);
    form.HentPicture(b);
    EXPECT_EQ(ReadTextList(Folder.MenuItemsFilnavn), (QStringList{"10", "2", "b.bmp", b, "a.bmp", a}));
    OpenMenu(form.MReopen);
    EXPECT_EQ(Entries(form.MReopen), (QStringList{"Filliste", "-", "b.bmp", "a.bmp", "-", "Fjern liste"}));
    EXPECT_TRUE(form.MFile->actions().contains(form.MReopen->menuAction()));

    QFile::remove(a);
    form.MReopen->actions()[3]->trigger();
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_EQ(Messages[0], "Filen kunne ikke findes!");
    OpenMenu(form.MReopen);
    EXPECT_EQ(Entries(form.MReopen), (QStringList{"Filliste", "-", "b.bmp", "-", "Fjern liste"}));
    EXPECT_EQ(ReadTextList(Folder.MenuItemsFilnavn), (QStringList{"10", "1", "b.bmp", b}));

    form.Opt().Sprog = 1;
    form.SetSprog();
    OpenMenu(form.MReopen);
    EXPECT_EQ(form.MReopen->title(), "Open again");
    EXPECT_EQ(Entries(form.MReopen).last(), "Remove list");
    form.MReopen->actions().last()->trigger();
    OpenMenu(form.MReopen);
    EXPECT_EQ(Entries(form.MReopen), (QStringList{"Filelist", "-"}));
}

TEST_F(MainformFixture, FavouritesTakeTheActivePicturesFileAndFolder)
{
    TMainform& form = Start();
    auto* insertFile = form.findChild<QAction*>("aFavFilInsert");
    auto* insertFolder = form.findChild<QAction*>("aFavMappeInsert");
    ASSERT_TRUE(insertFile && insertFolder);
    QTest::qWait(200);
    EXPECT_FALSE(insertFile->isEnabled());
    const QString p = WritePicture("p.bmp");
    form.HentPicture(p);
    QTest::qWait(200);
    ASSERT_TRUE(insertFile->isEnabled());
    insertFile->trigger();
    insertFolder->trigger();
    insertFile->trigger();
    EXPECT_EQ(ReadTextList(Folder.FavoritFilerFilnavn), (QStringList{"p.bmp", p}));
    EXPECT_EQ(ReadTextList(Folder.FavoritMapperFilnavn), (QStringList{QFileInfo(Home.path()).fileName(), Home.path()}));
    auto* list = form.findChild<QListWidget*>("favfilerListe");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 1);
    // A click shows the path in the hint panel.
    list->setCurrentRow(0);
    form.favFiler->ListeKlik(0, false);
    EXPECT_EQ(form.StatusPanel(2)->text(), p);
    QTest::qWait(200);
    auto* clear = form.findChild<QAction*>("aFavFilDelAll");
    ASSERT_TRUE(clear->isEnabled());
    form.RunOkCancel = [](const QStringList& lines) {
        EXPECT_EQ(lines.value(1), "Skal alle indførte elementer i listen slettes?");
        return mrOk;
    };
    clear->trigger();
    EXPECT_EQ(list->count(), 0);
    EXPECT_TRUE(ReadTextList(Folder.FavoritFilerFilnavn).isEmpty());
}

TEST_F(MainformFixture, AProgramGetsThePicturesFileAsItsOneArgument)
{
    TMainform& form = Start();
    const QString out = Home.path() + "/args.txt";
    const QString stub = Home.path() + "/stub.sh";
    {
        QFile f(stub);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" + out + "'\n").toUtf8());
    }
    QFile::setPermissions(stub, QFile::permissions(stub) | QFileDevice::ExeOwner);
    form.HentPicture(WritePicture("x y.bmp"));
    TProgform& dialog = *form.Progform();
    form.RunProgform = [](TProgform&) {};
    form.findChild<QAction*>("MProgAdm")->trigger();
    dialog.FilEdit->setText(stub);
    dialog.CapEdit->setText("Stub");
    ASSERT_TRUE(dialog.IndforClick());
    EXPECT_EQ(ReadTextList(Folder.ProgItemFilnavn), (QStringList{"1", "Stub", stub, "UseParam", "1"}));
    ASSERT_EQ(form.MenuExe->Filantal(), 1);
    form.MenuExe->Choose(0);
    for (int i = 0; i < 100 && !QFileInfo::exists(out); ++i)
        QTest::qWait(20);
    QTest::qWait(50);
    EXPECT_EQ(ReadTextList(out), (QStringList{"1", Home.path() + "/x y.bmp"}));
    EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(MainformFixture, AMissingPaletteProgramIsReportedInTheLanguage)
{
    TMainform& form = Start();
    form.Opt().Sprog = 1;
    form.SetSprog();
    ASSERT_FALSE(QFileInfo::exists(TMainform::PalProgFilename()));
    form.findChild<QAction*>("Mpalette")->trigger();
    EXPECT_EQ(Messages, QStringList{"The program could not be found!"});
}

TEST_F(MainformFixture, AnOptionsFileInEnglishStartsInEnglishWithEnglishNames)
{
    TOptions english;
    english.Sprog = 1;
    ASSERT_TRUE(WriteOptionsFile(Folder.OptFilnavn, english));
    TMainform& form = Start();
    EXPECT_EQ(form.MFile->title(), "File");
    EXPECT_EQ(form.textShowCheck->statusTip(), "Show clipboard after copy and cut");
    form.FileCommands().Action("ANewMalvo")->trigger();
    ASSERT_NE(form.GForm(), nullptr);
    EXPECT_EQ(form.GForm()->PNavn, "Noname1.bmp");
}

TEST_F(MainformFixture, TheViewMenuBringsAClosedPictureBoxBack)
{
    TMainform& form = Start();
    QAction* show = form.findChild<QAction*>("AGalleri");
    ASSERT_NE(show, nullptr);
    EXPECT_TRUE(form.Mvis->actions().contains(show));
    EXPECT_EQ(show->text(), "Billedboks");
    QWidget* box = form.GalForm();
    box->close();
    show->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(box->isVisible());

    // The floating tool properties window comes back the same way.
    form.poAction[3]->trigger();
    QWidget* tools = form.Tpform();
    tools->close();
    form.findChild<QAction*>("AVisTpform")->trigger();
    EXPECT_TRUE(tools->isVisible());
}

TEST_F(MainformFixture, QtsOwnQuestionsAndButtonsSpeakDanishOnlyWhileTheProgramDoes)
{
    TMainform& form = Start();
    const char* question = "%1 already exists.\nDo you want to replace it?";
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", question), "%1 findes allerede.\nVil du erstatte den?");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
    form.Opt().Sprog = 1;
    form.SetSprog();
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", question), QString::fromLatin1(question));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&No"), "&No");
    form.Opt().Sprog = 0;
    form.SetSprog();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&No"), "&Nej");
}

TEST_F(MainformFixture, FileDialogsStartInThePictureFolderAndThenWhereTheUserWent)
{
    TMainform& form = Start();
    TFileDialogs& dialogs = form.FileCommands().Dialogs();
    EXPECT_EQ(QDir(dialogs.MakeOpenDialog(false, false)->directory()).absolutePath(),
              QDir(Folder.DefaultGalBib).absolutePath());
    const QString p = WritePicture("p.bmp");
    SaveAs = {p};
    EXPECT_EQ(dialogs.RunOpen(false, false), QStringList{p});
    EXPECT_EQ(dialogs.MakeSaveDialog("x.bmp", false)->directory().absolutePath(), QFileInfo(p).absolutePath());
}
