#pragma once

#include <QString>
#include <QUrl>
#include <QWebEngineView>

class QWebEngineLoadingInfo;

namespace rewrix {

class BrowserPanePage;

// The embedded browser control of the main window's pages.
class BrowserPane : public QWebEngineView {
    Q_OBJECT
public:
    enum class LoadState { Empty, Loading, Loaded, Failed };

    explicit BrowserPane(QWidget* parent = nullptr);

    // Starts loading a web address or a local file path and returns at once.
    void Navigate(const QString& target);

    // The address the last Navigate asked for (the fallback page does not replace it).
    QUrl requestedUrl() const { return requested_; }
    LoadState loadState() const { return state_; }

    // When a page cannot be loaded (no network, server down), show a small page of ours
    // naming the product instead of the browser's error page. Empty name: no fallback.
    void setFallbackName(const QString& productName);
    bool showingFallback() const { return showingFallback_; }
    static QString fallbackHtml(const QString& productName);

    // Keep the pane off the network and on the document it was sent to (for local pages
    // that show untrusted content, such as an edited article).
    void setLocalOnly(bool on);

    BrowserPanePage* panePage() const { return page_; }

signals:
    void loadStateChanged(rewrix::BrowserPane::LoadState state);
    void fallbackShown();

protected:
    // A local-only pane holds an article being edited: its menu offers editing only, in
    // the user's language, and nothing that would leave or reload the page.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void beginLoad();
    void onLoadingChanged(const QWebEngineLoadingInfo& info);
    void setState(LoadState state);

    BrowserPanePage* page_;
    QUrl requested_;
    QString fallbackName_;
    LoadState state_ = LoadState::Empty;
    LoadState before_ = LoadState::Empty;
    bool fallbackBefore_ = false;
    bool showingFallback_ = false;
    bool loadingFallback_ = false;
};

} // namespace rewrix
