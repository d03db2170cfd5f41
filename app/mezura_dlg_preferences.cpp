// Options > Preferences on the main window: runs the sheet and, after OK,
// takes over the Result Format page's choice, rebuilds the category list
// when the visibility may have changed, and converts again.
#include "catalogue_limits.h"
#include "mezura_app.h"
#include "mezura_dlg.h"
#include "prop_sheet.h"
#include "result_format.h"
#include "sorted_combo_box.h"
#include "visibility_edited.h"

void CMezuraDlg::OnPreferences() {
    CPropSheet sheet(tr("Preferences"), this, 0, theApp()->Profile(), *this);
    if (sheet.DoModal() != QDialog::Accepted) return;

    // Both stay -1 when the Result Format tab was not shown: nothing changes.
    const int format = sheet.m_resultsPage.m_nFormat;
    if (IsUsableFormat(format)) ResultFormat = format;
    const int precision = sheet.m_resultsPage.m_nPrecisionIndex + 1;
    if (IsUsablePrecision(precision)) ResultPrecision = precision;
    if (sheet.m_resultsPage.m_mixedUnits) mixedUnits_ = *sheet.m_resultsPage.m_mixedUnits;

    if (VisibilityEdited) {
        SortedComboBox& categories = CategoryCombo();
        categories.Empty();
        FillCategoryList();
        categories.Select(0);
        OnSelchangeCategory();
    }
    Convert();
}
