#pragma once
// The application object: owns the profile store, runs the main window for
// the whole life of the process, and carries File > Exit.
#include <QObject>
#include <memory>
#include <string>

#include "profile_store.h"

class CMezuraDlg;

class CMezuraApp : public QObject {
    Q_OBJECT
public:
    // `profilePath` is the INI file the whole run reads and writes.
    explicit CMezuraApp(std::string profilePath);
    ~CMezuraApp() override;

    // Builds the main window and runs it until it ends. Returns the exit code.
    int InitInstance();

    // File > Exit: writes Format, Precision and the 26 Visibility keys (not
    // LastCategory), then ends the main window.
    void OnFileExit();

    ProfileStore& Profile() { return profile_; }
    // The main window while it runs, else nullptr.
    CMezuraDlg* MainWindow() const { return mainWindow_; }
    void SetMainWindow(CMezuraDlg* window) { mainWindow_ = window; }

private:
    ProfileStore profile_;
    CMezuraDlg* mainWindow_ = nullptr;
};

// The one application object of the process (set by its constructor).
CMezuraApp* theApp();
