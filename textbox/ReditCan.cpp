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
    const QFont start(QStringLiteral("Courier New"), 10);
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
    // Rendered at one image pixel per widget pixel whatever the screen's scale, with the
    // caret hidden: the picture is the text as the user reads it.
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int caret = cursorWidth();
    setCursorWidth(0);
    {
        QPainter painter(&image);
        render(&painter, QPoint(), QRegion(R.Left, R.Top, w, h), DrawWindowBackground | DrawChildren);
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
