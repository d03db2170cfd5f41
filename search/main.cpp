// mezura-search-provider: Mezura's answers in the desktop's own search,
// GNOME Shell's overview and KDE's KRunner. The session bus starts it on the
// first query; it ends by itself when no query has come for a minute.
#include <malloc.h>

#include <QDBusConnection>
#include <QGuiApplication>
#include <QLocale>

#include "gnome_search_provider.h"
#include "krunner_runner.h"
#include "krunner_types.h"
#include "profile_store.h"
#include "search_activity.h"
#include "search_answers.h"
#include "search_desktop.h"
#include "search_service.h"

namespace {

// Started by the bus, the service has no terminal of its own, and whatever
// it wrote would land in the user's session log or the terminal the
// session was started from: it says nothing.
void Silent(QtMsgType, const QMessageLogContext&, const QString&) {}

// The clipboard needs a display. X11 comes first: under Wayland the
// compositor hands an X client's clipboard to Wayland clients, while a
// Wayland client that has no window may not set it. Without any display
// the service still answers queries.
void ChoosePlatform() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
    qputenv("QT_QPA_PLATFORM",
            qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb;offscreen");
}

// The answers name units as the window does: in German when German comes
// before English among the user's languages (the window's German catalogue
// is the only one it has).
NameLanguage AnswerLanguage() {
    for (const QString& language : QLocale::system().uiLanguages()) {
        if (language.startsWith(QLatin1String("de"))) return NameLanguage::German;
        if (language.startsWith(QLatin1String("en")) || language == QLatin1String("C")) break;
    }
    return NameLanguage::English;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Blocks of 128 KiB and more always come from the system and go back to
    // it when freed. glibc otherwise raises that bound to the largest block
    // freed so far, so after one huge request (a 1 MiB query, read by Qt
    // into a 2 MB string) the next ones are carved from the heap and kept:
    // the bus test's hostile queries left the service 3 MB larger for good.
    ::mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    qInstallMessageHandler(Silent);
    ChoosePlatform();
    QGuiApplication application(argc, argv);
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Mezura"));
    RegisterSearchDBusTypes();

    SearchAnswers answers(ProfilePathForProgram("mezura"));
    answers.SetNameLanguage(AnswerLanguage());
    answers.SetDecimalComma(AnswerLanguage() == NameLanguage::German &&
                            QLocale::system().decimalPoint() == QStringLiteral(","));
    QtSearchDesktop desktop;
    SearchActivity activity;
    GnomeSearchProvider gnome(answers, desktop, &activity);
    KRunnerRunner runner(answers, desktop, &activity);

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return 1;
    bus.registerObject(QString::fromLatin1(GnomeProviderPath), &gnome,
                       QDBusConnection::ExportAllSlots);
    bus.registerObject(QString::fromLatin1(KRunnerPath), &runner, QDBusConnection::ExportAllSlots);
    // A second copy started by hand leaves the bus to the one already there.
    if (!bus.registerService(QString::fromLatin1(SearchBusName))) return 0;
    return application.exec();
}
