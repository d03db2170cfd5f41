// The Custom tab's controls, its two modes and the choice of a category.
// Adding and removing live in custom_categories.cpp and custom_units.cpp.
#include "custom_page.h"

#include "catalogue.h"
#include "desktop.h"
#include "text_edge.h"

namespace {

constexpr int AddCategoryId = 1079;
constexpr int ExistingCategoryId = 1080;

}  // namespace

CustomPage::CustomPage(Catalogue& catalogue, ProfileStore& profile, PreferencesListener& listener)
    : PropertyPage(161, tr("Custom"), 249, 162),
      m_categoryFrame(tr("Add new category    ")),
      m_addCategoryRadio(tr("Add category")),
      m_addCategoryButton(tr("Add")),
      m_unitFrame(tr("Add units in existing category    ")),
      m_existingRadio(tr("Existing category")),
      m_removeCategoryButton(tr("Remove")),
      m_unitHeading(tr("UNIT")),
      m_factorHeading(tr("FACTOR")),
      m_existingUnitHeading(tr("UNIT")),
      m_oneLabel(QStringLiteral("1")),
      m_equalsIcon(QStringLiteral(":/icons/equals.svg"), SvgLabel::Ink::Palette),
      m_addUnitButton(tr("Add")),
      m_removeUnitButton(tr("Remove")),
      catalogue_(catalogue),
      custom_(catalogue, profile, listener) {
    // Template order, which is also the tab order.
    Place(m_addCategoryRadio, AddCategoryId, "m_addCategoryRadio", 12, 18, 58, 10);
    Place(m_existingRadio, ExistingCategoryId, "m_existingRadio", 11, 69, 69, 10);
    PlaceDropDown(m_categoryCombo, 1078, "m_categoryCombo", 83, 68, 92, 87);
    Place(m_categoryEdit, 1084, "m_categoryEdit", 81, 15, 82, 14);
    Place(m_addCategoryButton, 1082, "m_addCategoryButton", 202, 15, 35, 14);
    Place(m_removeCategoryButton, 1083, "m_removeCategoryButton", 202, 67, 35, 14);
    Place(m_unitNameEdit, 1087, "m_unitNameEdit", 27, 103, 45, 14);
    Place(m_oneLabel, -1, "m_oneLabel", 14, 105, 8, 8);
    Place(m_equalsIcon, -1, "m_equalsIcon", 74, 98, 21, 20);
    Place(m_factorEdit, 1086, "m_factorEdit", 97, 103, 48, 12);
    PlaceDropDown(m_unitCombo, 1085, "m_unitCombo", 149, 103, 88, 52);
    Place(m_unitHeading, -1, "m_unitHeading", 42, 91, 18, 8);
    Place(m_factorHeading, -1, "m_factorHeading", 107, 91, 30, 8);
    Place(m_existingUnitHeading, -1, "m_existingUnitHeading", 180, 91, 18, 8);
    Place(m_addUnitButton, 1054, "m_addUnitButton", 168, 135, 31, 14);
    Place(m_removeUnitButton, 1089, "m_removeUnitButton", 206, 135, 31, 14);
    Place(m_categoryFrame, -1, "m_categoryFrame", 7, 3, 235, 30);
    Place(m_unitFrame, -1, "m_unitFrame", 7, 54, 235, 101);
    m_categoryFrame.lower();
    m_unitFrame.lower();

    m_equalsIcon.SetPictureSize(m_equalsIcon.size());
    m_equalsIcon.setAccessibleName(tr("equals"));
    // The buttons' texts say "Add" and "Remove" twice; a screen reader
    // hears which.
    m_categoryEdit.setAccessibleName(tr("New category name"));
    m_addCategoryButton.setAccessibleName(tr("Add category"));
    // On Linux a drop-down list is read by its current entry ("Acceleration");
    // a screen reader names it after the label it is the buddy of. The radio
    // button beside it shows the words, so the label takes no room.
    existingCategoryLabel_.setParent(this);
    existingCategoryLabel_.setGeometry(m_existingRadio.x(), m_existingRadio.y(), 0, 0);
    existingCategoryLabel_.setBuddy(&m_categoryCombo);
    existingCategoryLabel_.setAccessibleName(tr("Existing category"));
    m_categoryCombo.setAccessibleName(tr("Existing category"));
    m_removeCategoryButton.setAccessibleName(tr("Remove category"));
    m_unitNameEdit.setAccessibleName(tr("New unit name"));
    m_unitNameEdit.setAccessibleDescription(
        tr("One new unit equals the factor times the existing unit"));
    m_factorEdit.setAccessibleName(tr("Factor"));
    m_factorEdit.setAccessibleDescription(tr("How many existing units make one new unit"));
    m_unitCombo.setAccessibleName(tr("Existing unit"));
    m_existingUnitHeading.setBuddy(&m_unitCombo);
    m_existingUnitHeading.setAccessibleName(tr("Existing unit"));
    m_addUnitButton.setAccessibleName(tr("Add unit"));
    m_removeUnitButton.setAccessibleName(tr("Remove unit"));
    for (QLineEdit* edit : {&m_categoryEdit, &m_unitNameEdit, &m_factorEdit}) edit->setFrame(true);
    // The sheet's OK stays the default button whichever page button was used last.
    for (QPushButton* button :
         {&m_addCategoryButton, &m_removeCategoryButton, &m_addUnitButton, &m_removeUnitButton})
        button->setAutoDefault(false);

    modeGroup_.addButton(&m_addCategoryRadio, AddCategoryId);
    modeGroup_.addButton(&m_existingRadio, ExistingCategoryId);
    m_factorEdit.installEventFilter(&factorFilter_);

    connect(&modeGroup_, &QButtonGroup::idClicked, this, &CustomPage::OnModeChanged);
    connect(&m_categoryCombo, &SortedComboBox::userSelected, this, &CustomPage::OnCategorySelected);
    connect(&m_addCategoryButton, &QPushButton::clicked, this, &CustomPage::OnAddCategory);
    connect(&m_removeCategoryButton, &QPushButton::clicked, this, &CustomPage::OnRemoveCategory);
    connect(&m_addUnitButton, &QPushButton::clicked, this, &CustomPage::OnAddUnit);
    connect(&m_removeUnitButton, &QPushButton::clicked, this, &CustomPage::OnRemoveUnit);
}

bool CustomPage::OnInitDialog() {
    PropertyPage::OnInitDialog();
    m_nMode = 0;
    UpdateData(false);

    // Every built-in category, hidden ones too: hiding only keeps a category
    // out of the main window's list, and its units can still be edited here.
    for (int row = 0; row < BuiltinCategoryCount; ++row)
        m_categoryCombo.AddSorted(catalogue_.CategoryName(row));
    for (int row = FirstCustomRow; row < CategoryRowCount; ++row) {
        if (!catalogue_.IsCustomRowFree(row))
            m_categoryCombo.AddSorted(catalogue_.CategoryName(row));
    }
    m_categoryCombo.Select(0);

    if (const std::optional<int> row = catalogue_.CategoryByName(m_categoryCombo.SelectedText()))
        m_nCategory = *row;
    FillUnitCombo();
    OnModeChanged(AddCategoryId);
    return true;
}

void CustomPage::DoDataExchange(bool saveAndValidate) {
    if (saveAndValidate) {
        m_strCategoryName = m_categoryEdit.text();
        const int checked = modeGroup_.checkedId();
        m_nMode = checked == -1 ? -1 : checked - AddCategoryId;
        return;
    }
    m_categoryEdit.setText(m_strCategoryName);
    modeGroup_.setExclusive(false);
    m_addCategoryRadio.setChecked(m_nMode == 0);
    m_existingRadio.setChecked(m_nMode == 1);
    modeGroup_.setExclusive(true);
}

void CustomPage::OnModeChanged(int id) {
    const bool existing = id == ExistingCategoryId;
    m_removeCategoryButton.setEnabled(existing);
    m_categoryCombo.setEnabled(existing);
    m_categoryEdit.setEnabled(!existing);
    m_addCategoryButton.setEnabled(!existing);
    m_unitNameEdit.setEnabled(existing);
    m_addUnitButton.setEnabled(existing);
    if (!existing)
        EnableUnitChoice(false);
    else if (catalogue_.UnitCount(m_nCategory) >= 1)
        EnableUnitChoice(true);
}

void CustomPage::OnCategorySelected() {
    if (const std::optional<int> row = catalogue_.CategoryByName(m_categoryCombo.SelectedText()))
        m_nCategory = *row;
    if (m_nCategory < 0 || m_nCategory >= CategoryRowCount) m_nCategory = 0;
    FillUnitCombo();
    EnableUnitChoice(catalogue_.UnitCount(m_nCategory) >= 1);
}

void CustomPage::FillUnitCombo() {
    m_unitCombo.Empty();
    for (int position = 1; position <= catalogue_.UnitCount(m_nCategory); ++position)
        m_unitCombo.AddSorted(catalogue_.Name(m_nCategory, position));
    m_unitCombo.Select(0);
}

void CustomPage::EnableUnitChoice(bool enable) {
    m_unitCombo.setEnabled(enable);
    m_factorEdit.setEnabled(enable);
    m_removeUnitButton.setEnabled(enable);
}

void CustomPage::Tell(CustomMessage message, const std::string& name) {
    const QString shown = QStringLiteral("\t") + QStringFromCp1252(name);
    switch (message) {
        case CustomMessage::None:
            return;
        case CustomMessage::CategoryNameTaken:
            return Inform(tr("This category name already exists."));
        case CustomMessage::CategoryNameInvalid:
            return Inform(tr("Please Enter a valid name for the Category"));
        case CustomMessage::CategoryLimit:
            return Inform(tr("You have reached the maximum allowed custom categories"),
                          tr("Operation failed"));
        case CustomMessage::NoRoomForCategory:
            return Inform(tr("The settings file has no room left for another custom category."));
        case CustomMessage::BuiltinCategory:
            return Inform(shown + tr("\n\nYou may only remove previously added categories."));
        case CustomMessage::UnitLimit:
            return Inform(tr("You have reached maximum allowed custom unit for this category."));
        case CustomMessage::UnitNameInvalid:
            return Inform(tr("Please enter a valid name for the new unit."));
        case CustomMessage::UnitNameTaken:
            return Inform(tr("The name you have chosen \nis already in use."));
        case CustomMessage::UnitFactorInvalid:
            return Inform(tr("Enter a valid conversion factor for the unit"));
        case CustomMessage::RowFull:
            return Inform(
                tr("You have reached the maximum allowed custom units for this category"));
        case CustomMessage::NoRoomForUnit:
            return Inform(
                tr("The settings file has no room left for another custom unit "
                   "in this category."));
        case CustomMessage::BuiltinUnit:
            return Inform(shown + tr("\n\nYou may only remove previously added units."));
    }
}

void CustomPage::Inform(const QString& text, const QString& caption) {
    CurrentDesktop().ShowMessage(this, caption.isEmpty() ? tr("Mezura") : caption, text,
                                 Desktop::Icon::Information, Desktop::Buttons::Ok);
}

bool CustomPage::Confirm(const QString& text, bool withIcon) {
    return CurrentDesktop().ShowMessage(this, tr("Mezura"), text,
                                        withIcon ? Desktop::Icon::Information : Desktop::Icon::None,
                                        Desktop::Buttons::OkCancel) == Desktop::Answer::Ok;
}
