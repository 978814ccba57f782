#pragma once
#include "platform/Color.h"
#include <QWidget>
#include <functional>

// The 16-colour grid of the text box: 4 × 4 fields of the classic 16 colours with a foreground
// (left click, marked "FG") and a background (right click, marked "BG") index.
class TColorGrid : public QWidget {
public:
    explicit TColorGrid(QWidget* parent = nullptr);

    static constexpr int kAntal = 16;
    static TColor Farve(int Index);
    // The field of the colour, -1 when the grid lacks it.
    static int IndexOf(TColor Colour);

    int ForegroundIndex() const { return FForeground; }
    void SetForegroundIndex(int Index);
    int BackgroundIndex() const { return FBackground; }
    void SetBackgroundIndex(int Index);
    TColor ForegroundColor() const { return Farve(FForeground); }
    // The field under a point of the widget, -1 outside.
    int FieldAt(QPoint P) const;

    // A click changed an index (after the change).
    std::function<void()> OnChange;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect FieldRect(int Index) const;

    int FForeground = 0;
    int FBackground = 15;
};
