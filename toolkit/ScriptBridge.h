#pragma once

#include <QString>
#include <QVariant>
#include <chrono>

namespace rewrix {

class BrowserPane;

// The answer of a script run through ScriptBridge.
struct ScriptAnswer {
    enum class Status {
        Ok,            // value holds what the script returned
        PageNotLoaded, // no page, a page still loading, or one that failed to load
        NoAnswer,      // the page did not answer within the time limit, or went away
        ScriptError,   // the script threw; error holds its message
    };
    Status status = Status::NoAnswer;
    QVariant value;
    QString error;

    bool ok() const { return status == Status::Ok; }
};

// Runs a script in a pane's page and waits for its answer. While it waits, only non-input
// events are processed (the page's own messages, timers, painting): no click or key can
// start a command in the middle of the one that is waiting.
class ScriptBridge {
public:
    // script is the body of a JavaScript function; what it returns is the answer's value
    // (strings, numbers, booleans, arrays and plain objects come back as QVariant).
    static ScriptAnswer Run(BrowserPane& pane, const QString& script,
                            std::chrono::milliseconds limit);
};

} // namespace rewrix
