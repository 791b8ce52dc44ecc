#include "textio/FSO.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Charset.h"
#include "platform/Cp936.h"

namespace rewrix::textio {
namespace {

std::u16string FromUtf8(const std::string& text) {
    return platform::Charset::Utf8().Decode(text);
}

// The whole file in one read of its length; false and a description on failure.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes, std::u16string& why) {
    // Non-blocking, so that a pipe or a device in place of the file is refused
    // below instead of waiting for a writer forever; regular files ignore it.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        why = FromUtf8(std::strerror(errno));
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        why = FromUtf8(std::strerror(errno));
        ::close(fd);
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        why = FromUtf8(std::strerror(EISDIR));
        ::close(fd);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        why = u"不是普通文件";
        ::close(fd);
        return false;
    }
    if (info.st_size == 0) {
        why = u"文件为空";
        ::close(fd);
        return false;
    }
    bytes.assign(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            why = FromUtf8(std::strerror(errno));
            ::close(fd);
            return false;
        }
        if (n == 0) {
            break; // the file shrank while we read it: keep what is there
        }
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    ::close(fd);
    return true;
}

} // namespace

FSO::FSO() : FSO(platform::FileOps::System()) {}

FSO::FSO(platform::FileOps& ops) : objStream(std::make_unique<platform::TextStream>(ops)) {}

FSO::~FSO() = default;

bool FSO::OpenFile(const std::filesystem::path& FileName) {
    std::string bytes;
    std::u16string why;
    bool ok = false;
    try {
        ok = ReadWholeFile(FileName, bytes, why);
        if (ok) {
            strFileText = platform::DecodeCp936(bytes);
        }
    } catch (const std::exception& e) {
        ok = false;
        why = FromUtf8(e.what());
    }
    if (!ok) {
        strErrorInfo = DisplayPath(FileName) + u"打开失败！错误信息:" + why;
    }
    return ok;
}

bool FSO::SaveFile(const std::filesystem::path& FileName, const std::u16string& strFileBody) {
    if (!objStream) {
        return false;
    }
    platform::TextStream& stream = *objStream;
    bool ok = false;
    try {
        ok = stream.SetCharset(strCoding.empty() ? u"gb2312" : strCoding);
        if (ok) {
            stream.Open();
            stream.WriteText(strFileBody);
            ok = stream.SaveToFile(FileName);
        }
    } catch (const std::exception& e) {
        ok = false;
        strErrorInfo = DisplayPath(FileName) + u"保存失败！错误信息:" + FromUtf8(e.what());
        stream.Close();
        return false;
    }
    if (!ok) {
        strErrorInfo = DisplayPath(FileName) + u"保存失败！错误信息:" + stream.Description();
    }
    stream.Close();
    return ok;
}

std::u16string DisplayPath(const std::filesystem::path& path) {
    return FromUtf8(path.native());
}

} // namespace rewrix::textio
