// The first close of the main window on a fresh profile (the save of Format,
// Precision, the 26 Visibility keys and LastCategory) next to the close of a
// bare Qt dialog, in the same run, alternating, each on a window shown and
// exposed before the clock starts. Counts the renames and fsyncs of each
// close.
//
//   bench_gui_close [--runs N]     (default 31; offscreen unless
//                                   QT_QPA_PLATFORM or DISPLAY say otherwise)
//
// Prints the medians in milliseconds, their ratio, and the calls per close.
#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "file_call_counter.h"
#include "mezura_app.h"
#include "mezura_dlg.h"

namespace {

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

// Milliseconds from close() until the closed window has been dealt with.
double TimeClose(QDialog& dialog) {
    const auto start = std::chrono::steady_clock::now();
    dialog.close();
    QApplication::processEvents();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

bool Expose(QDialog& dialog) {
    dialog.show();
    return QTest::qWaitForWindowExposed(&dialog);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int runs = RunsFromArguments(argc, argv);
    QApplication application(argc, argv);

    std::vector<double> mezura, bare;
    FileCalls mezuraCalls, bareCalls;
    for (int i = 0; i < runs; ++i) {
        {
            QTemporaryDir fresh;
            CMezuraApp app(fresh.filePath(QStringLiteral("mezura.INI")).toStdString());
            CMezuraDlg window;
            app.SetMainWindow(&window);
            window.OnInitDialog();
            if (!Expose(window)) {
                std::fprintf(stderr, "the main window did not show\n");
                return 1;
            }
            const FileCalls before = FileCallsSoFar();
            mezura.push_back(TimeClose(window));
            mezuraCalls = FileCallsSince(before);
            app.SetMainWindow(nullptr);
        }
        {
            QDialog dialog;
            dialog.resize(400, 300);
            if (!Expose(dialog)) {
                std::fprintf(stderr, "the bare dialog did not show\n");
                return 1;
            }
            const FileCalls before = FileCallsSoFar();
            bare.push_back(TimeClose(dialog));
            bareCalls = FileCallsSince(before);
        }
    }

    const double mezuraMedian = Median(mezura);
    const double bareMedian = Median(bare);
    std::printf("first close on a fresh profile: median %.3f ms, %d rename(s), %d fsync(s)\n",
                mezuraMedian, mezuraCalls.renames, mezuraCalls.fsyncs);
    std::printf("bare Qt dialog close:           median %.3f ms, %d rename(s), %d fsync(s)\n",
                bareMedian, bareCalls.renames, bareCalls.fsyncs);
    std::printf("ratio %.2f over %d runs each (target <= 1.3 and one rename)\n",
                mezuraMedian / bareMedian, runs);
    return 0;
}
