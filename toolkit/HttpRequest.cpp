#include "toolkit/HttpRequest.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QStringDecoder>

namespace {

// Labels that servers put on GBK text; the strict GB2312 decoder would turn
// every character outside GB2312 into garbage, so they all read as GBK, as
// browsers do.
QByteArray DecoderName(QByteArrayView charset) {
    static const char* const gbkLabels[] = {"gb2312",          "gb_2312", "gb_2312-80",
                                            "csgb2312",        "chinese", "iso-ir-58",
                                            "csiso58gb231280", "x-gbk",   "gbk"};
    const QByteArray label = charset.toByteArray().trimmed().toLower();
    for (const char* gbk : gbkLabels) {
        if (label == gbk)
            return "GBK";
    }
    return label;
}

} // namespace

HttpRequest::HttpRequest(QObject* parent)
    : QObject(parent), manager_(new QNetworkAccessManager(this)) {}

HttpRequest::~HttpRequest() {
    DropReply();
}

bool HttpRequest::Open(const QString& method, const QUrl& url) {
    if (reply_ != nullptr)
        return false;
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != "http" && scheme != "https") || url.host().isEmpty() ||
        method.trimmed().isEmpty())
        return false;
    method_ = method.trimmed().toUpper().toLatin1();
    url_ = url;
    readyState_ = Opened;
    status_ = 0;
    aborted_ = false;
    bodyCut_ = false;
    networkError_ = QNetworkReply::NoError;
    errorText_.clear();
    body_.clear();
    charset_.clear();
    return true;
}

bool HttpRequest::send() {
    if (readyState_ != Opened || reply_ != nullptr)
        return false;
    QNetworkRequest request(url_);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray("Rewrix/1.0"));
    if (method_ == "GET")
        reply_ = manager_->get(request);
    else if (method_ == "HEAD")
        reply_ = manager_->head(request);
    else
        reply_ = manager_->sendCustomRequest(request, method_);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &HttpRequest::TakeHeaders);
    connect(reply_, &QNetworkReply::readyRead, this, &HttpRequest::ReadAvailable);
    connect(reply_, &QNetworkReply::finished, this, &HttpRequest::OnReplyFinished);
    return true;
}

void HttpRequest::abort() {
    if (reply_ == nullptr || readyState_ == Done)
        return;
    aborted_ = true;
    networkError_ = QNetworkReply::OperationCanceledError;
    errorText_ = QStringLiteral("aborted");
    Finish();
}

bool HttpRequest::Succeeded() const {
    return readyState_ == Done && !aborted_ &&
           (networkError_ == QNetworkReply::NoError || bodyCut_) && status_ >= 200 &&
           status_ <= 299;
}

QString HttpRequest::responseText() const {
    return DecodeBody(body_, charset_, bodyCut_);
}

void HttpRequest::TakeHeaders() {
    if (reply_ == nullptr)
        return;
    const QVariant code = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (code.isValid())
        status_ = code.toInt();
    charset_ = CharsetOf(reply_->rawHeader("Content-Type"));
    if (readyState_ < HeadersReceived)
        readyState_ = HeadersReceived;
}

void HttpRequest::ReadAvailable() {
    if (reply_ == nullptr || readyState_ == Done)
        return;
    if (readyState_ < HeadersReceived)
        TakeHeaders();
    readyState_ = Loading;
    const qint64 room = kMaxBodyBytes - body_.size();
    if (room > 0)
        body_ += reply_->read(room);
    // Only a byte beyond the limit proves the answer longer than it.
    if (body_.size() >= kMaxBodyBytes && reply_->bytesAvailable() > 0) {
        bodyCut_ = true;
        Finish();
    }
}

void HttpRequest::OnReplyFinished() {
    if (reply_ == nullptr || readyState_ == Done)
        return;
    TakeHeaders();
    ReadAvailable();
    if (readyState_ == Done)
        return;
    networkError_ = reply_->error();
    if (networkError_ != QNetworkReply::NoError)
        errorText_ = reply_->errorString();
    Finish();
}

void HttpRequest::Finish() {
    readyState_ = Done;
    DropReply();
    emit Finished();
}

void HttpRequest::DropReply() {
    if (reply_ == nullptr)
        return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    if (!reply->isFinished())
        reply->abort();
    // The reply may be the sender of the signal being handled right now.
    reply->deleteLater();
}

QByteArray HttpRequest::CharsetOf(QByteArrayView contentType) {
    const QList<QByteArray> parts = contentType.toByteArray().split(';');
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QByteArray parameter = parts[i].trimmed();
        const qsizetype equals = parameter.indexOf('=');
        if (equals < 0 || parameter.left(equals).trimmed().toLower() != "charset")
            continue;
        QByteArray value = parameter.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        return value.trimmed().toLower();
    }
    return {};
}

QString HttpRequest::DecodeBody(QByteArrayView body, QByteArrayView charset, bool cut) {
    // A stateful decoder keeps an unfinished last character back instead of
    // reporting it, which is what a cut body needs; a whole body must not end
    // inside a character.
    const QStringConverter::Flags flags =
        cut ? QStringConverter::Flags(QStringConverter::Flag::Default)
            : QStringConverter::Flags(QStringConverter::Flag::Stateless);
    if (!charset.isEmpty()) {
        QStringDecoder named(DecoderName(charset).constData(), flags);
        if (named.isValid())
            return named.decode(body);
    }
    QStringDecoder utf8(QStringConverter::Utf8, flags);
    QString text = utf8.decode(body);
    if (!utf8.hasError())
        return text;
    QStringDecoder cp936("GBK", flags);
    if (cp936.isValid())
        return cp936.decode(body);
    return text;
}
