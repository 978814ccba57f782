#pragma once
#include "engine/ImagePreEdit.h"
#include "engine/RestingRaster.h"
#include <QTimer>

// Sixth link: the meta bitmap on which a figure is staged on a background of MetaTransFarve,
// and the rules that place it into the picture.
class TMetaImage : public TImagePreEdit {
public:
    explicit TMetaImage(QWidget* parent = nullptr);

    bool SomEllipse() const { return FSomEllipse; }
    // Sets both the published flag and the clip of the placing in progress.
    void SetSomEllipse(bool value)
    {
        FSomEllipse = value;
        TempEllipse = value;
    }

    // Inner operations.
    // Begins a figure on a fresh meta bitmap (ForTool: the background colour is chosen
    // against the current tool's colours; otherwise it is TransFarve).
    void StartFigure(bool ForTool);
    // Merges the figure into the picture under the meta rule (drawing tools).
    void MergeFigure();
    // Places the figure into the picture under transparency and the meta rule.
    void PlaceFigure();
    // Places the figure clipped to the ellipse of the tool rectangle.
    void PlaceInEllipse();
    void ApplyMetaSettings();

    // The meta bitmap. A big one that has not been used for a while rests (see RestWhenIdle)
    // and is woken, exactly as it was, when it is asked for again.
    TBitmap& MetaBitmap()
    {
        NoteMetaUse();
        return FMeta.Bitmap();
    }
    const TBitmap& MetaBitmap() const { return const_cast<TMetaImage*>(this)->MetaBitmap(); }
    bool MetaBitmapResting() const { return FMeta.Resting(); }
    // Runs when the meta bitmap's timer ends: a meta bitmap of a big picture that was not used
    // since the timer started, and not while a mouse button is down, gives its memory back.
    void RestWhenIdle();

    TColor MetaTransFarve = clWhite;
    bool TempEllipse = false;

protected:
    // Orders the tool rectangle, grows it by the pen width and makes it FR.
    void GrowToolRect();
    // Copies FR from the picture to the view.
    void ShowChangedRect();
    // Makes MetaBitmap a sheet of the picture's size in one colour. The sheet's memory stays
    // from figure to figure and only what the last figure touched is filled again, so a small
    // figure on a big picture costs what it covers.
    void ClearMetaBitmap(TColor colour);

    bool FSomEllipse = false;
    // The colour MetaBitmap was last cleared to.
    uint32_t FMetaSheet = 0;

private:
    void NoteMetaUse()
    {
        FMetaUsed = true;
        if (!FMetaIdle.isActive())
            FMetaIdle.start();
    }
    TRestingRaster FMeta;
    QTimer FMetaIdle;
    bool FMetaUsed = false;
};
