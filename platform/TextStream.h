#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Charset.h"
#include "platform/FileOps.h"

namespace rewrix::platform {

// A text stream in memory that is written in a named character set and saved
// to a file: the stand-in for the stream object the text file class writes
// through. Failures are reported by the result and described by Description().
class TextStream {
public:
    explicit TextStream(FileOps& ops = FileOps::System()) : ops_(ops) {}

    // The names of Charset::FromName. An unknown name is refused here, as the
    // original stream refuses it when it is set.
    bool SetCharset(std::u16string_view name);

    // Starts an empty stream; text written before is gone.
    void Open();
    bool IsOpen() const { return open_; }
    void Close();

    void WriteText(std::u16string_view text);

    // Creates the file or replaces it whole. A character the character set
    // cannot hold makes the save fail, naming the character, instead of being
    // written as "?"; the file is then not touched.
    bool SaveToFile(const std::filesystem::path& path);

    const std::u16string& Description() const { return description_; }

private:
    FileOps& ops_;
    std::optional<Charset> charset_;
    std::u16string charsetName_;
    std::u16string text_;
    bool open_ = false;
    std::u16string description_;
};

} // namespace rewrix::platform
