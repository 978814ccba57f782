#include "platform/PictureCodecs.h"
#include <QFile>
#include <QFileInfo>

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

} // namespace PictureCodecs
