#pragma once

#include <sys/types.h>

namespace rewrix::platform {

// The system calls behind saving a file. Tests run as root, whom permissions
// do not stop, so they put a failing call in here to see a write fail.
// Each call follows the POSIX convention: -1 and errno on failure.
class FileOps {
public:
    virtual ~FileOps() = default;
    virtual int Open(const char* path, int flags, mode_t mode);
    virtual ssize_t Write(int fd, const void* data, size_t size);
    virtual int Fsync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
    virtual int Unlink(const char* path);

    // The calls as the system makes them.
    static FileOps& System();
};

} // namespace rewrix::platform
