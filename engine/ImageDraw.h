#pragma once
#include "engine/ImageMani.h"
#include "widgets/RammeType.h"

enum TBorderLine { blTop, blBottom, blLeft, blRight };
using TBorderLines = TSet<TBorderLine>;

// The figures of the stroke tools.
enum class TFigure { Line, Rect, RoundRect, Ellipse };

// Thirteenth link: the single-colour drawing tools. A stroke draws a rubber band in
// inverting mode on the view while the mouse is dragged and commits the figure on release:
// onto the meta bitmap, then into the picture and the view, or through MergeFigure when a
// meta rule is set.
class TImageDraw : public TImageMani {
public:
    explicit TImageDraw(QWidget* parent = nullptr);

    // Published tool parameters (the setters only store).
    int PilHojde = 16;
    int PilBredde = 8;
    int PilHak = 0;
    int RoundB = 2;
    int RoundH = 2;
    int PolyAntal = 3;
    int SprayRadius = 10;
    int SprayProcent = 10;
    TBorderLines BorderLines{blTop, blBottom, blLeft, blRight};
    int BorderSpace = 1;
    int BorderCount = 1;
    int RamBredde = 3;
    int RamRifleBredde = 1;
    int RamDybde = 1;
    TRammeXType RamArt = rtUd;

    // Fired after every polygon step.
    TNotifyEvent OnPoly;

    // Closes and commits the polygon in progress with its current corners.
    void AfslutPolygon();

    // Stroke protocol shared by the line, arrow, rectangle, rounded rectangle and ellipse
    // tools (and the tools that reuse their rubber bands).
    void StrokeDown(TFigure figure, int X, int Y);
    void StrokeMove(TFigure figure, int X, int Y);
    // Erases the rubber band and returns the view to copy mode (the first half of a release).
    void EndRubberBand(TFigure figure);
    // Draws a figure: with Final False the rubber band on the view, else the committed figure.
    void DrawFigure(TFigure figure, bool Final);
    void LineFigure(bool Final);
    void RectFigure(bool Final);
    void RoundRectFigure(bool Final);
    void EllipseFigure(bool Final);
    void PolygonFigure(bool Final);
    void FinishArrow();

    void PencilDown(int X, int Y);
    void PencilMove(int X, int Y);
    void SpecialPencilDown(int X, int Y);
    void SpecialPencilMove(int X, int Y);
    void PolygonDown(int X, int Y);
    void PolygonMove(int X, int Y);
    void PolygonUp();

    // Fills, spray and frames.
    void FillAt(int X, int Y);
    void FillToAt(int X, int Y);
    void SprayDown(int X, int Y);
    void SprayMove(int X, int Y);
    void SprayAt(int cx, int cy);
    void DrawBorder(TCanvas& c);
    void DrawSpecialBorder(TCanvas& c);
    // Commits the frame (tool 30) or the special frame (31, 32) on the tool rectangle.
    void CommitBorder();
    void CommitSpecialBorder();

    bool SpecialToolActive() const { return SpecialTool; }

protected:
    // Commits a figure drawn by draw(canvas) with the changed rectangle grown from the tool
    // rectangle by grow pixels.
    template <typename DrawFn>
    void CommitFigure(DrawFn draw, const TRect& changed);
    // The tool rectangle normalised and grown by grow pixels on every side.
    TRect GrownToolRect(int grow);
    void SetChangedRect(const TRect& r);
    void MakeSquare();
    void SnapLine();
    // The pixel rule of single points under a meta rule.
    bool PointAllowed(int X, int Y) const;
    void PencilDot(int X, int Y);
    void SpecialDot(int X, int Y);
    void AppendPolyPoint(TPoint p);
    void DrawArrowOn(TCanvas& c);
    void TakePressSnapshot();
    // False when the current tool has nothing to write (the text tool before a text was
    // given): its press and its run on the focus then take no undo step.
    virtual bool ToolHasWork() const { return true; }
    // The fill of tools 20 and 21 on the picture, shown on the view.
    void FillWith(int X, int Y, TFillStyle style);

    bool SpecialTool = false;
    int redX = -1;
    int redY = -1;
    // The last spray burst's centre during a spray stroke.
    int sprayX = 0;
    int sprayY = 0;
};

// Draws on the meta bitmap; under a meta rule merges it, else draws on the picture and the view.
template <typename DrawFn>
void TImageDraw::CommitFigure(DrawFn draw, const TRect& changed)
{
    draw(MetaBitmap().Canvas());
    if (FMetaMetode != mmNormal) {
        SetChangedRect(changed);
        MergeFigure();
    } else {
        draw(FPicture.Canvas());
        draw(Canvas());
        SetChangedRect(changed);
        FMetaTrans = true;
    }
    FModified = true;
}
