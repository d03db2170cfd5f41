// Starting on a conversion named on the command line: `mezura '5 km to mi'`,
// as the desktop search's "Open in Mezura" starts it.
#include <QLineEdit>

#include "catalogue.h"
#include "conversion_phrase.h"
#include "find_unit_popup.h"
#include "main_window.h"
#include "name_index.h"
#include "shown_names.h"
#include "sorted_combo_box.h"
#include "suggested_targets.h"

void MainWindow::StartOn(std::string_view utf8Query) {
    const NameIndex index(catalogue_);
    auto meaning = ReadConversionPhrase(index, utf8Query);
    // An expression ("1 kg/m^3 to lb/ft^3", as GNOME hands the typed query
    // over) opens on the same conversion between two listed units, where
    // one category lists units of both sizes; otherwise the window opens
    // as it would have.
    if (!meaning)
        if (auto phrase = ReadExpressionPhrase(index, utf8Query))
            meaning = std::move(phrase->plain);
    if (!meaning) return;
    const int row = meaning->row;
    int to = meaning->from;
    if (meaning->to) {
        to = *meaning->to;
    } else if (const auto targets =
                   SuggestedTargets(catalogue_, row, meaning->from, meaning->value);
               !targets.empty()) {
        to = targets.front();
    }
    // A search finds hidden categories too; the one asked for is listed.
    const std::string& category = catalogue_.CategoryName(row);
    if (categoryCombo_->FindExact(category) < 0)
        categoryCombo_->AddSorted(category, ShownCategoryName(catalogue_, row, names_));
    PickUnit(row, meaning->from, UnitSide::Input);
    PickUnit(row, to, UnitSide::Output);
    inputEdit_->setText(QString::fromStdString(meaning->valueText));
    Convert();
}
