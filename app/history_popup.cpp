#include "history_popup.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "history.h"
#include "name_clear_button.h"

namespace {

constexpr int EntryIndexRole = Qt::UserRole;

bool MovesThroughList(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown;
}

}  // namespace

HistoryPopup::HistoryPopup(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("historyPopup"));
    setWindowTitle(tr("History"));

    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("filter"));
    filter_->setPlaceholderText(tr("Filter"));
    filter_->setAccessibleName(tr("Filter the history"));
    filter_->setClearButtonEnabled(true);
    NameClearButton(*filter_, tr("Clear"));
    filter_->installEventFilter(this);

    matches_ = new QListWidget(this);
    matches_->setObjectName(QStringLiteral("entries"));
    matches_->setAccessibleName(tr("Conversions, newest first"));
    matches_->setUniformItemSizes(true);
    matches_->setFocusPolicy(Qt::NoFocus);

    restoreButton_ = new QPushButton(tr("&Restore"), this);
    restoreButton_->setObjectName(QStringLiteral("restoreButton"));
    restoreButton_->setToolTip(tr("Enter"));
    deleteButton_ = new QPushButton(tr("&Delete"), this);
    deleteButton_->setObjectName(QStringLiteral("deleteButton"));
    deleteButton_->setToolTip(tr("Delete"));
    clearButton_ = new QPushButton(tr("&Clear history"), this);
    clearButton_->setObjectName(QStringLiteral("clearButton"));
    for (QPushButton* button : {restoreButton_, deleteButton_, clearButton_})
        button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clearButton_);
    buttons->addStretch();
    buttons->addWidget(deleteButton_);
    buttons->addWidget(restoreButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filter_);
    layout->addWidget(matches_);
    layout->addLayout(buttons);

    connect(filter_, &QLineEdit::textChanged, this, &HistoryPopup::ShowMatches);
    connect(matches_, &QListWidget::itemDoubleClicked, this, &HistoryPopup::Restore);
    connect(matches_, &QListWidget::currentRowChanged, this, [this] {
        const int index = CurrentIndex();
        restoreButton_->setEnabled(index >= 0 &&
                                   entries_[static_cast<std::size_t>(index)].unavailable.isEmpty());
        deleteButton_->setEnabled(index >= 0);
    });
    connect(restoreButton_, &QPushButton::clicked, this, &HistoryPopup::Restore);
    connect(deleteButton_, &QPushButton::clicked, this, &HistoryPopup::Delete);
    connect(clearButton_, &QPushButton::clicked, this, &HistoryPopup::clearChosen);

    resize(fontMetrics().averageCharWidth() * 72, fontMetrics().height() * 20);
}

void HistoryPopup::SetEntries(std::vector<Entry> entries) {
    const int row = matches_->currentRow();
    entries_ = std::move(entries);
    ShowMatches();
    // After a removal the next entry becomes current, as in any list.
    if (row >= 0 && CurrentIndex() >= 0)
        matches_->setCurrentRow(std::min(row, matches_->count() - 1));
}

void HistoryPopup::ShowMatches() {
    matches_->clear();
    const std::string filter = filter_->text().toStdString();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& entry = entries_[i];
        if (!MatchesFilter(entry.text.toStdString(), filter)) continue;
        auto* item = new QListWidgetItem(entry.text);
        item->setData(EntryIndexRole, static_cast<int>(i));
        item->setToolTip(entry.unavailable.isEmpty() ? entry.text : entry.unavailable);
        if (!entry.unavailable.isEmpty()) {
            item->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
            item->setData(Qt::AccessibleDescriptionRole, entry.unavailable);
        }
        matches_->addItem(item);
    }
    if (matches_->count() == 0) {
        auto* note = new QListWidgetItem(entries_.empty() ? tr("No conversions yet")
                                                          : tr("No conversion matches"));
        note->setFlags(Qt::NoItemFlags);
        matches_->addItem(note);
        matches_->setCurrentRow(-1);
    } else {
        matches_->setCurrentRow(0);
    }
    const int index = CurrentIndex();
    restoreButton_->setEnabled(index >= 0 &&
                               entries_[static_cast<std::size_t>(index)].unavailable.isEmpty());
    deleteButton_->setEnabled(index >= 0);
    clearButton_->setEnabled(!entries_.empty());
}

int HistoryPopup::CurrentIndex() const {
    const QListWidgetItem* item = matches_->currentItem();
    if (item == nullptr || !item->data(EntryIndexRole).isValid()) return -1;
    return item->data(EntryIndexRole).toInt();
}

void HistoryPopup::Restore() {
    const int index = CurrentIndex();
    if (index < 0 || !entries_[static_cast<std::size_t>(index)].unavailable.isEmpty()) return;
    accept();
    Q_EMIT restoreChosen(index);
}

void HistoryPopup::Delete() {
    const int index = CurrentIndex();
    if (index >= 0) Q_EMIT deleteChosen(index);
}

bool HistoryPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == filter_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (MovesThroughList(key->key())) {
            QCoreApplication::sendEvent(matches_, event);
            return true;
        }
        if (key->key() == Qt::Key_Delete && (filter_->cursorPosition() == filter_->text().size() ||
                                             key->modifiers().testFlag(Qt::ShiftModifier))) {
            Delete();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void HistoryPopup::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Restore();
        return;
    }
    QDialog::keyPressEvent(event);  // Esc closes
}
