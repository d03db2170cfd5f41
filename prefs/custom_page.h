#pragma once
// The Custom tab: custom categories (up to five) and custom units (up to ten
// per category), added and removed at once. Every change reaches the
// catalogue, the profile and the main window before its handler returns, so
// Cancel undoes nothing.
//
// Two modes, chosen by the radio pair:
//   "Add category"        only the category name and its "Add" work
//   "Existing category"   the category list and its "Remove" work, and
//                         the unit row, which reads as an equation:
//                            1 [new unit] = [factor] x [existing unit]
//                         e.g. 1 "span" = 9 x "Inches" adds "Span" to "Distance"
//                         with factor 22.86 (9 x 2.54 cm).
//
// Both lists sort themselves; a shown text is always mapped back to a
// catalogue row or position by exact name. The checks and the changes
// themselves are CustomCatalogue's; the page reads its fields, calls it and
// shows the message it names.
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <string>
#include <string_view>

#include "custom_catalogue.h"
#include "factor_key_filter.h"
#include "group_frame.h"
#include "preferences_listener.h"
#include "profile_store.h"
#include "property_page.h"
#include "sorted_combo_box.h"
#include "svg_label.h"

class CustomPage : public PropertyPage {
    Q_OBJECT
public:
    CustomPage(Catalogue& catalogue, ProfileStore& profile, PreferencesListener& listener);

    // The modes, as the radio pair's ids.
    static constexpr int AddCategoryMode = 0;
    static constexpr int ExistingCategoryMode = 1;

    QString categoryName_;  // categoryEdit_'s text as last read
    int mode_ = -1;         // AddCategoryMode or ExistingCategoryMode; -1 before the tab shows
    int shownRow_ = 0;      // the catalogue row chosen in categoryCombo_

    GroupFrame categoryFrame_;  // "Add new category    "
    QRadioButton addCategoryRadio_;
    QLineEdit categoryEdit_;
    QPushButton addCategoryButton_;
    GroupFrame unitFrame_;  // "Add units in existing category    "
    QRadioButton existingRadio_;
    SortedComboBox categoryCombo_;
    QPushButton removeCategoryButton_;
    QLabel unitHeading_;          // "UNIT" over unitNameEdit_
    QLabel factorHeading_;        // "FACTOR" over factorEdit_
    QLabel existingUnitHeading_;  // "UNIT" over unitCombo_
    QLabel oneLabel_;             // "1"
    QLineEdit unitNameEdit_;
    SvgLabel equalsIcon_;
    QLineEdit factorEdit_;
    SortedComboBox unitCombo_;
    QPushButton addUnitButton_;
    QPushButton removeUnitButton_;

    // Handlers, as the controls call them.
    void OnModeChanged(int mode);
    void OnCategorySelected();
    void OnAddCategory();
    void OnRemoveCategory();
    void OnAddUnit();
    void OnRemoveUnit();

protected:
    void Populate() override;
    void ShowFields() override;
    void ReadFields() override;

private:
    // Refills unitCombo_ with the units of shownRow_ and selects the first.
    void FillUnitCombo();
    // unitCombo_, factorEdit_ and removeUnitButton_ work only while the
    // chosen category has units.
    void EnableUnitChoice(bool enable);
    // The message box for a refusal; `name` (the name added or removed)
    // fills the removal refusals and says what in a new name queries would
    // misread.
    void Tell(CustomMessage message, const std::string& name = {});
    // Refuses a name with a character the profile cannot hold, naming it;
    // false when every character can be stored.
    bool RefuseUnstorable(const QString& name);
    // An information box captioned "Mezura" (or `caption`).
    void Inform(const QString& text, const QString& caption = {});
    // Yes when the user confirms with OK.
    bool Confirm(const QString& text, bool withIcon);

    QLabel existingCategoryLabel_;  // names categoryCombo_ for screen readers
    QButtonGroup modeGroup_;
    FactorKeyFilter factorFilter_;
    Catalogue& catalogue_;
    CustomCatalogue custom_;
};
