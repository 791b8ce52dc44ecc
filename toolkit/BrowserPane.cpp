#include "toolkit/BrowserPane.h"

#include "toolkit/BrowserPanePage.h"

#include <QDir>
#include <QFileInfo>
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
    connect(page_, &QWebEnginePage::loadStarted, this, &BrowserPane::onLoadStarted);
    connect(page_, &QWebEnginePage::loadFinished, this, &BrowserPane::onLoadFinished);
    connect(page_, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                if (status != QWebEnginePage::NormalTerminationStatus)
                    setState(LoadState::Failed);
            });
}

void BrowserPane::Navigate(const QString& target) {
    requested_ = urlFromTarget(target);
    showingFallback_ = false;
    loadingFallback_ = false;
    setState(LoadState::Loading);
    page_->load(requested_);
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

void BrowserPane::onLoadStarted() {
    if (loadingFallback_)
        return;
    showingFallback_ = false;
    setState(LoadState::Loading);
}

void BrowserPane::onLoadFinished(bool ok) {
    if (loadingFallback_) {
        loadingFallback_ = false;
        emit fallbackShown();
        return;
    }
    setState(ok ? LoadState::Loaded : LoadState::Failed);
    if (!ok && !fallbackName_.isEmpty()) {
        loadingFallback_ = true;
        showingFallback_ = true;
        page_->setHtml(fallbackHtml(fallbackName_), QUrl(QStringLiteral("about:blank")));
    }
}

void BrowserPane::setState(LoadState state) {
    if (state_ == state)
        return;
    state_ = state;
    emit loadStateChanged(state);
}

} // namespace rewrix
