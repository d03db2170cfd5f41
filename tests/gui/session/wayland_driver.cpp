// mezura's own start-up, driven from inside on whatever platform it runs
// (test_wayland.sh runs it under weston): once the window is on screen it
// picks "Distance", "Kilometers" to "Miles" with keys and clicks, types 1,
// reads the output, copies it with Alt+C, and checks that the General page
// offers "Always on top" only where the platform can keep a window on top.
// Under weston, which leaves title bars to the client, the window and the
// About box draw their own, without the Maximize of Qt's (title_bars.h).
// Exit status 0 when every check passed.
//
// The environment says how Alt+C comes and what it can reach:
//   MEZURA_NO_SEAT=1              the compositor has no seat, so no keyboard
//                                 and no clipboard: Options > Copy output is
//                                 run from the menu and its selection checked
//   MEZURA_REAL_KEYS_READY=FILE   the driver creates FILE, then waits for a
//                                 real Alt+C pressed on the compositor's seat
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "about_dialog.h"
#include "general_page.h"
#include "main_window.h"
#include "mezura_app.h"
#include "mezura_main.h"
#include "profile_store.h"
#include "sorted_combo_box.h"
#include "sorted_list_box.h"
#include "stays_on_top.h"
#include "title_bars.h"

namespace {

int failures = 0;

void Check(bool ok, const QString& what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", qPrintable(what));
    if (!ok) ++failures;
}

template <typename Control>
Control& Child(QDialog& window, const char* name) {
    auto* control = window.findChild<Control*>(QLatin1String(name));
    if (control == nullptr) qFatal("no control %s", name);
    return *control;
}

void ClickUnit(SortedListBox& list, const std::string& name) {
    const int position = list.FindExact(name);
    list.scrollToItem(list.item(position));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                      list.visualItemRect(list.item(position)).center());
}

// Whether `window` shows its own title bar with Minimize (where its flags
// ask for one) and Close only, and no title bar of Qt's.
bool OwnTitleBarOnly(QWidget& window, bool minimize) {
    const auto* strip = window.findChild<TitleStrip*>();
    return strip != nullptr && window.windowHandle()->frameMargins().isNull() &&
           (strip->MinimizeButton() != nullptr) == minimize && strip->CloseButton() != nullptr &&
           strip->findChildren<QAbstractButton*>().size() == (minimize ? 2 : 1);
}

void CheckTitleBars(QDialog& window) {
    Check(!WindowSystemDrawsTitleBars(),
          QStringLiteral("this compositor offers no server-side decorations"));
    Check(OwnTitleBarOnly(window, true),
          QStringLiteral("the window's own title bar offers Minimize and Close, no Maximize"));
    AboutDialog about(&window);
    about.show();
    Check(QTest::qWaitForWindowExposed(&about) && OwnTitleBarOnly(about, false),
          QStringLiteral("the About box's own title bar offers Close alone"));
    about.close();
}

void Drive(QDialog& window) {
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    Check(QTest::qWaitForWindowExposed(&window), QStringLiteral("the window is shown"));

    auto& categories = Child<SortedComboBox>(window, "categoryCombo");
    categories.setFocus();
    const int distance = categories.FindExact("Distance");
    while (categories.SelectedPosition() < distance) QTest::keyClick(&categories, Qt::Key_Down);
    ClickUnit(Child<SortedListBox>(window, "inputUnits"), "Kilometers");
    ClickUnit(Child<SortedListBox>(window, "outputUnits"), "Miles");

    auto& input = Child<QLineEdit>(window, "inputEdit");
    auto& output = Child<QLineEdit>(window, "outputEdit");
    input.setFocus();
    QTest::keyClick(&input, Qt::Key_Backspace);  // the "0" the window starts with
    QTest::keyClick(&input, '1');
    Check(output.text() == QLatin1String("0.62137119223733"),
          QStringLiteral("1 Kilometers shows %1 Miles").arg(output.text()));

    QClipboard& clipboard = *QGuiApplication::clipboard();
    clipboard.clear();
    const QString keysReady = qEnvironmentVariable("MEZURA_REAL_KEYS_READY");
    if (keysReady.isEmpty()) {
        // Without a seat no window is active, so no shortcut can fire: the
        // menu command is what runs.
        Child<QAction>(window, "copyOutputAction").trigger();
    } else {
        // Wayland takes a clipboard offer only with the serial of a real
        // input event on a seat: the test presses Alt+C on the seat itself.
        QFile(keysReady).open(QIODevice::WriteOnly);
        if (!QTest::qWaitFor([&output] { return output.hasSelectedText(); }, 10000))
            std::printf("no Alt+C arrived from the seat\n");
    }
    Check(output.selectedText() == output.text(),
          QStringLiteral("Copy output selects the whole output"));
    if (qEnvironmentVariableIsSet("MEZURA_NO_SEAT")) {
        std::printf(
            "note: this compositor has no seat, and Wayland keeps the clipboard for "
            "clients with a seat\n");
    } else {
        const bool arrived = QTest::qWaitFor([&] { return !clipboard.text().isEmpty(); }, 5000);
        Check(arrived && clipboard.text() == output.text(),
              QStringLiteral("Alt+C copied \"%1\"").arg(clipboard.text()));
    }

    auto& dialog = static_cast<MainWindow&>(window);
    // The page is only looked at: a profile nobody writes will do.
    ProfileStore unused(QDir::temp().filePath(QStringLiteral("mezura-unused.INI")).toStdString());
    GeneralPage general(unused, dialog);
    const bool offered = general.onTopCheck_.isEnabled();
    Check(offered == StaysOnTopSupported(),
          QStringLiteral("\"Always on top\" is %1 (%2)")
              .arg(offered ? QStringLiteral("offered") : QStringLiteral("disabled"),
                   general.onTopCheck_.toolTip()));
    Check(offered || !general.onTopCheck_.toolTip().isEmpty(),
          QStringLiteral("a disabled \"Always on top\" says why"));

    if (QGuiApplication::platformName().startsWith(u"wayland")) CheckTitleBars(window);

    dialog.Leave(MainWindow::Leaving::Escape);
}

}  // namespace

int main(int argc, char* argv[]) {
    const int status = MezuraMain(argc, argv, [](QDialog& window) {
        QTimer::singleShot(0, &window, [&window] { Drive(window); });
    });
    if (status != 0) return status;
    std::printf("%d check(s) failed\n", failures);
    return failures == 0 ? 0 : 1;
}
