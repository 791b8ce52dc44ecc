#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "platform/FileOps.h"
#include "platform/TextStream.h"

namespace rewrix::textio {

// Reads a whole text file in code page 936 into one string, and writes one
// string into a file in a named character set. Nothing escapes as an
// exception: each operation answers true or false, and the text of the last
// failure stays available until the next failure replaces it.
class FSO {
public:
    FSO();
    // `ops` carries the system calls of saving; tests pass a failing one.
    explicit FSO(platform::FileOps& ops);
    ~FSO();
    FSO(const FSO&) = delete;
    FSO& operator=(const FSO&) = delete;

    bool OpenFile(const std::filesystem::path& FileName);
    std::u16string GetFileText() const { return strFileText; }
    std::u16string GetErrorInfo() const { return strErrorInfo; }
    bool SaveFile(const std::filesystem::path& FileName, const std::u16string& strFileBody);
    // Write-only, as it always was: the name is checked by the next SaveFile.
    void SetCoding(const std::u16string& vNewValue) { strCoding = vNewValue; }

private:
    std::u16string strFileText;
    std::u16string strErrorInfo;
    std::u16string strCoding;
    std::unique_ptr<platform::TextStream> objStream;
};

// A path as the user typed it, for messages: its bytes read as UTF-8, any
// byte that is not UTF-8 shown as U+FFFD.
std::u16string DisplayPath(const std::filesystem::path& path);

} // namespace rewrix::textio
