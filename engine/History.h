#pragma once
#include "engine/LiveThumbnail.h"
#include "platform/Bitmap.h"
#include <QImage>
#include <QString>
#include <deque>
#include <vector>

// The undo history of one picture. A step stores only the 64 x 64 tiles of the picture that it
// changed, each as the exclusive-or of its pixels before and after the step, kept as runs of
// equal values where that is smaller (a stroke, a fill or an inversion leaves few runs). The
// same exclusive-or undoes the step and redoes it. A step that changed the picture's size keeps
// the whole picture of the other size instead, exchanged with the picture by undo and redo.
//
// What changed is found by comparing the picture with the baseline, a copy of its last
// committed state, inside the part of the picture touched since then (TBitmap::Touched). The
// baseline is the owner's "picture before the current step" (the undo raster), so operations
// that read the picture as it was before them keep reading it there.
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
    // For an operation that rewrites the picture band by band: NewRows holds the new pixels of
    // the band, its row 0 being the band's top row, its columns those of the picture. The open
    // step takes the change, and the picture and the baseline take the new pixels.
    void TakeNewRows(const TRect& band, const TBitmap& NewRows);

    // Undoes or redoes one step; the rectangle of the picture that changed, the whole picture
    // after a change of size, empty when nothing happened.
    TRect Undo();
    TRect Redo();
    // Undoes or redoes until Applied() == Count.
    TRect GoTo(int Count);

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
    // A small picture of the picture after step i (of the open step: the picture now).
    QImage Thumbnail(int i) const;
    // Bytes the stored steps take (tiles, whole pictures, thumbnails).
    qint64 Bytes() const { return FBytes; }
    // Forgets the oldest step when it is applied and not the newest one; False otherwise.
    bool DropOldest();

    static constexpr int kThumbnailSide = 64;

private:
    struct TTile {
        int X = 0, Y = 0, W = 0, H = 0;
        // Row after row: (count, value) runs, or the W x H values themselves.
        bool Runs = false;
        std::vector<uint32_t> Data;
    };
    struct TStep {
        QString Caption;
        std::vector<TTile> Tiles;
        TBitmap Whole;
        QImage Thumbnail;
        qint64 Bytes = 0;
    };

    // Brings the baseline up to the picture, storing into the open step the tiles it changed.
    void Commit();
    // Ends the open step (commits it and makes its thumbnail).
    void CloseOpenStep();
    // The rows of a raster that holds the picture's rows from Top on, in the picture's columns.
    struct TRows {
        const TBitmap& Raster;
        int Top = 0;
        const uint32_t* Row(int y) const { return Raster.ScanLine(y - Top); }
    };
    // Stores into the open step the part of every tile of area where the picture before and
    // after the step differ.
    void TakeTiles(const TRect& area, const TRows& before, const TRows& after);
    void StoreTile(TStep& step, const TRect& r, const TRows& before, const TRows& after);
    void StoreWhole(TStep& step);
    // The open step when it stores tiles (not a whole picture), else nullptr.
    TStep* TileStep();
    // Undoes or redoes a step on the picture (and the baseline follows).
    TRect Exchange(TStep& step);
    void Recount(TStep& step);

    TBitmap& FPicture;
    TBitmap& FBaseline;
    bool FBaselineValid = false;
    // A deque: the budget drops steps at the front without moving the others.
    std::deque<TStep> FSteps;
    int FApplied = 0;
    bool FOpen = false;
    qint64 FBytes = 0;
    // The picture in small, following every change the history sees.
    TLiveThumbnail FThumbnail{kThumbnailSide};
};
