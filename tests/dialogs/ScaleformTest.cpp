#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include "dialogs/Scaleform.h"
#include "tests/common/FakeMainServices.h"
#include "tests/engine/PicFixture.h"

namespace {

// The size the component really makes, or an empty size when it refuses.
QSize EngineScale(int Mode, int v, int W, int H)
{
    auto pic = MakePic(W, H);
    const bool ok = Mode == 0 ? pic->ScalePicture(v) : Mode == 1 ? pic->ScaleHeight(v) : pic->ScaleWidth(v);
    return ok ? QSize(pic->Picture().Width(), pic->Picture().Height()) : QSize();
}

struct ScaleformFixture : ::testing::Test {
    FakeMainServices services;
    std::unique_ptr<TImagePic> pic = MakePic(400, 300);
    std::unique_ptr<TScaleform> form;

    void SetUp() override
    {
        services.Picture = pic.get();
        form = std::make_unique<TScaleform>(services);
    }
};

} // namespace

TEST(Scaleform, AnnouncesWhatTheScalingMakes)
{
    struct Case {
        int Mode, v, W, H;
    };
    // 203 x 7 at 50 %: the scaling cuts 101.5 to 101, it does not round to 102. A width of 1
    // for a 49 x 20 picture leaves no rows, so nothing is made.
    const Case cases[] = {{0, 50, 203, 7}, {0, 33, 10, 10}, {0, 250, 7, 3}, {0, 100, 9, 9}, {0, 0, 9, 9},
                          {1, 200, 400, 300}, {1, 10, 3, 7}, {1, 1, 49, 20}, {1, 17, 49, 31},
                          {2, 150, 400, 300}, {2, 5, 11, 3}, {2, 29, 13, 49}};
    for (const Case& c : cases) {
        const QSize shown = SkaleretStorrelse(c.Mode, c.v, c.W, c.H);
        const QSize made = EngineScale(c.Mode, c.v, c.W, c.H);
        if (made.isValid())
            EXPECT_EQ(shown, made) << c.Mode << " " << c.v << " " << c.W << "x" << c.H;
        else
            EXPECT_TRUE(shown.width() < 1 || shown.height() < 1) << c.Mode << " " << c.v;
    }
    EXPECT_EQ(SkaleretStorrelse(1, 200, 400, 300), QSize(200, 150));
    EXPECT_EQ(SkaleretStorrelse(0, 50, 203, 7), QSize(101, 3));
    EXPECT_EQ(SkaleretStorrelse(1, 5, 0, 0), QSize(0, 0));
    EXPECT_EQ(SkaleretStorrelse(1, 1, 49, 98), QSize(1, 2));
}

TEST_F(ScaleformFixture, TypedNumberIsFilteredAndPreviewed)
{
    form->Forbered("Bredde", "pixels", "400", TScaleform::ModeBredde);
    form->show();
    EXPECT_EQ(form->NyBredde->text(), "400");
    EXPECT_EQ(form->NyHojde->text(), "300");
    EXPECT_TRUE(form->Input->hasFocus() || !form->isActiveWindow());
    form->Input->selectAll();
    QTest::keyClicks(form->Input, "2a0-0");
    EXPECT_EQ(form->Input->text(), "200");
    EXPECT_EQ(form->ScaleProcent, 200);
    EXPECT_EQ(form->NyBredde->text(), "200");
    EXPECT_EQ(form->NyHojde->text(), "150");
    form->Input->setText("99999999999");
    EXPECT_EQ(form->Input->text(), "200");
    EXPECT_EQ(form->InputLabel->text(), "Bredde");
    EXPECT_EQ(form->UnitLabel->text(), "pixels");
}

TEST_F(ScaleformFixture, MethodFollowsAndSetsThePicture)
{
    form->Forbered("Procent", "%", "", TScaleform::ModeProcent);
    form->show();
    EXPECT_TRUE(form->FraBillede->isChecked());
    EXPECT_EQ(form->InfoLabel->text(), "Der skaleres ud fra aktuelle billede således at modifikationer forsøges bevaret!");
    // On the round indicator: the button is wider than its text.
    QTest::mouseClick(form->FraFil, Qt::LeftButton, {}, QPoint(6, form->FraFil->height() / 2));
    EXPECT_TRUE(pic->ScaleFraFil());
    EXPECT_EQ(form->InfoLabel->text(), "Billedet der skaleres ud fra hentes fra fil og alle modifikationer vil gå tabt.");
    form->hide();
    form->SetSprog(true);
    form->show();
    EXPECT_TRUE(form->FraFil->isChecked());
    EXPECT_EQ(form->InfoLabel->text(), "The picture used to scaling is loaded from file and all modification will be lost!");
    EXPECT_EQ(form->windowTitle(), "Scale picture");
    EXPECT_EQ(form->SkalerKnap->text(), "Scale");
}

TEST_F(ScaleformFixture, EnterScalesEscapeCancels)
{
    form->Forbered("Procent", "%", "", TScaleform::ModeProcent);
    QTimer::singleShot(0, [this] {
        QTest::keyClicks(form->Input, "50");
        QTest::keyClick(form->Input, Qt::Key_Return);
    });
    EXPECT_TRUE(form->Spoerg());
    EXPECT_EQ(form->ScaleProcent, 50);
    EXPECT_EQ(form->NyBredde->text(), "200");
    QTimer::singleShot(0, [this] { QTest::keyClick(form->Input, Qt::Key_Escape); });
    EXPECT_FALSE(form->Spoerg());
}

TEST(Scaleform, PlaceFromTheOptionsIsPulledOntoTheScreen)
{
    FakeMainServices services;
    services.Opt.ScaleX = 40;
    services.Opt.ScaleY = 50;
    TScaleform form(services);
    EXPECT_EQ(form.pos(), QPoint(40, 50));
    services.Opt.ScaleX = -20000;
    services.Opt.ScaleY = 90000;
    TScaleform lost(services);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(lost.pos()));
    lost.move(70, 80);
    lost.GemPosition(services.Opt);
    EXPECT_EQ(services.Opt.ScaleX, 70);
    EXPECT_EQ(services.Opt.ScaleY, 80);
}
