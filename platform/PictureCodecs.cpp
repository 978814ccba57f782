#include "platform/PictureCodecs.h"
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace PictureCodecs {

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
