#pragma once
#include "shell/ViewOverview.h"
#include <QColor>
#include <QList>
#include <QWidget>
#include <vector>

class TImagePic;

// The zoom levels of a document, in picture pixels per logical screen pixel.
namespace ZoomLevels {
const QList<double>& All();
// The next level up (step 1) or down (step -1) from zoom, the end level when there is none.
double Step(double zoom, int step);
// The largest level up to 1 at which a w x h picture fits into room.
double Fitting(int w, int h, const QSize& room);
// "400 %", "6.25 %" (English) or "6,25 %" (Danish).
QString Text(double zoom, bool engelsk);
} // namespace ZoomLevels

// Shows a picture component's view at a zoom other than 1 in place of the component, which
// stays hidden at its picture size: above 1 each picture pixel is a block of zoom x zoom,
// from 8 with a thin grid; below 1 an area-averaged overview. Only the exposed rectangle is
// painted; the outlines the tools invert into the view are drawn one screen pixel thin.
// Presses, moves and releases reach the component in picture pixels (floor of position /
// zoom), so every tool works unchanged.
class TZoomView : public QWidget {
public:
    explicit TZoomView(TImagePic& picture, QWidget* parent = nullptr);

    double Zoom() const { return FZoom; }
    // Sets the zoom and sizes the widget to the picture's view at it.
    void SetZoom(double zoom);
    bool Grid() const { return FGrid; }
    void SetGrid(bool shown);
    void SetGridColour(const QColor& colour) { FGridColour = colour; }

    // The picture pixel under a position of the widget.
    QPoint PicturePoint(const QPointF& position) const;
    // The widget's position of a picture pixel's top-left corner.
    QPoint ScreenPoint(const QPoint& pixel) const;

    // Paints the widget's rectangle r (paintEvent's work; tests and benchmarks call it).
    void PaintArea(QPainter& painter, const QRect& r);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ViewChanged(const TRect& r);
    void Forward(QMouseEvent* event);
    void PaintBlocks(QPainter& painter, const QRect& r);
    // Inverts thin lines through the centres of the marked pixels' blocks within the widget's
    // rectangle area; marks cover the picture rectangle source.
    void DrawOutlines(QPainter& painter, const QRect& area, const QRect& source, const std::vector<uint8_t>& marks) const;

    TImagePic& FPicture;
    double FZoom = 1;
    QSize FShaped; // the component's size the widget's size was made for
    bool FGrid = true;
    QColor FGridColour = QColor(128, 128, 128);
    TViewOverview FOverview;
};
