#pragma once
// The Visible Categories tab: the built-in categories in catalogue order,
// each with a check box ("Acceleration" first, "Volume (Dry)" last; row c is
// category c). Custom categories are never listed: they are always shown.
//
// Nothing reaches CategoryVisible before OK, and on OK only when
// VisibilityEdited is set: the list had the input focus (the only way to
// change a row) or "Display all Categories" was turned on.
//
//   open the tab, press OK                 CategoryVisible unchanged
//   clear "Temperature", press OK          CategoryVisible[TemperatureRow] = 0
//   check "Display all Categories", OK     every entry 1
//   clear "Display all Categories" again   the rows stay checked
#include <QCheckBox>
#include <QListWidget>

#include "property_page.h"

class CVisible : public CPropertyPage {
    Q_OBJECT
public:
    CVisible();

    void OnOK() override;

    QListWidget m_categoryList;  // 1073
    int m_bDisplayAll = 0;
    QCheckBox m_displayAllCheck;  // 1074

    // 1 when row c is checked, else 0.
    int RowCheck(int row) const;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(bool saveAndValidate) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnDisplayAll();
    void SetRowCheck(int row, bool checked);
};
