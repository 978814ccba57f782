#include "colours/Justform.h"
#include "appcore/Options.h"
#include "tests/common/FakeMainServices.h"
#include "tests/engine/PicFixture.h"
#include "widgets/Rulskakt.h"
#include "widgets/SharedPainters.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct JustformFixture : ::testing::Test {
    FakeMainServices services;
    TSharedPainters painters;
    std::unique_ptr<TImagePic> pic = WhitePicture(4, 1);
    std::unique_ptr<TJustform> form;

    void SetUp() override
    {
        services.Opt.JustX = 120;
        services.Opt.JustY = 140;
        form = std::make_unique<TJustform>(services, painters);
    }
    // One pixel per test colour in a row.
    void Fill(std::initializer_list<TColor> colours)
    {
        int x = 0;
        for (TColor c : colours)
            pic->Picture().Canvas().SetPixels(x++, 0, c);
    }
};

} // namespace

TEST_F(JustformFixture, StartsWithFullRangeAndPlacesItselfFromTheOptions)
{
    EXPECT_EQ(form->REdit->text(), "255");
    EXPECT_EQ(form->Rulskakt3->Position(), 255);
    EXPECT_EQ(form->Edit2->text(), "0");
    EXPECT_EQ(form->Rulskakt5->Position(), 0);
    EXPECT_EQ(form->pos(), QPoint(120, 140));
    form->move(30, 40);
    TOptions opt;
    form->GemPosition(opt);
    EXPECT_EQ(opt.JustX, 30);
    EXPECT_EQ(opt.JustY, 40);
}

TEST_F(JustformFixture, EditAndSliderStayInStepBothWays)
{
    // Typing, as the user does, key by key.
    form->GEdit->selectAll();
    QTest::keyClicks(form->GEdit, "300");
    EXPECT_EQ(form->GEdit->text(), "255");
    EXPECT_EQ(form->Rulskakt2->Position(), 255);
    EXPECT_EQ(form->GEdit->cursorPosition(), 3);

    form->REdit->setText("07x");
    EXPECT_EQ(form->REdit->text(), "7");
    EXPECT_EQ(form->Rulskakt1->Position(), 7);
    form->REdit->clear();
    EXPECT_EQ(form->REdit->text(), "0");
    EXPECT_EQ(form->Rulskakt1->Position(), 0);
    EXPECT_EQ(form->REdit->maxLength(), 3);

    // Sliding: the edit follows, its caret at the end.
    form->Rulskakt6->SetPosition(42);
    EXPECT_EQ(form->Edit3->text(), "42");
    EXPECT_EQ(form->Edit3->cursorPosition(), 2);
    form->Rulskakt6->SetPosition(300);
    EXPECT_EQ(form->Edit3->text(), "255");
    EXPECT_EQ(form->Limit(5), 255);
}

TEST_F(JustformFixture, AdjustsThePictureBetweenTheLimits)
{
    Fill({RGB(10, 100, 250), RGB(200, 20, 60), RGB(128, 128, 128), RGB(0, 255, 0)});
    services.Picture = pic.get();
    form->REdit->setText("150");  // max red
    form->BEdit->setText("200");  // max blue
    form->Edit2->setText("50");   // min green
    form->Edit1->setText("20");   // min red
    form->okKnap->click();
    TBitmap& p = pic->Picture();
    EXPECT_EQ(p.Canvas().Pixels(0, 0), RGB(20, 100, 200));
    EXPECT_EQ(p.Canvas().Pixels(1, 0), RGB(150, 50, 60));
    EXPECT_EQ(p.Canvas().Pixels(2, 0), RGB(128, 128, 128));
    EXPECT_EQ(p.Canvas().Pixels(3, 0), RGB(20, 255, 0));
    EXPECT_TRUE(pic->Modified());

    // A lower limit above the upper one is passed on: the lower one wins.
    form->Edit3->setText("220");
    form->JusterFarver();
    EXPECT_EQ(p.Canvas().Pixels(0, 0), RGB(20, 100, 220));
}

TEST_F(JustformFixture, WithoutADocumentNothingHappens)
{
    form->Edit1->setText("99");
    form->JusterFarver();
    form->show();
    EXPECT_FALSE(form->okKnap->hasFocus());
}

TEST_F(JustformFixture, EnterOnTheFocusedButtonAdjusts)
{
    Fill({RGB(0, 0, 0)});
    services.Picture = pic.get();
    form->Edit1->setText("9");
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_TRUE(form->okKnap->hasFocus());
    QTest::keyClick(form->okKnap, Qt::Key_Return);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(0, 0), RGB(9, 0, 0));
}

TEST_F(JustformFixture, SpeaksBothLanguages)
{
    form->SetSprog(true);
    EXPECT_EQ(form->windowTitle(), "Adjust colors");
    EXPECT_EQ(form->TekstRGBmin->text(), "Minimum of red, green and blue");
    EXPECT_EQ(form->okKnap->text(), "Regulate");
    EXPECT_EQ(form->Greenfeltmin->text(), "Green");
    EXPECT_EQ(form->Sprog, 1);
    form->SetSprog(false);
    EXPECT_EQ(form->windowTitle(), "Juster farver");
    EXPECT_EQ(form->TekstRGBmax->text(), "Maximum af rød, grøn og blå");
    EXPECT_EQ(form->RedFelt->text(), "Rød");
    EXPECT_EQ(form->okKnap->text(), "Reguler");
    EXPECT_EQ(form->Sprog, 0);
}
