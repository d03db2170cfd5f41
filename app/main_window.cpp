// The main window: building it, the start-up population, and the ways out.
#include "main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <optional>

#include "catalogue.h"
#include "dialog_units.h"
#include "history_file.h"
#include "mezura_app.h"
#include "profile_keys.h"
#include "profile_records.h"
#include "shown_names.h"
#include "sorted_combo_box.h"
#include "sorted_list_box.h"
#include "svg_icon.h"
#include "template_layout.h"
#include "text_edge.h"
#include "title_bars.h"
#include "window_rates.h"

namespace {

// The template's client area in dialog units, below the menu.
constexpr int ClientWidth = 249;
constexpr int ClientHeight = 191;
// Where a topmost window opens, in screen pixels.
constexpr int TopmostX = 150;
constexpr int TopmostY = 150;

}  // namespace

MainWindow::MainWindow(MezuraApp& app, Catalogue& catalogue, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      icon_(SvgIcon(QStringLiteral(":/icons/mezura.svg"))),
      app_(app),
      catalogue_(catalogue),
      history_(HistoryFilePath()) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(tr("Mezura"));
    setFont(TemplateFont(QStringLiteral("Verdana"), 8));
    const DialogUnits units(font());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    const int listsGrowth = BuildControls(units, client);
    // Wider only where a name or a caption needs more room than the template
    // gives it.
    client->setFixedSize(units.Size(ClientWidth, ClientHeight) +
                         QSize(listsGrowth + FitTexts(*client), 0));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(BuildMenu());
    layout->addWidget(client);
    // A fixed frame: the window is exactly its template's size.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Where the compositor leaves title bars to Qt, whose own offers a
    // Maximize this window cannot take, the window draws its own.
    GiveOwnTitleBarWhereNeeded(*this);

    connect(categoryCombo_, &SortedComboBox::userSelected, this, &MainWindow::OnUserCategoryChosen);
    connect(inputUnits_, &SortedListBox::userSelected, this, &MainWindow::OnUnitChosen);
    connect(outputUnits_, &SortedListBox::userSelected, this, &MainWindow::OnUnitChosen);
    // textEdited comes for every change the user makes, typed or pasted,
    // and never for the program's own setText.
    connect(inputEdit_, &QLineEdit::textEdited, this, &MainWindow::OnValueEdited);

    settleTimer_ = new QTimer(this);
    settleTimer_->setObjectName(QStringLiteral("settleTimer"));
    settleTimer_->setSingleShot(true);
    settleTimer_->setInterval(SettleMilliseconds);
    connect(settleTimer_, &QTimer::timeout, this, [this] { history_.Settle(); });
}

MainWindow::~MainWindow() = default;

SortedComboBox& MainWindow::CategoryCombo() { return *categoryCombo_; }

void MainWindow::Populate() {
    ProfileStore& profile = app_.Profile();

    // The currencies of the cached rates come first, so that the profile's
    // own units are checked against them too. Nothing goes online here.
    rates_ = new WindowRates(profile, catalogue_, *ratesDateLine_, this);
    connect(rates_, &WindowRates::RatesChanged, this, &MainWindow::OnRatesChanged);
    rates_->LoadCache();
    // Both fields show "0"; no conversion yet.
    LoadProfile(profile, catalogue_, resultStyle_);
    mixedUnits_ = LoadMixedUnitsSetting(profile);
    UseDecimalPoint(ReadSwitch(profile, profile::DecimalPointKey));
    favourites_ = Favourites::Load(profile);
    const std::optional<std::string> historyProblem = history_.SetKept(IsHistoryKept(profile));
    // Said over the window once it is on the screen: a box whose parent is
    // not shown yet opens at the screen's corner.
    QTimer::singleShot(0, this, [this, historyProblem] {
        app_.ReportUnreadableProfile();
        if (historyProblem) ReportRefusedHistory(*historyProblem);
    });

    FillCategoryList();
    categoryCombo_->Select(0);

    std::string startName = StartCategoryName(profile);
    if (startName == profile::NoCategory) startName = categoryCombo_->SelectedText();

    // The last category of that name wins; a name that is no longer there
    // leaves slot 0 and entry 0. A remembered category that is hidden is not
    // in the list: the window starts on entry 0's category, so the list, the
    // units and the results all speak of the same one.
    int slot = 0;
    if (const std::optional<int> row = catalogue_.CategoryByName(startName)) {
        const int position = categoryCombo_->FindExact(startName);
        categoryCombo_->Select(position >= 0 ? position : 0);
        slot = position >= 0
                   ? *row
                   : catalogue_.CategoryByName(categoryCombo_->SelectedText()).value_or(0);
    }

    FillUnitLists(slot);
    SetUnitLabels(slot, 0, 0);
    shownRow_ = slot;
    rates_->CategoryShown(slot);
    RebuildFavouritesMenu();
    UpdateFavouriteAction();

    setWindowIcon(icon_);

    if (IsOnTopStored(profile)) {
        SetTopmost(true);
        move(TopmostX, TopmostY);
    }
    // Otherwise the window opens centred on the screen: QDialog centres a
    // window nobody has moved when it is first shown.

    categoryCombo_->setFocus();
}

void MainWindow::FillCategoryList() {
    for (int row = 0; row < BuiltinCategoryCount; ++row)
        if (catalogue_.Visibility(row) != 0)
            categoryCombo_->AddSorted(catalogue_.CategoryName(row),
                                      ShownCategoryName(catalogue_, row, names_));
    for (int row = FirstCustomRow; row < CategoryRowCount; ++row)
        if (!catalogue_.IsCustomRowFree(row))
            categoryCombo_->AddSorted(catalogue_.CategoryName(row));
}

void MainWindow::FillUnitLists(int slot) {
    // The two lists always hold the same entries.
    const int count = inputUnits_->Count();
    for (int i = 0; i < count; ++i) {
        inputUnits_->DeleteAt(0);
        outputUnits_->DeleteAt(0);
    }
    for (int k = 1; k <= catalogue_.UnitCount(slot); ++k) {
        const std::string_view shown = ShownUnitName(catalogue_, slot, k, names_);
        inputUnits_->AddSorted(catalogue_.Name(slot, k), shown);
        outputUnits_->AddSorted(catalogue_.Name(slot, k), shown);
    }
    inputUnits_->Select(0);
    outputUnits_->Select(0);
}

void MainWindow::SetUnitLabels(int slot, int inputIndex, int outputIndex) {
    inputUnitLabel_->setText(
        QStringFromCp1252(ShownUnitName(catalogue_, slot, inputIndex + 1, names_)));
    outputUnitLabel_->setText(
        QStringFromCp1252(ShownUnitName(catalogue_, slot, outputIndex + 1, names_)));
}

void MainWindow::ShowOutput(const QString& text) {
    // A field that already shows its text is left alone, so its selection
    // and caret stay put.
    if (outputEdit_->text() == text) return;
    const QSignalBlocker silent(outputEdit_);
    outputEdit_->setText(text);
}

void MainWindow::Leave(Leaving how) {
    // Only the first way out writes: the close event that ending the window
    // may bring, or QDialog's reject inside it, must not save again.
    if (!ending_) {
        ending_ = true;
        settleTimer_->stop();
        // Esc leaves the shown conversion unrecorded; the other ways settle it.
        if (how != Leaving::Escape) history_.Settle();
        if (how == Leaving::CloseBox)
            app_.SaveOnLeaving(catalogue_, resultStyle_, categoryCombo_->SelectedText());
        else if (how == Leaving::FileExit)
            app_.SaveOnLeaving(catalogue_, resultStyle_, std::nullopt);
    }
    done(QDialog::Rejected);
}

void MainWindow::reject() { Leave(Leaving::Escape); }

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close box, Alt+F4 and the window menu's Close come here (QDialog
    // keeps the close event its own ending makes from reaching us).
    Leave(Leaving::CloseBox);
    QDialog::closeEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Enter does nothing in this window, whichever control has the focus.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
