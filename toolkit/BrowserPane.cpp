#include "toolkit/BrowserPane.h"

#include "toolkit/BrowserPanePage.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QWebEngineLoadingInfo>
#include <QWebEngineSettings>

namespace rewrix {

namespace {

QUrl urlFromTarget(const QString& target) {
    const QString trimmed = target.trimmed();
    if (QFileInfo(trimmed).isAbsolute())
        return QUrl::fromLocalFile(QDir::cleanPath(trimmed));
    const QUrl url(trimmed, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromUserInput(trimmed, QDir::currentPath(), QUrl::AssumeLocalFile);
}

} // namespace

BrowserPane::BrowserPane(QWidget* parent)
    : QWebEngineView(parent), page_(new BrowserPanePage(this)) {
    setPage(page_);
    connect(page_, &QWebEnginePage::loadingChanged, this, &BrowserPane::onLoadingChanged);
    connect(page_, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                if (status != QWebEnginePage::NormalTerminationStatus)
                    setState(LoadState::Failed);
            });
}

void BrowserPane::Navigate(const QString& target) {
    requested_ = urlFromTarget(target);
    loadingFallback_ = false;
    beginLoad();
    page_->load(requested_);
}

void BrowserPane::beginLoad() {
    if (state_ != LoadState::Loading) {
        before_ = state_;
        fallbackBefore_ = showingFallback_;
    }
    showingFallback_ = false;
    setState(LoadState::Loading);
}

void BrowserPane::setFallbackName(const QString& productName) {
    fallbackName_ = productName;
    // Our own page replaces the browser's error page, so the engine need not draw one.
    page_->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, productName.isEmpty());
}

void BrowserPane::setLocalOnly(bool on) {
    page_->setLocalOnly(on);
}

QString BrowserPane::fallbackHtml(const QString& productName) {
    const QString name = productName.toHtmlEscaped();
    // Self-contained: the policy forbids every load, so this page fetches nothing.
    return QStringLiteral(
               "<!DOCTYPE html><html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
               "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
               "style-src 'unsafe-inline'\">"
               "<title>%1</title><style>"
               "html,body{margin:0;height:100%;background:#f3f6fa;color:#28507a;"
               "font-family:sans-serif}"
               "body{display:flex;flex-direction:column;align-items:center;"
               "justify-content:center}"
               "h1{margin:0 0 8px;font-size:28px;letter-spacing:2px}"
               "p{margin:0;font-size:13px;color:#5a6b7d}"
               "</style></head><body><h1>%1</h1>"
               "<p>伪原创文章处理工具</p></body></html>")
        .arg(name);
}

void BrowserPane::contextMenuEvent(QContextMenuEvent* event) {
    if (!page_->localOnly()) {
        QWebEngineView::contextMenuEvent(event);
        return;
    }
    const struct {
        QWebEnginePage::WebAction action;
        const char* text;
    } items[] = {
        {QWebEnginePage::Undo, "撤销"},         {QWebEnginePage::Redo, "重做"},
        {QWebEnginePage::NoWebAction, nullptr}, {QWebEnginePage::Cut, "剪切"},
        {QWebEnginePage::Copy, "复制"},         {QWebEnginePage::Paste, "粘贴"},
        {QWebEnginePage::NoWebAction, nullptr}, {QWebEnginePage::SelectAll, "全选"},
    };
    QMenu menu(this);
    for (const auto& item : items) {
        if (!item.text) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromUtf8(item.text));
        action->setEnabled(page_->action(item.action)->isEnabled());
        const QWebEnginePage::WebAction web = item.action;
        connect(action, &QAction::triggered, this, [this, web] { page_->triggerAction(web); });
    }
    menu.exec(event->globalPos());
}

void BrowserPane::onLoadingChanged(const QWebEngineLoadingInfo& info) {
    if (loadingFallback_) {
        if (info.status() != QWebEngineLoadingInfo::LoadStartedStatus) {
            loadingFallback_ = false;
            emit fallbackShown();
        }
        return;
    }
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
        beginLoad();
        break;
    case QWebEngineLoadingInfo::LoadStoppedStatus:
        // Stopped or refused before anything new was shown: the previous page is still there.
        showingFallback_ = fallbackBefore_;
        setState(before_);
        break;
    case QWebEngineLoadingInfo::LoadSucceededStatus:
        setState(LoadState::Loaded);
        break;
    case QWebEngineLoadingInfo::LoadFailedStatus:
        setState(LoadState::Failed);
        if (!fallbackName_.isEmpty()) {
            loadingFallback_ = true;
            showingFallback_ = true;
            page_->setHtml(fallbackHtml(fallbackName_), QUrl(QStringLiteral("about:blank")));
        }
        break;
    }
}

void BrowserPane::setState(LoadState state) {
    if (state_ == state)
        return;
    state_ = state;
    emit loadStateChanged(state);
}

} // namespace rewrix
