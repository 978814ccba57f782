#include "engine/ImageCurs.h"
#include "platform/Random.h"
#include <QPaintEvent>
#include <QPainter>

TImageCurs::TImageCurs(QWidget* parent) : QWidget(parent)
{
    FSprog = stDansk;
    Randomize();
    TCursors::RegisterToolCursors();
    // Every change of the view is shown on screen, and only the changed rectangle.
    FView.Canvas().OnChange = [this](const TRect& r) {
        update(ToQRect(r));
        if (OnViewChange)
            OnViewChange(r);
    };
}

void TImageCurs::SetToolNr(int value)
{
    FToolNr = value;
    SetToolCursor();
}

namespace {
// Cursor number by tool number; tools not listed keep the current cursor.
constexpr std::pair<int, TCursor> kToolCursor[] = {
    {0, 4},   {1, 5},   {2, 6},   {3, 7},   {7, 8},   {4, 9},   {8, 10},  {9, 11},   {10, 12},
    {20, 13}, {21, 14}, {100, 15}, {60, 16}, {61, 17}, {62, 18}, {70, 19}, {63, 20}, {71, 21},
    {65, 22}, {64, 23}, {80, 24}, {31, 25}, {32, 27}, {5, 28},  {6, 29},  {40, 30}, {22, 31},
    {50, 33}, {33, 34}, {34, 35}, {30, 36}, {101, 38}, {102, 39},
};
} // namespace

void TImageCurs::SetToolCursor()
{
    for (const auto& [tool, cursor] : kToolCursor)
        if (tool == FToolNr) {
            FCursor = cursor;
            setCursor(TCursors::Get(cursor));
            break;
        }
    if (OnCursor)
        OnCursor(this, FCursor);
}

void TImageCurs::SetObjektState(bool objekt, int objektNr)
{
    Objekt = objekt;
    FObjektNr = objektNr;
    if (OnObjekt)
        OnObjekt(this, objekt, objektNr);
}

void TImageCurs::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect r = event->rect();
    painter.drawImage(r, View().Image(), r);
}

void TImageCurs::ResizeComponent(int w, int h, bool clearView)
{
    resize(w, h);
    if (FView.Width() == width() && FView.Height() == height())
        return;
    // The view is redrawn from the picture after every size change: reuse its memory.
    FView.Reshape(width(), height());
    if (!clearView)
        return;
    TCanvas& c = FView.Canvas();
    const TBrush tools = c.Brush;
    c.Brush = {clWhite, bsSolid};
    c.FillRect(FView.BoundsRect());
    c.Brush = tools;
}

void TImageCurs::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (FView.Width() != width() || FView.Height() != height()) {
        FView.SetSize(width(), height());
        Paint();
    }
}
