#include "widgets/Rulskakt.h"
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTest>
#include <climits>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {
constexpr TColor kThumb = clRed;

TColor Px(const TPreGrundCompo& w, int x, int y)
{
    return w.View().Canvas().Pixels(x, y);
}

// A flat frame filled with one colour.
void Flat(TRammeX& f, TColor c)
{
    f.SetArt(rtIngen);
    f.SetArtUaktiv(rtIngen);
    f.SetFarveRamme(c);
    f.SetFarveFelt(c);
}

// A frameless vertical bar 17 x 160 with a solid red thumb, recording its events.
struct Bar : testing::Test {
    TRulskakt b;
    TRammeX thumb;
    std::vector<int> positions;
    std::vector<TOverRul> over, down, up;

    void SetUp() override
    {
        Flat(thumb, kThumb);
        b.SetRammePos(&thumb);
        b.SetFocusOver(false);
        b.OnPosition = [this](TObject*, int p) { positions.push_back(p); };
        b.OnMusOver = [this](TObject*, TOverRul o) { over.push_back(o); };
        b.OnMusNede = [this](TObject*, TOverRul o) { down.push_back(o); };
        b.OnMusOp = [this](TObject*, TOverRul o) { up.push_back(o); };
        b.show();
        positions.clear();
    }

    // First and last row of the thumb on column 8.
    std::pair<int, int> ThumbRows() const
    {
        int first = -1, last = -1;
        for (int y = 0; y < b.height(); ++y)
            if (Px(b, 8, y) == kThumb) {
                if (first < 0)
                    first = y;
                last = y;
            }
        return {first, last};
    }

    // Runs the repeat timer for ms milliseconds of held time after the press.
    void Hold(int ms)
    {
        int elapsed = 0;
        while (b.Timer().isActive() && elapsed + b.Timer().interval() <= ms) {
            elapsed += b.Timer().interval();
            b.TimerTick();
        }
    }
};

// A button panel stand-in that records what the bar passes on.
class FakePanel : public QWidget {
public:
    void NytStartNr(int nr, bool opkald)
    {
        starts.push_back(nr);
        calls.push_back(opkald);
    }
    std::vector<int> starts, keys;
    std::vector<bool> calls;

protected:
    void keyPressEvent(QKeyEvent* e) override { keys.push_back(e->key()); }
};
} // namespace

TEST_F(Bar, GeometryOfAFramelessVerticalBar)
{
    EXPECT_EQ(b.DecR, Rect(0, 0, 16, 16));
    EXPECT_EQ(b.IncR, Rect(0, 143, 16, 159));
    EXPECT_EQ(b.RulRekt.Top, 17);
    EXPECT_EQ(b.RulRekt.Bottom, 142);
    EXPECT_EQ(b.KnapH, 65); // Trunc(125 x 11 / 21)
    EXPECT_DOUBLE_EQ(b.Interval, 6.0);
    EXPECT_EQ(b.IntDim(), 60);
    EXPECT_EQ(ThumbRows(), std::make_pair(17, 82));
    b.SetPosition(10);
    EXPECT_EQ(ThumbRows(), std::make_pair(77, 142));
    b.SetPosition(5);
    EXPECT_EQ(ThumbRows(), std::make_pair(47, 112));
}

TEST_F(Bar, GeometryOfAHorizontalBarInAnInnerFrame)
{
    TRammeIndreX inner;
    inner.SetAfstandLodret(2);
    inner.SetAfstandVandret(1);
    b.resize(160, 21);
    b.SetRammeIndre(&inner);
    b.SetOrientering(coVandret);
    // Inside the frame: columns 3 .. 156, rows 2 .. 18.
    EXPECT_EQ(b.DecR, Rect(3, 2, 19, 18));
    EXPECT_EQ(b.IncR, Rect(140, 2, 156, 18));
    EXPECT_EQ(b.RulRekt.Left, 20);
    EXPECT_EQ(b.RulRekt.Right, 139);
    EXPECT_EQ(b.KnapH, 119 * 11 / 21);
}

TEST_F(Bar, ThumbMovesRestoreTheShaftExactly)
{
    TRammeIndreX inner;
    Flat(inner, clSilver);
    inner.SetBredde(2);
    TRammeFeltX knap;
    knap.SetArt(rtUd);
    TDimLinier ruler;
    ruler.SetOrientering(loVandret);
    ruler.SetSlutVal(10);
    ruler.SetIntervalStor(5);
    ruler.SetIntervalMellem(1);
    ruler.SetDimStor(12);
    ruler.SetDimMellem(6);
    for (bool updateBg : {false, true}) {
        SCOPED_TRACE(updateBg);
        auto setUp = [&](TRulskakt& bar) {
            bar.SetRammeIndre(&inner);
            bar.SetRammeKnap(&knap);
            bar.SetMedMark(true);
            bar.SetIntervalLin(&ruler);
            bar.SetUpdateBg(updateBg);
            bar.SetColor(clAqua);
        };
        setUp(b);
        b.SetPosition(0);
        for (int p : {3, 9, 4, 10, 0, 7})
            b.SetPosition(p);
        TRulskakt fresh;
        setUp(fresh);
        fresh.SetRammePos(&thumb);
        fresh.SetPosition(7);
        fresh.show();
        EXPECT_TRUE(b.View().Image() == fresh.View().Image());
    }
}

TEST_F(Bar, AThumbStepLeavesTheButtonsAlone)
{
    b.Canvas().SetPixels(3, 3, clLime);
    b.Canvas().SetPixels(3, 150, clLime);
    b.SetPosition(6);
    EXPECT_EQ(Px(b, 3, 3), clLime);
    EXPECT_EQ(Px(b, 3, 150), clLime);
}

TEST_F(Bar, HeldButtonRepeatsAfterTheDelayThenEveryInterval)
{
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(8, 150));
    EXPECT_TRUE(b.MnInc);
    EXPECT_EQ(b.TilInc, 2);
    EXPECT_EQ(b.Position(), 1);
    ASSERT_TRUE(b.Timer().isActive());
    EXPECT_EQ(b.Timer().interval(), 400);
    Hold(950);
    EXPECT_EQ(b.Timer().interval(), 100);
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    Hold(2000);
    EXPECT_EQ(b.Position(), 10);
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(8, 150));
    EXPECT_FALSE(b.Timer().isActive());
    EXPECT_EQ(b.Timer().interval(), 400);
    EXPECT_EQ(down, (std::vector<TOverRul>{orInc}));
    EXPECT_EQ(up, (std::vector<TOverRul>{orInc}));
    EXPECT_EQ(b.TilInc, 3);
}

TEST_F(Bar, RepeatRunsOnlyWhileThePointerIsOverTheHeldButton)
{
    b.SetPosition(5);
    b.SetStep(2);
    b.MouseDown(8, 5);
    EXPECT_EQ(b.Position(), 3);
    b.MouseMove(8, 100);
    EXPECT_FALSE(b.Timer().isActive());
    EXPECT_EQ(b.TilDec, 1);
    b.MouseMove(8, 6);
    EXPECT_TRUE(b.Timer().isActive());
    EXPECT_EQ(b.TilDec, 2);
    b.TimerTick();
    EXPECT_EQ(b.Position(), 1);
    b.TimerTick();
    b.TimerTick();
    EXPECT_EQ(positions, (std::vector<int>{5, 3, 1, 0}));
    b.MouseMove(8, 100);
    b.MouseUp();
    EXPECT_EQ(b.TilDec, 1); // released away from the button: its normal look
}

TEST_F(Bar, HoldEndsWhenTheReleaseCanNeverCome)
{
    auto press = [&] {
        b.MouseDown(8, 150);
        ASSERT_TRUE(b.Timer().isActive());
    };
    press();
    b.hide();
    EXPECT_FALSE(b.Timer().isActive());
    EXPECT_FALSE(b.MnInc);
    EXPECT_EQ(up, (std::vector<TOverRul>{orInc}));
    b.MouseUp();
    EXPECT_EQ(up.size(), 1u);

    b.show();
    press();
    b.setEnabled(false);
    EXPECT_FALSE(b.Timer().isActive());
    b.setEnabled(true);

    press();
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(&b, &out);
    EXPECT_FALSE(b.Timer().isActive());
    EXPECT_EQ(b.Timer().interval(), 400);
    EXPECT_EQ(up.size(), 3u);
    for (QEvent::Type lost : {QEvent::UngrabMouse, QEvent::ActivationChange}) {
        press();
        QEvent e(lost);
        QCoreApplication::sendEvent(&b, &e);
        EXPECT_EQ(b.Timer().isActive(), lost == QEvent::ActivationChange && b.isActiveWindow());
        b.MouseUp();
    }
    // A stale tick does nothing.
    const int p = b.Position();
    b.TimerTick();
    EXPECT_EQ(b.Position(), p);
}

TEST_F(Bar, PositionIsLimitedAndReportedOncePerChange)
{
    b.SetPosMax(255);
    positions.clear();
    b.SetPosition(300);
    EXPECT_EQ(b.Position(), 255);
    b.SetPosition(255);
    b.SetPosition(1000);
    EXPECT_EQ(positions, (std::vector<int>{255}));
    b.SetPosition(-3);
    EXPECT_EQ(positions, (std::vector<int>{255, 0}));

    positions.clear();
    b.NyPosition(5);
    EXPECT_EQ(b.Position(), 5);
    b.NyPosition(500);
    b.NyPosition(-1);
    EXPECT_EQ(b.Position(), 5);
    EXPECT_TRUE(positions.empty());
    // A repaint reports the unchanged position.
    b.Repaint();
    EXPECT_EQ(positions, (std::vector<int>{5}));
    // A narrower range pulls the position in.
    b.SetPosMax(3);
    EXPECT_EQ(b.Position(), 3);
}

TEST_F(Bar, DraggingTheThumb)
{
    b.MouseDown(8, 50);
    EXPECT_TRUE(b.MnPos);
    EXPECT_EQ(positions, (std::vector<int>{0}));
    b.MouseMove(8, 63); // 13 pixels: 2 values of 6 pixels
    b.MouseMove(8, 64);
    EXPECT_EQ(b.Position(), 2);
    EXPECT_EQ(ThumbRows(), std::make_pair(29, 94));
    b.MouseMove(8, 5000);
    b.MouseMove(8, 6000);
    EXPECT_EQ(b.Position(), 10);
    b.MouseMove(8, -5000);
    b.MouseUp();
    EXPECT_EQ(positions, (std::vector<int>{0, 2, 10, 0, 0}));
    EXPECT_EQ(down, (std::vector<TOverRul>{orPos}));
    EXPECT_EQ(up, (std::vector<TOverRul>{orPos}));
    // A press in the shaft beside the thumb does nothing.
    b.MouseDown(8, 120);
    EXPECT_FALSE(b.MnPos || b.MnDec || b.MnInc);
}

TEST_F(Bar, ThumbPicturesWithAWhiteBackground)
{
    b.SetRammePos(nullptr);
    TBitmap normal(2, 2), held(1, 1);
    normal.Canvas().Brush = {clLime, bsSolid};
    normal.Canvas().FillRect(Rect(1, 0, 2, 2));
    normal.Canvas().FillRect(Rect(0, 1, 1, 2));
    held.Canvas().SetPixels(0, 0, clBlue);
    b.SetBitmapPos(normal);
    b.SetBitmapPosA(held);
    const TColor shaft = Px(b, 8, 120);
    EXPECT_EQ(Px(b, 2, 20), shaft); // white: left out
    EXPECT_EQ(Px(b, 12, 20), clLime);
    EXPECT_EQ(Px(b, 2, 70), clLime);
    b.MouseDown(8, 50);
    EXPECT_EQ(Px(b, 2, 20), clBlue);
    b.MouseUp();
    EXPECT_EQ(Px(b, 2, 20), shaft);
}

TEST_F(Bar, ButtonMarks)
{
    TRammeFeltX knap; // fills the button, so a redrawn mark replaces the old one
    b.SetRammeKnap(&knap);
    b.SetMedMark(true);
    b.SetMarkFarve(clBlue);
    EXPECT_EQ(Px(b, 8, 3), clBlue); // apex of the decrement mark
    EXPECT_EQ(Px(b, 8, 10), clBlue);
    EXPECT_EQ(Px(b, 3, 13), clBlue);
    EXPECT_NE(Px(b, 2, 13), clBlue);
    EXPECT_EQ(Px(b, 8, 156), clBlue); // apex of the increment mark
    EXPECT_EQ(Px(b, 13, 146), clBlue);
    b.MouseDown(8, 8);
    EXPECT_NE(Px(b, 8, 3), clBlue); // pressed: one pixel further in
    EXPECT_EQ(Px(b, 8, 4), clBlue);
    b.MouseUp();

    TRulskakt h;
    h.SetOrientering(coVandret);
    h.resize(160, 17);
    h.SetMedMark(true);
    h.SetMarkFarve(clBlue);
    h.show();
    EXPECT_EQ(Px(h, 3, 8), clBlue);     // points left
    EXPECT_EQ(Px(h, 13, 3), clBlue);
    EXPECT_EQ(Px(h, 156, 8), clBlue);   // points right
    EXPECT_EQ(Px(h, 146, 13), clBlue);
}

TEST_F(Bar, HoverReportsEachPartOnce)
{
    b.MouseMove(8, 5);
    b.MouseMove(8, 6);
    EXPECT_EQ(b.TilDec, 3);
    b.MouseMove(8, 100);
    EXPECT_EQ(b.TilDec, 1);
    b.MouseMove(8, 50);
    b.MouseMove(8, 51);
    b.MouseMove(8, 150);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&b, &leave);
    EXPECT_EQ(over, (std::vector<TOverRul>{orDec, orOut, orPos, orInc, orOut}));
    EXPECT_EQ(b.TilInc, 1);

    over.clear();
    b.SetFocusInOut(false);
    b.MouseMove(8, 5);
    b.MouseMove(8, 100);
    EXPECT_EQ(b.TilDec, 3); // keeps the hover look
    b.SetNoOverFocus(true);
    b.MouseMove(8, 150);
    b.MouseMove(8, 151);
    EXPECT_EQ(over, (std::vector<TOverRul>{orDec, orOut, orOver, orOver}));
    EXPECT_EQ(b.TilInc, 1);
}

TEST_F(Bar, KeysMoveByOne)
{
    b.SetPosition(5);
    positions.clear();
    QTest::keyClick(&b, Qt::Key_Up);
    EXPECT_EQ(b.Position(), 4);
    b.KeyDown(Qt::Key_Down);
    b.KeyDown(Qt::Key_Right);
    EXPECT_EQ(b.Position(), 6);
    b.KeyDown(Qt::Key_Left);
    b.KeyDown(Qt::Key_End);
    EXPECT_EQ(b.Position(), 10);
    b.KeyDown(Qt::Key_Down);
    b.KeyDown(Qt::Key_Home);
    b.KeyDown(Qt::Key_A);
    EXPECT_EQ(positions, (std::vector<int>{4, 5, 6, 5, 10, 0}));

    b.SetOrientering(coVandret);
    b.KeyDown(Qt::Key_Up);
    EXPECT_EQ(b.Position(), 1);
    b.KeyDown(Qt::Key_Down);
    EXPECT_EQ(b.Position(), 0);
}

TEST_F(Bar, ALinkedPanelFollowsTheBarAndTakesItsKeys)
{
    auto panel = std::make_unique<FakePanel>();
    b.SetComponent(panel.get());
    b.SetPosition(4);
    EXPECT_EQ(positions, (std::vector<int>{4})); // CompoFunktion not set
    b.SetCompoFunktion(true);
    b.SetPosition(6);
    EXPECT_EQ(panel->starts, (std::vector<int>{6}));
    EXPECT_EQ(panel->calls, (std::vector<bool>{false}));
    QTest::keyClick(&b, Qt::Key_Down);
    b.KeyDown(Qt::Key_End);
    EXPECT_EQ(panel->keys, (std::vector<int>{Qt::Key_Down, Qt::Key_End}));
    EXPECT_EQ(b.Position(), 6);
    panel.reset();
    EXPECT_EQ(b.Component(), nullptr);
    b.SetPosition(7);
    EXPECT_EQ(positions, (std::vector<int>{4, 7}));
    b.KeyDown(Qt::Key_Down);
    EXPECT_EQ(b.Position(), 8);
}

TEST_F(Bar, DegenerateRangesNeverDivideByZero)
{
    b.SetPosMax(0);
    EXPECT_EQ(b.KnapH, 125); // the thumb fills the shaft
    EXPECT_DOUBLE_EQ(b.Interval, 0.0);
    b.MouseDown(8, 50);
    b.MouseMove(8, 140);
    b.MouseUp();
    EXPECT_EQ(b.Position(), 0);

    b.SetPosMax(-5); // below PosMin: every position is PosMin
    b.KeyDown(Qt::Key_End);
    EXPECT_EQ(b.Position(), 0);
    b.MouseDown(8, 150);
    b.TimerTick();
    b.MouseUp();
    EXPECT_EQ(b.Position(), 0);

    b.NyePos(0, 10, 3);
    EXPECT_EQ(b.KnapH, 125 / 11);
    b.NyePos(-7, 10, 30);
    EXPECT_EQ(b.Position(), 10);
    b.SetPosKnapDim(true);
    b.SetPosKnapMin(1000); // longer than the shaft
    b.SetOrientering(coLodret);
    EXPECT_EQ(b.KnapH, 125);

    b.SetPosKnapDim(false);
    b.SetPosKnapMin(4);
    b.SetPosMin(INT_MIN);
    b.SetPosMax(INT_MAX);
    b.SetStep(INT_MAX);
    b.SetPosition(INT_MAX - 1);
    b.MouseDown(8, 150);
    b.TimerTick();
    EXPECT_EQ(b.Position(), INT_MAX);
    b.MouseUp();
    b.MouseDown(8, 5);
    b.TimerTick();
    b.TimerTick();
    b.TimerTick();
    EXPECT_EQ(b.Position(), INT_MIN);
    b.MouseUp();
    const auto rows = ThumbRows();
    EXPECT_EQ(rows.first, 17);

    // A bar too small for its buttons lays out empty.
    b.resize(3, 5);
    b.SetOrientering(coVandret);
    b.MouseDown(1, 1);
    b.MouseUp();
    b.resize(0, 0);
    b.Repaint();
}

TEST_F(Bar, FocusRedrawsTheInnerFrameAndReports)
{
    TRammeIndreX inner;
    Flat(inner, clSilver);
    inner.SetFocusRamme(true);
    inner.SetFarveOmrids(clBlue);
    b.SetRammeIndre(&inner);
    const auto thumbRows = ThumbRows();
    b.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
    b.setFocus();
    EXPECT_FALSE(b.Focus); // without TabStop the focus is not shown
    EXPECT_TRUE(over.empty());
    b.clearFocus();
    b.SetTabStop(true);
    b.setFocus();
    EXPECT_TRUE(b.Focus);
    EXPECT_EQ(Px(b, 0, 100), clBlue);
    EXPECT_EQ(ThumbRows(), thumbRows); // the frame's fill left the thumb alone
    EXPECT_EQ(over, (std::vector<TOverRul>{orFocus}));
    b.MouseMove(8, 5);
    b.clearFocus();
    EXPECT_FALSE(b.Focus);
    EXPECT_FALSE(b.MoDec);
    EXPECT_EQ(Px(b, 0, 100), clSilver);
}

TEST_F(Bar, ADestroyedBarLetsGoOfItsRuler)
{
    TDimLinier ruler;
    {
        TRulskakt other;
        other.SetIntervalLin(&ruler);
        other.show();
        EXPECT_TRUE(bool(ruler.OnChange));
    }
    EXPECT_FALSE(bool(ruler.OnChange));
    b.SetIntervalLin(&ruler);
    positions.clear();
    ruler.SetDimStor(3); // repaints the bar, which reports its position
    EXPECT_EQ(positions, (std::vector<int>{0}));
}
