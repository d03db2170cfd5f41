#pragma once
// The Custom tab: custom categories (up to five) and custom units (up to ten
// per category), added and removed at once. Every change reaches the
// catalogue, the profile and the main window before its handler returns, so
// Cancel undoes nothing.
//
// Two modes, chosen by the radio pair:
//   "Add category"        only the category name (1084) and its "Add" (1082) work
//   "Existing category"   the category list (1078) and its "Remove" (1083) work, and
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

    QString categoryName_;  // edit 1084
    int mode_ = -1;         // 0 "Add category", 1 "Existing category"
    int shownRow_ = 0;      // catalogue row chosen in 1078

    GroupFrame categoryFrame_;          // "Add new category    "
    QRadioButton addCategoryRadio_;     // 1079
    QLineEdit categoryEdit_;            // 1084
    QPushButton addCategoryButton_;     // 1082
    GroupFrame unitFrame_;              // "Add units in existing category    "
    QRadioButton existingRadio_;        // 1080
    SortedComboBox categoryCombo_;      // 1078
    QPushButton removeCategoryButton_;  // 1083
    QLabel unitHeading_;                // "UNIT" over 1087
    QLabel factorHeading_;              // "FACTOR" over 1086
    QLabel existingUnitHeading_;        // "UNIT" over 1085
    QLabel oneLabel_;                   // "1"
    QLineEdit unitNameEdit_;            // 1087
    SvgLabel equalsIcon_;               // icon 149
    QLineEdit factorEdit_;              // 1086
    SortedComboBox unitCombo_;          // 1085
    QPushButton addUnitButton_;         // 1054
    QPushButton removeUnitButton_;      // 1089

    // Handlers, as the controls call them.
    void OnModeChanged(int id);
    void OnCategorySelected();
    void OnAddCategory();
    void OnRemoveCategory();
    void OnAddUnit();
    void OnRemoveUnit();

protected:
    bool OnInitDialog() override;
    void DoDataExchange(bool saveAndValidate) override;

private:
    // Refills 1085 with the units of shownRow_ and selects the first.
    void FillUnitCombo();
    // 1085, 1086 and 1089 work only while the chosen category has units.
    void EnableUnitChoice(bool enable);
    // The message box for a refusal; `name` fills the removal refusals.
    void Tell(CustomMessage message, const std::string& name = {});
    // An information box captioned "Mezura" (or `caption`).
    void Inform(const QString& text, const QString& caption = {});
    // Yes when the user confirms with OK.
    bool Confirm(const QString& text, bool withIcon);

    QLabel existingCategoryLabel_;  // names 1078 for screen readers
    QButtonGroup modeGroup_;
    FactorKeyFilter factorFilter_;
    Catalogue& catalogue_;
    CustomCatalogue custom_;
};
