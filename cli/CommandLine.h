#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/RewriteChain.h"

namespace rewrix::cli {

struct CliOptions {
    bool help = false;
    std::optional<std::string> dict; // default: data/dict.dict beside the executable
    engine::Separator shuffle = engine::Separator::None; // the window opens with no option chosen
    bool synonyms = true;
    bool traditional = false;
    std::optional<std::uint64_t> seed;
    std::string encoding = "utf-8";
    bool progress = false;
    std::optional<std::string> outputDir;
    std::vector<std::string> inputs; // "-" or none: standard input
};

struct ParseResult {
    CliOptions options;
    std::string error; // empty when the command line was understood
};

// Options may come as "--name value" or "--name=value"; "--" ends them.
ParseResult ParseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;

} // namespace rewrix::cli
