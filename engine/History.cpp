#include "engine/History.h"
#include "engine/HistoryBudget.h"
#include <algorithm>
#include <cstring>
#include <utility>

namespace {
// Copies the rows of r from one raster to another (both holding the picture's rows from
// their Top on).
template <typename Rows>
void CopyRows(const Rows& from, TBitmap& to, int toTop, const TRect& r)
{
    const size_t bytes = size_t(r.Right - r.Left) * 4;
    for (int y = r.Top; y < r.Bottom; ++y)
        std::memcpy(to.ScanLine(y - toTop) + r.Left, from.Row(y) + r.Left, bytes);
}

// Appends the exclusive-or of a and b over n pixels as (count, value) runs.
void AppendRuns(const uint32_t* a, const uint32_t* b, int n, std::vector<uint32_t>& out)
{
    // A row that changed by one value throughout (untouched, filled, inverted) is one run; the
    // test runs without branches, so the common case costs no more than reading the rows.
    using Pixels4 = uint32_t __attribute__((vector_size(16)));
    const uint32_t first = a[0] ^ b[0];
    const Pixels4 first4 = {first, first, first, first};
    Pixels4 other4 = {0, 0, 0, 0};
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        Pixels4 pa, pb;
        std::memcpy(&pa, a + i, sizeof pa);
        std::memcpy(&pb, b + i, sizeof pb);
        other4 |= pa ^ pb ^ first4;
    }
    uint32_t other = other4[0] | other4[1] | other4[2] | other4[3];
    for (; i < n; ++i)
        other |= (a[i] ^ b[i]) ^ first;
    if (other == 0) {
        out.push_back(uint32_t(n));
        out.push_back(first);
        return;
    }
    i = 0;
    while (i < n) {
        const uint32_t v = a[i] ^ b[i];
        int j = i + 1;
        while (j < n && (a[j] ^ b[j]) == v)
            ++j;
        out.push_back(uint32_t(j - i));
        out.push_back(v);
        i = j;
    }
}

// Applies one row of runs to row (n pixels); returns where the next row's runs begin.
const uint32_t* ApplyRuns(const uint32_t* runs, uint32_t* row, int n)
{
    for (int x = 0; x < n; runs += 2) {
        const int count = int(runs[0]);
        if (const uint32_t v = runs[1])
            for (int k = 0; k < count; ++k)
                row[x + k] ^= v;
        x += count;
    }
    return runs;
}

const uint32_t* ApplyValues(const uint32_t* values, uint32_t* row, int n)
{
    for (int x = 0; x < n; ++x)
        row[x] ^= values[x];
    return values + n;
}

} // namespace

THistory::THistory(TBitmap& picture, TBitmap& baseline) : FPicture(picture), FBaseline(baseline)
{
    THistoryBudget::Instance().Add(this);
}

THistory::~THistory()
{
    THistoryBudget::Instance().Remove(this);
}

void THistory::Begin(const QString& Caption)
{
    CloseOpenStep();
    for (size_t i = size_t(FApplied); i < FSteps.size(); ++i)
        FBytes -= FSteps[i].Bytes;
    FSteps.erase(FSteps.begin() + FApplied, FSteps.end());
    FSteps.push_back(TStep{Caption, {}, TBitmap(), QImage(), 0});
    FApplied = int(FSteps.size());
    FOpen = true;
    THistoryBudget::Instance().Enforce();
}

void THistory::Commit()
{
    const TRect touched = FPicture.Touched();
    FPicture.ResetTouched();
    TStep* open = FOpen ? &FSteps.back() : nullptr;
    const bool sameSize = FBaselineValid && FBaseline.Width() == FPicture.Width()
        && FBaseline.Height() == FPicture.Height();
    const TRect area = IntersectRect(touched, FPicture.BoundsRect());
    if (!sameSize) {
        // A new size: the step keeps the whole former picture.
        if (open && FBaselineValid)
            StoreWhole(*open);
        FBaseline = FPicture;
        FBaselineValid = !FPicture.Empty();
        FThumbnail.Update(FPicture, FPicture.BoundsRect());
        return;
    }
    if (area.IsEmpty())
        return;
    TakeTiles(area, {FBaseline}, {FPicture});
    CopyRows(TRows{FPicture}, FBaseline, 0, area);
    FThumbnail.Update(FPicture, area);
}

THistory::TStep* THistory::TileStep()
{
    return FOpen && FSteps.back().Whole.Empty() ? &FSteps.back() : nullptr;
}

void THistory::TakeTiles(const TRect& area, const TRows& before, const TRows& after)
{
    TStep* step = TileStep();
    if (!step)
        return;
    const TRect bounds = FPicture.BoundsRect();
    for (int ty = area.Top / kTile * kTile; ty < area.Bottom; ty += kTile)
        for (int tx = area.Left / kTile * kTile; tx < area.Right; tx += kTile) {
            const TRect part = IntersectRect(IntersectRect(Rect(tx, ty, tx + kTile, ty + kTile), bounds), area);
            const size_t bytes = size_t(part.Right - part.Left) * 4;
            for (int y = part.Top; y < part.Bottom; ++y)
                if (std::memcmp(before.Row(y) + part.Left, after.Row(y) + part.Left, bytes) != 0) {
                    StoreTile(*step, part, before, after);
                    break;
                }
        }
}

void THistory::TakeNewRows(const TRect& band, const TBitmap& NewRows)
{
    const TRect area = IntersectRect(band, FPicture.BoundsRect());
    if (area.IsEmpty())
        return;
    const TRows fresh{NewRows, band.Top};
    TakeTiles(area, {FPicture}, fresh);
    // Picture and baseline take the new rows alike: for the history the band is untouched.
    const TRect touched = FPicture.Touched();
    CopyRows(fresh, FPicture, 0, area);
    CopyRows(fresh, FBaseline, 0, area);
    FPicture.ResetTouched();
    FPicture.Touch(touched);
    FThumbnail.Update(FPicture, area);
}

void THistory::StoreWhole(TStep& step)
{
    step.Tiles.clear();
    step.Whole = TBitmap();
    step.Whole.SwapPixels(FBaseline);
    FBaselineValid = false;
}

void THistory::StoreTile(TStep& step, const TRect& r, const TRows& before, const TRows& after)
{
    TTile t{r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top, true, {}};
    const size_t pixels = size_t(t.W) * t.H;
    for (int y = r.Top; y < r.Bottom && t.Data.size() <= pixels; ++y)
        AppendRuns(before.Row(y) + t.X, after.Row(y) + t.X, t.W, t.Data);
    if (t.Data.size() > pixels) {
        // Too many runs: the plain values are smaller.
        t.Runs = false;
        t.Data.resize(pixels);
        uint32_t* dst = t.Data.data();
        for (int y = r.Top; y < r.Bottom; ++y, dst += t.W) {
            const uint32_t *a = before.Row(y) + t.X, *b = after.Row(y) + t.X;
            for (int x = 0; x < t.W; ++x)
                dst[x] = a[x] ^ b[x];
        }
    }
    t.Data.shrink_to_fit();
    step.Tiles.push_back(std::move(t));
}

void THistory::CloseOpenStep()
{
    Commit();
    if (!FOpen)
        return;
    FOpen = false;
    TStep& step = FSteps.back();
    step.Thumbnail = FThumbnail.Image().copy();
    Recount(step);
}

void THistory::Recount(TStep& step)
{
    FBytes -= step.Bytes;
    step.Bytes = step.Thumbnail.sizeInBytes();
    if (!step.Whole.Empty())
        step.Bytes += qint64(step.Whole.Width()) * step.Whole.Height() * 4;
    for (const TTile& t : step.Tiles)
        step.Bytes += qint64(t.Data.size()) * 4 + qint64(sizeof(TTile));
    FBytes += step.Bytes;
}

TRect THistory::Exchange(TStep& step)
{
    TRect changed;
    if (!step.Whole.Empty()) {
        FPicture.SwapPixels(step.Whole);
        FBaseline = FPicture;
        FBaselineValid = !FPicture.Empty();
        changed = FPicture.BoundsRect();
    } else {
        for (const TTile& t : step.Tiles) {
            if (t.X + t.W > FPicture.Width() || t.Y + t.H > FPicture.Height())
                continue;
            const uint32_t* data = t.Data.data();
            for (int y = t.Y; y < t.Y + t.H; ++y) {
                uint32_t* row = FPicture.ScanLine(y) + t.X;
                data = t.Runs ? ApplyRuns(data, row, t.W) : ApplyValues(data, row, t.W);
                std::memcpy(FBaseline.ScanLine(y) + t.X, row, size_t(t.W) * 4);
            }
            changed = UnionRect(changed, Bounds(t.X, t.Y, t.W, t.H));
        }
    }
    FThumbnail.Update(FPicture, changed);
    FPicture.ResetTouched();
    Recount(step);
    return changed;
}

bool THistory::Cancel()
{
    if (!FOpen)
        return false;
    Commit();
    FOpen = false;
    Exchange(FSteps.back());
    FBytes -= FSteps.back().Bytes;
    FSteps.pop_back();
    FApplied = int(FSteps.size());
    return true;
}

TRect THistory::Undo()
{
    CloseOpenStep();
    if (!CanUndo())
        return TRect();
    const TRect changed = Exchange(FSteps[size_t(--FApplied)]);
    THistoryBudget::Instance().Enforce();
    return changed;
}

TRect THistory::Redo()
{
    CloseOpenStep();
    if (!CanRedo())
        return TRect();
    const TRect changed = Exchange(FSteps[size_t(FApplied++)]);
    THistoryBudget::Instance().Enforce();
    return changed;
}

TRect THistory::GoTo(int Count)
{
    Count = std::clamp(Count, 0, int(FSteps.size()));
    TRect changed;
    while (FApplied > Count)
        changed = UnionRect(changed, Undo());
    while (FApplied < Count)
        changed = UnionRect(changed, Redo());
    return changed;
}

QString THistory::UndoCaption() const
{
    return CanUndo() ? FSteps[size_t(FApplied - 1)].Caption : QString();
}

QString THistory::RedoCaption() const
{
    return CanRedo() ? FSteps[size_t(FApplied)].Caption : QString();
}

QImage THistory::Thumbnail(int i) const
{
    if (FOpen && i == int(FSteps.size()) - 1) {
        // The open step's operation may still be changing the picture.
        TLiveThumbnail now(kThumbnailSide);
        now.Update(FPicture, FPicture.BoundsRect());
        return now.Image();
    }
    return FSteps[size_t(i)].Thumbnail;
}

bool THistory::DropOldest()
{
    if (FApplied == 0 || FSteps.size() < 2)
        return false;
    FBytes -= FSteps.front().Bytes;
    FSteps.erase(FSteps.begin());
    --FApplied;
    return true;
}
