// Conversion as the user types or picks: the category change and Convert.
#include <QLineEdit>
#include <optional>

#include "catalogue.h"
#include "conversion.h"
#include "mezura_dlg.h"
#include "number_text.h"
#include "result_format.h"
#include "sorted_combo_box.h"
#include "sorted_list_box.h"
#include "text_edge.h"
#include "window_rates.h"

namespace {

int ValidSlot(int slot) { return slot >= 0 && slot < CategoryRowCount ? slot : 0; }

// The 0-based unit index of the list entry's text in `slot` (exact name,
// last match wins), 0 when the name is not in the row.
int UnitIndexOf(int slot, const std::string& text) {
    return UnitByName(slot, text).value_or(1) - 1;
}

// The selected position when it can name one of `count` units, else 0.
int UsablePosition(const SortedListBox& list, int count) {
    const int position = list.SelectedPosition();
    return position < 0 || position > count ? 0 : position;
}

}  // namespace

void CMezuraDlg::OnSelchangeCategory() {
    // A text that names no category leaves the previous one in force.
    if (const std::optional<int> row = CategoryByName(m_categoryCombo->SelectedText()))
        m_nCategory = *row;
    m_nCategory = ValidSlot(m_nCategory);
    FillUnitLists(m_nCategory);
    Convert();
}

void CMezuraDlg::Convert() {
    m_nCategory = ValidSlot(m_nCategory);
    const int slot = m_nCategory;
    int inputIndex = 0;
    int outputIndex = 0;
    const int count = UnitCount(slot);

    if (count > 0) {
        inputIndex = UnitIndexOf(slot, m_inputUnits->TextAt(UsablePosition(*m_inputUnits, count)));
        outputIndex =
            UnitIndexOf(slot, m_outputUnits->TextAt(UsablePosition(*m_outputUnits, count)));
    }

    DoDataExchange(true);
    const double value = ParseNumberPrefix(Cp1252FromQStringLossy(m_strInput));
    const double result = ConvertValue(slot, inputIndex + 1, outputIndex + 1, value);
    // Outside the three formats FormatResult gives nothing: the field keeps its text.
    if (const auto text = FormatResult(result)) m_strOutput = QStringFromCp1252(*text);

    SetUnitLabels(slot, inputIndex, outputIndex);
    DoDataExchange(false);
    if (m_rates) m_rates->CategoryShown(slot);
}
