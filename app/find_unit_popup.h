#pragma once
// Options > Find unit: a filter field over the units of every listed
// category, shown as "unit — category", best matches first (unit_search.h).
//
//   typing                      narrows the list; the best match is current
//   Up, Down, Page Up/Down      move through the list from the field
//   Enter, "Input unit"         the current unit becomes the input unit
//   Shift+Enter, "Output unit"  it becomes the output unit
//   Esc                         closes; nothing changes
//   empty filter                the favourite pairs come first ("Distance:
//                               Kilometers → Miles"); Enter shows the pair
//   an expression ("N*m")       also the units of its size and dimension
//                               (Newton meter, Joules), read over `catalogue`
//   nothing matches             the list says "No unit matches", or, for a
//                               currency before any rates, "No exchange rates yet"
//
// The popup only offers; the main window puts the choice into its lists.
#include <QDialog>
#include <QStringList>
#include <vector>

#include "unit_search.h"

class Catalogue;
class QLineEdit;
class QListWidget;
class QPushButton;

enum class UnitSide { Input, Output };

class FindUnitPopup : public QDialog {
    Q_OBJECT
public:
    // `ratesLoaded`: the Currency category holds downloaded rates.
    // `favourites`: the titles of the favourite pairs, in their order.
    // `catalogue`: the one `units` were listed from, to read expressions
    // over; none reads none. It must outlive the popup.
    FindUnitPopup(std::vector<FindableUnit> units, QWidget* parent, bool ratesLoaded = true,
                  QStringList favourites = {}, const Catalogue* catalogue = nullptr);

Q_SIGNALS:
    // The user chose the unit at `position` of catalogue row `row`.
    void unitChosen(int row, int position, UnitSide side);
    // The user chose favourite `index`.
    void favouriteChosen(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowMatches(const QString& query);
    // Ends the popup with the current entry, if there is one.
    void Choose(UnitSide side);

    std::vector<FindableUnit> units_;
    const Catalogue* catalogue_ = nullptr;
    bool ratesLoaded_ = true;
    QStringList favourites_;
    QLineEdit* filter_ = nullptr;
    QListWidget* matches_ = nullptr;
    QPushButton* inputButton_ = nullptr;
    QPushButton* outputButton_ = nullptr;
};
