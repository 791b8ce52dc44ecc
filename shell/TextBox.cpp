#include "shell/TextBox.h"

#include <QTextCursor>
#include <QTextDocument>

namespace rewrix {

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(true);
}

QString TextBox::ToCrLf(const QString& boxText) {
    QString out;
    out.reserve(boxText.size() + boxText.size() / 16);
    for (qsizetype i = 0; i < boxText.size(); ++i) {
        const QChar c = boxText[i];
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QLatin1Char('\n')) {
            out += QStringLiteral("\r\n");
        } else if (c == QLatin1Char('\r')) {
            out += QStringLiteral("\r\n");
            if (i + 1 < boxText.size() && boxText[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QString TextBox::FromCrLf(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

QString TextBox::Text() const {
    // toRawText keeps no-break spaces, which toPlainText would turn into blanks.
    return ToCrLf(document()->toRawText());
}

void TextBox::SetText(const QString& text) {
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(FromCrLf(text));
    cursor.endEditBlock();
}

} // namespace rewrix
