// The first close of the main window on a fresh profile (the save of Format,
// Precision, the 26 Visibility keys and LastCategory) next to the close of a
// bare Qt dialog, in the same run, alternating. A close is what the user
// waits for: from the close request on a shown, exposed window until the
// program has ended. Each close runs in a program of its own (this one,
// started again with --child), which reports when it asked for the close
// and the renames and fsyncs the close made; the end is when it has exited.
//
//   bench_gui_close [--runs N]     (default 31; offscreen unless
//                                   QT_QPA_PLATFORM or DISPLAY say otherwise)
//
// Prints the medians in milliseconds, their ratio, and the calls per close.
#include <time.h>

#include <QApplication>
#include <QDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "catalogue.h"
#include "file_call_counter.h"
#include "main_window.h"
#include "mezura_app.h"

namespace {

long long NowNs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

int RunsFromArguments(int argc, char* argv[]) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--runs") == 0) return std::max(1, std::atoi(argv[i + 1]));
    return 31;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Once the dialog is exposed: the clock starts, the window is closed, and
// the start and the calls of the close go to stdout.
void CloseWhenExposed(QDialog& dialog) {
    QTimer::singleShot(0, &dialog, [&dialog] {
        if (!QTest::qWaitForWindowExposed(&dialog)) std::_Exit(2);
        const FileCalls before = FileCallsSoFar();
        const long long start = NowNs();
        dialog.close();
        const FileCalls made = FileCallsSince(before);
        std::printf("%lld %d %d\n", start, made.renames, made.fsyncs);
        std::fflush(stdout);
    });
}

int Child(int argc, char* argv[], const char* kind, const char* profile) {
    QApplication application(argc, argv);
    if (std::strcmp(kind, "mezura") == 0) {
        MezuraApp app(profile);
        Catalogue catalogue;
        return app.Run(catalogue, [](QDialog& window) {
            window.show();
            CloseWhenExposed(window);
        });
    }
    QDialog dialog;
    dialog.resize(400, 300);
    dialog.show();
    CloseWhenExposed(dialog);
    dialog.exec();
    return 0;
}

struct Close {
    double ms;
    int renames;
    int fsyncs;
};

bool RunChild(const QString& kind, Close& close) {
    QTemporaryDir fresh;
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--child"), kind, fresh.filePath(QStringLiteral("mezura.INI"))});
    if (!child.waitForFinished(30000) || child.exitCode() != 0) return false;
    const long long end = NowNs();
    long long start = 0;
    if (std::sscanf(child.readAllStandardOutput().constData(), "%lld %d %d", &start, &close.renames,
                    &close.fsyncs) != 3)
        return false;
    close.ms = static_cast<double>(end - start) / 1e6;
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0)
        return Child(argc, argv, argv[2], argv[3]);

    const int runs = RunsFromArguments(argc, argv);
    QCoreApplication application(argc, argv);
    std::vector<double> mezura, bare;
    Close mezuraClose{}, bareClose{};
    for (int i = 0; i < runs; ++i) {
        if (!RunChild(QStringLiteral("mezura"), mezuraClose) ||
            !RunChild(QStringLiteral("bare"), bareClose)) {
            std::fprintf(stderr, "a close run failed\n");
            return 1;
        }
        mezura.push_back(mezuraClose.ms);
        bare.push_back(bareClose.ms);
    }

    const double mezuraMedian = Median(mezura);
    const double bareMedian = Median(bare);
    std::printf("first close on a fresh profile: median %.2f ms, %d rename(s), %d fsync(s)\n",
                mezuraMedian, mezuraClose.renames, mezuraClose.fsyncs);
    std::printf("bare Qt dialog close:           median %.2f ms, %d rename(s), %d fsync(s)\n",
                bareMedian, bareClose.renames, bareClose.fsyncs);
    std::printf("ratio %.2f over %d runs each (target <= 1.3 and one rename)\n",
                mezuraMedian / bareMedian, runs);
    return 0;
}
