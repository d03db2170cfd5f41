// Adding and removing custom units on the Custom tab.
#include <string>

#include "catalogue.h"
#include "custom_page.h"
#include "desktop.h"
#include "text_edge.h"

void CustomPage::OnAddUnit() {
    const int row = shownRow_;
    const bool firstUnit = catalogue_.UnitCount(row) == 0;
    if (RefuseUnstorable(unitNameEdit_.text())) return;
    const std::string existing = unitCombo_.Count() > 0 ? unitCombo_.SelectedText() : "";
    const CustomResult result =
        custom_.AddUnit(row, Cp1252FromQString(unitNameEdit_.text()),
                        Cp1252FromQStringLossy(factorEdit_.text()), existing);
    if (!result.changed) {
        Tell(result.message, Cp1252FromQStringLossy(unitNameEdit_.text()));
        return;
    }
    const std::string& name = catalogue_.Name(row, catalogue_.UnitCount(row));
    if (firstUnit) {
        // The reference unit: chosen at once, so the next unit can be stated against it.
        unitCombo_.Select(unitCombo_.AddSorted(name));
        EnableUnitChoice(true);
    } else {
        unitCombo_.AddSorted(name);
    }
    CurrentDesktop().PlayExclamation();
    unitNameEdit_.clear();
    factorEdit_.clear();
}

void CustomPage::OnRemoveUnit() {
    const int row = shownRow_;
    const std::string name = unitCombo_.SelectedText();
    if (name.empty()) return;
    if (const CustomMessage refusal = custom_.CheckUnitRemoval(row, name);
        refusal != CustomMessage::None) {
        Tell(refusal, name);
        return;
    }
    if (!Confirm(QStringLiteral("\t") + QStringFromCp1252(name) + QStringLiteral("\n\n") +
                     tr("Are you sure you want to remove the selected unit?"),
                 true))
        return;

    unitCombo_.DeleteAt(unitCombo_.SelectedPosition());
    if (unitCombo_.Count() == 0)
        EnableUnitChoice(false);
    else
        unitCombo_.Select(0);
    custom_.RemoveUnit(row, name);
}
