#include "search_activity.h"

#include <QCoreApplication>

namespace {

constexpr int DefaultIdleMs = 60'000;

int IdleMs() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("MEZURA_SEARCH_IDLE_MS", &ok);
    return ok && ms > 0 ? ms : DefaultIdleMs;
}

}  // namespace

SearchActivity::SearchActivity(QObject* parent) : QObject(parent) {
    idle_.setSingleShot(true);
    idle_.setInterval(IdleMs());
    connect(&idle_, &QTimer::timeout, qApp, &QCoreApplication::quit);
    idle_.start();
}

void SearchActivity::Touch() { idle_.start(); }
