#include "mezura_main.h"

#include <limits.h>
#include <stdlib.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>
#include <string>

#include "catalogue.h"
#include "mezura_app.h"
#include "profile_store.h"
#include "translations.h"

namespace {

// The program file itself, links resolved: started through a symbolic link
// (`ln -s mezura mz`) the program keeps its own profile, while a renamed
// copy gets one of its own.
std::string ProgramFile(const char* argv0) {
    char resolved[PATH_MAX];
    if (::realpath("/proc/self/exe", resolved) != nullptr) return resolved;
    if (argv0 != nullptr && ::realpath(argv0, resolved) != nullptr) return resolved;
    return argv0 != nullptr ? argv0 : "mezura";
}

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The first thing Qt says while it looks for a display: the cause, where
// later lines only say that the platform plugin gave up.
QString firstPlatformMessage;

void QuietPlatformMessages(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type != QtFatalMsg) {
        if (firstPlatformMessage.isEmpty() && context.category != nullptr &&
            QByteArrayView(context.category).startsWith("qt.qpa"))
            firstPlatformMessage = message;
        return;
    }
    // Qt cannot go on without a platform; it would abort (status 134) after
    // several lines. Say it in one and leave as a failed start does.
    QString reason = firstPlatformMessage.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0)
                                                    : firstPlatformMessage;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        reason = QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set");
    std::fprintf(stderr, "mezura: cannot open a display: %s\n",
                 reason.simplified().toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

int MezuraMain(int argc, char* argv[], const std::function<void(QDialog&)>& beforeRun) {
    QCoreApplication::setApplicationName(QStringLiteral("mezura"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MEZURA_VERSION));
    const std::string profile = ProfilePathForProgram(ProgramFile(argv[0]));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Mezura converts a value between units of a quantity as you type.\n"
                       "Settings: %1")
            .arg(QString::fromLocal8Bit(profile.c_str())));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // Before any display is opened. Options of Qt's own (-platform, -style)
    // are not known yet: they are checked once QApplication has taken them.
    parser.parse(Arguments(argc, argv));
    if (parser.isSet(help) || parser.isSet(version)) {
        const QCoreApplication noDisplay(argc, argv);
        parser.process(noDisplay);  // prints and exits 0
    }

    const QtMessageHandler previous = qInstallMessageHandler(QuietPlatformMessages);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    QApplication::setApplicationName(QStringLiteral("Mezura"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Mezura"));
    parser.process(application);      // an unknown option: a message and status 1
    const Translations translations;  // the user's language, where we have it

    // The run's catalogue: the built-in units, then what the profile adds.
    Catalogue catalogue;
    MezuraApp app(profile);
    return app.InitInstance(catalogue, beforeRun);
}
