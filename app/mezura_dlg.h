#pragma once
// The main window.
//
// How a keystroke becomes an output text: the input field reports each user
// edit (never the program's own writes) to Convert(); Convert maps the
// category and the two selected unit texts back to a catalogue row and two
// positions by exact name, reads the input with the atof rule, converts
// (ConvertValue) and writes FormatResult's text and the two unit labels.
// Selecting another category refills both unit lists and converts; selecting
// a unit converts. Nothing is cached between events.
#include <QDialog>

class SortedComboBox;

// Change codes of the notice the Custom page sends while it edits the catalogue.
inline constexpr int CatalogueCategoryAdded = 1;
inline constexpr int CatalogueCategoryRemoved = -1;
inline constexpr int CatalogueUnitAdded = 2;
inline constexpr int CatalogueUnitRemoved = -2;

class CMezuraDlg : public QDialog {
    Q_OBJECT
public:
    explicit CMezuraDlg(QWidget* parent = nullptr);
    ~CMezuraDlg() override;

    // Adds the visible built-in categories and the custom categories in use
    // to the category list; neither empties it first nor selects.
    void FillCategoryList();
    // The category list's selection changed: refill both unit lists, select
    // the first unit on both sides, convert.
    void OnSelchangeCategory();
    // Recomputes the output and the two unit labels from the controls.
    void Convert();
    // The Custom page changed the catalogue (codes above). Returns 0.
    int OnCatalogueChanged(int slot, int code);
    // Options > Preferences: runs the sheet and applies an OK.
    void OnPreferences();
    // Keeps the window above others or not; position and size stay.
    void SetTopmost(bool topmost);

    SortedComboBox& CategoryCombo();

    // (the rest of the window: members, handlers, controls)
};
