#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QNetworkReply>
#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;

// The program's HTTP request object: one asynchronous request at a time,
// completion reported by Finished (emitted exactly once per request, also
// when it is aborted). The body is read up to kMaxBodyBytes; the rest of a
// longer answer is not downloaded.
//
// Do not delete the object from a slot connected to Finished; use
// deleteLater there.
class HttpRequest : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype kMaxBodyBytes = 64 * 1024;

    // The request's progress, in the usual numbering of HTTP request objects:
    // nothing opened, opened, headers arrived, body arriving, done.
    enum ReadyStates { Unsent = 0, Opened = 1, HeadersReceived = 2, Loading = 3, Done = 4 };

    explicit HttpRequest(QObject* parent = nullptr);
    ~HttpRequest() override;

    // Prepares a request; only http and https addresses are accepted.
    bool Open(const QString& method, const QUrl& url);
    // Starts the prepared request in the background.
    bool send();
    // Stops a running request; it ends as a failure.
    void abort();

    int ReadyState() const { return readyState_; }
    // The HTTP status code of the answer, 0 when no answer arrived.
    int status() const { return status_; }
    // True when the request is done, an answer arrived complete (or cut at
    // kMaxBodyBytes) and its status is 2xx.
    bool Succeeded() const;
    bool Aborted() const { return aborted_; }
    QNetworkReply::NetworkError NetworkError() const { return networkError_; }
    QString ErrorText() const { return errorText_; }

    // The body as received: at most kMaxBodyBytes.
    const QByteArray& Body() const { return body_; }
    // True when the answer was longer than kMaxBodyBytes.
    bool BodyCut() const { return bodyCut_; }
    // The charset parameter of the answer's Content-Type, lower case, or empty.
    QByteArray Charset() const { return charset_; }
    // The body decoded to text, see DecodeBody.
    QString responseText() const;

    // Decodes an answer's body: by charset when it names one we know, else as
    // UTF-8 when the bytes are valid UTF-8, else as code page 936. A body that
    // was cut may end inside a character; that fragment is left out.
    static QString DecodeBody(QByteArrayView body, QByteArrayView charset, bool cut);
    // The charset parameter of a Content-Type header value, lower case.
    static QByteArray CharsetOf(QByteArrayView contentType);

signals:
    void Finished();

private:
    void ReadAvailable();
    void TakeHeaders();
    void OnReplyFinished();
    void Finish();
    void DropReply();

    QNetworkAccessManager* manager_;
    QNetworkReply* reply_ = nullptr;
    QByteArray method_;
    QUrl url_;
    int readyState_ = Unsent;
    int status_ = 0;
    bool aborted_ = false;
    bool bodyCut_ = false;
    QNetworkReply::NetworkError networkError_ = QNetworkReply::NoError;
    QString errorText_;
    QByteArray body_;
    QByteArray charset_;
};
