#pragma once
// The window's side of the exchange rates: the Currency category is filled
// from the caches at start, without any connection; downloads start, in the
// background, only when Currency is shown, downloading is switched on
// (Preferences, General), one source after another for each source whose
// cache is older than its latest publication. While Currency is shown a line
// beside the result names every source the shown conversion uses ("ECB
// reference rates of 2026-12-07; NBP table B of 2026-12-02 for ARS, in euros
// by NBP table A of 2026-12-07"), or that there are none yet; its tool tip
// says why the last download failed, escaped as the command line shows it.
//
// A downloaded file is checked and kept on a worker thread, so the window
// goes on converting while it is read; the catalogue changes on the window's
// thread only, once the worker is done.
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "profile_store.h"
#include "rates_cache.h"
#include "rates_download.h"
#include "rates_in_use.h"
#include "rates_update.h"

class Catalogue;
class QLabel;
class QThread;

class WindowRates : public QObject {
    Q_OBJECT
public:
    // `now` gives the time in seconds since the epoch (tests set it).
    WindowRates(ProfileStore& profile, Catalogue& catalogue, QLabel& dateLine,
                QObject* parent = nullptr);
    // Waits for a worker still checking a download (a few milliseconds).
    ~WindowRates() override;

    // Fills the Currency category from the cache. Never goes online.
    void LoadCache();
    // The window shows catalogue row `row`, converting from unit `from` to
    // unit `to`: the date line follows, and on coming to Currency downloads
    // may start.
    void CategoryShown(int row, int from = 0, int to = 0);

    // True from the start of a download until its file is checked and kept.
    bool IsDownloading() const { return (download_ && download_->IsRunning()) || worker_; }
    std::function<std::int64_t()> now;
    // Checks and keeps a downloaded file; called on the worker thread (tests
    // set it to watch that thread).
    std::function<RatesUpdate(std::string_view body, std::string_view source, std::int64_t nowUtc,
                              const std::string& cachePath, RatesSource table)>
        accept = AcceptDownloadedRates;

Q_SIGNALS:
    // The Currency category holds new rates.
    void RatesChanged();

private:
    void StartDownloadIfDue();
    void StartNextDownload();
    struct Checked;
    void OnDownloaded(const QByteArray& body);
    void OnChecked(const Checked& checked);
    void OnFailed(const QString& reason);
    void Failed(std::string_view reason);
    void ShowDateLine();
    // The line of the sources the shown conversion uses, whole and in short.
    std::pair<QString, QString> SourcesText() const;

    ProfileStore& profile_;
    Catalogue& catalogue_;
    QLabel& dateLine_;
    RatesDownload* download_ = nullptr;  // a child, made on the first download
    QThread* worker_ = nullptr;          // checking a download; a child
    std::string cachePath_;              // the ECB's; the others beside it
    KeptRates cache_;
    std::vector<RatesSource> due_;  // the sources still to download, in order
    RatesSource downloading_ = RatesSource::Ecb;
    std::string url_;
    QString problem_;  // why the last download failed, escaped; empty when it did not
    int shownRow_ = -1;
    int shownFrom_ = 0, shownTo_ = 0;
};
