// The main window: building it, the start-up population, and the ways out.
#include "mezura_dlg.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <optional>

#include "catalogue.h"
#include "dialog_units.h"
#include "mezura_app.h"
#include "profile_keys.h"
#include "profile_records.h"
#include "sorted_combo_box.h"
#include "sorted_list_box.h"
#include "svg_icon.h"
#include "text_edge.h"
#include "window_rates.h"

namespace {

// The template's client area in dialog units, below the menu.
constexpr int ClientWidth = 249;
constexpr int ClientHeight = 191;
// Where a topmost window opens, in screen pixels.
constexpr int TopmostX = 150;
constexpr int TopmostY = 150;

}  // namespace

CMezuraDlg::CMezuraDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_hIcon(SvgIcon(QStringLiteral(":/icons/mezura.svg"))) {
    setObjectName(QStringLiteral("CMezuraDlg"));
    setWindowTitle(tr("Mezura"));
    setFont(TemplateFont(QStringLiteral("Verdana"), 8));
    const DialogUnits units(font());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(units.Size(ClientWidth, ClientHeight));
    BuildControls(units, client);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(BuildMenu());
    layout->addWidget(client);
    // A fixed frame: the window is exactly its template's size.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_categoryCombo, &SortedComboBox::userSelected, this, &CMezuraDlg::OnSelchangeCategory);
    connect(m_inputUnits, &SortedListBox::userSelected, this, &CMezuraDlg::Convert);
    connect(m_outputUnits, &SortedListBox::userSelected, this, &CMezuraDlg::Convert);
    // textEdited comes for every change the user makes, typed or pasted,
    // and never for the program's own setText.
    connect(m_inputEdit, &QLineEdit::textEdited, this, &CMezuraDlg::Convert);
}

CMezuraDlg::~CMezuraDlg() = default;

SortedComboBox& CMezuraDlg::CategoryCombo() { return *m_categoryCombo; }

bool CMezuraDlg::OnInitDialog() {
    ProfileStore& profile = theApp()->Profile();

    DoDataExchange(false);  // both fields show "0"; no conversion yet

    LoadCustomCategoryNames(profile);
    LoadCustomUnits(profile);
    m_rates = new WindowRates(profile, *m_ratesDateLine, this);
    connect(m_rates, &WindowRates::RatesChanged, this, &CMezuraDlg::OnRatesChanged);
    m_rates->LoadCache();
    LoadCategoryVisibility(profile);
    // (The two shortcuts were set up with the menu.)
    LoadResultSettings(profile);
    theApp()->ReportUnreadableProfile();

    FillCategoryList();
    m_categoryCombo->Select(0);

    std::string startName = StartCategoryName(profile);
    if (startName == profile::NoCategory) startName = m_categoryCombo->SelectedText();

    // The last category of that name wins; a name that is no longer there
    // leaves slot 0 and entry 0. A remembered category that is hidden is not
    // in the list: the window starts on entry 0's category, so the list, the
    // units and the results all speak of the same one.
    int slot = 0;
    if (const std::optional<int> row = CategoryByName(startName)) {
        const int position = m_categoryCombo->FindExact(startName);
        m_categoryCombo->Select(position >= 0 ? position : 0);
        slot = position >= 0 ? *row : CategoryByName(m_categoryCombo->SelectedText()).value_or(0);
    }

    FillUnitLists(slot);
    SetUnitLabels(slot, 0, 0);
    m_nCategory = slot;
    m_rates->CategoryShown(slot);

    setWindowIcon(m_hIcon);

    if (IsOnTopStored(profile)) {
        SetTopmost(true);
        move(TopmostX, TopmostY);
    }
    // Otherwise the window opens centred on the screen: QDialog centres a
    // window nobody has moved when it is first shown.

    m_categoryCombo->setFocus();
    return true;
}

void CMezuraDlg::FillCategoryList() {
    for (int row = 0; row < BuiltinCategoryCount; ++row)
        if (CategoryVisible[row] != 0) m_categoryCombo->AddSorted(UnitNames[row][0]);
    // The custom categories in use, then Currency (never free).
    for (int row = FirstCustomRow; row < CategoryRowCount; ++row)
        if (!IsCustomRowFree(row)) m_categoryCombo->AddSorted(UnitNames[row][0]);
}

void CMezuraDlg::FillUnitLists(int slot) {
    // The two lists always hold the same entries.
    const int count = m_inputUnits->Count();
    for (int i = 0; i < count; ++i) {
        m_inputUnits->DeleteAt(0);
        m_outputUnits->DeleteAt(0);
    }
    for (int k = 1; k <= MaxUnitsPerRow && k <= UnitFactors[slot][0]; ++k) {
        m_inputUnits->AddSorted(UnitNames[slot][k]);
        m_outputUnits->AddSorted(UnitNames[slot][k]);
    }
    m_inputUnits->Select(0);
    m_outputUnits->Select(0);
}

void CMezuraDlg::SetUnitLabels(int slot, int inputIndex, int outputIndex) {
    m_inputUnitLabel->setText(QStringFromCp1252(UnitNames[slot][inputIndex + 1]));
    m_outputUnitLabel->setText(QStringFromCp1252(UnitNames[slot][outputIndex + 1]));
}

void CMezuraDlg::DoDataExchange(bool saveAndValidate) {
    if (saveAndValidate) {
        m_strInput = m_inputEdit->text();
        m_strOutput = m_outputEdit->text();
        return;
    }
    // A field that already shows its text is left alone: rewriting the input
    // field would move the caret while the user types.
    for (auto [field, text] :
         {std::pair{m_inputEdit, &m_strInput}, std::pair{m_outputEdit, &m_strOutput}}) {
        if (field->text() == *text) continue;
        const QSignalBlocker silent(field);
        field->setText(*text);
    }
}

void CMezuraDlg::OnClose() { theApp()->SaveOnLeaving(m_categoryCombo->SelectedText()); }

void CMezuraDlg::EndDialog() {
    m_bEnding = true;
    done(QDialog::Rejected);
}

void CMezuraDlg::reject() {
    m_bEnding = true;
    QDialog::reject();
}

void CMezuraDlg::closeEvent(QCloseEvent* event) {
    // The close box, Alt+F4 and the window menu's Close come here; Esc and
    // File > Exit end the window without passing through a save.
    if (!m_bEnding) OnClose();
    QDialog::closeEvent(event);
}

void CMezuraDlg::keyPressEvent(QKeyEvent* event) {
    // Enter does nothing in this window, whichever control has the focus.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
