#pragma once
#include "engine/History.h"
#include "engine/ImageMetoder.h"

// Fifth link: the undo, redo, edit and memory rasters, the clipboard hooks and the
// capability flags that the owner's commands are enabled by.
class TImagePreEdit : public TImageMetoder {
public:
    explicit TImagePreEdit(QWidget* parent = nullptr);

    QString InfoString() const { return FInfoString; }
    bool CanScale() const { return FCanScale; }
    bool CanUndo() const { return FHistory.CanUndo(); }
    bool CanEdit() const { return FCanEdit; }
    bool CanLoadFromMem() const { return FCanLoadFromMem; }
    bool CanRedo() const { return FHistory.CanRedo(); }
    // The picture's undo steps.
    THistory& History() { return FHistory; }
    const THistory& History() const { return FHistory; }
    bool ScaleFraFil() const { return FScaleFraFil; }
    // Stores; then CanScale: False for an empty picture, else whether the picture's file
    // exists when scaling from the file, else True.
    void SetScaleFraFil(bool value);

    // The clipboard holds a picture.
    bool CBHasBitmap() const;
    // EditBitmap becomes a fresh raster holding the clipboard's picture; nullptr (and an
    // empty EditBitmap) when the clipboard holds none.
    TBitmap* getCbBitmap();

    // Inner operations.
    // Removes the focus outline, draws the picture into the view and marks the picture modified.
    void ShowPicture();
    // Starts an undo step named Caption (not for an empty picture): removes the focus outline;
    // UndoBitmap then holds the picture as it is before the step.
    void BeginStep(const QString& Caption);
    // Shows the part r of the picture in the view after an undo or redo (all of it after a
    // change of size) and marks the picture modified.
    void ShowRestored(const TRect& r, bool newSize);
    // InfoString after the history moved: the step undo would undo, else the generic caption.
    void NameUndoStep();
    // Takes back the step just begun, with what the operation did to the picture so far (an
    // operation that failed half-way).
    void CancelStep();
    // EditBitmap to the clipboard; False when the clipboard refused it.
    bool PutOnClipboard();
    // The clipboard's picture (if any) into EditBitmap; False when the clipboard failed.
    bool FetchClipboard();

    // The picture as it was before the current step (the history's baseline).
    TBitmap& UndoBitmap() { return FHistory.Baseline(); }
    // The object move's picture before its figure, while an object is moved.
    TBitmap RedoBitmap;
    TBitmap EditBitmap;
    TBitmap GHBitmap;
    // The next step of an incremental move takes a new snapshot.
    bool WithUndo = false;

protected:
    // Copies the picture into the view, white where the view is larger than the picture.
    void RefreshView() override;
    QString FInfoString;
    bool FCanScale = false;
    bool FCanEdit = false;
    bool FCanLoadFromMem = false;
    bool FScaleFraFil = false;
    TBitmap FBaseline;
    THistory FHistory{FPicture, FBaseline};
};
