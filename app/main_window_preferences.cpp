// Options > Preferences on the main window: runs the sheet and, after OK,
// takes back the Result Format page's style, mixed-units setting and decimal
// separator and the
// Visible Categories page's checks, rebuilds the category list when the
// visibility may have changed, and converts again.
#include <utility>

#include "catalogue.h"
#include "catalogue_limits.h"
#include "main_window.h"
#include "mezura_app.h"
#include "preferences_sheet.h"
#include "result_format.h"
#include "sorted_combo_box.h"
#include "sorted_list_box.h"

void MainWindow::OnPreferences() {
    PreferencesSheet sheet(tr("Preferences"), this, 0, app_.Profile(), catalogue_, resultStyle_,
                           mixedUnits_, decimalPointChosen_, *this);
    if (sheet.Run() != QDialog::Accepted) return;

    // The page's copies are ours unchanged when its tab was not shown.
    resultStyle_ = sheet.resultsPage_.Style();
    mixedUnits_ = sheet.resultsPage_.MixedUnits();
    UseDecimalPoint(sheet.resultsPage_.DecimalPointChosen());
    if (const auto& checks = sheet.visiblePage_.Checks()) {
        for (int row = 0; row < BuiltinCategoryCount; ++row)
            catalogue_.SetVisibility(row, (*checks)[row]);
    }

    if (catalogue_.VisibilityEdited()) {
        // The list is rebuilt, but what the user is looking at stays unless
        // its category is no longer listed.
        SortedComboBox& categories = CategoryCombo();
        const std::string category = categories.SelectedText();
        const std::string input = inputUnits_->TextAt(inputUnits_->SelectedPosition());
        const std::string output = outputUnits_->TextAt(outputUnits_->SelectedPosition());
        categories.Empty();
        FillCategoryList();
        const int kept = category.empty() ? -1 : categories.FindExact(category);
        categories.Select(kept >= 0 ? kept : 0);
        OnCategoryChosen();
        if (kept >= 0) {
            for (const auto& [list, name] : {std::pair{inputUnits_, input}, {outputUnits_, output}})
                if (const int position = list->FindExact(name); position >= 0)
                    list->Select(position);
        }
    }
    Convert();
}
