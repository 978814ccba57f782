#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <sys/types.h>

// Every file the program writes goes through here. The bytes go to a temporary file in the
// target's folder; every write, the sync to the disk and the close are checked; only then is
// the temporary file renamed over the target and the folder synced. On any failure the
// temporary file is removed, the old file keeps its bytes, and the result is False. A file
// that existed keeps its permissions.
bool WriteFileSafely(const QString& FileName, const QByteArray& Data);

// The one call that puts bytes into an open file, as write(2): the number of bytes written,
// or -1 with errno set. Tests replace it to make the disk run full at a chosen byte; an empty
// function restores the real one.
using TRawWriter = std::function<ssize_t(int Fd, const char* Data, size_t Size)>;
void SetRawWriter(TRawWriter Writer);

// While one lives, the names of the files whose safe write failed are collected in it (in
// the innermost one when several are nested), so a whole round of writes, such as closing
// the program, is reported in one message.
class TWriteFailures {
public:
    TWriteFailures();
    ~TWriteFailures();
    TWriteFailures(const TWriteFailures&) = delete;
    TWriteFailures& operator=(const TWriteFailures&) = delete;

    // Each failed file once, in the order of the first failure.
    const QStringList& Files() const { return files_; }
    void Add(const QString& FileName);

private:
    TWriteFailures* outer_;
    QStringList files_;
};
