#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include <QFontMetrics>
#include <QPainter>

int TCanvas::TextWidth(const QString& text) const
{
    return QFontMetrics(Font.ToQFont()).horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString& text) const
{
    return QFontMetrics(Font.ToQFont()).height();
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    drawText(nullptr, x, y, text);
    PenPos = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text)
{
    drawText(&r, x, y, text);
}

void TCanvas::drawText(const TRect* clip, int x, int y, const QString& text)
{
    const QFont font = Font.ToQFont();
    const QFontMetrics metrics(font);
    const TRect cell = Bounds(x, y, metrics.horizontalAdvance(text), metrics.height());
    const TRect area = clip ? NormalizedRect(*clip) : cell;
    // Overhanging glyphs (italics) may reach a little beyond the cell.
    const int slack = metrics.height() / 2;
    QImage& img = image(clip ? area : InflateRect(cell, slack, slack));
    if (img.isNull())
        return;
    QPainter painter(&img);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (clip)
        painter.setClipRect(ToQRect(area));
    if (Brush.Style == bsSolid)
        painter.fillRect(ToQRect(area), ToQColor(Brush.Color));
    painter.setFont(font);
    painter.setPen(ToQColor(Font.Color));
    painter.drawText(x, y + metrics.ascent(), text);
    painter.end();
    Changed(clip ? area : InflateRect(cell, slack, 0));
}
