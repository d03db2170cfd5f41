#pragma once
// org.kde.krunner1: how KRunner and Plasma's search ask for results. The
// default action copies the value; the one extra action, "Open in Mezura",
// starts the window on the conversion.
#include <QObject>
#include <QString>

#include "krunner_types.h"

class SearchActivity;
class SearchAnswers;
class SearchDesktop;

inline constexpr const char* OpenActionId = "open";

class KRunnerRunner : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")
public:
    KRunnerRunner(SearchAnswers& answers, SearchDesktop& desktop, SearchActivity* activity,
                  QObject* parent = nullptr);

public Q_SLOTS:
    RemoteActions Actions();
    RemoteMatches Match(const QString& query);
    // An empty action id is the default action.
    void Run(const QString& matchId, const QString& actionId);

private:
    SearchAnswers& answers_;
    SearchDesktop& desktop_;
    SearchActivity* activity_;
};
