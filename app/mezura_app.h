#pragma once
// The application object: owns the profile store and runs the main window
// over the catalogue its caller owns, for the whole life of the process.
//
// A profile write that fails (a read-only folder, a full disk) does not go
// unnoticed: the first failure of the run shows one message "Mezura" naming
// the file and the reason; the program carries on with its settings in
// memory, and later failures of the same run stay quiet. A failure of the
// save on leaving says that the settings could not be saved, as nothing
// keeps them in effect any more. A profile that cannot be read at all (too
// large, a folder) is reported the same way, once, as the window starts:
// every later write fails for the same reason. A settings file that another
// program keeps locked for more than two seconds is said each time it stops
// a save; what could not be written goes with the next save.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "profile_store.h"
#include "result_format.h"

class Catalogue;
class MainWindow;
class QDialog;

class MezuraApp : public QObject {
    Q_OBJECT
public:
    // `profilePath` is the INI file the whole run reads and writes.
    explicit MezuraApp(std::string profilePath);
    ~MezuraApp() override;

    // Builds the main window over `catalogue` and runs it until it ends.
    // Returns the exit code. `beforeRun` sees the initialised window before
    // it runs.
    int Run(Catalogue& catalogue, const std::function<void(QDialog&)>& beforeRun = {});

    // The save on leaving, in one write: Format, Precision, the
    // Visibility keys and, when given, LastCategory.
    void SaveOnLeaving(const Catalogue& catalogue, const ResultStyle& style,
                       std::optional<std::string_view> lastCategory);

    ProfileStore& Profile() { return profile_; }
    // The main window while it runs, else nullptr.
    MainWindow* Window() const { return mainWindow_; }
    void SetMainWindow(MainWindow* window) { mainWindow_ = window; }

    // The text of the message for a failed write during the run, and for
    // one on leaving.
    static QString WriteErrorText(const ProfileError& error);
    static QString LeavingWriteErrorText(const ProfileError& error);
    // The text of the message for a profile that cannot be read.
    static QString ReadErrorText(const ProfileError& error);

    // Called by the main window once it has read the profile: tells the
    // user when the file could not be read, rather than starting quietly on
    // defaults that look like an empty profile.
    void ReportUnreadableProfile();

private:
    void OnProfileWriteError(const ProfileError& error);
    void ShowProfileMessageOnce(const QString& text);
    void ShowProfileMessage(const QString& text);

    ProfileStore profile_;
    MainWindow* mainWindow_ = nullptr;
    bool profileMessageShown_ = false;
    bool leaving_ = false;
};
