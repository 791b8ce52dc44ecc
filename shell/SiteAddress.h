#pragma once

#include <QString>
#include <QUrl>

// Our web site: the root address shown in the window's caption, and the
// pages the program loads from it.
inline const QString kSiteAddress = QStringLiteral("http://www.rewrix.cn/");

inline QUrl ProductPageAddress() {
    return QUrl(kSiteAddress + QStringLiteral("software/wyc/wyc.html"));
}

inline QUrl AnnouncementAddress() {
    return QUrl(kSiteAddress + QStringLiteral("software/wyc/info.txt"));
}
