#include <QTest>
#include <gtest/gtest.h>
#include "appcore/Message.h"
#include "dialogs/Zoomform.h"
#include "pixeledit/PixelPic.h"
#include "tests/common/FakeMainServices.h"
#include "tests/engine/PicFixture.h"

namespace {

struct ZoomformFixture : ::testing::Test {
    FakeMainServices services;
    std::unique_ptr<TImagePic> pic = MakePic(60, 40);
    std::unique_ptr<TZoomform> form;
    QStringList messages;
    QList<bool> focusZoom;

    void SetUp() override
    {
        SetMessageCatcher([this](const QString& s) { messages << s; });
        services.Picture = pic.get();
        form = std::make_unique<TZoomform>(services);
        form->OnDocumentName = [] { return QString("UdenNavn1.bmp"); };
        form->OnFocusZoom = [this](bool On) { focusZoom << On; };
    }
    void TearDown() override { SetMessageCatcher({}); }
};

} // namespace

TEST(Zoomform, CellSizeByLargerSide)
{
    EXPECT_EQ(TZoomform::GetMiniDim(36, 20), 8);
    EXPECT_EQ(TZoomform::GetMiniDim(10, 10), 10);
    EXPECT_EQ(TZoomform::GetMiniDim(32, 5), 10);
    EXPECT_EQ(TZoomform::GetMiniDim(5, 64), 8);
    EXPECT_EQ(TZoomform::GetMiniDim(65, 5), 6);
    EXPECT_EQ(TZoomform::GetMiniDim(81, 5), 4);
    EXPECT_EQ(TZoomform::GetMiniDim(128, 5), 4);
    EXPECT_EQ(TZoomform::GetMiniDim(129, 5), 2);
}

TEST_F(ZoomformFixture, ShowsTheAreaOfTheActivePicture)
{
    ASSERT_TRUE(form->NyVisning(2, 3, 36, 20));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), "Zoom: UdenNavn1.bmp");
    EXPECT_EQ(focusZoom, QList<bool>({true}));
    EXPECT_EQ(form->Zoomfelt->Felter()->FeltDim(), 8);
    EXPECT_EQ(form->Zoomfelt->Malvok(), pic.get());
    form->Zoomfelt->Paint();
    EXPECT_EQ(form->Zoomfelt->CellColour(1, 1), pic->Picture().Canvas().Pixels(2, 3));
    EXPECT_EQ(form->Zoomfelt->CellColour(36, 20), pic->Picture().Canvas().Pixels(37, 22));
    EXPECT_EQ(form->width(), 2 * 8 + form->Zoomfelt->GetWidth());
    // A new area releases the old one first; closing releases it too.
    ASSERT_TRUE(form->NyVisning(0, 0, 10, 10));
    EXPECT_EQ(focusZoom, QList<bool>({true, false, true}));
    EXPECT_EQ(form->Zoomfelt->Felter()->FeltDim(), 10);
    form->close();
    EXPECT_EQ(focusZoom.last(), false);
    EXPECT_EQ(form->Zoomfelt->Malvok(), nullptr);
}

TEST_F(ZoomformFixture, RefusesWithoutPictureOrBeyondTheScreen)
{
    services.Picture = nullptr;
    EXPECT_FALSE(form->NyVisning(0, 0, 10, 10));
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(messages.isEmpty());
    services.Picture = pic.get();
    const QSize max = form->MaxZoomSize();
    EXPECT_FALSE(form->NyVisning(0, 0, max.width() / 2, 10));
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Billedets dimensioner overskrider værdierne,\n"));
    EXPECT_FALSE(focusZoom.contains(true));
    form->SetSprog(true);
    EXPECT_FALSE(form->NyVisning(0, 0, 10, max.height()));
    EXPECT_TRUE(messages[1].startsWith("The dimensions of the picture are greater\n"));
}

TEST_F(ZoomformFixture, MouseOverTheMagnifierGoesToTheStatusBar)
{
    ASSERT_TRUE(form->NyVisning(5, 6, 10, 10));
    const QRect cell = ToQRect(form->Zoomfelt->CellRect(2, 3));
    QTest::mouseMove(form->Zoomfelt, cell.center());
    ASSERT_GE(services.Status.size(), 2);
    EXPECT_EQ(services.Status[0], "X: 6");
    EXPECT_EQ(services.Status[1], "Y: 8");
    // The picture going away leaves the magnifier without it.
    pic.reset();
    EXPECT_EQ(form->Zoomfelt->Malvok(), nullptr);
    form->close();
}
