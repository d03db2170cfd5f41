#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>

#include "search_desktop.h"

void QtSearchDesktop::CopyText(const QString& text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

void QtSearchDesktop::OpenWindow(const QString& query) {
    // Installed, the service lives in libexec/ and the window in bin/; in a
    // build tree both are in one folder.
    const QString here = QCoreApplication::applicationDirPath();
    QString program = QStringLiteral("mezura");
    for (const QString& candidate :
         {here + QStringLiteral("/../bin/mezura"), here + QStringLiteral("/mezura")}) {
        if (QFileInfo(candidate).isExecutable()) {
            program = candidate;
            break;
        }
    }
    QProcess::startDetached(program, WindowArguments(query));
}

QStringList WindowArguments(const QString& query) { return {QStringLiteral("--"), query}; }
