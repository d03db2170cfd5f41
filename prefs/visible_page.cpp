#include "visible_page.h"

#include <QEvent>

#include "catalogue.h"
#include "profile_records.h"
#include "text_edge.h"

VisiblePage::VisiblePage(Catalogue& catalogue)
    : PropertyPage("visiblePage", tr("Visible Categories"), 249, 162),
      displayAllCheck_(tr("Display all Categories")),
      catalogue_(catalogue) {
    Place(categoryList_, "categoryList", 7, 7, 235, 135);
    Place(displayAllCheck_, "displayAllCheck", 7, 144, 83, 10);
    categoryList_.setSelectionMode(QAbstractItemView::SingleSelection);
    categoryList_.setAccessibleName(tr("Visible categories"));
    categoryList_.setAccessibleDescription(tr("Checked categories are listed in the main window"));
    categoryList_.installEventFilter(this);
    connect(&displayAllCheck_, &QCheckBox::clicked, this, &VisiblePage::OnDisplayAll);
}

void VisiblePage::Populate() {
    ShowFields();
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        auto* item = new QListWidgetItem(QStringFromCp1252(catalogue_.CategoryName(row)));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        categoryList_.insertItem(row, item);
    }
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        if (catalogue_.Visibility(row) != 0) SetRowCheck(row, true);
    }
}

void VisiblePage::ShowFields() { displayAllCheck_.setChecked(displayAll_); }

void VisiblePage::ReadFields() { displayAll_ = displayAllCheck_.isChecked(); }

bool VisiblePage::eventFilter(QObject* watched, QEvent* event) {
    // Clicking the list gives it the focus before any row can change, and
    // the keyboard toggles rows only while it has the focus: the focus is
    // the one sign that the user may have edited the rows.
    if (watched == &categoryList_ && event->type() == QEvent::FocusIn)
        catalogue_.MarkVisibilityEdited();
    return PropertyPage::eventFilter(watched, event);
}

void VisiblePage::OnDisplayAll() {
    ReadFields();
    if (!displayAll_) return;  // clearing the box leaves every row as it is
    for (int row = 0; row < BuiltinCategoryCount; ++row) SetRowCheck(row, true);
    catalogue_.MarkVisibilityEdited();
}

void VisiblePage::OnOK() {
    if (!catalogue_.VisibilityEdited()) return;
    checks_.emplace();
    for (int row = 0; row < BuiltinCategoryCount; ++row) (*checks_)[row] = RowCheck(row);
}

int VisiblePage::RowCheck(int row) const {
    const QListWidgetItem* item = categoryList_.item(row);
    if (item == nullptr) return 1;  // a row that is not there cannot hide its category
    return item->checkState() == Qt::Unchecked ? 0 : 1;
}

void VisiblePage::SetRowCheck(int row, bool checked) {
    if (QListWidgetItem* item = categoryList_.item(row))
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}
