#include "platform/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rewrix::platform {
namespace {

std::string Describe(int error) {
    return std::strerror(error);
}

} // namespace

std::string WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                FileOps& ops) {
    namespace fs = std::filesystem;
    if (path.empty()) {
        return Describe(ENOENT);
    }
    fs::path target = path;
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) {
            target = resolved;
        }
    }
    struct stat existing {};
    bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return Describe(EISDIR);
    }

    static std::atomic<unsigned> counter{0};
    fs::path folder = target.parent_path();
    int fd = -1;
    fs::path temp;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        // Cut long names so that the temporary name stays within the system's limit.
        temp = folder / ("." + target.filename().string().substr(0, 200) + ".tmp" +
                         std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fd = ops.Open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return Describe(errno);
        }
    }
    if (fd < 0) {
        return Describe(EEXIST);
    }

    auto fail = [&](int error, bool open) {
        if (open) {
            ops.Close(fd);
        }
        ops.Unlink(temp.c_str());
        return Describe(error);
    };

    if (exists) {
        ::fchmod(fd, existing.st_mode & 07777);
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ops.Write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(errno, true);
        }
        if (n == 0) {
            return fail(ENOSPC, true);
        }
        written += static_cast<std::size_t>(n);
    }
    if (ops.Fsync(fd) != 0) {
        return fail(errno, true);
    }
    if (ops.Close(fd) != 0) {
        return fail(errno, false);
    }
    if (ops.Rename(temp.c_str(), target.c_str()) != 0) {
        return fail(errno, false);
    }
    return {};
}

} // namespace rewrix::platform
