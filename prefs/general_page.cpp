#include "general_page.h"

#include "profile_keys.h"
#include "profile_records.h"
#include "rates_settings.h"
#include "stays_on_top.h"

GeneralPage::GeneralPage(ProfileStore& profile, PreferencesListener& listener)
    : PropertyPage(162, tr("General"), 249, 162),
      onTopCheck_(tr("Always on top")),
      optionsFrame_(tr("General Options  ")),
      rememberCategoryCheck_(tr("Remember last used category on startup")),
      downloadRatesCheck_(tr("Download exchange rates")),
      profile_(profile),
      listener_(listener) {
    Place(onTopCheck_, 1088, "onTopCheck", 15, 22, 60, 10);
    Place(optionsFrame_, -1, "optionsFrame", 7, 4, 235, 150);
    Place(rememberCategoryCheck_, 1090, "rememberCategoryCheck", 15, 35, 143, 10);
    Place(downloadRatesCheck_, -1, "downloadRatesCheck", 15, 48, 143, 10);
    downloadRatesCheck_.setToolTip(
        tr("While Currency is shown, the ECB's daily rates are downloaded when newer ones are "
           "out. Off, Mezura never goes online and uses the rates it has."));
    downloadRatesCheck_.setAccessibleDescription(downloadRatesCheck_.toolTip());
    optionsFrame_.lower();  // a frame, drawn behind the boxes it surrounds

    if (!StaysOnTopSupported()) {
        // Offered anyway, the box would be a switch that does nothing.
        onTopCheck_.setEnabled(false);
        onTopCheck_.setToolTip(
            tr("Wayland does not let an application keep its window above other windows."));
        onTopCheck_.setAccessibleDescription(onTopCheck_.toolTip());
    }

    connect(&onTopCheck_, &QCheckBox::clicked, this, &GeneralPage::OnOnTop);
    connect(&rememberCategoryCheck_, &QCheckBox::clicked, this, &GeneralPage::OnRememberCategory);
    connect(&downloadRatesCheck_, &QCheckBox::clicked, this, &GeneralPage::OnDownloadRates);
}

bool GeneralPage::OnInitDialog() {
    PropertyPage::OnInitDialog();
    onTop_ = ReadSwitch(profile_, profile::OnTopKey) ? 1 : 0;
    rememberCategory_ = ReadSwitch(profile_, profile::RememberCategoryKey) ? 1 : 0;
    UpdateData(false);
    downloadRatesCheck_.setChecked(IsRatesDownloadOn(profile_));
    return true;
}

void GeneralPage::DoDataExchange(bool saveAndValidate) {
    if (saveAndValidate) {
        onTop_ = onTopCheck_.isChecked() ? 1 : 0;
        rememberCategory_ = rememberCategoryCheck_.isChecked() ? 1 : 0;
    } else {
        onTopCheck_.setChecked(onTop_ != 0);
        rememberCategoryCheck_.setChecked(rememberCategory_ != 0);
    }
}

void GeneralPage::OnOnTop() {
    UpdateData(true);
    // The window behind the sheet is the one that has to stay on top after
    // the sheet has gone.
    listener_.SetTopmost(onTop_ == 1);
    WriteSwitch(profile_, profile::OnTopKey, onTop_ == 1);
}

void GeneralPage::OnRememberCategory() {
    UpdateData(true);
    WriteSwitch(profile_, profile::RememberCategoryKey, rememberCategory_ == 1);
}

void GeneralPage::OnDownloadRates() {
    WriteRatesDownload(profile_, downloadRatesCheck_.isChecked());
}
