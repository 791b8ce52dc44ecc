#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/CliRun.h"

int main(int argc, char** argv) {
    try {
        std::vector<std::string> args(argv + 1, argv + argc);
        return rewrix::cli::RunCli(args);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "rewrix-cli: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "rewrix-cli: unexpected failure\n");
    }
    return rewrix::cli::kExitFailed;
}
