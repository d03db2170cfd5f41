// The main window's commands and the Custom page's change notices.
#include <QLineEdit>
#include <QWindow>

#include "about_dlg.h"
#include "calculator.h"
#include "catalogue.h"
#include "desktop.h"
#include "mezura_dlg.h"
#include "sorted_combo_box.h"

void MainWindow::OnCopyOutput() {
    m_outputEdit->selectAll();  // the caret ends at the end, scrolled into view
    m_outputEdit->copy();
}

void MainWindow::OnCalculator() {
    // Started and forgotten: a calculator that is missing or fails to start
    // changes nothing here.
    const QString calculator = FindCalculator();
    if (!calculator.isEmpty()) CurrentDesktop().StartDetached(calculator, {});
}

void MainWindow::OnAbout() {
    AboutDialog about(this);
    about.exec();
}

void MainWindow::OnCatalogueChanged(const CatalogueNotice& notice) {
    const int slot = notice.row;
    if (slot < 0 || slot >= CategoryRowCount) return;
    const std::string& name = notice.category;
    switch (notice.change) {
        case CatalogueChange::CategoryAdded:
            m_categoryCombo->AddSorted(name);
            break;
        case CatalogueChange::CategoryRemoved: {
            const int position = m_categoryCombo->FindExact(name);
            const bool shown = m_nCategory == slot ||
                               (position >= 0 && position == m_categoryCombo->SelectedPosition());
            m_categoryCombo->DeleteAt(position);  // nothing when no entry matched
            if (shown) {
                // Its units must not stay on screen: the first listed category
                // takes over, or slot 0 when the list is left empty.
                m_categoryCombo->Select(0);
                if (!catalogue_.CategoryByName(m_categoryCombo->SelectedText())) m_nCategory = 0;
                OnSelchangeCategory();
            }
            break;
        }
        case CatalogueChange::UnitAdded:
            m_categoryCombo->Select(m_categoryCombo->SelectedPosition());
            OnSelchangeCategory();
            break;
        case CatalogueChange::UnitRemoved: {
            const int position = m_categoryCombo->FindExact(name);
            if (position >= 0) m_categoryCombo->Select(position);
            OnSelchangeCategory();
            break;
        }
    }
}

void MainWindow::SetTopmost(bool topmost) {
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
