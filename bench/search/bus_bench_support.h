#pragma once
// What the search benchmarks share: calls to the service by its bus name,
// starting it, and reading its resident memory.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QThread>

#include "search_service.h"

inline QDBusMessage Method(const char* path, const char* interface, const char* method,
                           const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(SearchBusName), QString::fromLatin1(path),
        QString::fromLatin1(interface), QString::fromLatin1(method));
    call.setArguments(arguments);
    return call;
}

// Starts the service program and waits (at most 5 s) for its bus name.
inline void StartService(QProcess& service, const char* program) {
    service.start(QString::fromLocal8Bit(program), {});
    auto* bus = QDBusConnection::sessionBus().interface();
    for (int i = 0; i < 200 && !bus->isServiceRegistered(QString::fromLatin1(SearchBusName)); ++i)
        QThread::msleep(25);
}

inline long RssKiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').at(0).toLong();
    return -1;
}
