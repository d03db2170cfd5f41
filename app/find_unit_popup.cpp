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
#include "text_edge.h"

namespace {

constexpr int UnitIndexRole = Qt::UserRole;

// Names may end in blanks ("Centimeters/sec² "); the list shows them without.
QString Trimmed(const std::string& cp1252) {
    return QStringFromCp1252(cp1252.substr(0, cp1252.find_last_not_of(' ') + 1));
}

bool MovesThroughList(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown;
}

}  // namespace

FindUnitPopup::FindUnitPopup(std::vector<FindableUnit> units, QWidget* parent)
    : QDialog(parent), m_units(std::move(units)) {
    setObjectName(QStringLiteral("findUnitPopup"));
    setWindowTitle(tr("Find unit"));

    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setPlaceholderText(tr("Unit name or symbol"));
    // A placeholder is not a name: screen readers need one of their own.
    m_filter->setAccessibleName(tr("Find unit"));
    m_filter->setAccessibleDescription(tr("Unit name or symbol"));
    m_filter->setClearButtonEnabled(true);
    NameClearButton(*m_filter, tr("Clear"));
    m_filter->installEventFilter(this);

    m_matches = new QListWidget(this);
    m_matches->setObjectName(QStringLiteral("matches"));
    m_matches->setAccessibleName(tr("Units found"));
    m_matches->setUniformItemSizes(true);
    m_matches->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Typing stays in the field; the list is for looking and clicking.
    m_matches->setFocusPolicy(Qt::NoFocus);

    m_inputButton = new QPushButton(tr("&Input unit"), this);
    m_inputButton->setObjectName(QStringLiteral("inputButton"));
    m_inputButton->setToolTip(tr("Enter"));
    m_outputButton = new QPushButton(tr("&Output unit"), this);
    m_outputButton->setObjectName(QStringLiteral("outputButton"));
    m_outputButton->setToolTip(tr("Shift+Enter"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_inputButton);
    buttons->addWidget(m_outputButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_filter);
    layout->addWidget(m_matches);
    layout->addLayout(buttons);

    connect(m_filter, &QLineEdit::textChanged, this, &FindUnitPopup::ShowMatches);
    connect(m_matches, &QListWidget::itemDoubleClicked, this, [this] { Choose(UnitSide::Input); });
    connect(m_inputButton, &QPushButton::clicked, this, [this] { Choose(UnitSide::Input); });
    connect(m_outputButton, &QPushButton::clicked, this, [this] { Choose(UnitSide::Output); });

    ShowMatches({});
    // Wide enough for the longest entry, so that no category is cut off.
    int widest = 0;
    for (int i = 0; i < m_matches->count(); ++i)
        widest = std::max(widest,
                          m_matches->fontMetrics().horizontalAdvance(m_matches->item(i)->text()));
    const int chrome = 2 * m_matches->frameWidth() +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4 * layout->spacing() +
                       layout->contentsMargins().left() + layout->contentsMargins().right();
    resize(widest + chrome, fontMetrics().height() * 20);
}

void FindUnitPopup::ShowMatches(const QString& query) {
    m_matches->clear();
    // A currency symbol the code page lacks ("₹") is looked for by its code.
    const std::string typed =
        UnitNameFromUtf8(query.toStdString()).value_or(Cp1252FromQStringLossy(query));
    for (const std::size_t found : MatchFindableUnits(m_units, typed)) {
        const FindableUnit& unit = m_units[found];
        auto* entry = new QListWidgetItem(Trimmed(unit.name) + QStringLiteral(" \u2014 ") +
                                          Trimmed(unit.category));
        entry->setData(UnitIndexRole, static_cast<qulonglong>(found));
        m_matches->addItem(entry);
    }
    m_matches->setCurrentRow(m_matches->count() > 0 ? 0 : -1);
    m_inputButton->setEnabled(m_matches->count() > 0);
    m_outputButton->setEnabled(m_matches->count() > 0);
}

void FindUnitPopup::Choose(UnitSide side) {
    const QListWidgetItem* entry = m_matches->currentItem();
    if (entry == nullptr) return;
    const FindableUnit& unit = m_units[entry->data(UnitIndexRole).toULongLong()];
    accept();
    Q_EMIT unitChosen(unit.row, unit.position, side);
}

bool FindUnitPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_filter && event->type() == QEvent::KeyPress &&
        MovesThroughList(static_cast<QKeyEvent*>(event)->key())) {
        QCoreApplication::sendEvent(m_matches, event);
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
