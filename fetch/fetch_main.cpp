// mezura-fetch-rates URL: downloads a rates file for mezura-convert
// --update-rates, which runs it so that a plain conversion never loads Qt
// Network. On success the body goes to standard output and the status is 0;
// on failure the reason goes to standard output instead, status 1. The
// caller checks and keeps the rates.
#include <QCoreApplication>
#include <QUrl>
#include <cstdio>

#include "rates_download.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: mezura-fetch-rates URL\n", stderr);
        return 2;
    }
    RatesDownload download;
    int status = 1;
    QObject::connect(&download, &RatesDownload::Finished, [&](const QByteArray& body) {
        std::fwrite(body.constData(), 1, static_cast<size_t>(body.size()), stdout);
        status = 0;
        app.quit();
    });
    QObject::connect(&download, &RatesDownload::Failed, [&](const QString& reason) {
        std::fputs(reason.toUtf8().constData(), stdout);
        app.quit();
    });
    download.Start(QUrl(QString::fromLocal8Bit(argv[1])));
    app.exec();
    return std::fflush(stdout) == 0 ? status : 1;
}
