#pragma once

#include <QWebEnginePage>

namespace rewrix {

// The page inside a BrowserPane. In local-only mode it keeps the document it was sent to:
// only navigations the program starts itself (Navigate) are followed, and no frame
// inside the page may navigate, so a refresh or link inside an edited article can neither
// reach the network nor replace the article.
class BrowserPanePage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit BrowserPanePage(QObject* parent = nullptr);

    void setLocalOnly(bool on);
    bool localOnly() const { return localOnly_; }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    bool localOnly_ = false;
};

} // namespace rewrix
