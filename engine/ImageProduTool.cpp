#include "engine/ImageProduTool.h"
#include "util/Near.h"
#include <cmath>

TImageProduTool::TImageProduTool(QWidget* parent) : TImageProdu(parent) {}

bool TImageProduTool::IsMultiColourTool(int toolNr)
{
    return toolNr == 50 || (toolNr >= 60 && toolNr <= 65) || toolNr == 70 || toolNr == 71 || toolNr == 80;
}

void TImageProduTool::RunMultiColour()
{
    if (!IsMultiColourTool(FToolNr))
        return;
    TWaitCursor wait;
    // Prepare: the rectangle (the colour line keeps its direction), colours, hub and radius.
    if (FToolNr != 50)
        NormaliseFocus();
    Bredde = X2 - X1;
    Hojde = Y2 - Y1;
    StartFarve = FPenColor;
    SlutFarve = FBrushColor;
    RCentX = X1 + Bredde / 2;
    RCentY = Y1 + Hojde / 2;
    FCentX = X1 + int(qint64(Bredde) * FCentrumX / 100);
    FCentY = Y1 + int(qint64(Hojde) * FCentrumY / 100);
    const int s = Bredde < Hojde ? Bredde : Hojde;
    FRadius = s - s / 2;
    StartFigure(false);
    FCan = &MetaBitmap().Canvas();
    // Generate.
    switch (FToolNr) {
    case 50: ColourLine(); break;
    case 60: AreaPoints(); break;
    case 61: AreaLines(); break;
    case 62: AreaFigures(false); break;
    case 63: ZoomFigures(false); break;
    case 64: RectangleFan(); break;
    case 65: Functions(); break;
    case 70: AreaFigures(true); break;
    case 71: ZoomFigures(true); break;
    case 80: CircleFan(); break;
    default: break;
    }
    // Finish: place the figures, skipping the background.
    Canvas().Pen.Color = StartFarve;
    Canvas().Brush.Color = SlutFarve;
    FMetaTrans = true;
    if (FToolNr == 50)
        GrowToolRect();
    PlaceFigure();
    FModified = true;
}

void TImageProduTool::ColourLineDot(int x, int y, int w)
{
    const TColor colour = NextColour();
    if (w == 1) {
        FCan->SetPixels(x, y, colour);
        return;
    }
    const int h = (w - 1) / 2;
    FCan->Brush.Color = colour;
    FCan->Pen.Color = colour;
    const TRect r = Rect(x + h - w + 1, y + h - w + 1, x + h + 1, y + h + 1);
    if (FFadeStregType == ftRektangel)
        FCan->Rectangle(r);
    else
        FCan->Ellipse(r);
}

void TImageProduTool::ColourLine()
{
    const int w = FCan->Pen.Width;
    FCan->Pen.Width = 1;
    const int dx = X2 - X1, dy = Y2 - Y1, F = FFrekvens;
    const double m = dx == 0 ? 0 : double(dy) / dx;
    const double c = Y1 - m * X1;
    InitColours(std::max(std::abs(dx), std::abs(dy)));
    if (std::abs(dx) < std::abs(dy)) {
        const int step = dy > 0 ? 1 : -1;
        for (int y = Y1; y != Y2; y += step)
            if (y % F == 0)
                ColourLineDot(m != 0 ? Near((y - c) / m) : X1, y, w);
    } else {
        const int step = dx > 0 ? 1 : -1;
        for (int x = X1; x != X2; x += step)
            if (x % F == 0)
                ColourLineDot(x, Near(m * x + c), w);
    }
    FCan->Pen.Width = w;
    NormaliseFocus();
}
