// Adding and removing custom categories on the Custom tab.
#include <optional>
#include <string>

#include "catalogue.h"
#include "custom_page.h"
#include "desktop.h"
#include "profile_records.h"
#include "storable_names.h"
#include "text_1252.h"
#include "text_edge.h"

namespace {

// Any of the 31 rows, free ones included: while a row is free it is named
// "Custom", so "custom" is taken as long as a row is free. Names that differ
// only by blanks at either end are taken too: they would share one profile
// section, and with it their units.
bool IsCategoryNameTaken(std::string_view name) {
    for (int row = 0; row < CategoryRowCount; ++row) {
        if (SectionNamesMeet(UnitNames[row][0], name)) return true;
    }
    return false;
}

}  // namespace

void CCustom::OnAddCategory() {
    const std::optional<std::string> typed = Cp1252FromQString(m_categoryEdit.text());
    const bool duplicate = typed && IsCategoryNameTaken(*typed);
    if (duplicate || !typed || *typed == FreeName || typed->size() < 2 ||
        !IsStorableCategoryName(*typed)) {
        Inform(duplicate ? tr("This category name already exists.")
                         : tr("Please Enter a valid name for the Category"));
        return;
    }
    const std::string name = NormaliseName(*typed);

    // A category the profile has no record for would be gone at the next
    // start, so it is refused like the sixth one.
    const std::optional<int> row = FirstFreeCustomRow();
    if (!row || !HasFreeCategoryRecord(profile_)) {
        Inform(tr("You have reached the maximum allowed custom categories"),
               tr("Operation failed"));
        return;
    }

    UnitNames[*row][0] = name;
    AddCategoryRecord(profile_, name);
    Notify(*row, CatalogueCategoryAdded);
    m_categoryCombo.AddSorted(name);
    CurrentDesktop().PlayExclamation();
    m_categoryEdit.clear();
    m_categoryEdit.setFocus();
}

void CCustom::OnRemoveCategory() {
    const std::string name = m_categoryCombo.SelectedText();
    const QString shown = QStringFromCp1252(name);
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        if (UnitNames[row][0] == name) {
            Inform(QStringLiteral("\t") + shown +
                   tr("\n\nYou may only remove previously added categories."));
            return;
        }
    }

    if (Confirm(QStringLiteral("\t") + shown +
                    tr("\n\nAre you sure you want to remove the selected Category?"),
                false)) {
        std::optional<int> found;
        for (int row = 0; row < CategoryRowCount && !found; ++row) {
            if (UnitNames[row][0] == name) found = row;
        }
        if (found) {
            // The main window drops the name and frees the row first; the
            // row then loses its units, so a category added to it later
            // starts empty. The units stay stored under the old name.
            Notify(*found, CatalogueCategoryRemoved);
            ClearCustomRow(*found);
            RemoveCategoryRecord(profile_, name);
            m_categoryCombo.DeleteAt(m_categoryCombo.SelectedPosition());
            m_categoryCombo.Select(0);
        }
    }
    OnCategorySelected();
}
