#pragma once
// What the Preferences pages tell the window behind the sheet. The General
// and Custom pages act the moment they are clicked, so the window has to
// hear of it while the sheet is still open; the pages know this interface,
// never the window class.
//
// Change codes of OnCatalogueChanged, sent by the Custom page after it has
// edited the catalogue row `row`:
inline constexpr int CatalogueCategoryAdded = 1;
inline constexpr int CatalogueCategoryRemoved = -1;
inline constexpr int CatalogueUnitAdded = 2;
inline constexpr int CatalogueUnitRemoved = -2;

class PreferencesListener {
public:
    // Synchronous: the window has refilled its lists when this returns.
    // Returns 0, as a handled window message does.
    virtual int OnCatalogueChanged(int row, int code) = 0;
    // "Always on top" was switched on or off.
    virtual void SetTopmost(bool topmost) = 0;

protected:
    ~PreferencesListener() = default;
};
