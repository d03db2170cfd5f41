#include "custom_steps.h"

#include <gtest/gtest.h>

#include "custom_page.h"
#include "preferences_sheet.h"
#include "prefs_fixture.h"

CustomPage& OpenCustomTab(PreferencesSheet& sheet) {
    ShowTab(sheet, CustomTab);
    return sheet.customPage_;
}

void AddCategory(CustomPage& page, const QString& name) {
    Click(page.addCategoryRadio_);
    TypeInto(page.categoryEdit_, name);
    Click(page.addCategoryButton_);
}

void ChooseCategory(CustomPage& page, const std::string& category) {
    Click(page.existingRadio_);
    if (page.categoryCombo_.SelectedText() != category) ChooseEntry(page.categoryCombo_, category);
    EXPECT_EQ(page.categoryCombo_.SelectedText(), category);
}

void AddUnit(CustomPage& page, const QString& name, const QString& factor,
             const std::string& existing) {
    TypeInto(page.unitNameEdit_, name);
    if (page.factorEdit_.isEnabled()) TypeInto(page.factorEdit_, factor);
    if (!existing.empty()) ChooseEntry(page.unitCombo_, existing);
    Click(page.addUnitButton_);
}

void RemoveUnit(CustomPage& page, const std::string& unit) {
    ChooseEntry(page.unitCombo_, unit);
    Click(page.removeUnitButton_);
}

void RemoveCategory(CustomPage& page, const std::string& category) {
    ChooseCategory(page, category);
    Click(page.removeCategoryButton_);
}
