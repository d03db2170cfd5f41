// The main window's commands and the Custom page's change notices.
#include <QLineEdit>
#include <QWindow>

#include "about_dlg.h"
#include "calculator.h"
#include "catalogue.h"
#include "desktop.h"
#include "mezura_dlg.h"
#include "sorted_combo_box.h"

void CMezuraDlg::OnCopyOutput() {
    m_outputEdit->selectAll();  // the caret ends at the end, scrolled into view
    m_outputEdit->copy();
}

void CMezuraDlg::OnCalculator() {
    // Started and forgotten: a calculator that is missing or fails to start
    // changes nothing here.
    const QString calculator = FindCalculator();
    if (!calculator.isEmpty()) CurrentDesktop().StartDetached(calculator, {});
}

void CMezuraDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

int CMezuraDlg::OnCatalogueChanged(int slot, int code) {
    if (slot < 0 || slot >= CategoryRowCount) return 0;
    std::string& name = UnitNames[slot][0];
    switch (code) {
        case CatalogueCategoryAdded:
            m_categoryCombo->AddSorted(name);
            break;
        case CatalogueCategoryRemoved: {
            const int position = m_categoryCombo->FindExact(name);
            const bool shown = m_nCategory == slot ||
                               (position >= 0 && position == m_categoryCombo->SelectedPosition());
            name = FreeName;
            m_categoryCombo->DeleteAt(position);  // nothing when no entry matched
            if (shown) {
                // Its units must not stay on screen: the first listed category
                // takes over, or slot 0 when the list is left empty.
                m_categoryCombo->Select(0);
                if (!CategoryByName(m_categoryCombo->SelectedText())) m_nCategory = 0;
                OnSelchangeCategory();
            }
            break;
        }
        case CatalogueUnitAdded:
            m_categoryCombo->Select(m_categoryCombo->SelectedPosition());
            OnSelchangeCategory();
            break;
        case CatalogueUnitRemoved: {
            const int position = m_categoryCombo->FindExact(name);
            if (position >= 0) m_categoryCombo->Select(position);
            OnSelchangeCategory();
            break;
        }
        default:
            break;
    }
    return 0;
}

void CMezuraDlg::SetTopmost(bool topmost) {
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
    if (flags == windowFlags()) return;
    QWindow* window = windowHandle();
    if (window == nullptr || !isVisible()) {
        setWindowFlags(flags);
        return;
    }
    // setWindowFlags would hide the shown window, and hiding a running
    // dialog ends it; the native window takes the new state in place.
    overrideWindowFlags(flags);
    window->setFlags(flags);
}
