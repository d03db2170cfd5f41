#pragma once
// Whoever shows the catalogue (the main window) hears of every change the
// custom categories and units make to it, synchronously and once per change,
// after the change is complete: the listener only shows it, it never changes
// the catalogue itself.
#include <string>

enum class CatalogueChange {
    CategoryAdded,    // the row's name joins the lists
    CategoryRemoved,  // the row is free again; `category` is the name it had
    UnitAdded,        // the row has one more unit
    UnitRemoved,      // the row has one unit fewer
};

struct CatalogueNotice {
    CatalogueChange change;
    int row;               // the catalogue row that changed
    std::string category;  // its name, as the lists show it
};

class CatalogueListener {
public:
    virtual void OnCatalogueChanged(const CatalogueNotice& notice) = 0;

protected:
    ~CatalogueListener() = default;
};
