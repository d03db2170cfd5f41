#pragma once
// Steps on the Custom tab, made with clicks and keys as a user makes them.
#include <QString>
#include <string>

class CustomPage;
class PreferencesSheet;

inline constexpr int CustomTab = 3;

// Shows the Custom tab and returns its page.
CustomPage& OpenCustomTab(PreferencesSheet& sheet);
// "Add category" mode, the name typed into categoryEdit, then "Add".
void AddCategory(CustomPage& page, const QString& name);
// "Existing category" mode with `category` chosen in categoryCombo.
void ChooseCategory(CustomPage& page, const std::string& category);
// In the chosen category: the name typed into unitNameEdit, the factor into
// factorEdit (when it is enabled), `existing` chosen in unitCombo (when
// given), then "Add".
void AddUnit(CustomPage& page, const QString& name, const QString& factor,
             const std::string& existing = {});
// `unit` chosen in unitCombo, then "Remove".
void RemoveUnit(CustomPage& page, const std::string& unit);
// `category` chosen in categoryCombo, then "Remove".
void RemoveCategory(CustomPage& page, const std::string& category);
