// What one client asking GetResultMetas for a great many ids costs the
// service and everybody else, on the session bus given by
// DBUS_SESSION_BUS_ADDRESS (run_result_metas_bench.sh starts a private one):
// starts the service program named on the command line, then, while a
// second client on its own connection calls KRunner's Match over and over,
// sends one GetResultMetas with IDS ids. Prints the second client's longest
// wait before and during that request, how long the request took, how many
// metas came back, and the service's resident memory after it.
//
//   result_metas_bench SERVICE_PROGRAM [IDS]   (default 100000)
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>

#include "bus_bench_support.h"
#include "krunner_types.h"
#include "search_service.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration span) { return std::chrono::duration<double, std::milli>(span).count(); }

// User and system time the process has used, from /proc/PID/stat.
double CpuMs(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray text = stat.readAll();
    // The fields after the program's name, which is in parentheses.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const double ticks = fields.at(11).toDouble() + fields.at(12).toDouble();
    return ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// The second client: Match calls back to back on a connection of its own,
// the longest wait of those that started while `measuring` was set.
class SecondClient {
public:
    SecondClient() {
        thread_ = std::thread([this] { Run(); });
        while (!ready_) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~SecondClient() {
        stop_ = true;
        thread_.join();
    }
    // The longest wait since the last call, and the calls it was taken over.
    std::pair<double, int> Take() {
        std::lock_guard lock(mutex_);
        const auto taken = std::pair{longestMs_, calls_};
        longestMs_ = 0;
        calls_ = 0;
        return taken;
    }

private:
    void Run() {
        QDBusConnection bus =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("second"));
        const QDBusMessage match =
            Method(KRunnerPath, "org.kde.krunner1", "Match", {QStringLiteral("5 km to mi")});
        ready_ = true;
        while (!stop_) {
            const auto start = Clock::now();
            const QDBusMessage reply = bus.call(match, QDBus::Block, 60'000);
            const double ms = Ms(Clock::now() - start);
            if (reply.type() != QDBusMessage::ReplyMessage) {
                std::fprintf(stderr, "second client: %s\n", qPrintable(reply.errorMessage()));
                std::exit(1);
            }
            std::lock_guard lock(mutex_);
            longestMs_ = std::max(longestMs_, ms);
            ++calls_;
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("second"));
    }

    std::thread thread_;
    std::atomic<bool> ready_ = false;
    std::atomic<bool> stop_ = false;
    std::mutex mutex_;
    double longestMs_ = 0;
    int calls_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: result_metas_bench SERVICE_PROGRAM [IDS]\n");
        return 2;
    }
    const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100'000;
    RegisterSearchDBusTypes();

    QProcess service;
    StartService(service, argv[1]);
    const QDBusMessage warm =
        Method(KRunnerPath, "org.kde.krunner1", "Match", {QStringLiteral("5 km to mi")});
    QDBusConnection::sessionBus().call(warm);
    std::printf("service RSS before: %.1f MB\n",
                static_cast<double>(RssKiB(service.processId())) / 1024.0);

    // Distinct ids of real conversions, as a client would make them.
    QStringList ids;
    ids.reserve(count);
    for (int i = 0; i < count; ++i) ids << QStringLiteral("13:10:14:%1").arg(i + 1);

    auto second = std::make_unique<SecondClient>();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const auto [quietMs, quietCalls] = second->Take();
    std::printf("second client, no load:   longest wait %7.2f ms over %d calls\n", quietMs,
                quietCalls);

    const double cpuBefore = CpuMs(service.processId());
    const auto start = Clock::now();
    const QDBusMessage reply = QDBusConnection::sessionBus().call(
        Method(GnomeProviderPath, "org.gnome.Shell.SearchProvider2", "GetResultMetas", {ids}),
        QDBus::Block, 120'000);
    const double requestMs = Ms(Clock::now() - start);
    // Calls that started during the request may end just after it.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const auto [loadMs, loadCalls] = second->Take();
    second.reset();  // before the service goes
    const double cpuDuring = CpuMs(service.processId()) - cpuBefore;
    if (reply.type() != QDBusMessage::ReplyMessage) {
        std::fprintf(stderr, "GetResultMetas failed: %s\n", qPrintable(reply.errorMessage()));
        return 1;
    }
    const auto metas = qdbus_cast<QList<QVariantMap>>(reply.arguments().at(0));
    std::printf("GetResultMetas, %d ids:  %.1f ms, %lld metas back\n", count, requestMs,
                static_cast<long long>(metas.size()));
    std::printf("second client, during it: longest wait %7.2f ms over %d calls\n", loadMs,
                loadCalls);
    std::printf("service CPU time meanwhile (its answers to the second client included): %.0f ms\n",
                cpuDuring);
    std::printf("service RSS after: %.1f MB\n",
                static_cast<double>(RssKiB(service.processId())) / 1024.0);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    std::printf("service RSS 2 s later: %.1f MB\n",
                static_cast<double>(RssKiB(service.processId())) / 1024.0);
    service.kill();
    service.waitForFinished();
    return 0;
}
