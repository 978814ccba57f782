#include "engine/ImageDraw.h"
#include "engine/ToolCaptions.h"
#include "util/Near.h"
#include <cmath>

TImageDraw::TImageDraw(QWidget* parent) : TImageMani(parent)
{
    SetRamFarveLys(clSilver);
    SetRamFarveSkygge(clGray);
}

void TImageDraw::TakePressSnapshot()
{
    if (!ToolHasWork())
        return;
    if (const TCaptionPair* caption = PressCaption(FToolNr))
        SaveUndo(Caption(FSprog, *caption));
}

TRect TImageDraw::GrownToolRect(int grow)
{
    const TRect r = NormalizedRect(Rect(X1, Y1, X2, Y2));
    return InflateRect(r, grow, grow);
}

void TImageDraw::SetChangedRect(const TRect& r)
{
    X1 = r.Left;
    Y1 = r.Top;
    X2 = r.Right;
    Y2 = r.Bottom;
    FR = r;
}

// ---- Stroke protocol ----

void TImageDraw::StrokeDown(TFigure figure, int X, int Y)
{
    StartFigure(true);
    TakePressSnapshot();
    Canvas().Pen.Mode = pmNot;
    X1 = X2 = X;
    Y1 = Y2 = Y;
    DrawFigure(figure, false);
}

void TImageDraw::StrokeMove(TFigure figure, int X, int Y)
{
    DrawFigure(figure, false);
    X2 = X;
    Y2 = Y;
    DrawFigure(figure, false);
}

void TImageDraw::EndRubberBand(TFigure figure)
{
    DrawFigure(figure, false);
    Canvas().Pen.Mode = pmCopy;
}

void TImageDraw::DrawFigure(TFigure figure, bool Final)
{
    switch (figure) {
    case TFigure::Line: LineFigure(Final); break;
    case TFigure::Rect: RectFigure(Final); break;
    case TFigure::RoundRect: RoundRectFigure(Final); break;
    case TFigure::Ellipse: EllipseFigure(Final); break;
    }
}

void TImageDraw::MakeSquare()
{
    const int d = std::min(std::abs(X2 - X1), std::abs(Y2 - Y1));
    Y2 = Y1 < Y2 ? Y1 + d : Y1 - d;
    X2 = X1 < X2 ? X1 + d : X1 - d;
}

// Snaps a Shift-dragged line to horizontal, 45 degrees or vertical.
void TImageDraw::SnapLine()
{
    if (X2 == X1 || Y2 == Y1)
        return;
    const int a = Near(std::atan(std::abs(Y2 - Y1) / double(std::abs(X2 - X1))) * 57.29577951308232);
    if (a <= 25)
        Y2 = Y1;
    else if (a <= 75)
        MakeSquare();
    else
        X2 = X1;
}

// ---- Figure routines ----

void TImageDraw::LineFigure(bool Final)
{
    if (SpecialTool)
        SnapLine();
    auto draw = [this](TCanvas& c) {
        c.MoveTo(X1, Y1);
        c.LineTo(X2, Y2);
    };
    if (!Final)
        draw(Canvas());
    else
        CommitFigure(draw, GrownToolRect(FPenWidth));
}

void TImageDraw::RectFigure(bool Final)
{
    if (SpecialTool)
        MakeSquare();
    const bool filled = Final && FToolNr == 4;
    auto draw = [this, filled](TCanvas& c) {
        if (filled) {
            c.Brush.Color = FBrushColor;
            c.Rectangle(X1, Y1, X2, Y2);
            return;
        }
        const TBrush saved = c.Brush;
        c.Brush.Style = bsClear;
        c.Rectangle(X1, Y1, X2, Y2);
        c.Brush = saved;
    };
    if (!Final)
        draw(Canvas());
    else
        CommitFigure(draw, GrownToolRect(FPenWidth));
}

void TImageDraw::RoundRectFigure(bool Final)
{
    if (SpecialTool)
        MakeSquare();
    const bool filled = Final && FToolNr == 6;
    const int cornerW = RoundB > 0 ? (X2 - X1) / RoundB : 1;
    const int cornerH = RoundH > 0 ? (Y2 - Y1) / RoundH : 1;
    auto draw = [this, filled, cornerW, cornerH](TCanvas& c) {
        if (filled) {
            c.Brush.Color = FBrushColor;
            c.RoundRect(X1, Y1, X2, Y2, cornerW, cornerH);
            return;
        }
        const TBrush saved = c.Brush;
        c.Brush.Style = bsClear;
        c.RoundRect(X1, Y1, X2, Y2, cornerW, cornerH);
        c.Brush = saved;
    };
    if (!Final)
        draw(Canvas());
    else
        CommitFigure(draw, GrownToolRect(FPenWidth));
}

void TImageDraw::EllipseFigure(bool Final)
{
    if (SpecialTool)
        MakeSquare();
    const bool filled = Final && FToolNr == 8;
    auto draw = [this, filled](TCanvas& c) {
        c.Pen.Color = FPenColor;
        c.Brush.Color = FBrushColor;
        if (filled)
            c.Ellipse(X1, Y1, X2, Y2);
        else
            c.Arc(X1, Y1, X2, Y2, X1, Y1, X1, Y1);
    };
    if (!Final)
        draw(Canvas());
    else
        CommitFigure(draw, GrownToolRect(FPenWidth));
}

void TImageDraw::PolygonFigure(bool Final)
{
    const bool filled = Final && FToolNr == 10;
    auto draw = [this, filled](TCanvas& c) {
        c.Pen.Color = FPenColor;
        c.Brush.Color = FBrushColor;
        if (filled)
            c.Polygon(Poly.data(), FPolyCount);
        else
            c.Polyline(Poly.data(), FPolyCount);
    };
    if (!Final) {
        draw(Canvas());
        return;
    }
    TRect bounds{};
    for (int i = 0; i < FPolyCount; ++i)
        bounds = UnionRect(bounds, Rect(Poly[i].X, Poly[i].Y, Poly[i].X + 1, Poly[i].Y + 1));
    bounds = {bounds.Left, bounds.Top, bounds.Right - 1, bounds.Bottom - 1};
    CommitFigure(draw, InflateRect(bounds, FPenWidth, FPenWidth));
    --FPolyCount;
    if (OnPoly)
        OnPoly(this);
}

void TImageDraw::DrawArrowOn(TCanvas& c)
{
    c.Brush.Color = FBrushColor;
    c.Pen.Color = FPenColor;
    const double dx = std::abs(X2 - X1), dy = std::abs(Y2 - Y1);
    const double L2 = dx * dx + dy * dy;
    // The point h pixels back from the tip along the line.
    auto back = [&](int h) {
        int ox, oy;
        if (dy == 0) {
            ox = h;
            oy = 0;
        } else if (dx == 0) {
            ox = 0;
            oy = h;
        } else {
            const double s = std::sqrt(double(h) * h * dx * dx / L2);
            ox = Near(s);
            oy = Near(dy * s / dx);
        }
        return TPoint{X1 < X2 ? X2 - ox : X2 + ox, Y1 < Y2 ? Y2 - oy : Y2 + oy};
    };
    const TPoint base = back(PilHojde);
    int px, py;
    if (dy == 0) {
        px = 0;
        py = Near(PilBredde / 2.0);
    } else if (dx == 0) {
        px = Near(PilBredde / 2.0);
        py = 0;
    } else {
        const double q = Near((PilBredde / 2.0) * (PilBredde / 2.0));
        const double s = std::sqrt(q * dx * dx / L2);
        py = Near(s);
        px = Near(dy * s / dx);
    }
    TPoint w1{base.X - px, 0}, w2{base.X + px, 0};
    if ((Y1 >= Y2 && X2 >= X1) || (Y2 >= Y1 && X1 >= X2)) {
        w1.Y = base.Y - py;
        w2.Y = base.Y + py;
    } else {
        w1.Y = base.Y + py;
        w2.Y = base.Y - py;
    }
    const TPoint notch = PilHak == 0 ? base : back(PilHojde - PilHak);
    const TPoint tip{X2, Y2};
    c.MoveTo(X1, Y1);
    c.LineTo(notch.X, notch.Y);
    const std::vector<TPoint> head{tip, w1, notch, w2, tip};
    if (FToolNr == 34)
        c.Polygon(head);
    else
        c.Polyline(head);
}

void TImageDraw::FinishArrow()
{
    CommitFigure([this](TCanvas& c) { DrawArrowOn(c); }, GrownToolRect(Near(PilBredde / 2.0) + FPenWidth));
}

// ---- Pencils ----

bool TImageDraw::PointAllowed(int X, int Y) const
{
    const TColor pixel = Canvas().Pixels(X, Y);
    switch (FMetaMetode) {
    case mmFarve: return SamePixel(pixel, FMetaFarve);
    case mmNotFarve: return !SamePixel(pixel, FMetaFarve);
    default: return true;
    }
}

void TImageDraw::PencilDot(int X, int Y)
{
    if (!PointAllowed(X, Y))
        return;
    for (TCanvas* c : {&MetaBitmap().Canvas(), &FPicture.Canvas(), &Canvas()})
        c->SetPixels(X, Y, FPenColor);
    FModified = true;
}

void TImageDraw::PencilDown(int X, int Y)
{
    FMetaTrans = true;
    StartFigure(true);
    TakePressSnapshot();
    X1 = X2 = X;
    Y1 = Y2 = Y;
    PencilDot(X, Y);
}

void TImageDraw::PencilMove(int X, int Y)
{
    if (X == X1 && Y == Y1)
        return;
    X2 = X;
    Y2 = Y;
    LineFigure(true);
    // The commit grew the tool rectangle; the pencil goes on from the new point instead.
    X1 = X2 = X;
    Y1 = Y2 = Y;
    PencilDot(X, Y);
}

void TImageDraw::SpecialDot(int X, int Y)
{
    if (!PointAllowed(X, Y))
        return;
    for (TCanvas* c : {&Canvas(), &FPicture.Canvas(), &MetaBitmap().Canvas()}) {
        c->Pen.Color = FBrushColor;
        c->Brush.Style = bsClear;
        c->Pen.Width = 1;
        c->Ellipse(X - FPenWidth, Y - FPenWidth, X + FPenWidth, Y + FPenWidth);
        c->Pen.Color = FPenColor;
        c->Brush.Style = FBrushStyle;
        c->Pen.Width = FPenWidth;
        if (redX >= 0) {
            c->MoveTo(redX, redY);
            c->LineTo(X, Y);
        }
    }
    redX = X;
    redY = Y;
    FModified = true;
}

void TImageDraw::SpecialPencilDown(int X, int Y)
{
    FMetaTrans = true;
    StartFigure(true);
    redX = -1;
    TakePressSnapshot();
    X1 = X2 = X;
    Y1 = Y2 = Y;
    SpecialDot(X, Y);
}

void TImageDraw::SpecialPencilMove(int X, int Y)
{
    if (X == X1 && Y == Y1)
        return;
    X1 = X2 = X;
    Y1 = Y2 = Y;
    SpecialDot(X, Y);
}

// ---- Polygon ----

void TImageDraw::AppendPolyPoint(TPoint p)
{
    // The store holds 1001 points: further corners are not taken.
    if (FPolyCount <= kPolyCapacity)
        Poly[FPolyCount++] = p;
}

void TImageDraw::PolygonDown(int X, int Y)
{
    StartFigure(true);
    if (FPolyCount > 0)
        PolygonFigure(false);
    if (FPolyCount == 0) {
        TakePressSnapshot();
        Canvas().Pen.Mode = pmNot;
        AppendPolyPoint({X, Y});
    }
    AppendPolyPoint({X, Y});
    if (FPolyCount == PolyAntal)
        AppendPolyPoint(Poly[0]);
    PolygonFigure(false);
    if (OnPoly)
        OnPoly(this);
}

void TImageDraw::PolygonMove(int X, int Y)
{
    if (FPolyCount == 0)
        return;
    PolygonFigure(false);
    const int index = FPolyCount > PolyAntal ? FPolyCount - 2 : FPolyCount - 1;
    Poly[std::max(index, 0)] = {X, Y};
    PolygonFigure(false);
    if (OnPoly)
        OnPoly(this);
}

void TImageDraw::PolygonUp()
{
    if (FPolyCount < PolyAntal)
        return;
    PolygonFigure(false);
    Canvas().Pen.Mode = pmCopy;
    PolygonFigure(true);
    FPolyCount = 0;
}

void TImageDraw::AfslutPolygon()
{
    if (FPolyCount <= 0)
        return;
    PolygonFigure(false);
    Canvas().Pen.Mode = pmCopy;
    AppendPolyPoint(Poly[0]);
    PolygonFigure(true);
    FPolyCount = 0;
}
