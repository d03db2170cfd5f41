#include "general_page.h"

#include "profile_keys.h"
#include "profile_records.h"
#include "rates_settings.h"
#include "stays_on_top.h"

GeneralPage::GeneralPage(ProfileStore& profile, PreferencesListener& listener)
    : PropertyPage(162, tr("General"), 249, 162),
      m_onTopCheck(tr("Always on top")),
      m_optionsFrame(tr("General Options  ")),
      m_rememberCategoryCheck(tr("Remember last used category on startup")),
      downloadRatesCheck_(tr("Download exchange rates")),
      profile_(profile),
      listener_(listener) {
    Place(m_onTopCheck, 1088, "m_onTopCheck", 15, 22, 60, 10);
    Place(m_optionsFrame, -1, "m_optionsFrame", 7, 4, 235, 150);
    Place(m_rememberCategoryCheck, 1090, "m_rememberCategoryCheck", 15, 35, 143, 10);
    Place(downloadRatesCheck_, -1, "downloadRatesCheck", 15, 48, 143, 10);
    downloadRatesCheck_.setToolTip(
        tr("While Currency is shown, the ECB's daily rates are downloaded when newer ones are "
           "out. Off, Mezura never goes online and uses the rates it has."));
    downloadRatesCheck_.setAccessibleDescription(downloadRatesCheck_.toolTip());
    m_optionsFrame.lower();  // a frame, drawn behind the boxes it surrounds

    if (!StaysOnTopSupported()) {
        // Offered anyway, the box would be a switch that does nothing.
        m_onTopCheck.setEnabled(false);
        m_onTopCheck.setToolTip(
            tr("Wayland does not let an application keep its window above other windows."));
        m_onTopCheck.setAccessibleDescription(m_onTopCheck.toolTip());
    }

    connect(&m_onTopCheck, &QCheckBox::clicked, this, &GeneralPage::OnOnTop);
    connect(&m_rememberCategoryCheck, &QCheckBox::clicked, this, &GeneralPage::OnRememberCategory);
    connect(&downloadRatesCheck_, &QCheckBox::clicked, this, &GeneralPage::OnDownloadRates);
}

bool GeneralPage::OnInitDialog() {
    PropertyPage::OnInitDialog();
    m_bOnTop = ReadSwitch(profile_, profile::OnTopKey) ? 1 : 0;
    m_bRememberCategory = ReadSwitch(profile_, profile::RememberCategoryKey) ? 1 : 0;
    UpdateData(false);
    downloadRatesCheck_.setChecked(IsRatesDownloadOn(profile_));
    return true;
}

void GeneralPage::DoDataExchange(bool saveAndValidate) {
    if (saveAndValidate) {
        m_bOnTop = m_onTopCheck.isChecked() ? 1 : 0;
        m_bRememberCategory = m_rememberCategoryCheck.isChecked() ? 1 : 0;
    } else {
        m_onTopCheck.setChecked(m_bOnTop != 0);
        m_rememberCategoryCheck.setChecked(m_bRememberCategory != 0);
    }
}

void GeneralPage::OnOnTop() {
    UpdateData(true);
    // The window behind the sheet is the one that has to stay on top after
    // the sheet has gone.
    listener_.SetTopmost(m_bOnTop == 1);
    WriteSwitch(profile_, profile::OnTopKey, m_bOnTop == 1);
}

void GeneralPage::OnRememberCategory() {
    UpdateData(true);
    WriteSwitch(profile_, profile::RememberCategoryKey, m_bRememberCategory == 1);
}

void GeneralPage::OnDownloadRates() {
    WriteRatesDownload(profile_, downloadRatesCheck_.isChecked());
}
