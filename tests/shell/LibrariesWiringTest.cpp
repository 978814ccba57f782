#include "MainformFixture.h"
#include "libraries/Gallery.h"
#include "libraries/Kliche.h"
#include <QCheckBox>
#include <QDirIterator>
#include <QTabWidget>

namespace {
class LibrariesWiring : public MainformFixture {
protected:
    TMainform& StartBoxes()
    {
        TMainform& form = Start();
        form.RunQuestion = [this](TSpmform&) { return Answers.isEmpty() ? mrNo : Answers.takeFirst(); };
        return form;
    }
};
} // namespace

TEST_F(LibrariesWiring, BoxesArePlacedByTheirOptions)
{
    TMainform& form = StartBoxes();
    ASSERT_NE(form.GalForm(), nullptr);
    ASSERT_NE(form.Klicheform(), nullptr);
    // The cliché box is always docked after a start, in the dock book.
    EXPECT_EQ(form.DockHost()->SiteOf(form.Klicheform()), dsDropbog);
    EXPECT_EQ(form.Klicheform()->KlipbordBib, form.KlipbordBib());
    EXPECT_FALSE(form.Klicheform()->MedfolgendeBib.isEmpty());
    // The picture box floats unless it was docked.
    EXPECT_EQ(form.DockHost()->SiteOf(form.GalForm()), dsNone);
    EXPECT_EQ(form.GalForm()->GalBib(), form.Prog.GalBib);
}

TEST_F(LibrariesWiring, EverySavedCopyShowsInTheClicheBox)
{
    TMainform& form = StartBoxes();
    form.gemKlipCheck->setChecked(true);
    form.HentPicture(WritePicture("a.bmp", 20, 10));
    ASSERT_NE(form.GForm(), nullptr);
    TBitmap copy(5, 4);
    form.GForm()->Image->OnCopy(form.GForm()->Image, copy);
    form.GForm()->Image->OnCopy(form.GForm()->Image, copy);
    TKlicheform& box = *form.Klicheform();
    EXPECT_EQ(QDir(box.Panel->Bibliotek()), QDir(form.KlipbordBib()));
    EXPECT_EQ(box.Panel->AntalIalt(), 2);
    EXPECT_EQ(box.Panel->GetFilnavn(0, false), "Klip_0000.bmp");
    EXPECT_EQ(box.Panel->GetBredde(1), 5);
}

TEST_F(LibrariesWiring, TransparentBoxesMirrorEachOtherAndAreKept)
{
    TMainform& form = StartBoxes();
    form.GalForm()->TransCheck->click();
    EXPECT_TRUE(form.Klicheform()->Trans());
    EXPECT_TRUE(form.Prog.transInsert);
    form.Klicheform()->TransCheck->click();
    EXPECT_FALSE(form.GalForm()->Trans());
    EXPECT_FALSE(form.Prog.transInsert);
}

TEST_F(LibrariesWiring, DoubleClickWithoutDocumentOpensIt)
{
    TMainform& form = StartBoxes();
    WritePicture("sol.bmp", 40, 30);
    TGalForm& box = *form.GalForm();
    box.SetGalBib(Home.path());
    box.BibliotekClick();
    ASSERT_GE(box.Panel->AntalIalt(), 1);
    int k = 0;
    while (box.Panel->GetFilnavn(k, false) != "sol.bmp")
        ++k;
    box.Vaelg(k);
    ASSERT_EQ(form.GForm(), nullptr);
    box.DblClick();
    ASSERT_NE(form.GForm(), nullptr);
    EXPECT_EQ(form.GForm()->Image->Picture().Width(), 40);
}

TEST_F(LibrariesWiring, DeletedFileIsFoundInTheTrash)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    TMainform& form = StartBoxes();
    const QString path = WritePicture("gone.bmp", 8, 8);
    TGalForm& box = *form.GalForm();
    box.SetGalBib(Home.path());
    box.BibliotekClick();
    const int before = box.Panel->AntalIalt();
    for (int k = 0; k < before; ++k)
        if (box.Panel->GetFilnavn(k, false) == "gone.bmp")
            box.Vaelg(k);
    ASSERT_EQ(box.Filnavn, path);
    Answers = {mrYes};
    box.SletFilClick();
    EXPECT_FALSE(QFile::exists(path));
    bool found = false;
    for (QDirIterator it(data.path(), QDirIterator::Subdirectories); it.hasNext();)
        if (it.next().endsWith("/files/gone.bmp"))
            found = true;
    EXPECT_TRUE(found);
    EXPECT_EQ(box.Panel->AntalIalt(), before - 1);
    qunsetenv("XDG_DATA_HOME");
}

TEST_F(LibrariesWiring, LanguageAndOptionsAtClose)
{
    TMainform& form = StartBoxes();
    form.Opt().Sprog = 1;
    form.SetSprog();
    EXPECT_EQ(form.GalForm()->windowTitle(), "Picturebox");
    EXPECT_EQ(form.Klicheform()->windowTitle(), "Clichébox");
    form.GalForm()->PlusV();
    form.GalForm()->BibliotekClick();
    const int across = form.GalForm()->Panel->AntalVandret();
    ASSERT_TRUE(CloseForm());
    const TOptions read = ::HentOptions(Folder.OptFilnavn, Folder.SingleUserOptFilnavn);
    EXPECT_EQ(read.GBoxV, across);
}
