#pragma once
// Whoever shows the catalogue (the main window) hears of every change the
// custom categories and units make to it, synchronously and once per change.
//
// Change codes of OnCatalogueChanged, after the catalogue row `row` changed:
inline constexpr int CatalogueCategoryAdded = 1;
inline constexpr int CatalogueCategoryRemoved = -1;  // the row still bears the name
inline constexpr int CatalogueUnitAdded = 2;
inline constexpr int CatalogueUnitRemoved = -2;

class CatalogueListener {
public:
    // Returns 0, as a handled window message does.
    virtual int OnCatalogueChanged(int row, int code) = 0;

protected:
    ~CatalogueListener() = default;
};
