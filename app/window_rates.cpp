#include "window_rates.h"

#include <QLabel>
#include <QTextDocument>
#include <QThread>
#include <QUrl>
#include <ctime>

#include "catalogue_limits.h"
#include "ecb_publication.h"
#include "rates_settings.h"
#include "rates_update.h"
#include "text_edge.h"
#include "visible_text.h"

// What the worker hands back: the download's fate, and the cache as read
// back when it was kept.
struct WindowRates::Checked {
    RatesUpdate update;
    CachedRatesRead cache;
};

WindowRates::WindowRates(ProfileStore& profile, Catalogue& catalogue, QLabel& dateLine,
                         QObject* parent)
    : QObject(parent),
      now([] { return static_cast<std::int64_t>(std::time(nullptr)); }),
      profile_(profile),
      catalogue_(catalogue),
      dateLine_(dateLine),
      cachePath_(RatesCachePath()) {
    dateLine_.hide();
}

WindowRates::~WindowRates() {
    if (worker_) worker_->wait();
}

void WindowRates::LoadCache() {
    cachePath_ = RatesCachePath();
    cache_ = UseCachedRates(catalogue_, cachePath_, now());
}

void WindowRates::CategoryShown(int row) {
    // Called on every conversion: only a change of category does anything.
    if (row == shownRow_) return;
    shownRow_ = row;
    if (row != CurrencyRow) {
        dateLine_.hide();
        return;
    }
    StartDownloadIfDue();
    ShowDateLine();
    dateLine_.show();
}

void WindowRates::StartDownloadIfDue() {
    if (IsDownloading() || !IsRatesDownloadOn(profile_)) return;
    if (cache_.cached && !IsBehindEcb(*cache_.cached, now())) return;
    url_ = RatesUrl(profile_);
    if (const std::string refused = RatesUrlProblem(url_); !refused.empty()) {
        Failed(refused);
        return;
    }
    problem_.clear();
    // Made on the first download only: most runs never show Currency, and
    // the network stack costs start-up time and memory.
    if (!download_) {
        download_ = new RatesDownload(this);
        connect(download_, &RatesDownload::Finished, this, &WindowRates::OnDownloaded);
        connect(download_, &RatesDownload::Failed, this, &WindowRates::OnFailed);
    }
    download_->Start(QUrl(QString::fromStdString(url_)));
}

void WindowRates::OnDownloaded(const QByteArray& body) {
    // Only the worker touches these copies, and only the window's thread the
    // result, after the worker has ended.
    auto checked = std::make_shared<Checked>();
    worker_ = QThread::create(
        [checked, body, check = accept, url = url_, path = cachePath_, time = now()] {
            const std::string_view text(body.constData(), static_cast<std::size_t>(body.size()));
            checked->update = check(text, url, time, path);
            // Read back as every later start will: the cache is the one truth.
            if (checked->update.cached) checked->cache = ReadRatesCache(path, time);
        });
    worker_->setParent(this);
    connect(worker_, &QThread::finished, this, [this, checked] {
        worker_->wait();  // ended already, or all but
        worker_->deleteLater();
        worker_ = nullptr;
        OnChecked(*checked);
    });
    worker_->start();
}

void WindowRates::OnChecked(const Checked& checked) {
    if (!checked.update.cached) return Failed(checked.update.error);
    cache_ = checked.cache;
    // Custom units stay after the new currencies.
    UseRates(catalogue_, cache_);
    ShowDateLine();
    Q_EMIT RatesChanged();
}

void WindowRates::OnFailed(const QString& reason) { Failed(reason.toStdString()); }

void WindowRates::Failed(std::string_view reason) {
    // The reason may hold what a server or a file said: escaped, as the
    // command line writes it.
    problem_ = QString::fromStdString(Visible(reason));
    ShowDateLine();
}

void WindowRates::ShowDateLine() {
    QString line;
    if (cache_.cached) {
        // As RatesDateLine words it, in the window's language.
        const std::string& date = cache_.cached->rates.date;
        line = tr("ECB reference rates of %1").arg(QString::fromStdString(date));
        const std::int64_t age = DaysSince(date.c_str(), now());
        if (age > StaleRatesDays) line += tr(" (%1 days old)").arg(age);
    } else if (IsDownloading())
        line = tr("Downloading the ECB's exchange rates…");
    else
        line = tr("No exchange rates yet");
    if (!problem_.isEmpty()) line += tr(" (download failed)");
    dateLine_.setText(line);
    // As plain text, whatever it holds: a tool tip that looks like HTML would
    // be read as HTML.
    dateLine_.setToolTip(
        problem_.isEmpty() ? problem_ : Qt::convertFromPlainText(problem_, Qt::WhiteSpaceNormal));
    dateLine_.setAccessibleDescription(problem_);
}
