#pragma once
#include "platform/Graphics.h"
#include "platform/Types.h"
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TBitmap;
class QImage;

// A drawing surface on a TBitmap with the platform's raster geometry: a line leaves out its
// end pixel, right and bottom edges are exclusive, a closed figure's pen lies inside its
// bounds and the brush fills the inside, nothing is antialiased, everything is clipped.
class TCanvas {
public:
    explicit TCanvas(TBitmap& owner);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen Pen;
    TBrush Brush;
    TFont Font;
    TPoint PenPos;

    // Fired with the (clipped) rectangle that every drawing operation changed.
    std::function<void(const TRect&)> OnChange;

    TBitmap& Bitmap() const { return *owner_; }
    TRect ClipRect() const;

    TColor Pixels(int x, int y) const; // -1 outside the raster
    void SetPixels(int x, int y, TColor c);

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const TPoint* points, int count);
    void Polyline(const std::vector<TPoint>& points) { Polyline(points.data(), int(points.size())); }
    void Polygon(const TPoint* points, int count);
    void Polygon(const std::vector<TPoint>& points) { Polygon(points.data(), int(points.size())); }
    void Rectangle(int l, int t, int r, int b);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int l, int t, int r, int b, int cornerW, int cornerH);
    void Ellipse(int l, int t, int r, int b);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    // The part of the ellipse in (l, t, r, b) counter-clockwise from the ray towards
    // (x3, y3) to the ray towards (x4, y4); equal rays draw the whole ellipse.
    void Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4);
    // Fills with the brush only, always copying (the pen mode does not apply).
    void FillRect(const TRect& r);
    // Returns the rectangle it painted (empty when nothing was filled).
    TRect FloodFill(int x, int y, TColor colour, TFillStyle style);

    // Nearest-pixel copy of src's rectangle onto dest, stretched or shrunk; a rectangle with
    // right < left or bottom < top mirrors. Never mixes colours.
    void CopyRect(const TRect& dest, const TCanvas& src, const TRect& source);
    void Draw(int x, int y, const TBitmap& graphic);
    void StretchDraw(const TRect& dest, const TBitmap& graphic);
    // The dotted selection frame, drawn by exclusive-or: drawing it twice removes it.
    void DrawFocusRect(const TRect& r);

    // Text at (x, y) as the top-left corner of its cell; a solid brush fills the cell first.
    void TextOut(int x, int y, const QString& text);
    // Text clipped to r; a solid brush fills r first.
    void TextRect(const TRect& r, int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;

    // Reports a change of pixels in r (clipped) to OnChange.
    void Changed(const TRect& r);

    // Expires when the canvas is destroyed: lets painters that remember a canvas check it.
    std::weak_ptr<void> Alive() const { return alive_; }

private:
    // The raster's image, of which the part area will be read or written.
    QImage& image(const TRect& area) const;
    QImage& image() const;
    // Draws a closed figure given by its row function, pen inside, brush inside the pen.
    template <typename RowFn>
    void closedFigure(const TRect& box, RowFn rows);
    template <typename RowFn>
    void styledOutline(const TRect& box, RowFn rows);
    void thinSegment(int x0, int y0, int x1, int y1);
    void thickSegment(int x0, int y0, int x1, int y1);
    void segment(int x0, int y0, int x1, int y1);
    // Reports the four edges, w pixels thick, of the frame b.
    void changedFrame(const TRect& b, int w);
    void drawText(const TRect* clip, int x, int y, const QString& text);

    TBitmap* owner_;
    std::shared_ptr<void> alive_ = std::make_shared<char>(0);
    int dashPhase_ = 0; // position in the pen's dash pattern, carried from line to line
};
