#pragma once

#include <QString>

// The window's skin: the file skinh.she in the program's directory, a Qt
// style sheet in UTF-8 (comments allowed), applied to the whole application.
// A skin file that is missing, unreadable, larger than kMaxSkinBytes, not
// UTF-8 or rejected by Qt's style sheet parser leaves the application as it
// was, without a message. Both return true when a skin was applied.

inline constexpr qint64 kMaxSkinBytes = 1024 * 1024;

// Applies the program directory's skinh.she.
bool SkinH_Attach();
// Applies the skin file at pSkinFile. Our skin files are never protected:
// pPassword is accepted for the callers' sake and not used.
bool SkinH_AttachEx(const QString& pSkinFile, const QString& pPassword);

// The style sheet in a skin file, or an empty string with a reason when the
// file cannot serve as a skin.
QString ReadSkinSheet(const QString& path, QString* why = nullptr);
// True when Qt's style sheet parser accepts the sheet.
bool IsValidStyleSheet(const QString& sheet);
