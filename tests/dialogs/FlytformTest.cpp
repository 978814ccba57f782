#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include "dialogs/Flytform.h"
#include "tests/common/FakeMainServices.h"
#include "tests/engine/PicFixture.h"

namespace {

struct FlytformFixture : ::testing::Test {
    FakeMainServices services;
    std::unique_ptr<TImagePic> pic = MakePic(20, 10);
    TBitmap original = pic->Picture();
    std::unique_ptr<TFlytform> form;
    QStringList steps;

    void SetUp() override
    {
        services.Picture = pic.get();
        form = std::make_unique<TFlytform>(services);
        form->OnStepText = [this](const QString& s) { steps << s; };
        pic->OnPosition = [this](TObject*, int X, int Y) { form->ShowPosition(X, Y); };
        form->show();
    }
    QToolButton* Right() const { return form->Pile[frRight]; }
};

} // namespace

TEST_F(FlytformFixture, HeldArrowMovesAtOnceAfterHalfASecondThenEveryTenth)
{
    EXPECT_EQ(form->PosX->text(), "0");
    QTest::mousePress(Right(), Qt::LeftButton);
    EXPECT_EQ(form->PosX->text(), "1");
    EXPECT_TRUE(form->Timer->isActive());
    EXPECT_EQ(form->Timer->interval(), 500);
    form->TimerTick();
    EXPECT_EQ(form->PosX->text(), "2");
    EXPECT_EQ(form->Timer->interval(), 100);
    form->TimerTick();
    EXPECT_EQ(form->PosX->text(), "3");
    // A second arrow while the repeat runs does nothing.
    form->ArrowDown(frDown);
    EXPECT_EQ(form->PosY->text(), "0");
    QTest::mouseRelease(Right(), Qt::LeftButton);
    EXPECT_FALSE(form->Timer->isActive());
}

TEST_F(FlytformFixture, RepeatStopsWhenHiddenOrThePictureGoes)
{
    QTest::mousePress(Right(), Qt::LeftButton);
    form->hide();
    EXPECT_FALSE(form->Timer->isActive());
    form->show();
    QTest::mousePress(Right(), Qt::LeftButton);
    ASSERT_TRUE(form->Timer->isActive());
    pic.reset();
    form->TimerTick();
    EXPECT_FALSE(form->Timer->isActive());
    form->ArrowDown(frLeft); // no picture: nothing to move, no crash
    EXPECT_EQ(form->Picture(), nullptr);
}

TEST_F(FlytformFixture, GendanActsOnlyAfterAMove)
{
    EXPECT_FALSE(form->GendanKnap->isEnabled());
    form->GendanClick();
    EXPECT_TRUE(SamePixels(pic->Picture(), original));
    form->ArrowDown(frDown);
    form->ArrowUp();
    EXPECT_FALSE(SamePixels(pic->Picture(), original));
    EXPECT_TRUE(form->GendanKnap->isEnabled());
    QTest::mouseClick(form->GendanKnap, Qt::LeftButton);
    EXPECT_TRUE(SamePixels(pic->Picture(), original));
    EXPECT_FALSE(form->GendanKnap->isEnabled());
    EXPECT_EQ(form->PosY->text(), "0");
    // A new series starts from the restored picture.
    form->ArrowDown(frDown);
    form->ArrowUp();
    EXPECT_EQ(form->PosY->text(), "1");
}

TEST_F(FlytformFixture, StepFieldIsFilteredAndSetsTheStep)
{
    form->StepEdit->selectAll();
    QTest::keyClicks(form->StepEdit, "3x00");
    EXPECT_EQ(form->StepEdit->text(), "255");
    EXPECT_EQ(pic->MoveStep, 255);
    form->SetStepText("7");
    EXPECT_EQ(pic->MoveStep, 7);
    EXPECT_EQ(steps.last(), "7");
    form->ArrowDown(frRight);
    form->ArrowUp();
    EXPECT_EQ(form->PosX->text(), "7");
    int ups = 0;
    form->OnStepUp = [&] { ++ups; };
    QTest::mouseClick(form->StepOp, Qt::LeftButton);
    EXPECT_EQ(ups, 1);
}

TEST_F(FlytformFixture, TextsAndHint)
{
    EXPECT_EQ(form->windowTitle(), "Flyt billede");
    EXPECT_EQ(form->GendanKnap->text(), "Gendan");
    form->SetSprog(true);
    EXPECT_EQ(form->windowTitle(), "Move picture");
    EXPECT_EQ(form->GendanKnap->text(), "Restore");
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(form->GendanKnap, &enter);
    EXPECT_EQ(services.Hints.last(), "Undo all movement");
}

TEST_F(FlytformFixture, RepeatStopsWhenTheArrowLosesTheMouse)
{
    QTest::mousePress(Right(), Qt::LeftButton);
    ASSERT_TRUE(form->Timer->isActive());
    // The button is no longer held (the mouse went elsewhere without a release reaching it).
    Right()->setDown(false);
    form->TimerTick();
    EXPECT_FALSE(form->Timer->isActive());
    EXPECT_EQ(form->PosX->text(), "1");
    QTest::mousePress(Right(), Qt::LeftButton);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(Right(), &leave);
    EXPECT_FALSE(form->Timer->isActive());
}
