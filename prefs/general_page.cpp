#include "general_page.h"

#include "profile_keys.h"
#include "profile_records.h"
#include "rates_settings.h"
#include "stays_on_top.h"

GeneralPage::GeneralPage(ProfileStore& profile, PreferencesListener& listener)
    : PropertyPage("generalPage", tr("General"), 249, 162),
      onTopCheck_(tr("Always on top")),
      optionsFrame_(tr("General Options  ")),
      rememberCategoryCheck_(tr("Remember last used category on startup")),
      downloadRatesCheck_(tr("Download exchange rates")),
      keepHistoryCheck_(tr("Keep a history of conversions")),
      clearHistoryButton_(tr("Clear &history")),
      profile_(profile),
      listener_(listener) {
    Place(onTopCheck_, "onTopCheck", 15, 22, 60, 10);
    Place(optionsFrame_, "optionsFrame", 7, 4, 235, 150);
    Place(rememberCategoryCheck_, "rememberCategoryCheck", 15, 35, 143, 10);
    Place(downloadRatesCheck_, "downloadRatesCheck", 15, 48, 143, 10);
    downloadRatesCheck_.setToolTip(
        tr("While Currency is shown, the rates of the ECB and of the NBP's tables A and B are "
           "downloaded when newer ones are out. Off, Mezura never goes online and uses the rates "
           "it has."));
    downloadRatesCheck_.setAccessibleDescription(downloadRatesCheck_.toolTip());
    Place(keepHistoryCheck_, "keepHistoryCheck", 15, 61, 143, 10);
    Place(clearHistoryButton_, "clearHistoryButton", 15, 76, 70, 14);
    keepHistoryCheck_.setToolTip(
        tr("Conversions you settle on are listed under Options > History (Ctrl+H)."));
    keepHistoryCheck_.setAccessibleDescription(keepHistoryCheck_.toolTip());
    clearHistoryButton_.setAccessibleName(tr("Clear history"));
    clearHistoryButton_.setAutoDefault(false);
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
    connect(&keepHistoryCheck_, &QCheckBox::clicked, this, &GeneralPage::OnKeepHistory);
    connect(&clearHistoryButton_, &QPushButton::clicked, this,
            [this] { listener_.ClearHistory(); });
}

void GeneralPage::Populate() {
    onTop_ = ReadSwitch(profile_, profile::OnTopKey);
    rememberCategory_ = ReadSwitch(profile_, profile::RememberCategoryKey);
    ShowFields();
    downloadRatesCheck_.setChecked(IsRatesDownloadOn(profile_));
    keepHistoryCheck_.setChecked(IsHistoryKept(profile_));
}

void GeneralPage::ShowFields() {
    onTopCheck_.setChecked(onTop_);
    rememberCategoryCheck_.setChecked(rememberCategory_);
}

void GeneralPage::ReadFields() {
    onTop_ = onTopCheck_.isChecked();
    rememberCategory_ = rememberCategoryCheck_.isChecked();
}

void GeneralPage::OnOnTop() {
    ReadFields();
    // The window behind the sheet is the one that has to stay on top after
    // the sheet has gone.
    listener_.SetTopmost(onTop_);
    WriteSwitch(profile_, profile::OnTopKey, onTop_);
}

void GeneralPage::OnRememberCategory() {
    ReadFields();
    WriteSwitch(profile_, profile::RememberCategoryKey, rememberCategory_);
}

void GeneralPage::OnDownloadRates() {
    WriteRatesDownload(profile_, downloadRatesCheck_.isChecked());
}

void GeneralPage::OnKeepHistory() {
    const bool kept = keepHistoryCheck_.isChecked();
    WriteSwitch(profile_, profile::KeepHistoryKey, kept);
    listener_.SetHistoryKept(kept);
}
