#include "appcore/Message.h"
#include "colours/ColorPan.h"
#include "colours/Farveform.h"
#include "colours/PaletteFile.h"
#include "tests/common/FakeMainServices.h"
#include "tests/engine/PicFixture.h"
#include "widgets/CompoFade.h"
#include "widgets/Rulskakt.h"
#include "widgets/SharedPainters.h"
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

QByteArray ReadRaw(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteRaw(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QPoint FieldCentre(const TColorPan& pan, int k)
{
    const TRect r = pan.Felt(k)->IR;
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

struct FarveformFixture : ::testing::Test {
    QTemporaryDir dir;
    FakeMainServices services;
    TSharedPainters painters;
    std::unique_ptr<TImagePic> pic = MakePic(20, 10);
    std::unique_ptr<TFarveform> box;
    QStringList messages;

    void SetUp() override
    {
        SetMessageCatcher([this](const QString& s) { messages << s; });
        services.Picture = pic.get();
        box = std::make_unique<TFarveform>(services, painters);
        box->LagerFilnavn = dir.filePath(QStringLiteral("Lagerpal.txt"));
        box->resize(400, 900);
        box->show();
        // Every panel paints as on the screen, so the tests run the painted paths.
        box->grab();
    }
    void TearDown() override { SetMessageCatcher({}); }
    void Insert(TColor c)
    {
        box->SetOutFarve(c, true, true);
        box->LInsKnapClick();
    }
};

} // namespace

TEST_F(FarveformFixture, StoreFileHoldsTwentyFourRecordsByteByByte)
{
    ASSERT_TRUE(box->Lagerpal->CompoPainted);
    Insert(clRed);
    EXPECT_TRUE(box->LgemKnap->isEnabled());
    EXPECT_EQ(services.Hints.last(), "Der blev indsat en farve");
    box->LgemKnapClick();
    EXPECT_EQ(services.Hints.last(), "Paletten er gemt til senere anvendelse");
    EXPECT_FALSE(box->LgemKnap->isEnabled());

    const QByteArray bytes = ReadRaw(box->LagerFilnavn);
    ASSERT_EQ(bytes.size(), 96);
    EXPECT_EQ(bytes.left(4), QByteArray::fromHex("ff000000"));
    for (int i = 1; i < 24; ++i)
        EXPECT_EQ(bytes.mid(i * 4, 4), QByteArray::fromHex("ffffff1f")) << i;

    // Loading it back gives the red field and the next insert position after it.
    box->LClearKnapClick();
    box->LhentKnapClick();
    EXPECT_EQ(box->Lagerpal->GetColor(0), clRed);
    EXPECT_EQ(box->Lagerpal->GetColor(1), clNone);
    EXPECT_EQ(box->LagerNr, 1);
    EXPECT_FALSE(box->LgemKnap->isEnabled());
}

TEST_F(FarveformFixture, StoreWrapsAfterTwentyFourAndKeepsColoursUnique)
{
    for (int i = 1; i <= 25; ++i)
        Insert(RGB(i, 0, 0));
    EXPECT_EQ(box->Lagerpal->GetColor(0), RGB(25, 0, 0));
    EXPECT_EQ(box->Lagerpal->GetColor(23), RGB(24, 0, 0));
    EXPECT_EQ(box->LagerNr, 1);
    const int hints = int(services.Hints.size());
    Insert(RGB(10, 0, 0)); // already stored: nothing, no message
    EXPECT_EQ(box->LagerNr, 1);
    EXPECT_EQ(services.Hints.size(), hints);
    EXPECT_EQ(box->Lagerpal->GetColor(1), RGB(2, 0, 0));
}

TEST_F(FarveformFixture, FailedStoreSaveSaysSoAndStaysEnabled)
{
    box->LagerFilnavn = dir.filePath(QStringLiteral("missing/folder/Lagerpal.txt"));
    Insert(clBlue);
    box->LgemKnapClick();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Farvelageret kunne ikke gemmes"));
    EXPECT_NE(services.Hints.last(), "Paletten er gemt til senere anvendelse");
    EXPECT_TRUE(box->LgemKnap->isEnabled());
}

TEST_F(FarveformFixture, DamagedStoreFilesLoadWhatIsSound)
{
    // 30 records: the store takes the first 24; a full store gives insert position 0.
    QByteArray longFile;
    for (int i = 0; i < 30; ++i)
        longFile += QByteArray::fromHex("10203000");
    longFile[4] = 0x11;
    WriteRaw(box->LagerFilnavn, longFile);
    box->LhentKnapClick();
    EXPECT_EQ(box->Lagerpal->GetColor(1), RGB(0x11, 0x20, 0x30));
    EXPECT_EQ(box->LagerNr, 0);
    box->LagerFilnavn = dir.filePath(QStringLiteral("x"));
    QFile::remove(box->LagerFilnavn);

    // Two records and a torn third: padded with empty fields.
    WriteRaw(box->LagerFilnavn, QByteArray::fromHex("ff00000000ff0000aabb"));
    box->LhentKnapClick();
    EXPECT_EQ(box->Lagerpal->GetColor(0), clRed);
    EXPECT_EQ(box->Lagerpal->GetColor(1), RGB(0, 255, 0));
    EXPECT_EQ(box->Lagerpal->GetColor(2), clNone);
    EXPECT_EQ(box->LagerNr, 2);

    // An empty file and a missing one leave an empty store at position 0.
    WriteRaw(box->LagerFilnavn, {});
    box->LhentKnapClick();
    EXPECT_EQ(box->LagerNr, 0);
    box->LagerFilnavn = dir.filePath(QStringLiteral("none.txt"));
    box->LhentKnapClick();
    EXPECT_EQ(box->LagerNr, 0);
}

TEST_F(FarveformFixture, MouseButtonsGiveColoursToPenMiddleAndFill)
{
    box->SetPal(3);
    box->BigSpal->Paint();
    const TColor c0 = box->BigSpal->GetColor(0), c1 = box->BigSpal->GetColor(1), c2 = box->BigSpal->GetColor(2);
    QTest::mouseClick(box->BigSpal, Qt::LeftButton, {}, FieldCentre(*box->BigSpal, 0));
    QTest::mouseClick(box->BigSpal, Qt::RightButton, {}, FieldCentre(*box->BigSpal, 2));
    QTest::mouseClick(box->BigSpal, Qt::MiddleButton, {}, FieldCentre(*box->BigSpal, 1));
    EXPECT_EQ(pic->PenColor(), c0);
    EXPECT_EQ(pic->BrushColor(), c2);
    EXPECT_EQ(pic->MellemFarve(), c1);
    EXPECT_EQ(box->OutFarve, c1);
    const TColor given[3] = {c0, c1, c2};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(box->PFpal->GetColor(i), given[i]);
        EXPECT_EQ(box->Fadepal->GetColor(i), given[i]);
    }
    // The last button decides which box Apply sets.
    EXPECT_TRUE(box->Middlefelt->isChecked());
    EXPECT_FALSE(box->Penfelt->isChecked());
    EXPECT_EQ(box->HukNr, 3);
}

TEST_F(FarveformFixture, EmptyFieldsGiveNoColour)
{
    pic->SetPenColor(clGreen);
    box->PanelKlik(*box->Hukpal, mbLeft, 0);
    box->PanelKlik(*box->Lagerpal, mbLeft, 5);
    box->BigSpal->FarveFelt(4, clNone);
    box->PanelKlik(*box->BigSpal, mbLeft, 4);
    EXPECT_EQ(pic->PenColor(), clGreen);
    EXPECT_NE(box->OutFarve, clNone);
    EXPECT_NE(box->PFpal->GetColor(0), clNone);
}

TEST_F(FarveformFixture, WithoutADocumentClicksOnlyChangeTheActiveColour)
{
    services.Picture = nullptr;
    box->PanelKlik(*box->BigSpal, mbLeft, 0);
    EXPECT_EQ(box->OutFarve, box->BigSpal->GetColor(0));
    EXPECT_EQ(box->Fadepal->GetColor(0), box->BigSpal->GetColor(0));
    EXPECT_EQ(box->HukNr, 0);
    box->UpdateOkKnap();
    EXPECT_FALSE(box->OkKnap->isEnabled());
}

TEST_F(FarveformFixture, HistoryWrapsAfterThirtySix)
{
    for (int i = 1; i <= 37; ++i) {
        box->SetOutFarve(RGB(0, i, 0), true, true);
        box->OkKnapClick();
    }
    EXPECT_EQ(box->Hukpal->GetColor(0), RGB(0, 37, 0));
    EXPECT_EQ(box->Hukpal->GetColor(35), RGB(0, 36, 0));
    EXPECT_EQ(box->HukNr, 1);
    EXPECT_EQ(box->InFarve, RGB(0, 37, 0));
    EXPECT_EQ(pic->PenColor(), RGB(0, 37, 0));
}

TEST_F(FarveformFixture, ApplySetsTheCheckedToolsAndIsOffWhileASelectionIsActive)
{
    box->Fillfelt->setChecked(true);
    box->SetOutFarve(clYellow, true, true);
    box->OkKnapClick();
    EXPECT_EQ(pic->PenColor(), clYellow);
    EXPECT_EQ(pic->BrushColor(), clYellow);
    EXPECT_NE(pic->MellemFarve(), clYellow);
    box->UpdateOkKnap();
    EXPECT_TRUE(box->OkKnap->isEnabled());
    pic->SelectAll();
    box->UpdateOkKnap();
    EXPECT_FALSE(box->OkKnap->isEnabled());
    box->SetOutFarve(clBlue, true, true);
    box->OkKnapClick();
    EXPECT_EQ(pic->PenColor(), clYellow);
}

TEST_F(FarveformFixture, MixingXorAndOrAndPerformGivesTheResultToItsTool)
{
    box->PenFyldFarver(mbLeft, clBlack);
    box->SetGrundIndex(0);
    box->SetMixIndex(3);
    box->XORcheck->click();
    EXPECT_EQ(box->mixPal->GetColor(2), clWhite);

    box->PenFyldFarver(mbLeft, 0x0000FF);
    box->PenFyldFarver(mbRight, 0xFF0000);
    box->SetMixIndex(2);
    box->ORcheck->click();
    EXPECT_EQ(box->mixPal->GetColor(0), 0x0000FF);
    EXPECT_EQ(box->mixPal->GetColor(1), 0xFF0000);
    EXPECT_EQ(box->mixPal->GetColor(2), 0xFF00FF);
    box->ANDcheck->click();
    EXPECT_EQ(box->mixPal->GetColor(2), 0);
    box->SetMixOperation(-1);
    EXPECT_EQ(box->MixOperation(), -1);
    box->SetMixIndex(3);
    EXPECT_EQ(box->mixPal->GetColor(2), clBlack);
    box->SetMixIndex(2);

    // The result goes to the fill colour (the start choice) and its fade field.
    box->ORcheck->click();
    box->MixKnapClick();
    EXPECT_EQ(pic->BrushColor(), 0xFF00FF);
    EXPECT_EQ(box->Fadepal->GetColor(2), 0xFF00FF);
    EXPECT_EQ(box->OutFarve, 0xFF00FF);
}

TEST_F(FarveformFixture, CopyButtonsMoveOneToolColourOntoAnother)
{
    box->PenFyldFarver(mbLeft, clRed);
    box->FlytKnapClick(2); // fill := pen
    EXPECT_EQ(pic->BrushColor(), clRed);
    EXPECT_EQ(box->PFpal->GetColor(2), clRed);
    box->PenFyldFarver(mbMiddle, RGB(0, 255, 0));
    box->FlytKnapClick(3); // pen := middle
    EXPECT_EQ(pic->PenColor(), RGB(0, 255, 0));
}

TEST_F(FarveformFixture, TypedNumbersAreClampedAndAnUnchangedSliderReportIsIgnored)
{
    box->REdit->clear();
    QTest::keyClicks(box->REdit, "300");
    EXPECT_EQ(box->REdit->text(), "255");
    EXPECT_EQ(box->RBar->Position(), 255);
    box->GEdit->setText("");
    QTest::keyClicks(box->GEdit, "7");
    EXPECT_EQ(box->GBar->Position(), 7);
    EXPECT_EQ(GetGValue(box->OutFarve), 7);

    // A newer colour from elsewhere is not undone by a slider that repeats its position.
    box->SetOutFarve(clBlue, true, false);
    box->RGBBarChange(1, box->GBar->Position());
    EXPECT_EQ(box->OutFarve, clBlue);
    box->BWRulChange(box->BWRul->Position());
    EXPECT_EQ(box->OutFarve, clBlue);
}

TEST_F(FarveformFixture, ShadeBarGivesShadesOfTheActiveColour)
{
    box->SetOutFarve(RGB(100, 50, 200), true, true);
    box->BWPalMouseDown(mbLeft, box->BWPal->CompoRekt.Left);
    EXPECT_EQ(box->OutFarve, clBlack);
    EXPECT_EQ(pic->PenColor(), clBlack);
    EXPECT_EQ(box->RBar->Position(), 0);
    // The gradient keeps its middle colour; the slider runs along it.
    box->BWRul->SetPosition(128);
    EXPECT_EQ(box->OutFarve, RGB(100, 50, 200));
    box->BWRul->SetPosition(255);
    EXPECT_EQ(box->OutFarve, clWhite);
}

TEST_F(FarveformFixture, PaletteFourFallsBackWhenItsFileIsMissingOrEmpty)
{
    box->PalFilnavn = dir.filePath(QStringLiteral("Mine.pal"));
    box->SetPal(4);
    EXPECT_EQ(services.Opt.Fpal, 2);
    EXPECT_EQ(box->BigSpal->AntalIalt(), 64);
    EXPECT_EQ(box->windowTitle(), "Farveboks");

    WriteRaw(box->PalFilnavn, {});
    box->SetPal(4);
    EXPECT_EQ(services.Opt.Fpal, 2);

    ASSERT_TRUE(PaletteFile::Write(box->PalFilnavn, {clRed, clGreen, clBlue, clWhite, clBlack}));
    box->SetPal(4);
    EXPECT_EQ(services.Opt.Fpal, 4);
    EXPECT_EQ(box->BigSpal->AntalIalt(), 5);
    EXPECT_EQ(box->BigSpal->GetColor(2), clBlue);
    EXPECT_EQ(box->windowTitle(), "Farveboks: Mine.pal");

    box->SetPal(1);
    EXPECT_EQ(box->BigSpal->AntalIalt(), 20);
    EXPECT_EQ(box->windowTitle(), "Farveboks");
}

TEST_F(FarveformFixture, ChoosingAPaletteFileLoadsPaletteFour)
{
    const QString file = dir.filePath(QStringLiteral("Valgt.pal"));
    ASSERT_TRUE(PaletteFile::Write(file, {clRed, clGreen}));
    QString stored;
    box->VaelgPaletteFil = [&] { return file; };
    box->OnPalFilnavn = [&](const QString& f) { stored = f; };
    box->RanPalKnappenClick();
    EXPECT_EQ(stored, file);
    EXPECT_EQ(box->BigSpal->AntalIalt(), 2);
    // Cancel changes nothing.
    box->VaelgPaletteFil = [] { return QString(); };
    box->SetPal(1);
    box->RanPalKnappenClick();
    EXPECT_EQ(box->BigSpal->AntalIalt(), 20);
}

TEST_F(FarveformFixture, IntervalPalettesRunThroughTheFadeColours)
{
    box->SetPal(4); // 64 fields
    box->SetFadeFarve(0, clBlack);
    box->SetFadeFarve(1, clRed);
    box->SetFadeFarve(2, clWhite);
    box->RiPalKnapClick(true);
    EXPECT_EQ(box->BigSpal->GetColor(0), clBlack);
    EXPECT_EQ(box->BigSpal->GetColor(32), clRed);
    box->RiPalKnapClick(false);
    EXPECT_EQ(box->BigSpal->GetColor(0), clBlack);
    EXPECT_NE(box->BigSpal->GetColor(32), clRed);
}

TEST_F(FarveformFixture, SameColorsPushesIntoEveryLaterPicture)
{
    // Showing the box pulled the picture's colours.
    EXPECT_EQ(box->PFpal->GetColor(0), pic->PenColor());
    EXPECT_EQ(box->PFpal->GetColor(2), pic->BrushColor());
    box->PenFyldFarver(mbLeft, clRed);
    box->PenFyldFarver(mbRight, clBlue);

    auto second = MakePic(5, 5);
    services.Picture = second.get();
    box->MetaKnapMetode = [] { return mmFarve; };
    box->MetaPanelFarve = [] { return clYellow; };
    box->PFfarver();
    EXPECT_EQ(second->PenColor(), clRed);
    EXPECT_EQ(second->BrushColor(), clBlue);
    EXPECT_EQ(second->MetaMetode(), mmFarve);
    EXPECT_EQ(second->MetaFarve(), clYellow);

    // Without SameColors the box takes each picture's own colours.
    services.Opt.SameColors = false;
    second->SetPenColor(clGreen);
    box->PFfarver();
    EXPECT_EQ(box->PFpal->GetColor(0), clGreen);
}

TEST_F(FarveformFixture, HelpLinesCarryTheNamesInBothLanguages)
{
    box->SetOutFarve(clRed, true, true);
    box->Informa(23);
    EXPECT_EQ(services.Hints.last(), "Realiser farve: " + box->InOutPal->GetFarveNavn(clRed));
    box->Informa(4);
    EXPECT_EQ(services.Hints.last(), "Tøm lageret for farver.");
    box->SetSprog(true);
    box->Informa(8);
    EXPECT_EQ(services.Hints.last(), "Panel with 28 named colors");
    EXPECT_EQ(box->windowTitle(), "Colorbox");
    EXPECT_EQ(box->OkKnap->text(), "Apply");
    box->Informa(-1);
    EXPECT_EQ(services.Hints.last(), "");
    EXPECT_TRUE(box->HelpLine(1).isEmpty());
}

TEST_F(FarveformFixture, SmallBoxHidesThePagesAndTheButtonSaysWhatItMakes)
{
    box->SetSmallBox(true);
    EXPECT_FALSE(box->Bog->isVisible());
    EXPECT_EQ(box->udvCheck->text(), "Stor Boks");
    // The language switch writes the same words.
    box->SetSprog(true);
    EXPECT_EQ(box->udvCheck->text(), "Big box");
    box->SetSprog(false);
    EXPECT_EQ(box->udvCheck->text(), "Stor Boks");
    box->SetSmallBox(false);
    EXPECT_TRUE(box->Bog->isVisible());
    EXPECT_EQ(box->udvCheck->text(), "Lille Boks");
}

TEST_F(FarveformFixture, HoverOverTheBigPaletteNamesTheFieldsColour)
{
    TColorPan& big = *box->BigSpal;
    big.NytAntalVL(18, 7);
    big.SetAntalIalt(125);
    big.Standard125(false);
    big.Paint();
    // Fields answer the mouse once the panel holds the focus (frames without a focus ring).
    big.DoEnter();
    const QPoint p = FieldCentre(big, 40);
    big.MouseMove({}, p.x(), p.y());
    ASSERT_EQ(big.OverNr, 40);
    EXPECT_EQ(services.Hints.last(), "Palettens farvenavn: " + big.GetFarveNavn(big.GetColor(40)));

    // Moving on to the next field changes the pixels of those two fields only.
    const QImage before = big.View().Image().copy();
    const QPoint q = FieldCentre(big, 41);
    big.MouseMove({}, q.x(), q.y());
    ASSERT_EQ(big.OverNr, 41);
    const QImage after = big.View().Image();
    const TRect a = big.Felt(40)->YR, b = big.Felt(41)->YR;
    int changed = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y)) {
                ++changed;
                const bool inA = x >= a.Left && x <= a.Right && y >= a.Top && y <= a.Bottom;
                const bool inB = x >= b.Left && x <= b.Right && y >= b.Top && y <= b.Bottom;
                EXPECT_TRUE(inA || inB) << x << "," << y;
            }
    EXPECT_GT(changed, 0);
}

TEST_F(FarveformFixture, SmallPanelsShowTheirColoursWhenPainted)
{
    box->SetOutFarve(clBlue, true, true);
    for (TColorPan* pan : {box->Fadepal, box->mixPal, box->InOutPal, box->PFpal, box->Lagerpal})
        pan->Paint();
    const auto shown = [](TColorPan* pan, int k) {
        const QPoint c = FieldCentre(*pan, k);
        return pan->View().Canvas().Pixels(c.x(), c.y());
    };
    EXPECT_EQ(shown(box->Fadepal, 1), clRed);
    EXPECT_EQ(shown(box->Fadepal, 2), clBlack);
    EXPECT_EQ(shown(box->mixPal, 0), box->mixPal->GetColor(0));
    EXPECT_EQ(shown(box->InOutPal, 0), clBlue);
    EXPECT_EQ(shown(box->PFpal, 0), pic->PenColor());
    // Empty store fields show the panel's background.
    EXPECT_EQ(box->Lagerpal->GetColor(0), clNone);
    // After painting, a colour given to a field repaints just that field.
    box->SetFadeFarve(1, clGreen);
    EXPECT_EQ(shown(box->Fadepal, 1), clGreen);
}
