#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/AtomicFile.h"
#include "platform/TextStream.h"
#include "tests/support/TempDirTest.h"

using namespace rewrix::platform;
namespace fs = std::filesystem;

namespace {

class TempDir : public rewrix::test::TempDirTest {
protected:
    TempDir() : TempDirTest("rewrix-atomic") {}
};

using rewrix::test::WriteFileBytes;

std::size_t EntriesIn(const fs::path& dir) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
}

// Fails one chosen call the way a full disk or a broken medium would.
class FailingOps : public FileOps {
public:
    enum class Call { Open, Write, Fsync, Close, Rename };
    explicit FailingOps(Call call) : call_(call) {}
    int Open(const char* p, int f, mode_t m) override {
        return call_ == Call::Open ? Fail(EACCES) : FileOps::Open(p, f, m);
    }
    ssize_t Write(int fd, const void* d, size_t n) override {
        // Half the bytes land, then the disk is full.
        if (call_ == Call::Write) {
            if (!wrote_ && n > 1) {
                wrote_ = true;
                return FileOps::Write(fd, d, n / 2);
            }
            return Fail(ENOSPC);
        }
        return FileOps::Write(fd, d, n);
    }
    int Fsync(int fd) override { return call_ == Call::Fsync ? Fail(EIO) : FileOps::Fsync(fd); }
    int Close(int fd) override {
        int rc = FileOps::Close(fd);
        return call_ == Call::Close ? Fail(EIO) : rc;
    }
    int Rename(const char* a, const char* b) override {
        return call_ == Call::Rename ? Fail(EXDEV) : FileOps::Rename(a, b);
    }

private:
    static int Fail(int error) {
        errno = error;
        return -1;
    }
    Call call_;
    bool wrote_ = false;
};

} // namespace

TEST_F(TempDir, CreatesAndReplacesWholeFiles) {
    fs::path file = dir_ / "out.txt";
    EXPECT_EQ(WriteFileAtomically(file, "first, a long text"), "");
    EXPECT_EQ(Read(file), "first, a long text");
    EXPECT_EQ(WriteFileAtomically(file, "2nd"), "");
    EXPECT_EQ(Read(file), "2nd");
    EXPECT_EQ(WriteFileAtomically(file, ""), "");
    EXPECT_EQ(Read(file), "");
    EXPECT_EQ(EntriesIn(dir_), 1u);
}

TEST_F(TempDir, AFailureAtAnyStepLeavesThePreviousFileWholeAndNoTemporaryFile) {
    using Call = FailingOps::Call;
    struct Case {
        Call call;
        const char* description;
    } cases[] = {{Call::Open, "Permission denied"},
                 {Call::Write, "No space left on device"},
                 {Call::Fsync, "Input/output error"},
                 {Call::Close, "Input/output error"},
                 {Call::Rename, "Invalid cross-device link"}};
    fs::path file = dir_ / "keep.txt";
    for (const Case& c : cases) {
        WriteFileBytes(file, "the previous content");
        FailingOps ops(c.call);
        EXPECT_EQ(WriteFileAtomically(file, std::string(10000, 'x'), ops), c.description);
        EXPECT_EQ(Read(file), "the previous content");
        EXPECT_EQ(EntriesIn(dir_), 1u);
    }
}

TEST_F(TempDir, KeepsPermissionsFollowsLinksAndRefusesFolders) {
    fs::path file = dir_ / "mode.txt";
    WriteFileBytes(file, "old");
    ::chmod(file.c_str(), 0640);
    ASSERT_EQ(WriteFileAtomically(file, "new"), "");
    struct stat info {};
    ::stat(file.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    fs::path link = dir_ / "link.txt";
    fs::create_symlink(file, link);
    ASSERT_EQ(WriteFileAtomically(link, "through the link"), "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(file), "through the link");

    fs::create_directory(dir_ / "folder");
    EXPECT_EQ(WriteFileAtomically(dir_ / "folder", "x"), "Is a directory");
    EXPECT_EQ(WriteFileAtomically(dir_ / "missing" / "a.txt", "x"), "No such file or directory");
    fs::path longName = dir_ / std::string(250, 'n');
    EXPECT_EQ(WriteFileAtomically(longName, "a name near the limit"), "");
    EXPECT_EQ(Read(longName), "a name near the limit");
}

TEST_F(TempDir, TextStreamWritesTheChosenCharsetOrFailsNamingTheCharacter) {
    fs::path file = dir_ / "s.txt";
    TextStream stream;
    ASSERT_TRUE(stream.SetCharset(u"UTF-8"));
    stream.Open();
    stream.WriteText(u"中文");
    stream.WriteText(u"\r\n");
    ASSERT_TRUE(stream.SaveToFile(file));
    EXPECT_EQ(Read(file), "\xE4\xB8\xAD\xE6\x96\x87\r\n");

    ASSERT_TRUE(stream.SetCharset(u"big5"));
    stream.Open(); // a new stream: the earlier text is gone
    stream.WriteText(u"中头");
    EXPECT_FALSE(stream.SaveToFile(file));
    EXPECT_EQ(stream.Description(), u"字符“头” U+5934（第 2 个字符）无法以字符集“big5”保存");
    EXPECT_EQ(Read(file), "\xE4\xB8\xAD\xE6\x96\x87\r\n");

    EXPECT_FALSE(stream.SetCharset(u"latin1"));
    EXPECT_EQ(stream.Description(), u"不支持的字符集“latin1”");
}
