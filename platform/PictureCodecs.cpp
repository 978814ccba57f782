#include "platform/PictureCodecs.h"
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>

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

// The new content goes to a temporary file beside the target, which is then renamed over it
// in one step; the old file stays whole until the rename. The target keeps its permissions.
bool WriteFileSafely(const QString& path, const QByteArray& data)
{
    const QFileInfo target(path);
    QTemporaryFile temp(target.absolutePath() + QStringLiteral("/.malvo-XXXXXX"));
    if (!temp.open())
        return false;
    if (temp.write(data) != data.size() || !temp.flush())
        return false;
    const QFileDevice::Permissions permissions = target.exists()
        ? QFile::permissions(path)
        : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    temp.setPermissions(permissions);
    temp.close();
    if (std::rename(QFile::encodeName(temp.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    temp.setAutoRemove(false);
    return true;
}

} // namespace PictureCodecs
