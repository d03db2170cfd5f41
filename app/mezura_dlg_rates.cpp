// New exchange rates while the window is open.
#include "catalogue.h"
#include "mezura_dlg.h"
#include "sorted_list_box.h"

void MainWindow::OnRatesChanged() {
    if (m_nCategory != CurrencyRow) return;
    std::string input = m_inputUnits->TextAt(m_inputUnits->SelectedPosition());
    std::string output = m_outputUnits->TextAt(m_outputUnits->SelectedPosition());
    // The first rates of all: euro to euro says nothing, so the dollar is offered.
    if (input == output) output = "US dollar (USD)";
    FillUnitLists(CurrencyRow);
    for (auto [list, name] : {std::pair{m_inputUnits, &input}, std::pair{m_outputUnits, &output}}) {
        const int position = list->FindExact(*name);
        if (position >= 0) list->Select(position);
    }
    Convert();
}
