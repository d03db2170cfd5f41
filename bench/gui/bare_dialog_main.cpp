// The floor the window's start-up is measured against: a plain Qt dialog
// with the main window's controls (a drop-down list of 26 entries, two lists
// of 20, two fields, five captions, two frames and the menu), filled with
// plain texts, and nothing else: no catalogue, no profile, no translations,
// no pictures. It runs the same first-paint watcher as the window program.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QVBoxLayout>

#include "first_paint_probe.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Mezura"));

    auto* menuBar = new QMenuBar(&dialog);
    QMenu* file = menuBar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Exit"));
    QMenu* options = menuBar->addMenu(QStringLiteral("&Options"));
    for (const char* text :
         {"Copy output\tAlt+C", "Calculator\tAlt+L", "Preferences", "&Find unit…", "&Swap units"})
        options->addAction(QString::fromUtf8(text));
    menuBar->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));

    auto* client = new QWidget(&dialog);
    client->setFixedSize(374, 310);
    auto* units = new QGroupBox(QStringLiteral("Select Units "), client);
    units->setGeometry(15, 52, 345, 159);
    auto* result = new QGroupBox(QStringLiteral("Result "), client);
    result->setGeometry(17, 215, 343, 81);
    auto* category = new QComboBox(client);
    category->setGeometry(24, 23, 147, 24);
    for (int i = 0; i < 26; ++i) category->addItem(QStringLiteral("Category %1").arg(i));
    for (int x : {30, 206}) {
        auto* list = new QListWidget(client);
        list->setGeometry(x, 81, 143, 122);
        for (int i = 0; i < 20; ++i) list->addItem(QStringLiteral("Unit %1").arg(i));
        list->setCurrentRow(0);
        auto* field = new QLineEdit(QStringLiteral("0"), client);
        field->setGeometry(x, 239, 144, 23);
        auto* caption = new QLabel(QStringLiteral("Unit 0"), client);
        caption->setGeometry(x, 271, 135, 13);
    }
    for (auto [text, x] :
         {std::pair{"INPUT", 86}, std::pair{"OUTPUT", 255}, std::pair{"(Select quantity)", 197}})
        (new QLabel(QString::fromLatin1(text), client))->move(x, 66);
    (new QLabel(QStringLiteral("="), client))->setGeometry(173, 232, 30, 32);

    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    WatchFirstPaint(dialog);
    return dialog.exec();
}
