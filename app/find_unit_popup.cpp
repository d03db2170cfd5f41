#include "find_unit_popup.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "currency_units.h"
#include "name_clear_button.h"
#include "name_index.h"
#include "text_edge.h"

namespace {

constexpr int UnitIndexRole = Qt::UserRole;
constexpr int FavouriteRole = Qt::UserRole + 1;
// The list's height in entries.
constexpr int VisibleRows = 16;

// Names may end in blanks ("Centimeters/sec² "); the list shows them without.
QString Trimmed(const std::string& cp1252) {
    return QStringFromCp1252(cp1252.substr(0, cp1252.find_last_not_of(' ') + 1));
}

bool MovesThroughList(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown;
}

}  // namespace

FindUnitPopup::FindUnitPopup(std::vector<FindableUnit> units, QWidget* parent, bool ratesLoaded,
                             QStringList favourites, const Catalogue* catalogue)
    : QDialog(parent),
      units_(std::move(units)),
      catalogue_(catalogue),
      ratesLoaded_(ratesLoaded),
      favourites_(std::move(favourites)) {
    setObjectName(QStringLiteral("findUnitPopup"));
    setWindowTitle(tr("Find unit"));

    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("filter"));
    filter_->setPlaceholderText(tr("Unit name or symbol"));
    // A placeholder is not a name: screen readers need one of their own.
    filter_->setAccessibleName(tr("Find unit"));
    filter_->setAccessibleDescription(tr("Unit name or symbol"));
    filter_->setClearButtonEnabled(true);
    NameClearButton(*filter_, tr("Clear"));
    filter_->installEventFilter(this);

    matches_ = new QListWidget(this);
    matches_->setObjectName(QStringLiteral("matches"));
    matches_->setAccessibleName(tr("Units found"));
    matches_->setUniformItemSizes(true);
    matches_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Typing stays in the field; the list is for looking and clicking.
    matches_->setFocusPolicy(Qt::NoFocus);

    inputButton_ = new QPushButton(tr("&Input unit"), this);
    inputButton_->setObjectName(QStringLiteral("inputButton"));
    inputButton_->setToolTip(tr("Enter"));
    outputButton_ = new QPushButton(tr("&Output unit"), this);
    outputButton_->setObjectName(QStringLiteral("outputButton"));
    outputButton_->setToolTip(tr("Shift+Enter"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(inputButton_);
    buttons->addWidget(outputButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filter_);
    layout->addWidget(matches_);
    layout->addLayout(buttons);

    connect(filter_, &QLineEdit::textChanged, this, &FindUnitPopup::ShowMatches);
    connect(matches_, &QListWidget::itemDoubleClicked, this, [this] { Choose(UnitSide::Input); });
    connect(inputButton_, &QPushButton::clicked, this, [this] { Choose(UnitSide::Input); });
    connect(outputButton_, &QPushButton::clicked, this, [this] { Choose(UnitSide::Output); });

    ShowMatches({});
    // Wide enough for the longest entry, so that no category is cut off.
    int widest = 0;
    for (int i = 0; i < matches_->count(); ++i)
        widest =
            std::max(widest, matches_->fontMetrics().horizontalAdvance(matches_->item(i)->text()));
    const int chrome = 2 * matches_->frameWidth() +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4 * layout->spacing() +
                       layout->contentsMargins().left() + layout->contentsMargins().right();
    // Whole rows only, as in the window's lists: a half-cut last row reads
    // as a cut name.
    const int row = std::max(1, matches_->sizeHintForRow(0));
    matches_->setFixedHeight(2 * matches_->frameWidth() + VisibleRows * row);
    resize(widest + chrome, sizeHint().height());
}

void FindUnitPopup::ShowMatches(const QString& query) {
    matches_->clear();
    // Before anything is typed, the pairs the user pinned are the likeliest.
    if (query.isEmpty()) {
        for (int i = 0; i < favourites_.size(); ++i) {
            auto* entry = new QListWidgetItem(QStringLiteral("\u2605 ") + favourites_[i]);
            entry->setData(FavouriteRole, i);
            entry->setData(Qt::AccessibleTextRole, tr("Favourite %1").arg(favourites_[i]));
            matches_->addItem(entry);
        }
    }
    // A currency symbol the code page lacks ("₹") is looked for by its code.
    const std::string typed =
        UnitNameFromUtf8(query.toStdString()).value_or(Cp1252FromQStringLossy(query));
    // The index reads the catalogue as it is now: rates that arrived while
    // the popup is open may have changed it.
    std::vector<std::size_t> sized;
    if (catalogue_ != nullptr)
        sized = UnitsOfExpression(NameIndex(*catalogue_), units_, query.toStdString());
    for (const std::size_t found : MatchFindableUnits(units_, typed, sized)) {
        const FindableUnit& unit = units_[found];
        auto* entry = new QListWidgetItem(Trimmed(unit.name) + QStringLiteral(" \u2014 ") +
                                          Trimmed(unit.category));
        entry->setData(UnitIndexRole, static_cast<qulonglong>(found));
        matches_->addItem(entry);
    }
    const bool found = matches_->count() > 0;
    if (!found) {
        // A blank list reads as a fault; say why it is empty. A currency
        // before any rates were downloaded is not a typing slip.
        const bool waitingForRates = !ratesLoaded_ && NamesKnownCurrency(typed);
        auto* note = new QListWidgetItem(waitingForRates ? tr("No exchange rates yet")
                                                         : tr("No unit matches"));
        note->setFlags(Qt::NoItemFlags);
        matches_->addItem(note);
    }
    matches_->setCurrentRow(found ? 0 : -1);
    inputButton_->setEnabled(found);
    outputButton_->setEnabled(found);
}

void FindUnitPopup::Choose(UnitSide side) {
    const QListWidgetItem* entry = matches_->currentItem();
    if (entry != nullptr && entry->data(FavouriteRole).isValid()) {
        const int favourite = entry->data(FavouriteRole).toInt();
        accept();
        Q_EMIT favouriteChosen(favourite);
        return;
    }
    if (entry == nullptr || !entry->data(UnitIndexRole).isValid()) return;
    const FindableUnit& unit = units_[entry->data(UnitIndexRole).toULongLong()];
    accept();
    Q_EMIT unitChosen(unit.row, unit.position, side);
}

bool FindUnitPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == filter_ && event->type() == QEvent::KeyPress &&
        MovesThroughList(static_cast<QKeyEvent*>(event)->key())) {
        QCoreApplication::sendEvent(matches_, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FindUnitPopup::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Choose(event->modifiers().testFlag(Qt::ShiftModifier) ? UnitSide::Output : UnitSide::Input);
        return;
    }
    QDialog::keyPressEvent(event);  // Esc closes
}
