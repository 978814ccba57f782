// Start-up and closing of the main window: options and lists read and written, pictures of
// the last run reopened, the save walk at close.
#include "MainformFixture.h"
#include "appcore/Lists.h"
#include "appcore/Options.h"
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QTabBar>
#include <QTabWidget>

TEST_F(MainformFixture, DockOptionsAreTrueAfterStartEvenWhenTheFileHeldFalse)
{
    TOptions stored = StandardOptions();
    stored.ColDock = stored.ObjDock = stored.KlicheDock = false;
    stored.GBredde = 321;
    ASSERT_TRUE(WriteOptionsFile(Folder.OptFilnavn, stored));
    TMainform& form = Start();
    EXPECT_TRUE(form.Opt().ColDock);
    EXPECT_TRUE(form.Opt().ObjDock);
    EXPECT_TRUE(form.Opt().KlicheDock);
    EXPECT_EQ(form.Opt().GBredde, 321);
}

TEST_F(MainformFixture, DamagedOptionsAndListsStartWithDefaultsWithoutMessage)
{
    QFile options(Folder.OptFilnavn);
    ASSERT_TRUE(options.open(QIODevice::WriteOnly));
    options.write(QByteArray(100, '\x07'));
    options.close();
    ASSERT_TRUE(WriteTextList(Folder.StringFilnavn, {"dansk", "NoSuchStyleAtAll", "", "", "x", "", "", "zz"}));
    QFile openFiles(Folder.openFilesFilnavn);
    ASSERT_TRUE(openFiles.open(QIODevice::WriteOnly));
    openFiles.write("\xff\xfe\x00garbage\n/no/such/file.bmp\n");
    openFiles.close();

    TMainform& form = Start();
    EXPECT_TRUE(Messages.isEmpty());
    // The defaults, with the tool-properties window docked by the default layout preset.
    TOptions expected = StandardOptions();
    expected.ToolDock = true;
    EXPECT_EQ(OptionsToRecord(form.Opt()), OptionsToRecord(expected));
    EXPECT_EQ(form.Prog.designName, QStringLiteral("Sky"));
    EXPECT_EQ(form.Prog.poNummer, 1);
    EXPECT_TRUE(form.Documents().isEmpty());
    EXPECT_TRUE(CloseForm());
}

TEST_F(MainformFixture, OpenFilesListsTheDocumentsInWindowOrderAndReopensThem)
{
    const QString a = WritePicture("a.bmp"), b = WritePicture("b.bmp"), c = WritePicture("c.bmp");
    TMainform& form = Start();
    for (const QString& name : {a, b, c})
        form.HentPicture(name);
    // Activate a again: oldest activation first gives b, c, a, with a, the active one, last.
    form.mdiArea->setActiveSubWindow(form.Documents().first());
    ASSERT_TRUE(CloseForm());
    EXPECT_EQ(HentOpenFiles(Folder.openFilesFilnavn), (QStringList{b, c, a}));

    TMainform& again = Start();
    QStringList names;
    for (TMalvoform* document : again.Documents())
        names.append(document->PNavn);
    EXPECT_EQ(names.size(), 3);
    EXPECT_TRUE(names.contains("a.bmp") && names.contains("b.bmp") && names.contains("c.bmp"));
    EXPECT_EQ(again.TabCon->count(), 3);
}

TEST_F(MainformFixture, QuotedParameterWinsOverOpenFilesAndFoldersOrOtherFilesAreSkipped)
{
    const QString listed = WritePicture("listed.bmp");
    const QString given = WritePicture("given picture.bmp");
    ASSERT_TRUE(GemOpenFiles(Folder.openFilesFilnavn, {listed}));
    QFile text(Home.path() + "/notes.txt");
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("no picture");
    text.close();

    TMainform& form = Start({'"' + given + '"', Home.path(), text.fileName(), "/no/such.bmp"});
    ASSERT_EQ(form.Documents().size(), 1);
    EXPECT_EQ(form.Documents().first()->PNavn, QStringLiteral("given picture.bmp"));
    EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(MainformFixture, WithoutHentPicsTheLastPicturesStayClosed)
{
    TOptions stored = StandardOptions();
    stored.HentPics = false;
    ASSERT_TRUE(WriteOptionsFile(Folder.OptFilnavn, stored));
    ASSERT_TRUE(GemOpenFiles(Folder.openFilesFilnavn, {WritePicture("p.bmp")}));
    EXPECT_TRUE(Start().Documents().isEmpty());
}

TEST_F(MainformFixture, CancelInTheClosingWalkKeepsTheProgramRunningAndWritesNothing)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("first.bmp"));
    ModifyActive();
    form.HentPicture(WritePicture("second.bmp"));
    ModifyActive();
    // The oldest document is asked first: No for it, Cancel for the newer one.
    Answers = {mrNo, mrCancel};
    EXPECT_FALSE(CloseForm());
    EXPECT_EQ(Questions, 2);
    EXPECT_EQ(form.GForm()->PNavn, "second.bmp") << "the newest was asked last";
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.Documents().size(), 2);
    for (TMalvoform* document : form.Documents())
        EXPECT_TRUE(document->Image->Modified());
    for (const QString& file : {Folder.OptFilnavn, Folder.StringFilnavn, Folder.openFilesFilnavn})
        EXPECT_FALSE(QFileInfo::exists(file)) << file.toStdString();

    Answers = {mrNo, mrNo};
    EXPECT_TRUE(CloseForm());
    EXPECT_TRUE(QFileInfo::exists(Folder.OptFilnavn));
    EXPECT_EQ(ReadAll(Folder.OptFilnavn).size(), OptionsRecordSize);
    EXPECT_EQ(ReadTextList(Folder.StringFilnavn).size(), ProgstringLines);
}

TEST_F(MainformFixture, SingleUserOptionsAreReadAndThePerUserFileIsWrittenAtClose)
{
    TOptions single = StandardOptions();
    single.GHojde = 77;
    ASSERT_TRUE(QDir().mkpath(QFileInfo(Folder.SingleUserOptFilnavn).path()));
    ASSERT_TRUE(WriteOptionsFile(Folder.SingleUserOptFilnavn, single));
    TMainform& form = Start();
    EXPECT_EQ(form.Opt().GHojde, 77);
    ASSERT_TRUE(CloseForm());
    TOptions written;
    ASSERT_TRUE(ReadOptionsFile(Folder.OptFilnavn, written));
    EXPECT_EQ(written.GHojde, 77);
}

TEST_F(MainformFixture, PositionIsStoredOnlyInNormalState)
{
    TOptions stored = StandardOptions();
    stored.MainX = 31;
    stored.MainY = 32;
    stored.MainW = 900;
    stored.MainH = 700;
    ASSERT_TRUE(WriteOptionsFile(Folder.OptFilnavn, stored));
    ASSERT_TRUE(WriteTextList(Folder.StringFilnavn, QStringList(ProgstringLines, "0")));
    TMainform& form = Start();
    form.resize(1200, 900);
    form.showMaximized();
    ASSERT_TRUE(form.isMaximized());
    form.SetDockSide(0);
    ASSERT_TRUE(CloseForm());
    TOptions written;
    ASSERT_TRUE(ReadOptionsFile(Folder.OptFilnavn, written));
    EXPECT_EQ(written.MainW, 900);
    EXPECT_EQ(written.MainH, 700);
    EXPECT_EQ(written.MainX, 31);
    EXPECT_EQ(written.PladsRed, 0);
}

TEST_F(MainformFixture, FailedWritesNameTheFileAndTheProgramStillCloses)
{
    TMainform& form = Start();
    // A folder where the options file should be makes its write fail.
    ASSERT_TRUE(QDir().mkpath(Folder.OptFilnavn));
    EXPECT_TRUE(CloseForm());
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages.first().contains("OptionsMDI.opt"));
    EXPECT_TRUE(Messages.first().contains("Filen kunne ikke gemmes"));
    EXPECT_EQ(form.FailedWrites, QStringList{Folder.OptFilnavn});
    EXPECT_EQ(ReadTextList(Folder.StringFilnavn).size(), ProgstringLines);
}

TEST_F(MainformFixture, SettingsListRoundTripsPlacementsPageAndVisibility)
{
    TMainform& form = Start();
    form.SetToolBookTop(true);
    form.SetToolLineTop(false);
    form.SetToolLineVisible(true);
    form.topBog->setCurrentIndex(TMainform::pgEgenskaber);
    form.gemKlipCheck->setChecked(true);
    form.SetPoNummer(0);
    ASSERT_TRUE(CloseForm());

    TMainform& again = Start();
    EXPECT_TRUE(again.ToolBookTop());
    EXPECT_FALSE(again.ToolLineTop());
    EXPECT_TRUE(again.bogLinje->isVisible());
    EXPECT_EQ(again.topBog->currentIndex(), int(TMainform::pgEgenskaber));
    EXPECT_TRUE(again.gemKlip());
    EXPECT_EQ(again.Prog.poNummer, 0);
}
