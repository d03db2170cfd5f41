// Adding and removing custom units on the Custom tab.
#include <string>

#include "catalogue.h"
#include "custom_page.h"
#include "desktop.h"
#include "text_edge.h"

void CustomPage::OnAddUnit() {
    const int row = m_nCategory;
    const bool firstUnit = catalogue_.UnitCount(row) == 0;
    const std::string existing = m_unitCombo.Count() > 0 ? m_unitCombo.SelectedText() : "";
    const CustomResult result =
        custom_.AddUnit(row, Cp1252FromQString(m_unitNameEdit.text()),
                        Cp1252FromQStringLossy(m_factorEdit.text()), existing);
    if (!result.changed) {
        Tell(result.message);
        return;
    }
    const std::string& name = catalogue_.Name(row, catalogue_.UnitCount(row));
    if (firstUnit) {
        // The reference unit: chosen at once, so the next unit can be stated against it.
        m_unitCombo.Select(m_unitCombo.AddSorted(name));
        EnableUnitChoice(true);
    } else {
        m_unitCombo.AddSorted(name);
    }
    CurrentDesktop().PlayExclamation();
    m_unitNameEdit.clear();
    m_factorEdit.clear();
}

void CustomPage::OnRemoveUnit() {
    const int row = m_nCategory;
    const std::string name = m_unitCombo.SelectedText();
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

    m_unitCombo.DeleteAt(m_unitCombo.SelectedPosition());
    if (m_unitCombo.Count() == 0)
        EnableUnitChoice(false);
    else
        m_unitCombo.Select(0);
    custom_.RemoveUnit(row, name);
}
