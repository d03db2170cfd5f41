#pragma once
// A main window on a profile of its own, for one test: the profile lives in a
// temporary folder (XDG_CONFIG_HOME points there too), a RecordingDesktop
// stands in for the desktop, and the window works on the test's own catalogue.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "catalogue.h"
#include "main_window.h"
#include "mezura_app.h"
#include "recording_desktop.h"
#include "sorted_combo_box.h"
#include "sorted_list_box.h"

// section -> key -> value, as the file holds them (names as written).
using ProfileKeys = std::map<std::string, std::map<std::string, std::string>>;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes `profileText` (Windows-1252 INI text) as the profile, unless
    // it is nothing, then builds the window, runs Populate and shows it.
    void Start(const std::optional<std::string>& profileText = std::nullopt);
    // Start on a profile at `path` (which may not be writable).
    void StartAt(const std::string& path);

    MainWindow& Window() { return *window_; }
    SortedComboBox& Categories();
    SortedListBox& InputUnits();
    SortedListBox& OutputUnits();
    QLineEdit& InputEdit();
    QLineEdit& OutputEdit();
    QLabel& InputUnitLabel();
    QLabel& OutputUnitLabel();

    // What the user does, with real key and mouse events.
    void PickCategory(const std::string& name);  // keys on the drop-down list
    void ClickUnit(SortedListBox& list, const std::string& name);
    void TypeInput(const QString& keys);  // typed at the caret of the input field
    void ClearInput();                    // End, then Backspace until empty
    // "Distance", "Kilometers" to "Miles", then `typed` into the emptied field.
    void TypeKilometersToMiles(const QString& typed);

    std::string ProfilePath() const;
    // A profile path whose folder is a plain file: no write can succeed there,
    // whoever runs the test.
    std::string ProfileBehindAFile() const;
    bool ProfileExists() const;
    ProfileKeys ReadProfileKeys() const;
    // UTF-8 text of a Windows-1252 name.
    static QString Shown(const std::string& cp1252);

    RecordingDesktop desktop_;
    QTemporaryDir folder_;
    // A restart within a test builds a new one, as a new process does.
    std::optional<Catalogue> catalogue_{std::in_place};
    std::unique_ptr<MezuraApp> app_;
    std::unique_ptr<MainWindow> window_;

private:
    QByteArray savedConfigHome_;
    bool hadConfigHome_ = false;
};
