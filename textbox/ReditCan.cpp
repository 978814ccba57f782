#include "textbox/ReditCan.h"
#include "platform/Clipboard.h"
#include <QPainter>

TReditCan::TReditCan(QWidget* parent) : QTextEdit(parent)
{
    setObjectName("Tekstbox");
    setAcceptRichText(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
    // Unsmoothed letters: a copy pasted transparently into a picture keeps no fringe of
    // blended pixels around them.
    QFont start(QStringLiteral("Courier New"), 10);
    start.setStyleStrategy(QFont::NoAntialias);
    document()->setDefaultFont(start);
    setCurrentFont(start);
}

const TBitmap& TReditCan::BitmapCan(const TRect& R)
{
    const int w = R.Right - R.Left + 1, h = R.Bottom - R.Top + 1;
    if (w <= 0 || h <= 0) {
        FBitmap = TBitmap();
        return FBitmap;
    }
    // The text area as the user reads it: the viewport without the frame, rendered at one
    // image pixel per widget pixel whatever the screen's scale, with the caret hidden. What
    // lies beyond the viewport stays the field's white.
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(palette().color(QPalette::Base));
    const int caret = cursorWidth();
    setCursorWidth(0);
    const QRect source = QRect(R.Left, R.Top, w, h) & viewport()->rect();
    if (!source.isEmpty()) {
        QPainter painter(&image);
        viewport()->render(&painter, source.topLeft() - QPoint(R.Left, R.Top), QRegion(source),
                           DrawWindowBackground | DrawChildren);
    }
    setCursorWidth(caret);
    FBitmap.SetImage(image);
    return FBitmap;
}

bool TReditCan::KopierCan(const TRect& R)
{
    if (R.Right < R.Left || R.Bottom < R.Top)
        return false;
    return TClipboard::SetBitmap(BitmapCan(R));
}

QFont TReditCan::SelectionFont() const
{
    return currentCharFormat().font().resolve(document()->defaultFont());
}

void TReditCan::Input()
{
    if (OnInput)
        OnInput();
}

void TReditCan::keyPressEvent(QKeyEvent* event)
{
    QTextEdit::keyPressEvent(event);
    Input();
}

void TReditCan::keyReleaseEvent(QKeyEvent* event)
{
    QTextEdit::keyReleaseEvent(event);
    Input();
}

void TReditCan::mousePressEvent(QMouseEvent* event)
{
    QTextEdit::mousePressEvent(event);
    Input();
}

void TReditCan::mouseMoveEvent(QMouseEvent* event)
{
    QTextEdit::mouseMoveEvent(event);
    Input();
}

void TReditCan::mouseReleaseEvent(QMouseEvent* event)
{
    QTextEdit::mouseReleaseEvent(event);
    Input();
}
