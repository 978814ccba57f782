#include "platform/Trash.h"
#include "platform/SafeWrite.h"
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <sys/stat.h>
#include <cstdio>

namespace {

bool SameFileSystem(const QString& a, const QString& b)
{
    struct stat sa {}, sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0
        && sa.st_dev == sb.st_dev;
}

// Makes a folder the user alone may enter, as the trash folders must be.
bool MakePrivateFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        return false;
    ::chmod(QFile::encodeName(path).constData(), 0700);
    return true;
}

// A name under which neither "files" nor "info" of the trash holds anything yet.
QString FreeName(const QString& trash, const QString& name)
{
    QString candidate = name;
    for (int n = 2; QFileInfo::exists(trash + "/files/" + candidate)
                    || QFileInfo::exists(trash + "/info/" + candidate + ".trashinfo");
         ++n)
        candidate = name + QLatin1Char('.') + QString::number(n);
    return candidate;
}

} // namespace

QString HomeTrashFolder()
{
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    // The base-directory rules of freedesktop.org ignore a relative XDG_DATA_HOME.
    const QString base = QDir::isAbsolutePath(dataHome) ? dataHome : QDir::homePath() + "/.local/share";
    return QDir::cleanPath(base + "/Trash");
}

bool MoveToTrash(const QString& FileName)
{
    const QFileInfo info(FileName);
    if (!info.exists() && !info.isSymLink())
        return false;
    const QString path = info.absoluteFilePath();
    const QString trash = HomeTrashFolder();
    if (!MakePrivateFolder(trash + "/files") || !MakePrivateFolder(trash + "/info"))
        return false;
    ::chmod(QFile::encodeName(trash).constData(), 0700);
    if (!SameFileSystem(info.absolutePath(), trash)) {
        // Another file system: its own trash, which Qt's move finds. It must end in a "files"
        // folder of a trash, never anywhere else.
        QString inTrash;
        if (!QFile::moveToTrash(path, &inTrash))
            return false;
        if (QFileInfo(inTrash).isAbsolute() && QFileInfo(QFileInfo(inTrash).absolutePath()).fileName() == "files")
            return true;
        QFile::rename(inTrash, path);
        return false;
    }
    const QString name = FreeName(trash, info.fileName());
    const QString record = trash + "/info/" + name + ".trashinfo";
    const QByteArray text = "[Trash Info]\nPath=" + QUrl::toPercentEncoding(path, "/") + "\nDeletionDate="
        + QDateTime::currentDateTime().toString(Qt::ISODate).left(19).toUtf8() + "\n";
    if (!WriteFileSafely(record, text))
        return false;
    if (std::rename(QFile::encodeName(path).constData(), QFile::encodeName(trash + "/files/" + name).constData()) != 0) {
        QFile::remove(record);
        return false;
    }
    return true;
}
