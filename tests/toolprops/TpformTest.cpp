#include "TpformFixture.h"
#include "appcore/Message.h"
#include "platform/ToolIcons.h"
#include "widgets/CompoBil.h"
#include "widgets/FontSizeComboBox.h"
#include <QApplication>
#include <QClipboard>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

TEST(TpformTables, ImagesPagesAndHelpTopicsOfTools)
{
    EXPECT_EQ(TTpform::ToolImageIndex(65), 27);
    EXPECT_EQ(TTpform::ToolImageIndex(10), 10);
    EXPECT_EQ(TTpform::ToolImageIndex(34), 15);
    EXPECT_EQ(TTpform::ToolImageIndex(102), 32);
    EXPECT_EQ(TTpform::ToolImageIndex(11), -1);
    EXPECT_EQ(TTpform::ToolImageName(27), "FadeAction7");
    EXPECT_TRUE(TTpform::ToolImageName(33).isEmpty());
    for (int i = 0; i <= 32; ++i)
        EXPECT_FALSE(ToolIcon(TTpform::ToolImageName(i)).isNull()) << i;
    EXPECT_EQ(TTpform::HelpTopic(63), "Zoom rektangler");
    EXPECT_EQ(TTpform::HelpTopic(4), "Rektangel");
    EXPECT_EQ(TTpform::HelpTopic(300), "Farve manipulationer");
    EXPECT_EQ(TTpform::HelpTopic(12345), "Malvo information");
    EXPECT_EQ(TTpform::PageOfTool(71), TTpform::pgMulti);
    EXPECT_EQ(TTpform::PageOfTool(3), TTpform::pgKlipbord);
    EXPECT_EQ(TTpform::PageOfTool(40), TTpform::pgTekst);
}

TEST_F(TpformFixture, ResetShowsOnlyTheClipboardPageWithTheResetValues)
{
    for (int i = 1; i < TTpform::kPageCount; ++i)
        EXPECT_FALSE(Shown(TTpform::TPage(i))) << i;
    EXPECT_EQ(form->OldToolNr, -1);
    EXPECT_FALSE(form->eleModified);
    EXPECT_EQ(form->RulPilH->Value(), 16);
    EXPECT_EQ(form->PolyEdit->text(), "3");
    EXPECT_EQ(form->AntalEdit->text(), "1");
    EXPECT_EQ(form->PixelDimEdit->text(), "8");
    EXPECT_EQ(form->RamArtBox->currentIndex(), int(rtUd));
    EXPECT_EQ(form->MetodeBox->currentIndex(), 1);
    EXPECT_EQ(form->ForskydEdit->Value(), -4);
    EXPECT_EQ(form->windowTitle(), "Redskabers egenskaber");
}

TEST_F(TpformFixture, ThePairOfAToolKeepsItsPageAndValues)
{
    QStringList captions;
    QList<QIcon> icons;
    form->OnToolCaption = [&](const QString& c) { captions << c; };
    form->OnToolImage = [&](const QIcon& i) { icons << i; };
    form->ShowProp(5, "Afrundet rektangel");
    EXPECT_TRUE(Shown(TTpform::pgRundRekt));
    EXPECT_EQ(Current(), TTpform::pgRundRekt);
    Slide(form->RulB, 7);
    EXPECT_EQ(form->VRoundB, 7);
    EXPECT_TRUE(form->eleModified);
    form->ShowProp(6, "Afrundet rektangel fyldt");
    EXPECT_EQ(form->OldToolNr, 6);
    EXPECT_EQ(Current(), TTpform::pgRundRekt);
    EXPECT_EQ(form->RulB->Value(), 7);
    EXPECT_EQ(form->Pic->ToolNr(), 6);
    EXPECT_EQ(captions, (QStringList{"Afrundet rektangel", "Afrundet rektangel fyldt"}));
    EXPECT_EQ(icons.size(), 2);

    form->ShowProp(22, "Spray");
    EXPECT_TRUE(Shown(TTpform::pgSpray));
    EXPECT_FALSE(Shown(TTpform::pgRundRekt));
    form->ShowProp(40, "Tekst");
    EXPECT_TRUE(Shown(TTpform::pgFont) && Shown(TTpform::pgTekst) && Shown(TTpform::pgEkstra));
    EXPECT_EQ(Current(), TTpform::pgTekst);
    form->ShowProp(101, "Kopierings blyant");
    for (int i = 1; i < TTpform::kPageCount; ++i)
        EXPECT_FALSE(Shown(TTpform::TPage(i))) << i;
    form->ShowProp(3, "Rektangel");
    EXPECT_EQ(Current(), TTpform::pgKlipbord);
}

TEST_F(TpformFixture, WithoutAPictureOnlyTheClipboardPageAndNoActions)
{
    form->ShowProp(5, "x");
    services.Picture = nullptr;
    form->ShowProp(22, "Spray");
    EXPECT_FALSE(Shown(TTpform::pgSpray));
    EXPECT_FALSE(Shown(TTpform::pgRundRekt));
    form->eleModified = true;
    form->UpdateActions();
    EXPECT_FALSE(form->AHent->isEnabled());
    EXPECT_FALSE(form->ARealiser->isEnabled());
    for (QPushButton* b : {form->AfslutKnap, form->UdskiftKnap, form->RammeXYKnap, form->FHentKnap,
                           form->FSaetKnap, form->GenkaldKnap})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_FALSE(form->FontKnap->isEnabled());
    // The handlers do nothing without a picture.
    form->GenkaldFokus();
    form->UdskiftExecute();
    form->AfslutExecute();
    form->HentExecute();
    form->RealiserExecute();
}

TEST_F(TpformFixture, ApplyIsEnabledByAChangeAndNotOnTheColoursPage)
{
    form->ShowProp(33, "Pil");
    form->UpdateActions();
    EXPECT_FALSE(form->ARealiser->isEnabled());
    Slide(form->RulPilB, 20);
    EXPECT_TRUE(form->ARealiser->isEnabled());
    EXPECT_TRUE(form->AHent->isEnabled());
    form->ShowProp(100, "Farvevælger");
    form->eleModified = true;
    form->UpdateActions();
    EXPECT_FALSE(form->ARealiser->isEnabled());
    EXPECT_TRUE(form->AHent->isEnabled());
}

TEST_F(TpformFixture, GetAfterApplyReturnsTheAppliedValues)
{
    form->ShowProp(33, "Pil");
    Slide(form->RulPilB, 20);
    Slide(form->RulPilH, 30);
    Slide(form->RulPilHak, 5);
    form->RealiserExecute();
    EXPECT_FALSE(form->eleModified);
    EXPECT_EQ(doc->PilBredde, 20);
    EXPECT_EQ(doc->PilHojde, 30);
    EXPECT_EQ(doc->PilHak, 5);
    form->Reset();
    form->ShowProp(34, "Pil fyldt");
    form->eleModified = true;
    form->HentExecute();
    EXPECT_EQ(form->RulPilB->Value(), 20);
    EXPECT_EQ(form->RulPilH->Value(), 30);
    EXPECT_EQ(form->RulPilHak->Value(), 5);
    EXPECT_EQ(form->RulPilB->Field->text(), "20");
    EXPECT_FALSE(form->eleModified);

    form->ShowProp(31, "Special ramme");
    Slide(form->RulRamB, 12);
    form->RamArtBox->setCurrentIndex(rtRifletInd);
    emit form->RamArtBox->activated(rtRifletInd);
    form->RealiserExecute();
    EXPECT_EQ(doc->RamBredde, 12);
    EXPECT_EQ(doc->RamArt, rtRifletInd);
    EXPECT_EQ(doc->RamFarveLys(), 12632256);
    EXPECT_EQ(doc->RamFarveSkygge(), 8421504);
}

TEST_F(TpformFixture, PenWidthComesFromTheMainWindowEdit)
{
    int edit = 4;
    form->PenWidthEdit = [&] { return edit; };
    form->SetPenWidthEdit = [&](int w) { edit = w; };
    form->ShowProp(22, "Spray");
    EXPECT_EQ(form->Pic1->PenWidth(), 4);
    doc->SetPenWidth(7);
    form->eleModified = true;
    form->HentExecute();
    EXPECT_EQ(edit, 7);
}

TEST_F(TpformFixture, PolygonEditCapsAt99AndButtonsSetTheCount)
{
    form->ShowProp(9, "Polygon");
    Type(form->PolyEdit, "150");
    EXPECT_EQ(form->PolyEdit->text(), "99");
    EXPECT_EQ(form->VPolyAntal, 99);
    EXPECT_EQ(form->Pic4->PolyAntal, 99);
    form->Side[TTpform::pgPolygon]->findChild<QToolButton*>("Knap20")->click();
    EXPECT_EQ(form->PolyEdit->text(), "20");
    EXPECT_EQ(form->Pic4->PolyAntal, 20);
    form->RealiserExecute();
    EXPECT_EQ(doc->PolyAntal, 20);
}

TEST_F(TpformFixture, PolygonPreviewCountsItsPointsAndFinalizeClosesIt)
{
    form->ShowProp(10, "Polygon fyldt");
    const QImage before = Pixels(form->Pic4);
    QTest::mouseClick(form->Pic4, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseClick(form->Pic4, Qt::LeftButton, {}, QPoint(100, 30));
    EXPECT_NE(form->polyFelt->text(), "0");
    form->AfslutKnap->click();
    EXPECT_EQ(form->Pic4->PolyCount(), 0);
    EXPECT_EQ(form->polyFelt->text(), "0");
    EXPECT_NE(Pixels(form->Pic4), before);
}

TEST_F(TpformFixture, BorderSideButtonsChooseTheSides)
{
    form->ShowProp(30, "Ramme");
    form->SideKnap[6]->click();
    EXPECT_EQ(form->VBorderLines, (TBorderLines{blLeft, blRight}));
    EXPECT_TRUE(form->SideKnap[6]->isChecked());
    EXPECT_FALSE(form->SideKnap[0]->isChecked());
    form->BorderSideClick(15);
    EXPECT_TRUE(form->VBorderLines.Empty());
    form->BorderSideClick(11);
    EXPECT_EQ(form->VBorderLines, (TBorderLines{blTop, blLeft, blRight}));
    Type(form->AntalEdit, "300");
    EXPECT_EQ(form->AntalEdit->text(), "99");
    form->RealiserExecute();
    EXPECT_EQ(doc->BorderLines, (TBorderLines{blTop, blLeft, blRight}));
    EXPECT_EQ(doc->BorderCount, 99);
}

TEST_F(TpformFixture, EachPreviewFollowsItsOwnValuesOnly)
{
    struct Case {
        int tool;
        TToolPreview* preview;
        std::function<void()> change;
    };
    const std::vector<Case> cases = {
        {5, form->Pic, [this] { Slide(form->RulB, 9); }},
        {33, form->Pic2, [this] { Slide(form->RulPilB, 30); }},
        {30, form->Pic3, [this] { form->BorderSideClick(1); }},
        {31, form->Pic5, [this] { Slide(form->RulRamB, 20); }},
        {62, form->Pic6, [this] { Type(form->ProduEdit, "9"); }},
        {22, form->Pic1, [this] { Slide(form->RulR, 40); }},
    };
    for (const Case& c : cases) {
        form->ShowProp(c.tool, "x");
        const QImage before = Pixels(c.preview);
        EXPECT_NE(before, White(c.preview)) << c.tool;
        c.change();
        EXPECT_NE(Pixels(c.preview), before) << "tool " << c.tool;
        // A change on another page leaves this preview as it is.
        const QImage after = Pixels(c.preview);
        const int samples = c.preview->Samples;
        form->BorderSideClick(c.tool == 30 ? 2 : 3);
        Type(form->PolyEdit, "7");
        if (c.tool != 30)
            EXPECT_EQ(Pixels(c.preview), after) << c.tool;
        EXPECT_EQ(c.preview->Samples, samples + (c.tool == 30 ? 1 : 0)) << c.tool;
    }
}

TEST_F(TpformFixture, ASliderRepaintNeitherModifiesNorRedraws)
{
    form->ShowProp(33, "Pil");
    const int samples = form->Pic2->Samples;
    form->RulPilB->Bar->Repaint();
    form->RulPilB->SetValue(13);
    form->RulPilB->Bar->Repaint();
    form->RulPilB->Bar->SetPosition(13); // the same value again
    EXPECT_FALSE(form->eleModified);
    EXPECT_EQ(form->Pic2->Samples, samples);
}

TEST_F(TpformFixture, ClearPreviewLeavesItWhite)
{
    form->ShowProp(33, "Pil");
    form->Side[TTpform::pgPil]->findChild<QPushButton*>("Side5Forny")->click();
    EXPECT_EQ(Pixels(form->Pic2), White(form->Pic2));
}

TEST_F(TpformFixture, SpecialBorderEditWritesTheClampedValueBack)
{
    form->ShowProp(31, "Special ramme");
    Type(form->RulRamB->Field, "100");
    EXPECT_EQ(form->RulRamB->Field->text(), "44");
    EXPECT_EQ(form->RulRamB->Field->cursorPosition(), 2);
    EXPECT_EQ(form->RulRamB->Bar->Position(), 44);
    EXPECT_EQ(form->VRamBredde, 44);
}

TEST_F(TpformFixture, ShadowColoursComeFromTheColourBox)
{
    int shown = 0;
    form->ShowColourBox = [&] { ++shown; };
    form->ColourBoxColour = [] { return TColor(clBlue); };
    form->ShowProp(32, "x");
    form->SkyggePan->OnMus(nullptr, mbLeft, 1);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(form->VRamFarveSkygge, clBlue);
    EXPECT_EQ(form->SkyggePan->GetColor(1), clBlue);
}

TEST_F(TpformFixture, HelpButtonOpensTheTopicOfThePicturesTool)
{
    doc->SetToolNr(63);
    form->InfoKnap->click();
    doc->SetToolNr(11);
    form->InfoExecute();
    EXPECT_EQ(services.HelpTopics, (QStringList{"Zoom rektangler", "Malvo information"}));
}

TEST_F(TpformFixture, LanguageSwitchesEveryText)
{
    form->SetSprog(true);
    EXPECT_EQ(form->windowTitle(), "Tools properties");
    EXPECT_EQ(form->TpBog->tabText(TTpform::pgRundRekt), "Rounded rectangle");
    EXPECT_EQ(form->TpBog->tabText(TTpform::pgMulti), "Multicolors");
    EXPECT_EQ(form->ARealiser->text(), "Apply");
    EXPECT_EQ(form->UdskiftKnap->text(), "Change pixelcolor");
    EXPECT_EQ(form->FunktionBox->itemText(3), "Cotan");
    EXPECT_EQ(form->RamArtBox->itemText(3), "Waved out");
    form->ShowProp(22, "Spray");
    EXPECT_EQ(form->AHent->statusTip(), "Get properties from picture: Spray");
    form->SetSprog(false);
    EXPECT_EQ(form->ARealiser->statusTip(), "Realiser egenskaberne: Spray");
    EXPECT_EQ(form->TpBog->tabText(TTpform::pgFarver), "Farver");
    EXPECT_EQ(form->MetodeBox->itemText(2), "Mellem");
}

TEST_F(TpformFixture, ColoursPageChangesThePixelsOfTheColour)
{
    doc->Picture().Canvas().SetPixels(3, 3, clRed);
    form->ShowProp(100, "Farvevælger");
    form->SetPixelfelt(clRed);
    form->SetNyPixelfelt(clGreen);
    form->UdskiftKnap->click();
    EXPECT_EQ(doc->Picture().Canvas().Pixels(3, 3), clGreen);
    EXPECT_EQ(doc->Picture().Canvas().Pixels(4, 4), clWhite);
}

TEST_F(TpformFixture, GoToToolPageShowsTheToolsPageAgainAndTheWindow)
{
    int shown = 0;
    form->OnShowWindow = [&] { ++shown; };
    form->ShowProp(40, "Tekst");
    form->TpBog->setCurrentIndex(TTpform::pgKlipbord);
    form->ShowProp(40, "Tekst");
    EXPECT_EQ(Current(), TTpform::pgKlipbord);
    EXPECT_EQ(shown, 0);
    form->GoToToolPage = true;
    form->ShowProp(40, "Tekst");
    EXPECT_EQ(Current(), TTpform::pgTekst);
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(form->GoToToolPage);
}

TEST_F(TpformFixture, TheFontWindowHandsBackNameAndSize)
{
    form->FontFelterSize("DejaVu Sans", 20);
    EXPECT_EQ(form->MemoFont().Name, "DejaVu Sans");
    EXPECT_EQ(form->MemoFont().Size, 20);
    EXPECT_EQ(form->FontSize->currentText(), "20");
    form->eFontFelter("DejaVu Sans");
    EXPECT_EQ(form->MerFont().Name, "DejaVu Sans");
    EXPECT_EQ(form->MerFont().Size, 8);
    EXPECT_TRUE(form->eleModified);
}

TEST_F(TpformFixture, ColourFieldsWriteTheirHelpLines)
{
    form->SkyggePan->OnMusOver(nullptr, 1);
    form->ZoomPan->OnMusOver(nullptr, 0);
    EXPECT_EQ(services.Hints, (QStringList{"Sæt rammens mørke skyggefarve", "Sæt farven som gridfarve"}));
}

TEST_F(TpformFixture, MetaMethodGoesToTheMainWindowFields)
{
    std::vector<std::tuple<TColor, TColor, TMetaMetode>> calls;
    form->OnMetaMetode = [&](TColor m, TColor t, TMetaMetode mm) { calls.emplace_back(m, t, mm); };
    doc->SetMetaFarve(clRed);
    doc->SetTransFarve(clGreen);
    doc->SetMetaMetode(mmNotFarve);
    form->SetMetaMetode();
    services.Picture = nullptr;
    form->SetMetaMetode();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], std::make_tuple(TColor(clRed), TColor(clGreen), mmNotFarve));
    EXPECT_EQ(std::get<0>(calls[1]), clWhite);
}

TEST_F(TpformFixture, ClipboardPreviewShowsTheCopiedPicture)
{
    form->ShowProp(22, "Spray");
    TBitmap copied(30, 20);
    form->ShowClipboard(copied, false);
    ASSERT_NE(form->cbImage->BitmapBil(), nullptr);
    EXPECT_EQ(form->cbImage->BitmapBil()->Width(), 30);
    EXPECT_EQ(Current(), TTpform::pgSpray);
    form->ShowClipboard(copied, true);
    EXPECT_EQ(Current(), TTpform::pgKlipbord);
    form->ShowClipboard(TBitmap(), false);
    EXPECT_EQ(form->cbImage->BitmapBil(), nullptr);
    // "Update Clipboard" reads the clipboard through the picture.
    QApplication::clipboard()->setImage(QImage(12, 7, QImage::Format_RGB32));
    form->ShowProp(22, "Spray");
    form->AOpdaterCB->trigger();
    EXPECT_EQ(Current(), TTpform::pgKlipbord);
    ASSERT_NE(form->cbImage->BitmapBil(), nullptr);
    EXPECT_EQ(form->cbImage->BitmapBil()->Width(), 12);
}

TEST_F(TpformFixture, ColourFieldsShowTheirColours)
{
    form->ShowProp(31, "Special ramme");
    QApplication::processEvents();
    EXPECT_EQ(form->SkyggePan->GetColor(0), 12632256);
    EXPECT_EQ(form->SkyggePan->GetColor(1), 8421504);
    EXPECT_EQ(form->ZoomPan->GetColor(0), services.Opt.GridCol);
    EXPECT_EQ(form->ZoomPan->GetColor(1), services.Opt.RammeCol);
    const TFeltRec* f = form->SkyggePan->Felt(1);
    ASSERT_NE(f, nullptr);
    const TRect r = f->IR;
    EXPECT_EQ(form->SkyggePan->View().Canvas().Pixels((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), 8421504);
}
