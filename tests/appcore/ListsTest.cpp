#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "tests/appcore/FileHelpers.h"
#include "appcore/DataFolder.h"
#include "appcore/Lists.h"

namespace {

class ListsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TDataFolder folder{dir.path(), "anna"};
    QString file = dir.filePath("Progstring.txt");
};

} // namespace

TEST_F(ListsTest, MissingProgstringGivesDefaults)
{
    const TProgstring p = HentProgstring(file, folder);
    EXPECT_EQ(p.designName, "Sky");
    EXPECT_EQ(p.GalBib, dir.path() + "/Billeder");
    EXPECT_EQ(p.PalFilnavn, dir.path() + "/Programfiler/Palet/Mixed.pal");
    EXPECT_FALSE(p.gemKlip);
    EXPECT_EQ(p.fontname1, "Courier New");
    EXPECT_EQ(p.fontsize1, 12);
    EXPECT_EQ(p.fontsize2, 8);
    EXPECT_FALSE(p.ToolBookTop);
    EXPECT_TRUE(p.ToolBookVisible);
    EXPECT_FALSE(p.ToolLineVisible);
    EXPECT_TRUE(p.VisKlipbord);
    EXPECT_TRUE(p.ToolLineTop);
    EXPECT_EQ(p.poNummer, 1);
}

TEST_F(ListsTest, ProgstringIsWrittenAsEighteenLines)
{
    TProgstring p = StandardProgstring(folder);
    p.designName = "Fusion";
    p.GalBib = "/pics";
    p.PalFilnavn = "/p/Mixed.pal";
    p.gemKlip = true;
    p.fontname2 = "DejaVu Sans";
    p.fontsize2 = 10;
    p.ToolBookTop = true;
    p.ToolBookPage = 4;
    p.DockBookVisible = false;
    p.ToolLineVisible = true;
    p.ToolLineTop = false;
    p.poNummer = 3;
    ASSERT_TRUE(GemProgstring(file, p, true));
    EXPECT_EQ(ReadAll(file), QByteArray("engelsk\nFusion\n/pics\n/p/Mixed.pal\n1\nCourier New\n"
                                        "DejaVu Sans\n12\n10\n0\n0\n4\n1\n0\n1\n1\n1\n3\n"));
    const TProgstring back = HentProgstring(file, folder);
    EXPECT_EQ(back.designName, "Fusion");
    EXPECT_TRUE(back.gemKlip);
    EXPECT_EQ(back.fontsize2, 10);
    EXPECT_TRUE(back.ToolBookTop);
    EXPECT_EQ(back.ToolBookPage, 4);
    EXPECT_FALSE(back.DockBookVisible);
    EXPECT_TRUE(back.ToolLineVisible);
    EXPECT_FALSE(back.ToolLineTop);
    EXPECT_EQ(back.poNummer, 3);
    ASSERT_TRUE(GemProgstring(file, back, false));
    EXPECT_TRUE(ReadAll(file).startsWith("dansk\n"));
}

TEST_F(ListsTest, OnlyOneMeansTrueForTheClipAndTransparencyLines)
{
    WriteAll(file, "dansk\r\nSky\r\n/g\r\n/p\r\n2\r\nA\r\nB\r\n12\r\n8\r\n2\r\n1\r\n0\r\n1\r\n1\r\n0\r\n1\r\n0\r\n1\r\n");
    const TProgstring p = HentProgstring(file, folder);
    EXPECT_FALSE(p.gemKlip);
    EXPECT_FALSE(p.transInsert);
    EXPECT_EQ(p.GalBib, "/g"); // "\r\n" endings are read
    EXPECT_EQ(p.fontname2, "B");
}

TEST_F(ListsTest, ShortOrNonNumericProgstringGivesDefaultsForWhatIsBad)
{
    WriteAll(file, "dansk\nWindows\n/g\n/p\n1\nA\nB\ntolv\n-4\n");
    TProgstring p = HentProgstring(file, folder);
    EXPECT_EQ(p.designName, "Windows");
    EXPECT_TRUE(p.gemKlip);
    EXPECT_EQ(p.fontsize1, 12);
    EXPECT_EQ(p.fontsize2, 8);
    EXPECT_TRUE(p.ToolBookVisible);
    EXPECT_TRUE(p.ToolLineTop);
    EXPECT_EQ(p.poNummer, 1);

    WriteAll(file, "dansk\n\n\n\n0\n\n\n12\n8\n0\n1\n99\nja\n0\n1\n0\n0\n7\n");
    p = HentProgstring(file, folder);
    EXPECT_EQ(p.designName, "Sky");
    EXPECT_EQ(p.GalBib, folder.DefaultGalBib);
    EXPECT_EQ(p.ToolBookPage, 0);
    EXPECT_TRUE(p.ToolBookVisible);
    EXPECT_FALSE(p.DockBookVisible);
    EXPECT_EQ(p.poNummer, 1);
}

TEST_F(ListsTest, OpenFilesKeepsItsOrder)
{
    const QString name = dir.filePath("OpenFiles.txt");
    const QStringList files = {"/b/hus.jpg", "/a/æble.bmp", "/c/x y.ico"};
    ASSERT_TRUE(GemOpenFiles(name, files));
    EXPECT_EQ(ReadAll(name), QString("/b/hus.jpg\n/a/æble.bmp\n/c/x y.ico\n").toUtf8());
    EXPECT_EQ(HentOpenFiles(name), files);
    ASSERT_TRUE(GemOpenFiles(name, {}));
    EXPECT_EQ(ReadAll(name), QByteArray());
    EXPECT_TRUE(HentOpenFiles(name).isEmpty());
    EXPECT_TRUE(HentOpenFiles(dir.filePath("none.txt")).isEmpty());
}

TEST_F(ListsTest, TextListsAcceptByteOrderMarkAndCrLf)
{
    const QString name = dir.filePath("list.txt");
    WriteAll(name, "\xEF\xBB\xBF" "one\r\ntwo\r\n\r\nfour");
    EXPECT_EQ(ReadTextList(name), QStringList({"one", "two", "", "four"}));
    EXPECT_EQ(HentOpenFiles(name), QStringList({"one", "two", "four"}));
}

TEST_F(ListsTest, LinesEndingInCrAloneAreLinesToo)
{
    const QString name = dir.filePath("mac.txt");
    WriteAll(name, "one\rtwo\r\rfour\r");
    EXPECT_EQ(ReadTextList(name), QStringList({"one", "two", "", "four"}));
    // Mixed endings in one file.
    WriteAll(name, "a\rb\nc\r\nd");
    EXPECT_EQ(ReadTextList(name), QStringList({"a", "b", "c", "d"}));
    // Settings written by an old Mac keep their values.
    const QString prog = dir.filePath("Progstring.txt");
    WriteAll(prog, "engelsk\rSky\r/g\r/p\r1\rA\rB\r14\r9\r0\r1\r3\r");
    const TProgstring p = HentProgstring(prog, folder);
    EXPECT_EQ(p.GalBib, "/g");
    EXPECT_TRUE(p.gemKlip);
    EXPECT_EQ(p.fontsize1, 14);
    EXPECT_EQ(p.ToolBookPage, 3);
}
