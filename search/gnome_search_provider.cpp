#include "gnome_search_provider.h"

#include <malloc.h>

#include <algorithm>

#include "search_activity.h"
#include "search_answers.h"
#include "search_desktop.h"
#include "search_icon.h"

namespace {

std::string JoinedTerms(const QStringList& terms) {
    return terms.join(QLatin1Char(' ')).toStdString();
}

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

GnomeSearchProvider::GnomeSearchProvider(SearchAnswers& answers, SearchDesktop& desktop,
                                         SearchActivity* activity, QObject* parent)
    : QObject(parent), answers_(answers), desktop_(desktop), activity_(activity) {
    // Qt reads every id of a request into strings before the call reaches
    // us, however many there are, and the allocator keeps what they took
    // once they are freed. A moment after a request far larger than any
    // desktop sends, when Qt has let go of it, that memory goes back to the
    // system, so the service keeps its usual size for the rest of its life.
    release_.setSingleShot(true);
    release_.setInterval(200);
    connect(&release_, &QTimer::timeout, this, [] { ::malloc_trim(0); });
}

void GnomeSearchProvider::ReleaseAfterLargeRequest(qsizetype ids) {
    if (ids > MostResultMetas) release_.start();
}

QStringList GnomeSearchProvider::GetInitialResultSet(const QStringList& terms) {
    if (activity_ != nullptr) activity_->Touch();
    QStringList ids;
    for (const SearchAnswer& answer : answers_.Answer(JoinedTerms(terms)))
        ids << FromUtf8(answer.id);
    return ids;
}

QStringList GnomeSearchProvider::GetSubsearchResultSet(const QStringList& previousResults,
                                                       const QStringList& terms) {
    ReleaseAfterLargeRequest(previousResults.size());
    // A longer query can mean another category altogether ("5 m" then
    // "5 mi"): it is answered afresh.
    return GetInitialResultSet(terms);
}

QList<QVariantMap> GnomeSearchProvider::GetResultMetas(const QStringList& identifiers) {
    if (activity_ != nullptr) activity_->Touch();
    ReleaseAfterLargeRequest(identifiers.size());
    QList<QVariantMap> metas;
    for (const QString& id : identifiers.first(std::min(identifiers.size(), MostResultMetas))) {
        const auto answer = answers_.AnswerFor(id.toStdString());
        if (!answer) continue;
        metas << QVariantMap{
            {QStringLiteral("id"), id},
            {QStringLiteral("name"), FromUtf8(answer->value + ' ' + answer->unit)},
            {QStringLiteral("description"), FromUtf8(answer->description)},
            {QStringLiteral("gicon"), SearchIconName()},
            {QStringLiteral("clipboardText"), FromUtf8(answer->value)},
        };
    }
    return metas;
}

void GnomeSearchProvider::ActivateResult(const QString& identifier, const QStringList&, uint) {
    if (activity_ != nullptr) activity_->Touch();
    if (const auto answer = answers_.AnswerFor(identifier.toStdString()))
        desktop_.CopyText(FromUtf8(answer->value));
}

void GnomeSearchProvider::LaunchSearch(const QStringList& terms, uint) {
    if (activity_ != nullptr) activity_->Touch();
    const std::string query = JoinedTerms(terms);
    if (query.size() <= MaxQueryBytes) desktop_.OpenWindow(FromUtf8(query));
}
