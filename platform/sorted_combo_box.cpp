#include "sorted_combo_box.h"

#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "sorted_position.h"
#include "text_1252.h"
#include "text_edge.h"

SortedComboBox::SortedComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
    // The program's own changes run with this box's signals blocked, so only
    // what the user does gets through.
    connect(this, &QComboBox::currentIndexChanged, this, &SortedComboBox::userSelected);
}

namespace {
constexpr int ShownRole = Qt::UserRole + 1;  // the shown name's bytes, which the order follows
}

int SortedComboBox::AddSorted(std::string_view text) { return AddSorted(text, text); }

int SortedComboBox::AddSorted(std::string_view text, std::string_view shown) {
    const QSignalBlocker silent(this);
    const bool hadSelection = currentIndex() >= 0;
    const int position = SortedInsertPosition(Count(), shown, [this](int i) { return ShownAt(i); });
    insertItem(position, QStringFromCp1252(shown),
               QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    setItemData(position, QByteArray(shown.data(), static_cast<qsizetype>(shown.size())),
                ShownRole);
    // QComboBox selects the first entry put into an empty list; the list we
    // stand in for never selects by itself.
    if (!hadSelection) setCurrentIndex(-1);
    return position;
}

void SortedComboBox::DeleteAt(int position) {
    if (position < 0 || position >= Count()) return;
    const QSignalBlocker silent(this);
    const bool wasSelected = position == currentIndex();
    removeItem(position);
    if (wasSelected) setCurrentIndex(-1);
}

void SortedComboBox::Empty() {
    const QSignalBlocker silent(this);
    clear();
}

void SortedComboBox::Select(int position) {
    const QSignalBlocker silent(this);
    setCurrentIndex(position >= 0 && position < Count() ? position : -1);
}

int SortedComboBox::SelectedPosition() const { return currentIndex(); }

std::string SortedComboBox::TextAt(int position) const {
    if (position < 0 || position >= Count()) return {};
    const QByteArray bytes = itemData(position).toByteArray();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::string SortedComboBox::ShownAt(int position) const {
    if (position < 0 || position >= Count()) return {};
    const QByteArray bytes = itemData(position, ShownRole).toByteArray();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::string SortedComboBox::SelectedText() const { return TextAt(currentIndex()); }

int SortedComboBox::FindExact(std::string_view text) const {
    for (int i = 0; i < Count(); ++i)
        if (EqualsNoCase(TextAt(i), text)) return i;
    return -1;
}

int SortedComboBox::Count() const { return count(); }

int SortedComboBox::TextRoom() const {
    // Where the style draws the current entry's text: the box less its
    // frame, margins and arrow.
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this)
        .width();
}

int SortedComboBox::WidthToShow(int textWidth) const { return width() - TextRoom() + textWidth; }
