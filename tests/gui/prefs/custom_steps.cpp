#include "custom_steps.h"

#include <gtest/gtest.h>

#include "custom_page.h"
#include "prefs_fixture.h"
#include "prop_sheet.h"

CustomPage& OpenCustomTab(PreferencesSheet& sheet) {
    ShowTab(sheet, CustomTab);
    return sheet.m_customPage;
}

void AddCategory(CustomPage& page, const QString& name) {
    Click(page.m_addCategoryRadio);
    TypeInto(page.m_categoryEdit, name);
    Click(page.m_addCategoryButton);
}

void ChooseCategory(CustomPage& page, const std::string& category) {
    Click(page.m_existingRadio);
    if (page.m_categoryCombo.SelectedText() != category)
        ChooseEntry(page.m_categoryCombo, category);
    EXPECT_EQ(page.m_categoryCombo.SelectedText(), category);
}

void AddUnit(CustomPage& page, const QString& name, const QString& factor,
             const std::string& existing) {
    TypeInto(page.m_unitNameEdit, name);
    if (page.m_factorEdit.isEnabled()) TypeInto(page.m_factorEdit, factor);
    if (!existing.empty()) ChooseEntry(page.m_unitCombo, existing);
    Click(page.m_addUnitButton);
}

void RemoveUnit(CustomPage& page, const std::string& unit) {
    ChooseEntry(page.m_unitCombo, unit);
    Click(page.m_removeUnitButton);
}

void RemoveCategory(CustomPage& page, const std::string& category) {
    ChooseCategory(page, category);
    Click(page.m_removeCategoryButton);
}
