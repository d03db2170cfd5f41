// The Custom tab's controls, its two modes and the choice of a category.
// Adding and removing live in custom_categories.cpp and custom_units.cpp.
#include "custom_page.h"

#include "catalogue.h"
#include "desktop.h"
#include "name_owner.h"
#include "session_language.h"
#include "shown_name_width.h"
#include "shown_names.h"
#include "storable_text.h"
#include "text_edge.h"

CustomPage::CustomPage(Catalogue& catalogue, ProfileStore& profile, PreferencesListener& listener)
    : PropertyPage("customPage", tr("Custom"), 249, 162),
      categoryFrame_(tr("Add new category    ")),
      addCategoryRadio_(tr("Add category")),
      addCategoryButton_(tr("Add")),
      unitFrame_(tr("Add units in existing category    ")),
      existingRadio_(tr("Existing category")),
      removeCategoryButton_(tr("Remove")),
      unitHeading_(tr("UNIT")),
      factorHeading_(tr("FACTOR")),
      existingUnitHeading_(tr("UNIT")),
      oneLabel_(QStringLiteral("1")),
      equalsIcon_(QStringLiteral(":/icons/equals.svg"), SvgLabel::Ink::Palette),
      addUnitButton_(tr("Add")),
      removeUnitButton_(tr("Remove")),
      catalogue_(catalogue),
      custom_(catalogue, profile, listener) {
    // Template order, which is also the tab order.
    Place(addCategoryRadio_, "addCategoryRadio", 12, 18, 58, 10);
    Place(existingRadio_, "existingRadio", 11, 69, 69, 10);
    PlaceDropDown(categoryCombo_, "categoryCombo", 83, 68, 92, 87);
    Place(categoryEdit_, "categoryEdit", 81, 15, 82, 14);
    Place(addCategoryButton_, "addCategoryButton", 202, 15, 35, 14);
    Place(removeCategoryButton_, "removeCategoryButton", 202, 67, 35, 14);
    Place(unitNameEdit_, "unitNameEdit", 27, 103, 45, 14);
    Place(oneLabel_, "oneLabel", 14, 105, 8, 8);
    Place(equalsIcon_, "equalsIcon", 74, 98, 21, 20);
    Place(factorEdit_, "factorEdit", 97, 103, 48, 12);
    PlaceDropDown(unitCombo_, "unitCombo", 149, 103, 88, 52);
    Place(unitHeading_, "unitHeading", 42, 91, 18, 8);
    Place(factorHeading_, "factorHeading", 107, 91, 30, 8);
    Place(existingUnitHeading_, "existingUnitHeading", 180, 91, 18, 8);
    Place(addUnitButton_, "addUnitButton", 168, 135, 31, 14);
    Place(removeUnitButton_, "removeUnitButton", 206, 135, 31, 14);
    Place(categoryFrame_, "categoryFrame", 7, 3, 235, 30);
    Place(unitFrame_, "unitFrame", 7, 54, 235, 101);
    categoryFrame_.lower();
    unitFrame_.lower();
    // Every built-in unit's name whole in the existing unit's list, in the
    // session's language: the list widens by what the longest needs, the
    // name fields across from it with it, and what stands after it moves
    // along; its heading stays over its middle.
    const int growth = unitCombo_.WidthToShow(WidestBuiltinUnitName(
                           catalogue, SessionNameLanguage(), unitCombo_.fontMetrics())) -
                       unitCombo_.width();
    if (growth > 0) {
        WidenAt(unitCombo_.x() + 1, growth);
        existingUnitHeading_.move(existingUnitHeading_.x() - growth / 2, existingUnitHeading_.y());
    }
    // On a wider sheet the existing unit and the buttons stay at the frames'
    // right edge, and the name fields and the category list widen.
    StretchBefore(unitCombo_);

    equalsIcon_.SetPictureSize(equalsIcon_.size());
    equalsIcon_.setAccessibleName(tr("equals"));
    // The buttons' texts say "Add" and "Remove" twice; a screen reader
    // hears which.
    categoryEdit_.setAccessibleName(tr("New category name"));
    addCategoryButton_.setAccessibleName(tr("Add category"));
    // On Linux a drop-down list is read by its current entry ("Acceleration");
    // a screen reader names it after the label it is the buddy of. The radio
    // button beside it shows the words, so the label takes no room.
    existingCategoryLabel_.setParent(this);
    existingCategoryLabel_.setGeometry(existingRadio_.x(), existingRadio_.y(), 0, 0);
    existingCategoryLabel_.setBuddy(&categoryCombo_);
    existingCategoryLabel_.setAccessibleName(tr("Existing category"));
    categoryCombo_.setAccessibleName(tr("Existing category"));
    removeCategoryButton_.setAccessibleName(tr("Remove category"));
    unitNameEdit_.setAccessibleName(tr("New unit name"));
    unitNameEdit_.setAccessibleDescription(
        tr("One new unit equals the factor times the existing unit"));
    factorEdit_.setAccessibleName(tr("Factor"));
    factorEdit_.setAccessibleDescription(tr("How many existing units make one new unit"));
    unitCombo_.setAccessibleName(tr("Existing unit"));
    existingUnitHeading_.setBuddy(&unitCombo_);
    existingUnitHeading_.setAccessibleName(tr("Existing unit"));
    addUnitButton_.setAccessibleName(tr("Add unit"));
    removeUnitButton_.setAccessibleName(tr("Remove unit"));
    for (QLineEdit* edit : {&categoryEdit_, &unitNameEdit_, &factorEdit_}) edit->setFrame(true);
    // The sheet's OK stays the default button whichever page button was used last.
    for (QPushButton* button :
         {&addCategoryButton_, &removeCategoryButton_, &addUnitButton_, &removeUnitButton_})
        button->setAutoDefault(false);

    modeGroup_.addButton(&addCategoryRadio_, AddCategoryMode);
    modeGroup_.addButton(&existingRadio_, ExistingCategoryMode);
    factorEdit_.installEventFilter(&factorFilter_);

    connect(&modeGroup_, &QButtonGroup::idClicked, this, &CustomPage::OnModeChanged);
    connect(&categoryCombo_, &SortedComboBox::userSelected, this, &CustomPage::OnCategorySelected);
    connect(&addCategoryButton_, &QPushButton::clicked, this, &CustomPage::OnAddCategory);
    connect(&removeCategoryButton_, &QPushButton::clicked, this, &CustomPage::OnRemoveCategory);
    connect(&addUnitButton_, &QPushButton::clicked, this, &CustomPage::OnAddUnit);
    connect(&removeUnitButton_, &QPushButton::clicked, this, &CustomPage::OnRemoveUnit);
}

void CustomPage::Populate() {
    mode_ = AddCategoryMode;
    ShowFields();

    // Every built-in category, hidden ones too: hiding only keeps a category
    // out of the main window's list, and its units can still be edited here.
    const NameLanguage language = SessionNameLanguage();
    for (int row = 0; row < BuiltinCategoryCount; ++row)
        categoryCombo_.AddSorted(catalogue_.CategoryName(row),
                                 ShownCategoryName(catalogue_, row, language));
    for (int row = FirstCustomRow; row < CategoryRowCount; ++row) {
        if (!catalogue_.IsCustomRowFree(row))
            categoryCombo_.AddSorted(catalogue_.CategoryName(row));
    }
    categoryCombo_.Select(0);

    if (const std::optional<int> row = catalogue_.CategoryByName(categoryCombo_.SelectedText()))
        shownRow_ = *row;
    FillUnitCombo();
    OnModeChanged(AddCategoryMode);
}

void CustomPage::ShowFields() {
    categoryEdit_.setText(categoryName_);
    modeGroup_.setExclusive(false);
    addCategoryRadio_.setChecked(mode_ == AddCategoryMode);
    existingRadio_.setChecked(mode_ == ExistingCategoryMode);
    modeGroup_.setExclusive(true);
}

void CustomPage::ReadFields() {
    categoryName_ = categoryEdit_.text();
    mode_ = modeGroup_.checkedId();
}

void CustomPage::OnModeChanged(int mode) {
    const bool existing = mode == ExistingCategoryMode;
    removeCategoryButton_.setEnabled(existing);
    categoryCombo_.setEnabled(existing);
    categoryEdit_.setEnabled(!existing);
    addCategoryButton_.setEnabled(!existing);
    unitNameEdit_.setEnabled(existing);
    addUnitButton_.setEnabled(existing);
    if (!existing)
        EnableUnitChoice(false);
    else if (catalogue_.UnitCount(shownRow_) >= 1)
        EnableUnitChoice(true);
}

void CustomPage::OnCategorySelected() {
    if (const std::optional<int> row = catalogue_.CategoryByName(categoryCombo_.SelectedText()))
        shownRow_ = *row;
    if (shownRow_ < 0 || shownRow_ >= CategoryRowCount) shownRow_ = 0;
    FillUnitCombo();
    EnableUnitChoice(catalogue_.UnitCount(shownRow_) >= 1);
}

void CustomPage::FillUnitCombo() {
    unitCombo_.Empty();
    for (int position = 1; position <= catalogue_.UnitCount(shownRow_); ++position)
        unitCombo_.AddSorted(catalogue_.Name(shownRow_, position),
                             ShownUnitName(catalogue_, shownRow_, position, SessionNameLanguage()));
    unitCombo_.Select(0);
}

void CustomPage::EnableUnitChoice(bool enable) {
    unitCombo_.setEnabled(enable);
    factorEdit_.setEnabled(enable);
    removeUnitButton_.setEnabled(enable);
}

bool CustomPage::RefuseUnstorable(const QString& name) {
    const QString character = FirstCharacterOutsideCp1252(name);
    if (character.isEmpty()) return false;
    Inform(tr("The settings file cannot hold the character \"%1\": please choose a name "
              "without it.")
               .arg(character));
    return true;
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
        case CustomMessage::UnitNameIsSymbol:
            if (const auto owner = BuiltinOwnerOf(catalogue_, shownRow_, name)) {
                return Inform(
                    tr("\"%1\" is already the symbol of \"%2\"")
                        .arg(QStringFromCp1252(owner->name),
                             QStringFromCp1252(catalogue_.Name(shownRow_, owner->position))));
            }
            return;
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
        case CustomMessage::NameIsGrammarWord:
            return Inform(tr("\"%1\" is one of the words queries are written with (to, in, "
                             "per): please choose another name.")
                              .arg(QStringFromCp1252(name).trimmed()));
        case CustomMessage::NameHasGrammarSign: {
            const std::size_t sign = name.find_first_of("+;*/^()");
            return Inform(tr("The name cannot hold \"%1\": queries read + ; * / ^ ( ) as "
                             "signs. Please choose another name.")
                              .arg(sign == std::string::npos
                                       ? QString()
                                       : QString(QChar::fromLatin1(name[sign]))));
        }
        case CustomMessage::NameIsNumber:
            return Inform(
                tr("\"%1\" would be read as a number in a query: please choose another name.")
                    .arg(QStringFromCp1252(name).trimmed()));
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
