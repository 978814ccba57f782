#include "appcore/Message.h"
#include "colours/ColorPan.h"
#include "colours/Colform.h"
#include "colours/PaletteFile.h"
#include "colours/Palform.h"
#include "colours/PictureColours.h"
#include "platform/Random.h"
#include "colours/Sortform.h"
#include "tests/common/FakeMainServices.h"
#include "tests/engine/PicFixture.h"
#include "widgets/Rulskakt.h"
#include "widgets/SharedPainters.h"
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <tuple>

namespace {

struct PaletteWindows : ::testing::Test {
    FakeMainServices services;
    TSharedPainters painters;
    QStringList messages;
    std::unique_ptr<TPalform> palform = std::make_unique<TPalform>(services, painters);
    QString folder = palform->Folder();

    void SetUp() override
    {
        SetMessageCatcher([this](const QString& s) { messages << s; });
        for (const QString& f : QDir(folder).entryList(QDir::Files))
            QFile::remove(folder + "/" + f);
    }
    void TearDown() override { SetMessageCatcher({}); }
    QString Write(const QString& name, const std::vector<TColor>& colours)
    {
        const QString path = folder + "/" + name;
        EXPECT_TRUE(PaletteFile::Write(path, colours));
        return path;
    }
    void Mode(bool hent) { palform->Forbered(hent); }
};

// A picture of n colours, each a block of rows, found top to bottom.
TBitmap Stripes(int n)
{
    TBitmap b(40, n * 3);
    for (int y = 0; y < b.Height(); ++y) {
        uint32_t* line = b.ScanLine(y);
        for (int x = 0; x < b.Width(); ++x)
            line[x] = ToQRgb(RGB(y / 3 * 2, 10, 200));
    }
    return b;
}

} // namespace

TEST_F(PaletteWindows, LoadModePreviewsAndReturnsTheChosenFile)
{
    Write("Sky.pal", {clRed, clGreen, clBlue, clWhite, clBlack});
    Mode(true);
    ASSERT_EQ(palform->filListe->count(), 1);
    palform->FilKlik("Sky.pal");
    EXPECT_EQ(palform->Edit->text(), "Sky.pal");
    EXPECT_EQ(palform->Palet->AntalIalt(), 5);
    EXPECT_EQ(palform->Palet->AntalVandret(), 3);
    palform->OkKlik();
    EXPECT_EQ(palform->result(), QDialog::Accepted);
    EXPECT_EQ(palform->Filnavn, folder + "/Sky.pal");
    EXPECT_EQ(palform->okKnap->text(), "Hent");

    palform->Edit->setText("Nothing.pal");
    palform->OkKlik();
    EXPECT_EQ(messages.last(), "Filen kunne ikke findes!");
    palform->Edit->clear();
    palform->OkKlik();
    EXPECT_EQ(messages.last(), "Der mangler et filnavn");
    palform->reject();
    EXPECT_TRUE(palform->Filnavn.isEmpty());
}

TEST_F(PaletteWindows, SaveModeNamesAPlainFileWithTheLastExtensionReplaced)
{
    Mode(false);
    EXPECT_EQ(palform->okKnap->text(), "Gem");
    palform->Edit->setText("Sky.txt");
    palform->OkKlik();
    EXPECT_EQ(palform->Filnavn, folder + "/Sky.pal");
    palform->Edit->setText("Dark.blue.pal");
    palform->OkKlik();
    EXPECT_EQ(palform->Filnavn, folder + "/Dark.blue.pal");
    // A name that reaches out of the folder is refused.
    for (const char* bad : {"../x", "sub/x.pal", "..\\x", ".."}) {
        palform->Filnavn.clear();
        palform->Edit->setText(bad);
        palform->OkKlik();
        EXPECT_TRUE(palform->Filnavn.isEmpty()) << bad;
    }
    EXPECT_EQ(messages.last(), "Filnavnet må ikke indeholde en mappe");
}

TEST_F(PaletteWindows, DeleteAsksAndMovesOnlyListedFilesToTheRecycleBin)
{
    const QString sky = Write("Sky.pal", {clRed});
    Mode(true);
    palform->Edit->clear();
    palform->SletKlik();
    EXPECT_EQ(messages.last(), "Der mangler et filnavn!");
    palform->Edit->setText("../Sky.pal");
    palform->SletKlik();
    EXPECT_EQ(messages.last(), "Filen kunne ikke findes!");
    EXPECT_TRUE(services.Deleted.isEmpty());

    palform->FilKlik("Sky.pal");
    services.Answers << mrNo;
    palform->SletKlik();
    ASSERT_EQ(services.Questions.size(), 1);
    EXPECT_EQ(services.Questions[0], (QStringList{"Vil du slette filen:", "Sky.pal", "til papirkurven?"}));
    EXPECT_TRUE(services.Deleted.isEmpty());

    // A refusing recycle bin leaves the file and says so.
    services.DeleteSucceeds = false;
    services.Answers << mrYes;
    palform->SletKlik();
    EXPECT_EQ(services.Deleted, QStringList{sky});
    EXPECT_TRUE(messages.last().startsWith("Filen kunne ikke flyttes til papirkurven"));
    EXPECT_EQ(palform->Edit->text(), "Sky.pal");

    services.DeleteSucceeds = true;
    services.Answers << mrYes;
    palform->SetSprog(true);
    palform->SletKlik();
    EXPECT_EQ(services.Questions.last(), (QStringList{"Do you want to delete:", "Sky.pal", "to the Recycle Bin?"}));
    EXPECT_TRUE(palform->Edit->text().isEmpty());
}

TEST_F(PaletteWindows, DamagedAndForeignFilesPreviewWhatIsSound)
{
    // A missing palette folder is made when the dialog lists it.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    Mode(true);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(palform->filListe->count(), 0);

    QFile torn(folder + "/Torn.pal");
    ASSERT_TRUE(torn.open(QIODevice::WriteOnly));
    torn.write(QByteArray::fromHex("ff000000aabbccdd0102"));
    torn.close();
    Mode(true);
    palform->FilKlik("Torn.pal");
    EXPECT_EQ(palform->Palet->AntalIalt(), 2);
    EXPECT_EQ(palform->Palet->GetColor(1), 0xCCBBAA); // a foreign top byte is dropped
    // Huge: 100 colours give a scrolled 16 x 4 preview.
    std::vector<TColor> many(100, clRed);
    Write("Many.pal", many);
    palform->FilKlik("Many.pal");
    EXPECT_EQ(palform->Palet->AntalIalt(), 100);
    EXPECT_EQ(palform->Palet->AntalVandret(), 16);
}

TEST_F(PaletteWindows, PaletteBoxTakesTheColoursOfThePictureInTheOrderFound)
{
    TColform colform(services, painters);
    auto pic = std::make_unique<TImagePic>();
    pic->SetPicture(Stripes(10));
    services.Picture = pic.get();
    int sorted = 0;
    colform.Sorter = [&](TColorPan&) { ++sorted; };
    RandSeed(17);
    colform.AntalKlik(256);
    EXPECT_EQ(colform.FeltAntal, 256);
    EXPECT_EQ(colform.Edit->text(), "256");
    ASSERT_EQ(colform.ColPal->AntalIalt(), 10);
    EXPECT_EQ(colform.AntalInfo->text(), "10");
    EXPECT_EQ(sorted, 1);
    // The fields hold the colours in the order they were found (sorting is the sort dialog's).
    RandSeed(17);
    const std::vector<TColor> found = PictureColours::Dynamisk(pic->Picture(), 256);
    ASSERT_EQ(found.size(), 10u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(colform.ColPal->GetColor(i), found[size_t(i)]) << i;
    EXPECT_EQ(std::set<TColor>(found.begin(), found.end()).size(), 10u);
    EXPECT_TRUE(colform.Agem->isEnabled());
    EXPECT_FALSE(colform.Colrul->isEnabled());

    // A one-colour picture gives one field; more than 64 colours turn saving off.
    pic->SetPicture(TBitmap(30, 30));
    colform.CreateKnapClick();
    EXPECT_EQ(colform.ColPal->AntalIalt(), 1);
    pic->SetPicture(Stripes(100));
    colform.autoCreateCheck->setChecked(false);
    colform.AntalKlik(256);
    EXPECT_EQ(colform.ColPal->AntalIalt(), 1);
    colform.CreateKnapClick();
    EXPECT_EQ(colform.ColPal->AntalIalt(), 100);
    EXPECT_FALSE(colform.Agem->isEnabled());
    EXPECT_TRUE(colform.Colrul->isEnabled());
    EXPECT_EQ(colform.Colrul->PosMax(), 36);

    // Without a picture: the 16 standard colours, and the create button says why.
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(colform.createKnap, &enter);
    EXPECT_EQ(colform.createKnap->statusTip(), "Fabriker en palette fra billede");
    services.Picture = nullptr;
    QCoreApplication::sendEvent(colform.createKnap, &enter);
    EXPECT_EQ(colform.createKnap->statusTip(), "Der er intet aktiveret billede");
    colform.CreateKnapClick();
    EXPECT_EQ(colform.ColPal->AntalIalt(), 16);
    EXPECT_EQ(colform.ColPal->GetColor(0), clWhite);
}

TEST_F(PaletteWindows, PaletteBoxSavesAfterAskingAboutAnExistingFile)
{
    TColform colform(services, painters);
    auto pic = std::make_unique<TImagePic>();
    pic->SetPicture(Stripes(3));
    services.Picture = pic.get();
    colform.AntalKlik(8);
    const QString path = folder + "/Stripes.pal";
    colform.VaelgGemFil = [&](const TColorPan& pan) {
        EXPECT_EQ(pan.AntalIalt(), 3);
        return path;
    };
    colform.GemKlik();
    EXPECT_TRUE(services.Questions.isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.size(), 12);
    f.close();

    services.Answers << mrCancel;
    colform.SetSprog(true);
    colform.AntalKlik(8);
    colform.GemKlik();
    ASSERT_EQ(services.Questions.size(), 1);
    EXPECT_EQ(services.Questions[0], (QStringList{"The file:", path, "exists.", "Do you want to owerwrite it?"}));
    colform.SetSprog(false);
    services.Answers << mrOk;
    colform.GemKlik();
    EXPECT_EQ(services.Questions[1], (QStringList{"Filen:", path, "eksisterer allerede.", "Skal den overskrives?"}));
    EXPECT_EQ(colform.windowTitle(), "Paletteboks");
}

TEST_F(PaletteWindows, PaletteBoxClicksHandColoursToTheColourBox)
{
    TColform colform(services, painters);
    colform.CreateKnapClick();
    QList<std::tuple<TMouseButton, TColor, bool>> clicks;
    colform.OnFarveKlik = [&](TMouseButton b, TColor c, bool tool) { clicks.append({b, c, tool}); };
    colform.SetPFfelt(1, clRed);
    colform.PFpal->OnMus(colform.PFpal, mbLeft, 1);
    colform.ColPal->OnMus(colform.ColPal, mbRight, 6);
    colform.ColPal->OnMus(colform.ColPal, mbRight, 60); // no such field
    ASSERT_EQ(clicks.size(), 2);
    EXPECT_EQ(clicks[0], std::make_tuple(mbLeft, clRed, false));
    EXPECT_EQ(clicks[1], std::make_tuple(mbRight, colform.ColPal->GetColor(6), true));
}

TEST_F(PaletteWindows, SortDialogWeightsStayInTheSlidersRange)
{
    services.Opt.RPos = 3;
    TSortform sortform(services, painters);
    EXPECT_EQ(sortform.REdit->text(), "3");
    sortform.GEdit->clear();
    QTest::keyClicks(sortform.GEdit, "200");
    EXPECT_EQ(sortform.GBar->Position(), 32);
    EXPECT_EQ(sortform.GEdit->text(), "32");
    sortform.BEdit->setText("0");
    sortform.EditChange(2);
    EXPECT_EQ(sortform.BBar->Position(), 1);
    EXPECT_EQ(sortform.BEdit->text(), "1");
    sortform.GendanClick();
    EXPECT_EQ(sortform.RBar->Position(), 8);
    EXPECT_EQ(sortform.GEdit->text(), "16");
    TOptions opt;
    sortform.GemPosition(opt);
    EXPECT_EQ(opt.RPos, 8);
    EXPECT_EQ(opt.GPos, 16);
    EXPECT_EQ(opt.BPos, 1);
}

TEST_F(PaletteWindows, SortDialogSortsThePanelItsNumberChooses)
{
    TSortform sortform(services, painters);
    TColorPan big, box;
    for (TColorPan* pan : {&big, &box}) {
        pan->SetAntalIalt(3);
        pan->InitFarveFelt(0, RGB(10, 0, 0));
        pan->InitFarveFelt(1, RGB(0, 0, 200));
        pan->InitFarveFelt(2, RGB(0, 100, 0));
        pan->SetFarvePal(cpSelvValgt);
    }
    sortform.Panel = [&](int nr) { return nr == 1 ? &big : &box; };
    sortform.GendanClick();
    sortform.SorterFarvePalette();
    EXPECT_EQ(big.GetColor(0), RGB(0, 100, 0)); // 16 * 100 beats 200 and 80
    EXPECT_EQ(box.GetColor(0), RGB(10, 0, 0));
    sortform.Palnummer = 0;
    sortform.SorterFarvePalette();
    EXPECT_EQ(box.GetColor(0), RGB(0, 100, 0));
    EXPECT_EQ(sortform.RealiserKnap->text(), "Realiser");
    sortform.SetSprog(true);
    EXPECT_EQ(sortform.windowTitle(), "Arrange colors");
}
