// The document's zoom: at 1 the picture component itself is shown, at every other zoom the
// zoom view in its place; zooming keeps a picture point in place on the screen.
#include "shell/DocumentHost.h"
#include "shell/Malvoform.h"
#include "shell/ZoomView.h"
#include <QMdiArea>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

double TMalvoform::Zoom() const
{
    return ZoomView->Zoom();
}

QWidget* TMalvoform::Shown() const
{
    return Zoom() == 1 ? static_cast<QWidget*>(Image) : ZoomView;
}

QSize TMalvoform::ShownPictureSize() const
{
    return Zoom() == 1 ? QSize(Image->Picture().Width(), Image->Picture().Height()) : ZoomView->size();
}

void TMalvoform::ApplyZoom(double zoom)
{
    ZoomView->SetZoom(zoom);
    ZoomView->move(Image->pos());
    ZoomView->setVisible(zoom != 1);
    Image->setVisible(zoom == 1);
    if (FMiniPix)
        MiniPic->move(2 * Host.Opt().GMargenL + ShownPictureSize().width(), MiniPic->y());
    FitSheet();
}

void TMalvoform::SetZoom(double zoom)
{
    // The centre of the part of the picture in sight (the picture may not fill the window).
    const QRect inSight = QRect(Shown()->mapTo(Box->viewport(), QPoint(0, 0)), Shown()->size()) & Box->viewport()->rect();
    ZoomAround(zoom, inSight.isEmpty() ? Box->viewport()->rect().center() : inSight.center());
}

void TMalvoform::ZoomAround(double zoom, const QPoint& viewportPos)
{
    FZoomChosen = true;
    if (zoom == Zoom())
        return;
    QScrollBar* h = Box->horizontalScrollBar();
    QScrollBar* v = Box->verticalScrollBar();
    // The centre of the picture pixel under the point stays under it.
    const QPoint origin = Shown()->pos();
    const QPoint pixel = ZoomView->PicturePoint(
        QPointF(viewportPos.x() + h->value() - origin.x(), viewportPos.y() + v->value() - origin.y()));
    const QPointF centre(pixel.x() + 0.5, pixel.y() + 0.5);
    ApplyZoom(zoom);
    h->setValue(int(std::lround(centre.x() * zoom + origin.x() - viewportPos.x())));
    v->setValue(int(std::lround(centre.y() * zoom + origin.y() - viewportPos.y())));
}

double TMalvoform::FittingZoom() const
{
    // Without a document area on the screen there is no window to fit.
    if (!Host.MdiArea()->isVisible())
        return 1;
    const TOptions& opt = Host.Opt();
    // Before the window is first shown it will fill the document area (documents open maximised).
    const QSize room = (isVisible() ? Box->maximumViewportSize() : Host.MdiArea()->viewport()->size()) -
                       QSize(2 * opt.GMargenL, 2 * opt.GMargenV);
    return ZoomLevels::Fitting(Image->width(), Image->height(), room);
}

bool TMalvoform::WheelZoom(QObject* watched, QWheelEvent* wheel)
{
    const int delta = wheel->angleDelta().y();
    if (!(wheel->modifiers() & Qt::ControlModifier) || delta == 0)
        return false;
    const QPoint at = static_cast<QWidget*>(watched)->mapTo(Box->viewport(), wheel->position().toPoint());
    ZoomAround(ZoomLevels::Step(Zoom(), delta > 0 ? 1 : -1), at);
    return true;
}
