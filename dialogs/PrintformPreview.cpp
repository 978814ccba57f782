#include "dialogs/PrintformPreview.h"
#include <QPainter>
#include "platform/Bitmap.h"

TPrintPreview::TPrintPreview(QWidget* parent) : QWidget(parent)
{
    setObjectName("papir");
}

void TPrintPreview::SetBillede(const TBitmap& Picture)
{
    const QImage& image = Picture.Image();
    if (image.width() > kMaxSide || image.height() > kMaxSide)
        FImage = image.scaled(kMaxSide, kMaxSide, Qt::KeepAspectRatio, Qt::FastTransformation);
    else
        FImage = image.copy();
    update();
}

void TPrintPreview::SetLayout(const QRect& Papir, const QRect& Billede)
{
    FBillede = Billede;
    setFixedSize(Papir.size());
    update();
}

void TPrintPreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!FImage.isNull() && !FBillede.isEmpty())
        p.drawImage(FBillede, FImage);
    p.setPen(Qt::darkGray);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
