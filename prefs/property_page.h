#pragma once
// One tab of the Preferences sheet (PreferencesSheet).
//
// A page builds its controls when it is constructed, at their template
// places, but loads nothing: its Populate runs the first time its tab is
// shown in a run of the sheet, so a tab the user never opens neither reads
// nor writes a setting, and gets no OnOK.
//
// Members hold what the controls show, copied both ways:
//   ShowFields()   members -> controls   (after loading)
//   ReadFields()   controls -> members   (before acting, on leaving the tab, on OK)
//
// Every control is named after its member, without the trailing underscore
// ("factorEdit"), so a test finds it by that name.
#include <QFont>
#include <QString>
#include <QWidget>

#include "dialog_units.h"

class QComboBox;

class PropertyPage : public QWidget {
    Q_OBJECT
public:
    // A page named `name` of `widthDlu` x `heightDlu` dialog units whose tab
    // reads `title`.
    PropertyPage(const char* name, QString title, int widthDlu, int heightDlu);

    // The font of the page templates (MS Sans Serif 8, or the nearest face).
    static QFont PageFont();

    const QString& Title() const { return title_; }
    // True once Populate has run in this run of the sheet.
    bool IsInitialised() const { return initialised_; }

    // The sheet calls these. Activate runs Populate on the first showing
    // only; Deactivate runs when the user leaves the tab or presses OK on
    // it; OnOK runs on OK for every page whose tab was shown.
    void Activate();
    virtual void Deactivate();
    virtual void OnOK() {}

    // Once every control is placed: captions longer than their template
    // places grow, moving what follows them and widening the page.
    void FitTexts();
    // Makes the page `pixels` wider, as wide as the sheet's widest page: its
    // frames and lists take the width, at the page's stretch column.
    void Widen(int pixels);

protected:
    // Where a wider page takes its width: at `control`'s left edge, so the
    // controls from there on move right and those across it widen. Without
    // one, at the right edge of what the page holds: its frames and lists
    // widen and nothing moves.
    void StretchBefore(QWidget& control) { stretchBefore_ = &control; }
    // Makes the page `pixels` wider at `x` (WidenAt in template_layout.h).
    void WidenAt(int x, int pixels);

    // Loads what the page shows. Base: shows the members as they are.
    virtual void Populate();
    virtual void ShowFields() {}
    virtual void ReadFields() {}

    // Puts `control` on the page at its template rectangle (dialog units)
    // and names it.
    void Place(QWidget& control, const char* name, int x, int y, int width, int height);
    // A drop-down list: the template's height includes the opened list, so
    // the closed box keeps the height of one line.
    DialogUnits Units() const;
    void PlaceDropDown(QComboBox& control, const char* name, int x, int y, int width,
                       int droppedHeight);

private:
    QString title_;
    bool initialised_ = false;
    QWidget* stretchBefore_ = nullptr;
};
