// The main window's commands and the Custom page's change notices.
#include <QLineEdit>
#include <QTimer>
#include <QWindow>

#include "about_dialog.h"
#include "calculator.h"
#include "catalogue.h"
#include "desktop.h"
#include "main_window.h"
#include "sorted_combo_box.h"

void MainWindow::OnCopyOutput() {
    outputEdit_->selectAll();  // the caret ends at the end, scrolled into view
    outputEdit_->copy();
    // Copying a result is settling on it.
    history_.Settle();
    settleTimer_->stop();
}

void MainWindow::OnCalculator() {
    // Started and forgotten, but never silently missing: a command that does
    // nothing would look like one that worked.
    const QString calculator = FindCalculator();
    if (calculator.isEmpty()) {
        CurrentDesktop().ShowMessage(this, tr("Mezura"),
                                     tr("No calculator is installed. Mezura looked for %1.")
                                         .arg(CalculatorPrograms().join(QStringLiteral(", "))),
                                     Desktop::Icon::Information, Desktop::Buttons::Ok);
        return;
    }
    if (!CurrentDesktop().StartDetached(calculator, {}))
        CurrentDesktop().ShowMessage(this, tr("Mezura"),
                                     tr("The calculator %1 could not be started.").arg(calculator),
                                     Desktop::Icon::Information, Desktop::Buttons::Ok);
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
            categoryCombo_->AddSorted(name);
            break;
        case CatalogueChange::CategoryRemoved: {
            const int position = categoryCombo_->FindExact(name);
            const bool shown = shownRow_ == slot ||
                               (position >= 0 && position == categoryCombo_->SelectedPosition());
            categoryCombo_->DeleteAt(position);  // nothing when no entry matched
            if (shown) {
                // Its units must not stay on screen: the first listed category
                // takes over, or slot 0 when the list is left empty.
                categoryCombo_->Select(0);
                if (!catalogue_.CategoryByName(categoryCombo_->SelectedText())) shownRow_ = 0;
                OnCategoryChosen();
            }
            DropMissingFavourites(name);
            break;
        }
        case CatalogueChange::UnitAdded:
            categoryCombo_->Select(categoryCombo_->SelectedPosition());
            OnCategoryChosen();
            break;
        case CatalogueChange::UnitRemoved: {
            const int position = categoryCombo_->FindExact(name);
            if (position >= 0) categoryCombo_->Select(position);
            OnCategoryChosen();
            DropMissingFavourites(name);
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
