#pragma once
#include "engine/MetaImage.h"

// Seventh link: undo and redo, the memory slot and the free focus (tool 101).
// The clipboard commands join it with the paste operations.
class TImageEdit : public TMetaImage {
public:
    explicit TImageEdit(QWidget* parent = nullptr);

    // Undo and redo one step of the history; both may alternate without limit.
    void Undo();
    void Redo();
    // Undoes or redoes until Applied steps are applied (the history window's jump).
    void GoToStep(int Applied);
    void SaveToMem();
    void LoadFromMem();

    // The focus area (or the whole picture) to the clipboard.
    void Copy();
    // Copy, then clear the area with the paper colour.
    void Cut();
    // The clipboard picture (or the one copied last) into the focus: stretched, or at its own
    // size without PasteToFocus; placed under transparency, the meta rule and the ellipse clip;
    // tiled first with Reproducer.
    void Paste(bool Reproducer);
    // The clipboard picture becomes the whole picture.
    void LoadFromCB();

    // Inner: takes the undo snapshot and names it.
    void SaveUndo(const QString& caption);

    // The free focus: press, move and release of tool 101.
    void StartFreeFocus(int X, int Y);
    void MoveFreeFocus(int X, int Y);
    void CloseFreeFocus();
    // Copies the inside of the closed outline (TransFarve elsewhere) to the clipboard.
    void CopyFreeFocus();
    // Corners of the free focus before it closes by itself.
    static constexpr int kFreeFocusCapacity = 990;

    TOnLoad OnLoad;
    TScaleEvent OnScale;
    TOnFriFocus OnFriFocus;
    TOnCopy OnCopy;

    // While True the free-focus tool ignores the mouse.
    bool NoFriFocus = false;
    // Paste lands in the focus rectangle.
    bool PasteToFocus = false;

protected:
    // Tool rectangle = the whole component without selection; no object; events.
    void ResetToolRect();
    void DrawFreeTrail();
};
