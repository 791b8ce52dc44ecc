#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/TempDirTest.h"
#include "textio/FSO.h"

using rewrix::textio::FSO;
namespace fs = std::filesystem;

namespace {

class FsoTest : public rewrix::test::TempDirTest {
protected:
    FsoTest() : TempDirTest("rewrix-fso") {}

    std::u16string U(const fs::path& p) { return rewrix::textio::DisplayPath(p); }
};

class FailingWrites : public rewrix::platform::FileOps {
public:
    ssize_t Write(int, const void*, size_t) override {
        errno = ENOSPC;
        return -1;
    }
};

} // namespace

TEST_F(FsoTest, ReadsAWholeFileInCodePage936KeepingEveryByte) {
    fs::path p = Write("a.txt", "A|B\r\n\xD6\xD0|\xCE\xC4\n\r\x80\r\n");
    FSO fso;
    ASSERT_TRUE(fso.OpenFile(p));
    EXPECT_EQ(fso.GetFileText(), u"A|B\r\n中|文\n\r€\r\n");
    EXPECT_EQ(fso.GetErrorInfo(), u"");
}

TEST_F(FsoTest, FailedReadsKeepTheTextAndTheFirstFailureStays) {
    fs::path good = Write("good.txt", "ok");
    fs::path empty = Write("empty.txt", "");
    fs::path missing = dir_ / "missing.txt";
    fs::create_directory(dir_ / "folder");

    FSO fso;
    EXPECT_FALSE(fso.OpenFile(empty));
    EXPECT_EQ(fso.GetFileText(), u"");
    EXPECT_EQ(fso.GetErrorInfo(), U(empty) + u"打开失败！错误信息:文件为空");

    ASSERT_TRUE(fso.OpenFile(good));
    EXPECT_EQ(fso.GetErrorInfo(), U(empty) + u"打开失败！错误信息:文件为空");

    EXPECT_FALSE(fso.OpenFile(missing));
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_EQ(fso.GetErrorInfo(), U(missing) + u"打开失败！错误信息:No such file or directory");
    EXPECT_FALSE(fso.OpenFile(dir_ / "folder"));
    EXPECT_EQ(fso.GetErrorInfo(), U(dir_ / "folder") + u"打开失败！错误信息:Is a directory");
    ASSERT_EQ(::mkfifo((dir_ / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(fso.OpenFile(dir_ / "pipe")); // refused, not waited on
    EXPECT_EQ(fso.GetErrorInfo(), U(dir_ / "pipe") + u"打开失败！错误信息:不是普通文件");
    EXPECT_EQ(fso.GetFileText(), u"ok");
}

TEST_F(FsoTest, SavesInGb2312ByDefaultWithEveryGbkCharacterAndReplacesTheFile) {
    fs::path p = Write("out.txt", "a much longer previous content");
    FSO fso;
    ASSERT_TRUE(fso.SaveFile(p, u"體中€\r\n"));
    EXPECT_EQ(Read(p), "\xF3\x77\xD6\xD0\x80\r\n");
}

TEST_F(FsoTest, SavesInEachNamedCharset) {
    struct Case {
        std::u16string coding;
        std::string bytes;
    } cases[] = {
        {u"GBK", "\xD6\xD0\xCE\xC4"},
        {u"Utf-8", "\xE4\xB8\xAD\xE6\x96\x87"},
        {u"gb18030", "\xD6\xD0\xCE\xC4"},
        {u"BIG5", "\xA4\xA4\xA4\xE5"},
    };
    for (const Case& c : cases) {
        FSO fso;
        fso.SetCoding(c.coding);
        fs::path p = dir_ / "named.txt";
        ASSERT_TRUE(fso.SaveFile(p, u"中文"));
        EXPECT_EQ(Read(p), c.bytes);
    }
    FSO fso;
    fso.SetCoding(u"gb18030");
    ASSERT_TRUE(fso.SaveFile(dir_ / "emoji.txt", u"😀"));
    EXPECT_EQ(Read(dir_ / "emoji.txt"), "\x94\x39\xFC\x36");
}

TEST_F(FsoTest, FailedSavesLeaveTheFileWholeAndALaterSaveWorks) {
    fs::path p = Write("keep.txt", "previous");
    fs::path nowhere = dir_ / "no-folder" / "x.txt";
    FSO fso;
    EXPECT_FALSE(fso.SaveFile(nowhere, u"text"));
    EXPECT_EQ(fso.GetErrorInfo(), U(nowhere) + u"保存失败！错误信息:No such file or directory");

    EXPECT_FALSE(fso.SaveFile(p, u"中😀")); // no "?" in place of the emoji
    EXPECT_EQ(fso.GetErrorInfo(),
              U(p) + u"保存失败！错误信息:字符“😀” U+1F600（第 2 个字符）无法以字符集“gb2312”保存");
    EXPECT_EQ(Read(p), "previous");

    fso.SetCoding(u"latin1");
    EXPECT_FALSE(fso.SaveFile(p, u"abc"));
    EXPECT_EQ(fso.GetErrorInfo(), U(p) + u"保存失败！错误信息:不支持的字符集“latin1”");
    EXPECT_EQ(Read(p), "previous");

    fso.SetCoding(u"");
    EXPECT_TRUE(fso.SaveFile(p, u"new"));
    EXPECT_EQ(Read(p), "new");

    FailingWrites full;
    FSO onFullDisk(full);
    EXPECT_FALSE(onFullDisk.SaveFile(p, u"lost?"));
    EXPECT_EQ(onFullDisk.GetErrorInfo(), U(p) + u"保存失败！错误信息:No space left on device");
    EXPECT_EQ(Read(p), "new");
}

// Root ignores permissions, so the refusal is seen from a child process that
// runs as an unprivileged user.
TEST_F(FsoTest, AnUnprivilegedUserCannotReadOrReplaceAProtectedFile) {
    fs::path p = Write("protected.txt", "secret");
    ::chmod(p.c_str(), 0600);
    ::chmod(dir_.c_str(), 0755);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(3);
        }
        FSO fso;
        bool readRefused = !fso.OpenFile(p) &&
                           fso.GetErrorInfo() == U(p) + u"打开失败！错误信息:Permission denied";
        bool saveRefused = !fso.SaveFile(p, u"overwritten") &&
                           fso.GetErrorInfo() == U(p) + u"保存失败！错误信息:Permission denied";
        ::_exit(readRefused && saveRefused ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Read(p), "secret");
}
