// Options > Preferences on the main window: runs the sheet and, after OK,
// takes back the Result Format page's style and mixed-units setting and the
// Visible Categories page's checks, rebuilds the category list when the
// visibility may have changed, and converts again.
#include "catalogue.h"
#include "catalogue_limits.h"
#include "main_window.h"
#include "mezura_app.h"
#include "preferences_sheet.h"
#include "result_format.h"
#include "sorted_combo_box.h"

void MainWindow::OnPreferences() {
    PreferencesSheet sheet(tr("Preferences"), this, 0, app_.Profile(), catalogue_, resultStyle_,
                           mixedUnits_, *this);
    if (sheet.Run() != QDialog::Accepted) return;

    // The page's copies are ours unchanged when its tab was not shown.
    resultStyle_ = sheet.resultsPage_.Style();
    mixedUnits_ = sheet.resultsPage_.MixedUnits();
    if (const auto& checks = sheet.visiblePage_.Checks()) {
        for (int row = 0; row < BuiltinCategoryCount; ++row)
            catalogue_.SetVisibility(row, (*checks)[row]);
    }

    if (catalogue_.VisibilityEdited()) {
        SortedComboBox& categories = CategoryCombo();
        categories.Empty();
        FillCategoryList();
        categories.Select(0);
        OnCategoryChosen();
    }
    Convert();
}
