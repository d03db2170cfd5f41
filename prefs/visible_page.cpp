#include "visible_page.h"

#include <QEvent>
#include <algorithm>
#include <vector>

#include "catalogue.h"
#include "profile_records.h"
#include "session_language.h"
#include "shown_names.h"
#include "text_1252.h"
#include "text_edge.h"

namespace {
constexpr int RowRole = Qt::UserRole;  // the catalogue row of an entry
}

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
    // Sorted by the names shown: in English that is row order, in German not.
    const NameLanguage language = SessionNameLanguage();
    std::vector<int> rows;
    for (int row = 0; row < BuiltinCategoryCount; ++row) rows.push_back(row);
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        return CollateNoCase(ShownCategoryName(catalogue_, a, language),
                             ShownCategoryName(catalogue_, b, language)) < 0;
    });
    for (int row : rows) {
        auto* item =
            new QListWidgetItem(QStringFromCp1252(ShownCategoryName(catalogue_, row, language)));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setData(RowRole, row);
        categoryList_.addItem(item);
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

QListWidgetItem* VisiblePage::ItemOfRow(int row) const {
    for (int i = 0; i < categoryList_.count(); ++i) {
        if (categoryList_.item(i)->data(RowRole).toInt() == row) return categoryList_.item(i);
    }
    return nullptr;
}

int VisiblePage::RowCheck(int row) const {
    const QListWidgetItem* item = ItemOfRow(row);
    if (item == nullptr) return 1;  // a row that is not there cannot hide its category
    return item->checkState() == Qt::Unchecked ? 0 : 1;
}

void VisiblePage::SetRowCheck(int row, bool checked) {
    if (QListWidgetItem* item = ItemOfRow(row))
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}
