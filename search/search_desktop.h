#pragma once
// What the search service does to the desktop when a result is acted on:
// puts a value on the clipboard, or starts the window on a conversion.
// Tests replace it with a recorder, so nothing is started for real.
#include <QString>
#include <QStringList>

class SearchDesktop {
public:
    virtual ~SearchDesktop() = default;
    virtual void CopyText(const QString& text) = 0;
    // `mezura QUERY`: the window, started on that conversion.
    virtual void OpenWindow(const QString& query) = 0;
};

// The window's arguments for `query`: "--" first, so that a query such as
// "-5 km to mi" or "-stylesheet=/x.qss" is read as a query and never as an
// option of the window's or of Qt's.
QStringList WindowArguments(const QString& query);

// The real one: QGuiApplication's clipboard, and the window program that
// was installed beside this one (else `mezura` from PATH), started detached.
class QtSearchDesktop : public SearchDesktop {
public:
    void CopyText(const QString& text) override;
    void OpenWindow(const QString& query) override;
};
