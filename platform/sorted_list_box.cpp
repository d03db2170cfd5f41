#include "sorted_list_box.h"

#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

#include "sorted_position.h"
#include "text_1252.h"
#include "text_edge.h"

namespace {
constexpr int BytesRole = Qt::UserRole;
constexpr int ShownRole = Qt::UserRole + 1;  // the shown name's bytes, which the order follows
}  // namespace

SortedListBox::SortedListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);  // we keep our own order: QListWidget's is not CollateNoCase
    setUniformItemSizes(true);
    // The program's own changes run with this box's signals blocked.
    connect(this, &QListWidget::itemSelectionChanged, this, &SortedListBox::userSelected);
}

int SortedListBox::AddSorted(std::string_view text) { return AddSorted(text, text); }

int SortedListBox::AddSorted(std::string_view text, std::string_view shown) {
    const QSignalBlocker silent(this);
    const int position = SortedInsertPosition(Count(), shown, [this](int i) { return ShownAt(i); });
    auto* entry = new QListWidgetItem(QStringFromCp1252(shown));
    if (fontMetrics().horizontalAdvance(entry->text()) > TextRoom())
        entry->setToolTip(entry->text());
    entry->setData(BytesRole, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    entry->setData(ShownRole, QByteArray(shown.data(), static_cast<qsizetype>(shown.size())));
    insertItem(position, entry);
    return position;
}

void SortedListBox::DeleteAt(int position) {
    if (position < 0 || position >= Count()) return;
    const QSignalBlocker silent(this);
    const bool wasSelected = position == SelectedPosition();
    delete takeItem(position);
    if (wasSelected) Select(-1);
}

void SortedListBox::Empty() {
    const QSignalBlocker silent(this);
    clear();
}

void SortedListBox::Select(int position) {
    const QSignalBlocker silent(this);
    if (position >= 0 && position < Count()) {
        setCurrentRow(position, QItemSelectionModel::ClearAndSelect);
        scrollToItem(item(position));
    } else {
        clearSelection();
        setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    }
}

int SortedListBox::SelectedPosition() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.front());
}

std::string SortedListBox::TextAt(int position) const {
    const QListWidgetItem* entry = item(position);
    if (entry == nullptr) return {};
    const QByteArray bytes = entry->data(BytesRole).toByteArray();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::string SortedListBox::ShownAt(int position) const {
    const QListWidgetItem* entry = item(position);
    if (entry == nullptr) return {};
    const QByteArray bytes = entry->data(ShownRole).toByteArray();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

int SortedListBox::FindExact(std::string_view text) const {
    for (int i = 0; i < Count(); ++i)
        if (EqualsNoCase(TextAt(i), text)) return i;
    return -1;
}

int SortedListBox::Count() const { return count(); }

int SortedListBox::Chrome() const {
    // The frame, a scroll bar and the item's margins on both sides.
    return 2 * frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) +
           2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
}

int SortedListBox::TextRoom() const { return width() - Chrome(); }

int SortedListBox::WidthToShow(int textWidth) const { return textWidth + Chrome(); }

int SortedListBox::WholeRowsHeight(int height) const {
    // Rows are as high as an entry's size hint; a probe entry measures one.
    QListWidget probe;
    probe.setFont(font());
    probe.addItem(QStringLiteral("Xg"));
    const int row = std::max(1, probe.sizeHintForRow(0));
    const int frame = 2 * frameWidth();
    return frame + std::max(1, (height - frame) / row) * row;
}

QItemSelectionModel::SelectionFlags SortedListBox::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const {
    // Qt lets Ctrl+click take the selection away; a Windows single-selection
    // list never loses it to the user.
    const auto flags = QListWidget::selectionCommand(index, event);
    if (flags.testFlag(QItemSelectionModel::Deselect) &&
        !flags.testFlag(QItemSelectionModel::Select))
        return QItemSelectionModel::NoUpdate;
    return flags;
}
