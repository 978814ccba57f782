#pragma once
#include "platform/SafeWrite.h"
#include <algorithm>
#include <cerrno>
#include <unistd.h>

// While it lives, the safe write meets a disk that is full after Room more bytes: writes pass
// until then and the next fails with ENOSPC (a write that straddles the limit is cut short
// first, as the kernel does).
struct TFullDisk {
    explicit TFullDisk(qint64 Room)
    {
        SetRawWriter([this, Room](int fd, const char* data, size_t size) -> ssize_t {
            const qint64 left = Room - Written;
            if (left <= 0) {
                errno = ENOSPC;
                return -1;
            }
            const ssize_t done = ::write(fd, data, std::min<size_t>(size, size_t(left)));
            if (done > 0)
                Written += done;
            return done;
        });
    }
    ~TFullDisk() { SetRawWriter({}); }
    TFullDisk(const TFullDisk&) = delete;
    TFullDisk& operator=(const TFullDisk&) = delete;

    qint64 Written = 0;
};
