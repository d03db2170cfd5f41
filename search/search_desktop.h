#pragma once
// What the search service does to the desktop when a result is acted on:
// puts a value on the clipboard, or starts the window on a conversion.
// Tests replace it with a recorder, so nothing is started for real.
#include <QString>

class SearchDesktop {
public:
    virtual ~SearchDesktop() = default;
    virtual void CopyText(const QString& text) = 0;
    // `mezura QUERY`: the window, started on that conversion.
    virtual void OpenWindow(const QString& query) = 0;
};

// The real one: QGuiApplication's clipboard, and the window program that
// was installed beside this one (else `mezura` from PATH), started detached.
class QtSearchDesktop : public SearchDesktop {
public:
    void CopyText(const QString& text) override;
    void OpenWindow(const QString& query) override;
};
