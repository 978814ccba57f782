#include "platform/PictureCodecs.h"
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace PictureCodecs {

bool SizeAllowed(qint64 w, qint64 h)
{
    return w > 0 && h > 0 && w <= kMaxSide && h <= kMaxSide && w * h * 4 <= kMaxBytes;
}

bool ReadFile(const QString& path, QByteArray& data)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Anything larger than the biggest raster we accept is not a picture of ours.
    if (file.size() > kMaxBytes + 4096)
        return false;
    data = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool WriteFileSafely(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace PictureCodecs
