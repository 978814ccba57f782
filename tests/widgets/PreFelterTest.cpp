// Button panels: rectangles, field layout, painting and the mouse.
#include "PreFelterTestPanel.h"
#include "widgets/TekstX.h"
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace paneltest;

// ---- Rectangles and layout ----

TEST(PreFelter, RectanglesWithoutFrames)
{
    TPreFelter p;
    EXPECT_EQ(p.width(), 64);
    EXPECT_EQ(p.height(), 64);
    p.resize(40, 30);
    p.Paint();
    EXPECT_TRUE(p.CompoPainted);
    EXPECT_EQ(p.GrundRekt, Rect(0, 0, 39, 29));
    EXPECT_EQ(p.IndreRekt, Rect(0, 0, 40, 30));
    EXPECT_EQ(p.CompoRekt, p.GrundRekt);
    EXPECT_EQ(p.FeltRekt, p.GrundRekt);
    EXPECT_EQ(p.BitRekt, p.GrundRekt);
    EXPECT_FALSE(p.CompoBeregnet);
    EXPECT_EQ(p.AlignRekt(), Rect(0, 0, 40, 30));
}

TEST(PreFelter, RectanglesWithOuterAndInnerFrame)
{
    TPreFelter p;
    TRammeGrundX ydre;
    ydre.SetBredde(2);
    ydre.SetAfstandV(1);
    ydre.SetAfstandO(2);
    ydre.SetAfstandH(3);
    ydre.SetAfstandN(4);
    ydre.SetClientLodret(5);
    ydre.SetClientVandret(6);
    TRammeIndreX indre;
    indre.SetBredde(1);
    indre.SetAfstandLodret(2);
    indre.SetAfstandVandret(3);
    p.SetRammeYdre(&ydre);
    p.SetRammeIndre(&indre);
    p.resize(100, 80);
    p.Paint();
    EXPECT_EQ(p.ClientRekt, Rect(7, 8, 93, 72));
    EXPECT_EQ(p.IndreRekt, Rect(2, 2, 98, 78));
    EXPECT_EQ(p.CompoRekt, Rect(3, 4, 94, 73));
    EXPECT_EQ(p.BitRekt, Rect(4, 5, 94, 73));
    EXPECT_EQ(p.FeltRekt, Rect(6, 8, 91, 69));
    EXPECT_TRUE(p.CompoBeregnet);
    EXPECT_EQ(p.AlignRekt(), p.ClientRekt);
    // Kept rectangles stay until they are dropped.
    ydre.SetTilpasAlign(true);
    p.Paint();
    EXPECT_TRUE(p.CompoBeregnet);
    p.NulstilBeregning();
    p.Paint();
    EXPECT_FALSE(p.CompoBeregnet);
    EXPECT_EQ(p.AlignRekt(), Rect(2, 2, 98, 78));
}

TEST(PreFelter, AHundredPixelFieldAreaWithThreeColumnsAndGapFour)
{
    TTestPan p;
    p.Felt.SetAfstandLodret(4);
    p.resize(101, 40); // FeltRekt (0, 0, 100, 39): 100 pixels wide
    p.SetAntalVandret(3);
    p.SetAntalIalt(3);
    p.Paint();
    EXPECT_EQ(p.FeltBredde(), 30);
    EXPECT_EQ(p.Felter()[0].YR.Left, 1);
    EXPECT_EQ(p.Felter()[1].YR.Left, 35);
    EXPECT_EQ(p.Felter()[2].YR.Left, 69);
    EXPECT_EQ(p.Felter()[0].YR.Right, 31);
    // IR is inset by the frame's Bredde + Margen.
    EXPECT_EQ(p.Felter()[0].IR, Rect(2, 1, 31, 39));
}

TEST(PreFelter, RowsAndColumnsNumbering)
{
    TTestPan p;
    p.Grid(3, 2, 6);
    EXPECT_EQ(p.Felter()[1].YR.Top, p.Felter()[0].YR.Top);
    EXPECT_GT(p.Felter()[1].YR.Left, p.Felter()[0].YR.Left);
    EXPECT_EQ(p.Felter()[3].YR.Left, p.Felter()[0].YR.Left);
    EXPECT_GT(p.Felter()[3].YR.Top, p.Felter()[0].YR.Top);
    p.SetNumLodret(true);
    p.Paint();
    EXPECT_EQ(p.Felter()[1].YR.Left, p.Felter()[0].YR.Left);
    EXPECT_GT(p.Felter()[1].YR.Top, p.Felter()[0].YR.Top);
    EXPECT_EQ(p.Felter()[2].YR.Top, p.Felter()[0].YR.Top);
    EXPECT_GT(p.Felter()[2].YR.Left, p.Felter()[0].YR.Left);
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(p.Felter()[size_t(n)].Nummer, n);
}

TEST(PreFelter, AThreeByTwoGridWithFourItemsLaysOutSixCellsAndShowsFour)
{
    TTestPan p;
    p.Grid(3, 2, 4);
    EXPECT_EQ(p.Antal(), 4);
    ASSERT_EQ(p.Felter().size(), 6u);
    EXPECT_EQ(p.Ring(3), kNormal);
    // Cells 4 and 5 are never painted nor hit.
    EXPECT_EQ(p.Ring(4), kBaggrund);
    EXPECT_EQ(p.Ring(5), kBaggrund);
    const TPoint m = p.Mid(4);
    EXPECT_EQ(p.FeltVed(m.X, m.Y), -1);
    p.Press(4);
    p.Release(4);
    EXPECT_TRUE(p.Mus.empty());
}

TEST(PreFelter, CountSetters)
{
    TTestPan p;
    p.SetAntalVandret(0);
    EXPECT_EQ(p.AntalVandret(), 1);
    p.SetAntalLodret(-4);
    EXPECT_EQ(p.AntalLodret(), 1);
    p.SetAntalVandret(4);
    p.SetAntalLodret(2);
    p.SetAntalIalt(5);
    EXPECT_EQ(p.Antal(), 5);
    p.SetAntalIalt(20);
    EXPECT_EQ(p.Antal(), 8);
    p.SetAntal(3);
    EXPECT_EQ(p.Antal(), 3);
    EXPECT_EQ(p.AntalIalt(), 20);
    p.SetAntal(100);
    EXPECT_EQ(p.Antal(), 8);
    p.SetAntalIalt(2);
    p.SetAntal(6);
    EXPECT_EQ(p.AntalIalt(), 6);
    // Absurd values clamp.
    p.SetAntalIalt(-3);
    EXPECT_EQ(p.AntalIalt(), 0);
    EXPECT_EQ(p.Antal(), 0);
    p.SetAntalVandret(1 << 30);
    EXPECT_EQ(p.AntalVandret(), TFCompo::kMaxAkse);
}

TEST(PreFelter, OnAntalIaltFiresOnlyOnAPaintedPanel)
{
    TTestPan p;
    p.SetAntalIalt(5);
    EXPECT_TRUE(p.Totals.empty());
    p.Paint();
    p.SetAntalIalt(7);
    EXPECT_EQ(p.Totals, std::vector<int>({7}));
}

TEST(PreFelter, FixedHeightGivesTheRowCountAndHeightZeroCountsAsOne)
{
    TTestPan p;
    p.resize(41, 101); // FeltRekt 40 x 100
    p.SetAntalIalt(100);
    p.SetAutoDim(false);
    p.SetFeltHojde(18);
    p.Paint();
    // (100 - 2) div (18 + 2) = 4 rows, centred: (100 - 3 * 2 - 18 * 4) div 2 = 11.
    EXPECT_EQ(p.AntalLodret(), 4);
    EXPECT_EQ(p.Antal(), 4);
    EXPECT_EQ(p.Felter()[0].YR.Top, 11);
    p.SetFeltHojde(0);
    p.Paint();
    EXPECT_EQ(p.FeltHojde(), 1);
    EXPECT_EQ(p.AntalLodret(), 32); // (100 - 2) div 3
    p.Felt.SetAfstandVandret(-5); // a step below 1 counts as 1
    p.Paint();
    EXPECT_GE(p.AntalLodret(), 1);
    EXPECT_LE(p.AntalLodret(), TFCompo::kMaxAkse);
}

TEST(PreFelter, APanelTooSmallForItsGridDrawsAndHitsNothing)
{
    TTestPan p;
    p.Felt.SetAfstandLodret(4);
    p.resize(6, 6);
    p.SetAntalVandret(3);
    p.SetAntalLodret(3);
    p.SetAntalIalt(9);
    p.Paint();
    EXPECT_LT(p.FeltBredde(), 1);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(p.View().Canvas().Pixels(x, y), kBaggrund);
    EXPECT_EQ(p.FeltVed(2, 2), -1);
    p.MouseDown(mbLeft, {}, 2, 2);
    p.MouseUp(mbLeft, {}, 2, 2);
    p.Key(vk::Right);
    p.Key(vk::Return);
    EXPECT_TRUE(p.Mus.empty());
    EXPECT_TRUE(p.Keys.empty());
    EXPECT_TRUE(p.Over.empty());
}

TEST(PreFelter, TheLayoutIsKeptOnlyWithAFieldFrameAndAutoDim)
{
    TTestPan p;
    p.Grid(2, 2, 4);
    EXPECT_TRUE(p.Beregnet());
    p.Felt.SetTilpasAlign(true);
    p.NulstilBeregning();
    p.Paint();
    EXPECT_FALSE(p.Beregnet());
    p.Felt.SetTilpasAlign(false);
    p.Paint();
    EXPECT_TRUE(p.Beregnet());
    p.SetAntalVandret(3);
    EXPECT_FALSE(p.Beregnet());
    p.Paint();
    EXPECT_EQ(p.Felter().size(), 6u);
    // A resize lays out again.
    const int w = p.FeltBredde();
    p.resize(p.width() * 2, p.height());
    p.Paint();
    EXPECT_GT(p.FeltBredde(), w);
}

// ---- Painting ----

TEST(PreFelter, PaintDrawsEveryVisibleFieldFrameInItsState)
{
    TTestPan p;
    p.Grid(3, 1, 3);
    EXPECT_EQ(p.Ring(0), kNormal);
    EXPECT_EQ(p.Ring(2), kNormal);
    EXPECT_EQ(p.View().Canvas().Pixels(p.Mid(1).X, p.Mid(1).Y), kFelt);
    p.SetSit(1, 0);
    EXPECT_EQ(p.Ring(1), kUaktiv);
    p.SetDown(2, true);
    EXPECT_EQ(p.Ring(2), kNede);
}

TEST(PreFelter, NothingIsRepaintedBeforeTheFirstPaint)
{
    TTestPan p;
    p.resize(61, 21);
    p.SetAntalVandret(3);
    p.SetAntalIalt(3);
    EXPECT_FALSE(p.CompoPainted);
    p.MouseMove({}, 10, 10);
    p.MouseDown(mbLeft, {}, 10, 10);
    p.Key(vk::Right);
    EXPECT_TRUE(p.Repaints.empty());
    EXPECT_TRUE(p.Over.empty());
    EXPECT_NE(p.View().Canvas().Pixels(10, 10), kNormal);
}

TEST(PreFelter, EnabledSetsEveryVisibleFieldAndGreysTheImages)
{
    TTestPan p;
    p.Grid(3, 1, 3);
    p.Hover(0);
    p.SetDown(2, true);
    p.setEnabled(false);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(p.Sit(k), 0);
        EXPECT_FALSE(p.Fokus(k));
        EXPECT_EQ(p.Ring(k), kUaktiv);
    }
    p.setEnabled(true);
    EXPECT_EQ(p.Sit(0), 1);
    EXPECT_EQ(p.Sit(2), 2);
}

TEST(PreFelter, FieldsLaidOutWhileDisabledBecomeActiveWhenEnabled)
{
    // A 3 x 2 grid showing 4 items lays out 6 cells; all are made while the panel is disabled.
    TTestPan p;
    p.setEnabled(false);
    p.Grid(3, 2, 4);
    p.setEnabled(true);
    p.SetAntalIalt(6);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(p.Sit(k), 1) << "field " << k;
    p.Hover(5);
    EXPECT_EQ(p.Over, std::vector<int>({5}));
    EXPECT_EQ(p.Ring(5), kOver);
}

TEST(PreFelter, ChildControlsAreLaidOutInsideTheFrame)
{
    // A frame 3 pixels wide whose rectangles follow the size: children keep off the frame.
    TPreFelter p;
    TRammeGrundX ydre;
    ydre.SetBredde(3);
    ydre.SetTilpasAlign(true);
    p.resize(100, 60);
    auto* layout = new QVBoxLayout(&p);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* child = new QWidget(&p);
    layout->addWidget(child);
    p.SetRammeYdre(&ydre);
    layout->activate();
    EXPECT_EQ(p.AlignRekt(), Rect(3, 3, 97, 57));
    EXPECT_EQ(child->geometry(), QRect(3, 3, 94, 54));

    // Kept rectangles with client spacings: the children take ClientRekt.
    TRammeGrundX kept;
    kept.SetBredde(2);
    kept.SetClientLodret(4);
    kept.SetClientVandret(1);
    p.SetRammeYdre(&kept);
    layout->activate();
    EXPECT_EQ(p.AlignRekt(), Rect(6, 3, 94, 57));
    EXPECT_EQ(child->geometry(), QRect(6, 3, 88, 54));

    p.SetRammeYdre(nullptr);
    layout->activate();
    EXPECT_EQ(child->geometry(), QRect(0, 0, 100, 60));
}

TEST(PreFelter, BackgroundImagesAreGreyedWhileDisabled)
{
    TKnapPan p;
    p.resize(10, 10);
    TBitmap grund(2, 2);
    grund.Canvas().Brush = {clRed, bsSolid};
    grund.Canvas().FillRect(grund.BoundsRect());
    p.SetBitmapGrund(grund);
    p.SetBitmapUaGray(true);
    p.SetAntalIalt(0);
    p.Paint();
    EXPECT_EQ(p.View().Canvas().Pixels(3, 4), clRed);
    p.setEnabled(false);
    p.Paint();
    EXPECT_EQ(p.View().Canvas().Pixels(3, 5), clGray);
    EXPECT_EQ(p.View().Canvas().Pixels(4, 4), clGray);
    EXPECT_EQ(p.View().Canvas().Pixels(3, 4), clRed);
}

TEST(PreFelter, StateImagesPressedHoveredNormal)
{
    TTestPan p;
    auto list = SolidList({clRed, clYellow, clAqua});
    TBitmapX b;
    b.SetBitmapListe(list.get());
    b.SetBitType(btTrio);
    b.SetFeltDim(true);
    b.SetAktivVL(false);
    p.SetBitmapFelt(&b);
    p.Grid(3, 1, 3);
    auto at = [&](int k) { return p.View().Canvas().Pixels(p.Mid(k).X, p.Mid(k).Y); };
    EXPECT_EQ(at(0), clRed);
    p.Hover(0);
    EXPECT_EQ(at(0), clYellow);
    p.Press(1);
    EXPECT_EQ(at(1), clAqua);
    EXPECT_EQ(at(0), clRed);
    p.Release(1);
    EXPECT_EQ(at(1), clYellow);
    p.setEnabled(false);
    EXPECT_EQ(at(2), TImageList::DisabledColour(clRed));
}

TEST(PreFelter, FlatSelectRepaintsOnlyTheFrames)
{
    TTestPan p;
    auto list = SolidList({clRed, clYellow});
    TBitmapX b;
    b.SetBitmapListe(list.get());
    b.SetBitType(btTrio);
    b.SetFeltDim(true);
    p.SetBitmapFelt(&b);
    p.SetFlatSelect(true);
    p.Grid(2, 1, 2);
    p.Hover(0);
    EXPECT_EQ(p.Ring(0), kOver);
    // The frame's fill covered the image and it was not drawn again.
    EXPECT_EQ(p.View().Canvas().Pixels(p.Mid(0).X, p.Mid(0).Y), kFelt);
    EXPECT_FALSE(p.KunRam);
}

TEST(PreFelter, TextsAreWrittenFromTheStringList)
{
    TTestPan p;
    TTekstX t;
    t.SetFarveNormal(clBlack);
    p.SetTekstFelt(&t);
    p.SetTekst({QStringLiteral("/a/b/bil.jpg"), QStringLiteral("x.y.z")});
    p.Grid(3, 1, 3, 60);
    EXPECT_EQ(p.FeltTekst(0), QStringLiteral("/a/b/bil.jpg"));
    p.SetTekstUdskriv(tuExtractFilename);
    EXPECT_EQ(p.FeltTekst(0), QStringLiteral("bil.jpg"));
    p.SetTekstUdskriv(tuFilecaption);
    EXPECT_EQ(p.FeltTekst(0), QStringLiteral("bil"));
    EXPECT_EQ(p.FeltTekst(1), QStringLiteral("x"));
    EXPECT_EQ(p.FeltTekst(2), QString());
    EXPECT_EQ(p.FeltTekst(-1), QString());
    // Some pixel of fields 0 and 1 is black (the text), none of field 2.
    auto inked = [&](int k) {
        const TRect r = p.Felter()[size_t(k)].IR;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (p.View().Canvas().Pixels(x, y) == clBlack)
                    return true;
        return false;
    };
    EXPECT_TRUE(inked(0));
    EXPECT_TRUE(inked(1));
    EXPECT_FALSE(inked(2));
}

TEST(PreFelter, SharedPaintersRepaintEveryBoundPanelAndUnbindOnDestruction)
{
    auto list = SolidList({clRed, clYellow});
    TBitmapX b;
    b.SetBitmapListe(list.get());
    b.SetBitType(btSimpel);
    b.SetFeltDim(true);
    TTestPan a;
    auto other = std::make_unique<TTestPan>();
    a.SetBitmapFelt(&b);
    other->SetBitmapFelt(&b);
    a.Grid(1, 1, 1);
    other->Grid(1, 1, 1);
    EXPECT_EQ(a.View().Canvas().Pixels(a.Mid(0).X, a.Mid(0).Y), clRed);
    a.SetBitmapIndex(1); // the panel passes its index to the painter before each image
    EXPECT_EQ(a.View().Canvas().Pixels(a.Mid(0).X, a.Mid(0).Y), clYellow);
    other->Clear();
    a.Clear();
    b.SetX1(0); // a notifying setter: both panels repaint
    EXPECT_FALSE(a.Repaints.empty());
    EXPECT_FALSE(other->Repaints.empty());
    other.reset();
    a.Clear();
    b.SetY1(0);
    EXPECT_FALSE(a.Repaints.empty());
    // The last panel unbinds: the painter no longer calls anyone.
    a.SetBitmapFelt(nullptr);
    EXPECT_FALSE(static_cast<bool>(b.OnChange));
}

TEST(PreFelter, APainterDestroyedFirstReadsAsNone)
{
    TTestPan p;
    {
        TTekstX t;
        auto b = std::make_unique<TBitmapX>();
        p.SetTekstFelt(&t);
        p.SetBitmapFelt(b.get());
        p.Grid(2, 1, 2);
    }
    EXPECT_EQ(p.TekstFelt(), nullptr);
    EXPECT_EQ(p.BitmapFelt(), nullptr);
    p.Paint();
    p.Hover(1);
    EXPECT_EQ(p.Ring(1), kOver);
    auto frame = std::make_unique<TRammeFeltX>();
    p.SetRammeFelt(frame.get());
    frame.reset();
    p.Paint();
    EXPECT_EQ(p.RammeFelt(), nullptr);
}

TEST(PreFelter, TheRasterFollowsTheControlsSize)
{
    TTestPan p;
    p.Grid(2, 1, 2);
    // A hidden control gets its size at the next paint, a shown one at once.
    p.resize(60, 25);
    p.Paint();
    EXPECT_EQ(p.View().Width(), 60);
    EXPECT_EQ(p.View().Height(), 25);
    p.show();
    p.resize(80, 30);
    EXPECT_EQ(p.View().Width(), 80);
    EXPECT_EQ(p.View().Height(), 30);
    EXPECT_EQ(p.Ring(1), kNormal);
    EXPECT_EQ(p.Felter()[1].YR.Right, 78); // (79 - 2) div 2 = 38 from 40
}

TEST(PreFelter, GetExtAndFilCaption)
{
    EXPECT_EQ(TPreFelter::GetExt(QStringLiteral("bil.jpg")), QStringLiteral("jpg"));
    EXPECT_EQ(TPreFelter::GetExt(QStringLiteral("a.b.c")), QStringLiteral("b.c"));
    EXPECT_EQ(TPreFelter::GetExt(QStringLiteral("abc")), QString());
    EXPECT_EQ(TPreFelter::GetExt(QStringLiteral("Bil.JPG")), QStringLiteral("JPG"));
    // A dot in a folder name does not count.
    EXPECT_EQ(TPreFelter::GetExt(QStringLiteral("/home/x/.local/bil")), QString());
    EXPECT_EQ(TPreFelter::FilCaption(QStringLiteral("/home/x/my.pictures/bil.old.jpg")), QStringLiteral("bil"));
    EXPECT_EQ(TPreFelter::FilCaption(QStringLiteral("C:\\mappe\\navn.bmp")), QStringLiteral("navn"));
    EXPECT_EQ(TPreFelter::FilCaption(QStringLiteral("navn")), QStringLiteral("navn"));
}

// ---- Mouse ----

TEST(KnapPanMouse, APressReleasedOnTheSameFieldReportsTheItem)
{
    TTestPan p;
    p.Grid(4, 1, 10);
    p.NytStartNr(3, false);
    p.Clear();
    p.Press(2);
    EXPECT_EQ(p.Sit(2), 2);
    EXPECT_EQ(p.Ring(2), kNede);
    EXPECT_TRUE(p.MouseNede);
    p.Release(2);
    EXPECT_EQ(p.Mus, std::vector<int>({5}));
    EXPECT_EQ(p.Klik, std::vector<int>({5}));
    EXPECT_EQ(p.Sit(2), 3);
    EXPECT_EQ(p.Ring(2), kOver);
    EXPECT_FALSE(p.MouseNede);
}

TEST(KnapPanMouse, APressReleasedOnAnotherFieldReportsNothing)
{
    TTestPan p;
    p.Grid(4, 1, 4);
    p.Press(2);
    const TPoint m = p.Mid(3);
    p.MouseMove({ssLeft}, m.X, m.Y);
    EXPECT_EQ(p.Sit(2), 1);
    EXPECT_FALSE(p.MouseOver);
    p.Release(3);
    EXPECT_TRUE(p.Mus.empty());
    EXPECT_TRUE(p.Klik.empty());
    EXPECT_EQ(p.Sit(2), 1);
    EXPECT_EQ(p.Sit(3), 1);
    EXPECT_EQ(p.Ring(2), kNormal);
}

TEST(KnapPanMouse, MovingBackOntoThePressedFieldPressesItAgain)
{
    TTestPan p;
    p.Grid(4, 1, 4);
    p.Press(1);
    p.MouseMove({ssLeft}, p.Gap().X, p.Gap().Y);
    EXPECT_EQ(p.Sit(1), 1);
    p.MouseMove({ssLeft}, p.Mid(1).X, p.Mid(1).Y);
    EXPECT_EQ(p.Sit(1), 2);
    p.Release(1);
    EXPECT_EQ(p.Mus, std::vector<int>({1}));
    // Without FocusInOut the field leaves in state 3.
    p.SetFocusInOut(false);
    p.Press(1);
    p.MouseMove({ssLeft}, p.Gap().X, p.Gap().Y);
    EXPECT_EQ(p.Sit(1), 3);
    EXPECT_TRUE(p.Fokus(1));
}

TEST(KnapPanMouse, HoveringFiresOnMusOverOncePerField)
{
    TTestPan p;
    p.Grid(4, 1, 4);
    p.Hover(1);
    p.Hover(1);
    const TPoint m = p.Mid(1);
    p.MouseMove({}, m.X + 1, m.Y);
    EXPECT_EQ(p.Over, std::vector<int>({1}));
    EXPECT_EQ(p.Ring(1), kOver);
    EXPECT_EQ(p.ANr, 1);
    p.Hover(2);
    EXPECT_EQ(p.Over, std::vector<int>({1, 2}));
    EXPECT_EQ(p.Ring(1), kNormal);
    EXPECT_EQ(p.Ring(2), kOver);
    // Leaving the fields: the field becomes normal; coming back hovers it again.
    p.MouseMove({}, p.Gap().X, p.Gap().Y);
    EXPECT_EQ(p.Sit(2), 1);
    EXPECT_FALSE(p.Fokus(2));
    p.Hover(2);
    EXPECT_EQ(p.Over, std::vector<int>({1, 2, 2}));
}

TEST(KnapPanMouse, WithoutFocusInOutTheLastHoveredFieldKeepsTheHighlight)
{
    TTestPan p;
    p.SetFocusInOut(false);
    p.Grid(4, 1, 4);
    p.Hover(1);
    p.MouseMove({}, p.Gap().X, p.Gap().Y);
    EXPECT_EQ(p.Sit(1), 3);
    EXPECT_TRUE(p.Fokus(1));
    p.Hover(1);
    EXPECT_EQ(p.Over, std::vector<int>({1}));
}

TEST(KnapPanMouse, AHoverOrAPressRepaintsAtMostTheTwoFieldsItChanges)
{
    TTestPan p;
    p.Grid(20, 20, 400, 8);
    p.Hover(5);
    p.Clear();
    p.Hover(6);
    EXPECT_LE(p.RepaintCount(), 2);
    EXPECT_EQ(p.Repaints.size(), 2u);
    EXPECT_TRUE(p.Repaints.count(5) && p.Repaints.count(6));
    p.Clear();
    p.Press(7);
    EXPECT_LE(p.RepaintCount(), 2);
    p.Clear();
    p.Release(7);
    EXPECT_LE(p.RepaintCount(), 1);
    p.Clear();
    p.Hover(7);
    EXPECT_EQ(p.RepaintCount(), 0);
}

TEST(KnapPanMouse, InactiveFieldsIgnorePressAndHover)
{
    TTestPan p;
    p.Grid(4, 1, 4);
    p.SetSit(2, 0);
    p.Press(2);
    EXPECT_FALSE(p.MouseNede);
    p.Release(2);
    EXPECT_TRUE(p.Mus.empty());
    p.Hover(1);
    p.Hover(2); // over an inactive field the current one is left
    EXPECT_EQ(p.Sit(1), 1);
    EXPECT_EQ(p.Sit(2), 0);
    EXPECT_EQ(p.Over, std::vector<int>({1}));
}

TEST(KnapPanMouse, NoMouseAndAnEmptyPanelIgnoreTheMouse)
{
    TTestPan p;
    p.Grid(4, 1, 4);
    p.SetNoMouse(true);
    p.Press(1);
    p.Release(1);
    p.Hover(2);
    EXPECT_TRUE(p.Mus.empty());
    EXPECT_TRUE(p.Over.empty());
    p.SetNoMouse(false);
    p.SetAntalIalt(0);
    p.Press(0);
    p.MouseMove({}, 3, 3);
    EXPECT_TRUE(p.Mus.empty());
    EXPECT_TRUE(p.Over.empty());
}

TEST(KnapPanMouse, NoOverFocusHoversOnlyWithTheKeyboardFocus)
{
    TTestPan p;
    p.SetFocusReguler(false);
    p.SetNoOverFocus(true);
    p.setFocusPolicy(Qt::NoFocus);
    p.Grid(4, 1, 4);
    p.Hover(1);
    EXPECT_TRUE(p.Over.empty());
    p.Focus = true;
    p.Hover(1);
    EXPECT_EQ(p.Over, std::vector<int>({1}));
}

TEST(KnapPanMouse, APanelFocusedBeforeItsFirstPaintHoversOncePainted)
{
    QWidget window;
    window.resize(120, 40);
    auto* p = new TTestPan(&window);
    p->SetNoOverFocus(true);
    p->resize(81, 21);
    p->SetAntalVandret(4);
    p->SetAntalIalt(4);
    // No paint reaches the panel until it holds the keyboard focus.
    p->setUpdatesEnabled(false);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    p->setFocus();
    ASSERT_TRUE(p->hasFocus());
    EXPECT_FALSE(p->CompoPainted);
    EXPECT_FALSE(p->Focus) << "gaining the focus unpainted does nothing";
    p->setUpdatesEnabled(true);
    p->Paint();
    EXPECT_TRUE(p->Focus);
    p->Hover(1);
    EXPECT_EQ(p->Over, std::vector<int>({1}));
}

TEST(KnapPanMouse, FocusRegulerFollowsTheFieldFramesFocusRing)
{
    TTestPan p;
    p.SetFocusReguler(true);
    p.Felt.SetFocusRamme(true);
    p.Grid(2, 1, 2);
    EXPECT_FALSE(p.NoOverFocus());
    p.Felt.SetFocusRamme(false);
    p.Paint();
    EXPECT_TRUE(p.NoOverFocus());
}

TEST(KnapPanMouse, TheRealMouseEventsReachTheHandlers)
{
    TTestPan p;
    p.Grid(4, 1, 4);
    p.show();
    const TPoint m = p.Mid(2);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(m.X, m.Y), QPointF(m.X, m.Y), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(m.X, m.Y), QPointF(m.X, m.Y), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&p, &press);
    QCoreApplication::sendEvent(&p, &release);
    EXPECT_EQ(p.Mus, std::vector<int>({2}));
    EXPECT_EQ(p.Buttons, std::vector<TMouseButton>({mbLeft}));
}
