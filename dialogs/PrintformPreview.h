#pragma once
#include <QImage>
#include <QWidget>

class TBitmap;

// The print dialog's preview: the paper as a white sheet and the picture on it at the place
// and size of the layout, both at one sixteenth of the printer's pixels. The widget keeps a
// reduced copy of the picture of its own, so it never refers to the caller's raster.
class TPrintPreview : public QWidget {
public:
    explicit TPrintPreview(QWidget* parent = nullptr);

    // Takes a copy of Picture for showing.
    void SetBillede(const TBitmap& Picture);
    // Paper is the sheet's size (the widget takes it), Billede the picture's place on it.
    void SetLayout(const QRect& Papir, const QRect& Billede);
    QRect BilledeRect() const { return FBillede; }

    // The largest side of the kept copy: a preview needs no more.
    static constexpr int kMaxSide = 1024;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage FImage;
    QRect FBillede;
};
