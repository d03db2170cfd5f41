// Find unit and Swap units: two ways to the units the user wants without
// scrolling the lists.
#include <QLineEdit>
#include <span>

#include "catalogue.h"
#include "currency_units.h"
#include "find_unit_popup.h"
#include "main_window.h"
#include "profile_records.h"
#include "shown_names.h"
#include "sorted_combo_box.h"
#include "sorted_list_box.h"
#include "unit_lookup.h"
#include "unit_search.h"

void MainWindow::OnFindUnit() {
    QStringList favourites;
    for (const UnitPair& pair : favourites_.Pairs()) favourites.append(FavouriteTitle(pair));
    std::vector<FindableUnit> units = ListFindableUnits(
        catalogue_, [this](int row, int position) { return AliasesOf(catalogue_, row, position); });
    // The popup lists the names the window shows; the catalogue's own name
    // still finds its unit.
    for (FindableUnit& unit : units) {
        const std::string_view shown = ShownUnitName(catalogue_, unit.row, unit.position, names_);
        if (shown != unit.name) {
            unit.aliases.push_back(unit.name);
            unit.name = shown;
        }
        unit.category = ShownCategoryName(catalogue_, unit.row, names_);
    }
    auto* popup = new FindUnitPopup(std::move(units), this, CurrencyUnitCount(catalogue_) > 1,
                                    favourites, &catalogue_);
    connect(popup, &FindUnitPopup::favouriteChosen, this,
            [this](int index) { ShowFavourite(static_cast<std::size_t>(index)); });
    popup->setAttribute(Qt::WA_DeleteOnClose);
    connect(popup, &FindUnitPopup::unitChosen, this, [this](int row, int position, UnitSide side) {
        ChangeSelection([&] { PickUnit(row, position, side); });
    });
    // Not every window manager hands the keyboard back and forth by itself.
    connect(popup, &QDialog::finished, this, [this] { activateWindow(); });
    popup->open();
    popup->activateWindow();
}

void MainWindow::PickUnit(int row, int position, UnitSide side) {
    if (row < 0 || row >= CategoryRowCount || position < 1 || position > catalogue_.UnitCount(row))
        return;
    const std::string& category = catalogue_.CategoryName(row);
    // Only another category refills the lists, which puts the other side
    // back to its first unit, as picking that category would.
    if (shownRow_ != row || categoryCombo_->SelectedText() != category) {
        const int entry = categoryCombo_->FindExact(category);
        if (entry < 0) return;
        categoryCombo_->Select(entry);
        OnCategoryChosen();
    }
    SortedListBox* list = side == UnitSide::Input ? inputUnits_ : outputUnits_;
    const std::string& name = catalogue_.Name(row, position);
    for (int i = 0; i < list->Count(); ++i) {
        if (list->TextAt(i) == name) {
            list->Select(i);
            break;
        }
    }
    Convert();
    // Ready for the number: typing replaces what the field holds.
    inputEdit_->setFocus();
    inputEdit_->selectAll();
}

void MainWindow::OnSwapUnits() {
    // Both lists hold the same entries, so a position names the same unit in
    // either.
    const int input = inputUnits_->SelectedPosition();
    const int output = outputUnits_->SelectedPosition();
    ChangeSelection([&] {
        inputUnits_->Select(output);
        outputUnits_->Select(input);
        Convert();
    });
}
