#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/LineEndings.h"
#include "platform/Charset.h"
#include "platform/Cp936.h"
#include "tests/support/TempDirTest.h"

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status = -1;
    std::string out, err;
};

class RewrixCli : public rewrix::test::TempDirTest {
protected:
    RewrixCli() : TempDirTest("rewrix-cli") {}

    void SetUp() override {
        TempDirTest::SetUp();
        // Chained entries, a deleting line, an empty word and an empty line.
        dict_ = Write("dict.dict",
                      Gbk("美丽|漂亮\r\n漂亮|好看\r\n|空\r\n\r\n啊\r\n头发|秀发|多余\r\n"));
    }

    static std::string Gbk(const std::string& utf8) {
        auto text = rewrix::platform::Charset::Utf8().Decode(utf8);
        return *rewrix::platform::EncodeCp936(text);
    }

    // Runs the program with `args`, `input` on standard input.
    Outcome Run(std::vector<std::string> args, const std::string& input = "",
                const char* stdoutPath = nullptr) {
        fs::path in = Write("stdin.bin", input), out = dir_ / "stdout.bin",
                 err = dir_ / "stderr.bin";
        pid_t child = ::fork();
        if (child == 0) {
            ::dup2(::open(in.c_str(), O_RDONLY), 0);
            ::dup2(
                ::open(stdoutPath ? stdoutPath : out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644),
                1);
            ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
            ::chdir(dir_.c_str());
            std::vector<char*> argv;
            std::string program = REWRIX_PROGRAM_DIR "/rewrix-cli";
            argv.push_back(program.data());
            for (std::string& a : args) {
                argv.push_back(a.data());
            }
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Read(out), Read(err)};
    }

    std::vector<std::string> WithDict(std::vector<std::string> args) {
        args.insert(args.begin(), {"--dict", dict_.string()});
        return args;
    }

    fs::path dict_;
};

} // namespace

TEST_F(RewrixCli, AppliesTheDictionaryInFileOrder) {
    Outcome o = Run(WithDict({}), "美丽的头发啊，真美丽。\n");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "好看的秀发，真好看。");
    EXPECT_EQ(o.err, "");

    o = Run(WithDict({"--no-synonyms"}), "美丽的头发啊，真美丽。\n\n\n第二段\n");
    EXPECT_EQ(o.out, "美丽的头发啊，真美丽。\n第二段");
}

TEST_F(RewrixCli, TidiesLineBreaksAndKeepsTheInputsKind) {
    struct Case {
        std::string input, output;
    } cases[] = {
        {"\n\n第一段美丽\n\n\n第二段\n \n第三段\n\n", "第一段好看\n第二段\n \n第三段"},
        {"\r\n第一段美丽\r\n\r\n第二段\n第三段\r\n", "第一段好看\r\n第二段\r\n第三段"},
        {"第一段\r美丽\r\r\n\r\n第二段abc", "第一段\r好看\r\r\n第二段abc"},
        {"\r\n\r\n\r\n\r\n\r\n", ""},
        {"九个字符的美丽文本", "九个字符的美丽文本"}, // under ten characters: untouched
        {"十个字符的美丽文本啊", "十个字符的好看文本"},
    };
    for (const Case& c : cases) {
        Outcome o = Run(WithDict({}), c.input);
        EXPECT_EQ(o.status, 0);
        EXPECT_EQ(o.out, c.output) << c.input;
    }
}

TEST_F(RewrixCli, ShufflesThroughOneRandomSourceStartedByTheSeed) {
    std::string article = "一段\n二段\n三段\n四段\n五段\n六段";
    fs::path a = Write("a.txt", article), b = Write("in/b.txt", article);
    Outcome first = Run(WithDict({"--shuffle", "paragraph", "-o", "out", "a.txt", "in/b.txt"}));
    ASSERT_EQ(first.status, 0) << first.err;
    std::string outA = Read(dir_ / "out/a.txt"), outB = Read(dir_ / "out/b.txt");
    EXPECT_NE(outA, outB); // the second input draws further along the same sequence
    Outcome again = Run(WithDict({"--shuffle", "paragraph", "a.txt"}));
    EXPECT_EQ(again.out, outA); // the fixed starting state

    std::vector<std::string> sortedParagraphs{"一段", "二段", "三段", "四段", "五段", "六段"};
    std::sort(sortedParagraphs.begin(), sortedParagraphs.end());
    std::set<std::string> seen;
    for (const char* seed : {"1", "2", "3", "4", "5"}) {
        Outcome o = Run(WithDict({"--shuffle=paragraph", "--seed", seed, "a.txt"}));
        std::vector<std::string> lines;
        std::stringstream s(o.out);
        for (std::string line; std::getline(s, line);) {
            lines.push_back(line);
        }
        std::sort(lines.begin(), lines.end());
        EXPECT_EQ(lines, sortedParagraphs);
        seen.insert(o.out);
        EXPECT_EQ(Run(WithDict({"--shuffle=paragraph", "--seed", seed, "a.txt"})).out, o.out);
    }
    EXPECT_GT(seen.size(), 1u);

    Outcome sentences =
        Run(WithDict({"--shuffle", "sentence", "--seed", "9"}), "甲乙。丙丁。戊己。庚辛。");
    EXPECT_FALSE(sentences.out.ends_with("。"));
    EXPECT_FALSE(sentences.out.starts_with("。"));
}

TEST_F(RewrixCli, ConvertsHtmlToTraditionalWhateverItsLength) {
    Outcome o = Run(WithDict({"--traditional", "--no-synonyms"}),
                    "<p class=\"x\">头发😀</p>\n<a href=\"/发展\">发展</a>");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, "<p class=\"x\">頭髮😀</p>\n<a href=\"/發展\">發展</a>");
    EXPECT_EQ(Run(WithDict({"--traditional"}), "头发").out, "頭髮");
}

TEST_F(RewrixCli, ReadsTheNamedEncodings) {
    Outcome o = Run(WithDict({"--encoding", "GBK"}), Gbk("美丽的头发，真是美丽啊"));
    EXPECT_EQ(o.out, "好看的秀发，真是好看");
    o = Run(WithDict({"--encoding", "utf-8"}), "\xEF\xBB\xBF美丽的头发，真是美丽\xFF");
    EXPECT_EQ(o.out, "好看的秀发，真是好看\xEF\xBF\xBD");
    EXPECT_EQ(Run(WithDict({"--encoding", "latin1"})).status, 2);
}

TEST_F(RewrixCli, AMissingDictionaryEndsTheRunWithItsMessage) {
    const std::string message = "词典文件损坏或丢失，请到官网下载完整安装包！\n";
    fs::create_directory(dir_ / "folder.dict");
    for (const char* dict : {"missing.dict", "folder.dict"}) {
        Outcome o = Run({"--dict", dict}, "一篇足够长的文章在这里呢");
        EXPECT_EQ(o.status, 1);
        EXPECT_EQ(o.err, message);
        EXPECT_EQ(o.out, "");
    }
    // An empty dictionary is a dictionary with no entries.
    Write("empty.dict", "");
    EXPECT_EQ(Run({"--dict", "empty.dict"}, "美丽的头发，真是美丽啊").out,
              "美丽的头发，真是美丽啊");
}

TEST_F(RewrixCli, UnreadableInputsAreReportedAndTheOthersStillDone) {
    Write("a.txt", "第一篇美丽的文章内容");
    Write("c.txt", "第三篇美丽的文章内容");
    fs::create_directory(dir_ / "b.txt");
    Outcome o = Run(WithDict({"-o", "out", "a.txt", "b.txt", "missing.txt", "c.txt"}));
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "rewrix-cli: b.txt: Is a directory\n"
                     "rewrix-cli: missing.txt: No such file or directory\n");
    EXPECT_EQ(Read(dir_ / "out/a.txt"), "第一篇好看的文章内容");
    EXPECT_EQ(Read(dir_ / "out/c.txt"), "第三篇好看的文章内容");
}

TEST_F(RewrixCli, RefusesCommandLinesItCannotServeBeforeWritingAnything) {
    Write("a.txt", "第一篇美丽的文章内容");
    Write("sub/a.txt", "另一篇美丽的文章内容");
    Outcome o = Run(WithDict({"-o", "out", "a.txt", "sub/a.txt"}));
    EXPECT_EQ(o.status, 2);
    EXPECT_FALSE(fs::exists(dir_ / "out"));
    EXPECT_EQ(Run(WithDict({"a.txt", "sub/a.txt"})).status, 2);
    EXPECT_EQ(Run(WithDict({"--shuffle", "word"})).status, 2);
    EXPECT_EQ(Run(WithDict({"--seed", "-1"})).status, 2);
    EXPECT_EQ(Run(WithDict({"--dict"})).status, 2);
    Outcome help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: rewrix-cli"));
}

TEST_F(RewrixCli, AFailedWriteIsAFailure) {
    Outcome o = Run(WithDict({}), "一篇足够长的美丽文章", "/dev/full");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "rewrix-cli: standard output: No space left on device\n");
}

TEST_F(RewrixCli, ShowsTheProgressReports) {
    Outcome o = Run(WithDict({"--progress", "--shuffle", "sentence"}), "一句。二句。三句很美丽");
    EXPECT_NE(o.out.find("三句很好看"), std::string::npos);
    EXPECT_EQ(o.err, "等待中... 0/100\n等待中... 0/2\n等待中... 0/2\n等待中... 2/2\n"
                     "等待中... 0/2\n等待中... 0/5\n伪原创处理中.... 0/5\n伪原创处理中.... 0/5\n"
                     "伪原创处理完成！ 0/5\n");
}

TEST(LineEndings, ReachTheEngineAsCrLfAndComeBack) {
    using namespace rewrix::cli;
    EXPECT_EQ(ToEngineLineBreaks(u"a\nb\r\nc\rd\n\n"), u"a\r\nb\r\nc\rd\r\n\r\n");
    EXPECT_EQ(ToLfLineBreaks(u"a\r\nb\rc\r\n"), u"a\nb\rc\n");
    EXPECT_TRUE(HasCrLf(u"a\r\n"));
    EXPECT_FALSE(HasCrLf(u"a\n\r"));
}
