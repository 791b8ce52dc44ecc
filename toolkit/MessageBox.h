#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// What the program asks of a message box.
struct MessageBoxCall {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

// Answers a message box in place of the user; returns the button "pressed".
using MessageBoxHook = std::function<QMessageBox::StandardButton(const MessageBoxCall&)>;

// Shows a modal message box and returns the button that closed it. The
// program's boxes all carry the information icon and one OK button.
QMessageBox::StandardButton ShowMessageBox(QWidget* parent, const QString& text,
                                           const QString& title,
                                           QMessageBox::Icon icon = QMessageBox::Information,
                                           QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// Installs a hook that receives every message box instead of the screen (an
// empty hook restores the real boxes); returns the hook it replaces.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

// For tests: while it lives, every message box is recorded and answered with
// its first button (OK for the program's boxes) instead of blocking.
class ScopedMessageBoxRecorder {
public:
    ScopedMessageBoxRecorder();
    ~ScopedMessageBoxRecorder();
    ScopedMessageBoxRecorder(const ScopedMessageBoxRecorder&) = delete;
    ScopedMessageBoxRecorder& operator=(const ScopedMessageBoxRecorder&) = delete;

    const QList<MessageBoxCall>& Calls() const { return calls_; }

private:
    QList<MessageBoxCall> calls_;
    MessageBoxHook previous_;
};
