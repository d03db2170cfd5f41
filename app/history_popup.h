#pragma once
// Options > History (Ctrl+H): the conversions the user settled on, newest
// first, filtered as you type like Find unit.
//
//   typing                   narrows the list to the entries holding every word
//   Up, Down, Page Up/Down   move through the list from the field
//   Enter, "Restore"         puts the current entry back on the window
//   Delete, "Delete"         removes the current entry (Delete in the field
//                            removes a character while there is one after the caret)
//   "Clear history"          empties the history
//   Esc                      closes; nothing changes
//
// An entry naming a unit that is gone is listed but cannot be restored; its
// tooltip says why. The popup only shows and offers; the window acts.
#include <QDialog>
#include <QString>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

class HistoryPopup : public QDialog {
    Q_OBJECT
public:
    struct Entry {
        QString text;         // as listed
        QString unavailable;  // why it cannot be restored; empty when it can
    };

    explicit HistoryPopup(QWidget* parent);
    // The history as it is now, newest first; the filter stays.
    void SetEntries(std::vector<Entry> entries);

Q_SIGNALS:
    // Indices into the entries last set.
    void restoreChosen(int index);
    void deleteChosen(int index);
    void clearChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowMatches();
    int CurrentIndex() const;
    void Restore();
    void Delete();

    std::vector<Entry> entries_;
    QLineEdit* filter_ = nullptr;
    QListWidget* matches_ = nullptr;
    QPushButton* restoreButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
};
