#pragma once

// A program directory of a test's or a benchmark's own, laid out as the
// program expects it (data/ and edit/) and filled from the shipped files of
// program/ in the source tree.

#include <QDir>
#include <QFile>
#include <QLatin1String>
#include <QString>

namespace rewrix::test {

// Copies program/<relative> of the source tree to dir/<relative>; whether it was copied.
inline bool CopyShippedFile(const QString& dir, const QString& relative) {
    return QFile::copy(QStringLiteral(REWRIX_SOURCE_DIR "/program/") + relative,
                       dir + QLatin1Char('/') + relative);
}

// Makes data/ and edit/ in dir and copies the shipped editor page into edit/;
// whether every file of the page was copied. The dictionary is left to the caller.
inline bool PrepareProgramDir(const QString& dir) {
    QDir(dir).mkpath(QStringLiteral("data"));
    QDir(dir).mkpath(QStringLiteral("edit"));
    bool copied = true;
    for (const char* file : {"edit/index.html", "edit/editor.js", "edit/editor.css"})
        copied = CopyShippedFile(dir, QLatin1String(file)) && copied;
    return copied;
}

} // namespace rewrix::test
