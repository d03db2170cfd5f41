// mezura: the window. "mezura --version" prints the version and ends.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "mezura_app.h"

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("mezura " MEZURA_VERSION);
            return 0;
        }
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mezura"));
    QApplication::setApplicationVersion(QStringLiteral(MEZURA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Mezura"));

    // The profile is named after the program's file title (build/mezura keeps
    // mezura.INI): another name for the executable means another profile.
    CMezuraApp app(ProfilePathForProgram(argv[0]));
    return app.InitInstance();
}
