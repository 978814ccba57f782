#pragma once
#include "engine/LiveThumbnail.h"
#include "platform/Bitmap.h"
#include <QImage>
#include <QString>
#include <deque>
#include <utility>
#include <vector>

// The undo history of one picture. A step stores only the 64 x 64 tiles of the picture that it
// changed, each as the exclusive-or of its pixels before and after the step, kept as runs of
// equal values where that is smaller (a stroke or a fill leaves few runs), or as one value when
// every pixel of the tile changed by the same value (an inversion). The same exclusive-or undoes
// the step and redoes it. A step that changed the picture's size keeps the whole picture of the
// other size instead, exchanged with the picture by undo and redo.
//
// What changed is found by comparing the picture with the baseline, a copy of its last
// committed state, inside the part of the picture touched since then (TBitmap::Touched). The
// baseline is the owner's "picture before the current step" (the undo raster), so operations
// that read the picture as it was before them keep reading it there (Baseline()).
//
// A row series (a whole-picture colour operation) leaves the baseline as it was and marks the
// tiles it stored as lacking from it: the baseline catches up on a tile only when it is next
// compared or read there, by the tile's own exclusive-or. A whole-picture operation thus writes
// the picture and its view, not a third copy, and a small edit after it costs what it touches.
class THistory {
public:
    THistory(TBitmap& picture, TBitmap& baseline);
    ~THistory();
    THistory(const THistory&) = delete;
    THistory& operator=(const THistory&) = delete;

    static constexpr int kTile = 64;

    // Ends the open step and opens a new one named Caption; the steps that could be redone go.
    void Begin(const QString& Caption);
    // Puts the picture back as it was when the open step began and forgets the step (an
    // operation that failed half-way); False when no step is open.
    bool Cancel();
    // For an operation that rewrites the picture row by row, top to bottom inside Area, each
    // row read only before it is rewritten: BeginRows gives a row of the picture's width to
    // write each new row into, TakeNewRow(y) takes row y from there (the open step takes the
    // change, the picture and the baseline the new pixels), EndRows ends the series.
    uint32_t* BeginRows(const TRect& Area);
    void TakeNewRow(int y);
    void EndRows();
    // Undoes or redoes one step; the rectangle of the picture that changed, the whole picture
    // after a change of size, empty when nothing happened.
    TRect Undo();
    TRect Redo();
    // Undoes or redoes until Applied() == Count.
    TRect GoTo(int Count);

    // The picture as it was when the open step began, brought up to date first.
    TBitmap& Baseline();
    void SetBaselineFormat(TPixelFormat Format) { FBaseline.SetPixelFormat(Format); }

    bool CanUndo() const { return FApplied > 0; }
    bool CanRedo() const { return FApplied < int(FSteps.size()); }
    // Caption of the step that undo would undo (redo would redo); empty when there is none.
    QString UndoCaption() const;
    QString RedoCaption() const;

    int Count() const { return int(FSteps.size()); }
    // The steps 0 .. Applied() - 1 are applied; the others can be redone.
    int Applied() const { return FApplied; }
    // The newest step is still being made (its operation may go on changing the picture).
    bool Open() const { return FOpen; }
    QString StepCaption(int i) const { return FSteps[size_t(i)].Caption; }
    // A number that names step i, used by no other step of any picture; later steps have
    // larger numbers.
    quint64 StepId(int i) const { return FSteps[size_t(i)].Id; }
    // A small picture of the picture after step i (of the open step: the picture now).
    QImage Thumbnail(int i) const;
    // Bytes the stored steps take (tiles, whole pictures, thumbnails).
    qint64 Bytes() const { return FBytes; }
    // Forgets the oldest step when it is applied and not the newest one; False otherwise.
    bool DropOldest();

    static constexpr int kThumbnailSide = 64;

private:
    // How a tile keeps its exclusive-or: row after row as (count, value) runs, as the W x H
    // values themselves, or as one value for every pixel (an inversion, a fill of the tile).
    enum class TCoding { Runs, Values, Uniform };
    struct TTile {
        int X = 0, Y = 0, W = 0, H = 0;
        TCoding Coding = TCoding::Runs;
        std::vector<uint32_t> Data;
        // The baseline does not have this change yet (see CatchUp).
        bool BaselineLacks = false;
    };
    struct TStep {
        QString Caption;
        std::vector<TTile> Tiles;
        TBitmap Whole;
        QImage Thumbnail;
        qint64 Bytes = 0;
        quint64 Id = 0;
    };

    // Brings the baseline up to the picture, storing into the open step the tiles it changed.
    void Commit();
    // Ends the open step (commits it and makes its thumbnail).
    void CloseOpenStep();
    // Stores into the open step the part of every tile of area where the baseline and the
    // picture differ.
    void TakeTiles(const TRect& area);
    void StoreTile(TStep& step, const TRect& r);
    void StoreWhole(TStep& step);
    // The open step when it stores tiles (not a whole picture), else nullptr.
    TStep* TileStep();
    // Row y of the baseline takes the picture's pixels [x0, x1).
    void BaselineTakes(int y, int x0, int x1);
    // Undoes or redoes a step on the picture (and the baseline follows).
    TRect Exchange(TStep& step);
    // Applies a tile's exclusive-or to the raster.
    static void ApplyTile(const TTile& tile, TBitmap& to);
    // The baseline takes the changes it lacks in the tiles that meet area.
    void CatchUp(const TRect& area);
    // The baseline was made anew from the picture: it lacks nothing.
    void BaselineRenewed();
    // The step numbered Id, or the end.
    std::deque<TStep>::iterator FindStep(quint64 Id);
    void Recount(TStep& step);

    TBitmap& FPicture;
    TBitmap& FBaseline;
    bool FBaselineValid = false;
    // Ids of the steps with tiles the baseline lacks, oldest first.
    std::vector<quint64> FLagging;
    // A deque: the budget drops steps at the front without moving the others.
    std::deque<TStep> FSteps;
    int FApplied = 0;
    bool FOpen = false;
    qint64 FBytes = 0;
    // The change of one tile taken row by row: runs, or the values once runs take more room.
    struct TColumn {
        std::vector<uint32_t> Data;
        bool Values = false;
        bool Changed = false;
        void Reset();
        // Takes the next row of the tile (n pixels); pixels: the whole tile's pixel count.
        void TakeRow(const uint32_t* before, const uint32_t* after, int n, size_t pixels);
        // The same for a row whose every pixel changed by value.
        void TakeOneValue(uint32_t value, int n, size_t pixels);
    };
    // Stores the tile r of the step with the change column took, if any; False when it
    // changed nothing.
    static bool AddTile(TStep& step, const TRect& r, const TColumn& column);
    // Working memory for StoreTile.
    TColumn FScratch;

    // The row series of BeginRows: its area, the rows of the tile row being taken and the
    // change of each of its tiles, and the row to write into. EndTileRow stores the changed
    // tiles of the tile row taken so far.
    void EndTileRow();
    // The picture's columns [x0, x1) of tile c of the row series.
    std::pair<int, int> ColumnSpan(size_t c) const;
    // The row series leaves the baseline behind (the open step takes tiles of a baseline of the
    // picture's size) rather than writing each row into it too.
    bool FRowsLag = false;
    TRect FRowsArea;
    int FTileTop = 0, FTileBottom = 0;
    std::vector<TColumn> FColumns;
    std::vector<uint32_t> FNewRow;
    // The picture in small, following every change the history sees.
    TLiveThumbnail FThumbnail{kThumbnailSide};
};
