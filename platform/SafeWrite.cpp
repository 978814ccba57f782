#include "platform/SafeWrite.h"
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TRawWriter& RawWriter()
{
    static TRawWriter writer;
    return writer;
}

TWriteFailures*& InnermostFailures()
{
    static TWriteFailures* innermost = nullptr;
    return innermost;
}

ssize_t WriteSome(int fd, const char* data, size_t size)
{
    return RawWriter() ? RawWriter()(fd, data, size) : ::write(fd, data, size);
}

// Writes all of data, going on after short writes and interruptions.
bool WriteAll(int fd, const QByteArray& data)
{
    const char* p = data.constData();
    size_t left = size_t(data.size());
    while (left > 0) {
        const ssize_t n = WriteSome(fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= size_t(n);
    }
    return true;
}

// A new file gets the permissions the user's umask allows for an ordinary file.
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Syncs the folder so the rename itself survives a power failure. A folder that cannot be
// opened for syncing (some file systems) does not make the write fail: the rename is done.
void SyncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool WriteThroughTemporary(const QString& FileName, const QByteArray& Data)
{
    const QFileInfo target(FileName);
    const QByteArray folder = QFile::encodeName(target.absolutePath());
    QByteArray temp = folder + "/.malvo-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat old {};
    const QByteArray path = QFile::encodeName(target.absoluteFilePath());
    const mode_t mode = ::stat(path.constData(), &old) == 0 ? (old.st_mode & 07777) : NewFileMode();
    // A file system without permissions refuses fchmod; that is no reason to fail the write.
    ::fchmod(fd, mode);
    bool ok = WriteAll(fd, Data) && ::fsync(fd) == 0;
    // close() can report a delayed write error on some file systems.
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.constData(), path.constData()) == 0;
    if (!ok) {
        ::unlink(temp.constData());
        return false;
    }
    SyncFolder(folder);
    return true;
}

} // namespace

bool WriteFileSafely(const QString& FileName, const QByteArray& Data)
{
    if (WriteThroughTemporary(FileName, Data))
        return true;
    if (TWriteFailures* failures = InnermostFailures())
        failures->Add(FileName);
    return false;
}

void SetRawWriter(TRawWriter Writer)
{
    RawWriter() = std::move(Writer);
}

TWriteFailures::TWriteFailures() : outer_(InnermostFailures())
{
    InnermostFailures() = this;
}

TWriteFailures::~TWriteFailures()
{
    InnermostFailures() = outer_;
}

void TWriteFailures::Add(const QString& FileName)
{
    if (!files_.contains(FileName))
        files_.append(FileName);
}
