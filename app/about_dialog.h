#pragma once
// The About box: the program's icon, its name and version, who wrote it, a
// notice, and an e-mail address drawn in blue (a lighter blue on a dark
// theme, so that it keeps a text's contrast). A click on the address asks
// the desktop for a new mail:
//
//   mailto:mezura@example.org?SUBJECT=Mezura v4.0
//
// The box stays open after the click; OK, Enter or Esc close it.
#include <QDialog>
#include <QString>

class QLabel;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    static QString AuthorName();
    static QString EmailAddress();
    // "mailto:" + address + "?SUBJECT=Mezura v4.0"
    static QString MailUrl();

    // A click on the address.
    void OnEmailClick();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The address's text colour: blue (0, 0, 255) on the box's background,
    // lightened where that background is too dark for it.
    void ColourLink(QLabel& link);

    QLabel* emailLink_ = nullptr;
};
