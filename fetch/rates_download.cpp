#include "rates_download.h"

#include <QNetworkReply>
#include <QNetworkRequest>

#include "ecb_rates.h"

namespace {

bool IsLocalHttp(const QUrl& url) {
    return url.scheme() == QLatin1String("http") &&
           (url.host() == QLatin1String("127.0.0.1") || url.host() == QLatin1String("localhost"));
}

bool IsRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

}  // namespace

RatesDownload::RatesDownload(QObject* parent, int timeoutMs)
    : QObject(parent), timeoutMs_(timeoutMs) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this,
            [this] { Fail(tr("no answer within %1 s").arg(timeoutMs_ / 1000.0)); });
}

void RatesDownload::Start(const QUrl& url) {
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
    url_ = url;
    redirects_ = 0;
    Request(url);
    // The limit is for the whole download, redirects and all.
    timer_.start(timeoutMs_);
}

void RatesDownload::Request(const QUrl& url) {
    body_.clear();
    QNetworkRequest request(url);
    // Redirects are followed here, one new request each, rather than by Qt:
    // Qt 6.4 ends some chains of redirects with the status of no real answer
    // (a "100"), and each target is checked before anything is asked of it.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Mezura"));
    reply_ = network_.get(request);
    connect(reply_, &QNetworkReply::readyRead, this, &RatesDownload::OnReadyRead);
    connect(reply_, &QNetworkReply::finished, this, &RatesDownload::OnFinished);
}

void RatesDownload::OnReadyRead() {
    body_ += reply_->readAll();
    if (static_cast<std::size_t>(body_.size()) > MaxRatesFileBytes)
        Fail(tr("the answer is larger than 1 MiB"));
}

void RatesDownload::OnFinished() {
    if (!reply_) return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->deleteLater();
    // A failure below HTTP (the connection, TLS) is named as such: no answer
    // came, so there is no status to name.
    const QNetworkReply::NetworkError error = reply->error();
    if (error == QNetworkReply::SslHandshakeFailedError)
        return Finish(tr("the TLS handshake with %1 failed: %2")
                          .arg(reply->url().authority(), reply->errorString()));
    if (error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied)
        return Finish(reply->errorString());
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && IsRedirect(status.toInt())) {
        const QUrl target = reply->url().resolved(
            reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
        return Redirect(target);
    }
    // An answer other than 200 is named by its status, other failures by Qt.
    if (status.isValid() && status.toInt() != 200)
        return Finish(
            tr("the server answered %1 %2")
                .arg(status.toInt())
                .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
    if (error != QNetworkReply::NoError) return Finish(reply->errorString());
    body_ += reply->readAll();
    if (static_cast<std::size_t>(body_.size()) > MaxRatesFileBytes)
        return Finish(tr("the answer is larger than 1 MiB"));
    timer_.stop();
    Q_EMIT Finished(body_);
}

void RatesDownload::Redirect(const QUrl& target) {
    const bool allowed =
        target.scheme() == QLatin1String("https") || (IsLocalHttp(url_) && IsLocalHttp(target));
    if (!allowed) return Finish(tr("redirected away from HTTPS, to %1").arg(target.toString()));
    if (++redirects_ > MaxRedirects)
        return Finish(tr("redirected more than %1 times, the last time to %2")
                          .arg(MaxRedirects)
                          .arg(target.toString()));
    Request(target);
}

void RatesDownload::Finish(const QString& reason) {
    timer_.stop();
    body_.clear();
    Q_EMIT Failed(reason);
}

void RatesDownload::Fail(const QString& reason) {
    if (!reply_) return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    Finish(reason);
}
