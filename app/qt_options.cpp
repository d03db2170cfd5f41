#include "qt_options.h"

namespace {

// The options QApplication and its X11 and Wayland plug-ins take, by
// whether a value follows.
bool TakesValue(QStringView name) {
    static const QStringList names{
        QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"), QStringLiteral("plugin"),
        QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
        QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
        QStringLiteral("session"),       QStringLiteral("style"),
        QStringLiteral("stylesheet"),    QStringLiteral("display"),
        QStringLiteral("geometry"),      QStringLiteral("title"),
        QStringLiteral("name"),          QStringLiteral("visual")};
    return names.contains(name);
}

bool IsSwitch(QStringView name) {
    static const QStringList names{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                   QStringLiteral("nograb"), QStringLiteral("dograb"),
                                   QStringLiteral("sync")};
    return names.contains(name);
}

}  // namespace

QStringList WithoutQtOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i > 0 && argument == u"--") {  // what follows is no option of anybody's
            kept << arguments.mid(i);
            break;
        }
        if (i == 0 || argument.size() < 2 || argument[0] != u'-') {
            kept << argument;
            continue;
        }
        // Qt reads "-style", "--style", "-style=Fusion" and "--style=Fusion" alike.
        QStringView name = QStringView(argument).mid(argument.startsWith(u"--") ? 2 : 1);
        const qsizetype equals = name.indexOf(u'=');
        if (equals >= 0) {
            if (!TakesValue(name.left(equals))) kept << argument;
        } else if (TakesValue(name)) {
            ++i;  // the value that follows
        } else if (!IsSwitch(name)) {
            kept << argument;
        }
    }
    return kept;
}
