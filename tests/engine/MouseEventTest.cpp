#include "PicFixture.h"
#include <QTest>

namespace {
void RealDrag(QWidget* w, QPoint from, QPoint to, Qt::MouseButton button, Qt::KeyboardModifiers mods = {})
{
    QTest::mousePress(w, button, mods, from);
    QTest::mouseMove(w, (from + to) / 2);
    QTest::mouseMove(w, to);
    QTest::mouseRelease(w, button, mods, to);
}
} // namespace

TEST(RealMouse, RectangleDragThroughQtEventsCommitsInPictureCoordinates)
{
    auto pic = MakePic(120, 90);
    pic->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pic.get()));
    const TBitmap before = pic->Picture();
    pic->SetToolNr(3);
    pic->SetPenColor(clRed);
    int moves = 0;
    pic->OnMusPos = [&](TObject*, int, int) { ++moves; };
    RealDrag(pic.get(), {20, 15}, {80, 60}, Qt::LeftButton);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(20, 15), clRed);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(79, 59), clRed);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(50, 40), before.Canvas().Pixels(50, 40));
    EXPECT_GE(moves, 2);
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

TEST(RealMouse, ShiftAndRightButtonArriveAsModifiers)
{
    auto pic = std::make_unique<TImagePic>();
    pic->SetAutoDim(true);
    pic->SetPicture(TBitmap(100, 100));
    pic->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pic.get()));
    pic->SetToolNr(4);
    pic->SetPenColor(clBlue);
    pic->SetBrushColor(clYellow);
    RealDrag(pic.get(), {10, 10}, {70, 40}, Qt::RightButton, Qt::ShiftModifier);
    // A square of the shorter side, drawn with the colours exchanged.
    EXPECT_EQ(pic->Picture().Canvas().Pixels(10, 10), clYellow);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(39, 39), clYellow);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(45, 20), clWhite);
    EXPECT_EQ(pic->Picture().Canvas().Pixels(20, 20), clBlue);
    EXPECT_EQ(pic->PenColor(), clBlue);
}
