#include "gnome_search_provider.h"

#include <malloc.h>

#include <algorithm>
#include <optional>
#include <string>

#include "search_activity.h"
#include "search_answers.h"
#include "search_desktop.h"
#include "search_icon.h"

namespace {

// The words joined again with one blank; nothing for words longer together
// than any query that is read (a UTF-16 unit is at least one byte of UTF-8),
// so that a huge request is not copied twice more to be turned away.
std::optional<std::string> JoinedTerms(const QStringList& terms) {
    qsizetype units = terms.size();
    for (const QString& term : terms) units += term.size();
    if (units > static_cast<qsizetype>(MaxQueryBytes) + 1) return std::nullopt;
    std::string query = terms.join(QLatin1Char(' ')).toStdString();
    if (query.size() > MaxQueryBytes) return std::nullopt;
    return query;
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
    const auto query = JoinedTerms(terms);
    if (!query) return ids;
    for (const SearchAnswer& answer : answers_.Answer(*query)) ids << FromUtf8(answer.id);
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
    if (const auto query = JoinedTerms(terms)) desktop_.OpenWindow(FromUtf8(*query));
}
