// Time from a keystroke in the input field to the new output text, on the
// real main window: "Distance", Kilometers to Miles, typing 1 and erasing it
// in turn, so every keystroke converts and changes the output.
//
//   bench_gui_keystroke [--keys N] [--history on|off]
//                                      (default 2000 keys, history on as a
//                                       fresh profile has it; offscreen unless
//                                       QT_QPA_PLATFORM says otherwise)
//
// Prints the median, the 90th percentile and the mean in microseconds. The
// key press is timed up to the moment the output field holds the new text;
// the release is sent outside the timing.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "catalogue.h"
#include "main_window.h"
#include "mezura_app.h"
#include "session_language.h"
#include "sorted_combo_box.h"
#include "sorted_list_box.h"
#include "translations.h"

namespace {

int KeysFromArguments(int argc, char* argv[]) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--keys") == 0) return std::max(2, std::atoi(argv[i + 1]));
    return 2000;
}

bool HistoryFromArguments(int argc, char* argv[]) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--history") == 0) return std::strcmp(argv[i + 1], "off") != 0;
    return true;
}

void SelectUnit(SortedListBox& list, const char* name) {
    const int position = list.FindExact(name);
    list.scrollToItem(list.item(position));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                      list.visualItemRect(list.item(position)).center());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int keys = KeysFromArguments(argc, argv);
    const bool history = HistoryFromArguments(argc, argv);
    QTemporaryDir profileFolder;
    // Never the user's own history.
    qputenv("XDG_STATE_HOME", profileFolder.path().toLocal8Bit());
    if (!history) {
        QFile profile(profileFolder.filePath(QStringLiteral("mezura.INI")));
        if (!profile.open(QIODevice::WriteOnly)) return 1;
        profile.write("[Settings]\r\nKeepHistory=FALSE\r\n");
    }
    QApplication application(argc, argv);
    // The user's language, as the program has it: German names and commas
    // under LANGUAGE=de LANG=de_DE.UTF-8.
    const Translations translations;
    MezuraApp app(profileFolder.filePath(QStringLiteral("mezura.INI")).toStdString());
    Catalogue catalogue;
    MainWindow window(app, catalogue);
    app.SetMainWindow(&window);
    window.Populate();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window did not show\n");
        return 1;
    }

    SortedComboBox& categories = window.CategoryCombo();
    categories.setCurrentIndex(categories.FindExact("Distance"));  // as a user's pick: notifies
    SelectUnit(*window.findChild<SortedListBox*>(QStringLiteral("inputUnits")), "Kilometers");
    SelectUnit(*window.findChild<SortedListBox*>(QStringLiteral("outputUnits")), "Miles");
    auto* input = window.findChild<QLineEdit*>(QStringLiteral("inputEdit"));
    auto* output = window.findChild<QLineEdit*>(QStringLiteral("outputEdit"));
    input->setFocus();
    input->clear();

    const bool comma = SessionDecimalComma();
    std::vector<double> microseconds;
    microseconds.reserve(static_cast<size_t>(keys));
    for (int i = 0; i < keys; ++i) {
        const bool typing = i % 2 == 0;
        const Qt::Key key = typing ? Qt::Key_1 : Qt::Key_Backspace;
        // A decimal comma language writes the comma.
        const char* expected = !typing ? "0" : comma ? "0,62137119223733" : "0.62137119223733";
        const auto start = std::chrono::steady_clock::now();
        QTest::keyPress(input, key);
        const bool changed = output->text() == QLatin1String(expected);
        const auto end = std::chrono::steady_clock::now();
        QTest::keyRelease(input, key);
        if (!changed) {
            std::fprintf(stderr, "keystroke %d: output %s, expected %s\n", i,
                         qPrintable(output->text()), expected);
            return 1;
        }
        microseconds.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        if (i % 64 == 0)
            QApplication::processEvents();  // let the window paint now and then, as it would
    }

    std::vector<double> sorted = microseconds;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    const double p90 = sorted[sorted.size() * 9 / 10];
    const double mean =
        std::accumulate(sorted.begin(), sorted.end(), 0.0) / static_cast<double>(sorted.size());
    std::printf(
        "keystroke to output (history %s): median %.1f us, p90 %.1f us, mean %.1f us over %d "
        "keys\n",
        history ? "on" : "off", median, p90, mean, keys);
    window.Leave(MainWindow::Leaving::Escape);
    return 0;
}
