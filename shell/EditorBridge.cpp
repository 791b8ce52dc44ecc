#include "shell/EditorBridge.h"

#include "toolkit/BrowserPane.h"
#include "toolkit/ScriptBridge.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>

namespace rewrix {

namespace {

// Walks document, frames(0), document, body and reports, by a short code, the first step
// that is missing. A frame of another origin refuses access to its document: that counts
// as no frame the editor can use.
const char* const kBodyPath = R"JS(
    var frame = window.frames.length > 0 ? window.frames[0] : null;
    if (!frame) return ['noframe'];
    var doc = null;
    try { doc = frame.document; } catch (e) { return ['noframe']; }
    if (!doc) return ['noframe'];
    var body = doc.body;
    if (!body) return ['nobody'];
)JS";

constexpr std::chrono::milliseconds kGrace{500};

QString jsString(const QString& text) {
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json) + QStringLiteral("[0]");
}

} // namespace

EditorBridge::EditorBridge(BrowserPane& WebBrowser2, std::chrono::milliseconds limit)
    : pane_(WebBrowser2), limit_(limit) {}

QString EditorBridge::GetEditorHtml() {
    return run(QStringLiteral("无法读取编辑器中的文章"),
               QString::fromLatin1(kBodyPath) + QStringLiteral("return ['ok', body.innerHTML];"));
}

void EditorBridge::SetEditorHtml(const QString& html) {
    // A page that answers too late must not change the article after the command was told
    // that the write failed: the script writes only while its time has not run out.
    const qint64 deadline = QDateTime::currentMSecsSinceEpoch() + limit_.count();
    run(QStringLiteral("无法写入编辑器中的文章"),
        QString::fromLatin1(kBodyPath) + QStringLiteral("if (Date.now() > %1) return ['late'];\n"
                                                        "body.innerHTML = %2; return ['ok', ''];")
                                             .arg(deadline)
                                             .arg(jsString(html)));
}

QString EditorBridge::run(const QString& action, const QString& script) {
    using Reason = EditorAccessError::Reason;
    // The grace lets an answer given just before the deadline still cross to us.
    const ScriptAnswer answer = ScriptBridge::Run(pane_, script, limit_ + kGrace);
    auto fail = [&](Reason reason, const QString& why) {
        throw EditorAccessError(reason, action + QStringLiteral("：") + why);
    };
    auto noAnswer = [&] {
        fail(Reason::NoAnswer, QStringLiteral("编辑器页面在 %1 秒内没有响应。")
                                   .arg(static_cast<double>(limit_.count()) / 1000.0));
    };
    switch (answer.status) {
    case ScriptAnswer::Status::PageNotLoaded:
        fail(Reason::PageNotLoaded,
             QStringLiteral("编辑器页面没有载入（edit/index.html 缺失或尚未载入完成）。"));
        break;
    case ScriptAnswer::Status::NoAnswer:
        noAnswer();
        break;
    case ScriptAnswer::Status::ScriptError:
        fail(Reason::ScriptError, QStringLiteral("编辑器页面出错（%1）。").arg(answer.error));
        break;
    case ScriptAnswer::Status::Ok:
        break;
    }
    const QVariantList result = answer.value.toList();
    const QString code = result.value(0).toString();
    if (code == QLatin1String("late"))
        noAnswer();
    if (code == QLatin1String("noframe"))
        fail(Reason::NoFrame, QStringLiteral("编辑器页面中没有编辑框。"));
    if (code == QLatin1String("nobody"))
        fail(Reason::NoBody, QStringLiteral("编辑框中没有正文区域。"));
    if (code != QLatin1String("ok") || result.size() != 2)
        fail(Reason::ScriptError, QStringLiteral("编辑器页面返回了无法识别的结果。"));
    return result.at(1).toString();
}

} // namespace rewrix
