// The history on the main window: telling the recorder what the user does,
// the History list, and putting an entry back.
#include <QLineEdit>
#include <QTimer>

#include "catalogue.h"
#include "decimal_comma.h"
#include "desktop.h"
#include "history_popup.h"
#include "main_window.h"
#include "mezura_app.h"
#include "profile_keys.h"
#include "profile_records.h"
#include "sorted_combo_box.h"
#include "sorted_list_box.h"
#include "text_edge.h"

namespace {

// Names may end in blanks ("Centimeters/sec² "); lists show them without.
QString Trimmed(const std::string& cp1252) {
    return QStringFromCp1252(cp1252.substr(0, cp1252.find_last_not_of(' ') + 1));
}

}  // namespace

void MainWindow::OnValueEdited() {
    Convert();
    history_.ValueEdited();
    RestartSettleTimer();
}

void MainWindow::ChangeSelection(const std::function<void()>& change) {
    // The recorder still holds what was shown before the change.
    history_.SelectionChanging();
    change();
    history_.SelectionChanged();
    RestartSettleTimer();
}

void MainWindow::OnUnitChosen() {
    ChangeSelection([this] { Convert(); });
}

void MainWindow::OnUserCategoryChosen() {
    ChangeSelection([this] { OnCategoryChosen(); });
}

void MainWindow::RestartSettleTimer() {
    if (history_.Waiting())
        settleTimer_->start();
    else
        settleTimer_->stop();
}

std::optional<UnitPair> MainWindow::ShownPair() const {
    if (catalogue_.UnitCount(shownRow_) <= 0) return std::nullopt;
    const auto name = [this](const SortedListBox& list) {
        const std::string text = list.TextAt(list.SelectedPosition());
        return text.empty() ? catalogue_.Name(shownRow_, 1) : text;
    };
    return UnitPair{catalogue_.CategoryName(shownRow_), name(*inputUnits_), name(*outputUnits_)};
}

void MainWindow::ShowPair(const UnitPair& pair) {
    const int entry = categoryCombo_->FindExact(pair.category);
    const std::optional<PairPlace> place = FindPair(catalogue_, pair);
    if (entry < 0 || !place) return;
    if (categoryCombo_->SelectedText() != pair.category ||
        catalogue_.CategoryName(shownRow_) != pair.category) {
        categoryCombo_->Select(entry);
        OnCategoryChosen();
    }
    // The catalogue's own names: a currency's may differ from the stored one.
    const std::string& input = catalogue_.Name(place->row, place->input);
    const std::string& output = catalogue_.Name(place->row, place->output);
    for (const auto& [list, name] : {std::pair{inputUnits_, &input}, {outputUnits_, &output}})
        for (int i = 0; i < list->Count(); ++i)
            if (list->TextAt(i) == *name) {
                list->Select(i);
                break;
            }
    Convert();
}

void MainWindow::ReportRefusedHistory(const std::string& problem) {
    CurrentDesktop().ShowMessage(
        this, tr("Mezura"),
        tr("The history in %1 could not be read (%2). Mezura starts a new history.")
            .arg(QString::fromStdString(history_.Path()), QString::fromStdString(problem)),
        Desktop::Icon::Information, Desktop::Buttons::Ok);
}

void MainWindow::OnHistory() {
    auto* popup = new HistoryPopup(this);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    const auto fill = [this, popup] {
        std::vector<HistoryPopup::Entry> entries;
        for (const HistoryEntry& entry : history_.Entries().Entries()) {
            HistoryPopup::Entry shown;
            shown.text = tr("%1 %2 = %3 %4 (%5)")
                             .arg(QString::fromStdString(entry.value), Trimmed(entry.pair.input),
                                  QString::fromStdString(entry.result), Trimmed(entry.pair.output),
                                  Trimmed(entry.pair.category));
            if (const auto missing = MissingName(catalogue_, entry.pair))
                shown.unavailable = tr("%1 no longer exists.").arg(Trimmed(*missing));
            else if (categoryCombo_->FindExact(entry.pair.category) < 0)
                shown.unavailable = tr("%1 is not listed.").arg(Trimmed(entry.pair.category));
            entries.push_back(shown);
        }
        popup->SetEntries(std::move(entries));
    };
    fill();
    connect(popup, &HistoryPopup::restoreChosen, this,
            [this](int index) { RestoreHistoryEntry(static_cast<std::size_t>(index)); });
    connect(popup, &HistoryPopup::deleteChosen, this, [this, fill](int index) {
        history_.Remove(static_cast<std::size_t>(index));
        fill();
    });
    connect(popup, &HistoryPopup::clearChosen, this, [this, fill] {
        history_.Clear();
        fill();
    });
    connect(popup, &QDialog::finished, this, [this] { activateWindow(); });
    popup->open();
    popup->activateWindow();
}

void MainWindow::RestoreHistoryEntry(std::size_t index) {
    if (index >= history_.Entries().Entries().size()) return;
    const HistoryEntry entry = history_.Entries().Entries()[index];
    if (!FindPair(catalogue_, entry.pair) || categoryCombo_->FindExact(entry.pair.category) < 0)
        return;
    // What the user had typed and not yet settled is settled first.
    history_.SelectionChanging();
    ShowPair(entry.pair);
    // A value typed with a decimal comma reads as the same number after the
    // user chose the point.
    inputEdit_->setText(
        QString::fromStdString(decimalComma_ ? entry.value : WithDecimalPoint(entry.value)));
    Convert();
    history_.Restored();
    RestartSettleTimer();
    inputEdit_->setFocus();
    inputEdit_->selectAll();
}

void MainWindow::SetHistoryKept(bool kept) {
    if (const auto problem = history_.SetKept(kept)) ReportRefusedHistory(*problem);
    RestartSettleTimer();
}

void MainWindow::ClearHistory() { history_.Clear(); }
