// The recent-files list, the favourites and the program menu with their list files.
#include "FileHelpers.h"
#include "appcore/MenuExeFiler.h"
#include "appcore/Message.h"
#include "appcore/ReopenFilerX.h"
#include <QAction>
#include <QGridLayout>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QWidgetAction>

namespace {

class ListsFixture : public ::testing::Test {
protected:
    void SetUp() override { SetMessageCatcher([this](const QString& t) { Messages << t; }); }
    void TearDown() override { SetMessageCatcher({}); }
    QString File(const QString& name, const QByteArray& bytes = "x")
    {
        const QString path = Dir.path() + "/" + name;
        WriteAll(path, bytes);
        return path;
    }
    QStringList Lines(const QString& name) const
    {
        return QString::fromUtf8(ReadAll(Dir.path() + "/" + name)).split('\n', Qt::SkipEmptyParts);
    }
    QTemporaryDir Dir;
    QStringList Messages;
};

QStringList Captions(const QMenu& menu)
{
    QStringList out;
    for (QAction* a : menu.actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

} // namespace

TEST_F(ListsFixture, RecentFilesKeepTheNewestTenWithoutDuplicates)
{
    TReopenFiler reopen;
    reopen.Itemfile = Dir.path() + "/MenuItems.txt";
    const QString a = File("a.jpg"), b = File("b.jpg");
    reopen.InsertItem(a, "a.jpg");
    reopen.InsertItem(b, "b.jpg");
    ASSERT_TRUE(reopen.GemReopenFiler());
    EXPECT_EQ(Lines("MenuItems.txt"), (QStringList{"10", "2", "b.jpg", b, "a.jpg", a}));

    QStringList names;
    for (int i = 0; i < 11; ++i) {
        names << File(QString("f%1.bmp").arg(i));
        reopen.InsertItem(names.last(), QString("f%1.bmp").arg(i));
    }
    ASSERT_EQ(reopen.Antal(), 10);
    EXPECT_EQ(reopen.GetFilnavn(0), names[10]);
    EXPECT_EQ(reopen.GetFilnavn(9), names[1]);
    reopen.InsertItem(reopen.GetFilnavn(2), reopen.GetCaption(2));
    EXPECT_EQ(reopen.GetFilnavn(0), names[8]);
    EXPECT_EQ(reopen.Antal(), 10);
    // Letter case makes another file on Linux; a missing file is not listed.
    const QString upper = File("F1.bmp");
    reopen.InsertItem(upper, "F1.bmp");
    EXPECT_EQ(reopen.GetFilnavn(0), upper);
    reopen.InsertItem(Dir.path() + "/gone.bmp", "gone.bmp");
    EXPECT_EQ(reopen.GetFilnavn(0), upper);
    reopen.InsertItem(File("line\nbreak.bmp"), "line\nbreak.bmp");
    EXPECT_EQ(reopen.GetFilnavn(0), upper);
}

TEST_F(ListsFixture, RecentFilesMenuAndAVanishedFile)
{
    QMenu menu;
    menu.addAction("Filliste");
    menu.addSeparator();
    menu.addAction("Fjern liste");
    TReopenFiler reopen;
    reopen.MainItem = &menu;
    reopen.MenuStartNr = 2;
    reopen.MedMenuStreg = true;
    reopen.DeleteItemCap = "Fjern liste";
    reopen.MakeMenu();
    EXPECT_EQ(Captions(menu), (QStringList{"Filliste", "-"}));

    const QString a = File("a.bmp"), b = File("b.bmp");
    reopen.InsertItem(a, "a.bmp");
    reopen.InsertItem(b, "b.bmp");
    reopen.MakeMenu();
    EXPECT_EQ(Captions(menu), (QStringList{"Filliste", "-", "b.bmp", "a.bmp", "-", "Fjern liste"}));

    QString chosen = "unset";
    reopen.OnKlik = [&](QAction*, const QString& name) { chosen = name; };
    QFile::remove(b);
    menu.actions()[2]->trigger();
    EXPECT_EQ(chosen, QString());
    reopen.MakeMenu();
    EXPECT_EQ(Captions(menu), (QStringList{"Filliste", "-", "a.bmp", "-", "Fjern liste"}));
    menu.actions()[2]->trigger();
    EXPECT_EQ(chosen, a);
    menu.actions().last()->trigger();
    EXPECT_EQ(reopen.Antal(), 0);
    EXPECT_EQ(Captions(menu), (QStringList{"Filliste", "-"}));
}

TEST_F(ListsFixture, DamagedRecentFilesLoadWhatIsSound)
{
    TReopenFiler reopen;
    reopen.Itemfile = File("MenuItems.txt", "7\n");
    reopen.Filantal = 3;
    reopen.HentReopenFiler();
    EXPECT_EQ(reopen.Filantal, 10);
    EXPECT_EQ(reopen.Antal(), 0);
    reopen.Itemfile = File("MenuItems.txt", "0\n5\nx.bmp\n/p/x.bmp\ny.bmp\n");
    reopen.HentReopenFiler();
    EXPECT_EQ(reopen.Filantal, 10);
    ASSERT_EQ(reopen.Antal(), 1);
    EXPECT_EQ(reopen.GetFilnavn(0), "/p/x.bmp");
    reopen.Itemfile = File("MenuItems.txt", "abc\nzz\n");
    reopen.HentReopenFiler();
    EXPECT_EQ(reopen.Antal(), 0);
}

TEST_F(ListsFixture, FavouritesKeepOrderSelectionAndClear)
{
    QListWidget box;
    TReopenFilerX fav;
    fav.Itemtype = itBibliotek;
    fav.Itemfile = Dir.path() + "/favoritmapper.txt";
    fav.SetListeBoks(&box);
    QDir(Dir.path()).mkpath("one");
    QDir(Dir.path()).mkpath("two");
    QDir(Dir.path()).mkpath("three");
    for (const char* n : {"one", "two", "three"})
        fav.InsertItem(Dir.path() + "/" + n, FolderCaption(Dir.path() + "/" + n));
    fav.InsertItem(Dir.path() + "/one", "one");
    ASSERT_EQ(box.count(), 3);
    EXPECT_EQ(box.item(0)->text(), "one");
    EXPECT_EQ(box.item(2)->text(), "two");
    EXPECT_EQ(Lines("favoritmapper.txt"), (QStringList{"one", Dir.path() + "/one", "three", Dir.path() + "/three",
                                                       "two", Dir.path() + "/two"}));
    box.setCurrentRow(0);
    EXPECT_FALSE(fav.flytOp(0));
    EXPECT_TRUE(fav.flytNed(0));
    EXPECT_EQ(box.currentRow(), 1);
    EXPECT_EQ(box.item(1)->text(), "one");
    EXPECT_TRUE(fav.flytOp(1));
    EXPECT_EQ(box.currentRow(), 0);

    TReopenFilerX reread;
    reread.Itemfile = fav.Itemfile;
    reread.HentReopenFiler();
    EXPECT_EQ(reread.GetFilnavn(0), Dir.path() + "/one");

    fav.AskClearAll = [] { return false; };
    fav.SletAlleItems();
    EXPECT_EQ(fav.Antal(), 3);
    fav.AskClearAll = [] { return true; };
    fav.SletAlleItems();
    EXPECT_EQ(box.count(), 0);
    EXPECT_TRUE(ReadAll(fav.Itemfile).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(fav.Itemfile));

    EXPECT_EQ(FolderCaption("/"), "/");
    EXPECT_EQ(FolderCaption("/home/ann/Billeder/"), "Billeder");
}

TEST_F(ListsFixture, AVanishedFavouriteIsReportedAndNotOpened)
{
    TReopenFilerX fav;
    fav.Itemtype = itFil;
    const QString p = File("p.bmp");
    fav.InsertItem(p, "p.bmp");
    int opened = 0;
    fav.OnDblListeKlik = [&](const QString&, const QString&) { ++opened; };
    fav.ListeKlik(0, true);
    EXPECT_EQ(opened, 1);
    QFile::remove(p);
    fav.ListeKlik(0, true);
    EXPECT_EQ(opened, 1);
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].startsWith("Filen blev ikke fundet."));
}

TEST_F(ListsFixture, ProgramsLoadSaveAndStartWithAnArgumentList)
{
    const QString prog = File("viewer", "#!/bin/sh\n");
    TMenuExeFiler menu;
    menu.Itemfile = Dir.path() + "/ProgItem.txt";
    menu.InsertItem(prog, "Viewer", "UseParam", 1);
    ASSERT_TRUE(menu.GemProgrammer());
    EXPECT_EQ(Lines("ProgItem.txt"), (QStringList{"1", "Viewer", prog, "UseParam", "1"}));

    QString started;
    QStringList arguments;
    menu.Start = [&](const QString& program, const QStringList& args, const QString&) {
        started = program;
        arguments = args;
        return true;
    };
    menu.OnParam = [](const TProgRec& p) {
        return p.Parameter == "UseParam" ? QStringList{"/tmp/x y.jpg"} : QStringList();
    };
    bool found = false, ok = false;
    menu.OnKlik = [&](const QString&, bool f, bool s) { found = f; ok = s; };
    menu.Choose(0);
    EXPECT_EQ(started, prog);
    EXPECT_EQ(arguments, QStringList{"/tmp/x y.jpg"});
    EXPECT_TRUE(found && ok);
    menu.Start = [](const QString&, const QStringList&, const QString&) { return false; };
    menu.Choose(0);
    EXPECT_TRUE(found);
    EXPECT_FALSE(ok);

    // A vanished program is reported and dropped; the count line matches what is written.
    const QString other = File("other");
    menu.InsertItem(other, "Other", "", 1);
    QFile::remove(prog);
    ASSERT_TRUE(menu.GemProgrammer());
    // The empty parameter line is kept in the file.
    EXPECT_EQ(QString::fromUtf8(ReadAll(menu.Itemfile)), "1\nOther\n" + other + "\n\n1\n");
    QStringList told;
    menu.OnKlik = [&](const QString& caption, bool f, bool) { told << caption + (f ? "+" : "-"); };
    menu.Choose(0);
    EXPECT_EQ(told, (QStringList{"Viewer-", "+"}));
    EXPECT_EQ(menu.Filantal(), 1);
}

TEST_F(ListsFixture, DamagedProgramListsKeepTheSoundEntries)
{
    const QString a = File("a"), b = File("b");
    TMenuExeFiler menu;
    menu.Itemfile = File("ProgItem.txt", ("3\nA\n" + a + "\nUseParam\n1\nB\n" + b + "\n\nx\nC\n").toUtf8());
    menu.HentProgrammer();
    ASSERT_EQ(menu.Filantal(), 1);
    EXPECT_EQ(menu.GetCaption(0), "A");
    menu.Itemfile = File("ProgItem.txt", "zwei\n");
    menu.HentProgrammer();
    EXPECT_EQ(menu.Filantal(), 0);
}

TEST_F(ListsFixture, TwentyFiveProgramsStartColumnsAtTwelveAndTwentyFour)
{
    QMenu sub;
    TMenuExeFiler menu;
    menu.MainItem = &sub;
    for (int i = 0; i < 25; ++i)
        menu.InsertItem(File(QString("p%1").arg(i)), QString("P%1").arg(i), "", 1);
    ASSERT_EQ(sub.actions().size(), 1);
    auto* columns = qobject_cast<QWidgetAction*>(sub.actions()[0]);
    ASSERT_NE(columns, nullptr);
    auto* grid = qobject_cast<QGridLayout*>(columns->defaultWidget()->layout());
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->columnCount(), 3);
    int row = -1, column = -1, span = 0;
    grid->getItemPosition(12, &row, &column, &span, &span);
    EXPECT_EQ(row, 0);
    EXPECT_EQ(column, 1);
    grid->getItemPosition(24, &row, &column, &span, &span);
    EXPECT_EQ(column, 2);
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(menu.StartsColumn(i), i == 12 || i == 24) << i;
}
