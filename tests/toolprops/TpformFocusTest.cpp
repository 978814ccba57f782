#include "TpformFixture.h"
#include "appcore/Message.h"
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <climits>

namespace {
struct FocusPage : TpformFixture {
    void SetUp() override
    {
        TpformFixture::SetUp();
        form->ShowProp(0, "Fokus");
    }
    void Edits(int x1, int y1, int x2, int y2)
    {
        form->vX1 = x1;
        form->vY1 = y1;
        form->vX2 = x2;
        form->vY2 = y2;
        form->FocusEditTekst();
    }
    std::array<int, 4> Values() const { return {form->vX1, form->vY1, form->vX2, form->vY2}; }
    std::array<int, 4> PictureFocus() const
    {
        std::array<int, 4> r;
        doc->GetFocusXY(r[0], r[1], r[2], r[3]);
        return r;
    }
};
using A = std::array<int, 4>;
} // namespace

TEST_F(FocusPage, DecreaseMovesTheCornerInwardByTheInterval)
{
    Edits(10, 10, 100, 100);
    Type(form->IntervalEdit, "5");
    form->FormindskRadio->setChecked(true);
    form->DimKnap[0]->click();
    EXPECT_EQ(Values(), (A{15, 15, 100, 100}));
    EXPECT_EQ(form->EX1->text(), "15");
    EXPECT_EQ(form->BreddeFelt->text(), "85");
    // Auto perform with a document applies the rectangle.
    EXPECT_TRUE(doc->Selected());
    EXPECT_EQ(PictureFocus(), (A{15, 15, 100, 100}));
    form->ForogRadio->setChecked(true);
    form->FocusResize(4);
    EXPECT_EQ(Values(), (A{10, 10, 105, 105}));
    form->FocusResize(5);
    EXPECT_EQ(Values(), (A{10, 10, 110, 105}));
}

TEST_F(FocusPage, WithoutAutoPerformTheButtonsOnlyChangeTheEdits)
{
    form->checkFunktion->setChecked(false);
    Edits(10, 10, 50, 50);
    form->FlytKnap[1]->click();
    form->FocusMove(7);
    EXPECT_EQ(Values(), (A{12, 11, 52, 51}));
    EXPECT_FALSE(doc->Selected());
    EXPECT_TRUE(form->ARealiser->isEnabled());
    form->RealiserExecute();
    EXPECT_EQ(PictureFocus(), (A{12, 11, 52, 51}));
    EXPECT_FALSE(form->eleModified);
}

TEST_F(FocusPage, TypedCornersInAnyOrderGiveAnOrderedFocus)
{
    doc->NewFocusRect(0, 0, 10, 10);
    Type(form->EX1, "80");
    Type(form->EX2, "20");
    EXPECT_EQ(PictureFocus()[0], 20);
    EXPECT_EQ(PictureFocus()[2], 80);
    // Decreasing past the opposite edge still applies an ordered rectangle.
    Edits(10, 10, 14, 14);
    Type(form->IntervalEdit, "10");
    form->FormindskRadio->setChecked(true);
    form->FocusResize(4);
    EXPECT_EQ(Values(), (A{20, 20, 4, 4}));
    EXPECT_EQ(PictureFocus(), (A{4, 4, 20, 20}));
}

TEST_F(FocusPage, MovesSaturateAndHugeNumbersKeepTheOldValue)
{
    form->checkFunktion->setChecked(false);
    Edits(0, 0, INT_MAX - 1, 10);
    Type(form->IntervalEdit, "100");
    form->FocusMove(1);
    EXPECT_EQ(form->vX2, INT_MAX);
    form->RealiserExecute();
    EXPECT_EQ(PictureFocus(), (A{100, 0, TBitmap::kMaxSide, 10}));
    Type(form->EY1, "7");
    // Pasted digits beyond 32 bits.
    form->EY1->setText("99999999999");
    emit form->EY1->textEdited(form->EY1->text());
    EXPECT_EQ(form->EY1->text(), "7");
    EXPECT_EQ(form->vY1, 7);
    Type(form->EY2, "-");
    EXPECT_EQ(form->EY2->text(), "-");
    QTest::keyClicks(form->EY2, "3");
    EXPECT_EQ(form->vY2, -3);
}

TEST_F(FocusPage, SquaresStoreRecallAndPictureSize)
{
    form->checkFunktion->setChecked(false);
    Edits(10, 20, 110, 50);
    form->KvadratHKnap->click();
    EXPECT_EQ(Values(), (A{10, 20, 110, 120}));
    Edits(10, 20, 110, 50);
    form->KvadratBredde();
    EXPECT_EQ(Values(), (A{10, 20, 40, 50}));
    form->GemKnap->click();
    EXPECT_EQ(form->GemtFelt->text(), "10,20,40,50");
    form->BilDimKnap->click();
    EXPECT_EQ(Values(), (A{0, 0, 200, 200}));
    form->GenkaldKnap->click();
    EXPECT_EQ(Values(), (A{10, 20, 40, 50}));
    EXPECT_EQ(PictureFocus(), (A{10, 20, 40, 50}));
    services.Picture = nullptr;
    services.Opt.GBredde = 320;
    form->BilledDimensioner();
    EXPECT_EQ(Values(), (A{0, 0, 320, services.Opt.GHojde}));
}

TEST_F(FocusPage, GetAndSetReadAndWriteThePicturesFocus)
{
    doc->NewFocusRect(5, 6, 70, 80);
    form->eleModified = true;
    form->FHentKnap->click();
    EXPECT_EQ(Values(), (A{5, 6, 70, 80}));
    EXPECT_EQ(form->EY2->text(), "80");
    EXPECT_FALSE(form->eleModified);
    form->checkFunktion->setChecked(false);
    Type(form->EX2, "90");
    EXPECT_TRUE(form->eleModified);
    form->FSaetKnap->click();
    EXPECT_EQ(PictureFocus(), (A{5, 6, 90, 80}));
    EXPECT_FALSE(form->eleModified);
}

TEST_F(TpformFixture, ZoomCellSizeIsClampedAndWrittenBackWhenLeft)
{
    // While typing, at most two digits stand; the value is already the clamped one.
    Type(form->PixelDimEdit, "0");
    EXPECT_EQ(form->PixelDimEdit->text(), "0");
    EXPECT_EQ(form->PixelDimEdit->Value(), 2);
    QTest::keyClick(form->PixelDimEdit, Qt::Key_Return);
    EXPECT_EQ(form->PixelDimEdit->text(), "2");
    Type(form->PixelDimEdit, "10000");
    EXPECT_EQ(form->PixelDimEdit->text(), "10");
    Type(form->PixelDimEdit, "99");
    QTest::keyClick(form->PixelDimEdit, Qt::Key_Return);
    EXPECT_EQ(form->PixelDimEdit->text(), "64");
    EXPECT_EQ(form->PixelDimEdit->cursorPosition(), 2);
}

TEST_F(TpformFixture, ZoomPageShowsWithAMagnifierAndAppliesToIt)
{
    TPrePixelPic magnifier;
    int kind = 1;
    form->ZoomKind = [&] { return kind; };
    form->ShownMagnifier = [&] { return &magnifier; };
    form->PredefinedCellSize = [] { return 12; };
    form->ShowProp(3, "Rektangel");
    EXPECT_TRUE(Shown(TTpform::pgZoom));
    EXPECT_TRUE(form->BilledzoomRadio->isChecked());
    form->TpBog->setCurrentIndex(TTpform::pgZoom);
    form->UpdateActions();
    form->APredef->trigger();
    EXPECT_EQ(form->PixelDimEdit->text(), "12");
    form->GendanZoom();
    form->GridCheck->setChecked(false);
    form->RealiserExecute();
    EXPECT_EQ(magnifier.Felter()->FeltDim(), 12);
    EXPECT_FALSE(magnifier.Felter()->Grids());
    EXPECT_EQ(magnifier.Felter()->RammeFarve(), clRed);
    kind = 0;
    form->ShowProp(3, "Rektangel");
    EXPECT_FALSE(Shown(TTpform::pgZoom));
}

TEST_F(TpformFixture, ExtraTextIsSplitAtHashForTheMainLines)
{
    EXPECT_EQ(TTpform::SplitMerTekst("a#b#c", 2), (QStringList{"a", "b"}));
    EXPECT_EQ(TTpform::SplitMerTekst("a", 3), (QStringList{"a", "", ""}));
    form->ShowProp(40, "Tekst");
    form->Memo->setPlainText("one\ntwo");
    form->MerEdit->setText("a#b#c");
    form->CheckMer->setChecked(true);
    form->skyggeCheck->setChecked(true);
    Type(form->LodretDybde, "3");
    form->VandretBox->setCurrentIndex(avHojre);
    form->RealiserExecute();
    EXPECT_EQ(doc->TekstListe(), (QStringList{"one", "two"}));
    EXPECT_EQ(doc->MerTekst(), (QStringList{"a", "b"}));
    EXPECT_TRUE(doc->AnvendMerFont());
    EXPECT_EQ(doc->MerForskydning(), -4);
    EXPECT_TRUE(layout.SkyggeTekst());
    EXPECT_EQ(layout.SkyggeDybdeL(), 3);
    EXPECT_EQ(layout.AlignVandret(), avHojre);
    // Get rebuilds the extra text with a "#" after every line.
    form->Reset();
    form->ShowProp(40, "Tekst");
    form->eleModified = true;
    form->HentExecute();
    EXPECT_EQ(form->MerEdit->text(), "a#b#");
    EXPECT_EQ(form->Memo->toPlainText(), "one\ntwo");
    EXPECT_TRUE(form->skyggeCheck->isChecked());
}

TEST_F(TpformFixture, ApplyWithAnEmptyTextSaysSoAndAppliesNothing)
{
    QStringList messages;
    SetMessageCatcher([&](const QString& t) { messages << t; });
    doc->SetTekstListe({"kept"});
    form->ShowProp(40, "Tekst");
    form->eleModified = true;
    form->RealiserExecute();
    form->SetSprog(true);
    form->RealiserExecute();
    SetMessageCatcher({});
    EXPECT_EQ(messages, (QStringList{"Der mangler en tekst!", "There is no text!"}));
    EXPECT_EQ(doc->TekstListe(), (QStringList{"kept"}));
    EXPECT_TRUE(form->eleModified);
}

TEST_F(TpformFixture, AFontThatIsNotInstalledKeepsItsName)
{
    form->SetFonts("No Such Font Family", 12, "DejaVu Sans", 10);
    EXPECT_EQ(form->MemoFont().Name, "No Such Font Family");
    EXPECT_EQ(form->MemoFont().Size, 12);
    EXPECT_EQ(form->FontNavne->currentText(), TTpform::ResolvedFamily("No Such Font Family"));
    EXPECT_EQ(form->MerFont().Name, "DejaVu Sans");
    EXPECT_EQ(form->eFontNavne->currentText(), "DejaVu Sans");
    // Choosing a name from the list takes it.
    const int i = form->FontNavne->findText("DejaVu Sans");
    ASSERT_GE(i, 0);
    form->FontNavne->setCurrentIndex(i);
    form->FontNavnChange(false);
    EXPECT_EQ(form->MemoFont().Name, "DejaVu Sans");
    EXPECT_EQ(form->MemoFont().Size, 12);
    EXPECT_TRUE(form->eleModified);
}

TEST_F(TpformFixture, CentreEditKeepsTheCaretBeforeThePercent)
{
    form->ShowProp(62, "Areal rektangler");
    EXPECT_EQ(form->CentrumXEdit->text(), "50%");
    Type(form->CentrumXEdit, "300");
    EXPECT_EQ(form->CentrumXEdit->text(), "255%");
    EXPECT_EQ(form->CentrumXEdit->cursorPosition(), 3);
    form->RealiserExecute();
    EXPECT_EQ(doc->CentrumX(), 255);
}

TEST_F(TpformFixture, MulticolourControlsFollowTheTool)
{
    form->ShowProp(65, "Funktioner");
    EXPECT_FALSE(form->FunkRow->isHidden());
    EXPECT_TRUE(form->GraderRow->isHidden());
    EXPECT_TRUE(form->RetningBox->isEnabled());
    form->ShowProp(80, "Cirkel vifte");
    EXPECT_EQ(form->Pic6->ToolNr(), 80);
    EXPECT_FALSE(form->GraderRow->isHidden());
    EXPECT_TRUE(form->FormRow->isHidden());
    EXPECT_FALSE(form->CentrumRow->isHidden());
    EXPECT_FALSE(form->RetningBox->isEnabled());
    form->ShowProp(62, "Areal rektangler");
    EXPECT_TRUE(form->MinDimCheck->isEnabled());
    EXPECT_FALSE(form->FormRow->isHidden());
    form->ShowProp(63, "Zoom rektangler");
    EXPECT_EQ(form->Pic6->ToolNr(), 63);
    Type(form->FrekvensEdit, "4");
    form->MetodeBox->setCurrentIndex(3);
    form->RealiserExecute();
    EXPECT_EQ(doc->Frekvens(), 4);
    EXPECT_EQ(doc->FarveMetode(), fmCol);
    doc->SetFrekvens(9);
    form->eleModified = true;
    form->HentExecute();
    EXPECT_EQ(form->FrekvensEdit->text(), "9");
}

TEST(TNumEditRules, EveryRuleFiltersAsTypedAndRefusesHugeNumbers)
{
    TNumEdit byte(TNumEdit::nrByte, 0, 99);
    TNumEdit integer(TNumEdit::nrInteger, INT_MIN, INT_MAX);
    TNumEdit positive(TNumEdit::nrPosInteger, 0, INT_MAX);
    QList<int> reported;
    positive.OnValue = [&](int v) { reported << v; };
    byte.show();
    TpformFixture::Type(&byte, "4x2");
    EXPECT_EQ(byte.text(), "42");
    TpformFixture::Type(&byte, "-7");
    EXPECT_EQ(byte.text(), "7");
    TpformFixture::Type(&integer, "1-2");
    EXPECT_EQ(integer.text(), "12");
    TpformFixture::Type(&integer, "-30");
    EXPECT_EQ(integer.Value(), -30);
    TpformFixture::Type(&positive, "-5");
    EXPECT_EQ(positive.text(), "5");
    positive.setText("2147483648");
    emit positive.textEdited(positive.text());
    EXPECT_EQ(positive.text(), "5");
    EXPECT_EQ(positive.Value(), 5);
    positive.setText("2147483647");
    emit positive.textEdited(positive.text());
    EXPECT_EQ(positive.Value(), INT_MAX);
    EXPECT_EQ(reported.last(), INT_MAX);
    // Showing a value from the program reports nothing.
    const int count = reported.size();
    positive.SetValue(3);
    EXPECT_EQ(reported.size(), count);
}
