#pragma once
// The General tab: two switches that act and are stored the moment they
// are clicked, so Cancel undoes neither.
//
//   click "Always on top"   -> main window topmost at once, Settings/OnTop = "TRUE"
//   click it again          -> topmost state removed,       Settings/OnTop = "FALSE"
//   click "Remember last used category on startup"
//                           -> Settings/RememberCategory = "TRUE" (read at the next start)
//   clear "Keep a history of conversions"
//                           -> Settings/KeepHistory = "FALSE": nothing is recorded
//                              or read; checked (the default) conversions are kept
//   "Clear history"         -> the history is emptied at once (on or off)
//   clear "Download exchange rates"
//                           -> Currency/DownloadRates = "FALSE": the window opens no
//                              connection; checked (the default) it may
//
// Where the windowing system cannot keep a window on top (Wayland), "Always
// on top" shows its stored state but is disabled, with a tooltip saying why.
//
// Both boxes open from the profile: only the exact text "TRUE" checks them
// ("true", "1" or a missing key leave them clear).
#include <QCheckBox>
#include <QPushButton>

#include "group_frame.h"
#include "preferences_listener.h"
#include "profile_store.h"
#include "property_page.h"

class GeneralPage : public PropertyPage {
    Q_OBJECT
public:
    GeneralPage(ProfileStore& profile, PreferencesListener& listener);

    bool onTop_ = false;
    bool rememberCategory_ = false;

    QCheckBox onTopCheck_;
    GroupFrame optionsFrame_;  // "General Options  "
    QCheckBox rememberCategoryCheck_;
    QCheckBox downloadRatesCheck_;
    QCheckBox keepHistoryCheck_;
    QPushButton clearHistoryButton_;

protected:
    void Populate() override;
    void ShowFields() override;
    void ReadFields() override;

private:
    void OnOnTop();
    void OnRememberCategory();
    void OnDownloadRates();
    void OnKeepHistory();

    ProfileStore& profile_;
    PreferencesListener& listener_;
};
