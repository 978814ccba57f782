#include "engine/History.h"
#include "engine/HistoryBudget.h"
#include "engine/XorRuns.h"
#include "platform/Raster.h"
#include <algorithm>
#include <cstring>
#include <utility>

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
    static quint64 lastId = 0;
    FSteps.push_back(TStep{Caption, {}, TBitmap(), QImage(), 0, ++lastId});
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
        if (open && FBaselineValid) {
            CatchUp(FBaseline.BoundsRect());
            StoreWhole(*open);
        }
        FBaseline = FPicture;
        FBaselineValid = !FPicture.Empty();
        BaselineRenewed();
        FThumbnail.Update(FPicture, FPicture.BoundsRect());
        return;
    }
    if (area.IsEmpty())
        return;
    CatchUp(area);
    TakeTiles(area);
    for (int y = area.Top; y < area.Bottom; ++y)
        BaselineTakes(y, area.Left, area.Right);
    FThumbnail.Update(FPicture, area);
}

TBitmap& THistory::Baseline()
{
    CatchUp(FBaseline.BoundsRect());
    return FBaseline;
}

void THistory::CatchUp(const TRect& area)
{
    if (FLagging.empty())
        return;
    // Lagging steps are applied and of the baseline's size, so their tiles lie inside it.
    std::vector<quint64> still;
    for (quint64 id : FLagging) {
        const auto step = FindStep(id);
        if (step == FSteps.end())
            continue;
        bool lacks = false;
        for (TTile& t : step->Tiles) {
            if (!t.BaselineLacks)
                continue;
            if (IntersectRect(Bounds(t.X, t.Y, t.W, t.H), area).IsEmpty()) {
                lacks = true;
                continue;
            }
            ApplyTile(t, FBaseline);
            t.BaselineLacks = false;
        }
        if (lacks)
            still.push_back(id);
    }
    FLagging = std::move(still);
}

void THistory::BaselineRenewed()
{
    for (quint64 id : FLagging)
        if (const auto step = FindStep(id); step != FSteps.end())
            for (TTile& t : step->Tiles)
                t.BaselineLacks = false;
    FLagging.clear();
}

std::deque<THistory::TStep>::iterator THistory::FindStep(quint64 Id)
{
    // Steps are numbered in the order they were begun.
    const auto step = std::lower_bound(FSteps.begin(), FSteps.end(), Id,
                                       [](const TStep& s, quint64 v) { return s.Id < v; });
    return step != FSteps.end() && step->Id == Id ? step : FSteps.end();
}

void THistory::BaselineTakes(int y, int x0, int x1)
{
    // The baseline is read again only by a later step: long rows bypass the cache, so writing
    // them does not first read them in.
    constexpr int kLongRow = 256;
    const uint32_t* from = std::as_const(FPicture).ScanLine(y) + x0;
    uint32_t* to = FBaseline.ScanLine(y) + x0;
    if (x1 - x0 >= kLongRow)
        StreamCopy(to, from, x1 - x0);
    else
        std::memcpy(to, from, size_t(x1 - x0) * 4);
}

THistory::TStep* THistory::TileStep()
{
    return FOpen && FSteps.back().Whole.Empty() ? &FSteps.back() : nullptr;
}

void THistory::TakeTiles(const TRect& area)
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
                if (std::memcmp(std::as_const(FBaseline).ScanLine(y) + part.Left,
                                std::as_const(FPicture).ScanLine(y) + part.Left, bytes) != 0) {
                    StoreTile(*step, part);
                    break;
                }
        }
}

void THistory::StoreWhole(TStep& step)
{
    step.Tiles.clear();
    step.Whole = TBitmap();
    step.Whole.SwapPixels(FBaseline);
    FBaselineValid = false;
}

void THistory::StoreTile(TStep& step, const TRect& r)
{
    FScratch.Reset();
    const size_t pixels = size_t(r.Right - r.Left) * size_t(r.Bottom - r.Top);
    for (int y = r.Top; y < r.Bottom; ++y)
        FScratch.TakeRow(std::as_const(FBaseline).ScanLine(y) + r.Left, std::as_const(FPicture).ScanLine(y) + r.Left,
                         r.Right - r.Left, pixels);
    AddTile(step, r, FScratch);
}

void THistory::TColumn::Reset()
{
    Data.clear();
    Values = Changed = false;
}

void THistory::TColumn::TakeRow(const uint32_t* before, const uint32_t* after, int n, size_t pixels)
{
    const size_t start = Data.size();
    if (Values) {
        Data.resize(start + size_t(n));
        for (int x = 0; x < n; ++x)
            Data[start + size_t(x)] = before[x] ^ after[x];
        Changed = Changed || std::any_of(Data.begin() + long(start), Data.end(), [](uint32_t v) { return v != 0; });
        return;
    }
    XorRuns::Append(before, after, n, Data);
    Changed = Changed || XorRuns::AnyChange(Data.data() + start, Data.data() + Data.size());
    if (Data.size() > pixels) {
        // Too many runs: the plain values are smaller.
        Data = XorRuns::Expand(Data);
        Values = true;
    }
}

void THistory::TColumn::TakeOneValue(uint32_t value, int n, size_t pixels)
{
    Changed = Changed || value != 0;
    if (Values) {
        Data.insert(Data.end(), size_t(n), value);
        return;
    }
    Data.push_back(uint32_t(n));
    Data.push_back(value);
    if (Data.size() > pixels) {
        Data = XorRuns::Expand(Data);
        Values = true;
    }
}

bool THistory::AddTile(TStep& step, const TRect& r, const TColumn& column)
{
    if (!column.Changed)
        return false;
    TTile t{r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top, TCoding::Runs, {}};
    if (column.Values) {
        t.Coding = TCoding::Values;
        t.Data.assign(column.Data.begin(), column.Data.end());
    } else if (XorRuns::OneValueThroughout(column.Data, t.H)) {
        // Every pixel changed by the same value (an inversion, a fill over one colour).
        t.Coding = TCoding::Uniform;
        t.Data.assign(1, column.Data[1]);
    } else {
        t.Data.assign(column.Data.begin(), column.Data.end());
    }
    step.Tiles.push_back(std::move(t));
    return true;
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
        BaselineRenewed();
        changed = FPicture.BoundsRect();
    } else {
        // Where the baseline lacks nothing it is the picture, so it takes the picture's rows.
        const bool lagging = !FLagging.empty();
        for (TTile& t : step.Tiles) {
            const bool lacked = std::exchange(t.BaselineLacks, false);
            if (t.X + t.W > FPicture.Width() || t.Y + t.H > FPicture.Height())
                continue;
            ApplyTile(t, FPicture);
            if (lacked)
                continue; // the picture is back where the baseline stayed
            if (lagging)
                ApplyTile(t, FBaseline);
            else
                for (int y = t.Y; y < t.Y + t.H; ++y)
                    std::memcpy(FBaseline.ScanLine(y) + t.X, std::as_const(FPicture).ScanLine(y) + t.X,
                                size_t(t.W) * 4);
            changed = UnionRect(changed, Bounds(t.X, t.Y, t.W, t.H));
        }
        std::erase(FLagging, step.Id);
    }
    FThumbnail.Update(FPicture, changed);
    FPicture.ResetTouched();
    Recount(step);
    return changed;
}

void THistory::ApplyTile(const TTile& t, TBitmap& to)
{
    const uint32_t* data = t.Data.data();
    for (int y = t.Y; y < t.Y + t.H; ++y) {
        uint32_t* row = to.ScanLine(y) + t.X;
        switch (t.Coding) {
        case TCoding::Runs: data = XorRuns::ApplyRuns(data, row, t.W); break;
        case TCoding::Values: data = XorRuns::ApplyValues(data, row, t.W); break;
        case TCoding::Uniform: XorRuns::ApplyValue(data[0], row, t.W); break;
        }
    }
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
    // Each undo or redo may let the budget drop the oldest steps, which moves the others: the
    // goal is the step to stand after, by its number (0: before every step kept).
    const quint64 goal = Count > 0 ? FSteps[size_t(Count - 1)].Id : 0;
    auto goalCount = [&] {
        const auto step = FindStep(goal);
        return step != FSteps.end() ? int(step - FSteps.begin()) + 1 : 0;
    };
    TRect changed;
    for (int want = goalCount(); FApplied != want; want = goalCount()) {
        const int before = FApplied;
        changed = UnionRect(changed, FApplied > want ? Undo() : Redo());
        if (FApplied == before)
            break;
    }
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
    // The baseline takes what it still lacks of the step before the step goes.
    for (TTile& t : FSteps.front().Tiles)
        if (t.BaselineLacks) {
            ApplyTile(t, FBaseline);
            t.BaselineLacks = false;
        }
    std::erase(FLagging, FSteps.front().Id);
    FBytes -= FSteps.front().Bytes;
    FSteps.erase(FSteps.begin());
    --FApplied;
    return true;
}
