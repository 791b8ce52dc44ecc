#pragma once

#include <QString>
#include <chrono>
#include <stdexcept>

namespace rewrix {

class BrowserPane;

// A failed access to the editor page. what() (UTF-8) and message() name the problem in
// words for the user's message box; nothing in the editor was changed.
class EditorAccessError : public std::runtime_error {
public:
    enum class Reason { PageNotLoaded, NoFrame, NoBody, NoAnswer, ScriptError };

    EditorAccessError(Reason reason, const QString& message)
        : std::runtime_error(message.toStdString()), reason_(reason), message_(message) {}

    Reason reason() const { return reason_; }
    const QString& message() const { return message_; }

private:
    Reason reason_;
    QString message_;
};

// Reads and replaces the article of the rich page: the body of the first frame of the
// document shown in the editor pane, as HTML source. Each call walks the whole way from
// the pane's document anew, so it sees the page as it is at that moment.
class EditorBridge {
public:
    static constexpr std::chrono::milliseconds DefaultLimit{5000};

    explicit EditorBridge(BrowserPane& WebBrowser2, std::chrono::milliseconds limit = DefaultLimit);

    QString GetEditorHtml();
    void SetEditorHtml(const QString& html);

private:
    QString run(const QString& action, const QString& script);

    BrowserPane& pane_;
    std::chrono::milliseconds limit_;
};

} // namespace rewrix
