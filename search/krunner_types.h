#pragma once
// The structures of KRunner's D-Bus runner interface (org.kde.krunner1):
// a match is (id, text, icon name, type, relevance, properties), signature
// (sssida{sv}); an action is (id, text, icon name), signature (sss).
#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

struct RemoteMatch {
    QString id;
    QString text;
    QString iconName;
    int type = 0;  // KRunner's match types: 100 exact, 30 possible
    double relevance = 0;
    QVariantMap properties;  // "subtext": the line under the text
};
using RemoteMatches = QList<RemoteMatch>;

struct RemoteAction {
    QString id;
    QString text;
    QString iconName;
};
using RemoteActions = QList<RemoteAction>;

inline constexpr int ExactMatchType = 100;
inline constexpr int PossibleMatchType = 30;

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteMatch& match);
const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteMatch& match);
QDBusArgument& operator<<(QDBusArgument& argument, const RemoteAction& action);
const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteAction& action);

// Before any call carries them, in the service and in its clients.
void RegisterSearchDBusTypes();

Q_DECLARE_METATYPE(RemoteMatch)
Q_DECLARE_METATYPE(RemoteAction)
