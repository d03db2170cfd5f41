#pragma once
// One tab of the Preferences sheet (PreferencesSheet).
//
// A page builds its controls when it is constructed, at their template
// places, but loads nothing: its OnInitDialog runs the first time its tab is
// shown in a run of the sheet, so a tab the user never opens neither reads
// nor writes a setting, and gets no OnOK.
//
// Data exchange binds members to controls, both ways:
//   UpdateData(false)   members -> controls   (after loading)
//   UpdateData(true)    controls -> members   (before acting, on leaving the tab, on OK)
//
// Every control carries its template id in the dynamic property "controlId"
// (-1 for labels and frames) and the name of its member, without the
// trailing underscore, as objectName, so a test finds "factorEdit" or
// control 1086 the same way.
#include <QFont>
#include <QString>
#include <QWidget>

#include "dialog_units.h"

class QComboBox;

class PropertyPage : public QWidget {
    Q_OBJECT
public:
    // A page of `widthDlu` x `heightDlu` dialog units whose tab reads `title`.
    PropertyPage(int templateId, QString title, int widthDlu, int heightDlu);

    // The font of the page templates (MS Sans Serif 8, or the nearest face).
    static QFont PageFont();

    int TemplateId() const { return templateId_; }
    const QString& Title() const { return title_; }
    // True once OnInitDialog has run in this run of the sheet.
    bool IsInitialised() const { return initialised_; }

    // The sheet calls these. Activate runs OnInitDialog on the first showing
    // only; OnKillActive runs when the user leaves the tab or presses OK on
    // it; OnOK runs on OK for every page whose tab was shown.
    void Activate();
    virtual void OnKillActive();
    virtual void OnOK() {}

protected:
    // Base: copies the members into the controls. Returns true when the
    // sheet may place the input focus.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(bool saveAndValidate);
    void UpdateData(bool saveAndValidate) { DoDataExchange(saveAndValidate); }

public:
    // Once every control is placed: captions longer than their template
    // places grow, moving what follows them and widening the page.
    void FitTexts();

protected:
    // Puts `control` on the page at its template rectangle (dialog units),
    // names it and tags it with its id.
    void Place(QWidget& control, int controlId, const char* name, int x, int y, int width,
               int height);
    // A drop-down list: the template's height includes the opened list, so
    // the closed box keeps the height of one line.
    DialogUnits Units() const;
    void PlaceDropDown(QComboBox& control, int controlId, const char* name, int x, int y, int width,
                       int droppedHeight);

private:
    int templateId_;
    QString title_;
    bool initialised_ = false;
};
