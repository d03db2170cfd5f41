// Adding and removing custom units on the Custom tab.
#include <cmath>
#include <optional>
#include <string>

#include "catalogue.h"
#include "custom_page.h"
#include "desktop.h"
#include "number_text.h"
#include "profile_records.h"
#include "result_format.h"
#include "storable_names.h"
#include "text_1252.h"
#include "text_edge.h"

namespace {

// Factors are stored with 14 decimals, and the catalogue takes the stored
// text read back, so a unit converts the same before and after a restart.
constexpr int FactorDecimals = 14;

bool IsUnitNameTaken(int row, std::string_view name) {
    for (int position = 1; position <= UnitCount(row); ++position) {
        if (EqualsNoCase(UnitNames[row][position], name)) return true;
    }
    return false;
}

}  // namespace

void CCustom::OnAddUnit() {
    const int row = m_nCategory;
    const int count = UnitCount(row);
    const std::string section = UnitNames[row][0];

    // Both limits are the profile's: ten records per category, and none
    // free in a section edited by hand. Either way the unit could not be
    // stored, so it is not added for the run only.
    if (StoredCustomUnitCount(profile_, section) >= MaxCustomUnits ||
        !HasFreeUnitRecord(profile_, section)) {
        Inform(tr("You have reached maximum allowed custom unit for this category."));
        return;
    }

    const std::optional<std::string> typed = Cp1252FromQString(m_unitNameEdit.text());
    if (!typed || EqualsNoCase(*typed, FreeName) || typed->size() < 2 ||
        !IsStorableUnitName(*typed)) {
        Inform(tr("Please enter a valid name for the new unit."));
        return;
    }
    const std::string name = NormaliseName(*typed);

    int existing = 1;
    if (m_unitCombo.Count() > 0) {
        if (const std::optional<int> position = UnitByName(row, m_unitCombo.SelectedText()))
            existing = *position;
    }

    // The first unit of an empty category becomes its reference unit.
    std::string factorText = "1";
    double factor = 1.0;
    bool factorValid = true;
    if (count > 0) {
        const double typedFactor = ParseNumberPrefix(Cp1252FromQStringLossy(m_factorEdit.text()));
        const double product = typedFactor * UnitFactors[row][existing];
        factorText = FormatFixedText(product, FactorDecimals);
        factor = ParseNumberPrefix(factorText);
        // A negative factor would load as 0 at the next start, and one that
        // is not finite has no "%1.14f" text to read back.
        factorValid = std::isfinite(product) && std::isfinite(factor) && factor > 0.0;
    }

    if (IsUnitNameTaken(row, name)) {
        Inform(tr("The name you have chosen \nis already in use."));
        return;
    }
    if (!factorValid) {
        Inform(tr("Enter a valid conversion factor for the unit"));
        return;
    }

    if (count == 0) {
        AppendUnit(row, name, factor);
        m_unitCombo.Select(m_unitCombo.AddSorted(name));
        EnableUnitChoice(true);
        CurrentDesktop().PlayExclamation();
    } else {
        if (!AppendUnit(row, name, factor)) {
            // A full row: nothing may reach the profile either, or the unit
            // would appear at the next start.
            Inform(QStringLiteral(
                "You have reached the maximum allowed custom units for this category"));
            return;
        }
        m_unitCombo.AddSorted(name);
        CurrentDesktop().PlayExclamation();
        m_unitNameEdit.clear();
        m_factorEdit.clear();
    }
    AddUnitRecord(profile_, section, name, factorText);
    Notify(row, CatalogueUnitAdded);
}

void CCustom::OnRemoveUnit() {
    const int row = m_nCategory;
    const std::string name = m_unitCombo.SelectedText();
    if (name.empty()) return;
    const QString shown = QStringFromCp1252(name);
    for (int position = 1; position <= BuiltinUnitsOf(row); ++position) {
        if (UnitNames[row][position] == name) {
            Inform(QStringLiteral("\t") + shown +
                   tr("\n\nYou may only remove previously added units."));
            return;
        }
    }
    if (!Confirm(QStringLiteral("\t") + shown + QStringLiteral("\n\n") +
                     tr("Are you sure you want to remove the selected unit?"),
                 true))
        return;

    if (const std::optional<int> position = UnitByName(row, name)) RemoveUnitAt(row, *position);
    m_unitCombo.DeleteAt(m_unitCombo.SelectedPosition());
    if (m_unitCombo.Count() == 0)
        EnableUnitChoice(false);
    else
        m_unitCombo.Select(0);
    RemoveUnitRecord(profile_, UnitNames[row][0], name,
                     [this, row] { Notify(row, CatalogueUnitRemoved); });
}
