#pragma once
// A main window on a profile of its own in a temporary folder, a recording
// desktop that answers message boxes as a test scripts them, and helpers
// that drive the Preferences sheet with real clicks and keys while it runs
// modally. The QApplication is the window tests' environment
// (../qt_test_environment.cpp), made before the first test.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue.h"
#include "main_window.h"
#include "mezura_app.h"
#include "recording_desktop.h"

class PreferencesSheet;
class QComboBox;
class QLineEdit;
class SortedComboBox;

class PrefsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string ProfilePath() const;
    // Replaces the profile file's whole text (before or while the window runs,
    // as another program editing the file would).
    void WriteProfile(const std::string& text);
    std::string ProfileText() const;
    std::string Stored(std::string_view section, std::string_view key,
                       std::string_view defaultValue = "(absent)") const;

    // Builds the main window and runs its start-up, which loads the profile.
    MainWindow& StartWindow();
    MainWindow& Window() { return *window_; }
    // Closes the window with its close box (it saves its settings); the next
    // window starts on a new catalogue, as a new process would.
    void QuitWindow();

    // Options > Preferences: runs `script` inside the open sheet. The sheet is
    // cancelled if the script leaves it open.
    void RunPreferences(const std::function<void(PreferencesSheet&)>& script);

    // The main window's controls.
    SortedComboBox& MainCategories();
    std::vector<std::string> MainCategoryNames();
    std::vector<std::string> MainUnitNames();
    QLineEdit& MainInput();
    QLineEdit& MainOutput();
    // Picks `name` in the main window's category list with the keyboard.
    void ChooseMainCategory(const std::string& name);

    RecordingDesktop desktop_;
    std::optional<Catalogue> catalogue_{std::in_place};

private:
    QTemporaryDir folder_;
    std::unique_ptr<MezuraApp> app_;
    std::unique_ptr<MainWindow> window_;
};

// --- Real input on the sheet's widgets -----------------------------------

void ShowTab(PreferencesSheet& sheet, int index);
void PressOk(PreferencesSheet& sheet);
void PressCancel(PreferencesSheet& sheet);
// A click on a check box's or radio button's indicator, or a push button's middle.
void Click(QAbstractButton& button);
// Moves a combo box's selection to `index` with Home and Down keys, as a
// user choosing with the keyboard does (each step notifies like a pick).
void ChooseByKeys(QComboBox& combo, int index);
// Picks the entry that reads `name` in a self-sorting list.
void ChooseEntry(SortedComboBox& combo, const std::string& name);
// Selects the field's text and types `text` over it.
void TypeInto(QLineEdit& field, const QString& text);
// Types `text` at the widget's caret, character by character.
void TypeText(QWidget& widget, const QString& text);

std::vector<std::string> Entries(const SortedComboBox& combo);
