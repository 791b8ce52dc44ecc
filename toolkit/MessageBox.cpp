#include "toolkit/MessageBox.h"

#include <QWidget>

namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

QMessageBox::StandardButton FirstButton(QMessageBox::StandardButtons buttons) {
    for (int bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1) {
        if (buttons.testFlag(QMessageBox::StandardButton(bit)))
            return QMessageBox::StandardButton(bit);
    }
    return QMessageBox::NoButton;
}

} // namespace

QMessageBox::StandardButton ShowMessageBox(QWidget* parent, const QString& text,
                                           const QString& title, QMessageBox::Icon icon,
                                           QMessageBox::StandardButtons buttons) {
    if (buttons == QMessageBox::NoButton)
        buttons = QMessageBox::Ok;
    const MessageBoxCall call{text, title, icon, buttons};
    if (Hook())
        return Hook()(call);
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    const int answer = box.exec();
    // Closing the box by its close box counts as its only button.
    if (answer == 0 || !buttons.testFlag(QMessageBox::StandardButton(answer)))
        return FirstButton(buttons);
    return QMessageBox::StandardButton(answer);
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
    MessageBoxHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}

ScopedMessageBoxRecorder::ScopedMessageBoxRecorder() {
    previous_ = SetMessageBoxHook([this](const MessageBoxCall& call) {
        calls_.append(call);
        return FirstButton(call.buttons);
    });
}

ScopedMessageBoxRecorder::~ScopedMessageBoxRecorder() {
    SetMessageBoxHook(std::move(previous_));
}
