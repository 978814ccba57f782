#include "PicFixture.h"
#include "platform/Clipboard.h"

namespace {
struct Recorder {
    std::vector<std::pair<bool, int>> objekt;
    std::vector<TRect> focusEnd;
    int autoPerform = 0;
    void Bind(TImagePic& pic)
    {
        pic.OnObjekt = [this](TObject*, bool o, int nr) { objekt.push_back({o, nr}); };
        pic.OnFocusEnd = [this](TObject*, const TRect& r) { focusEnd.push_back(r); };
        pic.OnAutoPerform = [this](TObject*, bool) { ++autoPerform; };
    }
};
} // namespace

TEST(Focus, DragFromBottomRightToTopLeftIsOrderedAndRemovalRestoresTheView)
{
    auto pic = MakePic(80, 60);
    Recorder rec;
    rec.Bind(*pic);
    const TBitmap picture = pic->Picture();
    pic->StartFocusDrag(50, 40);
    EXPECT_TRUE(pic->Selected());
    EXPECT_EQ(rec.objekt.back(), std::make_pair(false, -2));
    pic->MoveFocusDrag(30, 25);
    EXPECT_EQ(pic->FR, Rect(30, 25, 50, 40));
    pic->MoveFocusDrag(10, 5);
    EXPECT_EQ(pic->FR, Rect(10, 5, 50, 40));
    EXPECT_FALSE(ViewShowsPicture(*pic)); // the outline is on the view
    pic->EndFocusDrag();
    EXPECT_EQ(std::tie(pic->X1, pic->Y1, pic->X2, pic->Y2), std::make_tuple(10, 5, 50, 40));
    EXPECT_EQ(pic->Bredde, 40);
    EXPECT_EQ(pic->Hojde, 35);
    EXPECT_EQ(pic->NytR, Rect(0, 0, 40, 35));
    ASSERT_EQ(rec.focusEnd.size(), 1u);
    EXPECT_EQ(rec.focusEnd[0], Rect(10, 5, 50, 40));
    EXPECT_TRUE(pic->TimerActive());
    // Three blink ticks leave the complement's opposite phase on the view.
    for (int i = 0; i < 3; ++i)
        pic->FocusTimerTick();
    EXPECT_EQ(rec.autoPerform, 3);
    EXPECT_TRUE(SamePixels(pic->Picture(), picture)); // the picture is never touched
    pic->FjernFocus();
    EXPECT_FALSE(pic->Selected());
    EXPECT_FALSE(pic->TimerActive());
    EXPECT_TRUE(ViewShowsPicture(*pic));
    // The view's pen is back to the tool settings.
    EXPECT_EQ(pic->Canvas().Pen.Mode, pmCopy);
    EXPECT_EQ(pic->Canvas().Pen.Style, pic->PenStyle());
    EXPECT_EQ(pic->Canvas().Brush.Style, pic->BrushStyle());
}

TEST(Focus, EveryOutlineKindAndTickCountLeavesTheViewClean)
{
    for (TFocusType type : {ftNormal, ftInvers, ftMove})
        for (int ticks = 0; ticks < 4; ++ticks) {
            auto pic = MakePic(50, 40);
            pic->SetPenWidth(3);
            pic->SetFocusType(type);
            pic->NewFocusRect(5, 6, 30, 33);
            EXPECT_FALSE(ViewShowsPicture(*pic));
            for (int i = 0; i < ticks; ++i)
                pic->FocusTimerTick();
            pic->FjernFocus();
            EXPECT_TRUE(ViewShowsPicture(*pic)) << type << " after " << ticks;
            EXPECT_EQ(pic->Canvas().Pen.Width, 3);
        }
}

TEST(Focus, PenAndBrushChangesWhileAFocusBlinksLeaveNoMarks)
{
    // The colour box and the tool properties push settings into a picture with a selection.
    for (TFocusType type : {ftMove, ftInvers, ftNormal})
        for (int change = 0; change < 6; ++change) {
            auto pic = MakePic(60, 50);
            pic->SetFocusType(type);
            pic->NewFocusRect(6, 7, 44, 38);
            pic->FocusTimerTick();
            switch (change) {
            case 0: pic->SetPenWidth(5); break;
            case 1: pic->SetPenStyle(psDash); break;
            case 2: pic->SetPenStyle(psClear); break;
            case 3: pic->SetPenColor(clRed); break;
            case 4: pic->SetBrushStyle(bsCross); break;
            case 5:
                pic->SetPenWidth(3);
                pic->SetPenStyle(psDot);
                pic->SetBrushColor(clGreen);
                pic->SetFocusLine(psDashDot); // stored; the shown dots stay as they were drawn
                break;
            }
            for (int i = 0; i < 3; ++i)
                pic->FocusTimerTick();
            EXPECT_TRUE(SamePixels(pic->Picture(), PatternPicture(60, 50)));
            pic->FjernFocus();
            EXPECT_TRUE(ViewShowsPicture(*pic)) << type << " change " << change;
            // The view has the new settings for the tools.
            EXPECT_EQ(pic->Canvas().Pen.Width, pic->PenWidth());
            EXPECT_EQ(pic->Canvas().Pen.Style, pic->PenStyle());
            EXPECT_EQ(pic->Canvas().Pen.Mode, pmCopy);
            EXPECT_EQ(pic->Canvas().Brush.Style, pic->BrushStyle());
        }
    // A change in the middle of a drag, too.
    auto pic = MakePic(60, 50);
    pic->StartFocusDrag(5, 5);
    pic->MoveFocusDrag(30, 20);
    pic->SetPenWidth(4);
    pic->MoveFocusDrag(40, 30);
    pic->EndFocusDrag();
    pic->SetPenStyle(psDashDotDot);
    pic->FocusTimerTick();
    pic->FjernFocus();
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

TEST(Focus, HidingInTheMiddleOfADragLeavesNoOutline)
{
    auto pic = MakePic(50, 40);
    pic->StartFocusDrag(5, 5);
    pic->MoveFocusDrag(30, 20);
    pic->FjernFocus();
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

TEST(Focus, ClickRemovesTheFocusAndZeroWidthDragCompletes)
{
    auto pic = MakePic(50, 40);
    Recorder rec;
    rec.Bind(*pic);
    pic->NewFocusRect(5, 5, 20, 20);
    pic->StartFocusDrag(10, 10);
    pic->EndFocusDrag();
    EXPECT_FALSE(pic->Selected());
    EXPECT_EQ(rec.objekt.back(), std::make_pair(false, -1));
    EXPECT_TRUE(ViewShowsPicture(*pic));

    pic->StartFocusDrag(10, 10);
    pic->MoveFocusDrag(10, 30);
    pic->EndFocusDrag();
    EXPECT_TRUE(pic->Selected());
    EXPECT_EQ(pic->Bredde, 0);
    EXPECT_EQ(pic->Hojde, 20);
    EXPECT_EQ(rec.focusEnd.back(), Rect(10, 10, 10, 30));
}

TEST(Focus, PublicFocusOperations)
{
    auto pic = MakePic(64, 48);
    Recorder rec;
    rec.Bind(*pic);
    EXPECT_EQ(pic->GetFocusRect(), Rect(0, 0, 64, 48)); // no focus: the whole picture
    EXPECT_FALSE(pic->Selected());

    pic->NewFocus(4, 4, 20, 10);
    EXPECT_TRUE(rec.focusEnd.empty());
    EXPECT_EQ(rec.autoPerform, 1);
    EXPECT_EQ(pic->GetFocusRect(), Rect(4, 4, 20, 10));
    pic->NewFocusRect(1, 2, 3, 4);
    EXPECT_EQ(rec.focusEnd.size(), 1u);
    EXPECT_EQ(rec.autoPerform, 2);

    pic->SelectAll();
    EXPECT_TRUE(pic->TimerActive()); // blinks
    EXPECT_EQ(rec.focusEnd.size(), 1u);
    EXPECT_EQ(pic->FR, Rect(0, 0, 64, 48));
    pic->SelectAlt();
    EXPECT_FALSE(pic->TimerActive()); // does not blink
    EXPECT_EQ(rec.focusEnd.size(), 2u);
    EXPECT_EQ(rec.objekt.back(), std::make_pair(false, -2));
    pic->FjernFocus();
    EXPECT_TRUE(ViewShowsPicture(*pic));

    pic->DefFocusRect(9, 8, 2, 1);
    EXPECT_FALSE(pic->Selected());
    int a, b, c, d;
    pic->GetFocusXY(a, b, c, d);
    EXPECT_EQ(std::tie(a, b, c, d), std::make_tuple(2, 1, 9, 8));
    pic->Rx1 = 1, pic->Ry1 = 2, pic->Rx2 = 3, pic->Ry2 = 4;
    pic->GetRammeXY(a, b, c, d);
    EXPECT_EQ(std::tie(a, b, c, d), std::make_tuple(1, 2, 3, 4));
}

TEST(Focus, TickWhilePaintingDoesNothingAndRepaintKeepsTheFocus)
{
    auto pic = MakePic(40, 30);
    pic->NewFocusRect(5, 5, 25, 20);
    const TBitmap shown = pic->View();
    pic->SetPainting(true);
    pic->FocusTimerTick();
    EXPECT_TRUE(SamePixels(shown, pic->View()));
    pic->SetPainting(false);
    pic->SetModified(true);
    pic->Paint();
    EXPECT_TRUE(pic->Selected());
    EXPECT_TRUE(pic->Modified());
    EXPECT_TRUE(SamePixels(shown, pic->View()));
    pic->FjernFocus();
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

TEST(Focus, BlinkTickRepaintsOnlyTheOutline)
{
    auto pic = MakePic(400, 300);
    pic->NewFocusRect(50, 40, 350, 260);
    std::vector<TRect> changed;
    auto previous = pic->Canvas().OnChange;
    pic->Canvas().OnChange = [&](const TRect& r) {
        changed.push_back(r);
        previous(r);
    };
    pic->FocusTimerTick();
    ASSERT_FALSE(changed.empty());
    int area = 0;
    for (const TRect& r : changed)
        area += r.Width() * r.Height();
    EXPECT_LE(area, 2 * (300 + 220) * 2); // the four edges, not the inside
    pic->Canvas().OnChange = previous;
}

TEST(FreeFocus, CornersOnlyOnDiagonalMovesAndTheInsideIsCopied)
{
    auto pic = MakePic(60, 60);
    pic->SetTransFarve(clWhite);
    std::vector<int> copies;
    pic->OnCopy = [&](TObject*, TBitmap& b) { copies.push_back(b.Width()); };
    pic->StartFreeFocus(10, 10);
    pic->MoveFreeFocus(20, 10); // same row: the last corner moves
    EXPECT_EQ(pic->PolyCount(), 0);
    pic->MoveFreeFocus(40, 30); // diagonal: a new corner
    EXPECT_EQ(pic->PolyCount(), 1);
    pic->MoveFreeFocus(10, 40);
    EXPECT_EQ(pic->PolyCount(), 2);
    pic->CloseFreeFocus();
    EXPECT_EQ(pic->PolyCount(), 0);
    EXPECT_TRUE(ViewShowsPicture(*pic)); // the trail is gone
    ASSERT_EQ(copies.size(), 1u);
    // Bounding box of the corners after the first: (10, 10)..(40, 40).
    EXPECT_EQ(pic->FR, Rect(10, 10, 40, 40));
    TBitmap clip;
    ASSERT_TRUE(TClipboard::GetBitmap(clip));
    EXPECT_EQ(clip.Width(), 30);
    EXPECT_EQ(clip.Height(), 30);
    // Inside the triangle: the picture; outside (top-right corner): the transparent colour.
    EXPECT_EQ(clip.Canvas().Pixels(5, 15), pic->Picture().Canvas().Pixels(15, 25));
    EXPECT_EQ(clip.Canvas().Pixels(28, 2), clWhite);
}

TEST(FreeFocus, CapacityClosesOnceAndIgnoresTheRestOfTheDrag)
{
    auto pic = MakePic(1200, 1200);
    int full = 0;
    pic->OnFriFocus = [&](TObject*, bool& noNew) {
        ++full;
        EXPECT_TRUE(noNew);
    };
    int copies = 0;
    pic->OnCopy = [&](TObject*, TBitmap&) { ++copies; };
    pic->MusNede = true;
    pic->StartFreeFocus(0, 0);
    for (int i = 1; i <= 1000; ++i)
        pic->MoveFreeFocus(i, i);
    EXPECT_EQ(full, 1);
    EXPECT_EQ(copies, 1);
    EXPECT_TRUE(pic->NoFriFocus);
    EXPECT_FALSE(pic->MusNede);
    EXPECT_EQ(pic->PolyCount(), 0);
    EXPECT_TRUE(ViewShowsPicture(*pic));
    pic->StartFreeFocus(5, 5); // disabled until the owner clears NoNew
    EXPECT_TRUE(ViewShowsPicture(*pic));
    // An owner that answers NoNew := False lets the next free focus start.
    pic->NoFriFocus = false;
    pic->OnFriFocus = [&](TObject*, bool& noNew) { noNew = false; };
    pic->StartFreeFocus(0, 0);
    for (int i = 1; i <= 995; ++i)
        pic->MoveFreeFocus(i, 2 * i);
    EXPECT_FALSE(pic->NoFriFocus);
}
