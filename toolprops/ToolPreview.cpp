#include "toolprops/ToolPreview.h"

TToolPreview::TToolPreview(int tool, int width, int height, QWidget* parent) : TImagePic(parent)
{
    SetAutoDim(false);
    // The focus of the sample stays invisible.
    SetFocusType(ftInvers);
    SetFocusLine(psClear);
    ResizeComponent(width, height);
    setFixedSize(width, height);
    TBitmap white(width, height);
    white.SetPixelFormat(pf24bit);
    SetPicture(white);
    SetToolNr(tool);
}

void TToolPreview::Forny(const TImagePic* source, int penWidth)
{
    FjernFocus();
    SetPolyCount(0);
    FPicture.Canvas().Brush.Color = clWhite;
    FPicture.Canvas().Brush.Style = bsSolid;
    FPicture.Canvas().FillRect(FPicture.BoundsRect());
    SetBrushColor(source ? source->BrushColor() : clRed);
    SetPenColor(source ? source->PenColor() : clBlack);
    if (source)
        SetMellemFarve(source->MellemFarve());
    SetPenWidth(penWidth);
    Paint();
}

bool TToolPreview::DrawsSample() const
{
    return FToolNr != 50 && FToolNr != 9 && FToolNr != 10;
}

void TToolPreview::Redraw(const TImagePic* source, int penWidth, const std::function<void(TImagePic&)>& setValues)
{
    Forny(source, penWidth);
    if (setValues)
        setValues(*this);
    if (!DrawsSample())
        return;
    MakeTool(-1, true);
    FjernFocus();
    ++Samples;
}
