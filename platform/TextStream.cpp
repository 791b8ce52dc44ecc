#include "platform/TextStream.h"

#include "platform/AtomicFile.h"

namespace rewrix::platform {

bool TextStream::SetCharset(std::u16string_view name) {
    std::string ascii;
    bool plain = true;
    for (char16_t c : name) {
        plain = plain && c < 0x80;
        ascii.push_back(static_cast<char>(c));
    }
    std::optional<Charset> charset = plain ? Charset::FromName(ascii) : std::nullopt;
    if (!charset) {
        description_ = u"不支持的字符集“" + std::u16string(name) + u"”";
        return false;
    }
    charset_ = *charset;
    charsetName_ = name;
    return true;
}

void TextStream::Open() {
    text_.clear();
    open_ = true;
}

void TextStream::Close() {
    text_.clear();
    open_ = false;
}

void TextStream::WriteText(std::u16string_view text) {
    text_ += text;
}

bool TextStream::SaveToFile(const std::filesystem::path& path) {
    if (!open_) {
        description_ = u"流未打开";
        return false;
    }
    if (!charset_) {
        description_ = u"未设置字符集";
        return false;
    }
    Unencodable bad;
    std::optional<std::string> bytes = charset_->Encode(text_, &bad);
    if (!bytes) {
        description_ = u"字符" + DescribeCharacter(bad.character) + u"（第 " +
                       Charset::Utf8().Decode(std::to_string(bad.index + 1)) +
                       u" 个字符）无法以字符集“" + charsetName_ + u"”保存";
        return false;
    }
    std::string failure = WriteFileAtomically(path, *bytes, ops_);
    if (!failure.empty()) {
        description_ = Charset::Utf8().Decode(failure);
        return false;
    }
    return true;
}

} // namespace rewrix::platform
