// New exchange rates while the window is open.
#include "catalogue.h"
#include "main_window.h"
#include "sorted_list_box.h"

void MainWindow::OnRatesChanged() {
    if (shownRow_ != CurrencyRow) return;
    std::string input = inputUnits_->TextAt(inputUnits_->SelectedPosition());
    std::string output = outputUnits_->TextAt(outputUnits_->SelectedPosition());
    // The first rates of all: euro to euro says nothing, so the dollar is offered.
    if (input == output) {
        for (int position = 1; position <= catalogue_.BuiltinUnitsOf(CurrencyRow); ++position) {
            const CurrencyWords* words = catalogue_.CurrencyWordsAt(position);
            if (words && words->code == "USD") output = catalogue_.Name(CurrencyRow, position);
        }
    }
    FillUnitLists(CurrencyRow);
    for (auto [list, name] : {std::pair{inputUnits_, &input}, std::pair{outputUnits_, &output}}) {
        const int position = list->FindExact(*name);
        if (position >= 0) list->Select(position);
    }
    Convert();
}
