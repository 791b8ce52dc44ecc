#include "platform/FileOps.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace rewrix::platform {

int FileOps::Open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}
ssize_t FileOps::Write(int fd, const void* data, size_t size) {
    return ::write(fd, data, size);
}
int FileOps::Fsync(int fd) {
    return ::fsync(fd);
}
int FileOps::Close(int fd) {
    return ::close(fd);
}
int FileOps::Rename(const char* from, const char* to) {
    return ::rename(from, to);
}
int FileOps::Unlink(const char* path) {
    return ::unlink(path);
}

FileOps& FileOps::System() {
    static FileOps ops;
    return ops;
}

} // namespace rewrix::platform
