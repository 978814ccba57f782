#include "platform/Clipboard.h"
#include "platform/Bitmap.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {
QClipboard* Board()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}
} // namespace

bool TClipboard::Available()
{
    return Board() != nullptr;
}

bool TClipboard::HasBitmap()
{
    QClipboard* board = Board();
    const QMimeData* data = board ? board->mimeData() : nullptr;
    return data && data->hasImage();
}

bool TClipboard::SetBitmap(const TBitmap& bitmap)
{
    QClipboard* board = Board();
    if (!board || bitmap.Empty())
        return false;
    board->setImage(bitmap.Image());
    return true;
}

bool TClipboard::GetBitmap(TBitmap& bitmap)
{
    if (!HasBitmap())
        return false;
    const QImage image = Board()->image();
    if (image.isNull())
        return false;
    bitmap.SetImage(image);
    return !bitmap.Empty();
}
