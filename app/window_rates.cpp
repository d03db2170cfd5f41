#include "window_rates.h"

#include <QLabel>
#include <QStringList>
#include <QTextDocument>
#include <QThread>
#include <QUrl>
#include <algorithm>
#include <ctime>

#include "catalogue.h"
#include "catalogue_limits.h"
#include "ecb_publication.h"
#include "rates_settings.h"
#include "rates_update.h"
#include "session_language.h"
#include "text_edge.h"
#include "visible_text.h"

// What the worker hands back: the download's fate, and the cache as read
// back when it was kept.
struct WindowRates::Checked {
    RatesUpdate update;
    CachedRatesRead cache;
    RatesSource table;
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
    cache_ = UseCachedRates(catalogue_, cachePath_, now(), SessionNameLanguage());
}

void WindowRates::CategoryShown(int row, int from, int to) {
    // Called on every conversion: only a change of category or of the units
    // shown does anything.
    if (row == shownRow_ && from == shownFrom_ && to == shownTo_) return;
    const bool cameToCurrency = row != shownRow_ && row == CurrencyRow;
    shownRow_ = row;
    shownFrom_ = from;
    shownTo_ = to;
    if (row != CurrencyRow) {
        dateLine_.hide();
        return;
    }
    if (cameToCurrency) StartDownloadIfDue();
    ShowDateLine();
    dateLine_.show();
}

void WindowRates::StartDownloadIfDue() {
    if (IsDownloading() || !IsRatesDownloadOn(profile_)) return;
    due_.clear();
    for (const RatesSource source : RatesSources) {
        const auto& cached = cache_.Of(source).cached;
        if (!cached || IsBehindSource(*cached, now())) due_.push_back(source);
    }
    problem_.clear();
    StartNextDownload();
}

void WindowRates::StartNextDownload() {
    while (!due_.empty()) {
        downloading_ = due_.front();
        due_.erase(due_.begin());
        url_ = SourceUrl(profile_, downloading_);
        if (const std::string refused = RatesUrlProblem(url_); !refused.empty()) {
            Failed(refused);
            continue;
        }
        // Made on the first download only: most runs never show Currency,
        // and the network stack costs start-up time and memory.
        if (!download_) {
            download_ = new RatesDownload(this);
            connect(download_, &RatesDownload::Finished, this, &WindowRates::OnDownloaded);
            connect(download_, &RatesDownload::Failed, this, &WindowRates::OnFailed);
        }
        download_->Start(QUrl(QString::fromStdString(url_)));
        return;
    }
}

void WindowRates::OnDownloaded(const QByteArray& body) {
    // Only the worker touches these copies, and only the window's thread the
    // result, after the worker has ended.
    auto checked = std::make_shared<Checked>();
    checked->table = downloading_;
    worker_ = QThread::create([checked, body, check = accept, url = url_,
                               path = SourceCachePath(cachePath_, downloading_), time = now()] {
        const std::string_view text(body.constData(), static_cast<std::size_t>(body.size()));
        checked->update = check(text, url, time, path, checked->table);
        // Read back as every later start will: the cache is the one truth.
        if (checked->update.cached) checked->cache = ReadRatesCache(path, time, checked->table);
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
    if (!checked.update.cached) {
        Failed(checked.update.error);
    } else {
        // Only this source's rates change; the others stay as they were.
        cache_.Of(checked.table) = checked.cache;
        // Custom units stay after the new currencies.
        UseRates(catalogue_, cache_, SessionNameLanguage());
        ShowDateLine();
        Q_EMIT RatesChanged();
    }
    StartNextDownload();
}

void WindowRates::OnFailed(const QString& reason) {
    Failed(reason.toStdString());
    StartNextDownload();
}

void WindowRates::Failed(std::string_view reason) {
    // The reason may hold what a server or a file said: escaped, as the
    // command line writes it.
    problem_ =
        QString::fromStdString(std::string(InfoOf(downloading_).name) + ": " + Visible(reason));
    ShowDateLine();
}

std::pair<QString, QString> WindowRates::SourcesText() const {
    std::vector<std::string_view> codes;
    for (const int position : {shownFrom_, shownTo_})
        if (const CurrencyWords* words = catalogue_.CurrencyWordsAt(position))
            codes.push_back(words->code);
    const auto& inUse = cache_.inUse;
    // Euro to euro, or no currency shown yet: the source of the first rate,
    // the ECB's when it is kept, as for most conversions.
    if (std::all_of(codes.begin(), codes.end(),
                    [](std::string_view code) { return code == "EUR"; }))
        codes.assign(1, inUse.empty() ? std::string_view() : std::string_view(inUse.front().code));
    const auto uses = SourcesUsed(cache_, inUse, codes, now());
    // SourcesLine's line in the window's language, and a short one of the
    // same sources for a line too long for the window.
    SourcesWording wording;
    wording.dated = {tr("ECB reference rates of %1").toStdString(),
                     tr("NBP table A of %1").toStdString(), tr("NBP table B of %1").toStdString()};
    wording.age = tr(" (%1 days old)").toStdString();
    wording.codes = tr(" for %1").toStdString();
    wording.inEuros = tr(", in euros by %1").toStdString();
    SourcesWording brief = wording;
    //: The sources in short: "ECB 2026-12-07; NBP B 2026-12-02 for ARS; NBP A 2026-12-07".
    brief.dated = {tr("ECB %1").toStdString(), tr("NBP A %1").toStdString(),
                   tr("NBP B %1").toStdString()};
    brief.age = tr(" (%1 days)").toStdString();
    brief.inEuros = "; %1";
    return {QString::fromStdString(SourcesLine(uses, wording)),
            QString::fromStdString(SourcesLine(uses, brief))};
}

void WindowRates::ShowDateLine() {
    QString line, full;
    const QString failed = problem_.isEmpty() ? QString() : tr(" (download failed)");
    if (cache_.Any()) {
        const auto [whole, brief] = SourcesText();
        // The window keeps its size: a line that does not fit is said in
        // short, and whole in the tool tip.
        const bool fits =
            dateLine_.fontMetrics().horizontalAdvance(whole + failed) <= dateLine_.width();
        line = fits ? whole : brief;
        if (!fits) full = whole;
    } else if (IsDownloading())
        line = tr("Downloading the exchange rates…");
    else
        line = tr("No exchange rates yet");
    dateLine_.setText(line + failed);
    // As plain text, whatever it holds: a tool tip that looks like HTML would
    // be read as HTML.
    const QString tip = problem_.isEmpty() ? full : problem_;
    dateLine_.setToolTip(tip.isEmpty() ? tip : Qt::convertFromPlainText(tip, Qt::WhiteSpaceNormal));
    dateLine_.setAccessibleDescription(problem_);
}
