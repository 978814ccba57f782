#pragma once
#include "engine/ImagePreEdit.h"

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

    TBitmap& MetaBitmap() { return FMeta; }
    const TBitmap& MetaBitmap() const { return FMeta; }

    TColor MetaTransFarve = clWhite;
    bool TempEllipse = false;

protected:
    // Orders the tool rectangle, grows it by the pen width and makes it FR.
    void GrowToolRect();
    // Copies FR from the picture to the view.
    void ShowChangedRect();
    // Makes MetaBitmap a sheet of the picture's size in one colour, filled lazily: a figure
    // on a big picture costs the memory and time of the rectangle it covers, and the memory of
    // earlier figures goes back (TBitmap::FillLazily).
    void ClearMetaBitmap(TColor colour);

    bool FSomEllipse = false;

private:
    TBitmap FMeta;
};
