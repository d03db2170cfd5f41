#include "mezura_app.h"

#include <QDialog>

#include "desktop.h"
#include "leftover_copies.h"
#include "main_window.h"
#include "profile_records.h"

MezuraApp::MezuraApp(std::string profilePath) : profile_(std::move(profilePath)) {
    // The icons live in the static window library; a static library's
    // resources must be registered by name.
    Q_INIT_RESOURCE(mezura);
    profile_.SetWriteErrorListener(
        [this](const ProfileError& error) { OnProfileWriteError(error); });
    // Saves run on the GUI thread: a lock held elsewhere must not freeze the
    // window for longer than a moment.
    profile_.SetLockWait(std::chrono::seconds(2));
    RemoveLeftoverCopies(profile_.Path());
}

MezuraApp::~MezuraApp() = default;

int MezuraApp::Run(Catalogue& catalogue, const std::function<void(QDialog&)>& beforeRun) {
    MainWindow dialog(*this, catalogue);
    SetMainWindow(&dialog);
    dialog.Populate();
    if (beforeRun) beforeRun(dialog);
    dialog.exec();
    SetMainWindow(nullptr);
    return 0;
}

void MezuraApp::SaveOnLeaving(const Catalogue& catalogue, const ResultStyle& style,
                              std::optional<std::string_view> lastCategory) {
    leaving_ = true;
    SaveSettings(profile_, catalogue, style, lastCategory);
}

QString MezuraApp::WriteErrorText(const ProfileError& error) {
    return tr("Mezura could not save its settings to\n%1\n\n%2\n\n"
              "The settings stay in effect until Mezura is closed.")
        .arg(QString::fromStdString(error.path), QString::fromStdString(error.reason));
}

QString MezuraApp::LeavingWriteErrorText(const ProfileError& error) {
    return tr("Mezura could not save its settings to\n%1\n\n%2\n\n"
              "The changes made since the last save are lost.")
        .arg(QString::fromStdString(error.path), QString::fromStdString(error.reason));
}

QString MezuraApp::ReadErrorText(const ProfileError& error) {
    return tr("Mezura could not read its settings from\n%1\n\n%2\n\n"
              "Mezura starts with its default settings and leaves the file as it is.")
        .arg(QString::fromStdString(error.path), QString::fromStdString(error.reason));
}

void MezuraApp::ReportUnreadableProfile() {
    if (const ProfileReadResult error = profile_.ReadError()) {
        ShowProfileMessageOnce(ReadErrorText(*error));
    }
}

void MezuraApp::OnProfileWriteError(const ProfileError& error) {
    const QString text = leaving_ ? LeavingWriteErrorText(error) : WriteErrorText(error);
    // A file in use is passing: each time it stops a save is worth saying.
    if (error.reason == ProfileInUseReason) return ShowProfileMessage(text);
    ShowProfileMessageOnce(text);
}

void MezuraApp::ShowProfileMessageOnce(const QString& text) {
    // A failing folder usually fails every write that follows; one message
    // per run tells the user without burying the window in boxes.
    if (profileMessageShown_) return;
    profileMessageShown_ = true;
    ShowProfileMessage(text);
}

void MezuraApp::ShowProfileMessage(const QString& text) {
    CurrentDesktop().ShowMessage(mainWindow_, tr("Mezura"), text, Desktop::Icon::Information,
                                 Desktop::Buttons::Ok);
}
