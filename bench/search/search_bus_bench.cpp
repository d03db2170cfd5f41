// The search service's cost as a desktop pays it, on the session bus given
// by DBUS_SESSION_BUS_ADDRESS (run_search_bench.sh starts a private one):
// starts the service program named on the command line, then, interleaved
// in one run so both see the same load, times a query (KRunner's Match and
// GNOME's GetInitialResultSet with its GetResultMetas), plain and written as
// an expression ("1 kg/m^3 to lb/ft^3"), against the bus's own
// org.freedesktop.DBus.Peer.Ping to the same service, and reads the
// service's resident memory after the queries, and again after the bus
// test's hostile queries.
//
//   search_bus_bench SERVICE_PROGRAM [ROUNDS]
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bus_bench_support.h"
#include "krunner_types.h"
#include "search_service.h"

namespace {

using Clock = std::chrono::steady_clock;

double MedianUs(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double TimedCallUs(const QDBusMessage& call) {
    const auto start = Clock::now();
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call);
    const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    if (reply.type() != QDBusMessage::ReplyMessage) {
        std::fprintf(stderr, "call failed: %s\n", qPrintable(reply.errorMessage()));
        std::exit(1);
    }
    return us;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: search_bus_bench SERVICE_PROGRAM [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc > 2 ? std::max(11, std::atoi(argv[2])) : 2001;
    RegisterSearchDBusTypes();

    QProcess service;
    StartService(service, argv[1]);

    const QDBusMessage ping = Method(KRunnerPath, "org.freedesktop.DBus.Peer", "Ping", {});
    const QDBusMessage match =
        Method(KRunnerPath, "org.kde.krunner1", "Match", {QStringLiteral("5 km to mi")});
    const QStringList terms{QStringLiteral("5"), QStringLiteral("km"), QStringLiteral("to"),
                            QStringLiteral("mi")};
    const QDBusMessage gnome = Method(GnomeProviderPath, "org.gnome.Shell.SearchProvider2",
                                      "GetInitialResultSet", {terms});
    const QDBusMessage metas =
        Method(GnomeProviderPath, "org.gnome.Shell.SearchProvider2", "GetResultMetas",
               {QStringList{QStringLiteral("10:10:14:5")}});
    const QDBusMessage none =
        Method(KRunnerPath, "org.kde.krunner1", "Match", {QStringLiteral("weather in paris")});
    // An expression: read by the catalogue's names first, which fails, then
    // by dimensions; its id carries the query, and its metas read it again.
    const QString expression = QStringLiteral("1 kg/m^3 to lb/ft^3");
    const QDBusMessage expressionMatch =
        Method(KRunnerPath, "org.kde.krunner1", "Match", {expression});
    const QDBusMessage expressionGnome =
        Method(GnomeProviderPath, "org.gnome.Shell.SearchProvider2", "GetInitialResultSet",
               {expression.split(QLatin1Char(' '))});
    const QDBusMessage expressionMetas =
        Method(GnomeProviderPath, "org.gnome.Shell.SearchProvider2", "GetResultMetas",
               {QStringList{QLatin1Char('=') + expression}});

    std::vector<double> pings, matches, gnomes, metasUs, nones, expressionMatches, expressionGnomes,
        expressionMetasUs;
    for (int i = 0; i < rounds; ++i) {
        pings.push_back(TimedCallUs(ping));
        matches.push_back(TimedCallUs(match));
        gnomes.push_back(TimedCallUs(gnome));
        metasUs.push_back(TimedCallUs(metas));
        nones.push_back(TimedCallUs(none));
        expressionMatches.push_back(TimedCallUs(expressionMatch));
        expressionGnomes.push_back(TimedCallUs(expressionGnome));
        expressionMetasUs.push_back(TimedCallUs(expressionMetas));
    }
    const double pingUs = MedianUs(pings);
    std::printf("rounds (interleaved): %d\n", rounds);
    std::printf("Peer.Ping round trip      median %8.1f us\n", pingUs);
    for (const auto& [name, samples] : {std::pair{"KRunner Match           ", &matches},
                                        {"GNOME GetInitialResultSet", &gnomes},
                                        {"GNOME GetResultMetas     ", &metasUs},
                                        {"no conversion (Match)    ", &nones},
                                        {"expression (Match)       ", &expressionMatches},
                                        {"expression (GNOME set)   ", &expressionGnomes},
                                        {"expression (GNOME metas) ", &expressionMetasUs}}) {
        const double us = MedianUs(*samples);
        std::printf("%s median %8.1f us  %.2fx Ping\n", name, us, us / pingUs);
    }
    std::printf("service RSS after the queries: %.1f MB\n",
                static_cast<double>(RssKiB(service.processId())) / 1024.0);
    // The hostile queries of the bus test, then the service's memory once it
    // has had a moment to give back what they took.
    const QString hostile[] = {
        QStringLiteral("5 km\x01\x02\x1b]0;x\a to mi"),
        QString(1 << 20, QLatin1Char('5')),
        QString::fromUtf8("5 \xff\xfe\xc3 to mi"),
        QString(2000, QLatin1Char(' ')) + QStringLiteral("5 km to mi"),
    };
    for (const QString& query : hostile) {
        TimedCallUs(Method(KRunnerPath, "org.kde.krunner1", "Match", {query}));
        TimedCallUs(Method(GnomeProviderPath, "org.gnome.Shell.SearchProvider2",
                           "GetInitialResultSet", {query.split(QLatin1Char(' '))}));
    }
    QThread::msleep(1000);
    std::printf("service RSS 1 s after the hostile queries: %.1f MB\n",
                static_cast<double>(RssKiB(service.processId())) / 1024.0);
    service.kill();
    service.waitForFinished();
    return 0;
}
