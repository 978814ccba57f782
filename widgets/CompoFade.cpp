#include "widgets/CompoFade.h"
#include "platform/MouseInput.h"
#include "util/Near.h"
#include <QMouseEvent>
#include <algorithm>

namespace {
// Channel k (0 red, 1 green, 2 blue) of a colour as stored.
int Channel(TColor c, int k)
{
    return (uint32_t(c) >> (8 * k)) & 0xFF;
}

// The colour i / half of the way from a to b, each channel to the nearest integer.
TColor Between(TColor a, TColor b, int i, int half)
{
    int ch[3];
    for (int k = 0; k < 3; ++k) {
        const int c0 = Channel(a, k), c1 = Channel(b, k);
        ch[k] = Near(c0 + double(i) * (c1 - c0) / half);
    }
    return RGB(ch[0], ch[1], ch[2]);
}
} // namespace

TPreFadeCompo::TPreFadeCompo(QWidget* parent) : TPreRammeCompo(parent) {}

void TPreFadeCompo::SetFarve(TColor& field, TColor value)
{
    if (value == field)
        return;
    field = value;
    if (CompoPainted())
        DrawStrip();
}

std::vector<TColor> TPreFadeCompo::Columns() const
{
    const int n = CompoRekt.Right - CompoRekt.Left + 1;
    if (n <= 0)
        return {};
    std::vector<TColor> col(static_cast<size_t>(n));
    const int half = n / 2;
    // In the order of the drawing: where a tiny strip makes the parts overlap, the later wins.
    col[0] = FStartFarve;
    for (int i = 1; i <= half - 1; ++i)
        col[size_t(i)] = Between(FStartFarve, FMellemFarve, i, half);
    col[size_t(half)] = FMellemFarve;
    for (int i = half + 1; i <= n - 2; ++i)
        col[size_t(i)] = Between(FMellemFarve, FSlutFarve, i - half, half);
    col[size_t(n - 1)] = FSlutFarve;
    return col;
}

void TPreFadeCompo::DrawStrip()
{
    const std::vector<TColor> col = Columns();
    TBitmap& view = Canvas().Bitmap();
    const int x0 = CompoRekt.Left;
    // Columns from the top row down to the bottom row, the bottom row left out.
    const TRect r = IntersectRect(Rect(x0, CompoRekt.Top, x0 + int(col.size()), CompoRekt.Bottom),
                                  view.BoundsRect());
    if (r.IsEmpty())
        return;
    std::vector<uint32_t> row(size_t(r.Width()));
    for (int x = r.Left; x < r.Right; ++x)
        row[size_t(x - r.Left)] = ToQRgb(col[size_t(x - x0)] & 0xFFFFFF);
    for (int y = r.Top; y < r.Bottom; ++y)
        std::copy(row.begin(), row.end(), view.ScanLine(y) + r.Left);
    Canvas().Changed(r);
}

void TPreFadeCompo::Paint()
{
    TPreRammeCompo::Paint();
    DrawStrip();
}

TColor TPreFadeCompo::GetColor(int Pos)
{
    if (!CompoPainted() && !CompoBeregnet)
        BeregnAreas();
    const std::vector<TColor> col = Columns();
    if (col.empty())
        return FStartFarve & 0xFFFFFF;
    return col[size_t(std::clamp(Pos, 0, int(col.size()) - 1))] & 0xFFFFFF;
}

void TPreFadeCompo::mousePressEvent(QMouseEvent* event)
{
    if (OnMouseDown) {
        const QPoint p = event->position().toPoint();
        OnMouseDown(this, ButtonOf(event->button()), ShiftOf(event), p.x(), p.y());
    }
    TPreRammeCompo::mousePressEvent(event);
}
