// mezura started with the arguments it was given, as any program would
// start it: once the window is up it prints what it shows, one line each,
// and leaves without saving anything.
//
//   category: Distance
//   from: Kilometers
//   to: Miles
//   input: -5
//   output: -3.1068559611867
//   stylesheet: (the application's style sheet, empty when none)
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

#include "main_window.h"
#include "mezura_main.h"
#include "sorted_combo_box.h"
#include "sorted_list_box.h"

namespace {

template <typename Control>
Control& Child(QDialog& window, const char* name) {
    auto* control = window.findChild<Control*>(QLatin1String(name));
    if (control == nullptr) qFatal("no control %s", name);
    return *control;
}

std::string Selected(SortedListBox& list) { return list.TextAt(list.SelectedPosition()); }

void Report(QDialog& window) {
    std::printf("category: %s\n",
                Child<SortedComboBox>(window, "categoryCombo").SelectedText().c_str());
    std::printf("from: %s\n", Selected(Child<SortedListBox>(window, "inputUnits")).c_str());
    std::printf("to: %s\n", Selected(Child<SortedListBox>(window, "outputUnits")).c_str());
    std::printf("input: %s\n", qPrintable(Child<QLineEdit>(window, "inputEdit").text()));
    std::printf("output: %s\n", qPrintable(Child<QLineEdit>(window, "outputEdit").text()));
    std::printf("stylesheet: %s\n", qPrintable(qApp->styleSheet()));
    std::fflush(stdout);
    static_cast<MainWindow&>(window).Leave(MainWindow::Leaving::Escape);
}

}  // namespace

int main(int argc, char* argv[]) {
    return MezuraMain(argc, argv, [](QDialog& window) {
        QTimer::singleShot(0, &window, [&window] { Report(window); });
    });
}
