#include "toolkit/Skin.h"

#include <QApplication>
#include <QFile>
#include <QStringDecoder>
#include <QWidget>

namespace {

// Qt reports a sheet it cannot parse only through a warning; this catches
// that warning (and keeps it off the console) while a sheet is tried out.
bool g_parseFailed = false;
QtMessageHandler g_previousHandler = nullptr;

void CatchParseWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("Could not parse"))) {
        g_parseFailed = true;
        return;
    }
    if (g_previousHandler != nullptr)
        g_previousHandler(type, context, message);
}

} // namespace

QString ReadSkinSheet(const QString& path, QString* why) {
    const auto fail = [why](const char* reason) {
        if (why != nullptr)
            *why = QString::fromLatin1(reason);
        return QString();
    };
    QFile file(path);
    if (!file.exists())
        return fail("missing");
    if (!file.open(QIODevice::ReadOnly))
        return fail("unreadable");
    if (file.size() > kMaxSkinBytes)
        return fail("too large");
    const QByteArray bytes = file.read(kMaxSkinBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxSkinBytes)
        return fail("unreadable");
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString sheet = utf8.decode(bytes);
    if (utf8.hasError())
        return fail("not UTF-8");
    if (sheet.contains(QChar(0)))
        return fail("not text");
    if (why != nullptr)
        why->clear();
    return sheet;
}

bool IsValidStyleSheet(const QString& sheet) {
    if (sheet.trimmed().isEmpty())
        return true;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return false;
    g_parseFailed = false;
    g_previousHandler = qInstallMessageHandler(CatchParseWarning);
    {
        // A widget's own sheet goes through the same parser as the
        // application's; polishing it parses at once.
        QWidget probe;
        probe.setAttribute(Qt::WA_DontShowOnScreen);
        probe.setStyleSheet(sheet);
        probe.ensurePolished();
    }
    qInstallMessageHandler(g_previousHandler);
    g_previousHandler = nullptr;
    return !g_parseFailed;
}

bool SkinH_AttachEx(const QString& pSkinFile, const QString& pPassword) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    Q_UNUSED(pPassword);
    if (app == nullptr)
        return false;
    const QString sheet = ReadSkinSheet(pSkinFile);
    if (sheet.isNull() || !IsValidStyleSheet(sheet))
        return false;
    app->setStyleSheet(sheet);
    return true;
}

bool SkinH_Attach() {
    return SkinH_AttachEx(QCoreApplication::applicationDirPath() + QStringLiteral("/skinh.she"),
                          QString());
}
