// Conversion as the user types or picks: the category change and Convert.
#include <QLineEdit>
#include <optional>

#include "catalogue.h"
#include "conversion.h"
#include "currency_units.h"
#include "decimal_comma.h"
#include "everyday_mixed.h"
#include "input_filter.h"
#include "main_window.h"
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
int UnitIndexOf(const Catalogue& catalogue, int slot, const std::string& text) {
    return catalogue.UnitByName(slot, text).value_or(1) - 1;
}

// The selected position when it can name one of `count` units, else 0.
int UsablePosition(const SortedListBox& list, int count) {
    const int position = list.SelectedPosition();
    return position < 0 || position > count ? 0 : position;
}

}  // namespace

std::optional<std::string> MainWindow::MixedText(int slot, int inputPosition, int outputPosition,
                                                 double value) const {
    if (!mixedUnits_.on || !IsUsableFormat(resultStyle_.format) ||
        inputPosition > catalogue_.UnitCount(slot) || outputPosition > catalogue_.UnitCount(slot))
        return std::nullopt;
    const auto sizeOf = [this, slot](std::string_view name) -> std::optional<double> {
        const auto position = catalogue_.UnitByName(slot, name);
        if (!position) return std::nullopt;
        return catalogue_.Factor(slot, *position);
    };
    // Linear categories only, so the value in the reference unit is value x size.
    return EverydayMixedText(catalogue_.CategoryName(slot), catalogue_.Name(slot, outputPosition),
                             value * catalogue_.Factor(slot, inputPosition), sizeOf, resultStyle_,
                             mixedUnits_.inchFraction);
}

void MainWindow::OnCategoryChosen() {
    // A text that names no category leaves the previous one in force.
    if (const std::optional<int> row = catalogue_.CategoryByName(categoryCombo_->SelectedText()))
        shownRow_ = *row;
    shownRow_ = ValidSlot(shownRow_);
    FillUnitLists(shownRow_);
    Convert();
}

void MainWindow::UseDecimalPoint(bool point) {
    decimalPointChosen_ = point;
    const bool comma = SessionDecimalComma() && !point;
    if (comma == decimalComma_) return;
    decimalComma_ = comma;
    inputFilter_->SetDecimalComma(comma);
    const std::string typed = Cp1252FromQStringLossy(inputEdit_->text());
    inputEdit_->setText(
        QStringFromCp1252(comma ? WithDecimalComma(typed) : WithDecimalPoint(typed)));
}

void MainWindow::Convert() {
    shownRow_ = ValidSlot(shownRow_);
    const int slot = shownRow_;
    int inputIndex = 0;
    int outputIndex = 0;
    const int count = catalogue_.UnitCount(slot);

    if (count > 0) {
        inputIndex =
            UnitIndexOf(catalogue_, slot, inputUnits_->TextAt(UsablePosition(*inputUnits_, count)));
        outputIndex = UnitIndexOf(catalogue_, slot,
                                  outputUnits_->TextAt(UsablePosition(*outputUnits_, count)));
    }

    // In a decimal comma language "1,5" is 1.5, and so is "1.5".
    const std::string typed = Cp1252FromQStringLossy(inputEdit_->text());
    const double value = ParseNumberPrefix(decimalComma_ ? WithDecimalPoint(typed) : typed);
    const double result = ConvertValue(catalogue_, slot, inputIndex + 1, outputIndex + 1, value);
    // Outside the three formats FormatResult gives nothing: the field keeps its text.
    if (const auto mixed = MixedText(slot, inputIndex + 1, outputIndex + 1, value))
        ShowOutput(QString::fromStdString(decimalComma_ ? WithDecimalComma(*mixed) : *mixed));
    else if (const auto text = FormatResult(
                 result, StyleForUnit(catalogue_, slot, outputIndex + 1, resultStyle_)))
        ShowOutput(QStringFromCp1252(decimalComma_ ? WithDecimalComma(*text) : *text));

    SetUnitLabels(slot, inputIndex, outputIndex);
    if (rates_) rates_->CategoryShown(slot, inputIndex + 1, outputIndex + 1);

    if (count > 0)
        history_.Shown({{catalogue_.CategoryName(slot), catalogue_.Name(slot, inputIndex + 1),
                         catalogue_.Name(slot, outputIndex + 1)},
                        inputEdit_->text().toStdString(),
                        outputEdit_->text().toStdString()});
    UpdateFavouriteAction();
}
