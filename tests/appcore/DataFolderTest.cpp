#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "tests/appcore/FileHelpers.h"
#include "appcore/DataFolder.h"

TEST(DataFolder, PerUserNames)
{
    const TDataFolder f("/m", "anna");
    EXPECT_EQ(f.Brugernavn, "anna");
    EXPECT_EQ(f.Dir, "/m/anna");
    EXPECT_EQ(f.KlicheBib, "/m/anna/Cliches");
    EXPECT_EQ(f.KlipbordBib, "/m/anna/Klipbord");
    EXPECT_EQ(f.OptFilnavn, "/m/anna/OptionsMDI.opt");
    EXPECT_EQ(f.StringFilnavn, "/m/anna/Progstring.txt");
    EXPECT_EQ(f.openFilesFilnavn, "/m/anna/OpenFiles.txt");
    EXPECT_EQ(f.SingleUserOptFilnavn, "/m/Programfiler/OptionsMDI.opt");
    EXPECT_EQ(f.infoDir, "/m/Programfiler/Information/Tekstfiler/");
    EXPECT_EQ(f.DefaultPalFilnavn, "/m/Programfiler/Palet/Mixed.pal");
}

TEST(DataFolder, UnusableUserNameFallsBackToTheSingleUserFolder)
{
    for (const QString& name : {QString(), QString("../x"), QString("a/b"), QString(".."), QString(".")}) {
        const TDataFolder f("/m", name);
        EXPECT_EQ(f.Dir, "/m/Programfiler") << name.toStdString();
        EXPECT_TRUE(f.Brugernavn.isEmpty());
        EXPECT_EQ(f.OptFilnavn, "/m/Programfiler/OptionsMDI.opt");
    }
}

TEST(DataFolder, BaseComesFromMalvoHome)
{
    EXPECT_EQ(TDataFolder::DataFolderBase(), QDir::cleanPath(qEnvironmentVariable("MALVO_HOME")));
    EXPECT_FALSE(TDataFolder::PlatformUserName().isEmpty());
}

TEST(DataFolder, FreshMachineGetsFoldersAndShippedDataWithoutOverwriting)
{
    QTemporaryDir dir;
    const QString shipped = dir.filePath("shipped");
    WriteAll(shipped + "/help/Velkommen.html", "<p>ny</p>");
    WriteAll(shipped + "/help/img/a.png", "png");
    WriteAll(shipped + "/palettes/Mixed.pal", "pal");
    WriteAll(shipped + "/cursors/CUFOCUS.txt", "cursor");

    const TDataFolder f(dir.filePath("base/Malvomappe"), "anna");
    WriteAll(f.infoDir + "Velkommen.html", "<p>mine</p>");
    ASSERT_TRUE(f.Prepare(shipped));
    for (const QString& folder : {f.Dir, f.KlicheBib, f.KlipbordBib, f.DefaultGalBib, f.PaletDir})
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    EXPECT_EQ(ReadAll(f.infoDir + "Velkommen.html"), "<p>mine</p>");
    EXPECT_EQ(ReadAll(f.infoDir + "img/a.png"), "png");
    EXPECT_EQ(ReadAll(f.DefaultPalFilnavn), "pal");
    EXPECT_FALSE(QFileInfo::exists(f.Base + "/cursors"));
}

TEST(DataFolder, PrepareReportsAFolderThatCannotBeMade)
{
    QTemporaryDir dir;
    WriteAll(dir.filePath("file"), "x");
    const TDataFolder f(dir.filePath("file"), "anna"); // the base is a plain file
    EXPECT_FALSE(f.Prepare(QString()));
}

TEST(DataFolder, ShippedDataIsFoundFromTheBuildOrTheEnvironment)
{
    QTemporaryDir dir;
    qputenv("MALVO_DATA", dir.path().toLocal8Bit());
    EXPECT_EQ(TDataFolder::ShippedDataFolder(), QDir::cleanPath(dir.path()));
    qunsetenv("MALVO_DATA");
    // Run from the build folder, the source tree's data folder is found.
    EXPECT_TRUE(QFileInfo::exists(TDataFolder::ShippedDataFolder() + "/cursors"));
}
