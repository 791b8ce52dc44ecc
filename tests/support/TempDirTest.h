#pragma once

// Files on disk for the tests: a fixture that gives every test an empty
// directory of its own under /tmp, and whole-file reads and writes that keep
// every byte as it is.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <utility>

namespace rewrix::test {

// The whole file as stored; empty when it cannot be read.
inline std::string ReadFileBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Replaces the whole file by these bytes; its folder must exist.
inline void WriteFileBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

// The directory dir_ is made before each test as /tmp/<prefix>-XXXXXX and
// removed with everything in it afterwards.
class TempDirTest : public ::testing::Test {
protected:
    explicit TempDirTest(std::string prefix) : prefix_(std::move(prefix)) {}

    void SetUp() override {
        std::string tmpl = "/tmp/" + prefix_ + "-XXXXXX";
        dir_ = mkdtemp(tmpl.data());
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Writes `name` under dir_, making the folders on its way.
    std::filesystem::path Write(const std::string& name, const std::string& bytes) {
        std::filesystem::path p = dir_ / name;
        std::filesystem::create_directories(p.parent_path());
        WriteFileBytes(p, bytes);
        return p;
    }
    static std::string Read(const std::filesystem::path& p) { return ReadFileBytes(p); }

    std::filesystem::path dir_;

private:
    std::string prefix_;
};

} // namespace rewrix::test
