#include "rates_download.h"

#include <QNetworkReply>
#include <QNetworkRequest>

#include "ecb_rates.h"

namespace {

bool IsLocalHttp(const QUrl& url) {
    return url.scheme() == QLatin1String("http") &&
           (url.host() == QLatin1String("127.0.0.1") || url.host() == QLatin1String("localhost"));
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
    body_.clear();
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Mezura"));
    reply_ = network_.get(request);
    connect(reply_, &QNetworkReply::redirected, this, &RatesDownload::OnRedirected);
    connect(reply_, &QNetworkReply::readyRead, this, &RatesDownload::OnReadyRead);
    connect(reply_, &QNetworkReply::finished, this, &RatesDownload::OnFinished);
    timer_.start(timeoutMs_);
}

void RatesDownload::OnRedirected(const QUrl& target) {
    const bool allowed =
        target.scheme() == QLatin1String("https") || (IsLocalHttp(url_) && IsLocalHttp(target));
    if (!allowed) return Fail(tr("redirected away from HTTPS, to %1").arg(target.toString()));
    Q_EMIT reply_->redirectAllowed();
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
    timer_.stop();
    reply->deleteLater();
    // An answer other than 200 is named by its status, other failures by Qt.
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() != 200) {
        Q_EMIT Failed(
            tr("the server answered %1 %2")
                .arg(status.toInt())
                .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        Q_EMIT Failed(reply->errorString());
        return;
    }
    body_ += reply->readAll();
    if (static_cast<std::size_t>(body_.size()) > MaxRatesFileBytes) {
        Q_EMIT Failed(tr("the answer is larger than 1 MiB"));
        return;
    }
    Q_EMIT Finished(body_);
}

void RatesDownload::Fail(const QString& reason) {
    if (!reply_) return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    timer_.stop();
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    body_.clear();
    Q_EMIT Failed(reason);
}
