#include "textbox/ColorGrid.h"
#include <QMouseEvent>
#include <QPainter>

namespace {
const TColor kFarver[TColorGrid::kAntal] = {clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple,
                                            clTeal,  clGray,   clSilver, clRed,  clLime, clYellow,
                                            clBlue,  clFuchsia, clAqua, clWhite};
constexpr int kSide = 4;
} // namespace

TColorGrid::TColorGrid(QWidget* parent) : QWidget(parent)
{
    setObjectName("ColorGrid");
    setMinimumSize(kSide * 14, kSide * 14);
}

TColor TColorGrid::Farve(int Index)
{
    return Index >= 0 && Index < kAntal ? kFarver[Index] : clBlack;
}

int TColorGrid::IndexOf(TColor Colour)
{
    for (int i = 0; i < kAntal; ++i)
        if (kFarver[i] == Colour)
            return i;
    return -1;
}

void TColorGrid::SetForegroundIndex(int Index)
{
    if (Index >= 0 && Index < kAntal && Index != FForeground) {
        FForeground = Index;
        update();
    }
}

void TColorGrid::SetBackgroundIndex(int Index)
{
    if (Index >= 0 && Index < kAntal && Index != FBackground) {
        FBackground = Index;
        update();
    }
}

QRect TColorGrid::FieldRect(int Index) const
{
    const int w = width() / kSide, h = height() / kSide;
    return {(Index % kSide) * w, (Index / kSide) * h, w, h};
}

int TColorGrid::FieldAt(QPoint P) const
{
    for (int i = 0; i < kAntal; ++i)
        if (FieldRect(i).contains(P))
            return i;
    return -1;
}

void TColorGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QFont f = font();
    f.setPixelSize(std::max(6, height() / kSide / 2));
    p.setFont(f);
    for (int i = 0; i < kAntal; ++i) {
        const QRect r = FieldRect(i);
        p.fillRect(r, ToQColor(kFarver[i]));
        p.setPen(Qt::gray);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        QString mark;
        if (i == FForeground)
            mark = QStringLiteral("FG");
        if (i == FBackground)
            mark += QStringLiteral("BG");
        if (!mark.isEmpty()) {
            // The mark in the colour that stands out against the field.
            const TColor c = kFarver[i];
            const bool light = GetRValue(c) + 2 * GetGValue(c) + GetBValue(c) > 2 * 255;
            p.setPen(light ? Qt::black : Qt::white);
            p.drawText(r, Qt::AlignCenter, mark);
        }
    }
}

void TColorGrid::mousePressEvent(QMouseEvent* event)
{
    const int index = FieldAt(event->position().toPoint());
    if (index < 0)
        return;
    if (event->button() == Qt::LeftButton)
        SetForegroundIndex(index);
    else if (event->button() == Qt::RightButton)
        SetBackgroundIndex(index);
    else
        return;
    if (OnChange)
        OnChange();
}
