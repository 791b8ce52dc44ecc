#include "cli/ProgressLine.h"

#include <unistd.h>

#include "platform/Charset.h"

namespace rewrix::cli {
namespace {

std::string Utf8(const std::u16string& text) {
    return platform::Charset::Utf8().EncodeReplacing(text, nullptr, "\xEF\xBF\xBD");
}

} // namespace

ProgressLine::ProgressLine(std::FILE* out) : out_(out), tty_(::isatty(::fileno(out)) == 1) {}

void ProgressLine::Max(int32_t value) {
    max_ = value;
    Draw();
}

void ProgressLine::Value(int32_t value) {
    value_ = value;
    Draw();
}

void ProgressLine::Text(const std::u16string& text) {
    text_ = Utf8(text);
    Draw();
}

void ProgressLine::Finish(const std::u16string& text) {
    text_ = Utf8(text);
    Draw();
    if (tty_) {
        std::fputc('\n', out_);
    }
    std::fflush(out_);
}

void ProgressLine::Draw() {
    // On a terminal the line is rewritten in place; into a file or a pipe each
    // report gets its own line, so that nothing is lost to carriage returns.
    if (tty_) {
        std::fprintf(out_, "\r\x1b[K%s %d/%d", text_.c_str(), value_, max_);
    } else {
        std::fprintf(out_, "%s %d/%d\n", text_.c_str(), value_, max_);
    }
    std::fflush(out_);
}

} // namespace rewrix::cli
