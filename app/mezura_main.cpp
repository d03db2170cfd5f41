#include "mezura_main.h"

#include <limits.h>
#include <stdlib.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <string>

#include "catalogue.h"
#include "main_window.h"
#include "mezura_app.h"
#include "profile_store.h"
#include "qt_options.h"
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

// The arguments before a "--". Qt's application object reads its options
// (-stylesheet, -platform, -display) anywhere on the line, "--" or not, so
// the query that follows one must never reach it: the desktop search hands
// over whatever was typed.
int CountBeforeEndOfOptions(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--") == 0) return i;
    return argc;
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
    // -V as mezura-convert has it; -v as earlier versions of the window had it.
    const QCommandLineOption version(
        {QStringLiteral("V"), QStringLiteral("v"), QStringLiteral("version")},
        QStringLiteral("Displays version information."));
    parser.addOption(version);
    parser.addPositionalArgument(
        QStringLiteral("conversion"),
        QStringLiteral("A conversion to start on, as the desktop search hands it: "
                       "\"5 km to mi\"; after \"--\" it may begin with \"-\""),
        QStringLiteral("[--] [conversion]"));

    // Read before any display is opened, without Qt's own options (-style,
    // -platform), which QApplication takes itself. The usage names the
    // program, not the path it was started by.
    QStringList arguments = WithoutQtOptions(Arguments(argc, argv));
    arguments[0] = QFileInfo(arguments[0]).fileName();
    const bool understood = parser.parse(arguments);
    if (!understood || parser.isSet(help) || parser.isSet(version)) {
        QByteArray name = arguments[0].toLocal8Bit();
        int count = 1;
        char* nameOnly[] = {name.data(), nullptr};
        const QCoreApplication noDisplay(count, nameOnly);
        if (understood && parser.isSet(version)) parser.showVersion();
        parser.process(arguments);  // the usage and status 0, or the fault and status 1
    }
    if (parser.isSet(QStringLiteral("help-all"))) {
        // Qt's window options are listed only by an application that has
        // them; the offscreen platform needs no display.
        QByteArray name = arguments[0].toLocal8Bit();
        QByteArray platform("-platform"), offscreen("offscreen");
        int count = 3;
        char* offscreenOnly[] = {name.data(), platform.data(), offscreen.data(), nullptr};
        const QApplication noDisplay(count, offscreenOnly);
        parser.process(arguments);
    }

    // Qt keeps the count it was given for as long as the application lives.
    int qtArgc = CountBeforeEndOfOptions(argc, argv);
    const QtMessageHandler previous = qInstallMessageHandler(QuietPlatformMessages);
    QApplication application(qtArgc, argv);
    qInstallMessageHandler(previous);
    QApplication::setApplicationName(QStringLiteral("Mezura"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Mezura"));
    const Translations translations;  // the user's language, where we have it

    // `mezura -- -5 km to mi`: everything after "--" is the query, as one
    // argument or as words.
    const std::string query = parser.positionalArguments().join(QLatin1Char(' ')).toStdString();
    // The run's catalogue: the built-in units, then what the profile adds.
    Catalogue catalogue;
    MezuraApp app(profile);
    return app.Run(catalogue, [&](QDialog& window) {
        if (!query.empty()) static_cast<MainWindow&>(window).StartOn(query);
        if (beforeRun) beforeRun(window);
    });
}
