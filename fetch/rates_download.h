#pragma once
// One download of a rates file with Qt Network, never blocking: the answer
// arrives as a signal. What a hostile or broken server could do is bounded:
//  - a redirect is followed only to https:// (or, from a local http://
//    address, to another local one), never away from HTTPS, and at most 5
//    times;
//  - a body over 1 MiB is cut off and refused;
//  - no complete answer within the time limit (10 s) is a failure;
//  - any answer but 200 is a failure.
// Each failure names its own cause ("no answer within 10 s", "redirected more
// than 5 times, ...", "the TLS handshake with HOST failed: ..."), never the
// status of an earlier answer. The reasons hold what the server said as it
// said it: whoever shows them escapes them.
#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QNetworkReply;

class RatesDownload : public QObject {
    Q_OBJECT
public:
    explicit RatesDownload(QObject* parent = nullptr, int timeoutMs = 10000);

    // Starts the download; a download still running is abandoned.
    void Start(const QUrl& url);
    bool IsRunning() const { return !reply_.isNull(); }

    static constexpr int MaxRedirects = 5;

Q_SIGNALS:
    void Finished(const QByteArray& body);
    void Failed(const QString& reason);

private:
    void Request(const QUrl& url);
    void OnReadyRead();
    void OnFinished();
    void Redirect(const QUrl& target);
    // Ends the download, with no reply running any more.
    void Finish(const QString& reason);
    // Abandons the running reply and ends the download.
    void Fail(const QString& reason);

    QNetworkAccessManager network_;
    QPointer<QNetworkReply> reply_;
    QTimer timer_;
    QUrl url_;  // as started, before any redirect
    int redirects_ = 0;
    QByteArray body_;
    int timeoutMs_;
};
