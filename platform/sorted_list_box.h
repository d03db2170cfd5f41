#pragma once
// A single-selection list box that keeps its entries in CollateNoCase order
// by itself, like a sorted Windows list box.
//
// Entries are Windows-1252 names, shown through the Unicode edge and read
// back byte for byte. Positions are list positions, not unit numbers.
//
//   AddSorted("Miles"); AddSorted("feet"); AddSorted("Inches")
//     -> "feet", "Inches", "Miles"; nothing selected
//   Select(2); SelectedPosition() -> 2; TextAt(2) -> "Miles"
//   DeleteAt(2)                    -> nothing selected
//
// Every operation below runs silently; each selection the user makes
// (click, arrow keys, Home/End, typing a first letter) emits
// userSelected() exactly once. A click on the selected entry, with or
// without Ctrl, keeps it selected: the user cannot empty the selection.
//
// An entry too long for the box's width has itself as its tooltip, so a
// cut name can still be read whole.
#include <QListWidget>
#include <string>
#include <string_view>

class SortedListBox : public QListWidget {
    Q_OBJECT
public:
    explicit SortedListBox(QWidget* parent = nullptr);

    // Inserts at the sorted place (after equal entries); returns the position.
    int AddSorted(std::string_view text);
    // The same for an entry shown (and sorted) as `shown`, read back as `text`:
    // a German name standing for the catalogue's own.
    int AddSorted(std::string_view text, std::string_view shown);
    // Removes the entry; when it was the selected one nothing is selected.
    void DeleteAt(int position);
    // Removes every entry.
    void Empty();
    // Selects the entry; -1 or a position out of range selects nothing.
    void Select(int position);
    // The selected position, or -1.
    int SelectedPosition() const;
    // The entry's text; empty when there is no such entry.
    std::string TextAt(int position) const;
    // The text the entry shows.
    std::string ShownAt(int position) const;
    // First entry equal to `text` ignoring case (EqualsNoCase), or -1.
    int FindExact(std::string_view text) const;
    int Count() const;
    // The largest height up to `height` that shows whole rows only.
    int WholeRowsHeight(int height) const;
    // The widest text an entry shows whole at the box's width, and the width
    // the box needs to show a text `textWidth` pixels wide whole.
    int TextRoom() const;
    int WidthToShow(int textWidth) const;

Q_SIGNALS:
    // The user selected another entry.
    void userSelected();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    // What the box's width holds besides an entry's text.
    int Chrome() const;
};
