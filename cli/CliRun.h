#pragma once

#include <string>
#include <vector>

namespace rewrix::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1; // a missing dictionary, an input or output that failed
inline constexpr int kExitUsage = 2;

// The whole command: reads the inputs, rewrites them in order with the
// program's one random source and writes the results. Standard input,
// output and error are the process's own.
int RunCli(const std::vector<std::string>& args);

} // namespace rewrix::cli
