#include "LibraryFiles.h"
#include "appcore/Message.h"
#include "engine/ImagePic.h"
#include "libraries/Bibform.h"
#include "libraries/Filform.h"
#include "libraries/Gallery.h"
#include "libraries/Kliche.h"
#include "tests/common/FakeMainServices.h"
#include "widgets/Rulskakt.h"
#include "widgets/SharedPainters.h"
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QStatusTipEvent>
#include <QLineEdit>
#include <QListWidget>
#include "widgets/CompoBil.h"
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {
class BoxesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetMessageCatcher([this](const QString& text) { Messages << text; });
        Gal = std::make_unique<TGalForm>(Services, Painters);
        Kli = std::make_unique<TKlicheform>(Services, Painters);
        Gal->resize(480, 300);
        Kli->resize(480, 300);
        Kli->KlicheBib = Path("cliches");
        Kli->KlipbordBib = Path("clips");
        QDir().mkpath(Kli->KlicheBib);
        QDir().mkpath(Kli->KlipbordBib);
    }
    void TearDown() override { SetMessageCatcher({}); }
    QString Path(const QString& name) const { return Dir.path() + QLatin1Char('/') + name; }
    // A document with a w x h pattern picture.
    TImagePic& Document(int w, int h)
    {
        Pic = std::make_unique<TImagePic>();
        Pic->SetAutoDim(true);
        Pic->SetPicture(Pattern(w, h));
        Services.Picture = Pic.get();
        return *Pic;
    }
    // Names a cliché in the file-name window when it opens.
    void AnswerName(const QString& name)
    {
        Kli->RunFilform = [name](TFilform& form) {
            form.NavnFelt->setText(name);
            return form.OkClick();
        };
    }

    QTemporaryDir Dir;
    FakeMainServices Services;
    TSharedPainters Painters;
    std::unique_ptr<TGalForm> Gal;
    std::unique_ptr<TKlicheform> Kli;
    std::unique_ptr<TImagePic> Pic;
    QStringList Messages;
};
} // namespace

TEST_F(BoxesTest, GridButtonsChangeOnlyTheNextReload)
{
    Gal->SetGalBib(Dir.path());
    Gal->AntalV = 1;
    Gal->MinusV();
    EXPECT_EQ(Gal->AntalV, 1);
    EXPECT_EQ(Gal->VFelt->text(), "1");
    EXPECT_EQ(Services.Hints.last(), "Et felt er mindste feltantal");
    for (int i = 0; i < 80; ++i)
        Gal->PlusL();
    EXPECT_EQ(Gal->AntalL, TBibPan::kMaxSide);
    const int cols = Gal->Panel->AntalVandret(), rows = Gal->Panel->AntalLodret();
    Gal->PlusV();
    EXPECT_EQ(Gal->Panel->AntalVandret(), cols);
    EXPECT_EQ(Gal->Panel->AntalLodret(), rows);
    Gal->BibliotekClick();
    EXPECT_EQ(Gal->Panel->AntalVandret(), 2);
    EXPECT_EQ(Gal->Panel->AntalLodret(), TBibPan::kMaxSide);
    EXPECT_EQ(Services.Hints.last(), "Antal billeder: 0");
}

TEST_F(BoxesTest, SelectingAndHoveringShowNameAndSize)
{
    WriteBmpFile(Path("sol.bmp"), Filled(40, 30, clYellow));
    WriteBmpFile(Kli->KlicheBib + "/Sol.rund.bmp", Filled(20, 10, clYellow));
    Gal->SetGalBib(Dir.path());
    Gal->BibliotekClick();
    EXPECT_EQ(Services.Hints.last(), "Antal billeder: 1");
    // Fewer pictures than fields: the scroll bar has nowhere to go, and no negative end.
    EXPECT_EQ(Gal->Rul->PosMax(), 0);
    Gal->Over(0);
    EXPECT_EQ(Services.Hints.last(), "sol.bmp (40x30)");
    Gal->Vaelg(0);
    EXPECT_EQ(Gal->Filnavn, Path("sol.bmp"));
    EXPECT_EQ(Gal->NavnFelt->text(), "sol.bmp");
    EXPECT_EQ(Gal->BreddeFelt->text(), "40");
    EXPECT_EQ(Gal->HojdeFelt->text(), "30");
    // The cliché box shows the name up to its first dot, and its count.
    Kli->BkKnapClick(0);
    EXPECT_EQ(Kli->AntalFelt->text(), "1");
    Kli->Vaelg(0);
    EXPECT_EQ(Kli->NavnFelt->text(), "Sol");
}

TEST_F(BoxesTest, OpeningAndInsertingTheSelectedFile)
{
    WriteBmpFile(Path("a.bmp"), Filled(6, 4, clRed));
    WriteBmpFile(Path("b.bmp"), Filled(6, 4, clBlue));
    WriteBytes(Path("c.bmp"), "not a picture");
    Gal->SetGalBib(Dir.path());
    Gal->BibliotekClick();

    // Without a document a double click opens the file.
    Gal->Vaelg(0);
    Gal->DblClick();
    EXPECT_EQ(Services.Opened, QStringList{Path("a.bmp")});
    Gal->AabenAlleClick();
    EXPECT_EQ(Services.Opened.mid(1), (QStringList{Path("a.bmp"), Path("b.bmp"), Path("c.bmp")}));
    Gal->UpdateButtons();
    EXPECT_FALSE(Gal->IndsaetKnap->isEnabled());

    // With one it is inserted at the focus's corner, its own size.
    TImagePic& pic = Document(40, 30);
    pic.DefFocusRect(10, 5, 30, 25);
    Gal->DblClick();
    EXPECT_EQ(pic.Picture().Canvas().Pixels(10, 5), clRed);
    EXPECT_EQ(pic.Picture().Canvas().Pixels(15, 8), clRed);
    EXPECT_NE(pic.Picture().Canvas().Pixels(16, 8), clRed);

    // A file that cannot be read says so; a missing one is not selected.
    Gal->Vaelg(2);
    Gal->IndsaetClick();
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].startsWith("Fejl: Ukendt!"));
    QFile::remove(Path("c.bmp"));
    Gal->IndsaetClick();
    Gal->AabenClick();
    EXPECT_EQ(Services.Hints.last(), "Der er ikke valgt et billede");
    EXPECT_EQ(Services.Opened.size(), 4);
}

TEST_F(BoxesTest, TransparentInsertRestoresTheDocumentsSetting)
{
    WriteBmpFile(Path("a.bmp"), Filled(6, 4, clWhite));
    Gal->SetGalBib(Dir.path());
    Gal->BibliotekClick();
    Gal->Vaelg(0);
    TImagePic& pic = Document(20, 20);
    const TColor before = pic.Picture().Canvas().Pixels(2, 2);
    bool mirrored = false;
    Gal->OnTransClick = [&](bool checked) { mirrored = checked; };
    Gal->TransCheck->click();
    EXPECT_TRUE(mirrored);
    pic.SetTransFarve(clWhite);
    pic.SetMetaTrans(false);
    pic.NewFocusRect(0, 0, 0, 0);
    Gal->IndsaetClick();
    EXPECT_FALSE(pic.MetaTrans());
    // White is the transparent colour: the picture under it shows through.
    EXPECT_EQ(pic.Picture().Canvas().Pixels(2, 2), before);
}

TEST_F(BoxesTest, DeletingOneFileAsksAndReloads)
{
    WriteBmpFile(Kli->KlicheBib + "/a.bmp", Filled(6, 4, clRed));
    WriteBmpFile(Kli->KlicheBib + "/b.bmp", Filled(6, 4, clRed));
    Kli->BkKnapClick(0);
    Kli->Vaelg(1);
    Services.Answers = {mrNo};
    Kli->SletFilClick();
    ASSERT_EQ(Services.Questions.size(), 1);
    EXPECT_EQ(Services.Questions[0][0], "Skal filen: " + Kli->KlicheBib + "/b.bmp");
    EXPECT_EQ(Services.Questions[0][1], "slettes til papirkurv?");
    EXPECT_TRUE(Services.Deleted.isEmpty());

    // Yes: the file goes, the selection is cleared and the box reloads.
    Services.Answers = {mrYes};
    Services.DeleteSucceeds = true;
    QFile::remove(Kli->KlicheBib + "/b.bmp"); // as the recycle bin would
    WriteBmpFile(Kli->KlicheBib + "/b.bmp", Filled(6, 4, clRed));
    Kli->SletFilClick();
    EXPECT_EQ(Services.Deleted, QStringList{Kli->KlicheBib + "/b.bmp"});
    EXPECT_TRUE(Kli->Filnavn.isEmpty());
    EXPECT_TRUE(Kli->NavnFelt->text().isEmpty());

    // A refusal of the recycle bin leaves the box as it was.
    Kli->SetSprog(true);
    Kli->Vaelg(0);
    Services.Answers = {mrYes};
    Services.DeleteSucceeds = false;
    Kli->SletFilClick();
    EXPECT_EQ(Services.Questions.last()[0], "The file: " + Kli->KlicheBib + "/a.bmp");
    EXPECT_EQ(Kli->Filnavn, Kli->KlicheBib + "/a.bmp");
}

TEST_F(BoxesTest, DeleteAllEmptiesThePanelAndRestartsTheClipCounter)
{
    for (int i = 0; i < 5; ++i)
        WriteBmpFile(Kli->KlipbordBib + QStringLiteral("/Klip_%1.bmp").arg(i, 4, 10, QLatin1Char('0')), Filled(4, 4, clRed));
    // The stand-in moves files away as the recycle bin does.
    struct TTrash : FakeMainServices {
        bool FileDeleteRB(const QString& f) override { return FakeMainServices::FileDeleteRB(f) && QFile::remove(f); }
    } trash;
    TKlicheform box(trash, Painters);
    box.KlipbordBib = Kli->KlipbordBib;
    bool restarted = false;
    box.OnAlleSlettet = [&] { restarted = true; };
    box.BkKnapClick(1);
    ASSERT_EQ(box.Panel->AntalIalt(), 5);
    box.Vaelg(2);
    trash.Answers = {mrYes};
    box.SletAlleClick();
    EXPECT_EQ(trash.Questions[0][0], "Skal alle filer");
    EXPECT_EQ(trash.Questions[0][1], "slettes til papirkurv?");
    EXPECT_EQ(trash.Deleted.size(), 5);
    EXPECT_EQ(box.Panel->AntalIalt(), 0);
    EXPECT_EQ(box.Panel->Antal(), 0);
    EXPECT_TRUE(box.Filnavn.isEmpty());
    EXPECT_TRUE(restarted);
}

TEST_F(BoxesTest, ClicheIsExactlyTheFocus)
{
    TImagePic& pic = Document(50, 40);
    pic.NewFocusRect(5, 6, 25, 16);
    AnswerName("Sol.jpg");
    Kli->GemKlicheClick();
    const QString path = Kli->KlicheBib + "/Sol.bmp";
    TBitmap saved;
    ASSERT_TRUE(PictureCodecs::ReadBmp(ReadBytes(path), saved));
    EXPECT_EQ(saved.Width(), 20);
    EXPECT_EQ(saved.Height(), 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(saved.Canvas().Pixels(x, y), pic.Picture().Canvas().Pixels(x + 5, y + 6));
    // The box shows the cliché folder with the new cliché.
    EXPECT_EQ(Kli->Panel->AntalIalt(), 1);
    EXPECT_EQ(Services.Hints.last(), "Antal billeder: 1");
}

TEST_F(BoxesTest, ClicheNamesNeverOverwriteOrLeaveTheFolder)
{
    TImagePic& pic = Document(30, 30);
    pic.NewFocusRect(0, 0, 10, 10);
    AnswerName("Sol");
    Kli->GemKlicheClick();
    const QString path = Kli->KlicheBib + "/Sol.bmp";
    const QByteArray first = ReadBytes(path);
    ASSERT_FALSE(first.isEmpty());

    pic.NewFocusRect(0, 0, 20, 20);
    Messages.clear();
    Kli->GemKlicheClick();
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_EQ(Messages[0], "Filen: Sol.bmp eksisterer.\nIndfør et andet filnavn.");
    EXPECT_EQ(ReadBytes(path), first);

    // Folder parts are dropped; no name is no file.
    AnswerName("../../evil");
    Kli->GemKlicheClick();
    EXPECT_TRUE(QFileInfo::exists(Kli->KlicheBib + "/evil.bmp"));
    EXPECT_FALSE(QFileInfo::exists(Path("evil.bmp")));
    Messages.clear();
    AnswerName("  ");
    Kli->GemKlicheClick();
    EXPECT_EQ(Messages, QStringList{"Der mangler et filnavn"});
    AnswerName("..");
    Kli->GemKlicheClick();
    EXPECT_EQ(Messages.size(), 2);
}

TEST_F(BoxesTest, FailedClicheSaveIsReported)
{
    TImagePic& pic = Document(30, 30);
    pic.NewFocusRect(0, 0, 10, 10);
    EXPECT_FALSE(TKlicheform::GemNyFil(Path("gone/x.bmp"), TKlicheform::FocusBitmap(pic)));
    // The folder disappears while the name is being chosen.
    Kli->RunFilform = [this](TFilform& form) {
        form.NavnFelt->setText("x");
        const bool ok = form.OkClick();
        QDir(Kli->KlicheBib).removeRecursively();
        return ok;
    };
    Kli->SetSprog(true);
    Kli->GemKlicheClick();
    EXPECT_EQ(Messages, QStringList{"Error: The file was not saved!"});
}

TEST_F(BoxesTest, IncludedClichesAreShippedAndReadOnly)
{
    ASSERT_FALSE(Kli->MedfolgendeBib.isEmpty());
    Kli->BkKnapClick(2);
    EXPECT_GE(Kli->Panel->AntalIalt(), 4);
    for (int i = 0; i < Kli->Panel->AntalIalt(); ++i)
        EXPECT_GT(Kli->Panel->GetBredde(i), 0) << Kli->Panel->GetFilnavn(i, false).toStdString();
    Kli->UpdateButtons();
    EXPECT_FALSE(Kli->SletKnap->isEnabled());
    Kli->BkKnapClick(0);
    Kli->UpdateButtons();
    EXPECT_TRUE(Kli->SletKnap->isEnabled());
}

TEST_F(BoxesTest, BothLanguages)
{
    Gal->SetSprog(true);
    Kli->SetSprog(true);
    EXPECT_EQ(Gal->windowTitle(), "Picturebox");
    EXPECT_EQ(Kli->windowTitle(), "Clichébox");
    EXPECT_EQ(Gal->BibliotekKnap->text(), "Library");
    EXPECT_EQ(Kli->MappeKnap[2]->text(), "Load included clips");
    EXPECT_EQ(Kli->ASletAlle->text(), "Delete all files...");
    EXPECT_EQ(Kli->GemKnap->statusTip(), "Save selected area or hole picture as cliché");
    Gal->SetSprog(false);
    Kli->SetSprog(false);
    EXPECT_EQ(Gal->windowTitle(), "Billedboks");
    EXPECT_EQ(Gal->AabenAlleKnap->text(), "Åben alle");
    EXPECT_EQ(Gal->ASletAlle->text(), "Slet alle...");
    EXPECT_EQ(Kli->MappeKnap[0]->text(), "Indlæs klicheer");
    EXPECT_EQ(Kli->VPlus->toolTip(), "Forøg antal felter vandret.");
    // Help lines reach the hint panel.
    QStatusTipEvent tip(Gal->IndsaetKnap->statusTip());
    QCoreApplication::sendEvent(Gal->IndsaetKnap, &tip);
    EXPECT_EQ(Services.Hints.last(), "Indsæt valgte billede i billedet");
    Gal->InfoKnap->click();
    Kli->InfoKnap->click();
    EXPECT_EQ(Services.HelpTopics, (QStringList{"Billedboks", "Klicheboks"}));
}

TEST_F(BoxesTest, ChooseLibraryWindowListsPicturesAndKeepsTheFolderOnCancel)
{
    WriteBmpFile(Path("a.bmp"), Filled(6, 4, clRed));
    WriteBytes(Path("b.txt"), "x");
    TBibform form;
    form.Bibliotek = "/somewhere";
    form.VisMappe(Dir.path());
    ASSERT_EQ(form.Filer->count(), 1);
    form.VisFil("a.bmp");
    EXPECT_FALSE(form.Preview->NoBitmap());
    form.reject();
    EXPECT_EQ(form.Bibliotek, "/somewhere");
    form.OkClick();
    EXPECT_EQ(form.Bibliotek, QDir::cleanPath(Dir.path()));

    // The picture box reloads on the chosen folder.
    Gal->RunBibform = [this](TBibform& f) {
        f.Bibliotek = Dir.path();
        return true;
    };
    Gal->NytClick();
    EXPECT_EQ(Gal->Panel->AntalIalt(), 1);
    EXPECT_EQ(Services.Hints.last(), "Antal billeder: 1");
}
