#pragma once
// A drop-down list the user picks from (no typing) that keeps its entries in
// CollateNoCase order by itself, like a sorted Windows combo box.
//
// Entries are Windows-1252 names; they are shown through the Unicode edge
// and read back byte for byte. Positions are list positions, never catalogue
// slots: callers map through the text.
//
//   AddSorted("Pressure"); AddSorted("angle"); AddSorted("Distance")
//     -> "angle", "Distance", "Pressure"; nothing selected
//   Select(1); DeleteAt(1)   -> nothing selected (the selected entry went)
//   FindExact("DISTANCE")    -> 1 ; FindExact("Dist") -> -1
//
// Only the user changes the selection with a notice: every operation below
// runs silently, and each selection the user makes (mouse, keys, wheel)
// emits userSelected() exactly once.
#include <QComboBox>
#include <string>
#include <string_view>

class SortedComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit SortedComboBox(QWidget* parent = nullptr);

    // Inserts at the sorted place (after equal entries); returns the
    // position. The selection stays on the entry it was on, or stays empty.
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
    // The selected entry's text; empty when nothing is selected.
    std::string SelectedText() const;
    // First entry equal to `text` ignoring case (EqualsNoCase), or -1.
    int FindExact(std::string_view text) const;
    int Count() const;
    // The width of the widest text the closed box shows whole, and the width
    // the box needs to show a text `textWidth` pixels wide whole.
    int TextRoom() const;
    int WidthToShow(int textWidth) const;

Q_SIGNALS:
    // The user picked another entry.
    void userSelected();
};
