#pragma once
// The window's side of the exchange rates: the Currency category is filled
// from the cache at start, without any connection; a download starts, in the
// background, only when Currency is shown, downloading is switched on
// (Preferences, General) and the cache is older than the ECB's latest
// publication. While Currency is shown a line beside the result says whose
// rates of which day are in use ("ECB reference rates of 2026-12-07"), or
// that there are none yet; its tool tip says why the last download failed,
// escaped as the command line shows it.
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "profile_store.h"
#include "rates_cache.h"
#include "rates_download.h"

class Catalogue;
class QLabel;

class WindowRates : public QObject {
    Q_OBJECT
public:
    // `now` gives the time in seconds since the epoch (tests set it).
    WindowRates(ProfileStore& profile, Catalogue& catalogue, QLabel& dateLine,
                QObject* parent = nullptr);

    // Fills the Currency category from the cache. Never goes online.
    void LoadCache();
    // The window shows catalogue row `row`: the date line follows, and on
    // coming to Currency a download may start.
    void CategoryShown(int row);

    bool IsDownloading() const { return download_ && download_->IsRunning(); }
    std::function<std::int64_t()> now;

Q_SIGNALS:
    // The Currency category holds new rates.
    void RatesChanged();

private:
    void StartDownloadIfDue();
    void OnDownloaded(const QByteArray& body);
    void OnFailed(const QString& reason);
    void Failed(std::string_view reason);
    void ShowDateLine();

    ProfileStore& profile_;
    Catalogue& catalogue_;
    QLabel& dateLine_;
    RatesDownload* download_ = nullptr;  // a child, made on the first download
    std::string cachePath_;
    CachedRatesRead cache_;
    std::string url_;
    QString problem_;  // why the last download failed, escaped; empty when it did not
    int shownRow_ = -1;
};
