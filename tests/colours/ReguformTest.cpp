#include "colours/Reguform.h"
#include "appcore/Options.h"
#include "tests/common/FakeMainServices.h"
#include "widgets/Rulskakt.h"
#include "widgets/SharedPainters.h"
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct ReguformFixture : ::testing::Test {
    FakeMainServices services;
    TSharedPainters painters;
    std::unique_ptr<TReguform> form;

    void SetUp() override
    {
        services.Opt.ReguX = 150;
        services.Opt.ReguY = 160;
        form = std::make_unique<TReguform>(services, painters);
    }
    std::tuple<int, int, int> Values() const { return {form->Red, form->Green, form->Blue}; }
};

} // namespace

TEST_F(ReguformFixture, StartsAtFourStepsPlacedFromTheOptions)
{
    EXPECT_EQ(Values(), std::make_tuple(4, 4, 4));
    EXPECT_EQ(form->EditGreen->text(), "4");
    EXPECT_FALSE(form->EditGreen->isEnabled());
    EXPECT_EQ(form->RBar->PosMax(), 32);
    EXPECT_EQ(form->pos(), QPoint(150, 160));
    EXPECT_FALSE(form->isVisible());
    form->move(10, 20);
    TOptions opt;
    form->GemPosition(opt);
    EXPECT_EQ(opt.ReguX, 10);
    EXPECT_EQ(opt.ReguY, 20);
}

TEST_F(ReguformFixture, SlidingSetsTheValueAndTheEdit)
{
    form->GBar->SetPosition(17);
    EXPECT_EQ(form->Green, 17);
    EXPECT_EQ(form->EditGreen->text(), "17");
    form->BBar->SetPosition(99);
    EXPECT_EQ(form->Blue, 32);
    EXPECT_EQ(form->EditBlue->text(), "32");
}

TEST_F(ReguformFixture, AutomaticDecreaseLowersTheChannelsInTurn)
{
    form->DecValues();
    EXPECT_EQ(Values(), std::make_tuple(3, 4, 4));
    EXPECT_EQ(form->EditRed->text(), "3");
    form->DecValues();
    EXPECT_EQ(Values(), std::make_tuple(3, 3, 4));
    form->DecValues();
    EXPECT_EQ(Values(), std::make_tuple(3, 3, 3));
    form->DecValues();
    EXPECT_EQ(Values(), std::make_tuple(2, 3, 3));
    EXPECT_EQ(form->Count, 1);
    for (int i = 4; i < 11; ++i)
        form->DecValues();
    EXPECT_FALSE(form->isVisible());
    form->DecValues();
    EXPECT_EQ(Values(), std::make_tuple(0, 0, 0));
    EXPECT_TRUE(form->isVisible());

    // Further reductions keep 0, 0, 0 and show the dialog again.
    form->hide();
    form->DecValues();
    EXPECT_EQ(Values(), std::make_tuple(0, 0, 0));
    EXPECT_EQ(form->EditGreen->text(), "0");
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ReguformFixture, WithoutAutoDecTheValuesStayAndTheTurnStillMoves)
{
    services.Opt.AutoDec = false;
    for (int i = 0; i < 5; ++i)
        form->DecValues();
    EXPECT_EQ(Values(), std::make_tuple(4, 4, 4));
    EXPECT_EQ(form->Count, 2);
    EXPECT_FALSE(form->isVisible());
    // The user set every slider to 0: the dialog comes up after the reduction.
    for (TRulskakt* bar : {form->RBar, form->GBar, form->BBar})
        bar->SetPosition(0);
    form->DecValues();
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ReguformFixture, TheButtonRunsTheReduceCommandAndSpeaksBothLanguages)
{
    EXPECT_EQ(form->SpeedButton1->text(), "Reducer farveantal");
    form->SetSprog(true);
    EXPECT_EQ(form->windowTitle(), "Color reducement degree");
    EXPECT_EQ(form->LBlue->text(), "Blue");
    EXPECT_EQ(form->SpeedButton1->text(), "Reduce numbers of colors");
    EXPECT_EQ(form->Sprog, 1);
    form->SetSprog(false);
    EXPECT_EQ(form->windowTitle(), "Farve reduceringsgrad");
    EXPECT_EQ(form->LGreen->text(), "Grøn");

    QAction redu(QStringLiteral("Reduce numbers of colors"));
    int runs = 0;
    QObject::connect(&redu, &QAction::triggered, [&] { ++runs; });
    form->SetReduAction(&redu);
    form->SpeedButton1->click();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(form->SpeedButton1->text(), "Reduce numbers of colors");
}
