#pragma once
#include "engine/ImageMetoder.h"

// Fifth link: the undo, redo, edit and memory rasters, the clipboard hooks and the
// capability flags that the owner's commands are enabled by.
class TImagePreEdit : public TImageMetoder {
public:
    explicit TImagePreEdit(QWidget* parent = nullptr);

    QString InfoString() const { return FInfoString; }
    bool CanScale() const { return FCanScale; }
    bool CanUndo() const { return FCanUndo; }
    bool CanEdit() const { return FCanEdit; }
    bool CanLoadFromMem() const { return FCanLoadFromMem; }
    bool CanRedo() const { return FCanRedo; }
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
    // Copies the picture into UndoBitmap (not for an empty picture).
    void TakeSnapshot();
    // EditBitmap to the clipboard; False when the clipboard refused it.
    bool PutOnClipboard();
    // The clipboard's picture (if any) into EditBitmap; False when the clipboard failed.
    bool FetchClipboard();

    TBitmap UndoBitmap;
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
    bool FCanUndo = false;
    bool FCanEdit = false;
    bool FCanLoadFromMem = false;
    bool FCanRedo = false;
    bool FScaleFraFil = false;
};
