#pragma once
// The Preferences sheet: a modal dialog titled "Preferences" with the tabs
// General, Result Format, Visible Categories and Custom, in that order, and
// the buttons OK and Cancel (there is no Apply).
//
// A page loads its state the first time its tab is shown (the start page
// when the sheet opens); leaving a tab takes its controls into its members.
// OK gives every page whose tab was shown its OnOK, in tab order, before
// Run returns; Cancel, Escape and the close box give none.
//
//   open, press OK at once      General's OnOK only; Result Format keeps
//                               format_ == precisionIndex_ == -1
//   open Result Format, OK      its OnOK stores Precision, then Format
#include <QDialog>
#include <QDialogButtonBox>
#include <QTabWidget>

#include "custom_page.h"
#include "general_page.h"
#include "preferences_listener.h"
#include "results_page.h"
#include "visible_page.h"

class PreferencesSheet : public QDialog {
    Q_OBJECT
public:
    // `startPage` is the tab shown first (0 is General).
    // The pages read and write `profile`; the Visible Categories and Custom
    // pages show `catalogue` (the Custom page changes it), the Result Format
    // page a copy of `style`, `mixedUnits` and `decimalPoint` (always "."
    // whatever the language); the General and Custom pages
    // tell `listener` what they change while the sheet is open.
    PreferencesSheet(const QString& caption, QWidget* parent, int startPage, ProfileStore& profile,
                     Catalogue& catalogue, const ResultStyle& style,
                     const MixedUnitsSetting& mixedUnits, bool decimalPoint,
                     PreferencesListener& listener);
    ~PreferencesSheet() override;

    // Runs the sheet modally; QDialog::Accepted when closed with OK.
    int Run();

    PropertyPage& Page(int index);
    QTabWidget& Tabs() { return tabs_; }
    QDialogButtonBox& Buttons() { return buttons_; }

    void accept() override;

private:
    void AddPage(PropertyPage& page);
    void OnTabChanged(int index);

    QTabWidget tabs_;
    QDialogButtonBox buttons_;
    int startPage_;
    int activePage_ = -1;

public:
    // Declared in this order; the tabs follow the order they are added in.
    ResultsPage resultsPage_;
    VisiblePage visiblePage_;
    CustomPage customPage_;
    GeneralPage generalPage_;
};
