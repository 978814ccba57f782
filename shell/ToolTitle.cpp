#include "shell/ToolTitle.h"
#include <QEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSizeGrip>
#include <QToolButton>
#include <QToolTip>

TToolTitle::TToolTitle(QWidget* Window) : QWidget(Window), FWindow(Window)
{
    setObjectName(QStringLiteral("ToolTitle"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    FClose = new QToolButton(this);
    FClose->setObjectName(QStringLiteral("ToolTitleClose"));
    FClose->setText(QStringLiteral("\u00d7"));
    FClose->setAutoRaise(true);
    FClose->setFocusPolicy(Qt::NoFocus);
    FClose->installEventFilter(this);
    connect(FClose, &QToolButton::clicked, FWindow, &QWidget::close);
    FGrip = new QSizeGrip(FWindow);
    FGrip->setObjectName(QStringLiteral("ToolTitleGrip"));
    FWindow->installEventFilter(this);
    QWidget::hide();
    FGrip->hide();
}

void TToolTitle::SetShown(bool shown)
{
    if (shown == FShown)
        return;
    FShown = shown;
    if (shown) {
        FOwnMargins = FWindow->contentsMargins();
        const int h = TitleHeight();
        FWindow->setContentsMargins(FOwnMargins.left(), FOwnMargins.top() + h, FOwnMargins.right(),
                                    FOwnMargins.bottom());
        Place();
        show();
        FGrip->show();
    } else {
        FWindow->setContentsMargins(FOwnMargins);
        hide();
        FGrip->hide();
    }
    FPressed = false;
}

int TToolTitle::TitleHeight() const
{
    return fontMetrics().height() + 6;
}

void TToolTitle::Place()
{
    const int h = TitleHeight();
    setGeometry(0, 0, FWindow->width(), h);
    const int side = h - 4;
    FClose->setGeometry(width() - side - 2, 2, side, side);
    const QSize grip = FGrip->sizeHint();
    FGrip->setGeometry(FWindow->width() - grip.width(), FWindow->height() - grip.height(), grip.width(),
                       grip.height());
    raise();
    FGrip->raise();
}

bool TToolTitle::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FWindow && FShown
        && (event->type() == QEvent::Resize || event->type() == QEvent::WindowTitleChange
            || event->type() == QEvent::ChildAdded)) {
        Place();
        update();
    } else if (watched == FClose && event->type() == QEvent::ToolTip) {
        FClose->setToolTip(English() ? QStringLiteral("Close") : QStringLiteral("Luk"));
    }
    return QWidget::eventFilter(watched, event);
}

bool TToolTitle::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(),
                           English() ? QStringLiteral("Drag the title to move the window and drop it on a dock "
                                                      "to dock it; double-click to dock it")
                                     : QStringLiteral("Træk i titlen for at flytte vinduet, og slip det over en "
                                                      "dokplads for at docke det; dobbeltklik for at docke det"),
                           this);
        return true;
    }
    return QWidget::event(event);
}

void TToolTitle::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Highlight));
    p.setPen(palette().color(QPalette::HighlightedText));
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    const QRect text = rect().adjusted(6, 0, -(FClose->width() + 6), 0);
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
               QFontMetrics(bold).elidedText(FWindow->windowTitle(), Qt::ElideRight, text.width()));
}

void TToolTitle::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    FPressed = true;
    FMoved = false;
    FOffset = event->globalPosition().toPoint() - FWindow->pos();
}

void TToolTitle::mouseMoveEvent(QMouseEvent* event)
{
    if (!FPressed || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint global = event->globalPosition().toPoint();
    FMoved = true;
    FWindow->move(global - FOffset);
    if (OnDrag)
        OnDrag(global);
}

void TToolTitle::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !FPressed)
        return;
    FPressed = false;
    if (FMoved && OnDrop)
        OnDrop(event->globalPosition().toPoint());
}

void TToolTitle::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    FPressed = false;
    if (OnDoubleClick)
        OnDoubleClick();
}
