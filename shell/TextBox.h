#pragma once

#include <QPlainTextEdit>
#include <QString>

namespace rewrix {

// The window's multi-line text box. Its Text keeps line breaks as CR LF, as
// the engine splits paragraphs at CR LF: a text set with CR LF reads back the
// same, and line breaks typed or pasted (LF, CR, CR LF, or a soft line break)
// read as CR LF. Every other character, a no-break space included, stays as
// it is. Only a vertical scroll bar is shown; long lines wrap.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    QString Text() const;
    // Replaces the whole text as one step that the user can undo.
    void SetText(const QString& text);

    // The box's own line breaks to CR LF and back.
    static QString ToCrLf(const QString& boxText);
    static QString FromCrLf(const QString& text);
};

} // namespace rewrix
