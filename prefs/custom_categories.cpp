// Adding and removing custom categories on the Custom tab.
#include <optional>
#include <string>

#include "catalogue.h"
#include "custom_page.h"
#include "desktop.h"
#include "text_edge.h"

void CustomPage::OnAddCategory() {
    if (RefuseUnstorable(categoryEdit_.text())) return;
    const CustomResult result = custom_.AddCategory(Cp1252FromQString(categoryEdit_.text()));
    if (!result.changed) {
        Tell(result.message, Cp1252FromQStringLossy(categoryEdit_.text()));
        return;
    }
    categoryCombo_.AddSorted(catalogue_.CategoryName(result.row));
    CurrentDesktop().PlayExclamation();
    categoryEdit_.clear();
    categoryEdit_.setFocus();
}

void CustomPage::OnRemoveCategory() {
    const std::string name = categoryCombo_.SelectedText();
    if (const CustomMessage refusal = custom_.CheckCategoryRemoval(name);
        refusal != CustomMessage::None) {
        Tell(refusal, name);
        return;
    }
    if (Confirm(QStringLiteral("\t") + QStringFromCp1252(name) +
                    tr("\n\nAre you sure you want to remove the selected Category?"),
                false) &&
        custom_.RemoveCategory(name).changed) {
        categoryCombo_.DeleteAt(categoryCombo_.SelectedPosition());
        categoryCombo_.Select(0);
    }
    OnCategorySelected();
}
