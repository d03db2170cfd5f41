#include "general_page.h"

#include "profile_keys.h"
#include "profile_records.h"

CGeneral::CGeneral(ProfileStore& profile, PreferencesListener& listener)
    : CPropertyPage(162, QStringLiteral("General"), 249, 162),
      m_onTopCheck(QStringLiteral("Always on top")),
      m_optionsFrame(QStringLiteral("General Options  ")),
      m_rememberCategoryCheck(QStringLiteral("Remember last used category on startup")),
      profile_(profile),
      listener_(listener) {
    Place(m_onTopCheck, 1088, "m_onTopCheck", 15, 22, 60, 10);
    Place(m_optionsFrame, -1, "m_optionsFrame", 7, 4, 235, 150);
    Place(m_rememberCategoryCheck, 1090, "m_rememberCategoryCheck", 15, 35, 143, 10);
    m_optionsFrame.lower();  // a frame, drawn behind the boxes it surrounds

    connect(&m_onTopCheck, &QCheckBox::clicked, this, &CGeneral::OnOnTop);
    connect(&m_rememberCategoryCheck, &QCheckBox::clicked, this, &CGeneral::OnRememberCategory);
}

bool CGeneral::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_bOnTop = ReadSwitch(profile_, profile::OnTopKey) ? 1 : 0;
    m_bRememberCategory = ReadSwitch(profile_, profile::RememberCategoryKey) ? 1 : 0;
    UpdateData(false);
    return true;
}

void CGeneral::DoDataExchange(bool saveAndValidate) {
    if (saveAndValidate) {
        m_bOnTop = m_onTopCheck.isChecked() ? 1 : 0;
        m_bRememberCategory = m_rememberCategoryCheck.isChecked() ? 1 : 0;
    } else {
        m_onTopCheck.setChecked(m_bOnTop != 0);
        m_rememberCategoryCheck.setChecked(m_bRememberCategory != 0);
    }
}

void CGeneral::OnOnTop() {
    UpdateData(true);
    // The window behind the sheet is the one that has to stay on top after
    // the sheet has gone.
    listener_.SetTopmost(m_bOnTop == 1);
    WriteSwitch(profile_, profile::OnTopKey, m_bOnTop == 1);
}

void CGeneral::OnRememberCategory() {
    UpdateData(true);
    WriteSwitch(profile_, profile::RememberCategoryKey, m_bRememberCategory == 1);
}
