#include "engine/CanvasProp.h"

TCanvasProp::TCanvasProp(QWidget* parent) : TImageCurs(parent)
{
    ResizeComponent(100, 100);
    ApplyCanvasSettings();
    SetJpgKvalitet(100);
    SetPapirfarve(clWhite);
    SetPenColor(clBlack);
    SetPenWidth(1);
    SetPenStyle(psSolid);
    SetBrushColor(clWhite);
    SetBrushStyle(bsSolid);
}

void TCanvasProp::SetPenColor(TColor value)
{
    FPenColor = value;
    ForToolCanvases([value](TCanvas& c) { c.Pen.Color = value; });
}

void TCanvasProp::SetPenWidth(int value)
{
    FPenWidth = value;
    ForToolCanvases([value](TCanvas& c) { c.Pen.Width = value; });
}

void TCanvasProp::SetPenStyle(TPenStyle value)
{
    FPenStyle = value;
    ForToolCanvases([value](TCanvas& c) { c.Pen.Style = value; });
}

void TCanvasProp::SetBrushColor(TColor value)
{
    FBrushColor = value;
    ForToolCanvases([value](TCanvas& c) { c.Brush.Color = value; });
}

void TCanvasProp::SetBrushStyle(TBrushStyle value)
{
    FBrushStyle = value;
    ForToolCanvases([value](TCanvas& c) { c.Brush.Style = value; });
}

void TCanvasProp::SetPicture(const TBitmap& value)
{
    FPicture = value;
    AutoDimensioner();
    Paint();
}

void TCanvasProp::AutoDimensioner()
{
    if (FAutoDim)
        ResizeComponent(FPicture.Width(), FPicture.Height(), false); // the picture covers the view
}

void TCanvasProp::ApplyCanvasSettings()
{
    ApplySettingsTo(FPicture.Canvas());
}

void TCanvasProp::ApplySettingsTo(TCanvas& c) const
{
    c.Pen.Color = FPenColor;
    c.Pen.Style = FPenStyle;
    c.Pen.Width = FPenWidth;
    c.Brush.Color = FBrushColor;
    c.Brush.Style = FBrushStyle;
}

void TCanvasProp::SwapColours()
{
    std::swap(FPenColor, FBrushColor);
    ForToolCanvases([this](TCanvas& c) {
        c.Pen.Color = FPenColor;
        c.Brush.Color = FBrushColor;
    });
}
