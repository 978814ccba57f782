// Button panels: keyboard navigation, scrolling, a new grid and the focus.
#include "PreFelterTestPanel.h"
#include <QGuiApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

using namespace paneltest;

namespace {
// Field k becomes the current one (by the pointer); the events are cleared.
void Current(TTestPan& p, int k)
{
    p.Hover(k);
    p.MouseMove({}, p.Gap().X, p.Gap().Y); // FocusInOut: the field leaves, it stays current
    p.Hover(k);
    p.Clear();
}

// The field carrying the highlight, -1 for none; fails when more than one does.
int Lit(const TTestPan& p)
{
    int lit = -1;
    for (int k = 0; k < p.Antal(); ++k)
        if (p.Fokus(k)) {
            EXPECT_EQ(lit, -1) << "two highlighted fields";
            lit = k;
        }
    return lit;
}
} // namespace

TEST(KnapPanKeys, RowByRowMoves)
{
    TTestPan p;
    p.Grid(4, 3, 12);
    Current(p, 5);
    p.Key(vk::Right);
    EXPECT_EQ(p.ANr, 6);
    EXPECT_EQ(p.Over, std::vector<int>({6}));
    EXPECT_EQ(Lit(p), 6);
    EXPECT_EQ(p.Ring(6), kOver);
    EXPECT_EQ(p.Ring(5), kNormal);
    p.Key(vk::Left);
    p.Key(vk::Left);
    EXPECT_EQ(p.ANr, 4);
    p.Key(vk::Down);
    EXPECT_EQ(p.ANr, 8);
    p.Key(vk::Down); // bottom row: top row, next column
    EXPECT_EQ(p.ANr, 1);
    p.Key(vk::Up); // top row: bottom row, previous column
    EXPECT_EQ(p.ANr, 8);
    p.Key(vk::Space);
    EXPECT_EQ(p.ANr, 9);
    p.Key(vk::End);
    EXPECT_EQ(p.ANr, 11);
    p.Key(vk::Down); // the last cell wraps to the first
    EXPECT_EQ(p.ANr, 0);
    p.Key(vk::Up);
    EXPECT_EQ(p.ANr, 11);
    p.Key(vk::Home);
    EXPECT_EQ(p.ANr, 0);
    p.Key(vk::Left);
    EXPECT_EQ(p.ANr, 11);
    EXPECT_EQ(Lit(p), 11);
}

TEST(KnapPanKeys, RowByRowDownAndUpOnAPartlyFilledGridWrapOverTheWholeGrid)
{
    // A 4 x 3 grid with 10 items: the rows below the items still count.
    TTestPan p;
    p.Grid(4, 3, 10);
    Current(p, 6);
    p.Key(vk::Down); // 6 + 4 = 10 lies beyond the items: the first field
    EXPECT_EQ(p.ANr, 0);
    Current(p, 9);
    p.Key(vk::Down); // the bottom row of the grid: top row, next column
    EXPECT_EQ(p.ANr, 2);
    Current(p, 3);
    p.Key(vk::Up); // top row: 12 + 3 - 4 - 1 = 10, beyond the items: the first field
    EXPECT_EQ(p.ANr, 0);
    Current(p, 2);
    p.Key(vk::Up); // 12 + 2 - 4 - 1 = 9
    EXPECT_EQ(p.ANr, 9);

    TTestPan q;
    q.SetRulRundt(false);
    q.Grid(4, 3, 10);
    Current(q, 6);
    q.Key(vk::Down); // clamped to the last item, no scroll
    EXPECT_EQ(q.ANr, 9);
    EXPECT_EQ(q.StartNr(), 0);
}

TEST(KnapPanKeys, ColumnByColumnTwelveByTwo)
{
    TTestPan p;
    p.SetNumLodret(true);
    p.Grid(12, 2, 24);
    Current(p, 1);
    p.Key(vk::Right);
    EXPECT_EQ(p.ANr, 3);
    Current(p, 22);
    p.Key(vk::Right); // top of the last column: first column, next row
    EXPECT_EQ(p.ANr, 1);
    Current(p, 23);
    p.Key(vk::Right);
    EXPECT_EQ(p.ANr, 0);
    p.Key(vk::Down);
    EXPECT_EQ(p.ANr, 1);
    p.Key(vk::Up);
    EXPECT_EQ(p.ANr, 0);
    p.Key(vk::Left); // field 0 with RulRundt: the last field
    EXPECT_EQ(p.ANr, 23);
    Current(p, 1);
    p.Key(vk::Left); // first column, second row: last column, first row
    EXPECT_EQ(p.ANr, 22);
    p.Key(vk::Left);
    EXPECT_EQ(p.ANr, 20);
}

TEST(KnapPanKeys, ColumnByColumnOnAPartlyFilledGridStaysOnVisibleFields)
{
    TTestPan p;
    p.SetNumLodret(true);
    p.Grid(3, 2, 5); // columns 0,1 | 2,3 | 4
    Current(p, 3);
    p.Key(vk::Right); // no field to the right: first column, next row would be row 2
    EXPECT_GE(p.ANr, 0);
    EXPECT_LT(p.ANr, 5);
    Current(p, 2);
    p.Key(vk::Right);
    EXPECT_EQ(p.ANr, 4);
    p.Key(vk::Right); // the last field wraps
    EXPECT_EQ(p.ANr, 0);
    Current(p, 1);
    p.Key(vk::Left); // last column, previous row
    EXPECT_EQ(p.ANr, 4);

    TTestPan q;
    q.SetNumLodret(true);
    q.Grid(2, 3, 4); // columns 0,1,2 | 3
    Current(q, 2);
    q.Key(vk::Left); // the last column has no row 1: the column before it
    EXPECT_EQ(q.ANr, 1);
}

TEST(KnapPanKeys, WithRulRundtRightOnTheLastVisibleFieldGoesToTheFirst)
{
    TTestPan p;
    p.Grid(3, 1, 10);
    Current(p, 2);
    p.Key(vk::Right);
    EXPECT_EQ(p.ANr, 0);
    EXPECT_EQ(p.StartNr(), 0);
    EXPECT_TRUE(p.Starts.empty());
}

TEST(KnapPanKeys, WithoutRulRundtRightOnTheLastVisibleFieldScrollsByOne)
{
    TTestPan p;
    p.SetRulRundt(false);
    p.Grid(3, 1, 10);
    Current(p, 2);
    p.Key(vk::Right);
    EXPECT_EQ(p.StartNr(), 1);
    EXPECT_EQ(p.Starts, std::vector<int>({1}));
    EXPECT_EQ(p.ANr, 2);
    EXPECT_EQ(Lit(p), 2);
    // The highlighted field now shows item 3, reported once.
    EXPECT_EQ(p.Over, std::vector<int>({3}));
    p.Clear();
    p.Key(vk::Left);
    EXPECT_EQ(p.ANr, 1);
    EXPECT_TRUE(p.Starts.empty());
    p.Key(vk::Left);
    p.Key(vk::Left); // scrolls back to item 0
    EXPECT_EQ(p.StartNr(), 0);
    EXPECT_EQ(p.ANr, 0);
    EXPECT_EQ(p.Starts, std::vector<int>({0}));
}

TEST(KnapPanKeys, WithoutRulRundtHomeAndEndScrollToTheEnds)
{
    TTestPan p;
    p.SetRulRundt(false);
    p.Grid(3, 1, 10);
    p.NytStartNr(4, false);
    Current(p, 1);
    p.Key(vk::Home);
    EXPECT_EQ(p.StartNr(), 0);
    EXPECT_EQ(p.ANr, 0);
    EXPECT_EQ(p.Starts, std::vector<int>({0}));
    EXPECT_EQ(p.Over, std::vector<int>({0}));
    p.Clear();
    p.Key(vk::End);
    EXPECT_EQ(p.StartNr(), 7);
    EXPECT_EQ(p.ANr, 2);
    EXPECT_EQ(p.Starts, std::vector<int>({7}));
    EXPECT_EQ(p.Over, std::vector<int>({9}));
    // End again: nothing moves, nothing is reported.
    p.Clear();
    p.Key(vk::End);
    EXPECT_TRUE(p.Starts.empty());
    EXPECT_TRUE(p.Over.empty());
}

TEST(KnapPanKeys, PageDownNearTheEndStopsAtTheLastPage)
{
    TTestPan p;
    p.Grid(4, 1, 10);
    Current(p, 1);
    p.Key(vk::Next);
    EXPECT_EQ(p.StartNr(), 4);
    p.Key(vk::Next);
    EXPECT_EQ(p.StartNr(), 6);
    p.Key(vk::Next);
    EXPECT_EQ(p.StartNr(), 6);
    EXPECT_EQ(p.Starts, std::vector<int>({4, 6}));
    // The highlight stays on field 1 and reports its new item once per scroll.
    EXPECT_EQ(p.ANr, 1);
    EXPECT_EQ(p.Over, std::vector<int>({5, 7}));
    p.Key(vk::Prior);
    EXPECT_EQ(p.StartNr(), 2);
    p.Key(vk::Prior);
    p.Key(vk::Prior);
    EXPECT_EQ(p.StartNr(), 0);
    EXPECT_EQ(p.Starts, std::vector<int>({4, 6, 2, 0}));
}

TEST(KnapPanKeys, EnterInsertAndDeleteReportTheCurrentItem)
{
    TTestPan p;
    p.Grid(4, 1, 10);
    p.NytStartNr(3, false);
    Current(p, 2);
    p.Key(vk::Return);
    p.Key(vk::Insert);
    p.Key(vk::Delete);
    using K = TTestPan::KeyEvent;
    EXPECT_EQ(p.Keys, std::vector<K>({K{13, 5}, K{45, 5}, K{46, 5}}));
    EXPECT_EQ(p.ANr, 2);
}

TEST(KnapPanKeys, WithoutACurrentFieldEnterInsertAndDeleteDoNothing)
{
    TTestPan p;
    p.Grid(4, 1, 10);
    p.NytStartNr(3, false); // the scroll makes field 0 current
    p.NytAntalVL(4, 1);     // and the new grid forgets it
    ASSERT_EQ(p.ANr, -1);
    p.Key(vk::Return);
    p.Key(vk::Insert);
    p.Key(vk::Delete);
    EXPECT_TRUE(p.Keys.empty());
    // A move key takes the first active field.
    p.SetSit(0, 0);
    p.Key(vk::Right);
    EXPECT_EQ(p.ANr, 1);
    EXPECT_EQ(Lit(p), 1);
}

TEST(KnapPanKeys, MovesSkipInactiveFields)
{
    TTestPan p;
    p.Grid(6, 1, 6);
    p.SetSit(1, 0);
    p.SetSit(2, 0);
    Current(p, 0);
    p.Key(vk::Right);
    EXPECT_EQ(p.ANr, 3);
    EXPECT_EQ(p.Over, std::vector<int>({3}));
    p.Key(vk::Left);
    EXPECT_EQ(p.ANr, 0);
    EXPECT_EQ(p.Sit(1), 0);
    EXPECT_EQ(p.Sit(2), 0);
    EXPECT_EQ(p.Ring(1), kUaktiv);
}

TEST(KnapPanKeys, RepeatedMovesEndOnHomeEndAndClampedFields)
{
    TTestPan p;
    p.Grid(6, 1, 6);
    p.SetSit(0, 0);
    p.SetSit(5, 0);
    Current(p, 2);
    p.Key(vk::Home); // field 0 is inactive: the first active field
    EXPECT_EQ(p.ANr, 1);
    p.Key(vk::End);
    EXPECT_EQ(p.ANr, 4);
    p.SetRulRundt(false);
    p.Key(vk::Right); // clamped to field 5, inactive, again and again: stays
    EXPECT_EQ(p.ANr, 4);
    EXPECT_EQ(Lit(p), 4);
    p.Key(vk::Home);
    EXPECT_EQ(p.ANr, 1);
    p.Key(vk::Left);
    EXPECT_EQ(p.ANr, 1);
    p.Key(vk::End);
    EXPECT_EQ(p.ANr, 4);
}

TEST(KnapPanKeys, AScrollingMoveSkipsInactiveItemsAndStopsAtTheEnd)
{
    // A derived panel that marks the items 3 and 4 inactive wherever they show.
    TTestPan p;
    p.SetRulRundt(false);
    p.Grid(3, 1, 6);
    auto mark = [&p] {
        for (int k = 0; k < p.Antal(); ++k) {
            const int item = k + p.StartNr();
            p.SetSit(k, item == 3 || item == 4 ? 0 : (p.Fokus(k) ? 3 : 1));
        }
    };
    p.FOnstartNrChange = mark;
    Current(p, 2);
    p.Key(vk::Right); // items 3, 4 inactive: ends on item 5
    EXPECT_EQ(p.StartNr(), 3);
    EXPECT_EQ(p.ANr + p.StartNr(), 5);
    EXPECT_EQ(Lit(p), 2);
    p.Key(vk::Right); // at the end
    EXPECT_EQ(p.StartNr(), 3);
    EXPECT_EQ(p.ANr + p.StartNr(), 5);
}

TEST(KnapPanKeys, OneActiveFieldTakesTheHighlightAndNoActiveFieldIgnoresKeys)
{
    TTestPan p;
    p.Grid(3, 1, 3);
    p.SetSit(0, 0);
    p.SetSit(2, 0);
    p.Key(vk::Right);
    EXPECT_EQ(p.ANr, 1);
    EXPECT_EQ(Lit(p), 1);
    p.SetSit(1, 0);
    p.Clear();
    p.Key(vk::Right);
    p.Key(vk::Return);
    EXPECT_TRUE(p.Over.empty());
    EXPECT_TRUE(p.Keys.empty());
}

TEST(KnapPanKeys, FocusOverOffIgnoresKeys)
{
    TTestPan p;
    p.Grid(3, 1, 3);
    Current(p, 0);
    p.SetFocusOver(false);
    p.Key(vk::Right);
    p.Key(vk::Return);
    EXPECT_EQ(p.ANr, 0);
    EXPECT_TRUE(p.Keys.empty());
}

TEST(KnapPanKeys, AKeyRepaintsAtMostTheTwoFieldsItChanges)
{
    TTestPan p;
    p.Grid(20, 20, 400, 8);
    Current(p, 5);
    p.Key(vk::Right);
    EXPECT_LE(p.RepaintCount(), 2);
    EXPECT_TRUE(p.Repaints.count(5) && p.Repaints.count(6));
}

TEST(KnapPanKeys, RealKeyEventsReachTheHandler)
{
    TTestPan p;
    p.Grid(3, 1, 3);
    Current(p, 0);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(&p, &right);
    EXPECT_EQ(p.ANr, 1);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(&p, &enter);
    ASSERT_EQ(p.Keys.size(), 1u);
    EXPECT_EQ(p.Keys[0].key, 13);
    QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(&p, &other);
    EXPECT_FALSE(other.isAccepted());
}

// ---- NytStartNr ----

TEST(KnapPanScroll, NytStartNrScrollsRepaintsAndReports)
{
    TTestPan p;
    p.Grid(3, 1, 10);
    p.NytStartNr(4, true);
    EXPECT_EQ(p.StartNr(), 4);
    EXPECT_EQ(p.SlutNr(), 6);
    EXPECT_EQ(p.ANr, 0);
    EXPECT_EQ(p.Starts, std::vector<int>({4}));
    EXPECT_EQ(p.Over, std::vector<int>({4}));
    EXPECT_EQ(p.RepaintCount(), 3);
    p.Clear();
    p.NytStartNr(5, false);
    EXPECT_TRUE(p.Starts.empty());
    EXPECT_EQ(p.Over, std::vector<int>({5}));
    p.Clear();
    p.NytStartNr(5, true); // no change, no event
    EXPECT_TRUE(p.Starts.empty());
    EXPECT_TRUE(p.Over.empty());
}

TEST(KnapPanScroll, NytStartNrIsClampedAndIgnoresNegativeValues)
{
    TTestPan p;
    p.Grid(3, 1, 10);
    p.NytStartNr(-1, true);
    EXPECT_EQ(p.StartNr(), 0);
    EXPECT_TRUE(p.Starts.empty());
    p.NytStartNr(1000, true);
    EXPECT_EQ(p.StartNr(), 7);
    EXPECT_EQ(p.Starts, std::vector<int>({7}));
    // The total shrinks: the first item follows.
    p.SetAntalIalt(5);
    EXPECT_EQ(p.StartNr(), 2);
    EXPECT_EQ(p.SlutNr(), 4);
    p.SetAntalIalt(2);
    EXPECT_EQ(p.StartNr(), 0);
    EXPECT_EQ(p.Antal(), 2);
    p.SetAntalIalt(0);
    p.NytStartNr(0, true);
    EXPECT_EQ(p.StartNr(), 0);
}

TEST(KnapPanScroll, NytStartNrFromItsOwnOnStartNrChangesNothing)
{
    TTestPan p;
    p.Grid(3, 1, 10);
    int calls = 0;
    p.OnStartNr = [&](TObject*, int nr) {
        ++calls;
        p.NytStartNr(nr + 1, true);
    };
    p.NytStartNr(2, true);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(p.StartNr(), 2);
    EXPECT_FALSE(p.PaintingOn);
}

TEST(KnapPanScroll, TheHookReplacesTheDefaultRepaint)
{
    TTestPan p;
    p.Grid(3, 1, 10);
    int hook = 0;
    p.FOnstartNrChange = [&] { ++hook; };
    p.NytStartNr(3, false);
    EXPECT_EQ(hook, 1);
    EXPECT_EQ(p.RepaintCount(), 0);
}

TEST(KnapPanScroll, NytAntalVLStartsAnewGrid)
{
    TTestPan p;
    p.Grid(3, 1, 10);
    p.NytStartNr(3, false);
    p.Hover(1);
    p.NytAntalVL(0, 2);
    EXPECT_EQ(p.AntalVandret(), 1);
    EXPECT_EQ(p.AntalLodret(), 2);
    EXPECT_EQ(p.Antal(), 2);
    EXPECT_EQ(p.StartNr(), 0);
    EXPECT_EQ(p.SlutNr(), 1);
    EXPECT_EQ(p.ANr, -1);
    EXPECT_EQ(p.OverNr, -1);
    ASSERT_EQ(p.Felter().size(), 2u);
    EXPECT_EQ(p.Sit(0), 1);
    EXPECT_FALSE(p.Fokus(0));
    EXPECT_EQ(p.Ring(1), kNormal);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// ---- Focus ----

TEST(KnapPanFocus, GainingTheFocusWithoutFocusInOutHoversTheCurrentFieldOrTheFirstActive)
{
    TTestPan p;
    p.SetFocusInOut(false);
    p.Grid(3, 1, 3);
    p.SetSit(0, 0);
    p.DoEnter();
    EXPECT_TRUE(p.Focus);
    EXPECT_EQ(p.ANr, 1);
    EXPECT_EQ(p.Over, std::vector<int>({1}));
    p.DoExit();
    EXPECT_FALSE(p.Focus);
    EXPECT_EQ(Lit(p), -1);
    p.Clear();
    p.DoEnter();
    EXPECT_EQ(p.Over, std::vector<int>({1}));
    EXPECT_EQ(Lit(p), 1);
}

TEST(KnapPanFocus, FocusRingsAreRepaintedWhenTheFocusChanges)
{
    TTestPan p;
    TRammeGrundX ydre;
    ydre.SetBredde(1);
    ydre.SetFocusRamme(true);
    ydre.SetFarveOmrids(clBlack);
    ydre.SetFarveRamme(clYellow);
    ydre.SetMedFeltFarve(false);
    p.SetRammeYdre(&ydre);
    p.Grid(3, 1, 3);
    EXPECT_EQ(p.View().Canvas().Pixels(0, 5), clYellow);
    p.DoEnter();
    EXPECT_EQ(p.View().Canvas().Pixels(0, 5), clBlack);
    p.DoExit();
    EXPECT_EQ(p.View().Canvas().Pixels(0, 5), clYellow);
}

TEST(KnapPanFocus, WithoutTabStopTheFocusFlagStaysOff)
{
    TTestPan p;
    p.SetTabStop(false);
    p.Grid(3, 1, 3);
    p.DoEnter();
    EXPECT_FALSE(p.Focus);
    EXPECT_FALSE(p.TabStop());
}
