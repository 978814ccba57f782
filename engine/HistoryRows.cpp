// The history's row series: an operation that rewrites the picture row by row hands each new
// row over while it is fresh in the cache. The change is coded tile by tile as the rows come
// and the picture takes the row at once; the baseline catches up later, tile by tile, where it
// is needed. The whole operation reads the picture once and writes it once.
#include "engine/History.h"
#include "engine/XorRuns.h"
#include <algorithm>
#include <cstring>
#include <utility>

uint32_t* THistory::BeginRows(const TRect& Area)
{
    // What the step changed before the series is taken first, so the series is all that is
    // touched until it ends.
    Commit();
    FRowsArea = IntersectRect(Area, FPicture.BoundsRect());
    FRowsLag = TileStep() && FBaselineValid && FBaseline.Width() == FPicture.Width()
        && FBaseline.Height() == FPicture.Height();
    const int columns = FRowsArea.IsEmpty() ? 0 : (FRowsArea.Right - 1) / kTile - FRowsArea.Left / kTile + 1;
    FColumns.resize(size_t(columns));
    for (TColumn& column : FColumns)
        column.Reset();
    FTileTop = FTileBottom = FRowsArea.Top;
    FNewRow.resize(size_t(std::max(FPicture.Width(), 1)));
    return FNewRow.data();
}

std::pair<int, int> THistory::ColumnSpan(size_t c) const
{
    const int first = FRowsArea.Left / kTile + int(c);
    return {std::max(FRowsArea.Left, first * kTile), std::min(FRowsArea.Right, (first + 1) * kTile)};
}

void THistory::TakeNewRow(int y)
{
    if (y < FRowsArea.Top || y >= FRowsArea.Bottom)
        return;
    if (y >= FTileBottom) {
        EndTileRow();
        FTileTop = y;
        FTileBottom = std::min(FRowsArea.Bottom, (y / kTile + 1) * kTile);
    }
    const int left = FRowsArea.Left, right = FRowsArea.Right;
    if (TileStep()) {
        const uint32_t* before = std::as_const(FPicture).ScanLine(y);
        const size_t rows = size_t(FTileBottom - FTileTop);
        // A row that changed by one value throughout (an inversion) is tested once, not a tile
        // at a time.
        uint32_t value = 0;
        const bool oneValue = XorRuns::OneValue(before + left, FNewRow.data() + left, right - left, value);
        for (size_t c = 0; c < FColumns.size(); ++c) {
            const auto [x0, x1] = ColumnSpan(c);
            const size_t pixels = size_t(x1 - x0) * rows;
            if (oneValue)
                FColumns[c].TakeOneValue(value, x1 - x0, pixels);
            else
                FColumns[c].TakeRow(before + x0, FNewRow.data() + x0, x1 - x0, pixels);
        }
    }
    std::memcpy(FPicture.ScanLine(y) + left, FNewRow.data() + left, size_t(right - left) * 4);
    if (!FRowsLag && FBaselineValid && FBaseline.Width() == FPicture.Width() && FBaseline.Height() == FPicture.Height())
        BaselineTakes(y, left, right);
}

void THistory::EndTileRow()
{
    if (FTileBottom <= FTileTop)
        return;
    if (TStep* step = TileStep())
        for (size_t c = 0; c < FColumns.size(); ++c) {
            const auto [x0, x1] = ColumnSpan(c);
            if (AddTile(*step, Rect(x0, FTileTop, x1, FTileBottom), FColumns[c]) && FRowsLag) {
                step->Tiles.back().BaselineLacks = true;
                if (FLagging.empty() || FLagging.back() != step->Id)
                    FLagging.push_back(step->Id);
            }
        }
    for (TColumn& column : FColumns)
        column.Reset();
    FThumbnail.Update(FPicture, Rect(FRowsArea.Left, FTileTop, FRowsArea.Right, FTileBottom));
    FTileTop = FTileBottom;
}

void THistory::EndRows()
{
    EndTileRow();
    // The history has taken the new rows: they are no change for the next commit.
    FPicture.ResetTouched();
    FRowsArea = TRect();
}
