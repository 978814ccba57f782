// Restarts, damaged settings and full disks through the real main window: the pictures come
// back in their order, windows come back on the screen, start-up messages wait for the
// window, refused files are named together, and a full disk loses no setting.
#include "../common/FullDisk.h"
#include "../common/Screens.h"
#include "MainformFixture.h"
#include "appcore/Lists.h"
#include "appcore/Options.h"
#include "dialogs/Zoomform.h"
#include <QMenu>
#include <QApplication>
#include <QGuiApplication>
#include <QtEndian>
#include <QMdiArea>
#include <QRandomGenerator>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <QWindow>
#include <climits>

namespace {

QStringList Names(const QList<TMalvoform*>& documents)
{
    QStringList names;
    for (const TMalvoform* document : documents)
        names.append(document->PNavn);
    return names;
}

QByteArray Garbage(int n)
{
    return "not a picture " + QByteArray::number(n);
}

} // namespace

TEST_F(MainformFixture, ARestartReopensThePicturesInTheirOrderWithTheSameOneActive)
{
    const QString a = WritePicture("a.bmp"), b = WritePicture("b.bmp"), c = WritePicture("c.bmp");
    TMainform& form = Start();
    for (const QString& name : {a, b, c})
        form.HentPicture(name);
    ASSERT_EQ(form.GForm()->PNavn, "c.bmp");
    ASSERT_TRUE(CloseForm());
    EXPECT_EQ(HentOpenFiles(Folder.openFilesFilnavn), (QStringList{a, b, c}));

    for (int restart = 0; restart < 2; ++restart) {
        TMainform& again = Start();
        EXPECT_EQ(Names(again.Documents()), (QStringList{"a.bmp", "b.bmp", "c.bmp"})) << restart;
        ASSERT_NE(again.GForm(), nullptr);
        EXPECT_EQ(again.GForm()->PNavn, "c.bmp");
        QStringList tabs;
        for (int i = 0; i < again.TabCon->count(); ++i)
            tabs.append(again.TabCon->tabText(i));
        EXPECT_EQ(tabs, (QStringList{"a.bmp", "b.bmp", "c.bmp"}));
        ASSERT_TRUE(CloseForm());
    }
}

TEST_F(MainformFixture, CloseAllAsksOldestFirst)
{
    TMainform& form = Start();
    for (const char* name : {"first.bmp", "second.bmp"}) {
        form.HentPicture(WritePicture(name));
        ModifyActive();
    }
    Answers = {mrCancel, mrNo};
    form.FileCommands().ACloseAllExecute();
    QCoreApplication::processEvents();
    EXPECT_EQ(Names(form.Documents()), QStringList{"first.bmp"});
}

TEST_F(MainformFixture, StoredPlacesOffTheScreenAndPresetsTallerThanItComeBackOnTheScreen)
{
    struct Case {
        int x, y, preset;
    };
    // Far off every screen; pushed above the screen by a window manager; on the smaller
    // second screen with the tallest preset (982 pixels high on a 768-pixel screen); the
    // stored size itself as the "preset".
    for (const Case c : {Case{-5000, -2, 1}, Case{250, -2, 1}, Case{1500, 100, 1}, Case{1500, 300, 0}}) {
        TOptions stored = StandardOptions();
        stored.MainX = c.x;
        stored.MainY = c.y;
        stored.MainW = 1300;
        stored.MainH = 990;
        ASSERT_TRUE(WriteOptionsFile(Folder.OptFilnavn, stored));
        TProgstring prog = StandardProgstring(Folder);
        prog.poNummer = c.preset;
        ASSERT_TRUE(GemProgstring(Folder.StringFilnavn, prog, false));

        TMainform& form = Start();
        QCoreApplication::processEvents();
        EXPECT_TRUE(OnSomeScreen(form.frameGeometry())) << c.x << "," << c.y;
        EXPECT_GE(form.y(), 0);
        ASSERT_TRUE(CloseForm());
        // What is written back is where the window was.
        TOptions written;
        ASSERT_TRUE(ReadOptionsFile(Folder.OptFilnavn, written));
        EXPECT_EQ(QRect(written.MainX, written.MainY, written.MainW, written.MainH), QRect(form.pos(), form.size()));
    }
}

TEST_F(MainformFixture, TheScaleMoveAndZoomDialogsTakeTheirStoredPlacesAndWriteThemBackUnchanged)
{
    TOptions stored = StandardOptions();
    stored.ScaleX = 301;
    stored.ScaleY = 211;
    stored.FlytX = 322;
    stored.FlytY = 233;
    stored.ZoomX = 344;
    stored.ZoomY = 255;
    ASSERT_TRUE(WriteOptionsFile(Folder.OptFilnavn, stored));
    TMainform& form = Start();
    EXPECT_EQ(form.Zoomform()->pos(), QPoint(344, 255));
    ASSERT_TRUE(CloseForm());
    TOptions written;
    ASSERT_TRUE(ReadOptionsFile(Folder.OptFilnavn, written));
    EXPECT_EQ(QPoint(written.ScaleX, written.ScaleY), QPoint(301, 211));
    EXPECT_EQ(QPoint(written.FlytX, written.FlytY), QPoint(322, 233));
    EXPECT_EQ(QPoint(written.ZoomX, written.ZoomY), QPoint(344, 255));
}

TEST_F(MainformFixture, RefusedPicturesOfTheStartUpAreNamedInOneBoxOnceTheWindowIsOnTheScreen)
{
    // A picture that is no picture, and an icon larger than the magnifier limits of 36 x 36.
    const QString bad = Home.path() + "/bad.jpg";
    ASSERT_TRUE(WriteFileSafely(bad, Garbage(0)));
    TBitmap icon(48, 48), mask(48, 48);
    QByteArray data;
    ASSERT_TRUE(PictureCodecs::WriteIcon(icon, mask, data));
    const QString big = Home.path() + "/big.ico";
    ASSERT_TRUE(WriteFileSafely(big, data));
    const QString good = WritePicture("good.bmp");
    ASSERT_TRUE(GemOpenFiles(Folder.openFilesFilnavn, {bad, big, good}));

    bool shownOnScreen = false;
    SetMessageCatcher([&](const QString& text) {
        Messages.append(text);
        shownOnScreen = Form && Form->isVisible() && Form->windowHandle() && Form->windowHandle()->isExposed();
    });
    TMainform& form = Start();
    EXPECT_TRUE(Messages.isEmpty()) << "nothing is said while the window starts";
    QTRY_COMPARE(Messages.size(), 1);
    EXPECT_TRUE(shownOnScreen);
    EXPECT_TRUE(Messages[0].contains("Fejl: Ukendt!"));
    EXPECT_TRUE(Messages[0].contains(bad));
    EXPECT_TRUE(Messages[0].contains("Billedets dimensioner overskrider"));
    // No empty window is left for the refused file.
    EXPECT_EQ(Names(form.Documents()), (QStringList{"big.ico", "good.bmp"}));
    EXPECT_EQ(form.mdiArea->subWindowList().size(), 2);
}

TEST_F(MainformFixture, TenRefusedFilesGiveOneMessageNamingThemAllAndNoEmptyWindows)
{
    QStringList files;
    for (int i = 0; i < 10; ++i) {
        files.append(Home.path() + QStringLiteral("/refused%1.jpg").arg(i));
        ASSERT_TRUE(WriteFileSafely(files.last(), Garbage(i)));
    }
    // Given on the command line.
    TMainform& form = Start(files);
    QTRY_COMPARE(Messages.size(), 1);
    for (const QString& file : files)
        EXPECT_TRUE(Messages[0].contains(file)) << file.toStdString();
    EXPECT_EQ(Messages[0].count("Fejl: Ukendt!"), 1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.mdiArea->subWindowList().isEmpty());

    // Chosen in the open dialog, in English.
    Messages.clear();
    form.Opt().Sprog = 1;
    form.SetSprog();
    SaveAs = files;
    form.FileCommands().AOpenMalvoExecute();
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].startsWith("Error: Unknown!\n" + files[0] + "\n" + files[1]));
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.mdiArea->subWindowList().isEmpty());
}

TEST_F(MainformFixture, AFullDiskAtCloseKeepsEverySettingsFileAndNamesThemInOneMessage)
{
    TMainform& first = Start();
    first.HentPicture(WritePicture("p.bmp"));
    ASSERT_TRUE(CloseForm());
    const QStringList settings = {Folder.OptFilnavn,         Folder.StringFilnavn,       Folder.openFilesFilnavn,
                                  Folder.MenuItemsFilnavn,   Folder.FavoritMapperFilnavn, Folder.FavoritFilerFilnavn};
    QList<QByteArray> before;
    for (const QString& file : settings)
        before.append(ReadAll(file));
    ASSERT_FALSE(before[0].isEmpty());

    TMainform& form = Start();
    form.Opt().GBredde = 999;
    // The disk fills at a different byte each time: nothing, one byte, a hundred.
    for (qint64 room : {qint64(0), qint64(1), qint64(100)}) {
        Messages.clear();
        {
            TFullDisk disk(room);
            ASSERT_FALSE(form.GemOptions());
            form.ReportFailedWrites();
        }
        for (int i = 0; i < settings.size(); ++i)
            EXPECT_EQ(ReadAll(settings[i]), before[i]) << settings[i].toStdString() << " room " << room;
        ASSERT_EQ(Messages.size(), 1);
        EXPECT_TRUE(Messages[0].startsWith("Filen kunne ikke gemmes:"));
        for (const QString& file : {Folder.OptFilnavn, Folder.StringFilnavn, Folder.openFilesFilnavn, Folder.MenuItemsFilnavn})
            EXPECT_TRUE(Messages[0].contains(file)) << file.toStdString() << " room " << room;
    }
    // The disk has room again: the close writes everything and says nothing.
    Messages.clear();
    ASSERT_TRUE(CloseForm());
    EXPECT_TRUE(Messages.isEmpty());
    TOptions written;
    ASSERT_TRUE(ReadOptionsFile(Folder.OptFilnavn, written));
    EXPECT_EQ(written.GBredde, 999);
}

TEST_F(MainformFixture, HelpPagesThatCannotBeCopiedAtFirstStartAreNamedAfterTheWindowShows)
{
    // The fixture's folder has no shipped data yet: the window's start copies it, on a full disk.
    {
        TFullDisk disk(0);
        Start();
    }
    const QStringList failed = Form->FailedWrites;
    if (failed.isEmpty())
        GTEST_SKIP() << "no shipped data found to copy";
    EXPECT_TRUE(Messages.isEmpty());
    QTRY_COMPARE(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].startsWith("Filen kunne ikke gemmes:"));
    for (const QString& file : failed)
        EXPECT_TRUE(Messages[0].contains(file)) << file.toStdString();
    // Nothing half written is left: a page that could not be copied is not there.
    for (const QString& file : failed)
        EXPECT_FALSE(QFile::exists(file)) << file.toStdString();
}

TEST_F(MainformFixture, DamagedOptionsRecordsStartAUsableWindowAndAreWrittenBackSound)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QList<QByteArray> records;
    for (qint32 value : {INT_MAX, INT_MIN, qint32(-1)}) {
        QByteArray r(OptionsRecordSize, '\0');
        for (int at = 0; at < OptionsRecordSize; at += 4)
            qToLittleEndian<qint32>(value, r.data() + at);
        records.append(r);
    }
    QRandomGenerator random(26);
    for (int k = 0; k < 3; ++k) {
        QByteArray r(OptionsRecordSize, '\0');
        for (char& byte : r)
            byte = char(random.bounded(256));
        records.append(r);
    }
    // The record of the issue: the text box's size at INT_MAX and the text box shown.
    QByteArray textBox = OptionsToRecord(StandardOptions());
    textBox.replace(204, 8, QByteArray::fromHex("FFFFFF7FFFFFFF7F"));
    textBox[8] = 1;
    records.append(textBox);

    for (const QByteArray& record : records) {
        QFile file(Folder.OptFilnavn);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(record);
        file.close();
        TMainform& form = Start();
        QCoreApplication::processEvents();
        EXPECT_TRUE(OnSomeScreen(form.frameGeometry())) << record.toHex().left(32).constData();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                EXPECT_TRUE(window->width() <= screen.width() && window->height() <= screen.height())
                    << window->objectName().toStdString() << " " << window->width() << "x" << window->height();
        }
        ASSERT_TRUE(CloseForm());
        // What was written is sound: reading it repairs nothing.
        const QByteArray written = ReadAll(Folder.OptFilnavn);
        ASSERT_EQ(written.size(), OptionsRecordSize);
        EXPECT_EQ(OptionsToRecord(OptionsFromRecord(written)), written);
        const TOptions o = OptionsFromRecord(written);
        EXPECT_TRUE(o.TbB <= screen.width() && o.TbH <= screen.height()) << o.TbB << "x" << o.TbH;
        EXPECT_TRUE(o.MainW <= screen.width() && o.MainH <= screen.height());
    }
}

TEST_F(MainformFixture, LanguageByteSevenStartsInDanish)
{
    QByteArray record = OptionsToRecord(StandardOptions());
    record[44] = 7;
    QFile file(Folder.OptFilnavn);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(record);
    file.close();
    TMainform& form = Start();
    EXPECT_FALSE(form.Engelsk());
    EXPECT_EQ(form.MFile->title().remove('&'), "Fil");
}

TEST_F(MainformFixture, SaveAsStartsInTheFolderOfThePicturesOwnFile)
{
    ASSERT_TRUE(QDir().mkpath(Home.path() + "/elsewhere"));
    TMainform& form = Start();
    form.HentPicture(WritePicture("elsewhere/p.bmp"));
    QString folder;
    form.FileCommands().Dialogs().RunFileDialog = [&](QFileDialog& dialog) {
        folder = dialog.directory().absolutePath();
        return QStringList();
    };
    form.FileCommands().ASaveMalvoAsExecute();
    EXPECT_EQ(folder, QDir(Home.path() + "/elsewhere").absolutePath());
}

TEST_F(MainformFixture, DeletingWithoutLocalShareMakesTheTrashFoldersAndPutsTheFileThere)
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME"), oldData = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
    TMainform& form = Start();
    const QString file = WritePicture("gone.bmp");
    EXPECT_TRUE(form.FileCommands().FileDeleteRB(file));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(QFile::exists(home.path() + "/.local/share/Trash/files/gone.bmp"));
    EXPECT_TRUE(QFile::exists(home.path() + "/.local/share/Trash/info/gone.bmp.trashinfo"));
    EXPECT_TRUE(Messages.isEmpty());
    qputenv("HOME", oldHome);
    if (!oldData.isEmpty())
        qputenv("XDG_DATA_HOME", oldData);
}
