#pragma once
// The Visible Categories tab: the built-in categories in catalogue order,
// each with a check box ("Acceleration" first, "Volume (Dry)" last; row c is
// category c). Custom categories are never listed: they are always shown.
//
// The page shows the catalogue's Visibility and changes none of it: on OK,
// and only once the catalogue's VisibilityEdited is set (the list had the
// input focus, the only way to change a row, or "Display all Categories" was
// turned on; the page sets it), it hands the checks back through Checks()
// and the window applies them.
//
//   open the tab, press OK                 Checks() empty
//   clear "Temperature", press OK          Checks()[TemperatureRow] == 0
//   check "Display all Categories", OK     every check 1
//   clear "Display all Categories" again   the rows stay checked
#include <QCheckBox>
#include <QListWidget>
#include <array>
#include <optional>

#include "catalogue.h"
#include "property_page.h"

class VisiblePage : public PropertyPage {
    Q_OBJECT
public:
    explicit VisiblePage(Catalogue& catalogue);

    void OnOK() override;

    QListWidget categoryList_;
    bool displayAll_ = false;
    QCheckBox displayAllCheck_;

    // 1 when row c is checked, else 0.
    int RowCheck(int row) const;
    // The checks taken on OK, one per built-in row; nothing before OK or
    // while the visibility is not edited.
    const std::optional<std::array<int, BuiltinCategoryCount>>& Checks() const { return checks_; }

protected:
    void Populate() override;
    void ShowFields() override;
    void ReadFields() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnDisplayAll();
    void SetRowCheck(int row, bool checked);
    // The entry of built-in `row`: the list is sorted by the names shown.
    QListWidgetItem* ItemOfRow(int row) const;

    Catalogue& catalogue_;
    std::optional<std::array<int, BuiltinCategoryCount>> checks_;
};
