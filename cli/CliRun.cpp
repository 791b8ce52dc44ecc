#include "cli/CliRun.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <unistd.h>

#include "cli/CommandLine.h"
#include "cli/LineEndings.h"
#include "cli/ProgressLine.h"
#include "engine/LoadDict.h"
#include "engine/RewriteChain.h"
#include "engine/ToTraditional.h"
#include "platform/AtomicFile.h"
#include "platform/Charset.h"

namespace rewrix::cli {
namespace {

namespace fs = std::filesystem;

constexpr char kMissingDictionary[] = "词典文件损坏或丢失，请到官网下载完整安装包！";
constexpr char16_t kFinalText[] = u"伪原创处理完成！"; // the plain page's final text

void Report(const std::string& message) {
    std::fprintf(stderr, "rewrix-cli: %s\n", message.c_str());
}

fs::path ProgramDirectory() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
}

bool ReadAll(int fd, std::string& bytes, std::string& why) {
    char buffer[1 << 16];
    while (true) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            why = std::strerror(errno);
            return false;
        }
        if (n == 0) {
            return true;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

bool ReadInput(const std::string& name, std::string& bytes, std::string& why) {
    if (name == "-") {
        return ReadAll(STDIN_FILENO, bytes, why);
    }
    std::error_code ec;
    if (fs::is_directory(name, ec)) {
        why = std::strerror(EISDIR);
        return false;
    }
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (file == nullptr) {
        why = std::strerror(errno);
        return false;
    }
    bool ok = ReadAll(::fileno(file), bytes, why);
    std::fclose(file);
    return ok;
}

bool WriteStdout(const std::string& bytes, std::string& why) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(STDOUT_FILENO, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            why = std::strerror(n < 0 ? errno : ENOSPC);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string DisplayName(const std::string& input) {
    return input == "-" ? std::string("standard input") : input;
}

} // namespace

int RunCli(const std::vector<std::string>& args) {
    ParseResult parsed = ParseCommandLine(args);
    if (!parsed.error.empty()) {
        Report(parsed.error);
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
    CliOptions& o = parsed.options;
    if (o.help) {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    if (o.inputs.empty()) {
        o.inputs.push_back("-");
    }

    // Where each result goes, settled before anything is read or written.
    std::vector<std::optional<fs::path>> targets; // nullopt: standard output
    std::size_t toStdout = 0;
    std::map<std::string, std::string> byName;
    for (const std::string& input : o.inputs) {
        if (input == "-" || !o.outputDir) {
            targets.emplace_back(std::nullopt);
            ++toStdout;
            continue;
        }
        std::string name = fs::path(input).filename().string();
        if (name.empty() || name == "." || name == "..") {
            Report(input + ": not a file name to write under " + *o.outputDir);
            return kExitUsage;
        }
        auto [it, fresh] = byName.emplace(name, input);
        if (!fresh) {
            Report(input + " and " + it->second + " would both be written as " +
                   (fs::path(*o.outputDir) / name).string() + "; nothing was written");
            return kExitUsage;
        }
        targets.emplace_back(fs::path(*o.outputDir) / name);
    }
    if (toStdout > 1) {
        Report("several inputs need -o DIR: their results cannot share standard output");
        return kExitUsage;
    }

    fs::path dictPath = o.dict ? fs::path(*o.dict) : ProgramDirectory() / "data" / "dict.dict";
    std::error_code ec;
    if (!fs::is_regular_file(dictPath, ec)) {
        std::fprintf(stderr, "%s\n", kMissingDictionary);
        return kExitFailed;
    }
    engine::DictTable table = engine::LoadDict(dictPath);

    if (o.seed) {
        engine::RandomSource::Program().Start(*o.seed);
    }
    if (o.outputDir && !byName.empty()) {
        fs::create_directories(*o.outputDir, ec);
        if (ec) {
            Report(*o.outputDir + ": " + ec.message());
            return kExitFailed;
        }
    }

    const platform::Charset charset = *platform::Charset::FromName(o.encoding);
    const bool utf8 = charset.IconvName() == "UTF-8";
    engine::NullProgress silent;
    ProgressLine line(stderr);
    engine::Progress& progress = o.progress ? static_cast<engine::Progress&>(line) : silent;

    int status = kExitOk;
    for (std::size_t i = 0; i < o.inputs.size(); ++i) {
        const std::string& input = o.inputs[i];
        std::string bytes, why;
        if (!ReadInput(input, bytes, why)) {
            Report(DisplayName(input) + ": " + why);
            status = kExitFailed;
            continue;
        }
        if (utf8 && bytes.starts_with("\xEF\xBB\xBF")) {
            bytes.erase(0, 3); // a byte order mark is no part of the article
        }
        std::u16string original = charset.Decode(bytes);
        const bool crlf = HasCrLf(original);
        std::u16string text = ToEngineLineBreaks(original);
        if (std::optional<std::u16string> rewritten =
                engine::RewriteChain(text, o.shuffle, o.synonyms, table, progress)) {
            text = std::move(*rewritten);
            if (o.progress) {
                line.Finish(kFinalText);
            }
        }
        if (o.traditional) {
            text = engine::ToTraditional(std::move(text));
        }
        if (!crlf) {
            text = ToLfLineBreaks(text);
        }
        std::string out = platform::Charset::Utf8().EncodeReplacing(text, nullptr, "\xEF\xBF\xBD");
        if (!targets[i]) {
            if (!WriteStdout(out, why)) {
                Report("standard output: " + why);
                status = kExitFailed;
            }
            continue;
        }
        std::string failure = platform::WriteFileAtomically(*targets[i], out);
        if (!failure.empty()) {
            Report(targets[i]->string() + ": " + failure);
            status = kExitFailed;
        }
    }
    return status;
}

} // namespace rewrix::cli
