#include "krunner_runner.h"

#include "search_activity.h"
#include "search_answers.h"
#include "search_desktop.h"
#include "search_icon.h"

KRunnerRunner::KRunnerRunner(SearchAnswers& answers, SearchDesktop& desktop,
                             SearchActivity* activity, QObject* parent)
    : QObject(parent), answers_(answers), desktop_(desktop), activity_(activity) {}

RemoteActions KRunnerRunner::Actions() {
    if (activity_ != nullptr) activity_->Touch();
    return {{QString::fromLatin1(OpenActionId), tr("Open in Mezura"), SearchIconName()}};
}

RemoteMatches KRunnerRunner::Match(const QString& query) {
    if (activity_ != nullptr) activity_->Touch();
    // Too long in UTF-16 units is too long in UTF-8 bytes: not even copied.
    if (query.size() > static_cast<qsizetype>(MaxQueryBytes)) return {};
    const std::vector<SearchAnswer> answers = answers_.Answer(query.toStdString());
    RemoteMatches matches;
    double relevance = 1.0;
    for (const SearchAnswer& answer : answers) {
        matches << RemoteMatch{
            QString::fromStdString(answer.id),
            QString::fromStdString(answer.value + ' ' + answer.unit),
            SearchIconName(),
            answer.typedTarget ? ExactMatchType : PossibleMatchType,
            relevance,
            {{QStringLiteral("subtext"), QString::fromStdString(answer.description)}}};
        relevance -= 0.05;
    }
    return matches;
}

void KRunnerRunner::Run(const QString& matchId, const QString& actionId) {
    if (activity_ != nullptr) activity_->Touch();
    const auto answer = answers_.AnswerFor(matchId.toStdString());
    if (!answer) return;
    if (actionId.isEmpty())
        desktop_.CopyText(QString::fromStdString(answer->value));
    else if (actionId == QLatin1String(OpenActionId))
        desktop_.OpenWindow(QString::fromStdString(answer->windowQuery));
}
