#include "PicFixture.h"
#include "engine/Captions.h"
#include "engine/HistoryBudget.h"
#include <QRandomGenerator>
#include <functional>

namespace {
// Restores the budget after a test that shrinks it.
struct TBudgetGuard {
    qint64 saved = THistoryBudget::Instance().Limit();
    ~TBudgetGuard() { THistoryBudget::Instance().SetLimit(saved); }
};

// One random change of the picture, made the ways operations make them: through the canvas,
// through rows written directly, by a new size, or by a swap with a rewritten copy.
void RandomChange(TImagePic& pic, QRandomGenerator& rng, int kind)
{
    TBitmap& p = pic.Picture();
    const int w = p.Width(), h = p.Height();
    const int x = rng.bounded(w), y = rng.bounded(h);
    const int rw = 1 + rng.bounded(std::max(1, w / 2)), rh = 1 + rng.bounded(std::max(1, h / 2));
    const TColor colour = RGB(rng.bounded(256), rng.bounded(256), rng.bounded(256));
    switch (kind % 5) {
    case 0:
        p.Canvas().Brush.Color = colour;
        p.Canvas().FillRect(Bounds(x, y, rw, rh));
        break;
    case 1:
        p.Canvas().Pen.Color = colour;
        p.Canvas().MoveTo(x, y);
        p.Canvas().LineTo(rng.bounded(w), rng.bounded(h));
        break;
    case 2:
        for (int row = y; row < std::min(h, y + rh); ++row)
            p.ScanLine(row)[x] = ToQRgb(colour);
        break;
    case 3:
        p.SetSize(std::max(1, w + rng.bounded(41) - 20), std::max(1, h + rng.bounded(41) - 20));
        break;
    case 4: {
        TBitmap copy = p;
        copy.Canvas().Brush.Color = colour;
        copy.Canvas().FillRect(Bounds(x, y, rw, rh));
        p.SwapPixels(copy);
        break;
    }
    }
    pic.AutoDimensioner();
    pic.ShowPicture();
}
} // namespace

TEST(History, EveryStepUndoesAndRedoesToTheExactPictureBeforeAndAfterIt)
{
    for (quint32 seed = 1; seed <= 6; ++seed) {
        QRandomGenerator rng(seed);
        auto pic = MakePic(150, 130);
        std::vector<TBitmap> states{pic->Picture()};
        for (int i = 0; i < 14; ++i) {
            pic->SaveUndo(QStringLiteral("step %1").arg(i));
            RandomChange(*pic, rng, int(rng.bounded(5u)));
            states.push_back(pic->Picture());
        }
        // Each step's thumbnail shows the picture after it (the open step's: the picture now).
        for (size_t i = 0; i + 1 < states.size(); ++i) {
            TLiveThumbnail fresh(THistory::kThumbnailSide);
            fresh.Update(states[i + 1], states[i + 1].BoundsRect());
            ASSERT_TRUE(pic->History().Thumbnail(int(i)) == fresh.Image()) << "thumbnail " << i;
        }
        for (int i = int(states.size()) - 2; i >= 0; --i) {
            pic->Undo();
            ASSERT_TRUE(SamePixels(pic->Picture(), states[size_t(i)])) << "seed " << seed << " undo to " << i;
            ASSERT_TRUE(ViewShowsPicture(*pic));
            ASSERT_EQ(pic->width(), states[size_t(i)].Width());
        }
        EXPECT_FALSE(pic->CanUndo());
        for (size_t i = 1; i < states.size(); ++i) {
            pic->Redo();
            ASSERT_TRUE(SamePixels(pic->Picture(), states[i])) << "seed " << seed << " redo to " << i;
            ASSERT_TRUE(ViewShowsPicture(*pic));
        }
        EXPECT_FALSE(pic->CanRedo());
        // A jump goes through the same states.
        pic->GoToStep(3);
        EXPECT_TRUE(SamePixels(pic->Picture(), states[3]));
        pic->GoToStep(11);
        EXPECT_TRUE(SamePixels(pic->Picture(), states[11]));
    }
}

TEST(History, ANewStepAfterThreeUndosEndsRedoAndKeepsTheNewWork)
{
    auto pic = MakePic(80, 60);
    std::vector<TBitmap> states{pic->Picture()};
    QRandomGenerator rng(7);
    for (int i = 0; i < 6; ++i) {
        pic->SaveUndo(QStringLiteral("s%1").arg(i));
        RandomChange(*pic, rng, i);
        states.push_back(pic->Picture());
    }
    for (int i = 0; i < 3; ++i)
        pic->Undo();
    EXPECT_TRUE(pic->CanRedo());
    pic->SaveUndo(QStringLiteral("new"));
    RandomChange(*pic, rng, 0);
    const TBitmap newWork = pic->Picture();
    EXPECT_FALSE(pic->CanRedo());
    EXPECT_EQ(pic->History().Count(), 4);
    pic->Redo();
    EXPECT_TRUE(SamePixels(pic->Picture(), newWork));
    pic->Undo();
    EXPECT_TRUE(SamePixels(pic->Picture(), states[3]));
    pic->Redo();
    EXPECT_TRUE(SamePixels(pic->Picture(), newWork));
}

TEST(History, CaptionsFollowTheStepsInTheLanguageTheyWereTakenIn)
{
    auto pic = MakePic(40, 40);
    pic->SaveUndo(Caption(pic->Sprog(), kUndoInvert));
    pic->SetSprog(stEngelsk);
    pic->SaveUndo(Caption(pic->Sprog(), kUndoFlip));
    pic->SaveUndo(Caption(pic->Sprog(), kUndoPaste));
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Undo paste"));
    EXPECT_EQ(pic->History().RedoCaption(), QString());
    pic->Undo();
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Undo flip"));
    EXPECT_EQ(RedoCaptionOf(pic->History().RedoCaption()), QStringLiteral("Redo paste"));
    pic->Undo();
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller invertering"));
    EXPECT_EQ(RedoCaptionOf(pic->History().RedoCaption()), QStringLiteral("Redo flip"));
    pic->Undo();
    EXPECT_FALSE(pic->CanUndo());
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Undo last action"));
    EXPECT_EQ(RedoCaptionOf(pic->History().RedoCaption()), QStringLiteral("Gentag invertering"));
    pic->Redo();
    EXPECT_EQ(pic->InfoString(), QStringLiteral("Annuller invertering"));
    EXPECT_EQ(RedoCaptionOf(QStringLiteral("Annuller")), QStringLiteral("Gentag"));
    EXPECT_EQ(RedoCaptionOf(QStringLiteral("Annuller rektangel")), QStringLiteral("Gentag rektangel"));
}

TEST(History, AStrokeStoresOnlyTheTilesItChanged)
{
    auto pic = MakePic(1000, 800);
    pic->SetToolNr(1);
    pic->MouseDown(mbLeft, {}, 300, 300);
    pic->MouseMove({}, 340, 310);
    pic->MouseUp(mbLeft, {}, 340, 310);
    pic->MouseDown(mbLeft, {}, 700, 500);
    pic->MouseMove({}, 705, 520);
    pic->MouseUp(mbLeft, {}, 705, 520);
    const THistory& h = pic->History();
    ASSERT_EQ(h.Count(), 2);
    // The first stroke is closed: one or two tiles of 16 KiB and a thumbnail, not the picture.
    EXPECT_GT(h.Bytes(), 0);
    EXPECT_LT(h.Bytes(), 4 * THistory::kTile * THistory::kTile * 4 + 64 * 64 * 4);
    pic->Undo();
    pic->Undo();
    EXPECT_TRUE(SamePixels(pic->Picture(), PatternPicture(1000, 800)));
}

// An inversion changes every pixel of a tile by the same value: each tile keeps that value once,
// also the tiles the focus cuts, and the step still undoes and redoes exactly.
TEST(History, AnInversionKeepsOneValueATileAndUndoesExactly)
{
    auto pic = MakePic(300, 200);
    const TBitmap before = pic->Picture();
    pic->SetBrushColor(clBlue);
    pic->NewFocusRect(10, 20, 250, 170);
    pic->Inverter();
    const TBitmap after = pic->Picture();
    EXPECT_EQ(after.Canvas().Pixels(10, 20), before.Canvas().Pixels(10, 20) ^ ColorToRGB(clBlue));
    EXPECT_EQ(after.Canvas().Pixels(9, 20), before.Canvas().Pixels(9, 20));
    pic->SaveUndo(QStringLiteral("next"));
    // Twelve tiles of one value each and the thumbnail; runs row by row would take 6 KiB more.
    EXPECT_LT(pic->History().Bytes(), THistory::kThumbnailSide * THistory::kThumbnailSide * 4 + 2048);
    pic->GoToStep(0);
    EXPECT_TRUE(SamePixels(pic->Picture(), before));
    EXPECT_TRUE(ViewShowsPicture(*pic));
    pic->Redo();
    EXPECT_TRUE(SamePixels(pic->Picture(), after));
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

// The colour operations and mirrors hand their new rows to the history one at a time; over a
// focus that cuts tiles, in rows of one run, of many runs and of values, every step changes
// only the focus and undoes and redoes exactly.
TEST(History, RowByRowOperationsChangeOnlyTheFocusAndUndoExactly)
{
    auto pic = MakePic(300, 200);
    const TRect focus{37, 13, 201, 150};
    const std::pair<const char*, std::function<void(TImagePic&)>> operations[] = {
        {"invert", [](TImagePic& p) { p.Inverter(); }},
        {"grey", [](TImagePic& p) { p.MakeGray(); }},
        {"reduce", [](TImagePic& p) { p.ReducerFarver(3, 4, 5); }},
        {"replace", [](TImagePic& p) { p.UdskiftPixels(p.Picture().Canvas().Pixels(40, 20), clRed, 0); }},
        {"mirror", [](TImagePic& p) { p.Spejlvend(true, false, false); }},
    };
    std::vector<TBitmap> states{pic->Picture()};
    for (const auto& [name, operation] : operations) {
        pic->NewFocusRect(focus.Left, focus.Top, focus.Right, focus.Bottom);
        operation(*pic);
        pic->FjernFocus();
        const TBitmap& before = states.back();
        const TBitmap& after = pic->Picture();
        int outside = 0, inside = 0;
        for (int y = 0; y < after.Height(); ++y)
            for (int x = 0; x < after.Width(); ++x)
                if (before.ScanLine(y)[x] != after.ScanLine(y)[x])
                    ++(focus.Contains(x, y) ? inside : outside);
        EXPECT_EQ(outside, 0) << name;
        EXPECT_GT(inside, 0) << name;
        EXPECT_TRUE(ViewShowsPicture(*pic)) << name;
        states.push_back(after);
    }
    for (int i = int(states.size()) - 2; i >= 0; --i) {
        pic->Undo();
        ASSERT_TRUE(SamePixels(pic->Picture(), states[size_t(i)])) << "undo to " << i;
    }
    for (size_t i = 1; i < states.size(); ++i) {
        pic->Redo();
        ASSERT_TRUE(SamePixels(pic->Picture(), states[i])) << "redo to " << i;
    }
}

// Colour operations leave the baseline behind and it catches up where it is next needed: any
// mix of them with small changes, turns, moves of the picture, undos, redos and a budget that
// drops steps undoes and redoes to the exact pictures.
TEST(History, ColourOperationsMixedWithEverythingElseUndoAndRedoExactly)
{
    TBudgetGuard guard;
    QRandomGenerator rng(29);
    for (int series = 0; series < 12; ++series) {
        auto pic = MakePic(150 + series, 110);
        // A budget for a handful of whole-picture steps in the later series.
        THistoryBudget::Instance().SetLimit(series < 6 ? qint64(1) << 30 : qint64(300) << 10);
        std::vector<TBitmap> states{pic->Picture()};
        size_t at = 0;
        auto took = [&] {
            states.resize(at + 1);
            states.push_back(pic->Picture());
            ++at;
        };
        for (int i = 0; i < 14; ++i) {
            const int kind = int(rng.bounded(8));
            if (rng.bounded(2))
                pic->NewFocusRect(rng.bounded(60), rng.bounded(40), 70 + rng.bounded(80), 50 + rng.bounded(60));
            switch (kind) {
            case 0: pic->Inverter(); break;
            case 1: pic->MakeGray(); break;
            case 2: pic->ReducerFarver(3, 4, 5); break;
            case 3:
                pic->SaveUndo(QStringLiteral("change"));
                RandomChange(*pic, rng, int(rng.bounded(3)));
                break;
            case 4: pic->Drej(1); break;
            case 5:
                pic->WithUndo = true;
                pic->FlytBillede(frRight);
                break;
            case 6:
                if (pic->CanUndo()) {
                    pic->Undo();
                    --at;
                }
                break;
            case 7:
                if (pic->CanRedo()) {
                    pic->Redo();
                    ++at;
                }
                break;
            }
            pic->FjernFocus();
            if (kind < 6)
                took();
            ASSERT_TRUE(SamePixels(pic->Picture(), states[at])) << "series " << series << " action " << i;
        }
        // The budget may have dropped the oldest steps (also while undoing): undo reaches back as
        // far as it keeps them.
        for (int n = 0; pic->CanUndo(); ++n) {
            pic->Undo();
            ASSERT_TRUE(SamePixels(pic->Picture(), states[--at])) << "series " << series << " undo " << n;
        }
        for (int n = 0; pic->CanRedo(); ++n) {
            pic->Redo();
            ASSERT_TRUE(SamePixels(pic->Picture(), states[++at])) << "series " << series << " redo " << n;
        }
        EXPECT_EQ(at + 1, states.size());
    }
}

TEST(History, TheBudgetDropsTheOldestStepsOfTheLargestHistoryButNeverTheNewest)
{
    TBudgetGuard guard;
    auto a = WhitePicture(256, 256);
    auto b = WhitePicture(64, 64);
    // Every step changes every pixel of a differently (256 KiB that no runs shorten) and a corner
    // of b.
    THistoryBudget::Instance().SetLimit(qint64(1) << 20);
    for (int i = 0; i < 8; ++i) {
        a->SaveUndo(QStringLiteral("a%1").arg(i));
        for (int y = 0; y < 256; ++y) {
            uint32_t* row = a->Picture().ScanLine(y);
            for (int x = 0; x < 256; ++x)
                row[x] = ToQRgb(RGB(i * 20, (x * 13 + y * 7 + i) & 0xFF, (x * y + i * 31) & 0xFF));
        }
        b->SaveUndo(QStringLiteral("b%1").arg(i));
        b->Picture().Canvas().Brush.Color = RGB(0, i * 20, 0);
        b->Picture().Canvas().FillRect(Rect(0, 0, 4, 4));
    }
    a->SaveUndo(QStringLiteral("a8"));
    EXPECT_LE(THistoryBudget::Instance().Used(), qint64(1) << 20);
    // a lost its oldest steps; b (small) kept all of them.
    EXPECT_LT(a->History().Count(), 9);
    EXPECT_EQ(a->History().StepCaption(a->History().Count() - 1), QStringLiteral("a8"));
    EXPECT_EQ(a->History().StepCaption(0), QStringLiteral("a%1").arg(9 - a->History().Count()));
    EXPECT_EQ(b->History().Count(), 8);
    // The steps kept still undo exactly: the oldest kept one gives its red back.
    a->GoToStep(1);
    EXPECT_EQ(GetRValue(a->Picture().Canvas().Pixels(5, 5)), (9 - a->History().Count()) * 20);

    // A budget smaller than one step still keeps each picture's newest step.
    THistoryBudget::Instance().SetLimit(1);
    EXPECT_GE(a->History().Count(), 1);
    EXPECT_GE(b->History().Count(), 1);
    EXPECT_TRUE(b->CanUndo());
}

TEST(History, ASizeChangingStepUndoesToTheOldSizeAndRedoesToTheNew)
{
    auto pic = MakePic(120, 90);
    const TBitmap before = pic->Picture();
    pic->NewFocusRect(10, 10, 50, 40);
    pic->CutToFocus();
    const TBitmap cut = pic->Picture();
    ASSERT_EQ(cut.Width(), 40);
    EXPECT_TRUE(pic->ScalePicture(200));
    const TBitmap scaled = pic->Picture();
    ASSERT_EQ(scaled.Width(), 80);
    pic->Undo();
    EXPECT_TRUE(SamePixels(pic->Picture(), cut));
    EXPECT_EQ(pic->width(), 40);
    pic->Undo();
    EXPECT_TRUE(SamePixels(pic->Picture(), before));
    EXPECT_EQ(pic->width(), 120);
    EXPECT_TRUE(ViewShowsPicture(*pic));
    pic->Redo();
    pic->Redo();
    EXPECT_TRUE(SamePixels(pic->Picture(), scaled));
    EXPECT_TRUE(ViewShowsPicture(*pic));
}

TEST(History, AnIncrementalMoveIsOneStep)
{
    auto pic = MakePic(100, 100);
    const TBitmap before = pic->Picture();
    pic->NewFocusRect(10, 10, 30, 30);
    for (int i = 0; i < 5; ++i)
        pic->FlytBillede(frRight);
    EXPECT_EQ(pic->History().Count(), 1);
    pic->ResetMove();
    const TBitmap moved = pic->Picture();
    pic->SaveUndo(QStringLiteral("next"));
    pic->Undo();
    EXPECT_TRUE(SamePixels(pic->Picture(), moved));
    pic->Undo();
    EXPECT_TRUE(SamePixels(pic->Picture(), before));
}

TEST(History, UndoMarksThePictureModifiedAndCancelTakesAStepBack)
{
    auto pic = MakePic(60, 60);
    const TBitmap before = pic->Picture();
    pic->SaveUndo(QStringLiteral("x"));
    pic->Picture().Canvas().Brush.Color = clRed;
    pic->Picture().Canvas().FillRect(Rect(0, 0, 30, 30));
    pic->SetModified(false);
    pic->Undo();
    EXPECT_TRUE(pic->Modified());
    pic->SetModified(false);
    pic->Redo();
    EXPECT_TRUE(pic->Modified());

    pic->SaveUndo(QStringLiteral("failed"));
    pic->Picture() = TBitmap();
    pic->CancelStep();
    EXPECT_EQ(pic->History().Count(), 1);
    EXPECT_EQ(pic->Picture().Width(), 60);
    pic->Undo();
    EXPECT_TRUE(SamePixels(pic->Picture(), before));
}
