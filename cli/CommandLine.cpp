#include "cli/CommandLine.h"

#include <charconv>

#include "platform/Charset.h"

namespace rewrix::cli {

const char* const kUsage =
    "Usage: rewrix-cli [--dict FILE] [--shuffle none|paragraph|sentence] [--no-synonyms]\n"
    "                  [--traditional] [--seed N] [--encoding NAME] [--progress] [-o DIR]\n"
    "                  [FILE...]\n"
    "\n"
    "Rewrites each FILE (or standard input) and writes the result in UTF-8: to\n"
    "standard output for standard input or a single FILE, else into DIR under the\n"
    "same file name.\n"
    "\n"
    "  --dict FILE        the synonym dictionary (default: data/dict.dict beside\n"
    "                     the program)\n"
    "  --shuffle MODE     shuffle paragraphs or sentences (default: none)\n"
    "  --no-synonyms      leave out the synonym replacement\n"
    "  --traditional      convert the result to Traditional characters\n"
    "  --seed N           start the random source at N instead of its fixed state\n"
    "  --encoding NAME    the inputs' character set: utf-8 (default), gb2312, gbk,\n"
    "                     gb18030 or big5\n"
    "  --progress         show the progress reports on standard error\n"
    "  -o, --output DIR   write the results into DIR\n"
    "  -h, --help         show this help\n";

ParseResult ParseCommandLine(const std::vector<std::string>& args) {
    ParseResult result;
    CliOptions& o = result.options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size() && result.error.empty(); ++i) {
        std::string arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            o.inputs.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::optional<std::string> inlineValue;
        if (arg.starts_with("--")) {
            if (std::size_t eq = arg.find('='); eq != std::string::npos) {
                inlineValue = arg.substr(eq + 1);
                arg.resize(eq);
            }
        }
        auto value = [&]() -> std::optional<std::string> {
            if (inlineValue) {
                return inlineValue;
            }
            if (i + 1 < args.size()) {
                return args[++i];
            }
            result.error = "option " + arg + " needs a value";
            return std::nullopt;
        };
        auto flag = [&](bool& target) {
            if (inlineValue) {
                result.error = "option " + arg + " takes no value";
            }
            target = true;
        };
        if (arg == "-h" || arg == "--help") {
            flag(o.help);
        } else if (arg == "--no-synonyms") {
            bool off = false;
            flag(off);
            o.synonyms = false;
        } else if (arg == "--traditional") {
            flag(o.traditional);
        } else if (arg == "--progress") {
            flag(o.progress);
        } else if (arg == "--dict") {
            if (auto v = value()) {
                o.dict = *v;
            }
        } else if (arg == "-o" || arg == "--output") {
            if (auto v = value()) {
                o.outputDir = *v;
            }
        } else if (arg == "--shuffle") {
            if (auto v = value()) {
                if (*v == "none") {
                    o.shuffle = engine::Separator::None;
                } else if (*v == "paragraph") {
                    o.shuffle = engine::Separator::Paragraph;
                } else if (*v == "sentence") {
                    o.shuffle = engine::Separator::Sentence;
                } else {
                    result.error =
                        "--shuffle takes none, paragraph or sentence, not \"" + *v + "\"";
                }
            }
        } else if (arg == "--seed") {
            if (auto v = value()) {
                std::uint64_t seed = 0;
                auto [end, ec] = std::from_chars(v->data(), v->data() + v->size(), seed);
                if (ec != std::errc() || end != v->data() + v->size() || v->empty()) {
                    result.error =
                        "--seed takes a whole number from 0 to 2^64-1, not \"" + *v + "\"";
                } else {
                    o.seed = seed;
                }
            }
        } else if (arg == "--encoding") {
            if (auto v = value()) {
                if (!platform::Charset::FromName(*v)) {
                    result.error =
                        "unknown encoding \"" + *v + "\" (utf-8, gb2312, gbk, gb18030 or big5)";
                } else {
                    o.encoding = *v;
                }
            }
        } else {
            result.error = "unknown option " + arg;
        }
    }
    return result;
}

} // namespace rewrix::cli
