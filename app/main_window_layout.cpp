// The main window's controls and menu, as its template lays them out.
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "dialog_units.h"
#include "group_frame.h"
#include "input_filter.h"
#include "main_window.h"
#include "mezura_app.h"
#include "shown_name_width.h"
#include "sorted_combo_box.h"
#include "sorted_list_box.h"
#include "svg_label.h"
#include "template_layout.h"

namespace {

QLabel* Text(QWidget* client, const QString& text, const char* name, const DialogUnits& units,
             int x, int y, int width, int height) {
    auto* label = new QLabel(text, client);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return PlaceAtTemplate(label, name, units, x, y, width, height);
}

// A menu item, named like the member that keeps it ("copyOutputAction").
QAction* Command(QMenu* menu, const QString& text, const char* name) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

}  // namespace

int MainWindow::BuildControls(const DialogUnits& units, QWidget* client) {
    // The group boxes come first so that everything else is drawn over them.
    auto* unitsGroup = new GroupFrame(tr("Select Units "), client);
    PlaceAtTemplate(unitsGroup, "unitsGroup", units, 10, 32, 230, 98);
    auto* resultGroup = new GroupFrame(tr("Result "), client);
    PlaceAtTemplate(resultGroup, "resultGroup", units, 11, 132, 229, 50);

    // The five controls that take the focus, created in tab order.
    categoryCombo_ =
        PlaceAtTemplate(new SortedComboBox(client), "categoryCombo", units, 16, 14, 98, 124);
    // The template's height holds the dropped-down list as well: the closed
    // box is as high as its text needs, the list shows what the rest holds.
    const int closedHeight = categoryCombo_->sizeHint().height();
    categoryCombo_->resize(categoryCombo_->width(), closedHeight);
    categoryCombo_->setMaxVisibleItems(std::max(
        1,
        (units.Y(124) - closedHeight) / std::max(1, categoryCombo_->fontMetrics().height() + 2)));

    inputUnits_ = PlaceAtTemplate(new SortedListBox(client), "inputUnits", units, 20, 50, 95, 75);
    outputUnits_ =
        PlaceAtTemplate(new SortedListBox(client), "outputUnits", units, 137, 50, 95, 75);
    for (SortedListBox* list : {inputUnits_, outputUnits_}) {
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Whole rows only: a half-cut last row reads as a cut name.
        list->resize(list->width(), list->WholeRowsHeight(list->height()));
    }

    inputEdit_ = PlaceAtTemplate(new QLineEdit(QStringLiteral("0"), client), "inputEdit", units, 20,
                                 147, 96, 14);
    inputFilter_ = NumberInputFilter::Install(inputEdit_, decimalComma_);
    outputEdit_ = PlaceAtTemplate(new QLineEdit(QStringLiteral("0"), client), "outputEdit", units,
                                  137, 147, 93, 14);
    outputEdit_->setReadOnly(true);

    QLabel* inputCaption = Text(client, tr("INPUT"), "inputCaption", units, 57, 41, 23, 8);
    QLabel* outputCaption = Text(client, tr("OUTPUT"), "outputCaption", units, 170, 42, 31, 8);
    inputUnitLabel_ = Text(client, QString(), "inputUnitLabel", units, 20, 167, 90, 8);
    outputUnitLabel_ = Text(client, QString(), "outputUnitLabel", units, 137, 167, 91, 8);

    // Whose rates of which day, under the result while Currency is shown.
    ratesDateLine_ = Text(client, QString(), "ratesDateLine", units, 14, 182, 214, 8);

    auto* equalsIcon = PlaceAtTemplate(
        new SvgLabel(QStringLiteral(":/icons/equals.svg"), SvgLabel::Ink::Palette, client),
        "equalsIcon", units, 115, 143, 20, 20);
    const int side = std::min({32, equalsIcon->width(), equalsIcon->height()});
    equalsIcon->SetPictureSize(QSize(side, side));

    QLabel* quantityCaption =
        Text(client, tr("(Select quantity)"), "quantityCaption", units, 131, 15, 66, 8);

    // Never shown, never enabled: as the default button it takes Enter,
    // which then does nothing.
    hiddenDefault_ =
        PlaceAtTemplate(new QPushButton(client), "hiddenDefault", units, 230, 185, 6, 6);
    hiddenDefault_->setDefault(true);
    hiddenDefault_->setEnabled(false);
    hiddenDefault_->setFocusPolicy(Qt::NoFocus);
    hiddenDefault_->hide();

    // What a screen reader says for each control: the captions on the
    // window ("INPUT", "Result ") name groups, not the fields themselves.
    // On Linux a drop-down list's accessible name is its current entry; a
    // screen reader names it after the label it is the buddy of.
    quantityCaption->setBuddy(categoryCombo_);
    quantityCaption->setAccessibleName(tr("Quantity"));
    categoryCombo_->setAccessibleName(tr("Quantity"));
    categoryCombo_->setAccessibleDescription(tr("The quantity whose units are listed"));
    inputUnits_->setAccessibleName(tr("Input unit"));
    inputUnits_->setAccessibleDescription(tr("The unit of the value you type"));
    outputUnits_->setAccessibleName(tr("Output unit"));
    outputUnits_->setAccessibleDescription(tr("The unit of the result"));
    inputEdit_->setAccessibleName(tr("Input value"));
    inputEdit_->setAccessibleDescription(tr("The number to convert"));
    outputEdit_->setAccessibleName(tr("Result"));
    outputEdit_->setAccessibleDescription(tr("The converted value, in the output unit"));
    equalsIcon->setAccessibleName(tr("equals"));

    // Every built-in unit's name whole in the lists, in the session's
    // language: German names run longer than the template's lists. Each list
    // widens about its middle, with the field, the label and the caption
    // under and over it, and everything on its right moves along. (The
    // currencies' names come with the rates, and a custom unit's with the
    // profile; one too long for the list has its tooltip.)
    const int growth = std::max(0, inputUnits_->WidthToShow(WidestBuiltinUnitName(
                                       catalogue_, names_, inputUnits_->fontMetrics())) -
                                       inputUnits_->width());
    for (SortedListBox* list : {outputUnits_, inputUnits_})
        WidenAt(*client, list->geometry().center().x(), growth);
    if (growth > 0) {
        for (QLabel* caption : {inputCaption, outputCaption})
            caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);  // over the middle, as before
    }

    setTabOrder(categoryCombo_, inputUnits_);
    setTabOrder(inputUnits_, outputUnits_);
    setTabOrder(outputUnits_, inputEdit_);
    setTabOrder(inputEdit_, outputEdit_);
    return 2 * growth;
}

QMenuBar* MainWindow::BuildMenu() {
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));

    QMenu* file = menuBar->addMenu(tr("&File"));
    exitAction_ = Command(file, tr("&Exit"), "exitAction");
    connect(exitAction_, &QAction::triggered, this, [this] { Leave(Leaving::FileExit); });

    QMenu* options = menuBar->addMenu(tr("&Options"));
    copyOutputAction_ = Command(options, tr("Copy output\tAlt+C"), "copyOutputAction");
    copyOutputAction_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_C));
    connect(copyOutputAction_, &QAction::triggered, this, &MainWindow::OnCopyOutput);
    calculatorAction_ = Command(options, tr("Calculator\tAlt+L"), "calculatorAction");
    calculatorAction_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_L));
    connect(calculatorAction_, &QAction::triggered, this, &MainWindow::OnCalculator);
    options->addSeparator();
    preferencesAction_ = Command(options, tr("Preferences              "), "preferencesAction");
    connect(preferencesAction_, &QAction::triggered, this, &MainWindow::OnPreferences);
    // Later additions, after the template's items so that those keep their
    // places. Ctrl+F is no key of this window's fields or lists; Alt+S
    // follows Alt+C and Alt+L and is no menu's or control's mnemonic.
    options->addSeparator();
    findUnitAction_ = Command(options, tr("&Find unit…"), "findUnitAction");
    findUnitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(findUnitAction_, &QAction::triggered, this, &MainWindow::OnFindUnit);
    swapUnitsAction_ = Command(options, tr("&Swap units"), "swapUnitsAction");
    swapUnitsAction_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_S));
    connect(swapUnitsAction_, &QAction::triggered, this, &MainWindow::OnSwapUnits);
    // Ctrl+H and Ctrl+D as in the browsers: history and bookmarks.
    options->addSeparator();
    historyAction_ = Command(options, tr("&History…"), "historyAction");
    historyAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(historyAction_, &QAction::triggered, this, &MainWindow::OnHistory);
    favouriteAction_ = Command(options, tr("&Add to favourites"), "favouriteAction");
    favouriteAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(favouriteAction_, &QAction::triggered, this, &MainWindow::OnToggleFavourite);
    favouritesMenu_ = options->addMenu(tr("Fa&vourites"));
    favouritesMenu_->setObjectName(QStringLiteral("favouritesMenu"));

    QMenu* help = menuBar->addMenu(tr("&Help"));
    aboutAction_ = Command(help, tr("&About"), "aboutAction");
    connect(aboutAction_, &QAction::triggered, this, &MainWindow::OnAbout);

    // The shortcuts act wherever the focus is in this window, menu open or
    // not.
    addAction(copyOutputAction_);
    addAction(calculatorAction_);
    addAction(findUnitAction_);
    addAction(swapUnitsAction_);
    addAction(historyAction_);
    addAction(favouriteAction_);
    return menuBar;
}
