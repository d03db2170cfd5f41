#pragma once
// What the Preferences pages tell the window behind the sheet. The General
// and Custom pages act the moment they are clicked, so the window has to
// hear of it while the sheet is still open; the pages know this interface,
// never the window class.
#include "catalogue_listener.h"

class PreferencesListener : public CatalogueListener {
public:
    // "Always on top" was switched on or off.
    virtual void SetTopmost(bool topmost) = 0;
    // "Keep a history of conversions" was switched on or off.
    virtual void SetHistoryKept(bool /*kept*/) {}
    // "Clear history" was pressed.
    virtual void ClearHistory() {}

protected:
    ~PreferencesListener() = default;
};
